// SPDX-License-Identifier: MIT
// CDaoRecordset over the engine's row streams and held results: moving,
// reading fields with Jet's types, and dynaset changes by row id.
#include "platform/dao/DaoRecordset.h"

#include <sqlite3.h>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/CatalogSchema.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoEngine.h"
#include "platform/dao/JetSql.h"

using zept::dao::Engine;

namespace {

[[noreturn]] void noCurrentRecord() { throw CDaoException(zept::jet::kNoCurrentRecord, L"No current record."); }

[[noreturn]] void readOnlyRecordset() {
  throw CDaoException(zept::jet::kReadOnly, L"Cannot update. Database or object is read-only.");
}

// Jet keeps a Yes/No field as True (-1) or False (0): a number written to one
// is stored as True when it is not zero, so that "= True" finds the row.
COleVariant storedAs(COleVariant const& value, VARTYPE columnType) {
  if (columnType != VT_BOOL) return value;
  switch (value.vt) {
    case VT_I2: return COleVariant(value.iVal != 0);
    case VT_I4: return COleVariant(value.lVal != 0);
    case VT_UI1: return COleVariant(value.bVal != 0);
    case VT_R4: return COleVariant(value.fltVal != 0);
    case VT_R8: return COleVariant(value.dblVal != 0);
    default: return value;
  }
}

// A streaming snapshot's value of `column` in the engine's current row:
// where the engine keeps a row's values side by side, only the first asked
// for in a row is looked up.
[[gnu::always_inline]] inline sqlite3_value* rowValue(zept::dao::RowStream& stream, sqlite3_stmt* row, int column) {
  const std::ptrdiff_t stride = stream.valueStride();
  if (stride == 0) return sqlite3_column_value(row, column);
  char*& values = stream.rowValues();
  if (!values) values = reinterpret_cast<char*>(sqlite3_column_value(row, column)) - column * stride;
  return reinterpret_cast<sqlite3_value*>(values + column * stride);
}

// The value as the variant type of its column reads it.
[[gnu::always_inline]] inline void columnValue(sqlite3_value* v, zept::dao::ColumnMeta const& meta, COleVariant& out) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: zept::dao::setInteger(out, sqlite3_value_int64(v), meta.declaredVt); return;
    case SQLITE_FLOAT: zept::dao::setReal(out, sqlite3_value_double(v), meta.declaredVt); return;
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
      auto const* p = reinterpret_cast<char const*>(sqlite3_value_text(v));
      out.setUtf8(p ? std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v))) : std::string_view());
      return;
    }
    default: zept::dao::setNumber(out, VT_NULL); return;
  }
}

}  // namespace

CDaoRecordset::CDaoRecordset(CDaoDatabase* database)
    : m_pDatabase(database),
      m_rows(std::make_unique<zept::dao::ResultRows>()),
      m_stream(std::make_unique<zept::dao::RowStream>(*m_rows)) {}

CDaoRecordset::~CDaoRecordset() = default;

void CDaoRecordset::requireOpen() const {
  if (!m_open) throw CDaoException(zept::jet::kNotOpen, L"Object invalid or no longer set: the recordset is not open.");
  // The engine may have read the rows in, and failed doing so.
  if (m_stream->failed()) m_stream->spill();
}

bool CDaoRecordset::streaming() const { return m_stream->live(); }

void CDaoRecordset::materialize() const {
  if (streaming()) m_stream->spill();
}

void CDaoRecordset::requireCurrent() const {
  requireOpen();
  requireRow();
}

void CDaoRecordset::requireRow() const {
  if (streaming()) {
    if (m_stream->ended()) noCurrentRecord();
    return;
  }
  if (m_deleted || m_position < 0 || m_position >= m_rows->rowCount()) noCurrentRecord();
}

void CDaoRecordset::currentValue(int index, COleVariant& value) const {
  requireRow();
  auto const& meta = m_columns->columns[static_cast<std::size_t>(index)];
  if (streaming())
    columnValue(sqlite3_column_value(m_stream->stmt(), index), meta, value);
  else
    m_rows->value(m_position, index, meta, value);
}

