// SPDX-License-Identifier: MIT
// ZEPTSectionParams: what every level of the cross-section model carries.
//
// offset and alpha (degrees) are the level's placement: callers read and
// write them (the preview places the cross-section by them), but they do not
// move the level's own geometry. dx and dy are a shift that is applied to the
// geometry at once: setDx(v) moves the geometry by v minus the previous dx,
// so dx and dy always say how far it has been moved since it was built.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGeMatrix2d.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeVector2d.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTSectionParams {
 public:
  ZEPTSectionParams() = default;
  ZEPTSectionParams(ZEPTSectionParams const&) = default;
  ZEPTSectionParams& operator=(ZEPTSectionParams const&) = default;
  virtual ~ZEPTSectionParams() = default;

  DtGePoint2d getOffset() const { return m_offset; }
  void setOffset(DtGePoint2d const& offset) { m_offset = offset; }
  double getAlpha() const { return m_alpha; }
  void setAlpha(double degrees) { m_alpha = degrees; }
  double getDx() const { return m_dx; }
  double getDy() const { return m_dy; }
  void setDx(double dx);
  void setDy(double dy);

  // The extent of the level's geometry, upper corner (largest x and y) first;
  // arcs count with their extreme points. True only when the box has a
  // positive width and height; a level without geometry gives two origins.
  bool getBoundaries(DtGePoint2d& max, DtGePoint2d& min) const;
  // The same extent, but true whenever there is any geometry, even a flat one.
  bool getExtents(DtGePoint2d& max, DtGePoint2d& min) const { return extents(max, min); }

 protected:
  // Extent of the geometry; false when there is none.
  virtual bool extents(DtGePoint2d& max, DtGePoint2d& min) const;
  // Moves the geometry (not the placement) by `by`.
  virtual void moveContent(DtGeVector2d const& by);
  // Keeps dx and dy describing the shift after the geometry went through m.
  void transformShift(DtGeMatrix2d const& m);
  bool sameParams(ZEPTSectionParams const& other) const;

 private:
  DtGePoint2d m_offset;
  double m_dx = 0.0;
  double m_dy = 0.0;
  double m_alpha = 0.0;
};

ZEPTDB_END_EXPORTS
