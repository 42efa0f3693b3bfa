// SPDX-License-Identifier: MIT
#include "database/ZEPTDBBoltStandards.h"

#include <gtest/gtest.h>

#include "database/ZEPTDBBolt.h"
#include "database/ZEPTDBNut.h"
#include "database/ZEPTDBWasher.h"
#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"
#include "support/FastenerCatalogs.h"

using namespace zept::test;
using Names = std::vector<std::wstring>;

namespace {

void standards(std::filesystem::path const& path, std::vector<std::wstring> rows) {
  rows.insert(
      rows.begin(),
      L"CREATE TABLE Bolts (BoltStand TEXT(50), NutStand TEXT(50), WasherStand TEXT(50), ClampingRange TEXT(50))");
  fastenerCatalog(path, {}, rows);
}

// M20 has every catalog; EN14399 has no clamping ranges; GONE's bolt file is
// missing and BROKEN's lacks a table; LATE's nut is GONE. The null row ends
// the bolt and washer lists.
class ZEPTDBBoltStandardsCatalog : public CatalogFolders {
 protected:
  void SetUp() override {
    for (auto const* s : {"M20", "En14399", "Late"}) {
      fastenerCatalog(tree.path(std::string("data/Bolts_") + s + ".mdb"), kBoltTables);
      fastenerCatalog(tree.path(std::string("data/Nuts_") + s + ".mdb"), kNutTables);
    }
    for (auto const* s : {"M20", "En14399"})
      fastenerCatalog(tree.path(std::string("app/Washers_") + s + ".mdb"), kWasherTables);
    fastenerCatalog(tree.path("data/cr_M20.mdb"), kGripTables);
    fastenerCatalog(tree.path("data/Bolts_Broken.mdb"), std::span(kBoltTables).first(3));
    standards(tree.path("data/BoltsNutsWashers.mdb"),
              {L"INSERT INTO Bolts VALUES (\"bolts_m20.mdb\", \"Nuts_M20.mdb\", \"Washers_M20.mdb\", \"cr_M20.mdb\")",
               L"INSERT INTO Bolts VALUES (\"Bolts_Gone.mdb\", \"Nuts_Gone.mdb\", \"Washers_Gone.mdb\", NULL)",
               L"INSERT INTO Bolts VALUES (\"Bolts_Broken.mdb\", \"Nuts_M20.mdb\", \"Washers_M20.mdb\", NULL)",
               L"INSERT INTO Bolts VALUES (\"Bolts_EN14399.mdb\", \"Nuts_En14399.mdb\", \"Washers_EN14399.mdb\", "
               L"\"cr_EN14399.mdb\")",
               L"INSERT INTO Bolts VALUES (NULL, \"Nuts_Late.mdb\", NULL, NULL)",
               L"INSERT INTO Bolts VALUES (\"Bolts_Late.mdb\", \"Nuts_Gone.mdb\", \"Washers_Late.mdb\", NULL)"});
  }
  CStringArray names;
  CString nut, washer, cr;
};

TEST_F(ZEPTDBBoltStandardsCatalog, ListsKeepTheStandardsWhoseCatalogsSelect) {
  EXPECT_TRUE(ZEPTDBBolt().getBoltDBList(names, nullptr));
  EXPECT_EQ(entries(names), (Names{L"M20", L"EN14399"}));
  EXPECT_TRUE(ZEPTDBNut().getNutDBList(names, nullptr));
  EXPECT_EQ(entries(names), (Names{L"M20", L"EN14399", L"LATE"}));
  EXPECT_TRUE(ZEPTDBWasher().getWasherDBList(names, L"ignored"));
  EXPECT_EQ(entries(names), (Names{L"M20", L"EN14399"}));
}

TEST_F(ZEPTDBBoltStandardsCatalog, CompanionsOfABoltStandard) {
  ZEPTDBBoltStandards s;
  EXPECT_TRUE(s.getStandardsByBolt(L"M20", nut, washer, cr));
  EXPECT_EQ(nut + L"|" + washer + L"|" + cr, L"M20|M20|M20");
  EXPECT_TRUE(s.getStandardsByBolt(L"EN14399", nut, washer, cr));
  EXPECT_EQ(nut + L"|" + washer + L"|" + cr, L"EN14399|EN14399|");
  // Only the stored side is upper-cased; a quote breaks the statement, not
  // the catalog.
  for (auto const* bolt : {L"GONE", L"m20", L"M20\")) OR ((1=1"}) {
    nut = washer = cr = L"kept";
    EXPECT_FALSE(s.getStandardsByBolt(bolt, nut, washer, cr)) << bolt;
  }
  EXPECT_EQ(nut + L"|" + washer + L"|" + cr, L"kept|kept|kept");
  // The nut standard was read and trimmed before its catalog failed.
  EXPECT_FALSE(s.getStandardsByBolt(L"LATE", nut, washer, cr));
  EXPECT_EQ(nut + L"|" + washer, L"GONE|Washers_Late.mdb");
  EXPECT_TRUE(s.getBoltStandardsList(names));
  // A foreign standards catalog (the application folder's copy comes first)
  // leaves the accessor without one.
  fastenerCatalog(tree.path("app/BoltsNutsWashers.mdb"), kGripTables);
  ZEPTDBBoltStandards foreign;
  EXPECT_EQ(foreign.getFullDBName(), CString());
  EXPECT_FALSE(foreign.getBoltStandardsList(names) || foreign.getStandardsByBolt(L"M20", nut, washer, cr));
  EXPECT_EQ(names.GetSize(), 0);
}

}  // namespace
