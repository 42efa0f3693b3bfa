// SPDX-License-Identifier: MIT
// DtGePoint3d: a position in space.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGeVector3d.h"

ZEPTDB_BEGIN_EXPORTS

class DtGeMatrix3d;

class DtGePoint3d {
 public:
  constexpr DtGePoint3d() = default;
  constexpr DtGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

  static DtGePoint3d const kOrigin;

  DtGePoint3d operator+(DtGeVector3d const& v) const { return {x + v.x, y + v.y, z + v.z}; }
  DtGePoint3d operator-(DtGeVector3d const& v) const { return {x - v.x, y - v.y, z - v.z}; }
  DtGeVector3d operator-(DtGePoint3d const& p) const { return {x - p.x, y - p.y, z - p.z}; }
  DtGePoint3d& operator+=(DtGeVector3d const& v) { return *this = *this + v; }
  DtGePoint3d& operator-=(DtGeVector3d const& v) { return *this = *this - v; }
  // Scaling about the origin, as the host's point arithmetic allows.
  DtGePoint3d operator*(double f) const { return {x * f, y * f, z * f}; }

  DtGeVector3d asVector() const { return {x, y, z}; }
  double distanceTo(DtGePoint3d const& p) const { return (*this - p).length(); }
  DtGePoint3d& transformBy(DtGeMatrix3d const& m);

  // Equal within tol.equalPoint(); == uses the global tolerance.
  bool isEqualTo(DtGePoint3d const& p, DtGeTol const& tol = DtGeContext::gTol) const;
  bool operator==(DtGePoint3d const& p) const { return isEqualTo(p); }
  bool operator!=(DtGePoint3d const& p) const { return !isEqualTo(p); }

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline constexpr DtGePoint3d DtGePoint3d::kOrigin{0.0, 0.0, 0.0};

ZEPTDB_END_EXPORTS
