// SPDX-License-Identifier: MIT
// ZEPTDBUserObj: user-object catalogs, one catalog file ("<name>.mdb" in the
// user-object folders) per category. A catalog carries its category and
// description as database properties (UserObjCategory, UserObjDescription,
// UserObjIsMetric), its objects in UserObjects, their named values in
// ExtraParameters, and optional translations per language in Locales, which
// older catalogs lack and which is created when a translation is written.
//
// Every file of the folders is a candidate: one without the two tables or
// without a text UserObjCategory is not a user-object catalog and drops out
// of every listing. The listings open each catalog in turn and reopen, read
// only, the one open before (if none was, the last one tried stays open).
//
// Texts that name objects and parameters are cut at their first line feed,
// carriage return or tab; a name holding a double quote makes the statement
// it would go into fail. Nothing is printed or logged.
#pragma once

#include "database/ZEPTDBBaseData.h"
#include "database/ZEPTDBUserObjData.h"
#include "platform/core/CStringArray.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"
#include "platform/host/DtGeMatrix3d.h"
#include "platform/host/DtGePlane.h"
#include "platform/host/ZePTSelectionSet.h"

ZEPTDB_BEGIN_EXPORTS

class ZEPTDBUserObj : public ZEPTDBBaseData {
 public:
  ZEPTDBUserObj();
  ~ZEPTDBUserObj();

  // Selects catalog `name`; a file that is not a user-object catalog is
  // closed again and gives false. "" closes the open catalog.
  bool setUserObjDB(CString const& name);
  // The user-object catalogs, with `categories` ("A;B") only those whose
  // category is one of them, exactly. Data-access exceptions pass through.
  bool getUserObjDBList(CStringArray& names, wchar_t const* categories);

  // The open catalog's properties; "" without a catalog or a text value.
  CString Category();
  CString Description();
  // The translation into `lang` (negative: currentLang()), else the plain
  // property.
  CString LocalCategory(long lang);
  CString LocalDescription(long lang);
  // A category no category list could name (see createUserObjDB) is refused.
  bool SetCategory(CString const& text);
  bool SetDescription(CString const& text);
  // Writes the translation into `lang` (negative: currentLang(); none
  // gives false), at most 255 characters; creates Locales when missing.
  bool SetLocalCategory(CString const& text, long lang);
  bool SetLocalDescription(CString const& text, long lang);

  // A new catalog `name` in the application's catalog folder, left open:
  // 0 created, 1 a catalog of that name exists, 2 the category is empty,
  // holds ";" or begins or ends with white space (no category list could
  // name it), -1 failure (a file already created stays).
  int createUserObjDB(CString const& name, CString const& category, CString const& description,
                      DtDb::MeasurementValue units);
  // Every distinct category of all catalogs, in the order the catalogs are
  // tried (last listed first); `localCategories` parallel to it with the
  // first translation into `lang` found. Data-access exceptions pass through.
  bool getUserObjCategoryList(CStringArray& categories, CStringArray* localCategories, long lang);
  // The category translations of the catalogs of `category`, one per
  // language, from the first catalog that has it. Data-access exceptions
  // pass through.
  bool getUserObjCategoryLocales(CString const& category, ZEPTDBUserObjData::Locales& locales);
  // Deletes every translation of the open catalog.
  bool clearLocales();

  // The names of the open catalog's objects.
  bool getUserObjNameList(CStringArray& names);
  // Whether object `name` exists; with `data`, reads it, its extra
  // parameters and the catalog's translations, the mass converted into
  // `units`. On a failure `data` holds what was read so far.
  bool getUserObjData(CString const& name, ZEPTDBUserObjData* data, DtDb::MeasurementValue units);
  // Adds or replaces object `data.name` and its extra parameters, the row
  // marked with `units`: 0 written, 1 the category is empty or not the
  // catalog's, 2 no name, -1 a number that is not finite, not writable or
  // failed while writing.
  int setUserObjData(ZEPTDBUserObjData const& data, DtDb::MeasurementValue units);
  // Deletes object `name`; its extra parameters stay until an object of
  // that name is written again.
  bool removeUserObjData(CString const& name);
  // The category, description, symbol files (each once, regardless of case)
  // and translations of the catalog file `path`, opened on its own: the
  // accessor's open catalog is not touched.
  bool collectUserObjDBInfo(CString const& path, CString& category, CString& description, CStringArray& symbols,
                            ZEPTDBUserObjData::Locales* locales);

  // Whether the selection's entities lie in one plane or on one line: 0 they
  // do (`plane` set), 1 the selection yields no entities, 2 they do not.
  int CheckSelectionPlanarity(ZePTSelectionSet const& selection, DtGePlane& plane);
  // Saves copies of the selection's entities, brought from the user
  // coordinate system `ucs` (its map to the world) into their own, as a
  // drawing in the application's catalog folder: only the file name of
  // `fileName` is used, ".dfn" added when it has no ".". `fileName` receives
  // the path once a save was tried. 0 saved, 1 no entities, 2 not planar
  // (only with `checkPlanarity`), 3 the drawing cannot be made, 4 the file
  // exists (it is never replaced), 5 saving failed, or no application
  // folder is configured or the name is no plain file name (a NUL, control
  // character, wildcard, quote or non-Unicode character, an empty name or
  // one beginning with a dot, or a catalog's name such as "X.mdb", which
  // would hide that catalog; `fileName` is then left as given), 6 an entity
  // as saved would make the drawing unreadable (a coordinate beyond
  // +-1e100, a radius not above zero, an ellipse's axis ratio out of range;
  // nothing is written). The selection's drawing is not changed.
  int CreateSymbolDatabase(CString& fileName, ZePTSelectionSet const& selection, DtGeMatrix3d const& ucs,
                           bool checkPlanarity);

 private:
  enum eVersion { kUnknownLayout = -1, kKnownLayout = 1 };
  eVersion CheckDBFormat(CDaoDatabase& db);
  bool createLocalesTable();

  // `text` up to its first line feed, carriage return or tab.
  static CString cut(CString const& text);
  // Appends a Locale per row of `db`'s Locales whose LANG is 1 or more; a
  // text that is not a text keeps the previous row's. Rows with both texts
  // empty are left out unless `keepEmpty`.
  void readLocales(CDaoDatabase& db, ZEPTDBUserObjData::Locales& locales, bool keepEmpty);
  CString textProperty(wchar_t const* name);
  CString localText(long lang, wchar_t const* column, CString const& plain);
  bool setLocalText(CString const& text, long lang, wchar_t const* column);
  // Reopens `previous` read-only after a listing, when it is not empty.
  void reopen(CString const& previous);
};

ZEPTDB_END_EXPORTS
