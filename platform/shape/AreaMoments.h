// SPDX-License-Identifier: MIT
// Area integrals of 1, x, y, x^2, y^2 and xy over a region bounded by lines
// circular or elliptic arcs and cubics, by Green's theorem over each boundary piece: exact
// closed forms, no tessellation. Counter-clockwise boundaries count
// positive. Shared by the section values and the drawing regions.
#pragma once

#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeVector2d.h"

namespace zept::shape {

struct Moments {
  double a = 0, sx = 0, sy = 0, xx = 0, yy = 0, xy = 0;

  Moments& operator+=(Moments const& m) {
    a += m.a, sx += m.sx, sy += m.sy, xx += m.xx, yy += m.yy, xy += m.xy;
    return *this;
  }
  Moments operator*(double f) const { return {a * f, sx * f, sy * f, xx * f, yy * f, xy * f}; }
};

// The straight edge p -> q: the triangle origin, p, q.
Moments edgeMoments(DtGePoint2d const& p, DtGePoint2d const& q);
// The circular sector about c of radius r from angle t0 through the signed
// sweep s, about the origin.
Moments sectorMoments(DtGePoint2d const& c, double r, double t0, double s);
// The arc about c from p through the signed sweep s, ending at q: its sector
// less the two radii.
Moments arcMoments(DtGePoint2d const& p, DtGePoint2d const& q, DtGePoint2d const& c, double r, double s);
// The arc of the ellipse c + u cos t + v sin t from p to q, the shorter way
// round (less than half a turn): its sector less the two radii.
Moments ellipseArcMoments(DtGePoint2d const& p, DtGePoint2d const& q, DtGePoint2d const& c, DtGeVector2d const& u,
                          DtGeVector2d const& v);
// The cubic through p[0], p[1], p[2], p[3] at 0, 1/3, 2/3 and 1, from p[0]
// to p[3]: exact by Gauss-Legendre quadrature, the integrands being
// polynomials.
Moments cubicMoments(DtGePoint2d const* p);
double cubicLength(DtGePoint2d const* p);
// The length of that arc, by Gauss-Legendre quadrature: exact to rounding
// for the short arcs between a tessellation's points.
double ellipseArcLength(DtGePoint2d const& p, DtGePoint2d const& q, DtGePoint2d const& c, DtGeVector2d const& u,
                        DtGeVector2d const& v);

}  // namespace zept::shape
