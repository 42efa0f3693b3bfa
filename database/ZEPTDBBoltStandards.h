// SPDX-License-Identifier: MIT
// ZEPTDBBoltStandards: the standards catalog "BoltsNutsWashers", whose table
// Bolts names, for every bolt catalog file, the nut, washer and
// clamping-range catalog files that go with it. Lists the standards whose
// catalogs exist and select, and finds a bolt standard's companions.
// Standards are short names: the file name without prefix and extension, in
// upper case ("Nuts_En14399.mdb" is EN14399).
//
// The catalog is opened at construction and stays open; without it every
// operation answers false. Data-access failures answer false too.
#pragma once

#include "database/ZEPTDBBaseData.h"
#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTDBBoltStandards : public ZEPTDBBaseData {
 public:
  ZEPTDBBoltStandards();
  ~ZEPTDBBoltStandards();

  // The standards named in the catalog whose bolt (nut, washer) catalog
  // selects, in the catalog's order; the walk ends at the first row whose
  // name is not text. False when the table has no rows.
  bool getBoltStandardsList(CStringArray& names);
  bool getNutStandardsList(CStringArray& names);
  bool getWasherStandardsList(CStringArray& names);
  // The nut, washer and clamping-range standards of bolt standard `bolt`
  // (upper case, as listed). False unless the bolt, nut and washer catalogs
  // all select; a clamping-range catalog that does not select gives "".
  // `nut` and `washer` may have changed even when it answers false.
  bool getStandardsByBolt(CString const& bolt, CString& nut, CString& washer, CString& clampingRange);

 private:
  enum eVersion { kUnknownLayout = -1, kKnownLayout = 1 };
  eVersion CheckDBFormat(CDaoDatabase& db);
  bool setBoltStandardsDB(CString const& name);
  // Turns a catalog file name into its standard's short name by a mask with
  // one "*" ("Nuts_*"); false for an empty mask, a mask without "*", or a
  // name shorter than the mask.
  bool trimNameByMask(CString const& mask, CString& name);
};

ZEPTDB_END_EXPORTS
