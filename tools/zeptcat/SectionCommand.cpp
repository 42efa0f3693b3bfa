// zeptcat section: cross-sections built from catalog profiles or KORVA text.
#include <CLI/CLI.hpp>

#include "tools/zeptcat/Command.h"

namespace zeptcat {

Command addSectionCommand(CLI::App& parent) {
  Command command;
  command.app = parent.add_subcommand("section", "Show cross-sections built from catalog profiles or KORVA text");
  command.run = [](Context const&) { throw UsageError("section: not available in this build"); };
  return command;
}

}  // namespace zeptcat
