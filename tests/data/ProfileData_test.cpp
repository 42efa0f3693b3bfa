// SPDX-License-Identifier: MIT
// Plausibility of the bundled profile catalogs as the build made them from
// data/PDLScripts.sql, data/EUROpro.sql and data/EUROpro.d: published areas
// against each row's own dimensions, the units, the column types readers
// check, and the shape scripts every catalog takes from the template.
#include <gtest/gtest.h>

#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "database/ZEPTDBBaseData.h"
#include "platform/dao/DaoTypes.h"
#include "support/BundledCatalog.h"

namespace {

using zept::test::BundledCatalog;

// Every Shape column with the type the profile reader takes it as.
std::vector<std::pair<std::wstring, short>> shapeColumns() {
  std::vector<std::pair<std::wstring, short>> columns{
      {L"ID", dbLong},       {L"NAME", dbText},     {L"SHAPE_TYPE", dbInteger}, {L"SYMBOL", dbMemo},
      {L"HAS_MATS", dbBoolean}, {L"MATERIALS", dbText}, {L"POINTS", dbText},   {L"IS_THIN", dbBoolean}};
  for (wchar_t const* name :
       {L"DIM1", L"DIM2", L"DIM3", L"MASS", L"SURF", L"H", L"B", L"EA", L"ES", L"RA", L"RS", L"GAP", L"SX",
        L"SY", L"SZ", L"IX", L"IY", L"IZ", L"IOMEGA", L"VY", L"VPY", L"VZ", L"VPZ", L"MSY", L"MSZ", L"TORS",
        L"SHEAR_QY", L"SHEAR_QZ", L"GAMMA", L"A_1", L"A_2", L"B_2", L"ES_2", L"P1_L", L"P1_T", L"P2_L", L"P2_T",
        L"P3_L", L"P3_T", L"P4_L", L"P4_T"})
    columns.emplace_back(name, dbDouble);
  return columns;
}

void expectColumns(CDaoDatabase& db, wchar_t const* table,
                   std::vector<std::pair<std::wstring, short>> const& expected) {
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, (std::wstring(L"SELECT * FROM ") + table).c_str());
  std::map<std::wstring, short> types;
  for (short i = 0; i < rs.GetFieldCount(); ++i) {
    CDaoFieldInfo info;
    rs.GetFieldInfo(i, info);
    types[info.m_strName.str()] = info.m_nType;
  }
  for (auto const& [name, type] : expected) {
    ASSERT_TRUE(types.count(name)) << table << "." << zept::toUtf8(name.c_str());
    EXPECT_EQ(types[name], type) << table << "." << zept::toUtf8(name.c_str());
  }
}

// One size of the catalog: its key and its numeric columns.
struct Size {
  std::string label;
  int shapeType = 0;
  std::map<std::wstring, double> v;
};

std::vector<Size> sizes(BundledCatalog& catalog) {
  std::vector<Size> out;
  CDaoRecordset rs(&catalog.m_db);
  rs.Open(dbOpenSnapshot, L"SELECT * FROM Shape ORDER BY ID");
  for (; !rs.IsEOF(); rs.MoveNext()) {
    Size s;
    s.shapeType = static_cast<int>(rs.GetFieldValue(L"SHAPE_TYPE").toDouble());
    for (auto const& [name, type] : shapeColumns())
      if (type == dbDouble) s.v[name] = rs.GetFieldValue(name.c_str()).toDouble();
    s.label = (rs.GetFieldValue(L"NAME").text() + L" " +
               ZEPTDBBaseData::DimsToString(s.v[L"DIM1"], s.v[L"DIM2"], s.v[L"DIM3"]))
                  .toUtf8();
    out.push_back(std::move(s));
  }
  return out;
}

