// SPDX-License-Identifier: MIT
#include "section/ZEPTKORVAPresenter.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/math/ProComplexContourAndUnitReader.h"
#include "section/ZEPTKORVAAnalyser.h"
#include "support/Contours.h"
#include "support/Shapes.h"

namespace {

using zept::test::circle;
using zept::test::rectangle;
using zept::test::section;

ZEPTContour triangle(double x, double y, bool hole) {
  return zept::test::contour({{{x, y}, 0}, {{x + 1, y}, 0}, {{x + 1, y + 1}, 0}}, hole);
}

class KorvaPresenter : public testing::Test {
 protected:
  // The written text's contour tree and unit, as the math module's reader sees them.
  static std::string write(ZEPTCrossSection const& cs, CString& unit) {
    ZEPTKORVAPresenter presenter;
    presenter.attachSection(&cs);
    CString text;
    EXPECT_TRUE(presenter.getDefinition(text, 0));
    ProContourFactory const factory;
    auto const root = ProComplexContourAndUnitReader(text, factory).read(unit);
    return root ? zept::test::shapeOf(*root) : "unreadable";
  }
};

TEST_F(KorvaPresenter, FailsWithAnEmptyTextWhereNothingIsAttached) {
  ZEPTCrossSection cs;
  ZEPTKORVAPresenter presenter;
  presenter.attachSection(nullptr);
  presenter.attachSection(&cs);
  for (unsigned index : {0u, 2u}) {
    CString text = L"old";
    EXPECT_FALSE(presenter.getDefinition(text, index)) << index;
    EXPECT_TRUE(text.IsEmpty()) << index;
  }
  CString text;
  EXPECT_TRUE(presenter.getDefinition(text, 1));
}

// Each contour that is not a hole opens a solid; holes join the last solid
// of their section; a hole before any solid ends its section.
TEST_F(KorvaPresenter, GroupsHolesUnderTheSolidBeforeThem) {
  struct Case {
    char const* what;
    std::vector<ZEPTSection> sections;
    char const* tree;
  } const cases[] = {
      {"no section", {}, ""},
      {"one solid with holes", {section({rectangle(0, 0, 9, 9), triangle(1, 1, true), circle(5, 5, 1, true)})},
       "S4(H3 H2)"},
      {"two solids, each with its holes",
       {section({rectangle(0, 0, 9, 9), triangle(1, 1, true), rectangle(20, 0, 29, 9), rectangle(21, 1, 22, 2, true),
                 triangle(25, 5, true)})},
       "S4(H3) S4(H4 H3)"},
      {"an island is a solid of its own", {section({rectangle(0, 0, 9, 9), triangle(1, 1, false)})}, "S4 S3"},
      {"a first hole drops its section",
       {section({triangle(1, 1, true), rectangle(0, 0, 9, 9)}), section({triangle(1, 1, false)})}, "S3"},
      {"sections in order", {section({triangle(0, 0, false)}), section({rectangle(0, 0, 1, 1)})}, "S3 S4"},
  };
  for (auto const& c : cases) {
    ZEPTCrossSection cs;
    for (auto const& s : c.sections) cs.addSection(s);
    CString unit;
    EXPECT_EQ(write(cs, unit), c.tree) << c.what;
    EXPECT_EQ(unit, L"mm") << c.what;
  }
}

TEST_F(KorvaPresenter, NamesInchesForEnglishUnitsAndMillimetresOtherwise) {
  ZEPTCrossSection cs;
  cs.addSection(section({triangle(0, 0, false)}));
  struct Case {
    int units;
    wchar_t const* name;
  } const cases[] = {{0, L"in"}, {1, L"mm"}, {7, L"mm"}};
  ZEPTKORVAAnalyser const analyser;
  for (auto const& c : cases) {
    ZEPTKORVAPresenter presenter;
    presenter.units = static_cast<DtDb::MeasurementValue>(c.units);
    presenter.attachSection(&cs);
    CString text;
    ASSERT_TRUE(presenter.getDefinition(text, 0));
    EXPECT_EQ(analyser.getShapeUnits(text), c.name) << c.units;
  }
  // A copy starts metric and assignment keeps the target's units.
  ZEPTKORVAPresenter english;
  english.units = DtDb::kEnglish;
  EXPECT_EQ(ZEPTKORVAPresenter(english).units, DtDb::kMetric);
  ZEPTKORVAPresenter target;
  target.units = static_cast<DtDb::MeasurementValue>(5);
  target = english;
  EXPECT_EQ(target.units, 5);
}

}  // namespace
