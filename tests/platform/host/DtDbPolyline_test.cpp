// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/host/DtDbPolyline.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTol = 1e-12;

DtDbPolyline polyline(std::initializer_list<std::pair<DtGePoint2d, double>> vertices, bool closed) {
  DtDbPolyline p;
  for (auto const& [point, bulge] : vertices) p.addVertexAt(p.numVerts(), point, bulge, -1.0, -1.0);
  p.setClosed(closed);
  return p;
}

TEST(DtDbPolyline, AddVertexAtInsertsBeforeTheIndex) {
  DtDbPolyline p;
  EXPECT_EQ(p.addVertexAt(0, {0, 0}), Dt::eOk);
  EXPECT_EQ(p.addVertexAt(1, {2, 0}, 0.5), Dt::eOk);
  EXPECT_EQ(p.addVertexAt(1, {1, 0}, 0.25, 2.0, 3.0), Dt::eOk);
  EXPECT_EQ(p.addVertexAt(4, {9, 9}), Dt::eInvalidIndex);
  ASSERT_EQ(p.numVerts(), 3u);
  DtGePoint2d pt;
  double bulge = 0, sw = 0, ew = 0;
  for (unsigned i = 0; i < 3; ++i) {
    ASSERT_EQ(p.getPointAt(i, pt), Dt::eOk);
    EXPECT_EQ(pt.x, i);
  }
  p.getBulgeAt(1, bulge);
  EXPECT_EQ(bulge, 0.25);
  p.getWidthsAt(1, sw, ew);
  EXPECT_EQ(sw, 2.0);
  EXPECT_EQ(ew, 3.0);
  p.getWidthsAt(0, sw, ew);  // -1 means the default width
  EXPECT_EQ(sw, 0.0);
  EXPECT_EQ(p.getPointAt(3, pt), Dt::eInvalidIndex);
  EXPECT_EQ(p.removeVertexAt(3), Dt::eInvalidIndex);
}

TEST(DtDbPolyline, SegmentTypes) {
  DtDbPolyline const open = polyline({{{0, 0}, 0}, {{1, 0}, 1}, {{1, 0}, 0}, {{2, 0}, 0}}, false);
  DtDbPolyline const closed = polyline({{{0, 0}, 0}, {{1, 0}, 0}, {{1, 1}, 0.3}}, true);
  DtDbPolyline const single = polyline({{{0, 0}, 0}}, true);
  DtDbPolyline const empty;
  struct Case {
    DtDbPolyline const* p;
    unsigned index;
    DtDbPolyline::SegType type;
  } const cases[] = {
      {&open, 0, DtDbPolyline::kLine},       {&open, 1, DtDbPolyline::kCoincident},
      {&open, 2, DtDbPolyline::kLine},       {&open, 3, DtDbPolyline::kPoint},
      {&open, 4, DtDbPolyline::kEmpty},      {&closed, 2, DtDbPolyline::kArc},
      {&single, 0, DtDbPolyline::kPoint},    {&empty, 0, DtDbPolyline::kEmpty},
  };
  for (auto const& c : cases) EXPECT_EQ(c.p->segType(c.index), c.type) << "index " << c.index;

  DtGeLineSeg2d line;
  EXPECT_EQ(closed.getLineSegAt(1, line), Dt::eOk);
  EXPECT_EQ(line.endPoint(), DtGePoint2d(1, 1));
  EXPECT_EQ(closed.getLineSegAt(2, line), Dt::eNotApplicable);
  DtGeCircArc2d arc;
  EXPECT_EQ(closed.getArcSegAt(0, arc), Dt::eNotApplicable);
  EXPECT_EQ(closed.getArcSegAt(7, arc), Dt::eInvalidIndex);
}

// Each bulge gives the arc whose ends are the vertices and whose sweep is
// 4 atan(bulge), more than half a turn beyond |bulge| = 1.
TEST(DtDbPolyline, ArcSegmentsFollowTheBulge) {
  struct Case {
    double sweep;  // signed, radians
  } const cases[] = {{kPi / 2}, {-kPi / 2}, {kPi}, {-kPi}, {1.5 * kPi}, {-1.5 * kPi}, {0.01}, {1.99 * kPi}};
  DtGePoint2d const start(3, 1), end(-1, 4);
  for (auto const& c : cases) {
    DtDbPolyline const p = polyline({{start, std::tan(c.sweep / 4)}, {end, 0}}, false);
    DtGeCircArc2d arc;
    ASSERT_EQ(p.getArcSegAt(0, arc), Dt::eOk) << c.sweep;
    EXPECT_NEAR(arc.signedSweep(), c.sweep, 1e-9);
    EXPECT_EQ(arc.isClockWise(), c.sweep < 0);
    EXPECT_NEAR(arc.startPoint().distanceTo(start), 0, 1e-9);
    EXPECT_NEAR(arc.endPoint().distanceTo(end), 0, 1e-9);
    EXPECT_NEAR(arc.center().distanceTo(start), arc.radius(), 1e-9);
    // The chord subtends the sweep: |chord| = 2 r sin(|sweep| / 2).
    EXPECT_NEAR(start.distanceTo(end), 2 * arc.radius() * std::sin(std::fabs(c.sweep) / 2), 1e-9);
    // Counter-clockwise arcs of less than half a turn have their centre left of the chord.
    double const side = (end - start).crossProduct(arc.center() - start);
    if (std::fabs(c.sweep) != kPi) {
      EXPECT_EQ(side > 0, (c.sweep > 0) == (std::fabs(c.sweep) < kPi)) << c.sweep;
    }
  }
  // A closed polyline closes with the last bulge.
  DtDbPolyline const circle = polyline({{{-1, 0}, 1}, {{1, 0}, 1}}, true);
  DtGeCircArc2d arc;
  ASSERT_EQ(circle.getArcSegAt(1, arc), Dt::eOk);
  EXPECT_NEAR(arc.center().distanceTo({0, 0}), 0, kTol);
  EXPECT_NEAR(arc.endPoint().distanceTo({-1, 0}), 0, kTol);
  // The lower half runs from (-1,0) through (0,-1), the upper back through (0,1).
  ASSERT_EQ(circle.getArcSegAt(0, arc), Dt::eOk);
  EXPECT_NEAR(arc.evalPoint((arc.startAng() + arc.endAng()) / 2).y, -1, kTol);
}

}  // namespace
