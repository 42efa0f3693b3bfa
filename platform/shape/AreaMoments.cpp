// SPDX-License-Identifier: MIT
#include "platform/shape/AreaMoments.h"

#include <cmath>

namespace zept::shape {

// Contribution of the straight edge p -> q to the integrals over the region
// it bounds (counter-clockwise positive): the triangle origin, p, q.
Moments edgeMoments(DtGePoint2d const& p, DtGePoint2d const& q) {
  double const c = p.x * q.y - q.x * p.y;
  return {c / 2.0,
          (p.x + q.x) * c / 6.0,
          (p.y + q.y) * c / 6.0,
          (p.x * p.x + p.x * q.x + q.x * q.x) * c / 12.0,
          (p.y * p.y + p.y * q.y + q.y * q.y) * c / 12.0,
          (p.x * q.y + 2.0 * p.x * p.y + 2.0 * q.x * q.y + q.x * p.y) * c / 24.0};
}

// The circular sector about c of radius r from angle t0 through the signed
// sweep s, about the origin.
Moments sectorMoments(DtGePoint2d const& c, double r, double t0, double s) {
  double const t1 = t0 + s;
  double const r2 = r * r, r3 = r2 * r, r4 = r2 * r2;
  Moments local;  // about the centre
  local.a = r2 * s / 2.0;
  local.sx = r3 / 3.0 * (std::sin(t1) - std::sin(t0));
  local.sy = r3 / 3.0 * (std::cos(t0) - std::cos(t1));
  double const sin2 = (std::sin(2.0 * t1) - std::sin(2.0 * t0)) / 2.0;
  local.xx = r4 / 8.0 * (s + sin2);
  local.yy = r4 / 8.0 * (s - sin2);
  local.xy = r4 / 8.0 * (std::sin(t1) * std::sin(t1) - std::sin(t0) * std::sin(t0));
  // Parallel-axis shift from the centre to the origin.
  Moments m;
  m.a = local.a;
  m.sx = local.sx + c.x * local.a;
  m.sy = local.sy + c.y * local.a;
  m.xx = local.xx + 2.0 * c.x * local.sx + c.x * c.x * local.a;
  m.yy = local.yy + 2.0 * c.y * local.sy + c.y * c.y * local.a;
  m.xy = local.xy + c.x * local.sy + c.y * local.sx + c.x * c.y * local.a;
  return m;
}

Moments arcMoments(DtGePoint2d const& p, DtGePoint2d const& q, DtGePoint2d const& c, double r, double s) {
  Moments m = sectorMoments(c, r, (p - c).angle(), s);
  m += edgeMoments(p, c);
  m += edgeMoments(c, q);
  return m;
}

}  // namespace zept::shape
