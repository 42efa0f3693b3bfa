// SPDX-License-Identifier: MIT
// The user-object catalog as a whole: selection with its format check,
// listing by category, category and description with their translations,
// and creation. The objects themselves are in ZEPTDBUserObjRecords.cpp.
#include "database/ZEPTDBUserObj.h"

#include "database/CallerText.h"
#include "platform/dao/DaoTransaction.h"

#include <algorithm>
#include <span>

#include "database/CatalogRows.h"
#include "platform/dao/DaoTableDef.h"
#include "platform/fs/FileOps.h"

using namespace zept::catalog;

namespace {

constexpr wchar_t kCategory[] = L"UserObjCategory";
constexpr wchar_t kDescription[] = L"UserObjDescription";
constexpr wchar_t kIsMetric[] = L"UserObjIsMetric";

struct Field {
  wchar_t const* name;
  short type;
  long size;
  long attributes;
};

constexpr Field kObjectFields[] = {
    {L"ID", dbLong, 4, dbAutoIncrField},    {L"NAME", dbText, 255, dbVariableField}, {L"SIZEX", dbDouble, 8, 0},
    {L"SIZEY", dbDouble, 8, 0},             {L"SIZEZ", dbDouble, 8, 0},              {L"SCALEX", dbDouble, 8, 0},
    {L"SCALEY", dbDouble, 8, 0},            {L"SCALEZ", dbDouble, 8, 0},             {L"MASS", dbDouble, 8, 0},
    {L"BOLTEXT", dbDouble, 8, 0},           {L"SYM3D", dbMemo, 0, dbVariableField},  {L"SYMXY", dbMemo, 0, dbVariableField},
    {L"SYMXZ", dbMemo, 0, dbVariableField}, {L"SYMYZ", dbMemo, 0, dbVariableField},  {L"SYMMETRY", dbBoolean, 1, 0},
    {L"ISMETRIC", dbBoolean, 1, 0}};
constexpr Field kParameterFields[] = {{L"NAME", dbText, 255, dbVariableField},
                                      {L"DESCRIPTION", dbText, 255, dbVariableField},
                                      {L"VALUE", dbText, 255, dbVariableField}};
constexpr Field kLocaleFields[] = {
    {L"LANG", dbLong, 4, 0}, {L"CATEGORY", dbText, 255, dbVariableField}, {L"DESCRIPTION", dbText, 255, dbVariableField}};

void appendTable(CDaoDatabase& db, wchar_t const* name, std::span<Field const> fields) {
  CDaoTableDef def(&db);
  def.Create(name);
  for (auto const& f : fields) def.CreateField(f.name, f.type, f.size, f.attributes);
  def.Append();
  def.Close();
}

CString localeStatement(long lang) {
  CString sql;
  sql.Format(L"SELECT Locales.* FROM Locales WHERE ((Locales.LANG)=%ld);", lang);
  return sql;
}

// Categories are named by lists (";" between them, blanks and ";" trimmed
// off the ends): one that no list names exactly would be listed under, and
// answered for by, the catalogs of another.
bool isListable(CString const& category, CStringArray const& pieces) {
  return pieces.GetSize() == 1 && pieces[0] == category;
}

bool listed(CStringArray const& list, CString const& text) {
  for (int i = list.GetSize() - 1; i >= 0; --i)
    if (list[i] == text) return true;
  return false;
}

}  // namespace

ZEPTDBUserObj::ZEPTDBUserObj() : ZEPTDBBaseData(CFGUserObjects) {}

ZEPTDBUserObj::~ZEPTDBUserObj() = default;

bool ZEPTDBUserObj::setUserObjDB(CString const& name) {
  if (!setDB(name)) return false;
  if (!m_db.IsOpen()) return true;
  return knownFormat(CheckDBFormat(m_db) == kKnownLayout);
}

