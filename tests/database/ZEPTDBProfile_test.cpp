// SPDX-License-Identifier: MIT
#include "database/ZEPTDBProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <set>
#include <tuple>

#include "database/KorvaToPdl.h"
#include "database/RecordCache.h"
#include "platform/dao/DaoTableDef.h"
#include "platform/fs/FileOps.h"
#include "support/CorePrinters.h"
#include "support/CatalogFolders.h"
#include "support/ProfileCatalogs.h"
#include "support/SqliteFile.h"

using namespace zept::test;

namespace {

// The accessor with its open catalog in reach.
struct Profile : ZEPTDBProfile {
  using ZEPTDBProfile::m_db;
  // "" when closed, else "ro " or "rw " and the file name.
  CString mode() {
    return m_db.IsOpen() ? (m_db.CanUpdate() ? L"rw " : L"ro ") + extractFileName(getFullDBName()) : CString();
  }
};

CString tableName(std::filesystem::path const& file, wchar_t const* table) {
  CDaoDatabase db;
  db.Open(wide(file).c_str(), false, true);
  CDaoTableDefInfo info;
  try {
    db.GetTableDefInfo(table, info);
  } catch (CDaoException const&) {
    return CString();
  }
  return info.m_strName;
}

class ProfileTest : public CatalogFolders {
 protected:
  void SetUp() override { templateCatalog(tree.path("data/PDLScripts.mdb")); }
  std::filesystem::path inData(std::string const& file) { return tree.path("data/" + file); }
  std::filesystem::path inApp(std::string const& file) { return tree.path("app/" + file); }
  static ZEPTDBProfileData size(wchar_t const* name, short shapeType, double d1, double d2, double d3) {
    ZEPTDBProfileData r;
    r.name = name;
    std::tie(r.shapeType, r.dim1, r.dim2, r.dim3, r.mass, r.p3T, r.p4L, r.hasMats) =
        std::tuple(shapeType, d1, d2, d3, 22.4, 3., 4., true);
    return r;
  }
  Profile profile;
};

class ProfileSelection : public ProfileTest {};

// Version 2: Section empty or absent is rebuilt from the template with the
// scripts of exactly the shape types Shape uses; a lower-case "shape" gets
// its proper name on the way. A read-only catalog is locked again.
TEST_F(ProfileSelection, SectionlessCatalogsGetTheTemplateScriptsTheyUse) {
  const std::tuple<char const*, std::vector<std::wstring>, bool> cases[] = {
      {"EmptySectionpro.mdb", {createShape(), createScripts(L"Section")}, false},
      {"NoSectionpro.mdb", {createShape(L"shape")}, true}};
  for (auto const& [file, tables, locked] : cases) {
    auto statements = tables;
    for (int type : {5, 1, 5, 7}) statements.push_back(insertSize(L"X", type, type, 0, 0, L"shape"));
    makeCatalog(inData(file), statements);
    if (locked) zept::fs::setFileAttributes(wide(inData(file)), FILE_ATTRIBUTE_READONLY);
    const CString name = CString::fromUtf8(file).Left(CString::fromUtf8(file).GetLength() - 7);
    ASSERT_TRUE(profile.setProfileDB(name)) << file;
    EXPECT_EQ(profile.mode(), L"ro " + upper(CString::fromUtf8(file).str())) << file;
    EXPECT_EQ(zept::fs::isReadOnly(wide(inData(file))), locked) << file;
    profile.setDB(L"");
    EXPECT_EQ(rowsText(inData(file), L"SELECT SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC FROM Section ORDER BY SHAPE_TYPE"),
              "1|I|True;5|L|False");
    EXPECT_EQ(tableName(inData(file), L"shape"), CString(L"Shape")) << file;
    EXPECT_EQ(tableName(inData(file), L"PDLScripts"), CString()) << "the link is gone";
    EXPECT_EQ(shapeIndexes(inData(file)), "NAME,DIM1,DIM2,DIM3") << file;
  }
}

// Version 3: "shape" held the scripts and "Profile" the sizes; renaming
// alone makes it current.
TEST_F(ProfileSelection, OldTablesAreRenamed) {
  makeCatalog(inData("Oldpro.mdb"), {createScripts(L"shape"), insertScript(L"shape", 3, L"T", true),
                                   createShape(L"Profile"), insertSize(L"T", 3, 50, 0, 5, L"Profile")});
  ASSERT_TRUE(profile.setProfileDB(L"OLD"));
  ZEPTDBProfileData r;
  ASSERT_TRUE(profile.getProfileData(L"T", L"50x5", &r));
  EXPECT_EQ(std::tuple(r.shapeType, r.pdlScript.str(), r.isSymmetric), std::tuple(short{3}, L"T", true));
  profile.setDB(L"");
  EXPECT_EQ(tableName(inData("Oldpro.mdb"), L"Section"), CString(L"Section"));
  EXPECT_EQ(tableName(inData("Oldpro.mdb"), L"Profile"), CString());
  EXPECT_EQ(shapeIndexes(inData("Oldpro.mdb")), "NAME,DIM1,DIM2,DIM3");
}

// Without its template, or with another reader holding the catalog, a
// conversion fails, and leaves a catalog that opens and converts later.
TEST_F(ProfileSelection, ConversionThatCannotRunFailsWithoutHarm) {
  makeCatalog(inData("Waitpro.mdb"), {createShape(), createScripts(L"Section"), insertSize(L"I", 1, 100, 0, 0)});
  std::filesystem::rename(inData("PDLScripts.mdb"), tree.path("PDLScripts.mdb"));
  EXPECT_FALSE(profile.setProfileDB(L"WAIT"));
  profile.setDB(L"");
  EXPECT_EQ(rowsText(inData("Waitpro.mdb"), L"SELECT NAME, DIM1 FROM Shape"), "I|100");
  EXPECT_EQ(tableName(inData("Waitpro.mdb"), L"PDLScripts"), CString());

  std::filesystem::rename(tree.path("PDLScripts.mdb"), inData("PDLScripts.mdb"));
  {
    // Nor while another reader holds it: it cannot be made writable.
    CDaoDatabase other;
    other.Open(wide(inData("Waitpro.mdb")).c_str(), false, true);
    EXPECT_FALSE(profile.setProfileDB(L"WAIT"));
  }
  EXPECT_TRUE(profile.setProfileDB(L"WAIT"));
}

TEST_F(ProfileSelection, NonProfileCatalogsAreRefusedAndClosed) {
  profileCatalog(inData("Goodpro.mdb"));
  makeCatalog(inData("Otherpro.mdb"), {L"CREATE TABLE Bolts (Id LONG)"});
  ASSERT_TRUE(profile.setProfileDB(L"GOOD"));
  EXPECT_FALSE(profile.setProfileDB(L"OTHER"));
  EXPECT_EQ(profile.mode(), CString());
  EXPECT_FALSE(profile.setProfileDB(L"MISSING"));
  EXPECT_TRUE(profile.setProfileDB(L"GOOD"));
}

class ProfileReading : public ProfileTest {
 protected:
  void SetUp() override {
    ProfileTest::SetUp();
    makeCatalog(inData("Readpro.mdb"),
                {createShape(), createScripts(L"Section"), insertScript(L"Section", 1, L"I-script", true),
                 insertScript(L"Section", 2, L"U-script", false), insertSize(L"IPE", 1, 200, 0, 0),
                 insertSize(L"IPE", 1, 100, 0, 0), insertSize(L"IPE", 2, 150, 75, 0), insertSize(L"IPE", 0, 80, 0, 0),
                 insertSize(L"HEA", 1, 0.05, 0, 2.5), L"INSERT INTO Shape (NAME, DIM1, DIM3) VALUES (\"HEA\", 300, 1)",
                 L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1, DIM2, DIM3) VALUES (\"HEA\", 1, 400, NULL, 0)",
                 L"CREATE TABLE ProfileName (SHAPE TEXT(50), DESCRIPTION TEXT(255))",
                 L"INSERT INTO ProfileName VALUES (\"IPE\", \"I beam\")",
                 L"INSERT INTO ProfileName VALUES (\"IPE\", \"second\")"});
    ASSERT_TRUE(profile.setProfileDB(L"READ"));
  }
};

TEST_F(ProfileReading, NamesComeOncePerShapeType) {
  CStringArray names;
  DtArray<int> types;
  ASSERT_TRUE(profile.getProfileShapeList(names, &types));
  ASSERT_EQ(names.GetSize(), types.length());
  EXPECT_EQ(entries(names), (std::vector<std::wstring>{L"HEA", L"HEA", L"IPE", L"IPE", L"IPE"}));
  // The order within one name is the engine's.
  std::set<std::pair<std::wstring, int>> pairs;
  for (int i = 0; i < names.GetSize(); ++i) pairs.emplace(names[i].str(), types[i]);
  EXPECT_EQ(pairs, (std::set<std::pair<std::wstring, int>>{{L"HEA", -1}, {L"HEA", 1}, {L"IPE", 0}, {L"IPE", 1}, {L"IPE", 2}}));
  // A second call replaces both lists.
  ASSERT_TRUE(profile.getProfileShapeList(names, &types));
  EXPECT_EQ(std::pair(names.GetSize(), types.length()), std::pair(5, 5));
  ASSERT_TRUE(profile.getProfileShapeList(names, nullptr));
  EXPECT_EQ(names.GetSize(), 5);
}

TEST_F(ProfileReading, DescriptionsAreMatchedExactly) {
  EXPECT_EQ(profile.getProfileShapeDescription(L"IPE"), CString(L"I beam"));
  EXPECT_EQ(profile.getProfileShapeDescription(L"ipe"), CString());
  EXPECT_EQ(profile.getProfileShapeDescription(L"I\"PE"), CString());
}

// Sizes sort by their numbers; one without all three is left out.
TEST_F(ProfileReading, DimensionListsFilterByShapeType) {
  const std::tuple<wchar_t const*, int, std::vector<std::wstring>> cases[] = {
      {L"IPE", -1, {L"80", L"100", L"150x75x0", L"200"}},
      {L"IPE", 0, {L"80"}},
      {L"IPE", 2, {L"150x75x0"}},
      {L"HEA", -1, {L"5.e-002x2.5"}},
      {L"NONE", -1, {}}};
  CStringArray dims;
  for (auto const& [name, type, expected] : cases) {
    dims.Add(L"stale");
    ASSERT_TRUE(profile.getProfileDimList(name, dims, type));
    EXPECT_EQ(entries(dims), expected) << CString(name).toUtf8() << " " << type;
  }
}

// Every column lands in its own member: each holds a value of its own.
TEST_F(ProfileReading, RecordTakesEveryColumn) {
  using R = ZEPTDBProfileData;
  const std::vector<std::pair<wchar_t const*, double R::*>> doubles = {
      {L"MASS", &R::mass}, {L"SURF", &R::surf}, {L"H", &R::h}, {L"B", &R::b}, {L"EA", &R::ea}, {L"ES", &R::es},
      {L"RA", &R::ra}, {L"RS", &R::rs}, {L"GAP", &R::gap}, {L"SX", &R::sx}, {L"SY", &R::sy}, {L"SZ", &R::sz},
      {L"IX", &R::ix}, {L"IY", &R::iy}, {L"IZ", &R::iz}, {L"IOMEGA", &R::iomega}, {L"VY", &R::vy}, {L"VPY", &R::vpy},
      {L"VZ", &R::vz}, {L"VPZ", &R::vpz}, {L"MSY", &R::msy}, {L"MSZ", &R::msz}, {L"TORS", &R::tors},
      {L"SHEAR_QY", &R::shearQy}, {L"SHEAR_QZ", &R::shearQz}, {L"GAMMA", &R::gamma}, {L"A_1", &R::a1}, {L"A_2", &R::a2},
      {L"B_2", &R::b2}, {L"ES_2", &R::es2}, {L"P1_L", &R::p1L}, {L"P1_T", &R::p1T}, {L"P2_L", &R::p2L},
      {L"P2_T", &R::p2T}, {L"P3_L", &R::p3L}, {L"P3_T", &R::p3T}, {L"P4_L", &R::p4L}, {L"P4_T", &R::p4T}};
  std::wstring columns = L"NAME, SHAPE_TYPE, DIM1, DIM2, DIM3, MATERIALS, POINTS, HAS_MATS, IS_THIN";
  std::wstring values = L"\"UPE\", 2, 120, 60, 5, \"S235\", \"0,0\", True, False";
  for (std::size_t i = 0; i < doubles.size(); ++i) {
    columns += std::wstring(L", ") + doubles[i].first;
    values += L", " + std::to_wstring(i + 1) + L".5";
  }
  profileCatalog(inData("Fullpro.mdb"), {insertScript(L"Section", 2, L"U-script", false),
                                  L"INSERT INTO Shape (" + columns + L") VALUES (" + values + L")"});
  ASSERT_TRUE(profile.setProfileDB(L"FULL"));
  EXPECT_FALSE(profile.getProfileData(L"UPE", L"120x60", nullptr));

  R r;
  r.unitFactor = 7;
  ASSERT_TRUE(profile.getProfileData(L"UPE", L"120x60x5", &r));
  for (std::size_t i = 0; i < doubles.size(); ++i)
    EXPECT_EQ(r.*doubles[i].second, static_cast<double>(i + 1) + 0.5) << CString(doubles[i].first).toUtf8();
  EXPECT_EQ(std::tuple(r.shapeId, r.sectionId, r.name.str(), r.dim1, r.dim2, r.dim3, r.shapeType),
            std::tuple(1, 2, L"UPE", 120., 60., 5., short{2}));
  EXPECT_EQ(std::tuple(r.materials.str(), r.points.str(), r.hasMats, r.isThin), std::tuple(L"S235", L"0,0", true, false));
  EXPECT_EQ(std::tuple(r.symbol.str(), r.pdlScript.str(), r.isSymmetric, r.unitFactor),
            std::tuple(L"", L"U-script", false, 7.));
}

// A second read keeps what the first left in members whose column is null,
// but never a symbol or script.
TEST_F(ProfileReading, NullColumnsKeepMembersExceptSymbolAndScript) {
  profileCatalog(inData("Nullpro.mdb"),
            {L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1, DIM2, DIM3, MASS, SYMBOL) VALUES (\"A\", 1, 1, 0, 0, 9, \"s\")",
             L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1, DIM2, DIM3) VALUES (\"A\", 3, 2, 0, 0)"});
  ASSERT_TRUE(profile.setProfileDB(L"NULL"));
  ZEPTDBProfileData r;
  r.pdlScript = L"old";
  ASSERT_TRUE(profile.getProfileData(L"A", L"1", &r));
  EXPECT_EQ(std::tuple(r.mass, r.symbol.str(), r.sectionId), std::tuple(9., L"s", 1));
  ASSERT_TRUE(profile.getProfileData(L"A", L"2", &r));
  EXPECT_EQ(std::tuple(r.mass, r.symbol.str(), r.pdlScript.str(), r.sectionId, r.shapeId, r.isSymmetric),
            std::tuple(9., L"", L"", 1, 2, true));
}

// The members before the missing column are filled, those after it are not.
TEST_F(ProfileReading, MissingColumnFailsHalfWay) {
  makeCatalog(inData("Shortpro.mdb"),
              {L"CREATE TABLE Shape (ID COUNTER, NAME TEXT(50), DIM1 DOUBLE, DIM2 DOUBLE, DIM3 DOUBLE, "
               L"SHAPE_TYPE SHORT, MASS DOUBLE)",
               createScripts(L"Section"), insertScript(L"Section", 1, L"I", true),
               L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1, DIM2, DIM3, MASS) VALUES (\"S\", 1, 3, 0, 0, 4.5)"});
  ASSERT_TRUE(profile.setProfileDB(L"SHORT"));
  ZEPTDBProfileData r;
  r.h = -1;
  EXPECT_FALSE(profile.getProfileData(L"S", L"3", &r));
  EXPECT_EQ(std::tuple(r.name.str(), r.dim1, r.shapeType, r.mass, r.surf, r.h), std::tuple(L"S", 3., short{1}, 4.5, 0., -1.));
  EXPECT_TRUE(profile.getProfileData(L"S", L"3", nullptr));
}

TEST_F(ProfileReading, CrossFactorFromTheSectionUnit) {
  CStringArray units;
  units.Add(L"stale");
  EXPECT_EQ(profile.getCrossFactor(L"in", &units), 0.);
  EXPECT_EQ(units.GetSize(), 0);

  ASSERT_TRUE(profile.setDBProperty(L"unit_long", COleVariant(L"m"), dbText));
  ASSERT_TRUE(profile.setDBProperty(L"unit_sect", COleVariant(L"mm"), dbText));
  EXPECT_EQ(profile.getCrossFactor(L"in", &units), 0.03937007874015748);
  EXPECT_EQ(entries(units), (std::vector<std::wstring>{L"mm", L"m"}));
  ASSERT_TRUE(profile.setDBProperty(L"unit_weight", COleVariant(L"kG"), dbText));
  EXPECT_EQ(profile.getCrossFactor(L"in", &units), profile.getCrossFactor(L"in", nullptr));
  EXPECT_EQ(entries(units), (std::vector<std::wstring>{L"mm", L"m", L"kG"}));
}

// Every member of a record, in one text.
std::wstring shown(ZEPTDBProfileData const& r) {
  std::wstring out = std::to_wstring(r.shapeId) + L"|" + std::to_wstring(r.sectionId) + L"|" + r.name.str() + L"|" +
                     std::to_wstring(r.shapeType) + L"|" + r.symbol.str() + L"|" + r.materials.str() + L"|" +
                     r.points.str() + L"|" + r.pdlScript.str() + L"|" + std::to_wstring(r.hasMats) +
                     std::to_wstring(r.isThin) + std::to_wstring(r.isSymmetric);
  for (double v : {r.dim1, r.dim2, r.dim3, r.mass, r.surf, r.h, r.b, r.ea, r.es, r.ra, r.rs, r.gap, r.sx, r.sy, r.sz,
                   r.ix, r.iy, r.iz, r.iomega, r.vy, r.vpy, r.vz, r.vpz, r.msy, r.msz, r.tors, r.shearQy, r.shearQz,
                   r.gamma, r.a1, r.a2, r.b2, r.es2, r.p1L, r.p1T, r.p2L, r.p2T, r.p3L, r.p3T, r.p4L, r.p4T,
                   r.unitFactor})
    out += L"|" + std::to_wstring(v);
  return out;
}

// A size read again and again, as a model does, is answered from the
// decoded records the open catalog keeps: the same answer a first read gives.
class ProfileRepeatedReads : public ProfileTest {
 protected:
  void SetUp() override {
    ProfileTest::SetUp();
    profileCatalog(inApp("Againpro.mdb"),
                   {L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1, DIM2, DIM3, MASS, MATERIALS, HAS_MATS, IS_THIN, P4_T) "
                    L"VALUES (\"IPE\", 1, 200, 0, 0, 22.4, \"S235\", True, True, 3)",
                    L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1, DIM2, DIM3, SYMBOL) VALUES (\"P\", 1, 1, 0, 0, "
                    L"\"10#0-0:4-0:4-2:0-2:0-0\")",
                    insertSize(L"A", 3, 2, 0, 0)});
    ASSERT_TRUE(profile.setProfileDB(L"AGAIN"));
  }
  std::size_t kept() { return zept::db::RecordCache<ZEPTDBProfileData>::of(profile.m_db)->size(); }
};

