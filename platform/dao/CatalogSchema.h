// SPDX-License-Identifier: MIT
// The catalog's own bookkeeping on top of SQLite's schema: which tables
// exist (local or linked), the linked-table records, and the system tables
// that hold them. Internal to platform/dao.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/DaoEngine.h"

namespace zept::dao {

inline constexpr char kPropertiesTable[] = "MSysProperties";
inline constexpr char kLinksTable[] = "MSysLinkedTables";

// Creates the system tables when a catalog made elsewhere lacks them.
void ensureSystemTables(Engine& engine);

bool sqliteTableExists(Engine& engine, std::string const& name);
// The table `name` names, in any case; valid until the schema changes.
TableEntry const* findTable(Engine& engine, std::wstring_view name);
// Local tables, then linked ones, each sorted without regard to case; read
// once per schema (see Engine::tables).
std::vector<TableEntry> const& listTables(Engine& engine);
long countRows(Engine& engine, std::wstring const& table);

// The DATABASE= part of a connect string such as ";DATABASE=x.mdb;TABLE=t".
std::wstring connectDatabase(std::wstring const& connect);

// Re-creates the views of every recorded link; a link whose source cannot be
// reached stays recorded, and queries through it fail as Jet's do.
void attachLinks(Engine& engine);
// Records a link that reaches its source; throws 3024 (no file) or 3078 (no
// such table there) and records nothing otherwise.
void addLink(Engine& engine, TableEntry const& link);
void removeLink(Engine& engine, std::wstring const& name);
void renameTable(Engine& engine, TableEntry const& table, std::wstring const& newName);

// An identifier quoted for SQLite: in double quotes, inner ones doubled.
std::string quoted(std::string_view utf8);
std::string quoted(std::wstring const& identifier);

}  // namespace zept::dao
