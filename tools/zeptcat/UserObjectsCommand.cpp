// zeptcat userobjects: the user-object catalogs.
#include <CLI/CLI.hpp>

#include "tools/zeptcat/Command.h"

namespace zeptcat {

Command addUserObjectsCommand(CLI::App& parent) {
  Command command;
  command.app = parent.add_subcommand("userobjects", "Show the user-object catalogs");
  command.run = [](Context const&) { throw UsageError("userobjects: not available in this build"); };
  return command;
}

}  // namespace zeptcat
