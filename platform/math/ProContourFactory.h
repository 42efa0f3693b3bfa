// SPDX-License-Identifier: MIT
// Makes the nodes of a contour tree. The caller owns what it gets; attaching
// a node to another hands it on.
#pragma once

#include <memory>

#include "platform/core/Export.h"
#include "platform/math/ProContour.h"

ZEPTDB_BEGIN_EXPORTS

class ProContourFactory {
 public:
  std::unique_ptr<ProComplexContour> CreateComplexContour() const { return std::make_unique<ProComplexContour>(); }
  std::unique_ptr<ProSolidContour> CreateSolidContour() const { return std::make_unique<ProSolidContour>(); }
  std::unique_ptr<ProEmptyContour> CreateEmptyContour() const { return std::make_unique<ProEmptyContour>(); }
};

ZEPTDB_END_EXPORTS
