// SPDX-License-Identifier: MIT
// Short spellings of contour trees for the math and script tests.
#pragma once

#include <string>

#include "platform/math/ProContour.h"

namespace zept::test {

// Each closed contour as its kind ("S" solid, "H" hole) and edge count, its
// children in parentheses; grouping nodes are spelled through. "S4(H3) S3"
// is a four-edge solid with a triangular hole, then a triangle.
inline std::string shapeOf(ProContour const& node) {
  std::string out;
  for (std::size_t i = 0; ProContour const* child = node.GetChild(i); ++i) {
    std::string inner = shapeOf(*child);
    if (ProClosedContour const* c = child->AsClosed())
      inner = (c->IsHole() ? "H" : "S") + std::to_string(c->GetLAContour().size()) +
              (inner.empty() ? "" : "(" + inner + ")");
    if (!inner.empty()) out += (out.empty() ? "" : " ") + inner;
  }
  return out;
}

}  // namespace zept::test
