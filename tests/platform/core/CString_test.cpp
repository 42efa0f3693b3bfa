#include "platform/core/CString.h"

#include <gtest/gtest.h>

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

using CStringCommaLocale = zept::test::CommaLocaleTest;

TEST_F(CStringCommaLocale, NumbersKeepThePoint) {
  CString s;
  s.Format(L"%.2f;%g;%S", 1.5, 0.25, "Größe");
  EXPECT_EQ(s, L"1.50;0.25;Größe");
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