// Whatever the caller passes in, a read answers as the first read of a copy
// of the catalog by a new accessor does, however often the key came before,
// across writes by this accessor, another one or past the library.
TEST_F(ProfileRepeatedReads, AnswersAsAFreshCopyThroughWrites) {
  std::mt19937 rng(20261208);
  auto pick = [&](unsigned n) { return static_cast<unsigned>(rng() % n); };
  const std::pair<wchar_t const*, wchar_t const*> keys[] = {
      {L"IPE", L"200"}, {L"P", L"1"}, {L"A", L"2"}, {L"IPE", L"999"}, {L"IPE\"", L"200"}};
  int copies = 0;
  auto fresh = [&](wchar_t const* name, wchar_t const* dims, ZEPTDBProfileData* r) {
    const std::string copy = std::string("R").append(std::to_string(++copies));
    std::filesystem::copy_file(inApp("Againpro.mdb"), inApp(copy + "pro.mdb"));
    Profile other;
    EXPECT_TRUE(other.setProfileDB(CString::fromUtf8(copy)));
    return other.getProfileData(name, dims, r);
  };
  std::size_t keptMost = 0;
  double mass = 30;
  for (int round = 0; round < 300; ++round) {
    if (pick(25) == 0) {
      const unsigned who = pick(3);
      mass += 1;
      if (who == 0) {
        ZEPTDBProfileData r;
        ASSERT_TRUE(profile.getProfileData(L"IPE", L"200", &r));
        r.mass = mass;
        ASSERT_EQ(profile.setProfileData(r), 0);
      } else {
        profile.setDB(L"");
        if (who == 1) {
          Profile other;
          ZEPTDBProfileData r;
          ASSERT_TRUE(other.setProfileDB(L"AGAIN"));
          ASSERT_TRUE(other.getProfileData(L"IPE", L"200", &r));
          r.mass = mass;
          ASSERT_EQ(other.setProfileData(r), 0);
        } else {
          sqliteRows(inApp("Againpro.mdb"), "UPDATE Shape SET MASS = " + std::to_string(mass) + " WHERE NAME = 'A'");
        }
      }
      // Another writer's change is read once the catalog is selected again;
      // this accessor's own, selected again or not.
      if (who != 0 || pick(2)) {
        ASSERT_TRUE(profile.setProfileDB(L"AGAIN"));
      }
    }
    auto const& [name, dims] = keys[pick(std::size(keys))];
    ZEPTDBProfileData mine, theirs;
    mine.mass = theirs.mass = pick(3);
    mine.sectionId = theirs.sectionId = static_cast<int>(pick(3));
    mine.isSymmetric = theirs.isSymmetric = pick(2);
    mine.symbol = theirs.symbol = pick(2) ? L"old" : L"";
    mine.pdlScript = theirs.pdlScript = pick(2) ? L"old" : L"";
    mine.unitFactor = theirs.unitFactor = pick(3);
    const bool wanted = pick(4) != 0;
    const bool found = profile.getProfileData(name, dims, wanted ? &mine : nullptr);
    ASSERT_EQ(found, fresh(name, dims, wanted ? &theirs : nullptr)) << round;
    ASSERT_EQ(shown(mine), shown(theirs)) << round;
    if (auto* cache = zept::db::RecordCache<ZEPTDBProfileData>::of(profile.m_db)) {
      keptMost = std::max(keptMost, cache->size());
    }
  }
  EXPECT_GE(keptMost, 3u);
  // Not vacuous: what is kept is decoded records, not only that rows exist.
  ASSERT_TRUE(profile.setProfileDB(L"AGAIN"));
  for (int again = 0; again < 2; ++again) {
    ZEPTDBProfileData r;
    ASSERT_TRUE(profile.getProfileData(L"IPE", L"200", &r));
  }
  auto* cache = zept::db::RecordCache<ZEPTDBProfileData>::of(profile.m_db);
  ASSERT_NE(cache, nullptr);
  cache->key() = L"IPE\n200";
  EXPECT_NE(cache->answer(true), nullptr);
}

