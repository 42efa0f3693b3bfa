// SPDX-License-Identifier: MIT
// zeptcat sql CATALOG STATEMENT [--write]: one Jet SQL statement on a catalog.
// A SELECT runs on a shared read-only open, so it can never change the
// catalog and runs beside other readers. Anything else needs --write, which
// opens the catalog exclusively for writing, as Jet requires of writers, in
// the application folder.
#include "tools/zeptcat/Command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/DaoTypes.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

// Jet's "invalid operation": what a recordset answers to a statement that is
// not a query. The engine's own parser decides, so SELECT ... INTO counts as
// the action it is.
constexpr long kNotAQuery = 3219;

struct SqlOptions {
  std::string catalog;
  std::string statement;
  bool write = false;
};

void runSql(Context const& ctx, SqlOptions const& o) {
  const std::wstring found = catalogPath(ctx, o.catalog);
  const std::wstring path = o.write ? writableCatalog(o.catalog, found) : found;
  const std::wstring sql = zept::fromUtf8(o.statement);
  CDaoDatabase db;
  db.Open(path.c_str(), /*exclusive=*/o.write, /*readOnly=*/!o.write);
  CDaoRecordset rs(&db);
  try {
    rs.Open(dbOpenSnapshot, sql.c_str());
  } catch (CDaoException const& e) {
    if (e.errorCode() != kNotAQuery) throw;
    if (!o.write) throw UsageError("not a SELECT statement; add --write to change " + o.catalog);
    db.Execute(sql.c_str(), dbFailOnError);
    printAffected(ctx.out, db.GetRecordsAffected(), ctx.json);
    return;
  }
  print(ctx.out, readAll(rs), ctx.json);
}

}  // namespace

Command addSqlCommand(CLI::App& parent) {
  auto options = std::make_shared<SqlOptions>();
  CLI::App* sub = parent.add_subcommand("sql", "Run one Jet SQL statement on a catalog and print its rows");
  sub->add_option("catalog", options->catalog,
                  "A catalog file, its name (\"Bolts_ISO4014\" for Bolts_ISO4014.mdb), or a catalog's short name "
                  "(\"EURO\" for EUROpro.mdb), looked up in the application folder first, then the data folder")
      ->required();
  sub->add_option("statement", options->statement, "The Jet SQL statement, e.g. \"SELECT * FROM Bolts\"")
      ->required();
  sub->add_flag("--write", options->write,
                "Allow statements that change the catalog (opens it exclusively for writing)");
  return {sub, [options](Context const& ctx) { runSql(ctx, *options); }};
}

}  // namespace zeptcat
