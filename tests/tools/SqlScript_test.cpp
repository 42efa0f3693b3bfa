// SPDX-License-Identifier: MIT
#include "tools/common/SqlScript.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/dao/DaoTypes.h"

using zept::tools::parsePropertyStatement;
using zept::tools::splitSqlScript;
using zept::tools::SqlScriptError;

namespace {

struct Expected {
  std::string text;
  int line;
};

void expectStatements(std::string_view script, std::vector<Expected> const& expected) {
  const auto got = splitSqlScript(script);
  ASSERT_EQ(got.size(), expected.size()) << script;
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].text, expected[i].text) << "statement " << i;
    EXPECT_EQ(got[i].line, expected[i].line) << "statement " << i;
  }
}

int errorLine(std::string_view script) {
  try {
    splitSqlScript(script);
  } catch (SqlScriptError const& e) {
    return e.line();
  }
  return 0;
}

TEST(SqlScript, SplitsAtSemicolonsAndNumbersLines) {
  expectStatements("CREATE TABLE A (X LONG);\n\n  INSERT INTO A VALUES (1);INSERT INTO A\r\nVALUES (2)\r\n",
                   {{"CREATE TABLE A (X LONG)", 1}, {"INSERT INTO A VALUES (1)", 3}, {"INSERT INTO A\r\nVALUES (2)", 3}});
  // Empty statements vanish; a byte-order mark is not text.
  expectStatements("\xEF\xBB\xBF;;  ;\nSELECT 1;", {{"SELECT 1", 2}});
  expectStatements("  \n-- only a comment\n", {});
}

TEST(SqlScript, QuotesBracketsAndCommentsHideSemicolons) {
  expectStatements("INSERT INTO [a;b] VALUES (\"x;\"\"y\", 'it''s; ok', \"--no comment\"); SELECT 1",
                   {{"INSERT INTO [a;b] VALUES (\"x;\"\"y\", 'it''s; ok', \"--no comment\")", 1}, {"SELECT 1", 1}});
  // A comment runs to the end of its line, wherever it starts; the line break stays.
  expectStatements("-- header; with a semicolon\nCREATE TABLE T (A LONG) -- trailing; note\n, B LONG);\n",
                   {{"CREATE TABLE T (A LONG) \n, B LONG)", 2}});
  // A quote inside a name and a bracket inside a text are plain characters.
  expectStatements("SELECT [it's] FROM T WHERE A = \"[x;\";", {{"SELECT [it's] FROM T WHERE A = \"[x;\"", 1}});
}

TEST(SqlScript, UnterminatedTextOrNameReportsWhereItBegins) {
  EXPECT_EQ(errorLine("SELECT 1;\nINSERT INTO T VALUES (\"abc);\nSELECT 2;\n"), 2);
  EXPECT_EQ(errorLine("SELECT 1;\n\nSELECT 'x'';\n"), 3);
  EXPECT_EQ(errorLine("SELECT [A;\nB FROM T"), 1);
  EXPECT_EQ(errorLine("SELECT \"a\n\"\"b;\n"), 1);  // a doubled quote does not end the text
  EXPECT_EQ(errorLine("SELECT \"a\"\"\" FROM T"), 0);  // a closed text ending in a doubled quote
}

TEST(SqlScript, PropertyStatementsNameTypeAndValue) {
  struct Case {
    char const* statement;
    char const* name;
    short type;
    COleVariant value;
  };
  for (auto const& c : {Case{"PROPERTY unit_sect TEXT \"mm\"", "unit_sect", dbText, L"mm"},
                        Case{"property  note  memo 'it''s; \"ok\"'", "note", dbMemo, L"it's; \"ok\""},
                        Case{"PROPERTY std_catalog YESNO true", "std_catalog", dbBoolean, true},
                        Case{"PROPERTY std_catalog BIT False", "std_catalog", dbBoolean, false},
                        Case{"PROPERTY scale DOUBLE -2.5e-1", "scale", dbDouble, -0.25},
                        Case{"PROPERTY count LONG 12", "count", dbLong, 12.0}}) {
    const auto p = parsePropertyStatement(c.statement);
    ASSERT_TRUE(p) << c.statement;
    EXPECT_EQ(p->name, c.name) << c.statement;
    EXPECT_EQ(p->daoType, c.type) << c.statement;
    EXPECT_EQ(p->value.vt, c.value.vt) << c.statement;
    EXPECT_EQ(p->value.text(), c.value.text()) << c.statement;
    EXPECT_EQ(p->value.toDouble(), c.value.toDouble()) << c.statement;
  }
  // Other statements are Jet SQL.
  for (char const* sql : {"INSERT INTO PROPERTY VALUES (1)", "PROPERTYX a TEXT \"b\"", "SELECT 1"})
    EXPECT_FALSE(parsePropertyStatement(sql)) << sql;
  for (char const* bad : {"PROPERTY", "PROPERTY a TEXT", "PROPERTY a WORD \"b\"", "PROPERTY a TEXT \"b",
                          "PROPERTY a TEXT \"b\" \"c\"", "PROPERTY a DOUBLE 1.5x", "PROPERTY a DOUBLE 1,5"})
    EXPECT_THROW(parsePropertyStatement(bad), std::invalid_argument) << bad;
}

}  // namespace
