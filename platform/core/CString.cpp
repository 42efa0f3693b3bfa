// SPDX-License-Identifier: MIT
// CString's operations and its Format: the formats statements are built
// with are written directly, the rest go through vswprintf with their
// Windows conversions rewritten for glibc.
#include "platform/core/CString.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "platform/core/Utf8.h"
#include "platform/core/ValueLocale.h"

namespace {

constexpr wchar_t kWhiteSpace[] = L" \t\n\r\v\f";

std::size_t clampIndex(int index, std::size_t size) {
  if (index < 0) return 0;
  return std::min(static_cast<std::size_t>(index), size);
}

// Windows' wide printf reads %s/%c as wide and %S/%C as narrow; glibc reads
// them the other way round. Rewrites the conversions so callers keep writing
// the Windows form.
std::wstring toGlibcFormat(wchar_t const* format) {
  std::wstring out;
  for (wchar_t const* p = format; *p; ++p) {
    out.push_back(*p);
    if (*p != L'%') continue;
    ++p;
    if (*p == L'%') {
      out.push_back(*p);
      continue;
    }
    bool sized = false;
    while (*p && std::wcschr(L"-+ #0123456789.*hlLqjzt", *p)) {
      if (*p == L'h' || *p == L'l') sized = true;
      out.push_back(*p);
      ++p;
    }
    if (!*p) break;
    switch (*p) {
      case L's':
      case L'c':
        if (!sized) out.push_back(L'l');
        out.push_back(*p);
        break;
      case L'S':
        out.push_back(L's');
        break;
      case L'C':
        out.push_back(L'c');
        break;
      default:
        out.push_back(*p);
    }
  }
  return out;
}

// Longer results are refused by the general path (it gives up growing its
// buffer there), so the fast path refuses them too.
constexpr std::size_t kMaxFormatted = std::size_t{1} << 24;

// Where the short path writes: the result string, made once with room for
// what usually follows the text before the first conversion.
class StringOut {
 public:
  explicit StringOut(std::wstring& s) : m_s(s) {}
  wchar_t* grow(std::size_t n) {
    const std::size_t at = m_s.size();
    m_s.resize(at + n);
    return m_s.data() + at;
  }
  // Appended as pointer and count: a pair of pointers goes through
  // std::wstring's general replace.
  void append(wchar_t const* p, std::size_t n) { m_s.append(p, n); }
  void append(wchar_t const* p) { m_s.append(p); }
  void push_back(wchar_t c) { m_s.push_back(c); }
  // Numbers and names rarely add more than the text after them.
  void reserve(std::size_t before) { m_s.reserve(before + 96); }
  bool full() const { return m_s.size() >= kMaxFormatted; }

