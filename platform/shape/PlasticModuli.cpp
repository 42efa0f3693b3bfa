// SPDX-License-Identifier: MIT
// Equal-area axes and plastic moduli by clipping the exact boundary at a
// line; relies on oriented loops (SectionBoundary).
#include "platform/shape/PlasticModuli.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zept::shape {
namespace {

constexpr double kPi = std::numbers::pi;

// The straight piece p -> q above y = c: a parameter interval of the chord.
void lineAbove(Segment const& s, double c, Above& sum) {
  double const e0 = s.p.y - c, dy = s.q.y - s.p.y, dx = s.q.x - s.p.x;
  double s0 = 0.0, s1 = 1.0;
  if (dy == 0.0) {
    if (e0 < 0.0) return;
  } else {
    double const cut = -e0 / dy;
    if (dy > 0.0) s0 = std::clamp(cut, 0.0, 1.0);
    else s1 = std::clamp(cut, 0.0, 1.0);
    if (s1 <= s0) return;
  }
  double const d1 = s1 - s0, d2 = s1 * s1 - s0 * s0, d3 = s1 * s1 * s1 - s0 * s0 * s0;
  sum.area += -dx * (e0 * d1 + dy * d2 / 2.0);
  sum.moment += -dx / 2.0 * (e0 * e0 * d1 + e0 * dy * d2 + dy * dy * d3 / 3.0);
}

// Antiderivatives in the arc's angle t of -(y - c) dx and -(y - c)^2/2 dx,
// with y = cy + r sin t, dx = -r sin t dt and e = cy - c: the integrands
// are r (e + r sin t) sin t and r/2 (e + r sin t)^2 sin t.
double areaPrimitive(double e, double r, double t) {
  return r * (-e * std::cos(t) + r * (t / 2.0 - std::sin(2.0 * t) / 4.0));
}
double momentPrimitive(double e, double r, double t) {
  double const ct = std::cos(t);
  return r / 2.0 * (-e * e * ct + 2.0 * e * r * (t / 2.0 - std::sin(2.0 * t) / 4.0) + r * r * (-ct + ct * ct * ct / 3.0));
}

void arcInterval(Segment const& s, double e, double t0, double t1, double sign, Above& sum) {
  if (t1 <= t0) return;
  sum.area += sign * (areaPrimitive(e, s.r, t1) - areaPrimitive(e, s.r, t0));
  sum.moment += sign * (momentPrimitive(e, s.r, t1) - momentPrimitive(e, s.r, t0));
}

// The arc above y = c: where sin t >= (c - cy) / r, a band of each turn.
void arcAbove(Segment const& s, double c, Above& sum) {
  double const e = s.c.y - c;
  double const lo = std::min(s.a0, s.a0 + s.sweep), hi = std::max(s.a0, s.a0 + s.sweep);
  double const sign = s.sweep > 0.0 ? 1.0 : -1.0;
  double const u = -e / s.r;
  if (u <= -1.0) return arcInterval(s, e, lo, hi, sign, sum);
  if (u >= 1.0) return;
  double const alpha = std::asin(u);
  double const first = std::floor((lo - (kPi - alpha)) / (2.0 * kPi));
  for (double k = first; alpha + 2.0 * kPi * k <= hi; k += 1.0) {
    double const from = std::max(lo, alpha + 2.0 * kPi * k), to = std::min(hi, kPi - alpha + 2.0 * kPi * k);
    arcInterval(s, e, from, to, sign, sum);
  }
}

std::vector<Loop> turned(std::vector<Loop> const& loops) {
  // (x, y) -> (-y, x): a quarter turn counter-clockwise keeps orientations.
  auto turn = [](Vec v) { return Vec{-v.y, v.x}; };
  std::vector<Loop> out = loops;
  for (Loop& loop : out)
    for (Segment& s : loop.segments) {
      s.p = turn(s.p);
      s.q = turn(s.q);
      s.c = turn(s.c);
      s.a0 += kPi / 2.0;
    }
  return out;
}

PlasticAxis solve(std::vector<Loop> const& loops, double area, double lo, double hi) {
  // The area above falls monotonically from the whole to nothing; halve the
  // bracket until it no longer shrinks.
  double a = lo, b = hi;
  for (int i = 0; i < 200 && b - a > 0.0; ++i) {
    double const m = a + (b - a) / 2.0;
    if (m <= a || m >= b) break;
    (above(loops, m).area > area / 2.0 ? a : b) = m;
  }
  PlasticAxis axis;
  axis.position = a + (b - a) / 2.0;
  Above const top = above(loops, axis.position);
  // |y - c| integrated: twice the moment above less the whole first moment
  // about the axis, which is -A c since the centroid is the origin.
  axis.modulus = 2.0 * top.moment + area * axis.position;
  return axis;
}

}  // namespace

Above above(std::vector<Loop> const& loops, double c) {
  Above sum;
  for (Loop const& loop : loops)
    for (Segment const& s : loop.segments) (s.isArc() ? arcAbove : lineAbove)(s, c, sum);
  return sum;
}

PlasticAxis plasticAboutHorizontal(Boundary const& boundary) {
  return solve(boundary.loops, boundary.area, boundary.min.y, boundary.max.y);
}

PlasticAxis plasticAboutVertical(Boundary const& boundary) {
  return solve(turned(boundary.loops), boundary.area, boundary.min.x, boundary.max.x);
}

}  // namespace zept::shape
