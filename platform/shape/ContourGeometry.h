// SPDX-License-Identifier: MIT
// Geometry of one polyline segment given by its end points and bulge
// (bulge = tan(sweep / 4), positive counter-clockwise), shared by the
// contour's extent and the section values.
#pragma once

#include "platform/host/DtGePoint2d.h"

namespace zept::shape {

// An axis-parallel box that starts empty and grows.
struct Box {
  DtGePoint2d max;
  DtGePoint2d min;
  bool empty = true;

  void add(DtGePoint2d const& p);
  void add(Box const& other);
};

// The box around the extents of several parts (anything with getExtents);
// false when none has geometry.
template <typename Parts>
bool joinExtents(Parts const& parts, DtGePoint2d& max, DtGePoint2d& min) {
  Box box;
  for (auto const& part : parts) {
    Box one;
    one.empty = !part.getExtents(one.max, one.min);
    box.add(one);
  }
  max = box.max;
  min = box.min;
  return !box.empty;
}

// Grows `box` by the segment from p to q: its end points and, for an arc, the
// points where it is furthest along x or y.
void addSegment(Box& box, DtGePoint2d const& p, DtGePoint2d const& q, double bulge);

}  // namespace zept::shape
