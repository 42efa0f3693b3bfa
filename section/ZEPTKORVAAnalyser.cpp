// SPDX-License-Identifier: MIT
// The KORVA reader follows the definition text token by token and builds
// each section and contour in local objects; the cross-section only receives
// copies (old grammar: once the whole text has read; new grammar: section by
// section). Numbers are scanned here rather than with swscanf: the library
// must not depend on the process's LC_NUMERIC, and swscanf measures the
// whole remaining text on every call, which makes long texts quadratic.
#include "section/ZEPTKORVAAnalyser.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <limits>
#include <string>

#include <locale.h>

#include "platform/host/DtDbPolyline.h"
#include "platform/shape/ZEPTContour.h"
#include "platform/shape/ZEPTSection.h"

namespace {

constexpr wchar_t kBlanks[] = L" \n\t";
constexpr wchar_t kDigits[] = L"0123456789";

// The white space that scanf's conversions skip (C locale), which unlike the
// token blanks includes the carriage return.
bool isScanSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool isHexDigit(wchar_t c) { return isDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }
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

// An exponent marker is taken with its sign even when no digit follows, as
// scanf takes "1e" and gives 1.
void takeExponent(wchar_t const*& p, wchar_t marker) {
  if (lower(*p) != marker) return;
  ++p;
  if (*p == L'+' || *p == L'-') ++p;
  while (isDigit(*p)) ++p;
}

locale_t cLocale() {
  static locale_t const locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// "%f" into a float: white space, then an optional sign and a decimal or
// hexadecimal number with an optional exponent, "inf", "infinity" or "nan"
// (any case). The value is rounded once to single precision (out of range:
// infinity or zero) and widened. On success `p` is moved past the number;
// otherwise it may have moved, as scanf's input does.
bool scanFloat(wchar_t const*& p, double& value) {
  while (isScanSpace(*p)) ++p;
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
    takeExponent(p, hex ? L'p' : L'e');
  }
  std::string lexeme;
  lexeme.reserve(static_cast<std::size_t>(p - start));
  for (wchar_t const* q = start; q != p; ++q) lexeme += static_cast<char>(*q);  // ASCII only, checked above
  value = strtof_l(lexeme.c_str(), nullptr, cLocale());
  return true;
}

// "%d": white space, an optional sign and digits. A value beyond a long
// saturates and is then cut to an int, as glibc's scanf stores it.
bool scanInt(wchar_t const*& p, int& value) {
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
  std::int64_t wide = 0;
  if (negative)
    wide = magnitude > kLimit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude);
  else
    wide = magnitude > kLimit ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(magnitude);
  value = static_cast<int>(wide);
  return true;
}

}  // namespace

int ZEPTKORVAAnalyser::setDefinition(wchar_t const* text, double dx, double dy, double alpha) {
  if (!text || !*text) return -1;
  if (std::wcschr(text, L'#')) return setDefinitionOld(text, dx, dy, alpha);
  return setDefinitionNew(text, dx, dy, alpha);
}

int ZEPTKORVAAnalyser::setDefinitionByData(ZEPTDBProfileData& data) {
  if (data.symbol.isEmpty()) return -1;
  int const result = setDefinition(data.symbol.c_str(), data.vpy, data.vpz, data.gamma);
  if (m_crossSection) m_crossSection->scaleBy(data.unitFactor);
  return result;
}

ZEPTString ZEPTKORVAAnalyser::getShapeUnits(wchar_t const* text) const {
  if (!text || !*text) return ZEPTString();
  if (std::wcschr(text, L'#')) return ZEPTString(L"m");
  wchar_t const* const open = std::wcschr(text, L'"');
  if (!open) return ZEPTString();
  wchar_t const* const close = std::wcschr(open + 1, L'"');
  if (!close) return ZEPTString();
  return ZEPTString(std::wstring(open + 1, close));
}

int ZEPTKORVAAnalyser::setDefinitionOld(wchar_t const* text, double dx, double dy, double alpha) {
  wchar_t const* pos = text;
  double scale = 0;
  if (!scanFloat(pos, scale)) return 1;
  pos = std::wcschr(text, L'#');

  ZEPTSection section(false);
  ZEPTContour contour(false);
  DtDbPolyline polyline;
  unsigned index = 0;
  while (pos) {
    ++pos;
    int x = 0;
    int y = 0;
    if (!scanInt(pos, x) || *pos != L'-') return 1;
    ++pos;
    if (!scanInt(pos, y)) return 1;
    polyline.addVertexAt(index++, DtGePoint2d(x * scale, y * scale), 0.0, -1.0, -1.0);
    pos = std::wcspbrk(pos, L":|");
    if (!pos || *pos == L'|') {
      index = 0;
      contour.setPolyline(&polyline);
      contour.setAlpha(-alpha);
      section.addContour(contour);
      polyline = DtDbPolyline();
    }
  }

  if (m_crossSection) {
    DtGePoint2d max;
    DtGePoint2d min;
    section.getBoundaries(max, min);
    section.setDx(-min.x - dx);
    section.setDy(-min.y - dy);
    m_crossSection->removeAllSections();
    m_crossSection->removeAllCustomPoints();
    m_crossSection->removeAllDimLines();
    m_crossSection->addSection(section);
  }
  return 0;
}

