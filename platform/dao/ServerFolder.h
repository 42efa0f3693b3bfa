// SPDX-License-Identifier: MIT
// A data folder that names a PostgreSQL server. Each seat keeps a local
// mirror of the server's catalogs, one SQLite file per catalog, and brings
// it up to date when a catalog is selected or listed: one round trip reads
// every catalog's generation, and only catalogs published since are fetched
// again. Reads then run on local files with the warm state of any catalog.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zept::dao {

// Whether a data-folder setting names a server: a "postgresql://" or
// "postgres://" URI, or libpq's key=value text ("service=office").
bool isServerFolder(std::wstring_view setting);

// The mirror's folder for `conninfo` (POSIX, ending in "/"):
// "$XDG_CACHE_HOME/zeptdb/servers/<hash of conninfo>/", with $HOME/.cache
// when XDG_CACHE_HOME is unset or relative; "" without either. The text holds no password
// (libpq's password and service files hold those), so hashing it names
// the server and database alone.
std::string serverMirrorFolder(std::string const& conninfo);

// Brings the mirror of `conninfo` up to date and returns its folder. A
// connection lost since the last call (a server restart) is made again
// once. Throws std::runtime_error, with the mirror whole as before, when the
// server cannot be reached or read, or when the library was built without
// libpq.
std::string syncServerFolder(std::string const& conninfo);

// The calls of the tools that look after a server; each connects, works in
// one transaction and throws std::runtime_error with nothing changed when
// it fails (as syncServerFolder, without libpq too).
//
// The administrator's once-only set-up: the registry and the reader and
// editor roles ("zept_reader", "zept_editor").
void prepareCatalogServer(std::string const& conninfo);
// Publishes the native catalog `file` as catalog `name`, as the editor
// role; the generation it now has.
std::int64_t publishToServer(std::string const& conninfo, std::string const& name, std::string const& file);
// Writes catalog `name` to the new or replaced file `target`; its generation.
std::int64_t fetchFromServer(std::string const& conninfo, std::string const& name, std::string const& target);

}  // namespace zept::dao
