// SPDX-License-Identifier: MIT
// Jet column types as SQLite sees them. A catalog keeps each column's Jet type
// as its declared SQLite type, chosen so that SQLite's affinity rules store the
// values right and the Jet type can be read back from sqlite3_column_decltype:
//
//   Jet                                 declared type                       VT        DAO
//   LONG INTEGER INT INTEGER4           INTEGER                             I4 (3)    dbLong 4
//   COUNTER AUTOINCREMENT               INTEGER PRIMARY KEY AUTOINCREMENT   I4 (3)    dbLong 4
//   SHORT SMALLINT INTEGER2             SMALLINT                            I2 (2)    dbInteger 3
//   BYTE TINYINT                        TINYINT                             UI1 (17)  dbByte 2
//   DOUBLE FLOAT FLOAT8 NUMBER NUMERIC  DOUBLE                              R8 (5)    dbDouble 7
//   SINGLE REAL FLOAT4                  REAL                                R4 (4)    dbSingle 6
//   TEXT(n) VARCHAR(n) CHAR(n)          TEXT(n), TEXT(255) without size     BSTR (8)  dbText 10
//   MEMO LONGTEXT NOTE                  LONGTEXT                            BSTR (8)  dbMemo 12
//   YESNO BIT LOGICAL BOOLEAN           BIT                                 BOOL (11) dbBoolean 1
//   DATETIME DATE TIME                  DATETIME                            DATE (7)  dbDate 8
//   CURRENCY MONEY                      CURRENCY                            R8 (5)    dbCurrency 5
//
// Lookups are ASCII case-insensitive and accept the Jet names as well as the
// canonical ones, so a table made by hand with "long" or "text(20)" maps right.
#pragma once

#include <string>
#include <string_view>

namespace zept::dao {

// One Jet type: what it reads back as and how it is declared in SQLite.
struct JetTypeInfo {
  int variantType;             // VT_* number
  int daoType;                 // DAO field type number
  std::string_view decl;       // canonical declared type, without size
  bool sized;                  // takes "(n)": the text types
  bool counter;                // COUNTER/AUTOINCREMENT: an auto-increment key
};

// The type named `name` (a bare type word, no size), or null when unknown.
const JetTypeInfo* findJetType(std::string_view name) noexcept;

// Declared type as sqlite3_column_decltype gives it (may be null) -> VT_* number;
// 0 (VT_EMPTY) when null or unknown.
int variantTypeFromDecl(const char* decl) noexcept;

// Declared type -> DAO field type number; 0 when null or unknown.
int daoTypeFromDecl(const char* decl) noexcept;

// Size of a text declared type: "TEXT(50)" -> 50; 0 for any other declaration
// (a text type without a size included).
long textSizeFromDecl(const char* decl) noexcept;

// Declared type for a new field of DAO type `daoType`; `size` is used by text
// fields only (0 means 255). Throws std::invalid_argument for a type this
// engine does not store or a text size outside 0..255.
std::string declFromDaoType(int daoType, long size);

}  // namespace zept::dao
