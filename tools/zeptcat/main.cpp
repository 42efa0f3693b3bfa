// SPDX-License-Identifier: MIT
// zeptcat: the command-line face of the library. Global options pick the
// catalog folders; main installs the settings object the catalog code asks
// for its folders, runs the one subcommand given and maps failures to exit
// codes: 1 for a command line refused, 2 for an engine error or a folder
// that cannot be read.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/ServerFolder.h"
#include "platform/fs/WinPath.h"
#include "platform/settings/ZEPTEnvAppSet.h"
#include "tools/common/ArgumentText.h"
#include "tools/common/ToolFolders.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Completion.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Suggest.h"
#include "zeptdb/version.h"

namespace {

// The first word on the command line that is neither an option nor the value
// of a global one: what the user meant as the subcommand. Empty when there is
// none.
std::string firstWord(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--data" || arg == "--app") ++i;
    else if (arg == "--") return i + 1 < argc ? argv[i + 1] : "";
    else if (!arg.starts_with("-")) return std::string(arg);
  }
  return "";
}

// "did you mean a or b?" over the subcommands nearest to `word`; empty when
// `word` is one of them.
std::string unknownCommand(CLI::App const& app, std::string const& word) {
  std::vector<std::string> nearest;
  std::size_t best = SIZE_MAX;
  for (CLI::App const* sub : app.get_subcommands([](CLI::App const*) { return true; })) {
    const std::size_t d = zeptcat::editDistance(word, sub->get_name());
    if (d == 0) return "";
    if (d < best) best = d, nearest.clear();
    if (d == best) nearest.push_back(sub->get_name());
  }
  return "unknown command \"" + word + "\"; did you mean " + zeptcat::choiceList(nearest) + "?";
}

// Why a folder given by option or variable cannot serve, or "" when it can.
// A Windows-style one is looked for as the library will look for it.
std::string folderProblem(std::string const& given) {
  if (given.empty()) return "";
  if (!zept::tools::isUtf8Text(given)) return "is not valid UTF-8 text";
  const std::optional<std::string> folder = zept::fs::resolve(zept::fromUtf8(given));
  std::error_code ec;
  if (!folder || !std::filesystem::exists(*folder, ec)) return "does not exist";
  if (!std::filesystem::is_directory(*folder, ec)) return "is not a folder";
  if (::access(folder->c_str(), R_OK | X_OK) != 0) return "cannot be read";
  return "";
}

std::string fromEnv(char const* name) {
  char const* value = std::getenv(name);
  return value ? value : "";
}

