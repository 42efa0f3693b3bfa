// SPDX-License-Identifier: MIT
// The host drawing SDK's database-wide value types the catalog code uses.
#pragma once

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

namespace DtDb {

// The unit system of a drawing.
enum MeasurementValue : int {
  kEnglish = 0,  // inch
  kMetric = 1,   // millimetre
};

// How the points of an entity lie.
enum Planarity : int {
  kNonPlanar = 0,
  kPlanar = 1,
  kLinear = 2,
};

// Boolean operations between two regions.
enum BoolOperType : int {
  kBoolUnite = 0,
  kBoolIntersect = 1,
  kBoolSubtract = 2,
};

}  // namespace DtDb

ZEPTDB_END_EXPORTS
