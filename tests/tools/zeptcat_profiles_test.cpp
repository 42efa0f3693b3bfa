// SPDX-License-Identifier: MIT
// zeptcat profiles as a user runs it: the built binary on profile catalogs
// made here, with POSIX data and application folders as the command line
// takes them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dao/DaoDatabase.h"
#include "support/ProfileCatalogs.h"
#include "support/TestTree.h"
#include "tools/RunTool.h"

using namespace zept::test;

namespace {

class zeptcatProfiles : public ToolTest {
 protected:
  void SetUp() override {
    templateCatalog(tree.path("data/PDLScripts.mdb"));
    makeCatalog(tree.path("data/Steelpro.mdb"),
                {createShape(), createScripts(L"Section"), insertScript(L"Section", 1, L"LineTo(H,B);", true),
                 insertScript(L"Section", 2, L"U", false), insertSize(L"IPE", 1, 200, 0, 0),
                 insertSize(L"IPE", 1, 100, 0, 0), insertSize(L"IPE", 2, 150, 75, 10),
                 L"UPDATE Shape SET H = DIM1, B = DIM1 / 2, MASS = 8.1 WHERE NAME = \"IPE\"",
                 L"INSERT INTO Shape (NAME, DIM1, DIM2, DIM3) VALUES (\"FL\", 50, 0, 5)",
                 L"CREATE TABLE ProfileName (SHAPE TEXT(50), DESCRIPTION TEXT(255))",
                 L"INSERT INTO ProfileName VALUES (\"IPE\", \"I beam\")"});
  }

  ToolResult run(std::vector<std::string> const& args) { return zeptcat({"--data", data, "--app", app}, args); }

  std::string data = tree.dir("data").string() + "/";
  std::string app = tree.dir("app").string() + "/";
};

TEST_F(zeptcatProfiles, CatalogsNamesAndSizes) {
  struct Case {
    std::vector<std::string> args;
    std::string out;
  } const cases[] = {
      {{"profiles"},
       "Catalog  Folder  SectionUnit  LengthUnit  WeightUnit  Comment\n"
       "-------  ------  -----------  ----------  ----------  -------\n"
       "STEEL    data    -            -           -           -\n"
       "(1 row)\n"},
      {{"profiles", "steel"},
       "Name  ShapeType  Sizes  Description\n"
       "----  ---------  -----  -----------\n"
       "FL    -          1      -\n"
       "IPE   1, 2       3      I beam\n"
       "(2 rows)\n"},
      {{"profiles", "STEEL", "IPE"},
       "Dims       ShapeType  H    B    MASS\n"
       "---------  ---------  ---  ---  ----\n"
       "100        1          100  50   8.1\n"
       "150x75x10  2          150  75   8.1\n"
       "200        1          200  100  8.1\n"
       "(3 rows)\n"},
      {{"profiles", "STEEL", "IPE", "--shape-type", "2"},
       "Dims       ShapeType  H    B   MASS\n"
       "---------  ---------  ---  --  ----\n"
       "150x75x10  2          150  75  8.1\n"
       "(1 row)\n"}};
  for (auto const& c : cases) {
    const auto r = run(c.args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.out) << c.args.back();
  }
}

TEST_F(zeptcatProfiles, RecordWithItsScript) {
  auto r = run({"--json", "profiles", "STEEL", "IPE", "200"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"NAME\": \"IPE\", \"DIM1\": 200, \"DIM2\": 0, \"DIM3\": 0, \"SHAPE_TYPE\": 1, \"MASS\": 8.1"),
            std::string::npos)
      << r.out;
  EXPECT_TRUE(r.out.starts_with("{\"ID\": ")) << "one record is one object: " << r.out;
  EXPECT_TRUE(r.out.ends_with("\"PDL_SCRIPT\": \"LineTo(H,B);\", \"IS_SYMMETRIC\": true}\n")) << r.out;

  r = run({"profiles", "STEEL", "IPE", "200"});
  EXPECT_NE(r.out.find("\nH             200\n"), std::string::npos) << r.out;
  EXPECT_TRUE(r.out.ends_with("(51 rows)\n\nPDL_SCRIPT:\nLineTo(H,B);\n")) << r.out;
  EXPECT_EQ(run({"profiles", "STEEL", "IPE", "200", "--script"}).out, "LineTo(H,B);\n");
}

// What the catalog lacks exits 2 with what it has.
TEST_F(zeptcatProfiles, MissingCatalogNameOrSize) {
  const std::tuple<std::vector<std::string>, std::string> cases[] = {
      {{"profiles", "NONE"}, "zeptcat: no profile catalog NONE (NONEpro.mdb) in " + app + " or " + data + "\n"},
      {{"profiles", "stel"}, "zeptcat: no profile catalog STEL (STELpro.mdb) in " + app + " or " + data +
                                 "; did you mean STEEL?\n"},
      {{"profiles", "STEEL", "HEB"}, "zeptcat: STEEL has no sizes of HEB; its names: FL, IPE, IPE\n"},
      {{"profiles", "STEEL", "IPE", "300"}, "zeptcat: STEEL has no size 300 of IPE; its sizes: 100, 150x75x10, 200\n"}};
  for (auto const& [args, err] : cases) {
    const auto r = run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.starts_with(err)) << r.err;
  }
}

