// SPDX-License-Identifier: MIT
// DtDbRegion: a bounded planar area: one or more faces, each an outer loop
// with its holes, bounded by exact lines and circular arcs (ellipse and
// spline pieces are kept as fine chains of points). Regions are made from
// closed curves and combined with union, intersection and subtraction; their
// area, perimeter, centroid and moments come from closed forms over the
// lines and arcs, never from a tessellation.
#pragma once

#include <memory>

#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/host/DtDbEntity.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeVector2d.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept::host {
struct RegionData;
}

class DtDbRegion : public DtDbEntity {
 public:
  DTDB_DECLARE_CAST(DtDbRegion)

  DtDbRegion();  // empty
  DtDbRegion(DtDbRegion const& other);
  DtDbRegion& operator=(DtDbRegion const& other);
  ~DtDbRegion() override;

  // Every closed loop the curves make becomes one new region the caller
  // owns, appended to `regions`: a circle, a closed polyline, a full
  // ellipse, a closed spline, or lines, arcs, open polylines, elliptical arcs
  // and open splines that meet end to end in one plane. Holes are made by
  // subtracting one region from another. Results: eInvalidInput (empty
  // array, null entry, non-finite value), eNotThatKindOfClass (an entity
  // that is not a curve), eDegenerateGeometry (zero-length line, radius not
  // above 0, flat ellipse, too few fit points, a loop without area),
  // eOpenCurve (a curve end that meets no other, or three ends at one
  // point), eNonPlanarEntity (a loop whose curves are not in one plane),
  // eSelfIntersecting (a loop that crosses or touches itself). On any error
  // nothing is appended.
  static Dt::ErrorStatus createFromCurves(DtArray<DtDbEntity*> const& curves, DtArray<DtDbRegion*>& regions);

  DtDbEntity* clone() const override { return new DtDbRegion(*this); }
  // Similarities only (a region keeps its circular arcs circular).
  Dt::ErrorStatus transformBy(DtGeMatrix3d const& m) override;
  Dt::ErrorStatus getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const override;

  virtual bool isNull() const;
  // The plane of the region; its coordinate system is that of a plane made
  // from its origin and normal. eNotApplicable for an empty region.
  Dt::ErrorStatus getPlane(DtGePlane& plane) const;
  Dt::ErrorStatus getNormal(DtGeVector3d& normal) const;
  Dt::ErrorStatus getArea(double& area) const;
  Dt::ErrorStatus getPerimeter(double& perimeter) const;
  int numFaces() const;

  // This region becomes this op other; `other` is left empty. Regions in
  // different planes give eNonPlanarEntity and stay as they were; an
  // operation other than unite, intersect or subtract gives eInvalidInput;
  // outlines the combination cannot take give eDegenerateGeometry.
  // The result keeps the operands' lines and arcs; where they cross, the
  // new vertices are the exact crossings. Arcs are tessellated for the
  // combination itself within a chord error that shrinks with the cube
  // root of the radius (regionChordError), small enough that two regions
  // whose boundaries overlap by more than 0.0005 in area at one contact are
  // never taken as merely touching. Boundaries closer than 1e-7 of the
  // operands' extent are one boundary to the combination: an intersection
  // misses an overlap thinner than that (at most that width times its
  // length), which union and subtraction still measure.
  Dt::ErrorStatus booleanOper(DtDb::BoolOperType operation, DtDbRegion* other);

  // Area properties in the coordinate system (origin, xAxis, yAxis), which
  // must lie in the region's plane (eInvalidInput otherwise; the axes are
  // made unit length). centroid and extents are 2D coordinates in that
  // system; momInertia are the second moments about its x and y axes,
  // prodInertia the product about them; prinMoments and prinAxes the
  // principal moments and directions about the centroid; radiiGyration
  // sqrt(momInertia / area). eNotApplicable for an empty region.
  Dt::ErrorStatus getAreaProp(DtGePoint3d const& origin, DtGeVector3d const& xAxis, DtGeVector3d const& yAxis,
                              double& perimeter, double& area, DtGePoint2d& centroid, double momInertia[2],
                              double& prodInertia, double prinMoments[2], DtGeVector2d prinAxes[2],
                              double radiiGyration[2], DtGePoint2d& extentsLow, DtGePoint2d& extentsHigh) const;

  // The chord error used for an arc of this radius in boolean operations.
  static double regionChordError(double radius);

  // The region's geometry, shared read-only with boundary representations.
  std::shared_ptr<zept::host::RegionData const> data() const { return m_data; }
  explicit DtDbRegion(std::shared_ptr<zept::host::RegionData const> data);

 private:
  std::shared_ptr<zept::host::RegionData const> m_data;
};

ZEPTDB_END_EXPORTS
