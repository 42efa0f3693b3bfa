// SPDX-License-Identifier: MIT
#include "platform/core/ZEPTString.h"

#include <gtest/gtest.h>

#include "support/CorePrinters.h"

namespace {

TEST(ZEPTStringConvert, NullIsEmptyAndTextRoundTripsThroughCString) {
  const ZEPTString fromNull(static_cast<wchar_t const*>(nullptr));
  EXPECT_TRUE(fromNull.isEmpty());
  EXPECT_EQ(fromNull, static_cast<wchar_t const*>(nullptr));
  const CString c(L"Größe 😀");
  EXPECT_EQ(static_cast<CString>(ZEPTString(c)), c);
}

}  // namespace
