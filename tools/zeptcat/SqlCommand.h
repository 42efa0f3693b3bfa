// zeptcat sql CATALOG STATEMENT [--write]: one Jet SQL statement on a catalog.
#pragma once

#include "tools/zeptcat/Command.h"

namespace zeptcat {

Command addSqlCommand(CLI::App& parent);

}  // namespace zeptcat
