// SPDX-License-Identifier: MIT
// Drawing import for the viewer through sectionOfDrawing, scaled from the
// drawing's units into the viewer's.
#include "tools/zeptview/RegionImport.h"

#include "section/DrawingSection.h"

namespace zeptview {

std::string sectionFromDrawing(ZEPTCrossSection& cs, std::string const& path, bool inches) {
  try {
    zept::section::DrawingSection drawn = zept::section::sectionOfDrawing(CString::fromUtf8(path));
    const bool drawingInches = drawn.units == DtDb::kEnglish;
    if (drawingInches != inches) drawn.section.scaleBy(inches ? 1 / 25.4 : 25.4);
    cs = drawn.section;
    return {};
  } catch (zept::section::DrawingError const& e) {
    return e.what();
  }
}

}  // namespace zeptview
