// SPDX-License-Identifier: MIT
// The standards catalog's lists and companions: each file name is trimmed to
// its short name and kept only when its own accessor can select it.
#include "database/ZEPTDBBoltStandards.h"

#include "database/CallerText.h"

#include "database/CatalogRows.h"
#include "database/ZEPTDBBolt.h"
#include "database/ZEPTDBClampingRange.h"
#include "database/ZEPTDBNut.h"
#include "database/ZEPTDBWasher.h"

using namespace zept::catalog;

namespace {

// Walks a column of file names, turning each into a short name with `trim`
// and keeping it when `Accessor` (one for the whole walk) selects it. The
// first value that is not text ends the walk.
template <typename Accessor, typename Trim>
bool collectStandards(CDaoDatabase& db, wchar_t const* sql, wchar_t const* column, CStringArray& names, Trim trim,
                      bool (Accessor::*select)(CString const&)) {
  names.RemoveAll();
  if (!db.IsOpen()) return false;
  try {
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, sql, 0);
    Accessor checker;
    rs.MoveFirst();
    while (!rs.IsEOF()) {
      CString name;
      if (!read(rs, column, name)) break;
      if (trim(name) && (checker.*select)(name)) names.Add(name);
      rs.MoveNext();
    }
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace

ZEPTDBBoltStandards::ZEPTDBBoltStandards() : ZEPTDBBaseData(CFGFasteners) { setBoltStandardsDB(L"BoltsNutsWashers"); }

ZEPTDBBoltStandards::~ZEPTDBBoltStandards() = default;

bool ZEPTDBBoltStandards::setBoltStandardsDB(CString const& name) {
  if (setDB(name) && CheckDBFormat(m_db) == kKnownLayout) return true;
  m_db.Close();
  return false;
}

ZEPTDBBoltStandards::eVersion ZEPTDBBoltStandards::CheckDBFormat(CDaoDatabase& db) {
  const bool known =
      hasTables(db, {L"Bolts"}, [this](CDaoDatabase& d, wchar_t const* table) { return isTableExist(d, table); });
  return known ? kKnownLayout : kUnknownLayout;
}

bool ZEPTDBBoltStandards::trimNameByMask(CString const& mask, CString& name) {
  if (mask.IsEmpty() || name.GetLength() < mask.GetLength()) return false;
  CString pattern = mask + L".MDB";
  pattern.MakeUpper();
  const int star = pattern.Find(L'*');
  if (star < 0) return false;
  const CString suffix = pattern.Mid(star + 1);
  name.MakeUpper();
  // A name stored without the extension keeps its end.
  if (const int at = name.Find(suffix); at >= 0) name.Delete(at, suffix.GetLength());
  name.Delete(0, star);
  return true;
}

bool ZEPTDBBoltStandards::getBoltStandardsList(CStringArray& names) {
  return collectStandards(
      m_db, L"SELECT DISTINCT BoltStand FROM Bolts", L"BoltStand", names,
      [this](CString& n) { return trimNameByMask(L"Bolts_*", n); }, &ZEPTDBBolt::setBoltDB);
}

bool ZEPTDBBoltStandards::getNutStandardsList(CStringArray& names) {
  return collectStandards(
      m_db, L"SELECT DISTINCT NutStand FROM Bolts", L"NutStand", names,
      [this](CString& n) { return trimNameByMask(L"Nuts_*", n); }, &ZEPTDBNut::setNutDB);
}

bool ZEPTDBBoltStandards::getWasherStandardsList(CStringArray& names) {
  return collectStandards(
      m_db, L"SELECT DISTINCT WasherStand FROM Bolts", L"WasherStand", names,
      [this](CString& n) { return trimNameByMask(L"Washers_*", n); }, &ZEPTDBWasher::setWasherDB);
}

bool ZEPTDBBoltStandards::getStandardsByBolt(CString const& bolt, CString& nut, CString& washer,
                                             CString& clampingRange) {
  if (!m_db.IsOpen() || !zept::db::isCatalogName(bolt)) return false;
  try {
    {
      const CString sql =
          L"SELECT Bolts.NutStand, Bolts.WasherStand, Bolts.ClampingRange FROM Bolts WHERE "
          L"(((UCase([Bolts]![BoltStand]))=\"BOLTS_" +
          bolt + L".MDB\"));";
      CDaoRecordset rs(&m_db);
      rs.Open(dbOpenSnapshot, sql, 0);
      if (rs.IsEOF()) return false;
      read(rs, L"NutStand", nut);
      read(rs, L"WasherStand", washer);
      read(rs, L"ClampingRange", clampingRange);
    }
    if (!ZEPTDBBolt().setBoltDB(bolt)) return false;
    if (!trimNameByMask(L"Nuts_*", nut) || !ZEPTDBNut().setNutDB(nut)) return false;
    if (!trimNameByMask(L"Washers_*", washer) || !ZEPTDBWasher().setWasherDB(washer)) return false;
    if (!trimNameByMask(L"Cr_*", clampingRange) || !ZEPTDBClampingRange().setClampingRangeDB(clampingRange))
      clampingRange.Empty();
    return true;
  } catch (...) {
    return false;
  }
}
