// SPDX-License-Identifier: MIT
// ZEPTDBProfile: steel-section catalogs ("<name>pro.mdb"). A table `Shape`
// holds one row per profile size, a table `Section` one PDL shape script per
// shape type; the optional `ProfileName` describes the names. Selecting a
// catalog of an older layout converts it in place. Writers never change a
// catalog of the data folder: it is copied into the application folder first
// and the accessor goes on with the copy.
//
// Values are read as the catalog stores them, in its units; the catalog names
// its units in the properties "unit_long", "unit_weight" and "unit_sect".
// Readers answer false (writers their failure code) on any data-access
// failure; nothing is printed or logged.
#pragma once

#include <memory>

#include "database/ZEPTDBBaseData.h"
#include "database/ZEPTDBProfileData.h"
#include "platform/core/CStringArray.h"
#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTDBProfile : public ZEPTDBBaseData {
 public:
  ZEPTDBProfile();
  ~ZEPTDBProfile();

  // Opens catalog `catalogName` read-only, bringing an older layout up to the
  // current one first; false (and closed) when it is no profile catalog, the
  // name is no catalog name (empty, say) or the conversion fails.
  bool setProfileDB(CString const& catalogName);
  bool getProfileDBList(CStringArray& names, wchar_t const* filter);
  // Every distinct (name, shape type) pair, ordered by name; the arrays stay
  // parallel, -1 standing for a null shape type.
  bool getProfileShapeList(CStringArray& names, DtArray<int>* shapeTypes);
  // The ProfileName description of `shape`, or "".
  CString getProfileShapeDescription(CString const& shape);
  // The dimension texts of the sizes of `profileName`, ascending; a negative
  // `shapeType` takes every shape type. Sizes with a missing dimension are
  // left out.
  bool getProfileDimList(CString const& profileName, CStringArray& dims, int shapeType);
  // Reads the size `dims` ("200x100x10") of `profileName` into `record`;
  // with a null `record` only whether it exists. A column that is null or of
  // another type leaves its member as it was, except SYMBOL and PDL_SCRIPT,
  // which empty theirs. A row with a SYMBOL gets the script derived from it.
  bool getProfileData(CString const& profileName, CString const& dims, ZEPTDBProfileData* record);
  // The factor from the catalog's section unit to `unit`; `unitNames`, when
  // given, receives the section, length and weight units the catalog names.
  double getCrossFactor(CString const& unit, CStringArray* unitNames);

  // Creates "<catalogName>Pro.mdb" in the application folder from the
  // template "PDLScripts.mdb" of the data folder and leaves it open,
  // writable. 0 done, 1 a catalog of that name is listed already, -1 no
  // folder, no catalog name (empty or beginning with a dot, say) or the file
  // could not be made, 2 made but the template tables could not be copied.
  int createProfileDB(CString const& catalogName, DtDb::MeasurementValue units);
  // Writes `record` as a new size or over the existing one of the same name
  // and dimensions, and adds the template's script of a shape type the
  // catalog has none for. 0 done, 2 no name, -1 refused (also, before
  // anything is written, for a value that is not finite).
  int setProfileData(ZEPTDBProfileData& record);

 private:
  enum eVersion { eInvalid = -1, eCurrent = 1, eNoSections = 2, eOldTables = 3 };

  eVersion CheckDBFormat();
  // Converts a catalog of an older layout (eNoSections, eOldTables) to the
  // current one where it lies (the name is the interface's: "to the current
  // layout"), in one transaction, so a failure leaves the older layout.
  bool ConvertToVELD(eVersion version);
  bool Korva2PDL(ZEPTDBProfileData* record);
  bool makeDBWritable(ZEPTDBBaseData::ZEPTDBStatus& status) override;

  // Scripts already derived from contours, and the open catalog's section
  // unit, which getCrossFactor uses as well (ZEPTDBProfile.cpp).
  struct ContourScripts;
  ContourScripts& contourScripts();
  // The cache with the open catalog's section unit read (m_db open).
  ContourScripts& sectionUnit();
  // The section unit is read again on the next conversion: the catalog was
  // (re)selected or written.
  void forgetSectionUnit();
  std::unique_ptr<ContourScripts> m_contourScripts;
};

ZEPTDB_END_EXPORTS
