// SPDX-License-Identifier: MIT
// CFileFind over a listing of the pattern's folder, matched by CaseFold's
// wildcard and resolved through WinPath and DirCache.
#include "platform/fs/FileFind.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/core/Utf8.h"
#include "platform/fs/CaseFold.h"
#include "platform/fs/DirCache.h"
#include "platform/fs/WinPath.h"

namespace zept::fs {

namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool hasDrive(std::wstring_view p) {
  return p.size() >= 2 && p[1] == L':' &&
         ((p[0] >= L'a' && p[0] <= L'z') || (p[0] >= L'A' && p[0] <= L'Z'));
}

// Length of the folder part of `pattern`, its last separator included.
std::size_t folderLength(std::wstring_view pattern) {
  for (std::size_t i = pattern.size(); i > 0; --i)
    if (isSeparator(pattern[i - 1])) return i;
  return hasDrive(pattern) ? 2 : 0;
}

bool statEntry(std::string const& path, bool& isDirectory) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  isDirectory = S_ISDIR(st.st_mode);
  return true;
}

}  // namespace

std::vector<FindEntry> findFiles(std::wstring_view pattern) {
  std::vector<FindEntry> out;
  const std::size_t split = folderLength(pattern);
  const std::wstring_view folder = pattern.substr(0, split);
  std::wstring_view name = pattern.substr(split);
  if (name.empty() || name == L"." || name == L"..") return out;

  if (name.find_first_of(L"*?") == std::wstring_view::npos) {
    struct stat status {};
    bool found = false;
    std::optional<std::string> path = resolve(pattern, status, found);
    if (!path || !found) return out;
    FindEntry e;
    e.isDirectory = S_ISDIR(status.st_mode);
    const std::size_t slash = path->rfind('/');
    e.name = fromUtf8(slash == std::string::npos ? *path : path->substr(slash + 1));
    e.posixPath = std::move(*path);
    out.push_back(std::move(e));
    return out;
  }

  std::optional<std::string> dir = folder.empty() ? std::optional<std::string>("") : resolve(folder);
  if (!dir) return out;
  std::optional<std::vector<DirName>> names = listDirectory(*dir);
  if (!names) return out;
  if (name == L"*.*") name = L"*";
  for (DirName const& n : *names) {
    if (!matchWildcard(name, n.wide)) continue;
    FindEntry e;
    e.posixPath = joinPath(*dir, n.name);
    if (!statEntry(e.posixPath, e.isDirectory)) {
      // A dangling link is still an entry of the folder.
      struct stat st {};
      if (::lstat(e.posixPath.c_str(), &st) != 0) continue;
    }
    e.name = n.wide;
    out.push_back(std::move(e));
  }
  std::sort(out.begin(), out.end(), [](FindEntry const& a, FindEntry const& b) { return a.name < b.name; });
  return out;
}

}  // namespace zept::fs

bool CFileFind::FindFile(wchar_t const* pattern) {
  Close();
  std::wstring_view p = pattern != nullptr ? std::wstring_view(pattern) : std::wstring_view(L"*.*");
  m_entries = zept::fs::findFiles(p);
  if (m_entries.empty()) return false;

  // Root as MFC reports it: Windows separators, no doubled ones.
  for (wchar_t c : p.substr(0, zept::fs::folderLength(p))) {
    if (c == L'/') c = L'\\';
    if (c == L'\\' && !m_root.empty() && m_root.back() == L'\\') continue;
    m_root.push_back(c);
  }
  return true;
}

bool CFileFind::FindNextFile() {
  if (m_next >= m_entries.size()) return false;
  ++m_next;
  return m_next < m_entries.size();
}

void CFileFind::Close() {
  m_entries.clear();
  m_root.clear();
  m_next = 0;
}

zept::fs::FindEntry const* CFileFind::current() const {
  return m_next == 0 ? nullptr : &m_entries[m_next - 1];
}

CString CFileFind::GetFileName() const {
  auto const* e = current();
  return e != nullptr ? CString(e->name) : CString();
}

CString CFileFind::GetFilePath() const {
  auto const* e = current();
  return e != nullptr ? CString(m_root + e->name) : CString();
}

CString CFileFind::GetRoot() const { return CString(m_root); }

bool CFileFind::IsDirectory() const {
  auto const* e = current();
  return e != nullptr && e->isDirectory;
}
