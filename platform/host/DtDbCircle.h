// SPDX-License-Identifier: MIT
// DtDbCircle: a full circle, counter-clockwise about its normal. Its start
// and end point is the point at angle 0 of the plane's axes for the normal
// (DtGePlane's arbitrary-axis rule).
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtDbEntity.h"

ZEPTDB_BEGIN_EXPORTS

class DtDbCircle : public DtDbCurve {
 public:
  DTDB_DECLARE_CAST(DtDbCircle)

  DtDbCircle() = default;  // unit circle about the origin, normal +z
  DtDbCircle(DtGePoint3d const& center, DtGeVector3d const& normal, double radius);

  DtDbEntity* clone() const override { return new DtDbCircle(*this); }
  Dt::ErrorStatus transformBy(DtGeMatrix3d const& m) override;
  Dt::ErrorStatus getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const override;

  DtGePoint3d startPoint() const override;
  DtGePoint3d endPoint() const override { return startPoint(); }
  bool isClosed() const override { return true; }

  DtGePoint3d center() const { return m_center; }
  DtGeVector3d normal() const { return m_normal; }
  double radius() const { return m_radius; }
  void setCenter(DtGePoint3d const& center) { m_center = center; }
  // A zero vector is refused (eInvalidInput).
  Dt::ErrorStatus setNormal(DtGeVector3d const& normal);
  void setRadius(double radius) { m_radius = radius; }

 private:
  DtGePoint3d m_center;
  DtGeVector3d m_normal = DtGeVector3d::kZAxis;
  double m_radius = 1.0;
};

ZEPTDB_END_EXPORTS
