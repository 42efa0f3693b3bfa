// SPDX-License-Identifier: MIT
// The lexical rules of Jet SQL text: character classes, numbers, quoted
// literals and delimited names. The translator reads UTF-8 bytes and the
// statement cache scans the caller's wide text; both go through these.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <type_traits>

namespace zept::dao::jetlex {

enum : std::uint8_t { kSpace = 1, kWordStart = 2, kWordChar = 4, kDigit = 8 };

// Every unit from 0x80 up is a letter: UTF-8 bytes of names are, and so is
// every wide character beyond ASCII (the translator sees its UTF-8 bytes).
constexpr std::array<std::uint8_t, 256> makeClasses() {
  std::array<std::uint8_t, 256> c{};
  for (int i : {' ', '\t', '\n', '\r', '\f', '\v'}) c[i] = kSpace;
  for (int i = 'A'; i <= 'Z'; ++i) c[i] = kWordStart | kWordChar;
  for (int i = 'a'; i <= 'z'; ++i) c[i] = kWordStart | kWordChar;
  for (int i = 0x80; i <= 0xFF; ++i) c[i] = kWordStart | kWordChar;
  c['_'] = kWordStart | kWordChar;
  for (int i = '0'; i <= '9'; ++i) c[i] = kWordChar | kDigit;
  return c;
}
inline constexpr auto kClass = makeClasses();

inline std::uint8_t classOf(char c) { return kClass[static_cast<unsigned char>(c)]; }
inline std::uint8_t classOf(wchar_t c) {
  const auto u = static_cast<std::uint32_t>(c);
  return u < 256 ? kClass[u] : kWordStart | kWordChar;
}

template <class C>
inline bool is(C c, std::uint8_t cls) {
  return (classOf(c) & cls) != 0;
}

template <class C>
inline bool isDigit(C c) {
  return c >= C('0') && c <= C('9');
}

// A word: a word start, word characters and an optional trailing '$'. The
// length from `p`, which holds a word start; `dollar` tells whether a '$'
// ends it.
template <class C>
inline std::size_t wordLength(C const* p, std::size_t n, bool& dollar) {
  std::size_t i = 1;
  while (i < n && is(p[i], kWordChar)) ++i;
  dollar = i < n && p[i] == C('$');
  return i + dollar;
}

// Whether a number starts at `p` (n > 0): a digit, or a '.' before a digit.
// After a name, ".5" is a qualifier dot and a number; the caller decides.
template <class C>
inline bool startsNumber(C const* p, std::size_t n) {
  return isDigit(p[0]) || (p[0] == C('.') && n > 1 && isDigit(p[1]));
}

struct NumberForm {
  int decimals = -1;  // digits after the '.'; -1 without one
  bool exponent = false;
};

// The length of the number at `p`: digits, an optional '.' and digits, an
// optional exponent of 'e' or 'E', a sign and digits; 0 for an exponent
// without digits. `digit` sees each digit before the exponent, in order.
template <class C, class Digit>
inline std::size_t numberLength(C const* p, std::size_t n, NumberForm& form, Digit&& digit) {
  std::size_t i = 0;
  for (; i < n && isDigit(p[i]); ++i) digit(p[i]);
  if (i < n && p[i] == C('.')) {
    const std::size_t point = i;
    for (++i; i < n && isDigit(p[i]); ++i) digit(p[i]);
    form.decimals = static_cast<int>(i - point - 1);
  }
  if (i < n && (p[i] == C('e') || p[i] == C('E'))) {
    std::size_t q = i + 1;
    if (q < n && (p[q] == C('+') || p[q] == C('-'))) ++q;
    if (q >= n || !isDigit(p[q])) return 0;
    while (q < n && isDigit(p[q])) ++q;
    i = q;
    form.exponent = true;
  }
  return i;
}

template <class C>
inline std::size_t numberLength(C const* p, std::size_t n, NumberForm& form) {
  return numberLength(p, n, form, [](C) {});
}

// A word character, '.' or '$' right after a number makes it malformed.
template <class C>
inline bool endsNumberBadly(C c) {
  return is(c, kWordChar) || c == C('.') || c == C('$');
}

inline char const* find(char const* p, char c, std::size_t n) {
  return static_cast<char const*>(std::memchr(p, c, n));
}
inline wchar_t const* find(wchar_t const* p, wchar_t c, std::size_t n) { return std::wmemchr(p, c, n); }

template <class C>
inline bool opensString(C c) {
  return c == C('"') || c == C('\'');
}
template <class C>
inline bool opensName(C c) {
  return c == C('[') || c == C('`');
}

// The length, with both delimiters, of the string or name that p[0] opens:
// a string ends at its own quote, which it holds doubled; a name ends at
// ']' or '`' and cannot hold it. 0 when it is not closed; `doubled` tells
// whether a doubled quote was passed.
template <class C>
inline std::size_t delimitedLength(C const* p, std::size_t n, bool& doubled) {
  const bool string = opensString(p[0]);
  const C close = p[0] == C('[') ? C(']') : p[0];
  doubled = false;
  for (std::size_t i = 1;;) {
    C const* const at = find(p + i, close, n - i);
    if (!at) return 0;
    const auto e = static_cast<std::size_t>(at - p);
    if (string && e + 1 < n && p[e + 1] == close) {
      doubled = true;
      i = e + 2;
      continue;
    }
    return e + 1;
  }
}

}  // namespace zept::dao::jetlex
