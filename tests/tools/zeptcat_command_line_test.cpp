// SPDX-License-Identifier: MIT
// zeptcat's answers to command lines as a whole: mistyped commands, the
// version, folders that cannot serve, catalogs named by short name, the bash
// completion of what is being typed, and the examples of the help.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/TestTree.h"
#include "tools/RunTool.h"
#include "zeptdb/version.h"

namespace {

struct Case {
  std::vector<std::string> args;
  std::vector<std::string> env;
  int status;
  std::string message;  // found in what it wrote, stdout or stderr
};

class zeptcatCommandLine : public zept::test::ToolTest, public ::testing::WithParamInterface<Case> {};

TEST_P(zeptcatCommandLine, AnswersWithStatusAndMessage) {
  Case const& c = GetParam();
  tree.file("file.txt");
  std::vector<std::string> args;
  for (auto arg : c.args) args.push_back(arg == "$FILE" ? tree.path("file.txt").string() : arg);
  const auto r = zeptcat({}, args, c.env);
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
        Case{{"--version"}, {}, 0, "zeptcat " ZEPTDB_VERSION_STRING "\n"},
        Case{{"--data", "/nonexistent", "profiles"}, {}, 2, "data folder /nonexistent (--data) does not exist"},
        Case{{"lists", "--app", "$FILE"}, {}, 2, "application folder "},
        Case{{"lists", "--app", "$FILE"}, {}, 2, "file.txt (--app) is not a folder"},
        Case{{"lists"}, {"ZEPT_APP_PATH=/nonexistent/app/"}, 2, "/nonexistent/app/ (ZEPT_APP_PATH) does not exist"},
        Case{{"lists", "--data", "Q:\\data\\"}, {}, 2, "data folder Q:\\data\\ (--data) does not exist"},
        Case{{"lists", "--data", "Q:\\"}, {"ZEPT_DRIVE_Q=" + kData}, 0, "PLATETHICKNESSES"},
        Case{{"--data", kData, "props", "EURO"}, {}, 0, "catalog_name"},
        Case{{"--data", kData, "props", "EUROpro"}, {}, 0, "catalog_name"},
        Case{{"--data", kData, "sql", "EN", "SELECT Count(*) AS N FROM Materials"}, {}, 0, "(1 row)"},
        Case{{"--data", kData, "sql", "PlateThicknesses", "SELECT 1 AS One"}, {}, 0, "One"},
        Case{{"--data", kData, "sql", "EN14399", "SELECT 1"}, {}, 1,
             "EN14399 names several catalogs: Bolts_EN14399, Nuts_EN14399, Washers_EN14399, cr_EN14399"},
        Case{{"--data", kData, "sql", "NOSUCH", "SELECT 1"}, {}, 2, "(error 3024)"}));

// The completion script zeptcat makes, sourced into bash and asked as bash
// asks it while a line is typed.
class zeptcatCompletion : public zept::test::ToolTest,
                          public ::testing::WithParamInterface<std::pair<std::string, std::string>> {};

TEST_P(zeptcatCompletion, CompletesTheWordBeingTyped) {
  auto const& [line, expected] = GetParam();
  const auto made = zeptcat({}, {"--bash-completion"});
  ASSERT_EQ(made.status, 0) << made.err;
  const auto script = tree.file("zeptcat.bash", made.out);
  const auto r = zept::test::runTool(
      "/bin/bash",
      {"-c",
       "source \"$1\"; read -ra COMP_WORDS <<< \"$2\"; [[ $2 == *' ' ]] && COMP_WORDS+=(''); "
       "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _zeptcat; echo \"${COMPREPLY[*]}\"",
       "bash", script.string(), line},
      tree.path(""));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, expected + "\n") << line;
}

INSTANTIATE_TEST_SUITE_P(Lines, zeptcatCompletion,
                         ::testing::Values(std::pair("zeptcat bo", "bolts"), std::pair("zeptcat re", "render region"),
                                           std::pair("zeptcat --data /x pro", "props profiles"),
                                           std::pair("zeptcat --js", "--json"),
                                           std::pair("zeptcat bolts EN14399 --di", "--diameter"),
                                           std::pair("zeptcat bolts EN14399 --units ", "mm in"),
                                           std::pair("zeptcat props EURO --type d", "double"),
                                           std::pair("zeptcat sql Parts --w", "--write"),
                                           std::pair("zeptcat section --js", "--json")));

// Every example a subcommand's help gives runs as printed, in order, on the
// bundled catalogs: its folders and files are those of a scratch folder.
TEST(zeptcatHelp, ExamplesRun) {
  namespace fs = std::filesystem;
  zept::test::TempTree tree;
  const fs::path scratch = tree.path("");
  const std::string app = tree.dir("app").string() + "/";
  for (char const* drawing : {"WeldedBox.dxf", "PlateTwoHoles.dxf"})
    fs::copy_file(fs::path(kData) / drawing, scratch / drawing);
  fs::copy_file(fs::path(kData) / "PlateTwoHoles.dxf", scratch / "plate.dxf");
  tree.file("s.txt", "ldown 400 300\nmove 420 310\nlup 420 310\n");
  int examples = 0;
  for (char const* command : {"profiles", "section", "render", "region", "symbol"}) {
    std::istringstream help(zept::test::runTool(ZEPTCAT_PATH, {command, "--help"}, scratch).out);
    for (std::string line; std::getline(help, line);) {
      if (!line.starts_with("  zeptcat ")) continue;
      // The words up to two blanks (the description follows); '...' is one word.
      std::vector<std::string> args{"--data", kData};
      std::string word;
      bool quoted = false, inWord = false;
      for (std::size_t i = 10; i <= line.size(); ++i) {
        const char c = i < line.size() ? line[i] : ' ';
        if (c == '\'') {
          quoted = !quoted;
          inWord = true;
        } else if (c != ' ' || quoted) {
          word += c;
          inWord = true;
        } else {
          if (inWord) args.push_back(word);
          word.clear();
          inWord = false;
          if (i + 1 < line.size() && line[i + 1] == ' ') break;
        }
      }
      for (auto& arg : args) {
        if (arg == "DIR" || arg == "/srv/app/") arg = app;
        for (char const* ext : {".dxf", ".png", ".svg", ".txt"})
          if (arg.ends_with(ext)) arg = (scratch / arg).string();
      }
      const auto r = zept::test::runTool(ZEPTCAT_PATH, args, scratch);
      EXPECT_EQ(r.status, 0) << line << "\n" << r.err;
      ++examples;
    }
  }
  EXPECT_EQ(examples, 19);
  // The size the profiles example writes has a shape type whose script draws it.
  const auto r = zept::test::runTool(ZEPTCAT_PATH, {"--data", kData, "--app", app, "section", "MINE", "PL", "200x0x10"},
                                     scratch);
  EXPECT_EQ(r.status, 0) << r.err;
}

}  // namespace
