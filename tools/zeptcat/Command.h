// SPDX-License-Identifier: MIT
// What every zeptcat subcommand shares: the global options it runs under, the
// way it is registered, and the errors main turns into exit codes. Each
// subcommand lives in a file of its own and adds itself with an add...Command
// function returning a Command.
#pragma once

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace CLI {
class App;
}

namespace zeptcat {

struct Context {
  std::string dataDir;  // the catalog folder, ending in a separator; what PATHDATA gives
  bool json = false;    // --json: machine-readable output
  std::ostream& out;    // results; messages go to stderr through exceptions
};

struct Command {
  CLI::App* app = nullptr;                  // the parsed subcommand
  std::function<void(Context const&)> run;  // called when `app` was given
};

// A request the command refuses as given; main prints it and exits 1, as for
// a command line CLI11 rejects. Engine failures arrive as CDaoException (exit 2).
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Whether a command argument names a catalog file rather than a short name:
// it has a "/" or "\", or names an existing file.
bool isCatalogPath(std::string const& name);

// The catalog file a command argument names: the path itself (see
// isCatalogPath); else the file NAME.mdb, or the one catalog that a kind
// names after the short name NAME (EURO for EUROpro.mdb, EN14399 for
// cr_EN14399.mdb), from the application folder first, then the data folder.
// The engine matches names without case. A short name of several catalogs
// is a UsageError; one of none gives NAME.mdb in the data folder.
std::wstring catalogPath(Context const& ctx, std::string const& name);

// Refuses, as a UsageError naming `what`, a name the user gives for a file
// the command makes when it names no file: empty, or ending in a separator.
// A dot name would hide the file: refused too.
void requireFileName(std::string const& name, std::string const& what);

// Refuses, as a UsageError, a profile name longer than the 4 characters the
// catalog keeps: the size could not be found again under it.
void requireProfileNameLength(std::string const& name);

// The whole of an input file a command reads ("-" is standard input), at
// most 16 MiB: more is a UsageError naming `what`, so that a device such as
// /dev/zero cannot take the memory. One that cannot be opened, or is not a
// regular file (a folder, a FIFO), is one too; a read that fails midway
// throws std::runtime_error with the reason.
std::string readInputFile(std::string const& source, std::string const& what);

// The subcommands, one file each.
Command addSqlCommand(CLI::App& parent);
Command addCatalogsCommand(CLI::App& parent);
Command addPropsCommand(CLI::App& parent);
Command addDimsCommand(CLI::App& parent);
Command addListsCommand(CLI::App& parent);
Command addBoltsCommand(CLI::App& parent);
Command addProfilesCommand(CLI::App& parent);
Command addMaterialsCommand(CLI::App& parent);
Command addUserObjectsCommand(CLI::App& parent);
Command addSectionCommand(CLI::App& parent);
Command addImportCommand(CLI::App& parent);
// The server's side: export a catalog to a file, set a server up.
Command addExportCommand(CLI::App& parent);
Command addPrepareServerCommand(CLI::App& parent);
Command addRenderCommand(CLI::App& parent);
Command addSymbolCommand(CLI::App& parent);
Command addRegionCommand(CLI::App& parent);

}  // namespace zeptcat
