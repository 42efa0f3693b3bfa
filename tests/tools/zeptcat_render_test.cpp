// SPDX-License-Identifier: MIT
// zeptcat render as a user runs it: the built binary on KORVA texts, with
// pictures and event scripts in a scratch folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/TestTree.h"
#include "tools/RunTool.h"

using namespace zept::test;

namespace {

// 100 x 50 mm from the origin: in the default 800 x 600 picture the origin
// sits at pixel (400, 300), 3.2 pixels a millimetre, the corner (100, 50) at
// (720, 140).
const std::string kPlate = "\"mm\" ( ( (S ( (L 0 0) (L 100 0) (L 100 50) (L 0 50) ) 0 ( ) ) ) )";

class zeptcatRender : public ToolTest {
 protected:
  ToolResult run(std::vector<std::string> const& args) { return zeptcat({"--data", tree.dir("data").string()}, args); }
  std::string out(std::string const& name) const { return tree.path(name).string(); }
};

TEST_F(zeptcatRender, PictureWithDimensions) {
  // Only the dimension values write texts.
  for (bool dims : {false, true}) {
    std::vector<std::string> args{"render", "--korva", kPlate, "-o", out("plate.svg"), "--show", "frame", "--hatch", "4"};
    if (dims) args.push_back("--dims");
    auto const r = run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, out("plate.svg") + "\n");
    const std::string svg = TempTree::read(out("plate.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_EQ(svg.find(">100</text>") != std::string::npos, dims);
    EXPECT_EQ(svg.find(">50</text>") != std::string::npos, dims);
  }

  auto const r = run({"render", "--korva", kPlate, "-o", out("plate.png"), "--size", "320x200"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(TempTree::read(out("plate.png")).substr(1, 3), "PNG");
}

// A quarter turn clockwise as seen, a zoom notch, the path arrow turned from
// the screen's +x to its -y axis; then a click on the plate's far corner
// puts that corner on the axes.
TEST_F(zeptcatRender, ScriptedSessionsPrintThePlacement) {
  tree.file("turn.txt",
            "# turn, zoom, path\n"
            "rdown 500 300\nmove 450 350\nrup 400 400\n"
            "wheel 120 400 300\n"
            "\n"
            "rdown 500 300 shift\nrup 400 200\n");
  auto r = run({"--json", "render", "--korva", kPlate, "-o", out("t.png"), "--events", out("turn.txt")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "{\"offset\": [0, 0], \"angle\": 270, \"pathAngle\": 90, \"zoom\": 1.1, \"image\": \"" +
                       out("t.png") + "\"}\n");

  tree.file("snap.txt", "ldown 720 140\nlup 720 140\n");
  r = run({"render", "--korva", kPlate, "-o", out("s.png"), "--events", out("snap.txt")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find("image")),
            "offset      -100,-50\n"
            "angle       0\n"
            "path angle  0\n"
            "zoom        1\n");
}

TEST_F(zeptcatRender, Refusals) {
  tree.file("bad.txt", "wheel 120 400 300\nmove 1\n");
  tree.file("verb.txt", "click 1 2\n");
  std::string longScript;
  for (int i = 0; i <= 100000; ++i) longScript += "move 1 1\n";
  tree.file("long.txt", longScript);
  tree.dir("folder.txt");
  ASSERT_EQ(::mkfifo(out("fifo.txt").c_str(), 0600), 0);  // no writer: must not wait for one
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } const cases[] = {
      {{"--hide", "axes,nose"}, "unknown element \"nose\""},
      {{"--color", "hatch=#12345"}, "not a colour #RRGGBB"},
      {{"--color", "sky=#123456"}, "unknown element \"sky\""},
      {{"--size", "40x40"}, "--size: \"40x40\""},
      {{"--size", "800x"}, "--size: \"800x\""},
      {{"--offset", "1,nan"}, "not a finite number"},
      {{"--hatch", "6"}, "--hatch"},
      {{"--events", "bad.txt"}, "bad.txt:2: expected move X Y"},
      {{"--events", "verb.txt"}, "verb.txt:1: unknown message \"click\""},
      {{"--events", "none.txt"}, "cannot read"},
      {{"--events", "folder.txt"}, "folder.txt is a folder"},
      {{"--events", "fifo.txt"}, "fifo.txt is not a regular file"},
      {{"--events", "long.txt"}, "long.txt: more than 100000 lines"},
      {{"-o", "no/such/folder/x.png"}, "cannot write"},
      {{"-o", "x.gif"}, "must end in .png or .svg"},
  };
  for (auto const& c : cases) {
    std::vector<std::string> args{"render", "--korva", kPlate};
    if (c.args[0] != "-o") args.insert(args.end(), {"-o", out("x.png")});
    for (auto a : c.args) args.push_back(a.ends_with(".txt") || a.ends_with("x.png") ? out(a) : a);
    std::filesystem::remove(out("x.png"));
    auto const r = run(args);
    EXPECT_EQ(r.status, 1) << c.message << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out("x.png"))) << c.message;
  }
  // A regular file whose read fails at once: the error, not an empty script.
  auto const r = run({"render", "--korva", kPlate, "-o", out("x.png"), "--events", "/proc/self/mem"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("reading /proc/self/mem failed: Input/output error"), std::string::npos) << r.err;
}

}  // namespace
