// SPDX-License-Identifier: MIT
// DtDbArc: a circular arc running counter-clockwise about its normal from
// startAngle to endAngle. Angles are radians measured from the x axis of
// the plane's axes for the normal (for normal +z: from world +x).
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtDbEntity.h"

ZEPTDB_BEGIN_EXPORTS

class DtDbArc : public DtDbCurve {
 public:
  DTDB_DECLARE_CAST(DtDbArc)

  DtDbArc() = default;  // unit half circle about the origin, normal +z
  DtDbArc(DtGePoint3d const& center, DtGeVector3d const& normal, double radius, double startAngle, double endAngle);
  // Normal +z.
  DtDbArc(DtGePoint3d const& center, double radius, double startAngle, double endAngle);

  DtDbEntity* clone() const override { return new DtDbArc(*this); }
  Dt::ErrorStatus transformBy(DtGeMatrix3d const& m) override;
  Dt::ErrorStatus getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const override;

  DtGePoint3d startPoint() const override { return pointAt(m_startAngle); }
  DtGePoint3d endPoint() const override { return pointAt(m_endAngle); }
  bool isClosed() const override { return false; }

  DtGePoint3d center() const { return m_center; }
  DtGeVector3d normal() const { return m_normal; }
  double radius() const { return m_radius; }
  double startAngle() const { return m_startAngle; }
  double endAngle() const { return m_endAngle; }
  // endAngle - startAngle brought into [0, 2*pi): 0 for equal angles.
  double totalAngle() const;
  DtGePoint3d pointAt(double angle) const;

  void setCenter(DtGePoint3d const& center) { m_center = center; }
  Dt::ErrorStatus setNormal(DtGeVector3d const& normal);
  void setRadius(double radius) { m_radius = radius; }
  void setStartAngle(double angle) { m_startAngle = angle; }
  void setEndAngle(double angle) { m_endAngle = angle; }

 private:
  DtGePoint3d m_center;
  DtGeVector3d m_normal = DtGeVector3d::kZAxis;
  double m_radius = 1.0;
  double m_startAngle = 0.0;
  double m_endAngle = 3.141592653589793;
};

ZEPTDB_END_EXPORTS
