// SPDX-License-Identifier: MIT
// DtDbLine: a straight segment between two points.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtDbEntity.h"

ZEPTDB_BEGIN_EXPORTS

class DtDbLine : public DtDbCurve {
 public:
  DTDB_DECLARE_CAST(DtDbLine)

  DtDbLine() = default;
  DtDbLine(DtGePoint3d const& start, DtGePoint3d const& end) : m_start(start), m_end(end) {}

  DtDbEntity* clone() const override { return new DtDbLine(*this); }
  Dt::ErrorStatus transformBy(DtGeMatrix3d const& m) override;
  Dt::ErrorStatus getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const override;

  DtGePoint3d startPoint() const override { return m_start; }
  DtGePoint3d endPoint() const override { return m_end; }
  bool isClosed() const override { return false; }
  void setStartPoint(DtGePoint3d const& point) { m_start = point; }
  void setEndPoint(DtGePoint3d const& point) { m_end = point; }
  double length() const { return m_start.distanceTo(m_end); }

 private:
  DtGePoint3d m_start;
  DtGePoint3d m_end;
};

ZEPTDB_END_EXPORTS
