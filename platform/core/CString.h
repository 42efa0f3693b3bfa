// SPDX-License-Identifier: MIT
// CString: the wide text type every name, path and SQL text travels in.
// It behaves as MFC's wide CString does for the operations the catalog code
// uses; wchar_t is 32-bit here, so one element is one code point. Indexes and
// counts are element counts; out-of-range arguments are clamped, never UB.
#pragma once

#include <compare>
#include <cstdarg>
#include <string>
#include <string_view>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

class CString {
 public:
  CString() = default;
  CString(wchar_t const* text) : m_str(text ? text : L"") {}  // NOLINT: implicit as in MFC
  CString(wchar_t const* text, int length);
  CString(std::wstring text) : m_str(std::move(text)) {}  // NOLINT
  CString(std::wstring_view text) : m_str(text) {}        // NOLINT
  CString(wchar_t ch, int repeat = 1);                    // NOLINT

  CString& operator=(wchar_t const* text);
  CString& operator=(std::wstring text);
  CString& operator=(wchar_t ch);

  int GetLength() const { return static_cast<int>(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  wchar_t GetAt(int index) const;
  void SetAt(int index, wchar_t ch);
  wchar_t operator[](int index) const { return GetAt(index); }

  operator wchar_t const*() const { return m_str.c_str(); }  // NOLINT
  wchar_t const* GetString() const { return m_str.c_str(); }
  std::wstring const& str() const { return m_str; }
  std::wstring_view view() const { return m_str; }
  std::string toUtf8() const;
  static CString fromUtf8(std::string_view text);

  CString Left(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Right(int count) const;

  // -1 when not found.
  int Find(wchar_t ch, int start = 0) const;
  int Find(wchar_t const* sub, int start = 0) const;
  int ReverseFind(wchar_t ch) const;
  int FindOneOf(wchar_t const* set) const;

  // Number of replacements made.
  int Replace(wchar_t oldCh, wchar_t newCh);
  int Replace(wchar_t const* oldText, wchar_t const* newText);
  int Remove(wchar_t ch);
  int Insert(int index, wchar_t ch);
  int Insert(int index, wchar_t const* text);
  int Delete(int index, int count = 1);

  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();

  // Without an argument white space is trimmed.
  CString& Trim();
  CString& Trim(wchar_t ch);
  CString& Trim(wchar_t const* set);
  CString& TrimLeft();
  CString& TrimLeft(wchar_t ch);
  CString& TrimLeft(wchar_t const* set);
  CString& TrimRight();
  CString& TrimRight(wchar_t ch);
  CString& TrimRight(wchar_t const* set);

  // printf-style formatting with Windows' wide conventions: %s and %c take
  // wide arguments, %S and %C narrow (UTF-8) ones. Numbers use the C locale's
  // point whatever the process locale is. A narrow argument that is not valid
  // UTF-8 makes the result empty.
  void Format(wchar_t const* format, ...);
  void AppendFormat(wchar_t const* format, ...);
  void FormatV(wchar_t const* format, va_list args);

  int Compare(wchar_t const* other) const;
  int CompareNoCase(wchar_t const* other) const;

  CString& operator+=(CString const& other);
  CString& operator+=(wchar_t const* other);
  CString& operator+=(wchar_t ch);

  friend CString operator+(CString const& a, CString const& b);
  friend CString operator+(CString const& a, wchar_t const* b);
  friend CString operator+(wchar_t const* a, CString const& b);
  friend CString operator+(CString const& a, wchar_t b);
  friend CString operator+(wchar_t a, CString const& b);

  friend bool operator==(CString const& a, CString const& b) { return a.m_str == b.m_str; }
  friend bool operator==(CString const& a, wchar_t const* b) { return a.m_str == (b ? b : L""); }
  friend std::strong_ordering operator<=>(CString const& a, CString const& b) {
    return a.m_str <=> b.m_str;
  }
  friend std::strong_ordering operator<=>(CString const& a, wchar_t const* b) {
    return a.m_str.compare(b ? b : L"") <=> 0;
  }

 private:
  std::wstring m_str;
};

template <>
struct std::hash<CString> {
  std::size_t operator()(CString const& s) const noexcept { return std::hash<std::wstring>{}(s.str()); }
};

ZEPTDB_END_EXPORTS
