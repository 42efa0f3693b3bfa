// SPDX-License-Identifier: MIT
// A drawing's closed outlines as a cross-section: its model-space lines,
// arcs, circles and polylines (drawn in the xy plane) become regions; a
// region lying inside another is cut out of it as a hole; the region
// analyser turns the result into sections about their common centroid.
#pragma once

#include <string>

#include "platform/shape/ZEPTCrossSection.h"

namespace zeptview {

// Empty on success, else a message naming the file and what went wrong;
// `cs` is filled only on success. The drawing's units are converted into
// millimetres or inches.
std::string sectionFromDrawing(ZEPTCrossSection& cs, std::string const& posixPath, bool inches);

}  // namespace zeptview
