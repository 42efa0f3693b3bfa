// SPDX-License-Identifier: MIT
// The KORVA reader follows the definition text token by token and builds
// each section and contour in local objects; the cross-section only receives
// copies (old grammar: once the whole text has read; new grammar: section by
// section). Numbers and grid points are read by the math module's scanners,
// the ones the catalog's contour reader uses too.
#include "section/ZEPTKORVAAnalyser.h"

#include <cmath>
#include <cstdint>
#include <cwchar>
#include <string>

#include "platform/host/DtDbPolyline.h"
#include "platform/math/DecimalText.h"
#include "platform/math/KorvaGrid.h"
#include "platform/shape/ZEPTContour.h"
#include "platform/shape/ZEPTSection.h"

namespace {

constexpr wchar_t kBlanks[] = L" \n\t";
constexpr wchar_t kDigits[] = L"0123456789";

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
  zept::math::Grid grid;
  if (!zept::math::readGrid(text, zept::math::GridRules::Scanf, grid)) return 1;

  ZEPTSection section(false);
  ZEPTContour contour(false);
  DtDbPolyline polyline;
  unsigned index = 0;
  double const scale = grid.pitch;
  for (std::size_t i = 0; i < grid.points.size(); ++i) {
    auto const& point = grid.points[i];
    polyline.addVertexAt(index++, DtGePoint2d(point.x * scale, point.y * scale), 0.0, -1.0, -1.0);
    if (i + 1 == grid.points.size() || !grid.points[i + 1].continues) {
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
      std::int64_t count = 0;
      wchar_t const* number = pos;
      if (!zept::math::scanInteger(number, count)) return 1;
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
    using zept::math::scanSingle;
    constexpr auto Scanf = zept::math::NumberForms::Scanf;
    if (kind == L'L') {
      double x = 0;
      double y = 0;
      if (!scanSingle(read, x, Scanf) || !scanSingle(read, y, Scanf)) return false;
      polyline.addVertexAt(index, DtGePoint2d(x, y), 0.0, -1.0, -1.0);
    } else {
      double v[5] = {};
      for (double& value : v)
        if (!scanSingle(read, value, Scanf)) return false;
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
