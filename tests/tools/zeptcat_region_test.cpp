// SPDX-License-Identifier: MIT
// zeptcat region as a user runs it: the built binary on the bundled sample
// drawings and on drawings written here, storing sizes in a catalog folder
// of its own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestTree.h"
#include "tools/RunTool.h"

using namespace zept::test;

namespace {

std::string const kData = ZEPT_BUNDLED_DATA_DIR "/";
std::string const kBox = kData + "WeldedBox.dxf";
std::string const kPlate = kData + "PlateTwoHoles.dxf";

// Pieces of the drawings written here.
std::string const kEntities = "0\nSECTION\n2\nENTITIES\n", kEnd = "0\nENDSEC\n0\nEOF\n";
std::string circle(int x, int y, int r) {
  return "0\nCIRCLE\n8\n0\n10\n" + std::to_string(x) + "\n20\n" + std::to_string(y) + "\n40\n" + std::to_string(r) + "\n";
}

class zeptcatRegion : public ToolTest {
 protected:
  ToolResult run(std::vector<std::string> const& args) { return zeptcat({"--data", kData, "--app", app}, args); }

  std::string file(std::string const& name, std::string const& text) {
    std::string const path = tree.path(name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // The printed value of one field of the values table.
  static double field(std::string const& out, std::string const& name) {
    auto const at = out.find("\n" + name + " ");
    return at == std::string::npos ? NAN : std::stod(out.substr(at + name.size() + 1));
  }

  std::string app = tree.dir("app").string() + "/";
};

// Holes are subtracted, a layer filters, --units names the unit; the
// origin is the centroid.
TEST_F(zeptcatRegion, SampleDrawings) {
  double const plate = 240 * 120 - (4 - std::numbers::pi) * 100;  // corners of radius 10
  double const holes = 2 * std::numbers::pi * 11 * 11;
  std::string const square = "0\nLWPOLYLINE\n8\n0\n90\n4\n70\n1\n10\n-50\n20\n-50\n10\n50\n20\n-50\n10\n50\n20\n50\n10\n-50\n20\n50\n";
  std::string const entities = kEntities + square;
  // A hole with an island, which is a solid again; four holes drawn as
  // references to one block, as the drawing exploded would have them.
  std::string const island = file("island.dxf", entities + circle(0, 0, 30) + circle(0, 0, 10) + kEnd);
  std::string insert;
  for (int x : {-25, 25})
    for (int y : {-25, 25}) insert += "0\nINSERT\n2\nHOLE\n10\n" + std::to_string(x) + "\n20\n" + std::to_string(y) + "\n";
  std::string const blocks = file("blocks.dxf", "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nHOLE\n10\n0\n20\n0\n" + circle(0, 0, 5) +
                                                    "0\nENDBLK\n0\nENDSEC\n" + entities + insert + kEnd);
  struct Case {
    std::vector<std::string> args;
    double area;
    char const* units;
  } const cases[] = {
      {{"region", island}, 1e4 - 800 * std::numbers::pi, "mm"},
      {{"region", blocks}, 1e4 - 100 * std::numbers::pi, "mm"},
      {{"region", kBox}, 2 * 300 * 20 + 2 * 12 * 460, "mm"},  // flanges and webs
      {{"region", kPlate}, plate - holes, "mm"},
      {{"region", kPlate, "--layer", "PLATE"}, plate, "mm"},
      {{"region", kPlate, "--units", "in"}, plate - holes, "in"},
  };
  for (auto const& c : cases) {
    auto const r = run(c.args);
    ASSERT_EQ(r.status, 0) << c.args.back() << ": " << r.err;
    EXPECT_NEAR(field(r.out, "Area"), c.area, 1e-9 * c.area) << r.out;
    EXPECT_EQ(field(r.out, "CentroidX") + field(r.out, "CentroidY"), 0) << r.out;
    EXPECT_NE(r.out.find("Units      " + std::string(c.units) + "\n"), std::string::npos) << r.out;
  }
}

// The numbers of a printed section, table by table, row by row (texts such
// as "False" and "mm" as NaN).
std::vector<std::vector<double>> numbers(std::string const& out) {
  std::vector<std::vector<double>> rows;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '-' || line[0] == '(' || line.rfind("Section", 0) == 0 ||
        line.rfind("Field", 0) == 0)
      continue;
    std::istringstream cells(line);
    auto& row = rows.emplace_back();
    for (std::string cell; cells >> cell;) {
      char* end = nullptr;
      double const v = std::strtod(cell.c_str(), &end);
      row.push_back(*end == '\0' ? v : NAN);
    }
  }
  return rows;
}

// A stored size prints through zeptcat section as the drawing did, to the
// catalog's precision: its contour text keeps single precision.
TEST_F(zeptcatRegion, WrittenSizeReadsBackThroughSection) {
  for (auto const& [drawing, name] : {std::pair{kBox, "BOX"}, std::pair{kPlate, "PL2"}}) {
    auto const written = run({"region", drawing, "--write", "mine", name, "500x300"});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_NE(written.out.find("MINE     " + std::string(name) + "   500x300"), std::string::npos) << written.out;
    auto const read = run({"section", "MINE", name, "500x300"});
    ASSERT_EQ(read.status, 0) << read.err;
    auto const want = numbers(written.out.substr(0, written.out.find("\nCatalog")));
    auto const got = numbers(read.out);
    ASSERT_EQ(got.size(), want.size()) << read.out;
    for (std::size_t r = 0; r < want.size(); ++r) {
      ASSERT_EQ(got[r].size(), want[r].size()) << r;
      for (std::size_t c = 0; c < want[r].size(); ++c) {
        if (std::isnan(want[r][c])) continue;
        EXPECT_NEAR(got[r][c], want[r][c], 1e-5 * std::fmax(1, std::fabs(want[r][c])))
            << name << " row " << r << ", cell " << c;
      }
    }
  }
}

// Drawings that do not make a section exit 2 with the reason; command lines
// that are refused exit 1.
TEST_F(zeptcatRegion, Refusals) {
  std::string box;
  {
    std::ifstream in(kBox);
    box.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
  } const cases[] = {
      {{tree.path("missing.dxf").string()}, 2, "missing.dxf"},
      {{file("text.dxf", "not a drawing\n")}, 2, "text.dxf"},
      {{file("cut.dxf", box.substr(0, box.size() / 2))}, 2, "cut.dxf"},
      {{file("empty.dxf", kEntities + kEnd)}, 2, "no outlines"},
      {{file("open.dxf", kEntities + "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n5\n21\n0\n" + kEnd)}, 2, "loops"},
      {{file("overlap.dxf", kEntities + circle(0, 0, 5) + circle(6, 0, 5) + kEnd)}, 2, "overlap"},
      {{kBox, "--layer", "NONE"}, 2, "nothing on layer NONE"},
      {{kBox, "--write", "MINE", "LONGER", "1"}, 1, "4 characters"},
      {{kBox, "--write", "", "BOX", "1"}, 1, "names no file"},
      {{kBox, "--units", "cm"}, 1, "--units"},
  };
  for (auto const& c : cases) {
    std::vector<std::string> args{"region"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    auto const r = run(args);
    EXPECT_EQ(r.status, c.status) << c.args.front() << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args.front() << ": " << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
}

}  // namespace
