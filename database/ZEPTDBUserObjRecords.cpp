// SPDX-License-Identifier: MIT
// The objects of a user-object catalog: listing, reading (the mass converted
// into the reader's unit system), writing, removing, and collecting what a
// catalog file refers to.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "database/CatalogRows.h"
#include "database/ZEPTDBUserObj.h"

#include "database/CallerText.h"
#include "platform/dao/DaoTransaction.h"

using namespace zept::catalog;

namespace {

// "((Table.NAME)="name")": the condition that picks an object's rows.
CString byName(wchar_t const* table, CString const& name) {
  return CString(L"((") + table + L".NAME)=" + quoted(name) + L")";
}

}  // namespace

CString ZEPTDBUserObj::cut(CString const& text) {
  const int end = text.FindOneOf(L"\n\r\t");
  return end < 0 ? text : text.Left(end);
}

void ZEPTDBUserObj::readLocales(CDaoDatabase& db, ZEPTDBUserObjData::Locales& locales, bool keepEmpty) {
  CDaoRecordset rs(&db);
  rs.Open(dbOpenDynaset, L"SELECT Locales.* FROM Locales;", 0);
  CString category, description;
  for (; !rs.IsEOF(); rs.MoveNext()) {
    int lang = 0;
    if (!read(rs, L"LANG", lang) || lang < 1) continue;
    read(rs, L"CATEGORY", category);
    read(rs, L"DESCRIPTION", description);
    category = cut(category);
    description = cut(description);
    if (keepEmpty || !category.IsEmpty() || !description.IsEmpty())
      locales.append(ZEPTDBUserObjData::Locale(lang, category, description));
  }
}

bool ZEPTDBUserObj::getUserObjNameList(CStringArray& names) {
  names.RemoveAll();
  CString name;
  return forEachRow(m_db, L"SELECT NAME FROM UserObjects;", false, [&](CDaoRecordset const& rs) {
    if (read(rs, L"NAME", name)) names.Add(cut(name));
  });
}

bool ZEPTDBUserObj::getUserObjData(CString const& name, ZEPTDBUserObjData* data, DtDb::MeasurementValue units) {
  const CString key = cut(name);
  try {
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenSnapshot, L"SELECT * FROM UserObjects WHERE " + byName(L"UserObjects", key) + L";", 0);
    if (rs.IsEOF()) return false;
    if (!data) return true;

    read(rs, L"ID", data->id);
    if (CString text; read(rs, L"NAME", text)) data->name = cut(text);
    for (auto const& c : kUserObjNumbers) read(rs, c.column, data->*c.member);
    for (auto const& c : kUserObjSymbols) {
      const COleVariant value = rs.GetFieldValue(c.column);
      if (value.vt == VT_BSTR) data->*c.member = extractFileName(value.bstrVal);
      if (value.vt == VT_NULL) (data->*c.member).empty();
    }
    read(rs, L"SYMMETRY", data->symmetry);
    const COleVariant isMetric = rs.GetFieldValue(L"ISMETRIC");
    take(isMetric, data->isMetric);
    const int rowUnits = isMetric.vt == VT_BOOL && !isMetric.boolVal ? DtDb::kEnglish : DtDb::kMetric;
    if (rowUnits != units) {
      if (rowUnits == DtDb::kMetric)
        data->mass *= calcCrossFactor(L"kg", L"lb");
      else if (units == DtDb::kMetric)
        data->mass *= calcCrossFactor(L"lb", L"kg");
    }
    data->category = Category();
    data->description = Description();
    rs.Close();
    CString catalog = extractFileName(getFullDBName());
    if (const int at = catalog.Find(L".MDB"); at >= 0) catalog.Delete(at, 4);
    data->catalog = catalog;

    data->extraParameters.setLogicalLength(0);
    CDaoRecordset parameters(&m_db);
    parameters.Open(dbOpenDynaset, L"SELECT * FROM ExtraParameters WHERE " + byName(L"ExtraParameters", key) + L";",
                    0);
    for (; !parameters.IsEOF(); parameters.MoveNext()) {
      CString description, value;
      if (read(parameters, L"DESCRIPTION", description) && read(parameters, L"VALUE", value))
        data->extraParameters.append(ZEPTDBUserObjData::ExtraParameter(cut(description), cut(value)));
    }
    parameters.Close();

    data->locales.setLogicalLength(0);
    if (isTableExist(m_db, L"Locales")) readLocales(m_db, data->locales, false);
    return true;
  } catch (...) {
    return false;
  }
}

