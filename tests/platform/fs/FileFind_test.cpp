// SPDX-License-Identifier: MIT
#include "platform/fs/FileFind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Utf8.h"
#include "support/TestTree.h"

namespace {

using zept::fs::findFiles;
using Names = std::vector<std::wstring>;

class FsFindFiles : public ::testing::Test {
 protected:
  FsFindFiles() {
    for (char const* f : {"Bolts_ISO4017.mdb", "BOLTS_EN14399.MDB", "bolts_A.txt", "Nuts_ISO4032.mdb", "cr_M8.mdb",
                          "cr_M10.mdb", "README"})
      tree.file(std::string("System/Data/") + f);
    tree.dir("System/Data/Bolts_Dir.mdb");
  }
  static Names names(std::wstring const& pattern) {
    Names out;
    for (auto const& e : findFiles(pattern)) out.push_back(e.name);
    return out;
  }

  zept::test::TempTree tree;
  zept::test::ScopedEnv drive{"ZEPT_DRIVE_X", tree.str()};
  std::wstring root = zept::fromUtf8(tree.str());
};

TEST_F(FsFindFiles, MatchesTheLastComponentIgnoringCase) {
  const Names bolts = {L"BOLTS_EN14399.MDB", L"Bolts_Dir.mdb", L"Bolts_ISO4017.mdb"};
  const std::pair<std::wstring, Names> cases[] = {
      {L"x:\\system\\data\\\\bolts_*.mdb", bolts},
      {L"X:\\SYSTEM\\DATA\\CR_M?*.MDB", {L"cr_M10.mdb", L"cr_M8.mdb"}},
      {root + L"/\\SYSTEM\\DATA\\NUTS_*.MDB", {L"Nuts_ISO4032.mdb"}},
      {L"X:\\SYSTEM\\DATA\\NUTS_ISO4032.MDB", {L"Nuts_ISO4032.mdb"}},  // no wildcard: the stored name
      {L"X:\\SYSTEM\\DATA\\NUTS_DIN934.MDB", {}},
      {L"X:\\SYSTEM\\MISSING\\*.MDB", {}},
      {L"X:\\SYSTEM\\DATA\\", {}},
      {L"X:\\SYSTEM\\DATA\\..", {}},
  };
  for (auto const& [pattern, want] : cases) EXPECT_EQ(names(pattern), want) << zept::toUtf8(pattern);
  EXPECT_EQ(names(L"X:\\SYSTEM\\DATA\\*.*").size(), 8u) << "*.* takes names without a dot too";
  tree.file("System/Data/bolts_new.mdb");
  EXPECT_EQ(names(L"X:\\SYSTEM\\DATA\\BOLTS_*.MDB").size(), 4u) << "a new file is seen";
}

// MFC's loop: no entry before the first FindNextFile, which answers false on
// the last one; paths are built with backslashes, also from a POSIX pattern.
TEST_F(FsFindFiles, CFileFindLoopsTheMfcWay) {
  CFileFind f;
  Names seen;
  bool more = f.FindFile(L"X:\\SYSTEM\\\\DATA\\CR_*.MDB");
  EXPECT_TRUE(f.GetFileName().IsEmpty());
  while (more) {
    more = f.FindNextFile();
    seen.push_back(f.GetFilePath().str());
  }
  EXPECT_EQ(seen, (Names{L"X:\\SYSTEM\\DATA\\cr_M10.mdb", L"X:\\SYSTEM\\DATA\\cr_M8.mdb"}));
  EXPECT_FALSE(f.FindFile(L"X:\\SYSTEM\\DATA\\NOTHING*.MDB"));
  EXPECT_TRUE(f.GetFileName().IsEmpty());

  ASSERT_TRUE(f.FindFile((root + L"/System/Data/bolts_D*.mdb").c_str()));
  EXPECT_FALSE(f.FindNextFile());
  EXPECT_TRUE(f.IsDirectory());
  const std::wstring path = f.GetFilePath().str();
  EXPECT_EQ(path.substr(path.rfind(L'\\') + 1), L"Bolts_Dir.mdb");
  EXPECT_EQ(path.find(L'/'), std::wstring::npos);
  EXPECT_EQ(findFiles(path).size(), 1u);
}

}  // namespace
