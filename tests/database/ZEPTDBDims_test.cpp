// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "database/ZEPTDBBaseData.h"
#include "support/CommaLocale.h"
#include "support/CorePrinters.h"

namespace {

using DB = ZEPTDBBaseData;

// 15 significant digits; fixed notation for exponents -1 to 14. The cross
// factors and most splits are checked where zeptcat and the unit library
// use them.
constexpr struct {
  double first, second, third;
  wchar_t const* text;
} kWritten[] = {
    {200, 0, 0, L"200"}, {200, 0, 10, L"200x10"}, {200, 100, 0, L"200x100x0"}, {200, 100, 10, L"200x100x10"},
    {0.0625, 1, 0, L"6.25e-002x1x0"}, {0.05, 0, 0, L"5.e-002"}, {1e15, 0, 0, L"1.e+015"},
    {-12.5, 0, -0.25, L"-12.5x-0.25"}, {-1.5e20, 2.5e-7, 0, L"-1.5e+020x2.5e-007x0"},
    {0.1 + 0.2, 1.0 / 3, 0, L"0.3x0.333333333333333x0"}, {9.999999999999999, 999999999999999.9, 0, L"10x1.e+015x0"}};

// Whatever the process's locale says: the written form is the catalogs' key.
class ZEPTDBDimsCommaLocale : public zept::test::CommaLocaleTest {};

TEST_F(ZEPTDBDimsCommaLocale, WritesTheCatalogForm) {
  for (auto const& c : kWritten) EXPECT_EQ(DB::DimsToString(c.first, c.second, c.third), CString(c.text));
}

// Only a lower-case x splits, at the first and the last one.
TEST(ZEPTDBDims, SplitsAtTheFirstAndLastLowerCaseX) {
  const std::pair<wchar_t const*, wchar_t const*> cases[] = {{L"1x2x3x4", L"1|2x3|4"}, {L"200X10", L"200X10|0|0"}};
  for (auto const& [text, parts] : cases) {
    CString first, second, third;
    DB::StringToDims(text, first, second, third);
    EXPECT_EQ(first + L"|" + second + L"|" + third, CString(parts));
  }
}

}  // namespace