// A SYMBOL that is no text leaves the caller's contour, whose script the
// read then derives: each read does, whatever the caller passes.
TEST_F(ProfileRepeatedReads, ASymbolOfAnotherTypeLeavesTheCallersContour) {
  std::wstring shape = createShape();
  shape.replace(shape.find(L"SYMBOL MEMO"), 11, L"SYMBOL DOUBLE");
  makeCatalog(inApp("Oddpro.mdb"), {shape, createScripts(L"Section"), insertScript(L"Section", 1, L"I", true),
                                    L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1, DIM2, DIM3, SYMBOL) VALUES "
                                    L"(\"O\", 1, 1, 0, 0, 5)"});
  ASSERT_TRUE(profile.setProfileDB(L"ODD"));
  constexpr wchar_t kGrid[] = L"10#0-0:4-0:4-2:0-2:0-0";
  CString converted;
  zept::korvaToPdl(kGrid, nullptr, converted);
  for (int again = 0; again < 6; ++again) {
    ZEPTDBProfileData r;
    if (again % 2) r.symbol = kGrid;
    ASSERT_TRUE(profile.getProfileData(L"O", L"1", &r));
    EXPECT_EQ(r.pdlScript.str(), again % 2 ? converted.str() : L"I") << again;
  }
}

// A catalog open for writing keeps no record: each read sees the last write.
TEST_F(ProfileRepeatedReads, WritableCatalogsKeepNothing) {
  ASSERT_EQ(profile.createProfileDB(L"FRESH", DtDb::kMetric), 0);
  ZEPTDBProfileData r = size(L"P", 1, 1, 0, 0);
  for (double mass : {1., 2., 3.}) {
    r.mass = mass;
    ASSERT_EQ(profile.setProfileData(r), 0);
    for (int again = 0; again < 3; ++again) {
      ZEPTDBProfileData back;
      ASSERT_TRUE(profile.getProfileData(L"P", L"1", &back));
      EXPECT_EQ(back.mass, mass);
    }
  }
}

