// SPDX-License-Identifier: MIT
// ZEPTPDLAnalyser: fills the attached cross-section from a profile record's
// shape script (its pdlScript), with the record's values as the script's
// variables. The script grammar is described in docs/design.md.
#pragma once

#include "database/ZEPTDBProfileData.h"
#include "platform/core/Export.h"
#include "platform/shape/ZEPTSectionAnalyser.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTPDLAnalyser : public ZEPTSectionAnalyser {
 public:
  // Reads data.pdlScript. The script and the record's values are in the
  // catalog's section unit; every coordinate is multiplied by
  // data.unitFactor, the factor from that unit to the drawing's. `scale` is
  // one millimetre in the section unit (1 / the catalog's factor to "mm"):
  // it only vouches that the catalog names a known section unit.
  //   -1  the script holds no statement (empty, blanks and comments only);
  //    0  read: the cross-section's sections, custom points and dimension
  //       lines are replaced by one section with the script's contours;
  //    1  a syntax or evaluation error (unknown name, non-finite value, an
  //       arc whose radius is below half its chord, nesting deeper than 64),
  //       or a unitFactor or scale that is not finite and positive; the
  //       cross-section is unchanged.
  int setDefinitionByData(ZEPTDBProfileData& data, double scale);
};

ZEPTDB_END_EXPORTS
