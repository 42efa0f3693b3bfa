// SPDX-License-Identifier: MIT
// Catalog lookup, selection and opening for every accessor: the two folders,
// the folder stamps that keep a selection valid, the read-only marker of a
// writer, on top of the fs layer, FileLock and CDaoDatabase.
#include "database/ZEPTDBBaseData.h"

#include "database/CallerText.h"

#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/dao/DaoEngine.h"
#include "platform/dao/DaoTableDef.h"
#include "platform/dao/FileLock.h"
#include "platform/dao/JetFile.h"
#include "platform/dao/ServerFolder.h"
#include "platform/core/Utf8.h"
#include "platform/fs/CaseFold.h"
#include "platform/fs/DirCache.h"
#include "platform/fs/FileFind.h"
#include "platform/fs/FileOps.h"
#include "platform/fs/WinPath.h"

namespace {

constexpr wchar_t kDefaultFolder[] = L"U:\\SYSTEM\\DATA\\";
constexpr int kLastDataFileType = 16;

bool anyMatch(CString const& pattern) {
  CFileFind find;
  const bool found = find.FindFile(pattern);
  find.Close();
  return found;
}

bool hasDrive(CString const& path) { return path.GetLength() >= 2 && path[1] == L':'; }

std::string folderOf(std::string const& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return std::string();
  return path.substr(0, slash ? slash : 1);
}

}  // namespace

// A select looks up the catalog in the application folder, then the file
// itself and the read-only marker beside it. All three answers depend only
// on the entries of at most two folders (the exact-case spelling of a path
// aside, checked on its own), so while those folders are unchanged since
// before the lookups, the answers are still right. The folders are stamped
// before the next lookup, never after: a change made in between shows as a
// newer stamp.
struct ZEPTDBBaseData::Selection {
  CString name, appPath, dataPath;  // what the select was asked with
  std::string appProbe;             // POSIX spelling of the application-folder test
  std::string catalogText;          // POSIX spelling of the catalog's path
  CString path;                     // the catalog's path as opened
  bool atAppPath = false;
  bool exactElsewhere = false;  // catalogText lies in another folder than the file found
  zept::fs::FoundFile file;
  std::vector<std::string> folders;  // whose entries decide the answers
  std::vector<zept::fs::FolderStamp> stamps;  // of `folders`; empty until taken before a lookup
};

namespace {

std::vector<zept::fs::FolderStamp> stampFolders(std::vector<std::string> const& folders) {
  std::vector<zept::fs::FolderStamp> stamps;
  for (auto const& folder : folders) {
    auto stamp = zept::fs::stampFolder(folder);
    if (!stamp) return {};
    stamps.push_back(std::move(*stamp));
  }
  return stamps;
}

}  // namespace

ZEPTDBBaseData::ZEPTDBBaseData(CFGTypeDataFiles type) : m_type(type), m_units(1) {
  m_appPath = kDefaultFolder;
  m_dataPath = kDefaultFolder;
  if (m_type > kLastDataFileType || m_type < 0) m_type = 0;
  wchar_t const* key = m_type == CFGUserObjects ? L"PATHOBJSTEEL" : L"PATHDATA";
  if (ZEPTAppSet* settings = CFG()) {
    m_dataPath = settings->getPath(key, m_type);
    m_appPath = settings->getAppPath(0);
  }
  if (zept::dao::isServerFolder(m_dataPath.view())) {
    m_server = m_dataPath;
    std::wstring mirror = zept::fromUtf8(zept::dao::serverMirrorFolder(zept::toUtf8(m_server.view())));
    std::replace(mirror.begin(), mirror.end(), L'/', L'\\');
    m_dataPath = mirror.c_str();
  }
}

bool ZEPTDBBaseData::refreshServerMirror() {
  if (m_server.IsEmpty()) return true;
  try {
    zept::dao::syncServerFolder(zept::toUtf8(m_server.view()));
    return true;
  } catch (std::exception const&) {
    m_lastError = zept::jet::kConnectionFailed;
    return false;
  }
}

