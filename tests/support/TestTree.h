// SPDX-License-Identifier: MIT
// Scratch folders, environment variables and child processes for the tests.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>

namespace zept::test {

// Sets (or, with nullopt, unsets) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(char const* name, std::optional<std::string> const& value) : m_name(name) {
    if (char const* old = std::getenv(name)) m_old = old;
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { m_old ? ::setenv(m_name.c_str(), m_old->c_str(), 1) : ::unsetenv(m_name.c_str()); }
  ScopedEnv(ScopedEnv const&) = delete;
  ScopedEnv& operator=(ScopedEnv const&) = delete;

 private:
  std::string m_name;
  std::optional<std::string> m_old;
};

// Runs `body` in a forked child and waits for it: true when `body` returned
// true there (an exception counts as false).
inline bool inChild(std::function<bool()> const& body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    bool ok = false;
    try {
      ok = body();
    } catch (...) {
    }
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A fresh folder under the system's temporary folder, removed with its
// contents when the object dies.
class TempTree {
 public:
  TempTree() {
    static std::atomic<int> counter{0};
    m_root = std::filesystem::temp_directory_path() /
             ("zept-fs-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
              std::to_string(std::random_device{}()));
    std::filesystem::create_directories(m_root);
  }
  ~TempTree() {
    std::error_code ec;
    std::filesystem::remove_all(m_root, ec);
  }
  TempTree(TempTree const&) = delete;
  TempTree& operator=(TempTree const&) = delete;

  std::string str() const { return m_root.string(); }
  std::filesystem::path path(std::string const& rel) const { return m_root / rel; }

  std::filesystem::path dir(std::string const& rel) const {
    std::filesystem::create_directories(m_root / rel);
    return m_root / rel;
  }
  std::filesystem::path file(std::string const& rel, std::string const& content = "x") const {
    std::filesystem::create_directories((m_root / rel).parent_path());
    std::ofstream(m_root / rel, std::ios::binary) << content;
    return m_root / rel;
  }
  static std::string read(std::filesystem::path const& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path m_root;
};

}  // namespace zept::test
