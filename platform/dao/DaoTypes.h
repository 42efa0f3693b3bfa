// SPDX-License-Identifier: MIT
// DAO's numbers and info structures, with MFC's names, as catalog code passes
// them to the data-access classes.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

// Recordset open types.
inline constexpr int dbOpenTable = 1;
inline constexpr int dbOpenDynaset = 2;
inline constexpr int dbOpenSnapshot = 4;

// Execute options.
inline constexpr int dbFailOnError = 128;

// Database creation options and locales.
inline constexpr int dbVersion30 = 32;
inline constexpr wchar_t dbLangGeneral[] = L";LANGID=0x0409;CP=1252;COUNTRY=0";

// Field types.
inline constexpr short dbBoolean = 1;
inline constexpr short dbByte = 2;
inline constexpr short dbInteger = 3;
inline constexpr short dbLong = 4;
inline constexpr short dbSingle = 6;
inline constexpr short dbDouble = 7;
inline constexpr short dbDate = 8;
inline constexpr short dbText = 10;
inline constexpr short dbMemo = 12;

// Field attributes.
inline constexpr long dbFixedField = 1;
inline constexpr long dbVariableField = 2;
inline constexpr long dbAutoIncrField = 16;

// Table definition attributes. Linked tables are created with
// dbAttachExclusive (65536) and reported with dbAttachedTable added.
inline constexpr long dbAttachExclusive = 65536;
inline constexpr long dbAttachedTable = 0x40000000;
inline constexpr long dbSystemObject = static_cast<long>(0x80000002u);

// Info levels.
inline constexpr unsigned AFX_DAO_PRIMARY_INFO = 1;
inline constexpr unsigned AFX_DAO_SECONDARY_INFO = 2;
inline constexpr unsigned AFX_DAO_ALL_INFO = 3;

struct CDaoTableDefInfo {
  CString m_strName;
  bool m_bUpdatable = false;
  long m_lAttributes = 0;
  CString m_strSrcTableName;
  CString m_strConnect;
  long m_lRecordCount = -1;  // filled at AFX_DAO_ALL_INFO
};

struct CDaoFieldInfo {
  CString m_strName;
  short m_nType = 0;
  long m_lSize = 0;
  long m_lAttributes = 0;
  short m_nOrdinalPosition = 0;
  bool m_bRequired = false;
  bool m_bAllowZeroLength = true;
  CString m_strSourceTable;
};

ZEPTDB_END_EXPORTS
