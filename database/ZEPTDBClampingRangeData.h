// SPDX-License-Identifier: MIT
// ZEPTDBClampingRangeData: one grip-length range of a clamping-range catalog:
// a bolt of `diameter` with `washerCount` washers clamps a thickness from
// rangeLower to rangeUpper with the given shank and thread lengths. Lengths
// are in the catalog's unit; multiply them by crossFactor to get the unit
// system the reader was asked for. Trivially copyable, as arrays of it are
// copied by memory.
#pragma once

#include <cstdint>
#include <type_traits>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

struct ZEPTDBClampingRangeData {
  std::int32_t id = 0;
  double diameter = 0;
  double shankLength = 0;
  double threadLength = 0;
  double rangeLower = 0;  // smallest clamped thickness
  double rangeUpper = 0;  // largest clamped thickness
  std::int32_t washerCount = 0;
  // 1 until a reader sets it: an unconverted record keeps its lengths.
  double crossFactor = 1;
};

static_assert(std::is_trivially_copyable_v<ZEPTDBClampingRangeData>);

ZEPTDB_END_EXPORTS
