// SPDX-License-Identifier: MIT
// FileLock: the catalog-level lock that gives Jet's open modes their meaning.
// Shared readers hold a shared flock on the catalog file, an exclusive opener
// an exclusive one; flock locks belong to the open file description, so a
// second opener is refused in this process exactly as in another.
//
// A lock can be given up while its descriptor stays open (unlock), so that
// taking it again on the same file costs one flock instead of an open; for
// every other opener flock(LOCK_UN) is the same release as closing the last
// descriptor of the description. A child made by fork only closes what it
// inherited: the description, and its lock, is its parent's too.
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
  // Drops the lock and closes the descriptor.
  void release();
  // Drops the lock but keeps the descriptor for relock().
  void unlock();
  // Whether a descriptor is kept without its lock on the file whose status
  // (taken by path, before this call) is `named`: the file the path names.
  bool keptFor(struct stat const& named) const;
  // Takes the lock again on the kept descriptor, without waiting; false
  // (errno set) when another holder conflicts, the descriptor still kept.
  bool relock(Kind kind);
  bool held() const { return m_fd >= 0 && m_locked; }
  // The descriptor the lock is held on, for reading the file without
  // opening it again; -1 when not held.
  int fd() const { return held() ? m_fd : -1; }
  // The file's status as it was when the lock was granted.
  struct stat const& status() const { return m_status; }

 private:
  bool lockAndStat(int fd, Kind kind);

  int m_fd = -1;
  bool m_locked = false;
  unsigned m_generation = 0;  // forks seen when the descriptor was opened
  struct stat m_status {};
};

}  // namespace zept::dao
