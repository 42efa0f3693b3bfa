// SPDX-License-Identifier: MIT
// The pieces every accessor shares: literals for statements (texts checked
// by CallerText), the catalog's unit, and typed reads of variant values.
#include "database/CatalogRows.h"

#include "database/CallerText.h"

#include "platform/core/Exceptions.h"

namespace zept::catalog {

CString number(double value) {
  CString text;
  text.Format(L"%f", value);
  return text;
}

CString quoted(CString const& text) {
  if (!zept::db::isLiteralText(text))
    throw CDaoException(zept::jet::kSyntaxError,
                        L"Syntax error in query expression: a text holds a double quote or a control character, or "
                        L"is too long.");
  return L'"' + text + L'"';
}

std::int32_t catalogUnits(CDaoDatabase& db, wchar_t const* unitStatement) {
  try {
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, unitStatement, 0);
    CString unit;
    if (!rs.IsEOF() && read(rs, L"Unit", unit) && unit == L"in") return DtDb::kEnglish;
  } catch (...) {
    // A catalog without Descriptions counts as metric.
  }
  return DtDb::kMetric;
}

double crossFactor(std::int32_t catalogUnits, DtDb::MeasurementValue units) {
  return ZEPTDBBaseData::calcCrossFactor(catalogUnits == DtDb::kMetric ? L"mm" : L"in",
                                         units == DtDb::kMetric ? L"mm" : L"in");
}

bool take(COleVariant const& value, ZEPTString& out) {
  if (value.vt != VT_BSTR) return false;
  out.assign(value.bstrVal ? std::wstring_view(value.bstrVal) : std::wstring_view());
  return true;
}

bool take(COleVariant const& value, CString& out) {
  if (value.vt != VT_BSTR) return false;
  out = value.bstrVal;
  return true;
}

}  // namespace zept::catalog
