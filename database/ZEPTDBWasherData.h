// SPDX-License-Identifier: MIT
// ZEPTDBWasherData: one washer of a washer catalog. Lengths are in the
// catalog's unit; multiply them by crossFactor to get the unit system the
// reader was asked for.
#pragma once

#include <cstdint>

#include "platform/core/Export.h"
#include "platform/core/ZEPTString.h"

ZEPTDB_BEGIN_EXPORTS

struct ZEPTDBWasherData {
  std::int32_t id = 0;   // not read from the catalog
  double diameter = 0;   // inner diameter, catalog unit
  double thickness = 0;  // catalog unit
  ZEPTString symbol;
  // 1 until a reader sets it: an unconverted record keeps its lengths.
  double crossFactor = 1;
};

ZEPTDB_END_EXPORTS
