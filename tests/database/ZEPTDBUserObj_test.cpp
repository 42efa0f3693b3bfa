// SPDX-License-Identifier: MIT
#include "database/ZEPTDBUserObj.h"

#include <gtest/gtest.h>

#include "platform/dao/DaoTableDef.h"
#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"
#include "support/UserObjCatalogs.h"

using namespace zept::test;

namespace {

constexpr long kGerman = 1031, kFrench = 1036;

std::vector<std::tuple<long, std::wstring, std::wstring>> items(ZEPTDBUserObjData::Locales const& locales) {
  std::vector<std::tuple<long, std::wstring, std::wstring>> out;
  for (auto const& l : locales) out.emplace_back(l.lang, l.category.str(), l.description.str());
  return out;
}

// The language the tests run under; none unless a test sets one.
class NoLanguage {
 public:
  NoLanguage() { ZEPTDBUserObjData::setCurrentLang(-1); }
  ~NoLanguage() { ZEPTDBUserObjData::setCurrentLang(-1); }

 private:
  ScopedEnv m_env{"ZEPT_LANG", std::nullopt};
};

class ZEPTDBUserObjCatalogs : public CatalogFolders {
 protected:
  void objects(std::string const& name, COleVariant const& category, std::vector<std::wstring> const& sql = {}) {
    userObjCatalog(tree.path("data/" + name + ".mdb"), category, sql);
  }
  NoLanguage language;
  ZEPTDBUserObj objs;
  CStringArray names;
};

TEST(ZEPTDBUserObjLanguage, SetOrFromTheEnvironment) {
  NoLanguage none;
  const std::pair<std::optional<std::string>, long> cases[] = {
      {std::nullopt, -1}, {"1031", 1031}, {"0x40C", 1036}, {"12ab", -1}};
  for (auto const& [text, lang] : cases) {
    ScopedEnv env("ZEPT_LANG", text);
    EXPECT_EQ(ZEPTDBUserObjData::currentLang(), lang) << text.value_or("(unset)");
  }
  ScopedEnv env("ZEPT_LANG", "1031");
  ZEPTDBUserObjData::setCurrentLang(1036);
  EXPECT_EQ(ZEPTDBUserObjData::currentLang(), 1036);
  ZEPTDBUserObjData::setCurrentLang(-7);  // forgotten: the environment counts again
  EXPECT_EQ(ZEPTDBUserObjData::currentLang(), 1031);
}

// Only a file with both tables and a text category is a user-object catalog:
// the others are closed again and drop out of listings. Categories compare
// exactly; the catalog open before is open again afterwards, else the last
// one tried stays open.
TEST_F(ZEPTDBUserObjCatalogs, ListingByCategory) {
  objects("A", COleVariant(L"Plates"));
  objects("B", COleVariant(L"plates"));
  objects("C", COleVariant(L"Anchors"));
  objects("D", COleVariant(L""));
  userObjCatalog(tree.path("app/E.mdb"), COleVariant(L"Plates"));
  objects("NoCategory", COleVariant());
  objects("NumberCategory", COleVariant(7L));
  catalog("data/NoParameters.mdb", {kUserObjectTables[0]});
  tree.file("data/Junk.mdb", "not a catalog");
  for (auto const* name : {L"NumberCategory", L"NoParameters", L"Junk"}) {
    ASSERT_TRUE(objs.setUserObjDB(L"a"));
    EXPECT_FALSE(objs.setUserObjDB(name)) << CString(name).toUtf8();
    EXPECT_EQ(objs.getFullDBName(), L"");
  }
  const std::pair<wchar_t const*, std::vector<std::wstring>> cases[] = {
      {nullptr, {L"A", L"B", L"C", L"D", L"E"}},
      {L" ;Plates;Anchors; ", {L"A", L"C", L"E"}},
      {L"plates", {L"B"}},
      {L"", {L"D"}},
      {L"Plates; Anchors", {L"A", L"E"}}};
  for (auto const& [categories, expected] : cases) {
    ASSERT_TRUE(objs.setUserObjDB(L"C"));
    EXPECT_TRUE(objs.getUserObjDBList(names, categories));
    EXPECT_EQ(entries(names), expected) << (categories ? CString(categories).toUtf8() : "(null)");
    EXPECT_EQ(objs.getFullDBName(), upper(data + L"C.MDB"));
  }
  ASSERT_TRUE(objs.setUserObjDB(L""));
  EXPECT_TRUE(objs.getUserObjDBList(names, nullptr));
  EXPECT_EQ(objs.getFullDBName(), upper(data + L"A.MDB"));
}

// A translation falls back to the plain text. Clearing an absent or empty
// table does not need the catalog writable: it succeeds while another reader
// holds the file.
TEST_F(ZEPTDBUserObjCatalogs, TranslationsFallBackAndClear) {
  objects("Bare", COleVariant(L"Plates"));
  objects("Empty", COleVariant(L"Plates"), {kLocalesTable});
  objects("Full", COleVariant(L"Plates"),
          {kLocalesTable, L"INSERT INTO Locales VALUES (1031, \"Platten\", \"Ankerplatten\")",
           L"INSERT INTO Locales VALUES (1036, \"\", NULL)"});
  ASSERT_TRUE(objs.setUserObjDB(L"Bare"));
  EXPECT_EQ(objs.LocalCategory(kGerman), L"Plates");
  ASSERT_TRUE(objs.setUserObjDB(L"Full"));
  EXPECT_EQ(objs.LocalCategory(kGerman) + L"|" + objs.LocalDescription(kGerman), L"Platten|Ankerplatten");
  // An empty or null text, no row, no language: the plain property.
  for (long lang : {kFrench, 1040L, -1L})
    EXPECT_EQ(objs.LocalCategory(lang) + L"|" + objs.LocalDescription(lang), L"Plates|description") << lang;

  for (auto const* name : {"Bare", "Empty", "Full"}) {
    CDaoDatabase reader;
    reader.Open(wide(tree.path(std::string("data/") + name + ".mdb")).c_str(), false, true);
    ASSERT_TRUE(objs.setUserObjDB(CString::fromUtf8(name)));
    EXPECT_EQ(objs.clearLocales(), std::string(name) != "Full") << name;
  }
  ASSERT_TRUE(objs.setUserObjDB(L"Full"));
  EXPECT_TRUE(objs.clearLocales());
  EXPECT_EQ(objs.LocalCategory(kGerman), L"Plates");
}

// The table is made on demand, one row per language, texts cut to 255; the
// catalog is read-only again afterwards.
TEST_F(ZEPTDBUserObjCatalogs, WritingTranslations) {
  objects("Bare", COleVariant(L"Plates"));
  ASSERT_TRUE(objs.setUserObjDB(L"Bare"));
  EXPECT_FALSE(objs.SetLocalCategory(L"Platten", -1));
  EXPECT_TRUE(objs.SetLocalCategory(L"Platten", kGerman));
  EXPECT_TRUE(objs.SetLocalDescription(std::wstring(300, L'd'), kGerman));
  ZEPTDBUserObjData::setCurrentLang(kFrench);
  EXPECT_TRUE(objs.SetLocalCategory(L"Plaques", -1));
  EXPECT_TRUE(objs.SetLocalCategory(L"Bleche", kGerman));
  EXPECT_EQ(objs.LocalCategory(kGerman) + L"|" + objs.LocalCategory(kFrench), L"Bleche|Plaques");
  EXPECT_EQ(objs.LocalDescription(kGerman), CString(std::wstring(255, L'd')));
  EXPECT_EQ(objs.LocalDescription(kFrench), L"description");
  CDaoDatabase reader;  // shares the catalog: it is read-only again
  EXPECT_EQ(errorOf([&] { reader.Open(wide(tree.path("data/Bare.mdb")).c_str(), false, true); }), 0);
}

// A new catalog: in the application folder, left open, with its properties
// and the three tables, fields as listed in order.
TEST_F(ZEPTDBUserObjCatalogs, Creation) {
  objects("Existing", COleVariant(L"Plates"));
  const std::tuple<wchar_t const*, wchar_t const*, int> refused[] = {
      {L"New", L"", 2}, {L"New", L"A;B", 2}, {L"New", L" Plates", 2}, {L"New", L"Plates\n", 2},
      {L"existing", L"Other", 1}};
  for (auto const& [name, category, result] : refused)
    EXPECT_EQ(objs.createUserObjDB(name, category, L"", DtDb::kMetric), result) << CString(name).toUtf8();
  EXPECT_FALSE(std::filesystem::exists(tree.path("app/New.mdb")));
  for (auto units : {DtDb::kEnglish, DtDb::kMetric}) {
    const CString name = units == DtDb::kMetric ? L"Metric" : L"Inch";
    ASSERT_EQ(objs.createUserObjDB(name, L"Plates", L"base plates", units), 0);
    EXPECT_EQ(objs.getFullDBName(), upper(app + name.str() + L".MDB"));
    COleVariant isMetric;
    ASSERT_TRUE(objs.getDBProperty(L"UserObjIsMetric", isMetric));
    EXPECT_EQ(isMetric, COleVariant(units == DtDb::kMetric));
    EXPECT_EQ(objs.Category() + L"|" + objs.Description(), L"Plates|base plates");
  }
  EXPECT_TRUE(objs.setUserObjDB(L"Inch"));

  CDaoDatabase db;
  db.Open(wide(tree.path("app/Metric.mdb")).c_str(), false, true);
  auto fields = [&](wchar_t const* table) {
    CDaoTableDef def(&db);
    def.Open(table);
    std::wstring out;
    for (short i = 0; i < def.GetFieldCount(); ++i) {
      CDaoFieldInfo f;
      def.GetFieldInfo(i, f);
      // The engine keeps the size of texts only; the others follow from the type.
      const long size = f.m_nType == dbText ? f.m_lSize : 0;
      out += f.m_strName.str() + L":" + std::to_wstring(f.m_nType) + L":" + std::to_wstring(size) + L":" +
             std::to_wstring(f.m_lAttributes) + L" ";
    }
    return out;
  };
  EXPECT_EQ(fields(L"UserObjects"),
            L"ID:4:0:16 NAME:10:255:2 SIZEX:7:0:0 SIZEY:7:0:0 SIZEZ:7:0:0 SCALEX:7:0:0 SCALEY:7:0:0 SCALEZ:7:0:0 "
            L"MASS:7:0:0 BOLTEXT:7:0:0 SYM3D:12:0:2 SYMXY:12:0:2 SYMXZ:12:0:2 SYMYZ:12:0:2 SYMMETRY:1:0:0 "
            L"ISMETRIC:1:0:0 ");
  EXPECT_EQ(fields(L"ExtraParameters"), L"NAME:10:255:2 DESCRIPTION:10:255:2 VALUE:10:255:2 ");
  EXPECT_EQ(fields(L"Locales"), L"LANG:4:0:0 CATEGORY:10:255:2 DESCRIPTION:10:255:2 ");
}

// A category no list can name exactly is not written: " Plates" would be
// listed as, and answered for by, the catalogs of "Plates".
TEST_F(ZEPTDBUserObjCatalogs, CategoriesNoListCanNameAreRefused) {
  objects("A", COleVariant(L"Plates"));
  ASSERT_TRUE(objs.setUserObjDB(L"A"));
  for (auto const* category : {L" Plates", L"Plates\t", L"Ribs;Plates", L";"})
    EXPECT_FALSE(objs.SetCategory(category)) << CString(category).toUtf8();
  EXPECT_EQ(objs.Category(), L"Plates");
  EXPECT_TRUE(objs.SetCategory(L"Base plates"));
  EXPECT_EQ(objs.Category(), L"Base plates");
}

// Catalogs are tried from the last listed: Z comes first, so Plates takes
// its translation from A, the later catalog that has one.
TEST_F(ZEPTDBUserObjCatalogs, CategoriesWithTheirTranslations) {
  objects("A", COleVariant(L"Plates"), {kLocalesTable, L"INSERT INTO Locales VALUES (1031, \"Platten\", NULL)"});
  objects("M", COleVariant(L"Anchors"), {kLocalesTable, L"INSERT INTO Locales VALUES (1031, \"Anker\", NULL)"});
  objects("Z", COleVariant(L"Plates"));
  objects("ZZ", COleVariant(L"Ribs"));
  CStringArray categories, local;
  ASSERT_TRUE(objs.setUserObjDB(L"M"));
  EXPECT_TRUE(objs.getUserObjCategoryList(categories, &local, kGerman));
  EXPECT_EQ(entries(categories), (std::vector<std::wstring>{L"Ribs", L"Plates", L"Anchors"}));
  EXPECT_EQ(entries(local), (std::vector<std::wstring>{L"Ribs", L"Platten", L"Anker"}));
  EXPECT_EQ(objs.getFullDBName(), upper(data + L"M.MDB"));
}

// Each language once, from the first catalog of the category in list order;
// LANG below 1 is skipped, and a CATEGORY that is not a text repeats the text
// read last (rows skipped for their LANG read none).
TEST_F(ZEPTDBUserObjCatalogs, LocalesOfOneCategory) {
  objects("A", COleVariant(L"Plates"),
          {kLocalesTable, L"INSERT INTO Locales VALUES (1031, \"Platten\tx\", NULL)",
           L"INSERT INTO Locales VALUES (0, \"Null\", NULL)", L"INSERT INTO Locales VALUES (-2, \"Neg\", NULL)",
           L"INSERT INTO Locales VALUES (1040, NULL, \"d\")"});
  objects("B", COleVariant(L"Plates"),
          {kLocalesTable, L"INSERT INTO Locales VALUES (1031, \"Bleche\", NULL)",
           L"INSERT INTO Locales VALUES (1036, \"Plaques\", NULL)"});
  objects("C", COleVariant(L"plates"), {kLocalesTable, L"INSERT INTO Locales VALUES (1049, \"x\", NULL)"});
  objects("D", COleVariant(L"Plates"));
  ZEPTDBUserObjData::Locales locales;
  EXPECT_TRUE(objs.getUserObjCategoryLocales(L"Plates", locales));
  EXPECT_EQ(items(locales), (std::vector<std::tuple<long, std::wstring, std::wstring>>{
                                {1031, L"Platten", L""}, {1040, L"Platten", L""}, {1036, L"Plaques", L""}}));
  EXPECT_TRUE(objs.getUserObjCategoryLocales(L"Ribs", locales));
  EXPECT_EQ(locales.length(), 0);
}

}  // namespace
