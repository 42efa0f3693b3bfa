// SPDX-License-Identifier: MIT
// DtGeMatrix3d: an affine map of space as a 4x4 matrix acting on column
// vectors (x, y, z, 1). A * B applies B first. Angles are radians, positive
// by the right-hand rule about the axis.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGePoint3d.h"
#include "platform/host/DtGeVector3d.h"

ZEPTDB_BEGIN_EXPORTS

class DtGePlane;

class DtGeMatrix3d {
 public:
  constexpr DtGeMatrix3d()
      : entry{{1.0, 0.0, 0.0, 0.0}, {0.0, 1.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0}, {0.0, 0.0, 0.0, 1.0}} {}

  static DtGeMatrix3d const kIdentity;

  static DtGeMatrix3d translation(DtGeVector3d const& v);
  static DtGeMatrix3d rotation(double angle, DtGeVector3d const& axis,
                               DtGePoint3d const& center = DtGePoint3d::kOrigin);
  static DtGeMatrix3d scaling(double factor, DtGePoint3d const& center = DtGePoint3d::kOrigin);
  // Reflection in the plane.
  static DtGeMatrix3d mirroring(DtGePlane const& plane);

  DtGeMatrix3d& setToIdentity();
  DtGeMatrix3d& setToTranslation(DtGeVector3d const& v);
  DtGeMatrix3d& setToRotation(double angle, DtGeVector3d const& axis,
                              DtGePoint3d const& center = DtGePoint3d::kOrigin);
  DtGeMatrix3d& setToScaling(double factor, DtGePoint3d const& center = DtGePoint3d::kOrigin);
  DtGeMatrix3d& setToProduct(DtGeMatrix3d const& a, DtGeMatrix3d const& b);
  // The map from the coordinate system (origin, axes) to world coordinates:
  // the axes are the columns, the origin the translation.
  DtGeMatrix3d& setCoordSystem(DtGePoint3d const& origin, DtGeVector3d const& xAxis, DtGeVector3d const& yAxis,
                               DtGeVector3d const& zAxis);
  void getCoordSystem(DtGePoint3d& origin, DtGeVector3d& xAxis, DtGeVector3d& yAxis, DtGeVector3d& zAxis) const;
  // Replaces the translation part, keeping the linear part.
  DtGeMatrix3d& setTranslation(DtGeVector3d const& v);
  DtGeVector3d translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }

  DtGeMatrix3d operator*(DtGeMatrix3d const& b) const;
  DtGeMatrix3d& operator*=(DtGeMatrix3d const& b) { return *this = *this * b; }
  DtGeMatrix3d& preMultBy(DtGeMatrix3d const& left) { return *this = left * *this; }
  DtGeMatrix3d& postMultBy(DtGeMatrix3d const& right) { return *this = *this * right; }

  // Determinant of the linear part: negative for a map that mirrors.
  double det() const;
  bool isSingular(DtGeTol const& tol = DtGeContext::gTol) const;
  // The inverse; a singular matrix gives the identity (check isSingular first).
  DtGeMatrix3d inverse() const;
  DtGeMatrix3d& invert() { return *this = inverse(); }
  // The uniform scale of the linear part when it is a similarity
  // (rotation, reflection, uniform scaling), else 0.
  double similarityScale() const;

  bool isEqualTo(DtGeMatrix3d const& m, DtGeTol const& tol = DtGeContext::gTol) const;
  bool operator==(DtGeMatrix3d const& m) const { return isEqualTo(m); }
  bool operator!=(DtGeMatrix3d const& m) const { return !isEqualTo(m); }

  double operator()(unsigned row, unsigned col) const { return entry[row][col]; }
  double& operator()(unsigned row, unsigned col) { return entry[row][col]; }

  double entry[4][4];
};

inline constexpr DtGeMatrix3d DtGeMatrix3d::kIdentity{};

ZEPTDB_END_EXPORTS
