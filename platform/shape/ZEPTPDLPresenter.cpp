// SPDX-License-Identifier: MIT
// Writes contours as "StartContour(x,y,ext|hole);", "LineTo(x,y);" and
// "ArcTo(x,y,r,CW|CCW);" lines. An arc's radius is negative when its centre
// lies left of the chord, as the reader expects; numbers are the shortest
// texts that read back to the same doubles.
#include "platform/shape/ZEPTPDLPresenter.h"

#include <charconv>
#include <cmath>
#include <string>

#include "platform/shape/ZEPTContour.h"
#include "platform/shape/ZEPTCrossSection.h"

namespace {

void appendNumber(std::wstring& out, double value) {
  char buffer[32];
  auto const result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void appendStatement(std::wstring& out, wchar_t const* keyword, DtGePoint2d const& p) {
  out += keyword;
  out += L'(';
  appendNumber(out, p.x);
  out += L',';
  appendNumber(out, p.y);
}

// The segment from p to q with `bulge`, or nothing for a zero-length one.
void appendSegment(std::wstring& out, DtGePoint2d const& p, DtGePoint2d const& q, double bulge) {
  if (p.x == q.x && p.y == q.y) return;
  if (bulge == 0.0) {
    appendStatement(out, L"LineTo", q);
    out += L");\n";
    return;
  }
  double const b = std::fabs(bulge);
  double const radius = p.distanceTo(q) * 0.5 * (1.0 + b * b) / (2.0 * b);
  // Less than half a turn keeps the centre on the side the arc turns to; a
  // half circle has it on the chord and is written with a positive radius.
  bool const centreLeft = b != 1.0 && (bulge > 0.0) == (b < 1.0);
  appendStatement(out, L"ArcTo", q);
  out += L',';
  appendNumber(out, centreLeft ? -radius : radius);
  out += bulge > 0.0 ? L",CCW);\n" : L",CW);\n";
}

void appendContour(std::wstring& out, ZEPTContour const& contour) {
  int const n = contour.numVerts();
  if (n == 0) return;
  DtGePoint2d first, p, q;
  double bulge = 0, next = 0;
  contour.getVertexAt(0, first, bulge);
  appendStatement(out, L"StartContour", first);
  out += contour.getIsHole() ? L",hole);\n" : L",ext);\n";
  p = first;
  for (int i = 1; i <= n; ++i) {
    if (i < n)
      contour.getVertexAt(i, q, next);
    else
      q = first;
    appendSegment(out, p, q, bulge);
    p = q;
    bulge = next;
  }
}

}  // namespace

bool ZEPTPDLPresenter::getDefinition(ZEPTString& text, unsigned index) const {
  text.empty();
  ZEPTCrossSection const* crossSection = attachedAt(index);
  if (!crossSection) return false;
  std::wstring out;
  for (int s = 0; s < crossSection->numSections(); ++s) {
    ZEPTSection const* section = crossSection->sectionAt(s);
    for (int c = 0; c < section->numContours(); ++c) appendContour(out, *section->contourAt(c));
  }
  text = ZEPTString(std::move(out));
  return true;
}
