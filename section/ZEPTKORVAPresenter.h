// SPDX-License-Identifier: MIT
// ZEPTKORVAPresenter: writes an attached cross-section as a KORVA definition
// text (new grammar) through the math module's contour writer. Each contour
// that is not a hole opens a solid; the holes after it in its section belong
// to it. ZEPTKORVAAnalyser reads back a text of one solid with its holes into
// the same contours.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"
#include "platform/shape/ZEPTSectionPresenter.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTKORVAPresenter : public ZEPTSectionPresenter {
 public:
  ZEPTKORVAPresenter() = default;
  // Copies the attached cross-sections and placement; `units` starts metric.
  ZEPTKORVAPresenter(ZEPTKORVAPresenter const& other) : ZEPTSectionPresenter(other) {}
  // Assigns the attached cross-sections and placement; `units` stays.
  ZEPTKORVAPresenter& operator=(ZEPTKORVAPresenter const& other) {
    ZEPTSectionPresenter::operator=(other);
    return *this;
  }
  ~ZEPTKORVAPresenter() = default;

  // Writes the cross-section attached at `index` into `text`, with the unit
  // name "in" for English units and "mm" otherwise. False, with `text`
  // empty, when nothing is attached there. A section whose first contour is
  // a hole is left out from that hole on. Exceptions of the contour writer
  // (a unit or a coordinate it cannot write) pass to the caller.
  bool getDefinition(CString& text, unsigned index) const;

  // Compares the attached cross-sections and placement, not `units`.
  bool operator==(ZEPTKORVAPresenter const& other) const { return ZEPTSectionPresenter::operator==(other); }
  bool operator!=(ZEPTKORVAPresenter const& other) const { return !(*this == other); }

  // The unit system of the text; callers set it.
  DtDb::MeasurementValue units = DtDb::kMetric;
};

ZEPTDB_END_EXPORTS
