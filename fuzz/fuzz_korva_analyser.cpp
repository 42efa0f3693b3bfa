// SPDX-License-Identifier: MIT
// The KORVA section parser on any text, attached and detached, through the
// record and for its unit name; what it reads is written back by the
// presenter and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "FuzzText.h"
#include "section/ZEPTKORVAAnalyser.h"
#include "section/ZEPTKORVAPresenter.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::wstring const text = zept::fuzz::wideText(data, size);
  ZEPTKORVAAnalyser analyser;
  ZEPTString const unit = analyser.getShapeUnits(text.c_str());
  int const detached = analyser.setDefinition(text.c_str(), 1.5, -2.5, 30);

  ZEPTCrossSection cs;
  analyser.attachSection(&cs);
  int const attached = analyser.setDefinition(text.c_str(), 1.5, -2.5, 30);
  // The cross-section changes nothing of what the text reads as.
  if (attached != detached || attached < -1 || attached > 1) std::abort();
  if ((text.c_str()[0] == L'\0') != (attached == -1)) std::abort();

  ZEPTDBProfileData record;
  record.symbol = text.c_str();
  record.unitFactor = 25.4;
  if (analyser.setDefinitionByData(record) != attached) std::abort();

  ZEPTKORVAPresenter presenter;
  presenter.attachSection(&cs);
  CString written;
  try {
    if (!presenter.getDefinition(written, 0)) std::abort();
  } catch (std::invalid_argument const&) {
    return 0;  // a coordinate beyond single precision, which the text format cannot hold
  }
  ZEPTCrossSection again;
  analyser.attachSection(&again);
  if (analyser.setDefinition(written, 0, 0, 0) == -1) std::abort();
  (void)unit;
  return 0;
}
