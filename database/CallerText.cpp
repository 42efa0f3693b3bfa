// SPDX-License-Identifier: MIT
// The caller-text checks: literals without quotes, control characters or
// excess length; masks and names that stay in their folder; plain numbers.
#include "database/CallerText.h"

#include <cwchar>

#include "platform/core/Utf8.h"

namespace zept::db {

namespace {

bool isControl(wchar_t c) { return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0); }

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

bool isLiteralText(std::wstring_view text) {
  if (text.size() > static_cast<std::size_t>(kMaxNameLength)) return false;
  for (wchar_t c : text)
    if (c == L'"' || isControl(c)) return false;
  return isUtf8Encodable(text);
}

bool isCatalogMask(CString const& mask) {
  if (!isLiteralText(mask) || mask == L"." || mask == L"..") return false;
  for (wchar_t c : mask.view())
    if (std::wcschr(L"\\/:<>|", c)) return false;
  return true;
}

bool isCatalogName(CString const& name) {
  // An empty name would make a file of the suffix alone, a leading dot a
  // hidden one the user does not see in the folder.
  if (name.IsEmpty() || name[0] == L'.') return false;
  return isCatalogMask(name) && name.view().find_first_of(L"*?") == std::wstring_view::npos;
}

bool isNumberLiteral(std::wstring_view s) {
  if (s.size() > 64) return false;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) ++i;
  std::size_t digits = 0;
  for (; i < s.size() && isDigit(s[i]); ++i) ++digits;
  if (i < s.size() && s[i] == L'.')
    for (++i; i < s.size() && isDigit(s[i]); ++i) ++digits;
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == L'e' || s[i] == L'E')) {
    ++i;
    if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) ++i;
    std::size_t exponent = 0;
    for (; i < s.size() && isDigit(s[i]); ++i) ++exponent;
    if (exponent == 0) return false;
  }
  return i == s.size();
}

}  // namespace zept::db
