// SPDX-License-Identifier: MIT
// COleVariant: a tagged value with the COM variant type numbers, as DAO
// returns field and property values. bstrVal points into the variant's own
// text storage, so it is valid exactly as long as the variant (copies get
// their own storage).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/CString.h"
#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

using VARTYPE = unsigned short;
using VARIANT_BOOL = short;
using BSTR = wchar_t*;
using BYTE = unsigned char;

enum : VARTYPE {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R4 = 4,
  VT_R8 = 5,
  VT_CY = 6,
  VT_DATE = 7,
  VT_BSTR = 8,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_UI1 = 17,
};

inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

class COleVariant {
 public:
  COleVariant() : vt(VT_EMPTY), dblVal(0) {}
  COleVariant(wchar_t const* text, VARTYPE type = VT_BSTR);  // NOLINT: implicit as in MFC
  COleVariant(CString const& text);                          // NOLINT
  COleVariant(double value, VARTYPE type = VT_R8);           // NOLINT: VT_R8 or VT_DATE
  COleVariant(float value);                                  // NOLINT
  COleVariant(long value, VARTYPE type = VT_I4);             // NOLINT: VT_I4, VT_BOOL or VT_ERROR
  COleVariant(int value, VARTYPE type = VT_I4);              // NOLINT
  COleVariant(short value, VARTYPE type = VT_I2);            // NOLINT: VT_I2 or VT_BOOL
  COleVariant(BYTE value);                                   // NOLINT
  COleVariant(bool value);                                   // NOLINT

  COleVariant(COleVariant const& other);
  COleVariant& operator=(COleVariant const& other);
  COleVariant(COleVariant&& other) noexcept;
  COleVariant& operator=(COleVariant&& other) noexcept;
  ~COleVariant() = default;

  static COleVariant null();

  void Clear();
  // Makes this a VT_BSTR holding `utf8`, reusing the text storage it has.
  COleVariant& setUtf8(std::string_view utf8);
  // Converts in place the way VariantChangeType does for the types used
  // here (numbers round half to even; empty becomes 0 or ""); returns false
  // and leaves the value for null, out-of-range numbers and text that is not
  // wholly a number.
  bool ChangeType(VARTYPE type);

  bool isNull() const { return vt == VT_NULL; }
  // The text of a VT_BSTR, empty for every other type.
  CString text() const { return vt == VT_BSTR ? CString(m_text) : CString(); }
  // Numeric value of any numeric or boolean type; 0 for the rest.
  double toDouble() const;
  // A readable rendering for tools and messages ("" for null and empty).
  CString toDisplayString() const;

  friend bool operator==(COleVariant const& a, COleVariant const& b);

  VARTYPE vt;
  union {
    VARIANT_BOOL boolVal;
    BYTE bVal;
    short iVal;
    long lVal;
    float fltVal;
    double dblVal;
    double date;
    BSTR bstrVal;
    long scode;
  };

 private:
  void setText(std::wstring text);
  void copyFrom(COleVariant const& other);
  std::wstring m_text;
};

ZEPTDB_END_EXPORTS
