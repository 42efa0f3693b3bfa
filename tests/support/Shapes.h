// SPDX-License-Identifier: MIT
// Contours and sections for the shape tests, built through the model's own
// polyline interface.
#pragma once

#include <initializer_list>
#include <utility>

#include "platform/host/DtDbPolyline.h"
#include "platform/shape/ZEPTContour.h"
#include "platform/shape/ZEPTSection.h"

namespace zept::test {

// A closed contour of (point, bulge) pairs; bulge i shapes the segment from
// vertex i to the next (the last one back to the first).
inline ZEPTContour contour(std::initializer_list<std::pair<DtGePoint2d, double>> vertices, bool hole = false) {
  DtDbPolyline p;
  for (auto const& [point, bulge] : vertices) p.addVertexAt(p.numVerts(), point, bulge, -1.0, -1.0);
  ZEPTContour c(hole);
  c.setPolyline(&p);
  return c;
}

// Counter-clockwise rectangle from (x0, y0) to (x1, y1).
inline ZEPTContour rectangle(double x0, double y0, double x1, double y1, bool hole = false) {
  return contour({{{x0, y0}, 0}, {{x1, y0}, 0}, {{x1, y1}, 0}, {{x0, y1}, 0}}, hole);
}

// Circle about (cx, cy) as two half circles; clockwise when asked.
inline ZEPTContour circle(double cx, double cy, double r, bool hole = false, bool clockwise = false) {
  double const b = clockwise ? -1.0 : 1.0;
  return contour({{{cx + r, cy}, b}, {{cx - r, cy}, b}}, hole);
}

inline ZEPTSection section(std::initializer_list<ZEPTContour> contours) {
  ZEPTSection s(false);
  for (auto const& c : contours) s.addContour(c);
  return s;
}

}  // namespace zept::test
