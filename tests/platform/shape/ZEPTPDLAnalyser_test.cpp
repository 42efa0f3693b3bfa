// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "platform/shape/ZEPTPDLAnalyser.h"
#include "platform/shape/ZEPTPDLPresenter.h"
#include "support/SameContours.h"
#include "support/Shapes.h"

namespace {

using zept::test::contour;
using zept::test::rectangle;
using zept::test::section;

constexpr double kPi = std::numbers::pi;

// Reads `script` into a fresh cross-section; the record's H is 200, B 100,
// ES 10 and A_1 0.5.
struct Read {
  explicit Read(std::wstring const& script) {
    std::tie(data.h, data.b, data.es, data.a1, data.unitFactor) = std::tuple(200., 100., 10., 0.5, 1.);
    data.pdlScript = script;
    analyser.attachSection(&cs);
    code = analyser.setDefinitionByData(data, 1.0);
  }
  ZEPTContour const& contour(int i) const { return *cs.sectionAt(0)->contourAt(i); }
  DtGePoint2d point(int c, int v) const { return vertex(c, v).first; }
  double bulge(int c, int v) const { return vertex(c, v).second; }
  std::pair<DtGePoint2d, double> vertex(int c, int v) const {
    std::pair<DtGePoint2d, double> out;
    return contour(c).getVertexAt(v, out.first, out.second), out;
  }

