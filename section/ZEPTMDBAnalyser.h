// SPDX-License-Identifier: MIT
// ZEPTMDBAnalyser: the cross-section of one size of a profile catalog, in the
// drawing's units. It is a profile-catalog accessor (select nothing: each
// setDefinition selects its catalog) and a section analyser (attach the
// cross-section to fill). A size with a shape script is read by the PDL
// analyser, one with only a KORVA contour by the KORVA parser; either way the
// record's unitFactor is set first to carry the section unit into the
// drawing's. The selected catalog stays open between calls.
#pragma once

#include "database/ZEPTDBProfile.h"
#include "database/ZEPTDBProfileData.h"
#include "platform/core/CString.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"
#include "platform/shape/ZEPTPDLAnalyser.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTMDBAnalyser : public ZEPTPDLAnalyser, public ZEPTDBProfile {
 public:
  ZEPTMDBAnalyser() = default;
  // The attached cross-section is copied; the catalog part starts closed.
  ZEPTMDBAnalyser(ZEPTMDBAnalyser const& other);
  ~ZEPTMDBAnalyser() = default;
  // Takes the other's cross-section; the catalog stays as it is.
  ZEPTMDBAnalyser& operator=(ZEPTMDBAnalyser const& other);
  // Equal when both fill the same cross-section, whatever their catalogs.
  bool operator==(ZEPTMDBAnalyser const& other) const;
  bool operator!=(ZEPTMDBAnalyser const& other) const;

  // Builds size `dims` of `profile` from catalog `catalog` for a drawing in
  // `units` (kMetric: mm; any other value: inches). `data`, when given,
  // receives the record with the unitFactor used, whatever the result.
  //   -1  the catalog cannot be selected or has no such size; the
  //       cross-section is untouched;
  //    0  the record has neither a script nor a KORVA contour (nothing is
  //       built), or the reader's 0;
  //   otherwise the result of the reader used (PDL analyser or KORVA parser).
  int setDefinition(CString const& catalog, CString const& profile, CString const& dims,
                    DtDb::MeasurementValue units, ZEPTDBProfileData* data);
};

ZEPTDB_END_EXPORTS
