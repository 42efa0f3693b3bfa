// SPDX-License-Identifier: MIT
// ZEPTDBMaterial: material catalogs ("Kmat<name>.mdb"), one row per grade in
// the table MATERIALS with its type number, names and a fixed set of values.
// Type numbers and their names are fixed: 1 "STEEL", 2 "CONCRETE",
// 3 "ALUMINIUM", 4 "WOOD", 5 "USER"; 0 (the empty name) is none.
//
// Readers answer false on any data-access failure, including no catalog
// open; list readers empty their array first and keep what they appended
// before a failure.
#pragma once

#include "database/ZEPTDBBaseData.h"
#include "database/ZEPTDBMaterialData.h"
#include "platform/core/CStringArray.h"
#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTDBMaterial : public ZEPTDBBaseData {
 public:
  ZEPTDBMaterial();
  ~ZEPTDBMaterial();

  bool setMaterialDB(CString const& catalogName);
  bool getMaterialDBList(CStringArray& names, wchar_t const* filter);

  // The names of the type numbers present, in numeric order (a number
  // outside 1..5 gives the empty name); false for an empty table.
  bool getMaterialList(CStringArray& typeList);
  // Every grade name of the catalog, sorted: the type only has to be a known
  // one (1 or more), it does not filter. False for an empty table.
  bool getMaterialGradeList(CString const& typeName, CStringArray& grades);
  bool getMaterialGradeList(int type, CStringArray& grades);
  // As getMaterialGradeList, each name followed by " (second name)" when the
  // second name is not blank.
  bool getMaterialGradeListExt(CString const& typeName, CStringArray& grades);
  bool getMaterialGradeListExt(int type, CStringArray& grades);
  // The first grade named `gradeName` (any type 0 or above); with a null
  // `record` only whether there is one. A member whose value is null or of
  // another type keeps what it held.
  bool getMaterialData(CString const& typeName, CString const& gradeName, ZEPTDBMaterialData* record);
  bool getMaterialData(int type, CString const& gradeName, ZEPTDBMaterialData* record);

  // The number of a type name, compared exactly; 0 when unknown.
  int MaterialToType(CString const& typeName);
  // The name of a type number; the empty name outside 1..5.
  CString& TypeToMaterial(int type);

 private:
  CStringArray typeNames;
};

ZEPTDB_END_EXPORTS
