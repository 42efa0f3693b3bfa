// SPDX-License-Identifier: MIT
#include "platform/core/CString.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <cwctype>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/CommaLocale.h"
#include "support/CorePrinters.h"

namespace {

// Indexes and counts out of range clamp as MFC's do instead of reading wild.
TEST(CStringClamp, SlicesEditsAndSearches) {
  const CString s(L"abcdef");
  const std::pair<CString, wchar_t const*> slices[] = {
      {s.Left(99), L"abcdef"}, {s.Left(-1), L""},      {s.Right(99), L"abcdef"}, {s.Right(-3), L""},
      {s.Mid(7), L""},         {s.Mid(-2), L"abcdef"}, {s.Mid(1, 3), L"bcd"},    {s.Mid(4, 10), L"ef"},
      {s.Mid(10, 2), L""},     {s.Mid(-2, 3), L"abc"}, {s.Mid(2, -1), L""},      {CString(L"abc", -1), L""}};
  for (auto const& [got, want] : slices) EXPECT_EQ(got, want);

  CString t(L"xyz");
  EXPECT_EQ(t.GetAt(3), L'\0');
  EXPECT_EQ(t.GetAt(-1), L'\0');
  t.SetAt(3, L'q');
  t.SetAt(-1, L'q');
  EXPECT_EQ(t.Insert(99, L"!"), 4);
  EXPECT_EQ(t.Insert(-5, L'_'), 5);
  EXPECT_EQ(t.Delete(3, 99), 3);
  EXPECT_EQ(t.Delete(99, 1), 3);
  EXPECT_EQ(t, L"_xy");

  const CString dots(L"a.b.c");
  EXPECT_EQ(dots.Find(L'.', 2), 3);
  EXPECT_EQ(dots.Find(L'.', 99), -1);
  EXPECT_EQ(dots.Find(L'.', -1), -1);
  EXPECT_EQ(dots.Find(static_cast<wchar_t const*>(nullptr)), -1);
  EXPECT_EQ(dots.FindOneOf(L"cb"), 2);
}

TEST(CStringReplace, CountsNonOverlappingMatchesLeftToRight) {
  struct {
    wchar_t const *text, *from, *to;
    int count;
    wchar_t const* expected;
  } const cases[] = {{L"aaa", L"aa", L"b", 1, L"ba"},       {L"abab", L"aba", L"x", 1, L"xb"},
                     {L"a", L"a", L"aa", 1, L"aa"},         {L"x'y'z", L"'", L"''", 2, L"x''y''z"},
                     {L"a--b--", L"--", nullptr, 2, L"ab"}, {L"abc", L"", L"x", 0, L"abc"},
                     {L"abc", L"d", L"x", 0, L"abc"}};
  for (auto const& c : cases) {
    CString s(c.text);
    EXPECT_EQ(s.Replace(c.from, c.to), c.count) << s.toUtf8();
    EXPECT_EQ(s, c.expected);
  }
}

TEST(CStringTrim, RemovesOnlyTheEnds) {
  struct {
    wchar_t const* text;
    CString& (*trim)(CString&);
    wchar_t const* expected;
  } const cases[] = {
      {L" \t\r\n a b \v\f", [](CString& s) -> CString& { return s.Trim(); }, L"a b"},
      {L"00120", [](CString& s) -> CString& { return s.TrimRight(L'0'); }, L"0012"},
      {L"[\"x y\"]", [](CString& s) -> CString& { return s.Trim(L"[]\""); }, L"x y"},
      {L"xyxy", [](CString& s) -> CString& { return s.TrimRight(L"yx"); }, L""},
      {L" a ", [](CString& s) -> CString& { return s.Trim(L""); }, L" a "},
      {L" a ", [](CString& s) -> CString& { return s.TrimLeft(static_cast<wchar_t const*>(nullptr)); }, L" a "},
  };
  for (auto const& c : cases) {
    CString s(c.text);
    EXPECT_EQ(c.trim(s), c.expected) << CString(c.text).toUtf8();
  }
}

template <typename... Args>
std::wstring formatted(wchar_t const* format, Args... args) {
  CString s;
  s.Format(format, args...);
  return s.str();
}

// What glibc prints for a format in its own spelling (wide %s and %c are %ls
// and %lc there); the tests run in the C locale.
template <typename... Args>
std::wstring printed(wchar_t const* glibcFormat, Args... args) {
  std::vector<wchar_t> buffer(2048);
  const int n = std::swprintf(buffer.data(), buffer.size(), glibcFormat, args...);
  EXPECT_GE(n, 0) << CString(glibcFormat).toUtf8();
  return std::wstring(buffer.data(), n < 0 ? 0 : static_cast<std::size_t>(n));
}

// %s and %c are wide, %S and %C narrow; narrow text is UTF-8 whatever the
// process locale is (here the C locale).
TEST(CStringFormat, WindowsConventions) {
  const std::pair<std::wstring, wchar_t const*> cases[] = {
      {formatted(L"%d|%ld|%3d|%03d", 42, -7L, 5, 7), L"42|-7|  5|007"},
      {formatted(L"[%s]|[%-3s]|[%3s]", L"abc", L"ab", L"a"), L"[abc]|[ab ]|[  a]"},
      {formatted(L"%S|%ls|%hs", "narrow", L"wide", "also narrow"), L"narrow|wide|also narrow"},
      {formatted(L"%c|%C", L'x', 'y'), L"x|y"},
      {formatted(L"100%%"), L"100%"},
      {formatted(L"%s %.1f %S", L"Größe", 12.5, "mm"), L"Größe 12.5 mm"},
      {formatted(L"%s|%c%c%c", L"ß€😀", L'ß', L'€', L'😀'), L"ß€😀|ß€😀"},
      {formatted(L"%S=%d|%hs", "Größe", 3, "\xE2\x82\xAC"), L"Größe=3|€"},
      {formatted(L"%S", "bad \xFF byte"), L""},
      {formatted(L"%d|%S|%f", 3, "narrow", 0.5), L"3|narrow|0.500000"},
  };
  for (auto const& [actual, expected] : cases) EXPECT_EQ(actual, expected);
  EXPECT_EQ(formatted(L"[%s]", static_cast<wchar_t const*>(nullptr)),
            printed(L"[%ls]", static_cast<wchar_t const*>(nullptr)));
}

TEST(CStringFormat, LongOutputAppendAndOwnText) {
  const std::wstring big(5000, L'x');
  CString s;
  for (wchar_t const* format : {L"<%s>", L"<%4s>"}) {
    s.Format(format, big.c_str());
    EXPECT_EQ(s, L'<' + CString(big.c_str()) + L'>');
  }
  s.Format(L"a=%d", 1);
  s.AppendFormat(L", b=%S", "2");
  EXPECT_EQ(s, L"a=1, b=2");
  s.Format(nullptr);
  EXPECT_TRUE(s.IsEmpty());
  s = L"SELECT *";
  s.Format(L"%s FROM [%s]", s.GetString(), L"Profile");
  EXPECT_EQ(s, L"SELECT * FROM [Profile]");
}

TEST(CStringFormatNumbers, DoublesAsPrintfPrintsThem) {
  using limits = std::numeric_limits<double>;
  const double nan = limits::quiet_NaN(), inf = limits::infinity(), third = 1.0 / 3;
  const double tiny = limits::denorm_min(), min = limits::min(), max = limits::max();
  const double values[] = {
      0.0, -0.0, 0.5, 1.5, 2.5, -2.5, 0.125, 0.375, 2.675, 0.1, third, 20.0, 16.000000, 5e-7, 1e-5, 1.5e-5,
      9.9999949999999e-5, 1e-4, 123456.5, 999999.5, 1e15, 1e16, 1.2345678901234567e16, 1e17, 9007199254740993.0,
      1e21, 1e300, -1e-300, tiny, min, max, -max, nan, -nan, inf, -inf};
  for (wchar_t const* format :
       {L"%f",   L"%.0f",  L"%.f",   L"%.1f", L"%.2f", L"%.6f", L"%.15f", L"%.99f", L"%g",   L"%.0g", L"%.1g",
        L"%.3g", L"%.15g", L"%.17g", L"%e",   L"%.0e", L"%.3e", L"%.17e", L"x=%f;", L"(%g)", L"%lf"})
    for (double v : values) EXPECT_EQ(formatted(format, v), printed(format, v)) << CString(format).toUtf8() << " " << v;
}

// Random bit patterns cover every exponent; short decimals and binary
// fractions hit the exact ties that round to even.
TEST(CStringFormatNumbers, RandomDoublesAsPrintfPrintsThem) {
  std::mt19937_64 rng(0x5EED);
  int checked = 0;
  while (checked < 10000) {
    double v = std::bit_cast<double>(rng());
    if (!std::isfinite(v)) continue;
    ++checked;
    if (checked % 3 == 1) v = static_cast<double>(static_cast<std::int64_t>(rng() % 2000001) - 1000000) / 1000;
    if (checked % 3 == 2) v = static_cast<double>(static_cast<std::int64_t>(rng() % 4001) - 2000) / 64;
    for (wchar_t const* format : {L"%f", L"%g", L"%.15g", L"%.1f", L"%.2f", L"%.3f", L"%.9f", L"%.0f"})
      ASSERT_EQ(formatted(format, v), printed(format, v))
          << CString(format).toUtf8() << " " << std::bit_cast<std::uint64_t>(v);
  }
}

// Arguments of every kind in one call must each be read as its own type and
// in order, also when a conversion the short path leaves alone comes after
// some it has already read.
TEST(CStringFormatNumbers, ArgumentsAreReadInOrder) {
  wchar_t const* name = L"Größe 😀";
  EXPECT_EQ(formatted(L"%d|%f|%s|%ld|%u|%c|%g|%%|%lld|%e|%ls|%lc", -3, 2.5, name, LONG_MIN, 9U, L'€', 1e-5, LLONG_MAX,
                      0.25, L"w", L'x'),
            printed(L"%d|%f|%ls|%ld|%u|%lc|%g|%%|%lld|%e|%ls|%lc", -3, 2.5, name, LONG_MIN, 9U, L'€', 1e-5, LLONG_MAX,
                    0.25, L"w", L'x'));
  wchar_t const* integers = L"%d|%i|%ld|%li|%lld|%u|%lu|%llu";
  EXPECT_EQ(formatted(integers, INT_MIN, INT_MAX, LONG_MIN, LONG_MAX, LLONG_MIN, UINT_MAX, ULONG_MAX, ULLONG_MAX),
            printed(integers, INT_MIN, INT_MAX, LONG_MIN, LONG_MAX, LLONG_MIN, UINT_MAX, ULONG_MAX, ULLONG_MAX));
  // The middle conversion needs the general path after the short one has
  // read the first argument; each table's arguments fit its middle kind.
  struct Case {
    wchar_t const *windows, *glibc;
  };
  for (Case const& c :
       {Case{L"%f|%5d|%s", L"%f|%5d|%ls"}, Case{L"%f|%.3d|%s", L"%f|%.3d|%ls"}, Case{L"%f|%hd|%s", L"%f|%hd|%ls"}})
    EXPECT_EQ(formatted(c.windows, 1.5, 42, L"n"), printed(c.glibc, 1.5, 42, L"n"));
  for (Case const& c : {Case{L"%d|%05.1f|%s", L"%d|%05.1f|%ls"}, Case{L"%d|%E|%s", L"%d|%E|%ls"},
                        Case{L"%d|%.100f|%s", L"%d|%.100f|%ls"}})
    EXPECT_EQ(formatted(c.windows, 7, 0.1, L"n"), printed(c.glibc, 7, 0.1, L"n"));
  for (Case const& c : {Case{L"%f|%-4s|%d", L"%f|%-4ls|%d"}, Case{L"%f|%.3s|%d", L"%f|%.3ls|%d"}})
    EXPECT_EQ(formatted(c.windows, 2.5, L"abcdef", 9), printed(c.glibc, 2.5, L"abcdef", 9));
  EXPECT_EQ(formatted(L"%f|%*d|%s", 1.5, 6, 42, L"n"), printed(L"%f|%*d|%ls", 1.5, 6, 42, L"n"));
}

using CStringCommaLocale = zept::test::CommaLocaleTest;

TEST_F(CStringCommaLocale, NumbersKeepThePoint) {
  CString s;
  s.Format(L"%.2f;%g;%S", 1.5, 0.25, "Größe");
  EXPECT_EQ(s, L"1.50;0.25;Größe");
  s.Format(L"%f;%.15g;%e;%d", 20.5, 0.1, 1.5, -3);
  EXPECT_EQ(s, L"20.500000;0.1;1.500000e+00;-3");
}

// Compare answers -1, 0 or 1; CompareNoCase folds to lower case as _wcsicmp
// does, so '_' sorts before the letters.
TEST(CStringCompare, NormalisedOrFoldedToLower) {
  EXPECT_EQ(CString(L"Profile.MDB").CompareNoCase(L"PROFILE.mdb"), 0);
  EXPECT_LT(CString(L"ab").CompareNoCase(L"AB_"), 0);
  EXPECT_GT(CString(L"x").CompareNoCase(nullptr), 0);
  EXPECT_LT(CString(L"_").CompareNoCase(L"Z"), 0);
  EXPECT_EQ(CString(L"a").Compare(L"z"), -1);
  // This text is compared in full, the other up to its end.
  EXPECT_GT(CString(std::wstring(L"AB\0c", 4)).CompareNoCase(L"ab"), 0);
  EXPECT_LT(CString(L"AB").CompareNoCase(L"abc"), 0);
}

// Case mapping is the C library's, character by character, in whatever
// locale the program chose: in a Turkic one 'i' becomes the dotted capital.
TEST(CStringCase, MapsAsTheLocaleDoes) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const std::wstring text = L"file_Iı İi ÄäZz 9.mdb";
  int tried = 0;
  for (char const* name : {"C", "C.UTF-8", "de_DE.UTF-8", "tr_TR.UTF-8"}) {
    if (!std::setlocale(LC_ALL, name)) continue;
    ++tried;
    std::wstring upper = text, lower = text;
    for (auto& c : upper) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    for (auto& c : lower) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    EXPECT_EQ(CString(text.c_str()).MakeUpper().str(), upper) << name;
    EXPECT_EQ(CString(text.c_str()).MakeLower().str(), lower) << name;
  }
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_GT(tried, 0);
}

}  // namespace
