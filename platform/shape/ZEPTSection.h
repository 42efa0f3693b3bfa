// SPDX-License-Identifier: MIT
// ZEPTBaseSection / ZEPTSection: one part of a cross-section, made of solid
// contours and the holes in them. Contours are kept by value: addContour and
// getContourAt copy.
#pragma once

#include <vector>

#include "platform/core/Export.h"
#include "platform/host/DtGeMatrix2d.h"
#include "platform/shape/ZEPTContour.h"
#include "platform/shape/ZEPTSectionParams.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTBaseSection : public ZEPTSectionParams {
 public:
  explicit ZEPTBaseSection(bool isThin = false) : m_isThin(isThin) {}

  void addContour(ZEPTContour const& contour);
  int numContours() const { return static_cast<int>(m_contours.size()); }
  // False, with `contour` untouched, for an index out of range.
  bool getContourAt(int index, ZEPTContour& contour) const;
  // The contour itself, or null for an index out of range.
  ZEPTContour const* contourAt(int index) const;
  void removeAllContours() { m_contours.clear(); }

  bool transformBy(DtGeMatrix2d const& m);

  // A thin-walled section (its profile record's flag); no effect on geometry.
  bool getIsThin() const { return m_isThin; }
  void setIsThin(bool isThin) { m_isThin = isThin; }

  bool operator==(ZEPTBaseSection const& other) const;
  bool operator!=(ZEPTBaseSection const& other) const { return !(*this == other); }

 protected:
  bool extents(DtGePoint2d& max, DtGePoint2d& min) const override;
  void moveContent(DtGeVector2d const& by) override;

 private:
  std::vector<ZEPTContour> m_contours;
  bool m_isThin = false;
};

class ZEPTSection : public ZEPTBaseSection {
 public:
  explicit ZEPTSection(bool isThin = false) : ZEPTBaseSection(isThin) {}
};

ZEPTDB_END_EXPORTS
