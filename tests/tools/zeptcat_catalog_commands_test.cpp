// SPDX-License-Identifier: MIT
// zeptcat's catalog subcommands (lists, catalogs, props, dims) as a user runs
// them: the built binary on catalogs made here, in a data and an application
// folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/dao/DaoDatabase.h"
#include "support/Catalog.h"
#include "support/TestTree.h"
#include "tools/RunTool.h"

using zept::test::makeCatalog;
using zept::test::TempTree;
using zept::test::ToolResult;

namespace {

namespace fs = std::filesystem;

class zeptcatCatalogs : public zept::test::ToolTest {
 protected:
  void SetUp() override {
    makeCatalog(tree.path("data/PlatesList.mdb"),
                {L"CREATE TABLE List (Value DOUBLE, Data DOUBLE)", L"CREATE TABLE ListE (Value DOUBLE, Data DOUBLE)",
                 L"INSERT INTO List (Value, Data) VALUES (10, 78.5)",
                 L"INSERT INTO List (Value, Data) VALUES (3, 23.55)",
                 L"INSERT INTO List (Value, Data) VALUES (5, Null)",
                 L"INSERT INTO ListE (Value, Data) VALUES (0.25, 10.2083)",
                 L"INSERT INTO ListE (Value, Data) VALUES (0.125, 5.1042)"});
    makeCatalog(tree.path("data/GradesList.mdb"),
                {L"CREATE TABLE List (Value TEXT(20), Data TEXT(20))", L"CREATE TABLE ListE (Value TEXT(20))",
                 L"INSERT INTO List (Value, Data) VALUES (\"S355\", \"EN 10025-2\")",
                 L"INSERT INTO List (Value, Data) VALUES (\"S235\", \"EN 10025-2\")"});
    // In both folders: the application folder's copy is the one selected.
    makeCatalog(tree.path("data/WeldsList.mdb"),
                {L"CREATE TABLE List (Value DOUBLE, Data DOUBLE)", L"INSERT INTO List (Value, Data) VALUES (1, 1)"});
    makeCatalog(tree.path("app/WeldsList.mdb"),
                {L"CREATE TABLE List (Value DOUBLE, Data DOUBLE)", L"INSERT INTO List (Value, Data) VALUES (2, 2)"});
    makeCatalog(tree.path("app/HolesList.mdb"), {L"CREATE TABLE List (Value DOUBLE, Data DOUBLE)"});
  }

  ToolResult run(std::vector<std::string> const& args) { return zeptcat({"--data", data, "--app", app}, args); }

