// SPDX-License-Identifier: MIT
// Tolerances of the host geometry: two points are equal when they are closer
// than equalPoint; two vectors when their difference is shorter than
// equalVector. DtGeContext::gTol is the default every comparison uses.
#pragma once

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

namespace Dt {

// Results of the host calls that can fail.
enum ErrorStatus : int {
  eOk = 0,
  eInvalidIndex = 1,             // vertex or segment index out of range
  eInvalidInput = 2,             // null or non-finite argument
  eNotApplicable = 3,            // the segment is not of the asked kind
  eDegenerateGeometry = 4,       // zero-length segment, zero radius
  eHatchTooDense = 5,            // the hatch would need too many lines or pieces
  eCannotScaleNonUniformly = 6,  // a circle or arc under a map that is not a similarity
  eNonPlanarEntity = 7,          // curves or regions not in one plane
  eOpenCurve = 8,                // curves that do not close into loops
  eSelfIntersecting = 9,         // a loop that crosses or touches itself
  eNotThatKindOfClass = 10,      // an entity of a class the call does not take
  // Drawings and their files.
  eNoDatabase = 20,     // the drawing has no block table yet
  eKeyNotFound = 21,    // no table record of that name
  eFileNotFound = 22,   // no such file
  eFileAccessErr = 23,  // the file or its folder cannot be read or written
  eFileExists = 24,     // a file that must not be replaced exists
  eInvalidDxfFile = 25  // not a DXF file, or a damaged one
};

}  // namespace Dt

class DtGeTol {
 public:
  DtGeTol() = default;
  double equalPoint() const { return m_equalPoint; }
  double equalVector() const { return m_equalVector; }
  void setEqualPoint(double value) { m_equalPoint = value; }
  void setEqualVector(double value) { m_equalVector = value; }

 private:
  double m_equalPoint = 1e-10;
  double m_equalVector = 1e-12;
};

struct DtGeContext {
  static inline DtGeTol gTol{};
};

ZEPTDB_END_EXPORTS
