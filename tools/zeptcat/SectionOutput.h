// SPDX-License-Identifier: MIT
// Printing a built cross-section, shared by zeptcat section and zeptcat
// region: its vertices, then its extent and the section values computed
// from the geometry.
#pragma once

#include <string>

#include "platform/shape/ZEPTCrossSection.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

// One row per contour vertex, then the extent and values as a two-column
// table (or both as one JSON object); `units` is the unit name shown.
// `record`, when given, follows as a third table ("record" in JSON).
void printSection(Context const& ctx, ZEPTCrossSection const& cs, std::string const& units,
                  ResultTable const* record = nullptr);

}  // namespace zeptcat
