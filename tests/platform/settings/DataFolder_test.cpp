// SPDX-License-Identifier: MIT
#include "platform/settings/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/core/Utf8.h"
#include "platform/settings/ZEPTEnvAppSet.h"
#include "support/TestTree.h"

namespace {

using zept::test::ScopedEnv;

TEST(InstalledDataFolder, IsAnAbsoluteFolderWhateverTheEnvironment) {
  std::wstring folder;
  {
    ScopedEnv d("ZEPT_DATA_PATH", "/elsewhere/");
    folder = zept::installedDataFolder();
  }
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.front(), L'/');
  EXPECT_EQ(folder.back(), L'/');
  EXPECT_EQ(zept::installedDataFolder(), folder);
}

#ifdef ZEPT_BUNDLED_DATA_DIR
// Installed or not, a program of the build tree finds the catalogs.
TEST(InstalledDataFolder, HoldsTheBundledCatalogs) {
  const std::filesystem::path folder = zept::toUtf8(zept::installedDataFolder());
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / "EUROpro.mdb")) << folder;
}
#endif

// The fallback stands in for each unset variable alone; a set one, even
// empty, wins.
TEST(InstalledDataFolder, FallbackOnlyForUnsetVariables) {
  std::optional<ZEPTEnvAppSet> settings;
  {
    ScopedEnv d("ZEPT_DATA_PATH", std::nullopt);
    ScopedEnv o("ZEPT_OBJSTEEL_PATH", "");
    ScopedEnv a("ZEPT_APP_PATH", "V:\\app\\");
    settings.emplace(L"W:\\bundled\\");
  }
  EXPECT_STREQ(settings->getPath(L"PATHDATA", CFGProfiles), L"W:\\bundled\\");
  EXPECT_STREQ(settings->getPath(L"PATHOBJSTEEL", CFGUserObjects), L"");
  EXPECT_STREQ(settings->getAppPath(0), L"V:\\app\\");

  {
    ScopedEnv d("ZEPT_DATA_PATH", std::nullopt);
    ScopedEnv o("ZEPT_OBJSTEEL_PATH", std::nullopt);
    ScopedEnv a("ZEPT_APP_PATH", std::nullopt);
    settings.emplace();
  }
  EXPECT_STREQ(settings->getPath(L"PATHDATA", CFGProfiles), L"U:\\SYSTEM\\DATA\\");
  EXPECT_STREQ(settings->getAppPath(0), L"U:\\SYSTEM\\DATA\\");
}

}  // namespace
