// SPDX-License-Identifier: MIT
// The application settings object the catalog code asks for its folders.
//
// The catalog base calls this class's operations by their place in the
// order of its virtual operations (the second for a kind's data folder, the
// fourth for the application's catalog folder), so that order is part of the
// interface: getValue, getPath, getInt, getAppPath. Add new operations after
// them, never between. The destructor comes first and is not counted.
//
// Texts handed back are owned by the settings object and stay valid until it
// changes or dies; callers copy them at once. They are never null.
#pragma once

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

// Kinds of data files; each kind may have a folder of its own.
enum CFGTypeDataFiles : int {
  CFGProfiles = 0,  // steel profiles, and value lists
  CFGMaterials = 1,
  CFGDataFile2 = 2,
  CFGFasteners = 3,  // bolts, nuts, washers, clamping ranges, bolt standards
  CFGDataFile4 = 4,
  CFGDataFile5 = 5,
  CFGDataFile6 = 6,
  CFGDataFile7 = 7,
  CFGDataFile8 = 8,
  CFGDataFile9 = 9,
  CFGDataFile10 = 10,
  CFGDataFile11 = 11,
  CFGUserObjects = 12,  // its folder is read under "PATHOBJSTEEL"
  CFGDataFile13 = 13,
  CFGDataFile14 = 14,
  CFGDataFile15 = 15,
  CFGDataFile16 = 16,
};

class ZEPTAppSet {
 public:
  virtual ~ZEPTAppSet() = default;

  // 1. The text stored under `key`; "" when there is none.
  virtual wchar_t const* getValue(wchar_t const* key) = 0;
  // 2. The folder for `key` ("PATHDATA", "PATHOBJSTEEL") and a CFGTypeDataFiles
  //    kind. Callers use it as a plain prefix, so it should end in a separator.
  virtual wchar_t const* getPath(wchar_t const* key, int dataFileType) = 0;
  // 3. The number stored under `key`, or `defaultValue`.
  virtual int getInt(wchar_t const* key, int defaultValue) = 0;
  // 4. An application folder: 0 is the application's catalog folder.
  virtual wchar_t const* getAppPath(int which) = 0;
};

// The settings object the application installed, or null. Not owned: the
// application keeps it alive while installed; setCFG(nullptr) uninstalls it.
ZEPTAppSet* CFG();
void setCFG(ZEPTAppSet* settings);

ZEPTDB_END_EXPORTS
