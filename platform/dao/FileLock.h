// SPDX-License-Identifier: MIT
// FileLock: the catalog-level lock that gives Jet's open modes their meaning.
// Shared readers hold a shared flock on the catalog file, an exclusive opener
// an exclusive one; flock locks belong to the open file description, so a
// second opener is refused in this process exactly as in another.
#pragma once

#include <sys/stat.h>

#include <string>

namespace zept::dao {

class FileLock {
 public:
  enum class Kind { Shared, Exclusive };

  FileLock() = default;
  FileLock(FileLock const&) = delete;
  FileLock& operator=(FileLock const&) = delete;
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  ~FileLock();

  // Opens `path` and takes the lock without waiting. False when the file
  // cannot be opened (EINVAL: neither a regular file nor a folder) or
  // another holder conflicts; errno tells which.
  bool acquire(std::string const& path, Kind kind);
  void release();
  bool held() const { return m_fd >= 0; }
  // The descriptor the lock is held on, for reading the file without
  // opening it again; -1 when not held.
  int fd() const { return m_fd; }
  // The file's status as it was when the lock was granted.
  struct stat const& status() const { return m_status; }

 private:
  int m_fd = -1;
  struct stat m_status {};
};

}  // namespace zept::dao
