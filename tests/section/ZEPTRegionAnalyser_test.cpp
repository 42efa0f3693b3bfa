#include "section/ZEPTRegionAnalyser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbEllipse.h"
#include "platform/host/DtDbLine.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbRegion.h"
#include "platform/host/DtDbSpline.h"
#include "platform/core/Utf8.h"
#include "platform/shape/SectionValues.h"
#include "platform/shape/ZEPTPDLAnalyser.h"
#include "section/ZEPTKORVAAnalyser.h"
#include "support/SameContours.h"

namespace {

using RegionPtr = std::unique_ptr<DtDbRegion>;
using Entities = std::vector<std::unique_ptr<DtDbEntity>>;

// The one region a closed curve makes; the curve is deleted.
RegionPtr regionOf(DtDbEntity* curve) {
  std::unique_ptr<DtDbEntity> owned(curve);
  DtArray<DtDbEntity*> curves;
  curves.append(curve);
  DtArray<DtDbRegion*> made;
  EXPECT_EQ(DtDbRegion::createFromCurves(curves, made), Dt::eOk);
  EXPECT_EQ(made.length(), 1);
  RegionPtr first(made.length() > 0 ? made[0] : new DtDbRegion);
  for (int i = 1; i < made.length(); ++i) delete made[i];
  return first;
}

// A closed polyline in z = 0 of (point, bulge) pairs.
DtDbPolyline* outline(std::vector<std::pair<DtGePoint2d, double>> const& vertices) {
  auto* p = new DtDbPolyline;
  for (auto const& [point, bulge] : vertices) p->addVertexAt(p->numVerts(), point, bulge, -1.0, -1.0);
  p->setClosed(true);
  return p;
}

RegionPtr rect(double x0, double y0, double x1, double y1) {
  return regionOf(outline({{{x0, y0}, 0}, {{x1, y0}, 0}, {{x1, y1}, 0}, {{x0, y1}, 0}}));
}

RegionPtr disc(double cx, double cy, double r) {
  return regionOf(new DtDbCircle(DtGePoint3d(cx, cy, 0), DtGeVector3d(0, 0, 1), r));
}

RegionPtr minus(RegionPtr a, RegionPtr b) {
  a->booleanOper(DtDb::kBoolSubtract, b.get());
  return a;
}

RegionPtr moved(RegionPtr r, DtGeMatrix3d const& m) {
  r->transformBy(m);
  return r;
}

// A 240 x 120 plate with corners of radius 10, drawn either way round.
RegionPtr roundedPlate(bool clockwise) {
  double const q = std::tan(std::numbers::pi / 8);
  std::vector<std::pair<DtGePoint2d, double>> v{{{10, 0}, 0},   {{230, 0}, q},   {{240, 10}, 0}, {{240, 110}, q},
                                                {{230, 120}, 0}, {{10, 120}, q}, {{0, 110}, 0},  {{0, 10}, q}};
  if (clockwise) {
    std::vector<std::pair<DtGePoint2d, double>> r;
    for (std::size_t i = v.size(); i-- > 0;) r.push_back({v[i].first, -v[(i + v.size() - 1) % v.size()].second});
    v = r;
  }
  return regionOf(outline(v));
}

RegionPtr plateWithTwoHoles() { return minus(minus(roundedPlate(false), disc(60, 60, 11)), disc(180, 60, 11)); }

double areaOf(DtDbRegion const& r) {
  double area = 0;
  r.getArea(area);
  return area;
}

class RegionAnalyser : public testing::Test {
 protected:
  int analyse(std::vector<DtDbRegion*> const& regions, ZEPTDBProfileData* data = nullptr) {
    DtArray<DtDbRegion*> array;
    for (DtDbRegion* r : regions) array.append(r);
    analyser.attachSection(&cs);
    return analyser.setDefinition(array, data);
  }

