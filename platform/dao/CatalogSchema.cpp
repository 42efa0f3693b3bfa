// SPDX-License-Identifier: MIT
// The table list and the linked tables of a catalog: links are kept in a
// system table, their catalogs attached and read through views.
#include "platform/dao/CatalogSchema.h"

#include <sqlite3.h>

#include <algorithm>
#include <cwctype>
#include <memory>
#include <typeinfo>
#include <unordered_map>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/fs/FileOps.h"
#include "platform/fs/WinPath.h"

namespace zept::dao {

namespace {

std::wstring columnText(sqlite3_stmt* stmt, int i) {
  auto const* p = reinterpret_cast<char const*>(sqlite3_column_text(stmt, i));
  return p ? fromUtf8(p) : std::wstring();
}

std::vector<TableEntry> readLinks(Engine& engine) {
  std::vector<TableEntry> out;
  auto lease = engine.prepare(std::string("SELECT Name, SourceTable, Connect, Attributes FROM ") + kLinksTable +
                                  " ORDER BY Name COLLATE NOCASE",
                              {});
  int rc;
  while ((rc = step(lease->stmt)) == SQLITE_ROW) {
    TableEntry e;
    e.name = columnText(lease->stmt, 0);
    e.linked = true;
    e.sourceTable = columnText(lease->stmt, 1);
    e.connect = columnText(lease->stmt, 2);
    e.attributes = static_cast<long>(sqlite3_column_int64(lease->stmt, 3));
    out.push_back(std::move(e));
  }
  if (rc != SQLITE_DONE) engine.fail(rc);
  return out;
}

}  // namespace

std::string quoted(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string quoted(std::wstring const& identifier) { return quoted(std::string_view(toUtf8(identifier))); }

void ensureSystemTables(Engine& engine) {
  engine.execInternal(
      "CREATE TABLE IF NOT EXISTS MSysProperties (Container TEXT NOT NULL, Name TEXT NOT NULL, Type INTEGER NOT "
      "NULL, Value, UNIQUE (Container, Name COLLATE NOCASE));"
      "CREATE TABLE IF NOT EXISTS MSysLinkedTables (Name TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, SourceTable TEXT "
      "NOT NULL, Connect TEXT NOT NULL, Attributes INTEGER NOT NULL)");
  engine.schemaChanged();
}

bool sqliteTableExists(Engine& engine, std::string const& name) {
  const std::wstring wanted = lowered(fromUtf8(name));
  for (auto const& t : listTables(engine))
    if (!t.linked && lowered(t.name) == wanted) return true;
  return false;
}

TableEntry const* findTable(Engine& engine, std::wstring_view name) {
  // Asked for at every select: compared in place, most names fail on length.
  const auto same = [name](std::wstring const& stored) {
    if (stored.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
      if (stored[i] != name[i] && std::towlower(static_cast<wint_t>(stored[i])) != std::towlower(static_cast<wint_t>(name[i])))
        return false;
    return true;
  };
  for (auto const& t : listTables(engine))
    if (same(t.name)) return &t;
  return nullptr;
}

std::vector<TableEntry> const& listTables(Engine& engine) {
  if (engine.tables) return *engine.tables;
  std::vector<TableEntry> out;
  bool hasLinks = false;
  {
    auto lease = engine.prepare(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY "
        "name COLLATE NOCASE",
        {});
    int rc;
    while ((rc = step(lease->stmt)) == SQLITE_ROW) {
      TableEntry e;
      e.name = columnText(lease->stmt, 0);
      hasLinks = hasLinks || lowered(e.name) == lowered(fromUtf8(kLinksTable));
      out.push_back(std::move(e));
    }
    if (rc != SQLITE_DONE) engine.fail(rc);
  }
  if (hasLinks) {
    auto links = readLinks(engine);
    out.insert(out.end(), links.begin(), links.end());
  }
  engine.tables = std::move(out);
  return *engine.tables;
}

namespace {
// Counts of a catalog nobody can change: selecting a catalog asks whether its
// tables are empty every time, and count(*) walks every page of the table.
struct RowCounts : Engine::Derived {
  std::unordered_map<std::wstring, long> byTable;
  static std::unique_ptr<Engine::Derived> make() { return std::make_unique<RowCounts>(); }
};
}  // namespace

long countRows(Engine& engine, std::wstring const& table) {
  auto* kept = static_cast<RowCounts*>(engine.derived(typeid(RowCounts), &RowCounts::make));
  if (kept)
    if (auto it = kept->byTable.find(table); it != kept->byTable.end()) return it->second;
  auto lease = engine.prepare("SELECT count(*) FROM " + quoted(table), {});
  const int rc = step(lease->stmt);
  if (rc != SQLITE_ROW) engine.fail(rc);
  const auto count = static_cast<long>(sqlite3_column_int64(lease->stmt, 0));
  if (kept) kept->byTable.emplace(table, count);
  return count;
}

std::wstring connectDatabase(std::wstring const& connect) {
  std::size_t pos = 0;
  while (pos <= connect.size()) {
    const auto end = std::min(connect.find(L';', pos), connect.size());
    const std::wstring part = connect.substr(pos, end - pos);
    const auto eq = part.find(L'=');
    if (eq != std::wstring::npos && lowered(part.substr(0, eq)) == L"database") return part.substr(eq + 1);
    pos = end + 1;
  }
  return {};
}

namespace {
bool linkView(Engine& engine, TableEntry const& link) {
  const auto path = fs::resolve(connectDatabase(link.connect));
  return path && engine.linkTable(link.name, *path, link.sourceTable);
}
}  // namespace

void attachLinks(Engine& engine) {
  std::vector<TableEntry> const& listed = listTables(engine);
  if (std::none_of(listed.begin(), listed.end(), [](TableEntry const& t) { return t.linked; })) return;
  // Copied: linking a view changes the schema and drops the cached list.
  const std::vector<TableEntry> tables = listed;
  for (auto const& link : tables)
    if (link.linked) linkView(engine, link);
}

namespace {
void recordLink(Engine& engine, TableEntry const& link) {
  ensureSystemTables(engine);
  std::vector<SqlValue> params(4);
  params[0].kind = params[1].kind = params[2].kind = SqlValue::Kind::Text;
  params[0].text = toUtf8(link.name);
  params[1].text = toUtf8(link.sourceTable);
  params[2].text = toUtf8(link.connect);
  params[3].integer = link.attributes;
  {
    auto lease = engine.prepare(std::string("INSERT INTO ") + kLinksTable +
                                    " (Name, SourceTable, Connect, Attributes) VALUES (?1, ?2, ?3, ?4)",
                                params);
    engine.stepToEnd(lease->stmt);
  }
  engine.schemaChanged();
}
}  // namespace

void addLink(Engine& engine, TableEntry const& link) {
  // As Jet does, a new link must reach its source: a link that leads nowhere
  // is refused, never recorded, so a failed copy leaves no dead table behind.
  const std::wstring file = connectDatabase(link.connect);
  if (!fs::fileExists(file))
    throw CDaoException(jet::kFileNotFound, CString(L"Could not find file '") + file.c_str() + L"'.");
  if (!linkView(engine, link))
    throw CDaoException(jet::kTableNotFound, CString(L"The engine cannot find the input table '") +
                                                 link.sourceTable.c_str() + L"' in '" + file.c_str() + L"'.");
  try {
    recordLink(engine, link);
  } catch (...) {
    engine.unlinkTable(link.name);
    throw;
  }
}

void removeLink(Engine& engine, std::wstring const& name) {
  SqlValue v;
  v.kind = SqlValue::Kind::Text;
  v.text = toUtf8(name);
  {
    auto lease = engine.prepare(std::string("DELETE FROM ") + kLinksTable + " WHERE Name = ?1 COLLATE NOCASE", {v});
    engine.stepToEnd(lease->stmt);
  }
  engine.schemaChanged();
  engine.unlinkTable(name);
}

void renameTable(Engine& engine, TableEntry const& table, std::wstring const& newName) {
  if (table.linked) {
    Engine::Transaction tx(engine);
    std::vector<SqlValue> params(2);
    params[0].kind = params[1].kind = SqlValue::Kind::Text;
    params[0].text = toUtf8(newName);
    params[1].text = toUtf8(table.name);
    {
      auto lease = engine.prepare(std::string("UPDATE ") + kLinksTable + " SET Name = ?1 WHERE Name = ?2 COLLATE NOCASE",
                                  params);
      engine.stepToEnd(lease->stmt);
    }
    tx.commit();
    engine.schemaChanged();
    engine.unlinkTable(table.name);
    TableEntry renamed = table;
    renamed.name = newName;
    linkView(engine, renamed);
    return;
  }
  Engine::Transaction tx(engine);
  engine.schemaChanged();
  if (lowered(table.name) == lowered(newName)) {
    // SQLite sees "shape" and "Shape" as the same name and refuses the
    // rename, so a change of letter case goes through a temporary name.
    const std::wstring temporary = L"zept_rename_" + newName;
    engine.execInternal("ALTER TABLE " + quoted(table.name) + " RENAME TO " + quoted(temporary));
    engine.execInternal("ALTER TABLE " + quoted(temporary) + " RENAME TO " + quoted(newName));
  } else {
    engine.execInternal("ALTER TABLE " + quoted(table.name) + " RENAME TO " + quoted(newName));
  }
  tx.commit();
  engine.schemaChanged();
}

}  // namespace zept::dao
