// zeptcat profiles: the profile catalogs.
#include <CLI/CLI.hpp>

#include "tools/zeptcat/Command.h"

namespace zeptcat {

Command addProfilesCommand(CLI::App& parent) {
  Command command;
  command.app = parent.add_subcommand("profiles", "Show the profile catalogs");
  command.run = [](Context const&) { throw UsageError("profiles: not available in this build"); };
  return command;
}

}  // namespace zeptcat
