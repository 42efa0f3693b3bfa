// SPDX-License-Identifier: MIT
// Material catalog reads: type and grade lists, and grade records kept per
// catalog in a RecordCache, on the shared fastener readers.
#include "database/ZEPTDBMaterial.h"

#include <array>
#include <cstdint>
#include <type_traits>

#include "database/CatalogRows.h"
#include "database/RecordCache.h"

using namespace zept::catalog;

namespace {

constexpr int kTypeCount = 6;
constexpr wchar_t const* kTypeNames[kTypeCount] = {L"", L"STEEL", L"CONCRETE", L"ALUMINIUM", L"WOOD", L"USER"};

using Record = ZEPTDBMaterialData;
using MaterialCache = zept::db::RecordCache<Record>;
// Members a kept row can say it sets: one bit each.
constexpr int kMaxMembers = 64;

// What a read of the row would do to `to`: the members it sets, the others
// left as the caller had them.
void applyRow(MaterialCache::Entry const& row, Record& to) {
  std::array<void const*, kMaxMembers> from{};
  int n = 0;
  forEachMaterialColumn(row.record, [&](wchar_t const*, auto const& member) {
    if (n < kMaxMembers) from[n] = &member;
    ++n;
  });
  int i = 0;
  forEachMaterialColumn(to, [&](wchar_t const*, auto& member) {
    if (i < kMaxMembers && (row.set >> i & 1))
      member = *static_cast<std::remove_reference_t<decltype(member)> const*>(from[i]);
    ++i;
  });
}

std::size_t heapBytes(Record const& r) {
  return (r.name.str().size() + r.secondName.str().size() + r.description.str().size()) * sizeof(wchar_t);
}

}  // namespace

ZEPTDBMaterial::ZEPTDBMaterial() : ZEPTDBBaseData(CFGMaterials) {
  typeNames.SetSize(kTypeCount);
  for (int i = 0; i < kTypeCount; ++i) typeNames[i] = kTypeNames[i];
}

ZEPTDBMaterial::~ZEPTDBMaterial() = default;

bool ZEPTDBMaterial::setMaterialDB(CString const& catalogName) { return setDB(L"Kmat" + catalogName); }

bool ZEPTDBMaterial::getMaterialDBList(CStringArray& names, wchar_t const* filter) {
  return getDBList(L"Kmat*", names, filter);
}

bool ZEPTDBMaterial::getMaterialList(CStringArray& typeList) {
  typeList.RemoveAll();
  std::int16_t type = 0;
  return forEachRow(m_db, L"SELECT DISTINCT TYPE FROM MATERIALS ORDER BY TYPE", true, [&](CDaoRecordset const& rs) {
    if (read(rs, L"TYPE", type)) typeList.Add(TypeToMaterial(type));
  });
}

bool ZEPTDBMaterial::getMaterialGradeList(CString const& typeName, CStringArray& grades) {
  return getMaterialGradeList(MaterialToType(typeName), grades);
}

bool ZEPTDBMaterial::getMaterialGradeList(int type, CStringArray& grades) {
  grades.RemoveAll();
  if (type < 1) return false;
  CString name;
  return forEachRow(m_db, L"SELECT NAME FROM MATERIALS ORDER BY NAME;", true, [&](CDaoRecordset const& rs) {
    if (read(rs, L"NAME", name)) grades.Add(name);
  });
}

bool ZEPTDBMaterial::getMaterialGradeListExt(CString const& typeName, CStringArray& grades) {
  return getMaterialGradeListExt(MaterialToType(typeName), grades);
}

bool ZEPTDBMaterial::getMaterialGradeListExt(int type, CStringArray& grades) {
  grades.RemoveAll();
  if (type < 1) return false;
  return forEachRow(m_db, L"SELECT NAME,SECOND_NAME FROM MATERIALS ORDER BY NAME,SECOND_NAME;", true,
                    [&](CDaoRecordset const& rs) {
                      CString entry, second;
                      if (!read(rs, L"NAME", entry)) return;
                      if (read(rs, L"SECOND_NAME", second) && !second.Trim().IsEmpty()) entry += L" (" + second + L")";
                      grades.Add(entry);
                    });
}

bool ZEPTDBMaterial::getMaterialData(CString const& typeName, CString const& gradeName, ZEPTDBMaterialData* record) {
  return getMaterialData(MaterialToType(typeName), gradeName, record);
}

bool ZEPTDBMaterial::getMaterialData(int type, CString const& gradeName, ZEPTDBMaterialData* record) {
  if (type < 0) return false;
  try {
    // Quoting refuses a hostile name before anything is looked up.
    const CString sql = L"SELECT * FROM MATERIALS WHERE (NAME=" + quoted(gradeName) + L");";
    MaterialCache* cache = MaterialCache::of(m_db);
    if (cache) {
      cache->key().assign(gradeName.view());
      if (MaterialCache::Entry const* hit = cache->answer(record != nullptr)) {
        if (hit->found && record) applyRow(*hit, *record);
        return hit->found;
      }
    }
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenSnapshot, sql, 0);
    const bool found = !rs.IsEOF();
    if (!found || !record) {
      if (cache) cache->keepFound(found);
      return found;
    }
    std::uint64_t set = 0;
    int i = 0;
    forEachMaterialColumn(*record, [&](wchar_t const* column, auto& member) {
      if (read(rs, column, member) && i < kMaxMembers) set |= std::uint64_t{1} << i;
      ++i;
    });
    if (cache && i <= kMaxMembers) cache->keepRecord(set, *record, heapBytes(*record));
    return true;
  } catch (...) {
    return false;
  }
}

int ZEPTDBMaterial::MaterialToType(CString const& typeName) {
  for (int i = 0; i < typeNames.GetSize(); ++i)
    if (typeNames[i] == typeName) return i;
  return 0;
}

CString& ZEPTDBMaterial::TypeToMaterial(int type) { return typeNames[type >= 1 && type <= 5 ? type : 0]; }