 private:
  std::wstring& m_s;
};

void appendAscii(StringOut& out, const char* begin, const char* end) {
  wchar_t* to = out.grow(static_cast<std::size_t>(end - begin));
  for (const char* p = begin; p < end; ++p) *to++ = static_cast<wchar_t>(*p);
}

template <typename T>
void appendInteger(StringOut& out, T value) {
  char digits[24];
  appendAscii(out, digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// Two decimal digits of `pair` (below 100) at `at`, by arithmetic: a table
// would be one more cache line to wait for after the engine's work.
inline void putPair(wchar_t* at, unsigned pair) {
  const unsigned tens = (pair * 103) >> 10;  // pair / 10 below 179
  at[0] = static_cast<wchar_t>(L'0' + tens);
  at[1] = static_cast<wchar_t>(L'0' + (pair - tens * 10));
}

// "%.<precision>f" of a value whose scaled magnitude is below 2^50 and not
// within 1/8 of a half: the rounding of the exact value is then that of the
// scaled double, which is off by at most 1/16, so the digits come from one
// integer. Catalog keys ("=%f") are such values; false for the rest.
bool appendFixedQuickly(StringOut& out, double value, int precision) {
  if (precision > 9) return false;
  const double scaled = std::fabs(value) * kPowersOfTen[precision];
  if (!(scaled < 0x1p50)) return false;
  const double below = std::floor(scaled);
  if (std::fabs(scaled - below - 0.5) <= 0x1p-3) return false;
  auto n = static_cast<std::uint64_t>(scaled - below < 0.5 ? below : below + 1);
  // Written from the right, two digits a step.
  wchar_t digits[32];
  wchar_t* const end = digits + 32;
  wchar_t* at = end;
  int i = 0;
  for (; i + 2 <= precision; i += 2, n /= 100) putPair(at -= 2, static_cast<unsigned>(n % 100));
  if (i < precision) {
    *--at = static_cast<wchar_t>(L'0' + n % 10);
    n /= 10;
  }
  if (precision > 0) *--at = L'.';
  for (; n >= 100; n /= 100) putPair(at -= 2, static_cast<unsigned>(n % 100));
  if (n >= 10)
    putPair(at -= 2, static_cast<unsigned>(n));
  else
    *--at = static_cast<wchar_t>(L'0' + n);  // also the 0 of a zero whole part
  if (std::signbit(value)) *--at = L'-';
  out.append(at, static_cast<std::size_t>(end - at));
  return true;
}

// `conversion` is f, e or g; printf's spelling of infinities and NaNs, which
// to_chars does not promise.
void appendDouble(StringOut& out, double value, wchar_t conversion, int precision) {
  if (conversion == L'f' && appendFixedQuickly(out, value, precision)) return;
  if (!std::isfinite(value)) {
    if (std::signbit(value)) out.push_back(L'-');
    out.append(std::isnan(value) ? L"nan" : L"inf");
    return;
  }
  // 309 integer digits, a point and at most 99 decimals fit.
  char digits[416];
  const auto form = conversion == L'f'   ? std::chars_format::fixed
                    : conversion == L'e' ? std::chars_format::scientific
                                         : std::chars_format::general;
  appendAscii(out, digits, std::to_chars(digits, digits + sizeof digits, value, form, precision).ptr);
}

// The formats statements are built with: text, %d %i %u (optionally with l
// or ll), %f %e %g (or %lf ...) with an optional precision, wide %s and %c,
// and %%. Without flags, widths or '*' each of them is exactly what to_chars
// or a copy gives, so vswprintf's format parsing, locale switch and buffer
// copy are skipped. On false the caller formats again from the start with
// vswprintf (`args` is a copy, so nothing it needs has been consumed).
//
// Kept because: a catalog lookup formatted with "...=%f" cost 4,200
// instructions through vswprintf and 1,350 here (callgrind).
bool formatFast(StringOut& out, wchar_t const* format, va_list args) {
  for (wchar_t const* p = format;;) {
    // One pass finds the next '%' or the end: the format is not measured
    // first.
    wchar_t const* percent = std::wcschr(p, L'%');
    if (!percent) {
      out.append(p);
      break;
    }
    if (p == format) out.reserve(static_cast<std::size_t>(percent - p));
    out.append(p, static_cast<std::size_t>(percent - p));
    p = percent + 1;
    if (*p == L'%') {
      out.push_back(L'%');
      ++p;
      continue;
    }
    int precision = -1;
    if (*p == L'.') {
      precision = 0;
      for (++p; *p >= L'0' && *p <= L'9'; ++p) {
        precision = precision * 10 + (*p - L'0');
        if (precision > 99) return false;
      }
    }
    int longs = 0;
    while (*p == L'l' && longs < 2) {
      ++longs;
      ++p;
    }
    const wchar_t conversion = *p++;
    switch (conversion) {
      case L'd':
      case L'i':
        if (precision >= 0) return false;
        if (longs == 0) appendInteger(out, va_arg(args, int));
        else if (longs == 1) appendInteger(out, va_arg(args, long));
        else appendInteger(out, va_arg(args, long long));
        break;
      case L'u':
        if (precision >= 0) return false;
        if (longs == 0) appendInteger(out, va_arg(args, unsigned));
        else if (longs == 1) appendInteger(out, va_arg(args, unsigned long));
        else appendInteger(out, va_arg(args, unsigned long long));
        break;
      case L'f':
      case L'e':
      case L'g':
        if (longs > 1) return false;  // %lf is %f
        appendDouble(out, va_arg(args, double), conversion, precision < 0 ? 6 : precision);
        break;
      case L's': {
        if (precision >= 0 || longs > 1) return false;
        wchar_t const* text = va_arg(args, wchar_t const*);
        if (!text) return false;  // printed as "(null)", cut by a precision: left to vswprintf
        out.append(text);
        break;
      }
      case L'c':
        if (precision >= 0 || longs > 1) return false;
        out.push_back(static_cast<wchar_t>(va_arg(args, wint_t)));
        break;
      default: return false;  // flags, widths, '*', narrow text, other conversions, a lone '%'
    }
  }
  return !out.full();
}

}  // namespace

CString::CString(wchar_t const* text, int length) {
  if (text && length > 0) m_str.assign(text, static_cast<std::size_t>(length));
}

CString::CString(wchar_t ch, int repeat) {
  if (repeat > 0) m_str.assign(static_cast<std::size_t>(repeat), ch);
}

CString& CString::operator=(wchar_t const* text) {
  m_str = text ? text : L"";
  return *this;
}

CString& CString::operator=(std::wstring text) {
  m_str = std::move(text);
  return *this;
}

CString& CString::operator=(wchar_t ch) {
  m_str.assign(1, ch);
  return *this;
}

wchar_t CString::GetAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_str.size()) return L'\0';
  return m_str[static_cast<std::size_t>(index)];
}