// The option parser's messages in the style of every other one: "zeptcat: "
// first, the option, then what is wrong with the value given.
std::string parseFailure(CLI::App const*, CLI::Error const& e) {
  std::string what = e.what();
  static constexpr std::string_view kConvert = "Could not convert: ";  // "Could not convert: --d = M"
  static constexpr std::string_view kNotIn = " not in {";                // "--units: cm not in {mm,in}"
  if (what.starts_with(kConvert)) {
    const std::size_t eq = what.find(" = ");
    if (eq != std::string::npos)
      what = what.substr(kConvert.size(), eq - kConvert.size()) + ": \"" + what.substr(eq + 3) + "\" is not a number";
  } else if (const std::size_t colon = what.find(": "), in = what.find(kNotIn);
             colon != std::string::npos && in != std::string::npos && in > colon && what.ends_with("}")) {
    std::string allowed = what.substr(in + kNotIn.size(), what.size() - in - kNotIn.size() - 1);
    for (std::size_t at = 0; (at = allowed.find(',', at)) != std::string::npos; at += 2) allowed.insert(at + 1, " ");
    what = what.substr(0, colon) + ": \"" + what.substr(colon + 2, in - colon - 2) + "\" is not one of " + allowed;
  }
  return "zeptcat: " + what + "\nzeptcat: see zeptcat --help\n";
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Query the catalogs of ZEPTDatabase.", "zeptcat"};
  app.set_version_flag("--version", std::string("zeptcat ") + ZEPTDB_VERSION_STRING, "Print the version and exit");
  app.require_subcommand(1);
  app.failure_message(parseFailure);
  app.fallthrough();  // global options may also follow the subcommand
  std::string dataDir, appDir;
  bool json = false;
  app.add_option("--data", dataDir,
                 "Catalog data folder (default: $ZEPT_DATA_PATH, else the bundled catalogs); also the user-object "
                 "folder unless $ZEPT_OBJSTEEL_PATH is set");
  app.add_option("--app", appDir,
                 "Application catalog folder, searched first when a catalog is selected by short name and written "
                 "instead of the data folder (default: $ZEPT_APP_PATH, else $XDG_DATA_HOME/zeptdb/, made on the "
                 "first write)");
  app.add_flag("--json", json, "Print results as JSON");

  std::vector<zeptcat::Command> commands;
  commands.push_back(zeptcat::addSqlCommand(app));
  commands.push_back(zeptcat::addCatalogsCommand(app));
  commands.push_back(zeptcat::addPropsCommand(app));
  commands.push_back(zeptcat::addDimsCommand(app));
  commands.push_back(zeptcat::addListsCommand(app));
  commands.push_back(zeptcat::addBoltsCommand(app));
  commands.push_back(zeptcat::addProfilesCommand(app));
  commands.push_back(zeptcat::addMaterialsCommand(app));
  commands.push_back(zeptcat::addUserObjectsCommand(app));
  commands.push_back(zeptcat::addSectionCommand(app));
  commands.push_back(zeptcat::addImportCommand(app));
  commands.push_back(zeptcat::addExportCommand(app));
  commands.push_back(zeptcat::addPrepareServerCommand(app));
  commands.push_back(zeptcat::addRenderCommand(app));
  commands.push_back(zeptcat::addSymbolCommand(app));
  commands.push_back(zeptcat::addRegionCommand(app));

  // Made at build time and installed with zeptcat, so it is not in --help.
  if (argc == 2 && std::string_view(argv[1]) == "--bash-completion") {
    std::cout << zeptcat::bashCompletion(app);
    return 0;
  }

  // Before parsing: CLI11 and the library would take the bytes as text.
  if (const std::string refused = zept::tools::nonUtf8Argument("zeptcat", argc, argv); !refused.empty()) {
    std::cerr << refused << '\n';
    return 1;
  }
  try {
    app.parse(argc, argv);
  } catch (CLI::ParseError const& e) {
    const std::string word = firstWord(argc, argv);
    if (const std::string unknown = word.empty() ? "" : unknownCommand(app, word);
        !unknown.empty() && e.get_exit_code() != 0) {
      std::cerr << "zeptcat: " << unknown << '\n';
      return 1;
    }
    return app.exit(e) == 0 ? 0 : 1;  // --help and --version are a success
  }

  // A folder that is not there would only show up as catalogs not found.
  struct Folder {
    std::string const& given;
    char const *option, *variable, *what;
  };
  for (Folder const f : {Folder{dataDir, "--data", "ZEPT_DATA_PATH", "data"},
                         Folder{appDir, "--app", "ZEPT_APP_PATH", "application"}}) {
    const std::string folder = f.given.empty() ? fromEnv(f.variable) : f.given;
    if (zept::dao::isServerFolder(zept::fromUtf8(folder))) continue;
    if (const std::string problem = folderProblem(folder); !problem.empty()) {
      std::cerr << "zeptcat: " << f.what << " folder " << folder << " (" << (f.given.empty() ? f.variable : f.option)
                << ") " << problem << '\n';
      return 2;
    }
  }

  // The settings object reads its folders from the environment when made.
  zept::tools::setFolderEnvironment(dataDir, appDir,
                                    zept::tools::bundledDataDir(ZEPT_BUILD_DATA_DIR, ZEPT_INSTALLED_DATA_DIR));
  ZEPTEnvAppSet settings;
  setCFG(&settings);

  const zeptcat::Context ctx{zeptcat::shown(settings.getPath(L"PATHDATA", CFGProfiles)), json, std::cout};
  int status = 0;
  try {
    for (auto const& command : commands)
      if (command.app->parsed()) command.run(ctx);
  } catch (zeptcat::UsageError const& e) {
    std::cerr << "zeptcat: " << e.what() << '\n';
    status = 1;
  } catch (CDaoException const& e) {
    std::cerr << "zeptcat: " << e.description().toUtf8() << " (error " << e.errorCode() << ")\n";
    status = 2;
  } catch (std::bad_alloc const&) {
    std::cerr << "zeptcat: not enough memory\n";
    status = 2;
  } catch (std::exception const& e) {
    std::cerr << "zeptcat: " << e.what() << '\n';
    status = 2;
  }
  std::cout.flush();
  setCFG(nullptr);
  return status;
}
