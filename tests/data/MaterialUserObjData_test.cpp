// SPDX-License-Identifier: MIT
// Plausibility of the bundled material and user-object catalogs as the build
// made them from data/*.sql, read through their accessors: elastic constants
// that agree with each other, steel strengths within EN 10025-2's ranges,
// object masses that follow from their sizes, and two translations each.
// Steel grades carry EN 1993-1-1's design values for their product standard.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "database/ZEPTDBList.h"
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
  EXPECT_EQ(grades.GetSize(), 60);
  // fu ranges of EN 10025-2 (3 <= t <= 100 mm), by strength.
  const std::map<std::wstring, std::pair<double, double>> fu = {
      {L"S235", {360, 510}}, {L"S275", {410, 560}}, {L"S355", {470, 630}}};
  std::map<std::wstring, std::pair<double, double>> byStandard;  // fy/fu of strength and product standard
  const std::wregex edition(LR"(EN 10(025-[2346]:2019|210-1:2006|219-1:2006)\b.*EN 1993-1-1:2005 Table 3\.1.*)");
  for (auto const& grade : grades) {
    ZEPTDBMaterialData m;
    ASSERT_TRUE(material.getMaterialData(0, grade, &m)) << grade.toUtf8();
    if (m.nu > 0) {  // isotropic: G = E / (2 (1 + nu)) within 1 %
      EXPECT_NEAR(m.kirchoff, m.e / (2 * (1 + m.nu)), 0.01 * m.kirchoff) << grade.toUtf8();
    }
    if (m.type != 1) continue;
    EXPECT_EQ(std::tuple(m.e, m.nu, m.ro, m.lx), std::tuple(210000., 0.3, 7850., 12e-6)) << grade.toUtf8();
    EXPECT_LT(m.re, m.rt) << grade.toUtf8();
    // The product standard and the design code, each with its edition.
    const std::wstring description = m.description.str();
    EXPECT_TRUE(std::regex_match(description, edition)) << grade.toUtf8() << ": " << zept::toUtf8(m.description.c_str());
    // Qualities of one strength, product standard and family share fy and fu.
    const auto key = grade.Left(4).str() + description.substr(0, description.find(L';'));
    if (auto [at, added] = byStandard.try_emplace(key, m.re, m.rt); !added) {
      EXPECT_EQ(at->second, std::pair(m.re, m.rt)) << grade.toUtf8();
    }
    if (auto range = fu.find(grade.Left(4).str()); range != fu.end() && description.starts_with(L"EN 10025-2")) {
      EXPECT_GE(m.rt, range->second.first) << grade.toUtf8();
      EXPECT_LE(m.rt, range->second.second) << grade.toUtf8();
    }
  }

  // EN 1993-1-1:2005 Table 3.1, t <= 40 mm, one quality per product standard.
  struct Published {
    wchar_t const* grade;
    double fy, fu;
  } const published[] = {{L"S235JR", 235, 360}, {L"S275J0", 275, 430}, {L"S355J2", 355, 510},
                         {L"S275NL", 275, 390}, {L"S355N", 355, 490},  {L"S460N", 460, 540},
                         {L"S355M", 355, 470},  {L"S420ML", 420, 520}, {L"S460Q", 460, 570},
                         // Hollow sections: EN 10210-1 hot-finished, EN 10219-1 cold-formed.
                         {L"S355J2H", 355, 510}, {L"S275NLH", 275, 390}, {L"S420NH", 420, 540},
                         {L"S460NLH", 460, 560}, {L"S355NH (EN 10219)", 355, 470}, {L"S275MH", 275, 360},
                         {L"S460MLH", 460, 530}};
  for (auto const& p : published) {
    ZEPTDBMaterialData m;
    ASSERT_TRUE(material.getMaterialData(1, p.grade, &m)) << zept::toUtf8(p.grade);
    EXPECT_EQ(std::pair(m.re, m.rt), std::pair(p.fy, p.fu)) << zept::toUtf8(p.grade);
  }
}

// The grades offered for members are the steel grades of the material
// catalog, each with the standard and edition its row names.
TEST_F(BundledCatalogs, SteelGradesListMatchesTheMaterials) {
  ZEPTDBList list;
  ASSERT_TRUE(list.setListDB(L"STEELGRADES"));
  ZEPTDBMaterial material;
  ASSERT_TRUE(material.setMaterialDB(L"EN"));
  CStringArray grades;
  ASSERT_TRUE(material.getMaterialGradeList(1, grades));
  std::set<std::wstring> steel;
  for (auto const& grade : grades) {
    ZEPTDBMaterialData m;
    ASSERT_TRUE(material.getMaterialData(0, grade, &m));
    if (m.type == 1) steel.insert(grade.str());
  }
  DtArray<ZEPTString> values, standards;
  ASSERT_TRUE(list.getList(values, false, DtDb::kMetric, &standards));
  ASSERT_EQ(values.length(), standards.length());
  std::set<std::wstring> listed;
  for (int i = 0; i < values.length(); ++i) {
    const std::string grade = zept::toUtf8(values[i].c_str());
    listed.insert(values[i].str());
    ZEPTDBMaterialData m;
    ASSERT_TRUE(material.getMaterialData(1, CString(values[i]), &m)) << grade;
    EXPECT_TRUE(m.description.str().starts_with(standards[i].str())) << grade;
  }
  EXPECT_EQ(listed, steel);
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
