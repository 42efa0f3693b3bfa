// SPDX-License-Identifier: MIT
#include "platform/math/VUnit.h"

#include <gtest/gtest.h>

#include "database/ZEPTDBBaseData.h"

namespace {

VUnit named(char const* name) {
  VUnit u;
  u.set(name);
  return u;
}

// Fastener lengths are converted with calcCrossFactor; contours converted
// through VUnit must agree with it wherever both know the units.
TEST(VUnit, QuotientsAgreeWithTheCatalogCrossFactors) {
  char const* const names[] = {"mm", "cm", "m", "in", "inch", "ft", "foot", "g", "G", "kg", "kG", "lb"};
  int compared = 0;
  for (char const* from : names) {
    for (char const* to : names) {
      const double catalog = ZEPTDBBaseData::calcCrossFactor(CString::fromUtf8(from), CString::fromUtf8(to));
      if (catalog == 0) continue;
      ++compared;
      // The catalog's pound is rounded to ten digits.
      EXPECT_NEAR((named(from) / named(to)).to_mks(), catalog, 1e-9 * catalog) << from << " -> " << to;
    }
  }
  EXPECT_EQ(compared, 32);
  // Divided once from exact integers, not from rounded metre factors.
  EXPECT_EQ((named("ft") / named("in")).to_mks(), 12);
  EXPECT_EQ((named("mm") / named("in")).to_mks(), 0.03937007874015748);
}

TEST(VUnit, TypeTwoIsTheMetreAndDimensionsDivide) {
  const VUnit metre(1.0, SUnit::Type(2));
  EXPECT_EQ((named("mm") / metre).to_mks(), 0.001);
  EXPECT_TRUE((named("mm") / metre).isDimensionless());
  EXPECT_FALSE((named("mm") / named("kg")).isDimensionless());
  EXPECT_FALSE(named("t").isDimensionless());
  EXPECT_EQ((named("cm") / VUnit()).to_mks(), 0.01);
  EXPECT_EQ((VUnit(2.5, SUnit::Mass) / VUnit(0.5, SUnit::Mass)).to_mks(), 5);
}

TEST(VUnit, UnknownNamesThrowAndLeaveTheUnit) {
  for (char const* name : {"MM", "", "mm ", "inches", "µm", static_cast<char const*>(nullptr)}) {
    VUnit u = named("cm");
    EXPECT_THROW(u.set(name), VUnitError) << (name ? name : "null");
    EXPECT_EQ(u.to_mks(), 0.01);
  }
}

}  // namespace
