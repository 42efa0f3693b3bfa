#include "platform/core/COleVariant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/CommaLocale.h"
#include "support/CorePrinters.h"

namespace {

TEST(COleVariantConstruct, EveryConstructorSetsItsType) {
  EXPECT_EQ(COleVariant().vt, VT_EMPTY);
  EXPECT_EQ(COleVariant::null().vt, VT_NULL);
  EXPECT_TRUE(COleVariant::null().isNull());

  const COleVariant text(L"HEA 100");
  EXPECT_EQ(text.vt, VT_BSTR);
  EXPECT_EQ(std::wstring(text.bstrVal), L"HEA 100");
  EXPECT_EQ(COleVariant(CString(L"x")).vt, VT_BSTR);
  EXPECT_EQ(COleVariant(static_cast<wchar_t const*>(nullptr)).text(), L"");

  const COleVariant r8(2.5);
  EXPECT_EQ(r8.vt, VT_R8);
  EXPECT_EQ(r8.dblVal, 2.5);
  const COleVariant date(45000.25, VT_DATE);
  EXPECT_EQ(date.vt, VT_DATE);
  EXPECT_EQ(date.date, 45000.25);
  const COleVariant r4(1.25f);
  EXPECT_EQ(r4.vt, VT_R4);
  EXPECT_EQ(r4.fltVal, 1.25f);

  const COleVariant i4(-70000L);
  EXPECT_EQ(i4.vt, VT_I4);
  EXPECT_EQ(i4.lVal, -70000);
  EXPECT_EQ(COleVariant(12).vt, VT_I4);
  EXPECT_EQ(COleVariant(12).lVal, 12);
  const COleVariant err(3021L, VT_ERROR);
  EXPECT_EQ(err.vt, VT_ERROR);
  EXPECT_EQ(err.scode, 3021);

  const COleVariant i2(static_cast<short>(-5));
  EXPECT_EQ(i2.vt, VT_I2);
  EXPECT_EQ(i2.iVal, -5);
  const COleVariant ui1(static_cast<BYTE>(200));
  EXPECT_EQ(ui1.vt, VT_UI1);
  EXPECT_EQ(ui1.bVal, 200);
}

TEST(COleVariantConstruct, BooleansAreMinusOne) {
  for (auto const& v : {COleVariant(true), COleVariant(7L, VT_BOOL), COleVariant(static_cast<short>(2), VT_BOOL)}) {
    EXPECT_EQ(v.vt, VT_BOOL);
    EXPECT_EQ(v.boolVal, VARIANT_TRUE);
    EXPECT_EQ(v.boolVal, -1);
  }
  for (auto const& v : {COleVariant(false), COleVariant(0L, VT_BOOL), COleVariant(static_cast<short>(0), VT_BOOL)}) {
    EXPECT_EQ(v.vt, VT_BOOL);
    EXPECT_EQ(v.boolVal, VARIANT_FALSE);
  }
}

// bstrVal must point into the variant's own storage: reading it after the
// source is gone is a use-after-free that ASan reports.
class COleVariantText : public testing::Test {
 protected:
  static void expectOwnText(COleVariant const& v, wchar_t const* expected) {
    ASSERT_EQ(v.vt, VT_BSTR);
    ASSERT_NE(v.bstrVal, nullptr);
    EXPECT_EQ(std::wstring(v.bstrVal), expected);
    EXPECT_EQ(CString(v.bstrVal), v.text());
  }
  // Short texts live inside the string object, long ones on the heap.
  const std::vector<std::wstring> m_texts = {L"", L"ab", std::wstring(300, L'ö')};
};

TEST_F(COleVariantText, CopyOutlivesSource) {
  for (auto const& t : m_texts) {
    auto source = std::make_unique<COleVariant>(t.c_str());
    COleVariant copy(*source);
    EXPECT_NE(copy.bstrVal, source->bstrVal);
    source.reset();
    expectOwnText(copy, t.c_str());
  }
}

TEST_F(COleVariantText, CopyAssignOutlivesSource) {
  for (auto const& t : m_texts) {
    auto source = std::make_unique<COleVariant>(t.c_str());
    COleVariant copy(3L);
    copy = *source;
    source.reset();
    expectOwnText(copy, t.c_str());
  }
}

TEST_F(COleVariantText, MoveOutlivesSource) {
  for (auto const& t : m_texts) {
    auto source = std::make_unique<COleVariant>(t.c_str());
    COleVariant moved(std::move(*source));
    EXPECT_EQ(source->vt, VT_EMPTY);
    source.reset();
    expectOwnText(moved, t.c_str());

    auto source2 = std::make_unique<COleVariant>(t.c_str());
    COleVariant assigned(L"old text that is long enough to leave the small buffer");
    assigned = std::move(*source2);
    source2.reset();
    expectOwnText(assigned, t.c_str());
  }
}

TEST_F(COleVariantText, SurvivesVectorGrowthAndSwap) {
  std::vector<COleVariant> values;
  for (int i = 0; i < 50; ++i) values.emplace_back(CString(std::to_wstring(i)));
  for (int i = 0; i < 50; ++i) expectOwnText(values[static_cast<std::size_t>(i)], std::to_wstring(i).c_str());

  COleVariant a(L"a"), b(std::wstring(100, L'b').c_str());
  std::swap(a, b);
  expectOwnText(a, std::wstring(100, L'b').c_str());
  expectOwnText(b, L"a");
}

TEST_F(COleVariantText, AssigningANumberDropsText) {
  COleVariant v(L"text");
  v = COleVariant(5L);
  EXPECT_EQ(v.vt, VT_I4);
  EXPECT_EQ(v.lVal, 5);
  EXPECT_EQ(v.text(), L"");
  COleVariant copy(v);
  EXPECT_EQ(copy, COleVariant(5L));
  v.Clear();
  EXPECT_EQ(v.vt, VT_EMPTY);
}

TEST(COleVariantEquality, ComparesTypeThenValue) {
  EXPECT_EQ(COleVariant(L"a"), COleVariant(CString(L"a")));
  EXPECT_NE(COleVariant(L"a"), COleVariant(L"A"));
  EXPECT_EQ(COleVariant(5L), COleVariant(5));
  EXPECT_NE(COleVariant(5L), COleVariant(static_cast<short>(5)));
  EXPECT_NE(COleVariant(5L), COleVariant(5.0));
  EXPECT_EQ(COleVariant(true), COleVariant(1L, VT_BOOL));
  EXPECT_NE(COleVariant(true), COleVariant(false));
  EXPECT_EQ(COleVariant(1.5f), COleVariant(1.5f));
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
      {"TextToShort", COleVariant(L"-7"), VT_I2, true, COleVariant(static_cast<short>(-7))},
      {"TextToByte", COleVariant(L"255"), VT_UI1, true, COleVariant(static_cast<BYTE>(255))},
      {"LetterText", COleVariant(L"abc"), VT_I4, false, COleVariant(L"abc")},
      {"TrailingGarbage", COleVariant(L"12abc"), VT_I4, false, COleVariant(L"12abc")},
      {"EmptyText", COleVariant(L""), VT_R8, false, COleVariant(L"")},
      {"TrueText", COleVariant(L"True"), VT_BOOL, true, COleVariant(true)},
      {"FalseText", COleVariant(L"false"), VT_BOOL, true, COleVariant(false)},
      {"DoubleRoundsHalfEven", COleVariant(2.5), VT_I4, true, COleVariant(2L)},
      {"DoubleRoundsHalfEvenUp", COleVariant(3.5), VT_I4, true, COleVariant(4L)},
      {"NegativeDouble", COleVariant(-1.6), VT_I4, true, COleVariant(-2L)},
      {"ShortOverflow", COleVariant(40000L), VT_I2, false, COleVariant(40000L)},
      {"ByteOverflow", COleVariant(256L), VT_UI1, false, COleVariant(256L)},
      {"ByteNegative", COleVariant(-1L), VT_UI1, false, COleVariant(-1L)},
      {"LongOverflow", COleVariant(3e9), VT_I4, false, COleVariant(3e9)},
      {"NanToLong", COleVariant(std::nan("")), VT_I4, false, COleVariant(std::nan(""))},
      {"LongToDouble", COleVariant(7L), VT_R8, true, COleVariant(7.0)},
      {"LongToText", COleVariant(-12L), VT_BSTR, true, COleVariant(L"-12")},
      {"DoubleToText", COleVariant(0.1), VT_BSTR, true, COleVariant(L"0.1")},
      {"FloatToDouble", COleVariant(0.5f), VT_R8, true, COleVariant(0.5)},
      {"BoolToLong", COleVariant(true), VT_I4, true, COleVariant(-1L)},
      {"LongToBool", COleVariant(3L), VT_BOOL, true, COleVariant(true)},
      {"ZeroToBool", COleVariant(0.0), VT_BOOL, true, COleVariant(false)},
      {"DoubleToDate", COleVariant(1.5), VT_DATE, true, COleVariant(1.5, VT_DATE)},
      {"SameType", COleVariant(L"x"), VT_BSTR, true, COleVariant(L"x")},
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

TEST(COleVariantTextRoundTrip, EveryTypeComesBack) {
  for (auto const& v : {COleVariant(123456789L), COleVariant(static_cast<short>(-300)), COleVariant(0.1),
                        COleVariant(-2.5e-7), COleVariant(true), COleVariant(false),
                        COleVariant(static_cast<BYTE>(9))}) {
    COleVariant t(v);
    ASSERT_TRUE(t.ChangeType(VT_BSTR));
    ASSERT_TRUE(t.ChangeType(v.vt)) << t.text().toUtf8();
    EXPECT_EQ(t, v) << t.toDisplayString().toUtf8();
  }
}

TEST(COleVariantDisplay, Rendering) {
  EXPECT_EQ(COleVariant().toDisplayString(), L"");
  EXPECT_EQ(COleVariant::null().toDisplayString(), L"");
  EXPECT_EQ(COleVariant(L"Größe").toDisplayString(), L"Größe");
  EXPECT_EQ(COleVariant(static_cast<BYTE>(255)).toDisplayString(), L"255");
  EXPECT_EQ(COleVariant(true).toDisplayString(), L"True");
  EXPECT_EQ(COleVariant(1.25f).toDisplayString(), L"1.25");
  EXPECT_EQ(COleVariant(100.0).toDisplayString(), L"100");
  EXPECT_EQ(COleVariant(L"3").toDouble(), 0);
  EXPECT_EQ(COleVariant(static_cast<short>(-4)).toDouble(), -4);
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
