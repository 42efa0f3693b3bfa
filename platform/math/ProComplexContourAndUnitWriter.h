// SPDX-License-Identifier: MIT
// Writes a contour tree with its unit name as a description that
// ProComplexContourAndUnitReader, and the KORVA section parser, read back
// into the same contours. Layout, one blank between tokens:
//
//   "mm" ( ( (S ( (L 0 0) (A 50 0 10 3.14159 -1.5708) ... ) 1 ( (H ( ... ) ) ) ) ... ) )
//
// All solid groups go into one section: the solids directly under the root,
// or under complex contours grouped below it, in depth-first order; each
// solid's direct children follow it as holes ("H", ProEmptyContour) and
// islands ("S", ProSolidContour). A root without solids gives "mm" ( ).
// A straight edge is "L" with its start; an arc edge is "A" with its centre,
// the radius and angle (radians) of its start about the centre, and its
// sweep. An edge of another type is written straight, so its start point is
// kept. Numbers are the shortest decimal that reads back to the same double
// (C locale).
#pragma once

#include "platform/core/CString.h"
#include "platform/core/Export.h"
#include "platform/math/ProContour.h"

ZEPTDB_BEGIN_EXPORTS

class ProComplexContourAndUnitWriter {
 public:
  // Throws std::invalid_argument for a unit name holding '"', '#' or a
  // zero character, which no reader could take back.
  explicit ProComplexContourAndUnitWriter(CString unit);

  // Throws std::invalid_argument when the tree does not fit the grammar: a
  // hole outside a solid, a contour below a solid's child, a complex contour
  // below a solid, or a coordinate that is not finite or too large for
  // single precision.
  CString write(ProComplexContour const& contour) const;

 private:
  CString m_unit;
};

ZEPTDB_END_EXPORTS
