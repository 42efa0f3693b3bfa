// SPDX-License-Identifier: MIT
// Dimension-line construction, transformation (a mirror moves the line
// to the other side) and comparison.
#include "platform/shape/ZEPTSectionDimLine.h"

#include <cmath>

ZEPTSectionDimLine::ZEPTSectionDimLine(int dimType, DtGePoint2d const& begin, DtGePoint2d const& end, double length,
                                       ZEPTString const& value, ZEPTString const& description, int dimPos,
                                       int dimDir, int dimAlign)
    : m_dimType(dimType),
      m_begin(begin),
      m_end(end),
      m_length(length),
      m_value(value),
      m_description(description),
      m_dimPos(dimPos),
      m_dimDir(dimDir),
      m_dimAlign(dimAlign) {}

ZEPTSectionDimLine& ZEPTSectionDimLine::transformBy(DtGeMatrix2d const& m) {
  m_begin.transformBy(m);
  m_end.transformBy(m);
  double const det = m.det();
  // A mirror turns the left normal of begin - end to the other side.
  m_length *= std::copysign(std::sqrt(std::fabs(det)), det);
  return *this;
}

bool ZEPTSectionDimLine::operator==(ZEPTSectionDimLine const& other) const {
  return m_dimType == other.m_dimType && m_begin.x == other.m_begin.x && m_begin.y == other.m_begin.y &&
         m_end.x == other.m_end.x && m_end.y == other.m_end.y && m_length == other.m_length &&
         m_value == other.m_value && m_description == other.m_description && m_dimPos == other.m_dimPos &&
         m_dimDir == other.m_dimDir && m_dimAlign == other.m_dimAlign;
}
