// SPDX-License-Identifier: MIT
// CDaoDatabase: one catalog file, with MFC's DAO signatures. A native catalog
// is an SQLite database carrying its usual ".mdb" name; statements arrive in
// Jet SQL and are translated. Opening modes follow Jet: shared read-only,
// exclusive read-only, exclusive read-write (a shared read-write open is
// taken exclusively: writers never share a catalog). Every failure throws
// CDaoException (or CMemoryException) carrying Jet's error number.
#pragma once

#include <memory>
#include <string>

#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/core/CStringArray.h"
#include "platform/core/Export.h"
#include "platform/dao/DaoTypes.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept::dao {
class Engine;
}
namespace zept::fs {
struct FoundFile;
}
struct stat;

class CDaoDatabase {
 public:
  // Which property collection a property call addresses: the database's own,
  // or those of the document "UserDefined" in the container "Databases".
  enum class PropertySet { Database, UserDefined };

  CDaoDatabase();
  ~CDaoDatabase();
  CDaoDatabase(CDaoDatabase const&) = delete;
  CDaoDatabase& operator=(CDaoDatabase const&) = delete;

  // `name` is a Windows-style or POSIX path, resolved case-insensitively.
  void Open(wchar_t const* name, bool exclusive = false, bool readOnly = false, wchar_t const* connect = L"");
  // Open of a file the caller has just found (zept::fs::findFile of `name`),
  // so that it is not looked up again.
  void OpenFound(wchar_t const* name, zept::fs::FoundFile const& file, bool exclusive, bool readOnly);
  // A new empty catalog, left open for writing. `locale` and `options` are
  // accepted for Jet compatibility; text always compares binary.
  void Create(wchar_t const* name, wchar_t const* locale = dbLangGeneral, int options = 0);
  void Close();

  bool IsOpen() const { return m_engine != nullptr; }
  // The path exactly as given to Open or Create.
  CString GetName() const;
  bool CanUpdate() const;

  // Action queries and data definition; a SELECT without INTO is refused.
  void Execute(wchar_t const* sql, int options = dbFailOnError);
  long GetRecordsAffected() const;

  short GetTableDefCount();
  void GetTableDefInfo(int index, CDaoTableDefInfo& info, unsigned options = AFX_DAO_PRIMARY_INFO);
  // Throws (3265) when there is no such table; names compare without case.
  void GetTableDefInfo(wchar_t const* name, CDaoTableDefInfo& info, unsigned options = AFX_DAO_PRIMARY_INFO);
  void DeleteTableDef(wchar_t const* name);

  // Properties. The engine's built-in database properties come first in the
  // database set; the rest are stored in the catalog. Lookups ignore case.
  // Unknown names throw 3270, writing on a read-only open throws 3027.
  short GetPropertyCount(PropertySet set);
  CString GetPropertyName(PropertySet set, short index);
  COleVariant GetPropertyValue(PropertySet set, wchar_t const* name);
  short GetPropertyType(PropertySet set, wchar_t const* name);
  // Converts `value` to the property's type (3421 when it cannot).
  void SetPropertyValue(PropertySet set, wchar_t const* name, COleVariant const& value);
  // Throws 3367 when the name exists.
  void CreateProperty(PropertySet set, wchar_t const* name, short type, COleVariant const& value);
  void DeleteProperty(PropertySet set, wchar_t const* name);

  // For the recordset and table-definition classes of this layer.
  zept::dao::Engine& engine() const;

 private:
  void open(wchar_t const* name, std::string const& path, struct stat const* named, bool exclusive, bool readOnly);

  std::unique_ptr<zept::dao::Engine> m_engine;
  CString m_name;
};

ZEPTDB_END_EXPORTS
