// SPDX-License-Identifier: MIT
// DtGePoint2d: a position in the plane.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGeVector2d.h"

ZEPTDB_BEGIN_EXPORTS

class DtGeMatrix2d;

class DtGePoint2d {
 public:
  constexpr DtGePoint2d() = default;
  constexpr DtGePoint2d(double xx, double yy) : x(xx), y(yy) {}

  static DtGePoint2d const kOrigin;

  DtGePoint2d operator+(DtGeVector2d const& v) const { return {x + v.x, y + v.y}; }
  DtGePoint2d operator-(DtGeVector2d const& v) const { return {x - v.x, y - v.y}; }
  DtGeVector2d operator-(DtGePoint2d const& p) const { return {x - p.x, y - p.y}; }
  DtGePoint2d& operator+=(DtGeVector2d const& v) { return *this = *this + v; }
  DtGePoint2d& operator-=(DtGeVector2d const& v) { return *this = *this - v; }

  DtGeVector2d asVector() const { return {x, y}; }
  double distanceTo(DtGePoint2d const& p) const { return (*this - p).length(); }
  DtGePoint2d& transformBy(DtGeMatrix2d const& m);
  DtGePoint2d& rotateBy(double angle, DtGePoint2d const& wrt = kOrigin);
  DtGePoint2d& scaleBy(double factor, DtGePoint2d const& wrt = kOrigin);

  // Equal within tol.equalPoint(); == uses the global tolerance, as the host does.
  bool isEqualTo(DtGePoint2d const& p, DtGeTol const& tol = DtGeContext::gTol) const;
  bool operator==(DtGePoint2d const& p) const { return isEqualTo(p); }
  bool operator!=(DtGePoint2d const& p) const { return !isEqualTo(p); }

  double x = 0.0;
  double y = 0.0;
};

inline constexpr DtGePoint2d DtGePoint2d::kOrigin{0.0, 0.0};

ZEPTDB_END_EXPORTS
