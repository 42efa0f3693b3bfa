// SPDX-License-Identifier: MIT
// ZEPTPDLPresenter: writes an attached cross-section as a shape script that
// ZEPTPDLAnalyser reads back into the same contours.
#pragma once

#include "platform/core/Export.h"
#include "platform/core/ZEPTString.h"
#include "platform/shape/ZEPTSectionPresenter.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTPDLPresenter : public ZEPTSectionPresenter {
 public:
  // Writes the contours of every section of the cross-section attached at
  // `index`, one statement a line, numbers in their shortest exact form.
  // False, with `text` empty, when nothing is attached there.
  bool getDefinition(ZEPTString& text, unsigned index) const;
};

ZEPTDB_END_EXPORTS
