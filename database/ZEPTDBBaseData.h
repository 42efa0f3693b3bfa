// SPDX-License-Identifier: MIT
// ZEPTDBBaseData: the common base of every catalog accessor. It knows the
// kind of data file its catalogs are, asks the settings object for the two
// folders of that kind (the application's catalog folder first, then the
// kind's data folder), lists and selects catalogs by short name, keeps one
// catalog open in `m_db`, and makes it writable for a moment when a writer
// needs it. It also carries the dimension-text and unit-factor helpers and
// the catalog property operations every accessor exports.
//
// Failures are results, never exceptions, except where an operation says
// otherwise: nothing is printed or logged.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/core/CStringArray.h"
#include "platform/core/Export.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/settings/ZEPTAppSet.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept::fs {
struct FoundFile;
}

class ZEPTDBBaseData {
 public:
  // What makeDBWritable changed, so that restoreDBStatus can undo it.
  struct ZEPTDBStatus {
    std::uint32_t attributes = 0;    // the file's attributes before the change
    bool reopened = false;           // closed and opened again for writing
    bool attributesChanged = false;  // the read-only attribute was removed
  };

  explicit ZEPTDBBaseData(CFGTypeDataFiles type);
  // Virtual: the class has virtual members, and an accessor deleted through
  // a ZEPTDBBaseData* must run its own destructor.
  virtual ~ZEPTDBBaseData();
  ZEPTDBBaseData(ZEPTDBBaseData const&) = delete;
  ZEPTDBBaseData& operator=(ZEPTDBBaseData const&) = delete;

  // The application's catalog folder (true) or the kind's data folder.
  CString& getDBPath(bool atAppPath);
  // True when the application's folder holds `name` + ".mdb".
  bool isDBAtAppPath(CString const& name);
  // The short names of the catalogs matching `mask` (one "*") in both
  // folders; with `filter` ("A,B,C") only those named there, in its order.
  bool getDBList(CString const& mask, CStringArray& names, wchar_t const* filter);
  // Opens catalog `name` read-only, from the application's folder when it is
  // there; "" closes the open one.
  bool setDB(CString const& name);
  // Why the last selection or creation of a catalog (setDB, an accessor's
  // set...DB or create...DB) failed, as a Jet error code: 0 it did not,
  // 3024 no such file in either folder, 3045 held exclusively elsewhere,
  // 3049 damaged, 3343 no catalog of this kind, 3027 read-only where it had
  // to be written (an older layout to convert), else the engine's code.
  long getLastDBError() const { return m_lastError; }
  // The open catalog's full path in upper case, or "".
  CString getFullDBName();
  // The text after the last ":" or "\" of `path` ("/" is not a separator).
  CString extractFileName(wchar_t const* path) const;

  // Dimension texts: up to three numbers joined by "x" ("200x100x10").
  static CString DimsToString(double first, double second, double third);
  static void StringToDims(CString const& text, CString& first, CString& second, CString& third);
  static void StringToDims(CString const& text, double& first, double& second, double& third);
  // The factor that turns a value in unit `from` into unit `to`; 0 for a
  // pair it does not know.
  static double calcCrossFactor(CString const& from, CString const& to);

  // Catalog properties: the database's own and the custom ("UserDefined")
  // ones. Counts give -1 and the rest false without an open catalog. Writing
  // reopens the catalog for writing and, on success only, puts it back; a
  // number that is not finite is refused before.
  bool getDBProperty(wchar_t const* name, COleVariant& value);
  int getDBPropertyCount();
  bool getDBPropertyList(CStringArray& names);
  bool setDBProperty(wchar_t const* name, COleVariant const& value, int type);
  int getCustomDBPropertyCount();
  bool getCustomDBPropertyList(CStringArray& names);
  bool getCustomDBProperty(wchar_t const* name, COleVariant& value);
  bool setCustomDBProperty(wchar_t const* name, COleVariant const& value, int type);

 protected:
  void appendDBFromPath(CString const& folder, CString const& mask, CStringArray& names, wchar_t const* filter);
  // Opens `path`; a refused shared read-only open is retried exclusively.
  bool openDatabase(CDaoDatabase& db, CString const& path, bool readOnly, bool exclusive);
  bool isTableExist(CDaoDatabase& db, wchar_t const* table);
  // True also when the table cannot be read.
  bool isTableEmpty(CDaoDatabase& db, wchar_t const* table);
  virtual bool makeDBWritable(ZEPTDBStatus& status);
  void restoreDBStatus(ZEPTDBStatus const& status);
  // Ordinal comparison of two CString elements, for sorting catalog names.
  static int compare(void const* a, void const* b);
  // The pieces of a list text ("A,B"): white space and then `separator`
  // trimmed off both ends, the rest cut at every `separator`; pieces are not
  // trimmed, and an empty one between two separators is kept.
  static CStringArray splitList(wchar_t const* text, wchar_t separator);
  bool getDBProperty(CDaoDatabase& db, wchar_t const* name, COleVariant& value);
  // For an accessor's check of the catalog it selected: `known`, and when it
  // is false the catalog closed and getLastDBError 3343.
  bool knownFormat(bool known);
  void setLastDBError(long code) { m_lastError = code; }

  // A new catalog is built under a temporary name beside its final path and
  // moved there only when built, so a process killed half-way leaves no
  // catalog for the listings to show (its leftover matches no catalog mask
  // and is removed by the next creation of that name, once it proves to be
  // one: empty, or tagged by the engine that created it).
  // startCatalog creates the file as m_db, open for writing; false, with
  // nothing left behind, when the engine cannot create it or a file that is
  // no leftover holds the building name. finishCatalog
  // moves it into place, built or not (a catalog that failed half-way stays
  // on disk, as a direct creation would leave it), and reopens it for
  // writing; false, with the build removed, when `path` appeared meanwhile.
  bool startCatalog(CString const& path);
  bool finishCatalog(CString const& path);

  // Whether `path` lies in the data folder (compared without case), and in
  // the local mirror of a server data folder, which only the server's
  // catalog editors change, by publishing.
  bool inDataFolder(CString const& path) const;
  bool inServerMirror(CString const& path) const { return !m_server.IsEmpty() && inDataFolder(path); }

  std::int32_t m_type;
  CString m_dataPath;
  CString m_appPath;
  CDaoDatabase m_db;
  std::int32_t m_units;

 private:
  bool propertyList(CDaoDatabase::PropertySet set, CStringArray& names);
  int propertyCount(CDaoDatabase::PropertySet set);
  bool setProperty(CDaoDatabase::PropertySet set, wchar_t const* name, COleVariant const& value, int type);

  // openDatabase that also gives the file it opened, when it looked it up
  // once and found no read-only marker beside it.
  bool openCatalog(CDaoDatabase& db, CString const& path, bool readOnly, bool exclusive, zept::fs::FoundFile* found);
  // Whether the file lookups of the last setDB still hold for `name`.
  bool selectionHolds(CString const& name) const;
  // Brings a server data folder's mirror up to date; false, with the last
  // error 3151, when the server cannot be reached or read.
  bool refreshServerMirror();

  // The catalog makeDBWritable worked on, for restoreDBStatus after it failed
  // with the catalog closed.
  CString m_writablePath;
  long m_lastError = 0;
  // The data-folder setting when it names a server; m_dataPath is then the
  // folder of its local mirror.
  CString m_server;
  // What the last setDB looked up, with the folders that decide it.
  struct Selection;
  std::unique_ptr<Selection> m_selected;
};

ZEPTDB_END_EXPORTS
