// Plausibility of the bundled material and user-object catalogs as the build
// made them from data/*.sql, read through their accessors: elastic constants
// that agree with each other, steel strengths within EN 10025-2's ranges,
// object masses that follow from their sizes, and two translations each.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "database/ZEPTDBMaterial.h"
#include "database/ZEPTDBUserObj.h"
#include "platform/core/Utf8.h"
#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"

using namespace zept::test;

namespace {

class BundledCatalogs : public testing::Test {
 protected:
  BundledCatalogs() { setCFG(&settings); }
  ~BundledCatalogs() override { setCFG(nullptr); }
  const std::wstring folder = zept::fromUtf8(ZEPT_BUNDLED_DATA_DIR "/");
  FolderSettings settings{folder, folder};
};

TEST_F(BundledCatalogs, MaterialConstants) {
  ZEPTDBMaterial material;
  ASSERT_TRUE(material.setMaterialDB(L"EN"));
  CStringArray grades;
  ASSERT_TRUE(material.getMaterialGradeList(1, grades));
  EXPECT_EQ(grades.GetSize(), 7);
  // fu ranges of EN 10025-2 (3 <= t <= 100 mm).
  const std::map<std::wstring, std::pair<double, double>> fu = {
      {L"S235", {360, 510}}, {L"S275", {410, 560}}, {L"S355", {470, 630}}};
  for (auto const& grade : grades) {
    ZEPTDBMaterialData m;
    ASSERT_TRUE(material.getMaterialData(0, grade, &m)) << grade.toUtf8();
    if (m.nu > 0) {  // isotropic: G = E / (2 (1 + nu)) within 1 %
      EXPECT_NEAR(m.kirchoff, m.e / (2 * (1 + m.nu)), 0.01 * m.kirchoff) << grade.toUtf8();
    }
    if (m.type != 1) continue;
    EXPECT_EQ(std::tuple(m.e, m.nu, m.ro, m.lx), std::tuple(210000., 0.3, 7850., 12e-6)) << grade.toUtf8();
    EXPECT_LT(m.re, m.rt) << grade.toUtf8();
    if (auto range = fu.find(grade.str()); range != fu.end()) {
      EXPECT_GE(m.rt, range->second.first) << grade.toUtf8();
      EXPECT_LE(m.rt, range->second.second) << grade.toUtf8();
    }
  }
}

// Plates and stiffeners weigh their volume at 7850 kg/m³; a rib is a right
// triangle.
TEST_F(BundledCatalogs, UserObjectMasses) {
  ZEPTDBUserObj objs;
  CStringArray catalogs, categories, german;
  ASSERT_TRUE(objs.getUserObjDBList(catalogs, nullptr));
  EXPECT_EQ(entries(catalogs), (std::vector<std::wstring>{L"ANCHORPLATES", L"STIFFENERS"}));
  ASSERT_TRUE(objs.getUserObjCategoryList(categories, &german, 1031));
  EXPECT_EQ(entries(german), (std::vector<std::wstring>{L"Aussteifung", L"Verankerung"}));
  for (auto const& catalog : catalogs) {
    ASSERT_TRUE(objs.setUserObjDB(catalog));
    CStringArray names;
    ASSERT_TRUE(objs.getUserObjNameList(names));
    EXPECT_GE(names.GetSize(), 2);
    for (auto const& name : names) {
      ZEPTDBUserObjData d;
      ASSERT_TRUE(objs.getUserObjData(name, &d, DtDb::kMetric)) << name.toUtf8();
      const double share = name.Left(3) == L"Rib" ? 0.5 : 1;
      EXPECT_NEAR(d.mass, share * d.sizeX * d.sizeY * d.sizeZ * 7850e-9, 0.0005) << name.toUtf8();
      EXPECT_EQ(d.extraParameters.length(), 2) << name.toUtf8();
      EXPECT_EQ(d.locales.length(), 2) << name.toUtf8();
    }
  }
}

}  // namespace
