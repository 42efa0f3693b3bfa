// SPDX-License-Identifier: MIT
// CDaoRecordset: the rows of one Jet SQL query, with MFC's DAO signatures.
// A snapshot (dbOpenSnapshot) of a catalog nobody can change while it is
// open steps its statement as the reader moves; elsewhere, and once it needs
// more than the current row, it holds its rows in memory. A dynaset
// (dbOpenDynaset) over a single local table does the same and is updatable
// through the table's row ids (AddNew/Edit, SetFieldValue, Update,
// bookmarks). Every failure throws CDaoException with Jet's error number:
// moving or reading with no current record 3021, an unknown column 3265,
// changing a read-only recordset 3027.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/core/Export.h"
#include "platform/dao/DaoTypes.h"

ZEPTDB_BEGIN_EXPORTS

class CDaoDatabase;

namespace zept::dao {
class ColumnSet;
class ResultRows;
class RowStream;
}  // namespace zept::dao

class CDaoRecordset {
 public:
  explicit CDaoRecordset(CDaoDatabase* database = nullptr);
  ~CDaoRecordset();
  CDaoRecordset(CDaoRecordset const&) = delete;
  CDaoRecordset& operator=(CDaoRecordset const&) = delete;

  void Open(int openType = dbOpenDynaset, wchar_t const* sql = nullptr, int options = 0);
  void Close();
  bool IsOpen() const { return m_open; }

  bool IsEOF() const;
  bool IsBOF() const;
  void MoveFirst();
  void MoveNext();
  void MovePrev();
  void MoveLast();
  long GetRecordCount() const;

  short GetFieldCount() const;
  void GetFieldInfo(int index, CDaoFieldInfo& info) const;
  void GetFieldValue(wchar_t const* name, COleVariant& value) const;
  COleVariant GetFieldValue(wchar_t const* name) const;
  void GetFieldValue(int index, COleVariant& value) const;
  COleVariant GetFieldValue(int index) const;
  // The index GetFieldValue(name) reads, or -1 for a name it refuses. A
  // reader taking the same columns from every result of one statement
  // resolves them once and reads by index.
  int GetFieldIndex(wchar_t const* name) const;

  // Between AddNew or Edit and Update only.
  void SetFieldValue(wchar_t const* name, COleVariant const& value);
  void SetFieldValue(wchar_t const* name, wchar_t const* value);
  void SetFieldValueNull(wchar_t const* name);

  bool CanUpdate() const;
  bool CanAppend() const { return CanUpdate(); }
  bool CanBookmark() const;
  void AddNew();
  void Edit();
  // Writes the pending row; the change is durable when it returns.
  void Update();
  void CancelUpdate();
  // Deletes the current row.
  void Delete();

  COleVariant GetBookmark() const;
  void SetBookmark(COleVariant const& bookmark);
  COleVariant GetLastModifiedBookmark() const;

  CDaoDatabase* m_pDatabase;

 private:
  enum class EditMode { None, Edit, AddNew };
  void requireOpen() const;
  void requireCurrent() const;
  void requireRow() const;  // of an open recordset
  void currentValue(int index, COleVariant& value) const;
  // Whether the rows are read from the statement as the reader moves.
  bool streaming() const;
  // Reads a streaming snapshot's rows into memory for what stepping cannot
  // do (moving back, counting); the position stays.
  void materialize() const;
  int columnIndex(wchar_t const* name) const;
  void refreshRow(std::int64_t rowid, int row);

  bool m_open = false;
  // Whether anything is to undo since the last Close(): Open() closes
  // first, and a recordset reopened in a loop was just closed.
  bool m_dirty = false;
  bool m_updatable = false;
  int m_position = 0;
  std::shared_ptr<zept::dao::ColumnSet> m_columns;
  std::unique_ptr<zept::dao::ResultRows> m_rows;    // dynasets; snapshots once materialized
  std::unique_ptr<zept::dao::RowStream> m_stream;  // live while a snapshot streams; reads into m_rows
  std::wstring m_table;  // the table a dynaset writes to
  EditMode m_editMode = EditMode::None;
  std::vector<std::pair<std::wstring, COleVariant>> m_pending;
  std::int64_t m_lastModified = -1;
  bool m_deleted = false;
};

ZEPTDB_END_EXPORTS
