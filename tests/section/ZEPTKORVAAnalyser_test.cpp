// SPDX-License-Identifier: MIT
#include "section/ZEPTKORVAAnalyser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SameContours.h"
#include "support/Shapes.h"

namespace {

using zept::test::contour;
using zept::test::expectSections;
using zept::test::rectangle;
using zept::test::section;
using Sections = std::vector<ZEPTSection>;

// What a test cross-section holds before the call: one unit square.
ZEPTSection const kMarker = section({rectangle(0, 0, 1, 1)});
ZEPTCrossSection marked() {
  ZEPTCrossSection cs;
  cs.addSection(kMarker);
  return cs;
}

std::wstring mm(std::wstring const& rest) { return L"\"mm\" " + rest; }
std::wstring const kTriangle = L"(S ( (L 0 0) (L 10 0) (L 10 10) ) 0 ( ) )";
ZEPTContour const kTriangleContour = contour({{{0, 0}, 0}, {{10, 0}, 0}, {{10, 10}, 0}});
ZEPTContour triangleFrom(double x, double y, bool hole) {
  return contour({{{x, y}, 0}, {{x + 10, y}, 0}, {{x + 10, y + 10}, 0}}, hole);
}

struct TextCase {
  char const* what;
  std::wstring text;
  int code;
  Sections after;  // the cross-section's content afterwards
};

class KorvaText : public testing::TestWithParam<TextCase> {};

// Each text read into a cross-section that held one unit square before.
TEST_P(KorvaText, GivesItsCodeAndContent) {
  TextCase const& c = GetParam();
  ZEPTCrossSection cs = marked();
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&cs);
  EXPECT_EQ(analyser.setDefinition(c.text.c_str(), 0, 0, 0), c.code) << c.what;
  expectSections(cs, c.after, 1e-5, c.what);
}

auto const caseName = [](auto const& info) { return "Case" + std::to_string(info.index); };

