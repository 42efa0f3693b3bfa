// SPDX-License-Identifier: MIT
// File attributes, copies, moves and removals on stat and plain descriptors;
// copies are built through TempFile so a destination is never half written.
#include "platform/fs/FileOps.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/fs/TempFile.h"
#include "platform/fs/UniqueFd.h"
#include "platform/fs/WinPath.h"

namespace zept::fs {

namespace {

std::optional<struct stat> statPath(std::wstring_view path, std::string* posix = nullptr) {
  struct stat st {};
  bool found = false;
  std::optional<std::string> p = resolve(path, st, found);
  if (!p || !found) return std::nullopt;
  if (posix != nullptr) *posix = std::move(*p);
  return st;
}

using Fd = UniqueFd;

bool writeAll(int fd, char const* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool copyData(int in, int out) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (!writeAll(out, buffer, static_cast<std::size_t>(n))) return false;
  }
}

std::string parentOf(std::string const& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::uint32_t getFileAttributes(std::wstring_view path) {
  std::optional<struct stat> st = statPath(path);
  if (!st) return INVALID_FILE_ATTRIBUTES;
  std::uint32_t attributes = 0;
  if ((st->st_mode & S_IWUSR) == 0) attributes |= FILE_ATTRIBUTE_READONLY;
  if (S_ISDIR(st->st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  return attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
}

bool setFileAttributes(std::wstring_view path, std::uint32_t attributes) {
  std::string posix;
  std::optional<struct stat> st = statPath(path, &posix);
  if (!st) return false;
  mode_t mode = st->st_mode & 07777;
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
    mode &= ~static_cast<mode_t>(S_IWUSR);
  else
    mode |= S_IWUSR;
  return ::chmod(posix.c_str(), mode) == 0;
}

bool isReadOnly(std::wstring_view path) {
  std::optional<struct stat> st = statPath(path);
  return st && (st->st_mode & S_IWUSR) == 0;
}

bool fileExists(std::wstring_view path) { return statPath(path).has_value(); }

bool isDirectory(std::wstring_view path) {
  std::optional<struct stat> st = statPath(path);
  return st && S_ISDIR(st->st_mode);
}

std::uint64_t fileSize(std::wstring_view path) {
  std::optional<struct stat> st = statPath(path);
  if (!st || !S_ISREG(st->st_mode)) return 0;
  return static_cast<std::uint64_t>(st->st_size);
}

bool copyFile(std::wstring_view from, std::wstring_view to, bool failIfExists) {
  std::string source;
  std::optional<struct stat> srcStat = statPath(from, &source);
  if (!srcStat || !S_ISREG(srcStat->st_mode)) return false;
  std::optional<std::string> target = resolve(to);
  if (!target || target->back() == '/') return false;
  struct stat dstStat {};
  if (::stat(target->c_str(), &dstStat) == 0) {
    if (failIfExists || S_ISDIR(dstStat.st_mode) || (dstStat.st_mode & S_IWUSR) == 0) return false;
  }
  // A link at the name is replaced, never followed out of the folder.
  if (!savedFilePath(*target, false)) return false;

  Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (in.get() < 0) return false;
  TempFile out(parentOf(*target), 0600);
  if (!out.valid()) return false;
  const timespec times[2] = {srcStat->st_atim, srcStat->st_mtim};
  bool ok = copyData(in.get(), out.fd()) && ::fchmod(out.fd(), srcStat->st_mode & 07777) == 0 &&
            ::futimens(out.fd(), times) == 0 && ::fsync(out.fd()) == 0;
  ok = out.close() && ok;
  return ok && out.placeAt(*target, !failIfExists);
}

bool moveFile(std::wstring_view from, std::wstring_view to) {
  std::string source;
  std::optional<struct stat> st = statPath(from, &source);
  if (!st || !S_ISREG(st->st_mode)) return false;
  std::optional<std::string> target = resolve(to);
  if (!target || target->back() == '/' || !renameWithoutReplacing(source, *target)) return false;
  Fd dir(::open(parentOf(*target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return true;
}

bool createEmptyFile(std::wstring_view path) {
  std::optional<std::string> target = resolve(path);
  if (!target || target->back() == '/') return false;
  // A link planted at the name would have the file made wherever it points:
  // it is removed, as removeStaleFile removes one.
  constexpr int kFlags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
  int made = ::open(target->c_str(), kFlags, 0644);
  struct stat link {};
  if (made < 0 && errno == ELOOP && ::lstat(target->c_str(), &link) == 0 && S_ISLNK(link.st_mode) &&
      ::unlink(target->c_str()) == 0)
    made = ::open(target->c_str(), kFlags | O_EXCL, 0644);
  Fd fd(made);
  if (fd.get() < 0 || ::fsync(fd.get()) != 0) return false;
  Fd dir(::open(parentOf(*target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return dir.get() >= 0 && ::fsync(dir.get()) == 0;
}

bool removeStaleFile(std::wstring_view path, std::function<bool(int fd, struct stat const& st)> const& madeHere) {
  std::string posix;
  std::optional<struct stat> st = statPath(path, &posix);
  // Nobody builds a file through a link: one at the name is in the way.
  struct stat link {};
  const std::optional<std::string> named = st ? std::optional(posix) : resolve(path);
  if (named && ::lstat(named->c_str(), &link) == 0 && S_ISLNK(link.st_mode)) return ::unlink(named->c_str()) == 0;
  if (!st) return true;
  if (!S_ISREG(st->st_mode)) return false;
  Fd fd(::open(posix.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) return false;
  // Whoever is still building the file holds a lock on it.
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return false;
  struct stat opened {};
  if (madeHere && (::fstat(fd.get(), &opened) != 0 || (opened.st_size != 0 && !madeHere(fd.get(), opened))))
    return false;
  return ::unlink(posix.c_str()) == 0;
}

bool removeStaleFile(std::wstring_view path) { return removeStaleFile(path, nullptr); }

bool deleteFile(std::wstring_view path) {
  std::string posix;
  std::optional<struct stat> st = statPath(path, &posix);
  if (!st || S_ISDIR(st->st_mode) || (st->st_mode & S_IWUSR) == 0) return false;
  return ::unlink(posix.c_str()) == 0;
}

}  // namespace zept::fs
