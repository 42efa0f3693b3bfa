// SPDX-License-Identifier: MIT
// A section's contours, transformed and measured together through
// ContourGeometry.
#include "platform/shape/ZEPTSection.h"

#include "platform/shape/ContourGeometry.h"

void ZEPTBaseSection::addContour(ZEPTContour const& contour) { m_contours.push_back(contour); }

bool ZEPTBaseSection::getContourAt(int index, ZEPTContour& contour) const {
  ZEPTContour const* found = contourAt(index);
  if (!found) return false;
  contour = *found;
  return true;
}

ZEPTContour const* ZEPTBaseSection::contourAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_contours.size()) return nullptr;
  return &m_contours[static_cast<std::size_t>(index)];
}

bool ZEPTBaseSection::transformBy(DtGeMatrix2d const& m) {
  for (auto& c : m_contours) c.transformBy(m);
  transformShift(m);
  return true;
}

bool ZEPTBaseSection::operator==(ZEPTBaseSection const& other) const {
  return m_isThin == other.m_isThin && sameParams(other) && m_contours == other.m_contours;
}

bool ZEPTBaseSection::extents(DtGePoint2d& max, DtGePoint2d& min) const {
  return zept::shape::joinExtents(m_contours, max, min);
}

// A translation leaves dx and dy as they are.
void ZEPTBaseSection::moveContent(DtGeVector2d const& by) { transformBy(DtGeMatrix2d::translation(by)); }
