// SPDX-License-Identifier: MIT
// ZEPTDBList: value-list catalogs ("<name>List.mdb"), one column of ready-made
// values with an optional second value per entry, in a metric table `List`
// and an English one `ListE`. Values are returned as stored: the unit system
// only chooses the table.
#pragma once

#include "database/ZEPTDBBaseData.h"
#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/core/ZEPTString.h"
#include "platform/host/DtDb.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTDBList : public ZEPTDBBaseData {
 public:
  ZEPTDBList();
  ~ZEPTDBList();

  bool setListDB(CString const& listName);
  bool getListDBList(CStringArray& names, wchar_t const* filter);

  // Empties `values` (not `data`) and reads every entry whose "Value" (and,
  // when `data` is given, "Data") has the expected type; the two arrays stay
  // parallel. False when the table cannot be read or has no rows.
  bool getList(DtArray<double>& values, bool sorted, DtDb::MeasurementValue units, DtArray<double>* data);
  bool getList(DtArray<ZEPTString>& values, bool sorted, DtDb::MeasurementValue units, DtArray<ZEPTString>* data);
};

ZEPTDB_END_EXPORTS