// The area the rolling dimensions give, fillets included, for the shape types
// with a closed form (a check of the scripts, independent of them); nothing
// for the others. Tapered flanges: ES is the mean thickness (an 8 % channel's
// at B/2 from the web's back, an I's at B/4 from the web's axis), so the slope
// takes 0.08 * EA * (B - EA) / 2 from each channel flange where it meets the
// web, 0.14 * EA * (B - EA) / 4 from each I flange; a 5 % channel's ES is
// at the middle of the flange, which leaves nothing to take. Hollow
// sections: RA and RS are the outer and inner corner radii.
std::optional<double> areaFromDimensions(Size const& s) {
  const double h = s.v.at(L"H"), b = s.v.at(L"B"), tw = s.v.at(L"EA"), tf = s.v.at(L"ES");
  const double r = s.v.at(L"RA"), r2 = s.v.at(L"RS"), corner = 1 - std::numbers::pi / 4;
  switch (s.shapeType) {
    case 1: return 2 * b * tf + (h - 2 * tf) * tw + 4 * corner * r * r;
    case 2: return 2 * b * tf + (h - 2 * tf) * tw - 0.08 * tw * (b - tw) + 2 * corner * (r * r - r2 * r2);
    case 3: return 2 * b * tf + (h - 2 * tf) * tw + 2 * corner * r * r;
    case 4: return h * tw + (b - tw) * tf + corner * (r * r - 2 * r2 * r2);
    case 6: return h * b - (h - 2 * tf) * (b - 2 * tw) - 4 * corner * (r * r - r2 * r2);
    case 7: return std::numbers::pi / 4 * (b * b - (b - 2 * tw) * (b - 2 * tw));
    case 8: return h * b;
    case 9: return std::numbers::pi / 4 * b * b;
    case 10: return 2 * b * tf + (h - 2 * tf) * tw - 0.07 * tw * (b - tw) + 4 * corner * (r * r - r2 * r2);
    case 11: return 2 * b * tf + (h - 2 * tf) * tw + 2 * corner * (r * r - r2 * r2);
    default: return std::nullopt;
  }
}

TEST(ProfileData, CatalogNamesItsUnits) {
  BundledCatalog euro("EUROpro");
  struct Property {
    wchar_t const* name;
    short type;
    COleVariant value;
  };
  for (auto const& p : {Property{L"unit_long", dbText, L"mm"}, Property{L"unit_weight", dbText, L"kg"},
                        Property{L"unit_sect", dbText, L"mm"}, Property{L"std_catalog", dbBoolean, true},
                        Property{L"catalog_name", dbText, L"EURO"}}) {
    EXPECT_EQ(euro.m_db.GetPropertyType(CDaoDatabase::PropertySet::Database, p.name), p.type)
        << zept::toUtf8(p.name);
    const COleVariant value = euro.m_db.GetPropertyValue(CDaoDatabase::PropertySet::Database, p.name);
    EXPECT_EQ(value.vt, p.value.vt) << zept::toUtf8(p.name);
    EXPECT_EQ(value.vt == VT_BSTR ? value.text() : CString(), p.value.text()) << zept::toUtf8(p.name);
    if (p.type == dbBoolean) {
      EXPECT_EQ(value.boolVal, VARIANT_TRUE);
    }
  }
  EXPECT_FALSE(euro.m_db.GetPropertyValue(CDaoDatabase::PropertySet::Database, L"catalog_comment").text().IsEmpty());
}

TEST(ProfileData, PublishedValuesAgreeWithTheDimensions) {
  BundledCatalog euro("EUROpro");
  const auto all = sizes(euro);
  EXPECT_GE(all.size(), 50u);
  std::set<std::string> keys;
  for (auto const& s : all) {
    SCOPED_TRACE(s.label);
    EXPECT_TRUE(keys.insert(s.label).second) << "size listed twice";
    const double area = s.v.at(L"SX");
    if (const auto formula = areaFromDimensions(s)) {
      EXPECT_NEAR(*formula, area, 0.01 * area);
    }
    // The extents reach from the origin to the edges of H x B.
    EXPECT_NEAR(s.v.at(L"VPY") + s.v.at(L"VY"), s.v.at(L"B"), 1e-6);
    EXPECT_NEAR(s.v.at(L"VPZ") + s.v.at(L"VZ"), s.v.at(L"H"), 1e-6);
    EXPECT_GT(s.v.at(L"IY"), 0);
    EXPECT_GT(s.v.at(L"SURF"), 0);
  }
}

