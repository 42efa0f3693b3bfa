// SPDX-License-Identifier: MIT
#include "platform/fs/TempFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Utf8.h"
#include "platform/fs/FileOps.h"
#include "platform/gdi/Surface.h"
#include "platform/host/DxfFile.h"
#include "support/TestTree.h"

namespace {

using zept::fs::TempFile;
using zept::test::TempTree;
namespace sfs = std::filesystem;

void makeOld(std::string const& path) {
  const timespec hourAgo{::time(nullptr) - 3600, 0};
  const timespec times[2] = {hourAgo, hourAgo};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// A builder killed midway: its file stays, its lock goes with it.
std::string leftoverOfKilledBuilder(std::string const& folder) {
  int link[2];
  if (::pipe(link) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    TempFile file(folder);
    const std::string& path = file.path();
    (void)!::write(link[1], path.data(), path.size());
    ::kill(::getpid(), SIGKILL);
  }
  ::close(link[1]);
  char buffer[512];
  const ssize_t n = ::read(link[0], buffer, sizeof buffer);
  ::close(link[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

struct Writer {
  char const* name;
  char const* fileName;
  bool followsLinks;  // a link at the name leads to the file written
  std::function<bool(std::string const& path)> write;
  friend void PrintTo(Writer const& w, std::ostream* os) { *os << w.name; }
  bool writeIn(std::string const& folder) const { return write(folder + "/" + fileName); }
};

class TempFiles : public ::testing::TestWithParam<Writer> {
 protected:
  TempTree tree;
};

// Whoever next builds in a folder removes what killed builders left there,
// never a file whose builder lives, one too young to judge, nor anything else:
// not a user's file under the temporaries' prefix, nor a copy of a leftover
// put under the leftover's own name.
TEST_P(TempFiles, NextBuilderRemovesOnlyDeadLeftovers) {
  const std::string folder = tree.dir("out").string();
  const std::string dead = leftoverOfKilledBuilder(folder);
  ASSERT_TRUE(sfs::exists(dead));
  makeOld(dead);
  const std::string young = leftoverOfKilledBuilder(folder);
  std::optional<TempFile> live(std::in_place, folder);
  ASSERT_TRUE(live->valid());
  const std::string livePath = live->path();
  std::vector<std::string> kept = {livePath, tree.file("out/.zept-tmp-but-a-folder/x").parent_path().string(),
                                   tree.file("out/.keep").string(),
                                   tree.file("out/.zept-tmp-mine.dxf", "drawing").string()};
  for (auto const& path : kept) makeOld(path);
  const std::string copied = kept.emplace_back(leftoverOfKilledBuilder(folder));
  sfs::copy_file(copied, copied + ".copy");
  sfs::rename(copied + ".copy", copied);
  makeOld(copied);
  kept.push_back(young);

  ASSERT_TRUE(GetParam().writeIn(folder));
  EXPECT_FALSE(sfs::exists(dead));
  for (auto const& path : kept) EXPECT_TRUE(sfs::exists(path)) << path;
  live.reset();
  EXPECT_FALSE(sfs::exists(livePath));
}

// A rename would put a regular file in place of a device, a FIFO or a link:
// those are refused, and a link the writer follows keeps its place while the
// file it names is written.
TEST_P(TempFiles, NothingButAFileIsReplaced) {
  Writer const& writer = GetParam();
  const sfs::path fifo = tree.path(std::string("fifo-") + writer.fileName);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_FALSE(writer.write(fifo.string()));
  EXPECT_TRUE(sfs::is_fifo(fifo));

  const sfs::path linked = tree.file(std::string("elsewhere/") + writer.fileName, "old");
  const sfs::path link = tree.path(writer.fileName);
  sfs::create_symlink(linked, link);
  ASSERT_TRUE(writer.write(link.string()));
  EXPECT_EQ(sfs::is_symlink(link), writer.followsLinks);
  EXPECT_EQ(TempTree::read(linked) != "old", writer.followsLinks);

  const sfs::path dangling = tree.path(std::string("dangling-") + writer.fileName);
  sfs::create_symlink(tree.path("nowhere"), dangling);
  EXPECT_EQ(writer.write(dangling.string()), !writer.followsLinks);
  EXPECT_FALSE(sfs::exists(tree.path("nowhere")));
}

INSTANTIATE_TEST_SUITE_P(
    Writers, TempFiles,
    ::testing::Values(Writer{"CopyFile", "copy.mdb", false,
                             [](std::string const& path) {
                               const std::string from = path + ".source";
                               std::ofstream(from) << "catalog";
                               return zept::fs::copyFile(zept::fromUtf8(from), zept::fromUtf8(path), false);
                             }},
                      Writer{"Dxf", "d.dxf", true,
                             [](std::string const& path) {
                               std::string error;
                               return zept::dxf::write(path, zept::dxf::Drawing{}, true, error);
                             }},
                      Writer{"Png", "p.png", true,
                             [](std::string const& path) { return zept::gdi::Surface(4, 4).savePng(path); }}),
    [](auto const& info) { return std::string(info.param.name); });

TEST(TempFile, NoReplacePlacementKeepsTheTargetAndTheFile) {
  TempTree tree;
  const std::string target = tree.file("t.txt", "old").string();
  std::string path;
  {
    TempFile file(tree.str());
    ASSERT_TRUE(file.valid());
    path = file.path();
    EXPECT_FALSE(file.placeAt(target, false));
    EXPECT_EQ(errno, EEXIST);
    EXPECT_TRUE(sfs::exists(path));
    EXPECT_EQ(TempTree::read(target), "old");
  }
  EXPECT_FALSE(sfs::exists(path));
}

// Catalogs are found by name without regard to case, before their journals:
// a drawing or picture under such a name would hide one or pose as its journal.
TEST(SavedDrawings, NeverTakeACatalogsName) {
  TempTree tree;
  for (char const* name : {"EUROpro.mdb", "x.MDB", "x.mdb-journal", "x.Mdb.building"}) {
    SCOPED_TRACE(name);
    std::string error;
    EXPECT_FALSE(zept::dxf::write(tree.path(name).string(), zept::dxf::Drawing{}, false, error));
    EXPECT_FALSE(zept::gdi::Surface(4, 4).savePng(tree.path(name)));
  }
  EXPECT_TRUE(sfs::is_empty(tree.str()));
}

}  // namespace
