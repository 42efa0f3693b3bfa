// SPDX-License-Identifier: MIT
// ZEPTDBNut: a nut catalog ("Nuts_<standard>.mdb" in the fastener folders):
// the inner diameters offered, the thicknesses of a diameter, and all nut
// records. Lengths stay in the catalog's unit (units()); records carry the
// factor to the unit system the caller asks for. ZEPTDBWasher is its twin.
//
// Readers answer false on any data-access failure, including no catalog
// open; list readers empty their array first, record readers append.
#pragma once

#include "database/ZEPTDBBaseData.h"
#include "database/ZEPTDBNutData.h"
#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTDBNut : public ZEPTDBBaseData {
 public:
  ZEPTDBNut();
  ~ZEPTDBNut();

  // The selected catalog's unit system; metric when none is selected.
  DtDb::MeasurementValue units();
  // Selects the nut catalog of standard `name`; false when the file is
  // missing or not a nut catalog (it is then closed).
  bool setNutDB(CString const& name);
  // The standards with a usable nut catalog; `filter` is not used.
  bool getNutDBList(CStringArray& names, wchar_t const* filter);
  // Distinct inner diameters, ascending; false for an empty catalog.
  bool getNutDiameterList(DtArray<double>& diameters);
  // Thicknesses of nuts of exactly `diameter`, ascending; an unknown
  // diameter gives an empty list and true.
  bool getNutThickList(double diameter, DtArray<double>& thicknesses);
  // Appends every nut, by diameter and thickness; a value a row lacks is
  // the previous row's. False when there is none.
  bool getWholeNutData(DtArray<ZEPTDBNutData>& nuts, DtDb::MeasurementValue units);
  // The factor from the catalog's lengths to `units`.
  double getCrossFactor(DtDb::MeasurementValue units);

 private:
  enum eVersion { kUnknownLayout = -1, kKnownLayout = 1 };
  eVersion CheckDBFormat(CDaoDatabase& db);
};

ZEPTDB_END_EXPORTS
