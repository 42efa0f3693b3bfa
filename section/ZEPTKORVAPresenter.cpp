// SPDX-License-Identifier: MIT
// Section contours as math-module edges, written through
// ProComplexContourAndUnitWriter.
#include "section/ZEPTKORVAPresenter.h"

#include <cmath>
#include <memory>

#include "platform/host/DtDbPolyline.h"
#include "platform/math/LAContour.h"
#include "platform/math/ProComplexContourAndUnitWriter.h"
#include "platform/math/ProContour.h"
#include "platform/shape/ZEPTContour.h"
#include "platform/shape/ZEPTSection.h"

namespace {

// One edge per polyline vertex; only arc segments become arc edges, so a
// coincident or single-point segment keeps a new edge's straight kind.
LAContour edgesOf(ZEPTContour const& contour) {
  LAContour edges;
  DtDbPolyline polyline;
  if (!contour.getPolyline(polyline)) return edges;
  for (unsigned i = 0; i < polyline.numVerts(); ++i) {
    DtGePoint2d point;
    polyline.getPointAt(i, point);
    LAEdge edge(Point2(point.x, point.y));
    if (polyline.segType(i) == DtDbPolyline::kArc) {
      DtGeCircArc2d arc;
      double bulge = 0;
      polyline.getArcSegAt(i, arc);
      polyline.getBulgeAt(i, bulge);
      DtGePoint2d const center = arc.center();
      edge.type = LAEdge::Arc;
      edge.center = Point2(center.x, center.y);
      edge.sweep = 4 * std::atan(bulge);
    }
    edges.append(edge);
  }
  return edges;
}

}  // namespace

bool ZEPTKORVAPresenter::getDefinition(CString& text, unsigned index) const {
  text = CString();
  ZEPTCrossSection const* const crossSection = attachedAt(index);
  if (!crossSection) return false;

  ProComplexContour root;
  for (int s = 0; s < crossSection->numSections(); ++s) {
    ZEPTSection section(false);
    crossSection->getSectionAt(s, section);
    std::unique_ptr<ProSolidContour> solid;
    for (int c = 0; c < section.numContours(); ++c) {
      ZEPTContour contour(false);
      section.getContourAt(c, contour);
      LAContour const edges = edgesOf(contour);
      if (contour.getIsHole()) {
        if (!solid) break;
        auto hole = std::make_unique<ProEmptyContour>();
        hole->SetLAContour(edges);
        solid->Attach(std::move(hole));
      } else {
        if (solid) root.Attach(std::move(solid));
        solid = std::make_unique<ProSolidContour>();
        solid->SetLAContour(edges);
      }
    }
    if (solid) root.Attach(std::move(solid));
  }

  ProComplexContourAndUnitWriter const writer(units == DtDb::kEnglish ? L"in" : L"mm");
  text = writer.write(root);
  return true;
}
