// SPDX-License-Identifier: MIT
// A drawing's closed outlines as a cross-section, built by the library's
// drawing pipeline as zeptcat region builds it, in the viewer's units.
#pragma once

#include <string>

#include "platform/shape/ZEPTCrossSection.h"

namespace zeptview {

// Empty on success, else a message naming the file and what went wrong;
// `cs` is filled only on success. The drawing's units are converted into
// millimetres or inches.
std::string sectionFromDrawing(ZEPTCrossSection& cs, std::string const& posixPath, bool inches);

}  // namespace zeptview
