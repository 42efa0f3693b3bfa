#include "platform/settings/ZEPTEnvAppSet.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/TestTree.h"

namespace {

using zept::test::ScopedEnv;

struct EnvCase {
  std::optional<std::string> data, objSteel, app;
  std::wstring wantData, wantObjSteel, wantApp;
};

class SettingsEnv : public ::testing::TestWithParam<EnvCase> {};

TEST_P(SettingsEnv, HandsTheVariablesBackUnchanged) {
  EnvCase const& c = GetParam();
  std::optional<ZEPTEnvAppSet> settings;
  {
    ScopedEnv d("ZEPT_DATA_PATH", c.data);
    ScopedEnv o("ZEPT_OBJSTEEL_PATH", c.objSteel);
    ScopedEnv a("ZEPT_APP_PATH", c.app);
    settings.emplace();
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
        EnvCase{"/srv/data/", std::nullopt, "V:\\app\\", L"/srv/data/", L"U:\\SYSTEM\\DATA\\", L"V:\\app\\"},
        EnvCase{std::nullopt, "/srv/obj\xc3\xa9ts/", "", L"U:\\SYSTEM\\DATA\\", L"/srv/obj\u00e9ts/", L""},
        EnvCase{"D:\\data\\\\", "/o", "/a/", L"D:\\data\\\\", L"/o", L"/a/"}));

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

TEST(SettingsCFG, InstallsAndUninstallsWithoutOwning) {
  ZEPTAppSet* const before = CFG();
  {
    ZEPTEnvAppSet a, b;
    setCFG(&a);
    EXPECT_EQ(CFG(), &a);
    setCFG(&b);
    EXPECT_EQ(CFG(), &b);
    setCFG(nullptr);
    EXPECT_EQ(CFG(), nullptr);
  }
  setCFG(before);
}

}  // namespace
