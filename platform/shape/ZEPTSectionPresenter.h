// SPDX-License-Identifier: MIT
// ZEPTSectionPresenter: base of everything that writes or paints
// cross-sections. It holds the attached cross-sections (not owned; an entry
// may be null) and its own copies of the current offset point and angle
// (degrees), either of which may be absent. Derived presenters read and
// write the placement through m_point and m_angle.
#pragma once

#include <memory>

#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/shape/ZEPTCrossSection.h"
#include "platform/shape/ZEPTSectionPoint.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTSectionPresenter {
 public:
  ZEPTSectionPresenter() = default;
  ZEPTSectionPresenter(ZEPTSectionPresenter const& other);
  ZEPTSectionPresenter& operator=(ZEPTSectionPresenter const& other);
  ~ZEPTSectionPresenter() = default;

  // Appends to the attached cross-sections; returns the index it got.
  int attachSection(ZEPTCrossSection const* crossSection);
  // The cross-section attached at `index`; null past the end or for a null entry.
  ZEPTCrossSection const* attachedAt(unsigned index) const;

  // Stores copies of the point and the angle; a null argument removes that
  // copy. Refuses (false, nothing changed) a coordinate or angle that is not
  // finite.
  bool setOffset(ZEPTSectionPoint const* point, double const* angle);
  ZEPTSectionPoint* offsetPoint() const { return m_point.get(); }
  double* offsetAngle() const { return m_angle.get(); }

  // Equal when the same cross-sections are attached in the same order and the
  // offset points and angles are equal (or both absent).
  bool operator==(ZEPTSectionPresenter const& other) const;
  bool operator!=(ZEPTSectionPresenter const& other) const { return !(*this == other); }

 protected:
  DtArray<ZEPTCrossSection const*> m_sections;
  std::unique_ptr<ZEPTSectionPoint> m_point;
  std::unique_ptr<double> m_angle;
};

ZEPTDB_END_EXPORTS
