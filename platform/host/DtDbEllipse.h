// SPDX-License-Identifier: MIT
// DtDbEllipse: an ellipse or an elliptical arc. Its points are
// center + majorAxis * cos(t) + minorAxis * sin(t) for the parameter t from
// startParam to endParam (counter-clockwise about the normal), where
// minorAxis = radiusRatio * (normal x majorAxis) with a unit normal.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtDbEntity.h"

ZEPTDB_BEGIN_EXPORTS

class DtDbEllipse : public DtDbCurve {
 public:
  DTDB_DECLARE_CAST(DtDbEllipse)

  DtDbEllipse() = default;  // unit circle about the origin, normal +z
  DtDbEllipse(DtGePoint3d const& center, DtGeVector3d const& normal, DtGeVector3d const& majorAxis,
              double radiusRatio, double startParam = 0.0, double endParam = 6.283185307179586);

  DtDbEntity* clone() const override { return new DtDbEllipse(*this); }
  // Any non-singular affine map keeps an ellipse an ellipse.
  Dt::ErrorStatus transformBy(DtGeMatrix3d const& m) override;
  Dt::ErrorStatus getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const override;

  DtGePoint3d startPoint() const override { return pointAtParam(m_startParam); }
  DtGePoint3d endPoint() const override { return pointAtParam(m_endParam); }
  // A full turn from startParam to endParam.
  bool isClosed() const override;

  DtGePoint3d center() const { return m_center; }
  DtGeVector3d normal() const { return m_normal; }
  DtGeVector3d majorAxis() const { return m_majorAxis; }
  DtGeVector3d minorAxis() const;
  double radiusRatio() const { return m_radiusRatio; }
  double startParam() const { return m_startParam; }
  double endParam() const { return m_endParam; }
  DtGePoint3d pointAtParam(double param) const;

 private:
  DtGePoint3d m_center;
  DtGeVector3d m_normal = DtGeVector3d::kZAxis;
  DtGeVector3d m_majorAxis = DtGeVector3d::kXAxis;
  double m_radiusRatio = 1.0;
  double m_startParam = 0.0;
  double m_endParam = 6.283185307179586;
};

ZEPTDB_END_EXPORTS
