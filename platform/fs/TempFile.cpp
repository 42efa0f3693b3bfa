// SPDX-License-Identifier: MIT
// Tagged temporaries beside their destination, the lock that shows their
// builder alive, and the sweep that removes those whose builder died.
#include "platform/fs/TempFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cstdint>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string_view>

#include "platform/fs/UniqueFd.h"

namespace zept::fs {

namespace {

constexpr std::string_view kPrefix = ".zept-tmp-";
// Far past any data and past the bytes SQLite locks.
constexpr off_t kAliveByte = off_t{1} << 62;
// Between creating a file and locking it, a builder is not yet marked alive;
// a file this young is never taken for a leftover.
constexpr std::time_t kYoungSeconds = 60;

struct flock aliveLock(short type) {
  struct flock l {};
  l.l_type = type;
  l.l_whence = SEEK_SET;
  l.l_start = kAliveByte;
  l.l_len = 1;
  return l;
}

bool builderAlive(int fd) {
  struct flock l = aliveLock(F_WRLCK);
  // When the question cannot be asked, the file is left alone.
  if (::fcntl(fd, F_OFD_GETLK, &l) != 0) return true;
  return l.l_type != F_UNLCK;
}

std::uint64_t mix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

// A temporary's name carries a tag of its own inode: a file someone else
// named with the prefix, or a copy of a temporary, does not carry the tag of
// its inode, so the sweep can tell what a builder made from all else.
std::uint64_t tagOf(std::uint64_t salt, ino_t inode) {
  return mix(salt ^ mix(static_cast<std::uint64_t>(inode) ^ 0x7a6570742d746d70ULL));
}

constexpr std::size_t kHexDigits = 16;

std::string nameFor(std::uint64_t salt, ino_t inode) {
  char name[64];
  std::snprintf(name, sizeof name, "%.*s%016llx-%016llx", static_cast<int>(kPrefix.size()), kPrefix.data(),
                static_cast<unsigned long long>(salt), static_cast<unsigned long long>(tagOf(salt, inode)));
  return name;
}

std::optional<std::uint64_t> hexNumber(std::string_view digits) {
  if (digits.size() != kHexDigits) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (d < 0) return std::nullopt;
    value = value << 4 | static_cast<std::uint64_t>(d);
  }
  return value;
}

bool madeByBuilder(std::string_view name, ino_t inode) {
  if (name.size() != kPrefix.size() + 2 * kHexDigits + 1 || name.substr(0, kPrefix.size()) != kPrefix) return false;
  const std::string_view rest = name.substr(kPrefix.size());
  if (rest[kHexDigits] != '-') return false;
  const auto salt = hexNumber(rest.substr(0, kHexDigits)), tag = hexNumber(rest.substr(kHexDigits + 1));
  return salt && tag && *tag == tagOf(*salt, inode);
}

std::uint64_t randomSalt() {
  static std::atomic<unsigned> serial{0};
  thread_local std::mt19937_64 random{std::random_device{}()};
  return random() ^ mix(static_cast<std::uint64_t>(::getpid()) << 32 | serial++);
}

// Makes a file in `dir` already under its tagged name, so that no moment
// leaves an untagged temporary behind: an unnamed file gets its name only
// once its inode is known. Where the file system has no unnamed files, a
// file is made under a scratch name and renamed at once.
int createTagged(int dir, mode_t mode, std::string& name) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    UniqueFd fd(::openat(dir, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) break;
    name = nameFor(randomSalt(), st.st_ino);
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    if (::linkat(AT_FDCWD, self.c_str(), dir, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return fd.release();
    if (errno != EEXIST) break;
  }
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::string scratch = nameFor(randomSalt(), 0) + "-new";
    UniqueFd fd(::openat(dir, scratch.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
    if (fd.get() < 0) {
      if (errno == EEXIST) continue;
      return -1;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0) {
      name = nameFor(randomSalt(), st.st_ino);
      // The tagged name is random: without the no-replace rename, a plain
      // one is as good.
      if (::renameat2(dir, scratch.c_str(), dir, name.c_str(), RENAME_NOREPLACE) == 0 ||
          ((errno == EINVAL || errno == ENOSYS) && ::renameat(dir, scratch.c_str(), dir, name.c_str()) == 0))
        return fd.release();
    }
    const int error = errno;
    ::unlinkat(dir, scratch.c_str(), 0);
    if (error != EEXIST) {
      errno = error;
      return -1;
    }
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

std::uint64_t builderTag(ino_t inode) { return tagOf(0x6275696c64696e67ULL, inode); }

std::optional<std::string> savedFilePath(std::string const& target, bool followLink) {
  struct stat st {};
  if (::lstat(target.c_str(), &st) != 0) {
    if (errno == ENOENT) return target;  // a new file
    return std::nullopt;
  }
  std::string path = target;
  if (S_ISLNK(st.st_mode)) {
    if (!followLink) return target;
    char* real = ::realpath(target.c_str(), nullptr);
    if (!real) return std::nullopt;
    path = real;
    std::free(real);
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return std::nullopt;
  }
  return path;
}

bool isCatalogFileName(std::string_view fileName) {
  std::string lower(fileName);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (std::string_view companion : {"", "-journal", "-wal", "-shm", ".building", ".readonly"}) {
    const std::string suffix = ".mdb" + std::string(companion);
    if (lower.size() >= suffix.size() && lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0)
      return true;
  }
  return false;
}

bool renameWithoutReplacing(std::string const& from, std::string const& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // Racy, but the best such a file system allows.
  struct stat st {};
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

int removeAbandonedTemporaries(std::string const& folder) {
  UniqueFd dirFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dirFd.get() < 0) return 0;
  DIR* dir = ::fdopendir(::dup(dirFd.get()));
  if (dir == nullptr) return 0;
  const std::time_t now = std::time(nullptr);
  int removed = 0;
  while (dirent* e = ::readdir(dir)) {
    const std::string_view name = e->d_name;
    if (name.substr(0, kPrefix.size()) != kPrefix) continue;
    struct stat st {};
    if (::fstatat(dirFd.get(), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
    if (!madeByBuilder(name, st.st_ino)) continue;
    if (st.st_mtime > now - kYoungSeconds) continue;
    UniqueFd file(::openat(dirFd.get(), e->d_name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat opened {};
    if (file.get() < 0 || ::fstat(file.get(), &opened) != 0 || opened.st_ino != st.st_ino) continue;
    if (builderAlive(file.get())) continue;
    if (::unlinkat(dirFd.get(), e->d_name, 0) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

TempFile::TempFile(std::string folder, mode_t mode) : m_folder(std::move(folder)) {
  removeAbandonedTemporaries(m_folder);
  UniqueFd dir(::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() < 0) return;
  std::string name;
  m_fd = createTagged(dir.get(), mode, name);
  if (m_fd < 0) return;
  std::string path = m_folder + "/" + name;
  m_alive = ::openat(dir.get(), name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  struct flock l = aliveLock(F_RDLCK);
  if (m_alive < 0 || ::fcntl(m_alive, F_OFD_SETLK, &l) != 0) {
    const int error = errno;
    ::unlinkat(dir.get(), name.c_str(), 0);
    ::close(m_fd);
    m_fd = -1;
    if (m_alive >= 0) ::close(m_alive);
    m_alive = -1;
    errno = error;
    return;
  }
  m_path = std::move(path);
}

TempFile::~TempFile() {
  if (m_fd >= 0) ::close(m_fd);
  if (!m_path.empty()) ::unlink(m_path.c_str());
  if (m_alive >= 0) ::close(m_alive);
}

int TempFile::release() {
  const int fd = m_fd;
  m_fd = -1;
  return fd;
}

bool TempFile::close() {
  const int fd = release();
  return fd < 0 || ::close(fd) == 0;
}

bool TempFile::placeAt(std::string const& target, bool replace) {
  if (m_path.empty()) return false;
  const bool moved = replace ? ::rename(m_path.c_str(), target.c_str()) == 0
                             : renameWithoutReplacing(m_path, target);
  if (!moved) return false;
  disown();
  // The rename itself survives a crash only once the folder is synced.
  UniqueFd dir(::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return true;
}

bool writeWhole(std::string const& folder, std::string const& target, bool replace,
                std::function<bool(std::FILE*)> const& produce) {
  TempFile temp(folder);
  if (!temp.valid()) return false;
  const int fd = temp.release();
  std::FILE* file = ::fdopen(fd, "wb");
  if (!file) {
    ::close(fd);
    return false;
  }
  bool ok = produce(file);
  ok = std::fflush(file) == 0 && ok;
  ok = ::fsync(::fileno(file)) == 0 && ok;
  ok = std::fclose(file) == 0 && ok;
  return ok && temp.placeAt(target, replace);
}

void TempFile::disown() {
  m_path.clear();
  close();
  if (m_alive >= 0) ::close(m_alive);
  m_alive = -1;
}

}  // namespace zept::fs