int ZEPTDBUserObj::setUserObjData(ZEPTDBUserObjData const& data, DtDb::MeasurementValue units) {
  const CString name = cut(data.name);
  if (name.IsEmpty()) return 2;
  if (data.category.isEmpty() || CString(data.category) != Category()) return 1;
  // Refused before the catalog is made writable, which a failure keeps it.
  if (!zept::db::isLiteralText(name)) return -1;
  for (auto const& p : data.extraParameters)
    if (!zept::db::isLiteralText(cut(p.description))) return -1;
  // A catalog holds no NaN (it would read back as a null) and no infinity.
  for (auto const& c : kUserObjNumbers)
    if (!std::isfinite(data.*c.member)) return -1;
  ZEPTDBStatus status;
  if (!makeDBWritable(status)) return -1;
  try {
    // Every statement is checked before the first write, so a text that
    // would break one leaves the catalog as it was.
    const CString object = byName(L"UserObjects", name);
    const CString parameters = byName(L"ExtraParameters", name);
    std::vector<CString> extraConditions;
    for (auto const& p : data.extraParameters)
      extraConditions.push_back(L"(" + parameters + L" AND ((ExtraParameters.DESCRIPTION)=" +
                             quoted(cut(p.description)) + L"))");

    // The object row and its extra parameters are one change.
    CDaoTransaction tx(m_db);
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenDynaset, L"SELECT UserObjects.* FROM UserObjects WHERE " + object + L";", 0);
    rs.IsEOF() ? rs.AddNew() : rs.Edit();
    rs.SetFieldValue(L"NAME", COleVariant(name.Left(255)));
    for (auto const& c : kUserObjNumbers) rs.SetFieldValue(c.column, COleVariant(data.*c.member));
    for (auto const& c : kUserObjSymbols) rs.SetFieldValue(c.column, (data.*c.member).c_str());
    rs.SetFieldValue(L"SYMMETRY", COleVariant(data.symmetry));
    rs.SetFieldValue(L"ISMETRIC", COleVariant(units == DtDb::kMetric));
    rs.Update();
    rs.Close();

    m_db.Execute(L"DELETE * FROM ExtraParameters WHERE " + parameters + L";", dbFailOnError);
    for (int i = 0; i < data.extraParameters.length(); ++i) {
      auto const& p = data.extraParameters[i];
      CDaoRecordset row(&m_db);
      row.Open(dbOpenDynaset, L"SELECT ExtraParameters.* FROM ExtraParameters WHERE " + extraConditions[static_cast<std::size_t>(i)] + L";", 0);
      row.AddNew();
      row.SetFieldValue(L"NAME", COleVariant(name.Left(255)));
      row.SetFieldValue(L"DESCRIPTION", COleVariant(cut(p.description)));
      row.SetFieldValue(L"VALUE", COleVariant(cut(p.value)));
      row.Update();
      row.Close();
    }
    tx.Commit();
  } catch (...) {
    return -1;
  }
  restoreDBStatus(status);
  return 0;
}

bool ZEPTDBUserObj::removeUserObjData(CString const& name) {
  if (!zept::db::isLiteralText(cut(name))) return false;
  ZEPTDBStatus status;
  if (!makeDBWritable(status)) return false;
  try {
    m_db.Execute(L"DELETE NAME FROM UserObjects WHERE " + byName(L"UserObjects", cut(name)) + L";", dbFailOnError);
  } catch (...) {
    return false;
  }
  restoreDBStatus(status);
  return true;
}

bool ZEPTDBUserObj::collectUserObjDBInfo(CString const& path, CString& category, CString& description,
                                         CStringArray& symbols, ZEPTDBUserObjData::Locales* locales) {
  category.Empty();
  description.Empty();
  symbols.RemoveAll();
  if (locales) locales->setLogicalLength(0);
  CDaoDatabase db;
  if (!openDatabase(db, path, true, false)) return false;
  if (CheckDBFormat(db) != kKnownLayout) return false;
  try {
    COleVariant value;
    if (getDBProperty(db, L"UserObjCategory", value) && value.vt == VT_BSTR) category = value.text();
    if (getDBProperty(db, L"UserObjDescription", value) && value.vt == VT_BSTR) description = value.text();
    const bool read = forEachRow(db, L"SELECT SYM3D,SYMXY,SYMXZ,SYMYZ FROM UserObjects;", false,
                                 [&](CDaoRecordset const& rs) {
                                   for (auto const& c : kUserObjSymbols) {
                                     const COleVariant symbol = rs.GetFieldValue(c.column);
                                     if (symbol.vt != VT_BSTR) continue;
                                     const CString file = extractFileName(symbol.bstrVal);
                                     const bool known = std::any_of(symbols.begin(), symbols.end(), [&](auto const& s) {
                                       return s.CompareNoCase(file) == 0;
                                     });
                                     if (!known) symbols.Add(file);
                                   }
                                 });
    if (!read) return false;
    if (locales && isTableExist(db, L"Locales")) readLocales(db, *locales, true);
    return true;
  } catch (...) {
    return false;
  }
}
