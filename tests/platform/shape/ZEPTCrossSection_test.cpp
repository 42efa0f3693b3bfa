// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "platform/shape/ZEPTCrossSection.h"
#include "platform/shape/ZEPTSectionPresenter.h"
#include "support/Shapes.h"

namespace {

using zept::test::circle;
using zept::test::contour;
using zept::test::rectangle;
using zept::test::section;

constexpr double kPi = std::numbers::pi;
constexpr double kTol = 1e-9;

void expectBox(ZEPTSectionParams const& level, DtGePoint2d max, DtGePoint2d min, char const* name) {
  DtGePoint2d gotMax, gotMin;
  level.getBoundaries(gotMax, gotMin);
  EXPECT_NEAR(gotMax.x, max.x, kTol) << name;
  EXPECT_NEAR(gotMax.y, max.y, kTol) << name;
  EXPECT_NEAR(gotMin.x, min.x, kTol) << name;
  EXPECT_NEAR(gotMin.y, min.y, kTol) << name;
}

// Arcs count with their extreme points, not only their end vertices.
TEST(ZEPTSectionParams, BoundariesReachTheArcExtremes) {
  double const quarter = std::tan(kPi / 8);
  double const threeQuarters = std::tan(3 * kPi / 8);
  struct Case {
    char const* name;
    ZEPTContour c;
    DtGePoint2d max, min;
  } const cases[] = {
      {"circle", circle(2, 3, 1), {3, 4}, {1, 2}},
      {"clockwise circle", circle(2, 3, 1, false, true), {3, 4}, {1, 2}},
      {"quarter disc", contour({{{0, 0}, 0}, {{1, 0}, quarter}, {{0, 1}, 0}}), {1, 1}, {0, 0}},
      // From (1,0) counter-clockwise three quarters round to (0,-1): through (0,1) and (-1,0).
      {"three quarters", contour({{{1, 0}, threeQuarters}, {{0, -1}, 0}}), {1, 1}, {-1, -1}},
      // Seven eighths from -45 degrees: the left extreme lies beyond the first half turn.
      {"seven eighths", contour({{{std::sqrt(0.5), -std::sqrt(0.5)}, std::tan(7 * kPi / 16)}, {{0, -1}, 0}}),
       {1, 1}, {-1, -1}},
      // The same ends the short way, clockwise: stays in the lower right quadrant.
      {"short way", contour({{{1, 0}, -quarter}, {{0, -1}, 0}}), {1, 0}, {0, -1}},
      // Half circle from (1,1) to (-1,1) counter-clockwise bulges up to y = 2.
      {"upper half", contour({{{1, 1}, 1}, {{-1, 1}, 0}}), {1, 2}, {-1, 1}},
      // Quarter arcs about the origin whose ends lie off the axes: only the top counts.
      {"off-axis ends", contour({{{1, 1}, quarter}, {{-1, 1}, 0}}), {1, std::sqrt(2.0)}, {-1, 1}},
      {"off-axis ends clockwise", contour({{{-1, 1}, -quarter}, {{1, 1}, 0}}), {1, std::sqrt(2.0)}, {-1, 1}},
  };
  for (auto const& c : cases) expectBox(c.c, c.max, c.min, c.name);
}

TEST(ZEPTSectionParams, EmptyOrFlatBoxesReportFalse) {
  ZEPTCrossSection cs;
  DtGePoint2d max(9, 9), min(9, 9);
  EXPECT_FALSE(cs.getBoundaries(max, min));
  EXPECT_EQ(max, DtGePoint2d(0, 0));
  EXPECT_EQ(min, DtGePoint2d(0, 0));
  EXPECT_FALSE(cs.getExtents(max, min));

  cs.addSection(section({contour({{{0, 5}, 0}, {{10, 5}, 0}})}));
  EXPECT_FALSE(cs.getBoundaries(max, min));
  EXPECT_TRUE(cs.getExtents(max, min));
  EXPECT_EQ(max, DtGePoint2d(10, 5));
  EXPECT_EQ(min, DtGePoint2d(0, 5));

  cs.addSection(section({rectangle(-1, -2, 3, 4)}));
  EXPECT_TRUE(cs.getBoundaries(max, min));
  EXPECT_EQ(max, DtGePoint2d(10, 5));
  EXPECT_EQ(min, DtGePoint2d(-1, -2));
}

// dx and dy move the geometry by their change; offset and alpha only place it.
TEST(ZEPTSectionParams, ShiftMovesGeometryPlacementDoesNot) {
  ZEPTSection s = section({rectangle(0, 0, 10, 4)});
  s.setDx(5);
  s.setDy(-1);
  expectBox(s, {15, 3}, {5, -1}, "first shift");
  s.setDx(2);
  expectBox(s, {12, 3}, {2, -1}, "second shift");
  s.setOffset({100, 100});
  s.setAlpha(30);
  expectBox(s, {12, 3}, {2, -1}, "placement");

  ZEPTCrossSection cs;
  cs.addSection(section({rectangle(0, 0, 1, 1)}));
  cs.addCustomPoint(ZEPTSectionPoint({1, 1}));
  cs.setDx(3);
  expectBox(cs, {4, 1}, {3, 0}, "cross-section shift");
  ZEPTPointArray points;
  cs.getAllSnapPoints(points);
  EXPECT_EQ(points[0].getPoint(), DtGePoint2d(4, 1));
}

TEST(ZEPTContour, SetPolylineCopiesAndGetPolylineCloses) {
  DtDbPolyline p;
  p.addVertexAt(0, {0, 0}, 0.5, -1, -1);
  p.addVertexAt(1, {4, 0}, -2, -1, -1);
  ZEPTContour c;
  ASSERT_TRUE(c.setPolyline(&p));
  p.setPointAt(0, {99, 99});  // the contour keeps its own copy
  DtDbPolyline out;
  out.addVertexAt(0, {7, 7});
  ASSERT_TRUE(c.getPolyline(out));
  EXPECT_TRUE(out.isClosed());
  p.setPointAt(0, {0, 0});
  p.setClosed(true);
  EXPECT_EQ(out, p);

  EXPECT_FALSE(c.setPolyline(nullptr));
  DtDbPolyline bad;
  bad.addVertexAt(0, {std::numeric_limits<double>::quiet_NaN(), 0});
  EXPECT_FALSE(c.setPolyline(&bad));
  EXPECT_EQ(c.numVerts(), 2);
  EXPECT_FALSE(ZEPTContour(true).getPolyline(out));
  EXPECT_EQ(out.numVerts(), 2u);
}

TEST(ZEPTContour, MirrorTurnsArcsAndDimensionsRound) {
  ZEPTContour c = contour({{{1, 0}, 0.4}, {{0, 1}, 0}});
  ZEPTContour turned = c;
  turned.transformBy(DtGeMatrix2d::rotation(kPi / 3));
  ZEPTContour mirrored = c;
  mirrored.transformBy(DtGeMatrix2d::mirroring({0, 0}, {1, 0}));
  DtGePoint2d p;
  double bulge = 0;
  turned.getVertexAt(0, p, bulge);
  EXPECT_EQ(bulge, 0.4);
  mirrored.getVertexAt(0, p, bulge);
  EXPECT_EQ(bulge, -0.4);
  EXPECT_EQ(p, DtGePoint2d(1, 0));
  mirrored.getVertexAt(1, p, bulge);
  EXPECT_EQ(p, DtGePoint2d(0, -1));

  // A dimension line's distance follows the scale and the mirror.
  ZEPTSectionDimLine d(1, {0, 0}, {4, 0}, 2, L"4", L"b", 1, 1, 3);
  d.transformBy(DtGeMatrix2d::mirroring({0, 0}, {1, 0}) * DtGeMatrix2d::scaling(3));
  EXPECT_DOUBLE_EQ(d.getLength(), -6);
  EXPECT_EQ(d.getEndPoint(), DtGePoint2d(12, 0));
  EXPECT_EQ(d.getTextAlign(), 3);
}

TEST(ZEPTCrossSection, KeepsCopiesAndRefusesBadIndexes) {
  ZEPTCrossSection cs;
  ZEPTSection s = section({rectangle(0, 0, 2, 1)});
  cs.addSection(s);
  s.addContour(rectangle(5, 5, 6, 6));  // not seen by the cross-section
  ZEPTSection out;
  ASSERT_TRUE(cs.getSectionAt(0, out));
  EXPECT_EQ(out.numContours(), 1);
  EXPECT_FALSE(cs.getSectionAt(1, out));
  EXPECT_FALSE(cs.getSectionAt(-1, out));
  ZEPTContour c;
  EXPECT_FALSE(out.getContourAt(1, c));
}

// A factor that is not finite leaves the content as it was.
TEST(ZEPTCrossSection, ScaleByIgnoresAFactorThatIsNotFinite) {
  ZEPTCrossSection cs;
  cs.addSection(section({rectangle(1, 1, 3, 2)}));
  cs.scaleBy(std::numeric_limits<double>::infinity());
  expectBox(cs, {3, 2}, {1, 1}, "infinite factor");
}

TEST(ZEPTCrossSection, SnapPointsAreCustomPointsThenExtentPoints) {
  ZEPTCrossSection cs;
  ZEPTPointArray points;
  points.append(ZEPTSectionPoint({5, 5}));  // emptied first
  cs.addCustomPoint(ZEPTSectionPoint({1, 2}, ZEPTSectionPoint::eFree, ZEPTSectionPoint::eMax));
  ASSERT_TRUE(cs.getAllSnapPoints(points));
  ASSERT_EQ(points.length(), 1);  // no extent yet

  cs.addSection(section({rectangle(0, 0, 10, 4)}));
  cs.getAllSnapPoints(points);
  ASSERT_EQ(points.length(), 11);
  EXPECT_EQ(points[0].getDyLabel(), ZEPTSectionPoint::eMax);
  EXPECT_EQ(points[1].getPoint(), DtGePoint2d(0, 0));
  EXPECT_EQ(points[1].getDxLabel(), ZEPTSectionPoint::eMin);
  EXPECT_EQ(points[5].getPoint(), DtGePoint2d(5, 2));
  EXPECT_EQ(points[5].getDxLabel(), ZEPTSectionPoint::eCenter);
  EXPECT_EQ(points[9].getPoint(), DtGePoint2d(10, 4));
  EXPECT_EQ(points[10].getDxLabel(), ZEPTSectionPoint::eOrigin);
}

// A labelled point places the labelled point of the extent on the origin.
TEST(ZEPTSectionPoint, LabelsFollowTheSection) {
  ZEPTCrossSection cs;
  cs.addSection(section({rectangle(0, 0, 10, 4)}));
  cs.setAlpha(90);
  ZEPTSectionPoint p({7, 7}, ZEPTSectionPoint::eMax, ZEPTSectionPoint::eCenter);
  struct Case {
    char const* name;
    ZEPTCrossSection const* cs;
    double const* alpha;
    DtGePoint2d expected;
  };
  double const zero = 0;
  Case const cases[] = {
      {"section coordinates", nullptr, nullptr, {7, 7}},
      {"cross-section's angle", &cs, nullptr, {2, -10}},
      {"angle given", &cs, &zero, {-10, -2}},
  };
  for (auto const& c : cases) {
    DtGePoint2d const got = p.getPoint(c.cs, c.alpha);
    EXPECT_NEAR(got.x, c.expected.x, kTol) << c.name;
    EXPECT_NEAR(got.y, c.expected.y, kTol) << c.name;
  }
  p.setLabels(ZEPTSectionPoint::eFree, ZEPTSectionPoint::eCenter);
  EXPECT_EQ(p.getPoint(&cs, &zero), DtGePoint2d(7, 7));
  p.setPoint({1, 1});
  EXPECT_EQ(p.getDyLabel(), ZEPTSectionPoint::eCenter);
  p.setPoint({1, 1}, ZEPTSectionPoint::eOrigin, ZEPTSectionPoint::eOrigin);
  EXPECT_EQ(p.getPoint(&cs, &zero), DtGePoint2d(0, 0));
}

TEST(ZEPTSectionPresenter, KeepsCopiesOfThePlacement) {
  ZEPTCrossSection a;
  ZEPTSectionPresenter p;
  EXPECT_EQ(p.attachSection(&a), 0);
  EXPECT_EQ(p.attachSection(nullptr), 1);
  EXPECT_EQ(p.attachedAt(2), nullptr);

  ZEPTSectionPoint point({1, 2});
  double angle = 45;
  ASSERT_TRUE(p.setOffset(&point, &angle));
  point.setPoint({9, 9});
  angle = 0;
  EXPECT_EQ(p.offsetPoint()->getPoint(), DtGePoint2d(1, 2));
  EXPECT_EQ(*p.offsetAngle(), 45);

  double const nan = std::numeric_limits<double>::quiet_NaN();
  ZEPTSectionPoint bad({nan, 0});
  EXPECT_FALSE(p.setOffset(&bad, nullptr));
  EXPECT_FALSE(p.setOffset(nullptr, &nan));
  EXPECT_EQ(*p.offsetAngle(), 45);

  ZEPTSectionPresenter copy(p);
  EXPECT_EQ(copy, p);
  *copy.offsetAngle() = 30;  // its own copy
  EXPECT_NE(copy, p);
  ASSERT_TRUE(p.setOffset(nullptr, nullptr));
  copy = p;
  EXPECT_EQ(copy.offsetAngle(), nullptr);
  EXPECT_EQ(copy, p);
  copy.attachSection(&a);
  EXPECT_NE(copy, p);
}

}  // namespace