class ProfileWriting : public ProfileTest {};

TEST_F(ProfileWriting, CreatedCatalogCarriesUnitsAndTemplateTables) {
  const std::tuple<DtDb::MeasurementValue, char const*, std::vector<std::wstring>> cases[] = {
      {DtDb::kMetric, "Metric", {L"mm", L"mm", L"kG"}}, {DtDb::kEnglish, "Inch", {L"in", L"ft", L"lb"}}};
  for (auto const& [units, name, expected] : cases) {
    ASSERT_EQ(profile.createProfileDB(CString::fromUtf8(name), units), 0);
    EXPECT_EQ(profile.mode(), L"rw " + CString::fromUtf8(name).MakeUpper() + L"PRO.MDB");
    EXPECT_TRUE(std::filesystem::exists(inApp(std::string(name) + "Pro.mdb")));
    CStringArray unitNames;
    profile.getCrossFactor(L"mm", &unitNames);
    EXPECT_EQ(entries(unitNames), expected);
    COleVariant value;
    ASSERT_TRUE(profile.getDBProperty(L"catalog_comment", value));
    EXPECT_EQ(value.text(), CString::fromUtf8(name) + L" custom profiles");
    ASSERT_TRUE(profile.getDBProperty(L"std_catalog", value));
    EXPECT_EQ(value.vt, VT_BOOL);
  }
  profile.setDB(L"");
  EXPECT_EQ(shapeIndexes(inApp("MetricPro.mdb")), "NAME,DIM1,DIM2,DIM3");

  // An empty template Shape gives an empty Section, which the first
  // selection rebuilds; a written size then brings its script.
  ASSERT_TRUE(profile.setProfileDB(L"METRIC"));
  ZEPTDBProfileData r = size(L"IPE", 1, 100, 0, 0);
  ASSERT_EQ(profile.setProfileData(r), 0);
  ZEPTDBProfileData back;
  ASSERT_TRUE(profile.getProfileData(L"IPE", L"100", &back));
  EXPECT_EQ(std::tuple(back.mass, back.pdlScript.str(), back.isSymmetric), std::tuple(22.4, L"I", true));
}

