// SPDX-License-Identifier: MIT
// Folder texts and refusal messages for the catalog commands: why a catalog
// was not found or not written, with names suggested through Suggest.
#include "tools/zeptcat/Folders.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/JetFile.h"
#include "platform/dao/ServerFolder.h"
#include "platform/fs/FileOps.h"
#include "platform/fs/WinPath.h"
#include "tools/common/ToolFolders.h"
#include "tools/zeptcat/Suggest.h"

namespace zeptcat {

std::string shown(CString const& folder) {
  const auto posix = zept::fs::toPosix(folder.view());
  std::string text = posix ? *posix : folder.toUtf8();
  // A server's catalogs are read from its mirror, but people know the server.
  char const* data = std::getenv("ZEPT_DATA_PATH");
  if (data && zept::dao::isServerFolder(zept::fromUtf8(data)) && text == zept::dao::serverMirrorFolder(data))
    return data;
  return text;
}

std::string serverUnreachable(ZEPTDBBaseData& accessor) {
  return "the server " + shown(accessor.getDBPath(false)) + " cannot be reached or refused the connection (error " +
         std::to_string(zept::jet::kConnectionFailed) + ")";
}

std::string folders(ZEPTDBBaseData& accessor) {
  const CString app = accessor.getDBPath(true), data = accessor.getDBPath(false);
  return shown(app) + (app == data ? "" : " or " + shown(data));
}

namespace {

// The names of the catalogs whose files are spelt as `file` is around `name`
// ("EUROpro.mdb" around "EURO": every "*pro.mdb").
std::vector<std::string> catalogNames(ZEPTDBBaseData& accessor, std::string const& name, std::string const& file) {
  const std::string stem = file.ends_with(".mdb") ? file.substr(0, file.size() - 4) : file;
  const std::size_t at = stem.find(name);
  if (name.empty() || at == std::string::npos) return {};
  CStringArray names;
  accessor.getDBList(CString::fromUtf8(stem.substr(0, at) + "*" + stem.substr(at + name.size())), names, nullptr);
  std::vector<std::string> result;
  for (auto const& n : names) result.push_back(n.toUtf8());
  return result;
}

}  // namespace

void catalogRefused(ZEPTDBBaseData& accessor, std::string const& kind, std::string const& name,
                    std::string const& file) {
  const long code = accessor.getLastDBError();
  const std::string catalog = kind + " catalog " + name + " (" + file + ")";
  const std::string error = " (error " + std::to_string(code) + ")";
  switch (code) {
    case zept::jet::kFileNotFound: {
      std::string text = "no " + catalog + " in " + folders(accessor);
      const std::vector<std::string> alike = nearestNames(name, catalogNames(accessor, name, file));
      if (!alike.empty()) text += "; did you mean " + choiceList(alike) + "?";
      throw std::runtime_error(text);
    }
    case zept::jet::kFileInUse:
      throw std::runtime_error(catalog + " is in use: another process holds it exclusively" + error);
    case zept::jet::kDatabaseCorrupt: throw std::runtime_error(catalog + " is damaged" + error);
    case zept::jet::kUnrecognizedFormat: throw std::runtime_error(file + " is no " + kind + " catalog" + error);
    case zept::jet::kReadOnly:
      throw std::runtime_error(catalog + " is read-only and would have to be written to be read" + error);
    case 0: throw std::runtime_error(catalog + " cannot be brought to the current layout");
    case zept::jet::kConnectionFailed:
      throw std::runtime_error(catalog + " cannot be read: " + serverUnreachable(accessor));
    default: throw std::runtime_error(catalog + " cannot be opened" + error);
  }
}

std::string whyNotWritten(std::wstring const& path, long code) {
  namespace fs = std::filesystem;
  const std::string error = " (error " + std::to_string(code) + ")";
  if (code == zept::jet::kFileInUse)
    return "another process holds it" + error + "; close the program that has it open and try again";
  const std::optional<std::string> real = zept::fs::resolve(path);
  if (!real) return "it cannot be found";
  if (zept::dao::isGenuineAccessFile(path))
    return "it is a genuine Access catalog, which is only read; convert it with \"zeptcat import\" and write the "
           "copy";
  const std::string folder = fs::path(*real).parent_path().string();
  if (::access(real->c_str(), W_OK) != 0)
    return "you may not write " + *real + " (" + std::strerror(errno) +
           "); ask its owner, or write your own copy with --app FOLDER";
  // The engine writes its journal beside the catalog.
  if (::access(folder.c_str(), W_OK | X_OK) != 0)
    return "you may not create files in its folder " + folder + " (" + std::strerror(errno) +
           "); ask its owner, or write your own copy with --app FOLDER";
  struct statvfs disk {};
  if (::statvfs(folder.c_str(), &disk) == 0 && disk.f_bavail == 0)
    return "the disk of " + folder + " is full; make room and try again";
  return "the catalog refused it" + error;
}

void writeRefused(ZEPTDBBaseData& accessor, std::string const& what, std::string const& file) {
  const CString name = CString::fromUtf8(file);
  const CString inApp = accessor.getDBPath(true) + name;
  const CString path = zept::fs::resolve(inApp.view()) ? inApp : accessor.getDBPath(false) + name;
  throw std::runtime_error("cannot " + what + ": " + whyNotWritten(path.str(), accessor.getLastDBError()));
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
