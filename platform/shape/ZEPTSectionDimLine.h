// SPDX-License-Identifier: MIT
// ZEPTSectionDimLine: a dimension line of a cross-section. A linear one
// (type 0) measures from its begin to its end point and is drawn at the
// signed distance `length` along the left normal of begin - end; a radial one
// (any other type) marks a radius or diameter, `length` then giving the
// leader (below 0: arrows from outside, 0: one arrow, above 0: two outwards).
#pragma once

#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/core/ZEPTString.h"
#include "platform/host/DtGeMatrix2d.h"
#include "platform/host/DtGePoint2d.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTSectionDimLine {
 public:
  ZEPTSectionDimLine() = default;
  ZEPTSectionDimLine(int dimType, DtGePoint2d const& begin, DtGePoint2d const& end, double length,
                     ZEPTString const& value, ZEPTString const& description, int dimPos = 0, int dimDir = 0,
                     int dimAlign = 0);

  int getDimLineType() const { return m_dimType; }
  DtGePoint2d getBeginPoint() const { return m_begin; }
  DtGePoint2d getEndPoint() const { return m_end; }
  double getLength() const { return m_length; }
  ZEPTString const& getValueString() const { return m_value; }
  ZEPTString const& getDescString() const { return m_description; }
  // 0: value text above the line, description below; other: the reverse.
  int getValuePos() const { return m_dimPos; }
  // 0: texts read from begin to end; other: from end to begin.
  int getValueDir() const { return m_dimDir; }
  // 0 automatic, 1 inside, 2 outside beyond begin, 3 outside beyond end.
  int getTextAlign() const { return m_dimAlign; }

  void setLength(double length) { m_length = length; }
  void setTextAlign(int dimAlign) { m_dimAlign = dimAlign; }

  // Moves both points; the distance scales with the map and changes sign when
  // the map mirrors, so the line stays on the same side of what it measures.
  ZEPTSectionDimLine& transformBy(DtGeMatrix2d const& m);

  bool operator==(ZEPTSectionDimLine const& other) const;
  bool operator!=(ZEPTSectionDimLine const& other) const { return !(*this == other); }

 private:
  int m_dimType = 0;
  DtGePoint2d m_begin;
  DtGePoint2d m_end;
  double m_length = 0.0;
  ZEPTString m_value;
  ZEPTString m_description;
  int m_dimPos = 0;
  int m_dimDir = 0;
  int m_dimAlign = 0;
};

using ZEPTDimLineArray = DtArray<ZEPTSectionDimLine>;

ZEPTDB_END_EXPORTS
