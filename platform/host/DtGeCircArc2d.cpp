// SPDX-License-Identifier: MIT
// DtGeCircArc2d's construction, from centre and angles or from two points
// and a bulge.
#include "platform/host/DtGeCircArc2d.h"

#include <cmath>
#include <numbers>

DtGeCircArc2d::DtGeCircArc2d(DtGePoint2d const& center, double radius, double startAng, double endAng,
                             DtGeVector2d const& refVec, bool isClockWise) {
  set(center, radius, startAng, endAng, refVec, isClockWise);
}

DtGeCircArc2d::DtGeCircArc2d(DtGePoint2d const& start, DtGePoint2d const& end, double bulge) { set(start, end, bulge); }

DtGeCircArc2d& DtGeCircArc2d::set(DtGePoint2d const& center, double radius, double startAng, double endAng,
                                  DtGeVector2d const& refVec, bool isClockWise) {
  m_center = center;
  m_radius = radius;
  m_startAng = startAng;
  m_endAng = endAng;
  m_refVec = refVec.normal();
  m_clockwise = isClockWise;
  return *this;
}

Dt::ErrorStatus DtGeCircArc2d::set(DtGePoint2d const& start, DtGePoint2d const& end, double bulge) {
  DtGeVector2d const chord = end - start;
  double const half = chord.length() * 0.5;
  if (!(half > 0.0) || bulge == 0.0 || !std::isfinite(bulge) || !std::isfinite(half))
    return Dt::eDegenerateGeometry;
  // With s the signed sweep, the centre sits at distance half * cot(s/2) to
  // the left of the chord; cot(s/2) = (1 - b^2) / (2b) for b = tan(s/4).
  double const sweep = 4.0 * std::atan(bulge);
  double const cot = (1.0 - bulge * bulge) / (2.0 * bulge);
  DtGePoint2d const mid = start + chord * 0.5;
  m_center = mid + chord.normal().perpVector() * (half * cot);
  m_radius = half * (1.0 + bulge * bulge) / (2.0 * std::fabs(bulge));
  m_refVec = DtGeVector2d::kXAxis;
  m_clockwise = sweep < 0.0;
  double const a = (start - m_center).angle();
  // Clockwise angles are counted clockwise from the x axis.
  m_startAng = m_clockwise ? (a == 0.0 ? 0.0 : 2.0 * std::numbers::pi - a) : a;
  m_endAng = m_startAng + std::fabs(sweep);
  return Dt::eOk;
}

DtGePoint2d DtGeCircArc2d::evalPoint(double angle) const {
  DtGeVector2d v = m_refVec * m_radius;
  v.rotateBy(m_clockwise ? -angle : angle);
  return m_center + v;
}
