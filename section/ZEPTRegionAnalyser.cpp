// SPDX-License-Identifier: MIT
// Regions to sections: one overlay of the regions, each face's loops walked
// through DtBrBrep into polyline contours, the record's KORVA text and
// script written by the KORVA and PDL presenters.
#include "section/ZEPTRegionAnalyser.h"

#include <cmath>
#include <memory>
#include <vector>

#include "platform/host/DtBrBrep.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbRegion.h"
#include "platform/host/RegionGeometry.h"
#include "platform/shape/ZEPTPDLPresenter.h"
#include "section/ZEPTKORVAPresenter.h"

int ZEPTRegionAnalyser::setDefinition(DtArray<DtDbRegion*> const& regions, ZEPTDBProfileData* data) {
  if (regions.length() == 0) return -1;
  std::vector<DtDbRegion const*> found;
  for (int i = 0; i < regions.length(); ++i) {
    // The array may hold other entities under the region type: the class
    // test decides, as it does in the host.
    DtDbRegion const* region = DtDbRegion::cast(static_cast<DtDbEntity*>(regions[i]));
    if (region && !region->isNull()) found.push_back(region);
  }
  if (found.empty()) return -1;

  found.front()->getPlane(plane);
  for (std::size_t i = 1; i < found.size(); ++i) {
    DtGePlane other;
    found[i]->getPlane(other);
    if (other.normal() != plane.normal()) return 1;
  }

  // One overlay of all regions, not a chain of unions: the caller's
  // regions stay as they are, and many regions cost little more than one.
  double sum = 0;
  for (DtDbRegion const* region : found) {
    double area = 0;
    region->getArea(area);
    sum += area;
  }
  const std::unique_ptr<DtDbRegion> united = zept::host::uniteAll(found);
  if (!united || united->isNull()) return std::isfinite(sum) ? 2 : -1;

  DtGePoint3d origin;
  DtGeVector3d xAxis, yAxis;
  plane.getCoordSystem(origin, xAxis, yAxis);
  double perimeter = 0, area = 0, prodInertia = 0;
  DtGePoint2d centroid, extentsLow, extentsHigh;
  double momInertia[2] = {}, prinMoments[2] = {}, radiiGyration[2] = {};
  DtGeVector2d prinAxes[2];
  united->getAreaProp(origin, xAxis, yAxis, perimeter, area, centroid, momInertia, prodInertia, prinMoments,
                      prinAxes, radiiGyration, extentsLow, extentsHigh);
  // Regions so large that their moments overflow have no centroid to
  // place the sections about; nothing is added.
  if (!std::isfinite(sum) || !std::isfinite(area) || !std::isfinite(centroid.x) || !std::isfinite(centroid.y))
    return -1;
  if (std::fabs(area - sum) > 0.001) return 2;

  plane.transformBy(DtGeMatrix3d::translation(plane.evalPoint(centroid) - plane.pointOnPlane()));

  for (DtDbRegion const* region : found)
    if (int const result = addSectionByRegion(*region); result != 0) return result;

  if (data && m_crossSection) {
    DtGePoint2d max, min;
    m_crossSection->getBoundaries(max, min);
    data->h = max.y - min.y;
    data->b = max.x - min.x;
    data->vy = std::fabs(max.x);
    data->vpy = std::fabs(min.x);
    data->vz = std::fabs(max.y);
    data->vpz = std::fabs(min.y);
    data->unitFactor = 1.0;
    data->shapeType = 0;
    data->isSymmetric = false;

    ZEPTKORVAPresenter korva;
    korva.attachSection(m_crossSection);
    korva.units = units;
    CString text;
    korva.getDefinition(text, 0);
    data->symbol = text;

    ZEPTPDLPresenter pdl;
    pdl.attachSection(m_crossSection);
    ZEPTString script;
    pdl.getDefinition(script, 0);
    data->pdlScript = script;
  }
  return 0;
}

