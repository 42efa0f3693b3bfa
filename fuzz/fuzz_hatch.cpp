// SPDX-License-Identifier: MIT
// The hatch engine on any loops: each value is two bytes, mostly a small
// coordinate in eighths so that real shapes come up, sometimes NaN, an
// infinity, a huge or a tiny number. Whatever it gets, evaluation ends with
// a status, and a success gives finite pieces in pairs.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "platform/host/DtDbHatch.h"

namespace {

class Reader {
 public:
  Reader(std::uint8_t const* data, std::size_t size) : m_data(data), m_size(size) {}
  bool more() const { return m_pos < m_size; }
  std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
  double value() {
    auto const raw = static_cast<std::int16_t>(byte() | (byte() << 8));
    switch (raw) {
      case -32768: return std::numeric_limits<double>::quiet_NaN();
      case 32767: return HUGE_VAL;
      case -32767: return -HUGE_VAL;
      case 32766: return 1e300;
      case -32766: return -1e300;
      case 32765: return 1e-300;
      default: return raw / 8.0;
    }
  }

 private:
  std::uint8_t const* m_data;
  std::size_t m_size;
  std::size_t m_pos = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  Reader in(data, size);
  DtDbHatch hatch;
  std::uint8_t const flags = in.byte();
  hatch.setHatchStyle(static_cast<DtDbHatch::HatchStyle>(flags % 4));
  hatch.setPatternDouble((flags & 4) != 0);
  hatch.setPatternSpace(in.value());
  hatch.setPatternAngle(in.value());
  while (in.more()) {
    int const type = in.byte() % 0x200;
    int const n = in.byte() % 32;
    DtGePoint2dArray vertices;
    DtGeDoubleArray bulges;
    for (int i = 0; i < n; ++i) {
      double const x = in.value();
      vertices.append({x, in.value()});
      bulges.append(in.value());
    }
    hatch.appendLoop(type, vertices, bulges);
  }
  Dt::ErrorStatus const status = hatch.evaluateHatch();
  DtGePoint2dArray starts, ends;
  if (hatch.getHatchLinesData(starts, ends) != status) std::abort();
  if (starts.length() != ends.length() || (status != Dt::eOk && starts.length() != 0)) std::abort();
  for (int i = 0; i < starts.length(); ++i)
    if (!std::isfinite(starts[i].x) || !std::isfinite(starts[i].y) || !std::isfinite(ends[i].x) ||
        !std::isfinite(ends[i].y))
      std::abort();
  return 0;
}
