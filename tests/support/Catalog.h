// SPDX-License-Identifier: MIT
// Small catalogs for tests, made through the library's own data-access layer.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"

namespace zept::test {

inline std::wstring wide(std::filesystem::path const& p) { return zept::fromUtf8(p.string()); }

// Creates the catalog `path` and runs each Jet SQL statement on it.
inline void makeCatalog(std::filesystem::path const& path, std::vector<std::wstring> const& statements) {
  CDaoDatabase db;
  db.Create(wide(path).c_str());
  for (auto const& sql : statements) db.Execute(sql.c_str(), 128);
  db.Close();
}

// The rows `sql` reads from catalog `file`, opened read-only: values joined
// by "|", rows by ";".
inline std::string rowsText(std::filesystem::path const& file, wchar_t const* sql) {
  CDaoDatabase db;
  db.Open(wide(file).c_str(), false, true);
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, sql);
  CString rows;
  for (; !rs.IsEOF(); rs.MoveNext()) {
    if (!rows.IsEmpty()) rows += L";";
    for (short i = 0; i < rs.GetFieldCount(); ++i) rows += (i ? L"|" : L"") + rs.GetFieldValue(i).toDisplayString();
  }
  return rows.toUtf8();
}

// The count `sql` (a SELECT COUNT(*)) gives on `db`; -1 when it is no long.
inline long countOf(CDaoDatabase& db, wchar_t const* sql) {
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, sql);
  const COleVariant v = rs.GetFieldValue(0);
  return v.vt == VT_I4 ? v.lVal : -1;
}

// The Jet error number `f` throws, or 0 when it throws nothing.
inline long errorOf(std::function<void()> const& f) {
  try {
    f();
  } catch (CDaoException const& e) {
    return e.errorCode();
  }
  return 0;
}

}  // namespace zept::test
