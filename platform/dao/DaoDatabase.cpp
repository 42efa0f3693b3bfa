// SPDX-License-Identifier: MIT
// CDaoDatabase: opening and creating catalogs, statements run through the
// Jet translator, and the table definitions read from CatalogSchema.
#include "platform/dao/DaoDatabase.h"

#include <sqlite3.h>

#include <cwctype>
#include <map>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/CatalogSchema.h"
#include "platform/dao/DaoEngine.h"
#include "platform/dao/JetSql.h"
#include "platform/dao/JetTypes.h"
#include "platform/fs/WinPath.h"

using zept::dao::Engine;
using zept::dao::JetStatementKind;

namespace {

std::string resolvedPath(wchar_t const* name, bool forCreate, struct stat* status = nullptr, bool* found = nullptr) {
  if (!name || !*name) throw CDaoException(zept::jet::kFileNotFound, L"Could not find file ''.");
  struct stat st {};
  bool exists = false;
  auto path = zept::fs::resolve(name, status ? *status : st, found ? *found : exists);
  if (!path) {
    if (forCreate) throw CDaoException(3044, CString(L"'") + name + L"' is not a valid path.");
    throw CDaoException(zept::jet::kFileNotFound, CString(L"Could not find file '") + name + L"'.");
  }
  return *path;
}

// Column names of a SELECT ... INTO table: Jet makes them unique.
std::wstring uniqueName(std::wstring name, std::map<std::wstring, int>& seen) {
  std::wstring key = zept::dao::lowered(name);
  if (name.empty()) name = key = L"expr";
  int& n = seen[key];
  if (n++ == 0) return name;
  return uniqueName(name + std::to_wstring(n - 1), seen);
}

void selectInto(Engine& engine, zept::dao::JetStatement const& st) {
  if (zept::dao::findTable(engine, zept::fromUtf8(st.intoTable)))
    throw CDaoException(zept::jet::kTableExists, CString(L"Table '") + zept::fromUtf8(st.intoTable).c_str() +
                                                      L"' already exists.");
  Engine::Transaction tx(engine);
  std::string create = "CREATE TABLE " + zept::dao::quoted(zept::fromUtf8(st.intoTable)) + " (";
  {
    auto lease = engine.prepare(st.sql, st.params);
    std::map<std::wstring, int> seen;
    bool first = true;
    for (auto const& column : lease->columns->columns) {
      if (!first) create += ", ";
      first = false;
      create += zept::dao::quoted(uniqueName(column.label, seen));
      // The source's Jet type is kept; an expression keeps no declared type.
      // Appended piece by piece: " " + a temporary string makes GCC 12 at -O3
      // warn of an overlapping copy that cannot happen.
      if (column.daoType) {
        create += ' ';
        create += zept::dao::declFromDaoType(column.daoType, column.size);
      }
    }
  }
  create += ")";
  engine.execInternal(create);
  engine.schemaChanged();
  {
    auto lease = engine.prepare("INSERT INTO " + zept::dao::quoted(zept::fromUtf8(st.intoTable)) + " " + st.sql,
                                st.params);
    engine.stepToEnd(lease->stmt);
  }
  tx.commit();
}

}  // namespace

CDaoDatabase::CDaoDatabase() = default;

CDaoDatabase::~CDaoDatabase() { Close(); }

void CDaoDatabase::Open(wchar_t const* name, bool exclusive, bool readOnly, wchar_t const*) {
  Close();
  struct stat status {};
  bool found = false;
  const std::string path = resolvedPath(name, false, &status, &found);
  open(name, path, found ? &status : nullptr, exclusive, readOnly);
}

void CDaoDatabase::OpenFound(wchar_t const* name, zept::fs::FoundFile const& file, bool exclusive, bool readOnly) {
  Close();
  open(name, file.path, &file.status, exclusive, readOnly);
}

void CDaoDatabase::open(wchar_t const* name, std::string const& path, struct stat const* named, bool exclusive,
                        bool readOnly) {
  auto engine =
      Engine::open(path, named, readOnly ? Engine::Access::ReadOnly : Engine::Access::ReadWrite, exclusive);
  zept::dao::attachLinks(*engine);
  m_engine = std::move(engine);
  m_name = name;
}

void CDaoDatabase::Create(wchar_t const* name, wchar_t const*, int) {
  Close();
  const std::string path = resolvedPath(name, true);
  m_engine = Engine::create(path);
  m_name = name;
}

