// SPDX-License-Identifier: MIT
// LAEdge made from a polyline segment's bulge (tan(sweep / 4)), its centre
// on the chord's bisector, and the bulge read back from the sweep.
#include "platform/math/LAEdge.h"

#include <cmath>

LAEdge LAEdge::fromBulge(Point2 const& from, Point2 const& to, double bulge) {
  if (bulge == 0 || !std::isfinite(bulge) || from == to) return LAEdge(from);
  // With chord d = to - from and b the bulge, the centre lies on the chord's
  // perpendicular bisector at the signed distance |d| (1 - b²) / (4b) to the
  // left: left of the chord for a short counter-clockwise arc, right of it
  // once the arc passes half a turn (|b| > 1).
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double k = (1 - bulge * bulge) / (4 * bulge);
  const Point2 center((from.x + to.x) / 2 - dy * k, (from.y + to.y) / 2 + dx * k);
  return LAEdge(from, center, 4 * std::atan(bulge));
}

double LAEdge::bulge() const { return type == Arc ? std::tan(sweep / 4) : 0; }
