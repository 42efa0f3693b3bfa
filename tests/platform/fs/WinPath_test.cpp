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
using zept::test::TempTree;

TEST(FsToPosix, MapsDrivesAndSeparators) {
  ScopedEnv u("ZEPT_DRIVE_U", "/srv/u");
  ScopedEnv c("ZEPT_DRIVE_C", "/srv/c/");
  ScopedEnv q("ZEPT_DRIVE_Q", std::nullopt);
  ScopedEnv e("ZEPT_DRIVE_E", "");
  const std::pair<std::wstring, std::optional<std::string>> cases[] = {
      {L"U:\\SYSTEM\\DATA\\BOLTS_ISO4017.MDB", "/srv/u/SYSTEM/DATA/BOLTS_ISO4017.MDB"},
      {L"u:\\system\\data\\", "/srv/u/system/data/"},
      {L"C:\\data\\\\PDLScripts.mdb", "/srv/c/data/PDLScripts.mdb"},
      {L"C:", "/srv/c/"},
      {L"U:SYSTEM", "/srv/u/SYSTEM"},
      {L"/srv/x/\\SUB\\F.MDB", "/srv/x/SUB/F.MDB"},
      {L"\\srv\\x\\", "/srv/x/"},
      {L"rel\\a.mdb", "rel/a.mdb"},
      {L"/srv/\u00c4rger", "/srv/\xc3\x84rger"},
      {L"Q:\\SYSTEM\\", std::nullopt},
      {L"E:\\SYSTEM\\", std::nullopt},
      {L"", std::nullopt},
  };
  for (auto const& [in, out] : cases) EXPECT_EQ(toPosix(in), out) << zept::toUtf8(in);

  ScopedEnv again("ZEPT_DRIVE_U", "/elsewhere");
  EXPECT_EQ(toPosix(L"U:\\a"), "/elsewhere/a") << "the variable is read at every call";
}

class FsResolve : public ::testing::Test {
 protected:
  std::string real(std::string const& rel) const { return tree.path(rel).string(); }

  // Gives a folder the time `to`, or an hour back: the cache must then go by
  // the time alone, as it does for a folder that has not changed for a while.
  void setFolderTime(std::string const& rel, std::optional<timespec> to = std::nullopt) {
    struct stat st {};
    ASSERT_EQ(::stat(tree.path(rel).c_str(), &st), 0);
    timespec times[2] = {st.st_atim, to.value_or(st.st_mtim)};
    if (!to) times[1].tv_sec -= 3600;
    ASSERT_EQ(::utimensat(AT_FDCWD, tree.path(rel).c_str(), times, 0), 0);
  }
  timespec folderTime(std::string const& rel) const {
    struct stat st {};
    ::stat(tree.path(rel).c_str(), &st);
    return st.st_mtim;
  }

  TempTree tree;
  ScopedEnv drive{"ZEPT_DRIVE_X", tree.str()};
};

TEST_F(FsResolve, FindsFoldersAndFilesWhateverTheirCase) {
  tree.file("system/Data/Bolts_ISO4017.mdb");
  tree.file("\xc3\x84rger/\xd0\x91\xd0\xbe\xd0\xbb\xd1\x82.mdb");  // Ärger/Болт.mdb
  EXPECT_EQ(resolve(L"X:\\SYSTEM\\DATA\\BOLTS_ISO4017.MDB"), real("system/Data/Bolts_ISO4017.mdb"));
  EXPECT_EQ(resolve(L"x:\\system\\\\data\\"), real("system/Data") + "/");
  EXPECT_EQ(resolve(zept::fromUtf8(tree.str() + "/") + L"SYSTEM\\DATA\\BOLTS_ISO4017.MDB"),
            real("system/Data/Bolts_ISO4017.mdb"));
  EXPECT_EQ(resolve(L"X:\\\u00e4RGER\\\u0431\u041e\u041b\u0422.MDB"),
            real("\xc3\x84rger/\xd0\x91\xd0\xbe\xd0\xbb\xd1\x82.mdb"));
}

TEST_F(FsResolve, PrefersTheExactCase) {
  tree.file("Data/a.mdb");
  tree.file("DATA/b.mdb");
  EXPECT_EQ(resolve(L"X:\\Data\\A.MDB"), real("Data/a.mdb"));
  EXPECT_EQ(resolve(L"X:\\DATA\\B.MDB"), real("DATA/b.mdb"));
  EXPECT_EQ(resolve(L"X:\\data"), real("DATA")) << "neither spelling: the smaller in byte order";
}

TEST_F(FsResolve, KeepsOnlyAMissingLastComponent) {
  tree.dir("system/data");
  tree.file("system/file");
  EXPECT_EQ(resolve(L"X:\\SYSTEM\\DATA\\NEWPRO.MDB"), real("system/data/NEWPRO.MDB"));
  EXPECT_EQ(resolve(L"X:\\SYSTEM\\MISSING\\NEWPRO.MDB"), std::nullopt);
  EXPECT_EQ(resolve(L"X:\\SYSTEM\\FILE\\NEWPRO.MDB"), std::nullopt);
  EXPECT_EQ(resolve(L"Y:\\anything"), std::nullopt);
}

TEST_F(FsResolve, SeesAFileCreatedInAnOldFolder) {
  tree.file("data/nuts.mdb");
  setFolderTime("data");
  EXPECT_EQ(resolve(L"X:\\DATA\\BOLTS.MDB"), real("data/BOLTS.MDB"));
  tree.file("data/Bolts.mdb");
  EXPECT_EQ(resolve(L"X:\\DATA\\BOLTS.MDB"), real("data/Bolts.mdb"));
}

TEST_F(FsResolve, SeesAFileCreatedWithinOneTimestampTick) {
  // Coarse timestamps can leave a folder's time unchanged by a creation that
  // closely follows a scan; putting the old time back makes it so here.
  tree.dir("data");
  const timespec before = folderTime("data");
  EXPECT_EQ(resolve(L"X:\\DATA\\BOLTS.MDB"), real("data/BOLTS.MDB"));
  tree.file("data/bolts.mdb");
  setFolderTime("data", before);
  EXPECT_EQ(resolve(L"X:\\DATA\\BOLTS.MDB"), real("data/bolts.mdb"));
}

TEST_F(FsResolve, SeesARenamedFileEvenWhenTheFolderTimeIsUnchanged) {
  tree.file("data/bolts.mdb");
  setFolderTime("data");
  EXPECT_EQ(resolve(L"X:\\DATA\\BOLTS.MDB"), real("data/bolts.mdb"));
  const timespec before = folderTime("data");
  std::filesystem::rename(tree.path("data/bolts.mdb"), tree.path("data/Bolts.MDB"));
  setFolderTime("data", before);
  EXPECT_EQ(resolve(L"X:\\DATA\\BOLTS.MDB"), real("data/Bolts.MDB"));
}

}  // namespace