TEST_F(ProfileWriting, CreationRefusals) {
  profileCatalog(inData("Takenpro.mdb"));
  ASSERT_TRUE(profile.setProfileDB(L"TAKEN"));
  EXPECT_EQ(profile.createProfileDB(L"TAKEN", DtDb::kMetric), 1);
  EXPECT_EQ(profile.mode(), CString(L"ro TAKENPRO.MDB"));
  // The listed names are upper case: another spelling reaches the engine,
  // which refuses a file that exists.
  makeCatalog(inApp("Mixedpro.mdb"), {});
  EXPECT_EQ(profile.createProfileDB(L"Mixed", DtDb::kMetric), -1);

  std::filesystem::remove(inData("PDLScripts.mdb"));
  EXPECT_EQ(profile.createProfileDB(L"Bare", DtDb::kMetric), 2);
  EXPECT_EQ(profile.mode(), CString(L"rw BAREPRO.MDB"));
  COleVariant unit;
  EXPECT_TRUE(profile.getDBProperty(L"unit_sect", unit));
  profile.setDB(L"");
  EXPECT_EQ(tableName(inApp("BarePro.mdb"), L"ShapeTemplate"), CString()) << "no dead link is left";

  settings.data.clear();
  settings.app.clear();
  ZEPTDBProfile unconfigured;
  EXPECT_EQ(unconfigured.createProfileDB(L"NOWHERE", DtDb::kMetric), -1);
}

