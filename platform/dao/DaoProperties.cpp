// SPDX-License-Identifier: MIT
// Database properties. The built-in ones are computed from the open
// database; every other property lives in the catalog's MSysProperties table,
// one row per property, in creation order.
#include <sqlite3.h>

#include <array>

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/dao/CatalogSchema.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoEngine.h"

using zept::dao::Engine;
using zept::dao::SqlValue;

namespace {

struct BuiltIn {
  wchar_t const* name;
  short type;
};
constexpr std::array<BuiltIn, 8> kBuiltIns = {{{L"Name", dbText},
                                               {L"Connect", dbText},
                                               {L"Transactions", dbBoolean},
                                               {L"Updatable", dbBoolean},
                                               {L"CollatingOrder", dbInteger},
                                               {L"QueryTimeout", dbInteger},
                                               {L"Version", dbText},
                                               {L"RecordsAffected", dbLong}}};

int builtInIndex(CDaoDatabase::PropertySet set, wchar_t const* name) {
  if (set != CDaoDatabase::PropertySet::Database || !name) return -1;
  for (std::size_t i = 0; i < kBuiltIns.size(); ++i)
    if (CString(kBuiltIns[i].name).CompareNoCase(name) == 0) return static_cast<int>(i);
  return -1;
}

char const* containerOf(CDaoDatabase::PropertySet set) {
  return set == CDaoDatabase::PropertySet::Database ? "Database" : "UserDefined";
}

SqlValue textValue(std::string text) {
  SqlValue v;
  v.kind = SqlValue::Kind::Text;
  v.text = std::move(text);
  return v;
}

struct Stored {
  std::wstring name;
  short type = 0;
  COleVariant value;
};

bool hasStore(Engine& e) { return zept::dao::sqliteTableExists(e, zept::dao::kPropertiesTable); }

std::vector<Stored> readStored(Engine& e, CDaoDatabase::PropertySet set, wchar_t const* onlyName) {
  std::vector<Stored> out;
  if (!hasStore(e)) return out;
  std::string sql = "SELECT Name, Type, Value FROM MSysProperties WHERE Container = ?1";
  std::vector<SqlValue> params{textValue(containerOf(set))};
  if (onlyName) {
    sql += " AND Name = ?2 COLLATE NOCASE";
    params.push_back(textValue(zept::toUtf8(onlyName)));
  }
  auto lease = e.prepare(sql + " ORDER BY rowid", params);
  int rc;
  while ((rc = zept::dao::step(lease->stmt)) == SQLITE_ROW) {
    Stored s;
    s.name = zept::fromUtf8(reinterpret_cast<char const*>(sqlite3_column_text(lease->stmt, 0)));
    s.type = static_cast<short>(sqlite3_column_int(lease->stmt, 1));
    zept::dao::ResultRows row;
    row.setColumnCount(1);
    row.readRow(lease->stmt, 2, false);
    zept::dao::ColumnMeta meta;
    meta.declaredVt = zept::dao::variantTypeOfDaoType(s.type);
    s.value = row.value(0, 0, meta);
    out.push_back(std::move(s));
  }
  if (rc != SQLITE_DONE) e.fail(rc);
  return out;
}

COleVariant builtInValue(CDaoDatabase const& db, Engine& e, int index) {
  switch (index) {
    case 0: return COleVariant(db.GetName());
    case 1: return COleVariant(L"");
    case 2: return COleVariant(true);
    case 3: return COleVariant(db.CanUpdate());
    case 4: return COleVariant(static_cast<short>(1033));
    case 5: return COleVariant(static_cast<short>(60));
    case 6: return COleVariant(L"3.0");
    default: return COleVariant(e.recordsAffected);
  }
}

[[noreturn]] void notFound(wchar_t const* name) {
  throw CDaoException(zept::jet::kPropertyNotFound, CString(L"Property '") + (name ? name : L"") + L"' not found.");
}

void requireWritable(Engine& e) {
  if (e.readOnly()) throw CDaoException(zept::jet::kReadOnly, L"Cannot update. Database or object is read-only.");
}

COleVariant converted(COleVariant const& value, short type) {
  COleVariant v(value);
  const VARTYPE vt = zept::dao::variantTypeOfDaoType(type);
  if (vt == VT_EMPTY) throw CDaoException(3259, L"Invalid field data type.");
  if (v.vt != VT_NULL && !v.ChangeType(vt)) throw CDaoException(zept::jet::kConversionError, L"Data type conversion error.");
  return v;
}

}  // namespace

