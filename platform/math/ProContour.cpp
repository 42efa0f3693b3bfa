// SPDX-License-Identifier: MIT
// The contour tree's destructor, which frees a deep tree without
// recursing.
#include "platform/math/ProContour.h"

// Children are released level by level, so a tree as deep as memory allows
// does not recurse through the destructors.
ProContour::~ProContour() {
  std::vector<std::unique_ptr<ProContour>> pending = std::move(m_children);
  while (!pending.empty()) {
    std::unique_ptr<ProContour> node = std::move(pending.back());
    pending.pop_back();
    for (auto& child : node->m_children) pending.push_back(std::move(child));
    node->m_children.clear();
  }
}
