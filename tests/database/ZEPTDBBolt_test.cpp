// SPDX-License-Identifier: MIT
#include "database/ZEPTDBBolt.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"
#include "support/FastenerCatalogs.h"

using namespace zept::test;
using DtDb::kEnglish;
using DtDb::kMetric;

namespace {

constexpr double kMmToIn = 0.03937007874015748;

std::vector<double> items(DtArray<double> const& a) { return {a.begin(), a.end()}; }

// M20 x 80 in 8.8 and M20 x 60 in 8.8 and 10.9 (thread 40 and 46), M12 x 50
// without comment or thread length, a bolt of diameter 0, and one of none.
class ZEPTDBBoltCatalog : public CatalogFolders {
 protected:
  void SetUp() override {
    fastenerCatalog(
        tree.path("data/Bolts_ISO.mdb"), kBoltTables,
        {L"INSERT INTO Bolts VALUES (1, 20, \"M20\", \"hex\")", L"INSERT INTO Bolts VALUES (2, 12, \"M12\", NULL)",
         L"INSERT INTO Bolts VALUES (3, NULL, \"M?\", NULL)", L"INSERT INTO Bolts VALUES (4, 0, \"M0\", NULL)",
         L"INSERT INTO Shanks VALUES (1, 80)", L"INSERT INTO Shanks VALUES (2, 60)",
         L"INSERT INTO Shanks VALUES (3, 50)", L"INSERT INTO Materials VALUES (1, \"8.8\")",
         L"INSERT INTO Materials VALUES (2, \"10.9\")", L"INSERT INTO BoltsTypes VALUES (10, 1, 1, 1, 46)",
         L"INSERT INTO BoltsTypes VALUES (11, 1, 2, 2, 46)", L"INSERT INTO BoltsTypes VALUES (12, 1, 2, 1, 40)",
         L"INSERT INTO BoltsTypes VALUES (13, 2, 3, 1, NULL)", L"INSERT INTO BoltsTypes VALUES (14, 4, 3, 1, 5)"});
    ASSERT_TRUE(bolt.setBoltDB(L"ISO"));
  }
  ZEPTDBBolt bolt;
  DtArray<double> values;
  DtArray<ZEPTDBBoltData> bolts;
};

// Only the exact text "in" in the Bolts/Diameter row makes a catalog English;
// a catalog missing a bolt table is closed again, and metric.
TEST_F(ZEPTDBBoltCatalog, SelectionReadsTheUnitSystem) {
  const std::tuple<char const*, wchar_t const*, DtDb::MeasurementValue, double> cases[] = {
      {"Upper", L"INSERT INTO Descriptions VALUES (\"Bolts\", \"Diameter\", \"IN\")", kMetric, 1},
      {"Inch", L"INSERT INTO Descriptions VALUES (\"Bolts\", \"Diameter\", \"inch\")", kMetric, 1},
      {"None", L"DROP TABLE Descriptions", kMetric, 1},
      {"Lower", L"INSERT INTO Descriptions VALUES (\"Bolts\", \"Diameter\", \"in\")", kEnglish, 25.4}};
  for (auto const& [name, sql, units, toMetric] : cases) {
    fastenerCatalog(tree.path(std::string("data/Bolts_") + name + ".mdb"), kBoltTables, {sql});
    ASSERT_TRUE(bolt.setBoltDB(CString::fromUtf8(name)));
    EXPECT_EQ(std::pair(bolt.units(), bolt.getCrossFactor(kMetric)), std::pair(units, toMetric)) << name;
  }
  fastenerCatalog(tree.path("data/Bolts_Partial.mdb"), std::span(kBoltTables).first(3));
  EXPECT_FALSE(bolt.setBoltDB(L"Partial"));
  EXPECT_EQ(std::pair(bolt.units(), bolt.getFullDBName()), std::pair(kMetric, CString()));
}

// Nulls drop out of lists; diameters compare to six decimals.
TEST_F(ZEPTDBBoltCatalog, ListsAndRecords) {
  EXPECT_TRUE(bolt.getBoltDiameterList(values));
  EXPECT_EQ(items(values), (std::vector<double>{0, 12, 20}));
  EXPECT_TRUE(bolt.getBoltLengthList(20.0000004, values));
  EXPECT_EQ(items(values), (std::vector<double>{60, 80}));
  EXPECT_TRUE(bolt.getBoltLengthList(21, values));
  EXPECT_EQ(values.length(), 0);
  EXPECT_FALSE(bolt.getBoltData(20, 50, kMetric, nullptr));

  ZEPTDBBoltData b;
  ASSERT_TRUE(bolt.getBoltData(20, 80, kEnglish, &b));
  EXPECT_EQ(std::tuple(b.id, b.diameter, b.length, b.threadLength, b.crossFactor),
            std::tuple(10, 20., 80., 46., kMmToIn));
  EXPECT_EQ(b.symbol + L"|" + b.material + L"|" + b.comment, L"M20|8.8|hex");
  // Nulls leave a fresh record's defaults, not the previous call's values.
  ASSERT_TRUE(bolt.getBoltData(12, 50, kMetric, &b));
  EXPECT_EQ(std::tuple(b.id, b.threadLength, b.comment.str(), b.crossFactor), std::tuple(13, 0., L"", 1.));
}

// Whole data appends, ordered, each row from a fresh record; a diameter of 0
// filters like any other, and an empty result fails keeping what is there.
TEST_F(ZEPTDBBoltCatalog, WholeDataAppendsInOrderWithAFreshRecordPerRow) {
  auto ids = [&] {
    std::vector<int> out;
    for (auto const& b : bolts) out.push_back(b.id);
    return out;
  };
  ASSERT_TRUE(bolt.getWholeBoltData(bolts, kMetric, -1));
  EXPECT_EQ(bolts[1].threadLength, 0);  // null after a row with 5
  ASSERT_TRUE(bolt.getWholeBoltData(bolts, kEnglish, 0));
  EXPECT_EQ(ids(), (std::vector<int>{14, 13, 12, 11, 10, 14}));
  EXPECT_EQ(std::pair(bolts[4].crossFactor, bolts[5].crossFactor), std::pair(1., kMmToIn));
  EXPECT_FALSE(bolt.getWholeBoltData(bolts, kMetric, 16));
  EXPECT_EQ(bolts.length(), 6);
}

// A bolt read again and again answers as its first read, each time in the
// units asked for.
TEST_F(ZEPTDBBoltCatalog, RepeatedReadsAnswerAsTheFirst) {
  for (int again = 0; again < 4; ++again) {
    const auto units = again % 2 ? kEnglish : kMetric;
    ZEPTDBBoltData b;
    b.comment = L"old";
    ASSERT_TRUE(bolt.getBoltData(12, 50, units, &b)) << again;
    EXPECT_EQ(std::tuple(b.id, b.diameter, b.length, b.threadLength, b.symbol.str(), b.comment.str(), b.crossFactor),
              std::tuple(13, 12., 50., 0., L"M12", L"", again % 2 ? kMmToIn : 1.))
        << again;
    EXPECT_TRUE(bolt.getBoltData(12, 50, units, nullptr));
    EXPECT_FALSE(bolt.getBoltData(12, 51, units, &b));
    EXPECT_EQ(b.id, 13);
  }
}

}  // namespace

// Diameters no bolt has: nothing is appended, and NaN is not taken as the
// negative diameter that reads every bolt.
TEST_F(ZEPTDBBoltCatalog, WholeDataForDiametersNoBoltHas) {
  for (double d : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300}) {
    EXPECT_FALSE(bolt.getWholeBoltData(bolts, kMetric, d)) << d;
    EXPECT_EQ(bolts.length(), 0) << d;
  }
}
