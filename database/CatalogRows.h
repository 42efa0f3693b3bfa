// SPDX-License-Identifier: MIT
// What the catalog accessors share: the typed field readers, the literals
// their statements write and the row walk; and for the fastener accessors
// (bolt, nut, washer, clamping range) selecting a catalog with its format
// check and unit system, the unit factor, and the snapshot walks that fill
// value lists and records. Internal to the library; not part of the public
// surface.
//
// Every walk catches whatever the data-access layer throws and answers
// false; what it appended before the failure stays.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "database/ZEPTDBBaseData.h"
#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/core/DtArray.h"
#include "platform/core/ZEPTString.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/host/DtDb.h"

namespace zept::catalog {

// A number as the catalog statements write it: "%f", "." as the separator.
CString number(double value);

// A text as the catalog statements write it, in double quotes. A text that
// holds a double quote would end the literal early and let the rest of it
// change the statement, so it throws the syntax error (3075) a broken
// statement gives, whatever the engine would make of it.
CString quoted(CString const& text);

// The unit system a Descriptions row names: English only for the exact text
// "in"; metric for any other text, no row, or a statement that fails.
std::int32_t catalogUnits(CDaoDatabase& db, wchar_t const* unitStatement);

// The factor from the catalog's unit system to the caller's.
double crossFactor(std::int32_t catalogUnits, DtDb::MeasurementValue units);

// A field's value is taken only when it has the expected variant type;
// otherwise `out` keeps what it held.
// The number types inline: a record takes dozens of them per row.
inline bool take(COleVariant const& value, double& out) {
  if (value.vt != VT_R8) return false;
  out = value.dblVal;
  return true;
}
inline bool take(COleVariant const& value, int& out) {
  if (value.vt != VT_I4) return false;
  out = static_cast<int>(value.lVal);
  return true;
}
inline bool take(COleVariant const& value, std::int16_t& out) {
  if (value.vt != VT_I2) return false;
  out = value.iVal;
  return true;
}
inline bool take(COleVariant const& value, bool& out) {
  if (value.vt != VT_BOOL) return false;
  out = value.boolVal != 0;
  return true;
}
bool take(COleVariant const& value, ZEPTString& out);
bool take(COleVariant const& value, CString& out);

template <typename T>
bool read(CDaoRecordset const& rs, wchar_t const* column, T& out) {
  COleVariant value;
  rs.GetFieldValue(column, value);
  return take(value, out);
}

// True when `db` is open and `exists` finds every table, asked in order.
template <typename Exists>
bool hasTables(CDaoDatabase& db, std::initializer_list<wchar_t const*> tables, Exists exists) {
  if (!db.IsOpen()) return false;
  for (auto const* table : tables)
    if (!exists(db, table)) return false;
  return true;
}

// Opens catalog `file` in `accessor` (whose database is `db`) and sets
// `units` to its unit system. A file `formatOk` refuses is closed again;
// `units` is metric after any failure.
template <typename FormatOk>
bool selectCatalog(ZEPTDBBaseData& accessor, CDaoDatabase& db, std::int32_t& units, CString const& file,
                   FormatOk formatOk, wchar_t const* unitStatement) {
  units = DtDb::kMetric;
  if (!accessor.setDB(file)) return false;
  if (!formatOk()) {
    db.Close();
    return false;
  }
  units = catalogUnits(db, unitStatement);
  return true;
}

// Calls `visit` with every row of a snapshot of `sql`. With `fromFirstRow`
// the walk starts by moving to the first row, so an empty result is a
// failure; without, it visits nothing and succeeds.
template <typename Visit>
bool forEachRow(CDaoDatabase& db, CString const& sql, bool fromFirstRow, Visit visit) {
  try {
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, sql, 0);
    if (fromFirstRow) rs.MoveFirst();
    while (!rs.IsEOF()) {
      visit(static_cast<CDaoRecordset const&>(rs));
      rs.MoveNext();
    }
    return true;
  } catch (...) {
    return false;
  }
}

// Empties `values` and appends `column` from every row where it has the
// expected type (see forEachRow for `fromFirstRow`).
template <typename T>
bool readColumn(CDaoDatabase& db, CString const& sql, wchar_t const* column, DtArray<T>& values, bool fromFirstRow) {
  values.setLogicalLength(0);
  T value{};
  return forEachRow(db, sql, fromFirstRow, [&](CDaoRecordset const& rs) {
    if (read(rs, column, value)) values.append(value);
  });
}

// Appends one record per row, from the first row on (none: false); `fill`
// reads a row into the record. With `resetEachRow` every row starts from a
// default record; without, one record serves all rows and a field a row
// cannot fill keeps the previous row's value.
template <typename Record, typename Fill>
bool appendRecords(CDaoDatabase& db, CString const& sql, DtArray<Record>& records, double factor, bool resetEachRow,
                   Fill fill) {
  try {
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, sql, 0);
    rs.MoveFirst();
    Record record;
    while (!rs.IsEOF()) {
      if (resetEachRow) record = Record();
      fill(rs, record);
      record.crossFactor = factor;
      records.append(record);
      rs.MoveNext();
    }
    return true;
  } catch (...) {
    return false;
  }
}

// The texts in which the nut and washer catalogs differ; the twins share
// everything else below.
struct TwinTexts {
  wchar_t const* prefix;      // of the catalog's file name
  wchar_t const* typesTable;  // the tables the format check asks for,
  wchar_t const* partsTable;  // in this order, then "Materials"
  wchar_t const* unitStatement;
  wchar_t const* diameterStatement;
  wchar_t const* thickBefore;  // the thickness statement around the
  wchar_t const* thickAfter;   // diameter
  wchar_t const* wholeStatement;
};

template <typename Exists>
bool twinFormatOk(CDaoDatabase& db, TwinTexts const& texts, Exists exists) {
  return hasTables(db, {texts.typesTable, texts.partsTable, L"Materials"}, exists);
}

inline bool twinDiameters(CDaoDatabase& db, TwinTexts const& texts, DtArray<double>& diameters) {
  return readColumn(db, texts.diameterStatement, L"InnerDiam", diameters, true);
}

inline bool twinThicknesses(CDaoDatabase& db, TwinTexts const& texts, double diameter, DtArray<double>& thicknesses) {
  return readColumn(db, texts.thickBefore + number(diameter) + texts.thickAfter, L"Thick", thicknesses, false);
}

template <typename Record>
bool twinWholeData(CDaoDatabase& db, TwinTexts const& texts, DtArray<Record>& records, double factor) {
  return appendRecords(db, texts.wholeStatement, records, factor, false, [](CDaoRecordset const& rs, Record& r) {
    read(rs, L"InnerDiam", r.diameter);
    read(rs, L"Thick", r.thickness);
    read(rs, L"Symbol", r.symbol);
  });
}

}  // namespace zept::catalog