// Bulges are positive counter-clockwise seen from the plane's normal. An
// edge runs against its loop or against its curve when exactly one of the
// two orientation flags is false; an arc's own sense is counter-clockwise
// about the arc's normal, so its bulge turns round when that normal is not
// the plane's, and again when the edge runs against the loop.
int ZEPTRegionAnalyser::addSectionByRegion(DtDbRegion const& region) {
  DtBrBrep brep;
  brep.set(region);
  ZEPTSection section(false);
  DtGeTol const& tol = DtGeContext::gTol;

  DtBrBrepFaceTraverser faces;
  for (faces.setBrep(brep); !faces.done(); faces.next()) {
    DtBrFace face;
    faces.getFace(face);
    DtBrFaceLoopTraverser loops;
    for (loops.setFace(face); !loops.done(); loops.next()) {
      DtBrLoop loop;
      loops.getLoop(loop);
      DtBr::LoopType type = DtBr::kLoopUnclassified;
      loop.getType(type);
      bool isHole = false;
      if (type == DtBr::kLoopExterior)
        isHole = false;
      else if (type == DtBr::kLoopInterior)
        isHole = true;
      else
        return 3;

      DtDbPolyline polyline;
      unsigned index = 0;
      DtGePoint2d first;
      DtBrLoopEdgeTraverser edges;
      for (edges.setLoop(loop); !edges.done(); edges.next()) {
        DtBrEdge edge;
        edges.getEdge(edge);
        DtGe::EntityId kind{};
        edge.getCurveType(kind);
        bool toLoop = true, toCurve = true;
        edges.getEdgeOrientToLoop(toLoop);
        edge.getOrientToCurve(toCurve);
        bool const reversed = toLoop != toCurve;

        DtBrVertex v1, v2;
        edge.getVertex1(v1);
        edge.getVertex2(v2);
        DtGePoint3d start, end;
        v1.getPoint(start);
        v2.getPoint(end);
        if (reversed) std::swap(start, end);
        DtGePoint2d const start2d = plane.paramOf(start, tol);
        if (index == 0) first = start2d;

        if (kind == DtGe::kLineSeg3d) {
          if (start == end) continue;
          polyline.addVertexAt(index++, start2d, 0.0, -1.0, -1.0);
        } else if (kind == DtGe::kCircArc3d) {
          DtGeCurve3d* curve = nullptr;
          if (edge.getCurve(curve) != DtBr::eOk || !curve) return 5;
          std::unique_ptr<DtGeCurve3d> owned(curve);
          if (curve->type() != DtGe::kExternalCurve3d) return 5;
          auto const* external = static_cast<DtGeExternalCurve3d const*>(curve);
          DtGeCurve3d* nativeCurve = nullptr;
          if (!external->isDefined() || !external->isNativeCurve(nativeCurve) || !nativeCurve) return 5;
          std::unique_ptr<DtGeCurve3d> ownedNative(nativeCurve);
          auto const* arc = static_cast<DtGeCircArc3d const*>(nativeCurve);
          if (start == end) {
            if (!(arc->radius() > 0)) return 6;
            polyline.addVertexAt(index++, start2d, 1.0, -1.0, -1.0);
            DtGePoint3d const opposite = start - arc->refVec() * (2 * arc->radius());
            polyline.addVertexAt(index++, plane.paramOf(opposite, tol), 1.0, -1.0, -1.0);
          } else {
            double bulge = std::tan((arc->endAng() - arc->startAng()) / 4);
            if (int(plane.normal() != arc->normal()) == int(toLoop)) bulge = -bulge;
            polyline.addVertexAt(index++, start2d, bulge, -1.0, -1.0);
          }
        } else {
          return 4;
        }
      }
      polyline.addVertexAt(index, first, 0.0, -1.0, -1.0);

      ZEPTContour contour(false);
      contour.setPolyline(&polyline);
      contour.setIsHole(isHole);
      section.addContour(contour);
    }
  }
  if (m_crossSection) m_crossSection->addSection(section);
  return 0;
}
