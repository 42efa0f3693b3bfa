// SPDX-License-Identifier: MIT
// FileLock over flock, minding the descriptions a fork shares with its
// parent.
#include "platform/dao/FileLock.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <utility>

namespace zept::dao {

namespace {

// A child made by fork shares its parent's open file descriptions, and so
// their flocks: LOCK_UN there would release the parent's lock. A lock taken
// before the last fork is therefore only ever closed, never unlocked or
// taken again, in the child.
std::atomic<unsigned> gForks{0};

unsigned forkGeneration() {
  static const bool registered =
      ::pthread_atfork(nullptr, nullptr, [] { gForks.fetch_add(1, std::memory_order_relaxed); }) == 0;
  (void)registered;
  return gForks.load(std::memory_order_relaxed);
}

}  // namespace

FileLock::FileLock(FileLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)),
      m_locked(std::exchange(other.m_locked, false)),
      m_generation(other.m_generation),
      m_status(other.m_status) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    release();
    m_fd = std::exchange(other.m_fd, -1);
    m_locked = std::exchange(other.m_locked, false);
    m_generation = other.m_generation;
    m_status = other.m_status;
  }
  return *this;
}

FileLock::~FileLock() { release(); }

bool FileLock::acquire(std::string const& path, Kind kind) {
  release();
  // Non-blocking, so that a FIFO named like a catalog cannot stall the open;
  // anything but a regular file or a folder (which the caller reports as
  // such) is refused before it is read. Its status is taken once the lock is
  // held, so that it is also what the holder reads.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return false;
  if (!lockAndStat(fd, kind)) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return false;
  }
  m_fd = fd;
  m_locked = true;
  m_generation = forkGeneration();
  return true;
}

bool FileLock::lockAndStat(int fd, Kind kind) {
  int rc;
  do {
    rc = ::flock(fd, (kind == Kind::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) return false;
  if (::fstat(fd, &m_status) != 0 || !(S_ISREG(m_status.st_mode) || S_ISDIR(m_status.st_mode))) {
    ::flock(fd, LOCK_UN);
    errno = EINVAL;
    return false;
  }
  return true;
}

void FileLock::release() {
  if (m_fd >= 0) {
    ::close(m_fd);  // closing drops the flock
    m_fd = -1;
  }
  m_locked = false;
}

void FileLock::unlock() {
  if (!held()) return;
  if (m_generation != forkGeneration()) {
    release();
    return;
  }
  // Should the kernel ever refuse, closing is the release that cannot fail.
  if (::flock(m_fd, LOCK_UN) != 0) {
    release();
    return;
  }
  m_locked = false;
}

bool FileLock::keptFor(struct stat const& named) const {
  return m_fd >= 0 && !m_locked && m_generation == forkGeneration() && m_status.st_dev == named.st_dev &&
         m_status.st_ino == named.st_ino;
}

bool FileLock::relock(Kind kind) {
  if (m_fd < 0 || m_locked || m_generation != forkGeneration()) {
    errno = EINVAL;
    return false;
  }
  if (!lockAndStat(m_fd, kind)) return false;
  m_locked = true;
  return true;
}

}  // namespace zept::dao
