#include "platform/core/DtArray.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/core/ZEPTString.h"
#include "support/CorePrinters.h"

namespace {

template <typename T>
std::vector<T> items(DtArray<T> const& a) {
  return {a.begin(), a.end()};
}

TEST(DtArrayLength, LogicalLengthShrinksAndGrows) {
  DtArray<int> a;
  EXPECT_TRUE(a.isEmpty());
  EXPECT_EQ(a.append(1), 0);
  EXPECT_EQ(a.append(2), 1);
  EXPECT_EQ(a.append(3), 2);
  a.setLogicalLength(1);
  EXPECT_EQ(items(a), std::vector<int>{1});
  a.setLogicalLength(3);
  EXPECT_EQ(items(a), (std::vector<int>{1, 0, 0}));
  a.setLogicalLength(-2);
  EXPECT_EQ(a.length(), 0);
  a.setPhysicalLength(100);
  EXPECT_EQ(a.logicalLength(), 0);
}

TEST(DtArrayLength, ReusedAsAListBuffer) {
  // List readers empty the caller's array and refill it.
  DtArray<ZEPTString> names;
  for (int round = 0; round < 3; ++round) {
    names.setLogicalLength(0);
    for (auto const* n : {L"HEA", L"HEB"}) names.append(ZEPTString(n));
  }
  EXPECT_EQ(names.length(), 2);
  EXPECT_EQ(names[1], L"HEB");
  EXPECT_TRUE(names.contains(L"HEA"));
  EXPECT_FALSE(names.contains(L"IPE"));
}

TEST(DtArrayAccess, ChecksIndexesAndRemoves) {
  DtArray<int> a;
  for (int i : {10, 20, 30}) a.append(i);
  a[1] = 21;
  EXPECT_EQ(a.first(), 10);
  EXPECT_EQ(a.last(), 30);
  EXPECT_EQ(a.at(1), 21);
  EXPECT_THROW(a[3], std::out_of_range);
  EXPECT_THROW(a[-1], std::out_of_range);
  EXPECT_THROW(a.removeAt(3), std::out_of_range);
  a.removeAt(0);
  EXPECT_EQ(items(a), (std::vector<int>{21, 30}));
  a.removeAll();
  EXPECT_THROW(a.last(), std::out_of_range);
}

}  // namespace
