// SPDX-License-Identifier: MIT
#include "database/ZEPTDBMaterial.h"

#include <gtest/gtest.h>

#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"

using namespace zept::test;

namespace {

constexpr wchar_t kMaterials[] =
    L"CREATE TABLE MATERIALS (ID LONG, NAME TEXT(50), SECOND_NAME TEXT(50), DESCRIPTION TEXT(255), TYPE SHORT, "
    L"THERM SHORT, DEFMAT SHORT, E DOUBLE, NU DOUBLE, LX DOUBLE, RO DOUBLE, RE DOUBLE, RE_AXCOMP DOUBLE, CS DOUBLE, "
    L"RT DOUBLE, E_5 DOUBLE, E_TRANS DOUBLE, RE_BENDING DOUBLE, RE_AXTENS DOUBLE, RE_TRTENS DOUBLE, RE_TRCOMPR "
    L"DOUBLE, RE_SHEAR DOUBLE, COLOR SHORT, DAMPCOEF DOUBLE, BC71_CTG DOUBLE, BC71_REFR DOUBLE, PN_E_TRANS DOUBLE, "
    L"PN_E_ADITIONAL DOUBLE, BC71_NATURE DOUBLE, BC71_HUMIDITY DOUBLE, BC_OK DOUBLE, PN_OK DOUBLE, EC_OK DOUBLE, "
    L"EC_DEFORMAT DOUBLE, PN_DEFORMAT DOUBLE, GMEAN DOUBLE, RESERVE DOUBLE, KIRCHOFF DOUBLE)";

// Steel grades (one with a blank, one with a null second name) and an
// aluminium alloy; type 7 is outside the known numbers, and the last row has
// no type at all.
class ZEPTDBMaterialCatalog : public CatalogFolders {
 protected:
  void SetUp() override {
    catalog("data/KmatEN.mdb",
            {kMaterials,
             L"INSERT INTO MATERIALS (ID, NAME, SECOND_NAME, DESCRIPTION, TYPE, COLOR, E, NU, RE, RT, KIRCHOFF) "
             L"VALUES (1, \"S355\", \"1.0577\", \"structural steel\", 1, 3, 210000, 0.3, 355, 490, 81000)",
             L"INSERT INTO MATERIALS (ID, NAME, SECOND_NAME, TYPE) VALUES (2, \"S235\", \"   \", 1)",
             L"INSERT INTO MATERIALS (ID, NAME, TYPE) VALUES (3, \"EN AW-6082\", 3)",
             L"INSERT INTO MATERIALS (ID, NAME, SECOND_NAME, TYPE) VALUES (4, \"S235\", \" 1.0038 \", 7)",
             L"INSERT INTO MATERIALS (ID, NAME) VALUES (5, \"custom\")"});
    ASSERT_TRUE(material.setMaterialDB(L"EN"));
  }
  ZEPTDBMaterial material;
  CStringArray list;
};

TEST(ZEPTDBMaterialTypes, NamesAndNumbers) {
  ZEPTDBMaterial material;
  const std::pair<wchar_t const*, int> names[] = {{L"STEEL", 1}, {L"ALUMINIUM", 3}, {L"USER", 5}, {L"steel", 0}, {L"", 0}};
  for (auto const& [name, type] : names) EXPECT_EQ(material.MaterialToType(name), type) << CString(name).toUtf8();
  const std::pair<int, wchar_t const*> types[] = {{-1, L""}, {0, L""}, {1, L"STEEL"}, {5, L"USER"}, {6, L""}};
  for (auto const& [type, name] : types) EXPECT_EQ(material.TypeToMaterial(type), name) << type;
}

TEST_F(ZEPTDBMaterialCatalog, CatalogsByTheKmatPrefix) {
  catalog("app/KmatUS.mdb");
  catalog("data/Grades.mdb");
  catalog("data/kmatlower.mdb");
  EXPECT_TRUE(material.getMaterialDBList(list, nullptr));
  EXPECT_EQ(entries(list), (std::vector<std::wstring>{L"EN", L"LOWER", L"US"}));
  EXPECT_FALSE(material.setMaterialDB(L"Grades"));
}

// A TYPE stored as a 32-bit number is not a type; an empty table has no
// first record.
TEST_F(ZEPTDBMaterialCatalog, TypesInNumericOrder) {
  EXPECT_TRUE(material.getMaterialList(list));
  EXPECT_EQ(entries(list), (std::vector<std::wstring>{L"STEEL", L"ALUMINIUM", L""}));
  catalog("data/KmatLong.mdb", {L"CREATE TABLE MATERIALS (NAME TEXT(10), TYPE LONG)",
                                L"INSERT INTO MATERIALS VALUES (\"S235\", 1)"});
  ASSERT_TRUE(material.setMaterialDB(L"Long"));
  EXPECT_TRUE(material.getMaterialList(list));
  EXPECT_TRUE(list.IsEmpty());

  catalog("data/KmatEmpty.mdb", {kMaterials});
  ASSERT_TRUE(material.setMaterialDB(L"Empty"));
  list.Add(L"stale");
  EXPECT_FALSE(material.getMaterialList(list));
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_FALSE(material.getMaterialGradeList(1, list));
  EXPECT_FALSE(material.getMaterialGradeListExt(1, list));
}

// The type does not filter the grades: any known one lists them all.
TEST_F(ZEPTDBMaterialCatalog, GradeListsIgnoreTheType) {
  for (auto const* type : {L"WOOD", L"STEEL"}) {
    EXPECT_TRUE(material.getMaterialGradeList(type, list));
    EXPECT_EQ(entries(list), (std::vector<std::wstring>{L"EN AW-6082", L"S235", L"S235", L"S355", L"custom"}));
  }
  EXPECT_TRUE(material.getMaterialGradeListExt(5, list));
  EXPECT_EQ(entries(list),
            (std::vector<std::wstring>{L"EN AW-6082", L"S235", L"S235 (1.0038)", L"S355 (1.0577)", L"custom"}));
  list.Add(L"stale");
  EXPECT_FALSE(material.getMaterialGradeListExt(0, list));
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_FALSE(material.getMaterialGradeList(L"steel", list));
}

TEST_F(ZEPTDBMaterialCatalog, RecordByNameAlone) {
  ZEPTDBMaterialData r;
  r.lx = 12e-6;  // LX is null in the row: kept
  ASSERT_TRUE(material.getMaterialData(L"", L"S355", &r));
  EXPECT_EQ(std::tuple(r.id, r.type, r.color, r.e, r.nu, r.re, r.rt, r.kirchoff, r.lx),
            std::tuple(1, std::int16_t{1}, std::int16_t{3}, 210000., 0.3, 355., 490., 81000., 12e-6));
  EXPECT_EQ(r.name + L"|" + r.secondName + L"|" + r.description, L"S355|1.0577|structural steel");
  // Any type number, even an unknown name's 0, finds it; a negative one does not.
  EXPECT_TRUE(material.getMaterialData(0, L"custom", nullptr));
  EXPECT_FALSE(material.getMaterialData(-1, L"S355", nullptr));
  EXPECT_FALSE(material.getMaterialData(1, L"s355", nullptr));
  // A name holding a double quote fails like a broken statement.
  EXPECT_FALSE(material.getMaterialData(1, L"S355\" OR \"1\"=\"1", nullptr));

  // A catalog lacking a column fails there, with the members before it read.
  catalog("data/KmatShort.mdb", {L"CREATE TABLE MATERIALS (ID LONG, NAME TEXT(10), SECOND_NAME TEXT(10), TYPE SHORT)",
                                 L"INSERT INTO MATERIALS VALUES (7, \"C30/37\", \"x\", 2)"});
  ASSERT_TRUE(material.setMaterialDB(L"Short"));
  r = ZEPTDBMaterialData();
  EXPECT_FALSE(material.getMaterialData(2, L"C30/37", &r));
  EXPECT_EQ(std::tuple(r.id, r.name.str(), r.secondName.str(), r.type), std::tuple(7, L"C30/37", L"x", std::int16_t{0}));
  EXPECT_TRUE(material.getMaterialData(2, L"C30/37", nullptr));
}

// A grade read again and again answers as its first read: null columns
// leave the caller's members, a missing grade stays missing.
TEST_F(ZEPTDBMaterialCatalog, RepeatedReadsAnswerAsTheFirst) {
  for (int again = 0; again < 4; ++again) {
    ZEPTDBMaterialData r;
    r.lx = again;
    r.description = L"old";
    ASSERT_TRUE(material.getMaterialData(1, L"EN AW-6082", &r)) << again;
    EXPECT_EQ(std::tuple(r.id, r.type, r.lx, r.name.str(), r.description.str()),
              std::tuple(3, std::int16_t{3}, double(again), L"EN AW-6082", L"old"))
        << again;
    EXPECT_TRUE(material.getMaterialData(1, L"EN AW-6082", nullptr));
    EXPECT_FALSE(material.getMaterialData(1, L"EN AW-6083", &r));
    EXPECT_EQ(r.id, 3);
    EXPECT_FALSE(material.getMaterialData(1, L"S355\" OR \"1\"=\"1", nullptr));
  }
}

}  // namespace
