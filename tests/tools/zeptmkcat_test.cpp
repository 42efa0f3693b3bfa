// SPDX-License-Identifier: MIT
// zeptmkcat as the data build runs it: scripts in, a catalog or nothing out.
#include <gtest/gtest.h>

#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "support/TestTree.h"
#include "support/Catalog.h"
#include "tools/RunTool.h"

using zept::test::wide;

namespace {

class zeptmkcat : public zept::test::ToolTest {
 protected:
  zept::test::ToolResult run(std::vector<std::string> const& args) {
    return zept::test::runTool(ZEPTMKCAT_PATH, args, tree.path(""));
  }
  std::filesystem::path output = tree.path("out.mdb");
  std::filesystem::path temp = tree.path("out.mdb.tmp");
};

// PROPERTY statements make database properties of their type.
TEST_F(zeptmkcat, BuildsOneCatalogFromSeveralScripts) {
  const auto a = tree.file("a.sql", "-- schema\nPROPERTY unit_sect TEXT \"mm\";\nCREATE TABLE T (A LONG, B TEXT(10));\n"
                                    "INSERT INTO T VALUES (1, \"x;y\");\n");
  const auto b = tree.file("b.sql", "INSERT INTO T VALUES (2, 'z');\nPROPERTY std_catalog YESNO True;\n");
  const auto r = run({output.string(), a.string(), b.string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(std::filesystem::exists(temp));

  CDaoDatabase db;
  db.Open(wide(output).c_str(), false, true);
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, L"SELECT B FROM T ORDER BY A");
  ASSERT_EQ(rs.GetRecordCount(), 2);
  EXPECT_EQ(rs.GetFieldValue(0).text(), L"x;y");
  rs.MoveNext();
  EXPECT_EQ(rs.GetFieldValue(0).text(), L"z");
  const auto set = CDaoDatabase::PropertySet::Database;
  EXPECT_EQ(db.GetPropertyType(set, L"unit_sect"), dbText);
  EXPECT_EQ(db.GetPropertyValue(set, L"unit_sect").text(), L"mm");
  EXPECT_EQ(db.GetPropertyType(set, L"std_catalog"), dbBoolean);
  EXPECT_EQ(db.GetPropertyValue(set, L"std_catalog").boolVal, VARIANT_TRUE);
}

// A failed build names the script's line and leaves no catalog, not even
// the one it was to replace.
TEST_F(zeptmkcat, FailedBuildLeavesNoCatalog) {
  struct Case {
    char const* script;
    char const* message;
  } const cases[] = {
      {"CREATE TABLE T (A LONG);\n\nINSERT INTO Nowhere VALUES (1);\n", "p.sql:3: error "},
      {"CREATE TABLE T (A LONG);\n\nINSERT INTO Nowhere VALUES (1);\n", "INSERT INTO Nowhere VALUES (1)"},
      {"CREATE TABLE T (A LONG);\nINSERT INTO T VALUES ('x);\n", "p.sql:2: "},
      {"CREATE TABLE T (A LONG);\nPROPERTY a TYPO \"x\";\n", "p.sql:2: PROPERTY a: unknown type"},
      {"PROPERTY a TEXT \"x\";\n\nPROPERTY a TEXT \"y\";\n", "p.sql:3: error 3367"},
      {"PROPERTY flag YESNO \"maybe\";\n", "p.sql:1: error 3421"}};
  for (auto const& c : cases) {
    tree.file("out.mdb", "an older catalog");
    const auto script = tree.file("p.sql", c.script);
    const auto r = run({output.string(), script.string()});
    EXPECT_EQ(r.status, 1) << c.script;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(output)) << c.script;
    EXPECT_FALSE(std::filesystem::exists(temp)) << c.script;
  }
  EXPECT_EQ(run({output.string()}).status, 1);
}

}  // namespace