bool ZEPTDBBaseData::inDataFolder(CString const& path) const {
  CString upper = path, folder = m_dataPath;
  upper.MakeUpper();
  folder.MakeUpper();
  return upper.Find(folder) == 0;
}

ZEPTDBBaseData::~ZEPTDBBaseData() { m_db.Close(); }

CString& ZEPTDBBaseData::getDBPath(bool atAppPath) { return atAppPath ? m_appPath : m_dataPath; }

// A name or mask that could lead the search out of the folder finds nothing;
// an empty folder is none (its names would be relative to the working folder).
bool ZEPTDBBaseData::isDBAtAppPath(CString const& name) {
  return !m_appPath.IsEmpty() && zept::db::isCatalogMask(name) && anyMatch(m_appPath + name + L".mdb");
}

bool ZEPTDBBaseData::getDBList(CString const& mask, CStringArray& names, wchar_t const* filter) {
  names.RemoveAll();
  if (m_dataPath.IsEmpty() && m_appPath.IsEmpty()) return false;
  if (!zept::db::isCatalogMask(mask)) return false;
  // A list without the server's catalogs would pass for a whole one.
  if (!refreshServerMirror()) return false;
  if (filter) names = splitList(filter, L',');
  CStringArray found;
  appendDBFromPath(m_appPath, mask, found, filter);
  appendDBFromPath(m_dataPath, mask, found, filter);
  if (!filter) {
    for (auto const& name : found) names.Add(name);
    if (names.GetSize() > 1)
      std::sort(names.begin(), names.end(), [](CString const& a, CString const& b) { return compare(&a, &b) < 0; });
    return true;
  }
  for (int i = names.GetSize() - 1; i >= 0; --i) {
    const bool known = std::any_of(found.begin(), found.end(), [&](CString const& f) { return f == names[i]; });
    if (!known) names.RemoveAt(i);
  }
  return true;
}

void ZEPTDBBaseData::appendDBFromPath(CString const& folder, CString const& mask, CStringArray& names, wchar_t const*) {
  if (folder.IsEmpty()) return;
  CString pattern = mask + L".MDB";
  pattern.MakeUpper();
  // A mask without "*" has no fixed part before the name.
  const int star = pattern.Find(L'*');
  const CString suffix = star >= 0 ? pattern.Mid(star + 1) : CString(L".MDB");
  CFileFind find;
  bool more = find.FindFile(folder + pattern);
  if (!more) return;
  while (more) {
    more = find.FindNextFile();
    CString name = extractFileName(find.GetFilePath());
    name.MakeUpper();
    if (const int at = name.Find(suffix); at >= 0 && !suffix.IsEmpty()) name.Delete(at, suffix.GetLength());
    if (star > 0) name.Delete(0, star);
    if (std::none_of(names.begin(), names.end(), [&](CString const& n) { return n == name; })) names.Add(name);
  }
  find.Close();
}

bool ZEPTDBBaseData::knownFormat(bool known) {
  if (!known) {
    m_db.Close();
    m_lastError = zept::jet::kUnrecognizedFormat;
  }
  return known;
}

