// SPDX-License-Identifier: MIT
#include "database/KorvaToPdl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "platform/math/VUnit.h"
#include "support/CommaLocale.h"

namespace {

// The script of `symbol`, or "refused" (with the script emptied).
std::wstring script(CString const& symbol, wchar_t const* sectionUnit = L"mm") {
  const CString unit(sectionUnit);
  CString pdl = L"left over";
  if (!zept::korvaToPdl(symbol, sectionUnit ? &unit : nullptr, pdl)) return pdl.IsEmpty() ? L"refused" : L"not emptied";
  return pdl.str();
}

constexpr wchar_t kRectangle[] =
    L"StartContour(0,0,ext);\nLineTo(40,0);\nLineTo(40,20);\nLineTo(0,20);\nLineTo(0,0);\n";

TEST(KorvaToPdlGrid, PointsOnThePitchWithoutTheLastOne) {
  const struct {
    wchar_t const* symbol;
    std::wstring script;
  } cases[] = {
      {L"10#0-0:4-0:4-2:0-2:0-0", kRectangle},
      {L"  10 #\t0 - 0 : 4-0 :4-2:\n0-2:0-0 ", kRectangle},
      {L"10#0-0:4-0:4-2:0-2:0-0:", kRectangle},  // a separator after the last point
      {L"1e1#00-0:+4-0:4-2:0-2:0--0|", kRectangle},
      // "|" closes a contour with all its points; the last contour loses its last point
      {L"10#0-0:4-0:4-2:0-2|5-5:8-5:8-8:5-8",
       std::wstring(kRectangle) + L"StartContour(50,50,ext);\nLineTo(80,50);\nLineTo(80,80);\nLineTo(50,50);\n"},
      {L"10#0-0:1-0|0-0:4-0:4-2:0-2:0-0", kRectangle},  // two points make no contour
      {L"1#0-0:1-0:1-0", L""},
      {L"2.5#7-7", L""},
      {L"1e5#0-0:99-0:99-1:0-0",
       L"StartContour(0,0,ext);\nLineTo(9.9e+006,0);\nLineTo(9.9e+006,100000);\nLineTo(0,0);\n"}};
  for (auto const& c : cases) {
    for (wchar_t const* unit : {L"mm", L"in", static_cast<wchar_t const*>(nullptr)})  // units play no part
      EXPECT_EQ(script(c.symbol, unit), c.script) << CString(c.symbol).toUtf8();
  }
}

// "%g" as the runtime writes it, with an exponent of at least three digits.
std::wstring printfG(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  std::string s = text;
  if (const auto e = s.find('e'); e != std::string::npos && s.size() - e - 2 < 3) s.insert(e + 2, 3 - (s.size() - e - 2), '0');
  return std::wstring(s.begin(), s.end());
}

// Every number of a script is written as "%g" writes it: whole, short
// decimal or neither, with or without an exponent.
TEST(KorvaToPdl, NumbersAsPrintfGWritesThem) {
  std::vector<double> pitches = {0.001, 0.015, 0.1, 0.3, 1.5e-5, 2.5e-7, 123.456, 0.000123, 3.3333333, 99999.9,
                                 1e6, 123456, 1234567, 0.1 + 0.2, 1.0 / 3, 2e-5, 4.2e-4, 0.5, 333333.5, 12.5};
  for (int i = 1; i < 400; i += 3) pitches.push_back(i * 0.0137);
  for (int i = 1; i < 60; ++i) pitches.push_back(std::pow(10.0, -i / 7.0));
  for (double pitch : pitches) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g#0-0:3-0:3-7:0-0", pitch);
    const std::wstring expected = L"StartContour(0,0,ext);\nLineTo(" + printfG(3 * pitch) + L",0);\nLineTo(" +
                                  printfG(3 * pitch) + L"," + printfG(7 * pitch) + L");\nLineTo(0,0);\n";
    EXPECT_EQ(script(CString::fromUtf8(text)), expected) << text;
  }
}

TEST(KorvaToPdl, NeitherFormIsRefused) {
  wchar_t const* const cases[] = {
      L"", L"#0-0:1-0:1-1:0-0", L"0#0-0:1-0:1-1:0-0", L"-1#0-0:1-0:1-1:0-0", L"1e999#0-0:1-0:1-1:0-0",
      L"10 0-0:1-0:1-1:0-0", L"10x#0-0:1-0:1-1:0-0", L"10#", L"10#0-0:100-0:1-1:0-0", L"10#0-0:1--1:1-1:0-0",
      L"10#0-0:1-0:1-1:0", L"10#0-0:1 0:1-1:0-0", L"10#0-0;1-0:1-1:0-0", L"10#0-0:1-0:1-1:0-0::",
      L"10#0-0:1.5-0:1-1:0-0", L"1,5#0-0:1-0:1-1:0-0", L"10#0-0:99999999999999999999-0", L"plain words",
      L"0.001#0-0:200-0:200-10:0-10 x", L"\"mm\" (", L"\"mm\" ( ( (S ( (L 0 0) ) 1( ) ) ) )"
  };
  for (wchar_t const* symbol : cases) EXPECT_EQ(script(symbol), L"refused") << CString(symbol).toUtf8();
}

