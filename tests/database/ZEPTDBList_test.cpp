// SPDX-License-Identifier: MIT
#include "database/ZEPTDBList.h"

#include <gtest/gtest.h>

#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"

using namespace zept::test;
using DtDb::kEnglish;
using DtDb::kMetric;

namespace {

template <typename T>
std::vector<T> items(DtArray<T> const& a) {
  return {a.begin(), a.end()};
}

class ZEPTDBListCatalogs : public CatalogFolders {
 protected:
  void SetUp() override {
    catalog("data/BoltLengthsList.mdb",
            {L"CREATE TABLE List (Value DOUBLE, Data DOUBLE)", L"CREATE TABLE ListE (Value DOUBLE, Data DOUBLE)",
             L"INSERT INTO List VALUES (30, 3)", L"INSERT INTO List VALUES (10, 1)", L"INSERT INTO List VALUES (10, 1)",
             L"INSERT INTO List VALUES (20, NULL)", L"INSERT INTO List VALUES (NULL, 4)",
             L"INSERT INTO List VALUES (10.5, 1)", L"INSERT INTO ListE VALUES (0.5, 0.25)",
             L"INSERT INTO ListE VALUES (0.375, 0.125)"});
    catalog("data/GradesList.mdb", {L"CREATE TABLE List (Value TEXT(10))", L"CREATE TABLE ListE (Value TEXT(10))",
                                    L"INSERT INTO List VALUES (\"b\")", L"INSERT INTO List VALUES (\"B\")",
                                    L"INSERT INTO List VALUES (NULL)", L"INSERT INTO List VALUES (\"a\")"});
  }
  ZEPTDBList list;
  DtArray<double> values, pairs;
  DtArray<ZEPTString> texts;
};

// The unit system only picks the table; nulls and duplicate rows drop out,
// and a null Data drops its entry whole. `pairs` is never emptied.
TEST_F(ZEPTDBListCatalogs, NumbersComeAsStoredWithParallelData) {
  ASSERT_TRUE(list.setListDB(L"BoltLengths"));
  EXPECT_TRUE(list.getList(values, true, kMetric, nullptr));
  EXPECT_EQ(items(values), (std::vector<double>{10, 10.5, 20, 30}));
  EXPECT_TRUE(list.getList(values, true, kEnglish, nullptr));
  EXPECT_EQ(items(values), (std::vector<double>{0.375, 0.5}));
  EXPECT_TRUE(list.getList(texts, true, kMetric, nullptr));
  EXPECT_EQ(texts.length(), 0);
  for (int call = 0; call < 2; ++call) EXPECT_TRUE(list.getList(values, true, kMetric, &pairs));
  EXPECT_EQ(items(values), (std::vector<double>{10, 10.5, 30}));
  EXPECT_EQ(items(pairs), (std::vector<double>{1, 1, 3, 1, 1, 3}));
}

TEST_F(ZEPTDBListCatalogs, TextsSortBinaryAndNeedTheirColumns) {
  ASSERT_TRUE(list.setListDB(L"Grades"));
  EXPECT_TRUE(list.getList(texts, true, kMetric, nullptr));
  EXPECT_EQ(items(texts), (std::vector<ZEPTString>{L"B", L"a", L"b"}));
  EXPECT_TRUE(list.getList(values, false, kMetric, nullptr));
  EXPECT_EQ(values.length(), 0);
  // Without a Data column every entry is skipped, yet the call succeeds.
  DtArray<ZEPTString> extra;
  extra.append(L"kept");
  EXPECT_TRUE(list.getList(texts, false, kMetric, &extra));
  EXPECT_EQ(texts.length(), 0);
  EXPECT_EQ(extra.length(), 1);
  // An empty table has no first record.
  texts.append(L"stale");
  EXPECT_FALSE(list.getList(texts, false, kEnglish, nullptr));
  EXPECT_EQ(texts.length(), 0);
}

}  // namespace
