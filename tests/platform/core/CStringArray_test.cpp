#include "platform/core/CStringArray.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "support/CorePrinters.h"

namespace {

std::vector<CString> items(CStringArray const& a) { return {a.begin(), a.end()}; }

TEST(CStringArrayGrow, AddReturnsIndex) {
  CStringArray a;
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(a.GetUpperBound(), -1);
  EXPECT_EQ(a.Add(L"a"), 0);
  EXPECT_EQ(a.Add(L"b"), 1);
  EXPECT_EQ(a.GetSize(), 2);
  EXPECT_EQ(a.GetCount(), 2);
  EXPECT_EQ(a.GetAt(1), L"b");
  a[0] = L"A";
  EXPECT_EQ(a[0], L"A");
  a.SetAt(1, L"B");
  a.SetAt(9, L"ignored");
  EXPECT_EQ(items(a), (std::vector<CString>{L"A", L"B"}));
}

TEST(CStringArrayGrow, InsertAtPastEndPadsWithEmptyTexts) {
  CStringArray a;
  a.Add(L"a");
  a.InsertAt(3, L"d");
  EXPECT_EQ(items(a), (std::vector<CString>{L"a", L"", L"", L"d"}));
  a.InsertAt(1, L"b");
  a.InsertAt(-4, L"0");
  EXPECT_EQ(items(a), (std::vector<CString>{L"0", L"a", L"b", L"", L"", L"d"}));
  a.InsertAt(a.GetSize(), L"e");
  EXPECT_EQ(a[a.GetUpperBound()], L"e");
}

TEST(CStringArrayShrink, RemoveAtClampsAndIgnoresBadIndexes) {
  CStringArray a;
  for (auto const* s : {L"a", L"b", L"c", L"d", L"e"}) a.Add(s);
  a.RemoveAt(1);
  EXPECT_EQ(items(a), (std::vector<CString>{L"a", L"c", L"d", L"e"}));
  a.RemoveAt(2, 99);
  EXPECT_EQ(items(a), (std::vector<CString>{L"a", L"c"}));
  a.RemoveAt(2);
  a.RemoveAt(-1);
  a.RemoveAt(0, 0);
  EXPECT_EQ(a.GetSize(), 2);
  a.RemoveAll();
  EXPECT_TRUE(a.IsEmpty());
  a.SetSize(2);
  EXPECT_EQ(items(a), (std::vector<CString>{L"", L""}));
  a.SetSize(-1);
  EXPECT_EQ(a.GetSize(), 0);
}

TEST(CStringArrayAccess, OutOfRange) {
  CStringArray a;
  a.Add(L"x");
  EXPECT_EQ(a.GetAt(1), L"");
  EXPECT_EQ(a.GetAt(-1), L"");
  EXPECT_THROW(a[1], std::out_of_range);
  EXPECT_THROW(static_cast<CStringArray const&>(a)[-1], std::out_of_range);
}

}  // namespace
