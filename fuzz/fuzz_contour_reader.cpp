// SPDX-License-Identifier: MIT
// The math module's strict contour reader on any text; what it reads must
// write back (when representable) and read again into the same tree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "FuzzText.h"
#include "platform/math/ProComplexContourAndUnitReader.h"
#include "platform/math/ProComplexContourAndUnitWriter.h"

namespace {

std::size_t countClosed(ProContour const& root) {
  std::size_t n = 0;
  forEachClosedContour(root, [&n](ProClosedContour const&) { ++n; });
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  CString const text(zept::fuzz::wideText(data, size));
  ProContourFactory const factory;
  CString unit;
  auto const root = ProComplexContourAndUnitReader(text, factory).read(unit);
  if (!root) return 0;
  CString written;
  try {
    written = ProComplexContourAndUnitWriter(unit).write(*root);
  } catch (std::invalid_argument const&) {
    return 0;  // a unit name or value the writer refuses
  }
  CString unitAgain;
  auto const again = ProComplexContourAndUnitReader(written, factory).read(unitAgain);
  if (!again || unitAgain != unit || countClosed(*again) != countClosed(*root)) std::abort();
  return 0;
}