short CDaoDatabase::GetPropertyCount(PropertySet set) {
  Engine& e = engine();
  const auto stored = readStored(e, set, nullptr).size();
  return static_cast<short>(stored + (set == PropertySet::Database ? kBuiltIns.size() : 0));
}

CString CDaoDatabase::GetPropertyName(PropertySet set, short index) {
  Engine& e = engine();
  int i = index;
  if (set == PropertySet::Database) {
    if (i >= 0 && i < static_cast<int>(kBuiltIns.size())) return kBuiltIns[static_cast<std::size_t>(i)].name;
    i -= static_cast<int>(kBuiltIns.size());
  }
  const auto stored = readStored(e, set, nullptr);
  if (i < 0 || static_cast<std::size_t>(i) >= stored.size())
    throw CDaoException(zept::jet::kItemNotFound, L"Item not found in this collection.");
  return stored[static_cast<std::size_t>(i)].name;
}

COleVariant CDaoDatabase::GetPropertyValue(PropertySet set, wchar_t const* name) {
  Engine& e = engine();
  if (const int b = builtInIndex(set, name); b >= 0) return builtInValue(*this, e, b);
  auto stored = readStored(e, set, name ? name : L"");
  if (stored.empty()) notFound(name);
  return stored.front().value;
}

short CDaoDatabase::GetPropertyType(PropertySet set, wchar_t const* name) {
  Engine& e = engine();
  if (const int b = builtInIndex(set, name); b >= 0) return kBuiltIns[static_cast<std::size_t>(b)].type;
  auto stored = readStored(e, set, name ? name : L"");
  if (stored.empty()) notFound(name);
  return stored.front().type;
}

void CDaoDatabase::SetPropertyValue(PropertySet set, wchar_t const* name, COleVariant const& value) {
  Engine& e = engine();
  if (builtInIndex(set, name) >= 0)
    throw CDaoException(zept::jet::kReadOnly, L"The built-in property cannot be changed.");
  auto stored = readStored(e, set, name ? name : L"");
  if (stored.empty()) notFound(name);
  requireWritable(e);
  const COleVariant v = converted(value, stored.front().type);
  auto lease = e.prepareUnbound("UPDATE MSysProperties SET Value = ?1 WHERE Container = ?2 AND Name = ?3 COLLATE NOCASE");
  e.bindVariant(lease->stmt, 1, v);
  e.bindVariant(lease->stmt, 2, COleVariant(CString::fromUtf8(containerOf(set))));
  e.bindVariant(lease->stmt, 3, COleVariant(name));
  e.stepToEnd(lease->stmt);
}

void CDaoDatabase::CreateProperty(PropertySet set, wchar_t const* name, short type, COleVariant const& value) {
  Engine& e = engine();
  if (!name || !*name) throw CDaoException(3258, L"A property needs a name.");
  if (builtInIndex(set, name) >= 0 || !readStored(e, set, name).empty())
    throw CDaoException(zept::jet::kNameExists, CString(L"Cannot append: an object named '") + name +
                                                      L"' is already in the collection.");
  requireWritable(e);
  const COleVariant v = converted(value, type);
  zept::dao::ensureSystemTables(e);
  auto lease = e.prepareUnbound("INSERT INTO MSysProperties (Container, Name, Type, Value) VALUES (?1, ?2, ?3, ?4)");
  e.bindVariant(lease->stmt, 1, COleVariant(CString::fromUtf8(containerOf(set))));
  e.bindVariant(lease->stmt, 2, COleVariant(name));
  e.bindVariant(lease->stmt, 3, COleVariant(static_cast<long>(type)));
  e.bindVariant(lease->stmt, 4, v);
  e.stepToEnd(lease->stmt);
}

void CDaoDatabase::DeleteProperty(PropertySet set, wchar_t const* name) {
  Engine& e = engine();
  if (builtInIndex(set, name) >= 0)
    throw CDaoException(zept::jet::kReadOnly, L"The built-in property cannot be deleted.");
  if (readStored(e, set, name ? name : L"").empty()) notFound(name);
  requireWritable(e);
  auto lease = e.prepareUnbound("DELETE FROM MSysProperties WHERE Container = ?1 AND Name = ?2 COLLATE NOCASE");
  e.bindVariant(lease->stmt, 1, COleVariant(CString::fromUtf8(containerOf(set))));
  e.bindVariant(lease->stmt, 2, COleVariant(name));
  e.stepToEnd(lease->stmt);
}