void CString::SetAt(int index, wchar_t ch) {
  if (index >= 0 && static_cast<std::size_t>(index) < m_str.size()) m_str[static_cast<std::size_t>(index)] = ch;
}

std::string CString::toUtf8() const { return zept::toUtf8(m_str); }

CString CString::fromUtf8(std::string_view text) { return CString(zept::fromUtf8(text)); }

CString CString::Left(int count) const { return CString(m_str.substr(0, clampIndex(count, m_str.size()))); }

CString CString::Mid(int first) const { return CString(m_str.substr(clampIndex(first, m_str.size()))); }

CString CString::Mid(int first, int count) const {
  const std::size_t start = clampIndex(first, m_str.size());
  return CString(m_str.substr(start, clampIndex(count, m_str.size() - start)));
}

CString CString::Right(int count) const {
  const std::size_t n = clampIndex(count, m_str.size());
  return CString(m_str.substr(m_str.size() - n));
}

int CString::Find(wchar_t ch, int start) const {
  if (start < 0 || static_cast<std::size_t>(start) > m_str.size()) return -1;
  const auto pos = m_str.find(ch, static_cast<std::size_t>(start));
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(wchar_t const* sub, int start) const {
  if (!sub || start < 0 || static_cast<std::size_t>(start) > m_str.size()) return -1;
  const auto pos = m_str.find(sub, static_cast<std::size_t>(start));
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const {
  const auto pos = m_str.rfind(ch);
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(wchar_t const* set) const {
  if (!set) return -1;
  const auto pos = m_str.find_first_of(set);
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(wchar_t oldCh, wchar_t newCh) {
  int count = 0;
  for (auto& c : m_str) {
    if (c == oldCh) {
      c = newCh;
      ++count;
    }
  }
  return count;
}

int CString::Replace(wchar_t const* oldText, wchar_t const* newText) {
  if (!oldText || !*oldText) return 0;
  const std::wstring_view from(oldText);
  const std::wstring_view to(newText ? newText : L"");
  int count = 0;
  std::wstring out;
  std::size_t pos = 0;
  for (auto hit = m_str.find(from); hit != std::wstring::npos; hit = m_str.find(from, pos)) {
    out.append(m_str, pos, hit - pos).append(to);
    pos = hit + from.size();
    ++count;
  }
  if (count) {
    out.append(m_str, pos);
    m_str = std::move(out);
  }
  return count;
}

int CString::Remove(wchar_t ch) {
  const auto before = m_str.size();
  std::erase(m_str, ch);
  return static_cast<int>(before - m_str.size());
}

int CString::Insert(int index, wchar_t ch) {
  m_str.insert(clampIndex(index, m_str.size()), 1, ch);
  return GetLength();
}

int CString::Insert(int index, wchar_t const* text) {
  if (text) m_str.insert(clampIndex(index, m_str.size()), text);
  return GetLength();
}

int CString::Delete(int index, int count) {
  const std::size_t start = clampIndex(index, m_str.size());
  m_str.erase(start, clampIndex(count, m_str.size() - start));
  return GetLength();
}

// The locale's case mapping, ASCII letters mapped directly where the locale
// maps them as ASCII does (all but the Turkic ones; asked at every call, as
// the program may switch): a catalog path is upper-cased at every select,
// and towupper costs some 25 instructions a character.
template <bool Upper>
void mapCase(std::wstring& s) {
  const auto map = [](wchar_t c) {
    const auto w = static_cast<wint_t>(c);
    return static_cast<wchar_t>(Upper ? std::towupper(w) : std::towlower(w));
  };
  constexpr wchar_t first = Upper ? L'a' : L'A';
  constexpr wchar_t target = Upper ? L'A' : L'a';
  const bool asciiPlain = map(first + (L'i' - L'a')) == target + (L'i' - L'a');
  for (auto& c : s) {
    if (asciiPlain && static_cast<std::uint32_t>(c) < 0x80) {
      if (c >= first && c < first + 26) c = static_cast<wchar_t>(c - first + target);
    } else {
      c = map(c);
    }
  }
}

CString& CString::MakeUpper() {
  mapCase<true>(m_str);
  return *this;
}

CString& CString::MakeLower() {
  mapCase<false>(m_str);
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(m_str.begin(), m_str.end());
  return *this;
}

CString& CString::Trim() { return Trim(kWhiteSpace); }
CString& CString::Trim(wchar_t ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(wchar_t const* set) { return TrimRight(set).TrimLeft(set); }
CString& CString::TrimLeft() { return TrimLeft(kWhiteSpace); }
CString& CString::TrimRight() { return TrimRight(kWhiteSpace); }

CString& CString::TrimLeft(wchar_t ch) {
  const wchar_t set[2] = {ch, L'\0'};
  return TrimLeft(set);
}

CString& CString::TrimRight(wchar_t ch) {
  const wchar_t set[2] = {ch, L'\0'};
  return TrimRight(set);
}

CString& CString::TrimLeft(wchar_t const* set) {
  if (!set || !*set) return *this;
  m_str.erase(0, std::min(m_str.find_first_not_of(set), m_str.size()));
  return *this;
}

CString& CString::TrimRight(wchar_t const* set) {
  if (!set || !*set) return *this;
  const auto last = m_str.find_last_not_of(set);
  m_str.erase(last == std::wstring::npos ? 0 : last + 1);
  return *this;
}

void CString::Format(wchar_t const* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::AppendFormat(wchar_t const* format, ...) {
  CString piece;
  va_list args;
  va_start(args, format);
  piece.FormatV(format, args);
  va_end(args);
  m_str += piece.m_str;
}

void CString::FormatV(wchar_t const* format, va_list args) {
  // Built aside and assigned at the end, so the string may be its own argument.
  std::wstring result;
  if (format) {
    va_list copy;
    va_copy(copy, args);
    StringOut out(result);
    const bool done = formatFast(out, format, copy);
    va_end(copy);
    if (done) {
      m_str = std::move(result);
      return;
    }
    result.clear();
    // Statements are formatted on hot paths: the converted format and the
    // buffer of the general path are kept per thread instead of being made
    // anew on every call.
    thread_local std::wstring lastFormat;
    thread_local std::wstring converted;
    thread_local std::vector<wchar_t> buffer(256);
    if (lastFormat != format) {
      converted = toGlibcFormat(format);
      lastFormat = format;
    }
    const zept::ScopedValueLocale locale;
    for (;;) {
      va_copy(copy, args);
      errno = 0;
      const int n = std::vswprintf(buffer.data(), buffer.size(), converted.c_str(), copy);
      va_end(copy);
      if (n >= 0 && static_cast<std::size_t>(n) < buffer.size()) {
        result.assign(buffer.data(), static_cast<std::size_t>(n));
        break;
      }
      // -1 means "too small" or, with EILSEQ, a narrow argument that is not UTF-8.
      if (errno == EILSEQ || buffer.size() >= kMaxFormatted) break;
      buffer.resize(buffer.size() * 4);
    }
  }
  m_str = std::move(result);
}

int CString::Compare(wchar_t const* other) const {
  const int c = m_str.compare(other ? other : L"");
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// Compare() of both lower-cased, without the copies: this text in full, the
// other up to its end.
int CString::CompareNoCase(wchar_t const* other) const {
  if (!other) other = L"";
  const std::size_t n = m_str.size();
  for (std::size_t i = 0;; ++i) {
    const wchar_t b = other[i];
    if (i == n) return b == 0 ? 0 : -1;
    if (b == 0) return 1;
    const wchar_t a = m_str[i];
    if (a == b) continue;
    const auto la = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(a)));
    const auto lb = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(b)));
    if (la != lb) return la < lb ? -1 : 1;
  }
}

CString& CString::operator+=(CString const& other) {
  m_str += other.m_str;
  return *this;
}

CString& CString::operator+=(wchar_t const* other) {
  if (other) m_str += other;
  return *this;
}

CString& CString::operator+=(wchar_t ch) {
  m_str.push_back(ch);
  return *this;
}

// Friends declared only in the class: exported here, as their declaration alone
// leaves them the hidden visibility of this file.
ZEPTDB_EXPORT CString operator+(CString const& a, CString const& b) { return CString(a.m_str + b.m_str); }
ZEPTDB_EXPORT CString operator+(CString const& a, wchar_t const* b) { return CString(a.m_str + (b ? b : L"")); }
ZEPTDB_EXPORT CString operator+(wchar_t const* a, CString const& b) { return CString((a ? a : L"") + b.m_str); }
ZEPTDB_EXPORT CString operator+(CString const& a, wchar_t b) { return CString(a.m_str + b); }
ZEPTDB_EXPORT CString operator+(wchar_t a, CString const& b) { return CString(a + b.m_str); }
