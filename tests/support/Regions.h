// SPDX-License-Identifier: MIT
// Curves in z = 0 and the regions they make, for the geometry tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbLine.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbRegion.h"

namespace zept::test {

using RegionPtr = std::unique_ptr<DtDbRegion>;
using Curves = std::vector<std::shared_ptr<DtDbEntity>>;

inline std::shared_ptr<DtDbEntity> line(double x0, double y0, double x1, double y1) {
  return std::make_shared<DtDbLine>(DtGePoint3d(x0, y0, 0), DtGePoint3d(x1, y1, 0));
}

inline Curves rectangle(double x0, double y0, double x1, double y1) {
  return {line(x0, y0, x1, y0), line(x1, y0, x1, y1), line(x1, y1, x0, y1), line(x0, y1, x0, y0)};
}

inline std::shared_ptr<DtDbEntity> circle(double x, double y, double r) {
  return std::make_shared<DtDbCircle>(DtGePoint3d(x, y, 0), DtGeVector3d::kZAxis, r);
}

// A closed polyline of (point, bulge) pairs.
inline std::shared_ptr<DtDbPolyline> polyline(std::vector<std::pair<DtGePoint2d, double>> const& vertices) {
  auto p = std::make_shared<DtDbPolyline>();
  for (auto const& [pt, bulge] : vertices) p->addVertexAt(p->numVerts(), pt, bulge);
  p->setClosed(true);
  return p;
}

// The regions `curves` make, appended to `out`.
inline Dt::ErrorStatus createRegions(Curves const& curves, std::vector<RegionPtr>& out) {
  DtArray<DtDbEntity*> in;
  for (auto const& c : curves) in.append(c.get());
  DtArray<DtDbRegion*> made;
  Dt::ErrorStatus const es = DtDbRegion::createFromCurves(in, made);
  for (DtDbRegion* r : made) out.emplace_back(r);
  return es;
}

// The one region `curves` make (an empty one when they make none).
inline RegionPtr region(Curves const& curves) {
  std::vector<RegionPtr> out;
  EXPECT_EQ(createRegions(curves, out), Dt::eOk);
  EXPECT_EQ(out.size(), 1u);
  return out.empty() ? std::make_unique<DtDbRegion>() : std::move(out.front());
}

inline double area(DtDbRegion const& r) {
  double a = 0;
  r.getArea(a);
  return a;
}

// a op b; b is left empty.
inline RegionPtr combined(RegionPtr a, RegionPtr b, DtDb::BoolOperType op) {
  EXPECT_EQ(a->booleanOper(op, b.get()), Dt::eOk);
  EXPECT_TRUE(b->isNull());
  return a;
}

inline RegionPtr copy(RegionPtr const& r) { return std::make_unique<DtDbRegion>(*r); }

}  // namespace zept::test
