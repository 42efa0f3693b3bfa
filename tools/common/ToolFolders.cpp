// SPDX-License-Identifier: MIT
#include "tools/common/ToolFolders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zept::tools {

namespace {

std::string withSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
  return dir;
}

std::string fromEnv(char const* name) {
  char const* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::string bundledDataDir(std::string const& buildDir, std::string const& installedRelative) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const fs::path installed = (exe.parent_path() / installedRelative).lexically_normal();
    if (fs::is_directory(installed, ec)) return installed.string() + "/";
  }
  return buildDir;
}

void setFolderEnvironment(std::string dataDir, std::string appDir, std::string const& bundled) {
  if (dataDir.empty()) dataDir = fromEnv("ZEPT_DATA_PATH");
  if (dataDir.empty()) dataDir = bundled;
  dataDir = withSeparator(dataDir);
  if (appDir.empty()) appDir = fromEnv("ZEPT_APP_PATH");
  appDir = appDir.empty() ? dataDir : withSeparator(appDir);
  ::setenv("ZEPT_DATA_PATH", dataDir.c_str(), 1);
  ::setenv("ZEPT_APP_PATH", appDir.c_str(), 1);
  if (fromEnv("ZEPT_OBJSTEEL_PATH").empty()) ::setenv("ZEPT_OBJSTEEL_PATH", dataDir.c_str(), 1);
}

}  // namespace zept::tools
