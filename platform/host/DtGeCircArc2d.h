// SPDX-License-Identifier: MIT
// DtGeCircArc2d: a circular arc. Its points are centre + radius * refVec
// turned by an angle from startAng to endAng (0 <= endAng - startAng <= 2*pi),
// counter-clockwise, or clockwise when isClockWise() says so. Radians.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGeTol.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeVector2d.h"

ZEPTDB_BEGIN_EXPORTS

class DtGeCircArc2d {
 public:
  DtGeCircArc2d() = default;  // unit circle about the origin
  DtGeCircArc2d(DtGePoint2d const& center, double radius, double startAng = 0.0, double endAng = 6.283185307179586,
                DtGeVector2d const& refVec = DtGeVector2d::kXAxis, bool isClockWise = false);
  // The arc from `start` to `end` whose bulge (tan of a quarter of the signed
  // sweep, positive counter-clockwise) is `bulge`.
  DtGeCircArc2d(DtGePoint2d const& start, DtGePoint2d const& end, double bulge);

  // eDegenerateGeometry, leaving the arc unchanged, when start and end coincide
  // or the bulge is 0 or not finite.
  Dt::ErrorStatus set(DtGePoint2d const& start, DtGePoint2d const& end, double bulge);
  DtGeCircArc2d& set(DtGePoint2d const& center, double radius, double startAng, double endAng,
                     DtGeVector2d const& refVec = DtGeVector2d::kXAxis, bool isClockWise = false);

  DtGePoint2d center() const { return m_center; }
  double radius() const { return m_radius; }
  double startAng() const { return m_startAng; }
  double endAng() const { return m_endAng; }
  DtGeVector2d refVec() const { return m_refVec; }
  bool isClockWise() const { return m_clockwise; }
  // endAng - startAng, negative for a clockwise arc.
  double signedSweep() const { return m_clockwise ? m_startAng - m_endAng : m_endAng - m_startAng; }
  // The point at `angle`, counted from refVec in the arc's own direction.
  DtGePoint2d evalPoint(double angle) const;
  DtGePoint2d startPoint() const { return evalPoint(m_startAng); }
  DtGePoint2d endPoint() const { return evalPoint(m_endAng); }

  DtGeCircArc2d& setCenter(DtGePoint2d const& c) {
    m_center = c;
    return *this;
  }
  DtGeCircArc2d& setRadius(double r) {
    m_radius = r;
    return *this;
  }

 private:
  DtGePoint2d m_center;
  double m_radius = 1.0;
  double m_startAng = 0.0;
  double m_endAng = 6.283185307179586;
  DtGeVector2d m_refVec = DtGeVector2d::kXAxis;
  bool m_clockwise = false;
};

ZEPTDB_END_EXPORTS
