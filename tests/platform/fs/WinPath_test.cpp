// SPDX-License-Identifier: MIT
#include "platform/fs/WinPath.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/core/Utf8.h"
#include "support/TestTree.h"

namespace {

using zept::fs::resolve;
using zept::fs::toPosix;
using zept::test::ScopedEnv;

TEST(FsToPosix, MapsDrivesAndSeparators) {
  ScopedEnv u("ZEPT_DRIVE_U", "/srv/u");
  ScopedEnv c("ZEPT_DRIVE_C", "/srv/c/");
  ScopedEnv q("ZEPT_DRIVE_Q", std::nullopt);
  ScopedEnv e("ZEPT_DRIVE_E", "");
  const std::pair<std::wstring, std::optional<std::string>> cases[] = {
      {L"u:\\system\\data\\", "/srv/u/system/data/"},
      {L"C:\\data\\\\PDLScripts.mdb", "/srv/c/data/PDLScripts.mdb"},
      {L"C:", "/srv/c/"}, {L"U:SYSTEM", "/srv/u/SYSTEM"}, {L"/srv/x/\\SUB\\F.MDB", "/srv/x/SUB/F.MDB"},
      {L"Q:\\SYSTEM\\", std::nullopt}, {L"E:\\SYSTEM\\", std::nullopt}, {L"", std::nullopt},
      // Another file than the one named: cut at the NUL, or spelt with U+FFFD.
      {std::wstring(L"/srv/a.mdb\0x", 12), std::nullopt},
      {L"/srv/S" + std::wstring(1, wchar_t(0xD800)), std::nullopt},
      {L"U:\\" + std::wstring(1, wchar_t(0x110000)), std::nullopt},
  };
  for (auto const& [in, out] : cases) EXPECT_EQ(toPosix(in), out) << zept::toUtf8(in);
  ScopedEnv again("ZEPT_DRIVE_U", "/elsewhere");
  EXPECT_EQ(toPosix(L"U:\\a"), "/elsewhere/a") << "the variable is read at every call";
}

class FsResolve : public ::testing::Test {
 protected:
  std::string real(std::string const& rel) const { return tree.path(rel).string(); }
  timespec folderTime(std::string const& rel) const {
    struct stat st {};
    EXPECT_EQ(::stat(tree.path(rel).c_str(), &st), 0);
    return st.st_mtim;
  }
  void setFolderTime(std::string const& rel, timespec to) const {
    const timespec times[2] = {to, to};
    ASSERT_EQ(::utimensat(AT_FDCWD, tree.path(rel).c_str(), times, 0), 0);
  }
  // An hour back: the cache then goes by the folder's time alone, as it does
  // for a folder that has not changed for a while.
  void ageFolder(std::string const& rel) const { setFolderTime(rel, {folderTime(rel).tv_sec - 3600, 0}); }

  zept::test::TempTree tree;
  ScopedEnv drive{"ZEPT_DRIVE_X", tree.str()};
};

TEST_F(FsResolve, FindsEveryComponentWhateverItsCasePreferringTheExactOne) {
  tree.file("system/Data/Bolts_ISO4017.mdb");
  tree.file("\xc3\x84rger/\xd0\x91\xd0\xbe\xd0\xbb\xd1\x82.mdb");  // Ärger/Болт.mdb
  tree.file("Dup/sub/a.mdb");
  tree.file("DUP/sub/b.mdb");
  tree.file("system/file");
  const std::pair<std::wstring, std::optional<std::string>> cases[] = {
      {L"X:\\SYSTEM\\DATA\\BOLTS_ISO4017.MDB", real("system/Data/Bolts_ISO4017.mdb")},
      {L"x:\\system\\\\data\\", real("system/Data") + "/"},
      {zept::fromUtf8(tree.str() + "/") + L"SYSTEM\\DATA\\BOLTS_ISO4017.MDB", real("system/Data/Bolts_ISO4017.mdb")},
      {L"X:\\\u00e4RGER\\\u0431\u041e\u041b\u0422.MDB", real("\xc3\x84rger/\xd0\x91\xd0\xbe\xd0\xbb\xd1\x82.mdb")},
      {L"X:\\Dup\\SUB\\A.MDB", real("Dup/sub/a.mdb")},
      {L"X:\\DUP\\SUB\\B.MDB", real("DUP/sub/b.mdb")},
      {L"X:\\dup", real("DUP")},                                          // neither spelling: the smaller in byte order
      {L"X:\\SYSTEM\\DATA\\NEWPRO.MDB", real("system/Data/NEWPRO.MDB")},  // only the last may be missing
      {L"X:\\SYSTEM\\MISSING\\NEWPRO.MDB", std::nullopt},
      {L"X:\\SYSTEM\\FILE\\NEWPRO.MDB", std::nullopt},
      {L"Y:\\anything", std::nullopt},
  };
  for (auto const& [in, out] : cases) EXPECT_EQ(resolve(in), out) << zept::toUtf8(in);
}

// Folder listings are cached: a file created in an old folder, created
// within one timestamp tick of a scan (coarse timestamps can leave a folder's
// time unchanged; putting the old time back makes it so here), or renamed
// while the folder's time stays, must still be seen.
TEST_F(FsResolve, SeesNewAndRenamedFiles) {
  tree.file("old/nuts.mdb");
  ageFolder("old");
  EXPECT_EQ(resolve(L"X:\\OLD\\BOLTS.MDB"), real("old/BOLTS.MDB"));
  tree.file("old/Bolts.mdb");
  EXPECT_EQ(resolve(L"X:\\OLD\\BOLTS.MDB"), real("old/Bolts.mdb"));

  tree.dir("tick");
  const timespec before = folderTime("tick");
  EXPECT_EQ(resolve(L"X:\\TICK\\BOLTS.MDB"), real("tick/BOLTS.MDB"));
  tree.file("tick/bolts.mdb");
  setFolderTime("tick", before);
  EXPECT_EQ(resolve(L"X:\\TICK\\BOLTS.MDB"), real("tick/bolts.mdb"));

  tree.file("renamed/bolts.mdb");
  ageFolder("renamed");
  EXPECT_EQ(resolve(L"X:\\RENAMED\\BOLTS.MDB"), real("renamed/bolts.mdb"));
  const timespec aged = folderTime("renamed");
  std::filesystem::rename(tree.path("renamed/bolts.mdb"), tree.path("renamed/Bolts.MDB"));
  setFolderTime("renamed", aged);
  EXPECT_EQ(resolve(L"X:\\RENAMED\\BOLTS.MDB"), real("renamed/Bolts.MDB"));

  // A missing name is looked for in the folder found for it before, while
  // that folder is still there.
  tree.dir("marked");
  EXPECT_EQ(resolve(L"X:\\MARKED\\A.MDB.readonly"), real("marked/A.MDB.readonly"));
  std::filesystem::rename(tree.path("marked"), tree.path("Marked"));
  EXPECT_EQ(resolve(L"X:\\MARKED\\A.MDB.readonly"), real("Marked/A.MDB.readonly"));
  std::filesystem::remove(tree.path("Marked"));
  EXPECT_EQ(resolve(L"X:\\MARKED\\A.MDB.readonly"), std::nullopt);
}

}  // namespace
