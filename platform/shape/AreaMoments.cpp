// SPDX-License-Identifier: MIT
// The closed-form Green's-theorem integrals of each kind of boundary piece;
// a region's moments are their sum over its loops.
#include "platform/shape/AreaMoments.h"

#include <cmath>
#include <utility>
#include <numbers>

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

namespace {

// The parameters of p and q on the ellipse c + u cos t + v sin t, q's taken
// within half a turn of p's.
std::pair<double, double> ellipseParams(DtGePoint2d const& p, DtGePoint2d const& q, DtGePoint2d const& c,
                                        DtGeVector2d const& u, DtGeVector2d const& v) {
  double const j = u.crossProduct(v);
  auto param = [&](DtGePoint2d const& x) {
    DtGeVector2d const d = x - c;
    return std::atan2(u.crossProduct(d) / j, d.crossProduct(v) / j);
  };
  double const t0 = param(p);
  double s = param(q) - t0;
  s -= 2.0 * std::numbers::pi * std::round(s / (2.0 * std::numbers::pi));
  return {t0, s};
}

// Gauss-Legendre on [0, 1] with six points: exact up to degree 11.
constexpr double kGaussNodes[] = {0.5 - 0.4662347571015760, 0.5 - 0.3306046932331323, 0.5 - 0.1193095930415985,
                                  0.5 + 0.1193095930415985, 0.5 + 0.3306046932331323, 0.5 + 0.4662347571015760};
constexpr double kGaussWeights[] = {0.0856622461895852, 0.1803807865240693, 0.2339569672863455,
                                    0.2339569672863455, 0.1803807865240693, 0.0856622461895852};

// The cubic's power basis a + b t + c t^2 + d t^3 from its points at thirds.
struct Cubic {
  DtGeVector2d a, b, c, d;
  explicit Cubic(DtGePoint2d const* p) {
    DtGeVector2d const p0 = p[0].asVector(), p1 = p[1].asVector(), p2 = p[2].asVector(), p3 = p[3].asVector();
    a = p0;
    b = (p0 * -11.0 + p1 * 18.0 - p2 * 9.0 + p3 * 2.0) * 0.5;
    c = (p0 * 18.0 - p1 * 45.0 + p2 * 36.0 - p3 * 9.0) * 0.5;
    d = (p0 * -9.0 + p1 * 27.0 - p2 * 27.0 + p3 * 9.0) * 0.5;
  }
  DtGeVector2d at(double t) const { return a + (b + (c + d * t) * t) * t; }
  DtGeVector2d slope(double t) const { return b + (c * 2.0 + d * (3.0 * t)) * t; }
};

}  // namespace

// Each step of the curve adds the thin triangle origin, P, P + dP: its area
// is P x dP / 2, and its moments those of the point P weighted by 2/3, 1/2.
Moments cubicMoments(DtGePoint2d const* p) {
  Cubic const k(p);
  Moments m;
  for (int i = 0; i < 6; ++i) {
    DtGeVector2d const x = k.at(kGaussNodes[i]);
    double const w = kGaussWeights[i] * x.crossProduct(k.slope(kGaussNodes[i]));
    m += Moments{w / 2.0, w * x.x / 3.0, w * x.y / 3.0, w * x.x * x.x / 4.0, w * x.y * x.y / 4.0, w * x.x * x.y / 4.0};
  }
  return m;
}

double cubicLength(DtGePoint2d const* p) {
  // The speed is no polynomial: eight pieces keep the rule's error far below rounding.
  Cubic const k(p);
  double sum = 0.0;
  for (int piece = 0; piece < 8; ++piece)
    for (int i = 0; i < 6; ++i) sum += kGaussWeights[i] * k.slope((piece + kGaussNodes[i]) / 8.0).length();
  return sum / 8.0;
}

Moments ellipseArcMoments(DtGePoint2d const& p, DtGePoint2d const& q, DtGePoint2d const& c, DtGeVector2d const& u,
                          DtGeVector2d const& v) {
  auto const [t0, s] = ellipseParams(p, q, c, u, v);
  // The unit circle's sector about its centre, carried by (a, b) -> c + u a + v b.
  Moments const l = sectorMoments({0.0, 0.0}, 1.0, t0, s);
  double const j = u.crossProduct(v);
  double const lx = u.x * l.sx + v.x * l.sy, ly = u.y * l.sx + v.y * l.sy;
  double const lxx = u.x * u.x * l.xx + 2.0 * u.x * v.x * l.xy + v.x * v.x * l.yy;
  double const lyy = u.y * u.y * l.xx + 2.0 * u.y * v.y * l.xy + v.y * v.y * l.yy;
  double const lxy = u.x * u.y * l.xx + (u.x * v.y + v.x * u.y) * l.xy + v.x * v.y * l.yy;
  Moments m{j * l.a,
            j * (c.x * l.a + lx),
            j * (c.y * l.a + ly),
            j * (c.x * c.x * l.a + 2.0 * c.x * lx + lxx),
            j * (c.y * c.y * l.a + 2.0 * c.y * ly + lyy),
            j * (c.x * c.y * l.a + c.x * ly + c.y * lx + lxy)};
  m += edgeMoments(p, c);
  m += edgeMoments(c, q);
  return m;
}

double ellipseArcLength(DtGePoint2d const& p, DtGePoint2d const& q, DtGePoint2d const& c, DtGeVector2d const& u,
                        DtGeVector2d const& v) {
  auto const [t0, s] = ellipseParams(p, q, c, u, v);
  // The speed is smooth and the arcs are short: the cubics' rule suffices.
  double sum = 0.0;
  for (int i = 0; i < 6; ++i) {
    double const t = t0 + s * kGaussNodes[i];
    sum += kGaussWeights[i] * (v * std::cos(t) - u * std::sin(t)).length();
  }
  return std::fabs(s) * sum;
}

}  // namespace zept::shape
