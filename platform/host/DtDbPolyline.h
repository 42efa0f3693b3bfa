// DtDbPolyline: the host's lightweight polyline. Vertex i starts segment i,
// which ends at vertex i + 1 (or, when the polyline is closed, the last
// segment at vertex 0). A vertex's bulge shapes its segment: 0 straight,
// otherwise an arc with bulge = tan(sweep / 4), positive counter-clockwise,
// so 1 is a half circle and values beyond 1 more than half a turn.
#pragma once

#include <vector>

#include "platform/host/DtGeCircArc2d.h"
#include "platform/host/DtGeLineSeg2d.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeTol.h"

class DtDbPolyline {
 public:
  enum SegType : int {
    kLine = 0,
    kArc = 1,
    kCoincident = 2,  // start and end coincide
    kPoint = 3,       // a single vertex, or the last vertex of an open polyline
    kEmpty = 4        // no vertices, or an index past the last one
  };

  DtDbPolyline() = default;
  explicit DtDbPolyline(unsigned reserve) { m_vertices.reserve(reserve); }

  unsigned numVerts() const { return static_cast<unsigned>(m_vertices.size()); }
  bool isClosed() const { return m_closed; }
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

  // Same vertices, bulges, widths and closed flag, compared exactly.
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
};
