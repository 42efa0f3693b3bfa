// SPDX-License-Identifier: MIT
// The cross-section's parts, dimension lines and snap points, transformed
// and measured together.
#include "platform/shape/ZEPTCrossSection.h"

#include <cmath>

#include "platform/shape/ContourGeometry.h"

void ZEPTCrossSection::addSection(ZEPTSection const& section) { m_sections.push_back(section); }

bool ZEPTCrossSection::getSectionAt(int index, ZEPTSection& section) const {
  ZEPTSection const* found = sectionAt(index);
  if (!found) return false;
  section = *found;
  return true;
}

ZEPTSection const* ZEPTCrossSection::sectionAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_sections.size()) return nullptr;
  return &m_sections[static_cast<std::size_t>(index)];
}

void ZEPTCrossSection::addCustomPoint(ZEPTSectionPoint const& point) { m_points.append(point); }

void ZEPTCrossSection::addDimLine(ZEPTSectionDimLine const& dimLine) { m_dimLines.append(dimLine); }

bool ZEPTCrossSection::getAllDimLines(ZEPTDimLineArray& dimLines) const {
  dimLines.setLogicalLength(0);
  for (auto const& d : m_dimLines) dimLines.append(d);
  return true;
}

bool ZEPTCrossSection::getAllSnapPoints(ZEPTPointArray& points) const {
  points.setLogicalLength(0);
  for (auto const& p : m_points) points.append(p);
  DtGePoint2d max, min;
  if (!extents(max, min)) return true;
  using L = ZEPTSectionPoint::eOffsetLabel;
  L const labels[3] = {ZEPTSectionPoint::eMin, ZEPTSectionPoint::eCenter, ZEPTSectionPoint::eMax};
  double const xs[3] = {min.x, (min.x + max.x) * 0.5, max.x};
  double const ys[3] = {min.y, (min.y + max.y) * 0.5, max.y};
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) points.append(ZEPTSectionPoint(DtGePoint2d(xs[i], ys[j]), labels[i], labels[j]));
  points.append(ZEPTSectionPoint(DtGePoint2d::kOrigin, ZEPTSectionPoint::eOrigin, ZEPTSectionPoint::eOrigin));
  return true;
}

bool ZEPTCrossSection::transformBy(DtGeMatrix2d const& m) {
  for (auto& s : m_sections) s.transformBy(m);
  for (auto& p : m_points) p.transformBy(m);
  for (auto& d : m_dimLines) d.transformBy(m);
  transformShift(m);
  return true;
}

void ZEPTCrossSection::scaleBy(double factor) {
  if (std::isfinite(factor)) transformBy(DtGeMatrix2d::scaling(factor));
}

bool ZEPTCrossSection::extents(DtGePoint2d& max, DtGePoint2d& min) const {
  return zept::shape::joinExtents(m_sections, max, min);
}

// A translation leaves dx and dy as they are.
void ZEPTCrossSection::moveContent(DtGeVector2d const& by) { transformBy(DtGeMatrix2d::translation(by)); }
