// SPDX-License-Identifier: MIT
#include "section/ZEPTMDBAnalyser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/CatalogFolders.h"
#include "support/ProfileCatalogs.h"
#include "support/Shapes.h"

using namespace zept::test;

namespace {

// One size to write: name, dimensions, shape type, H, B and the KORVA text.
struct Size {
  wchar_t const* name;
  double dim1;
  short shapeType;
  double h, b;
  wchar_t const* symbol;
};

// Shape type 8 draws an H x B rectangle about the origin; no other type has
// a script.
constexpr wchar_t kRectangle[] = L"StartContour(-B/2,-H/2,ext); LineTo(B/2,-H/2); LineTo(B/2,H/2); LineTo(-B/2,H/2);";
constexpr short kRect = 8, kNoScript = 99;
// A rectangle of 254 x 127 mm (10 x 5 in) that the script conversion takes.
constexpr wchar_t kKorvaMm[] = L"\"mm\" ( ( (S ( (L 0 0) (L 254 0) (L 254 127) (L 0 127) ) 0 ( ) ) ) )";

// Catalogs "MM" (section unit mm) and "IN" (inches) in the application
// folder, made and written through the catalog layer.
class MDBAnalyserTest : public CatalogFolders {
 protected:
  void SetUp() override {
    makeCatalog(tree.path("data/PDLScripts.mdb"), {createShape(L"ShapeTemplate"), createScripts(L"PDLScripts"),
                                                   insertScript(L"PDLScripts", kRect, kRectangle, true)});
  }
  void catalogWith(wchar_t const* name, DtDb::MeasurementValue units, std::vector<Size> const& sizes) {
    ZEPTDBProfile writer;
    ASSERT_EQ(writer.createProfileDB(name, units), 0);
    for (auto const& s : sizes) {
      ZEPTDBProfileData r;
      r.name = s.name;
      r.dim1 = s.dim1;
      r.shapeType = s.shapeType;
      r.h = s.h;
      r.b = s.b;
      r.symbol = s.symbol;
      ASSERT_EQ(writer.setProfileData(r), 0);
    }
  }
  // The cross-section's extent as {min x, min y, max x, max y}.
  std::vector<double> box() {
    DtGePoint2d max, min;
    if (!cs.getBoundaries(max, min)) return {};
    return {min.x, min.y, max.x, max.y};
  }
  // A cross-section that is not empty, to see whether a call touched it.
  void prefill() {
    cs.addSection(section({rectangle(0, 0, 1, 1)}));
    cs.addCustomPoint(ZEPTSectionPoint({1, 1}));
  }
  bool stillPrefilled() { return cs.numSections() == 1 && cs.numCustomPoints() == 1 && box() == std::vector<double>{0, 0, 1, 1}; }

  ZEPTCrossSection cs;
  ZEPTMDBAnalyser analyser;
};

// Relative to 1e-7: KORVA numbers are single precision.
void expectBox(std::vector<double> const& got, std::vector<double> const& want, std::string const& what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-7 * (1 + std::fabs(want[i]))) << what;
}

