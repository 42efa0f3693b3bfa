// SPDX-License-Identifier: MIT
#include "platform/core/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t kBad = 0xFFFD;

TEST(Utf8RoundTrip, EveryEncodedLength) {
  const std::wstring text = {L'A', 0x7F, 0x80, 0xDF, 0x7FF, 0x800, 0x20AC, 0xD7FF, 0xE000, 0xFFFD, 0xFFFF,
                             0x10000, 0x1F600, 0x10FFFF, L'\0', L'z'};
  const std::string utf8 = zept::toUtf8(text);
  EXPECT_EQ(utf8.size(), 1u + 1 + 2 + 2 + 2 + 3 + 3 + 3 + 3 + 3 + 3 + 4 + 4 + 4 + 1 + 1);
  EXPECT_EQ(zept::fromUtf8(utf8), text);
  EXPECT_EQ(zept::toUtf8(L"€"), "\xE2\x82\xAC");
  EXPECT_EQ(zept::toUtf8(L"😀"), "\xF0\x9F\x98\x80");
  // The append forms keep what the buffer held.
  std::string narrow = "x";
  zept::appendUtf8(narrow, L"ä");
  EXPECT_EQ(narrow, "x\xC3\xA4");
  std::wstring wide = L"y";
  zept::appendWide(wide, "\xC3\xB6");
  EXPECT_EQ(wide, L"yö");
  // Wide values outside Unicode become U+FFFD.
  const std::wstring bad = {static_cast<wchar_t>(0xD800), L'a', static_cast<wchar_t>(0xDFFF),
                            static_cast<wchar_t>(0x110000), static_cast<wchar_t>(-1)};
  EXPECT_EQ(zept::toUtf8(bad), "\xEF\xBF\xBD" "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

// Long ASCII runs are widened eight bytes at a time: a non-ASCII character
// anywhere in or after such a run must still be decoded in place.
TEST(Utf8RoundTrip, NonAsciiAtEveryPlaceOfALongText) {
  for (std::size_t at = 0; at <= 24; ++at) {
    std::wstring text(24, L'a');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<wchar_t>(L'a' + i % 26);
    text.insert(at, 1, L'\u20AC');
    std::wstring wide = L">";
    zept::appendWide(wide, zept::toUtf8(text));
    EXPECT_EQ(wide, L">" + text) << at;
  }
}

struct InvalidCase {
  char const* name;
  std::string bytes;
  std::wstring expected;
};

class Utf8Invalid : public testing::TestWithParam<InvalidCase> {};
void PrintTo(InvalidCase const& c, std::ostream* os) { *os << c.name; }

TEST_P(Utf8Invalid, BecomesReplacementAndResynchronises) {
  EXPECT_EQ(zept::fromUtf8(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    All, Utf8Invalid,
    testing::Values(
        InvalidCase{"TruncatedAtEnd", "a\xE2\x82", {L'a', kBad, kBad}},
        InvalidCase{"TruncatedFourByte", "\xF0\x9F\x98", {kBad, kBad, kBad}},
        InvalidCase{"TruncatedBeforeAscii", "\xE2\x82z", {kBad, kBad, L'z'}},
        InvalidCase{"TruncatedBeforeValid", "\xC3\xC3\xA4", {kBad, L'ä'}},
        InvalidCase{"LoneContinuation", "\x80x\xBF", {kBad, L'x', kBad}},
        InvalidCase{"OverlongNul", std::string("\xC0\x80", 2), {kBad, kBad}},
        InvalidCase{"OverlongSlash", "\xE0\x80\xAF", {kBad, kBad, kBad}},
        InvalidCase{"OverlongFourByte", "\xF0\x8F\xBF\xBF", {kBad, kBad, kBad, kBad}},
        InvalidCase{"HighSurrogate", "\xED\xA0\x80", {kBad, kBad, kBad}},
        InvalidCase{"LowSurrogate", "\xED\xBF\xBFok", {kBad, kBad, kBad, L'o', L'k'}},
        InvalidCase{"AboveUnicode", "\xF4\x90\x80\x80", {kBad, kBad, kBad, kBad}},
        InvalidCase{"FiveByteLead", "\xF8\x88\x80\x80\x80", {kBad, kBad, kBad, kBad, kBad}},
        InvalidCase{"InvalidBytes", "\xFE\xFF", {kBad, kBad}}),
    [](auto const& info) { return std::string(info.param.name); });

}  // namespace
