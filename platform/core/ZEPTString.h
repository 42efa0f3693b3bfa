// SPDX-License-Identifier: MIT
// ZEPTString: the companion core module's string, used by the catalog records
// and the section model. A wide text convertible to and from CString.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/CString.h"
#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTString {
 public:
  ZEPTString() = default;
  ZEPTString(wchar_t const* text) : m_str(text ? text : L"") {}  // NOLINT
  ZEPTString(std::wstring text) : m_str(std::move(text)) {}      // NOLINT
  ZEPTString(CString const& text) : m_str(text.str()) {}         // NOLINT

  operator CString() const { return CString(m_str); }  // NOLINT
  operator wchar_t const*() const { return m_str.c_str(); }  // NOLINT
  wchar_t const* kwszPtr() const { return m_str.c_str(); }
  wchar_t const* c_str() const { return m_str.c_str(); }
  std::wstring const& str() const { return m_str; }

  int length() const { return static_cast<int>(m_str.size()); }
  bool isEmpty() const { return m_str.empty(); }
  void empty() { m_str.clear(); }
  // Replaces the text, in the storage the string has when it is large
  // enough.
  ZEPTString& assign(std::wstring_view text) {
    m_str.assign(text);
    return *this;
  }

  ZEPTString& operator+=(ZEPTString const& other) {
    m_str += other.m_str;
    return *this;
  }
  friend ZEPTString operator+(ZEPTString const& a, ZEPTString const& b) { return ZEPTString(a.m_str + b.m_str); }
  friend bool operator==(ZEPTString const& a, ZEPTString const& b) { return a.m_str == b.m_str; }
  friend bool operator==(ZEPTString const& a, wchar_t const* b) { return a.m_str == (b ? b : L""); }
  friend auto operator<=>(ZEPTString const& a, ZEPTString const& b) { return a.m_str <=> b.m_str; }

 private:
  std::wstring m_str;
};

ZEPTDB_END_EXPORTS
