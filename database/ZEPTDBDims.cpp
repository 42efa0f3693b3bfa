// SPDX-License-Identifier: MIT
// Dimension texts and unit cross factors of ZEPTDBBaseData. Numbers are
// written as the catalogs store them: 15 significant digits, fixed notation
// for exponents -1 to 14, else "d.ddde+XXX", trailing zeros dropped, and
// always "." as the decimal separator whatever the numeric locale.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "database/ZEPTDBBaseData.h"
#include "platform/core/ValueLocale.h"

namespace {

void trimFraction(std::string& digits, bool keepPoint) {
  if (digits.find('.') == std::string::npos) return;
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (!keepPoint && !digits.empty() && digits.back() == '.') digits.pop_back();
}

// to_chars gives printf's output in the C locale, so no locale is consulted.
std::string writeNumber(double value) {
  char buffer[400];
  if (!std::isfinite(value)) {
    auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
  }
  // Rounded to 15 significant digits first: the exponent is that of the
  // rounded value (9.999999999999999 is written as 10).
  auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  std::string scientific(buffer, r.ptr);
  const auto ePos = scientific.find('e');
  const int exponent = std::atoi(scientific.c_str() + ePos + 1);
  if (exponent >= -1 && exponent <= 14) {
    r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 14 - exponent);
    std::string fixed(buffer, r.ptr);
    trimFraction(fixed, false);
    if (fixed == "-0") fixed = "0";
    return fixed;
  }
  std::string mantissa = scientific.substr(0, ePos);
  trimFraction(mantissa, true);
  char tail[16];
  std::snprintf(tail, sizeof tail, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return mantissa + tail;
}

CString wide(std::string const& text) { return CString::fromUtf8(text); }

double toNumber(CString const& text) {
  const zept::ScopedValueLocale locale;
  return std::wcstod(text.GetString(), nullptr);
}

}  // namespace

CString ZEPTDBBaseData::DimsToString(double first, double second, double third) {
  // NaN compares unequal to zero, so it counts as "not zero".
  CString text = wide(writeNumber(first));
  if (second != 0) {
    text += L"x" + wide(writeNumber(second));
    if (third == 0) text += L"x0";
  }
  if (third != 0) text += L"x" + wide(writeNumber(third));
  return text;
}

void ZEPTDBBaseData::StringToDims(CString const& text, CString& first, CString& second, CString& third) {
  first = L"0";
  second = L"0";
  third = L"0";
  const int firstX = text.Find(L'x');
  const int lastX = text.ReverseFind(L'x');
  if (firstX < 0) {
    first = text;
  } else if (firstX == lastX) {
    first = text.Left(firstX);
    third = text.Mid(firstX + 1);
  } else {
    first = text.Left(firstX);
    second = text.Mid(firstX + 1, lastX - firstX - 1);
    third = text.Mid(lastX + 1);
  }
}

void ZEPTDBBaseData::StringToDims(CString const& text, double& first, double& second, double& third) {
  CString a, b, c;
  StringToDims(text, a, b, c);
  first = toNumber(a);
  second = toNumber(b);
  third = toNumber(c);
}

double ZEPTDBBaseData::calcCrossFactor(CString const& from, CString const& to) {
  if (to == from) return 1;
  if (to == L"in") {
    if (from == L"mm") return 0.03937007874015748;
    if (from == L"cm") return 0.39370078740157477;
    if (from == L"m") return 39.37007874015748;
    if (from == L"inch") return 1;
    if (from == L"ft" || from == L"foot") return 12;
  } else if (to == L"mm") {
    if (from == L"cm") return 10;
    if (from == L"m") return 1000;
    if (from == L"in" || from == L"inch") return 25.4;
    if (from == L"ft" || from == L"foot") return 304.8;
  } else if (to == L"lb") {
    if (from == L"g" || from == L"G") return 0.002204622622;
    if (from == L"kg" || from == L"kG") return 2.204622622;
    if (from == L"lb") return 1;
  } else if (to == L"kg") {
    if (from == L"g" || from == L"G") return 0.001;
    if (from == L"kg" || from == L"kG") return 1;
    if (from == L"lb") return 0.45359237;
  }
  return 0;
}
