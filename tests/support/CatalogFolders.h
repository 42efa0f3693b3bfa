// SPDX-License-Identifier: MIT
// Catalog folders for the accessor tests: "app/" and "data/" of a scratch
// tree, handed to the catalog code by a settings object installed from the
// fixture's construction (so accessors may be members) to its TearDown.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/ZEPTDBBaseData.h"
#include "support/Catalog.h"
#include "support/TestTree.h"

namespace zept::test {

// Two fixed folders; remembers the last key and kind asked for.
struct FolderSettings : ZEPTAppSet {
  FolderSettings(std::wstring d, std::wstring a) : data(std::move(d)), app(std::move(a)) {}
  wchar_t const* getValue(wchar_t const*) override { return L""; }
  wchar_t const* getPath(wchar_t const* k, int t) override {
    key = k;
    type = t;
    return data.c_str();
  }
  int getInt(wchar_t const*, int fallback) override { return fallback; }
  wchar_t const* getAppPath(int which) override { return which == 0 ? app.c_str() : L"?"; }
  std::wstring data, app, key;
  int type = -1;
};

// The catalog base with its protected members in reach.
struct OpenAccessor : ZEPTDBBaseData {
  explicit OpenAccessor(CFGTypeDataFiles type = CFGProfiles) : ZEPTDBBaseData(type) {}
  using ZEPTDBBaseData::m_db, ZEPTDBBaseData::makeDBWritable, ZEPTDBBaseData::openDatabase,
      ZEPTDBBaseData::restoreDBStatus;
  // "" when no catalog is open, else "ro " or "rw " and its full name.
  CString mode() { return m_db.IsOpen() ? (m_db.CanUpdate() ? L"rw " : L"ro ") + getFullDBName() : CString(); }
};

inline std::vector<std::wstring> entries(CStringArray const& names) { return {names.begin(), names.end()}; }

// Folders named "U:\app\" and "U:\data\" through the drive variable, or as
// POSIX folders.
class CatalogFolders : public testing::Test {
 protected:
  explicit CatalogFolders(bool windowsStyle = true)
      : app(windowsStyle ? L"U:\\app\\" : wide(tree.dir("app")) + L"/"),
        data(windowsStyle ? L"U:\\data\\" : wide(tree.dir("data")) + L"/") {
    for (auto const* folder : {"app", "data"}) tree.dir(folder);
    setCFG(&settings);
  }
  void TearDown() override { setCFG(nullptr); }
  void catalog(std::string const& rel, std::vector<std::wstring> const& sql = {L"CREATE TABLE T (ID LONG)"}) {
    makeCatalog(tree.path(rel), sql);
  }
  static CString upper(std::wstring const& path) { return CString(path).MakeUpper(); }

  TempTree tree;
  ScopedEnv drive{"ZEPT_DRIVE_U", tree.str()};
  std::wstring app, data;
  FolderSettings settings{data, app};
};

}  // namespace zept::test
