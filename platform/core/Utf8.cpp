// SPDX-License-Identifier: MIT
// UTF-8 encoding and decoding by hand, with U+FFFD for whatever is not a
// code point.
#include "platform/core/Utf8.h"

#include <cstdint>
#include <cstring>

namespace zept {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool isValidCodePoint(char32_t c) {
  return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}
}  // namespace

bool isUtf8Encodable(std::wstring_view text) {
  for (wchar_t c : text)
    if (!isValidCodePoint(static_cast<char32_t>(static_cast<std::uint32_t>(c)))) return false;
  return true;
}

void appendUtf8(std::string& out, std::wstring_view text) {
  // ASCII, the common case for names and statements, is copied in one pass.
  std::size_t ascii = 0;
  while (ascii < text.size() && static_cast<std::uint32_t>(text[ascii]) < 0x80) ++ascii;
  const std::size_t start = out.size();
  out.resize(start + ascii);
  for (std::size_t i = 0; i < ascii; ++i) out[start + i] = static_cast<char>(text[i]);
  text.remove_prefix(ascii);
  if (text.empty()) return;
  out.reserve(out.size() + text.size());
  for (wchar_t wc : text) {
    auto c = static_cast<char32_t>(wc);
    if (!isValidCodePoint(c)) c = kReplacement;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
}

void appendWide(std::wstring& out, std::string_view text) {
  // Texts read from catalogs (names, scripts, contours) are mostly long and
  // ASCII: found eight bytes at a time and widened without a test per byte.
  auto const* src = reinterpret_cast<unsigned char const*>(text.data());
  const std::size_t size = text.size();
  std::size_t ascii = 0;
  for (std::uint64_t word; ascii + 8 <= size; ascii += 8) {
    std::memcpy(&word, src + ascii, 8);
    if (word & 0x8080808080808080ULL) break;
  }
  while (ascii < size && src[ascii] < 0x80) ++ascii;
  const std::size_t start = out.size();
  out.resize(start + ascii);
  wchar_t* dst = out.data() + start;
  std::size_t k = 0;
  for (; k + 8 <= ascii; k += 8) {
    dst[k] = src[k];
    dst[k + 1] = src[k + 1];
    dst[k + 2] = src[k + 2];
    dst[k + 3] = src[k + 3];
    dst[k + 4] = src[k + 4];
    dst[k + 5] = src[k + 5];
    dst[k + 6] = src[k + 6];
    dst[k + 7] = src[k + 7];
  }
  for (; k < ascii; ++k) dst[k] = src[k];
  text.remove_prefix(ascii);
  if (text.empty()) return;
  out.reserve(out.size() + text.size());
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) {
      out.push_back(static_cast<wchar_t>(b0));
      ++i;
      continue;
    }
    const int extra = b0 >= 0xF8 ? -1 : b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= n) {
      // A byte that cannot start a sequence, or a sequence cut short.
      out.push_back(static_cast<wchar_t>(kReplacement));
      ++i;
      continue;
    }
    char32_t c = b0 & (0x3F >> extra);
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      auto b = static_cast<unsigned char>(text[i + k]);
      if ((b & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (!ok || c < kMin[extra] || !isValidCodePoint(c)) {
      out.push_back(static_cast<wchar_t>(kReplacement));
      ++i;
      continue;
    }
    out.push_back(static_cast<wchar_t>(c));
    i += static_cast<std::size_t>(extra) + 1;
  }
}

std::string toUtf8(std::wstring_view text) {
  std::string out;
  appendUtf8(out, text);
  return out;
}

std::wstring fromUtf8(std::string_view text) {
  std::wstring out;
  appendWide(out, text);
  return out;
}

}  // namespace zept
