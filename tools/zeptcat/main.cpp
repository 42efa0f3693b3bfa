// zeptcat: the command-line face of the library. Global options pick the
// catalog folders; main installs the settings object the catalog code asks
// for its folders, runs the one subcommand given and maps failures to exit
// codes: 1 for a command line refused, 2 for an engine error.
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/settings/ZEPTEnvAppSet.h"
#include "tools/common/ToolFolders.h"
#include "tools/zeptcat/Command.h"

int main(int argc, char** argv) {
  CLI::App app{"Query the catalogs of ZEPTDatabase.", "zeptcat"};
  app.require_subcommand(1);
  app.fallthrough();  // global options may also follow the subcommand
  std::string dataDir, appDir;
  bool json = false;
  app.add_option("--data", dataDir,
                 "Catalog data folder (default: $ZEPT_DATA_PATH, else the bundled catalogs); also the user-object "
                 "folder unless $ZEPT_OBJSTEEL_PATH is set");
  app.add_option("--app", appDir,
                 "Application catalog folder, searched first when a catalog is selected by short name (default: "
                 "$ZEPT_APP_PATH, else the data folder)");
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
  commands.push_back(zeptcat::addRenderCommand(app));
  commands.push_back(zeptcat::addSymbolCommand(app));
  commands.push_back(zeptcat::addRegionCommand(app));

  try {
    app.parse(argc, argv);
  } catch (CLI::ParseError const& e) {
    return app.exit(e) == 0 ? 0 : 1;  // --help is a success
  }

  // The settings object reads its folders from the environment when made.
  zept::tools::setFolderEnvironment(dataDir, appDir,
                                    zept::tools::bundledDataDir(ZEPT_BUILD_DATA_DIR, ZEPT_INSTALLED_DATA_DIR));
  ZEPTEnvAppSet settings;
  setCFG(&settings);

  const zeptcat::Context ctx{zept::toUtf8(settings.getPath(L"PATHDATA", CFGProfiles)), json, std::cout};
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
  } catch (std::exception const& e) {
    std::cerr << "zeptcat: " << e.what() << '\n';
    status = 2;
  }
  std::cout.flush();
  setCFG(nullptr);
  return status;
}
