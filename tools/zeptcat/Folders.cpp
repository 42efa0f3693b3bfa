// SPDX-License-Identifier: MIT
#include "tools/zeptcat/Folders.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/fs/FileOps.h"
#include "platform/fs/WinPath.h"
#include "tools/common/ToolFolders.h"

namespace zeptcat {

std::string shown(CString const& folder) {
  const auto posix = zept::fs::toPosix(folder.view());
  return posix ? *posix : folder.toUtf8();
}

std::string folders(ZEPTDBBaseData& accessor) {
  const CString app = accessor.getDBPath(true), data = accessor.getDBPath(false);
  return shown(app) + (app == data ? "" : " or " + shown(data));
}

void catalogRefused(ZEPTDBBaseData& accessor, std::string const& kind, std::string const& name,
                    std::string const& file) {
  const long code = accessor.getLastDBError();
  const std::string catalog = kind + " catalog " + name + " (" + file + ")";
  const std::string error = " (error " + std::to_string(code) + ")";
  switch (code) {
    case zept::jet::kFileNotFound: throw std::runtime_error("no " + catalog + " in " + folders(accessor));
    case zept::jet::kFileInUse:
      throw std::runtime_error(catalog + " is in use: another process holds it exclusively" + error);
    case zept::jet::kDatabaseCorrupt: throw std::runtime_error(catalog + " is damaged" + error);
    case zept::jet::kUnrecognizedFormat: throw std::runtime_error(file + " is no " + kind + " catalog" + error);
    case zept::jet::kReadOnly:
      throw std::runtime_error(catalog + " is read-only and would have to be written to be read" + error);
    case 0: throw std::runtime_error(catalog + " cannot be brought to the current layout");
    default: throw std::runtime_error(catalog + " cannot be opened" + error);
  }
}

void needAppFolder() {
  if (!zept::tools::makeAppFolder()) {
    char const* folder = std::getenv("ZEPT_APP_PATH");
    throw std::runtime_error(std::string("cannot create the application folder ") + (folder ? folder : "") +
                             "; give one with --app");
  }
}

std::wstring writableCatalog(std::string const& catalog, std::wstring const& found) {
  namespace fs = std::filesystem;
  if (isCatalogPath(catalog)) return found;
  // The file as it is spelt on disk: a short name finds it in any case.
  const std::optional<std::string> real = zept::fs::resolve(found);
  std::error_code ec;
  if (!real || !fs::is_regular_file(*real, ec)) return found;
  const fs::path source = *real;
  needAppFolder();
  char const* appFolder = std::getenv("ZEPT_APP_PATH");
  const auto app = zept::fs::resolve(zept::fromUtf8(appFolder ? appFolder : ""));
  if (!app || fs::equivalent(source.parent_path(), *app, ec)) return found;
  const fs::path copy = fs::path(*app) / source.filename();
  if (!zept::fs::copyFile(found, zept::fromUtf8(copy.string()), /*failIfExists=*/true))
    throw std::runtime_error("cannot copy " + source.string() + " into the application folder " + *app +
                             " to write it there");
  std::cerr << "zeptcat: " << source.filename().string() << " is written as a copy in " << *app << '\n';
  return zept::fromUtf8(copy.string());
}

COleVariant none(Context const& ctx) { return ctx.json ? COleVariant() : COleVariant(L"-"); }

COleVariant textOr(Context const& ctx, CString const& text) { return text.IsEmpty() ? none(ctx) : COleVariant(text); }

}  // namespace zeptcat
