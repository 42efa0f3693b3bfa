// SPDX-License-Identifier: MIT
// zeptcat as a user runs it: the built binary on a catalog made here.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/dao/DaoDatabase.h"
#include "support/TestTree.h"
#include "support/Catalog.h"
#include "tools/RunTool.h"

using zept::test::makeCatalog;
using zept::test::ToolResult;
using zept::test::wide;

namespace {

class zeptcat : public zept::test::ToolTest {
 protected:
  void SetUp() override {
    makeCatalog(tree.path("cat/Parts.mdb"),
                {L"CREATE TABLE Parts (Id COUNTER, Name TEXT(20), Mass DOUBLE, Note TEXT(50))",
                 L"INSERT INTO Parts (Name, Mass, Note) VALUES (\"Bolt \u00D812\", 0.125, Null)",
                 L"INSERT INTO Parts (Name, Mass, Note) VALUES (\"Washer \"\"flat\"\"\", 2, \"x\ty\")"});
  }

  ToolResult run(std::vector<std::string> const& args, std::vector<std::string> const& env = {}) {
    return ToolTest::zeptcat({}, args, env);
  }

  long partCount() {
    CDaoDatabase db;
    db.Open(wide(tree.path("cat/Parts.mdb")).c_str(), false, true);
    return zept::test::countOf(db, L"SELECT Count(*) AS N FROM Parts");
  }

  std::string dir = tree.dir("cat").string();
};

TEST_F(zeptcat, PrintsAlignedTableByShortName) {
  // "parts" finds Parts.mdb in the data folder; widths count characters, not bytes.
  const auto r = run({"--data", dir, "sql", "parts", "SELECT Name, Mass, Note FROM Parts ORDER BY Id"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "Name           Mass   Note\n"
            "-------------  -----  ----\n"
            "Bolt \xC3\x98" "12       0.125  NULL\n"
            "Washer \"flat\"  2      x\\ty\n"
            "(2 rows)\n");
}

TEST_F(zeptcat, JsonKeepsTypesEscapesTextsAndUniqueKeys) {
  const auto r = run({"sql", "--json", dir + "/Parts.mdb", "SELECT Name, Mass, Note, Id AS Name FROM Parts ORDER BY Id"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "[\n"
            "  {\"Name\": \"Bolt \xC3\x98" "12\", \"Mass\": 0.125, \"Note\": null, \"Name_2\": 1},\n"
            "  {\"Name\": \"Washer \\\"flat\\\"\", \"Mass\": 2, \"Note\": \"x\\ty\", \"Name_2\": 2}\n"
            "]\n");
  EXPECT_EQ(run({"--json", "--data", dir, "sql", "Parts", "SELECT * FROM Parts WHERE Id > 9"}).out, "[]\n");
  // The data folder from the environment, without a trailing separator:
  // zeptcat completes it before using it as a prefix.
  EXPECT_EQ(run({"sql", "PARTS", "SELECT Id FROM Parts WHERE Id = 1"}, {"ZEPT_DATA_PATH=" + dir}).out,
            "Id\n--\n1\n(1 row)\n");
}

TEST_F(zeptcat, ArgumentsThatAreNotUtf8AreRefusedBeforeAnyFileIsTouched) {
  // Decoded, "raw\377" would become "raw" U+FFFD: this file.
  std::filesystem::copy_file(tree.path("cat/Parts.mdb"), tree.path("cat/raw\xEF\xBF\xBD.mdb"));
  const auto r = run({"--data", dir, "sql", dir + "/raw\377.mdb", "--write", "DELETE FROM Parts"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "zeptcat: argument 4 \"" + dir + "/raw\\377.mdb\" is not valid UTF-8 text\n");
  CDaoDatabase db;
  db.Open(wide(tree.path("cat/raw\xEF\xBF\xBD.mdb")).c_str(), false, true);
  EXPECT_EQ(zept::test::countOf(db, L"SELECT Count(*) AS N FROM Parts"), 2);
}

TEST_F(zeptcat, ChangesNeedWrite) {
  auto r = run({"--data", dir, "sql", "Parts", "DELETE FROM Parts"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("--write"), std::string::npos) << r.err;
  EXPECT_EQ(partCount(), 2);
  // SELECT ... INTO makes a table: an action, however it starts.
  EXPECT_EQ(run({"--data", dir, "sql", "Parts", "SELECT * INTO Copy FROM Parts"}).status, 1);

  // A catalog found in the data folder is written as a copy in the
  // application folder, which later commands read; a path is written itself.
  const std::string app = tree.dir("app").string() + "/";
  r = run({"--data", dir, "--app", app, "sql", "Parts", "--write", "DELETE FROM Parts WHERE Mass > 1"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1 row affected\n");
  EXPECT_EQ(r.err, "zeptcat: Parts.mdb is written as a copy in " + app + "\n");
  EXPECT_EQ(partCount(), 2);
  EXPECT_EQ(run({"--data", dir, "--app", app, "sql", "Parts", "SELECT Count(*) AS N FROM Parts"}).out,
            "N\n-\n1\n(1 row)\n");
  EXPECT_EQ(run({"sql", dir + "/Parts.mdb", "--write", "DELETE FROM Parts WHERE Mass < 1"}).status, 0);
  EXPECT_EQ(partCount(), 1);
}

}  // namespace
