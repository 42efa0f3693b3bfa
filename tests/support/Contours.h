// SPDX-License-Identifier: MIT
// Short spellings of contour trees for the math and script tests.
#pragma once

#include <string>
#include <utility>

#include "platform/math/ProContour.h"

namespace zept::test {

// Each closed contour as its kind ("S" solid, "H" hole) and edge count, its
// children in parentheses; grouping nodes are spelled through. "S4(H3) S3"
// is a four-edge solid with a triangular hole, then a triangle.
inline std::string shapeOf(ProContour const& node) {
  std::string out;
  for (std::size_t i = 0; ProContour const* child = node.GetChild(i); ++i) {
    std::string inner = shapeOf(*child);
    if (ProClosedContour const* c = child->AsClosed()) {
      std::string closed = c->IsHole() ? "H" : "S";
      closed += std::to_string(c->GetLAContour().size());
      if (!inner.empty()) {
        closed += '(';
        closed += inner;
        closed += ')';
      }
      inner = std::move(closed);
    }
    if (inner.empty()) continue;
    if (!out.empty()) out += ' ';
    out += inner;
  }
  return out;
}

}  // namespace zept::test
