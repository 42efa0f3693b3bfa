// Plausibility of the bundled fastener catalogs as the build made them from
// data/*.sql: the thread length rules, the clamping-range derivation with its
// worked examples, the standards catalog's file names and the inch units.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>

#include "support/BundledCatalog.h"

namespace {

namespace fs = std::filesystem;
using Catalog = zept::test::BundledCatalog;
using zept::test::kBundledData;

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

TEST(FastenerData, IsoThreadLengths) {
  const wchar_t* join =
      L"FROM Shanks INNER JOIN (Bolts INNER JOIN BoltsTypes ON Bolts.Id = BoltsTypes.BoltId) "
      L"ON Shanks.Id = BoltsTypes.ShankId ";
  Catalog iso4014("Bolts_ISO4014");
  EXPECT_EQ(iso4014.number((std::wstring(L"SELECT COUNT(*) ") + join).c_str()), 144);
  // b = 2d + 6 (l <= 125), 2d + 12 (l <= 200), 2d + 25 beyond.
  EXPECT_EQ(iso4014.number((std::wstring(L"SELECT COUNT(*) ") + join +
                            L"WHERE BoltsTypes.ThreadLenght <> 2 * Bolts.Diameter + IIf(Shanks.Lenght <= 125, 6, "
                            L"IIf(Shanks.Lenght <= 200, 12, 25)) OR BoltsTypes.ThreadLenght >= Shanks.Lenght")
                               .c_str()),
            0);
  Catalog iso4017("Bolts_ISO4017");
  EXPECT_EQ(iso4017.number((std::wstring(L"SELECT COUNT(*) ") + join).c_str()), 154);
  EXPECT_EQ(iso4017.number((std::wstring(L"SELECT COUNT(*) ") + join +
                            L"WHERE BoltsTypes.ThreadLenght <> Shanks.Lenght").c_str()),
            0);
}

TEST(FastenerData, ClampingRangesFollowTheirDerivation) {
  Catalog cr("cr_EN14399");
  // The worked examples: ls,min / lg,max of M20 x 60, M20 x 80 and M24 x 80;
  // ShankLength is lg,max = l - b and ThreadLength is b, so l is their sum.
  struct Example {
    double d, l, pitch, ls, lg;
  };
  for (auto const& e : {Example{20, 60, 2.5, 19.5, 27}, Example{20, 80, 2.5, 39.5, 47}, Example{24, 80, 3, 32, 41}}) {
    const std::wstring where = L" FROM GripLength WHERE Diameter = " + std::to_wstring(e.d) +
                               L" AND WasherNum = 1 AND ShankLength + ThreadLength = " + std::to_wstring(e.l);
    EXPECT_EQ(cr.number((L"SELECT ShankLength" + where).c_str()), e.lg) << e.d << " x " << e.l;
    EXPECT_EQ(cr.number((L"SELECT ShankLength - 3 * " + std::to_wstring(e.pitch) + where).c_str()), e.ls);
  }
  // M20 x 60 with nut m 16, washer h 3, P 2.5: lg,max - n h up to l - n h - m - P.
  EXPECT_EQ(cr.number(L"SELECT RangeLower FROM GripLength WHERE Diameter = 20 AND WasherNum = 2 AND ShankLength = 27"),
            21);
  EXPECT_EQ(cr.number(L"SELECT RangeUpper FROM GripLength WHERE Diameter = 20 AND WasherNum = 2 AND ShankLength = 27"),
            35.5);
  EXPECT_EQ(cr.number(L"SELECT COUNT(*) FROM GripLength WHERE RangeLower <= 0 OR RangeUpper <= RangeLower OR "
                      L"WasherNum NOT IN (1, 2)"),
            0);
}

TEST(FastenerData, StandardsNameBundledCatalogs) {
  std::set<std::string> files;
  for (auto const& entry : fs::directory_iterator(kBundledData)) files.insert(upper(entry.path().filename().string()));

  Catalog standards("BoltsNutsWashers");
  CDaoRecordset rs(&standards.m_db);
  rs.Open(dbOpenSnapshot, L"SELECT BoltStand, NutStand, WasherStand, ClampingRange FROM Bolts");
  int rows = 0;
  for (; !rs.IsEOF(); rs.MoveNext(), ++rows) {
    const bool missing = upper(rs.GetFieldValue(0).text().toUtf8()) == "BOLTS_DIN931.MDB";
    for (int column = 0; column < 4; ++column) {
      const auto value = rs.GetFieldValue(column);
      if (column == 3 && value.isNull()) continue;  // no clamping-range catalog
      const std::string name = upper(value.text().toUtf8());
      EXPECT_EQ(files.count(name), missing ? 0u : 1u) << name;
    }
  }
  EXPECT_EQ(rows, 5);
}

TEST(FastenerData, UnitsOfTheCatalogs) {
  struct Unit {
    char const* catalog;
    wchar_t const* table;
    wchar_t const* field;
    wchar_t const* unit;
  };
  for (auto const& u : {Unit{"Bolts_A325", L"Bolts", L"Diameter", L"in"}, Unit{"Nuts_A563", L"Nuts", L"Diag", L"in"},
                        Unit{"Washers_F436", L"Washers", L"InnerDiam", L"in"},
                        Unit{"Bolts_EN14399", L"Bolts", L"Diameter", L"mm"},
                        Unit{"Nuts_ISO4032", L"Nuts", L"Diag", L"mm"},
                        Unit{"Washers_ISO7089", L"Washers", L"InnerDiam", L"mm"},
                        Unit{"cr_EN14399", L"GripLength", L"Diameter", L"mm"}}) {
    Catalog c(u.catalog);
    CDaoRecordset rs(&c.m_db);
    rs.Open(dbOpenSnapshot, (std::wstring(L"SELECT Unit FROM Descriptions WHERE [Table] = \"") + u.table +
                             L"\" AND Field = \"" + u.field + L"\"")
                                .c_str());
    ASSERT_FALSE(rs.IsEOF()) << u.catalog;
    EXPECT_EQ(rs.GetFieldValue(0).text(), CString(u.unit)) << u.catalog;
  }
}

}  // namespace
