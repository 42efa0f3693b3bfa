// SPDX-License-Identifier: MIT
// A mesh of six-node triangles over a section's exact boundary, for the
// warping solution. No external mesher: boundary points are spaced by the
// local wall thickness, interior points come from a graded quadtree, and the
// Delaunay triangulation of all of them is the dual of Boost.Polygon's exact
// Voronoi diagram. Boundary edges are kept by spacing points so that no other
// point lies in an edge's diametral circle (a conforming Delaunay mesh);
// mid-side nodes of boundary edges lie on the exact line or arc.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "platform/shape/SectionBoundary.h"

namespace zept::shape {

struct Mesh {
  std::vector<Vec> nodes;
  // Corners counter-clockwise, then the mid-side nodes of edges 0-1, 1-2, 2-0.
  std::vector<std::array<int, 6>> elements;
  std::vector<char> curved;  // per element: a mid-side node off its chord
};

// `refinement` scales every element size (0.5 halves them). Nothing when the
// triangulation cannot keep the boundary (a loop too thin for the point
// budget) or the budget of `maxNodes` would be exceeded.
std::optional<Mesh> meshSection(Boundary const& boundary, double refinement, int maxNodes);

}  // namespace zept::shape
