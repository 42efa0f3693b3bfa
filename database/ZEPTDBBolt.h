// SPDX-License-Identifier: MIT
// ZEPTDBBolt: a bolt catalog ("Bolts_<standard>.mdb" in the fastener folders):
// the diameters it offers, the shank lengths of a diameter, and whole bolt
// records. Lengths stay in the catalog's unit (units()); records carry the
// factor to the unit system the caller asks for.
//
// Readers answer false on any data-access failure, including no catalog
// open; list readers empty their array first, record readers append.
#pragma once

#include "database/ZEPTDBBaseData.h"
#include "database/ZEPTDBBoltData.h"
#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTDBBolt : public ZEPTDBBaseData {
 public:
  ZEPTDBBolt();
  ~ZEPTDBBolt();

  // The selected catalog's unit system; metric when none is selected.
  DtDb::MeasurementValue units();
  // Selects the bolt catalog of standard `name`; false when the file is
  // missing or not a bolt catalog (it is then closed).
  bool setBoltDB(CString const& name);
  // The standards with a usable bolt catalog; `filter` is not used.
  bool getBoltDBList(CStringArray& names, wchar_t const* filter);
  // Distinct diameters, ascending; false for an empty catalog.
  bool getBoltDiameterList(DtArray<double>& diameters);
  // Shank lengths of bolts of exactly `diameter`, ascending; an unknown
  // diameter gives an empty list and true.
  bool getBoltLengthList(double diameter, DtArray<double>& lengths);
  // The first bolt of exactly that diameter and length; with a null `data`
  // only whether there is one.
  bool getBoltData(double diameter, double length, DtDb::MeasurementValue units, ZEPTDBBoltData* data);
  // Appends the bolts of `diameter` (a negative one: every bolt), ordered by
  // diameter, length and thread length; false when there is none, and for
  // a NaN diameter.
  bool getWholeBoltData(DtArray<ZEPTDBBoltData>& bolts, DtDb::MeasurementValue units, double diameter);
  // The factor from the catalog's lengths to `units`.
  double getCrossFactor(DtDb::MeasurementValue units);

 private:
  enum eVersion { kUnknownLayout = -1, kKnownLayout = 1 };
  eVersion CheckDBFormat(CDaoDatabase& db);
};

ZEPTDB_END_EXPORTS