// Which reader builds a size and what unitFactor the record gets: shape
// scripts and script-converted contours come out in the drawing's units for
// a mm and an inch catalog in a metric and an English drawing.
TEST_F(MDBAnalyserTest, ReaderAndUnitFactorFollowTheRecordAndTheDrawing) {
  // OLD to NOQ are refused by the script conversion (a coordinate beyond its
  // grid, text before the unit), so the KORVA parser reads them.
  catalogWith(L"MM", DtDb::kMetric,
              {{L"PL", 200, kRect, 200, 100, L""},
               {L"K", 1, kNoScript, 0, 0, kKorvaMm},
               {L"BOTH", 1, kRect, 200, 100, L"10#0-0:4-0:4-2:0-2:0-0"},
               {L"OLD", 1, kNoScript, 0, 0, L"0.001#0-0:200-0:200-10:0-10"},
               {L"NEW", 1, kNoScript, 0, 0, L"x \"mm\" ( ( (S ( (L 0 0) (L 100 0) (L 100 50) ) 0 ( ) ) ) )"},
               {L"FUR", 1, kNoScript, 0, 0, L"x \"furlong\" ( ( (S ( (L 0 0) (L 100 0) (L 100 50) ) 0 ( ) ) ) )"},
               {L"NOQ", 1, kNoScript, 0, 0, L"( ( (S ( (L 0 0) (L 1 0) (L 1 1) ) 0 ( ) ) ) )"}});
  catalogWith(L"IN", DtDb::kEnglish, {{L"PL", 8, kRect, 8, 4, L""}, {L"K", 1, kNoScript, 0, 0, kKorvaMm}});
  analyser.attachSection(&cs);
  struct Case {
    wchar_t const* catalog;
    wchar_t const* profile;
    wchar_t const* dims;
    DtDb::MeasurementValue units;
    int result;
    double unitFactor;
    int sections;
    std::vector<double> box;  // empty: no extent
  } const cases[] = {
      {L"MM", L"PL", L"200", DtDb::kMetric, 0, 1, 1, {-50, -100, 50, 100}},
      {L"MM", L"PL", L"200", DtDb::kEnglish, 0, 1 / 25.4, 1, {-50 / 25.4, -100 / 25.4, 50 / 25.4, 100 / 25.4}},
      {L"IN", L"PL", L"8", DtDb::kMetric, 0, 25.4, 1, {-50.8, -101.6, 50.8, 101.6}},
      {L"IN", L"PL", L"8", DtDb::kEnglish, 0, 1, 1, {-2, -4, 2, 4}},
      {L"MM", L"K", L"1", DtDb::kMetric, 0, 1, 1, {0, 0, 254, 127}},
      {L"MM", L"K", L"1", DtDb::kEnglish, 0, 1 / 25.4, 1, {0, 0, 10, 5}},
      {L"IN", L"K", L"1", DtDb::kMetric, 0, 25.4, 1, {0, 0, 254, 127}},
      {L"IN", L"K", L"1", DtDb::kEnglish, 0, 1, 1, {0, 0, 10, 5}},
      // Any value but metric is inches.
      {L"MM", L"PL", L"200", static_cast<DtDb::MeasurementValue>(7), 0, 1 / 25.4, 1,
       {-50 / 25.4, -100 / 25.4, 50 / 25.4, 100 / 25.4}},
      // The script made from the grid takes its pitch as the section unit;
      // the parser would have read metres.
      {L"MM", L"BOTH", L"1", DtDb::kMetric, 0, 1, 1, {0, 0, 40, 20}},
      {L"MM", L"OLD", L"1", DtDb::kMetric, 0, 1000, 1, {0, 0, 200, 10}},
      {L"MM", L"OLD", L"1", DtDb::kEnglish, 0, 39.37007874015748, 1, {0, 0, 200 / 25.4, 10 / 25.4}},
      {L"MM", L"NEW", L"1", DtDb::kMetric, 0, 1, 1, {0, 0, 100, 50}},
      {L"MM", L"NEW", L"1", DtDb::kEnglish, 0, 0.03937007874015748, 1, {0, 0, 100 / 25.4, 50 / 25.4}},
      {L"MM", L"FUR", L"1", DtDb::kMetric, 0, 0, 1, {}},  // collapsed: scaled by 0
      // No quoted unit: factor 0; the parser cleared the cross-section and
      // failed, and the caller still gets the record with its factor.
      {L"MM", L"NOQ", L"1", DtDb::kMetric, 1, 0, 0, {}},
  };
  for (auto const& c : cases) {
    std::string const what = CString(c.catalog).toUtf8() + " " + CString(c.profile).toUtf8() + " units " +
                             std::to_string(static_cast<int>(c.units));
    ZEPTDBProfileData data;
    data.unitFactor = 5;
    ASSERT_EQ(analyser.setDefinition(c.catalog, c.profile, c.dims, c.units, &data), c.result) << what;
    EXPECT_NEAR(data.unitFactor, c.unitFactor, 1e-15 * c.unitFactor) << what;
    ASSERT_EQ(cs.numSections(), c.sections) << what;
    expectBox(box(), c.box, what);
  }
}

TEST_F(MDBAnalyserTest, CrossSectionUntouchedWithoutADefinition) {
  // A catalog whose Section table is empty would be rebuilt on every
  // selection, which a second accessor cannot do while the first has it open.
  catalogWith(L"MM", DtDb::kMetric, {{L"BARE", 1, kNoScript, 0, 0, L""}, {L"PL", 200, kRect, 200, 100, L""}});
  analyser.attachSection(&cs);
  prefill();
  struct Case {
    wchar_t const* catalog;
    wchar_t const* profile;
    wchar_t const* dims;
    int result;
  } const cases[] = {
      {L"MM", L"BARE", L"1", 0},   // neither script nor contour
      {L"NOPE", L"BARE", L"1", -1},
      {L"MM", L"OTHER", L"1", -1},
  };
  for (auto const& c : cases) {
    ZEPTDBProfileData data;
    EXPECT_EQ(analyser.setDefinition(c.catalog, c.profile, c.dims, DtDb::kMetric, &data), c.result)
        << CString(c.catalog).toUtf8() << " " << CString(c.profile).toUtf8();
    EXPECT_EQ(analyser.setDefinition(c.catalog, c.profile, c.dims, DtDb::kMetric, nullptr), c.result);
    EXPECT_TRUE(stillPrefilled());
  }
  ZEPTMDBAnalyser detached;  // reads, stores nothing
  EXPECT_EQ(detached.setDefinition(L"MM", L"BARE", L"1", DtDb::kMetric, nullptr), 0);
}

TEST_F(MDBAnalyserTest, CopiesCarryTheCrossSectionNotTheCatalog) {
  catalogWith(L"MM", DtDb::kMetric, {{L"PL", 200, kRect, 200, 100, L""}});
  analyser.attachSection(&cs);
  ASSERT_EQ(analyser.setDefinition(L"MM", L"PL", L"200", DtDb::kMetric, nullptr), 0);
  CString const open = analyser.getFullDBName();
  EXPECT_FALSE(open.IsEmpty());

  ZEPTMDBAnalyser copy(analyser);
  EXPECT_EQ(copy.attachedSection(), &cs);
  EXPECT_TRUE(copy.getFullDBName().IsEmpty());

  ZEPTCrossSection other;
  ZEPTMDBAnalyser elsewhere;
  elsewhere.attachSection(&other);
  EXPECT_TRUE(elsewhere != analyser);
  analyser = elsewhere;
  EXPECT_EQ(analyser.attachedSection(), &other);
  EXPECT_EQ(analyser.getFullDBName(), open);  // the catalog stays selected
  EXPECT_TRUE(analyser == elsewhere);
}

}  // namespace
