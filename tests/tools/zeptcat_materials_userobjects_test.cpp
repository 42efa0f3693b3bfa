// SPDX-License-Identifier: MIT
// zeptcat materials and userobjects as a user runs them: the bundled
// catalogs read, and a user-object catalog created, written, read back in
// both unit systems and emptied again in a scratch folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "support/TestTree.h"
#include "tools/RunTool.h"

using zept::test::ToolResult;

namespace {

bool has(std::string const& text, std::string const& part) { return text.find(part) != std::string::npos; }

class zeptcatMaterialsUserObjects : public zept::test::ToolTest {
 protected:
  ToolResult bundled(std::vector<std::string> const& args) {
    return zeptcat({"--data", ZEPT_BUNDLED_DATA_DIR}, args, {"ZEPT_LANG=1031"});
  }
  // In the scratch folder "cat/", which is both data and user-object folder.
  ToolResult scratch(std::vector<std::string> const& args) {
    return zeptcat({"--data", tree.dir("cat").string()}, args);
  }
  std::string input(std::string const& text) { return tree.file("input.txt", text).string(); }
};

TEST_F(zeptcatMaterialsUserObjects, Materials) {
  auto r = bundled({"--json", "materials", "en", "S355J2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("{\"ID\": ") && r.out.ends_with("}\n")) << "one object: " << r.out;
  EXPECT_TRUE(has(r.out, "\"NAME\": \"S355J2\"") && has(r.out, "\"RE\": 355") && has(r.out, "\"RT\": 510") &&
              has(r.out, "\"KIRCHOFF\": 81000"))
      << r.out;
  EXPECT_TRUE(has(bundled({"materials", "EN", "--type", "steel"}).out, "(57 rows)"));
  r = bundled({"materials", "EN", "S999"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "its grades: C24, C30/37")) << r.err;
  EXPECT_EQ(bundled({"materials", "EN", "--type", "iron"}).status, 1);
}

// Translations follow ZEPT_LANG; records name their catalog by its file.
TEST_F(zeptcatMaterialsUserObjects, BundledUserObjects) {
  auto r = bundled({"userobjects", "--category", "Stiffening"});
  EXPECT_TRUE(has(r.out, "STIFFENERS  Stiffening  Web stiffeners and rib plates  Aussteifung")) << r.out;
  r = bundled({"--json", "userobjects", "AnchorPlates", "AP 300x300x20", "--units", "in"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.out, "\"catalog\": \"ANCHORPLATES\"") && has(r.out, "\"mass\": 31.15131764886") &&
              has(r.out, "\"massUnit\": \"lb\"") && has(r.out, "{\"description\": \"Studs\", \"value\": \"4 x 19 x 200\"}"))
      << r.out;
  // A category no catalog has is named as such, with those there are.
  EXPECT_EQ(bundled({"userobjects", "--locales", "Anchorage"}).status, 0);
  r = bundled({"userobjects", "--locales", "AnchorPlate"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.err, "category \"AnchorPlate\"; the categories: Stiffening, Anchorage\n")) << r.err;
}

// Create, write, read back and write the read again: the id and the mass
// stay; bad input changes nothing.
TEST_F(zeptcatMaterialsUserObjects, WritingObjects) {
  tree.file("cat/junk.mdb", "not a catalog");
  ASSERT_EQ(scratch({"userobjects", "--create", "Brackets", "--category", "Brackets"}).status, 0);
  EXPECT_EQ(scratch({"userobjects", "--create", "BRACKETS", "--category", "X"}).status, 2);
  EXPECT_EQ(scratch({"userobjects", "--create", "Other", "--category", "A;B"}).status, 2);
  for (char const* name : {"", "."}) EXPECT_EQ(scratch({"userobjects", "--create", name, "--category", "X"}).status, 1);
  EXPECT_FALSE(std::filesystem::exists(tree.path("cat/.mdb")));
  auto r = scratch({"userobjects", "Brackets", "--write", input("name=BR 1\nsizeX=100\nmass=3\nextra.Bolt=M16\n")});
  ASSERT_EQ(r.status, 0) << r.err;

  r = scratch({"--json", "userobjects", "Brackets", "BR 1", "--units", "in"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.out, "\"mass\": 6.613867866,") && has(r.out, "\"isMetric\": true") &&
              has(r.out, "\"scaleX\": 1,") && has(r.out, "\"scaleZ\": 1,"))
      << r.out;
  std::string json = r.out;
  json.replace(json.find("\"sizeX\": 100"), 12, "\"sizeX\": 120");
  r = scratch({"userobjects", "Brackets", "--write", input(json)});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.out, "Brackets  BR 1  1   1")) << r.out;
  r = scratch({"userobjects", "Brackets", "BR 1"});
  EXPECT_TRUE(has(r.out, "sizeX        120\n") && has(r.out, "mass         3.0000000002") &&
              has(r.out, "isMetric     True"))
      << r.out;

  // Input that does not fit is pointed at by line and column.
  const std::tuple<std::string, int, std::string> refused[] = {
      {"name=X\"Y\n", 2, ""},
      {"name=BR 2\ncategory=brackets\n", 2, ""},
      {"nme=BR 2\n", 1, ":1:5: unknown field nme"},
      {"{\"name\": ", 1, ":1:10: "},
      {"{\"name\": \"BR 2\",\n \"mass\": 1e400}", 1, ":2:10: not a finite number: 1e400"},
      {"{\"name\": \"BR 2\", \"sizeX\": [1]}", 1, ":1:27: sizeX must be a finite number"},
      {"{\"name\": \"BR 2\", \"symmetry\": \"maybe\"}", 1, ":1:30: symmetry must be true or false"},
      {"{\"name\": {}}", 1, ":1:10: name must be a text"},
      {"name=BR 2\nmass=  inf\n", 1, ":2:8: mass must be a finite number"},
      {"name=BR 2\nsizeY=nan\n", 1, ":2:7: sizeY must be a finite number"}};
  for (auto const& [text, status, message] : refused) {
    r = scratch({"userobjects", "Brackets", "--write", input(text)});
    EXPECT_EQ(r.status, status) << text;
    EXPECT_TRUE(has(r.err, message)) << text << " -> " << r.err;
  }
  // Input is read only up to a bound, so /dev/zero cannot take the memory.
  const auto big = tree.file("big.txt", "");
  std::filesystem::resize_file(big, 17u << 20);
  r = scratch({"userobjects", "Brackets", "--write", big.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.err, "larger than 16 MiB")) << r.err;
  r = scratch({"userobjects"});
  EXPECT_TRUE(has(r.out, "BRACKETS  Brackets  -") && has(r.out, "(1 row)")) << r.out;

  EXPECT_EQ(scratch({"userobjects", "Brackets", "--remove", "BR 1"}).status, 0);
  EXPECT_EQ(scratch({"userobjects", "Brackets", "--remove", "BR 1"}).status, 2);
  EXPECT_TRUE(has(scratch({"userobjects", "Brackets"}).out, "(0 rows)"));
}

}  // namespace
