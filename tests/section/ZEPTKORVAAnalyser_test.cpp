#include "section/ZEPTKORVAAnalyser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/Shapes.h"

namespace {

struct Vertex {
  double x, y, bulge;
};
struct Outline {
  bool hole;
  std::vector<Vertex> vertices;
};
using Sections = std::vector<std::vector<Outline>>;

// What a test cross-section holds before the call: one unit square.
Outline const kMarker{false, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}};

ZEPTCrossSection marked() {
  ZEPTCrossSection cs;
  cs.addSection(zept::test::section({zept::test::rectangle(0, 0, 1, 1)}));
  return cs;
}

Sections contentOf(ZEPTCrossSection const& cs) {
  Sections out;
  for (int s = 0; s < cs.numSections(); ++s) {
    out.emplace_back();
    ZEPTSection const* section = cs.sectionAt(s);
    for (int c = 0; c < section->numContours(); ++c) {
      ZEPTContour const* contour = section->contourAt(c);
      Outline o{contour->getIsHole(), {}};
      for (int v = 0; v < contour->numVerts(); ++v) {
        DtGePoint2d p;
        double b = 0;
        contour->getVertexAt(v, p, b);
        o.vertices.push_back({p.x, p.y, b});
      }
      out.back().push_back(o);
    }
  }
  return out;
}

void expectContent(ZEPTCrossSection const& cs, Sections const& expected, std::string const& what) {
  Sections const got = contentOf(cs);
  ASSERT_EQ(got.size(), expected.size()) << what;
  for (std::size_t s = 0; s < got.size(); ++s) {
    ASSERT_EQ(got[s].size(), expected[s].size()) << what << " section " << s;
    for (std::size_t c = 0; c < got[s].size(); ++c) {
      Outline const& g = got[s][c];
      Outline const& e = expected[s][c];
      EXPECT_EQ(g.hole, e.hole) << what << " contour " << c;
      ASSERT_EQ(g.vertices.size(), e.vertices.size()) << what << " contour " << c;
      for (std::size_t v = 0; v < g.vertices.size(); ++v) {
        EXPECT_NEAR(g.vertices[v].x, e.vertices[v].x, 1e-5) << what << " vertex " << v;
        EXPECT_NEAR(g.vertices[v].y, e.vertices[v].y, 1e-5) << what << " vertex " << v;
        EXPECT_NEAR(g.vertices[v].bulge, e.vertices[v].bulge, 1e-5) << what << " vertex " << v;
      }
    }
  }
}

std::wstring mm(std::wstring const& rest) { return L"\"mm\" " + rest; }

std::wstring const kBody = L"( ( (S ( (L 0 0) (L 100 0) (L 100 50) (L 0 50) ) 1 ( (H ( (L 10 10) (L 20 10) (L 20 20) ) ) ) ) ) )";
Outline const kOuter{false, {{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {0, 50, 0}}};
Outline const kHole{true, {{10, 10, 0}, {20, 10, 0}, {20, 20, 0}}};
std::wstring const kTriangle = L"(S ( (L 0 0) (L 10 0) (L 10 10) ) 0 ( ) )";
Outline const kTriangleOutline{false, {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}};

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
  expectContent(cs, c.after, c.what);
}

