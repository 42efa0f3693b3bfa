// SPDX-License-Identifier: MIT
// COleVariant's construction, copying and text storage; engine texts arrive
// as UTF-8 and are widened here, short ASCII ones without a full decode.
#include "platform/core/COleVariant.h"

#include "platform/core/Utf8.h"

#include <cmath>
#include <cstdint>
#include <cwchar>
#include <limits>

#include "platform/core/ValueLocale.h"

COleVariant::COleVariant(wchar_t const* text, VARTYPE) : vt(VT_BSTR), dblVal(0) { setText(text ? text : L""); }

COleVariant::COleVariant(CString const& text) : vt(VT_BSTR), dblVal(0) { setText(text.str()); }

COleVariant::COleVariant(double value, VARTYPE type) : vt(type == VT_DATE ? VT_DATE : VT_R8), dblVal(value) {}

COleVariant::COleVariant(float value) : vt(VT_R4), dblVal(0) { fltVal = value; }

COleVariant::COleVariant(long value, VARTYPE type) : vt(VT_I4), dblVal(0) {
  if (type == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    vt = type == VT_ERROR ? VT_ERROR : VT_I4;
    lVal = value;
  }
}

COleVariant::COleVariant(int value, VARTYPE type) : COleVariant(static_cast<long>(value), type) {}

COleVariant::COleVariant(short value, VARTYPE type) : vt(VT_I2), dblVal(0) {
  if (type == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    iVal = value;
  }
}

COleVariant::COleVariant(BYTE value) : vt(VT_UI1), dblVal(0) { bVal = value; }

COleVariant::COleVariant(bool value) : vt(VT_BOOL), dblVal(0) { boolVal = value ? VARIANT_TRUE : VARIANT_FALSE; }

COleVariant::COleVariant(COleVariant const& other) : vt(VT_EMPTY), dblVal(0) { copyFrom(other); }

COleVariant& COleVariant::operator=(COleVariant const& other) {
  if (this != &other) copyFrom(other);
  return *this;
}

COleVariant::COleVariant(COleVariant&& other) noexcept : vt(other.vt), dblVal(other.dblVal) {
  if (vt == VT_BSTR) {
    m_text = std::move(other.m_text);
    bstrVal = m_text.data();
    other.Clear();
  }
}

COleVariant& COleVariant::operator=(COleVariant&& other) noexcept {
  if (this == &other) return *this;
  vt = other.vt;
  dblVal = other.dblVal;
  if (vt == VT_BSTR) {
    m_text = std::move(other.m_text);
    bstrVal = m_text.data();
    other.Clear();
  } else {
    m_text.clear();
  }
  return *this;
}

COleVariant COleVariant::null() {
  COleVariant v;
  v.vt = VT_NULL;
  return v;
}

void COleVariant::Clear() {
  vt = VT_EMPTY;
  dblVal = 0;
  m_text.clear();
}

namespace {

// Widens a short ASCII text over `out`'s characters, of its length already;
// false, with `out` overwritten, when the text is not ASCII.
bool widenAscii(std::wstring& out, std::string_view utf8) {
  auto const* src = reinterpret_cast<unsigned char const*>(utf8.data());
  wchar_t* dst = out.data();
  unsigned bits = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    bits |= src[i];
    dst[i] = static_cast<wchar_t>(src[i]);
  }
  return bits < 0x80;
}

constexpr std::size_t kShortText = 16;

[[gnu::noinline]] void assignWide(std::wstring& out, std::string_view utf8) {
  if (utf8.size() <= kShortText) {
    out.resize(utf8.size());
    if (widenAscii(out, utf8)) return;
  }
  out.clear();
  zept::appendWide(out, utf8);
}

}  // namespace

COleVariant& COleVariant::setUtf8(std::string_view utf8) {
  // A scan reads short ASCII texts row after row into one variant, mostly of
  // the same length: they are widened in place, without a call.
  const std::size_t n = utf8.size();
  if (n != m_text.size() || n > kShortText || !widenAscii(m_text, utf8)) assignWide(m_text, utf8);
  vt = VT_BSTR;
  bstrVal = m_text.data();
  return *this;
}

void COleVariant::setText(std::wstring text) {
  m_text = std::move(text);
  vt = VT_BSTR;
  bstrVal = m_text.data();
}

