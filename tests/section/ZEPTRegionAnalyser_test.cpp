// SPDX-License-Identifier: MIT
#include "section/ZEPTRegionAnalyser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "platform/core/Utf8.h"
#include "platform/host/DtDbEllipse.h"
#include "platform/host/DtDbSpline.h"
#include "platform/shape/SectionValues.h"
#include "platform/shape/ZEPTPDLAnalyser.h"
#include "section/ZEPTKORVAAnalyser.h"
#include "support/Regions.h"
#include "support/SameContours.h"

namespace {

using namespace zept::test;
using Regions = std::vector<RegionPtr>;

template <typename... R>
Regions list(R... r) {
  Regions v;
  (v.push_back(std::move(r)), ...);
  return v;
}

// The one region a closed curve makes; the curve is deleted.
RegionPtr regionOf(DtDbEntity* curve) { return region({std::shared_ptr<DtDbEntity>(curve)}); }
RegionPtr outline(std::vector<std::pair<DtGePoint2d, double>> const& vertices) { return region({polyline(vertices)}); }
RegionPtr rect(double x0, double y0, double x1, double y1) {
  return outline({{{x0, y0}, 0}, {{x1, y0}, 0}, {{x1, y1}, 0}, {{x0, y1}, 0}});
}
RegionPtr disc(double cx, double cy, double r) { return region({circle(cx, cy, r)}); }
RegionPtr minus(RegionPtr a, RegionPtr b) { return combined(std::move(a), std::move(b), DtDb::kBoolSubtract); }

RegionPtr moved(RegionPtr r, DtGeMatrix3d const& m) {
  r->transformBy(m);
  return r;
}

// A 240 x 120 plate with corners of radius 10 and two holes of radius 11.
RegionPtr plateWithTwoHoles() {
  double const q = std::tan(std::numbers::pi / 8);
  return minus(minus(outline({{{10, 0}, 0}, {{230, 0}, q}, {{240, 10}, 0}, {{240, 110}, q}, {{230, 120}, 0},
                              {{10, 120}, q}, {{0, 110}, 0}, {{0, 10}, q}}),
                     disc(60, 60, 11)),
               disc(180, 60, 11));
}

class RegionAnalyser : public testing::Test {
 protected:
  int analyse(std::vector<DtDbRegion*> const& regions, ZEPTDBProfileData* data = nullptr) {
    DtArray<DtDbRegion*> array;
    for (DtDbRegion* r : regions) array.append(r);
    analyser.attachSection(&cs);
    return analyser.setDefinition(array, data);
  }
  int analyse(Regions const& regions, ZEPTDBProfileData* data = nullptr) {
    std::vector<DtDbRegion*> pointers;
    for (auto const& r : regions) pointers.push_back(r.get());
    return analyse(pointers, data);
  }

