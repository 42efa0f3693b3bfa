// SPDX-License-Identifier: MIT
// DtGeVector2d: a displacement in the plane. Angles are radians, measured
// counter-clockwise from the x axis (model y points up).
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGeTol.h"

ZEPTDB_BEGIN_EXPORTS

class DtGeMatrix2d;

class DtGeVector2d {
 public:
  constexpr DtGeVector2d() = default;
  constexpr DtGeVector2d(double xx, double yy) : x(xx), y(yy) {}

  static DtGeVector2d const kIdentity;  // (0, 0)
  static DtGeVector2d const kXAxis;
  static DtGeVector2d const kYAxis;

  DtGeVector2d operator+(DtGeVector2d const& v) const { return {x + v.x, y + v.y}; }
  DtGeVector2d operator-(DtGeVector2d const& v) const { return {x - v.x, y - v.y}; }
  DtGeVector2d operator-() const { return {-x, -y}; }
  DtGeVector2d operator*(double f) const { return {x * f, y * f}; }
  DtGeVector2d operator/(double f) const { return {x / f, y / f}; }
  friend DtGeVector2d operator*(double f, DtGeVector2d const& v) { return v * f; }
  DtGeVector2d& operator+=(DtGeVector2d const& v) { return *this = *this + v; }
  DtGeVector2d& operator-=(DtGeVector2d const& v) { return *this = *this - v; }
  DtGeVector2d& operator*=(double f) { return *this = *this * f; }
  DtGeVector2d& operator/=(double f) { return *this = *this / f; }

  double length() const;
  double lengthSqrd() const { return x * x + y * y; }
  double dotProduct(DtGeVector2d const& v) const { return x * v.x + y * v.y; }
  // z of the 3D cross product: positive when v lies counter-clockwise of this.
  double crossProduct(DtGeVector2d const& v) const { return x * v.y - y * v.x; }
  // Direction in [0, 2*pi); 0 for the zero vector.
  double angle() const;
  // Signed angle in (-pi, pi] that turns this onto v.
  double angleTo(DtGeVector2d const& v) const;
  // Unit vector of the same direction; the zero vector stays zero.
  DtGeVector2d normal() const;
  DtGeVector2d& normalize() { return *this = normal(); }
  DtGeVector2d& negate() { return *this = -*this; }
  // This turned by +90 degrees.
  DtGeVector2d perpVector() const { return {-y, x}; }
  DtGeVector2d& rotateBy(double angle);
  // Applies the matrix's linear part only: vectors have no position.
  DtGeVector2d& transformBy(DtGeMatrix2d const& m);

  bool isZeroLength(DtGeTol const& tol = DtGeContext::gTol) const;
  bool isEqualTo(DtGeVector2d const& v, DtGeTol const& tol = DtGeContext::gTol) const;
  bool operator==(DtGeVector2d const& v) const { return isEqualTo(v); }
  bool operator!=(DtGeVector2d const& v) const { return !isEqualTo(v); }

  double x = 0.0;
  double y = 0.0;
};

inline constexpr DtGeVector2d DtGeVector2d::kIdentity{0.0, 0.0};
inline constexpr DtGeVector2d DtGeVector2d::kXAxis{1.0, 0.0};
inline constexpr DtGeVector2d DtGeVector2d::kYAxis{0.0, 1.0};

ZEPTDB_END_EXPORTS