TEST(KorvaToPdlKorva, ContoursInPreOrderHolesMarked) {
  // holes are marked, an island is "ext"; a contour without edges writes nothing
  EXPECT_EQ(script(L"\"mm\" ( ( (S ( (L 0 0) ) 2 ( (H ( (L 1 1) ) ) (S ( (L 2 2) ) ) ) ) (S ( ) 0 ( ) ) ) "
                   L"( (S ( (L 0.1 -0.2) ) 0 ( ) ) ) )"),
            L"StartContour(0,0,ext);\nLineTo(0,0);\nStartContour(1,1,hole);\nLineTo(1,1);\n"
            L"StartContour(2,2,ext);\nLineTo(2,2);\nStartContour(0.1,-0.2,ext);\nLineTo(0.1,-0.2);\n");
  EXPECT_EQ(script(L"\"mm\" ( )"), L"");
}

// The radius is negative when the centre lies left of the chord; the
// direction follows from that side and whether the arc is short or long.
TEST(KorvaToPdlKorva, ArcsAndTheClosingLine) {
  const struct {
    wchar_t const *arc, *to, *script;
  } cases[] = {{L"(A 0 0 1 0 1.5707964)", L"(L 0 1)", L"StartContour(1,0,ext);\nArcTo(0,1,-1,CCW);\nLineTo(1,0);\n"},
               {L"(A 0 0 1 0 -1.5707964)", L"(L 0 -1)", L"StartContour(1,0,ext);\nArcTo(0,-1,1,CW);\nLineTo(1,0);\n"},
               {L"(A 0 0 1 0 4.712389)", L"(L 0 -1)", L"StartContour(1,0,ext);\nArcTo(0,-1,1,CCW);\nLineTo(1,0);\n"},
               {L"(A 0 0 2 0 -4.712389)", L"(L 0 2)", L"StartContour(2,0,ext);\nArcTo(0,2,-2,CW);\nLineTo(2,0);\n"},
               // Half circles whose end lies a rounding error off the far
               // side of the centre turn the way their sweep says.
               {L"(A 0 0 1 0 3.1415927)", L"(L -1 1e-6)", L"StartContour(1,0,ext);\nArcTo(-1,1e-006,1,CCW);\nLineTo(1,0);\n"},
               {L"(A 0 0 1 0 -3.1415927)", L"(L -1 -1e-6)",
                L"StartContour(1,0,ext);\nArcTo(-1,-1e-006,1,CW);\nLineTo(1,0);\n"}};
  for (auto const& c : cases) {
    CString text;
    text.Format(L"\"m\" ( ( (S ( %s %s ) 0 ( ) ) ) )", c.arc, c.to);
    EXPECT_EQ(script(text, L"m"), c.script) << text.toUtf8();
  }
  // a last edge that is an arc still closes with a line
  EXPECT_EQ(script(L"\"m\" ( ( (S ( (L 0 1) (A 0 0 1 0 1.5707964) ) 0 ( ) ) ) )", L"m"),
            L"StartContour(0,1,ext);\nLineTo(1,0);\nLineTo(0,1);\n");

  // Exactly (0,1) to (1,0), beyond the text's single precision; an edge of
  // another type writes no segment.
  LAContour edges;
  edges.append(LAEdge(Point2(0, 1), Point2(0, 0), -std::numbers::pi / 2));
  edges.append(LAEdge(Point2(1, 0)));
  edges[1].type = 7;
  edges.append(LAEdge(Point2(5, 5)));
  ProComplexContour root;
  root.Attach(std::make_unique<ProEmptyContour>())->SetLAContour(edges);
  CString pdl = L"kept\n";
  zept::contoursToPdl(root, pdl);
  EXPECT_EQ(pdl, L"kept\nStartContour(0,1,hole);\nArcTo(1,0,1,CW);\nLineTo(0,1);\n");
}

TEST(KorvaToPdlKorva, CoordinatesAreConvertedIntoTheSectionUnit) {
  const struct {
    wchar_t const *textUnit, *sectionUnit, *scaled;
  } cases[] = {
      {L"mm", L"mm", L"100"},  {L"cm", L"mm", L"1000"},   {L"in", L"mm", L"2540"}, {L"mm", L"in", L"3.93701"},
      {L"ft", L"in", L"1200"}, {L"km", L"mm", L"1e+008"}, {L"mm", nullptr, L"0.1"}  // no catalog unit: metres
  };
  for (auto const& c : cases) {
    CString text;
    text.Format(L"\"%s\" ( ( (S ( (A 0 0 100 0 1.5707964) (L 0 100) (L 0 0) ) 0 ( ) ) ) )", c.textUnit);
    const std::wstring s = c.scaled;
    EXPECT_EQ(script(text, c.sectionUnit), L"StartContour(" + s + L",0,ext);\nArcTo(0," + s + L",-" + s +
                                               L",CCW);\nLineTo(0,0);\nLineTo(" + s + L",0);\n")
        << text.toUtf8();
  }
  CString pdl;
  const CString upper(L"MM");
  EXPECT_THROW(zept::korvaToPdl(L"\"furlong\" ( )", nullptr, pdl), VUnitError);
  EXPECT_THROW(zept::korvaToPdl(L"\"mm\" ( )", &upper, pdl), VUnitError);
  EXPECT_TRUE(pdl.IsEmpty());
}

class KorvaToPdlCommaLocale : public zept::test::CommaLocaleTest {};

TEST_F(KorvaToPdlCommaLocale, ReadsAndWritesPoints) {
  EXPECT_EQ(script(L"0.5#0-0:3-0:3-1:0-0"),
            L"StartContour(0,0,ext);\nLineTo(1.5,0);\nLineTo(1.5,0.5);\nLineTo(0,0);\n");
  EXPECT_EQ(script(L"\"mm\" ( ( (S ( (L 0.25 1.5) ) 0 ( ) ) ) )"), L"StartContour(0.25,1.5,ext);\nLineTo(0.25,1.5);\n");
}

}  // namespace