INSTANTIATE_TEST_SUITE_P(
    Old, KorvaText,
    testing::Values(
        TextCase{"scaled points", L"2.5#0-0:10-0:10-4", 0, {{{false, {{0, 0, 0}, {25, 0, 0}, {25, 10, 0}}}}}},
        TextCase{"two contours, neither a hole",
                 L"0.001#0-0:200-0:200-10:0-10|90-10:110-10:110-190:90-190",
                 0,
                 {{{false, {{0, 0, 0}, {0.2, 0, 0}, {0.2, 0.01, 0}, {0, 0.01, 0}}},
                   {false, {{0.09, 0.01, 0}, {0.11, 0.01, 0}, {0.11, 0.19, 0}, {0.09, 0.19, 0}}}}}},
        TextCase{"signed coordinates, blanks before x and after the hyphen", L"1# -5--3: 5-+3:0- 7", 0,
                 {{{false, {{0, 0, 0}, {10, 6, 0}, {5, 10, 0}}}}}},
        TextCase{"quotes do not make it new", L"1 \"mm\" (#0-0:1-0:1-1", 0,
                 {{{false, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}}}}},
        TextCase{"no scale", L"#0-0:1-1", 1, {{kMarker}}},
        TextCase{"blank before the hyphen", L"1#0-0:10 -20", 1, {{kMarker}}},
        TextCase{"trailing colon", L"1#0-0:1-1:", 1, {{kMarker}}},
        TextCase{"trailing bar", L"1#0-0:1-1|", 1, {{kMarker}}}),
    [](auto const& info) { return "Case" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    New, KorvaText,
    testing::Values(
        TextCase{"rectangle with a hole", mm(kBody), 0, {{kOuter, kHole}}},
        TextCase{"line feeds and tabs are blanks", L"\"mm\"\n(\t(\n(S\t(\n(L 0 0)\n(L 10 0)\t(L 10 10) )\n0\n( ) ) ) )", 0,
                 {{kTriangleOutline}}},
        TextCase{"a carriage return is not", mm(L"( ( (S\r( (L 0 0) (L 10 0) (L 10 10) ) 0 ( ) ) ) )"), 1, {}},
        TextCase{"a carriage return before a number is white space", mm(L"( ( (S ( (L\r0 0) (L 10 0) (L 10 10) ) 0 ( ) ) ) )"),
                 0, {{kTriangleOutline}}},
        TextCase{"lower-case kind", mm(L"( ( (S ( (l 0 0) ) 0 ( ) ) ) )"), 1, {}},
        TextCase{"unknown child kind", mm(L"( ( (S ( (L 0 0) ) 1 ( (X ( (L 0 0) ) ) ) ) ) )"), 1, {}},
        TextCase{"island child", mm(L"( ( (S ( (L 0 0) (L 10 0) (L 10 10) ) 1 ( (S ( (L 1 1) (L 2 1) (L 2 2) ) ) ) ) ) )"), 0,
                 {{kTriangleOutline, {false, {{1, 1, 0}, {2, 1, 0}, {2, 2, 0}}}}}},
        TextCase{"count against the child list", mm(L"( ( (S ( (L 0 0) (L 10 0) (L 10 10) ) 0( ) ) ) )"), 1, {}},
        TextCase{"count without digits", mm(L"( ( (S ( (L 0 0) (L 10 0) (L 10 10) ) x ( ) ) ) )"), 1, {}},
        TextCase{"arc: start point and bulge of a half circle", mm(L"( ( (S ( (A 10 5 2 0 3.14159) ) 0 ( ) ) ) )"), 0,
                 {{{false, {{12, 5, 1}}}}}},
        TextCase{"too few arc numbers", mm(L"( ( (S ( (A 10 5 2 0) ) 0 ( ) ) ) )"), 1, {}},
        TextCase{"too few line numbers", mm(L"( ( (S ( (L 10) ) 0 ( ) ) ) )"), 1, {}},
        TextCase{"anything before the closing brace is passed over", mm(L"( ( (S ( (L 1 2 3 junk) ) 0 ( ) ) ) )"), 0,
                 {{{false, {{1, 2, 0}}}}}},
        TextCase{"unclosed segment", mm(L"( ( (S ( (L 1 2"), 1, {}},
        TextCase{"empty definition", L"\"mm\" (", 0, {}},
        TextCase{"unit not followed by a brace", L"\"mm\" x ( )", 1, {}},
        TextCase{"one quote", L"\"mm ( )", 1, {}},
        TextCase{"plain words", L"plain words", 1, {}},
        TextCase{"a second section is not read", mm(L"( ( " + kTriangle + L" ) ( (S ( (L 5 5) ) 0 ( ) ) ) )"), 0,
                 {{kTriangleOutline}}},
        TextCase{"a second solid group adds an empty section", mm(L"( ( " + kTriangle + L" " + kTriangle + L" ) )"), 1,
                 {{kTriangleOutline}, {}}},
        TextCase{"sections completed before an error stay",
                 mm(L"( ( " + kTriangle + L" ( (S ( (x 1 1) ) 0 ( ) ) ) )"), 1, {{kTriangleOutline}}}),
    [](auto const& info) { return "Case" + std::to_string(info.index); });

