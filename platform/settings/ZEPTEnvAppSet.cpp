// SPDX-License-Identifier: MIT
// Environment settings, with POSIX folders handed over in the Windows form
// the catalog code takes apart.
#include "platform/settings/ZEPTEnvAppSet.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/core/Utf8.h"
#include "platform/dao/ServerFolder.h"

namespace {

constexpr wchar_t kDefaultFolder[] = L"U:\\SYSTEM\\DATA\\";

bool isWindowsStyle(std::wstring const& folder) {
  const bool drive = folder.size() >= 2 && folder[1] == L':' &&
                     ((folder[0] >= L'A' && folder[0] <= L'Z') || (folder[0] >= L'a' && folder[0] <= L'z'));
  return drive || folder.starts_with(L"\\");
}

// The catalog code takes paths apart at ":" and "\" only (a copied catalog's
// file name, a record's catalog), so a POSIX folder is handed over with "\"
// separators, which the file-system layer reads as "/". A relative folder is
// made absolute now, so that it keeps naming the same folder.
std::wstring windowsStyle(std::wstring folder) {
  if (folder.empty() || isWindowsStyle(folder) || zept::dao::isServerFolder(folder)) return folder;
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(zept::toUtf8(folder), ec);
  if (!ec) folder = zept::fromUtf8(absolute.lexically_normal().string());
  for (auto& c : folder)
    if (c == L'/') c = L'\\';
  return folder;
}

// A fallback folder given by the program (the installed catalogs' one) is
// handed over the same way.
std::wstring fromEnvironment(char const* name, std::wstring const& fallback) {
  char const* value = std::getenv(name);
  return windowsStyle(value != nullptr ? zept::fromUtf8(value) : fallback);
}

bool sameKey(wchar_t const* a, wchar_t const* b) {
  if (a == nullptr) return false;
  for (; *a != L'\0' && *b != L'\0'; ++a, ++b) {
    auto lower = [](wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c; };
    if (lower(*a) != lower(*b)) return false;
  }
  return *a == *b;
}

}  // namespace

ZEPTEnvAppSet::ZEPTEnvAppSet() : ZEPTEnvAppSet(kDefaultFolder) {}

ZEPTEnvAppSet::ZEPTEnvAppSet(std::wstring const& fallback)
    : m_dataPath(fromEnvironment("ZEPT_DATA_PATH", fallback)),
      m_objSteelPath(fromEnvironment("ZEPT_OBJSTEEL_PATH", fallback)),
      m_appPath(fromEnvironment("ZEPT_APP_PATH", fallback)) {}

wchar_t const* ZEPTEnvAppSet::getValue(wchar_t const* key) {
  if (sameKey(key, L"PATHDATA")) return m_dataPath.c_str();
  if (sameKey(key, L"PATHOBJSTEEL")) return m_objSteelPath.c_str();
  if (sameKey(key, L"PATHAPP")) return m_appPath.c_str();
  return L"";
}

wchar_t const* ZEPTEnvAppSet::getPath(wchar_t const* key, int /*dataFileType*/) { return getValue(key); }

int ZEPTEnvAppSet::getInt(wchar_t const* /*key*/, int defaultValue) { return defaultValue; }

wchar_t const* ZEPTEnvAppSet::getAppPath(int which) { return which == 0 ? m_appPath.c_str() : L""; }
