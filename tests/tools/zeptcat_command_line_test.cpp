// zeptcat's answers to command lines as a whole: mistyped commands, the
// version, folders that cannot serve, and catalogs named by short name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestTree.h"
#include "tools/RunTool.h"

using zept::test::TempTree;

namespace {

struct Case {
  std::vector<std::string> args;
  std::vector<std::string> env;
  int status;
  std::string message;  // found in what it wrote, stdout or stderr
};

class zeptcatCommandLine : public ::testing::TestWithParam<Case> {
 protected:
  TempTree tree;
};

TEST_P(zeptcatCommandLine, AnswersWithStatusAndMessage) {
  Case const& c = GetParam();
  tree.file("file.txt");
  std::vector<std::string> args;
  for (auto arg : c.args) args.push_back(arg == "$FILE" ? tree.path("file.txt").string() : arg);
  const auto r = zept::test::runTool(ZEPTCAT_PATH, args, tree.path(""), c.env);
  EXPECT_EQ(r.status, c.status) << r.err;
  EXPECT_NE((r.out + r.err).find(c.message), std::string::npos) << r.out << r.err;
}

const std::string kData = ZEPT_BUNDLED_DATA_DIR;

INSTANTIATE_TEST_SUITE_P(
    Lines, zeptcatCommandLine,
    ::testing::Values(
        Case{{"bolt"}, {}, 1, "unknown command \"bolt\"; did you mean bolts?"},
        Case{{"--data", kData, "--json", "blots", "EN14399"}, {}, 1, "\"blots\"; did you mean bolts?"},
        Case{{"--json", "profile", "EURO"}, {}, 1, "did you mean profiles?"},
        Case{{"lits"}, {}, 1, "did you mean lists?"},
        Case{{"qsl"}, {}, 1, "did you mean sql?"},
        Case{{"--", "sectoin"}, {}, 1, "did you mean section?"},
        Case{{"sql", "OnlyOneArgument"}, {}, 1, "statement is required"},
        Case{{"--version"}, {}, 0, "zeptcat " ZEPT_VERSION_TEXT "\n"},
        Case{{"--data", "/nonexistent", "profiles"}, {}, 2, "data folder /nonexistent (--data) does not exist"},
        Case{{"lists", "--app", "$FILE"}, {}, 2, "application folder "},
        Case{{"lists", "--app", "$FILE"}, {}, 2, "file.txt (--app) is not a folder"},
        Case{{"lists"}, {"ZEPT_APP_PATH=/nonexistent/app/"}, 2, "/nonexistent/app/ (ZEPT_APP_PATH) does not exist"},
        Case{{"--data", kData, "props", "EURO"}, {}, 0, "catalog_name"},
        Case{{"--data", kData, "props", "EUROpro"}, {}, 0, "catalog_name"},
        Case{{"--data", kData, "sql", "EN", "SELECT Count(*) AS N FROM Materials"}, {}, 0, "(1 row)"},
        Case{{"--data", kData, "sql", "PlateThicknesses", "SELECT 1 AS One"}, {}, 0, "One"},
        Case{{"--data", kData, "sql", "EN14399", "SELECT 1"}, {}, 1,
             "EN14399 names several catalogs: Bolts_EN14399, Nuts_EN14399, Washers_EN14399, cr_EN14399"},
        Case{{"--data", kData, "sql", "NOSUCH", "SELECT 1"}, {}, 2, "(error 3024)"}));

}  // namespace
