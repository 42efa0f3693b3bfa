// SPDX-License-Identifier: MIT
// Any bytes as a catalog file: opened read-only, its properties, table
// definitions and every row of every table read through the DAO classes.
// Refusals (CDaoException) are the expected outcome for damaged files; only
// crashes, hangs, leaks and sanitizer reports count.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/core/CString.h"
#include "platform/core/Exceptions.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/DaoTypes.h"
#include "platform/dao/JetFile.h"

namespace {

// One file per process, rewritten for every input; removed at exit.
struct TempCatalog {
  std::string path;
  TempCatalog() {
    char const* dir = std::getenv("TMPDIR");
    path = std::string(dir && *dir ? dir : "/tmp") + "/zept-fuzz-" + std::to_string(getpid()) + ".mdb";
  }
  ~TempCatalog() { std::remove(path.c_str()); }
  bool write(std::uint8_t const* data, std::size_t size) const {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool const ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
  }
};

void readProperties(CDaoDatabase& db, CDaoDatabase::PropertySet set) {
  try {
    short const n = db.GetPropertyCount(set);
    for (short i = 0; i < n; ++i) {
      CString const name = db.GetPropertyName(set, i);
      (void)db.GetPropertyType(set, name);
      (void)db.GetPropertyValue(set, name);
    }
  } catch (CDaoException const&) {
  }
}

void readTable(CDaoDatabase& db, CString const& table) {
  try {
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, L"SELECT * FROM [" + table + L"]");
    short const fields = rs.GetFieldCount();
    for (short i = 0; i < fields; ++i) {
      CDaoFieldInfo info;
      rs.GetFieldInfo(i, info);
    }
    for (; !rs.IsEOF(); rs.MoveNext())
      for (short i = 0; i < fields; ++i) (void)rs.GetFieldValue(i);
  } catch (CDaoException const&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  static TempCatalog const file;
  if (!file.write(data, size)) std::abort();
  // Bytes that look like a genuine Access file go to its reader, which
  // keeps images by path, size and time: never a stale one.
  zept::dao::clearJetImageCache();
  zept::dao::setJetReadTimeout(5);
  CDaoDatabase db;
  try {
    db.Open(CString::fromUtf8(file.path), false, true);
  } catch (CDaoException const&) {
    return 0;
  }
  readProperties(db, CDaoDatabase::PropertySet::Database);
  readProperties(db, CDaoDatabase::PropertySet::UserDefined);
  try {
    short const tables = db.GetTableDefCount();
    for (short i = 0; i < tables; ++i) {
      CDaoTableDefInfo info;
      db.GetTableDefInfo(i, info, AFX_DAO_ALL_INFO);
      readTable(db, info.m_strName);
    }
  } catch (CDaoException const&) {
  }
  return 0;
}
