// SPDX-License-Identifier: MIT
#include "platform/settings/ZEPTEnvAppSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

#include "database/ZEPTDBProfile.h"
#include "platform/core/Utf8.h"
#include "support/ProfileCatalogs.h"
#include "support/TestTree.h"

namespace {

using zept::test::ScopedEnv;

struct EnvCase {
  std::optional<std::string> data, objSteel, app;
  std::wstring wantData, wantObjSteel, wantApp;
  std::optional<std::wstring> fallback = std::nullopt;  // for unset variables, instead of the default folder
};

class SettingsEnv : public ::testing::TestWithParam<EnvCase> {};

TEST_P(SettingsEnv, HandsPosixFoldersBackWindowsStyle) {
  EnvCase const& c = GetParam();
  std::optional<ZEPTEnvAppSet> settings;
  {
    ScopedEnv d("ZEPT_DATA_PATH", c.data);
    ScopedEnv o("ZEPT_OBJSTEEL_PATH", c.objSteel);
    ScopedEnv a("ZEPT_APP_PATH", c.app);
    c.fallback ? settings.emplace(*c.fallback) : settings.emplace();
  }
  // The variables are gone again: what follows was read at construction.
  ZEPTAppSet& s = *settings;
  EXPECT_STREQ(s.getPath(L"PATHDATA", CFGProfiles), c.wantData.c_str());
  EXPECT_STREQ(s.getPath(L"PATHDATA", CFGFasteners), c.wantData.c_str());
  EXPECT_STREQ(s.getPath(L"PATHOBJSTEEL", CFGUserObjects), c.wantObjSteel.c_str());
  EXPECT_STREQ(s.getValue(L"PATHDATA"), c.wantData.c_str());
  EXPECT_STREQ(s.getValue(L"pathObjSteel"), c.wantObjSteel.c_str());
  EXPECT_STREQ(s.getAppPath(0), c.wantApp.c_str());
  EXPECT_STREQ(s.getValue(L"PATHAPP"), c.wantApp.c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Variables, SettingsEnv,
    ::testing::Values(
        EnvCase{std::nullopt, std::nullopt, std::nullopt, L"U:\\SYSTEM\\DATA\\", L"U:\\SYSTEM\\DATA\\",
                L"U:\\SYSTEM\\DATA\\"},
        EnvCase{"/srv/data/", std::nullopt, "V:\\app\\", L"\\srv\\data\\", L"U:\\SYSTEM\\DATA\\", L"V:\\app\\"},
        EnvCase{std::nullopt, "/srv/obj\xc3\xa9ts/", "", L"U:\\SYSTEM\\DATA\\", L"\\srv\\obj\u00e9ts\\", L""},
        EnvCase{"D:\\data\\\\", "/o", "\\a\\", L"D:\\data\\\\", L"\\o", L"\\a\\"},
        EnvCase{"/srv//x/../data/", "d:\\o/", "/", L"\\srv\\data\\", L"d:\\o/", L"\\"},
        // The fallback stands in for each unset variable alone; a set one, even empty, wins.
        EnvCase{std::nullopt, "", "V:\\app\\", L"W:\\bundled\\", L"", L"V:\\app\\", L"W:\\bundled\\"}));

// A relative folder means the one under the working folder at construction;
// POSIX folders then serve the catalog code wherever Windows-style ones do,
// the profile writer's copy into the application folder included.
TEST(Settings, PosixFoldersServeTheCatalogCode) {
  zept::test::TempTree tree;
  zept::test::templateCatalog(tree.dir("data") / "PDLScripts.mdb");
  tree.dir("app");
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(tree.path(""));
  std::optional<ZEPTEnvAppSet> settings;
  {
    ScopedEnv d("ZEPT_DATA_PATH", "data/");
    ScopedEnv a("ZEPT_APP_PATH", tree.str() + "/app/");
    settings.emplace();
  }
  std::filesystem::current_path(cwd);
  std::wstring data = zept::fromUtf8(tree.str()) + L"/data/";
  std::replace(data.begin(), data.end(), L'/', L'\\');
  EXPECT_EQ(settings->getPath(L"PATHDATA", CFGProfiles), data);
  setCFG(&*settings);
  {
    ZEPTDBProfile profile;
    EXPECT_EQ(profile.createProfileDB(L"NEW", DtDb::kMetric), 0);
    EXPECT_TRUE(profile.setProfileDB(L"NEW"));
  }
  setCFG(nullptr);
  EXPECT_TRUE(std::filesystem::exists(tree.path("app/NEWPro.mdb")));
}

TEST(Settings, UnknownQueriesGiveEmptyTextsAndDefaults) {
  ZEPTEnvAppSet s;
  ASSERT_NE(s.getValue(L"PATHDAT"), nullptr);
  EXPECT_STREQ(s.getValue(L"PATHDAT"), L"");
  EXPECT_STREQ(s.getValue(L"PATHDATAX"), L"");
  EXPECT_STREQ(s.getValue(nullptr), L"");
  EXPECT_STREQ(s.getPath(L"NOSUCHKEY", CFGProfiles), L"");
  EXPECT_STREQ(s.getAppPath(1), L"");
  EXPECT_EQ(s.getInt(L"PATHDATA", 42), 42);
}

}  // namespace
