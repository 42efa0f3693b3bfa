// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <memory>
#include <numbers>

#include "platform/host/DtDbArc.h"
#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbEllipse.h"
#include "platform/host/DtDbLine.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbSpline.h"
#include "platform/host/ZePTSelectionSet.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTol = 1e-9;

bool near(DtGePoint3d const& a, DtGePoint3d const& b) { return a.distanceTo(b) <= kTol; }

DtGePoint3d mapped(DtGeMatrix3d const& m, DtGePoint3d p) { return p.transformBy(m); }

std::unique_ptr<DtDbPolyline> bulgedPolyline() {
  auto p = std::make_unique<DtDbPolyline>();
  p->addVertexAt(0, {0, 0}, 0.0);
  p->addVertexAt(1, {4, 0}, 1.0);
  p->addVertexAt(2, {4, 2}, 0.0);
  return p;
}

DtArray<DtGePoint3d> fitPoints() {
  DtArray<DtGePoint3d> pts;
  for (DtGePoint3d p : {DtGePoint3d(0, 0, 0), DtGePoint3d(1, 2, 0), DtGePoint3d(3, 1, 0), DtGePoint3d(4, 3, 0)})
    pts.append(p);
  return pts;
}

// Every curve, cloned and moved by a rigid motion with scaling, starts and
// ends where the motion takes its old ends, keeps its class, and the
// original stays where it was.
TEST(DtDbCurve, CloneAndTransformMoveEndsAsTheMatrixDoes) {
  DtGeMatrix3d const m = DtGeMatrix3d::translation({1, 2, 3}) * DtGeMatrix3d::rotation(0.7, {1, 1, 0.5}) *
                         DtGeMatrix3d::scaling(2.5, {1, -1, 0});
  std::unique_ptr<DtDbCurve> const curves[] = {
      std::make_unique<DtDbLine>(DtGePoint3d(0, 0, 0), DtGePoint3d(1, 2, 3)),
      std::make_unique<DtDbArc>(DtGePoint3d(1, 1, 0), DtGeVector3d(0, 0, 1), 2.0, 0.3, 2.0),
      std::make_unique<DtDbArc>(DtGePoint3d(1, 1, 0), DtGeVector3d(0, 1, 1), 2.0, 5.0, 1.0),
      std::make_unique<DtDbCircle>(DtGePoint3d(0, 0, 5), DtGeVector3d(0, 0, -1), 3.0),
      std::make_unique<DtDbEllipse>(DtGePoint3d(0, 0, 0), DtGeVector3d(0, 0, 1), DtGeVector3d(3, 0, 0), 0.5, 0.5, 2.5),
      std::make_unique<DtDbSpline>(fitPoints()),
      bulgedPolyline(),
  };
  for (auto const& curve : curves) {
    auto const& original = *curve;  // typeid of a plain reference: no call inside it
    DtGePoint3d const start = curve->startPoint(), end = curve->endPoint();
    std::unique_ptr<DtDbEntity> copy(curve->clone());
    ASSERT_EQ(copy->transformBy(m), Dt::eOk) << typeid(original).name();
    auto const* moved = DtDbCurve::cast(copy.get());
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(typeid(*moved), typeid(original));
    // A circle has no start of its own: it starts where its new plane's axes say.
    if (!curve->isClosed()) {
      EXPECT_TRUE(near(moved->startPoint(), mapped(m, start))) << typeid(original).name();
      EXPECT_TRUE(near(moved->endPoint(), mapped(m, end))) << typeid(original).name();
    }
    EXPECT_TRUE(near(curve->startPoint(), start));
  }
}

