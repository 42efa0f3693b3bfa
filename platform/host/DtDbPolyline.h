// SPDX-License-Identifier: MIT
// DtDbPolyline: the host's lightweight polyline. Vertex i starts segment i,
// which ends at vertex i + 1 (or, when the polyline is closed, the last
// segment at vertex 0). A vertex's bulge shapes its segment: 0 straight,
// otherwise an arc with bulge = tan(sweep / 4), positive counter-clockwise,
// so 1 is a half circle and values beyond 1 more than half a turn.
// Vertices are 2D coordinates in the polyline's own plane: the plane of its
// normal (axes by DtGePlane's arbitrary-axis rule) at its elevation along
// the normal; by default the world's plane z = 0 with normal +z.
#pragma once

#include <vector>

#include "platform/core/Export.h"
#include "platform/host/DtDbEntity.h"
#include "platform/host/DtGeCircArc2d.h"
#include "platform/host/DtGeLineSeg2d.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeTol.h"

ZEPTDB_BEGIN_EXPORTS

class DtDbPolyline : public DtDbCurve {
 public:
  DTDB_DECLARE_CAST(DtDbPolyline)

  enum SegType : int {
    kLine = 0,
    kArc = 1,
    kCoincident = 2,  // start and end coincide
    kPoint = 3,       // a single vertex, or the last vertex of an open polyline
    kEmpty = 4        // no vertices, or an index past the last one
  };

  DtDbPolyline() = default;
  explicit DtDbPolyline(unsigned reserve) { m_vertices.reserve(reserve); }

  DtDbEntity* clone() const override { return new DtDbPolyline(*this); }
  // Takes similarities (the plane may move and turn); a map that would make
  // its arcs elliptical gives eCannotScaleNonUniformly.
  Dt::ErrorStatus transformBy(DtGeMatrix3d const& m) override;
  Dt::ErrorStatus getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const override;
  // The first vertex, and the last one (the first again when closed); the
  // plane's origin for a polyline without vertices.
  DtGePoint3d startPoint() const override;
  DtGePoint3d endPoint() const override;

  DtGeVector3d normal() const { return m_normal; }
  double elevation() const { return m_elevation; }
  // A zero or non-finite vector is refused (eInvalidInput).
  Dt::ErrorStatus setNormal(DtGeVector3d const& normal);
  void setElevation(double elevation) { m_elevation = elevation; }
  // The polyline's plane with its own axes, origin at the elevation.
  DtGePlane plane() const;
  Dt::ErrorStatus getPointAt(unsigned index, DtGePoint3d& point) const;

  unsigned numVerts() const { return static_cast<unsigned>(m_vertices.size()); }
  bool isClosed() const override { return m_closed; }
  void setClosed(bool closed) { m_closed = closed; }
  bool isOnlyLines() const;

  // Inserts before `index`; index == numVerts() appends. A width below 0
  // keeps the polyline's default width (0).
  Dt::ErrorStatus addVertexAt(unsigned index, DtGePoint2d const& point, double bulge = 0.0, double startWidth = -1.0,
                              double endWidth = -1.0);
  Dt::ErrorStatus removeVertexAt(unsigned index);
  // Drops every vertex; the closed flag stays.
  void reset() { m_vertices.clear(); }

  Dt::ErrorStatus getPointAt(unsigned index, DtGePoint2d& point) const;
  Dt::ErrorStatus setPointAt(unsigned index, DtGePoint2d const& point);
  Dt::ErrorStatus getBulgeAt(unsigned index, double& bulge) const;
  Dt::ErrorStatus setBulgeAt(unsigned index, double bulge);
  Dt::ErrorStatus getWidthsAt(unsigned index, double& startWidth, double& endWidth) const;

  SegType segType(unsigned index) const;
  // eNotApplicable unless segType(index) is kLine (getLineSegAt) or kArc (getArcSegAt).
  Dt::ErrorStatus getLineSegAt(unsigned index, DtGeLineSeg2d& line) const;
  Dt::ErrorStatus getArcSegAt(unsigned index, DtGeCircArc2d& arc) const;

  // Same vertices, bulges, widths, closed flag, normal and elevation, compared exactly.
  bool operator==(DtDbPolyline const& other) const;
  bool operator!=(DtDbPolyline const& other) const { return !(*this == other); }

 private:
  struct Vertex {
    DtGePoint2d point;
    double bulge = 0.0;
    double startWidth = 0.0;
    double endWidth = 0.0;
  };
  // The end point of segment `index`, which must exist.
  DtGePoint2d segmentEnd(unsigned index) const;

  std::vector<Vertex> m_vertices;
  bool m_closed = false;
  DtGeVector3d m_normal = DtGeVector3d::kZAxis;
  double m_elevation = 0.0;
};

ZEPTDB_END_EXPORTS
