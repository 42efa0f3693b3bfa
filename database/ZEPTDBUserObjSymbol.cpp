// SPDX-License-Identifier: MIT
// A selection of drawing entities as a user object's symbol: its planarity
// check, and the symbol drawing saved into the application folder through
// DtDbDatabase.
#include <memory>

#include "database/CallerText.h"
#include "database/ZEPTDBUserObj.h"
#include "platform/fs/FileFind.h"
#include "platform/fs/TempFile.h"
#include "platform/host/DtDbDatabase.h"

namespace {

// The selection's entity entries; empty when it yields none.
ZEPTDBUserObjData::EntityList entityList(ZePTSelectionSet const& selection) {
  ZEPTDBUserObjData::EntityList list;
  list.setPhysicalLength(8);
  for (long i = 0; i < selection.Length(); ++i) ZEPTDBUserObjData::addEntityToList(selection[i], list);
  return list;
}

}  // namespace

int ZEPTDBUserObj::CheckSelectionPlanarity(ZePTSelectionSet const& selection, DtGePlane& plane) {
  if (selection.Length() < 1) return 1;
  const ZEPTDBUserObjData::EntityList list = entityList(selection);
  if (list.isEmpty()) return 1;
  return ZEPTDBUserObjData::checkEntitiesPlanarity(list, plane) > DtDb::kNonPlanar ? 0 : 2;
}

int ZEPTDBUserObj::CreateSymbolDatabase(CString& fileName, ZePTSelectionSet const& selection,
                                        DtGeMatrix3d const& ucs, bool checkPlanarity) {
  if (selection.Length() < 1) return 1;
  const ZEPTDBUserObjData::EntityList list = entityList(selection);
  if (list.isEmpty()) return 1;
  if (checkPlanarity) {
    DtGePlane plane;
    if (ZEPTDBUserObjData::checkEntitiesPlanarity(list, plane) == DtDb::kNonPlanar) return 2;
  }

  // Only the name is taken, whichever separator the caller used, so the
  // drawing lands in the application's folder and nowhere else. A name cut
  // short by a NUL, or one with a wildcard, a control character or no
  // Unicode, would be saved under another name or match other files.
  if (m_appPath.IsEmpty() || fileName.view().find(L'\0') != std::wstring_view::npos) return 5;
  CString name = extractFileName(fileName);
  const int slash = name.ReverseFind(L'/');
  if (slash >= 0) name = name.Mid(slash + 1);
  if (name.Find(L'.') < 0) name += L".dfn";
  // isCatalogName refuses an empty name and a dot name (".dfn" of "x/").
  if (!zept::db::isCatalogName(name) || zept::fs::isCatalogFileName(name.toUtf8())) return 5;

  auto db = std::make_unique<DtDbDatabase>(true, false);
  if (DtDbDatabase const* source = list[0].entity->database()) db->setMeasurement(source->measurement());
  DtDbBlockTable* table = nullptr;
  if (db->getBlockTable(table, DtDb::kForRead) != Dt::eOk) return 3;
  DtDbBlockTableRecord* modelSpace = nullptr;
  if (table->getAt(L"*Model_Space", modelSpace, DtDb::kForWrite, false) != Dt::eOk) {
    table->close();
    return 3;
  }
  const DtGeMatrix3d fromUcs = ucs.inverse();
  for (int i = 0; i < list.length(); ++i) {
    std::unique_ptr<DtDbEntity> copy(list[i].entity->clone());
    if (!copy) continue;
    // A copy that cannot take the map would land in the wrong place: it is
    // left out, as one that cannot be copied.
    if (copy->transformBy(list[i].matrix.inverse() * fromUcs) != Dt::eOk) continue;
    if (modelSpace->appendDtDbEntity(copy.get()) == Dt::eOk) copy.release()->close();
  }
  modelSpace->close();
  table->close();

  const CString path = m_appPath + name;

  CFileFind find;
  if (find.FindFile(path)) return 4;
  const Dt::ErrorStatus saved = db->saveAsNew(path);
  fileName = path;
  return saved == Dt::eOk ? 0 : saved == Dt::eInvalidInput ? 6 : 5;
}
