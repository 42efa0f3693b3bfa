// SPDX-License-Identifier: MIT
// ZEPTBaseContour / ZEPTContour: one closed outline of a section, kept as the
// vertices and bulges of a polyline (bulge = tan(sweep / 4), positive
// counter-clockwise), and a hole flag. The outline always closes: the last
// vertex's bulge shapes the segment back to the first vertex.
#pragma once

#include <vector>

#include "platform/core/Export.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtGeMatrix2d.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/shape/ZEPTSectionParams.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTBaseContour : public ZEPTSectionParams {
 public:
  explicit ZEPTBaseContour(bool isHole = false) : m_isHole(isHole) {}

  // Copies the polyline's vertices and bulges (widths and the closed flag are
  // not kept); false, with the contour unchanged, for a null polyline or one
  // with a non-finite coordinate or bulge.
  bool setPolyline(DtDbPolyline const* polyline);
  // Replaces `polyline` by the contour's vertices and bulges, marked closed;
  // false, with `polyline` untouched, for a contour without vertices.
  bool getPolyline(DtDbPolyline& polyline) const;

  void setIsHole(bool isHole) { m_isHole = isHole; }
  bool getIsHole() const { return m_isHole; }

  int numVerts() const { return static_cast<int>(m_points.size()); }
  // False for an index out of range.
  bool getVertexAt(int index, DtGePoint2d& point, double& bulge) const;

  // A map that mirrors turns every arc round (its bulges change sign); a map
  // that scales unevenly keeps the bulges, so arcs stay circular through
  // their moved end points.
  bool transformBy(DtGeMatrix2d const& m);

  // Same vertices, bulges, hole flag and parameters, compared exactly.
  bool operator==(ZEPTBaseContour const& other) const;
  bool operator!=(ZEPTBaseContour const& other) const { return !(*this == other); }

 protected:
  bool extents(DtGePoint2d& max, DtGePoint2d& min) const override;
  void moveContent(DtGeVector2d const& by) override;

 private:
  std::vector<DtGePoint2d> m_points;
  std::vector<double> m_bulges;
  bool m_isHole = false;
};

class ZEPTContour : public ZEPTBaseContour {
 public:
  explicit ZEPTContour(bool isHole = false) : ZEPTBaseContour(isHole) {}
};

ZEPTDB_END_EXPORTS
