// SPDX-License-Identifier: MIT
// ZEPTDBClampingRange: a clamping-range (grip length) catalog
// ("cr_<standard>.mdb" in the fastener folders): for each bolt diameter and
// washer count, the clamped thickness a bolt covers and its shank and thread
// lengths. Lengths stay in the catalog's unit (units()); records carry the
// factor to the unit system the caller asks for.
//
// Readers answer false on any data-access failure, including no catalog
// open; list readers empty their array first, record readers append.
#pragma once

#include "database/ZEPTDBBaseData.h"
#include "database/ZEPTDBClampingRangeData.h"
#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTDBClampingRange : public ZEPTDBBaseData {
 public:
  ZEPTDBClampingRange();
  ~ZEPTDBClampingRange();

  // The selected catalog's unit system; metric when none is selected.
  DtDb::MeasurementValue units();
  // Selects the clamping-range catalog of standard `name`; false when the
  // file is missing or has no GripLength table (it is then closed).
  bool setClampingRangeDB(CString const& name);
  // The "cr_*" catalogs of both folders that select, sorted unless `filter`
  // names them. Tries each in turn, then reopens the catalog that was open
  // before (with its unit system); false only without folders.
  bool getClampingRangeDBList(CStringArray& names, wchar_t const* filter);
  // Distinct diameters, ascending; false for an empty catalog.
  bool getClampingRangeDiameterList(DtArray<double>& diameters);
  // Washer counts offered for exactly `diameter`, ascending; an unknown
  // diameter gives an empty list and true.
  bool getClampingRangeWasherNumList(double diameter, DtArray<int>& washerCounts);
  // Appends every range, by diameter, washer count, lower and upper end;
  // false when there is none.
  bool getWholeClampingRangeData(DtArray<ZEPTDBClampingRangeData>& ranges, DtDb::MeasurementValue units);
  // The factor from the catalog's lengths to `units`.
  double getCrossFactor(DtDb::MeasurementValue units);

 private:
  enum eVersion { kUnknownLayout = -1, kKnownLayout = 1 };
  eVersion CheckDBFormat(CDaoDatabase& db);
};

ZEPTDB_END_EXPORTS
