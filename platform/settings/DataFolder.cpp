// SPDX-License-Identifier: MIT
// The bundled data folder, found beside the shared library or the program
// through a relative path fixed at build time; in the build tree, its own
// data folder.
#include "platform/settings/DataFolder.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "platform/core/Utf8.h"

// The build passes the configured folder and the relative paths from the
// library and program folders to it.
#ifndef ZEPT_INSTALL_DATA_DIR
#define ZEPT_INSTALL_DATA_DIR "/usr/local/share/zeptdb"
#endif
#ifndef ZEPT_LIBDIR_TO_DATA
#define ZEPT_LIBDIR_TO_DATA "../share/zeptdb"
#endif
#ifndef ZEPT_BINDIR_TO_DATA
#define ZEPT_BINDIR_TO_DATA "../share/zeptdb"
#endif

namespace zept {
namespace {

namespace fs = std::filesystem;

std::wstring asFolder(fs::path const& folder) {
  std::wstring text = fromUtf8(folder.lexically_normal().string());
  if (text.empty() || text.back() != L'/') text += L'/';
  return text;
}

// The folder `relative` to the file of the object holding this code, when it
// is a folder.
bool besideObject(fs::path const& object, char const* relative, fs::path& found) {
  std::error_code ec;
  fs::path file = fs::canonical(object, ec);
  if (ec) return false;
  fs::path candidate = file.parent_path() / relative;
  if (!fs::is_directory(candidate, ec)) return false;
  found = candidate;
  return true;
}

}  // namespace

std::wstring installedDataFolder() {
  fs::path found;
#ifdef ZEPT_SHARED_LIBRARY
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&installedDataFolder), &info) != 0 && info.dli_fname != nullptr &&
      besideObject(info.dli_fname, ZEPT_LIBDIR_TO_DATA, found))
    return asFolder(found);
#else
  // Linked into the program itself.
  if (besideObject("/proc/self/exe", ZEPT_BINDIR_TO_DATA, found)) return asFolder(found);
#endif
#ifdef ZEPT_BUILD_TREE_DATA_DIR
  // Not installed: a program of the build tree, or one that builds the
  // library as its subproject, reads the catalogs the build made.
  std::error_code ec;
  if (!fs::is_directory(ZEPT_INSTALL_DATA_DIR, ec) && fs::is_directory(ZEPT_BUILD_TREE_DATA_DIR, ec))
    return asFolder(ZEPT_BUILD_TREE_DATA_DIR);
#endif
  return asFolder(ZEPT_INSTALL_DATA_DIR);
}

}  // namespace zept
