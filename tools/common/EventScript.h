// SPDX-License-Identifier: MIT
// Scripted mouse sessions for the preview (zeptcat render --events): one
// message a line in window pixels, y down. Every message repaints, so a
// script is held to what a person could do in a long sitting.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zept::tools {

struct MouseEvent {
  enum Kind { kLDown, kMove, kLUp, kRDown, kRUp, kWheel, kKey } kind = kMove;
  int x = 0, y = 0;      // within +-100000 pixels
  int delta = 0;         // wheel, a short
  bool shift = false;    // rdown ... shift
  int key = 0;           // VK_CONTROL or VK_SHIFT
  bool down = false;     // key
};

// A script refused: "NAME:LINE: why: "the line"".
class EventScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr int kMaxEventLines = 100000;

// The messages of `text`: blank lines and lines starting with "#" are
// skipped; a line that does not read, or a script of more than
// kMaxEventLines lines, is an EventScriptError naming `name`.
std::vector<MouseEvent> parseEventScript(std::string_view text, std::string const& name);

}  // namespace zept::tools
