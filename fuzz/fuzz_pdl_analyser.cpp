// SPDX-License-Identifier: MIT
// The shape-script reader on any text as a record's script, with values in
// the record's columns for the script's names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzText.h"
#include "platform/shape/ZEPTPDLAnalyser.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  ZEPTDBProfileData record;
  record.pdlScript = zept::fuzz::wideText(data, size).c_str();
  record.h = 300;
  record.b = 150;
  record.ea = 7.1;
  record.es = 10.7;
  record.ra = 15;
  record.gamma = 0.5;
  ZEPTCrossSection cs;
  ZEPTPDLAnalyser analyser;
  analyser.attachSection(&cs);
  int const result = analyser.setDefinitionByData(record, 0.001);
  if (result < -1 || result > 1) std::abort();
  return 0;
}