void CDaoRecordset::Open(int openType, wchar_t const* sql, int) {
  Close();
  m_dirty = true;
  if (!m_pDatabase) throw CDaoException(zept::jet::kNotOpen, L"The recordset has no database.");
  Engine& e = m_pDatabase->engine();
  const std::wstring_view text = sql ? sql : L"";
  const bool snapshot = openType == dbOpenSnapshot;
  // Translated first: finding the translation hashes the text on the way,
  // for the kept rows.
  zept::dao::JetStatement const& st = e.translate(text);
  const std::size_t key = e.textKey();
  if (snapshot) {
    if (auto const* kept = e.cachedRows(text, key)) {
      *m_rows = kept->rows;
      if (m_columns != kept->columns) m_columns = kept->columns;
      m_position = 0;
      m_open = true;
      return;
    }
  }
  if (st.kind != zept::dao::JetStatementKind::Select)
    throw CDaoException(3219, L"Invalid operation: a recordset opens a SELECT query.");
  // Only a dynaset needs the table's wide name.
  std::wstring table;
  if (openType == dbOpenDynaset && !st.soleTable.empty() && !st.rowidSql.empty()) table = zept::fromUtf8(st.soleTable);
  const bool withRowid = !table.empty() && !e.isLinked(table);
  auto lease = e.prepare(withRowid ? st.rowidSql : st.sql, st.params, withRowid ? 1 : 0,
                         st.serial ? st.serial * 2 + (withRowid ? 1 : 0) : 0);
  // Close() emptied the rows. The columns stay from one open to the next
  // (closed, nothing reads them): reopening the same statement then costs
  // no count of references.
  m_rows->setColumnCount(static_cast<int>(lease->columns->columns.size()));
  if (m_columns != lease->columns) m_columns = lease->columns;
  if (snapshot && e.canStream()) {
    m_stream->start(e, std::move(lease), text, key);
  } else {
    m_rows->readAll(lease->stmt, withRowid ? 1 : 0, withRowid);
    if (snapshot) e.keepRows(text, key, *lease, *m_rows);
  }
  m_updatable = withRowid && !e.readOnly();
  if (withRowid) m_table = std::move(table);
  m_position = 0;
  m_open = true;
}

void CDaoRecordset::Close() {
  if (!m_dirty) return;
  m_dirty = false;
  m_stream->close();
  m_open = false;
  m_updatable = false;
  m_rows->clear();
  m_table.clear();
  m_editMode = EditMode::None;
  m_pending.clear();
  m_lastModified = -1;
  m_deleted = false;
}

// While streaming, m_position is the statement's row, or the count of rows
// once it has ended.
bool CDaoRecordset::IsEOF() const {
  if (m_stream->row()) return false;  // a streaming snapshot on a row
  requireOpen();
  if (streaming()) return m_stream->ended();
  return m_position >= m_rows->rowCount();
}

bool CDaoRecordset::IsBOF() const {
  requireOpen();
  if (streaming()) return m_stream->ended() && m_position == 0;
  return m_position < 0 || m_rows->rowCount() == 0;
}

void CDaoRecordset::MoveFirst() {
  requireOpen();
  if (streaming()) {
    if (m_position == 0) {
      if (m_stream->ended()) noCurrentRecord();
      m_deleted = false;
      return;
    }
    materialize();
  }
  if (m_rows->rowCount() == 0) noCurrentRecord();
  m_position = 0;
  m_deleted = false;
}

void CDaoRecordset::MoveLast() {
  requireOpen();
  materialize();
  if (m_rows->rowCount() == 0) noCurrentRecord();
  m_position = m_rows->rowCount() - 1;
  m_deleted = false;
}

void CDaoRecordset::MoveNext() {
  // A streaming snapshot on a row, the scan's case: open, not failed.
  if (m_stream->row()) {
    ++m_position;
    m_deleted = false;
    m_stream->next();
    return;
  }
  requireOpen();
  if (streaming()) {
    if (m_stream->ended()) noCurrentRecord();
    ++m_position;
    m_deleted = false;
    m_stream->next();
    return;
  }
  if (m_position >= m_rows->rowCount()) noCurrentRecord();
  ++m_position;
  m_deleted = false;
}

void CDaoRecordset::MovePrev() {
  requireOpen();
  materialize();
  if (m_position < 0) noCurrentRecord();
  --m_position;
  m_deleted = false;
}

long CDaoRecordset::GetRecordCount() const {
  requireOpen();
  materialize();
  return m_rows->rowCount();
}

short CDaoRecordset::GetFieldCount() const {
  requireOpen();
  return static_cast<short>(m_columns->columns.size());
}

void CDaoRecordset::GetFieldInfo(int index, CDaoFieldInfo& info) const {
  requireOpen();
  if (index < 0 || static_cast<std::size_t>(index) >= m_columns->columns.size())
    throw CDaoException(zept::jet::kItemNotFound, L"Item not found in this collection.");
  auto const& c = m_columns->columns[static_cast<std::size_t>(index)];
  info = CDaoFieldInfo();
  info.m_strName = c.label;
  info.m_nType = c.daoType;
  info.m_lSize = c.size;
  info.m_nOrdinalPosition = static_cast<short>(index);
  info.m_strSourceTable = c.table;
}

