// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <numbers>

#include "platform/host/DtGeMatrix3d.h"
#include "platform/host/DtGePlane.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTol = 1e-12;

void expectNear(DtGePoint3d const& got, DtGePoint3d const& want, char const* what) {
  EXPECT_NEAR(got.x, want.x, kTol) << what;
  EXPECT_NEAR(got.y, want.y, kTol) << what;
  EXPECT_NEAR(got.z, want.z, kTol) << what;
}

TEST(DtGeMatrix3d, MapsPointsAsItsKindSaysAndInvertsBack) {
  struct Case {
    char const* name;
    DtGeMatrix3d m;
    DtGePoint3d in, out;
  } const cases[] = {
      {"rotation about z", DtGeMatrix3d::rotation(kPi / 2, DtGeVector3d::kZAxis), {1, 0, 0}, {0, 1, 0}},
      {"rotation about x through a centre", DtGeMatrix3d::rotation(kPi / 2, DtGeVector3d::kXAxis, {0, 1, 1}),
       {0, 2, 1}, {0, 1, 2}},
      {"translation", DtGeMatrix3d::translation({1, -2, 3}), {1, 1, 1}, {2, -1, 4}},
      {"scaling about a centre", DtGeMatrix3d::scaling(3, {1, 1, 1}), {2, 1, 0}, {4, 1, -2}},
      {"coordinate system", DtGeMatrix3d().setCoordSystem({5, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}), {1, 2, 3},
       {3, 1, 3}},
      {"mirror in x = 1", DtGeMatrix3d::mirroring(DtGePlane({1, 0, 0}, {1, 0, 0})), {3, 2, 1}, {-1, 2, 1}},
      // B first: rotate (1,0,0) to (0,1,0), then translate.
      {"product order", DtGeMatrix3d::translation({10, 0, 0}) * DtGeMatrix3d::rotation(kPi / 2, {0, 0, 1}),
       {1, 0, 0}, {10, 1, 0}},
  };
  for (auto const& c : cases) {
    DtGePoint3d p = c.in;
    expectNear(p.transformBy(c.m), c.out, c.name);
    expectNear(p.transformBy(c.m.inverse()), c.in, c.name);
  }
  EXPECT_DOUBLE_EQ(DtGeMatrix3d::scaling(2).similarityScale(), 2.0);
  DtGeMatrix3d stretch;
  stretch.entry[0][0] = 2;
  EXPECT_EQ(stretch.similarityScale(), 0.0);
}

TEST(DtGePlane, AxesFollowTheArbitraryAxisRuleAndParametersRoundTrip) {
  struct Case {
    DtGeVector3d normal, xAxis;
  } const cases[] = {
      {{0, 0, 1}, {1, 0, 0}}, {{0, 0, -1}, {-1, 0, 0}}, {{1, 0, 0}, {0, 1, 0}}, {{0, 1, 1}, {-1, 0, 0}},
  };
  for (auto const& c : cases) {
    DtGePlane const plane({1, 2, 3}, c.normal);
    DtGePoint3d o;
    DtGeVector3d x, y;
    plane.getCoordSystem(o, x, y);
    EXPECT_TRUE(x.isEqualTo(c.xAxis)) << x.x << " " << x.y << " " << x.z;
    EXPECT_TRUE(x.crossProduct(y).isEqualTo(plane.normal()));
    DtGePoint3d const p = plane.evalPoint({4, -5});
    EXPECT_TRUE(plane.isOn(p));
    DtGePoint2d const uv = plane.paramOf(p);
    EXPECT_NEAR(uv.x, 4, kTol);
    EXPECT_NEAR(uv.y, -5, kTol);
  }
}

TEST(DtGePlane, CoplanarityIgnoresTheNormalsSenseButNotAnOffset) {
  DtGePlane const a({0, 0, 1}, {0, 0, 1});
  EXPECT_TRUE(a.isCoplanarTo(DtGePlane({5, 5, 1}, {0, 0, -1})));
  EXPECT_FALSE(a.isCoplanarTo(DtGePlane({0, 0, 2}, {0, 0, 1})));
  EXPECT_FALSE(a.isCoplanarTo(DtGePlane({0, 0, 1}, {0, 1, 1})));
  DtGePlane moved = a;
  moved.transformBy(DtGeMatrix3d::rotation(kPi / 2, {1, 0, 0}));
  EXPECT_TRUE(moved.normal().isEqualTo({0, -1, 0}));
  expectNear(moved.pointOnPlane(), {0, -1, 0}, "rotated origin");
}

}  // namespace
