// SPDX-License-Identifier: MIT
// ZEPTDBBoltData: one bolt of a bolt catalog (a size, a shank length and a
// material). Lengths are in the catalog's unit; multiply them by crossFactor
// to get the unit system the reader was asked for.
#pragma once

#include <cstdint>

#include "platform/core/Export.h"
#include "platform/core/ZEPTString.h"

ZEPTDB_BEGIN_EXPORTS

struct ZEPTDBBoltData {
  std::int32_t id = 0;      // BoltsTypes.Id
  double diameter = 0;      // catalog unit
  double length = 0;        // shank length, catalog unit
  double threadLength = 0;  // catalog unit
  ZEPTString symbol;        // the size's symbol, e.g. "M20"
  ZEPTString material;      // the material's symbol, e.g. "8.8"
  ZEPTString comment;
  // 1 until a reader sets it: a record nobody converted keeps its lengths
  // as they are instead of scaling them to zero.
  double crossFactor = 1;
};

ZEPTDB_END_EXPORTS
