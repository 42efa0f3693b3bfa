// The bundled EURO catalog built through the catalog-dimension analyser:
// every size's drawn section against its own published values and written
// as a KORVA definition and read back, and the size index its data script
// gives it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/core/Utf8.h"
#include "platform/shape/SectionValues.h"
#include "section/ZEPTKORVAAnalyser.h"
#include "section/ZEPTKORVAPresenter.h"
#include "section/ZEPTMDBAnalyser.h"
#include "support/CatalogFolders.h"
#include "support/SameContours.h"

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

// Area, second moments and the centroid of the section each size draws (its
// shape script, or the script made from its KORVA contour) agree with SX,
// IY, IZ and the origin the catalog gives, and the section survives a KORVA
// round trip.
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
      auto const v = zept::shape::sectionValues(cs);
      ASSERT_TRUE(v) << what;
      EXPECT_NEAR(v->area, r.sx, 0.01 * r.sx) << what;
      EXPECT_NEAR(v->iy, r.iy, 0.01 * r.iy) << what;
      EXPECT_NEAR(v->iz, r.iz, 0.01 * r.iz) << what;
      EXPECT_NEAR(v->centroid.x, 0, 0.1) << what;
      EXPECT_NEAR(v->centroid.y, 0, 0.1) << what;
      expectKorvaRoundTrip(cs, what);
      ++sizes;
    }
  }
  EXPECT_EQ(sizes, 79);
}

// The data script gives the catalog the size index a created one gets.
TEST_F(EuroSections, SizesAreIndexed) {
  std::string const file = std::string(ZEPT_BUNDLED_DATA_DIR) + "/EUROpro.mdb";
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  sqlite3_stmt* stmt = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db,
                               "SELECT group_concat(c.name) FROM sqlite_master m, pragma_index_info(m.name) c "
                               "WHERE m.type = 'index' AND m.tbl_name = 'Shape' GROUP BY m.name",
                               -1, &stmt, nullptr),
            SQLITE_OK);
  std::string indexes;
  while (sqlite3_step(stmt) == SQLITE_ROW)
    indexes += reinterpret_cast<char const*>(sqlite3_column_text(stmt, 0)) + std::string(";");
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  EXPECT_EQ(indexes, "NAME,DIM1,DIM2,DIM3;");
}

}  // namespace
