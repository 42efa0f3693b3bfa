// SPDX-License-Identifier: MIT
// The bundled EURO catalog built through the catalog-dimension analyser:
// every size's drawn section against the published values its row holds and
// written as a KORVA definition and read back, and the size index its data
// script gives it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/core/Utf8.h"
#include "platform/shape/SectionValues.h"
#include "section/ZEPTKORVAAnalyser.h"
#include "section/ZEPTKORVAPresenter.h"
#include "section/ZEPTMDBAnalyser.h"
#include "support/BundledCatalog.h"
#include "support/CatalogFolders.h"
#include "support/SameContours.h"
#include "support/SqliteFile.h"

using namespace zept::test;

namespace {

class EuroSections : public testing::Test {
 protected:
  EuroSections() { setCFG(&settings); }
  ~EuroSections() override { setCFG(nullptr); }
  const std::wstring folder = zept::fromUtf8(ZEPT_BUNDLED_DATA_DIR "/");
  FolderSettings settings{folder, folder};
};

// The section written as a KORVA definition reads back into the same
// contours, within single precision relative to its largest coordinate.
void expectKorvaRoundTrip(ZEPTCrossSection const& drawn, std::string const& what) {
  // What the round trip relies on: one solid, its holes (if any) after it.
  ASSERT_EQ(drawn.numSections(), 1) << what;
  ZEPTSection const& section = *drawn.sectionAt(0);
  ASSERT_GE(section.numContours(), 1) << what;
  ASSERT_FALSE(section.contourAt(0)->getIsHole()) << what;
  for (int c = 1; c < section.numContours(); ++c) ASSERT_TRUE(section.contourAt(c)->getIsHole()) << what;
  ZEPTKORVAPresenter presenter;
  presenter.attachSection(&drawn);
  CString text;
  ASSERT_TRUE(presenter.getDefinition(text, 0)) << what;
  ZEPTCrossSection read;
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&read);
  ASSERT_EQ(analyser.setDefinition(text, 0, 0, 0), 0) << what << ": " << text.toUtf8();
  ASSERT_EQ(read.numSections(), 1) << what;
  DtGePoint2d max, min;
  section.getExtents(max, min);
  double const size = std::max({1.0, std::fabs(max.x), std::fabs(max.y), std::fabs(min.x), std::fabs(min.y)});
  zept::test::expectSameContours(*read.sectionAt(0), section, 1e-6 * size, 1e-6, what);
}

// The length of a section's solid outlines (a hollow section's inside is not
// counted: its tables give the outer surface). A segment of bulge b is an arc
// of sweep 4 atan(b) over its chord.
double outlineLength(ZEPTSection const& section) {
  double length = 0;
  for (int c = 0; c < section.numContours(); ++c) {
    ZEPTContour const& contour = *section.contourAt(c);
    if (contour.getIsHole()) continue;
    const int n = contour.numVerts();
    for (int i = 0; i < n; ++i) {
      DtGePoint2d p, q;
      double bulge = 0, ignored = 0;
      contour.getVertexAt(i, p, bulge);
      contour.getVertexAt((i + 1) % n, q, ignored);
      const double chord = std::hypot(q.x - p.x, q.y - p.y);
      const double half = 2 * std::atan(std::fabs(bulge));  // half the sweep
      length += half < 1e-12 ? chord : chord * half / std::sin(half);
    }
  }
  return length;
}

// How far the published values of a row may lie from what its section draws.
// The tables round to 3 or 4 significant figures, which alone moves a value
// by up to 0.5 %, and print cm units with at most two decimals, which moves a
// small one (below 1 cm2, cm3 or cm4) further; the shape scripts draw the
// nominal dimensions, fillets and tapers the tables are computed from. So:
// area SX, second moments IY, IZ and elastic moduli MSY, MSZ (against IY, IZ
// of the drawing over its extents) within 0.6 % or half the printed step
// (0.005 cm2, cm4, cm3: 0.5 mm2, 50 mm4, 5 mm3), whichever is larger; MASS the
// drawn area x 7850 kg/m3 to 4 significant figures, as the tables compute it
// (3 printed figures would be off by up to 0.5 %); SURF (outline length,
// mm2 of surface per mm) within 0.5 %; the centroid on the origin within
// 0.1 mm (centroid distances are published to 0.01 cm) and the extents equal
// to VY, VPY, VZ, VPZ within 0.02 mm (stored to 0.01 mm).
constexpr double kSectionTolerance = 0.006;
constexpr double kPrintedStepArea = 0.5, kPrintedStepModulus = 5, kPrintedStepMoment = 50;
constexpr double kSurfaceTolerance = 0.005;
constexpr double kCentroidTolerance = 0.1;
constexpr double kExtentTolerance = 0.02;

