// SPDX-License-Identifier: MIT
// The bundled fastener catalogs as the build made them from data/*.sql:
// published values per standard, the thread length rules, clamping ranges
// recomputed from the set's own bolt, nut and washer rows, a nut and washer
// for every bolt, the standards catalog's file names, units and the
// standard and edition each catalog names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "support/BundledCatalog.h"

namespace {

namespace fs = std::filesystem;
using Catalog = zept::test::BundledCatalog;
using zept::test::kBundledData;

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

// Every row of `sql`, each column as its variant.
std::vector<std::vector<COleVariant>> rows(Catalog& c, std::wstring const& sql) {
  std::vector<std::vector<COleVariant>> out;
  CDaoRecordset rs(&c.m_db);
  rs.Open(dbOpenSnapshot, sql.c_str());
  for (; !rs.IsEOF(); rs.MoveNext()) {
    out.emplace_back();
    for (short i = 0; i < rs.GetFieldCount(); ++i) out.back().push_back(rs.GetFieldValue(i));
  }
  return out;
}

const wchar_t* const kBoltJoin =
    L" FROM Materials INNER JOIN (Shanks INNER JOIN (Bolts INNER JOIN BoltsTypes ON Bolts.Id = BoltsTypes.BoltId) "
    L"ON Shanks.Id = BoltsTypes.ShankId) ON Materials.Id = BoltsTypes.MaterialId ";

// The bundled file names by their upper-case spelling: the standards
// catalog may spell a name in any case, the file system may not.
std::map<std::string, std::string> bundledFiles() {
  std::map<std::string, std::string> files;
  for (auto const& entry : fs::directory_iterator(kBundledData)) {
    const std::string name = entry.path().filename().string();
    files[upper(name)] = name;
  }
  return files;
}

std::string stem(std::string const& file) { return file.substr(0, file.rfind('.')); }

// Values the standards publish, a few per standard; the EN 14399-6 washers,
// which had ISO 7089's thicknesses, in full.
TEST(FastenerData, PublishedValues) {
  struct Value {
    char const* catalog;
    wchar_t const* sql;
    double expected;
  } const values[] = {
      // ISO 4032:2012 m and s.
      {"Nuts_ISO4032", L"SELECT Thick FROM Nuts WHERE InnerDiam = 8", 6.8},
      {"Nuts_ISO4032", L"SELECT Thick FROM Nuts WHERE InnerDiam = 24", 21.5},
      {"Nuts_ISO4032", L"SELECT OuterDiam FROM Nuts WHERE InnerDiam = 24", 36},
      {"Nuts_ISO4032", L"SELECT Thick FROM Nuts WHERE InnerDiam = 36", 31},
      {"Nuts_ISO4032", L"SELECT OuterDiam FROM Nuts WHERE InnerDiam = 36", 55},
      {"Nuts_ISO4032", L"SELECT Thick FROM Nuts WHERE InnerDiam = 64", 51},
      // ISO 7089:2000 d1, d2, h.
      {"Washers_ISO7089", L"SELECT HoleDiam FROM Washers WHERE InnerDiam = 8", 8.4},
      {"Washers_ISO7089", L"SELECT OuterDiam FROM Washers WHERE InnerDiam = 20", 37},
      {"Washers_ISO7089", L"SELECT Thick FROM Washers WHERE InnerDiam = 20", 3},
      {"Washers_ISO7089", L"SELECT Thick FROM Washers WHERE InnerDiam = 36", 5},
      {"Washers_ISO7089", L"SELECT OuterDiam FROM Washers WHERE InnerDiam = 64", 115},
      // EN 14399-4:2015 HV nuts.
      {"Nuts_EN14399", L"SELECT Thick FROM Nuts WHERE InnerDiam = 20", 16},
      {"Nuts_EN14399", L"SELECT Thick FROM Nuts WHERE InnerDiam = 36", 29},
      {"Nuts_EN14399", L"SELECT OuterDiam FROM Nuts WHERE InnerDiam = 36", 60},
      // ASME B18.2.6 heavy hex nuts and F436 washers, inches.
      {"Nuts_A563", L"SELECT Thick FROM Nuts WHERE InnerDiam = 0.75", 47. / 64},
      {"Nuts_A563", L"SELECT OuterDiam FROM Nuts WHERE InnerDiam = 0.75", 1.25},
      {"Nuts_A563", L"SELECT Thick FROM Nuts WHERE InnerDiam = 1.25", 1 + 7. / 32},
      {"Washers_F436", L"SELECT HoleDiam FROM Washers WHERE InnerDiam = 0.75", 13. / 16},
      {"Washers_F436", L"SELECT OuterDiam FROM Washers WHERE InnerDiam = 0.75", 1 + 15. / 32},
  };
  for (auto const& v : values) {
    Catalog c(v.catalog);
    EXPECT_DOUBLE_EQ(c.number(v.sql), v.expected) << v.catalog << ": " << zept::toUtf8(v.sql);
  }

  // ISO 4014:2011 reference thread length b in each length range.
  Catalog iso4014("Bolts_ISO4014");
  for (auto [d, l, b] : {std::tuple{8, 40, 22}, {36, 200, 84}, {36, 220, 97}, {64, 260, 153}})
    EXPECT_EQ(iso4014.number(std::wstring(L"SELECT DISTINCT ThreadLenght") + kBoltJoin + L"WHERE Diameter = " +
                             std::to_wstring(d) + L" AND Lenght = " + std::to_wstring(l)),
              b)
        << "M" << d << " x " << l;

  struct Washer {
    double d, d1, d2, h;
  } const en14399_6[] = {{12, 13, 24, 3}, {16, 17, 30, 4}, {20, 21, 37, 4}, {22, 23, 39, 4},
                         {24, 25, 44, 4}, {27, 28, 50, 5}, {30, 31, 56, 5}, {36, 37, 66, 6}};
  Catalog washers("Washers_EN14399");
  const auto stored = rows(washers, L"SELECT InnerDiam, HoleDiam, OuterDiam, Thick FROM Washers ORDER BY InnerDiam");
  ASSERT_EQ(stored.size(), std::size(en14399_6));
  for (size_t i = 0; i < stored.size(); ++i) {
    auto const& w = en14399_6[i];
    EXPECT_EQ(std::vector<double>(
                  {stored[i][0].toDouble(), stored[i][1].toDouble(), stored[i][2].toDouble(), stored[i][3].toDouble()}),
              std::vector<double>({w.d, w.d1, w.d2, w.h}))
        << "M" << w.d;
  }

  // EN 14399-4 reference thread lengths, one per size.
  Catalog hv("Bolts_EN14399");
  const auto threads =
      rows(hv, std::wstring(L"SELECT DISTINCT Diameter, ThreadLenght") + kBoltJoin + L"ORDER BY Diameter");
  std::map<double, double> b;
  for (auto const& r : threads) b[r[0].toDouble()] = r[1].toDouble();
  EXPECT_EQ(threads.size(), b.size());
  EXPECT_EQ(b,
            (std::map<double, double>{{12, 23}, {16, 28}, {20, 33}, {22, 34}, {24, 39}, {27, 41}, {30, 44}, {36, 52}}));
}

TEST(FastenerData, IsoThreadLengths) {
  Catalog iso4014("Bolts_ISO4014");
  EXPECT_EQ(iso4014.number(std::wstring(L"SELECT COUNT(*)") + kBoltJoin), 263);
  // b = 2d + 6 (l <= 125), 2d + 12 (l <= 200), 2d + 25 beyond.
  EXPECT_EQ(iso4014.number(std::wstring(L"SELECT COUNT(*)") + kBoltJoin +
                           L"WHERE BoltsTypes.ThreadLenght <> 2 * Bolts.Diameter + IIf(Shanks.Lenght <= 125, 6, "
                           L"IIf(Shanks.Lenght <= 200, 12, 25)) OR BoltsTypes.ThreadLenght >= Shanks.Lenght"),
            0);
  // Beyond M39 the property class is as agreed: 8.8 only.
  EXPECT_EQ(iso4014.number(std::wstring(L"SELECT COUNT(*)") + kBoltJoin +
                           L"WHERE Bolts.Diameter > 39 AND Materials.Symbol <> \"8.8\""),
            0);
  Catalog iso4017("Bolts_ISO4017");
  EXPECT_EQ(iso4017.number(std::wstring(L"SELECT COUNT(*)") + kBoltJoin), 232);
  EXPECT_EQ(
      iso4017.number(std::wstring(L"SELECT COUNT(*)") + kBoltJoin + L"WHERE BoltsTypes.ThreadLenght <> Shanks.Lenght"),
      0);
}

// Every bolt length with 1 and 2 washers has exactly one range, and the range
// follows from that bolt's b, the nut's m and the washer's h: lg,max - n h up
// to l - n h - m - P (one pitch of protrusion). Together the ranges of a size
// and washer count leave no thickness without a bolt.
TEST(FastenerData, ClampingRangesFollowFromTheSetWithoutGaps) {
  const std::map<double, double> metricPitch = {{8, 1.25}, {10, 1.5}, {12, 1.75}, {16, 2}, {20, 2.5},
                                                {22, 2.5}, {24, 3},   {27, 3},    {30, 3.5}, {36, 4},
                                                {42, 4.5}, {48, 5},   {56, 5.5},  {64, 6}};  // ISO 261 coarse
  const std::map<double, double> uncPitch = {{0.5, 1.0 / 13}, {0.625, 1.0 / 11}, {0.75, 1.0 / 10},
                                             {0.875, 1.0 / 9}, {1, 1.0 / 8},      {1.125, 1.0 / 7},
                                             {1.25, 1.0 / 7},  {1.375, 1.0 / 6},  {1.5, 1.0 / 6}};
  struct Set {
    char const *cr, *bolts, *nuts, *washers;
    std::map<double, double> const& pitch;
  };
  for (Set const& s : {Set{"cr_EN14399", "Bolts_EN14399", "Nuts_EN14399", "Washers_EN14399", metricPitch},
                       Set{"cr_ISO4014", "Bolts_ISO4014", "Nuts_ISO4032", "Washers_ISO7089", metricPitch},
                       Set{"cr_A325", "Bolts_A325", "Nuts_A563", "Washers_F436", uncPitch},
                       Set{"cr_A490", "Bolts_A490", "Nuts_A563", "Washers_F436", uncPitch}}) {
    SCOPED_TRACE(s.cr);
    Catalog bolts(s.bolts), nuts(s.nuts), washers(s.washers), cr(s.cr);
    std::map<double, double> m, h;
    for (auto const& r : rows(nuts, L"SELECT InnerDiam, Thick FROM Nuts")) m[r[0].toDouble()] = r[1].toDouble();
    for (auto const& r : rows(washers, L"SELECT InnerDiam, Thick FROM Washers")) h[r[0].toDouble()] = r[1].toDouble();

    struct Range {
      double lower, upper, shank, thread;
    };
    std::map<std::tuple<double, int, double>, std::vector<Range>> stored;  // by d, n, l
    const auto grip =
        rows(cr, L"SELECT Diameter, WasherNum, RangeLower, RangeUpper, ShankLength, ThreadLength FROM GripLength");
    for (auto const& r : grip) {
      const Range range{r[2].toDouble(), r[3].toDouble(), r[4].toDouble(), r[5].toDouble()};
      stored[{r[0].toDouble(), static_cast<int>(r[1].toDouble()), range.shank + range.thread}].push_back(range);
    }
    // A size in several classes has each length once.
    const auto set = rows(bolts, std::wstring(L"SELECT DISTINCT Diameter, Lenght, ThreadLenght") + kBoltJoin);
    ASSERT_FALSE(set.empty());
    EXPECT_EQ(grip.size(), 2 * set.size());
    std::map<std::pair<double, int>, std::vector<std::pair<double, Range>>> bySet;  // by d, n; in length order
    for (auto const& r : set) {
      const double d = r[0].toDouble(), l = r[1].toDouble(), b = r[2].toDouble();
      ASSERT_TRUE(m.count(d) && h.count(d) && s.pitch.count(d)) << d;
      for (int n : {1, 2}) {
        auto const& ranges = stored[std::tuple(d, n, l)];
        ASSERT_EQ(ranges.size(), 1u) << d << " x " << l << ", " << n << " washers";
        EXPECT_NEAR(ranges[0].lower, l - b - n * h[d], 1e-9) << d << " x " << l;
        EXPECT_NEAR(ranges[0].upper, l - n * h[d] - m[d] - s.pitch.at(d), 1e-9) << d << " x " << l;
        EXPECT_NEAR(ranges[0].shank, l - b, 1e-9) << d << " x " << l;
        bySet[{d, n}].emplace_back(l, ranges[0]);
      }
    }
    for (auto& [key, ranges] : bySet) {
      std::sort(ranges.begin(), ranges.end(), [](auto const& a, auto const& b) { return a.first < b.first; });
      for (size_t i = 1; i < ranges.size(); ++i)
        EXPECT_LE(ranges[i].second.lower, ranges[i - 1].second.upper)
            << key.first << ", " << key.second << " washers: no bolt between " << ranges[i - 1].first << " and "
            << ranges[i].first;
    }
  }

  // The published ls,min / lg,max examples of the HV sets: M20 x 60, M20 x 80, M24 x 80.
  Catalog cr("cr_EN14399");
  struct Example {
    double d, l, ls, lg;
  };
  for (auto const& e : {Example{20, 60, 19.5, 27}, Example{20, 80, 39.5, 47}, Example{24, 80, 32, 41}}) {
    const auto shank = rows(cr, L"SELECT ShankLength FROM GripLength WHERE WasherNum = 1 AND Diameter = " +
                                    std::to_wstring(static_cast<int>(e.d)) + L" AND ShankLength + ThreadLength = " +
                                    std::to_wstring(static_cast<int>(e.l)));
    ASSERT_EQ(shank.size(), 1u) << e.d << " x " << e.l;
    EXPECT_EQ(shank[0][0].toDouble(), e.lg);
    EXPECT_EQ(shank[0][0].toDouble() - 3 * metricPitch.at(e.d), e.ls);
  }
}

// Each row of the standards catalog names bundled catalogs (but DIN 931's
// bolts), and each bundled set has, for every bolt size and class, a nut of
// that size in the class that goes with the bolt's, and a washer of that
// size with a hole larger than the bolt.
TEST(FastenerData, StandardsNameBundledSetsWithANutAndWasherForEveryBolt) {
  const std::map<std::string, std::set<std::string>> nutClass = {
      {"8.8", {"8", "10"}}, {"10.9", {"10"}}, {"A325", {"C", "DH"}}, {"A490", {"DH"}}};
  const auto files = bundledFiles();
  Catalog standards("BoltsNutsWashers");
  int rowCount = 0, sets = 0;
  for (auto const& r : rows(standards, L"SELECT BoltStand, NutStand, WasherStand, ClampingRange FROM Bolts")) {
    ++rowCount;
    const bool missing = upper(r[0].text().toUtf8()) == "BOLTS_DIN931.MDB";
    for (int column = 0; column < 4; ++column) {
      if (column == 3 && r[column].isNull()) continue;  // no clamping-range catalog
      const std::string name = upper(r[column].text().toUtf8());
      EXPECT_EQ(files.count(name), missing ? 0u : 1u) << name;
    }
    const auto bolt = files.find(upper(r[0].text().toUtf8()));
    if (bolt == files.end()) continue;  // not bundled
    ++sets;
    Catalog bolts(stem(bolt->second).c_str());
    Catalog nuts(stem(files.at(upper(r[1].text().toUtf8()))).c_str());
    Catalog washers(stem(files.at(upper(r[2].text().toUtf8()))).c_str());
    std::set<std::pair<double, std::string>> nutTypes;
    for (auto const& n : rows(nuts,
                              L"SELECT Nuts.InnerDiam, Materials.Symbol FROM Materials INNER JOIN (Nuts INNER JOIN "
                              L"NutsTypes ON Nuts.Id = NutsTypes.NutId) ON Materials.Id = NutsTypes.MaterialId"))
      nutTypes.emplace(n[0].toDouble(), n[1].text().toUtf8());
    std::map<double, double> holes;
    for (auto const& w : rows(washers, L"SELECT InnerDiam, HoleDiam FROM Washers"))
      holes[w[0].toDouble()] = w[1].toDouble();

    for (auto const& b : rows(bolts, std::wstring(L"SELECT DISTINCT Bolts.Diameter, Materials.Symbol") + kBoltJoin)) {
      const double d = b[0].toDouble();
      const std::string boltClass = b[1].text().toUtf8(),
                        where = bolt->second + " " + std::to_string(d) + " " + boltClass;
      ASSERT_TRUE(nutClass.count(boltClass)) << where;
      EXPECT_TRUE(std::ranges::any_of(nutClass.at(boltClass), [&](auto const& c) {
        return nutTypes.count({d, c});
      })) << where;
      ASSERT_TRUE(holes.count(d)) << where;
      EXPECT_GT(holes[d], d) << where;
    }
  }
  EXPECT_EQ(rowCount, 6);
  EXPECT_EQ(sets, 5);
}

// Normal round holes: EN 1090-2:2018 Table 11 gives the clearance by size
// (ISO 273 medium below M12), AISC 360-16 Table J3.3 the standard hole (1 in
// takes 1-1/8, not d + 1/16). The lists hold exactly the diameters of the
// bundled bolt catalogs, metric and inch.
TEST(FastenerData, BoltHolesFollowTheirTables) {
  Catalog holes("BoltDiametersList");
  std::set<double> listed[2], bolts[2];  // mm, in
  for (auto const& r : rows(holes, L"SELECT Value, Data FROM List")) {
    const double d = r[0].toDouble();
    listed[0].insert(d);
    EXPECT_EQ(r[1].toDouble() - d, d <= 14 ? 1 : d <= 24 ? 2 : 3) << "M" << d;
  }
  for (auto const& r : rows(holes, L"SELECT Value, Data FROM ListE")) {
    const double d = r[0].toDouble();
    listed[1].insert(d);
    EXPECT_DOUBLE_EQ(r[1].toDouble() - d, d < 1 ? 1. / 16 : 1. / 8) << d << " in";
  }
  for (auto const& [key, file] : bundledFiles()) {
    if (!key.starts_with("BOLTS_")) continue;
    Catalog c(stem(file).c_str());
    const auto unit = rows(c, L"SELECT Unit FROM Descriptions WHERE [Table] = \"Bolts\" AND Field = \"Diameter\"");
    ASSERT_EQ(unit.size(), 1u) << file;
    const bool inch = unit[0][0].text() == CString(L"in");
    for (auto const& r : rows(c, L"SELECT Diameter FROM Bolts")) bolts[inch].insert(r[0].toDouble());
  }
  EXPECT_EQ(listed[0], bolts[0]);
  EXPECT_EQ(listed[1], bolts[1]);
  EXPECT_FALSE(bolts[0].empty() || bolts[1].empty());
}

// Every bundled fastener catalog names the standard it was typed from with
// its edition ("ISO 4014:2011", "ASTM F436-11").
TEST(FastenerData, CatalogsNameTheirStandardAndEdition) {
  const std::regex edition(R"((ISO|EN|ASTM|ASME) [A-Z0-9./ -]+[:-](19|20)?\d\d[a-z]?\b.*)");
  int catalogs = 0;
  for (auto const& [key, file] : bundledFiles()) {
    if (!(key.starts_with("BOLTS_") || key.starts_with("NUTS_") || key.starts_with("WASHERS_") ||
          key.starts_with("CR_")))
      continue;
    ++catalogs;
    Catalog c(stem(file).c_str());
    const std::string source =
        c.m_db.GetPropertyValue(CDaoDatabase::PropertySet::Database, L"source_standard").text().toUtf8();
    EXPECT_TRUE(std::regex_match(source, edition)) << file << ": \"" << source << "\"";
  }
  EXPECT_EQ(catalogs, 15);
  Catalog washers("Washers_EN14399");
  EXPECT_EQ(washers.m_db.GetPropertyValue(CDaoDatabase::PropertySet::Database, L"source_standard").text(),
            CString(L"EN 14399-6:2015"));
}

TEST(FastenerData, UnitsOfTheCatalogs) {
  struct Unit {
    char const* catalog;
    wchar_t const* table;
    wchar_t const* field;
    wchar_t const* unit;
  };
  for (auto const& u :
       {Unit{"Nuts_A563", L"Nuts", L"Diag", L"in"}, Unit{"Washers_F436", L"Washers", L"InnerDiam", L"in"},
        Unit{"Bolts_EN14399", L"Bolts", L"Diameter", L"mm"}, Unit{"Nuts_ISO4032", L"Nuts", L"Diag", L"mm"},
        Unit{"Washers_ISO7089", L"Washers", L"InnerDiam", L"mm"},
        Unit{"cr_EN14399", L"GripLength", L"Diameter", L"mm"}}) {
    Catalog c(u.catalog);
    const auto found = rows(c, std::wstring(L"SELECT Unit FROM Descriptions WHERE [Table] = \"") + u.table +
                                   L"\" AND Field = \"" + u.field + L"\"");
    ASSERT_EQ(found.size(), 1u) << u.catalog;
    EXPECT_EQ(found[0][0].text(), CString(u.unit)) << u.catalog;
  }
}

}  // namespace