[[noreturn]] [[gnu::noinline]] static void unknownColumn(wchar_t const* name) {
  throw CDaoException(zept::jet::kItemNotFound,
                      CString(L"Item not found in this collection: '") + (name ? name : L"") + L"'.");
}

int CDaoRecordset::columnIndex(wchar_t const* name) const {
  const int index = m_columns->find(name ? name : L"");
  if (index < 0) unknownColumn(name);
  return index;
}

void CDaoRecordset::GetFieldValue(wchar_t const* name, COleVariant& value) const {
  // The common case first: a streaming snapshot on a row.
  if (sqlite3_stmt* row = m_stream->row()) {
    const int index = m_columns->find(name ? name : L"");
    if (index < 0) unknownColumn(name);
    columnValue(rowValue(*m_stream, row, index), m_columns->columns[static_cast<std::size_t>(index)], value);
    return;
  }
  requireOpen();
  currentValue(columnIndex(name), value);
}

COleVariant CDaoRecordset::GetFieldValue(wchar_t const* name) const {
  COleVariant v;
  GetFieldValue(name, v);
  return v;
}

[[noreturn]] [[gnu::noinline]] static void noColumnAt() {
  throw CDaoException(zept::jet::kItemNotFound, L"Item not found in this collection.");
}

void CDaoRecordset::GetFieldValue(int index, COleVariant& value) const {
  if (sqlite3_stmt* row = m_stream->row()) {
    auto const& columns = m_columns->columns;
    if (index < 0 || static_cast<std::size_t>(index) >= columns.size()) noColumnAt();
    columnValue(rowValue(*m_stream, row, index), columns[static_cast<std::size_t>(index)], value);
    return;
  }
  requireOpen();
  if (index < 0 || static_cast<std::size_t>(index) >= m_columns->columns.size()) noColumnAt();
  currentValue(index, value);
}

COleVariant CDaoRecordset::GetFieldValue(int index) const {
  COleVariant v;
  GetFieldValue(index, v);
  return v;
}

int CDaoRecordset::GetFieldIndex(wchar_t const* name) const {
  requireOpen();
  return m_columns->find(name ? name : L"");
}

bool CDaoRecordset::CanUpdate() const { return m_open && m_updatable; }

bool CDaoRecordset::CanBookmark() const { return m_open && m_rows->hasRowids(); }

void CDaoRecordset::AddNew() {
  requireOpen();
  if (!m_updatable) readOnlyRecordset();
  m_editMode = EditMode::AddNew;
  m_pending.clear();
}

void CDaoRecordset::Edit() {
  requireCurrent();
  if (!m_updatable) readOnlyRecordset();
  m_editMode = EditMode::Edit;
  m_pending.clear();
}

void CDaoRecordset::CancelUpdate() {
  m_editMode = EditMode::None;
  m_pending.clear();
}

void CDaoRecordset::SetFieldValue(wchar_t const* name, COleVariant const& value) {
  requireOpen();
  if (m_editMode == EditMode::None) throw CDaoException(zept::jet::kUpdateWithoutEdit, L"Update or CancelUpdate without AddNew or Edit.");
  if (!name || !*name) throw CDaoException(zept::jet::kItemNotFound, L"Item not found in this collection.");
  const int index = m_columns->find(name);
  const COleVariant stored =
      storedAs(value, index < 0 ? VARTYPE{VT_EMPTY} : m_columns->columns[static_cast<std::size_t>(index)].declaredVt);
  // The column is written by its bare name in the dynaset's one table.
  std::wstring column = name;
  if (const auto dot = column.rfind(L'.'); dot != std::wstring::npos) column.erase(0, dot + 1);
  for (auto& [n, v] : m_pending) {
    if (CString(n.c_str()).CompareNoCase(column.c_str()) == 0) {
      v = stored;
      return;
    }
  }
  m_pending.emplace_back(std::move(column), stored);
}

void CDaoRecordset::SetFieldValue(wchar_t const* name, wchar_t const* value) {
  SetFieldValue(name, value ? COleVariant(value) : COleVariant::null());
}

void CDaoRecordset::SetFieldValueNull(wchar_t const* name) { SetFieldValue(name, COleVariant::null()); }