ZEPTDBUserObj::eVersion ZEPTDBUserObj::CheckDBFormat(CDaoDatabase& db) {
  const bool tables = hasTables(db, {L"UserObjects", L"ExtraParameters"},
                                [this](CDaoDatabase& d, wchar_t const* table) { return isTableExist(d, table); });
  COleVariant category;
  return tables && getDBProperty(db, kCategory, category) && category.vt == VT_BSTR ? kKnownLayout : kUnknownLayout;
}

void ZEPTDBUserObj::reopen(CString const& previous) {
  if (!previous.IsEmpty()) openDatabase(m_db, previous, true, false);
}

bool ZEPTDBUserObj::getUserObjDBList(CStringArray& names, wchar_t const* categories) {
  const CStringArray wanted = categories ? splitList(categories, L';') : CStringArray();
  if (!getDBList(L"*", names, nullptr)) return false;
  const CString previous = getFullDBName();
  for (int i = names.GetSize() - 1; i >= 0; --i)
    if (!setUserObjDB(names[i]) || (categories && !listed(wanted, Category()))) names.RemoveAt(i);
  reopen(previous);
  return true;
}

CString ZEPTDBUserObj::textProperty(wchar_t const* name) {
  COleVariant value;
  if (!m_db.IsOpen() || !getDBProperty(name, value) || value.vt != VT_BSTR) return CString();
  return value.text();
}

CString ZEPTDBUserObj::Category() { return textProperty(kCategory); }

CString ZEPTDBUserObj::Description() { return textProperty(kDescription); }

bool ZEPTDBUserObj::SetCategory(CString const& text) {
  return m_db.IsOpen() && isListable(text, splitList(text, L';')) &&
         setDBProperty(kCategory, COleVariant(text), dbText);
}

bool ZEPTDBUserObj::SetDescription(CString const& text) {
  return m_db.IsOpen() && setDBProperty(kDescription, COleVariant(text), dbText);
}

CString ZEPTDBUserObj::LocalCategory(long lang) {
  if (!m_db.IsOpen()) return CString();
  return localText(lang, L"CATEGORY", Category());
}

CString ZEPTDBUserObj::LocalDescription(long lang) {
  if (!m_db.IsOpen()) return CString();
  return localText(lang, L"DESCRIPTION", Description());
}

CString ZEPTDBUserObj::localText(long lang, wchar_t const* column, CString const& plain) {
  if (!isTableExist(m_db, L"Locales")) return plain;
  if (lang < 0) lang = ZEPTDBUserObjData::currentLang();
  if (lang < 0) return plain;
  try {
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenDynaset, localeStatement(lang), 0);
    CString text;
    if (rs.IsEOF() || !read(rs, column, text) || text.IsEmpty()) return plain;
    return text;
  } catch (...) {
    return plain;
  }
}

bool ZEPTDBUserObj::SetLocalCategory(CString const& text, long lang) { return setLocalText(text, lang, L"CATEGORY"); }

bool ZEPTDBUserObj::SetLocalDescription(CString const& text, long lang) {
  return setLocalText(text, lang, L"DESCRIPTION");
}

bool ZEPTDBUserObj::setLocalText(CString const& text, long lang, wchar_t const* column) {
  if (lang < 0) lang = ZEPTDBUserObjData::currentLang();
  if (lang < 0) return false;
  ZEPTDBStatus status;
  if (!makeDBWritable(status)) return false;
  try {
    // A catalog without translations gets its table with the first one.
    CDaoTransaction tx(m_db);
    if (!isTableExist(m_db, L"Locales") && !createLocalesTable()) return false;
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenDynaset, localeStatement(lang), 0);
    if (rs.IsEOF()) {
      rs.AddNew();
      rs.SetFieldValue(L"LANG", COleVariant(lang));
    } else {
      rs.Edit();
    }
    rs.SetFieldValue(column, COleVariant(text.Left(255)));
    rs.Update();
    rs.Close();
    tx.Commit();
  } catch (...) {
    return false;
  }
  restoreDBStatus(status);
  return true;
}

