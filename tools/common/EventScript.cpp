// SPDX-License-Identifier: MIT
// The event-script reader: blank and "#" lines skipped, pixels and wheel
// deltas whole numbers in range, every fault named with its line.
#include "tools/common/EventScript.h"

#include <charconv>
#include <optional>
#include <sstream>

#include "platform/gdi/GdiTypes.h"

namespace zept::tools {

namespace {

template <typename T>
std::optional<T> whole(std::string const& text) {
  T value{};
  auto const [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::vector<MouseEvent> parseEventScript(std::string_view text, std::string const& name) {
  std::vector<MouseEvent> events;
  int number = 0;
  while (!text.empty()) {
    std::size_t const eol = text.find('\n');
    std::string const line(text.substr(0, eol));
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    if (++number > kMaxEventLines)
      throw EventScriptError(name + ": more than " + std::to_string(kMaxEventLines) + " lines of events");
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    if (w.empty() || w[0][0] == '#') continue;
    auto bad = [&](std::string const& why) {
      return EventScriptError(name + ":" + std::to_string(number) + ": " + why + ": \"" + line + "\"");
    };
    auto pixel = [&](std::string const& word) {
      if (auto const v = whole<int>(word); v && *v > -100000 && *v < 100000) return *v;
      throw bad("\"" + word + "\" is not a pixel coordinate");
    };
    MouseEvent e{};
    std::string const& verb = w[0];
    if (verb == "ldown" || verb == "move" || verb == "lup" || verb == "rup" || verb == "rdown") {
      bool const shift = verb == "rdown" && w.size() == 4 && w[3] == "shift";
      if (w.size() != 3 && !shift) throw bad(verb == "rdown" ? "expected rdown X Y [shift]" : "expected " + verb + " X Y");
      e.kind = verb == "ldown" ? MouseEvent::kLDown
               : verb == "move"  ? MouseEvent::kMove
               : verb == "lup"   ? MouseEvent::kLUp
               : verb == "rup"   ? MouseEvent::kRUp
                                 : MouseEvent::kRDown;
      e.x = pixel(w[1]);
      e.y = pixel(w[2]);
      e.shift = shift;
    } else if (verb == "wheel") {
      if (w.size() != 4) throw bad("expected wheel DELTA X Y");
      auto const delta = whole<short>(w[1]);
      if (!delta) throw bad("\"" + w[1] + "\" is not a wheel delta (-32768 to 32767)");
      e.kind = MouseEvent::kWheel;
      e.delta = *delta;
      e.x = pixel(w[2]);
      e.y = pixel(w[3]);
    } else if (verb == "key") {
      if (w.size() != 3 || (w[1] != "ctrl" && w[1] != "shift") || (w[2] != "down" && w[2] != "up"))
        throw bad("expected key ctrl|shift down|up");
      e.kind = MouseEvent::kKey;
      e.key = w[1] == "ctrl" ? VK_CONTROL : VK_SHIFT;
      e.down = w[2] == "down";
    } else {
      throw bad("unknown message \"" + verb + "\" (ldown, move, lup, rdown, rup, wheel, key)");
    }
    events.push_back(e);
  }
  return events;
}

}  // namespace zept::tools
