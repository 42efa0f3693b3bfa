// SPDX-License-Identifier: MIT
// Settings taken from the environment, read once when the object is made:
//
//   ZEPT_DATA_PATH      key "PATHDATA": the data folder of every kind but
//                       user objects
//   ZEPT_OBJSTEEL_PATH  key "PATHOBJSTEEL": the user-object folder
//   ZEPT_APP_PATH       getAppPath(0), also key "PATHAPP": the application's
//                       catalog folder
//
// A variable that is not set gives "U:\SYSTEM\DATA\". The catalog code uses
// the folders as plain prefixes and takes paths apart at ":" and "\" only, so
// a POSIX folder ("/srv/catalogs/") is handed back Windows-style, with "\"
// separators ("\srv\catalogs\"), which the file-system layer reads as "/";
// a relative one is made absolute first. A Windows-style folder ("U:\app\"
// with ZEPT_DRIVE_U set) is handed back exactly as set. A folder without its
// trailing separator is not completed. A server's name (a libpq URI or
// "service=office") is handed back exactly as set. Keys are matched ignoring ASCII case;
// an unknown key gives "".
#pragma once

#include <string>

#include "platform/core/Export.h"
#include "platform/settings/ZEPTAppSet.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTEnvAppSet : public ZEPTAppSet {
 public:
  ZEPTEnvAppSet();
  // `fallback`, handed back as a variable's folder would be, instead of
  // "U:\SYSTEM\DATA\" for every variable that is not set:
  // ZEPTEnvAppSet(zept::installedDataFolder()) makes a program find the
  // bundled catalogs with no environment at all.
  explicit ZEPTEnvAppSet(std::wstring const& fallback);

  wchar_t const* getValue(wchar_t const* key) override;
  // The folder for `key`; the kind does not change it.
  wchar_t const* getPath(wchar_t const* key, int dataFileType) override;
  // No setting here is a number: always `defaultValue`.
  int getInt(wchar_t const* key, int defaultValue) override;
  // The catalog folder for 0, "" for anything else.
  wchar_t const* getAppPath(int which) override;

 private:
  std::wstring m_dataPath;
  std::wstring m_objSteelPath;
  std::wstring m_appPath;
};

ZEPTDB_END_EXPORTS
