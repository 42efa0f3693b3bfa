// SPDX-License-Identifier: MIT
#include "platform/math/ProContour.h"

#include <gtest/gtest.h>

namespace {

// The walk and the destructors use no recursion, so no depth overflows the
// stack. (The order of the walk is checked through the scripts it writes.)
TEST(ProContour, DeepTreesAreWalkedAndReleased) {
  auto root = std::make_unique<ProComplexContour>();
  ProContour* tip = root.get();
  for (int i = 0; i < 300000; ++i) tip = tip->Attach(std::make_unique<ProSolidContour>());
  EXPECT_EQ(root->GetChild(1), nullptr);
  EXPECT_EQ(root->Attach(std::unique_ptr<ProSolidContour>()), nullptr);
  int count = 0;
  forEachClosedContour(*root, [&](ProClosedContour&) { ++count; });
  EXPECT_EQ(count, 300000);
  root.reset();
}

}  // namespace
