#include "platform/core/CString.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/CommaLocale.h"
#include "support/CorePrinters.h"

namespace {

struct SliceCase {
  char const* name;
  CString (*slice)(CString const&);
  wchar_t const* expected;
};

const std::vector<SliceCase> kSlices = {
    {"LeftInside", [](CString const& s) { return s.Left(2); }, L"ab"},
    {"LeftPastEnd", [](CString const& s) { return s.Left(99); }, L"abcdef"},
    {"LeftNegative", [](CString const& s) { return s.Left(-1); }, L""},
    {"RightInside", [](CString const& s) { return s.Right(2); }, L"ef"},
    {"RightPastEnd", [](CString const& s) { return s.Right(99); }, L"abcdef"},
    {"RightNegative", [](CString const& s) { return s.Right(-3); }, L""},
    {"MidTail", [](CString const& s) { return s.Mid(4); }, L"ef"},
    {"MidTailPastEnd", [](CString const& s) { return s.Mid(7); }, L""},
    {"MidTailNegative", [](CString const& s) { return s.Mid(-2); }, L"abcdef"},
    {"MidInside", [](CString const& s) { return s.Mid(1, 3); }, L"bcd"},
    {"MidCountPastEnd", [](CString const& s) { return s.Mid(4, 10); }, L"ef"},
    {"MidFirstPastEnd", [](CString const& s) { return s.Mid(10, 2); }, L""},
    {"MidFirstNegative", [](CString const& s) { return s.Mid(-2, 3); }, L"abc"},
    {"MidCountNegative", [](CString const& s) { return s.Mid(2, -1); }, L""},
    {"MidAtEnd", [](CString const& s) { return s.Mid(6, 1); }, L""},
};

class CStringSlice : public testing::TestWithParam<SliceCase> {};
void PrintTo(SliceCase const& c, std::ostream* os) { *os << c.name; }

TEST_P(CStringSlice, ClampsLikeMfc) {
  const CString s(L"abcdef");
  EXPECT_EQ(GetParam().slice(s), GetParam().expected);
  EXPECT_EQ(s, L"abcdef");
}

INSTANTIATE_TEST_SUITE_P(All, CStringSlice, testing::ValuesIn(kSlices),
                         [](auto const& info) { return std::string(info.param.name); });

TEST(CStringAccess, OutOfRangeIndexesAreHarmless) {
  CString s(L"xyz");
  EXPECT_EQ(s.GetAt(0), L'x');
  EXPECT_EQ(s[2], L'z');
  EXPECT_EQ(s.GetAt(3), L'\0');
  EXPECT_EQ(s.GetAt(-1), L'\0');
  s.SetAt(5, L'q');
  s.SetAt(-1, L'q');
  s.SetAt(1, L'Y');
  EXPECT_EQ(s, L"xYz");
}

TEST(CStringConstruct, LengthRepeatAndNull) {
  EXPECT_EQ(CString(L"abcdef", 3), L"abc");
  EXPECT_EQ(CString(L"abc", -1), L"");
  EXPECT_EQ(CString(L'-', 3), L"---");
  EXPECT_EQ(CString(L'-', 0), L"");
  EXPECT_TRUE(CString(static_cast<wchar_t const*>(nullptr)).IsEmpty());
  CString s(L"x");
  s = static_cast<wchar_t const*>(nullptr);
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(std::wstring(static_cast<wchar_t const*>(CString())), L"");
}

TEST(CStringFind, CharacterAndSubstring) {
  const CString s(L"a.b.c");
  EXPECT_EQ(s.Find(L'.'), 1);
  EXPECT_EQ(s.Find(L'.', 2), 3);
  EXPECT_EQ(s.Find(L'.', 4), -1);
  EXPECT_EQ(s.Find(L'.', 5), -1);
  EXPECT_EQ(s.Find(L'.', 99), -1);
  EXPECT_EQ(s.Find(L'.', -1), -1);
  EXPECT_EQ(s.Find(L'z'), -1);
  EXPECT_EQ(s.Find(L"b.c"), 2);
  EXPECT_EQ(s.Find(L".", 2), 3);
  EXPECT_EQ(s.Find(L"c.", 0), -1);
  EXPECT_EQ(s.Find(L"a", 6), -1);
  EXPECT_EQ(s.Find(static_cast<wchar_t const*>(nullptr)), -1);
  EXPECT_EQ(s.ReverseFind(L'.'), 3);
  EXPECT_EQ(s.ReverseFind(L'a'), 0);
  EXPECT_EQ(s.ReverseFind(L'z'), -1);
  EXPECT_EQ(CString().ReverseFind(L'a'), -1);
  EXPECT_EQ(s.FindOneOf(L"cb"), 2);
  EXPECT_EQ(s.FindOneOf(L"xyz"), -1);
}

TEST(CStringFind, PathSplitting) {
  // How the catalog code takes a file name apart.
  const CString path(L"U:\\SYSTEM\\DATA\\PROFILE.MDB");
  const int slash = path.ReverseFind(L'\\');
  EXPECT_EQ(path.Left(slash + 1), L"U:\\SYSTEM\\DATA\\");
  EXPECT_EQ(path.Mid(slash + 1), L"PROFILE.MDB");
  EXPECT_EQ(path.Left(path.Find(L':')), L"U");
}

struct ReplaceCase {
  wchar_t const* text;
  wchar_t const* from;
  wchar_t const* to;
  int count;
  wchar_t const* expected;
};

class CStringReplace : public testing::TestWithParam<ReplaceCase> {};
void PrintTo(ReplaceCase const& c, std::ostream* os) {
  *os << CString(c.text).toUtf8() << ": " << CString(c.from).toUtf8() << " -> " << CString(c.to).toUtf8();
}

TEST_P(CStringReplace, CountsNonOverlappingMatchesLeftToRight) {
  auto const& c = GetParam();
  CString s(c.text);
  EXPECT_EQ(s.Replace(c.from, c.to), c.count);
  EXPECT_EQ(s, c.expected);
}

INSTANTIATE_TEST_SUITE_P(All, CStringReplace,
                         testing::Values(ReplaceCase{L"aaa", L"aa", L"b", 1, L"ba"},
                                         ReplaceCase{L"aaaa", L"aa", L"b", 2, L"bb"},
                                         ReplaceCase{L"abab", L"aba", L"x", 1, L"xb"},
                                         ReplaceCase{L"a", L"a", L"aa", 1, L"aa"},
                                         ReplaceCase{L"x'y'z", L"'", L"''", 2, L"x''y''z"},
                                         ReplaceCase{L"a--b--", L"--", L"", 2, L"ab"},
                                         ReplaceCase{L"a--b", L"--", nullptr, 1, L"ab"},
                                         ReplaceCase{L"abc", L"", L"x", 0, L"abc"},
                                         ReplaceCase{L"abc", L"d", L"x", 0, L"abc"},
                                         ReplaceCase{L"", L"a", L"x", 0, L""},
                                         ReplaceCase{L"Maß Maß", L"ß", L"ss", 2, L"Mass Mass"}));

TEST(CStringReplaceChar, CountsAndRemoves) {
  CString s(L"a\\b\\c");
  EXPECT_EQ(s.Replace(L'\\', L'/'), 2);
  EXPECT_EQ(s, L"a/b/c");
  EXPECT_EQ(s.Replace(L'x', L'y'), 0);
  EXPECT_EQ(s.Remove(L'/'), 2);
  EXPECT_EQ(s, L"abc");
}

TEST(CStringEdit, InsertAndDeleteClamp) {
  CString s(L"ace");
  EXPECT_EQ(s.Insert(1, L'b'), 4);
  EXPECT_EQ(s.Insert(99, L"fg"), 6);
  EXPECT_EQ(s.Insert(-5, L'_'), 7);
  EXPECT_EQ(s, L"_abcefg");
  EXPECT_EQ(s.Delete(0), 6);
  EXPECT_EQ(s.Delete(3, 99), 3);
  EXPECT_EQ(s.Delete(99, 1), 3);
  EXPECT_EQ(s, L"abc");
  EXPECT_EQ(s.MakeReverse(), L"cba");
}

struct TrimCase {
  char const* name;
  wchar_t const* text;
  CString& (*trim)(CString&);
  wchar_t const* expected;
};

const std::vector<TrimCase> kTrims = {
    {"BothWhite", L" \t\r\n a b \v\f", [](CString& s) -> CString& { return s.Trim(); }, L"a b"},
    {"LeftWhite", L"  a  ", [](CString& s) -> CString& { return s.TrimLeft(); }, L"a  "},
    {"RightWhite", L"  a  ", [](CString& s) -> CString& { return s.TrimRight(); }, L"  a"},
    {"AllWhite", L" \t ", [](CString& s) -> CString& { return s.Trim(); }, L""},
    {"Char", L"00120", [](CString& s) -> CString& { return s.Trim(L'0'); }, L"12"},
    {"LeftChar", L"00120", [](CString& s) -> CString& { return s.TrimLeft(L'0'); }, L"120"},
    {"RightChar", L"00120", [](CString& s) -> CString& { return s.TrimRight(L'0'); }, L"0012"},
    {"Set", L"[\"x y\"]", [](CString& s) -> CString& { return s.Trim(L"[]\""); }, L"x y"},
    {"SetKeepsWhite", L" [x] ", [](CString& s) -> CString& { return s.Trim(L"[]"); }, L" [x] "},
    {"LeftSet", L"\\\\a\\", [](CString& s) -> CString& { return s.TrimLeft(L"\\"); }, L"a\\"},
    {"RightSet", L"a\\/\\", [](CString& s) -> CString& { return s.TrimRight(L"/\\"); }, L"a"},
    {"SetTakesAll", L"xyxy", [](CString& s) -> CString& { return s.Trim(L"yx"); }, L""},
    {"EmptySet", L" a ", [](CString& s) -> CString& { return s.Trim(L""); }, L" a "},
    {"NullSet", L" a ", [](CString& s) -> CString& { return s.TrimLeft(static_cast<wchar_t const*>(nullptr)); },
     L" a "},
};

class CStringTrim : public testing::TestWithParam<TrimCase> {};
void PrintTo(TrimCase const& c, std::ostream* os) { *os << c.name; }

TEST_P(CStringTrim, RemovesOnlyTheEnds) {
  CString s(GetParam().text);
  CString& result = GetParam().trim(s);
  EXPECT_EQ(&result, &s);
  EXPECT_EQ(s, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(All, CStringTrim, testing::ValuesIn(kTrims),
                         [](auto const& info) { return std::string(info.param.name); });

TEST(CStringFormat, WindowsConventions) {
  const CString wide(L"Größe");
  const std::vector<std::pair<CString, wchar_t const*>> cases = [&] {
    std::vector<std::pair<CString, wchar_t const*>> out;
    auto add = [&](wchar_t const* expected, wchar_t const* format, auto... args) {
      CString s;
      s.Format(format, args...);
      out.emplace_back(s, expected);
    };
    add(L"42|-7|  5|007", L"%d|%ld|%3d|%03d", 42, -7L, 5, 7);
    add(L"1.500000|2.25|  3.1|1e+06", L"%f|%.2f|%5.1f|%g", 1.5, 2.25, 3.14159, 1e6);
    add(L"[abc]|[ab ]|[  a]", L"[%s]|[%-3s]|[%3s]", L"abc", L"ab", L"a");
    add(L"narrow|wide|also narrow", L"%S|%ls|%hs", "narrow", L"wide", "also narrow");
    add(L"x|y", L"%c|%C", L'x', 'y');
    add(L"100%", L"100%%");
    add(L"Größe 12.5 mm", L"%s %.1f %S", wide.GetString(), 12.5, "mm");
    add(L"ß€😀|ß€😀", L"%s|%c%c%c", L"ß€😀", L'ß', L'€', L'😀');
    add(L"", L"");
    return out;
  }();
  for (auto const& [actual, expected] : cases) EXPECT_EQ(actual, expected);
}

TEST(CStringFormat, NarrowNonAsciiIsUtf8) {
  // Narrow arguments are UTF-8 whatever the process locale is (here the C locale).
  CString s;
  s.Format(L"%S=%d", "Größe", 3);
  EXPECT_EQ(s, L"Größe=3");
  s.Format(L"%hs", "\xE2\x82\xAC");
  EXPECT_EQ(s, L"€");
  s.Format(L"%S", "bad \xFF byte");
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringFormat, LongOutputAndAppend) {
  const std::wstring big(5000, L'x');
  CString s;
  s.Format(L"<%s>", big.c_str());
  EXPECT_EQ(s.GetLength(), 5002);
  EXPECT_EQ(s.Right(3), L"xx>");
  s.Format(L"a=%d", 1);
  s.AppendFormat(L", b=%S", "2");
  EXPECT_EQ(s, L"a=1, b=2");
  s.Format(nullptr);
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringFormat, OwnTextAsArgument) {
  CString s(L"SELECT *");
  s.Format(L"%s FROM [%s]", s.GetString(), L"Profile");
  EXPECT_EQ(s, L"SELECT * FROM [Profile]");
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

template <typename... Args>
std::wstring formatted(wchar_t const* format, Args... args) {
  CString s;
  s.Format(format, args...);
  return s.str();
}

// Formats whose Windows and glibc spellings agree.
constexpr wchar_t const* kDoubleFormats[] = {
    L"%f",    L"%.0f", L"%.f",  L"%.1f",  L"%.2f",  L"%.6f", L"%.15f", L"%.99f", L"%g",    L"%.0g",
    L"%.1g",  L"%.3g", L"%.15g", L"%.17g", L"%e",   L"%.0e", L"%.3e",  L"%.17e", L"x=%f;", L"(%g)", L"%lf",
};

TEST(CStringFormatNumbers, DoublesAsPrintfPrintsThem) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double values[] = {
      0.0, -0.0, 0.5, 1.5, 2.5, -2.5, 0.125, 0.375, 2.675, 0.1, 1.0 / 3, 20.0, 16.000000, 5e-7, 1e-5, 1.5e-5,
      9.9999949999999e-5, 1e-4, 123456.5, 999999.5, 1e15, 1e16, 1.2345678901234567e16, 1e17, 9007199254740993.0,
      1e21, 1e300, -1e-300, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
      std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(), nan, std::copysign(nan, -1.0), inf,
      -inf,
  };
  for (wchar_t const* format : kDoubleFormats)
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
    for (wchar_t const* format : {L"%f", L"%g", L"%.15g", L"%.2f", L"%.0f"})
      ASSERT_EQ(formatted(format, v), printed(format, v)) << CString(format).toUtf8() << " " << std::bit_cast<std::uint64_t>(v);
  }
}

TEST(CStringFormatNumbers, IntegersAsPrintfPrintsThem) {
  for (int v : {0, 1, -1, 42, -100000, INT_MAX, INT_MIN}) {
    EXPECT_EQ(formatted(L"%d", v), printed(L"%d", v));
    EXPECT_EQ(formatted(L"[%i]", v), printed(L"[%i]", v));
  }
  for (long v : {0L, -7L, LONG_MAX, LONG_MIN}) {
    EXPECT_EQ(formatted(L"%ld", v), printed(L"%ld", v));
    EXPECT_EQ(formatted(L"%li", v), printed(L"%li", v));
  }
  for (long long v : {0LL, LLONG_MAX, LLONG_MIN}) EXPECT_EQ(formatted(L"%lld", v), printed(L"%lld", v));
  for (unsigned v : {0U, 7U, UINT_MAX}) EXPECT_EQ(formatted(L"%u", v), printed(L"%u", v));
  for (unsigned long v : {0UL, ULONG_MAX}) EXPECT_EQ(formatted(L"%lu", v), printed(L"%lu", v));
  for (unsigned long long v : {0ULL, ULLONG_MAX}) EXPECT_EQ(formatted(L"%llu", v), printed(L"%llu", v));
}

// Arguments of every kind in one call must each be read as its own type and
// in order, also when a conversion the short path leaves alone comes after
// some it has already read.
TEST(CStringFormatNumbers, MixedArgumentsAreReadInOrder) {
  wchar_t const* name = L"Größe 😀";
  EXPECT_EQ(formatted(L"%d|%f|%s|%ld|%u|%c|%g|%%|%lld|%e|%ls|%lc", -3, 2.5, name, LONG_MIN, 9U, L'€', 1e-5, LLONG_MAX,
                      0.25, L"w", L'x'),
            printed(L"%d|%f|%ls|%ld|%u|%lc|%g|%%|%lld|%e|%ls|%lc", -3, 2.5, name, LONG_MIN, 9U, L'€', 1e-5, LLONG_MAX,
                    0.25, L"w", L'x'));
  // The middle conversion needs the general path after the short one has
  // read the first argument; each table's arguments fit its middle kind.
  struct Case {
    wchar_t const* windows;
    wchar_t const* glibc;
  };
  const Case takeInt[] = {{L"%f|%5d|%s", L"%f|%5d|%ls"}, {L"%f|%+d|%s", L"%f|%+d|%ls"},
                          {L"%f|%x|%s", L"%f|%x|%ls"},   {L"%f|%-4d|%s", L"%f|%-4d|%ls"},
                          {L"%f|%.3d|%s", L"%f|%.3d|%ls"}, {L"%f|%hd|%s", L"%f|%hd|%ls"}};
  for (Case const& c : takeInt) EXPECT_EQ(formatted(c.windows, 1.5, 42, L"n"), printed(c.glibc, 1.5, 42, L"n"));
  const Case takeDouble[] = {{L"%d|%05.1f|%s", L"%d|%05.1f|%ls"}, {L"%d|%E|%s", L"%d|%E|%ls"},
                             {L"%d|%G|%s", L"%d|%G|%ls"},         {L"%d|%#g|%s", L"%d|%#g|%ls"},
                             {L"%d|%.100f|%s", L"%d|%.100f|%ls"}, {L"%d|%+f|%s", L"%d|%+f|%ls"}};
  for (Case const& c : takeDouble) EXPECT_EQ(formatted(c.windows, 7, 0.1, L"n"), printed(c.glibc, 7, 0.1, L"n"));
  const Case takeText[] = {{L"%f|%-4s|%d", L"%f|%-4ls|%d"}, {L"%f|%.3s|%d", L"%f|%.3ls|%d"},
                           {L"%f|%5s|%d", L"%f|%5ls|%d"}};
  for (Case const& c : takeText)
    EXPECT_EQ(formatted(c.windows, 2.5, L"abcdef", 9), printed(c.glibc, 2.5, L"abcdef", 9));
  EXPECT_EQ(formatted(L"%f|%*d|%s", 1.5, 6, 42, L"n"), printed(L"%f|%*d|%ls", 1.5, 6, 42, L"n"));
  EXPECT_EQ(formatted(L"%d|%S|%f", 3, "narrow", 0.5), L"3|narrow|0.500000");
}

TEST(CStringFormatText, WideTextAndCharacters) {
  wchar_t const* texts[] = {L"", L"abc", L"Größe – 😀", L"it's \"q\""};
  for (wchar_t const* t : texts) {
    EXPECT_EQ(formatted(L"[%s]", t), printed(L"[%ls]", t));
    EXPECT_EQ(formatted(L"[%ls]", t), printed(L"[%ls]", t));
  }
  for (wchar_t c : {L'a', L'ß', L'€', L'😀', L'%'}) EXPECT_EQ(formatted(L"<%c>", c), printed(L"<%lc>", c));
  EXPECT_EQ(formatted(L"[%s]", static_cast<wchar_t const*>(nullptr)),
            printed(L"[%ls]", static_cast<wchar_t const*>(nullptr)));
  EXPECT_EQ(formatted(L"%%%s%%", L"x"), L"%x%");
}

using CStringCommaLocale = zept::test::CommaLocaleTest;

TEST_F(CStringCommaLocale, NumbersKeepThePoint) {
  CString s;
  s.Format(L"%.2f;%g;%S", 1.5, 0.25, "Größe");
  EXPECT_EQ(s, L"1.50;0.25;Größe");
  s.Format(L"%f;%.15g;%e;%d", 20.5, 0.1, 1.5, -3);
  EXPECT_EQ(s, L"20.500000;0.1;1.500000e+00;-3");
}

TEST(CStringCompare, LiteralsOnEitherSide) {
  const CString b(L"b");
  EXPECT_TRUE(b == L"b");
  EXPECT_TRUE(L"b" == b);
  EXPECT_TRUE(b != L"c");
  EXPECT_TRUE(L"c" != b);
  EXPECT_TRUE(b < L"c");
  EXPECT_TRUE(L"a" < b);
  EXPECT_TRUE(b > L"a");
  EXPECT_TRUE(L"c" >= b);
  EXPECT_TRUE(b == CString(L"b"));
  EXPECT_TRUE(CString(L"B") < b);  // binary order: upper case first
  EXPECT_TRUE(CString() == static_cast<wchar_t const*>(nullptr));
  EXPECT_FALSE(b == L"b ");
  EXPECT_EQ(b.Compare(L"a"), 1);
  EXPECT_EQ(b.Compare(L"b"), 0);
  EXPECT_EQ(b.Compare(L"bb"), -1);
}

TEST(CStringCompare, NoCase) {
  EXPECT_EQ(CString(L"Profile.MDB").CompareNoCase(L"PROFILE.mdb"), 0);
  EXPECT_LT(CString(L"abc").CompareNoCase(L"ABD"), 0);
  EXPECT_GT(CString(L"b").CompareNoCase(L"A"), 0);
  EXPECT_LT(CString(L"ab").CompareNoCase(L"AB_"), 0);
  EXPECT_GT(CString(L"x").CompareNoCase(nullptr), 0);
  // Folded to lower case, as _wcsicmp does: '_' sorts before the letters.
  EXPECT_LT(CString(L"_").CompareNoCase(L"Z"), 0);
}

TEST(CStringConcat, OperatorsAndUtf8) {
  CString s = L"a" + CString(L"b") + L'c';
  s += L"d";
  s += L'e';
  s += CString(L"f");
  EXPECT_EQ(L'<' + s + L">", L"<abcdef>");
  const CString text(L"Stahl – Größe 😀");
  EXPECT_EQ(text.GetLength(), 15);
  EXPECT_EQ(text.toUtf8(), "Stahl \xE2\x80\x93 Gr\xC3\xB6\xC3\x9F" "e \xF0\x9F\x98\x80");
  EXPECT_EQ(CString::fromUtf8(text.toUtf8()), text);
  EXPECT_EQ(text.Find(L"😀"), 14);
}

}  // namespace
