// SPDX-License-Identifier: MIT
#include "database/ZEPTDBMaterial.h"

#include "database/FastenerCatalog.h"

using namespace zept::fastener;

namespace {

constexpr int kTypeCount = 6;
constexpr wchar_t const* kTypeNames[kTypeCount] = {L"", L"STEEL", L"CONCRETE", L"ALUMINIUM", L"WOOD", L"USER"};

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
    CDaoRecordset rs(&m_db);
    rs.Open(dbOpenSnapshot, L"SELECT * FROM MATERIALS WHERE (NAME=" + quoted(gradeName) + L");", 0);
    if (rs.IsEOF()) return false;
    if (!record) return true;
    forEachMaterialColumn(*record, [&](wchar_t const* column, auto& member) { read(rs, column, member); });
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
