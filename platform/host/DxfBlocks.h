// SPDX-License-Identifier: MIT
// Block references (INSERT) of a DXF drawing expanded into the curves they
// place: the block's curves moved from its base point, scaled, turned,
// repeated in rows and columns, and set into the object coordinate system
// of the insert's extrusion direction; nested blocks likewise, to a bounded
// depth. Not part of the public surface.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/host/DxfFile.h"

namespace zept::dxf {

struct Insert {
  std::string block;
  std::string layer = "0";
  Vec3 at;                  // object coordinates
  Vec3 scale{1, 1, 1};
  double rotation = 0;      // radians
  Vec3 normal{0, 0, 1};
  long columns = 1, rows = 1;
  double columnSpacing = 0, rowSpacing = 0;
  std::size_t line = 0;     // of the file, for messages
};

struct Block {
  Vec3 base;
  std::vector<Entity> entities;
  std::vector<Insert> inserts;
};

using Blocks = std::map<std::string, Block>;

// Deeper nesting is taken for a block that holds itself.
inline constexpr int kMaxBlockDepth = 16;
// More curves than this from references alone is refused, whatever the
// nesting: a few nested arrays can otherwise name billions.
inline constexpr std::size_t kMaxExpandedEntities = 2'000'000;

// Appends the curves `inserts` place to `out`. Curves of layer "0" take the
// insert's layer. Fails with `error` for an unknown block, nesting deeper
// than kMaxBlockDepth, more than kMaxExpandedEntities curves, a zero or
// unequal scale that would turn a circle or arc into something else, or
// coordinates that leave the range a drawing holds.
bool expandInserts(std::vector<Insert> const& inserts, Blocks const& blocks, std::vector<Entity>& out,
                   std::string& error);

}  // namespace zept::dxf