TEST(DtDbCurve, ArcsAndEllipsesKeepTheirShapeUnderTheMapsTheyTake) {
  DtGeMatrix3d stretch;
  stretch.entry[0][0] = 2.0;
  DtDbCircle circle({0, 0, 0}, {0, 0, 1}, 1.0);
  EXPECT_EQ(circle.transformBy(stretch), Dt::eCannotScaleNonUniformly);
  EXPECT_EQ(circle.radius(), 1.0);
  EXPECT_EQ(bulgedPolyline()->transformBy(stretch), Dt::eCannotScaleNonUniformly);
  EXPECT_EQ(circle.transformBy(DtGeMatrix3d::scaling(0.0)), Dt::eInvalidInput);

  // An ellipse takes any affine map: each parameter's point maps onto the
  // new ellipse's point at the same parameter, and the axes stay at right angles.
  DtGeMatrix3d const shear = DtGeMatrix3d().setCoordSystem({1, 0, 0}, {2, 0, 0}, {1, 1, 0}, {0, 0, 1});
  DtDbEllipse const before({0, 0, 0}, {0, 0, 1}, {2, 0, 0}, 0.5, 0.0, 2.0 * kPi);
  DtDbEllipse after = before;
  ASSERT_EQ(after.transformBy(shear), Dt::eOk);
  EXPECT_NEAR(after.majorAxis().dotProduct(after.minorAxis()), 0.0, kTol);
  EXPECT_LE(after.radiusRatio(), 1.0);
  for (double t : {0.0, 1.0, 2.5, 4.0})
    EXPECT_TRUE(near(after.pointAtParam(t + after.startParam() - before.startParam()),
                     mapped(shear, before.pointAtParam(t))))
        << t;

  // Mirrored arcs turn the other way about the old normal: the normal flips.
  DtDbArc arc({0, 0, 0}, 1.0, 0.0, kPi / 2);
  ASSERT_EQ(arc.transformBy(DtGeMatrix3d::mirroring(DtGePlane({0, 0, 0}, {1, 0, 0}))), Dt::eOk);
  EXPECT_TRUE(arc.normal().isEqualTo({0, 0, -1}));
  EXPECT_NEAR(arc.totalAngle(), kPi / 2, kTol);
  EXPECT_TRUE(near(arc.startPoint(), {-1, 0, 0}));
}

TEST(DtDbEntity, ClassTestsAnswerForTheClassAndItsBases) {
  DtDbLine line;
  DtDbArc arc;
  DtDbPolyline polyline;
  DtDbEntity* entities[] = {&line, &arc, &polyline};
  EXPECT_EQ(DtDbLine::cast(entities[0]), &line);
  EXPECT_EQ(DtDbLine::cast(entities[1]), nullptr);
  EXPECT_EQ(DtDbCircle::cast(entities[1]), nullptr);
  EXPECT_EQ(DtDbPolyline::cast(entities[2]), &polyline);
  EXPECT_EQ(DtDbLine::cast(static_cast<DtDbEntity*>(nullptr)), nullptr);
  for (DtDbEntity* e : entities) {
    EXPECT_TRUE(e->isKindOf<DtDbCurve>());
    EXPECT_TRUE(e->isKindOf<DtDbEntity>());
  }
  EXPECT_FALSE(line.isKindOf<DtDbArc>());
}

TEST(DtDbEntity, PlanarityOfEachKind) {
  DtArray<DtGePoint3d> bent = fitPoints();
  bent.append({5, 5, 2});
  struct Case {
    std::shared_ptr<DtDbEntity> entity;
    DtDb::Planarity want;
  } const cases[] = {
      {std::make_shared<DtDbLine>(DtGePoint3d(0, 0, 0), DtGePoint3d(1, 1, 1)), DtDb::kLinear},
      {std::make_shared<DtDbCircle>(DtGePoint3d(0, 0, 0), DtGeVector3d(1, 0, 0), 1.0), DtDb::kPlanar},
      {std::make_shared<DtDbSpline>(fitPoints()), DtDb::kPlanar},
      {std::make_shared<DtDbSpline>(bent), DtDb::kNonPlanar},
  };
  for (auto const& c : cases) {
    DtGePlane plane;
    DtDb::Planarity got = DtDb::kNonPlanar;
    EXPECT_EQ(c.entity->getPlane(plane, got), Dt::eOk);
    auto const& entity = *c.entity;
    EXPECT_EQ(got, c.want) << typeid(entity).name();
  }
}

TEST(DtDbPolyline, MovedOutOfItsPlaneKeepsVerticesAndBulges) {
  auto p = bulgedPolyline();
  DtGeMatrix3d const m = DtGeMatrix3d::translation({0, 0, 7}) * DtGeMatrix3d::rotation(kPi / 2, {1, 0, 0});
  DtGePoint3d before;
  p->getPointAt(2, before);
  ASSERT_EQ(p->transformBy(m), Dt::eOk);
  EXPECT_TRUE(p->normal().isEqualTo({0, -1, 0}));
  DtGePoint3d after;
  p->getPointAt(2, after);
  EXPECT_TRUE(near(after, mapped(m, before)));
  double bulge = 0;
  p->getBulgeAt(1, bulge);
  EXPECT_EQ(bulge, 1.0);
}

TEST(ZePTSelectionSet, AppendsWithoutOwningAndPassesNullOver) {
  DtDbLine a, b;
  ZePTSelectionSet set;
  set.append(&a);
  set.append(nullptr);
  set.append(&b);
  ASSERT_EQ(set.Length(), 2);
  EXPECT_EQ(set[0], &a);
  EXPECT_EQ(set[1], &b);
  EXPECT_EQ(set[2], nullptr);
}

}  // namespace
