// SPDX-License-Identifier: MIT
// Wildcard directory search, as FindFirstFile/FindNextFile and MFC's CFileFind
// offer it on Windows: "*" and "?" in the last path component, compared
// without regard to case; folders on the way are resolved as WinPath.h does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/CString.h"
#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept::fs {

struct FindEntry {
  std::wstring name;      // the entry's name as stored on disk
  std::string posixPath;  // where it lies
  bool isDirectory = false;
};

// Entries matching `pattern`, sorted by name; "." and ".." never appear.
// Without a wildcard the result is the one entry the path names, if it
// exists. "*.*" matches every name, with or without a dot, as on Windows.
// A missing folder, an empty pattern or one ending in a separator gives none.
std::vector<FindEntry> findFiles(std::wstring_view pattern);

}  // namespace zept::fs

// MFC's CFileFind over findFiles. The matches are taken when FindFile runs;
// later changes to the folder are not seen until the next FindFile. Loop as
// MFC code does:
//
//   bool more = f.FindFile(pattern);
//   while (more) { more = f.FindNextFile(); use(f.GetFileName()); }
//
// FindNextFile moves to the next match and returns false when that match is
// the last one. Before the first FindNextFile, and after Close, the getters
// give an empty text and IsDirectory false.
class CFileFind {
 public:
  CFileFind() = default;

  // True when something matches. A null pattern means "*.*" in the working
  // folder, as in MFC.
  bool FindFile(wchar_t const* pattern = nullptr);
  bool FindNextFile();
  void Close();

  CString GetFileName() const;
  // The pattern's folder part, with "\" as separator, followed by the name:
  // "U:\DATA\Bolts.mdb" for "U:\DATA\B*.MDB", "\srv\cat\Bolts.mdb" for
  // "/srv/cat/B*.MDB". The catalog code takes file names apart at ":" and "\"
  // only, and the file-system layer reads either separator.
  CString GetFilePath() const;
  // The pattern's folder part as GetFilePath uses it ("" for a bare name).
  CString GetRoot() const;
  bool IsDirectory() const;

 private:
  zept::fs::FindEntry const* current() const;

  std::vector<zept::fs::FindEntry> m_entries;
  std::wstring m_root;
  std::size_t m_next = 0;  // index of the entry FindNextFile moves to
};

ZEPTDB_END_EXPORTS
