// SPDX-License-Identifier: MIT
// ZEPTDBWasher: a washer catalog ("Washers_<standard>.mdb" in the fastener
// folders), the twin of ZEPTDBNut: the inner diameters offered, the
// thicknesses of a diameter, and all washer records. Lengths stay in the
// catalog's unit (units()); records carry the factor to the unit system the
// caller asks for.
//
// Readers answer false on any data-access failure, including no catalog
// open; list readers empty their array first, record readers append.
#pragma once

#include "database/ZEPTDBBaseData.h"
#include "database/ZEPTDBWasherData.h"
#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTDBWasher : public ZEPTDBBaseData {
 public:
  ZEPTDBWasher();
  ~ZEPTDBWasher();

  // The selected catalog's unit system; metric when none is selected.
  DtDb::MeasurementValue units();
  // Selects the washer catalog of standard `name`; false when the file is
  // missing or not a washer catalog (it is then closed).
  bool setWasherDB(CString const& name);
  // The standards with a usable washer catalog; `filter` is not used.
  bool getWasherDBList(CStringArray& names, wchar_t const* filter);
  // Distinct inner diameters, ascending; false for an empty catalog.
  bool getWasherDiameterList(DtArray<double>& diameters);
  // Thicknesses of washers of exactly `diameter`, ascending; an unknown
  // diameter gives an empty list and true.
  bool getWasherThickList(double diameter, DtArray<double>& thicknesses);
  // Appends every washer, by diameter and thickness; a value a row lacks is
  // the previous row's. False when there is none.
  bool getWholeWasherData(DtArray<ZEPTDBWasherData>& washers, DtDb::MeasurementValue units);
  // The factor from the catalog's lengths to `units`.
  double getCrossFactor(DtDb::MeasurementValue units);

 private:
  enum eVersion { kUnknownLayout = -1, kKnownLayout = 1 };
  eVersion CheckDBFormat(CDaoDatabase& db);
};

ZEPTDB_END_EXPORTS
