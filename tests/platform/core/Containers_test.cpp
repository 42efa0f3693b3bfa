// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/core/CStringArray.h"
#include "platform/core/DtArray.h"
#include "platform/core/ZEPTString.h"
#include "support/CorePrinters.h"

namespace {

template <typename T>
std::vector<T> items(DtArray<T> const& a) { return {a.begin(), a.end()}; }
std::vector<CString> items(CStringArray const& a) { return {a.begin(), a.end()}; }

// Indexes past the end pad or are ignored as in MFC; GetAt answers an empty
// text and operator[] throws instead of reading wild.
TEST(CStringArrayIndexes, PadClampOrAreRefused) {
  CStringArray a;
  a.Add(L"a");
  a.InsertAt(3, L"d");
  EXPECT_EQ(items(a), (std::vector<CString>{L"a", L"", L"", L"d"}));
  a.InsertAt(1, L"b");
  a.InsertAt(-4, L"0");
  a.SetAt(6, L"ignored");
  EXPECT_EQ(items(a), (std::vector<CString>{L"0", L"a", L"b", L"", L"", L"d"}));
  a.RemoveAt(1);
  a.RemoveAt(3, 99);
  a.RemoveAt(3);
  a.RemoveAt(-1);
  a.RemoveAt(0, 0);
  EXPECT_EQ(items(a), (std::vector<CString>{L"0", L"b", L""}));
  EXPECT_EQ(a.GetAt(3), L"");
  EXPECT_EQ(a.GetAt(-1), L"");
  EXPECT_THROW(a[3], std::out_of_range);
  EXPECT_THROW(static_cast<CStringArray const&>(a)[-1], std::out_of_range);
  a.SetSize(-1);
  EXPECT_TRUE(a.IsEmpty());
}

// List readers empty the caller's array with setLogicalLength(0) and refill
// it; a null text is an empty one.
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
  const ZEPTString none(static_cast<wchar_t const*>(nullptr));
  EXPECT_TRUE(none.isEmpty());
  EXPECT_EQ(none, static_cast<wchar_t const*>(nullptr));
}

}  // namespace
