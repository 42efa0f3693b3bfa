// SPDX-License-Identifier: MIT
// A DXF drawing made into the cross-section a detailer drew, the one way
// every tool does it: the closed outlines of its model space become region
// loops; a loop inside another is a hole of it, an island inside that hole
// a region again; the region analyser lays the regions out about their
// common centroid and fills a profile record. Not part of the public
// surface.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "database/ZEPTDBProfileData.h"
#include "platform/core/CString.h"
#include "platform/host/DtDb.h"
#include "platform/host/DtDbRegion.h"
#include "platform/shape/ZEPTCrossSection.h"

namespace zept::section {

// Why a drawing gives no section, in words for the user, beginning with the
// drawing's path as it was given ("plate.dxf: an outline crosses or touches
// itself").
class DrawingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct DrawingOptions {
  std::optional<CString> layer;                 // only the outlines on this layer
  std::optional<DtDb::MeasurementValue> units;  // else the drawing's own
};

struct DrawingSection {
  ZEPTCrossSection section;  // origin on the common centroid
  ZEPTDBProfileData record;  // extents, KORVA text in `units` and shape script
  DtDb::MeasurementValue units = DtDb::kMetric;
};

// Reads the ASCII DXF drawing at `path` and builds its section; throws
// DrawingError.
DrawingSection sectionOfDrawing(CString const& path, DrawingOptions const& options = {});

// The loops of one plane nested: each loop at an even depth is a solid less
// the loops right inside it; the rest go. Loops that cross are left to the
// analyser to refuse as overlapping. Throws DrawingError (with `path`) when
// the holes cannot be cut.
std::vector<std::unique_ptr<DtDbRegion>> nestLoops(std::vector<std::unique_ptr<DtDbRegion>> loops,
                                                    std::string const& path);

}  // namespace zept::section
