// SPDX-License-Identifier: MIT
// Reading a region's edges through the boundary-representation interface.
#pragma once

#include <utility>

#include "platform/host/DtBrBrep.h"

namespace zept::test {

// An edge's end points in the curve's own direction.
inline std::pair<DtGePoint3d, DtGePoint3d> edgeEnds(DtBrEdge const& edge) {
  DtBrVertex v1, v2;
  edge.getVertex1(v1);
  edge.getVertex2(v2);
  DtGePoint3d p1, p2;
  v1.getPoint(p1);
  v2.getPoint(p2);
  return {p1, p2};
}

}  // namespace zept::test
