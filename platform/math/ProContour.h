// SPDX-License-Identifier: MIT
// The contour tree of the math module. A ProComplexContour is the root; every
// node owns its children, in order. Closed contours carry edges: a
// ProSolidContour is an outline, a ProEmptyContour a hole; a solid's
// children are its holes and the islands inside it. Other nodes only group.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/core/Export.h"
#include "platform/math/LAContour.h"

ZEPTDB_BEGIN_EXPORTS

class ProClosedContour;

class ProContour {
 public:
  ProContour() = default;
  virtual ~ProContour();
  ProContour(ProContour const&) = delete;
  ProContour& operator=(ProContour const&) = delete;

  // The child at `index`, or null past the last.
  ProContour* GetChild(std::size_t index) { return index < m_children.size() ? m_children[index].get() : nullptr; }
  ProContour const* GetChild(std::size_t index) const {
    return index < m_children.size() ? m_children[index].get() : nullptr;
  }
  std::size_t NumChildren() const { return m_children.size(); }

  // Takes `child` as the last child and returns it; null adds nothing.
  template <class T>
  T* Attach(std::unique_ptr<T> child) {
    T* node = child.get();
    if (node) m_children.push_back(std::move(child));
    return node;
  }

  // Non-null exactly for the nodes that carry edges.
  virtual ProClosedContour* AsClosed() { return nullptr; }
  virtual ProClosedContour const* AsClosed() const { return nullptr; }

 private:
  std::vector<std::unique_ptr<ProContour>> m_children;
};

class ProComplexContour : public ProContour {};

class ProClosedContour : public ProContour {
 public:
  // Copies the edges.
  void SetLAContour(LAContour const& edges) { m_edges = edges; }
  LAContour const& GetLAContour() const { return m_edges; }
  LAContour& GetLAContour() { return m_edges; }

  virtual bool IsHole() const = 0;

  ProClosedContour* AsClosed() override { return this; }
  ProClosedContour const* AsClosed() const override { return this; }

 private:
  LAContour m_edges;
};

class ProSolidContour : public ProClosedContour {
 public:
  bool IsHole() const override { return false; }
};

class ProEmptyContour : public ProClosedContour {
 public:
  bool IsHole() const override { return true; }
};

namespace zept::math::detail {

template <class Node, class Visit>
void walkClosedContours(Node& root, Visit& visit) {
  std::vector<Node*> pending{&root};
  while (!pending.empty()) {
    Node* node = pending.back();
    pending.pop_back();
    if (auto* closed = node->AsClosed()) visit(*closed);
    for (std::size_t i = node->NumChildren(); i-- > 0;) pending.push_back(node->GetChild(i));
  }
}

}  // namespace zept::math::detail

// Calls visit(closed) for each closed contour of the tree under `root`
// (itself included) in depth-first pre-order: a node before its children,
// children by increasing index. No recursion, whatever the depth.
template <class Visit>
void forEachClosedContour(ProContour& root, Visit&& visit) {
  zept::math::detail::walkClosedContours<ProContour>(root, visit);
}
template <class Visit>
void forEachClosedContour(ProContour const& root, Visit&& visit) {
  zept::math::detail::walkClosedContours<ProContour const>(root, visit);
}

ZEPTDB_END_EXPORTS
