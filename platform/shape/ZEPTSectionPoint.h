// SPDX-License-Identifier: MIT
// ZEPTSectionPoint: a point of a cross-section with a label per axis that
// ties it to the section's extent. Snap points carry the labels of what they
// mark (the lower left corner is (eMin, eMin)); the presenters' offset point
// keeps them after snapping, so that it follows the section when it changes.
#pragma once

#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/host/DtGeMatrix2d.h"
#include "platform/host/DtGePoint2d.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTCrossSection;

class ZEPTSectionPoint {
 public:
  enum eOffsetLabel : int {
    eFree = 0,    // no tie: the stored coordinate
    eMin = 1,     // left edge (x) or lower edge (y) of the extent
    eCenter = 2,  // middle of the extent
    eMax = 3,     // right edge (x) or upper edge (y)
    eOrigin = 4   // the section's origin
  };

  ZEPTSectionPoint() = default;
  explicit ZEPTSectionPoint(DtGePoint2d const& point, eOffsetLabel dxLabel = eFree, eOffsetLabel dyLabel = eFree)
      : m_point(point), m_dxLabel(dxLabel), m_dyLabel(dyLabel) {}

  // With no cross-section, the stored position (section coordinates). With
  // one whose extent is not empty and two labels other than eFree: the
  // placement offset that puts the labelled point of that extent on the
  // origin, -R(alpha) * p, alpha in degrees from `alpha` or else the
  // cross-section's angle. Otherwise the stored position.
  DtGePoint2d getPoint(ZEPTCrossSection const* crossSection = nullptr, double const* alpha = nullptr) const;
  void setPoint(DtGePoint2d const& point) { m_point = point; }
  void setPoint(DtGePoint2d const& point, eOffsetLabel dxLabel, eOffsetLabel dyLabel);
  void setLabels(eOffsetLabel dxLabel, eOffsetLabel dyLabel);
  eOffsetLabel getDxLabel() const { return m_dxLabel; }
  eOffsetLabel getDyLabel() const { return m_dyLabel; }

  // Moves the stored position; the labels stay.
  ZEPTSectionPoint& transformBy(DtGeMatrix2d const& m);

  bool operator==(ZEPTSectionPoint const& other) const;
  bool operator!=(ZEPTSectionPoint const& other) const { return !(*this == other); }

 private:
  DtGePoint2d m_point;
  eOffsetLabel m_dxLabel = eFree;
  eOffsetLabel m_dyLabel = eFree;
};

using ZEPTPointArray = DtArray<ZEPTSectionPoint>;

ZEPTDB_END_EXPORTS
