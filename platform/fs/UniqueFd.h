// SPDX-License-Identifier: MIT
// UniqueFd: an open POSIX file descriptor, closed when it goes out of scope.
#pragma once

#include <unistd.h>

namespace zept::fs {

class UniqueFd {
 public:
  explicit UniqueFd(int fd) : m_fd(fd) {}
  ~UniqueFd() {
    if (m_fd >= 0) ::close(m_fd);
  }
  UniqueFd(UniqueFd const&) = delete;
  UniqueFd& operator=(UniqueFd const&) = delete;
  // -1 when the open failed or after close().
  int get() const { return m_fd; }
  // Hands the descriptor over; it is no longer closed here.
  int release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
  }
  // Closes now so the caller sees the error a delayed write may report.
  bool close() {
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0;
  }

 private:
  int m_fd;
};

}  // namespace zept::fs
