// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "database/ZEPTDBUserObj.h"
#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"
#include "support/UserObjCatalogs.h"

using namespace zept::test;
using DtDb::kEnglish;
using DtDb::kMetric;

namespace {

constexpr double kLbPerKg = 2.204622622, kKgPerLb = 0.45359237;

ZEPTDBUserObjData plate(wchar_t const* name, double mass) {
  ZEPTDBUserObjData d;
  d.category = L"Plates";
  d.name = name;
  std::tie(d.sizeX, d.sizeY, d.sizeZ, d.scaleX, d.scaleY, d.scaleZ, d.mass, d.boltExt, d.symmetry) =
      std::tuple(300., 200., 20., 1., 1., 1., mass, 40., true);
  d.sym3D = L"U:\\sym\\Plate.dfn";
  d.extraParameters.append({L"Anchors", L"4 x M20"});
  d.extraParameters.append({L"Grade", L"S355"});
  return d;
}

std::vector<std::wstring> parameters(ZEPTDBUserObjData const& d) {
  std::vector<std::wstring> out;
  for (auto const& p : d.extraParameters) out.push_back(p.description.str() + L"=" + p.value.str());
  return out;
}

// One catalog "Plates" in the data folder, open; rows are added with SQL.
class ZEPTDBUserObjRecords : public CatalogFolders {
 protected:
  void SetUp() override {
    userObjCatalog(tree.path("data/Plates.mdb"), COleVariant(L"Plates"), rows);
    ASSERT_TRUE(objs.setUserObjDB(L"Plates"));
  }
  // The number of rows `sql` (a SELECT COUNT(*)) counts, read on the side.
  long count(wchar_t const* sql) { return countOf(objs.probe(), sql); }
  struct Accessor : ZEPTDBUserObj {
    CDaoDatabase& probe() { return m_db; }
  };
  std::vector<std::wstring> rows;
  Accessor objs;
  ZEPTDBUserObjData read;
};

// The row keeps the writer's unit system; the mass converts on reading.
TEST_F(ZEPTDBUserObjRecords, MassConvertsBetweenUnitSystems) {
  const std::tuple<DtDb::MeasurementValue, DtDb::MeasurementValue, double> cases[] = {
      {kMetric, kEnglish, 10 * kLbPerKg},
      {kMetric, kMetric, 10},
      {kEnglish, kMetric, 10 * kKgPerLb},
      {kEnglish, kEnglish, 10},
      {kEnglish, static_cast<DtDb::MeasurementValue>(2), 10},
      {kMetric, static_cast<DtDb::MeasurementValue>(2), 10 * kLbPerKg}};
  for (auto const& [written, readAs, mass] : cases) {
    ASSERT_EQ(objs.setUserObjData(plate(L"P1", 10), written), 0);
    read.locales.append({1031, L"stale", nullptr});  // no Locales table: none read
    ASSERT_TRUE(objs.getUserObjData(L"P1", &read, readAs));
    EXPECT_EQ(read.locales.length(), 0);
    EXPECT_EQ(std::pair(read.mass, read.isMetric), std::pair(mass, written == kMetric)) << written << readAs;
    EXPECT_EQ(std::tuple(read.sizeX, read.sizeZ, read.boltExt), std::tuple(300., 20., 40.));
  }
}

// Writing again edits the row (its id stays) and replaces the parameters;
// removing leaves them until the next write of the name.
TEST_F(ZEPTDBUserObjRecords, OverwriteAndRemove) {
  ASSERT_EQ(objs.setUserObjData(plate(L"P0", 1), kMetric), 0);
  ASSERT_EQ(objs.setUserObjData(plate(L"P1", 10), kMetric), 0);
  ASSERT_TRUE(objs.getUserObjData(L"P1", &read, kMetric));
  const auto id = read.id;
  auto changed = plate(L"P1", 12);
  changed.extraParameters.removeAll();
  changed.extraParameters.append({L"Grade", L"S460\tignored"});
  changed.extraParameters.append({L"Grade", L"S235"});
  ASSERT_EQ(objs.setUserObjData(changed, kMetric), 0);
  EXPECT_FALSE(objs.probe().CanUpdate());  // read-only again
  ASSERT_TRUE(objs.getUserObjData(L"P1", &read, kMetric));
  EXPECT_EQ(std::pair(read.id, read.mass), std::pair(id, 12.));
  EXPECT_EQ(parameters(read), (std::vector<std::wstring>{L"Grade=S460", L"Grade=S235"}));
  EXPECT_EQ(count(L"SELECT COUNT(*) FROM UserObjects"), 2);

  EXPECT_TRUE(objs.removeUserObjData(L"P1\nrest"));
  EXPECT_FALSE(objs.getUserObjData(L"P1", nullptr, kMetric));
  EXPECT_EQ(count(L"SELECT COUNT(*) FROM ExtraParameters WHERE NAME = \"P1\""), 2);
  changed.extraParameters.removeAll();
  ASSERT_EQ(objs.setUserObjData(changed, kMetric), 0);
  EXPECT_EQ(count(L"SELECT COUNT(*) FROM ExtraParameters WHERE NAME = \"P1\""), 0);
}

// No name, a category that is not exactly the catalog's, or a double quote
// in any name that goes into a statement: nothing is written, and the
// catalog opens again as it was.
TEST_F(ZEPTDBUserObjRecords, RefusedWritesChangeNothing) {
  ASSERT_EQ(objs.setUserObjData(plate(L"P1", 10), kMetric), 0);
  const std::tuple<wchar_t const*, wchar_t const*, int> cases[] = {
      {L"\n", L"Plates", 2}, {L"P2", L"", 1}, {L"P2", L"plates", 1}, {L"P1\" OR \"1\"=\"1", L"Plates", -1}};
  for (auto const& [name, category, result] : cases) {
    auto d = plate(name, 99);
    d.category = category;
    EXPECT_EQ(objs.setUserObjData(d, kMetric), result) << CString(name).toUtf8() << CString(category).toUtf8();
  }
  auto badParameter = plate(L"P2", 5);
  badParameter.extraParameters.append({L"Say \"hi\"", L"x"});
  EXPECT_EQ(objs.setUserObjData(badParameter, kMetric), -1);
  EXPECT_FALSE(objs.removeUserObjData(L"P1\" OR \"1\"=\"1"));
  // Nor is a number that is not finite written over the row.
  for (auto const& c : kUserObjNumbers)
    for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
      auto d = plate(L"P1", 10);
      d.*c.member = v;
      EXPECT_EQ(objs.setUserObjData(d, kMetric), -1) << CString(c.memberName).toUtf8() << v;
    }

