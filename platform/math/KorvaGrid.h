// SPDX-License-Identifier: MIT
// The grid-point form of KORVA section texts, "10#0-0:4-0:4-2|...": a pitch,
// a "#" and integer points, ":" joining points of a contour and "|" starting
// the next contour. The section parser and the catalog's conversion share it.
#pragma once

#include <vector>

namespace zept::math {

struct GridPoint {
  int x;
  int y;
  bool continues;  // written after ":": the point continues the contour before it
};

enum class GridRules {
  // As the section parser reads the old grammar: the scale as "%f" reads it
  // into a float, anything between it and the first "#", points "%d-%d" of
  // any value (white space before each number, none before the hyphen),
  // anything after a point up to the next ":" or "|", and a point after
  // every separator.
  Scanf,
  // The subset the catalog converts: a positive decimal pitch in double
  // precision, then nothing but white space before the "#", coordinates 0
  // to 99, white space between all tokens and nothing else; a separator
  // after the last point is allowed.
  Strict,
};

struct Grid {
  double pitch = 0;
  std::vector<GridPoint> points;  // at least one once read
};

// False where `text` is not in the form; `grid` then holds a part of it.
bool readGrid(wchar_t const* text, GridRules rules, Grid& grid);

}  // namespace zept::math
