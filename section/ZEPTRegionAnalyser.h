// SPDX-License-Identifier: MIT
// ZEPTRegionAnalyser: turns region entities of a drawing into sections of
// the attached cross-section, one section per region and one contour per
// boundary loop (holes flagged), laid out in the regions' own plane with the
// origin moved to their common centroid. On request it also fills a profile
// record from the result: extents, KORVA text and shape script.
//
// Results of setDefinition:
//   -1  no region entity that is not empty (null pointers and other entities
//       do not count), or regions too large for their area and centroid
//       to be worked out in doubles;
//    0  done;
//    1  the regions are not coplanar (a normal differs from the first one's);
//    2  the regions overlap (their union's area differs from the sum of their
//       areas by more than 0.001);
//    3  a boundary loop that is neither exterior nor interior;
//    4  a boundary edge that is neither a line segment nor a circular arc;
//    5  a circular-arc edge without a native circular arc behind it;
//    6  a full-circle edge whose radius is not above 0.
// Codes 1 and 2 come before any section is added; codes 3 to 6 keep the
// sections of the regions before the failing one. The cross-section is
// never cleared here: the caller clears it when wanted.
#pragma once

#include "database/ZEPTDBProfileData.h"
#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"
#include "platform/host/DtGePlane.h"
#include "platform/shape/ZEPTSectionAnalyser.h"

ZEPTDB_BEGIN_EXPORTS

class DtDbRegion;

class ZEPTRegionAnalyser : public ZEPTSectionAnalyser {
 public:
  ZEPTRegionAnalyser() = default;
  // Fills the same cross-section; `units` starts metric and `plane` default.
  ZEPTRegionAnalyser(ZEPTRegionAnalyser const& other) : ZEPTSectionAnalyser(other) {}
  ~ZEPTRegionAnalyser() = default;
  // Takes the other's cross-section; `units` and `plane` stay.
  ZEPTRegionAnalyser& operator=(ZEPTRegionAnalyser const& other) {
    ZEPTSectionAnalyser::operator=(other);
    return *this;
  }
  // Equal when both fill the same cross-section, whatever units and plane.
  bool operator==(ZEPTRegionAnalyser const& other) const { return ZEPTSectionAnalyser::operator==(other); }
  bool operator!=(ZEPTRegionAnalyser const& other) const { return !(*this == other); }

  // Adds one section per region to the attached cross-section (see the
  // result codes above). With `data` given and a cross-section attached, a
  // success also fills the record: h, b, vy, vpy, vz, vpz from the
  // cross-section's extent, unitFactor 1, shapeType 0, not symmetric, the
  // KORVA text in `units` as symbol and the shape script as pdlScript.
  int setDefinition(DtArray<DtDbRegion*> const& regions, ZEPTDBProfileData* data);

  // The regions' plane, its origin on their common centroid, as the last
  // setDefinition left it (also when it failed after taking the plane).
  DtGePlane const& getPlane() const { return plane; }

  // The unit system of the record's KORVA text; callers set it.
  DtDb::MeasurementValue units = DtDb::kMetric;

 private:
  // One region to one section; 0 or the codes 3 to 6.
  int addSectionByRegion(DtDbRegion const& region);

  DtGePlane plane;
};

ZEPTDB_END_EXPORTS
