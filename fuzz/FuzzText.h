// SPDX-License-Identifier: MIT
// The fuzz input as the wide text the parsers take: one character per byte
// (so every ASCII token is reachable), except that 0xFF starts an escape whose
// next two bytes give a character beyond Latin-1. A zero character ends the
// text for the parsers that take zero-terminated strings, as it would in a
// catalog field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zept::fuzz {

inline std::wstring wideText(std::uint8_t const* data, std::size_t size) {
  std::wstring text;
  text.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF && i + 2 < size) {
      text += static_cast<wchar_t>(0x100 + (data[i + 1] << 8 | data[i + 2]));
      i += 2;
    } else {
      text += static_cast<wchar_t>(data[i]);
    }
  }
  return text;
}

}  // namespace zept::fuzz
