// The bundled EURO catalog built through the catalog-dimension analyser:
// every size's drawn section against its own published values, and the size
// index its data script gives it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <string>

#include "platform/core/Utf8.h"
#include "platform/shape/SectionValues.h"
#include "section/ZEPTMDBAnalyser.h"
#include "support/CatalogFolders.h"

using namespace zept::test;

namespace {

class EuroSections : public testing::Test {
 protected:
  EuroSections() { setCFG(&settings); }
  ~EuroSections() override { setCFG(nullptr); }
  const std::wstring folder = zept::fromUtf8(ZEPT_BUNDLED_DATA_DIR "/");
  FolderSettings settings{folder, folder};
};

// Area, second moments and the centroid of the section each size draws (its
// shape script, or the script made from its KORVA contour) agree with SX,
// IY, IZ and the origin the catalog gives.
TEST_F(EuroSections, EverySizeDrawsItsPublishedValues) {
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
      ++sizes;
    }
  }
  EXPECT_EQ(sizes, 79);
}

// In an English drawing lengths come out in inches: areas by 1/25.4^2,
// second moments by 1/25.4^4. UPN 200's contour is in the catalog's KORVA
// text, so this also covers the script made from it.
TEST_F(EuroSections, EnglishDrawingScalesByPowersOfTheInch) {
  for (auto const* size : {L"IPE|300", L"UPN|200", L"HEB|300"}) {
    std::wstring const key = size;
    CString const name = key.substr(0, key.find(L'|')), dims = key.substr(key.find(L'|') + 1);
    ZEPTCrossSection metric, english;
    ZEPTMDBAnalyser analyser;
    analyser.attachSection(&metric);
    ZEPTDBProfileData r;
    ASSERT_EQ(analyser.setDefinition(L"EURO", name, dims, DtDb::kMetric, &r), 0);
    analyser.attachSection(&english);
    ASSERT_EQ(analyser.setDefinition(L"EURO", name, dims, DtDb::kEnglish, &r), 0);
    EXPECT_EQ(r.unitFactor, 0.03937007874015748);
    auto const m = zept::shape::sectionValues(metric), e = zept::shape::sectionValues(english);
    ASSERT_TRUE(m && e);
    double const in = 25.4;
    EXPECT_NEAR(e->area, m->area / (in * in), 1e-9 * e->area);
    EXPECT_NEAR(e->iy, m->iy / std::pow(in, 4), 1e-9 * e->iy);
    EXPECT_NEAR(e->iz, m->iz / std::pow(in, 4), 1e-9 * e->iz);
    EXPECT_NEAR(e->wy, m->wy / std::pow(in, 3), 1e-9 * e->wy);
    EXPECT_NEAR(e->max.y, m->max.y / in, 1e-9);
    EXPECT_NEAR(e->area, r.sx / (in * in), 0.01 * e->area);
  }
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
