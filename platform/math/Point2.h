// SPDX-License-Identifier: MIT
// Plane points and per-axis scales of the math module. Coordinates are plain
// doubles in whatever length unit the owning contour is written in; y grows
// upwards, as in the model.
#pragma once

#include <cmath>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

struct Scale2 {
  double sx = 1;
  double sy = 1;

  Scale2() = default;
  Scale2(double sxIn, double syIn) : sx(sxIn), sy(syIn) {}
};

struct Point2 {
  double x = 0;
  double y = 0;

  Point2() = default;
  Point2(double xIn, double yIn) : x(xIn), y(yIn) {}

  double distance(Point2 const& other) const { return std::hypot(other.x - x, other.y - y); }

  Point2& operator*=(Scale2 const& s) {
    x *= s.sx;
    y *= s.sy;
    return *this;
  }
  friend Point2 operator*(Point2 p, Scale2 const& s) { return p *= s; }
  friend bool operator==(Point2 const&, Point2 const&) = default;
};

ZEPTDB_END_EXPORTS
