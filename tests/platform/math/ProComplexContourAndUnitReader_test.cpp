// SPDX-License-Identifier: MIT
#include "platform/math/ProComplexContourAndUnitReader.h"

#include <gtest/gtest.h>

#include <string>

#include "support/Contours.h"

namespace {

constexpr wchar_t kExample[] =
    L"\"mm\" ( ( (S ( (L 0 0) (L 100 0) (L 100 50) (L 0 50) ) 1 ( (H ( (L 10 10) (L 20 10) (L 20 20) ) ) ) ) ) )";

// "[unit] shape", or "refused" (and the unit untouched).
std::string readShape(std::wstring const& text) {
  const ProContourFactory factory;
  CString unit = L"untouched";
  auto tree = ProComplexContourAndUnitReader(CString(text), factory).read(unit);
  if (!tree) return unit == L"untouched" ? "refused" : "refused, unit set";
  std::string shape = "[";
  shape += unit.toUtf8();
  shape += "] ";
  shape += zept::test::shapeOf(*tree);
  return shape;
}

TEST(ProComplexContourAndUnitReader, AcceptsTheGrammar) {
  struct {
    wchar_t const* text;
    char const* shape;
  } const cases[] = {{kExample, "[mm] S4(H3)"},
                     {L"\"\"(( ))", "[] "},
                     {L"\n\t \"cm\"\n(\t(\n(S((L 1 2))1\t(\n)))) \n\t", "[cm] S1"},
                     // islands, several groups and sections: flattened in text order
                     {L"\"m\" ( ( (S ( (L 0 0) (L 9 0) (L 9 9) ) 2 ( (S ( (L 1 1) ) ) (H ( ) ) ) ) (S ( ) 0 ( ) ) ) "
                      L"( (S ( (A 0 0 1 0 1) (L 0 1) ) 0 ( ) ) ) )",
                      "[m] S3(S1 H0) S0 S2"},
                     // the count is not checked; one character of any kind follows it
                     {L"\"mm\" ( ( (S ( ) -7 ( ) ) (S ( ) 12x( ) ) (S ( ) 3\r( ) ) ) )", "[mm] S0 S0 S0"},
                     // signs, fractions, exponents; a number ends by itself
                     {L"\"mm\" ( ( (S ( (L -1.5e+2 .5) (L+2 3.)(L1-2) (A 1e0 -2E-1 3 4 -5) ) 0 ( ) ) ) )", "[mm] S4"},
                     {L"\"Schöne (Einheit)\" ( )", "[Schöne (Einheit)] "}};
  for (auto const& c : cases) EXPECT_EQ(readShape(c.text), c.shape) << CString(c.text).toUtf8();
}

TEST(ProComplexContourAndUnitReader, RefusesEverythingElse) {
  wchar_t const* const cases[] = {
      L"", L"mm ( )", L"\"mm ( )", L"x \"mm\" ( )", L"\"mm\"", L"\"mm\" (", L"\"mm\" ( ( (S ( ) 1 ( ) ) )",
      L"\"mm\" ( ) )", L"\"mm\" ( ) x", L"\"mm\" ( )\r",
      L"\"mm\"\r( )",  // a carriage return is not a blank
      L"\"m#m\" ( )",  // "#" belongs to the grid-point form
      L"\"mm\" ( ( (s ( ) 1 ( ) ) ) )", L"\"mm\" ( ( (S ( (l 0 0) ) 1 ( ) ) ) )",
      L"\"mm\" ( ( (H ( ) 0 ( ) ) ) )", L"\"mm\" ( ( (S ( (A 0 0 1 0) ) 1 ( ) ) ) )",
      L"\"mm\" ( ( (S ( (L 0 0 0) ) 1 ( ) ) ) )",
      L"\"mm\" ( ( (S ( (L 0 0) ) 1( ) ) ) )",  // count against the child list
      L"\"mm\" ( ( (S ( ) ( ) ) ) )", L"\"mm\" ( ( (S ( ) + ( ) ) ) )", L"\"mm\" ( ( (S ( ) 1",
      L"\"mm\" ( ( (S ( ) 1 ( (X ( ) ) ) ) ) )", L"\"mm\" ( ( (S ( ) 1 ( (H ( ) ) ) ) )",
      L"\"mm\" ( ( (S ( (L 1e ) ) 0 ( ) ) ) )", L"\"mm\" ( ( (S ( (L . 1) ) 0 ( ) ) ) )",
      L"\"mm\" ( ( (S ( (L 0x10 1) ) 0 ( ) ) ) )", L"\"mm\" ( ( (S ( (L inf 1) ) 0 ( ) ) ) )",
      L"\"mm\" ( ( (S ( (L 1,5 1) ) 0 ( ) ) ) )", L"\"mm\" ( ( (S ( (L 1e39 1) ) 0 ( ) ) ) )"
  };
  for (wchar_t const* text : cases) EXPECT_EQ(readShape(text), "refused") << CString(text).toUtf8();
}

// A cut text is refused, however deep the cut; damaged texts are the fuzz
// target's.
TEST(ProComplexContourAndUnitReader, RefusesCutTexts) {
  const std::wstring whole(kExample);
  for (std::size_t n = 0; n < whole.size(); ++n) EXPECT_EQ(readShape(whole.substr(0, n)), "refused") << n;
  EXPECT_EQ(readShape(L"\"mm\" " + std::wstring(1 << 20, L'(')), "refused");
}

}  // namespace
