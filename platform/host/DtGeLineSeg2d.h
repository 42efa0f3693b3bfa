// SPDX-License-Identifier: MIT
// DtGeLineSeg2d: a bounded straight segment.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGePoint2d.h"

ZEPTDB_BEGIN_EXPORTS

class DtGeLineSeg2d {
 public:
  DtGeLineSeg2d() = default;
  DtGeLineSeg2d(DtGePoint2d const& start, DtGePoint2d const& end) : m_start(start), m_end(end) {}

  DtGeLineSeg2d& set(DtGePoint2d const& start, DtGePoint2d const& end) {
    m_start = start;
    m_end = end;
    return *this;
  }
  DtGePoint2d startPoint() const { return m_start; }
  DtGePoint2d endPoint() const { return m_end; }
  DtGePoint2d midPoint() const { return m_start + (m_end - m_start) * 0.5; }
  DtGeVector2d direction() const { return m_end - m_start; }
  double length() const { return m_start.distanceTo(m_end); }

 private:
  DtGePoint2d m_start;
  DtGePoint2d m_end;
};

ZEPTDB_END_EXPORTS
