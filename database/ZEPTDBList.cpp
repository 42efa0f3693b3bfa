// SPDX-License-Identifier: MIT
// Value-list reads: one snapshot walk serves the number and the text
// overloads.
#include "database/ZEPTDBList.h"

#include "platform/core/Exceptions.h"
#include "platform/dao/DaoRecordset.h"

namespace {

CString listStatement(bool sorted, DtDb::MeasurementValue units) {
  CString sql = L"SELECT DISTINCT * FROM List";
  if (units == DtDb::kEnglish) sql += L"E";
  if (sorted) sql += L" ORDER BY Value";
  return sql;
}

bool take(COleVariant const& v, double& out) {
  if (v.vt != VT_R8) return false;
  out = v.dblVal;
  return true;
}

bool take(COleVariant const& v, ZEPTString& out) {
  if (v.vt != VT_BSTR) return false;
  out = ZEPTString(v.bstrVal);
  return true;
}

// One walk for both overloads: they differ only in the type they accept.
template <typename T>
bool readList(CDaoDatabase& db, DtArray<T>& values, bool sorted, DtDb::MeasurementValue units, DtArray<T>* data) {
  values.setLogicalLength(0);
  try {
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, listStatement(sorted, units), 0);
    rs.MoveFirst();
    COleVariant field;
    T value{};
    T extra{};
    while (!rs.IsEOF()) {
      rs.GetFieldValue(L"Value", field);
      if (take(field, value)) {
        bool keep = true;
        if (data) {
          try {
            rs.GetFieldValue(L"Data", field);
            keep = take(field, extra);
          } catch (...) {
            keep = false;  // a missing or unreadable Data skips the entry
          }
          if (keep) data->append(extra);
        }
        if (keep) values.append(value);
      }
      rs.MoveNext();
    }
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace

ZEPTDBList::ZEPTDBList() : ZEPTDBBaseData(CFGProfiles) {}

ZEPTDBList::~ZEPTDBList() = default;

bool ZEPTDBList::setListDB(CString const& listName) { return setDB(listName + L"List"); }

bool ZEPTDBList::getListDBList(CStringArray& names, wchar_t const* filter) { return getDBList(L"*List", names, filter); }

bool ZEPTDBList::getList(DtArray<double>& values, bool sorted, DtDb::MeasurementValue units, DtArray<double>* data) {
  return readList(m_db, values, sorted, units, data);
}

bool ZEPTDBList::getList(DtArray<ZEPTString>& values, bool sorted, DtDb::MeasurementValue units,
                         DtArray<ZEPTString>* data) {
  return readList(m_db, values, sorted, units, data);
}