  ZEPTDBProfileData data;
  ZEPTCrossSection cs;
  ZEPTPDLAnalyser analyser;
  int code = 99;
};

TEST(ZEPTPDLAnalyser, ReplacesTheContentOnSuccessOnly) {
  ZEPTCrossSection cs;
  cs.addSection(section({rectangle(0, 0, 1, 1)}));
  cs.addSection(section({rectangle(0, 0, 1, 1)}));
  cs.addCustomPoint(ZEPTSectionPoint({1, 1}));
  cs.addDimLine(ZEPTSectionDimLine());
  ZEPTPDLAnalyser a;
  a.attachSection(&cs);
  ZEPTDBProfileData data;
  data.h = 200;
  data.b = 100;
  double const inf = std::numeric_limits<double>::infinity();
  wchar_t const* const good = L"StartContour(0,0,ext); LineTo(1,0); LineTo(1,1);";
  // A catalog without a known section unit gives unitFactor 0 and scale inf.
  struct Case {
    wchar_t const* script;
    double unitFactor, scale;
    int code;
  } const failures[] = {{L"", 1.0, 1.0, -1},
                        {L"StartContour(0,0,ext); LineTo(1,0); LineTo(oops,1);", 1.0, 1.0, 1},
                        {good, 1.0, inf, 1},
                        {good, 1.0, 0.0, 1},
                        {good, 0.0, 1.0, 1},
                        {good, -1.0, 1.0, 1}};
  for (auto const& f : failures) {
    data.pdlScript = f.script;
    data.unitFactor = f.unitFactor;
    EXPECT_EQ(a.setDefinitionByData(data, f.scale), f.code) << f.unitFactor << " " << f.scale;
    EXPECT_EQ(cs.numSections(), 2);
    EXPECT_EQ(cs.numCustomPoints(), 1);
  }

  data.pdlScript =
      L"// a plate with a hole\r\n"
      L"StartContour(0, 0, ext);\n LineTo(B,0); lineto(B, H);\tLINETO(0,H); LineTo(0,0);\n"
      L"startcontour(10,10,HOLE); LineTo(20,10); LineTo(20,20); // no way back: it closes anyway\n";
  data.unitFactor = 1.0;
  ASSERT_EQ(a.setDefinitionByData(data, 1.0), 0);
  ASSERT_EQ(cs.numSections(), 1);
  EXPECT_EQ(cs.numCustomPoints(), 0);
  EXPECT_EQ(cs.numDimLines(), 0);
  ZEPTSection const& s = *cs.sectionAt(0);
  ASSERT_EQ(s.numContours(), 2);
  // The line back to the start closes the contour and is not kept as a vertex.
  EXPECT_EQ(s.contourAt(0)->numVerts(), 4);
  EXPECT_FALSE(s.contourAt(0)->getIsHole());
  EXPECT_EQ(s.contourAt(1)->numVerts(), 3);
  EXPECT_TRUE(s.contourAt(1)->getIsHole());
  DtGePoint2d max, min;
  ASSERT_TRUE(cs.getBoundaries(max, min));
  EXPECT_EQ(max, DtGePoint2d(100, 200));

  ZEPTPDLAnalyser detached;  // reads, stores nothing
  EXPECT_EQ(detached.setDefinitionByData(data, 1.0), 0);
}

TEST(ZEPTPDLAnalyser, ResultCodes) {
  std::size_t const mb = 1 << 20;
  struct Case {
    char const* name;
    std::wstring script;
    int code;
  } const cases[] = {
      {"empty", L"", -1}, {"blanks and comments", L"  \r\n\t// StartContour(0,0,ext);\n//", -1},
      {"good", L"StartContour(0,0,ext);LineTo(1,0);LineTo(1,1);", 0},
      {"no semicolon at the end", L"StartContour(0,0,ext);LineTo(1,0)", 1},
      {"empty statement", L"StartContour(0,0,ext);;", 1}, {"line before any contour", L"LineTo(1,0);", 1},
      {"unknown statement", L"MoveTo(1,0);", 1}, {"unknown kind", L"StartContour(0,0,solid);", 1},
      {"unknown direction", L"StartContour(0,0,ext);ArcTo(2,0,1,LEFT);", 1},
      {"unknown name", L"StartContour(HEIGHT,0,ext);", 1}, {"missing argument", L"StartContour(0,ext);", 1},
      {"extra argument", L"LineTo(0,0,0);", 1},
      {"radius below half the chord", L"StartContour(0,0,ext);ArcTo(2,0,0.99,CW);", 1},
      {"radius a rounding below half the chord", L"StartContour(0,0,ext);ArcTo(2,0,0.999999,CW);", 0},
      {"unbalanced open", L"StartContour((1+2,0,ext);", 1}, {"unbalanced close", L"StartContour(1+2),0,ext);", 1},
      {"number out of range", L"StartContour(1e999,0,ext);", 1},
      {"not a number", L"StartContour(sqrt(-1),0,ext);", 1}, {"division by zero", L"StartContour(1/0,0,ext);", 1},
      {"intermediate infinity is fine", L"StartContour(atan(1/0)*2-PI,0,ext);", 0},
      {"bare exponent", L"StartContour(1e,0,ext);", 1},
      {"function without arguments", L"StartContour(sqrt,0,ext);", 1},
      {"column called", L"StartContour(H(1),0,ext);", 1},
      {"min with one argument", L"StartContour(min(1),0,ext);", 1},
      {"non-ASCII letter", L"StartContour(\u00c4,0,ext);", 1},
      {"NUL inside", std::wstring(L"StartContour(0,0,ext);\0", 23), 1},
      {"form feed is not a blank", L"StartContour(0,0,ext);\f", 1},
      {"single slash comment", L"/ StartContour(0,0,ext);", 1},
      // Hostile texts.
      {"a megabyte of (", L"StartContour(" + std::wstring(mb, L'('), 1},
      {"a megabyte of - signs", L"StartContour(" + std::wstring(mb, L'-') + L"1,0,ext);", 1},
      {"a megabyte of digits", L"StartContour(" + std::wstring(mb, L'9') + L",0,ext);", 1},
      {"a megabyte of letters", L"StartContour(" + std::wstring(mb, L'x') + L",0,ext);", 1},
      {"a megabyte of comment", L"//" + std::wstring(mb, L'/'), -1},
      {"too deep", L"StartContour(" + std::wstring(100, L'(') + L"1" + std::wstring(100, L')') + L",0,ext);", 1},
      {"deep enough", L"StartContour(" + std::wstring(40, L'(') + L"1" + std::wstring(40, L')') + L",0,ext);", 0},
  };
  for (auto const& c : cases) {
    Read r(c.script);
    EXPECT_EQ(r.code, c.code) << c.name;
  }
}

TEST(ZEPTPDLAnalyser, EvaluatesExpressions) {
  struct Case {
    wchar_t const* expression;
    double value;
  } const cases[] = {
      {L"1+2*3", 7}, {L"(1+2)*3", 9}, {L"10/4", 2.5}, {L"2-3-4", -5}, {L"-3--2", -1}, {L"+-+2", -2}, {L"2e3", 2000},
      {L"2.5E-1", 0.25}, {L".5", 0.5}, {L"1.", 1}, {L"PI", kPi}, {L"sqrt(16)", 4}, {L"SIN(PI/2)", 1},
      {L"tan(PI/4)", 1}, {L"atan(1)*4", kPi}, {L"abs(-2)", 2}, {L"min(3,2)", 2}, {L"max(-1,-2)", -1},
      {L"H-2*ES", 180}, {L"h/2 - Es", 90}, {L"A_1 * b", 50}, {L"dim1 + SHEAR_QZ + p4_t", 0},
      {L"max(B, H) / ( 2 * ( ES ) )", 10}, {L" 1 // a comment between\n + 1", 2},
  };
  for (auto const& c : cases) {
    Read r(L"StartContour(" + std::wstring(c.expression) + L", 0, ext);");
    ASSERT_EQ(r.code, 0) << std::string(c.expression, c.expression + wcslen(c.expression));
    EXPECT_NEAR(r.point(0, 0).x, c.value, 1e-12);
  }
}

// ArcTo's radius sign puts the centre left (< 0) or right (> 0) of the chord;
// CW/CCW says which way round it runs.
TEST(ZEPTPDLAnalyser, ArcsFollowRadiusSignAndDirection) {
  double const small = std::tan(kPi / 8), large = std::tan(3 * kPi / 8);
  struct Case {
    wchar_t const* arc;
    double bulge;
  } const cases[] = {
      {L"ArcTo(0,1,-1,CCW);", small},   // the quarter about the origin
      {L"ArcTo(0,1,1,CW);", -small},    // the quarter about (1,1)
      {L"ArcTo(0,1,1,CCW);", large},    // three quarters about (1,1)
      {L"ArcTo(0,1,-1,cw);", -large},   // three quarters about the origin
      {L"ArcTo(0,1,-0.70710678118654757,CCW);", 1},  // half circles
      {L"ArcTo(0,1,0.70710678118654757,CW);", -1},
  };
  for (auto const& c : cases) {
    Read r(L"StartContour(1,0,ext);" + std::wstring(c.arc) + L"LineTo(1,0);");
    ASSERT_EQ(r.code, 0);
    ASSERT_EQ(r.contour(0).numVerts(), 2);
    EXPECT_NEAR(r.bulge(0, 0), c.bulge, 1e-9) << r.bulge(0, 0);
    EXPECT_EQ(r.bulge(0, 1), 0);
  }
  // An arc back to the start closes the contour with that arc.
  Read circle(L"StartContour(1,0,ext); ArcTo(-1,0,1,CCW); ArcTo(1,0,1,CCW);");
  ASSERT_EQ(circle.code, 0);
  ASSERT_EQ(circle.contour(0).numVerts(), 2);
  EXPECT_NEAR(circle.bulge(0, 1), 1, 1e-12);
  // Zero-length steps add nothing, whatever the radius.
  Read still(L"StartContour(0,0,ext); LineTo(0,0); ArcTo(0,0,0,CW); LineTo(1,0); LineTo(1,1);");
  ASSERT_EQ(still.code, 0);
  EXPECT_EQ(still.contour(0).numVerts(), 3);
}

// Radii are negative with the centre left of the chord; a half circle's is positive.
TEST(ZEPTPDLPresenter, WritesTheScriptConvention) {
  ZEPTCrossSection cs;
  cs.addSection(section({contour({{{0, 0}, 0.5}, {{2, 0}, -2}, {{4, 0}, 0}, {{4, 3}, 0}}),
                         contour({{{1, 1}, 1}, {{1, 2}, 0}}, true)}));
  ZEPTPDLPresenter p;
  p.attachSection(&cs);
  ZEPTString text;
  ASSERT_TRUE(p.getDefinition(text, 0));
  EXPECT_EQ(text.str(),
            L"StartContour(0,0,ext);\n"
            L"ArcTo(2,0,-1.25,CCW);\n"
            L"ArcTo(4,0,-1.25,CW);\n"
            L"LineTo(4,3);\n"
            L"LineTo(0,0);\n"
            L"StartContour(1,1,hole);\n"
            L"ArcTo(1,2,0.5,CCW);\n"
            L"LineTo(1,1);\n");

  EXPECT_FALSE(p.getDefinition(text, 1));
  EXPECT_TRUE(text.isEmpty());
  p.attachSection(nullptr);
  EXPECT_FALSE(p.getDefinition(text, 1));
}

TEST(ZEPTPDLPresenter, RoundTrip) {
  double const b[] = {0.1, -0.3, 1, -1, 2.5, -7, std::tan(kPi / 8)};
  ZEPTContour const far = rectangle(1e6, -1e-3, 1e6 + 0.1, 2e-3, true);
  ZEPTSection all = section({
      contour({{{0, 0}, 0}, {{300.125, 0}, b[0]}, {{300.125, 1e-3}, b[1]}, {{1.0 / 3, 450}, 0}}),
      contour({{{10, 10}, b[2]}, {{20, 10}, b[3]}}, true),
      contour({{{-5, -5}, b[4]}, {{-5, -6}, b[5]}, {{-7, -6}, b[6]}}),
      contour({{{50, 50}, 0}}),
  });
  ZEPTCrossSection cs;
  cs.addSection(all);
  cs.addSection(section({far}));
  ZEPTPDLPresenter p;
  p.attachSection(&cs);
  ZEPTDBProfileData data;
  ASSERT_TRUE(p.getDefinition(data.pdlScript, 0));
  ZEPTCrossSection back;
  ZEPTPDLAnalyser a;
  a.attachSection(&back);
  ASSERT_EQ(a.setDefinitionByData(data, 1.0), 0);
  // All contours come back in one section, coordinates exactly.
  all.addContour(far);
  ASSERT_EQ(back.numSections(), 1);
  zept::test::expectSameContours(*back.sectionAt(0), all, 0, 1e-8, "round trip");
}

}  // namespace
