// SPDX-License-Identifier: MIT
// CDaoTableDef: new tables and links made through the engine, fields read
// from the declared SQLite types that JetTypes maps.
#include "platform/dao/DaoTableDef.h"

#include <sqlite3.h>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/CatalogSchema.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoEngine.h"
#include "platform/dao/JetTypes.h"

using zept::dao::Engine;

namespace {

[[noreturn]] void itemNotFound() { throw CDaoException(zept::jet::kItemNotFound, L"Item not found in this collection."); }

std::string fieldDefinition(CDaoFieldInfo const& f) {
  std::string out = zept::dao::quoted(f.m_strName.str()) + " ";
  if (f.m_lAttributes & dbAutoIncrField) {
    if (f.m_nType != dbLong) throw CDaoException(3259, L"Only a Long field can be an auto-increment field.");
    return out + "INTEGER PRIMARY KEY AUTOINCREMENT";
  }
  try {
    out += zept::dao::declFromDaoType(f.m_nType, f.m_lSize);
  } catch (std::invalid_argument const&) {
    throw CDaoException(3259, L"Invalid field data type.");
  }
  if (f.m_bRequired) out += " NOT NULL";
  return out;
}

}  // namespace

CDaoTableDef::CDaoTableDef(CDaoDatabase* database) : m_pDatabase(database) {}

CDaoTableDef::~CDaoTableDef() = default;

void CDaoTableDef::requireOpen() const {
  if (m_state != State::Open) throw CDaoException(zept::jet::kNotOpen, L"The table definition is not open.");
}

void CDaoTableDef::Open(wchar_t const* name) {
  Close();
  if (!m_pDatabase) throw CDaoException(zept::jet::kNotOpen, L"The table definition has no database.");
  const auto table = zept::dao::findTable(m_pDatabase->engine(), name ? name : L"");
  if (!table) itemNotFound();
  m_name = table->name;
  m_connect = table->connect;
  m_sourceTable = table->sourceTable;
  m_attributes = table->attributes;
  m_state = State::Open;
}

void CDaoTableDef::Create(wchar_t const* name, long attributes, wchar_t const* sourceTable, wchar_t const* connect) {
  Close();
  if (!m_pDatabase) throw CDaoException(zept::jet::kNotOpen, L"The table definition has no database.");
  m_pDatabase->engine();  // throws when the database is closed
  m_name = name;
  m_attributes = attributes;
  m_sourceTable = sourceTable;
  m_connect = connect;
  m_state = State::New;
}

void CDaoTableDef::Close() {
  m_state = State::Closed;
  m_name.Empty();
  m_connect.Empty();
  m_sourceTable.Empty();
  m_attributes = 0;
  m_newFields.clear();
}

void CDaoTableDef::SetConnect(wchar_t const* connect) {
  if (m_state == State::Open) throw CDaoException(3268, L"The property cannot be set on an appended table.");
  m_connect = connect;
}

void CDaoTableDef::SetSourceTableName(wchar_t const* name) {
  if (m_state == State::Open) throw CDaoException(3268, L"The property cannot be set on an appended table.");
  m_sourceTable = name;
}

long CDaoTableDef::GetAttributes() const { return isLink() ? m_attributes | dbAttachedTable : m_attributes; }

bool CDaoTableDef::CanUpdate() const { return m_pDatabase && m_pDatabase->CanUpdate(); }

void CDaoTableDef::Append() {
  if (m_state != State::New) throw CDaoException(3219, L"Invalid operation: nothing to append.");
  Engine& e = m_pDatabase->engine();
  if (e.readOnly()) throw CDaoException(zept::jet::kReadOnly, L"Cannot update. Database or object is read-only.");
  if (m_name.IsEmpty()) throw CDaoException(3125, L"A table needs a name.");
  if (zept::dao::findTable(e, m_name.str()))
    throw CDaoException(zept::jet::kTableExists, CString(L"Table '") + m_name + L"' already exists.");
  if (isLink()) {
    zept::dao::TableEntry link;
    link.name = m_name.str();
    link.linked = true;
    link.sourceTable = (m_sourceTable.IsEmpty() ? m_name : m_sourceTable).str();
    link.connect = m_connect.str();
    link.attributes = m_attributes;
    zept::dao::addLink(e, link);
  } else {
    if (m_newFields.empty()) throw CDaoException(3264, L"No field defined: cannot append a table without fields.");
    std::string sql = "CREATE TABLE " + zept::dao::quoted(m_name.str()) + " (";
    for (std::size_t i = 0; i < m_newFields.size(); ++i) {
      if (i) sql += ", ";
      sql += fieldDefinition(m_newFields[i]);
    }
    e.execInternal(sql + ")");
    e.schemaChanged();
  }
  m_newFields.clear();
  m_state = State::Open;
}

