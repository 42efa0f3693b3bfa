// SPDX-License-Identifier: MIT
// User-object catalogs for the accessor tests, made with the data-access
// layer alone (not with the accessor's own createUserObjDB): the two tables a
// catalog is checked for, and its category and description properties.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dao/DaoDatabase.h"
#include "support/Catalog.h"

namespace zept::test {

inline constexpr wchar_t const* kUserObjectTables[] = {
    L"CREATE TABLE UserObjects (ID COUNTER, NAME TEXT(255), SIZEX DOUBLE, SIZEY DOUBLE, SIZEZ DOUBLE, SCALEX DOUBLE, "
    L"SCALEY DOUBLE, SCALEZ DOUBLE, MASS DOUBLE, BOLTEXT DOUBLE, SYM3D MEMO, SYMXY MEMO, SYMXZ MEMO, SYMYZ MEMO, "
    L"SYMMETRY YESNO, ISMETRIC YESNO)",
    L"CREATE TABLE ExtraParameters (NAME TEXT(255), DESCRIPTION TEXT(255), VALUE TEXT(255))"};
inline constexpr wchar_t kLocalesTable[] =
    L"CREATE TABLE Locales (LANG LONG, CATEGORY TEXT(255), DESCRIPTION TEXT(255))";

// A catalog at `path` whose UserObjCategory property is `category` (a text,
// a number, or VT_EMPTY for none), with the object tables, then `sql`.
inline void userObjCatalog(std::filesystem::path const& path, COleVariant const& category,
                           std::vector<std::wstring> const& sql = {}, wchar_t const* description = L"description") {
  using Set = CDaoDatabase::PropertySet;
  CDaoDatabase db;
  db.Create(wide(path).c_str());
  for (auto const* table : kUserObjectTables) db.Execute(table, 128);
  if (category.vt == VT_BSTR) db.CreateProperty(Set::Database, L"UserObjCategory", 10, category);
  if (category.vt == VT_I4) db.CreateProperty(Set::Database, L"UserObjCategory", 4, category);
  db.CreateProperty(Set::Database, L"UserObjDescription", 10, COleVariant(description));
  for (auto const& s : sql) db.Execute(s.c_str(), 128);
  db.Close();
}

}  // namespace zept::test
