// SPDX-License-Identifier: MIT
#include "platform/core/COleVariant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/Utf8.h"
#include "support/CommaLocale.h"
#include "support/CorePrinters.h"

namespace {

constexpr wchar_t kOldText[] = L"old text long enough to leave the small buffer";

// An int is a VT_I4 and a null text an empty one; true is -1 whatever the
// argument's type.
TEST(COleVariantConstruct, ConvertedArgumentsAndBooleans) {
  EXPECT_EQ(COleVariant(12), COleVariant(12L));
  EXPECT_EQ(COleVariant(static_cast<wchar_t const*>(nullptr)), COleVariant(L""));
  for (auto const& v : {COleVariant(true), COleVariant(7L, VT_BOOL), COleVariant(static_cast<short>(2), VT_BOOL)})
    EXPECT_EQ(std::pair(v.vt, v.boolVal), (std::pair<VARTYPE, VARIANT_BOOL>(VT_BOOL, -1)));
  for (auto const& v : {COleVariant(false), COleVariant(0L, VT_BOOL), COleVariant(static_cast<short>(0), VT_BOOL)})
    EXPECT_EQ(std::pair(v.vt, v.boolVal), (std::pair<VARTYPE, VARIANT_BOOL>(VT_BOOL, 0)));
}

// bstrVal must point into the variant's own storage: reading it after the
// source is gone is a use-after-free that ASan reports. Short texts live
// inside the string object, long ones on the heap.
TEST(COleVariantText, CopiesAndMovesOutliveTheSource) {
  using Target = std::optional<COleVariant>;
  const std::pair<bool, void (*)(COleVariant&, Target&)> ways[] = {
      {false, [](COleVariant& s, Target& t) { t.emplace(s); }},
      {false, [](COleVariant& s, Target& t) { t.emplace(3L) = s; }},
      {false, [](COleVariant& s, Target& t) { t.emplace(kOldText) = s; }},
      {true, [](COleVariant& s, Target& t) { t.emplace(std::move(s)); }},
      {true, [](COleVariant& s, Target& t) { t.emplace(kOldText) = std::move(s); }},
      {false, [](COleVariant& s, Target& t) { std::swap(s, t.emplace(std::wstring(100, L'b').c_str())); }},
  };
  for (std::wstring const& text : {std::wstring(), std::wstring(L"ab"), std::wstring(300, L'ö')}) {
    for (std::size_t way = 0; way < std::size(ways); ++way) {
      auto source = std::make_unique<COleVariant>(text.c_str());
      Target copy;
      ways[way].second(*source, copy);
      if (ways[way].first) {
        EXPECT_EQ(source->vt, VT_EMPTY) << way;
      } else {
        EXPECT_EQ(CString(source->bstrVal), source->text()) << way;
      }
      source.reset();
      ASSERT_EQ(copy->vt, VT_BSTR) << way;
      EXPECT_EQ(std::wstring(copy->bstrVal), text) << way;
      EXPECT_EQ(CString(copy->bstrVal), copy->text()) << way;
    }
  }
  std::vector<COleVariant> values;
  for (int i = 0; i < 50; ++i) values.emplace_back(CString(std::to_wstring(i)));
  for (int i = 0; i < 50; ++i) EXPECT_EQ(std::wstring(values[static_cast<std::size_t>(i)].bstrVal), std::to_wstring(i));
}

// One variant takes text after text, as a scan reads them: whatever the
// storage held before (a text of the same byte length but other characters,
// a longer or shorter one, nothing after a number), the text is the full
// conversion.
TEST(COleVariantText, SetUtf8ReusesStorageAndConvertsEveryText) {
  const std::string texts[] = {"M100", "M101", "\xC3\xB6" "ab", "ab\xC3\xB6", "abc", "abcd", "", "x",
                               std::string(16, 'q'), std::string(17, 'r'), std::string(40, 's') + "\xE2\x82\xAC",
                               "\xFF\xFE", "ok", std::string("a\0b", 3), "ab\x80", "zz"};
  COleVariant v;
  for (int number : {0, 1}) {
    for (std::string const& text : texts) {
      if (number) v = COleVariant(2.5);
      v.setUtf8(text);
      ASSERT_EQ(v.vt, VT_BSTR) << text;
      const std::wstring expected = zept::fromUtf8(text);
      EXPECT_EQ(std::wstring(v.bstrVal, expected.size()), expected) << text;
      EXPECT_EQ(v.bstrVal[expected.size()], L'\0') << text;
      EXPECT_EQ(v.text().str(), expected) << text;
    }
  }
}

TEST(COleVariantEquality, ComparesTypeThenValue) {
  EXPECT_NE(COleVariant(L"a"), COleVariant(L"A"));
  EXPECT_NE(COleVariant(5L), COleVariant(static_cast<short>(5)));
  EXPECT_NE(COleVariant(5L), COleVariant(5.0));
  EXPECT_EQ(COleVariant(true), COleVariant(1L, VT_BOOL));
  EXPECT_NE(COleVariant(1.5), COleVariant(1.5, VT_DATE));
  EXPECT_EQ(COleVariant::null(), COleVariant::null());
  EXPECT_NE(COleVariant::null(), COleVariant());
  EXPECT_NE(COleVariant(std::nan("")), COleVariant(std::nan("")));
}

struct ChangeCase {
  char const* name;
  COleVariant from;
  VARTYPE to;
  bool ok;
  COleVariant expected;  // the value after the call; the unchanged input when !ok
};

std::vector<ChangeCase> changeCases() {
  return {
      {"TextToLong", COleVariant(L"42"), VT_I4, true, COleVariant(42L)},
      {"PaddedTextToLong", COleVariant(L" -42 "), VT_I4, true, COleVariant(-42L)},
      {"TextToDouble", COleVariant(L"1.5"), VT_R8, true, COleVariant(1.5)},
      {"TextToByte", COleVariant(L"255"), VT_UI1, true, COleVariant(static_cast<BYTE>(255))},
      {"LetterText", COleVariant(L"abc"), VT_I4, false, COleVariant(L"abc")},
      {"TrailingGarbage", COleVariant(L"12abc"), VT_I4, false, COleVariant(L"12abc")},
      {"EmptyText", COleVariant(L""), VT_R8, false, COleVariant(L"")},
      {"TrueText", COleVariant(L"True"), VT_BOOL, true, COleVariant(true)},
      {"FalseText", COleVariant(L"false"), VT_BOOL, true, COleVariant(false)},
      {"DoubleRoundsHalfEven", COleVariant(2.5), VT_I4, true, COleVariant(2L)},
      {"DoubleRoundsHalfEvenUp", COleVariant(3.5), VT_I4, true, COleVariant(4L)},
      {"ShortOverflow", COleVariant(40000L), VT_I2, false, COleVariant(40000L)},
      {"ByteOverflow", COleVariant(256L), VT_UI1, false, COleVariant(256L)},
      {"ByteNegative", COleVariant(-1L), VT_UI1, false, COleVariant(-1L)},
      {"LongOverflow", COleVariant(3e9), VT_I4, false, COleVariant(3e9)},
      {"NanToLong", COleVariant(std::nan("")), VT_I4, false, COleVariant(std::nan(""))},
      {"LongToText", COleVariant(-12L), VT_BSTR, true, COleVariant(L"-12")},
      {"DoubleToText", COleVariant(0.1), VT_BSTR, true, COleVariant(L"0.1")},
      {"BoolToLong", COleVariant(true), VT_I4, true, COleVariant(-1L)},
      {"LongToBool", COleVariant(3L), VT_BOOL, true, COleVariant(true)},
      {"EmptyToLong", COleVariant(), VT_I4, true, COleVariant(0L)},
      {"EmptyToText", COleVariant(), VT_BSTR, true, COleVariant(L"")},
      {"NullToLong", COleVariant::null(), VT_I4, false, COleVariant::null()},
      {"NullToText", COleVariant::null(), VT_BSTR, false, COleVariant::null()},
  };
}

class COleVariantChangeType : public testing::TestWithParam<ChangeCase> {};
void PrintTo(ChangeCase const& c, std::ostream* os) { *os << c.name; }

TEST_P(COleVariantChangeType, ConvertsOrLeavesTheValue) {
  auto const& c = GetParam();
  COleVariant v(c.from);
  EXPECT_EQ(v.ChangeType(c.to), c.ok);
  if (std::isnan(c.expected.toDouble()) && c.expected.vt == VT_R8) {
    EXPECT_EQ(v.vt, VT_R8);
    EXPECT_TRUE(std::isnan(v.dblVal));
  } else {
    EXPECT_EQ(v, c.expected) << "vt " << v.vt << ", value " << v.toDisplayString().toUtf8();
  }
  if (v.vt == VT_BSTR) {
    EXPECT_EQ(CString(v.bstrVal), c.expected.text());
  }
}

INSTANTIATE_TEST_SUITE_P(All, COleVariantChangeType, testing::ValuesIn(changeCases()),
                         [](auto const& info) { return std::string(info.param.name); });

TEST(COleVariantText, EveryTypeComesBackFromItsText) {
  for (auto const& v :
       {COleVariant(123456789L), COleVariant(static_cast<short>(-300)), COleVariant(0.1), COleVariant(-2.5e-7),
        COleVariant(123456.789), COleVariant(true), COleVariant(false), COleVariant(static_cast<BYTE>(9))}) {
    COleVariant t(v);
    ASSERT_TRUE(t.ChangeType(VT_BSTR));
    ASSERT_TRUE(t.ChangeType(v.vt)) << t.text().toUtf8();
    EXPECT_EQ(t, v) << t.toDisplayString().toUtf8();
  }
  EXPECT_EQ(COleVariant(1.25f).toDisplayString(), L"1.25");
  EXPECT_EQ(COleVariant(100.0).toDisplayString(), L"100");
  EXPECT_EQ(COleVariant::null().toDisplayString(), L"");
  EXPECT_EQ(COleVariant(L"3").toDouble(), 0);
}

using COleVariantCommaLocale = zept::test::CommaLocaleTest;

TEST_F(COleVariantCommaLocale, StoredNumbersUseThePoint) {
  COleVariant text(L"1.5");
  ASSERT_TRUE(text.ChangeType(VT_R8));
  EXPECT_EQ(text.dblVal, 1.5);
  EXPECT_EQ(COleVariant(2.75).toDisplayString(), L"2.75");
  COleVariant number(0.5);
  ASSERT_TRUE(number.ChangeType(VT_BSTR));
  EXPECT_EQ(number.text(), L"0.5");
}

}  // namespace
