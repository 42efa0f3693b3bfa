// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <vector>

#include "platform/host/DtBrBrep.h"
#include "platform/host/DtDbArc.h"
#include "platform/host/DtDbEllipse.h"
#include "platform/host/DtDbSpline.h"
#include "support/BrepEdges.h"
#include "support/Regions.h"

namespace {

constexpr double kPi = std::numbers::pi;
using namespace zept::test;

RegionPtr plateWithHole(double half, double holeRadius) {
  return combined(region(rectangle(-half, -half, half, half)), region({circle(0, 0, holeRadius)}), DtDb::kBoolSubtract);
}

TEST(DtDbRegion, BadCurvesGiveAnErrorAndNoRegion) {
  double const nan = std::numeric_limits<double>::quiet_NaN();
  auto bowTie = polyline({{{0, 0}, 0}, {{3, 3}, 0}, {{3, 0}, 0}, {{0, 2}, 0}});
  auto skew = rectangle(0, 0, 1, 1);
  skew[1] = std::make_shared<DtDbLine>(DtGePoint3d(1, 0, 0), DtGePoint3d(1, 1, 1));
  skew[2] = std::make_shared<DtDbLine>(DtGePoint3d(1, 1, 1), DtGePoint3d(0, 1, 0));
  struct Case {
    char const* name;
    Curves curves;
    Dt::ErrorStatus want;
  } const cases[] = {
      {"nothing", {}, Dt::eInvalidInput},
      {"a null entry", {circle(0, 0, 1), nullptr}, Dt::eInvalidInput},
      {"not a curve", {std::make_shared<DtDbRegion>()}, Dt::eNotThatKindOfClass},
      {"open", {line(0, 0, 1, 0), line(1, 0, 1, 1)}, Dt::eOpenCurve},
      {"three ends at one point", {line(0, 0, 1, 0), line(1, 0, 0, 1), line(0, 1, 0, 0), line(0, 0, -1, -1)},
       Dt::eOpenCurve},
      {"several planes", skew, Dt::eNonPlanarEntity},
      {"zero-length line", {line(0, 0, 0, 0)}, Dt::eDegenerateGeometry},
      {"zero radius", {circle(0, 0, 0)}, Dt::eDegenerateGeometry},
      {"flat ellipse",
       {std::make_shared<DtDbEllipse>(DtGePoint3d(0, 0, 0), DtGeVector3d::kZAxis, DtGeVector3d(1, 0, 0), 0.0)},
       Dt::eDegenerateGeometry},
      {"no area", {line(0, 0, 1, 0), line(1, 0, 2, 0), line(2, 0, 0, 0)}, Dt::eDegenerateGeometry},
      {"NaN", {line(0, 0, nan, 0), line(nan, 0, 0, 1), line(0, 1, 0, 0)}, Dt::eInvalidInput},
      {"self-intersecting", {bowTie}, Dt::eSelfIntersecting},
      // A near-full turn on a short chord: a circle past the drawing's size.
      {"bulge of 1e15", {polyline({{{0, 0}, 1e15}, {{1, 0}, 0}, {{1, 1}, 0}})}, Dt::eInvalidInput},
      {"good loop after a bad one", {circle(0, 0, 1), line(5, 5, 6, 6)}, Dt::eOpenCurve},
  };
  for (auto const& c : cases) {
    std::vector<RegionPtr> out;
    EXPECT_EQ(createRegions(c.curves, out), c.want) << c.name;
    EXPECT_TRUE(out.empty()) << c.name;
  }
}

// Areas and perimeters against their closed forms: the region's measures
// are exact, not those of a tessellation.
TEST(DtDbRegion, AreaAndPerimeterAreExact) {
  // A "D": lines and an arc given out of order and partly reversed.
  Curves const dShape = {std::make_shared<DtDbArc>(DtGePoint3d(2, 1, 0), 1.0, -kPi / 2, kPi / 2), line(0, 0, 2, 0),
                         line(0, 2, 0, 0), line(0, 2, 2, 2)};
  struct Case {
    char const* name;
    Curves curves;
    double area, perimeter;
  } const cases[] = {
      {"circle of radius 1000", {circle(5, 5, 1000)}, kPi * 1e6, 2000 * kPi},
      {"D of lines and an arc", dShape, 4 + kPi / 2, 6 + kPi},
      {"polyline with a half-circle side", {polyline({{{0, 0}, 0}, {{4, 0}, 1}, {{4, 2}, 0}, {{0, 2}, 0}})},
       8 + kPi / 2, 10 + kPi},
      {"clockwise polyline with an inward bulge", {polyline({{{0, 2}, 0}, {{4, 2}, 0}, {{4, 0}, 0}, {{0, 0}, 1}})},
       8 - kPi / 2, 10 + kPi},
  };
  for (auto const& c : cases) {
    auto const r = region(c.curves);
    double perimeter = 0;
    r->getPerimeter(perimeter);
    EXPECT_NEAR(area(*r), c.area, 1e-9 * c.area) << c.name;
    EXPECT_NEAR(perimeter, c.perimeter, 1e-9 * c.perimeter) << c.name;
  }
  // Ellipses are measured along the curve between their points: a whole one
  // (its perimeter 5 times that of semi-axes 2 and 1), and a tilted half seen
  // from below, closed by its major axis.
  auto const ellipse = region(
      {std::make_shared<DtDbEllipse>(DtGePoint3d(0, 0, 0), DtGeVector3d::kZAxis, DtGeVector3d(10, 0, 0), 0.5)});
  double perimeter = 0;
  ellipse->getPerimeter(perimeter);
  EXPECT_NEAR(area(*ellipse), kPi * 50, 1e-12 * kPi * 50);
  EXPECT_NEAR(perimeter, 5 * 9.6884482205476762, 1e-11);
  auto const half = region({std::make_shared<DtDbEllipse>(DtGePoint3d(1, 2, 0), -DtGeVector3d::kZAxis,
                                                          DtGeVector3d(6, 8, 0), 0.5, 0.0, kPi),
                            line(-5, -6, 7, 10)});
  double a, prod, mom[2], prin[2], gyr[2];
  DtGePoint2d centroid, lo, hi;
  DtGeVector2d axes[2];
  ASSERT_EQ(half->getAreaProp({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, perimeter, a, centroid, mom, prod, prin, axes, gyr, lo,
                              hi),
            Dt::eOk);
  EXPECT_NEAR(a, 25 * kPi, 1e-12 * a);
  double const off = 20 / (3 * kPi);  // 4 b / (3 pi) along the minor axis (4, -3) / 5
  EXPECT_NEAR(centroid.x, 1 + 0.8 * off, 1e-12);
  EXPECT_NEAR(centroid.y, 2 - 0.6 * off, 1e-12);

  // A closed spline through (1, 0), (0, 1), (-1, 0), (0, -1): its spans are
  // cubics, of area 41/15 and second moment 415/693 about either axis; the
  // same once a hole is cut in it.
  DtArray<DtGePoint3d> fit;
  for (auto const& [x, y] : {std::pair{1.0, 0.0}, {0.0, 1.0}, {-1.0, 0.0}, {0.0, -1.0}, {1.0, 0.0}})
    fit.append(DtGePoint3d(x, y, 0));
  auto const spline = region({std::make_shared<DtDbSpline>(fit)});
  ASSERT_EQ(spline->getAreaProp({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, perimeter, a, centroid, mom, prod, prin, axes, gyr,
                                lo, hi),
            Dt::eOk);
  EXPECT_NEAR(a, 41.0 / 15, 1e-14);
  EXPECT_NEAR(mom[0], 415.0 / 693, 1e-14);
  auto const holed = combined(copy(spline), region({circle(0, 0, 0.1)}), DtDb::kBoolSubtract);
  EXPECT_NEAR(area(*holed), 41.0 / 15 - 0.01 * kPi, 1e-14);
}

TEST(DtDbRegion, AreaPropertiesInAGivenCoordinateSystem) {
  // Half disc of radius 3 over the x axis: centroid at 4r / (3 pi).
  auto const r = region({std::make_shared<DtDbArc>(DtGePoint3d(0, 0, 0), 3.0, 0.0, kPi), line(-3, 0, 3, 0)});
  double perimeter, a, prod;
  double mom[2], prin[2], gyr[2];
  DtGePoint2d centroid, lo, hi;
  DtGeVector2d axes[2];
  // Axes turned by 90 degrees and moved: x' = y, y' = 1 - x.
  ASSERT_EQ(r->getAreaProp({1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, perimeter, a, centroid, mom, prod, prin, axes, gyr, lo,
                           hi),
            Dt::eOk);
  EXPECT_NEAR(a, 4.5 * kPi, 1e-12);
  EXPECT_NEAR(centroid.x, 4.0 / kPi, 1e-12);
  EXPECT_NEAR(centroid.y, 1.0, 1e-12);
  EXPECT_NEAR(lo.x, 0, 1e-12);
  EXPECT_NEAR(hi.x, 3, 1e-12);
  EXPECT_NEAR(lo.y, -2, 1e-12);
  EXPECT_NEAR(hi.y, 4, 1e-12);
  EXPECT_NEAR(prin[0], kPi * 81 / 8, 1e-9);  // about the centroidal axis of symmetry
  EXPECT_EQ(r->getAreaProp({0, 0, 1}, {1, 0, 0}, {0, 1, 0}, perimeter, a, centroid, mom, prod, prin, axes, gyr, lo, hi),
            Dt::eInvalidInput);
}

TEST(DtDbRegion, IntersectionAndSubtractionKeepArcsExact) {
  auto const lens = combined(region({circle(0, 0, 1)}), region({circle(1, 0, 1)}), DtDb::kBoolIntersect);
  double perimeter = 0;
  lens->getPerimeter(perimeter);
  EXPECT_NEAR(perimeter, 4 * kPi / 3, 1e-12);

  // Cutting a square in two gives two faces.
  auto const cut = combined(region(rectangle(0, 0, 4, 4)), region(rectangle(1, -1, 2, 5)), DtDb::kBoolSubtract);
  EXPECT_EQ(cut->numFaces(), 2);
  EXPECT_NEAR(area(*cut), 12, 1e-12);

  // An ellipse cut out stays measured along the ellipse.
  auto const holed = combined(region(rectangle(-20, -20, 20, 20)),
                              region({std::make_shared<DtDbEllipse>(DtGePoint3d(1, 1, 0), DtGeVector3d::kZAxis,
                                                                    DtGeVector3d(6, 8, 0), 0.5)}),
                              DtDb::kBoolSubtract);
  EXPECT_NEAR(area(*holed), 1600 - 50 * kPi, 1e-9);
}

TEST(DtDbRegion, BooleanRefusals) {
  auto a = region({circle(0, 0, 1)});
  auto raised = region({std::make_shared<DtDbCircle>(DtGePoint3d(0, 0, 1), DtGeVector3d::kZAxis, 1.0)});
  EXPECT_EQ(a->booleanOper(DtDb::kBoolUnite, nullptr), Dt::eInvalidInput);
  EXPECT_EQ(a->booleanOper(DtDb::kBoolUnite, a.get()), Dt::eInvalidInput);
  EXPECT_EQ(a->booleanOper(static_cast<DtDb::BoolOperType>(3), raised.get()), Dt::eInvalidInput);
  EXPECT_EQ(a->booleanOper(DtDb::kBoolUnite, raised.get()), Dt::eNonPlanarEntity);
  EXPECT_FALSE(raised->isNull());
  // A region facing the other way in the same plane combines.
  auto flipped = region({std::make_shared<DtDbCircle>(DtGePoint3d(0, 0, 0), DtGeVector3d(0, 0, -1), 1.0)});
  ASSERT_EQ(a->booleanOper(DtDb::kBoolSubtract, flipped.get()), Dt::eOk);
  EXPECT_TRUE(a->isNull());
}

// The plate with a hole as the region analyser walks it.
TEST(DtBrBrep, PlateWithAHoleHasAnExteriorLoopOfLinesAndAnInteriorCircle) {
  auto const plate = combined(region(rectangle(0, 0, 200, 100)), region({circle(100, 50, 20)}), DtDb::kBoolSubtract);
  EXPECT_NEAR(area(*plate), 20000 - 400 * kPi, 1e-9);
  DtBrBrep brep;
  ASSERT_EQ(brep.set(*plate), Dt::eOk);
  std::vector<DtBr::LoopType> types;
  std::vector<std::vector<DtGe::EntityId>> kinds;
  for (DtBrBrepFaceTraverser f(brep); !f.done(); f.next()) {
    for (DtBrFaceLoopTraverser l(f); !l.done(); l.next()) {
      DtBrLoop loop;
      l.getLoop(loop);
      DtBr::LoopType type;
      loop.getType(type);
      types.push_back(type);
      kinds.emplace_back();
      DtGePoint3d previousEnd;
      for (DtBrLoopEdgeTraverser e(l); !e.done(); e.next()) {
        DtBrEdge edge;
        e.getEdge(edge);
        DtGe::EntityId kind;
        edge.getCurveType(kind);
        kinds.back().push_back(kind);
        bool alongLoop = false, alongCurve = false;
        e.getEdgeOrientToLoop(alongLoop);
        edge.getOrientToCurve(alongCurve);
        auto [p1, p2] = edgeEnds(edge);
        if (alongLoop != alongCurve) std::swap(p1, p2);
        if (kinds.back().size() > 1) {
          EXPECT_TRUE(p1.isEqualTo(previousEnd));
        }
        previousEnd = p2;
        if (kind != DtGe::kCircArc3d) continue;
        DtGeCurve3d* curve = nullptr;
        ASSERT_EQ(edge.getCurve(curve), Dt::eOk);
        std::unique_ptr<DtGeCurve3d> external(curve);
        ASSERT_TRUE(curve->isKindOf(DtGe::kExternalCurve3d));
        auto const* ext = static_cast<DtGeExternalCurve3d const*>(curve);
        ASSERT_TRUE(ext->isDefined());
        DtGeCurve3d* native = nullptr;
        ASSERT_TRUE(ext->isNativeCurve(native));
        std::unique_ptr<DtGeCurve3d> owned(native);
        auto const* arc = static_cast<DtGeCircArc3d const*>(native);
        EXPECT_DOUBLE_EQ(arc->radius(), 20);
        EXPECT_TRUE(arc->normal().isEqualTo(DtGeVector3d::kZAxis));
        // A full circle: one vertex, and the reference vector points at it.
        EXPECT_TRUE(p1.isEqualTo(p2));
        EXPECT_TRUE(p1.isEqualTo(arc->center() + arc->refVec() * 20));
        EXPECT_FALSE(alongLoop);  // holes run clockwise
      }
    }
  }
  ASSERT_EQ(types.size(), 2u);
  EXPECT_EQ(types[0], DtBr::kLoopExterior);
  EXPECT_EQ(types[1], DtBr::kLoopInterior);
  EXPECT_EQ(kinds[0], std::vector<DtGe::EntityId>(4, DtGe::kLineSeg3d));
  EXPECT_EQ(kinds[1], std::vector<DtGe::EntityId>{DtGe::kCircArc3d});
  // A plate whose hole is filled is a plain square again: four lines.
  auto const filled = combined(plateWithHole(1500, 1000), region({circle(0, 0, 1000)}), DtDb::kBoolUnite);
  ASSERT_EQ(brep.set(*filled), Dt::eOk);
  int edges = 0;
  for (DtBrBrepFaceTraverser f(brep); !f.done(); f.next())
    for (DtBrFaceLoopTraverser l(f); !l.done(); l.next())
      for (DtBrLoopEdgeTraverser e(l); !e.done(); e.next()) ++edges;
  EXPECT_EQ(edges, 4);

  DtBrBrep none;
  EXPECT_EQ(none.set(DtDbLine()), Dt::eNotThatKindOfClass);
  auto const spline = region({std::make_shared<DtDbSpline>([] {
    DtArray<DtGePoint3d> pts;
    for (DtGePoint3d p : {DtGePoint3d(0, 0, 0), DtGePoint3d(2, 0, 0), DtGePoint3d(1, 2, 0), DtGePoint3d(0, 0, 0)})
      pts.append(p);
    return pts;
  }())});
  ASSERT_EQ(brep.set(*spline), Dt::eOk);
  DtBrBrepFaceTraverser f(brep);
  DtBrFaceLoopTraverser l(f);
  DtBrLoopEdgeTraverser e(l);
  DtBrEdge edge;
  e.getEdge(edge);
  DtGe::EntityId kind;
  edge.getCurveType(kind);
  EXPECT_EQ(kind, DtGe::kSplineEnt3d);
}

TEST(DtDbRegion, TransformAndCloneKeepTheShape) {
  auto const plate = plateWithHole(10, 3);
  double const before = area(*plate);
  std::unique_ptr<DtDbEntity> copy(plate->clone());
  auto* moved = DtDbRegion::cast(copy.get());
  ASSERT_NE(moved, nullptr);
  ASSERT_EQ(moved->transformBy(DtGeMatrix3d::rotation(kPi / 2, {1, 0, 0}, {0, 0, 5}) * DtGeMatrix3d::scaling(2)),
            Dt::eOk);
  EXPECT_NEAR(area(*moved), 4 * before, 1e-9);
  DtGePlane plane;
  moved->getPlane(plane);
  EXPECT_TRUE(plane.normal().isEqualTo({0, -1, 0}));
  EXPECT_NEAR(area(*plate), before, 1e-12);
  ASSERT_EQ(moved->transformBy(DtGeMatrix3d::mirroring(DtGePlane({0, 0, 0}, {1, 0, 0}))), Dt::eOk);
  EXPECT_NEAR(area(*moved), 4 * before, 1e-9);
  DtGeMatrix3d stretch;
  stretch.entry[0][0] = 2;
  EXPECT_EQ(moved->transformBy(stretch), Dt::eCannotScaleNonUniformly);
}

}  // namespace
