// SPDX-License-Identifier: MIT
// DtDbHatch: the host's hatch entity, reduced to what a preview needs: closed
// loops of lines and arcs, a fill style and a user-defined pattern of parallel
// lines, evaluated into the line pieces that lie inside the hatched area.
//
// A loop is a closed chain of vertices; vertex i starts segment i, which ends
// at vertex i + 1 (the last one at vertex 0). A vertex's bulge shapes its
// segment as in DtDbPolyline: 0 straight, otherwise an arc with
// bulge = tan(sweep / 4), positive counter-clockwise in the loop's own
// coordinates (x right, y up; with pixel coordinates, y down, the sense flips
// with the axis and nothing else changes).
//
// Every line of the pattern is cut exactly against the line and arc segments
// (no tessellation). Lines lie at signed distances k * patternSpace from the
// origin, k integer; a double pattern adds the same family turned by 90
// degrees. A vertex that lies exactly on a hatch line counts as lying above
// it, so a line through a vertex, along an edge or tangent to an arc always
// sees an even number of crossings per loop.
#pragma once

#include <string>
#include <vector>

#include "platform/core/DtArray.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeTol.h"

using DtGePoint2dArray = DtArray<DtGePoint2d>;
using DtGeDoubleArray = DtArray<double>;

class DtDbHatch {
 public:
  // Loop type bits. The fill ignores them (style decides from nesting), but
  // they are kept and given back as appended.
  enum HatchLoopType : int {
    kDefault = 0,
    kExternal = 1,
    kPolyline = 2,
    kDerived = 4,
    kTextbox = 8,
    kOutermost = 0x10,
    kNotClosed = 0x20,
    kSelfIntersecting = 0x40,
    kTextIsland = 0x80,
    kDuplicate = 0x100,
  };
  // Which nested areas are filled, counted from the outside: normal fills
  // every other one (outer filled, holes free, islands filled again), outer
  // only the outermost, ignore everything inside an outer loop.
  enum HatchStyle : int { kNormal = 0, kOuter = 1, kIgnore = 2 };
  enum HatchPatternType : int { kUserDefined = 0, kPreDefined = 1, kCustomDefined = 2 };

  // Upper bounds of one evaluation; beyond them evaluateHatch fails with
  // eHatchTooDense instead of running out of time or memory.
  static constexpr double kMaxLinesPerFamily = 1 << 16;
  static constexpr std::size_t kMaxPieces = std::size_t{1} << 18;

  DtDbHatch() = default;

  // `bulges` is empty (all straight) or holds one bulge per vertex. Fails
  // with eInvalidInput, appending nothing, for fewer than two vertices, a
  // bulge count that fits neither, a non-finite value or an unknown loop
  // type bit.
  Dt::ErrorStatus appendLoop(int loopType, DtGePoint2dArray const& vertices, DtGeDoubleArray const& bulges);
  int numLoops() const { return static_cast<int>(m_loops.size()); }
  int loopTypeAt(int index) const;  // -1 for an index out of range
  Dt::ErrorStatus getLoopAt(int index, int& loopType, DtGePoint2dArray& vertices, DtGeDoubleArray& bulges) const;
  Dt::ErrorStatus removeLoopAt(int index);

  Dt::ErrorStatus setHatchStyle(HatchStyle style);

  // Only user-defined patterns can be evaluated; another type gives
  // eNotApplicable and leaves the pattern as it was. A null name is empty.
  Dt::ErrorStatus setPattern(HatchPatternType type, wchar_t const* name);
  HatchPatternType patternType() const { return m_patternType; }
  std::wstring const& patternName() const { return m_patternName; }
  // Distance between neighbouring lines, finite and positive.
  Dt::ErrorStatus setPatternSpace(double space);
  double patternSpace() const { return m_space; }
  // Direction of the lines in radians from +x towards +y; finite.
  Dt::ErrorStatus setPatternAngle(double angle);
  Dt::ErrorStatus setPatternDouble(bool isDouble);
  bool patternDouble() const { return m_double; }

  // Computes the line pieces. eOk with no pieces when there are no loops;
  // eInvalidInput when the geometry overflows; eHatchTooDense past the bounds
  // above. Any change afterwards drops the result until the next evaluation.
  Dt::ErrorStatus evaluateHatch();

  // The pieces of the last evaluation, in order of line and then along the
  // line; both arrays are emptied first. Gives the evaluation's failure, or
  // eNotApplicable when the hatch was not evaluated since its last change.
  Dt::ErrorStatus getHatchLinesData(DtGePoint2dArray& starts, DtGePoint2dArray& ends) const;
  int numHatchLines() const { return static_cast<int>(m_starts.size()); }
  Dt::ErrorStatus getHatchLineDataAt(int index, DtGePoint2d& start, DtGePoint2d& end) const;

 private:
  struct Loop {
    int type = kDefault;
    std::vector<DtGePoint2d> vertices;
    std::vector<double> bulges;  // one per vertex
  };
  void changed();
  Dt::ErrorStatus evaluateFamily(double angle);

  std::vector<Loop> m_loops;
  HatchStyle m_style = kNormal;
  HatchPatternType m_patternType = kUserDefined;
  std::wstring m_patternName;
  double m_space = 1.0;
  double m_angle = 0.0;
  bool m_double = false;

  Dt::ErrorStatus m_status = Dt::eNotApplicable;
  std::vector<DtGePoint2d> m_starts;
  std::vector<DtGePoint2d> m_ends;
};
