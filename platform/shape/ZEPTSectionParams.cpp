// SPDX-License-Identifier: MIT
// The shift, the boundaries and the comparison every level of the model
// shares.
#include "platform/shape/ZEPTSectionParams.h"

void ZEPTSectionParams::setDx(double dx) {
  moveContent(DtGeVector2d(dx - m_dx, 0.0));
  m_dx = dx;
}

void ZEPTSectionParams::setDy(double dy) {
  moveContent(DtGeVector2d(0.0, dy - m_dy));
  m_dy = dy;
}

bool ZEPTSectionParams::getBoundaries(DtGePoint2d& max, DtGePoint2d& min) const {
  if (!extents(max, min)) {
    max = min = DtGePoint2d::kOrigin;
    return false;
  }
  return max.x > min.x && max.y > min.y;
}

bool ZEPTSectionParams::extents(DtGePoint2d&, DtGePoint2d&) const { return false; }

void ZEPTSectionParams::moveContent(DtGeVector2d const&) {}

void ZEPTSectionParams::transformShift(DtGeMatrix2d const& m) {
  DtGeVector2d shift(m_dx, m_dy);
  shift.transformBy(m);
  m_dx = shift.x;
  m_dy = shift.y;
}

bool ZEPTSectionParams::sameParams(ZEPTSectionParams const& other) const {
  return m_offset.x == other.m_offset.x && m_offset.y == other.m_offset.y && m_dx == other.m_dx &&
         m_dy == other.m_dy && m_alpha == other.m_alpha;
}