  ZEPTCrossSection cs;
  ZEPTRegionAnalyser analyser;
};

TEST_F(RegionAnalyser, ResultCodes) {
  DtArray<DtGePoint3d> fit;
  for (auto const& p : {DtGePoint3d(50, 0, 0), DtGePoint3d(60, 10, 0), DtGePoint3d(50, 20, 0), DtGePoint3d(40, 10, 0),
                        DtGePoint3d(50, 0, 0)})
    fit.append(p);
  struct Case {
    char const* what;
    Regions regions;
    int code;
    int sections;
  } const cases[] = {
      {"no entry", {}, -1, 0},
      {"an empty region", list(std::make_unique<DtDbRegion>()), -1, 0},
      {"crossing planes",
       list(rect(0, 0, 10, 10), moved(rect(0, 0, 10, 10), DtGeMatrix3d::rotation(std::numbers::pi / 2, {1, 0, 0}))),
       1, 0},
      // The same normal passes the plane test; the union then keeps only
      // the first, as regions of different planes do not unite.
      {"parallel planes", list(rect(0, 0, 10, 10), moved(rect(20, 0, 30, 10), DtGeMatrix3d::translation({0, 0, 5}))),
       2, 0},
      {"overlap of 0.01", list(rect(0, 0, 10, 10), rect(9.999, 0, 20, 10)), 2, 0},
      {"overlap of 0.0005", list(rect(0, 0, 10, 10), rect(9.99995, 0, 20, 10)), 0, 2},
      {"a disc in a plate's matching hole",
       list(minus(rect(-2000, -2000, 2000, 2000), disc(0, 0, 1000)), disc(0, 0, 1000)), 0, 2},
      {"a spline after a rectangle", list(rect(0, 0, 10, 10), regionOf(new DtDbSpline(fit))), 4, 1},
      {"an ellipse", list(regionOf(new DtDbEllipse({0, 0, 0}, {0, 0, 1}, {20, 0, 0}, 0.5))), 4, 0},
      {"a disc of radius 0.5", list(disc(0, 0, 0.5)), 0, 1},
      // Moments beyond the range of a double leave no centroid.
      {"a rectangle scaled by 1e150", list(moved(rect(0, 0, 10, 10), DtGeMatrix3d::scaling(1e150))), -1, 0},
      {"a disc scaled by 1e200", list(moved(disc(0, 0, 10), DtGeMatrix3d::scaling(1e200))), -1, 0},
  };
  for (auto const& c : cases) {
    cs.removeAllSections();
    EXPECT_EQ(analyse(c.regions), c.code) << c.what;
    EXPECT_EQ(cs.numSections(), c.sections) << c.what;
  }
}

// Null pointers and other entities do not count, and leave the plane as the
// last call left it.
TEST_F(RegionAnalyser, NothingToAnalyseKeepsThePlane) {
  ASSERT_EQ(analyse(list(rect(10, 20, 30, 40))), 0);
  DtDbLine line({0, 0, 0}, {1, 0, 0});
  // The host's arrays carry any entity under the region type.
  EXPECT_EQ(analyse({nullptr, reinterpret_cast<DtDbRegion*>(static_cast<DtDbEntity*>(&line))}), -1);
  EXPECT_EQ(analyser.getPlane().pointOnPlane(), DtGePoint3d(20, 30, 0));
  EXPECT_EQ(cs.numSections(), 1);
}

TEST_F(RegionAnalyser, FillsTheRecordOfA200By100Rectangle) {
  Regions const r = list(rect(1000, 500, 1200, 600));
  for (auto units : {DtDb::kMetric, DtDb::kEnglish}) {
    ZEPTDBProfileData data;
    data.unitFactor = 7;
    data.shapeType = 5;
    data.isSymmetric = true;
    analyser.units = units;
    ASSERT_EQ(analyse(r, &data), 0);
    double const got[] = {data.b, data.h, data.vy, data.vpy, data.vz, data.vpz};
    double const want[] = {200, 100, 100, 100, 50, 50};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(got[i], want[i], 1e-9) << i;
    EXPECT_EQ(data.unitFactor, 1.0);
    EXPECT_EQ(data.shapeType, 0);
    EXPECT_FALSE(data.isSymmetric);
    EXPECT_EQ(ZEPTKORVAAnalyser().getShapeUnits(data.symbol.c_str()), units == DtDb::kEnglish ? L"in" : L"mm");
    EXPECT_FALSE(data.pdlScript.isEmpty());
    EXPECT_EQ(analyser.getPlane().pointOnPlane(), DtGePoint3d(1100, 550, 0));
  }
}

// The outer loop: four corners and the first again; the hole: two half
// circles of bulge 1 and the closing vertex.
TEST_F(RegionAnalyser, RectangleWithCircularHole) {
  ASSERT_EQ(analyse(list(minus(rect(0, 0, 200, 100), disc(100, 50, 20)))), 0);
  ASSERT_EQ(cs.numSections(), 1);
  ASSERT_EQ(cs.sectionAt(0)->numContours(), 2);
  std::vector<double> const bulges[] = {{0, 0, 0, 0, 0}, {1, 1, 0}};
  for (int c = 0; c < 2; ++c) {
    ZEPTContour const& contour = *cs.sectionAt(0)->contourAt(c);
    EXPECT_EQ(contour.getIsHole(), c == 1);
    ASSERT_EQ(contour.numVerts(), static_cast<int>(bulges[c].size())) << c;
    DtGePoint2d first, p;
    double bulge = 0;
    contour.getVertexAt(0, first, bulge);
    for (int v = 0; v < contour.numVerts(); ++v) {
      contour.getVertexAt(v, p, bulge);
      EXPECT_EQ(bulge, bulges[c][static_cast<std::size_t>(v)]) << c << ", " << v;
    }
    EXPECT_EQ(p, first) << c;
  }
}

// Bulge signs, holes and planes show in the area and centroid the contours
// enclose: the regions' own area, about the new origin.
TEST_F(RegionAnalyser, ContoursEncloseTheRegionsAboutTheirCentroid) {
  DtGeMatrix3d const tilt =
      DtGeMatrix3d::translation({5, -7, 30}) * DtGeMatrix3d::rotation(0.7, DtGeVector3d(1, 1, 0.3));
  struct Case {
    char const* what;
    Regions regions;
  } const cases[] = {
      {"drawn clockwise", list(outline({{{0, 0}, 0}, {{0, 50}, -0.4}, {{80, 50}, 0}, {{80, 0}, 0.3}}))},
      {"round holes", list(plateWithTwoHoles())},
      {"tilted plane", list(moved(plateWithTwoHoles(), tilt))},
      {"seen from below", list(moved(plateWithTwoHoles(), DtGeMatrix3d::rotation(std::numbers::pi, {1, 0, 0})))},
      {"half disc and a bar with a hole",
       list(outline({{{0, 0}, 0}, {{40, 0}, 1}}), minus(rect(50, 0, 90, 10), disc(60, 5, 2)))},
  };
  for (auto const& c : cases) {
    double area = 0;
    for (auto const& r : c.regions) {
      double a = 0;
      r->getArea(a);
      area += a;
    }
    cs.removeAllSections();
    ASSERT_EQ(analyse(c.regions), 0) << c.what;
    auto const values = zept::shape::sectionValues(cs);
    ASSERT_TRUE(values) << c.what;
    EXPECT_NEAR(values->area, area, 1e-9 * area) << c.what;
    EXPECT_NEAR(values->centroid.x, 0, 1e-9) << c.what;
    EXPECT_NEAR(values->centroid.y, 0, 1e-9) << c.what;
  }
}

TEST_F(RegionAnalyser, RecordTextsReadBackIntoTheSameSection) {
  ZEPTDBProfileData data;
  ASSERT_EQ(analyse(list(plateWithTwoHoles()), &data), 0);

  ZEPTCrossSection korva;
  ZEPTKORVAAnalyser reader;
  reader.attachSection(&korva);
  ASSERT_EQ(reader.setDefinition(data.symbol.c_str(), 0, 0, 0), 0) << zept::toUtf8(data.symbol.str());
  ASSERT_EQ(korva.numSections(), 1);
  zept::test::expectSameContours(*korva.sectionAt(0), *cs.sectionAt(0), 1e-4, 1e-6, "KORVA text");

  ZEPTCrossSection script;
  ZEPTPDLAnalyser pdl;
  pdl.attachSection(&script);
  ASSERT_EQ(pdl.setDefinitionByData(data, 1.0), 0) << zept::toUtf8(data.pdlScript.str());
  auto const want = zept::shape::sectionValues(cs), got = zept::shape::sectionValues(script);
  ASSERT_TRUE(want && got);
  EXPECT_NEAR(got->area, want->area, 1e-9 * want->area);
  EXPECT_NEAR(got->iy, want->iy, 1e-9 * want->iy);
}

// Copies fill the same cross-section and start metric with a default plane;
// assignment and comparison look at the cross-section only.
TEST_F(RegionAnalyser, CopyAndComparisonTakeTheCrossSectionOnly) {
  analyser.units = DtDb::kEnglish;
  ASSERT_EQ(analyse(list(rect(10, 10, 20, 20))), 0);
  ZEPTRegionAnalyser copy(analyser), assigned;
  assigned = analyser;
  for (ZEPTRegionAnalyser const* a : {&copy, &assigned}) {
    EXPECT_TRUE(*a == analyser);
    EXPECT_EQ(a->units, DtDb::kMetric);
    EXPECT_EQ(a->getPlane().pointOnPlane(), DtGePoint3d(0, 0, 0));
  }
  ZEPTCrossSection other;
  assigned.attachSection(&other);
  EXPECT_TRUE(assigned != analyser);
}

}  // namespace