// "%f" semantics: single precision, widened; C locale; forms scanf takes.
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
  for (auto const& c : cases) {
    ZEPTCrossSection cs;
    ZEPTKORVAAnalyser analyser;
    analyser.attachSection(&cs);
    std::wstring const text = mm(L"( ( (S ( (L " + c.numbers + L") ) 0 ( ) ) ) )");
    ASSERT_EQ(analyser.setDefinition(text.c_str(), 0, 0, 0), 0);
    expectContent(cs, {{{false, {{c.x, c.y, 0}}}}}, std::string(c.numbers.begin(), c.numbers.end()));
    EXPECT_EQ(contentOf(cs)[0][0].vertices[0].x, c.x);
  }
  // Infinite and undefined values read, but no contour takes them.
  ZEPTCrossSection cs;
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&cs);
  EXPECT_EQ(analyser.setDefinition(mm(L"( ( (S ( (L nan 1e39) (L inf -infinity) ) 0 ( ) ) ) )").c_str(), 0, 0, 0), 0);
  expectContent(cs, {{{false, {}}}}, "non-finite");
}

// Hostile texts give a result code and nothing else, in one pass.
TEST(KorvaHostileText, GivesAResultCode) {
  std::size_t const mb = std::size_t{1} << 20;
  std::wstring segments;
  for (std::size_t i = 0; i < mb / 6; ++i) segments += L"(L1-2)";
  struct Case {
    char const* what;
    std::wstring text;
    int code;
  } const cases[] = {
      {"a megabyte of opening braces", std::wstring(mb, L'('), 1},
      {"the same after a unit", mm(std::wstring(mb, L'(')), 1},
      {"a megabyte of closing braces", mm(L"( " + std::wstring(mb, L')')), 0},
      {"many segments without blanks", mm(L"( ( (S ( " + segments + L" ) 0 ( ) ) ) )"), 0},
      {"a megabyte-long number", mm(L"( ( (S ( (L 0." + std::wstring(mb, L'0') + L"1 2) ) 0 ( ) ) ) )"), 0},
      {"an empty unit name", L"\"\" ( ( " + kTriangle + L" ) )", 0},
      {"numbers beyond a float", mm(L"( ( (S ( (L 1e39 -1e999999999999) ) 0 ( ) ) ) )"), 0},
      {"an old coordinate beyond an int", L"1#99999999999999999999-1:0-0:5-5", 0},
      {"an old scale that is not a number", L"nan#0-0:1-0:1-1", 0},
      {"a zero character ends the text", std::wstring(L"1#0-0:1-0:1-1") + L'\0' + L":", 0},
  };
  for (auto const& c : cases) {
    ZEPTCrossSection cs;
    ZEPTKORVAAnalyser analyser;
    analyser.attachSection(&cs);
    EXPECT_EQ(analyser.setDefinition(c.text.c_str(), 0, 0, 0), c.code) << c.what;
  }
}

// The old grammar puts the origin at (dx, dy) from the lower left corner and
// turns the contours by -alpha; the new grammar ignores all three.
TEST(KorvaPlacement, OldGrammarShiftsByTheLowerLeftCorner) {
  ZEPTCrossSection cs;
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&cs);
  ASSERT_EQ(analyser.setDefinition(L"1#10-20:30-20:30-40", 5, 2, 30), 0);
  expectContent(cs, {{{false, {{-5, -2, 0}, {15, -2, 0}, {15, 18, 0}}}}}, "old");
  EXPECT_EQ(cs.sectionAt(0)->getDx(), -15);
  EXPECT_EQ(cs.sectionAt(0)->getDy(), -22);
  EXPECT_EQ(cs.sectionAt(0)->contourAt(0)->getAlpha(), -30);

  ASSERT_EQ(analyser.setDefinition(mm(L"( ( " + kTriangle + L" ) )").c_str(), 5, 2, 30), 0);
  expectContent(cs, {{kTriangleOutline}}, "new");
  EXPECT_EQ(cs.sectionAt(0)->contourAt(0)->getAlpha(), 0);
}

