// SPDX-License-Identifier: MIT
// The case folding of the covered scripts, by code-point ranges, and the
// wildcard match on folded names.
#include "platform/fs/CaseFold.h"

#include <cstdint>

namespace zept::fs {

wchar_t foldChar(wchar_t c) {
  const auto u = static_cast<std::uint32_t>(c);
  if (u < 0x80) return (u >= 'A' && u <= 'Z') ? static_cast<wchar_t>(u + 0x20) : c;
  // Latin-1: À..Þ except the multiplication sign.
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<wchar_t>(u + 0x20);
  if (u >= 0x100 && u <= 0x17F) {
    if (u == 0x130) return L'i';  // İ
    if (u == 0x178) return static_cast<wchar_t>(0xFF);  // Ÿ
    if (u == 0x138 || u == 0x149 || u == 0x17F) return c;  // no upper/lower pair
    // Pairs run upper-even from Ā to ķ and from Ŋ to ŷ, upper-odd in between
    // and after Ÿ.
    const bool evenUpper = (u <= 0x137) || (u >= 0x14A && u <= 0x177);
    if (evenUpper) return (u % 2 == 0) ? static_cast<wchar_t>(u + 1) : c;
    return (u % 2 == 1) ? static_cast<wchar_t>(u + 1) : c;
  }
  if (u >= 0x370 && u <= 0x3FF) {
    if (u >= 0x391 && u <= 0x3A9 && u != 0x3A2) return static_cast<wchar_t>(u + 0x20);
    if (u == 0x3C2) return static_cast<wchar_t>(0x3C3);  // final sigma folds with sigma
    if (u == 0x386) return static_cast<wchar_t>(0x3AC);
    if (u >= 0x388 && u <= 0x38A) return static_cast<wchar_t>(u + 0x25);
    if (u == 0x38C) return static_cast<wchar_t>(0x3CC);
    if (u == 0x38E || u == 0x38F) return static_cast<wchar_t>(u + 0x3F);
    return c;
  }
  if (u >= 0x400 && u <= 0x4FF) {
    if (u <= 0x40F) return static_cast<wchar_t>(u + 0x50);
    if (u <= 0x42F) return static_cast<wchar_t>(u + 0x20);
    if ((u >= 0x460 && u <= 0x481) || (u >= 0x48A && u <= 0x4BF) || (u >= 0x4D0 && u <= 0x4FF))
      return (u % 2 == 0) ? static_cast<wchar_t>(u + 1) : c;
    return c;
  }
  if (u >= 0xFF21 && u <= 0xFF3A) return static_cast<wchar_t>(u + 0x20);
  return c;
}

std::wstring foldCase(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out) c = foldChar(c);
  return out;
}

bool matchWildcard(std::wstring_view pattern, std::wstring_view name) {
  // Greedy match with one backtrack point: linear for the patterns catalogs
  // use, and never exponential.
  std::size_t p = 0, n = 0;
  std::size_t starP = std::wstring_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == L'*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() &&
               (pattern[p] == L'?' || foldChar(pattern[p]) == foldChar(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::wstring_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == L'*') ++p;
  return p == pattern.size();
}

}  // namespace zept::fs
