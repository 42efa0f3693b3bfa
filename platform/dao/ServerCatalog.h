// SPDX-License-Identifier: MIT
// Catalogs kept on a PostgreSQL server: one schema per catalog, named as the
// catalog file's stem, its tables typed from the values they hold, and a
// registry (schema "zept") of each catalog's generation and SQLite schema
// text. Publishing replaces a catalog whole in one transaction; fetching
// rebuilds the very SQLite catalog that was published. Both take the
// catalog's advisory lock (exclusive and shared), so a fetch never sees half
// of a publish.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/dao/PgConnection.h"

namespace zept::dao {

// The group roles an office grants its people: readers fetch catalogs,
// editors (readers too) publish them.
inline constexpr char kReaderRole[] = "zept_reader";
inline constexpr char kEditorRole[] = "zept_editor";

// Creates the registry and the two roles where they are missing; needs a
// role that may create roles (the server's administrator). Idempotent.
void prepareServer(PgConnection& c);

// Whether `name` may name a catalog on a server: a file stem of 1 to 63
// bytes of letters, digits, '_' and '-', not one of the server's own schema
// names.
bool isServerCatalogName(std::string const& name);

// Replaces (or creates) catalog `name` with the SQLite catalog at
// `sqlitePath`, in one transaction, as the editor role: throws PgError (the
// caller lacks the editor role, the server refused a value) with nothing
// changed. Returns the new generation.
std::int64_t publishCatalog(PgConnection& c, std::string const& name, std::string const& sqlitePath);

// Writes catalog `name` as a new SQLite file at `target` (in a folder of
// its own making: a temporary beside it is renamed over it when whole).
// Throws PgError when there is no such catalog or the server fails; then
// `target` is as it was. Returns the generation written.
std::int64_t fetchCatalog(PgConnection& c, std::string const& name, std::string const& target);

// Every catalog on the server with its generation, sorted by name.
std::vector<std::pair<std::string, std::int64_t>> serverCatalogs(PgConnection& c);

}  // namespace zept::dao
