#include "tools/zeptcat/Folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/core/Utf8.h"
#include "platform/fs/WinPath.h"

namespace zeptcat {

WindowsStyleFolders::WindowsStyleFolders() : m_outer(CFG()) {
  if (!m_outer) return;
  for (char letter = 'Z'; letter >= 'D' && m_drive.empty(); --letter) {
    const std::string variable = std::string("ZEPT_DRIVE_") + letter;
    char const* value = std::getenv(variable.c_str());
    if (value && std::string(value) != "/") continue;
    if (!value) ::setenv(variable.c_str(), "/", 1), m_setVariable = variable;
    m_drive = std::wstring(1, static_cast<wchar_t>(letter)) + L":";
  }
  setCFG(this);
}

WindowsStyleFolders::~WindowsStyleFolders() {
  if (!m_outer) return;
  setCFG(m_outer);
  if (!m_setVariable.empty()) ::unsetenv(m_setVariable.c_str());
}

wchar_t const* WindowsStyleFolders::keep(wchar_t const* folder) {
  std::wstring text = folder ? folder : L"";
  const bool windows = (text.size() >= 2 && text[1] == L':') || text.starts_with(L"\\");
  if (!m_drive.empty() && !text.empty() && !windows) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(zept::toUtf8(text), ec);
    if (!ec) text = zept::fromUtf8(absolute.string());
    for (auto& c : text)
      if (c == L'/') c = L'\\';
    text = m_drive + text;
  }
  m_texts.push_back(std::move(text));
  return m_texts.back().c_str();
}

std::string shown(CString const& folder) {
  const auto posix = zept::fs::toPosix(folder.view());
  return posix ? *posix : folder.toUtf8();
}

std::string folders(ZEPTDBBaseData& accessor) {
  const CString app = accessor.getDBPath(true), data = accessor.getDBPath(false);
  return shown(app) + (app == data ? "" : " or " + shown(data));
}

COleVariant none(Context const& ctx) { return ctx.json ? COleVariant() : COleVariant(L"-"); }

COleVariant textOr(Context const& ctx, CString const& text) { return text.IsEmpty() ? none(ctx) : COleVariant(text); }

}  // namespace zeptcat