void CDaoTableDef::SetName(wchar_t const* name) {
  if (!name || !*name) throw CDaoException(3125, L"A table needs a name.");
  if (m_state == State::New) {
    m_name = name;
    return;
  }
  requireOpen();
  Engine& e = m_pDatabase->engine();
  if (e.readOnly()) throw CDaoException(zept::jet::kReadOnly, L"Cannot update. Database or object is read-only.");
  auto const* found = zept::dao::findTable(e, m_name.str());
  if (!found) itemNotFound();
  const zept::dao::TableEntry table = *found;  // renaming changes the schema
  if (auto const* other = zept::dao::findTable(e, name); other && CString(other->name).CompareNoCase(m_name) != 0)
    throw CDaoException(zept::jet::kTableExists, CString(L"Table '") + name + L"' already exists.");
  zept::dao::renameTable(e, table, name);
  m_name = name;
}

long CDaoTableDef::GetRecordCount() {
  requireOpen();
  return zept::dao::countRows(m_pDatabase->engine(), m_name.str());
}

void CDaoTableDef::CreateField(wchar_t const* name, short type, long size, long attributes) {
  CDaoFieldInfo info;
  info.m_strName = name;
  info.m_nType = type;
  info.m_lSize = size;
  info.m_lAttributes = attributes;
  CreateField(info);
}

void CDaoTableDef::CreateField(CDaoFieldInfo& info) {
  if (info.m_strName.IsEmpty()) throw CDaoException(3125, L"A field needs a name.");
  const std::string definition = fieldDefinition(info);  // validates the type
  if (m_state == State::New) {
    for (auto const& f : m_newFields)
      if (f.m_strName.CompareNoCase(info.m_strName) == 0)
        throw CDaoException(zept::jet::kNameExists, L"A field of that name exists already.");
    info.m_nOrdinalPosition = static_cast<short>(m_newFields.size());
    m_newFields.push_back(info);
    return;
  }
  requireOpen();
  Engine& e = m_pDatabase->engine();
  if (e.readOnly()) throw CDaoException(zept::jet::kReadOnly, L"Cannot update. Database or object is read-only.");
  if (isLink()) throw CDaoException(3219, L"Invalid operation on a linked table.");
  e.schemaChanged();
  e.execInternal("ALTER TABLE " + zept::dao::quoted(m_name.str()) + " ADD COLUMN " + definition);
  e.schemaChanged();
}

std::vector<CDaoFieldInfo> CDaoTableDef::fields() {
  if (m_state == State::New) return m_newFields;
  requireOpen();
  Engine& e = m_pDatabase->engine();
  std::vector<CDaoFieldInfo> out;
  auto lease = e.prepare("SELECT * FROM " + zept::dao::quoted(m_name.str()) + " LIMIT 0", {});
  const std::string table = zept::toUtf8(m_name.str());
  for (auto const& c : lease->columns->columns) {
    CDaoFieldInfo f;
    f.m_strName = c.label;
    f.m_nType = c.daoType;
    f.m_lSize = c.size;
    f.m_nOrdinalPosition = static_cast<short>(out.size());
    int notNull = 0;
    int primaryKey = 0;
    int autoIncrement = 0;
    if (!isLink() && sqlite3_table_column_metadata(e.handle(), "main", table.c_str(), zept::toUtf8(c.label).c_str(), nullptr,
                                                   nullptr, &notNull, &primaryKey, &autoIncrement) == SQLITE_OK) {
      f.m_bRequired = notNull != 0;
      if (autoIncrement) f.m_lAttributes |= dbAutoIncrField;
    }
    if (f.m_nType == dbText || f.m_nType == dbMemo) f.m_lAttributes |= dbVariableField;
    out.push_back(std::move(f));
  }
  return out;
}

short CDaoTableDef::GetFieldCount() { return static_cast<short>(fields().size()); }

void CDaoTableDef::GetFieldInfo(int index, CDaoFieldInfo& info, unsigned) {
  const auto all = fields();
  if (index < 0 || static_cast<std::size_t>(index) >= all.size()) itemNotFound();
  info = all[static_cast<std::size_t>(index)];
}

void CDaoTableDef::GetFieldInfo(wchar_t const* name, CDaoFieldInfo& info, unsigned) {
  for (auto const& f : fields()) {
    if (f.m_strName.CompareNoCase(name ? name : L"") == 0) {
      info = f;
      return;
    }
  }
  itemNotFound();
}
