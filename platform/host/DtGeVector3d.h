// SPDX-License-Identifier: MIT
// DtGeVector3d: a displacement in space. Comparisons use the tolerance's
// equalVector; == and != the global tolerance DtGeContext::gTol.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGeTol.h"

ZEPTDB_BEGIN_EXPORTS

class DtGeMatrix3d;

class DtGeVector3d {
 public:
  constexpr DtGeVector3d() = default;
  constexpr DtGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

  static DtGeVector3d const kIdentity;  // (0, 0, 0)
  static DtGeVector3d const kXAxis;
  static DtGeVector3d const kYAxis;
  static DtGeVector3d const kZAxis;

  DtGeVector3d operator+(DtGeVector3d const& v) const { return {x + v.x, y + v.y, z + v.z}; }
  DtGeVector3d operator-(DtGeVector3d const& v) const { return {x - v.x, y - v.y, z - v.z}; }
  DtGeVector3d operator-() const { return {-x, -y, -z}; }
  DtGeVector3d operator*(double f) const { return {x * f, y * f, z * f}; }
  DtGeVector3d operator/(double f) const { return {x / f, y / f, z / f}; }
  friend DtGeVector3d operator*(double f, DtGeVector3d const& v) { return v * f; }
  DtGeVector3d& operator+=(DtGeVector3d const& v) { return *this = *this + v; }
  DtGeVector3d& operator-=(DtGeVector3d const& v) { return *this = *this - v; }
  DtGeVector3d& operator*=(double f) { return *this = *this * f; }
  DtGeVector3d& operator/=(double f) { return *this = *this / f; }

  double length() const;
  double lengthSqrd() const { return x * x + y * y + z * z; }
  double dotProduct(DtGeVector3d const& v) const { return x * v.x + y * v.y + z * v.z; }
  DtGeVector3d crossProduct(DtGeVector3d const& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
  }
  // Unit vector of the same direction; the zero vector stays zero.
  DtGeVector3d normal() const;
  DtGeVector3d& normalize() { return *this = normal(); }
  DtGeVector3d& negate() { return *this = -*this; }
  // Some unit vector at right angles to this one (the x axis of the plane
  // whose normal this is, as drawings choose it).
  DtGeVector3d perpVector() const;
  // Unsigned angle in [0, pi] between the two.
  double angleTo(DtGeVector3d const& v) const;
  // Applies the matrix's linear part only: vectors have no position.
  DtGeVector3d& transformBy(DtGeMatrix3d const& m);

  bool isZeroLength(DtGeTol const& tol = DtGeContext::gTol) const;
  bool isParallelTo(DtGeVector3d const& v, DtGeTol const& tol = DtGeContext::gTol) const;
  bool isEqualTo(DtGeVector3d const& v, DtGeTol const& tol = DtGeContext::gTol) const;
  bool operator==(DtGeVector3d const& v) const { return isEqualTo(v); }
  bool operator!=(DtGeVector3d const& v) const { return !isEqualTo(v); }

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline constexpr DtGeVector3d DtGeVector3d::kIdentity{0.0, 0.0, 0.0};
inline constexpr DtGeVector3d DtGeVector3d::kXAxis{1.0, 0.0, 0.0};
inline constexpr DtGeVector3d DtGeVector3d::kYAxis{0.0, 1.0, 0.0};
inline constexpr DtGeVector3d DtGeVector3d::kZAxis{0.0, 0.0, 1.0};

ZEPTDB_END_EXPORTS
