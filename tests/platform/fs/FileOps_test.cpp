// SPDX-License-Identifier: MIT
#include "platform/fs/FileOps.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/core/Utf8.h"
#include "support/TestTree.h"

namespace {

using namespace zept::fs;
using zept::test::TempTree;
namespace sfs = std::filesystem;

class FsFileOps : public ::testing::Test {
 protected:
  static sfs::perms modeOf(sfs::path const& p) { return sfs::status(p).permissions(); }
  // Counting entries shows any temporary file a copy left behind.
  std::size_t entriesIn(std::string const& rel) const {
    auto it = sfs::directory_iterator(tree.path(rel));
    return static_cast<std::size_t>(std::distance(it, sfs::directory_iterator()));
  }

  TempTree tree;
  zept::test::ScopedEnv drive{"ZEPT_DRIVE_X", tree.str()};
};

// Tests may run as root, for whom open() ignores the bits: check the bits.
TEST_F(FsFileOps, ReadOnlyIsTheOwnerWriteBit) {
  auto p = tree.file("Data/Bolts.mdb");
  sfs::permissions(tree.dir("Data/Sub"), sfs::perms(0555));
  sfs::permissions(p, sfs::perms(0664));
  EXPECT_EQ(getFileAttributes(L"X:\\DATA\\BOLTS.MDB"), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(getFileAttributes(L"X:\\DATA\\SUB"), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(getFileAttributes(L"X:\\DATA\\NUTS.MDB"), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(setFileAttributes(L"X:\\DATA\\NUTS.MDB", FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(setFileAttributes(L"X:\\DATA\\BOLTS.MDB", FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(modeOf(p), sfs::perms(0464)) << "only the owner's write bit goes";
  EXPECT_EQ(getFileAttributes(L"X:\\DATA\\BOLTS.MDB"), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(isReadOnly(L"x:\\data\\bolts.mdb"));
  ASSERT_TRUE(setFileAttributes(L"X:\\DATA\\BOLTS.MDB", FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(modeOf(p), sfs::perms(0664));
  EXPECT_FALSE(isReadOnly(L"X:\\DATA\\BOLTS.MDB"));
}

// A refused copy leaves the target as it was; a done one replaces it whole,
// found case-insensitively, with the source's mode and time.
TEST_F(FsFileOps, CopyRefusesOrReplacesWhole) {
  auto src = tree.file("Data/Bolts.mdb", std::string(100000, 'b'));
  sfs::permissions(src, sfs::perms(0640));
  tree.file("App/bolts.mdb", std::string(200000, 'o'));
  sfs::permissions(tree.file("App/Locked.mdb", "locked"), sfs::perms(0444));
  tree.dir("App/Folder.mdb");
  const std::tuple<wchar_t const*, wchar_t const*, bool> refused[] = {
      {L"X:\\DATA\\BOLTS.MDB", L"X:\\APP\\BOLTS.MDB", true},     // target exists
      {L"X:\\DATA\\NUTS.MDB", L"X:\\APP\\NUTS.MDB", false},      // no source
      {L"X:\\DATA", L"X:\\APP\\DATA", false},                    // source is a folder
      {L"X:\\DATA\\BOLTS.MDB", L"X:\\NOAPP\\BOLTS.MDB", false},  // no target folder
      {L"X:\\DATA\\BOLTS.MDB", L"X:\\APP\\LOCKED.MDB", false},   // read-only target
      {L"X:\\DATA\\BOLTS.MDB", L"X:\\APP\\FOLDER.MDB", false},   // target is a folder
  };
  for (auto const& [from, to, failIfExists] : refused)
    EXPECT_FALSE(copyFile(from, to, failIfExists)) << zept::toUtf8(from) << " -> " << zept::toUtf8(to);
  EXPECT_EQ(TempTree::read(tree.path("App/bolts.mdb")), std::string(200000, 'o'));
  EXPECT_EQ(TempTree::read(tree.path("App/Locked.mdb")), "locked");
  EXPECT_EQ(entriesIn("App"), 3u);

  ASSERT_TRUE(copyFile(L"X:\\DATA\\BOLTS.MDB", L"X:\\APP\\NUTS.MDB", true));
  EXPECT_EQ(TempTree::read(tree.path("App/NUTS.MDB")), std::string(100000, 'b'));
  EXPECT_EQ(modeOf(tree.path("App/NUTS.MDB")), sfs::perms(0640));
  EXPECT_EQ(sfs::last_write_time(tree.path("App/NUTS.MDB")), sfs::last_write_time(src));
  ASSERT_TRUE(copyFile(L"X:\\DATA\\BOLTS.MDB", L"X:\\APP\\BOLTS.MDB", false));
  EXPECT_EQ(TempTree::read(tree.path("App/bolts.mdb")), std::string(100000, 'b'));
  EXPECT_EQ(entriesIn("App"), 4u);
}

TEST_F(FsFileOps, DeleteRemovesWritableFilesOnly) {
  tree.file("Data/Bolts.mdb");
  sfs::permissions(tree.file("Data/Locked.mdb"), sfs::perms(0444));
  tree.dir("Data/Sub");
  EXPECT_TRUE(deleteFile(L"X:\\DATA\\BOLTS.MDB"));
  EXPECT_FALSE(fileExists(L"X:\\DATA\\BOLTS.MDB") || deleteFile(L"X:\\DATA\\BOLTS.MDB"));
  EXPECT_FALSE(deleteFile(L"X:\\DATA\\LOCKED.MDB") || deleteFile(L"X:\\DATA\\SUB"));
  EXPECT_EQ(entriesIn("Data"), 2u);
}

TEST_F(FsFileOps, AReaderNeverSeesHalfACopy) {
  const std::string a(1 << 18, 'a'), b(1 << 18, 'b');
  tree.file("a.mdb", a);
  tree.file("b.mdb", b);
  tree.file("target.mdb", a);
  std::atomic<bool> done{false};
  std::atomic<int> torn{0};
  std::thread reader([&] {
    while (!done) {
      const std::string s = TempTree::read(tree.path("target.mdb"));
      if (s != a && s != b) ++torn;
    }
  });
  for (int i = 0; i < 40; ++i) EXPECT_TRUE(copyFile(i % 2 ? L"X:\\A.MDB" : L"X:\\B.MDB", L"X:\\TARGET.MDB", false));
  done = true;
  reader.join();
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(entriesIn(""), 3u);
}

}  // namespace