INSTANTIATE_TEST_SUITE_P(
    Old, KorvaText,
    testing::Values(
        TextCase{"scaled points", L"2.5#0-0:10-0:10-4", 0, {section({contour({{{0, 0}, 0}, {{25, 0}, 0}, {{25, 10}, 0}})})}},
        TextCase{"two contours, neither a hole", L"0.001#0-0:200-0:200-10:0-10|90-10:110-10:110-190:90-190", 0,
                 {section({rectangle(0, 0, 0.2, 0.01), rectangle(0.09, 0.01, 0.11, 0.19)})}},
        TextCase{"signed coordinates, blanks before x and after the hyphen", L"1# -5--3: 5-+3:0- 7", 0,
                 {section({contour({{{0, 0}, 0}, {{10, 6}, 0}, {{5, 10}, 0}})})}},
        TextCase{"quotes do not make it new", L"1 \"mm\" (#0-0:10-0:10-10", 0, {section({kTriangleContour})}},
        TextCase{"no scale", L"#0-0:1-1", 1, {kMarker}},
        TextCase{"blank before the hyphen", L"1#0-0:10 -20", 1, {kMarker}},
        TextCase{"trailing colon", L"1#0-0:1-1:", 1, {kMarker}},
        TextCase{"trailing bar", L"1#0-0:1-1|", 1, {kMarker}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    New, KorvaText,
    testing::Values(
        TextCase{"rectangle with a hole",
                 mm(L"( ( (S ( (L 0 0) (L 100 0) (L 100 50) (L 0 50) ) 1 ( (H ( (L 10 10) (L 20 10) (L 20 20) ) ) ) ) ) )"),
                 0, {section({rectangle(0, 0, 100, 50), contour({{{10, 10}, 0}, {{20, 10}, 0}, {{20, 20}, 0}}, true)})}},
        TextCase{"line feeds and tabs are blanks", L"\"mm\"\n(\t(\n(S\t(\n(L 0 0)\n(L 10 0)\t(L 10 10) )\n0\n( ) ) ) )", 0,
                 {section({kTriangleContour})}},
        TextCase{"a carriage return is not", mm(L"( ( (S\r( (L 0 0) (L 10 0) (L 10 10) ) 0 ( ) ) ) )"), 1, {}},
        TextCase{"before a number it is white space", mm(L"( ( (S ( (L\r0 0) (L 10 0) (L 10 10) ) 0 ( ) ) ) )"), 0,
                 {section({kTriangleContour})}},
        TextCase{"lower-case kind", mm(L"( ( (S ( (l 0 0) ) 0 ( ) ) ) )"), 1, {}},
        TextCase{"unknown child kind", mm(L"( ( (S ( (L 0 0) ) 1 ( (X ( (L 0 0) ) ) ) ) ) )"), 1, {}},
        TextCase{"island child", mm(L"( ( (S ( (L 0 0) (L 10 0) (L 10 10) ) 1 ( (S ( (L 1 1) (L 11 1) (L 11 11) ) ) ) ) ) )"),
                 0, {section({kTriangleContour, triangleFrom(1, 1, false)})}},
        TextCase{"count against the child list", mm(L"( ( (S ( (L 0 0) (L 10 0) (L 10 10) ) 0( ) ) ) )"), 1, {}},
        TextCase{"count without digits", mm(L"( ( (S ( (L 0 0) (L 10 0) (L 10 10) ) x ( ) ) ) )"), 1, {}},
        TextCase{"half circle", mm(L"( ( (S ( (A 10 5 2 0 3.14159) ) 0 ( ) ) ) )"), 0,
                 {section({contour({{{12, 5}, 1}})})}},
        TextCase{"too few arc numbers", mm(L"( ( (S ( (A 10 5 2 0) ) 0 ( ) ) ) )"), 1, {}},
        TextCase{"too few line numbers", mm(L"( ( (S ( (L 10) ) 0 ( ) ) ) )"), 1, {}},
        TextCase{"anything before ')' is passed over", mm(L"( ( (S ( (L 1 2 3 junk) ) 0 ( ) ) ) )"), 0,
                 {section({contour({{{1, 2}, 0}})})}},
        TextCase{"unclosed segment", mm(L"( ( (S ( (L 1 2"), 1, {}},
        TextCase{"empty definition", L"\"mm\" (", 0, {}},
        TextCase{"unit not followed by a brace", L"\"mm\" x ( )", 1, {}},
        TextCase{"one quote", L"\"mm ( )", 1, {}},
        TextCase{"plain words", L"plain words", 1, {}},
        TextCase{"a second section is not read", mm(L"( ( " + kTriangle + L" ) ( (S ( (L 5 5) ) 0 ( ) ) ) )"), 0,
                 {section({kTriangleContour})}},
        TextCase{"a second solid group adds an empty section", mm(L"( ( " + kTriangle + L" " + kTriangle + L" ) )"), 1,
                 {section({kTriangleContour}), section({})}},
        TextCase{"sections completed before an error stay", mm(L"( ( " + kTriangle + L" ( (S ( (x 1 1) ) 0 ( ) ) ) )"),
                 1, {section({kTriangleContour})}}),
    caseName);

// "%f" into a float, widened: C locale, and the forms scanf takes.
TEST(KorvaNumbers, AreSinglePrecisionAsScanfReadsThem) {
  struct Case {
    std::wstring numbers;
    double x, y;
  } const cases[] = {
      {L"0.1 0.2", static_cast<double>(0.1f), static_cast<double>(0.2f)},
      {L"16777217 -2.5e1", 16777216.0, -25.0},
      {L"1e 2", 1.0, 2.0},  // the exponent marker is taken, the number is 1
      {L"0x1p3 .5", 8.0, 0.5},
      {L"1e-50 +7", 0.0, 7.0},
  };
  ZEPTCrossSection cs;
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&cs);
  for (auto const& c : cases) {
    ASSERT_EQ(analyser.setDefinition(mm(L"( ( (S ( (L " + c.numbers + L") ) 0 ( ) ) ) )").c_str(), 0, 0, 0), 0);
    DtGePoint2d p;
    double bulge = 0;
    ASSERT_TRUE(cs.sectionAt(0)->contourAt(0)->getVertexAt(0, p, bulge));
    EXPECT_EQ(p.x, c.x) << c.numbers.size();
    EXPECT_EQ(p.y, c.y) << c.numbers.size();
  }
  // Infinite and undefined values read, but no contour takes them.
  EXPECT_EQ(analyser.setDefinition(mm(L"( ( (S ( (L nan 1e39) (L inf -infinity) ) 0 ( ) ) ) )").c_str(), 0, 0, 0), 0);
  expectSections(cs, {section({ZEPTContour(false)})}, 0, "non-finite");
}

// Hostile texts give a result code and nothing else, in one pass.
TEST(KorvaHostileText, GivesAResultCode) {
  std::size_t const mb = std::size_t{1} << 20;
  std::wstring segments;
  for (std::size_t i = 0; i < mb / 6; ++i) segments += L"(L1-2)";
  struct Case {
    std::wstring text;
    int code;
  } const cases[] = {
      {std::wstring(mb, L'('), 1}, {mm(std::wstring(mb, L'(')), 1}, {mm(L"( " + std::wstring(mb, L')')), 0},
      {mm(L"( ( (S ( " + segments + L" ) 0 ( ) ) ) )"), 0},
      {mm(L"( ( (S ( (L 0." + std::wstring(mb, L'0') + L"1 2) ) 0 ( ) ) ) )"), 0},
      {L"\"\" ( ( " + kTriangle + L" ) )", 0}, {L"1#99999999999999999999-1:0-0:5-5", 0}, {L"nan#0-0:1-0:1-1", 0},
  };
  ZEPTKORVAAnalyser analyser;
  for (auto const& c : cases) EXPECT_EQ(analyser.setDefinition(c.text.c_str(), 0, 0, 0), c.code) << c.text.size();
}

// The old grammar puts the origin at (dx, dy) from the lower left corner and
// turns the contours by -alpha; the new grammar ignores all three.
TEST(KorvaPlacement, OldGrammarShiftsByTheLowerLeftCorner) {
  ZEPTCrossSection cs;
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&cs);
  ASSERT_EQ(analyser.setDefinition(L"1#10-20:20-20:20-30", 5, 2, 30), 0);
  expectSections(cs, {section({triangleFrom(-5, -2, false)})}, 0, "old");
  EXPECT_EQ(cs.sectionAt(0)->getDx(), -15);
  EXPECT_EQ(cs.sectionAt(0)->getDy(), -22);
  EXPECT_EQ(cs.sectionAt(0)->contourAt(0)->getAlpha(), -30);

  ASSERT_EQ(analyser.setDefinition(mm(L"( ( " + kTriangle + L" ) )").c_str(), 5, 2, 30), 0);
  expectSections(cs, {section({kTriangleContour})}, 0, "new");
  EXPECT_EQ(cs.sectionAt(0)->contourAt(0)->getAlpha(), 0);
}