// Without a cross-section both grammars read and report, storing nothing.
TEST(KorvaDetached, ReportsWithoutStoring) {
  ZEPTKORVAAnalyser analyser;
  EXPECT_EQ(analyser.setDefinition(L"2.5#0-0:10-0:10-4", 0, 0, 0), 0);
  EXPECT_EQ(analyser.setDefinition(mm(kBody).c_str(), 0, 0, 0), 0);
  EXPECT_EQ(analyser.setDefinition(L"1#0-0:", 0, 0, 0), 1);
  EXPECT_EQ(analyser.setDefinition(L"words", 0, 0, 0), 1);
}

TEST(KorvaEmpty, NullAndEmptyTextsLeaveTheCrossSection) {
  ZEPTCrossSection cs = marked();
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&cs);
  EXPECT_EQ(analyser.setDefinition(nullptr, 0, 0, 0), -1);
  EXPECT_EQ(analyser.setDefinition(L"", 0, 0, 0), -1);
  expectContent(cs, {{kMarker}}, "empty");
}

TEST(KorvaUnits, AreTheQuotedNameOrMetresForTheOldGrammar) {
  struct Case {
    wchar_t const* text;
    wchar_t const* unit;
  } const cases[] = {
      {nullptr, L""},          {L"", L""},
      {L"1#0-0", L"m"},        {L"\"in\" #", L"m"},
      {L"\"cm\" ( )", L"cm"},  {L"x \"in\" \"mm\"", L"in"},
      {L"\"\" ( )", L""},      {L"\"mm ( )", L""},
      {L"( )", L""},           {L"\"furlong\"", L"furlong"},
  };
  ZEPTKORVAAnalyser const analyser;
  for (auto const& c : cases) EXPECT_EQ(analyser.getShapeUnits(c.text), c.unit) << (c.text ? "text" : "null");
}

// The record's symbol with vpy, vpz and gamma; the unit factor scales the
// result whatever the reading gave, but not when there is no symbol.
TEST(KorvaRecord, ScalesByTheUnitFactorAlsoAfterAnError) {
  ZEPTCrossSection cs = marked();
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&cs);
  ZEPTDBProfileData record;
  record.unitFactor = 10;
  EXPECT_EQ(analyser.setDefinitionByData(record), -1);
  expectContent(cs, {{kMarker}}, "empty symbol");

  record.symbol = L"1#0-0:1-0:1-1:";
  EXPECT_EQ(analyser.setDefinitionByData(record), 1);
  expectContent(cs, {{{false, {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}}}}}, "old-grammar error");

  record.symbol = mm(L"( ( " + kTriangle + L" ( (S ( (x 1 1) ) 0 ( ) ) ) )");
  EXPECT_EQ(analyser.setDefinitionByData(record), 1);
  expectContent(cs, {{{false, {{0, 0, 0}, {100, 0, 0}, {100, 100, 0}}}}}, "new-grammar error");

  record.symbol = L"1#0-0:4-0:4-2";
  record.vpy = 1;
  record.vpz = 1;
  record.gamma = 90;
  record.unitFactor = 0.5;
  EXPECT_EQ(analyser.setDefinitionByData(record), 0);
  expectContent(cs, {{{false, {{-0.5, -0.5, 0}, {1.5, -0.5, 0}, {1.5, 0.5, 0}}}}}, "read");
  EXPECT_EQ(cs.sectionAt(0)->contourAt(0)->getAlpha(), -90);
}

TEST(KorvaAnalyserObject, CopiesAndComparesTheAttachedCrossSection) {
  ZEPTCrossSection a, b;
  ZEPTKORVAAnalyser first;
  first.attachSection(&a);
  ZEPTKORVAAnalyser copy(first);
  EXPECT_EQ(copy, first);
  EXPECT_EQ(copy.attachedSection(), &a);
  ZEPTKORVAAnalyser other;
  other.attachSection(&b);
  EXPECT_NE(other, first);
  other = first;
  EXPECT_EQ(other, first);
  EXPECT_EQ(other.attachedSection(), &a);
}

}  // namespace
