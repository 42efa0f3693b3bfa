// SPDX-License-Identifier: MIT
#include "platform/settings/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/core/Utf8.h"
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

}  // namespace
