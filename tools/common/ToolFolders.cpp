// SPDX-License-Identifier: MIT
// Folder choice for the tools: command line, environment, bundled and user
// folders, set as the settings variables the library reads.
#include "tools/common/ToolFolders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/core/Utf8.h"
#include "platform/dao/ServerFolder.h"

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

std::string userCatalogDir() {
  std::string base = fromEnv("XDG_DATA_HOME");
  if (base.empty() || base.front() != '/') {
    const std::string home = fromEnv("HOME");
    if (home.empty()) return "";
    base = withSeparator(home) + ".local/share";
  }
  return withSeparator(base) + "zeptdb/";
}

void setFolderEnvironment(std::string dataDir, std::string appDir, std::string const& bundled) {
  if (dataDir.empty()) dataDir = fromEnv("ZEPT_DATA_PATH");
  if (dataDir.empty()) dataDir = bundled;
  // A server's name is no folder to complete.
  if (!zept::dao::isServerFolder(zept::fromUtf8(dataDir))) dataDir = withSeparator(dataDir);
  if (appDir.empty()) appDir = fromEnv("ZEPT_APP_PATH");
  if (appDir.empty()) appDir = userCatalogDir();
  appDir = appDir.empty() ? dataDir : withSeparator(appDir);
  ::setenv("ZEPT_DATA_PATH", dataDir.c_str(), 1);
  ::setenv("ZEPT_APP_PATH", appDir.c_str(), 1);
  if (fromEnv("ZEPT_OBJSTEEL_PATH").empty()) ::setenv("ZEPT_OBJSTEEL_PATH", dataDir.c_str(), 1);
}

bool makeAppFolder() {
  namespace fs = std::filesystem;
  const std::string dir = fromEnv("ZEPT_APP_PATH");
  if (dir.empty()) return false;
  std::error_code ec;
  if (fs::is_directory(dir, ec)) return true;
  // Parents as the user's umask makes them, the folder itself private.
  fs::create_directories(fs::path(dir).parent_path().parent_path(), ec);
  if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return false;
  return fs::is_directory(dir, ec);
}

}  // namespace zept::tools