bool ZEPTDBBaseData::setDB(CString const& name) {
  m_lastError = zept::jet::kFileNotFound;
  // A name that could leave the folder selects nothing, like a missing file.
  if (!name.IsEmpty() && !zept::db::isCatalogName(name)) {
    m_db.Close();
    return false;
  }
  // A catalog the server changed is fetched anew, and the mirror's folder
  // stamp then no longer lets the last selection hold.
  const bool serverReached = name.IsEmpty() || refreshServerMirror();
  const bool holds = serverReached && !name.IsEmpty() && selectionHolds(name);
  std::unique_ptr<Selection> next;
  bool atAppPath = false;
  if (holds) {
    atAppPath = m_selected->atAppPath;
  } else if (name.IsEmpty()) {
    atAppPath = isDBAtAppPath(name);
  } else if (!m_appPath.IsEmpty()) {
    // The last select's folders, stamped before they are looked in again.
    next = std::make_unique<Selection>();
    if (m_selected) next->stamps = stampFolders(m_selected->folders);
    // As isDBAtAppPath: a catalog name holds no wildcard, so the search
    // finds what resolving finds.
    const CString probe = m_appPath + name + L".mdb";
    struct stat status {};
    const auto resolved = zept::fs::resolve(probe.view(), status, atAppPath);
    if (!resolved) {
      next.reset();
    } else {
      next->appProbe = *zept::fs::toPosix(probe.view());
      // A miss holds while its folder is unchanged only when that folder is
      // spelt exactly; an exact-case twin of it would be looked in first.
      if (atAppPath || folderOf(next->appProbe) == folderOf(*resolved))
        next->folders.push_back(folderOf(*resolved));
      else
        next.reset();
    }
  }
  const CString folder = getDBPath(atAppPath);
  if (folder.IsEmpty()) return false;
  if (!serverReached && !atAppPath) {
    m_db.Close();
    return (m_lastError = zept::jet::kConnectionFailed), false;
  }
  if (m_db.IsOpen()) {
    if (m_db.GetName() == name) return (m_lastError = 0), true;
    m_db.Close();
  }
  if (name.IsEmpty()) return (m_lastError = 0), true;
  CString path = folder + name;
  path.MakeUpper();
  if (path.Right(4) != L".MDB") path += L".MDB";
  if (holds && path == m_selected->path) {
    try {
      m_db.OpenFound(path, m_selected->file, false, true);
      m_lastError = 0;
      return true;
    } catch (CDaoException const&) {
      // Refused shared: the exclusive fallback looks everything up again.
      m_selected.reset();
      return openDatabase(m_db, path, true, true);
    } catch (...) {
      m_selected.reset();
      return false;
    }
  }
  m_selected.reset();
  zept::fs::FoundFile file;
  const bool opened = openCatalog(m_db, path, true, false, &file);
  if (!opened || file.path.empty() || !next) return opened;
  next->name = name;
  next->appPath = m_appPath;
  next->dataPath = m_dataPath;
  next->path = path;
  next->atAppPath = atAppPath;
  next->catalogText = *zept::fs::toPosix(path.view());
  next->exactElsewhere = folderOf(next->catalogText) != folderOf(file.path);
  next->file = std::move(file);
  const std::string catalogFolder = folderOf(next->file.path);
  if (std::find(next->folders.begin(), next->folders.end(), catalogFolder) == next->folders.end())
    next->folders.push_back(catalogFolder);
  // Trusted only when the stamps were of exactly the folders that decided.
  if (next->stamps.size() != next->folders.size() ||
      !std::equal(next->folders.begin(), next->folders.end(), next->stamps.begin(),
                  [](std::string const& f, zept::fs::FolderStamp const& st) { return f == st.folder; }))
    next->stamps.clear();
  m_selected = std::move(next);
  return true;
}

bool ZEPTDBBaseData::selectionHolds(CString const& name) const {
  Selection const* s = m_selected.get();
  if (!s || s->stamps.empty() || s->name != name || s->appPath != m_appPath || s->dataPath != m_dataPath) return false;
  // Drive letters are read from the environment at every call; without one
  // the spelling depends on the text alone.
  if (hasDrive(m_appPath) && zept::fs::toPosix((m_appPath + name + L".mdb").view()) != s->appProbe) return false;
  if (hasDrive(s->path) && zept::fs::toPosix(s->path.view()) != s->catalogText) return false;
  // A file spelt exactly as asked wins over the one found; when it would lie
  // in another folder, no stamp tells whether it appeared.
  struct stat st {};
  if (s->exactElsewhere && ::stat(s->catalogText.c_str(), &st) == 0) return false;
  return std::all_of(s->stamps.begin(), s->stamps.end(), [](zept::fs::FolderStamp const& f) { return f.unchanged(); });
}

CString ZEPTDBBaseData::getFullDBName() {
  if (!m_db.IsOpen()) return CString();
  CString name = m_db.GetName();
  return name.MakeUpper();
}

CString ZEPTDBBaseData::extractFileName(wchar_t const* path) const {
  const CString text(path);
  const int colon = text.ReverseFind(L':');
  const int slash = text.ReverseFind(L'\\');
  return text.Mid(std::max(colon, slash) + 1);
}