void CDaoRecordset::Update() {
  requireOpen();
  if (m_editMode == EditMode::None) throw CDaoException(zept::jet::kUpdateWithoutEdit, L"Update or CancelUpdate without AddNew or Edit.");
  Engine& e = m_pDatabase->engine();
  if (e.readOnly()) readOnlyRecordset();
  const std::string table = zept::dao::quoted(m_table);
  std::string sql;
  if (m_editMode == EditMode::AddNew) {
    if (m_pending.empty()) {
      sql = "INSERT INTO " + table + " DEFAULT VALUES";
    } else {
      std::string names;
      std::string marks;
      for (std::size_t i = 0; i < m_pending.size(); ++i) {
        if (i) {
          names += ", ";
          marks += ", ";
        }
        names += zept::dao::quoted(m_pending[i].first);
        // Appended piece by piece: "?" + a temporary string makes GCC 12 at
        // -O3 warn of an overlapping copy that cannot happen.
        marks += '?';
        marks += std::to_string(i + 1);
      }
      sql = "INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")";
    }
  } else {
    requireCurrent();
    if (m_pending.empty()) {
      m_editMode = EditMode::None;
      m_lastModified = m_rows->rowid(m_position);
      return;
    }
    sql = "UPDATE " + table + " SET ";
    for (std::size_t i = 0; i < m_pending.size(); ++i) {
      if (i) sql += ", ";
      sql += zept::dao::quoted(m_pending[i].first) + " = ?" + std::to_string(i + 1);
    }
    sql += " WHERE _ROWID_ = ?" + std::to_string(m_pending.size() + 1);
  }
  std::int64_t rowid = 0;
  {
    auto lease = e.prepareUnbound(sql);
    for (std::size_t i = 0; i < m_pending.size(); ++i)
      e.bindVariant(lease->stmt, static_cast<int>(i) + 1, m_pending[i].second);
    if (m_editMode == EditMode::Edit) {
      rowid = m_rows->rowid(m_position);
      sqlite3_bind_int64(lease->stmt, static_cast<int>(m_pending.size()) + 1, rowid);
    }
    e.stepToEnd(lease->stmt);
    if (m_editMode == EditMode::AddNew) rowid = sqlite3_last_insert_rowid(e.handle());
  }
  m_lastModified = rowid;
  // Added rows join the end of the set, as in a Jet dynaset.
  refreshRow(rowid, m_editMode == EditMode::AddNew ? -1 : m_position);
  m_editMode = EditMode::None;
  m_pending.clear();
}

void CDaoRecordset::refreshRow(std::int64_t rowid, int row) {
  Engine& e = m_pDatabase->engine();
  auto lease = e.prepareUnbound("SELECT _ROWID_, * FROM " + zept::dao::quoted(m_table) + " WHERE _ROWID_ = ?1", 1);
  sqlite3_bind_int64(lease->stmt, 1, rowid);
  const int rc = zept::dao::step(lease->stmt);
  if (rc != SQLITE_ROW) {
    if (rc != SQLITE_DONE) e.fail(rc);
    return;
  }
  // The table's columns are matched to the recordset's by name, so a
  // dynaset over some of the columns refreshes just those.
  zept::dao::ResultRows fetched;
  fetched.setColumnCount(static_cast<int>(lease->columns->columns.size()));
  fetched.readRow(lease->stmt, 1, true);
  std::vector<int> from;
  for (auto const& c : m_columns->columns) from.push_back(lease->columns->find(c.label));
  m_rows->putMapped(row, fetched, 0, from);
}

void CDaoRecordset::Delete() {
  requireCurrent();
  if (!m_updatable) readOnlyRecordset();
  Engine& e = m_pDatabase->engine();
  auto lease = e.prepareUnbound("DELETE FROM " + zept::dao::quoted(m_table) + " WHERE _ROWID_ = ?1");
  sqlite3_bind_int64(lease->stmt, 1, m_rows->rowid(m_position));
  e.stepToEnd(lease->stmt);
  m_deleted = true;
}

COleVariant CDaoRecordset::GetBookmark() const {
  requireCurrent();
  return COleVariant(static_cast<long>(m_rows->rowid(m_position)));
}

void CDaoRecordset::SetBookmark(COleVariant const& bookmark) {
  requireOpen();
  if (!m_rows->hasRowids() || bookmark.vt != VT_I4)
    throw CDaoException(3159, L"Not a valid bookmark.");
  for (int row = 0; row < m_rows->rowCount(); ++row) {
    if (m_rows->rowid(row) == bookmark.lVal) {
      m_position = row;
      m_deleted = false;
      return;
    }
  }
  throw CDaoException(3159, L"Not a valid bookmark.");
}

COleVariant CDaoRecordset::GetLastModifiedBookmark() const {
  requireOpen();
  if (m_lastModified < 0 && !m_rows->hasRowids()) throw CDaoException(3159, L"Not a valid bookmark.");
  if (m_lastModified < 0) noCurrentRecord();
  return COleVariant(static_cast<long>(m_lastModified));
}