double sectionTolerance(double value, double printedStep) {
  return std::max(kSectionTolerance * std::fabs(value), printedStep);
}

// Half a unit of the 4th significant figure, and a hair: a mass may lie
// halfway (a 125 mm2 flat weighs 0.98125 kg/m), and scripts/euro_geometry.py
// sums arcs as fine chords (1e-7 of a round bar's area).
double massTolerance(double mass) { return 5e-4 * std::pow(10, std::floor(std::log10(mass))) + 1e-6 * mass; }

void expectPublishedValues(ZEPTCrossSection const& drawn, ZEPTDBProfileData const& r, std::string const& what) {
  auto const v = zept::shape::sectionValues(drawn);
  ASSERT_TRUE(v) << what;
  EXPECT_NEAR(v->area, r.sx, sectionTolerance(r.sx, kPrintedStepArea)) << what << ": SX";
  EXPECT_NEAR(v->iy, r.iy, sectionTolerance(r.iy, kPrintedStepMoment)) << what << ": IY";
  EXPECT_NEAR(v->iz, r.iz, sectionTolerance(r.iz, kPrintedStepMoment)) << what << ": IZ";
  EXPECT_NEAR(v->centroid.x, 0, kCentroidTolerance) << what << ": centroid";
  EXPECT_NEAR(v->centroid.y, 0, kCentroidTolerance) << what << ": centroid";
  EXPECT_NEAR(v->max.x, r.vy, kExtentTolerance) << what << ": VY";
  EXPECT_NEAR(-v->min.x, r.vpy, kExtentTolerance) << what << ": VPY";
  EXPECT_NEAR(v->max.y, r.vz, kExtentTolerance) << what << ": VZ";
  EXPECT_NEAR(-v->min.y, r.vpz, kExtentTolerance) << what << ": VPZ";
  const double msy = v->iy / std::max(v->max.y, -v->min.y);
  const double msz = v->iz / std::max(v->max.x, -v->min.x);
  EXPECT_NEAR(r.msy, msy, sectionTolerance(msy, kPrintedStepModulus)) << what << ": MSY";
  EXPECT_NEAR(r.msz, msz, sectionTolerance(msz, kPrintedStepModulus)) << what << ": MSZ";
  const double mass = v->area * 7850e-6;  // mm2 x kg/m3 -> kg/m
  EXPECT_NEAR(r.mass, mass, massTolerance(mass)) << what << ": MASS";
  ASSERT_EQ(drawn.numSections(), 1) << what;
  const double outline = outlineLength(*drawn.sectionAt(0));
  EXPECT_NEAR(r.surf, outline, kSurfaceTolerance * outline) << what << ": SURF";
}