  ZEPTCrossSection cs;
  ZEPTRegionAnalyser analyser;
};

TEST_F(RegionAnalyser, ResultCodes) {
  struct Case {
    char const* what;
    std::function<std::vector<RegionPtr>()> make;
    int code;
    int sections;
  };
  auto list = [](auto... r) {
    std::vector<RegionPtr> v;
    (v.push_back(std::move(r)), ...);
    return v;
  };
  double const quarter = std::numbers::pi / 2;
  Case const cases[] = {
      {"no entry", [] { return std::vector<RegionPtr>{}; }, -1, 0},
      {"an empty region", [&] { return list(std::make_unique<DtDbRegion>()); }, -1, 0},
      {"crossing planes",
       [&] { return list(rect(0, 0, 10, 10), moved(rect(0, 0, 10, 10), DtGeMatrix3d::rotation(quarter, {1, 0, 0}))); },
       1, 0},
      // The same normal passes the plane test; the union then keeps only
      // the first, as regions of different planes do not unite.
      {"parallel planes",
       [&] { return list(rect(0, 0, 10, 10), moved(rect(20, 0, 30, 10), DtGeMatrix3d::translation({0, 0, 5}))); }, 2,
       0},
      {"overlap of 0.01", [&] { return list(rect(0, 0, 10, 10), rect(9.999, 0, 20, 10)); }, 2, 0},
      {"overlap of 0.0005", [&] { return list(rect(0, 0, 10, 10), rect(9.99995, 0, 20, 10)); }, 0, 2},
      {"a disc in a plate's matching hole",
       [&] { return list(minus(rect(-2000, -2000, 2000, 2000), disc(0, 0, 1000)), disc(0, 0, 1000)); }, 0, 2},
      {"a spline after a rectangle",
       [&] {
         DtArray<DtGePoint3d> fit;
         for (auto const& p : {DtGePoint3d(50, 0, 0), DtGePoint3d(60, 10, 0), DtGePoint3d(50, 20, 0),
                               DtGePoint3d(40, 10, 0), DtGePoint3d(50, 0, 0)})
           fit.append(p);
         return list(rect(0, 0, 10, 10), regionOf(new DtDbSpline(fit)));
       },
       4, 1},
      {"an ellipse",
       [&] { return list(regionOf(new DtDbEllipse(DtGePoint3d(0, 0, 0), {0, 0, 1}, {20, 0, 0}, 0.5))); }, 4, 0},
  };
  for (auto const& c : cases) {
    std::vector<RegionPtr> regions = c.make();
    std::vector<DtDbRegion*> pointers;
    for (auto const& r : regions) pointers.push_back(r.get());
    cs.removeAllSections();
    EXPECT_EQ(analyse(pointers), c.code) << c.what;
    EXPECT_EQ(cs.numSections(), c.sections) << c.what;
  }
}

// Null pointers and other entities do not count, and leave the plane as the
// last call left it.
TEST_F(RegionAnalyser, NothingToAnalyseKeepsThePlane) {
  RegionPtr plate = rect(10, 20, 30, 40);
  ASSERT_EQ(analyse({plate.get()}), 0);
  DtDbLine line(DtGePoint3d(0, 0, 0), DtGePoint3d(1, 0, 0));
  // The host's arrays carry any entity under the region type.
  EXPECT_EQ(analyse({nullptr, reinterpret_cast<DtDbRegion*>(static_cast<DtDbEntity*>(&line))}), -1);
  EXPECT_EQ(analyser.getPlane().pointOnPlane(), DtGePoint3d(20, 30, 0));
  EXPECT_EQ(cs.numSections(), 1);
}

TEST_F(RegionAnalyser, FillsTheRecordOfA200By100Rectangle) {
  RegionPtr r = rect(1000, 500, 1200, 600);
  for (auto units : {DtDb::kMetric, DtDb::kEnglish}) {
    ZEPTDBProfileData data;
    data.unitFactor = 7;
    data.shapeType = 5;
    data.isSymmetric = true;
    cs.removeAllSections();
    analyser.units = units;
    ASSERT_EQ(analyse({r.get()}, &data), 0);
    EXPECT_NEAR(data.b, 200, 1e-9);
    EXPECT_NEAR(data.h, 100, 1e-9);
    EXPECT_NEAR(data.vy, 100, 1e-9);
    EXPECT_NEAR(data.vpy, 100, 1e-9);
    EXPECT_NEAR(data.vz, 50, 1e-9);
    EXPECT_NEAR(data.vpz, 50, 1e-9);
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
  RegionPtr plate = minus(rect(0, 0, 200, 100), disc(100, 50, 20));
  ASSERT_EQ(analyse({plate.get()}), 0);
  ASSERT_EQ(cs.numSections(), 1);
  ZEPTSection const& section = *cs.sectionAt(0);
  ASSERT_EQ(section.numContours(), 2);
  ZEPTContour const& outer = *section.contourAt(0);
  ZEPTContour const& hole = *section.contourAt(1);
  EXPECT_FALSE(outer.getIsHole());
  EXPECT_TRUE(hole.getIsHole());
  ASSERT_EQ(outer.numVerts(), 5);
  ASSERT_EQ(hole.numVerts(), 3);
  DtGePoint2d p[5];
  double b[5];
  for (int i = 0; i < 5; ++i) {
    outer.getVertexAt(i, p[i], b[i]);
    EXPECT_EQ(b[i], 0) << i;
    EXPECT_NEAR(std::fabs(p[i].x), 100, 1e-9) << i;
    EXPECT_NEAR(std::fabs(p[i].y), 50, 1e-9) << i;
  }
  EXPECT_EQ(p[4], p[0]);
  for (int i = 0; i < 3; ++i) {
    hole.getVertexAt(i, p[i], b[i]);
    EXPECT_NEAR(p[i].asVector().length(), 20, 1e-9) << i;
  }
  EXPECT_EQ(b[0], 1);
  EXPECT_EQ(b[1], 1);
  EXPECT_EQ(b[2], 0);
  EXPECT_NEAR(p[1].x, -p[0].x, 1e-9);
  EXPECT_NEAR(p[1].y, -p[0].y, 1e-9);
  EXPECT_EQ(p[2], p[0]);
}

// Bulge signs, holes and planes show in the area and centroid the contours
// enclose: the regions' own area, about the new origin.
TEST_F(RegionAnalyser, ContoursEncloseTheRegionsAboutTheirCentroid) {
  DtGeMatrix3d const tilt =
      DtGeMatrix3d::translation({5, -7, 30}) * DtGeMatrix3d::rotation(0.7, DtGeVector3d(1, 1, 0.3));
  struct Case {
    char const* what;
    std::function<std::vector<RegionPtr>()> make;
  };
  auto list = [](auto... r) {
    std::vector<RegionPtr> v;
    (v.push_back(std::move(r)), ...);
    return v;
  };
  Case const cases[] = {
      {"rounded corners, counter-clockwise", [&] { return list(roundedPlate(false)); }},
      {"rounded corners, clockwise", [&] { return list(roundedPlate(true)); }},
      {"two round holes", [&] { return list(plateWithTwoHoles()); }},
      {"tilted plane", [&] { return list(moved(plateWithTwoHoles(), tilt)); }},
      {"seen from below",
       [&] { return list(moved(plateWithTwoHoles(), DtGeMatrix3d::rotation(std::numbers::pi, {1, 0, 0}))); }},
      {"half disc and a separate bar",
       [&] {
         return list(regionOf(outline({{{0, 0}, 0}, {{40, 0}, 1}})), minus(rect(50, 0, 90, 10), disc(60, 5, 2)));
       }},
  };
  for (auto const& c : cases) {
    std::vector<RegionPtr> regions = c.make();
    std::vector<DtDbRegion*> pointers;
    double area = 0;
    for (auto const& r : regions) {
      pointers.push_back(r.get());
      area += areaOf(*r);
    }
    cs.removeAllSections();
    ASSERT_EQ(analyse(pointers), 0) << c.what;
    auto const values = zept::shape::sectionValues(cs);
    ASSERT_TRUE(values) << c.what;
    EXPECT_NEAR(values->area, area, 1e-9 * area) << c.what;
    EXPECT_NEAR(values->centroid.x, 0, 1e-9) << c.what;
    EXPECT_NEAR(values->centroid.y, 0, 1e-9) << c.what;
  }
}

TEST_F(RegionAnalyser, RecordTextsReadBackIntoTheSameSection) {
  RegionPtr plate = plateWithTwoHoles();
  ZEPTDBProfileData data;
  ASSERT_EQ(analyse({plate.get()}, &data), 0);

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
  RegionPtr r = rect(10, 10, 20, 20);
  analyser.units = DtDb::kEnglish;
  ASSERT_EQ(analyse({r.get()}), 0);
  ZEPTRegionAnalyser const copy(analyser);
  EXPECT_EQ(copy, analyser);
  EXPECT_EQ(copy.units, DtDb::kMetric);
  EXPECT_EQ(copy.getPlane().pointOnPlane(), DtGePoint3d(0, 0, 0));

  ZEPTRegionAnalyser assigned;
  assigned = analyser;
  EXPECT_EQ(assigned.units, DtDb::kMetric);
  EXPECT_EQ(assigned.getPlane().pointOnPlane(), DtGePoint3d(0, 0, 0));
  EXPECT_FALSE(assigned != analyser);
  ZEPTCrossSection other;
  assigned.attachSection(&other);
  EXPECT_NE(assigned, analyser);
}

}  // namespace
