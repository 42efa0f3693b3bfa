// SPDX-License-Identifier: MIT
// The contour-to-script conversion behind ZEPTDBProfile::Korva2PDL: a KORVA
// contour description (the new grammar with its unit name, or the grid-point
// form) written as a PDL shape script.
#pragma once

#include <string>

#include "platform/core/CString.h"
#include "platform/math/ProContour.h"

namespace zept {

// Writes the script of `symbol` into `pdlScript` (emptied first) and says
// whether the text was in either form. `sectionUnit` is the catalog's
// "unit_sect" when it has one; coordinates of the new grammar are converted
// from the text's unit into it, or into metres when it is null. A unit name
// VUnit does not know, in the text or in `sectionUnit`, throws VUnitError
// (platform/math/VUnit.h).
bool korvaToPdl(CString const& symbol, CString const* sectionUnit, CString& pdlScript);
// The same for a zero-terminated `symbol`, into `pdlScript`.
bool korvaToPdl(wchar_t const* symbol, CString const* sectionUnit, std::wstring& pdlScript);

// Appends the script of every closed contour of `tree` to `script`, in
// depth-first pre-order: "StartContour" ("hole" for a ProEmptyContour, else
// "ext"), "LineTo" or "ArcTo" per further edge, and a straight "LineTo" back
// to the start. Numbers as "%g" writes them, with "." and an exponent of at
// least three digits.
void contoursToPdl(ProContour const& tree, CString& script);

}  // namespace zept
