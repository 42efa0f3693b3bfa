// zeptcat materials: the material catalogs.
#include <CLI/CLI.hpp>

#include "tools/zeptcat/Command.h"

namespace zeptcat {

Command addMaterialsCommand(CLI::App& parent) {
  Command command;
  command.app = parent.add_subcommand("materials", "Show the material catalogs");
  command.run = [](Context const&) { throw UsageError("materials: not available in this build"); };
  return command;
}

}  // namespace zeptcat
