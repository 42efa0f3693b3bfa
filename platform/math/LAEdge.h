// SPDX-License-Identifier: MIT
// One edge of a contour: it starts at `start` and ends where the next edge of
// its LAContour starts (the last one at the first one's start). An arc edge
// turns about `center` by `sweep` radians, positive counter-clockwise (y up);
// only the magnitude of the sweep tells a short arc from a long one, since
// the end point is the next edge's.
#pragma once

#include <cstdint>

#include "platform/core/Export.h"
#include "platform/math/Point2.h"

ZEPTDB_BEGIN_EXPORTS

struct LAEdge {
  enum Kind : std::int32_t { Line = 0, Arc = 1 };

  std::int32_t type = Line;  // Line or Arc; other values are carried, not drawn
  Point2 start;
  Point2 center;     // Arc only
  double sweep = 0;  // Arc only: radians, signed

  LAEdge() = default;
  explicit LAEdge(Point2 const& startIn) : start(startIn) {}
  LAEdge(Point2 const& startIn, Point2 const& centerIn, double sweepIn)
      : type(Arc), start(startIn), center(centerIn), sweep(sweepIn) {}

  // The edge of a polyline vertex at `from` whose segment ends at `to`, with
  // the polyline's bulge (tan of a quarter of the sweep, positive for a
  // counter-clockwise arc). A zero or non-finite bulge, or `from` equal to
  // `to`, gives a straight edge.
  static LAEdge fromBulge(Point2 const& from, Point2 const& to, double bulge);

  // The inverse: tan(sweep / 4) for an arc, 0 otherwise.
  double bulge() const;
};

ZEPTDB_END_EXPORTS