TEST(KorvaUnits, AreTheQuotedNameOrMetresForTheOldGrammar) {
  struct Case {
    wchar_t const* text;
    wchar_t const* unit;
  } const cases[] = {
      {nullptr, L""},         {L"", L""},    {L"1#0-0", L"m"}, {L"\"in\" #", L"m"},
      {L"x \"in\" \"mm\"", L"in"}, {L"\"mm ( )", L""}, {L"( )", L""},
  };
  ZEPTKORVAAnalyser const analyser;
  for (auto const& c : cases) EXPECT_EQ(analyser.getShapeUnits(c.text), c.unit) << (c.text ? "text" : "null");
}

// The record's symbol with vpy, vpz and gamma; the unit factor scales the
// result whatever the reading gave, but nothing happens without a symbol.
TEST(KorvaRecord, ScalesByTheUnitFactorAlsoAfterAnError) {
  ZEPTCrossSection cs = marked();
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&cs);
  ZEPTDBProfileData record;
  record.unitFactor = 10;
  EXPECT_EQ(analyser.setDefinition(nullptr, 0, 0, 0), -1);
  EXPECT_EQ(analyser.setDefinitionByData(record), -1);
  expectSections(cs, {kMarker}, 0, "empty symbol");

  record.symbol = mm(L"( ( " + kTriangle + L" ( (S ( (x 1 1) ) 0 ( ) ) ) )");
  EXPECT_EQ(analyser.setDefinitionByData(record), 1);
  expectSections(cs, {section({contour({{{0, 0}, 0}, {{100, 0}, 0}, {{100, 100}, 0}})})}, 0, "new-grammar error");

  record.symbol = L"1#0-0:20-0:20-20";
  record.vpy = record.vpz = 10;
  record.gamma = 90;
  record.unitFactor = 0.5;
  EXPECT_EQ(analyser.setDefinitionByData(record), 0);
  expectSections(cs, {section({contour({{{-5, -5}, 0}, {{5, -5}, 0}, {{5, 5}, 0}})})}, 0, "read");
  EXPECT_EQ(cs.sectionAt(0)->contourAt(0)->getAlpha(), -90);
}

}  // namespace
