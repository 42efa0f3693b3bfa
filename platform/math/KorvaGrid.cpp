// SPDX-License-Identifier: MIT
// The grid-point reader: one pass over the text, the rules deciding what may
// stand around the numbers and which numbers are taken.
#include "platform/math/KorvaGrid.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <string>

#include "platform/math/DecimalText.h"

namespace zept::math {

namespace {

bool isSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

void skipSpace(wchar_t const*& p) {
  while (isSpace(*p)) ++p;
}

// The pitch and the position after its "#".
bool readPitch(wchar_t const*& p, GridRules rules, double& pitch) {
  if (rules == GridRules::Scanf) {
    if (!scanSingle(p, pitch, NumberForms::Scanf)) return false;
    p = std::wcschr(p, L'#');
    if (!p) return false;
    ++p;
    return true;
  }
  skipSpace(p);
  std::string lexeme;
  if (!scanDecimal(p, lexeme)) return false;
  const auto [end, ec] = std::from_chars(lexeme.data(), lexeme.data() + lexeme.size(), pitch);
  if (ec != std::errc() || !(pitch > 0) || !std::isfinite(pitch)) return false;
  skipSpace(p);
  return *p++ == L'#';
}

bool readCoordinate(wchar_t const*& p, GridRules rules, int& value) {
  std::int64_t wide = 0;
  if (!scanInteger(p, wide)) return false;
  if (rules == GridRules::Strict && (wide < 0 || wide > 99)) return false;
  value = static_cast<int>(wide);  // scanf's "%d" stores the cut value
  return true;
}

}  // namespace

bool readGrid(wchar_t const* p, GridRules rules, Grid& grid) {
  grid.points.clear();
  if (!readPitch(p, rules, grid.pitch)) return false;
  const bool strict = rules == GridRules::Strict;
  bool continues = false;
  for (;;) {
    GridPoint point{0, 0, continues};
    if (!readCoordinate(p, rules, point.x)) return false;
    if (strict) skipSpace(p);
    if (*p++ != L'-') return false;
    if (!readCoordinate(p, rules, point.y)) return false;
    grid.points.push_back(point);
    if (strict) {
      skipSpace(p);
    } else {
      p = std::wcspbrk(p, L":|");
      if (!p) return true;
    }
    if (*p == L'\0') return true;
    if (*p != L':' && *p != L'|') return false;
    continues = *p++ == L':';
    if (strict) {
      skipSpace(p);
      if (*p == L'\0') return true;  // a separator after the last point
    }
  }
}

}  // namespace zept::math