namespace {

// A writer that lifts a catalog's read-only attribute leaves this marker
// beside it until the attribute is back, so that a writer killed meanwhile
// does not leave the catalog writable for good.
CString readOnlyMarker(CString const& path) { return path + L".readonly"; }

// Puts the attribute back for a writer that died: the marker is there but
// nobody holds the catalog exclusively, as a live writer does.
void restoreAbandonedReadOnly(CString const& path) {
  const auto posix = zept::fs::resolve(path.view());
  zept::dao::FileLock probe;
  if (!posix || !probe.acquire(*posix, zept::dao::FileLock::Kind::Shared)) return;
  const std::uint32_t attributes = zept::fs::getFileAttributes(path.view());
  if (attributes != INVALID_FILE_ATTRIBUTES)
    zept::fs::setFileAttributes(path.view(), attributes | FILE_ATTRIBUTE_READONLY);
  zept::fs::deleteFile(readOnlyMarker(path).view());
}

// The marker lies beside the catalog, named like it in any case: looked up
// in the folder the catalog was found in, whose listing is kept while the
// folder does not change (one stat).
bool hasReadOnlyMarker(zept::fs::FoundFile const& catalog) {
  const std::size_t slash = catalog.path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : catalog.path.substr(0, slash ? slash : 1);
  const std::string name = slash == std::string::npos ? catalog.path : catalog.path.substr(slash + 1);
  return zept::fs::findNoCase(folder, zept::fs::foldCase(zept::fromUtf8(name + ".readonly"))).has_value();
}

// A path whose file name is plain (no wildcard, not "." or ".."), which a
// directory search finds exactly when resolving it finds a file.
bool isPlainFilePath(CString const& path) {
  const std::wstring_view p = path.view();
  const std::size_t separator = p.find_last_of(L"\\/:");
  const std::wstring_view name = separator == std::wstring_view::npos ? p : p.substr(separator + 1);
  return !name.empty() && name != L"." && name != L".." && name.find_first_of(L"*?") == std::wstring_view::npos;
}

}  // namespace

bool ZEPTDBBaseData::openDatabase(CDaoDatabase& db, CString const& path, bool readOnly, bool exclusive) {
  return openCatalog(db, path, readOnly, exclusive, nullptr);
}

bool ZEPTDBBaseData::openCatalog(CDaoDatabase& db, CString const& path, bool readOnly, bool exclusive,
                                 zept::fs::FoundFile* found) {
  m_lastError = zept::jet::kFileNotFound;
  if (path.IsEmpty()) return false;
  // A plain path is looked up once; the open goes to the file found.
  std::optional<zept::fs::FoundFile> file;
  if (isPlainFilePath(path)) {
    file = zept::fs::findFile(path.view());
    if (!file) return false;
    if (readOnly && hasReadOnlyMarker(*file))
      restoreAbandonedReadOnly(path);
    else if (found)
      *found = *file;
  } else {
    if (!anyMatch(path)) return false;
    if (readOnly && zept::fs::fileExists(readOnlyMarker(path).view())) restoreAbandonedReadOnly(path);
  }
  if (db.IsOpen()) db.Close();
  try {
    if (file)
      db.OpenFound(path, *file, exclusive || !readOnly, readOnly);
    else
      db.Open(path, exclusive || !readOnly, readOnly, L"");
    m_lastError = 0;
    return true;
  } catch (CDaoException const& e) {
    m_lastError = e.errorCode();
    if (readOnly && !exclusive) return openDatabase(db, path, true, true);
    return false;
  } catch (...) {
    m_lastError = zept::jet::kCannotOpen;
    return false;
  }
}

bool ZEPTDBBaseData::isTableExist(CDaoDatabase& db, wchar_t const* table) {
  if (!table || !*table) return false;
  try {
    CDaoTableDefInfo info;
    db.GetTableDefInfo(table, info, AFX_DAO_PRIMARY_INFO);
    return true;
  } catch (...) {
    return false;
  }
}

bool ZEPTDBBaseData::isTableEmpty(CDaoDatabase& db, wchar_t const* table) {
  if (!table || !*table) return false;
  try {
    CDaoTableDef def(&db);
    def.Open(table);
    const long count = def.GetRecordCount();
    def.Close();
    return count < 1;
  } catch (...) {
    return true;
  }
}

