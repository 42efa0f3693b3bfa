// SPDX-License-Identifier: MIT
// Running a built tool as a child process, for the tools' tests: its exit
// status and what it wrote to stdout and stderr.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/TestTree.h"

extern char** environ;

namespace zept::test {

struct ToolResult {
  int status = -1;  // exit status; -1 when the tool did not exit normally
  std::string out;
  std::string err;
};

// Runs `exe` with `args`. The settings variables ZEPT_DATA_PATH and
// ZEPT_APP_PATH of the test's own environment are not passed on, and
// XDG_DATA_HOME is `scratch`/user-data unless `env` gives it, so that no test
// writes into the user's own catalog folder; `env` adds "NAME=value" entries.
// Output goes through files in `scratch`.
inline ToolResult runTool(std::string const& exe, std::vector<std::string> const& args,
                          std::filesystem::path const& scratch, std::vector<std::string> const& env = {}) {
  const std::string outFile = (scratch / "tool.out").string();
  const std::string errFile = (scratch / "tool.err").string();
  std::vector<std::string> envStore;
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "ZEPT_DATA_PATH=", 15) != 0 && std::strncmp(*e, "ZEPT_APP_PATH=", 14) != 0 &&
        std::strncmp(*e, "XDG_DATA_HOME=", 14) != 0)
      envStore.emplace_back(*e);
  envStore.insert(envStore.end(), env.begin(), env.end());
  if (std::none_of(env.begin(), env.end(), [](std::string const& e) { return e.starts_with("XDG_DATA_HOME="); }))
    envStore.push_back("XDG_DATA_HOME=" + (scratch / "user-data").string());
  std::vector<char*> envp, argv{const_cast<char*>(exe.c_str())};
  for (auto& e : envStore) envp.push_back(e.data());
  envp.push_back(nullptr);
  for (auto const& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid == 0) {
    const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(127);
    ::execve(exe.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  ToolResult result;
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return result;
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  auto slurp = [](std::string const& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  };
  result.out = slurp(outFile);
  result.err = slurp(errFile);
  return result;
}

// A scratch folder to run the tools in.
class ToolTest : public testing::Test {
 protected:
  // zeptcat with `front` (its folders, say) before `args`.
  ToolResult zeptcat(std::vector<std::string> front, std::vector<std::string> const& args,
                     std::vector<std::string> const& env = {}) {
    front.insert(front.end(), args.begin(), args.end());
    return runTool(ZEPTCAT_PATH, front, tree.path(""), env);
  }
  TempTree tree;
};

}  // namespace zept::test