void COleVariant::copyFrom(COleVariant const& other) {
  if (other.vt == VT_BSTR) {
    setText(other.m_text);
  } else {
    m_text.clear();
    vt = other.vt;
    dblVal = other.dblVal;  // the widest member carries every non-text value
  }
}

double COleVariant::toDouble() const {
  switch (vt) {
    case VT_I2: return iVal;
    case VT_I4: return static_cast<double>(lVal);
    case VT_R4: return fltVal;
    case VT_R8: return dblVal;
    case VT_DATE: return date;
    case VT_BOOL: return boolVal;
    case VT_UI1: return bVal;
    default: return 0;
  }
}

namespace {

// Whole text as a number, white space around it allowed; "True"/"False" as
// they are displayed. Parsed under the C locale, as stored values are written.
bool parseNumber(std::wstring const& text, double& value) {
  CString trimmed(text);
  trimmed.Trim();
  if (trimmed.CompareNoCase(L"True") == 0 || trimmed.CompareNoCase(L"False") == 0) {
    value = trimmed.CompareNoCase(L"True") == 0 ? VARIANT_TRUE : VARIANT_FALSE;
    return true;
  }
  const zept::ScopedValueLocale locale;
  wchar_t* end = nullptr;
  value = std::wcstod(trimmed.GetString(), &end);
  return !trimmed.IsEmpty() && *end == L'\0';
}

// Rounds half to even, as VariantChangeType does; false when out of range.
bool toInteger(double value, double low, double high, long& out) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= low && rounded <= high)) return false;  // also NaN
  out = static_cast<long>(rounded);
  return true;
}

}  // namespace

bool COleVariant::ChangeType(VARTYPE type) {
  if (type == vt) return true;
  if (vt == VT_NULL) return false;
  if (type == VT_BSTR) {
    setText(vt == VT_EMPTY ? std::wstring() : toDisplayString().str());
    return true;
  }
  double value = 0;  // VT_EMPTY converts as zero
  if (vt == VT_BSTR) {
    if (!parseNumber(m_text, value)) return false;
  } else if (vt != VT_EMPTY) {
    value = toDouble();
  }
  long whole = 0;
  switch (type) {
    case VT_I2:
      if (!toInteger(value, std::numeric_limits<short>::min(), std::numeric_limits<short>::max(), whole)) return false;
      m_text.clear(); vt = VT_I2; iVal = static_cast<short>(whole); return true;
    case VT_I4:
      if (!toInteger(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), whole))
        return false;
      m_text.clear(); vt = VT_I4; lVal = whole; return true;
    case VT_UI1:
      if (!toInteger(value, 0, 255, whole)) return false;
      m_text.clear(); vt = VT_UI1; bVal = static_cast<BYTE>(whole); return true;
    case VT_R4:
      if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) return false;
      m_text.clear(); vt = VT_R4; fltVal = static_cast<float>(value); return true;
    case VT_R8: m_text.clear(); vt = VT_R8; dblVal = value; return true;
    case VT_DATE: m_text.clear(); vt = VT_DATE; date = value; return true;
    case VT_BOOL: m_text.clear(); vt = VT_BOOL; boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE; return true;
    default: return false;
  }
}

CString COleVariant::toDisplayString() const {
  CString out;
  switch (vt) {
    case VT_BSTR: return CString(m_text);
    case VT_I2: case VT_I4: case VT_UI1: out.Format(L"%ld", static_cast<long>(toDouble())); return out;
    case VT_BOOL: return boolVal ? L"True" : L"False";
    case VT_R4: out.Format(L"%.7g", static_cast<double>(fltVal)); return out;  // a float's own precision
    case VT_R8: case VT_DATE: out.Format(L"%.15g", toDouble()); return out;
    default: return out;
  }
}

// A friend declared only in the class: exported here.
ZEPTDB_EXPORT bool operator==(COleVariant const& a, COleVariant const& b) {
  if (a.vt != b.vt) return false;
  switch (a.vt) {
    case VT_EMPTY: case VT_NULL: return true;
    case VT_BSTR: return a.m_text == b.m_text;
    case VT_I2: return a.iVal == b.iVal;
    case VT_I4: case VT_ERROR: return a.lVal == b.lVal;
    case VT_R4: return a.fltVal == b.fltVal;
    case VT_BOOL: return a.boolVal == b.boolVal;
    case VT_UI1: return a.bVal == b.bVal;
    default: return a.dblVal == b.dblVal;
  }
}
