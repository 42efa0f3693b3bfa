// SPDX-License-Identifier: MIT
// CDaoTableDef: one table definition of a catalog, with MFC's DAO
// signatures. A new definition (Create, CreateField, Append) becomes a local
// table, or, with a connect string ";DATABASE=<file>;TABLE=<t>" and a source
// table, a link to a table of another catalog that reads as if it were local.
#pragma once

#include <vector>

#include "platform/core/CString.h"
#include "platform/core/Export.h"
#include "platform/dao/DaoTypes.h"

ZEPTDB_BEGIN_EXPORTS

class CDaoDatabase;

class CDaoTableDef {
 public:
  explicit CDaoTableDef(CDaoDatabase* database);
  ~CDaoTableDef();
  CDaoTableDef(CDaoTableDef const&) = delete;
  CDaoTableDef& operator=(CDaoTableDef const&) = delete;

  // Throws 3265 when the table does not exist.
  void Open(wchar_t const* name);
  void Create(wchar_t const* name, long attributes = 0, wchar_t const* sourceTable = nullptr,
              wchar_t const* connect = nullptr);
  // Adds the created definition to the catalog; throws 3010 when the name is
  // taken, 3264 when a local table has no field, and for a link 3024 when its
  // file is missing or 3078 when the source table cannot be read there.
  void Append();
  void Close();
  bool IsOpen() const { return m_state != State::Closed; }

  CString GetName() const { return m_name; }
  // Renames the table once it is appended; a change of letter case alone works.
  void SetName(wchar_t const* name);
  CString GetConnect() const { return m_connect; }
  void SetConnect(wchar_t const* connect);
  void SetSourceTableName(wchar_t const* name);
  long GetAttributes() const;
  bool CanUpdate() const;

  long GetRecordCount();

  // Field types: dbLong, dbDouble, dbText (size = characters), dbMemo,
  // dbInteger, dbByte, dbSingle, dbBoolean, dbDate; attributes dbAutoIncrField
  // (a Long auto-increment key) and dbVariableField.
  void CreateField(wchar_t const* name, short type, long size, long attributes = 0);
  void CreateField(CDaoFieldInfo& info);
  short GetFieldCount();
  void GetFieldInfo(int index, CDaoFieldInfo& info, unsigned options = AFX_DAO_PRIMARY_INFO);
  void GetFieldInfo(wchar_t const* name, CDaoFieldInfo& info, unsigned options = AFX_DAO_PRIMARY_INFO);

  CDaoDatabase* m_pDatabase;

 private:
  enum class State { Closed, New, Open };
  std::vector<CDaoFieldInfo> fields();
  void requireOpen() const;
  bool isLink() const { return !m_connect.IsEmpty(); }

  State m_state = State::Closed;
  CString m_name;
  CString m_connect;
  CString m_sourceTable;
  long m_attributes = 0;
  std::vector<CDaoFieldInfo> m_newFields;
};

ZEPTDB_END_EXPORTS
