// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <numbers>

#include "platform/host/DtGeMatrix2d.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeVector2d.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTol = 1e-12;

DtGePoint2d mapped(DtGeMatrix2d const& m, DtGePoint2d p) { return p.transformBy(m); }

TEST(DtGeMatrix2d, MapsPointsAsItsKindSays) {
  struct Case {
    char const* name;
    DtGeMatrix2d m;
    DtGePoint2d in;
    DtGePoint2d out;
  } const cases[] = {
      {"rotation about origin", DtGeMatrix2d::rotation(kPi / 2), {1, 0}, {0, 1}},
      {"rotation about centre", DtGeMatrix2d::rotation(kPi, {1, 1}), {2, 1}, {0, 1}},
      {"translation", DtGeMatrix2d::translation({3, -2}), {1, 1}, {4, -1}},
      {"scaling about centre", DtGeMatrix2d::scaling(2, {1, 1}), {2, 3}, {3, 5}},
      {"mirror across y = x", DtGeMatrix2d::mirroring({0, 0}, {1, 1}), {2, 0}, {0, 2}},
      {"mirror across x = 1", DtGeMatrix2d::mirroring({1, 5}, {0, 1}), {3, 2}, {-1, 2}},
      // B first, then A: rotate (1,0) to (0,1), then translate.
      {"product order", DtGeMatrix2d::translation({10, 0}) * DtGeMatrix2d::rotation(kPi / 2), {1, 0}, {10, 1}},
      {"rotation with translation set",
       DtGeMatrix2d::rotation(kPi / 2).setTranslation({5, 5}), {1, 0}, {5, 6}},
  };
  for (auto const& c : cases) {
    DtGePoint2d const got = mapped(c.m, c.in);
    EXPECT_NEAR(got.x, c.out.x, kTol) << c.name;
    EXPECT_NEAR(got.y, c.out.y, kTol) << c.name;
    DtGePoint2d const back = mapped(c.m.inverse(), got);
    EXPECT_NEAR(back.x, c.in.x, kTol) << c.name;
    EXPECT_NEAR(back.y, c.in.y, kTol) << c.name;
  }
}

TEST(DtGeMatrix2d, DeterminantSaysWhetherItMirrors) {
  EXPECT_GT(DtGeMatrix2d::rotation(1.0).det(), 0);
  EXPECT_GT(DtGeMatrix2d::scaling(-3).det(), 0);  // a point reflection turns, it does not mirror
  EXPECT_LT(DtGeMatrix2d::mirroring({2, 2}, {1, 3}).det(), 0);
  EXPECT_TRUE(DtGeMatrix2d::scaling(0).isSingular());
  EXPECT_EQ(DtGeMatrix2d::scaling(0).inverse(), DtGeMatrix2d::kIdentity);
}

TEST(DtGeVector2d, AngleLiesInOneTurnAndTransformsLinearly) {
  struct Case {
    DtGeVector2d v;
    double angle;
  } const cases[] = {
      {{1, 0}, 0}, {{0, 1}, kPi / 2}, {{-1, 0}, kPi}, {{0, -1}, 3 * kPi / 2}, {{0, 0}, 0},
      {{1, -1e-300}, 0},  // would round up to a full turn
  };
  for (auto const& c : cases) {
    double const a = c.v.angle();
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 2 * kPi);
    EXPECT_NEAR(a, c.angle, kTol) << c.v.x << "," << c.v.y;
  }
  EXPECT_NEAR(DtGeVector2d(1, 0).angleTo({0, -1}), -kPi / 2, kTol);
  EXPECT_NEAR(DtGeVector2d(1, 0).angleTo({0, 1}), kPi / 2, kTol);
  // A vector takes a matrix's linear part only.
  DtGeVector2d v(1, 0);
  v.transformBy(DtGeMatrix2d::translation({5, 5}) * DtGeMatrix2d::rotation(kPi / 2));
  EXPECT_NEAR(v.x, 0, kTol);
  EXPECT_NEAR(v.y, 1, kTol);
  EXPECT_NEAR(DtGeVector2d(3, 4).normal().length(), 1, kTol);
  EXPECT_TRUE(DtGeVector2d(0, 0).normal().isZeroLength());
}

TEST(DtGePoint2d, EqualityUsesTheGlobalTolerance) {
  EXPECT_EQ(DtGePoint2d(1, 1), DtGePoint2d(1 + 1e-12, 1));
  EXPECT_NE(DtGePoint2d(1, 1), DtGePoint2d(1 + 1e-6, 1));
  DtGeTol loose;
  loose.setEqualPoint(1e-3);
  EXPECT_TRUE(DtGePoint2d(1, 1).isEqualTo({1.0005, 1}, loose));
}

}  // namespace
