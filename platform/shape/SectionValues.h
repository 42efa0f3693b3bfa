// SPDX-License-Identifier: MIT
// Cross-section values computed from the geometry: area, centroid, second
// moments and elastic moduli. Arcs are integrated exactly (Green's theorem
// over each segment, an arc as its sector plus the two radii), not
// tessellated. A solid contour adds and a hole subtracts, whichever way it
// runs. Model axes: x to the right, y up.
#pragma once

#include <optional>

#include "platform/host/DtGePoint2d.h"
#include "platform/shape/ZEPTCrossSection.h"
#include "platform/shape/ZEPTSection.h"

namespace zept::shape {

struct SectionValues {
  double area = 0.0;     // net area, length^2
  DtGePoint2d centroid;  // in model coordinates
  double iy = 0.0;       // about the horizontal centroidal axis: integral of (y - yc)^2 dA, length^4
  double iz = 0.0;       // about the vertical centroidal axis: integral of (x - xc)^2 dA
  double iyz = 0.0;      // product: integral of (x - xc)(y - yc) dA
  double wy = 0.0;       // iy / the largest vertical distance from the centroid to the extent, length^3
  double wz = 0.0;       // iz / the largest horizontal distance
  DtGePoint2d max;       // extent, arcs by their extreme points
  DtGePoint2d min;
};

// Nothing when the net area is not positive (no contours, only holes, holes
// larger than the solids) or a value is not finite.
std::optional<SectionValues> sectionValues(ZEPTBaseSection const& section);
// All sections together.
std::optional<SectionValues> sectionValues(ZEPTCrossSection const& crossSection);

}  // namespace zept::shape
