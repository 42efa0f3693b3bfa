// SPDX-License-Identifier: MIT
// DtGeMatrix2d: an affine map of the plane as a 3x3 matrix acting on column
// vectors (x, y, 1). A * B applies B first. Angles are radians.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeVector2d.h"

ZEPTDB_BEGIN_EXPORTS

class DtGeMatrix2d {
 public:
  constexpr DtGeMatrix2d() : entry{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}} {}

  static DtGeMatrix2d const kIdentity;

  static DtGeMatrix2d rotation(double angle, DtGePoint2d const& center = DtGePoint2d::kOrigin);
  static DtGeMatrix2d translation(DtGeVector2d const& v);
  static DtGeMatrix2d scaling(double factor, DtGePoint2d const& center = DtGePoint2d::kOrigin);
  // Reflection across the line through `point` along `direction`.
  static DtGeMatrix2d mirroring(DtGePoint2d const& point, DtGeVector2d const& direction);

  DtGeMatrix2d& setToIdentity();
  DtGeMatrix2d& setToRotation(double angle, DtGePoint2d const& center = DtGePoint2d::kOrigin);
  DtGeMatrix2d& setToTranslation(DtGeVector2d const& v);
  DtGeMatrix2d& setToScaling(double factor, DtGePoint2d const& center = DtGePoint2d::kOrigin);
  DtGeMatrix2d& setToProduct(DtGeMatrix2d const& a, DtGeMatrix2d const& b);
  // Replaces the translation part, keeping the linear part.
  DtGeMatrix2d& setTranslation(DtGeVector2d const& v);
  DtGeVector2d translation() const { return {entry[0][2], entry[1][2]}; }

  DtGeMatrix2d operator*(DtGeMatrix2d const& b) const;
  DtGeMatrix2d& operator*=(DtGeMatrix2d const& b) { return *this = *this * b; }
  DtGeMatrix2d& preMultBy(DtGeMatrix2d const& left) { return *this = left * *this; }
  DtGeMatrix2d& postMultBy(DtGeMatrix2d const& right) { return *this = *this * right; }

  // Determinant of the linear part: negative for a map that mirrors.
  double det() const;
  bool isSingular(DtGeTol const& tol = DtGeContext::gTol) const;
  // The inverse; a singular matrix gives the identity (check isSingular first).
  DtGeMatrix2d inverse() const;
  DtGeMatrix2d& invert() { return *this = inverse(); }

  bool isEqualTo(DtGeMatrix2d const& m, DtGeTol const& tol = DtGeContext::gTol) const;
  bool operator==(DtGeMatrix2d const& m) const { return isEqualTo(m); }
  bool operator!=(DtGeMatrix2d const& m) const { return !isEqualTo(m); }

  double operator()(unsigned row, unsigned col) const { return entry[row][col]; }
  double& operator()(unsigned row, unsigned col) { return entry[row][col]; }

  double entry[3][3];
};

inline constexpr DtGeMatrix2d DtGeMatrix2d::kIdentity{};

ZEPTDB_END_EXPORTS