int ZEPTDBUserObj::createUserObjDB(CString const& name, CString const& category, CString const& description,
                                   DtDb::MeasurementValue units) {
  if (category.IsEmpty() || !isListable(category, splitList(category, L';'))) return 2;
  if (m_appPath.IsEmpty() || !zept::db::isCatalogName(name)) return -1;
  const CString path = m_appPath + name + L".mdb";
  try {
    CStringArray names;
    if (!getDBList(L"*", names, nullptr)) return -1;
    CString upperName = name;
    upperName.MakeUpper();
    if (listed(names, upperName)) return 1;
    if (zept::fs::fileExists(path.view()) || !startCatalog(path)) return -1;
  } catch (...) {
    return -1;
  }
  bool built = false;
  try {
    built = setDBProperty(kCategory, COleVariant(category), dbText) &&
            setDBProperty(kDescription, COleVariant(description), dbText) &&
            setDBProperty(kIsMetric, COleVariant(units == DtDb::kMetric), dbBoolean);
    if (built) {
      appendTable(m_db, L"UserObjects", kObjectFields);
      appendTable(m_db, L"ExtraParameters", kParameterFields);
      built = createLocalesTable();
    }
  } catch (...) {
    built = false;
  }
  return finishCatalog(path) && built ? 0 : -1;
}

bool ZEPTDBUserObj::createLocalesTable() {
  try {
    appendTable(m_db, L"Locales", kLocaleFields);
    return true;
  } catch (...) {
    return false;
  }
}

bool ZEPTDBUserObj::getUserObjCategoryList(CStringArray& categories, CStringArray* localCategories, long lang) {
  categories.RemoveAll();
  if (localCategories) localCategories->RemoveAll();
  if (lang < 0) lang = ZEPTDBUserObjData::currentLang();
  CStringArray names;
  if (!getDBList(L"*", names, nullptr)) return false;
  const CString previous = getFullDBName();
  for (int i = names.GetSize() - 1; i >= 0; --i) {
    if (!setUserObjDB(names[i])) continue;
    const CString category = Category();
    int found = categories.GetSize() - 1;
    while (found >= 0 && categories[found] != category) --found;
    if (found < 0) {
      categories.Add(category);
      if (localCategories) localCategories->Add(LocalCategory(lang));
    } else if (localCategories && (*localCategories)[found] == category) {
      // No translation so far: a later catalog of the category may have one.
      (*localCategories)[found] = LocalCategory(lang);
    }
  }
  reopen(previous);
  return true;
}

bool ZEPTDBUserObj::getUserObjCategoryLocales(CString const& category, ZEPTDBUserObjData::Locales& locales) {
  locales.setLogicalLength(0);
  CStringArray names;
  if (!getUserObjDBList(names, category)) return false;
  if (names.IsEmpty()) return true;
  const CString previous = getFullDBName();
  for (auto const& name : names) {
    if (!setDB(name) || !isTableExist(m_db, L"Locales")) continue;
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenDynaset, L"SELECT Locales.* FROM Locales;", 0);
    CString text;  // a CATEGORY that is not a text repeats the previous row's
    for (; !rs.IsEOF(); rs.MoveNext()) {
      int lang = 0;
      if (!read(rs, L"LANG", lang) || lang < 1) continue;
      const bool known = std::any_of(locales.begin(), locales.end(), [&](auto const& l) { return l.lang == lang; });
      if (known) continue;
      read(rs, L"CATEGORY", text);
      locales.append(ZEPTDBUserObjData::Locale(lang, cut(text), nullptr));
    }
  }
  reopen(previous);
  return true;
}

bool ZEPTDBUserObj::clearLocales() {
  if (!isTableExist(m_db, L"Locales") || isTableEmpty(m_db, L"Locales")) return true;
  ZEPTDBStatus status;
  if (!makeDBWritable(status)) return false;
  try {
    m_db.Execute(L"DELETE * FROM Locales;", dbFailOnError);
  } catch (...) {
    return false;
  }
  restoreDBStatus(status);
  return true;
}