void CDaoDatabase::Close() {
  // Recordsets still open keep their rows but stop reading the file before
  // the lock goes.
  if (m_engine) m_engine->spillStreams();
  Engine::close(std::move(m_engine));
  m_name.Empty();
}

CString CDaoDatabase::GetName() const { return m_name; }

bool CDaoDatabase::CanUpdate() const { return m_engine && !m_engine->readOnly(); }

zept::dao::Engine& CDaoDatabase::engine() const {
  if (!m_engine) throw CDaoException(zept::jet::kNotOpen, L"Object invalid or no longer set: the database is not open.");
  return *m_engine;
}

long CDaoDatabase::GetRecordsAffected() const { return m_engine ? m_engine->recordsAffected : 0; }

void CDaoDatabase::Execute(wchar_t const* sql, int) {
  Engine& e = engine();
  zept::dao::JetStatement const& st = e.translate(sql ? sql : L"");
  if (st.kind == JetStatementKind::Select)
    throw CDaoException(3065, L"Cannot execute a select query.");
  if (e.readOnly()) throw CDaoException(zept::jet::kReadOnly, L"Cannot update. Database or object is read-only.");
  e.recordsAffected = 0;
  switch (st.kind) {
    case JetStatementKind::SelectInto:
      selectInto(e, st);
      break;
    case JetStatementKind::CreateTable:
    case JetStatementKind::CreateIndex:
    case JetStatementKind::DropTable:
    case JetStatementKind::DropIndex: {
      {
        auto lease = e.prepare(st.sql, st.params);
        e.stepToEnd(lease->stmt);
      }
      e.schemaChanged();
      break;
    }
    default: {
      auto lease = e.prepare(st.sql, st.params);
      e.stepToEnd(lease->stmt);
    }
  }
}

short CDaoDatabase::GetTableDefCount() { return static_cast<short>(zept::dao::listTables(engine()).size()); }

namespace {
// "MSys..." in any case, as Access names its own tables.
bool systemTableName(std::wstring const& name) {
  static constexpr wchar_t kLowered[] = L"msys";
  if (name.size() < 4) return false;
  for (std::size_t i = 0; i < 4; ++i)
    if (std::towlower(static_cast<wint_t>(name[i])) != static_cast<wint_t>(kLowered[i])) return false;
  return true;
}

void fillInfo(Engine& e, zept::dao::TableEntry const& t, CDaoTableDefInfo& info, unsigned options) {
  info = CDaoTableDefInfo();
  info.m_strName = t.name;
  info.m_bUpdatable = !e.readOnly() && !t.linked;
  if (t.linked) {
    info.m_lAttributes = t.attributes | dbAttachedTable;
    info.m_strConnect = t.connect;
    info.m_strSrcTableName = t.sourceTable;
  } else if (systemTableName(t.name)) {
    info.m_lAttributes = dbSystemObject;
  }
  if (options >= AFX_DAO_ALL_INFO) info.m_lRecordCount = zept::dao::countRows(e, t.name);
}
}  // namespace

void CDaoDatabase::GetTableDefInfo(int index, CDaoTableDefInfo& info, unsigned options) {
  Engine& e = engine();
  const auto tables = zept::dao::listTables(e);
  if (index < 0 || static_cast<std::size_t>(index) >= tables.size())
    throw CDaoException(zept::jet::kItemNotFound, L"Item not found in this collection.");
  fillInfo(e, tables[static_cast<std::size_t>(index)], info, options);
}

void CDaoDatabase::GetTableDefInfo(wchar_t const* name, CDaoTableDefInfo& info, unsigned options) {
  Engine& e = engine();
  const auto table = zept::dao::findTable(e, name ? name : L"");
  if (!table) throw CDaoException(zept::jet::kItemNotFound, L"Item not found in this collection.");
  fillInfo(e, *table, info, options);
}

void CDaoDatabase::DeleteTableDef(wchar_t const* name) {
  Engine& e = engine();
  if (e.readOnly()) throw CDaoException(zept::jet::kReadOnly, L"Cannot update. Database or object is read-only.");
  auto const* found = zept::dao::findTable(e, name ? name : L"");
  if (!found) throw CDaoException(zept::jet::kItemNotFound, L"Item not found in this collection.");
  const zept::dao::TableEntry table = *found;  // the schema changes before its name is used
  if (table.linked) {
    zept::dao::removeLink(e, table.name);
  } else {
    e.schemaChanged();
    e.execInternal("DROP TABLE " + zept::dao::quoted(table.name));
    e.schemaChanged();
  }
}