// The series files claim their standards' sizes: each designation of DIN
// 1025-1 (IPN), DIN 1026-1 (UPN), EN 10365 (UPE) and EN 10056-1 (L) is held
// unless its file leaves it out, and a size left out is really absent.
TEST(ProfileData, SeriesHoldTheirStandardsSizes) {
  BundledCatalog euro("EUROpro");
  std::set<std::string> held;
  for (auto const& s : sizes(euro)) held.insert(s.label);
  const std::vector<char const*> wideFlange{"100", "120", "140", "160", "180", "200", "220", "240",
                                            "260", "280", "300", "320", "340", "360", "400", "450",
                                            "500", "550", "600", "650", "700", "800", "900", "1000"};
  const std::pair<char const*, std::vector<char const*>> series[] = {
      {"IPE", {"80", "100", "120", "140", "160", "180", "200", "220", "240", "270", "300", "330", "360", "400", "450",
               "500", "550", "600", "750x137", "750x147", "750x173", "750x196"}},
      {"HEAA", wideFlange},
      {"HEA", wideFlange},
      {"HEB", wideFlange},
      {"HEM", wideFlange},
      {"IPN", {"80", "100", "120", "140", "160", "180", "200", "220", "240", "260", "280", "300", "320", "340", "360",
               "380", "400", "425", "450", "475", "500", "550", "600"}},
      {"UPN", {"30x15", "30", "40x20", "40", "50x25", "50", "60", "65", "80", "100", "120", "140", "160", "180", "200",
               "220", "240", "260", "280", "300", "320", "350", "380", "400"}},
      {"UPE", {"80", "100", "120", "140", "160", "180", "200", "220", "240", "270", "300", "330", "360", "400"}},
      {"L", {"20x20x3",    "25x25x3",    "25x25x4",    "30x30x3",    "30x30x4",    "35x35x4",    "40x40x4",
             "40x40x5",    "45x45x4.5",  "50x50x4",    "50x50x5",    "50x50x6",    "60x60x5",    "60x60x6",
             "60x60x8",    "65x65x7",    "70x70x6",    "70x70x7",    "75x75x6",    "75x75x8",    "80x80x8",
             "80x80x10",   "90x90x7",    "90x90x8",    "90x90x9",    "90x90x10",   "100x100x8",  "100x100x10",
             "100x100x12", "120x120x10", "120x120x12", "130x130x12", "150x150x10", "150x150x12", "150x150x15",
             "160x160x15", "180x180x16", "180x180x18", "200x200x16", "200x200x18", "200x200x20", "200x200x24",
             "250x250x28", "250x250x35", "30x20x3",    "30x20x4",    "40x20x4",    "40x25x4",    "45x30x4",
             "50x30x5",    "60x30x5",    "60x40x5",    "60x40x6",    "65x50x5",    "70x50x6",    "75x50x6",
             "75x50x8",    "80x40x6",    "80x40x8",    "80x60x7",    "100x50x6",   "100x50x8",   "100x65x7",
             "100x65x8",   "100x65x10",  "100x75x8",   "100x75x10",  "100x75x12",  "120x80x8",   "120x80x10",
             "120x80x12",  "125x75x8",   "125x75x10",  "125x75x12",  "135x65x8",   "135x65x10",  "150x75x9",
             "150x75x10",  "150x75x12",  "150x75x15",  "150x90x10",  "150x90x12",  "150x90x15",  "150x100x10",
             "150x100x12", "200x100x10", "200x100x12", "200x100x15", "200x150x12", "200x150x15"}},
  };
  // Each left out because a published value could not be confirmed against
  // its outline (the series files give the values).
  const std::set<std::string> leftOut{"UPN 30",      "UPN 65",     "UPN 400",    "L 25x25x4",
                                      "L 100x50x6", "L 150x75x9", "L 150x75x10"};
  for (auto const& [name, designations] : series)
    for (char const* size : designations) {
      const std::string label = std::string(name) + " " + size;
      EXPECT_NE(held.count(label), leftOut.count(label)) << label;
    }
}

TEST(ProfileData, SectionValuesInPowersOfMillimetres) {
  BundledCatalog euro("EUROpro");
  struct Published {
    wchar_t const* name;
    double dim1, dim2, dim3, area, iy, iz;  // mm2, mm4
  };
  for (auto const& p : {Published{L"IPE", 300, 0, 0, 5381, 8356e4, 603.8e4}, Published{L"HEB", 200, 0, 0, 7810, 5696e4, 2003e4},
                        Published{L"UPN", 200, 0, 0, 3220, 1910e4, 148e4}, Published{L"L", 80, 80, 8, 1230, 72.2e4, 72.2e4},
                        Published{L"L", 100, 50, 8, 1140, 116e4, 19.5e4},
                        Published{L"IPN", 300, 0, 0, 6900, 9800e4, 451e4}, Published{L"HEM", 1000, 0, 0, 44420, 722300e4, 18460e4}}) {
    const std::wstring where = std::wstring(L" FROM Shape WHERE NAME = \"") + p.name + L"\" AND DIM1 = " +
                               std::to_wstring(p.dim1) + L" AND DIM2 = " + std::to_wstring(p.dim2) +
                               L" AND DIM3 = " + std::to_wstring(p.dim3);
    EXPECT_EQ(euro.number(L"SELECT SX" + where), p.area) << zept::toUtf8(p.name);
    EXPECT_EQ(euro.number(L"SELECT IY" + where), p.iy) << zept::toUtf8(p.name);
    EXPECT_EQ(euro.number(L"SELECT IZ" + where), p.iz) << zept::toUtf8(p.name);
  }
}

