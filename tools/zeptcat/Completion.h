// SPDX-License-Identifier: MIT
// zeptcat's bash completion, made from the command line's own definition so
// that it always knows every subcommand and option: subcommands and global
// options first, then the options of the subcommand given, the fixed values
// of an option that has them (--units mm|in), folders after --data and
// --app, and file names elsewhere.
#pragma once

#include <string>

namespace CLI {
class App;
}

namespace zeptcat {

// A bash script defining the completion function and registering it.
std::string bashCompletion(CLI::App const& app);

}  // namespace zeptcat
