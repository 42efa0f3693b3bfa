// SPDX-License-Identifier: MIT
// zeptcat section as a user runs it: the built binary on a profile catalog
// made here through the catalog layer, and on KORVA texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "database/ZEPTDBProfile.h"
#include "support/CatalogFolders.h"
#include "support/ProfileCatalogs.h"
#include "tools/RunTool.h"

using namespace zept::test;

namespace {

class zeptcatSection : public ToolTest {
 protected:
  void SetUp() override {
    makeCatalog(tree.path("data/PDLScripts.mdb"),
                {createShape(L"ShapeTemplate"), createScripts(L"PDLScripts"),
                 insertScript(L"PDLScripts", 8,
                              L"StartContour(-B/2,-H/2,ext); LineTo(B/2,-H/2); LineTo(B/2,H/2); LineTo(-B/2,H/2);"
                              L"StartContour(-B/4,0,hole); ArcTo(B/4,0,B/4,CW); ArcTo(-B/4,0,B/4,CW);",
                              true)});
    // Created through the catalog layer, which wants Windows-style folders.
    ScopedEnv drive("ZEPT_DRIVE_U", tree.str());
    FolderSettings settings{L"U:\\data\\", L"U:\\data\\"};
    setCFG(&settings);
    {
      ZEPTDBProfile writer;
      ASSERT_EQ(writer.createProfileDB(L"MINE", DtDb::kMetric), 0);
      ZEPTDBProfileData r;
      r.name = L"PL";
      r.dim1 = 200;
      r.shapeType = 8;
      r.h = 200;
      r.b = 100;
      ASSERT_EQ(writer.setProfileData(r), 0);
      r.name = L"NONE";
      r.shapeType = 99;
      ASSERT_EQ(writer.setProfileData(r), 0);
    }
    setCFG(nullptr);
  }

  ToolResult run(std::vector<std::string> const& args) { return zeptcat({"--data", data}, args); }

