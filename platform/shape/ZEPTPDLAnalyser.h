// ZEPTPDLAnalyser: fills the attached cross-section from a profile record's
// shape script (its pdlScript), with the record's values as the script's
// variables. The script grammar is described in docs/design.md.
#pragma once

#include "database/ZEPTDBProfileData.h"
#include "platform/shape/ZEPTSectionAnalyser.h"

class ZEPTPDLAnalyser : public ZEPTSectionAnalyser {
 public:
  // Reads data.pdlScript, multiplying every coordinate by `scale`.
  //   -1  the script holds no statement (empty, blanks and comments only);
  //    0  read: the cross-section's sections, custom points and dimension
  //       lines are replaced by one section with the script's contours;
  //    1  a syntax or evaluation error (unknown name, non-finite value, an
  //       arc whose radius is below half its chord, a scale that is not
  //       finite, nesting deeper than 64); the cross-section is unchanged.
  int setDefinitionByData(ZEPTDBProfileData& data, double scale);
};