TEST(ProfileData, RowsLeaveNoColumnNull) {
  BundledCatalog euro("EUROpro");
  // A reader keeps a member whose column is null from the size read before.
  for (auto const& [name, type] : shapeColumns()) {
    if (name == L"SYMBOL") continue;  // null means "use the shape script"
    EXPECT_EQ(euro.number(L"SELECT COUNT(*) FROM Shape WHERE " + name + L" IS NULL"), 0) << zept::toUtf8(name.c_str());
  }
  EXPECT_EQ(euro.number(L"SELECT COUNT(*) FROM Shape LEFT JOIN ProfileName ON Shape.NAME = ProfileName.SHAPE "
                        L"WHERE ProfileName.DESCRIPTION IS NULL"),
            0);
  EXPECT_EQ(euro.number(L"SELECT COUNT(*) FROM Shape WHERE SYMBOL IS NOT NULL"), 3);
}

TEST(ProfileData, TemplateHoldsEveryShapeType) {
  BundledCatalog templ("PDLScripts");
  expectColumns(templ.m_db, L"ShapeTemplate", shapeColumns());
  EXPECT_EQ(templ.number(L"SELECT COUNT(*) FROM ShapeTemplate"), 0);
  const std::vector<std::pair<std::wstring, short>> scriptColumns{
      {L"ID", dbLong}, {L"SHAPE_TYPE", dbInteger}, {L"PDL_SCRIPT", dbMemo}, {L"IS_SYMMETRIC", dbBoolean}};
  expectColumns(templ.m_db, L"PDLScripts", scriptColumns);

  // I, tapered channel, parallel channel, angle, tee, RHS, CHS, flat, round,
  // tapered I, channel tapered 5 %.
  const bool symmetric[] = {true, false, false, false, true, true, true, true, true, true, false};
  for (int type = 1; type <= 11; ++type) {
    CDaoRecordset rs(&templ.m_db);
    rs.Open(dbOpenSnapshot, (L"SELECT * FROM PDLScripts WHERE SHAPE_TYPE = " + std::to_wstring(type)).c_str());
    ASSERT_EQ(rs.GetRecordCount(), 1) << type;
    EXPECT_EQ(rs.GetFieldValue(L"IS_SYMMETRIC").boolVal != 0, symmetric[type - 1]) << type;
    const std::string script = rs.GetFieldValue(L"PDL_SCRIPT").text().toUtf8();
    EXPECT_NE(script.find("StartContour("), std::string::npos) << type;
    EXPECT_EQ(script.find('"'), std::string::npos) << type;
  }

  // The catalog holds the template's rows of the types it uses, unchanged.
  BundledCatalog euro("EUROpro");
  expectColumns(euro.m_db, L"Shape", shapeColumns());
  expectColumns(euro.m_db, L"Section", scriptColumns);
  EXPECT_EQ(euro.number(L"SELECT COUNT(*) FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE "
                        L"WHERE Section.ID IS NULL"),
            0);
  CDaoRecordset section(&euro.m_db);
  section.Open(dbOpenSnapshot, L"SELECT SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC FROM Section");
  int rows = 0;
  for (; !section.IsEOF(); section.MoveNext(), ++rows) {
    const int type = section.GetFieldValue(0).iVal;
    CDaoRecordset rs(&templ.m_db);
    rs.Open(dbOpenSnapshot, (L"SELECT PDL_SCRIPT, IS_SYMMETRIC FROM PDLScripts WHERE SHAPE_TYPE = " +
                             std::to_wstring(type)).c_str());
    ASSERT_FALSE(rs.IsEOF()) << type;
    EXPECT_EQ(section.GetFieldValue(1).text(), rs.GetFieldValue(0).text()) << type;
    EXPECT_EQ(section.GetFieldValue(2).boolVal, rs.GetFieldValue(1).boolVal) << type;
  }
  std::set<int> used;
  for (auto const& s : sizes(euro)) used.insert(s.shapeType);
  EXPECT_EQ(rows, static_cast<int>(used.size()));
}

}  // namespace