int ZEPTKORVAAnalyser::setDefinitionNew(wchar_t const* text, double, double, double) {
  if (m_crossSection) {
    m_crossSection->removeAllSections();
    m_crossSection->removeAllCustomPoints();
    m_crossSection->removeAllDimLines();
  }
  wchar_t const* const open = std::wcschr(text, L'"');
  if (!open) return 1;
  wchar_t const* const close = std::wcschr(open + 1, L'"');
  if (!close) return 1;
  wchar_t const* pos = nextToken(close);
  if (!isOpenBrace(*pos)) return 1;

  for (;;) {  // sections
    if (!*pos) return 0;
    pos = nextToken(pos);
    if (!isOpenBrace(*pos)) return 0;
    ZEPTSection section(false);

    for (;;) {  // solid groups
      if (!*pos) break;
      pos = nextToken(pos);
      if (!isOpenBrace(*pos)) break;
      pos = nextToken(pos);
      if (*pos != L'S') return 1;
      pos = nextToken(pos);
      if (!isOpenBrace(*pos)) return 1;

      ZEPTContour outer(false);
      if (!readContour(pos, outer)) return 1;
      section.addContour(outer);
      if (!isClosedBrace(*pos)) return 1;
      pos = nextToken(pos);
      // The count's value is not used; one character after its digits is
      // passed over whatever it is.
      int count = 0;
      wchar_t const* number = pos;
      if (!scanInt(number, count)) return 1;
      pos = nextToken(nextToken(pos, kDigits));
      if (!isOpenBrace(*pos)) return 1;

      for (;;) {  // children
        if (!*pos) break;
        pos = nextToken(pos);
        if (!isOpenBrace(*pos)) break;
        pos = nextToken(pos);
        wchar_t const kind = *pos;
        if (kind != L'H' && kind != L'S') return 1;
        pos = nextToken(pos);
        if (!isOpenBrace(*pos)) return 1;
        ZEPTContour child(false);
        if (!readContour(pos, child)) return 1;
        child.setIsHole(kind == L'H');
        section.addContour(child);
        if (!isClosedBrace(*pos)) return 1;
        pos = nextToken(pos);
        if (!isClosedBrace(*pos)) return 1;
      }
      if (!isClosedBrace(*pos)) return 1;
    }

    if (m_crossSection) m_crossSection->addSection(section);
    if (!isClosedBrace(*pos)) return 1;
  }
}

bool ZEPTKORVAAnalyser::readContour(wchar_t const*& pos, ZEPTContour& contour) const {
  DtDbPolyline polyline;
  for (unsigned index = 0;; ++index) {
    pos = nextToken(pos);      // stays on the end of the text
    if (!isOpenBrace(*pos)) {  // the list has ended
      contour.setPolyline(&polyline);
      return true;
    }
    pos = nextToken(pos);
    wchar_t const kind = *pos;
    if (kind != L'L' && kind != L'A') return false;
    wchar_t const* const numbers = pos + 1;
    wchar_t const* read = numbers;
    if (kind == L'L') {
      double x = 0;
      double y = 0;
      if (!scanFloat(read, x) || !scanFloat(read, y)) return false;
      polyline.addVertexAt(index, DtGePoint2d(x, y), 0.0, -1.0, -1.0);
    } else {
      double v[5] = {};
      for (double& value : v)
        if (!scanFloat(read, value)) return false;
      double const cx = v[0], cy = v[1], r = v[2], a = v[3], w = v[4];
      polyline.addVertexAt(index, DtGePoint2d(cx + r * std::cos(a), cy + r * std::sin(a)), std::tan(w / 4), -1.0,
                           -1.0);
    }
    pos = std::wcschr(numbers, L')');
    if (!pos) return false;
  }
}

wchar_t const* ZEPTKORVAAnalyser::nextToken(wchar_t const* pos, wchar_t const* skipSet) const {
  if (!*pos) return pos;
  ++pos;
  wchar_t const* const set = skipSet && *skipSet ? skipSet : kBlanks;
  while (*pos && std::wcschr(set, *pos)) ++pos;
  return pos;
}
