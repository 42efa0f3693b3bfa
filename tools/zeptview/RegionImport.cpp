// SPDX-License-Identifier: MIT
#include "tools/zeptview/RegionImport.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <type_traits>
#include <vector>

#include "platform/host/DtDbArc.h"
#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbLine.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbRegion.h"
#include "platform/host/DxfFile.h"
#include "section/ZEPTRegionAnalyser.h"

namespace zeptview {

namespace {

using Owned = std::vector<std::unique_ptr<DtDbEntity>>;

bool flat(zept::dxf::Vec3 const& normal) { return normal.x == 0 && normal.y == 0 && normal.z > 0; }

// Null for a shape that is not a curve in the xy plane.
DtDbEntity* toEntity(zept::dxf::Shape const& shape) {
  namespace d = zept::dxf;
  return std::visit(
      [](auto const& s) -> DtDbEntity* {
        using T = std::decay_t<decltype(s)>;
        if constexpr (std::is_same_v<T, d::Line>) {
          return new DtDbLine(DtGePoint3d(s.start.x, s.start.y, s.start.z), DtGePoint3d(s.end.x, s.end.y, s.end.z));
        } else if constexpr (std::is_same_v<T, d::Circle>) {
          if (!flat(s.normal)) return nullptr;
          return new DtDbCircle(DtGePoint3d(s.center.x, s.center.y, s.center.z), DtGeVector3d(0, 0, 1), s.radius);
        } else if constexpr (std::is_same_v<T, d::Arc>) {
          if (!flat(s.normal)) return nullptr;
          return new DtDbArc(DtGePoint3d(s.center.x, s.center.y, s.center.z), DtGeVector3d(0, 0, 1), s.radius,
                             s.startAngle, s.endAngle);
        } else if constexpr (std::is_same_v<T, d::Polyline>) {
          if (!flat(s.normal) || s.elevation != 0) return nullptr;
          auto* p = new DtDbPolyline(static_cast<unsigned>(s.vertices.size()));
          for (auto const& v : s.vertices)
            p->addVertexAt(p->numVerts(), DtGePoint2d(v.x, v.y), v.bulge);
          p->setClosed(s.closed);
          return p;
        } else {
          return nullptr;
        }
      },
      shape);
}

double area(DtDbRegion const& r) {
  double a = 0;
  return r.getArea(a) == Dt::eOk ? a : 0.0;
}

// Whether `inner` lies inside `outer`: their overlap is all of `inner`.
bool inside(DtDbRegion const& inner, DtDbRegion const& outer) {
  std::unique_ptr<DtDbRegion> a(static_cast<DtDbRegion*>(outer.clone()));
  std::unique_ptr<DtDbRegion> b(static_cast<DtDbRegion*>(inner.clone()));
  if (a->booleanOper(DtDb::kBoolIntersect, b.get()) != Dt::eOk) return false;
  const double whole = area(inner);
  return whole > 0 && std::fabs(area(*a) - whole) <= 1e-6 * whole;
}

}  // namespace

std::string sectionFromDrawing(ZEPTCrossSection& cs, std::string const& path, bool inches) {
  zept::dxf::Drawing drawing;
  std::string error;
  if (!zept::dxf::read(path, drawing, error)) return path + ": " + error;
  Owned curves;
  int skipped = 0;
  for (auto const& e : drawing.entities) {
    if (DtDbEntity* entity = toEntity(e.shape)) curves.emplace_back(entity);
    else ++skipped;
  }
  DtArray<DtDbEntity*> input;
  for (auto const& c : curves) input.append(c.get());
  DtArray<DtDbRegion*> made;
  DtDbRegion::createFromCurves(input, made);
  std::vector<std::unique_ptr<DtDbRegion>> regions;
  for (int i = 0; i < made.length(); ++i) regions.emplace_back(made[i]);
  if (regions.empty())
    return path + ": no closed outline in the xy plane" +
           (skipped ? " (" + std::to_string(skipped) + " other entities passed over)" : "");

  // Largest first, so that each region is cut out of the smallest larger
  // one holding it (islands inside holes stay separate sections).
  std::sort(regions.begin(), regions.end(), [](auto const& a, auto const& b) { return area(*a) > area(*b); });
  std::vector<bool> hole(regions.size(), false);
  for (std::size_t i = 1; i < regions.size(); ++i)
    for (std::size_t j = i; j-- > 0;)
      if (!hole[j] && inside(*regions[i], *regions[j])) {
        std::unique_ptr<DtDbRegion> cut(static_cast<DtDbRegion*>(regions[i]->clone()));
        if (regions[j]->booleanOper(DtDb::kBoolSubtract, cut.get()) == Dt::eOk) hole[i] = true;
        break;
      }
  DtArray<DtDbRegion*> solids;
  for (std::size_t i = 0; i < regions.size(); ++i)
    if (!hole[i]) solids.append(regions[i].get());

  ZEPTCrossSection built;
  ZEPTRegionAnalyser analyser;
  analyser.attachSection(&built);
  switch (analyser.setDefinition(solids, nullptr)) {
    case 0: break;
    case 1: return path + ": the outlines are not in one plane";
    case 2: return path + ": the outlines overlap";
    default: return path + ": an outline has an edge that is neither a line nor an arc";
  }
  const bool drawingInches = drawing.measurement == 0;
  if (drawingInches != inches) built.scaleBy(inches ? 1 / 25.4 : 25.4);
  cs = built;
  return {};
}

}  // namespace zeptview
