// SPDX-License-Identifier: MIT
// The UTF-8 check of command-line arguments: an argument is text when it
// survives the round trip through wide text unchanged.
#include "tools/common/ArgumentText.h"

#include <cstdio>

#include "platform/core/Utf8.h"

namespace zept::tools {

// The converters turn every malformed sequence into U+FFFD, so only valid
// text survives the round trip unchanged.
bool isUtf8Text(std::string_view bytes) { return zept::toUtf8(zept::fromUtf8(bytes)) == bytes; }

std::string nonUtf8Argument(std::string_view tool, int argc, char const* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (isUtf8Text(arg)) continue;
    std::string shown;
    for (const char c : arg) {
      const auto b = static_cast<unsigned char>(c);
      if (b >= 0x20 && b < 0x7f) {
        shown += c;
      } else {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\%03o", b);
        shown += escape;
      }
    }
    return std::string(tool) + ": argument " + std::to_string(i) + " \"" + shown + "\" is not valid UTF-8 text";
  }
  return "";
}

}  // namespace zept::tools
