// SPDX-License-Identifier: MIT
// Section points: a labelled axis takes its value from the cross-section's
// extent, turned by the placement angle.
#include "platform/shape/ZEPTSectionPoint.h"

#include <numbers>

#include "platform/shape/ZEPTCrossSection.h"

namespace {

// The coordinate a label picks from the extent [lo, hi]; `own` for eFree.
double labelled(ZEPTSectionPoint::eOffsetLabel label, double lo, double hi, double own) {
  switch (label) {
    case ZEPTSectionPoint::eMin: return lo;
    case ZEPTSectionPoint::eCenter: return (lo + hi) * 0.5;
    case ZEPTSectionPoint::eMax: return hi;
    case ZEPTSectionPoint::eOrigin: return 0.0;
    default: return own;
  }
}

}  // namespace

DtGePoint2d ZEPTSectionPoint::getPoint(ZEPTCrossSection const* crossSection, double const* alpha) const {
  if (!crossSection || m_dxLabel == eFree || m_dyLabel == eFree) return m_point;
  DtGePoint2d max, min;
  if (!crossSection->getExtents(max, min)) return m_point;
  DtGeVector2d v(labelled(m_dxLabel, min.x, max.x, m_point.x), labelled(m_dyLabel, min.y, max.y, m_point.y));
  double const degrees = alpha ? *alpha : crossSection->getAlpha();
  v.rotateBy(degrees * std::numbers::pi / 180.0);
  return DtGePoint2d::kOrigin - v;
}

void ZEPTSectionPoint::setPoint(DtGePoint2d const& point, eOffsetLabel dxLabel, eOffsetLabel dyLabel) {
  m_point = point;
  setLabels(dxLabel, dyLabel);
}

void ZEPTSectionPoint::setLabels(eOffsetLabel dxLabel, eOffsetLabel dyLabel) {
  m_dxLabel = dxLabel;
  m_dyLabel = dyLabel;
}

ZEPTSectionPoint& ZEPTSectionPoint::transformBy(DtGeMatrix2d const& m) {
  m_point.transformBy(m);
  return *this;
}

bool ZEPTSectionPoint::operator==(ZEPTSectionPoint const& other) const {
  return m_point.x == other.m_point.x && m_point.y == other.m_point.y && m_dxLabel == other.m_dxLabel &&
         m_dyLabel == other.m_dyLabel;
}