// The section unit read while the accessor wrote its new catalog is read
// again after a writer changed it: the read-only engine then opened often
// lies where the writable one was.
TEST_F(ProfileWriting, UnitReadWhileWritingIsReadAgainAfterAWriter) {
  for (int round = 0; round < 4; ++round) {
    const CString name = L"Unit" + CString(std::to_wstring(round));
    ASSERT_EQ(profile.createProfileDB(name, DtDb::kMetric), 0);
    ZEPTDBProfileData r = size(L"IPE", 1, 200, 0, 0);
    ASSERT_EQ(profile.setProfileData(r), 0);
    CStringArray units;
    profile.getCrossFactor(L"mm", &units);
    ASSERT_EQ(entries(units), (std::vector<std::wstring>{L"mm", L"mm", L"kG"}));
    profile.setDB(L"");
    sqliteRows(inApp(name.toUtf8() + "Pro.mdb"), "UPDATE MSysProperties SET Value = 'cm' WHERE Name = 'unit_sect'");
    ASSERT_TRUE(profile.setProfileDB(name));
    profile.getCrossFactor(L"mm", &units);
    EXPECT_EQ(entries(units), (std::vector<std::wstring>{L"cm", L"mm", L"kG"})) << round;
  }
}

// A size is found by its whole name and numbers, but stored with a name of
// four characters; an update keeps the columns the writer leaves out.
TEST_F(ProfileWriting, SizesAreAddedOrUpdated) {
  profileCatalog(inApp("Userpro.mdb"), {insertSize(L"HEA", 1, 200, 0, 0),
                                 L"UPDATE Shape SET P4_L = 44, P4_T = 45, P3_T = 33 WHERE NAME = \"HEA\""});
  ASSERT_TRUE(profile.setProfileDB(L"USER"));
  ZEPTDBProfileData r = size(L"HEA", 1, 200, 0, 0);
  ASSERT_EQ(profile.setProfileData(r), 0);
  EXPECT_EQ(profile.mode(), CString(L"ro USERPRO.MDB"));
  r = size(L"HEAVY", 1, 0.05, 1, 0);
  ASSERT_EQ(profile.setProfileData(r), 0);
  ASSERT_EQ(profile.setProfileData(r), 0);
  r.name.empty();
  EXPECT_EQ(profile.setProfileData(r), 2);
  profile.setDB(L"");
  EXPECT_EQ(rowsText(inApp("Userpro.mdb"),
                      L"SELECT ID, NAME, DIM1, DIM2, MASS, P3_T, P4_L, P4_T, HAS_MATS FROM Shape WHERE HAS_MATS = True "
                      L"ORDER BY ID"),
            "1|HEA|200|0|22.4|3|44|45|True;2|HEAV|0.05|1|22.4|3|||True;"
            "3|HEAV|0.05|1|22.4|3|||True");
}

