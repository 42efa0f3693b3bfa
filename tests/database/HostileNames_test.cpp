// SPDX-License-Identifier: MIT
// Names and texts a caller hands over that must never change which rows a
// statement reads or writes, nor reach a file outside the catalog folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "database/ZEPTDBProfile.h"
#include "database/ZEPTDBUserObj.h"
#include "platform/fs/FileOps.h"
#include "support/CatalogFolders.h"
#include "support/ProfileCatalogs.h"
#include "support/UserObjCatalogs.h"

using namespace zept::test;

namespace {

const std::wstring kHostile[] = {
    L"\"<>\"",
    L"X\" OR \"1\"=\"1",
    L"9999 OR 1=1",
    L"IPE\"; DELETE * FROM Shape; \"",
    std::wstring(L"IPE\0X", 5),
    L"IPE\r\nX",
    L"IPE\tX",
    L"..\\..\\evil",
    L"..",
    L"sub\\evil",
    L"/tmp/evil",
    L"C:evil",
    std::wstring(10'000, L'A'),
    std::wstring(1'000'000, L'B'),
};

const std::wstring kHostileDims[] = {L"9999 OR 1=1", L"300) OR (1=1", L"\"300\"", L"300;", L"0x12C", L"", L"nan"};

ZEPTDBProfileData size80(CString const& name) {
  ZEPTDBProfileData record;
  record.name = name;
  record.dim1 = 80;
  record.mass = 99;
  return record;
}

class HostileNames : public CatalogFolders {
 protected:
  void SetUp() override {
    templateCatalog(tree.path("data/PDLScripts.mdb"));
    makeCatalog(tree.path("data/Testpro.mdb"),
                {createShape(), createScripts(L"Section"), insertScript(L"Section", 1, L"I", true),
                 insertSize(L"IPE", 1, 80, 0, 0), insertSize(L"IPE", 1, 300, 0, 0), insertSize(L"HEB", 1, 100, 0, 0),
                 L"CREATE TABLE ProfileName (SHAPE TEXT(50), DESCRIPTION TEXT(255))",
                 L"INSERT INTO ProfileName VALUES (\"IPE\", \"I beam\")"});
    userObjCatalog(tree.path("app/Plates.mdb"), COleVariant(L"Plates"),
                   {L"INSERT INTO UserObjects (NAME, MASS) VALUES (\"P1\", 1)",
                    L"INSERT INTO ExtraParameters VALUES (\"P1\", \"Grade\", \"S355\")"});
    before = namedRows();
  }

  // The rows the fixture made, wherever the catalog now lives (a write copies
  // the profile catalog into the application folder).
  std::set<std::string> namedRows() {
    std::set<std::string> out;
    auto rows = [&](char const* file, wchar_t const* sql) {
      if (std::filesystem::exists(tree.path(file))) out.insert(rowsText(tree.path(file), sql));
    };
    for (auto const* file : {"data/Testpro.mdb", "app/TESTPRO.MDB"})
      rows(file, L"SELECT NAME, DIM1, MASS FROM Shape WHERE NAME IN (\"IPE\", \"HEB\") ORDER BY ID");
    rows("app/Plates.mdb", L"SELECT NAME, MASS FROM UserObjects WHERE NAME = \"P1\"");
    rows("app/Plates.mdb", L"SELECT * FROM ExtraParameters");
    return out;
  }

  // Files may appear only directly in the two catalog folders.
  void expectNothingOutsideTheFolders(std::string const& shown) {
    for (auto const& e : std::filesystem::recursive_directory_iterator(tree.path(""))) {
      const auto folder = e.path().parent_path().filename();
      EXPECT_TRUE(e.is_directory() || folder == "app" || folder == "data") << e.path() << " after " << shown;
    }
    for (auto const& e : std::filesystem::directory_iterator(tree.path("").parent_path()))
      EXPECT_EQ(e.path().filename().string().find("evil"), std::string::npos) << e.path() << " after " << shown;
    EXPECT_EQ(namedRows(), before) << shown;
  }

  std::set<std::string> before;
};

TEST_F(HostileNames, ProfileOperationsNeitherWidenNorLeaveTheFolder) {
  for (auto const& text : kHostile) {
    const CString name(text);
    const std::string shown = name.Left(40).toUtf8();
    ZEPTDBProfile profile;
    profile.setProfileDB(name);
    profile.createProfileDB(name, DtDb::kMetric);
    ASSERT_TRUE(profile.setProfileDB(L"TEST"));
    const CString description = profile.getProfileShapeDescription(name);
    EXPECT_TRUE(description.IsEmpty() || name == L"IPE") << shown;
    CStringArray dims;
    profile.getProfileDimList(name, dims, -1);
    EXPECT_EQ(dims.GetSize(), 0) << shown;
    EXPECT_FALSE(profile.getProfileData(name, L"300", nullptr)) << shown;
    ZEPTDBProfileData record = size80(name);
    profile.setProfileData(record);
    expectNothingOutsideTheFolders(shown);
  }
  ZEPTDBProfile profile;
  ASSERT_TRUE(profile.setProfileDB(L"TEST"));
  for (auto const& dims : kHostileDims)
    EXPECT_FALSE(profile.getProfileData(L"HEB", CString(dims), nullptr)) << CString(dims).toUtf8();
  EXPECT_TRUE(profile.getProfileData(L"HEB", L"100", nullptr));
}

// An empty or dot name would make a file of the suffix alone ("Pro.mdb",
// ".mdb") or a hidden one: no catalog is made or selected under it.
TEST_F(HostileNames, EmptyAndDotNamesMakeNoCatalog) {
  for (wchar_t const* name : {L"", L".", L".X"}) {
    SCOPED_TRACE(CString(name).toUtf8());
    ZEPTDBProfile profile;
    EXPECT_EQ(profile.createProfileDB(name, DtDb::kMetric), -1);
    EXPECT_FALSE(profile.setProfileDB(name));
    ZEPTDBUserObj objects;
    EXPECT_EQ(objects.createUserObjDB(name, L"Plates", L"d", DtDb::kMetric), -1);
  }
  std::set<std::string> files;
  for (auto const& e : std::filesystem::directory_iterator(tree.path("app"))) files.insert(e.path().filename());
  EXPECT_EQ(files, std::set<std::string>{"Plates.mdb"});
}

// Texts reach the engine and the file system as UTF-8, where a character
// that is no Unicode scalar value would become U+FFFD: such a name must not
// reach the row or file named with U+FFFD itself.
TEST_F(HostileNames, TextsThatAreNoUnicodeNameNothing) {
  profileCatalog(tree.path("data/T\xEF\xBF\xBD" "pro.mdb"));
  profileCatalog(tree.path("app/Replacedpro.mdb"), {insertSize(L"IP\uFFFD", 1, 80, 0, 0)});
  userObjCatalog(tree.path("app/Marked.mdb"), COleVariant(L"Plates"),
                 {L"INSERT INTO UserObjects (NAME, MASS) VALUES (\"P\uFFFD\", 1)"});
  {
    CDaoDatabase db;
    db.Open(wide(tree.path("app/Marked.mdb")).c_str(), true, false);
    db.CreateProperty(CDaoDatabase::PropertySet::UserDefined, L"P\uFFFD", dbLong, COleVariant(1L));
  }
  auto rows = [&] {
    return rowsText(tree.path("app/Replacedpro.mdb"), L"SELECT NAME, MASS FROM Shape") + " " +
           rowsText(tree.path("app/Marked.mdb"), L"SELECT NAME, MASS FROM UserObjects") + " " +
           rowsText(tree.path("app/Marked.mdb"), L"SELECT Name, Value FROM MSysProperties");
  };
  const std::string rowsBefore = rows();
  for (const wchar_t bad : {wchar_t(0xD800), wchar_t(0xDFFF), wchar_t(0x110000), wchar_t(-1)}) {
    const std::string shown = std::to_string(static_cast<long>(bad));
    ZEPTDBProfile profile;
    EXPECT_FALSE(profile.setProfileDB(CString(std::wstring(L"T") + bad))) << shown;
    ASSERT_TRUE(profile.setProfileDB(L"REPLACED"));
    const CString size(std::wstring(L"IP") + bad);
    EXPECT_FALSE(profile.getProfileData(size, L"80", nullptr)) << shown;
    CStringArray dims;
    profile.getProfileDimList(size, dims, -1);
    EXPECT_EQ(dims.GetSize(), 0) << shown;
    ZEPTDBProfileData record = size80(size);
    EXPECT_EQ(profile.setProfileData(record), -1) << shown;

    ZEPTDBUserObj objects;
    ASSERT_TRUE(objects.setUserObjDB(L"Marked"));
    const CString object(std::wstring(L"P") + bad);
    EXPECT_FALSE(objects.getUserObjData(object, nullptr, DtDb::kMetric)) << shown;
    EXPECT_FALSE(objects.removeUserObjData(object)) << shown;
    ZEPTDBUserObjData data;
    data.category = L"Plates";
    data.name = object;
    data.mass = 99;
    EXPECT_EQ(objects.setUserObjData(data, DtDb::kMetric), -1) << shown;
    COleVariant value;
    EXPECT_FALSE(objects.getCustomDBProperty(object, value)) << shown;
    EXPECT_FALSE(objects.setCustomDBProperty(object, COleVariant(2L), dbLong)) << shown;
  }
  EXPECT_EQ(rows(), rowsBefore);
}

// A symbolic link planted where a new catalog is built or put never takes
// the creation outside the folder; one at the building name is set aside.
TEST_F(HostileNames, CreationFollowsNoLinkOutOfTheFolder) {
  const auto outside = tree.dir("outside") / "evil.mdb";
  for (std::string const planted : {"NewPro.mdb.building", "NewPro.mdb", "Objs.mdb.building", "Objs.mdb"}) {
    std::filesystem::create_symlink(outside, tree.path("app/" + planted));
    const int profile = ZEPTDBProfile().createProfileDB(L"New", DtDb::kMetric);
    const int objects = ZEPTDBUserObj().createUserObjDB(L"Objs", L"Plates", L"", DtDb::kMetric);
    EXPECT_FALSE(std::filesystem::exists(outside)) << planted;
    if (planted.ends_with(".building")) {
      EXPECT_EQ(planted.starts_with("New") ? profile : objects, 0) << planted;
      EXPECT_FALSE(std::filesystem::is_symlink(tree.path("app/" + planted.substr(0, planted.size() - 9)))) << planted;
    }
    for (auto const* file : {"app/NewPro.mdb", "app/Objs.mdb"}) std::filesystem::remove(tree.path(file));
    std::filesystem::remove(tree.path("app/" + planted));
  }
  expectNothingOutsideTheFolders("planted links");
}

// A file at a catalog's building name goes only when it is the leftover of
// a creation: one the engine made there (tagged with its inode) or an empty
// one. Anything else is the user's: it stays, and the creation fails.
TEST_F(HostileNames, OnlyLeftoversOfACreationGiveWayToTheNext) {
  const auto building = tree.path("app/NewPro.mdb.building"), made = tree.path("made.mdb");
  makeCatalog(made, {});
  const struct {
    char const* name;
    std::function<void()> put;
    bool removed;
  } cases[] = {
      {"notes", [&] { tree.file("app/NewPro.mdb.building", "notes"); }, false},
      {"a copy of a leftover", [&] { std::filesystem::copy_file(made, building); }, false},
      {"empty", [&] { tree.file("app/NewPro.mdb.building", ""); }, true},
      {"a leftover", [&] { std::filesystem::rename(made, building); }, true},
  };
  for (auto const& c : cases) {
    c.put();
    EXPECT_EQ(ZEPTDBProfile().createProfileDB(L"New", DtDb::kMetric), c.removed ? 0 : -1) << c.name;
    EXPECT_EQ(std::filesystem::exists(building), !c.removed) << c.name;
    // Finished, it carries the tag no more (application id, user version).
    if (c.removed) {
      const std::string header = TempTree::read(tree.path("app/NewPro.mdb")).substr(0, 72);
      EXPECT_EQ(header.substr(60, 4) + header.substr(68, 4), std::string(8, '\0'));
    }
    std::filesystem::remove(building);
    std::filesystem::remove(tree.path("app/NewPro.mdb"));
  }
}

// The marker a writer leaves beside a read-only catalog while it writes is
// made beside it, never through a link planted at its name.
TEST_F(HostileNames, ReadOnlyMarkerFollowsNoLinkOutOfTheFolder) {
  const auto outside = tree.dir("outside") / "evil";
  catalog("app/Props.mdb");
  std::filesystem::permissions(tree.path("app/Props.mdb"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  std::filesystem::create_symlink(outside, tree.path("app/Props.mdb.readonly"));
  OpenAccessor accessor;
  ASSERT_TRUE(accessor.setDB(L"Props"));
  EXPECT_TRUE(accessor.setDBProperty(L"Note", COleVariant(L"new"), dbText));
  EXPECT_FALSE(std::filesystem::exists(outside));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(tree.path("app/Props.mdb.readonly"))));
  EXPECT_TRUE(zept::fs::isReadOnly(wide(tree.path("app/Props.mdb"))));
  std::filesystem::remove(tree.path("outside/evil"));
  expectNothingOutsideTheFolders("planted marker");
}

// An application folder configured empty is no folder: nothing is listed,
// made or copied in the working folder, which its names would be relative to.
TEST_F(HostileNames, EmptyApplicationFolderIsNoFolder) {
  const auto cwd = tree.dir("cwd");
  profileCatalog(cwd / "Cwdpro.mdb");
  settings.app = L"";
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(cwd);
  {
    ZEPTDBProfile profile;
    CStringArray names;
    EXPECT_TRUE(profile.getProfileDBList(names, nullptr));
    EXPECT_EQ(entries(names), std::vector<std::wstring>{L"TEST"});
    EXPECT_FALSE(profile.isDBAtAppPath(L"Cwdpro"));
    EXPECT_EQ(profile.createProfileDB(L"New", DtDb::kMetric), -1);
    ASSERT_TRUE(profile.setProfileDB(L"TEST"));
    ZEPTDBProfileData record = size80(L"IPE");
    EXPECT_EQ(profile.setProfileData(record), -1);
    EXPECT_EQ(ZEPTDBUserObj().createUserObjDB(L"Objs", L"Plates", L"", DtDb::kMetric), -1);
  }
  std::filesystem::current_path(previous);
  std::vector<std::string> files;
  for (auto const& e : std::filesystem::directory_iterator(cwd)) files.push_back(e.path().filename().string());
  EXPECT_EQ(files, std::vector<std::string>{"Cwdpro.mdb"});
  EXPECT_EQ(namedRows(), before);
}

}  // namespace
