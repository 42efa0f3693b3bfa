// SPDX-License-Identifier: MIT
// DtDbSpline: a smooth curve through its fit points (a cubic Catmull-Rom
// spline with one span between each two neighbouring fit points, so an
// affine map of the fit points maps the curve alike). When the last fit
// point equals the first, the spline is closed and smooth there too.
#pragma once

#include <vector>

#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/host/DtDbEntity.h"

ZEPTDB_BEGIN_EXPORTS

class DtDbSpline : public DtDbCurve {
 public:
  DTDB_DECLARE_CAST(DtDbSpline)

  DtDbSpline() = default;
  explicit DtDbSpline(DtArray<DtGePoint3d> const& fitPoints);

  DtDbEntity* clone() const override { return new DtDbSpline(*this); }
  Dt::ErrorStatus transformBy(DtGeMatrix3d const& m) override;
  Dt::ErrorStatus getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const override;

  // Both the origin for a spline without fit points.
  DtGePoint3d startPoint() const override;
  DtGePoint3d endPoint() const override;
  bool isClosed() const override;

  int numFitPoints() const { return static_cast<int>(m_fit.size()); }
  Dt::ErrorStatus getFitPointAt(int index, DtGePoint3d& point) const;
  // The point at parameter t in [0, numFitPoints() - 1]; span i runs from
  // fit point i (t = i) to fit point i + 1.
  DtGePoint3d pointAt(double t) const;
  // `perSpan` points per span from the start, then the end point.
  std::vector<DtGePoint3d> samplePoints(int perSpan) const;

 private:
  std::vector<DtGePoint3d> m_fit;
};

ZEPTDB_END_EXPORTS
