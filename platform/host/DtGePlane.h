// SPDX-License-Identifier: MIT
// DtGePlane: an unbounded plane with its own 2D coordinate system (origin
// and two orthonormal axes whose cross product is the normal). A plane made
// from an origin and a normal takes the axes drawings use for that normal
// (the arbitrary-axis rule), so (0,0,1) gives the world's x and y.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGePoint3d.h"
#include "platform/host/DtGeVector3d.h"

ZEPTDB_BEGIN_EXPORTS

class DtGeMatrix3d;

class DtGePlane {
 public:
  DtGePlane() = default;  // the world's xy plane, normal +z
  DtGePlane(DtGePoint3d const& origin, DtGeVector3d const& normal);
  // Axes as given, made orthonormal (v is turned into the plane of u and v).
  DtGePlane(DtGePoint3d const& origin, DtGeVector3d const& uAxis, DtGeVector3d const& vAxis);

  DtGePlane& set(DtGePoint3d const& origin, DtGeVector3d const& normal);
  DtGePlane& set(DtGePoint3d const& origin, DtGeVector3d const& uAxis, DtGeVector3d const& vAxis);

  DtGeVector3d normal() const { return m_normal; }
  DtGePoint3d pointOnPlane() const { return m_origin; }
  void getCoordSystem(DtGePoint3d& origin, DtGeVector3d& xAxis, DtGeVector3d& yAxis) const;

  // The 2D coordinates of the point's projection onto the plane; tol is
  // accepted for the host's signature.
  DtGePoint2d paramOf(DtGePoint3d const& point, DtGeTol const& tol = DtGeContext::gTol) const;
  DtGePoint3d evalPoint(DtGePoint2d const& param) const;
  DtGePoint3d closestPointTo(DtGePoint3d const& point) const;
  // Signed: positive on the side the normal points to.
  double signedDistanceTo(DtGePoint3d const& point) const;
  double distanceTo(DtGePoint3d const& point) const;
  bool isOn(DtGePoint3d const& point, DtGeTol const& tol = DtGeContext::gTol) const;
  // Same plane, whichever way either normal points.
  bool isCoplanarTo(DtGePlane const& other, DtGeTol const& tol = DtGeContext::gTol) const;

  // Maps the origin and the axes; a map that does not keep the axes at right
  // angles is made orthonormal again (the plane stays the mapped plane).
  DtGePlane& transformBy(DtGeMatrix3d const& m);

  // The axes drawings use for a plane of this normal (the arbitrary-axis
  // rule); the normal need not be a unit vector.
  static void axesOf(DtGeVector3d const& normal, DtGeVector3d& xAxis, DtGeVector3d& yAxis);

 private:
  DtGePoint3d m_origin;
  DtGeVector3d m_xAxis = DtGeVector3d::kXAxis;
  DtGeVector3d m_yAxis = DtGeVector3d::kYAxis;
  DtGeVector3d m_normal = DtGeVector3d::kZAxis;
};

ZEPTDB_END_EXPORTS