  ASSERT_TRUE(objs.setUserObjDB(L"Plates"));
  CStringArray names;
  EXPECT_TRUE(objs.getUserObjNameList(names));
  EXPECT_EQ(entries(names), (std::vector<std::wstring>{L"P1"}));
  ASSERT_TRUE(objs.getUserObjData(L"P1", &read, kMetric));
  EXPECT_EQ(std::pair(read.mass, read.extraParameters.length()), std::pair(10., 2));
  EXPECT_EQ(std::tuple(read.sizeX, read.scaleZ, read.boltExt), std::tuple(300., 1., 40.));
}

class ZEPTDBUserObjStoredRows : public ZEPTDBUserObjRecords {
 protected:
  void SetUp() override {
    rows = {kLocalesTable,
            L"INSERT INTO UserObjects (NAME, MASS, SYM3D, SYMXY, SYMXZ, SYMYZ, ISMETRIC) VALUES (\"Rib\", 2, "
            L"\"C:\\sym\\Rib.DFN\", \"U:rib-xy.dfn\", \"plain.dfn\", NULL, 0)",
            L"INSERT INTO UserObjects (NAME, SYM3D, SYMXY) VALUES (\"Twin\tsecond\", \"D:\\other\\rib.dfn\", \"PLAIN.DFN\")",
            L"INSERT INTO UserObjects (NAME) VALUES (NULL)",
            L"INSERT INTO ExtraParameters VALUES (\"Rib\", \"Thickness\", \"10\")",
            L"INSERT INTO ExtraParameters VALUES (\"Rib\", \"Chamfer\", NULL)",
            L"INSERT INTO ExtraParameters VALUES (\"Rib\", \"Weld\r\", \"a4\nx\")",
            L"INSERT INTO Locales VALUES (1031, \"Rippen\", \"Steifen\")",
            L"INSERT INTO Locales VALUES (0, \"Null\", \"Null\")",
            L"INSERT INTO Locales VALUES (1036, NULL, \"Raidisseurs\")",
            L"INSERT INTO Locales VALUES (1040, \"\", \"\")"};
    ZEPTDBUserObjRecords::SetUp();
  }
};