  std::string data = tree.dir("data").string() + "/";
  std::string app = tree.dir("app").string() + "/";
};

TEST_F(zeptcatCatalogs, ListEntriesPerUnitSystemPairedWithData) {
  struct Case {
    std::vector<std::string> args;
    std::string out;
  } const cases[] = {
      // Sorted, and the entry without Data left out so that the pairs stay true.
      {{"lists", "PLATES", "--units", "mm"},
       "Value  Data\n-----  -----\n3      23.55\n10     78.5\n(2 rows)\n"},
      // The English table, values as stored: no conversion.
      {{"lists", "plates", "--units", "in"},
       "Value  Data\n-----  -------\n0.125  5.1042\n0.25   10.2083\n(2 rows)\n"},
      {{"lists", "PLATES", "--no-data-column"}, "Value\n-----\n3\n5\n10\n(3 rows)\n"},
      {{"lists", "GRADES", "--text"},
       "Value  Data\n-----  ----------\nS235   EN 10025-2\nS355   EN 10025-2\n(2 rows)\n"},
      {{"lists", "WELDS"}, "Value  Data\n-----  ----\n2      2\n(1 row)\n"},
      {{"--json", "lists", "PLATES", "--units", "in"},
       "[\n  {\"Value\": 0.125, \"Data\": 5.1042},\n  {\"Value\": 0.25, \"Data\": 10.2083}\n]\n"},
  };
  for (auto const& c : cases) {
    const auto r = run(c.args);
    EXPECT_EQ(r.status, 0) << c.args[1] << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[1];
  }
}

TEST_F(zeptcatCatalogs, CatalogsComeFromBothFoldersApplicationFirst) {
  auto r = run({"lists"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Name\n------\nGRADES\nHOLES\nPLATES\nWELDS\n(4 rows)\n");

  r = run({"--json", "catalogs", "lists"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "[\n"
                   "  {\"Name\": \"GRADES\", \"From\": \"data\", \"Folder\": \"" + data + "\"},\n"
                   "  {\"Name\": \"HOLES\", \"From\": \"app\", \"Folder\": \"" + app + "\"},\n"
                   "  {\"Name\": \"PLATES\", \"From\": \"data\", \"Folder\": \"" + data + "\"},\n"
                   "  {\"Name\": \"WELDS\", \"From\": \"app\", \"Folder\": \"" + app + "\"}\n"
                   "]\n");

  // The filter's order is kept; names not found, and lower-case ones, drop out.
  r = run({"catalogs", "lists", "--filter", ",WELDS,NOPE,plates,GRADES,"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("WELDS   app "), std::string::npos) << r.out;
  EXPECT_LT(r.out.find("WELDS"), r.out.find("GRADES"));
  EXPECT_EQ(r.out.find("PLATES"), std::string::npos);
  EXPECT_TRUE(r.out.ends_with("(2 rows)\n"));
}

TEST_F(zeptcatCatalogs, CatalogKindsUseTheirAccessorsMasks) {
  makeCatalog(tree.path("data/IPEpro.mdb"), {});
  makeCatalog(tree.path("data/KmatSteel.mdb"), {});
  makeCatalog(tree.path("app/Bolts_Iso4014.mdb"), {});
  struct Case {
    std::vector<std::string> args;
    std::string names;  // the Name column, joined by blanks
  } const cases[] = {
      {{"profiles"}, "IPE"},
      {{"0"}, "IPE"},  // kind 0 by number: the profile catalogs
      {{"materials"}, "STEEL"},
      {{"1"}, "STEEL"},
      {{"fasteners"}, "ISO4014"},
      {{"lists", "--mask", "Kmat*"}, "STEEL"},
      {{"5"}, "BOLTS_ISO4014 GRADESLIST HOLESLIST IPEPRO KMATSTEEL PLATESLIST WELDSLIST"},
  };
  for (auto const& c : cases) {
    auto args = c.args;
    args.insert(args.begin(), {"--json", "catalogs"});
    const auto r = run(args);
    ASSERT_EQ(r.status, 0) << c.args[0] << ": " << r.err;
    std::string names;
    for (auto at = r.out.find("\"Name\": \""); at != std::string::npos; at = r.out.find("\"Name\": \"", at + 1)) {
      const auto start = at + 9;
      if (!names.empty()) names += ' ';
      names += r.out.substr(start, r.out.find('"', start) - start);
    }
    EXPECT_EQ(names, c.names) << c.args[0];
  }
}

class zeptcatProps : public zeptcatCatalogs {
 protected:
  static bool ownerWritable(fs::path const& p) {
    return (fs::status(p).permissions() & fs::perms::owner_write) != fs::perms::none;
  }
};

TEST_F(zeptcatProps, SetThenReadBack) {
  auto r = run({"props", "PLATESLIST", "--custom", "--set", "Revision=3", "--type", "long"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Set     Name      Type  Value\n------  --------  ----  -----\ncustom  Revision  long  3\n(1 row)\n");
  r = run({"props", "PLATESLIST", "--custom", "--set", "Revision=4", "--type", "long"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(run({"props", app + "PlatesList.mdb", "--set", "Owner=Grün \"A\""}).status, 0);
  EXPECT_EQ(run({"props", "PLATESLIST", "--custom", "--set", "Checked=true", "--type", "bool"}).status, 0);
  EXPECT_EQ(run({"props", "PLATESLIST", "--custom", "--set", "Ratio=0.1", "--type", "double"}).status, 0);

  r = run({"--json", "props", "PLATESLIST"});
  EXPECT_EQ(r.status, 0) << r.err;
  // Built-in properties first, then those stored; custom ones after the database's.
  EXPECT_TRUE(r.out.starts_with("[\n  {\"Set\": \"database\", \"Name\": \"Name\", \"Type\": \"text\", ")) << r.out;
  EXPECT_TRUE(r.out.ends_with(
      "  {\"Set\": \"database\", \"Name\": \"Owner\", \"Type\": \"text\", \"Value\": \"Grün \\\"A\\\"\"},\n"
      "  {\"Set\": \"custom\", \"Name\": \"Revision\", \"Type\": \"long\", \"Value\": 4},\n"
      "  {\"Set\": \"custom\", \"Name\": \"Checked\", \"Type\": \"bool\", \"Value\": true},\n"
      "  {\"Set\": \"custom\", \"Name\": \"Ratio\", \"Type\": \"double\", \"Value\": 0.1}\n"
      "]\n"))
      << r.out;

  // Another type for a stored property is refused and leaves the value.
  r = run({"props", "PLATESLIST", "--custom", "--set", "Revision=5"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("it is long, not text"), std::string::npos) << r.err;
  r = run({"--json", "props", "PLATESLIST", "--custom"});
  EXPECT_NE(r.out.find("\"Revision\", \"Type\": \"long\", \"Value\": 4}"), std::string::npos) << r.out;
}

// A short name writes the application folder's catalog, copying one of the
// data folder there first; the data folder's file stays as it is.
TEST_F(zeptcatProps, ShortNameWritesTheApplicationFoldersCopy) {
  const std::string plates = TempTree::read(tree.path("data/PlatesList.mdb"));
  auto r = run({"props", "PLATESLIST", "--custom", "--set", "Where=copy"});
  EXPECT_EQ(r.err, "zeptcat: PlatesList.mdb is written as a copy in " + app + "\n");
  EXPECT_EQ(TempTree::read(tree.path("data/PlatesList.mdb")), plates);
  EXPECT_NE(run({"props", "PLATESLIST", "--custom"}).out.find("Where  text  copy\n"), std::string::npos);
  EXPECT_EQ(run({"props", "WeldsList", "--custom", "--set", "Where=app"}).status, 0);
  EXPECT_NE(run({"props", app + "WeldsList.mdb", "--custom"}).out.find("Where  text  app\n"), std::string::npos);
  EXPECT_EQ(run({"props", data + "WeldsList.mdb", "--custom"}).out,
            "Set  Name  Type  Value\n---  ----  ----  -----\n(0 rows)\n");
}

TEST_F(zeptcatProps, ReadOnlyFileIsWrittenAndStaysReadOnly) {
  const auto file = tree.path("data/PlatesList.mdb");
  fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);

  auto r = run({"props", data + "PlatesList.mdb", "--custom", "--set", "Revision=1", "--type", "long"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(ownerWritable(file));
  EXPECT_NE(run({"props", data + "PlatesList.mdb", "--custom"}).out.find("Revision  long  1\n"), std::string::npos);

  // A refused write puts the bit back as well.
  r = run({"props", data + "PlatesList.mdb", "--custom", "--set", "Revision=x1", "--type", "text"});
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(ownerWritable(file));
  r = run({"props", data + "PlatesList.mdb", "--set", "Updatable=true", "--type", "bool"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("database property Updatable"), std::string::npos) << r.err;
  EXPECT_FALSE(ownerWritable(file));
}

TEST(zeptcatDims, TextsAndFactors) {
  TempTree tree;
  struct Case {
    std::vector<std::string> args;
    std::string out;
  } const cases[] = {
      {{"dims", "200x100x0"},
       "Part    Text  Number\n------  ----  ------\nfirst   200   200\nsecond  100   100\nthird   0     0\n(3 rows)\n"},
      // One "x": first and third; the second stays "0".
      {{"--json", "dims", "6.25e-002x1"},
       "[\n  {\"Part\": \"first\", \"Text\": \"6.25e-002\", \"Number\": 0.0625},\n"
       "  {\"Part\": \"second\", \"Text\": \"0\", \"Number\": 0},\n"
       "  {\"Part\": \"third\", \"Text\": \"1\", \"Number\": 1}\n]\n"},
      {{"dims", "0.1x2x3"},
       "Part    Text  Number\n------  ----  ------\nfirst   0.1   0.1\n"
       "second  2     2\nthird   3     3\n(3 rows)\n"},
      {{"dims", "--write", "200", "100", "0"}, "200x100x0\n"},
      {{"--json", "dims", "--write", "1e15", "0", "0"}, "{\"Text\": \"1.e+015\"}\n"},
      {{"dims", "--factor", "mm", "in"}, "0.03937007874015748\n"},
      {{"--json", "dims", "--factor", "m", "in"}, "{\"Factor\": 39.37007874015748}\n"},
      // The shortest text that reads back as the same double.
      {{"dims", "--factor", "in", "mm"}, "25.4\n"},
  };
  for (auto const& c : cases) {
    const auto r = zept::test::runTool(ZEPTCAT_PATH, c.args, tree.path(""));
    EXPECT_EQ(r.status, 0) << c.args.back() << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args.back();
  }
}

TEST_F(zeptcatCatalogs, ErrorExits) {
  makeCatalog(tree.path("data/EmptyList.mdb"), {L"CREATE TABLE List (Value DOUBLE, Data DOUBLE)"});
  // Catalogs there but unreadable are reported as what they are, never as
  // missing: a user told so might make a new one over them.
  for (char const* torn : {"data/TornList.mdb", "data/TORNpro.mdb"}) {
    fs::copy_file(tree.path("data/PlatesList.mdb"), tree.path(torn));
    fs::resize_file(tree.path(torn), fs::file_size(tree.path(torn)) - 100);
  }
  tree.file("data/JunkList.mdb", "not a catalog");
  CDaoDatabase held;
  held.Open(CString::fromUtf8(tree.path("app/HolesList.mdb").string()), true, false);
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;  // part of the message
  } const cases[] = {
      {{"lists", "NOPE"}, 2, "no list catalog NOPE (NOPEList.mdb)"},
      {{"lists", "EMPTY"}, 2, "its table List is missing or empty"},
      {{"lists", "GRADES", "--units", "in"}, 2, "its table ListE is missing or empty"},
      {{"lists", "TORN"}, 2, "list catalog TORN (TORNList.mdb) is damaged (error 3049)"},
      {{"profiles", "TORN"}, 2, "profile catalog TORN (TORNpro.mdb) is damaged (error 3049)"},
      {{"lists", "JUNK"}, 2, "JUNKList.mdb is no list catalog (error 3343)"},
      {{"lists", "HOLES"}, 2, "list catalog HOLES (HOLESList.mdb) is in use"},
      {{"lists", "GRADES"}, 1, "zeptcat: GRADES is a list of texts; add --text to read it\n"},
      {{"lists", "PLATES", "--units", "cm"}, 1, "--units"},
      {{"catalogs", "bogus"}, 1, "unknown catalog kind"},
      {{"catalogs", "17"}, 1, "unknown catalog kind"},
      {{"catalogs", "lists", "--mask", "../*List"}, 1, "the mask \"../*List\" is refused"},
      {{"props", "NOWHERE"}, 2, "cannot open catalog NOWHERE"},
      {{"props", "PLATESLIST", "--set", "NoValue"}, 1, "NAME=VALUE"},
      {{"props", "PLATESLIST", "--set", "N=1.5", "--type", "long"}, 1, "not a long"},
      {{"props", "PLATESLIST", "--type", "long"}, 1, "--set"},
      {{"dims"}, 1, "exactly one of"},
      {{"dims", "1x2", "--factor", "mm", "in"}, 1, "exactly one of"},
      {{"dims", "--write", "1", "2", "x"}, 1, "\"x\" is not a number"},
      {{"dims", "abc"}, 1, "\"abc\" is not a dimension text"},
      {{"dims", "200x1e"}, 1, "\"200x1e\" is not a dimension text"},
  };
  for (auto const& c : cases) {
    const auto r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args.back() << ": " << r.err;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    if (c.status == 2) {
      EXPECT_EQ(r.out, "");
    }
  }
}

}  // namespace