  std::string data = tree.dir("data").string() + "/";
};

// A plate of 100 x 200 with a round hole of diameter 50 in its middle.
TEST_F(zeptcatSection, CatalogSizeWithItsValues) {
  const auto r = run({"section", "mine", "PL", "200"});
  ASSERT_EQ(r.status, 0) << r.err;
  // The closed forms exactly; the solution's values (rounding differs
  // between builds) by their fields.
  std::string const closed = r.out.substr(0, r.out.find("WplY"));
  EXPECT_EQ(closed,
            "Section  Contour  Hole   Vertex  X    Y     Bulge\n"
            "-------  -------  -----  ------  ---  ----  -----\n"
            "1        1        False  1       -50  -100  0\n"
            "1        1        False  2       50   -100  0\n"
            "1        1        False  3       50   100   0\n"
            "1        1        False  4       -50  100   0\n"
            "1        2        True   1       -25  0     -1\n"
            "1        2        True   2       25   0     -1\n"
            "(6 rows)\n"
            "\n"
            "Field      Value\n"
            "---------  ----------------\n"
            "Units      mm\n"
            "MinX       -50\n"
            "MinY       -100\n"
            "MaxX       50\n"
            "MaxY       100\n"
            // 100 x 200 less a circle of radius 25: pi r^4 / 4 off each moment
            "Area       18036.5045915064\n"
            "CentroidX  0\n"
            "CentroidY  0\n"
            "Iy         66359870.5090895\n"
            "Iz         16359870.5090895\n"
            "Iyz        0\n"
            "Wy         663598.705090895\n"
            "Wz         327197.410181791\n");
  // Plastic: b h^2 / 4 less the hole's 4 r^3 / 3, each way.
  auto value = [&](std::string const& field) {
    auto const at = r.out.find("\n" + field + " ");
    return at == std::string::npos ? NAN : std::strtod(r.out.c_str() + at + field.size() + 2, nullptr);
  };
  EXPECT_NEAR(value("WplY"), 100 * 200 * 200 / 4.0 - 4 * 25 * 25 * 25 / 3.0, 1e-6);
  EXPECT_NEAR(value("WplZ"), 200 * 100 * 100 / 4.0 - 4 * 25 * 25 * 25 / 3.0, 1e-6);
  EXPECT_GT(value("It"), 0);
  EXPECT_EQ(value("ShearCX") + value("ShearCY"), 0);
  EXPECT_NE(r.out.find("Solution   ok\n(26 rows)\n"), std::string::npos) << r.out;
}

TEST_F(zeptcatSection, KorvaTextReadAndWritten) {
  const std::string square = "\"cm\" ( ( (S ( (L 0 0) (L 10 0) (L 10 10) (L 0 10) ) 0 ( ) ) ) )";
  auto r = run({"--json", "section", "--korva", square});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"MaxX\": 100, \"MaxY\": 100, \"Area\": 10000"), std::string::npos) << r.out;
  // The old grammar is in metres.
  r = run({"section", "--korva", "0.5#0-0:2-0:2-1:0-1", "--units", "in"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("MaxX       39.3700787401575\n"), std::string::npos) << r.out;

  // The KORVA text of a built section reads back into the same section, in
  // the units it names.
  r = run({"section", "MINE", "PL", "200", "--units", "in", "--korva-out"});
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.out.rfind("\"in\" (", 0), 0u) << r.out;
  ASSERT_EQ(r.out.back(), '\n');
  const std::string text = r.out.substr(0, r.out.size() - 1);
  const auto inches = run({"section", "MINE", "PL", "200", "--units", "in"});
  r = run({"section", "--korva", text, "--units", "in"});
  ASSERT_EQ(r.status, 0) << r.err;
  // Single precision in the text: the values agree to seven digits.
  auto line = [](std::string const& out, std::string const& field) {
    const auto at = out.find("\n" + field + " ");
    return at == std::string::npos ? std::string() : out.substr(at, out.find('\n', at + 1) - at);
  };
  EXPECT_EQ(line(r.out, "Area").substr(0, 19), line(inches.out, "Area").substr(0, 19)) << r.out;
  EXPECT_EQ(line(r.out, "Iy").substr(0, 19), line(inches.out, "Iy").substr(0, 19)) << r.out;
  r = run({"--json", "section", "MINE", "PL", "200", "--korva-out"});
  EXPECT_EQ(r.out.rfind("{\"KORVA\": \"\\\"mm\\\" (", 0), 0u) << r.out;
}

// Refusals say what is wrong: 1 for the command line or its text, 2 for
// what the catalogs lack.
TEST_F(zeptcatSection, Refusals) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
  } const cases[] = {
      {{"section"}, 1, "section needs CATALOG PROFILE DIMS"},
      {{"section", "MINE", "PL"}, 1, "section needs CATALOG PROFILE DIMS"},
      {{"section", "MINE", "PL", "200", "--units", "cm"}, 1, "--units"},
      {{"section", "MINE", "PL", "200", "--korva", "x"}, 1, "excludes"},
      {{"section", "NOPE", "PL", "200"}, 2, "no profile catalog NOPE (NOPEpro.mdb)"},
      {{"section", "MINE", "PL", "300"}, 2, "MINE has no size PL 300"},
      {{"section", "MINE", "NONE", "200"}, 2, "NONE 200 has neither a shape script nor a KORVA contour"},
      {{"section", "--korva", ""}, 1, "--korva: the text is empty"},
      {{"section", "--korva", "\"mm\" ( ( (s ( (L 0 0) ) 0 ( ) ) ) )"}, 1, "does not read"},
      {{"section", "--korva", "\"yd\" ( )"}, 1, "unit \"yd\" cannot be converted to mm"},
      {{"section", "--korva", "garbage"}, 1, "--korva: the text does not read as a KORVA definition"},
  };
  for (auto const& c : cases) {
    const auto r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.back() << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
}

}  // namespace
