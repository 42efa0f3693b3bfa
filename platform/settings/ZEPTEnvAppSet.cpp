#include "platform/settings/ZEPTEnvAppSet.h"

#include <cstdlib>

#include "platform/core/Utf8.h"

namespace {

constexpr wchar_t kDefaultFolder[] = L"U:\\SYSTEM\\DATA\\";

std::wstring fromEnvironment(char const* name) {
  char const* value = std::getenv(name);
  return value != nullptr ? zept::fromUtf8(value) : std::wstring(kDefaultFolder);
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

ZEPTEnvAppSet::ZEPTEnvAppSet()
    : m_dataPath(fromEnvironment("ZEPT_DATA_PATH")),
      m_objSteelPath(fromEnvironment("ZEPT_OBJSTEEL_PATH")),
      m_appPath(fromEnvironment("ZEPT_APP_PATH")) {}

wchar_t const* ZEPTEnvAppSet::getValue(wchar_t const* key) {
  if (sameKey(key, L"PATHDATA")) return m_dataPath.c_str();
  if (sameKey(key, L"PATHOBJSTEEL")) return m_objSteelPath.c_str();
  if (sameKey(key, L"PATHAPP")) return m_appPath.c_str();
  return L"";
}

wchar_t const* ZEPTEnvAppSet::getPath(wchar_t const* key, int /*dataFileType*/) { return getValue(key); }

int ZEPTEnvAppSet::getInt(wchar_t const* /*key*/, int defaultValue) { return defaultValue; }

wchar_t const* ZEPTEnvAppSet::getAppPath(int which) { return which == 0 ? m_appPath.c_str() : L""; }
