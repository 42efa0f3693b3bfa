// SPDX-License-Identifier: MIT
// Bounding boxes of polyline segments: an arc's box takes in the quadrant
// points its sweep passes.
#include "platform/shape/ContourGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/host/DtGeCircArc2d.h"

namespace zept::shape {

void Box::add(DtGePoint2d const& p) {
  if (empty) {
    max = min = p;
    empty = false;
    return;
  }
  max.x = std::max(max.x, p.x);
  max.y = std::max(max.y, p.y);
  min.x = std::min(min.x, p.x);
  min.y = std::min(min.y, p.y);
}

void Box::add(Box const& other) {
  if (other.empty) return;
  add(other.max);
  add(other.min);
}

void addSegment(Box& box, DtGePoint2d const& p, DtGePoint2d const& q, double bulge) {
  box.add(p);
  box.add(q);
  DtGeCircArc2d arc;
  if (arc.set(p, q, bulge) != Dt::eOk) return;
  // Walk the sweep counter-clockwise from its lower end; the extremes sit at
  // multiples of a quarter turn.
  double const sweep = std::fabs(arc.signedSweep());
  double from = (p - arc.center()).angle();
  if (arc.isClockWise()) from -= sweep;
  double const quarter = std::numbers::pi / 2.0;
  for (double k = std::ceil(from / quarter); k * quarter <= from + sweep; k += 1.0) {
    // Exact directions keep cos(pi/2) from leaving a 6e-17 residue.
    int const dir = static_cast<int>(std::fmod(std::fmod(k, 4.0) + 4.0, 4.0));
    static constexpr double kDx[4] = {1.0, 0.0, -1.0, 0.0};
    static constexpr double kDy[4] = {0.0, 1.0, 0.0, -1.0};
    box.add(DtGePoint2d(arc.center().x + arc.radius() * kDx[dir], arc.center().y + arc.radius() * kDy[dir]));
  }
}

}  // namespace zept::shape
