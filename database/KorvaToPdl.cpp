// SPDX-License-Identifier: MIT
// KORVA contour descriptions as PDL shape scripts, for profile rows that
// carry their own contour. Two forms are tried in turn: the new grammar
// through the math module's reader, with its coordinates converted into the
// catalog's section unit, then the strict subset of the grid-point form
// ("10#0-0:4-0:4-2|..."). Both become one contour tree, written depth-first.
#include "database/KorvaToPdl.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/math/KorvaGrid.h"
#include "platform/math/ProComplexContourAndUnitReader.h"
#include "platform/math/ProContourFactory.h"
#include "platform/core/Utf8.h"
#include "platform/math/VUnit.h"

namespace zept {

namespace {

constexpr double kPi = 3.141592653589793;

// ---- Grid-point form -------------------------------------------------------

// A contour is closed before a point that starts a new one and before the
// last point, so the last point never belongs to a contour: descriptions
// repeat their start point at the end. Contours of fewer than 3 points are
// dropped.
std::unique_ptr<ProComplexContour> gridContours(ProContourFactory const& factory, math::Grid const& grid) {
  auto root = factory.CreateComplexContour();
  const Scale2 scale(grid.pitch, grid.pitch);
  std::vector<math::GridPoint> const& points = grid.points;
  LAContour current;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if ((!points[i].continues && i > 0) || i + 1 == points.size()) {
      if (current.size() >= 3) root->Attach(factory.CreateSolidContour())->SetLAContour(current);
      current.removeAll();
    }
    current.append(LAEdge(Point2(points[i].x, points[i].y) * scale));
  }
  return root;
}

// ---- New grammar -------------------------------------------------------

double convertedFactor(std::wstring_view written, CString const* sectionUnit);

// The factor from the text's unit into the section unit; `sectionUnit` null
// means metres, the mks length unit.
double unitFactor(std::wstring_view written, CString const* sectionUnit) {
  // Every contour of a catalog names the same unit or two, into one section
  // unit: the last factor is remembered with the names it came from.
  thread_local struct {
    bool valid = false;
    bool withSection = false;
    std::wstring section, written;
    double factor = 0;
  } last;
  if (last.valid && last.withSection == (sectionUnit != nullptr) && last.written == written &&
      (!sectionUnit || last.section == sectionUnit->view()))
    return last.factor;
  last.valid = false;
  const double factor = convertedFactor(written, sectionUnit);
  last.withSection = sectionUnit != nullptr;
  last.section = sectionUnit ? sectionUnit->str() : std::wstring();
  last.written.assign(written);
  last.factor = factor;
  last.valid = true;
  return factor;
}

double convertedFactor(std::wstring_view written, CString const* sectionUnit) {
  VUnit section(1.0, SUnit::Length);
  if (sectionUnit) section.set(sectionUnit->toUtf8().c_str());
  VUnit unit;
  unit.set(toUtf8(written).c_str());
  return (unit / section).to_mks();
}

// ---- Script ------------------------------------------------------------

constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// One line of a script, written into a buffer and appended to the script at
// once: a script has a few numbers per edge and is written for every
// contour read. The longest line, an arc, takes under 90 characters.
class Line {
 public:
  void text(wchar_t const* s) {
    while (*s) *m_at++ = *s++;
  }
  void put(wchar_t c) { *m_at++ = c; }
  // "%g" with "." and an exponent of at least three digits (1e+006).
  void number(double value) {
    // Whole numbers below a million, most coordinates, are their digits.
    const double magnitude = std::fabs(value);
    if (magnitude < 1e6) {
      const auto whole = static_cast<std::uint32_t>(magnitude);
      if (static_cast<double>(whole) == magnitude) {
        if (std::signbit(value)) put(L'-');
        digits(whole, 1);
        return;
      }
    }
    if (!shortDecimal(value)) general(value);
  }
  void point(Point2 const& p) {
    number(p.x);
    put(L',');
    number(p.y);
  }
  void appendTo(std::wstring& out) {
    out.append(m_buffer, m_at);
    m_at = m_buffer;
  }
  // Ends a line: the lines gather in the buffer while another one fits
  // (none takes 90 characters), so a contour is mostly one append.
  void endLine(std::wstring& out) {
    if (m_at + 96 > m_buffer + std::size(m_buffer)) appendTo(out);
  }

 private:
  // `n` in decimal, with leading zeros to at least `width` digits.
  void digits(std::uint64_t n, int width) {
    wchar_t reversed[24];
    int count = 0;
    do {
      reversed[count++] = static_cast<wchar_t>(L'0' + n % 10);
      n /= 10;
    } while (n || count < width);
    while (count) *m_at++ = reversed[--count];
  }

  void exponent(int e) {
    put(L'e');
    put(e < 0 ? L'-' : L'+');
    digits(static_cast<std::uint64_t>(e < 0 ? -e : e), 3);
  }