// The first size of a shape type brings the template's script for it; types
// of 0 or less, and types the template lacks, leave Section alone.
TEST_F(ProfileWriting, NewShapeTypesBringTheirScript) {
  makeCatalog(inApp("Userpro.mdb"),
              {createShape(), createScripts(L"Section"), insertScript(L"Section", 1, L"mine", true)});
  sqliteRows(inData("PDLScripts.mdb"), "INSERT INTO PDLScripts (SHAPE_TYPE, PDL_SCRIPT) VALUES (0, 'O'), (-3, 'M')");
  ASSERT_TRUE(profile.setProfileDB(L"USER"));
  for (auto [type, dim] : {std::pair{2, 10.}, std::pair{2, 20.}, std::pair{1, 30.}, std::pair{0, 40.},
                           std::pair{-3, 50.}, std::pair{9, 60.}}) {
    ZEPTDBProfileData r = size(L"X", static_cast<short>(type), dim, 0, 0);
    ASSERT_EQ(profile.setProfileData(r), 0) << type;
  }
  profile.setDB(L"");
  EXPECT_EQ(rowsText(inApp("Userpro.mdb"), L"SELECT ID, SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC FROM Section ORDER BY ID"),
            "1|1|mine|True;2|2|U|False");
  EXPECT_EQ(rowsText(inApp("Userpro.mdb"), L"SELECT count(*) FROM Shape"), "6");
}

