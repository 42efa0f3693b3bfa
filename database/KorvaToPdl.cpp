// SPDX-License-Identifier: MIT
// KORVA contour descriptions as PDL shape scripts, for profile rows that
// carry their own contour. Two forms are tried in turn: the new grammar
// through the math module's reader, with its coordinates converted into the
// catalog's section unit, then the grid-point form ("10#0-0:4-0:4-2|..."),
// read here. Both become one contour tree, written depth-first.
#include "database/KorvaToPdl.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/math/DecimalText.h"
#include "platform/math/ProComplexContourAndUnitReader.h"
#include "platform/math/ProContourFactory.h"
#include "platform/math/VUnit.h"

namespace zept {

namespace {

constexpr double kPi = 3.141592653589793;

// ---- Grid-point form -------------------------------------------------------

struct GridPoint {
  std::int16_t x;
  std::int16_t y;
  std::int16_t pen;  // 0: the point starts a contour, 1: it continues one
};

bool isSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

void skipSpace(wchar_t const*& p) {
  while (isSpace(*p)) ++p;
}

// A coordinate: a decimal integer from 0 to 99, with an optional sign.
bool gridCoordinate(wchar_t const*& p, std::int16_t& value) {
  skipSpace(p);
  const bool negative = *p == L'-';
  if (*p == L'+' || *p == L'-') ++p;
  if (*p < L'0' || *p > L'9') return false;
  int v = 0;
  for (; *p >= L'0' && *p <= L'9'; ++p) v = v > 99 ? v : v * 10 + (*p - L'0');
  if (v > 99 || (negative && v != 0)) return false;
  value = static_cast<std::int16_t>(v);
  return true;
}

// pitch "#" x-y [(":" | "|") x-y]... [":" | "|"], blanks anywhere between.
bool parseGrid(wchar_t const* p, double& pitch, std::vector<GridPoint>& points) {
  skipSpace(p);
  std::string lexeme;
  if (!math::scanDecimal(p, lexeme)) return false;
  const auto [end, ec] = std::from_chars(lexeme.data(), lexeme.data() + lexeme.size(), pitch);
  if (ec != std::errc() || !(pitch > 0) || !std::isfinite(pitch)) return false;
  skipSpace(p);
  if (*p++ != L'#') return false;
  std::int16_t pen = 0;
  for (;;) {
    GridPoint point{0, 0, pen};
    if (!gridCoordinate(p, point.x)) return false;
    skipSpace(p);
    if (*p++ != L'-') return false;
    if (!gridCoordinate(p, point.y)) return false;
    points.push_back(point);
    skipSpace(p);
    if (*p == L'\0') return true;
    if (*p != L':' && *p != L'|') return false;
    pen = *p++ == L':' ? 1 : 0;
    skipSpace(p);
    if (*p == L'\0') return true;  // a separator after the last point
  }
}

// A contour is closed before a point that starts a new one and before the
// last point, so the last point never belongs to a contour: descriptions
// repeat their start point at the end. Contours of fewer than 3 points are
// dropped.
std::unique_ptr<ProComplexContour> gridContours(ProContourFactory const& factory, double pitch,
                                                std::vector<GridPoint> const& points) {
  auto root = factory.CreateComplexContour();
  const Scale2 scale(pitch, pitch);
  LAContour current;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if ((points[i].pen == 0 && i > 0) || i + 1 == points.size()) {
      if (current.size() >= 3) root->Attach(factory.CreateSolidContour())->SetLAContour(current);
      current.removeAll();
    }
    current.append(LAEdge(Point2(points[i].x, points[i].y) * scale));
  }
  return root;
}

// ---- New grammar -------------------------------------------------------

// The tree in the section unit, or null when the text is not in the grammar.
// `sectionUnit` null means metres, the mks length unit.
std::unique_ptr<ProComplexContour> readContours(ProContourFactory const& factory, CString const& symbol,
                                                CString const* sectionUnit) {
  const ProComplexContourAndUnitReader reader(symbol, factory);
  CString unit;
  auto tree = reader.read(unit);
  if (!tree) return nullptr;
  VUnit section(1.0, SUnit::Length);
  if (sectionUnit) section.set(sectionUnit->toUtf8().c_str());
  VUnit written;
  written.set(unit.toUtf8().c_str());
  const double f = (written / section).to_mks();
  forEachClosedContour(*tree, [scale = Scale2(f, f)](ProClosedContour& c) { c.GetLAContour().scale(scale); });
  return tree;
}

// ---- Script ------------------------------------------------------------

void appendExponent(std::wstring& out, int exponent) {
  out += L'e';
  out += exponent < 0 ? L'-' : L'+';
  wchar_t digits[8];
  wchar_t* const end = digits + 8;
  wchar_t* at = end;
  for (unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent); magnitude || end - at < 3;
       magnitude /= 10)
    *--at = static_cast<wchar_t>(L'0' + magnitude % 10);
  out.append(at, end);
}

// `n` in decimal, with leading zeros to at least `width` digits.
void appendDigits(std::wstring& out, std::uint64_t n, int width) {
  wchar_t digits[24];
  wchar_t* const end = digits + 24;
  wchar_t* at = end;
  do {
    *--at = static_cast<wchar_t>(L'0' + n % 10);
    n /= 10;
  } while (n || end - at < width);
  out.append(at, end);
}

constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// "%g" of a value that is the double nearest to a decimal of at most six
// significant digits and nine decimals, n / 10^k: rounding the value to six
// digits gives that decimal back, so it is written from n without a general
// conversion. Coordinates are mostly such values (0.1, 12.5, 300). False,
// with nothing written, for any other value.
bool appendShortDecimal(std::wstring& out, double value) {
  const double magnitude = std::fabs(value);
  if (!(magnitude < 1e6)) return false;
  for (int k = 0; k < 10; ++k) {
    const double scaled = magnitude * kPowersOfTen[k];
    if (scaled >= 1e6) return false;
    const double whole = std::nearbyint(scaled);
    // The division is exact to the last bit, so equality proves n / 10^k
    // reads back as the value.
    if (std::fabs(scaled - whole) > 1e-6 || whole / kPowersOfTen[k] != magnitude) continue;
    auto n = static_cast<std::uint64_t>(whole);
    int scale = k;
    if (std::signbit(value)) out += L'-';
    if (n == 0) {
      out += L'0';
      return true;
    }
    for (; scale > 0 && n % 10 == 0; --scale) n /= 10;
    int digits = 1;
    for (std::uint64_t m = n; m >= 10; m /= 10) ++digits;
    const int exponent = digits - 1 - scale;
    if (exponent < -4) {  // 1.5e-005
      for (; n % 10 == 0; --digits) n /= 10;
      const auto unit = static_cast<std::uint64_t>(kPowersOfTen[digits - 1]);
      appendDigits(out, n / unit, 1);
      if (digits > 1) {
        out += L'.';
        appendDigits(out, n % unit, digits - 1);
      }
      appendExponent(out, exponent);
      return true;
    }
    if (scale == 0) {
      appendDigits(out, n, 1);
      return true;
    }
    const auto unit = static_cast<std::uint64_t>(kPowersOfTen[scale]);
    appendDigits(out, n / unit, 1);
    out += L'.';
    appendDigits(out, n % unit, scale);
    return true;
  }
  return false;
}

// "%g" with "." and an exponent of at least three digits (1e+006). A
// script has a few numbers per edge and is written for every contour read,
// so they go straight into the text, without a formatted string each.
void appendNumber(std::wstring& out, double value) {
  if (appendShortDecimal(out, value)) return;
  char text[48];
  char const* const begin = text;
  char const* const end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr;
  char const* const e = std::find(begin, end, 'e');
  out.append(begin, e);
  if (e == end) return;
  out.append(e, e + 2);  // "e" and the sign
  for (auto digits = end - (e + 2); digits < 3; ++digits) out += L'0';
  out.append(e + 2, end);
}

void appendPoint(std::wstring& out, Point2 const& p) {
  appendNumber(out, p.x);
  out += L',';
  appendNumber(out, p.y);
}

// The closing segment is a straight line whatever the last edge is.
void appendContour(std::wstring& script, ProClosedContour const& contour) {
  LAContour const& edges = contour.GetLAContour();
  if (edges.empty()) return;
  script += L"StartContour(";
  appendPoint(script, edges[0].start);
  script += contour.IsHole() ? L",hole);\n" : L",ext);\n";
  for (std::size_t i = 1; i < edges.size(); ++i) {
    LAEdge const& prev = edges[i - 1];
    Point2 const& to = edges[i].start;
    if (prev.type == LAEdge::Line) {
      script += L"LineTo(";
      appendPoint(script, to);
      script += L");\n";
    } else if (prev.type == LAEdge::Arc) {
      // r < 0 puts the centre left of the chord. A short arc with the centre
      // on the right runs clockwise; each of "left" and "long" reverses that.
      double r = prev.center.distance(to);
      bool clockwise = std::fabs(prev.sweep) < kPi;
      const Point2 from = prev.start;
      const double dx = to.x - from.x, dy = to.y - from.y;
      const double side = dx * (prev.center.y - from.y) - dy * (prev.center.x - from.x);
      // A half circle has its centre on the chord, where the contour
      // reader's single precision puts it a hair to either side: its sense
      // is the sweep's, as it is for every arc whose data agree.
      const double chord = std::sqrt(dx * dx + dy * dy);
      const double size = std::fmax(std::fmax(std::fabs(from.x), std::fabs(from.y)),
                                    std::fmax(std::fmax(std::fabs(to.x), std::fabs(to.y)), chord));
      if (std::fabs(side) <= 1e-6 * size * chord) {
        clockwise = prev.sweep < 0;
      } else if (side > 0) {
        r = -r;
        clockwise = !clockwise;
      }
      script += L"ArcTo(";
      appendPoint(script, to);
      script += L',';
      appendNumber(script, r);
      script += clockwise ? L",CW);\n" : L",CCW);\n";
    }
  }
  script += L"LineTo(";
  appendPoint(script, edges[0].start);
  script += L");\n";
}

}  // namespace

bool korvaToPdl(CString const& symbol, CString const* sectionUnit, CString& pdlScript) {
  pdlScript.Empty();
  const ProContourFactory factory;
  auto tree = readContours(factory, symbol, sectionUnit);
  if (!tree) {
    double pitch = 0;
    std::vector<GridPoint> points;
    if (!parseGrid(symbol.GetString(), pitch, points)) return false;
    tree = gridContours(factory, pitch, points);
  }
  contoursToPdl(*tree, pdlScript);
  return true;
}

void contoursToPdl(ProContour const& tree, CString& script) {
  std::wstring text = script.str();
  text.reserve(text.size() + 256);  // a few contours' worth: one allocation for most scripts
  forEachClosedContour(tree, [&](ProClosedContour const& c) { appendContour(text, c); });
  script = CString(std::move(text));
}

}  // namespace zept
