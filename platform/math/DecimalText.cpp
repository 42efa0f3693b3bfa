// SPDX-License-Identifier: MIT
// The number scanners of KORVA texts. Numbers are converted in the C locale
// rather than with swscanf: the library must not depend on the process's
// LC_NUMERIC, and swscanf measures the whole remaining text on every call.
#include "platform/math/DecimalText.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include <locale.h>

namespace zept::math {

namespace {

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool isHexDigit(wchar_t c) { return isDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }
// The white space that scanf's conversions skip (C locale).
bool isScanSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
wchar_t lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// True, with `p` moved past it, when `word` (lower case) starts at `p` in any case.
bool takeWord(wchar_t const*& p, char const* word) {
  wchar_t const* q = p;
  for (; *word; ++word, ++q)
    if (lower(*q) != static_cast<wchar_t>(*word)) return false;
  p = q;
  return true;
}

void takeDigits(wchar_t const*& p, bool (*isDigitOf)(wchar_t), bool& any) {
  while (isDigitOf(*p)) {
    ++p;
    any = true;
  }
}

locale_t cLocale() {
  static locale_t const locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

double toSingle(std::string const& lexeme) { return strtof_l(lexeme.c_str(), nullptr, cLocale()); }

// The common case, a decimal of at most 15 digits without an exponent, read
// without a general conversion: digits / 10^k is one correctly rounded
// division, and rounding that double to a float gives the float nearest the
// decimal unless the double lies exactly halfway between two floats (then
// false, as for every other text). `p` moves only on success.
bool plainSingle(wchar_t const*& p, double& value) {
  static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  wchar_t const* q = p;
  const bool negative = *q == L'-';
  if (*q == L'+' || *q == L'-') ++q;
  std::uint64_t digits = 0;
  int count = 0;
  int decimals = 0;
  for (; isDigit(*q); ++q, ++count) digits = digits * 10 + static_cast<unsigned>(*q - L'0');
  if (*q == L'.') {
    for (++q; isDigit(*q); ++q, ++count, ++decimals) digits = digits * 10 + static_cast<unsigned>(*q - L'0');
  }
  if (count == 0 || count > 15) return false;
  if ((*q == L'e' || *q == L'E') && (isDigit(q[1]) || ((q[1] == L'+' || q[1] == L'-') && isDigit(q[2]))))
    return false;
  const double wide = static_cast<double>(digits) / kPow10[decimals];
  std::uint64_t bits = 0;
  std::memcpy(&bits, &wide, sizeof bits);
  if ((bits & 0x1FFFFFFFu) == 0x10000000u) return false;  // halfway: the general conversion decides
  const float narrow = static_cast<float>(wide);
  value = negative ? -narrow : narrow;
  p = q;
  return true;
}

// The rest of "%f": `p` after the white space.
bool scanfSingle(wchar_t const*& p, double& value) {
  wchar_t const* const start = p;
  if (*p == L'+' || *p == L'-') ++p;
  if (takeWord(p, "inf")) {
    if (lower(*p) == L'i' && !takeWord(p, "inity")) return false;
  } else if (!takeWord(p, "nan")) {
    bool any = false;
    bool const hex = *p == L'0' && lower(p[1]) == L'x';
    if (hex) p += 2;
    takeDigits(p, hex ? isHexDigit : isDigit, any);
    if (*p == L'.') {
      ++p;
      takeDigits(p, hex ? isHexDigit : isDigit, any);
    }
    if (!any) return false;
    // The marker is taken with its sign even when no digit follows.
    if (lower(*p) == (hex ? L'p' : L'e')) {
      ++p;
      if (*p == L'+' || *p == L'-') ++p;
      while (isDigit(*p)) ++p;
    }
  }
  std::string lexeme;
  lexeme.reserve(static_cast<std::size_t>(p - start));
  for (wchar_t const* q = start; q != p; ++q) lexeme += static_cast<char>(*q);  // ASCII only, checked above
  value = toSingle(lexeme);
  return true;
}

}  // namespace

bool scanDecimal(wchar_t const*& p, std::string& lexeme) {
  wchar_t const* q = p;
  lexeme.clear();
  if (*q == L'+' || *q == L'-') {
    if (*q == L'-') lexeme += '-';
    ++q;
  }
  bool digits = false;
  for (; isDigit(*q); ++q, digits = true) lexeme += static_cast<char>(*q);
  if (*q == L'.') {
    lexeme += '.';
    for (++q; isDigit(*q); ++q, digits = true) lexeme += static_cast<char>(*q);
  }
  if (!digits) return false;
  // "2e" or "2e+" ends before the letter: the exponent needs a digit.
  if ((*q == L'e' || *q == L'E') && (isDigit(q[1]) || ((q[1] == L'+' || q[1] == L'-') && isDigit(q[2])))) {
    lexeme += 'e';
    ++q;
    if (*q == L'+' || *q == L'-') lexeme += static_cast<char>(*q++);
    for (; isDigit(*q); ++q) lexeme += static_cast<char>(*q);
  }
  p = q;
  return true;
}

bool scanSingle(wchar_t const*& p, double& value, NumberForms forms) {
  if (forms == NumberForms::Decimal) {
    if (plainSingle(p, value)) return true;
    std::string lexeme;
    if (!scanDecimal(p, lexeme)) return false;
    value = toSingle(lexeme);
    return true;
  }
  while (isScanSpace(*p)) ++p;
  // A plain decimal followed by "e" or "x" is left to the full scan, which
  // takes a bare exponent marker or a hexadecimal prefix.
  wchar_t const* q = p;
  if (plainSingle(q, value) && lower(*q) != L'e' && lower(*q) != L'x') {
    p = q;
    return true;
  }
  return scanfSingle(p, value);
}

bool scanInteger(wchar_t const*& p, std::int64_t& value) {
  while (isScanSpace(*p)) ++p;
  bool const negative = *p == L'-';
  if (*p == L'+' || *p == L'-') ++p;
  if (!isDigit(*p)) return false;
  constexpr std::uint64_t kLimit = std::numeric_limits<std::int64_t>::max();
  std::uint64_t magnitude = 0;
  for (; isDigit(*p); ++p) {
    auto const digit = static_cast<std::uint64_t>(*p - L'0');
    magnitude = magnitude > (kLimit + 1 - digit) / 10 ? kLimit + 1 : magnitude * 10 + digit;
  }
  if (negative)
    value = magnitude > kLimit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude);
  else
    value = magnitude > kLimit ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(magnitude);
  return true;
}

}  // namespace zept::math