// Another process that selected the data-folder catalog later has made and
// written its copy in the application folder meanwhile.
TEST_F(ProfileWriting, CopyAnotherWriterMadeIsNeverReplaced) {
  profileCatalog(inData("Stdpro.mdb"), {insertSize(L"IPE", 1, 100, 0, 0)});
  ASSERT_TRUE(profile.setProfileDB(L"STD"));
  profileCatalog(inApp("STDPRO.MDB"), {insertSize(L"IPE", 1, 100, 0, 0), insertSize(L"IPE", 1, 120, 0, 0)});
  ZEPTDBProfileData r = size(L"IPE", 1, 140, 0, 0);
  EXPECT_EQ(profile.setProfileData(r), -1);
  EXPECT_EQ(rowsText(inApp("STDPRO.MDB"), L"SELECT DIM1 FROM Shape ORDER BY DIM1"), "100;120");
}

}  // namespace

// A value that is not finite is refused before anything is written: the row
// keeps what it held and the catalog stays read-only. Finite extremes are
// stored as they are.
TEST_F(ProfileWriting, ValuesThatAreNotFiniteAreRefused) {
  profileCatalog(inApp("Userpro.mdb"), {insertSize(L"HEA", 1, 200, 0, 0)});
  ASSERT_TRUE(profile.setProfileDB(L"USER"));
  double const nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const std::tuple<double ZEPTDBProfileData::*, double, int> cases[] = {
      {&ZEPTDBProfileData::mass, nan, -1}, {&ZEPTDBProfileData::ix, inf, -1},  {&ZEPTDBProfileData::gamma, -inf, -1},
      {&ZEPTDBProfileData::a2, nan, -1},   {&ZEPTDBProfileData::p3T, inf, -1}, {&ZEPTDBProfileData::mass, 1e300, 0},
      {&ZEPTDBProfileData::mass, -4.9e-324, 0}};
  for (auto const& [member, value, result] : cases) {
    ZEPTDBProfileData r = size(L"HEA", 1, 200, 0, 0);
    r.mass = 5;
    r.*member = value;
    EXPECT_EQ(profile.setProfileData(r), result) << value;
    EXPECT_EQ(profile.mode(), CString(L"ro USERPRO.MDB"));
    ZEPTDBProfileData back;
    ASSERT_TRUE(profile.getProfileData(L"HEA", L"200", &back));
    EXPECT_EQ(back.*member, result == 0 ? value : 0.0) << value;
  }
}
