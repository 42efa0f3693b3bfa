// SPDX-License-Identifier: MIT
#include "database/ZEPTDBBaseData.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>

#include "database/ZEPTDBProfile.h"
#include "platform/fs/FileOps.h"
#include "support/CatalogFolders.h"
#include "support/CorePrinters.h"
#include "support/MdbSamples.h"

using namespace zept::test;
using Names = std::vector<std::wstring>;

namespace {

// A derived accessor deleted through its base runs its own destructor too
// (under ASan a mismatch of the sizes allocated and freed fails).
TEST(ZEPTDBBaseData, DeletedThroughTheBaseClass) {
  std::unique_ptr<ZEPTDBBaseData> accessor = std::make_unique<ZEPTDBProfile>();
  accessor.reset();
}

class ZEPTDBBaseDataFolders : public CatalogFolders {};

// The settings are asked by key and kind (a kind out of range as 0); without
// settings both folders are the system data folder.
TEST_F(ZEPTDBBaseDataFolders, ComeFromTheSettingsOrTheSystemDataFolder) {
  const std::tuple<int, wchar_t const*, int> kinds[] = {
      {3, L"PATHDATA", 3}, {12, L"PATHOBJSTEEL", 12}, {17, L"PATHDATA", 0}};
  for (auto const& [type, key, asked] : kinds) {
    OpenAccessor a(static_cast<CFGTypeDataFiles>(type));
    EXPECT_EQ(std::pair(settings.key, settings.type), std::pair(std::wstring(key), asked));
    EXPECT_EQ(a.getDBPath(false) + L"|" + a.getDBPath(true), CString(data + L"|" + app));
  }
  settings.data = settings.app = L"";
  CStringArray names;
  names.Add(L"stale");
  EXPECT_FALSE(OpenAccessor().getDBList(L"*", names, nullptr) || OpenAccessor().setDB(L""));
  EXPECT_EQ(names.GetSize(), 0);

  setCFG(nullptr);
  tree.dir("system/data");
  catalog("system/data/WidthsList.mdb");
  OpenAccessor a(CFGUserObjects);
  EXPECT_EQ(a.getDBPath(false) + L"|" + a.getDBPath(true), CString(L"U:\\SYSTEM\\DATA\\|U:\\SYSTEM\\DATA\\"));
  EXPECT_TRUE(a.getDBList(L"*List", names, nullptr));
  EXPECT_EQ(entries(names), Names{L"WIDTHS"});
  EXPECT_TRUE(a.setDB(L"WidthsList"));
}

// Windows-style folders through the drive variable, and POSIX folders.
class ZEPTDBBaseDataCatalogs : public CatalogFolders, public testing::WithParamInterface<bool> {
 protected:
  ZEPTDBBaseDataCatalogs() : CatalogFolders(GetParam()) {}
  void SetUp() override {
    for (auto const* f : {"app/cr_M20.mdb", "app/cr_En14399.mdb", "data/cr_EN14399.mdb", "data/cr_M3.mdb",
                          "data/cr_AB.mdb", "data/cr_A_A.mdb", "data/Bolts_M20.mdb"})
      catalog(f);
  }
  OpenAccessor a;
};

// Listed once each in ordinal order; a filter is trimmed of blanks and commas
// around it only, and keeps its order, its repeats and only exact names.
TEST_P(ZEPTDBBaseDataCatalogs, ListOnceOrdinallyOrAsFiltered) {
  CStringArray names;
  ASSERT_TRUE(a.getDBList(L"cr_*", names, nullptr));
  EXPECT_EQ(entries(names), (Names{L"AB", L"A_A", L"EN14399", L"M20", L"M3"}));
  const std::pair<wchar_t const*, Names> filters[] = {{L" ,EN14399,M20, ", {L"EN14399", L"M20"}},
                                                      {L"M20,EN14399,M20", {L"M20", L"EN14399", L"M20"}},
                                                      {L"EN14399, M20,m20,M20 ", {L"EN14399", L"M20"}},
                                                      {L",,AB,,NONE,A_A,,", {L"AB", L"A_A"}}};
  for (auto const& [filter, want] : filters) {
    EXPECT_TRUE(a.getDBList(L"cr_*", names, filter));
    EXPECT_EQ(entries(names), want) << filter;
  }
}

// A mask or name that leads out of the catalog folders lists and finds
// nothing, though there are catalogs where it points.
TEST_P(ZEPTDBBaseDataCatalogs, MasksAndNamesStayInTheirFolders) {
  for (auto const* folder : {"outside", "app/sub"}) tree.dir(folder);
  catalog("outside/cr_OUT.mdb");
  catalog("app/sub/cr_SUB.mdb");
  CStringArray names;
  for (wchar_t const* mask : {L"..\\outside\\cr_*", L"../outside/cr_*", L"sub\\cr_*", L"sub/cr_*"}) {
    names.Add(L"stale");
    EXPECT_FALSE(a.getDBList(mask, names, nullptr)) << mask;
    EXPECT_EQ(names.GetSize(), 0) << mask;
  }
  for (wchar_t const* name : {L"..\\outside\\cr_OUT", L"../outside/cr_*", L"sub\\cr_SUB", L"sub/cr_*"})
    EXPECT_FALSE(a.isDBAtAppPath(name)) << name;
  EXPECT_TRUE(a.isDBAtAppPath(L"cr_M*"));
}

TEST_P(ZEPTDBBaseDataCatalogs, SelectPrefersTheApplicationFolder) {
  EXPECT_TRUE(a.setDB(L"cr_En14399"));
  EXPECT_EQ(a.mode(), L"ro " + upper(app + L"CR_EN14399.MDB"));
  // With its extension the name is looked for as "….mdb.mdb" in the
  // application folder, so the data folder's copy opens.
  EXPECT_TRUE(a.setDB(L"cr_en14399.mdb"));
  EXPECT_EQ(a.mode(), L"ro " + upper(data + L"CR_EN14399.MDB"));
  EXPECT_FALSE(a.setDB(L"cr_none"));
  EXPECT_EQ(a.mode(), CString());
  ASSERT_TRUE(a.setDB(L"cr_M3"));
  EXPECT_TRUE(a.setDB(L""));
  EXPECT_EQ(a.mode(), CString());
}

INSTANTIATE_TEST_SUITE_P(, ZEPTDBBaseDataCatalogs, testing::Bool(),
                         [](auto const& info) { return info.param ? "Windows" : "Posix"; });

class ZEPTDBBaseDataOpen : public CatalogFolders {
 protected:
  void SetUp() override {
    catalog("data/cr_A.mdb");
    catalog("data/cr_B.mdb");
  }
  std::wstring b = data + L"cr_B.mdb";
  OpenAccessor a;
  CDaoDatabase other, db;
};

// A shared reader lets the read-only open through; any exclusive holder
// refuses the shared open and its exclusive fallback alike, so selecting
// fails and leaves nothing open.
TEST_F(ZEPTDBBaseDataOpen, OtherHoldersDecideTheModes) {
  ASSERT_TRUE(a.setDB(L"cr_A"));
  other.Open(b.c_str(), true, true);
  EXPECT_FALSE(a.setDB(L"cr_B"));
  EXPECT_EQ(a.mode(), CString());
  other.Open(b.c_str(), false, true);
  EXPECT_TRUE(a.setDB(L"cr_B"));
  EXPECT_FALSE(a.openDatabase(db, b, true, true) || a.openDatabase(db, b, false, false));
  other.Close();
  a.setDB(L"");
  EXPECT_TRUE(a.openDatabase(db, b, true, true));
  EXPECT_FALSE(a.setDB(L"cr_B"));
  // A missing path fails before the open database is closed.
  EXPECT_FALSE(a.openDatabase(db, data + L"none.mdb", true, false));
  EXPECT_TRUE(db.IsOpen());
}

// makeDBWritable removes a read-only attribute to reopen for writing;
// restoreDBStatus puts attribute and read-only open back, also after the
// reopen failed (a shared reader) with the catalog closed.
TEST_F(ZEPTDBBaseDataOpen, ReadOnlyFileIsUnlockedAndLockedAgain) {
  ASSERT_TRUE(zept::fs::setFileAttributes(b, FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(a.setDB(L"cr_B"));
  ZEPTDBBaseData::ZEPTDBStatus status{7, true, true};
  ASSERT_TRUE(a.makeDBWritable(status));
  EXPECT_TRUE(status.reopened && status.attributesChanged && (status.attributes & FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(zept::fs::isReadOnly(b));
  EXPECT_EQ(a.mode(), L"rw " + upper(b));
  a.restoreDBStatus(status);
  EXPECT_TRUE(zept::fs::isReadOnly(b));
  EXPECT_EQ(a.mode(), L"ro " + upper(b));

  other.Open(b.c_str(), false, true);
  EXPECT_FALSE(a.makeDBWritable(status));
  EXPECT_TRUE(status.reopened && status.attributesChanged);
  EXPECT_FALSE(zept::fs::isReadOnly(b));
  EXPECT_EQ(a.mode(), CString());
  a.restoreDBStatus(status);
  EXPECT_TRUE(zept::fs::isReadOnly(b));
  EXPECT_EQ(a.mode(), L"ro " + upper(b));
  other.Close();

  a.setDB(L"");
  EXPECT_FALSE(a.makeDBWritable(status));
  EXPECT_FALSE(status.reopened || status.attributesChanged);
}

// Selecting a catalog again on the accessor that has it open sees every
// change of the folders made since, however long they had been unchanged
// before (what the last select found is kept while they stay so): a marker
// left by a killed writer puts the read-only attribute back, a replaced file
// is read, a removed one fails, a copy appearing in the application folder
// is preferred.
TEST_F(ZEPTDBBaseDataOpen, ChangesBetweenSelectsOfTheSameCatalogAreSeen) {
  struct Case {
    char const* what;
    std::function<void()> change;
    std::function<void()> check;
  };
  const Case cases[] = {
      {"marker",
       [&] {
         ASSERT_TRUE(zept::fs::setFileAttributes(b, FILE_ATTRIBUTE_READONLY));
         ASSERT_TRUE(a.setDB(L"cr_B"));
         ASSERT_TRUE(zept::fs::setFileAttributes(b, 0));
         tree.file("data/CR_B.MDB.readonly", "");
       },
       [&] {
         EXPECT_TRUE(a.setDB(L"cr_B"));
         EXPECT_TRUE(zept::fs::isReadOnly(b));
         EXPECT_FALSE(std::filesystem::exists(tree.path("data/CR_B.MDB.readonly")));
         ASSERT_TRUE(zept::fs::setFileAttributes(b, 0));
       }},
      {"replaced",
       [&] {
         catalog("data/new.mdb", {L"CREATE TABLE U (ID LONG)"});
         std::filesystem::rename(tree.path("data/new.mdb"), tree.path("data/cr_B.mdb"));
       },
       [&] {
         EXPECT_TRUE(a.setDB(L"cr_B"));
         CDaoTableDefInfo info;
         EXPECT_NO_THROW(a.m_db.GetTableDefInfo(L"U", info));
       }},
      {"copy in the application folder",
       [&] { std::filesystem::copy_file(tree.path("data/cr_B.mdb"), tree.path("app/cr_b.mdb")); },
       [&] {
         EXPECT_TRUE(a.setDB(L"cr_B"));
         EXPECT_EQ(a.mode(), L"ro " + upper(app + L"CR_B.MDB"));
       }},
      {"removed",
       [&] {
         std::filesystem::remove(tree.path("app/cr_b.mdb"));
         std::filesystem::remove(tree.path("data/cr_B.mdb"));
       },
       [&] {
         EXPECT_FALSE(a.setDB(L"cr_B"));
         EXPECT_EQ(a.mode(), CString());
       }},
  };
  const timespec past[2] = {{::time(nullptr) - 60, 0}, {::time(nullptr) - 60, 0}};
  for (auto const& c : cases) {
    SCOPED_TRACE(c.what);
    for (auto const* folder : {"app", "data"})
      ASSERT_EQ(::utimensat(AT_FDCWD, tree.path(folder).c_str(), past, 0), 0);
    for (int select = 0; select < 3; ++select) ASSERT_TRUE(a.setDB(L"cr_B"));
    // A held selection opens as the first did: read-only, and shared.
    EXPECT_EQ(a.mode().Left(3), L"ro ");
    EXPECT_NO_THROW(other.Open(a.getFullDBName(), false, true));
    other.Close();
    c.change();
    c.check();
  }
}

// A genuine Access catalog selects read-only; making it writable fails
// without touching its attributes or its bytes.
TEST_F(ZEPTDBBaseDataOpen, GenuineCatalogStaysReadOnly) {
  const std::string bytes = TempTree::read(mdbSamplesDir() / "testV1997.mdb");
  const auto file = tree.file("data/cr_G.mdb", bytes);
  const std::wstring g = data + L"cr_G.mdb";
  ASSERT_TRUE(zept::fs::setFileAttributes(g, FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(a.setDB(L"cr_G"));
  ZEPTDBBaseData::ZEPTDBStatus status;
  EXPECT_FALSE(a.makeDBWritable(status));
  EXPECT_FALSE(status.attributesChanged);
  EXPECT_TRUE(zept::fs::isReadOnly(g));
  a.restoreDBStatus(status);
  EXPECT_EQ(a.mode(), L"ro " + upper(g));
  EXPECT_EQ(TempTree::read(file), bytes);
}

}  // namespace
