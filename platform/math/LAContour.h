// SPDX-License-Identifier: MIT
// The edges of one closed contour in order. Closing is implicit: the last
// edge ends at the first edge's start.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/core/Export.h"
#include "platform/math/LAEdge.h"

ZEPTDB_BEGIN_EXPORTS

class LAContour {
 public:
  void append(LAEdge const& edge) { m_edges.push_back(edge); }
  std::size_t size() const { return m_edges.size(); }
  bool empty() const { return m_edges.empty(); }
  void removeAll() { m_edges.clear(); }

  LAEdge const& operator[](std::size_t index) const { return m_edges[index]; }
  LAEdge& operator[](std::size_t index) { return m_edges[index]; }
  auto begin() const { return m_edges.begin(); }
  auto end() const { return m_edges.end(); }

  // Scales every start point and every arc centre; sweeps are kept, which is
  // right for equal factors on both axes, the only use there is.
  void scale(Scale2 const& s) {
    for (auto& edge : m_edges) {
      edge.start *= s;
      if (edge.type == LAEdge::Arc) edge.center *= s;
    }
  }

 private:
  std::vector<LAEdge> m_edges;
};

ZEPTDB_END_EXPORTS
