// The contour-to-script conversion behind ZEPTDBProfile::Korva2PDL: a KORVA
// contour description (the new grammar with its unit name, or the grid-point
// form) written as a PDL shape script.
#pragma once

#include "platform/core/CString.h"

namespace zept {

// Writes the script of `symbol` into `pdlScript` (emptied first) and says
// whether the text was in either form. `sectionUnit` is the catalog's
// "unit_sect" when it has one; coordinates of the new grammar are converted
// from the text's unit into it. Exceptions of the contour module pass through.
bool korvaToPdl(CString const& symbol, CString const* sectionUnit, CString& pdlScript);

}  // namespace zept
