// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "database/ZEPTDBBaseData.h"
#include "support/CommaLocale.h"
#include "support/CorePrinters.h"

namespace {

using DB = ZEPTDBBaseData;

// 15 significant digits; fixed notation for exponents -1 to 14.
constexpr struct {
  double first, second, third;
  wchar_t const* text;
} kWritten[] = {
    {200, 0, 0, L"200"}, {200, 0, 10, L"200x10"}, {200, 100, 0, L"200x100x0"}, {200, 100, 10, L"200x100x10"},
    {0.0625, 1, 0, L"6.25e-002x1x0"}, {0.05, 0, 0, L"5.e-002"}, {1e15, 0, 0, L"1.e+015"},
    {-12.5, 0, -0.25, L"-12.5x-0.25"}, {-1.5e20, 2.5e-7, 0, L"-1.5e+020x2.5e-007x0"},
    {0.1 + 0.2, 1.0 / 3, 0, L"0.3x0.333333333333333x0"}, {9.999999999999999, 999999999999999.9, 0, L"10x1.e+015x0"}};

TEST(ZEPTDBDims, WritesTheCatalogForm) {
  for (auto const& c : kWritten) EXPECT_EQ(DB::DimsToString(c.first, c.second, c.third), CString(c.text));
}

class ZEPTDBDimsCommaLocale : public zept::test::CommaLocaleTest {};

TEST_F(ZEPTDBDimsCommaLocale, WritesAPointAllTheSame) {
  for (auto const& c : kWritten) EXPECT_EQ(DB::DimsToString(c.first, c.second, c.third), CString(c.text));
}

TEST(ZEPTDBDims, SplitsAtTheFirstAndLastLowerCaseX) {
  struct {
    wchar_t const *text, *parts;
    std::vector<double> numbers;
  } const cases[] = {
      {L"200x10", L"200|0|10", {200, 0, 10}}, {L"200", L"200|0|0", {200, 0, 0}},
      {L"200X10", L"200X10|0|0", {200, 0, 0}}, {L"axbxc", L"a|b|c", {0, 0, 0}}, {L"", L"|0|0", {0, 0, 0}},
      {L"1x2x3x4", L"1|2x3|4", {1, 2, 4}}, {L" 1.5x 2x-3 ", L" 1.5| 2|-3 ", {1.5, 2, -3}},
      {L"5.e-002x1.e+015", L"5.e-002|0|1.e+015", {.05, 0, 1e15}}};
  for (auto const& c : cases) {
    CString first, second, third;
    std::vector<double> n(3, -1);
    DB::StringToDims(c.text, first, second, third);
    DB::StringToDims(c.text, n[0], n[1], n[2]);
    EXPECT_EQ(first + L"|" + second + L"|" + third, CString(c.parts));
    EXPECT_EQ(n, c.numbers) << c.text;
  }
}

TEST(ZEPTDBDims, CrossFactorsAreTheExactConstants) {
  struct {
    wchar_t const *from, *to;
    double factor;
  } const cases[] = {
      {L"mm", L"in", 0.03937007874015748}, {L"cm", L"in", 0.39370078740157477}, {L"m", L"in", 39.37007874015748},
      {L"inch", L"in", 1}, {L"foot", L"in", 12}, {L"ft", L"mm", 304.8}, {L"in", L"mm", 25.4}, {L"m", L"mm", 1000},
      {L"G", L"lb", 0.002204622622}, {L"kG", L"lb", 2.204622622}, {L"g", L"kg", 0.001}, {L"lb", L"kg", 0.45359237},
      {L"mm", L"mm", 1}, {L"in", L"inch", 0}, {L"mm", L"cm", 0}, {L"kg", L"g", 0}, {L"MM", L"in", 0}};
  for (auto const& c : cases)
    EXPECT_EQ(DB::calcCrossFactor(c.from, c.to), c.factor) << c.from << L"->" << c.to;
}

}  // namespace
