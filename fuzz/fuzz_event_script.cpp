// SPDX-License-Identifier: MIT
// zeptcat render's event scripts on any text: every script is read or
// refused with a message naming it, and what is read stays in the ranges
// the replay relies on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/common/EventScript.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string_view const text(reinterpret_cast<char const*>(data), size);
  try {
    auto const events = zept::tools::parseEventScript(text, "s");
    if (events.size() > static_cast<std::size_t>(zept::tools::kMaxEventLines)) std::abort();
    for (auto const& e : events)
      if (e.x <= -100000 || e.x >= 100000 || e.y <= -100000 || e.y >= 100000 || e.delta < -32768 || e.delta > 32767)
        std::abort();
  } catch (zept::tools::EventScriptError const& e) {
    if (!std::string_view(e.what()).starts_with("s:")) std::abort();
  }
  return 0;
}
