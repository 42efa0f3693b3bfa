// SPDX-License-Identifier: MIT
#include "database/ZEPTDBClampingRange.h"

#include <gtest/gtest.h>

#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"
#include "support/FastenerCatalogs.h"

using namespace zept::test;
using DtDb::kEnglish;
using DtDb::kMetric;
using Names = std::vector<std::wstring>;

namespace {

// cr_A (metric) and cr_C (English, in the application folder) are
// clamping-range catalogs; cr_B has no GripLength.
class ZEPTDBClampingRangeCatalogs : public CatalogFolders {
 protected:
  void SetUp() override {
    fastenerCatalog(tree.path("data/cr_A.mdb"), kGripTables,
                    {L"INSERT INTO GripLength VALUES (1, 20, 2, 30, 40, 60, 46)",
                     L"INSERT INTO GripLength VALUES (2, 20, NULL, 10, 20, 40, NULL)",
                     L"INSERT INTO GripLength VALUES (3, 20, 1, 10, 25, 45, 46)",
                     L"INSERT INTO GripLength VALUES (4, 20, 1, 10, 15, 35, 46)",
                     L"INSERT INTO GripLength VALUES (5, 12, 2, 5, 10, 30, 30)"});
    fastenerCatalog(tree.path("data/cr_B.mdb"), kBoltTables);
    fastenerCatalog(tree.path("app/cr_C.mdb"), kGripTables,
                    {L"INSERT INTO Descriptions VALUES (\"GripLength\", \"Diameter\", \"in\")"});
  }
  ZEPTDBClampingRange cr;
  CStringArray names;
};

// Listing selects every candidate; the catalog selected before is reopened
// with its own units, and without one the catalog tried last (the first
// listed) stays open.
TEST_F(ZEPTDBClampingRangeCatalogs, ListDropsForeignFilesAndReopensTheSelection) {
  ASSERT_TRUE(cr.setClampingRangeDB(L"C"));
  const CString selected = cr.getFullDBName();
  EXPECT_TRUE(cr.getClampingRangeDBList(names, L"B,C,A,Z"));
  EXPECT_EQ(entries(names), (Names{L"C", L"A"}));
  EXPECT_EQ(std::pair(cr.getFullDBName(), cr.units()), std::pair(selected, kEnglish));
  ZEPTDBClampingRange fresh;
  EXPECT_TRUE(fresh.getClampingRangeDBList(names, nullptr));
  EXPECT_EQ(entries(names), (Names{L"A", L"C"}));
  EXPECT_EQ(std::pair(fresh.getFullDBName(), fresh.units()), std::pair(upper(data + L"CR_A.MDB"), kMetric));
}

// Whole data appends, ordered by diameter, washer count and range, each row
// from a fresh record; an empty catalog fails keeping what was read.
TEST_F(ZEPTDBClampingRangeCatalogs, RangesComeOrderedWithAFreshRecordPerRow) {
  ASSERT_TRUE(cr.setClampingRangeDB(L"A"));
  DtArray<double> diameters;
  EXPECT_TRUE(cr.getClampingRangeDiameterList(diameters));
  EXPECT_EQ(std::vector(diameters.begin(), diameters.end()), (std::vector<double>{12, 20}));
  DtArray<int> counts;
  EXPECT_TRUE(cr.getClampingRangeWasherNumList(20, counts));
  EXPECT_EQ(std::vector(counts.begin(), counts.end()), (std::vector<int>{1, 2}));
  EXPECT_TRUE(cr.getClampingRangeWasherNumList(16, counts));
  EXPECT_EQ(counts.length(), 0);

  DtArray<ZEPTDBClampingRangeData> ranges;
  ranges.append({});
  ASSERT_TRUE(cr.getWholeClampingRangeData(ranges, kEnglish));
  std::vector<std::tuple<int, double, int, double, double, double, double, double>> got;
  for (auto const& r : ranges)
    got.emplace_back(r.id, r.diameter, r.washerCount, r.rangeLower, r.rangeUpper, r.shankLength, r.threadLength,
                     r.crossFactor);
  const double f = 0.03937007874015748;
  EXPECT_EQ(got, (decltype(got){{0, 0, 0, 0, 0, 0, 0, 1},
                                {5, 12, 2, 5, 10, 30, 30, f},
                                {2, 20, 0, 10, 20, 40, 0, f},
                                {4, 20, 1, 10, 15, 35, 46, f},
                                {3, 20, 1, 10, 25, 45, 46, f},
                                {1, 20, 2, 30, 40, 60, 46, f}}));
  ASSERT_TRUE(cr.setClampingRangeDB(L"C"));
  EXPECT_FALSE(cr.getClampingRangeDiameterList(diameters) || cr.getWholeClampingRangeData(ranges, kMetric));
  EXPECT_EQ(ranges.length(), 6);
}

}  // namespace
