// SPDX-License-Identifier: MIT
// Contour vertices to and from a DtDbPolyline, their transformation and
// their extent through ContourGeometry.
#include "platform/shape/ZEPTContour.h"

#include <cmath>

#include "platform/shape/ContourGeometry.h"

bool ZEPTBaseContour::setPolyline(DtDbPolyline const* polyline) {
  if (!polyline) return false;
  unsigned const n = polyline->numVerts();
  std::vector<DtGePoint2d> points(n);
  std::vector<double> bulges(n);
  for (unsigned i = 0; i < n; ++i) {
    polyline->getPointAt(i, points[i]);
    polyline->getBulgeAt(i, bulges[i]);
    if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y) || !std::isfinite(bulges[i])) return false;
  }
  m_points = std::move(points);
  m_bulges = std::move(bulges);
  return true;
}

bool ZEPTBaseContour::getPolyline(DtDbPolyline& polyline) const {
  if (m_points.empty()) return false;
  polyline.reset();
  for (std::size_t i = 0; i < m_points.size(); ++i)
    polyline.addVertexAt(static_cast<unsigned>(i), m_points[i], m_bulges[i]);
  polyline.setClosed(true);
  return true;
}

bool ZEPTBaseContour::getVertexAt(int index, DtGePoint2d& point, double& bulge) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_points.size()) return false;
  point = m_points[static_cast<std::size_t>(index)];
  bulge = m_bulges[static_cast<std::size_t>(index)];
  return true;
}

bool ZEPTBaseContour::transformBy(DtGeMatrix2d const& m) {
  for (auto& p : m_points) p.transformBy(m);
  if (m.det() < 0.0)
    for (auto& b : m_bulges) b = -b;
  transformShift(m);
  return true;
}

bool ZEPTBaseContour::operator==(ZEPTBaseContour const& other) const {
  if (m_isHole != other.m_isHole || m_points.size() != other.m_points.size() || !sameParams(other)) return false;
  for (std::size_t i = 0; i < m_points.size(); ++i)
    if (m_points[i].x != other.m_points[i].x || m_points[i].y != other.m_points[i].y ||
        m_bulges[i] != other.m_bulges[i])
      return false;
  return true;
}

bool ZEPTBaseContour::extents(DtGePoint2d& max, DtGePoint2d& min) const {
  zept::shape::Box box;
  std::size_t const n = m_points.size();
  for (std::size_t i = 0; i < n; ++i) zept::shape::addSegment(box, m_points[i], m_points[(i + 1) % n], m_bulges[i]);
  max = box.max;
  min = box.min;
  return !box.empty;
}

void ZEPTBaseContour::moveContent(DtGeVector2d const& by) {
  for (auto& p : m_points) p += by;
}
