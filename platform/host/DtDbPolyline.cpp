// SPDX-License-Identifier: MIT
// Vertex access of the lightweight polyline, and its segments as
// DtGeLineSeg2d and DtGeCircArc2d.
#include "platform/host/DtDbPolyline.h"

bool DtDbPolyline::isOnlyLines() const {
  for (auto const& v : m_vertices)
    if (v.bulge != 0.0) return false;
  return true;
}

Dt::ErrorStatus DtDbPolyline::addVertexAt(unsigned index, DtGePoint2d const& point, double bulge, double startWidth,
                                          double endWidth) {
  if (index > m_vertices.size()) return Dt::eInvalidIndex;
  Vertex v{point, bulge, startWidth < 0.0 ? 0.0 : startWidth, endWidth < 0.0 ? 0.0 : endWidth};
  m_vertices.insert(m_vertices.begin() + index, v);
  return Dt::eOk;
}

Dt::ErrorStatus DtDbPolyline::removeVertexAt(unsigned index) {
  if (index >= m_vertices.size()) return Dt::eInvalidIndex;
  m_vertices.erase(m_vertices.begin() + index);
  return Dt::eOk;
}

Dt::ErrorStatus DtDbPolyline::getPointAt(unsigned index, DtGePoint2d& point) const {
  if (index >= m_vertices.size()) return Dt::eInvalidIndex;
  point = m_vertices[index].point;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbPolyline::setPointAt(unsigned index, DtGePoint2d const& point) {
  if (index >= m_vertices.size()) return Dt::eInvalidIndex;
  m_vertices[index].point = point;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbPolyline::getBulgeAt(unsigned index, double& bulge) const {
  if (index >= m_vertices.size()) return Dt::eInvalidIndex;
  bulge = m_vertices[index].bulge;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbPolyline::setBulgeAt(unsigned index, double bulge) {
  if (index >= m_vertices.size()) return Dt::eInvalidIndex;
  m_vertices[index].bulge = bulge;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbPolyline::getWidthsAt(unsigned index, double& startWidth, double& endWidth) const {
  if (index >= m_vertices.size()) return Dt::eInvalidIndex;
  startWidth = m_vertices[index].startWidth;
  endWidth = m_vertices[index].endWidth;
  return Dt::eOk;
}

DtGePoint2d DtDbPolyline::segmentEnd(unsigned index) const {
  return m_vertices[index + 1 < m_vertices.size() ? index + 1 : 0].point;
}

DtDbPolyline::SegType DtDbPolyline::segType(unsigned index) const {
  if (index >= m_vertices.size()) return kEmpty;
  if (m_vertices.size() == 1) return kPoint;
  if (!m_closed && index + 1 == m_vertices.size()) return kPoint;
  if (m_vertices[index].point.isEqualTo(segmentEnd(index))) return kCoincident;
  return m_vertices[index].bulge == 0.0 ? kLine : kArc;
}

Dt::ErrorStatus DtDbPolyline::getLineSegAt(unsigned index, DtGeLineSeg2d& line) const {
  if (index >= m_vertices.size()) return Dt::eInvalidIndex;
  if (segType(index) != kLine) return Dt::eNotApplicable;
  line.set(m_vertices[index].point, segmentEnd(index));
  return Dt::eOk;
}

Dt::ErrorStatus DtDbPolyline::getArcSegAt(unsigned index, DtGeCircArc2d& arc) const {
  if (index >= m_vertices.size()) return Dt::eInvalidIndex;
  if (segType(index) != kArc) return Dt::eNotApplicable;
  return arc.set(m_vertices[index].point, segmentEnd(index), m_vertices[index].bulge);
}

bool DtDbPolyline::operator==(DtDbPolyline const& other) const {
  if (m_normal.x != other.m_normal.x || m_normal.y != other.m_normal.y || m_normal.z != other.m_normal.z ||
      m_elevation != other.m_elevation)
    return false;
  if (m_closed != other.m_closed || m_vertices.size() != other.m_vertices.size()) return false;
  for (std::size_t i = 0; i < m_vertices.size(); ++i) {
    Vertex const& a = m_vertices[i];
    Vertex const& b = other.m_vertices[i];
    if (a.point.x != b.point.x || a.point.y != b.point.y || a.bulge != b.bulge || a.startWidth != b.startWidth ||
        a.endWidth != b.endWidth)
      return false;
  }
  return true;
}
