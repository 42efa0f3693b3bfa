// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "database/ZEPTDBBaseData.h"
#include "platform/fs/FileOps.h"
#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"

using namespace zept::test;

namespace {

class ZEPTDBProperties : public CatalogFolders {
 protected:
  void SetUp() override { catalog("data/cr_P.mdb"); }
  std::wstring file = data + L"cr_P.mdb";
  OpenAccessor a;
  CStringArray names;
  COleVariant value{2.5};
};

TEST_F(ZEPTDBProperties, WithoutCatalogNothingIsAnswered) {
  names.Add(L"kept");
  EXPECT_EQ(std::pair(a.getDBPropertyCount(), a.getCustomDBPropertyCount()), std::pair(-1, -1));
  EXPECT_FALSE(a.getDBPropertyList(names) || a.getCustomDBPropertyList(names));
  EXPECT_FALSE(a.getDBProperty(L"Name", value) || a.getCustomDBProperty(L"X", value));
  EXPECT_FALSE(a.setDBProperty(L"X", value, dbDouble) || a.setCustomDBProperty(L"X", value, dbDouble));
  EXPECT_EQ(entries(names), std::vector<std::wstring>{L"kept"});
  EXPECT_EQ(value, COleVariant(2.5));
}

// A custom property keeps the type it was made with.
TEST_F(ZEPTDBProperties, CustomPropertyKeepsItsTypeAndSurvivesReopening) {
  ASSERT_TRUE(a.setDB(L"cr_P"));
  EXPECT_TRUE(a.setCustomDBProperty(L"Author", COleVariant(L"Ann"), dbText));
  EXPECT_TRUE(a.setCustomDBProperty(L"Author", COleVariant(L"Bob"), dbText));
  EXPECT_FALSE(a.setCustomDBProperty(L"Author", COleVariant(3L), dbLong));
  EXPECT_TRUE(a.setCustomDBProperty(L"Scale", value, dbDouble));
  ASSERT_TRUE(a.setDB(L""));

  OpenAccessor later;
  ASSERT_TRUE(later.setDB(L"cr_P"));
  ASSERT_TRUE(later.getCustomDBProperty(L"author", value));
  EXPECT_EQ(value, COleVariant(L"Bob"));
  EXPECT_FALSE(later.getCustomDBProperty(L"Nobody", value));
  ASSERT_TRUE(later.getCustomDBProperty(L"Scale", value));
  EXPECT_EQ(value, COleVariant(2.5));
  EXPECT_TRUE(later.getCustomDBPropertyList(names));
  EXPECT_EQ(entries(names), (std::vector<std::wstring>{L"Author", L"Scale"}));
  EXPECT_EQ(later.getCustomDBPropertyCount(), 2);
}

// Only a successful write puts the read-only attribute and the read-only
// open back; after a failed one the catalog stays writable.
TEST_F(ZEPTDBProperties, DatabasePropertyOnAReadOnlyFile) {
  ASSERT_TRUE(zept::fs::setFileAttributes(file, FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(a.setDB(L"cr_P"));
  const int builtIn = a.getDBPropertyCount();
  EXPECT_TRUE(a.setDBProperty(L"Units", COleVariant(L"mm"), dbText));
  EXPECT_TRUE(zept::fs::isReadOnly(file));
  EXPECT_EQ(a.mode(), L"ro " + upper(file));
  ASSERT_TRUE(a.getDBPropertyList(names));
  ASSERT_EQ(names.GetSize(), builtIn + 1);
  EXPECT_EQ(names[0] + L"|" + names[builtIn], CString(L"Name|Units"));

  EXPECT_FALSE(a.setDBProperty(L"Units", COleVariant(2L), dbLong));
  EXPECT_FALSE(zept::fs::isReadOnly(file));
  EXPECT_EQ(a.mode(), L"rw " + upper(file));
  ASSERT_TRUE(a.getDBProperty(L"Units", value));
  EXPECT_EQ(value, COleVariant(L"mm"));
}

// A number that is not finite is refused: it neither makes a property nor
// changes one. Finite extremes are kept as given.
TEST_F(ZEPTDBProperties, NumbersThatAreNotFiniteAreRefused) {
  ASSERT_TRUE(a.setDB(L"cr_P"));
  ASSERT_TRUE(a.setCustomDBProperty(L"Scale", value, dbDouble));
  ASSERT_TRUE(a.setDBProperty(L"Factor", value, dbDouble));
  double const nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  for (COleVariant const& bad : {COleVariant(nan), COleVariant(inf), COleVariant(-inf), COleVariant(nan, VT_DATE)}) {
    EXPECT_FALSE(a.setCustomDBProperty(L"Scale", bad, dbDouble));
    EXPECT_FALSE(a.setCustomDBProperty(L"New", bad, dbDouble));
    EXPECT_FALSE(a.setDBProperty(L"Factor", bad, dbDouble));
  }
  COleVariant back;
  EXPECT_FALSE(a.getCustomDBProperty(L"New", back));
  for (double v : {std::numeric_limits<double>::denorm_min(), -1e300}) {
    ASSERT_TRUE(a.setCustomDBProperty(L"Scale", COleVariant(v), dbDouble));
    ASSERT_TRUE(a.getCustomDBProperty(L"Scale", back));
    EXPECT_EQ(back, COleVariant(v));
  }
  ASSERT_TRUE(a.getDBProperty(L"Factor", back));
  EXPECT_EQ(back, value);
}
}  // namespace