// The names of the values expectPublishedValues finds wrong in a row.
std::vector<std::string> failingChecks(ZEPTCrossSection const& drawn, ZEPTDBProfileData const& r) {
  testing::TestPartResultArray failures;
  {
    testing::ScopedFakeTestPartResultReporter reporter(
        testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    expectPublishedValues(drawn, r, "row");
  }
  std::vector<std::string> failing;
  for (int i = 0; i < failures.size(); ++i) {
    const std::string message = failures.GetTestPartResult(i).message();
    failing.push_back(message.substr(message.rfind(": ") + 2));
  }
  return failing;
}

// Every row of the catalog, whatever its series or shape type, draws the
// values it publishes and survives a KORVA round trip.
TEST_F(EuroSections, EverySizeDrawsItsPublishedValuesAndReadsBackFromKorva) {
  ZEPTDBProfile catalog;
  ASSERT_TRUE(catalog.setProfileDB(L"EURO"));
  CStringArray names, dims;
  DtArray<int> types;
  ASSERT_TRUE(catalog.getProfileShapeList(names, &types));
  ZEPTCrossSection cs;
  ZEPTMDBAnalyser analyser;
  analyser.attachSection(&cs);
  int sizes = 0;
  for (int n = 0; n < names.GetSize(); ++n) {
    ASSERT_TRUE(catalog.getProfileDimList(names[n], dims, types[n]));
    for (auto const& d : dims) {
      std::string const what = names[n].toUtf8() + " " + d.toUtf8();
      ZEPTDBProfileData r;
      ASSERT_EQ(analyser.setDefinition(L"EURO", names[n], d, DtDb::kMetric, &r), 0) << what;
      EXPECT_EQ(r.unitFactor, 1) << what;
      expectPublishedValues(cs, r, what);
      expectKorvaRoundTrip(cs, what);
      ++sizes;
    }
  }
  zept::test::BundledCatalog file("EUROpro");
  EXPECT_EQ(sizes, file.number(L"SELECT COUNT(*) FROM Shape"));
}

// The check itself: a section drawn from exact values passes, and one value
// off by a little more than the rounding allows fails at that value alone.
TEST_F(EuroSections, CheckCatchesAValueBeyondRounding) {
  ZEPTCrossSection cs;
  ZEPTMDBAnalyser analyser;
  analyser.attachSection(&cs);
  ZEPTDBProfileData exact;
  ASSERT_EQ(analyser.setDefinition(L"EURO", L"HEB", L"300", DtDb::kMetric, &exact), 0);
  auto const v = zept::shape::sectionValues(cs);
  ASSERT_TRUE(v);
  exact.sx = v->area;
  exact.iy = v->iy;
  exact.iz = v->iz;
  exact.msy = v->iy / 150;
  exact.msz = v->iz / 150;
  exact.mass = v->area * 7850e-6;
  exact.surf = outlineLength(*cs.sectionAt(0));
  expectPublishedValues(cs, exact, "HEB 300 exact");

  // A value off by a little more than its tolerance fails, and only the
  // checks that read it fail.
  struct Off {
    double ZEPTDBProfileData::*member;
    double factor;
    std::vector<std::string> failing;
  };
  for (auto const& off : {Off{&ZEPTDBProfileData::sx, 1.007, {"SX"}},
                          Off{&ZEPTDBProfileData::iy, 0.993, {"IY"}},
                          Off{&ZEPTDBProfileData::iz, 1.007, {"IZ"}},
                          Off{&ZEPTDBProfileData::msy, 1.007, {"MSY"}},
                          Off{&ZEPTDBProfileData::msz, 0.993, {"MSZ"}},
                          Off{&ZEPTDBProfileData::mass, 1.0006, {"MASS"}},
                          Off{&ZEPTDBProfileData::surf, 0.994, {"SURF"}},
                          Off{&ZEPTDBProfileData::vpy, 1.001, {"VPY"}}}) {
    ZEPTDBProfileData wrong = exact;
    wrong.*off.member *= off.factor;
    EXPECT_EQ(failingChecks(cs, wrong), off.failing);
  }

  // A small section's second moment (0.39 cm4 printed) may be off by half
  // the printed step, 50 mm4, though that is more than 0.6 % of it; not more.
  ZEPTDBProfileData small;
  ASSERT_EQ(analyser.setDefinition(L"EURO", L"L", L"20x20x3", DtDb::kMetric, &small), 0);
  auto const s = zept::shape::sectionValues(cs);
  ASSERT_TRUE(s);
  ASSERT_LT(kSectionTolerance * s->iz, 40);
  for (auto const& [off, failing] : {std::pair{45.0, std::vector<std::string>{}},
                                     std::pair{55.0, std::vector<std::string>{"IZ"}}}) {
    ZEPTDBProfileData wrong = small;
    wrong.iz = s->iz + off;
    EXPECT_EQ(failingChecks(cs, wrong), failing) << off;
  }
}

// The data script gives the catalog the size index a created one gets.
TEST_F(EuroSections, SizesAreIndexed) {
  EXPECT_EQ(shapeIndexes(std::string(ZEPT_BUNDLED_DATA_DIR) + "/EUROpro.mdb"), "NAME,DIM1,DIM2,DIM3");
}

}  // namespace