// Names are cut at their first control character; symbol columns keep the
// file name after the last ":" or "\", a null one empties its member; a
// parameter without a text value drops out, and a locale that is not a text
// repeats the previous row's.
TEST_F(ZEPTDBUserObjStoredRows, ReadingARow) {
  CStringArray names;
  EXPECT_TRUE(objs.getUserObjNameList(names));
  EXPECT_EQ(entries(names), (std::vector<std::wstring>{L"Rib", L"Twin"}));
  EXPECT_TRUE(objs.getUserObjData(L"Rib\r", nullptr, kMetric));
  EXPECT_FALSE(objs.getUserObjData(L"rib", nullptr, kMetric));

  read.symYZ = L"stale";
  read.sizeY = 7;  // null in the row: kept
  ASSERT_TRUE(objs.getUserObjData(L"Rib", &read, kMetric));
  EXPECT_EQ(read.name + L"|" + read.sym3D + L"|" + read.symXY + L"|" + read.symXZ + L"|" + read.symYZ,
            L"Rib|Rib.DFN|rib-xy.dfn|plain.dfn|");
  EXPECT_EQ(read.catalog + L"|" + read.category + L"|" + read.description, L"PLATES|Plates|description");
  EXPECT_EQ(std::tuple(read.mass, read.isMetric, read.sizeY), std::tuple(2 * kKgPerLb, false, 7.));
  EXPECT_EQ(parameters(read), (std::vector<std::wstring>{L"Thickness=10", L"Weld=a4"}));
  ASSERT_EQ(read.locales.length(), 2);
  EXPECT_EQ(std::tuple(read.locales[0].lang, read.locales[0].category.str(), read.locales[0].description.str()),
            std::tuple(1031L, L"Rippen", L"Steifen"));
  EXPECT_EQ(std::tuple(read.locales[1].lang, read.locales[1].category.str(), read.locales[1].description.str()),
            std::tuple(1036L, L"Rippen", L"Raidisseurs"));
}

// Collecting opens the file on its own: symbol files once regardless of
// case, translations with empty texts kept, the open catalog untouched.
TEST_F(ZEPTDBUserObjStoredRows, CollectingACatalogFile) {
  userObjCatalog(tree.path("data/Other.mdb"), COleVariant(L"Other"));
  ASSERT_TRUE(objs.setUserObjDB(L"Other"));
  CString category = L"x", description = L"x";
  CStringArray symbols;
  ZEPTDBUserObjData::Locales locales;
  ASSERT_TRUE(objs.collectUserObjDBInfo(data + L"Plates.mdb", category, description, symbols, &locales));
  EXPECT_EQ(category + L"|" + description, L"Plates|description");
  EXPECT_EQ(entries(symbols), (std::vector<std::wstring>{L"Rib.DFN", L"rib-xy.dfn", L"plain.dfn"}));
  EXPECT_EQ(locales.length(), 3);
  EXPECT_EQ(objs.getFullDBName(), upper(data + L"OTHER.MDB"));

  tree.file("data/Junk.mdb", "not a catalog");
  catalog("data/Foreign.mdb");
  for (auto const* path : {L"Junk.mdb", L"Foreign.mdb", L"Missing.mdb"}) {
    EXPECT_FALSE(objs.collectUserObjDBInfo(data + path, category, description, symbols, nullptr));
    EXPECT_EQ(std::tuple(category, description, symbols.GetSize()), std::tuple(CString(), CString(), 0));
  }
}
}  // namespace