  // "%g" of a value that is the double nearest to a decimal of at most six
  // significant digits and nine decimals, n / 10^k: rounding the value to
  // six digits gives that decimal back, so it is written from n without a
  // general conversion. Coordinates are mostly such values (0.1, 12.5,
  // 300). False, with nothing written, for any other value.
  bool shortDecimal(double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude < 1e6)) return false;
    for (int k = 0; k < 10; ++k) {
      const double scaled = magnitude * kPowersOfTen[k];
      if (scaled >= 1e6) return false;
      const auto rounded = static_cast<std::uint64_t>(scaled + 0.5);
      const auto whole = static_cast<double>(rounded);
      // The division is exact to the last bit, so equality proves n / 10^k
      // reads back as the value.
      if (std::fabs(scaled - whole) > 1e-6 || whole / kPowersOfTen[k] != magnitude) continue;
      decimal(std::signbit(value), rounded, k);
      return true;
    }
    return false;
  }

  // n / 10^scale (n below a million) as "%g" writes it.
  void decimal(bool negative, std::uint64_t n, int scale) {
    if (negative) put(L'-');
    if (n == 0) {
      put(L'0');
      return;
    }
    for (; scale > 0 && n % 10 == 0; --scale) n /= 10;
    wchar_t reversed[24];  // n's digits, the last first
    int count = 0;
    for (std::uint64_t m = n; m; m /= 10) reversed[count++] = static_cast<wchar_t>(L'0' + m % 10);
    const int e = count - 1 - scale;
    if (e < -4) {  // 1.5e-005; n has no trailing zero here
      put(reversed[count - 1]);
      if (count > 1) {
        put(L'.');
        for (int i = count - 2; i >= 0; --i) put(reversed[i]);
      }
      exponent(e);
      return;
    }
    if (count <= scale) {
      put(L'0');
      put(L'.');
      for (int i = scale - count; i > 0; --i) put(L'0');
      for (int i = count - 1; i >= 0; --i) put(reversed[i]);
      return;
    }
    for (int i = count - 1; i >= scale; --i) put(reversed[i]);
    if (scale > 0) {
      put(L'.');
      for (int i = scale - 1; i >= 0; --i) put(reversed[i]);
    }
  }

  void general(double value) {
    char text[48];
    char const* const end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr;
    char const* p = text;
    for (; p < end && *p != 'e'; ++p) put(static_cast<wchar_t>(*p));
    if (p == end) return;
    put(L'e');
    put(static_cast<wchar_t>(p[1]));  // the sign
    for (auto count = end - (p + 2); count < 3; ++count) put(L'0');
    for (p += 2; p < end; ++p) put(static_cast<wchar_t>(*p));
  }

  wchar_t m_buffer[640];
  wchar_t* m_at = m_buffer;
};

// The closing segment is a straight line whatever the last edge is.
void appendContour(std::wstring& script, LAContour const& edges, bool hole) {
  if (edges.empty()) return;
  Line line;
  line.text(L"StartContour(");
  line.point(edges[0].start);
  line.text(hole ? L",hole);\n" : L",ext);\n");
  line.endLine(script);
  for (std::size_t i = 1; i < edges.size(); ++i) {
    LAEdge const& prev = edges[i - 1];
    Point2 const& to = edges[i].start;
    if (prev.type == LAEdge::Line) {
      line.text(L"LineTo(");
      line.point(to);
      line.text(L");\n");
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
      line.text(L"ArcTo(");
      line.point(to);
      line.put(L',');
      line.number(r);
      line.text(clockwise ? L",CW);\n" : L",CCW);\n");
    }
    line.endLine(script);
  }
  line.text(L"LineTo(");
  line.point(edges[0].start);
  line.text(L");\n");
  line.appendTo(script);
}

}  // namespace

bool korvaToPdl(wchar_t const* symbol, CString const* sectionUnit, std::wstring& pdlScript) {
  pdlScript.clear();
  // The new grammar is read without a tree, into storage kept per thread:
  // a catalog read converts one contour after another.
  thread_local ProComplexContourAndUnitReader::Closed closed;
  std::wstring_view unit;
  if (ProComplexContourAndUnitReader::readClosed(symbol, closed, unit)) {
    const double f = unitFactor(unit, sectionUnit);
    pdlScript.reserve(256);  // a few contours' worth: one allocation for most scripts
    for (std::size_t i = 0; i < closed.count; ++i) {
      LAContour& edges = closed.edges[i];
      edges.scale(Scale2(f, f));
      appendContour(pdlScript, edges, closed.holes[i]);
    }
    return true;
  }
  thread_local math::Grid grid;
  if (!math::readGrid(symbol, math::GridRules::Strict, grid)) return false;
  const ProContourFactory factory;
  forEachClosedContour(*gridContours(factory, grid),
                       [&](ProClosedContour const& c) { appendContour(pdlScript, c.GetLAContour(), c.IsHole()); });
  return true;
}

bool korvaToPdl(CString const& symbol, CString const* sectionUnit, CString& pdlScript) {
  pdlScript.Empty();
  std::wstring script;
  const bool recognised = korvaToPdl(symbol.GetString(), sectionUnit, script);
  pdlScript = CString(std::move(script));
  return recognised;
}

void contoursToPdl(ProContour const& tree, CString& script) {
  std::wstring text = script.str();
  text.reserve(text.size() + 256);
  forEachClosedContour(tree, [&](ProClosedContour const& c) { appendContour(text, c.GetLAContour(), c.IsHole()); });
  script = CString(std::move(text));
}

}  // namespace zept
