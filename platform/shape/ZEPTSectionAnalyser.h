// SPDX-License-Identifier: MIT
// ZEPTSectionAnalyser: base of everything that fills a cross-section. It
// points at the cross-section it fills and does not own it; with none
// attached, analysers still read their input but store nothing.
#pragma once

#include "platform/core/Export.h"
#include "platform/shape/ZEPTCrossSection.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTSectionAnalyser {
 public:
  ZEPTSectionAnalyser() = default;
  ZEPTSectionAnalyser(ZEPTSectionAnalyser const&) = default;
  ZEPTSectionAnalyser& operator=(ZEPTSectionAnalyser const&) = default;
  ~ZEPTSectionAnalyser() = default;

  void attachSection(ZEPTCrossSection* crossSection) { m_crossSection = crossSection; }
  ZEPTCrossSection* attachedSection() const { return m_crossSection; }

  // Equal when both fill the same cross-section (or none).
  bool operator==(ZEPTSectionAnalyser const& other) const { return m_crossSection == other.m_crossSection; }
  bool operator!=(ZEPTSectionAnalyser const& other) const { return !(*this == other); }

 protected:
  ZEPTCrossSection* m_crossSection = nullptr;
};

ZEPTDB_END_EXPORTS
