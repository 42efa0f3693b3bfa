// SPDX-License-Identifier: MIT
// The catalog-backed analyser: the size read through ZEPTDBProfile, then its
// script through the PDL analyser or its contour through ZEPTKORVAAnalyser.
#include "section/ZEPTMDBAnalyser.h"

#include <optional>

#include "section/ZEPTKORVAAnalyser.h"

ZEPTMDBAnalyser::ZEPTMDBAnalyser(ZEPTMDBAnalyser const& other) : ZEPTPDLAnalyser(other), ZEPTDBProfile() {}

ZEPTMDBAnalyser& ZEPTMDBAnalyser::operator=(ZEPTMDBAnalyser const& other) {
  ZEPTPDLAnalyser::operator=(other);
  return *this;
}

bool ZEPTMDBAnalyser::operator==(ZEPTMDBAnalyser const& other) const { return ZEPTPDLAnalyser::operator==(other); }

bool ZEPTMDBAnalyser::operator!=(ZEPTMDBAnalyser const& other) const {
  return ZEPTSectionAnalyser::operator!=(other);
}

int ZEPTMDBAnalyser::setDefinition(CString const& catalog, CString const& profile, CString const& dims,
                                   DtDb::MeasurementValue units, ZEPTDBProfileData* data) {
  if (!setProfileDB(catalog)) return -1;
  std::optional<ZEPTDBProfileData> own;
  ZEPTDBProfileData& record = data ? *data : own.emplace();
  if (!getProfileData(profile, dims, &record)) return -1;
  CString const unit = units == DtDb::kMetric ? L"mm" : L"in";

  if (record.pdlScript.isEmpty()) {
    if (record.symbol.isEmpty()) return 0;
    // Contours the script conversion could not take, in whatever unit they
    // name ("m" for the old grammar); an unknown one gives 0 and collapses
    // the section rather than drawing it in the wrong size.
    ZEPTKORVAAnalyser korva;
    korva.attachSection(m_crossSection);
    record.unitFactor = calcCrossFactor(korva.getShapeUnits(record.symbol.c_str()), unit);
    return korva.setDefinitionByData(record);
  }
  record.unitFactor = getCrossFactor(unit, nullptr);
  return ZEPTPDLAnalyser::setDefinitionByData(record, 1.0 / getCrossFactor(L"mm", nullptr));
}
