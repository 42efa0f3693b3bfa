#include "platform/core/ZEPTString.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "support/CorePrinters.h"

namespace {

std::size_t takesPointer(wchar_t const* text) { return std::wcslen(text); }
CString takesCString(CString const& text) { return text; }
ZEPTString takesZeptString(ZEPTString const& text) { return text; }

TEST(ZEPTStringConvert, ToAndFromCString) {
  const CString c(L"Größe 😀");
  const ZEPTString z = c;
  EXPECT_EQ(z.length(), c.GetLength());
  EXPECT_EQ(static_cast<CString>(z), c);
  EXPECT_EQ(takesCString(z), c);
  EXPECT_EQ(takesZeptString(c), z);
  EXPECT_EQ(takesPointer(z), 7u);
  EXPECT_EQ(std::wstring(z.kwszPtr()), c.str());
  EXPECT_EQ(z.c_str(), z.kwszPtr());
  EXPECT_EQ(z.str(), L"Größe 😀");
  // A record's text handed to CString-only code and back keeps every character.
  CString roundTrip = ZEPTString(CString(z));
  EXPECT_EQ(roundTrip, c);
}

TEST(ZEPTStringConvert, NullAndEmpty) {
  const ZEPTString fromNull(static_cast<wchar_t const*>(nullptr));
  EXPECT_TRUE(fromNull.isEmpty());
  EXPECT_EQ(fromNull, L"");
  EXPECT_EQ(static_cast<CString>(fromNull), L"");
  ZEPTString z(L"x");
  z.empty();
  EXPECT_TRUE(z.isEmpty());
  EXPECT_EQ(*z.c_str(), L'\0');
}

TEST(ZEPTStringCompare, EqualityOrderAndConcat) {
  ZEPTString a(L"HEA");
  EXPECT_TRUE(a == L"HEA");
  EXPECT_FALSE(a == L"hea");
  EXPECT_TRUE(a == ZEPTString(std::wstring(L"HEA")));
  EXPECT_TRUE(a < ZEPTString(L"HEB"));
  a += ZEPTString(L" 100");
  EXPECT_EQ(a + ZEPTString(L"!"), L"HEA 100!");
}

}  // namespace
