// SPDX-License-Identifier: MIT
#include "platform/core/DtArray.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

std::vector<int> items(DtArray<int> const& a) { return {a.begin(), a.end()}; }

// List readers empty the caller's array with setLogicalLength(0) and refill it.
TEST(DtArrayLength, ShrinksGrowsWithDefaultsAndChecksIndexes) {
  DtArray<int> a;
  for (int i : {10, 20, 30}) a.append(i);
  a.setLogicalLength(1);
  a.setLogicalLength(3);
  EXPECT_EQ(items(a), (std::vector<int>{10, 0, 0}));
  EXPECT_THROW(a[3], std::out_of_range);
  EXPECT_THROW(a[-1], std::out_of_range);
  EXPECT_THROW(a.removeAt(3), std::out_of_range);
  a.removeAt(0);
  EXPECT_EQ(items(a), (std::vector<int>{0, 0}));
  a.setLogicalLength(-2);
  EXPECT_EQ(a.length(), 0);
  EXPECT_THROW(a.last(), std::out_of_range);
}

}  // namespace