bool ZEPTDBBaseData::makeDBWritable(ZEPTDBStatus& status) {
  status = ZEPTDBStatus();
  if (!m_db.IsOpen()) return false;
  const CString name = m_db.GetName();
  if (inServerMirror(name)) return (m_lastError = zept::jet::kReadOnly), false;
  m_writablePath = name;
  if (m_db.CanUpdate()) return true;
  status.reopened = true;
  m_db.Close();
  if (openDatabase(m_db, name, false, false)) return true;
  // A genuine Access catalog never opens for writing: its attributes stay.
  if (zept::dao::isGenuineAccessFile(name.view())) return false;
  status.attributes = zept::fs::getFileAttributes(name.view());
  if (status.attributes == INVALID_FILE_ATTRIBUTES || !(status.attributes & FILE_ATTRIBUTE_READONLY)) return false;
  status.attributesChanged = true;
  if (!zept::fs::createEmptyFile(readOnlyMarker(name).view())) return false;
  if (!zept::fs::setFileAttributes(name.view(), status.attributes & ~FILE_ATTRIBUTE_READONLY)) return false;
  return openDatabase(m_db, name, false, false);
}

namespace {

CString buildingPath(CString const& path) { return path + L".building"; }

}  // namespace

bool ZEPTDBBaseData::startCatalog(CString const& path) {
  if (m_db.IsOpen()) m_db.Close();
  const CString building = buildingPath(path);
  // Only the leftover of a killed creation goes: the engine tags every file
  // it creates with its inode. A file the user put at the name stays, and
  // the creation fails instead.
  if (!zept::fs::removeStaleFile(building.view(), [](int fd, struct stat const& st) {
        return zept::dao::carriesBuilderTag(fd, st.st_ino);
      }))
    return false;
  try {
    m_db.Create(building, dbLangGeneral, dbVersion30);
    return true;
  } catch (...) {
    // The engine removed the file if it made one.
    m_db.Close();
    return false;
  }
}

bool ZEPTDBBaseData::finishCatalog(CString const& path) {
  m_db.Close();
  const CString building = buildingPath(path);
  const auto from = zept::fs::resolve(building.view()), to = zept::fs::resolve(path.view());
  bool placed = false;
  if (from && to) {
    try {
      zept::dao::placeCatalogFile(*from, *to, false);
      placed = true;
    } catch (CDaoException const&) {
    }
  }
  if (!placed) {
    zept::fs::deleteFile(building.view());
    return false;
  }
  if (!openDatabase(m_db, path, false, false)) return false;
  // In place, it is no leftover: a user who renames it later keeps it. Not
  // before the move, which would leave a killed creation's file untagged.
  try {
    zept::dao::clearBuilderTag(m_db.engine());
  } catch (CDaoException const&) {
  }
  return true;
}

void ZEPTDBBaseData::restoreDBStatus(ZEPTDBStatus const& status) {
  if (!status.reopened) return;
  // After a failed makeDBWritable the catalog is closed; its path was kept.
  const CString name = m_db.IsOpen() ? m_db.GetName() : m_writablePath;
  m_db.Close();
  if (name.IsEmpty()) return;
  if (status.attributesChanged && zept::fs::setFileAttributes(name.view(), status.attributes))
    zept::fs::deleteFile(readOnlyMarker(name).view());
  openDatabase(m_db, name, true, false);
}

CStringArray ZEPTDBBaseData::splitList(wchar_t const* text, wchar_t separator) {
  CString list(text);
  list.Trim();
  list.Trim(separator);
  CStringArray pieces;
  for (int start = 0;;) {
    const int at = list.Find(separator, start);
    if (at < 0) {
      pieces.Add(list.Mid(start));
      return pieces;
    }
    pieces.Add(list.Mid(start, at - start));
    start = at + 1;
  }
}

int ZEPTDBBaseData::compare(void const* a, void const* b) {
  return static_cast<CString const*>(a)->Compare(*static_cast<CString const*>(b));
}