// A name in another case is the catalog's one such name; of two, it asks.
TEST_F(zeptcatProfiles, NamesInAnyCase) {
  auto r = run({"profiles", "steel", "ipe", "200", "--script"});
  EXPECT_EQ(r.out, "LineTo(H,B);\n") << r.err;
  EXPECT_NE(run({"profiles", "steel", "fl"}).out.find("\n50x5 "), std::string::npos);
  ASSERT_EQ(run({"profiles", "STEEL", "Ipe", "300", "--write", "H=300"}).status, 0);
  r = run({"profiles", "STEEL", "ipe"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "zeptcat: STEEL has no name ipe; did you mean IPE or Ipe?\n");
}

// The size goes into the data catalog's copy in the application folder,
// which later commands then read.
TEST_F(zeptcatProfiles, WritingCopiesTheDataCatalog) {
  auto r = run({"profiles", "STEEL", "IPE", "200", "--write", "mass=22.4", "HAS_MATS=yes", "SYMBOL=", "ES=8.5"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\nMASS          22.4\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nH             200\n"), std::string::npos) << "kept: " << r.out;
  EXPECT_TRUE(std::filesystem::exists(tree.path("app/STEELPRO.MDB")));
  r = run({"profiles"});
  EXPECT_NE(r.out.find("STEEL    app "), std::string::npos) << r.out;
  // A refused write says why and what to do: a reader keeps the writer out.
  CDaoDatabase held;
  held.Open(CString::fromUtf8(tree.path("app/STEELPRO.MDB").string()), false, true);
  r = run({"profiles", "STEEL", "IPE", "200", "--write", "MASS=1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.starts_with("zeptcat: cannot write size 200 of IPE: another process holds it (error 3045); close "))
      << r.err;
}

// Without --app, writes go to the user's own folder, made private on first
// use, and the data folder (an installed one, say) keeps every byte.
TEST_F(zeptcatProfiles, DefaultWritesLeaveTheDataFolder) {
  auto contents = [this] {
    std::string all;
    for (auto const& e : std::filesystem::directory_iterator(tree.path("data")))
      all += e.path().filename().string() + "=" + TempTree::read(e.path()) + ";";
    return all;
  };
  // A user-object catalog with one object, in the data folder.
  ASSERT_EQ(runTool(ZEPTCAT_PATH, {"--data", data, "--app", data, "userobjects", "--create", "Stock", "--category", "Stock"},
                    tree.path(""))
                .status,
            0);
  const std::string object = tree.file("object.txt", "name=P1\nsizeX=10\n").string();
  ASSERT_EQ(runTool(ZEPTCAT_PATH, {"--data", data, "--app", data, "userobjects", "Stock", "--write", object}, tree.path(""))
                .status,
            0);
  const std::string before = contents();
  const std::string home = tree.path("home/share").string();
  const std::vector<std::string> writes[] = {
      {"profiles", "STEEL", "IPE", "200", "--write", "MASS=43"},
      {"profiles", "--create", "Mine"},
      {"userobjects", "--create", "Plates", "--category", "Plates"},
      {"userobjects", "Stock", "--write", object},
      {"userobjects", "Stock", "--remove", "P1"},
      {"sql", "STEEL", "UPDATE Shape SET MASS = 1", "--write"},
      {"props", "STEEL", "--set", "catalog_comment=mine"}};
  for (auto args : writes) {
    args.insert(args.begin(), {"--data", data});
    const auto r = runTool(ZEPTCAT_PATH, args, tree.path(""), {"XDG_DATA_HOME=" + home});
    EXPECT_EQ(r.status, 0) << args[2] << ": " << r.err;
  }
  EXPECT_EQ(contents(), before);
  const auto user = std::filesystem::path(home) / "zeptdb";
  EXPECT_EQ(std::filesystem::status(user).permissions(), std::filesystem::perms::owner_all);
  for (char const* file : {"STEELPRO.MDB", "MinePro.mdb", "Plates.mdb", "Stock.mdb"})
    EXPECT_TRUE(std::filesystem::exists(user / file)) << file;
}

TEST_F(zeptcatProfiles, CreatedCatalogTakesNewSizes) {
  auto r = run({"--json", "profiles", "--create", "Mine", "--units", "in"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "[\n  {\"Catalog\": \"Mine\", \"File\": \"MinePro.mdb\", \"SectionUnit\": \"in\"}\n]\n");
  EXPECT_TRUE(std::filesystem::exists(tree.path("app/MinePro.mdb")));
  EXPECT_EQ(run({"profiles", "--create", "MINE"}).err, "zeptcat: a profile catalog MINE exists already\n");
  // Reading the new, empty catalog leaves every byte of it as it was.
  const std::string made = TempTree::read(tree.path("app/MinePro.mdb"));
  for (int i = 0; i < 2; ++i) ASSERT_EQ(run({"profiles", "MINE"}).status, 0);
  EXPECT_TRUE(TempTree::read(tree.path("app/MinePro.mdb")) == made) << "a read wrote the catalog";

  r = run({"profiles", "MINE", "PL", "200x10", "--write", "SHAPE_TYPE=2", "B=200"});
  ASSERT_EQ(r.status, 0) << r.err;
  r = run({"profiles", "MINE", "PL", "200x10", "--script"});
  EXPECT_EQ(r.out, "U\n") << "the template's script of shape type 2";
  // ID is no counter in a created catalog; new sizes are numbered all the same.
  ASSERT_EQ(run({"profiles", "MINE", "PL", "300x10", "--write", "SHAPE_TYPE=2"}).status, 0);
  EXPECT_TRUE(run({"--json", "profiles", "MINE", "PL", "200x10"}).out.starts_with("{\"ID\": 1, "));
  EXPECT_TRUE(run({"--json", "profiles", "MINE", "PL", "300x10"}).out.starts_with("{\"ID\": 2, "));

  std::filesystem::remove(tree.path("data/PDLScripts.mdb"));
  r = run({"profiles", "--create", "Bare"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("could not copy the tables of the template PDLScripts.mdb"), std::string::npos) << r.err;
}

TEST_F(zeptcatProfiles, RefusedWrites) {
  const std::vector<std::string> cases[] = {{"profiles", "STEEL", "PLATE", "1", "--write", "H=1"},
                                            {"profiles", "STEEL", "PL", "1", "--write", "ID=3"},
                                            {"profiles", "STEEL", "PL", "1", "--write", "H=ten"},
                                            {"profiles", "STEEL", "PL", "1", "--write", "IS_THIN=maybe"},
                                            {"profiles", "STEEL", "PL", "--write", "H=1"},
                                            {"profiles", "--create", "X", "--write", "H=1"},
                                            {"profiles", "--create", ""},
                                            {"profiles", "--create", ".X"}};
  for (auto const& args : cases) {
    const auto r = run(args);
    EXPECT_EQ(r.status, 1) << args.back() << ": " << r.err;
  }
  EXPECT_TRUE(std::filesystem::is_empty(tree.path("app")));
}

}  // namespace
