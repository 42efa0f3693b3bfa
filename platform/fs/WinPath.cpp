// SPDX-License-Identifier: MIT
// Windows-style paths resolved component by component through DirCache,
// with the drive folders taken from the environment.
#include "platform/fs/WinPath.h"

#include <sys/stat.h>

#include <cstdlib>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/core/Utf8.h"
#include "platform/fs/CaseFold.h"
#include "platform/fs/DirCache.h"

namespace zept::fs {

namespace {

bool isAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

void collapseSeparators(std::string& path) {
  std::string out;
  out.reserve(path.size());
  for (char c : path) {
    if (c == '\\') c = '/';
    if (c == '/' && !out.empty() && out.back() == '/') continue;
    out.push_back(c);
  }
  path = std::move(out);
}

std::vector<std::string_view> components(std::string_view path) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < path.size()) {
    std::size_t j = path.find('/', i);
    if (j == std::string_view::npos) j = path.size();
    if (j > i) out.push_back(path.substr(i, j - i));
    i = j + 1;
  }
  return out;
}

bool statOk(std::string const& path, bool wantDirectory, struct stat* status = nullptr) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  if (status) *status = st;
  return !wantDirectory || S_ISDIR(st.st_mode);
}

// Whole paths resolved before. Catalog paths arrive upper-cased, so every
// component differs from the disk and a walk costs a stat per component; a
// remembered answer is checked with one stat instead.
class ResolvedPaths {
 public:
  std::optional<std::string> find(std::string const& key) {
    std::lock_guard lock(m_mutex);
    auto it = m_paths.find(key);
    if (it == m_paths.end()) return std::nullopt;
    return it->second;
  }
  void remember(std::string key, std::string resolved) {
    std::lock_guard lock(m_mutex);
    if (m_paths.size() >= 1024) m_paths.clear();
    m_paths[std::move(key)] = std::move(resolved);
  }

 private:
  std::mutex m_mutex;
  std::unordered_map<std::string, std::string> m_paths;
};

ResolvedPaths& resolvedPaths() {
  static ResolvedPaths paths;
  return paths;
}

}  // namespace

std::optional<std::string> toPosix(std::wstring_view winPath) {
  if (winPath.empty()) return std::nullopt;
  // A NUL would end the name early and a character that is no Unicode would
  // become U+FFFD in UTF-8: either names another file than the one given.
  if (winPath.find(L'\0') != std::wstring_view::npos || !isUtf8Encodable(winPath)) return std::nullopt;
  std::string out;
  if (winPath.size() >= 2 && winPath[1] == L':' && isAsciiLetter(winPath[0])) {
    const char letter = static_cast<char>(winPath[0] & ~0x20);  // ASCII upper case
    const std::string var = std::string("ZEPT_DRIVE_") + letter;
    char const* root = std::getenv(var.c_str());
    if (root == nullptr || *root == '\0') return std::nullopt;
    out = root;
    out.push_back('/');
    appendUtf8(out, winPath.substr(2));
  } else {
    out = toUtf8(winPath);
  }
  collapseSeparators(out);
  return out;
}

std::optional<std::string> resolve(std::wstring_view winPath) {
  struct stat status {};
  bool found = false;
  return resolve(winPath, status, found);
}

std::optional<FoundFile> findFile(std::wstring_view winPath) {
  FoundFile file;
  bool found = false;
  std::optional<std::string> path = resolve(winPath, file.status, found);
  if (!path || !found) return std::nullopt;
  file.path = std::move(*path);
  return file;
}

std::optional<std::string> resolve(std::wstring_view winPath, struct stat& status, bool& found) {
  found = false;
  std::optional<std::string> posix = toPosix(winPath);
  if (!posix) return std::nullopt;
  std::string const& p = *posix;
  if (statOk(p, false, &status)) {
    found = true;
    return posix;
  }
  if (auto known = resolvedPaths().find(p); known && statOk(*known, false, &status)) {
    found = true;
    return known;
  }

  const bool absolute = p.front() == '/';
  const bool trailing = p.size() > 1 && p.back() == '/';
  const std::vector<std::string_view> parts = components(p);
  std::string cur = absolute ? "/" : "";
  std::size_t first = 0;
  // Mostly only the file name differs in case: one stat of its folder then
  // saves a stat per component on the way. A folder resolved before is
  // remembered, so that a name missing from it (a marker looked for beside
  // a catalog) costs a stat of the folder, not a walk.
  std::string parentKey;
  bool missing = false;  // the last component, looked for both ways
  if (parts.size() > 1) {
    std::string parent = cur;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) parent = joinPath(parent, parts[i]);
    if (statOk(parent, true)) {
      cur = std::move(parent);
      first = parts.size() - 1;
    } else if (auto known = resolvedPaths().find(parent); known && statOk(*known, true)) {
      cur = std::move(*known);
      first = parts.size() - 1;
    } else {
      parentKey = std::move(parent);
    }
  }
  for (std::size_t i = first; i < parts.size(); ++i) {
    const bool last = i + 1 == parts.size();
    const std::string_view part = parts[i];
    std::string exact = joinPath(cur, part);
    if (part == "." || part == ".." || statOk(exact, !last)) {
      cur = std::move(exact);
      continue;
    }
    if (auto real = findNoCase(cur, foldCase(fromUtf8(part)))) {
      std::string found = joinPath(cur, *real);
      if (last || statOk(found, true)) {
        cur = std::move(found);
        continue;
      }
    }
    if (!last) return std::nullopt;
    cur = std::move(exact);
    missing = true;
  }
  if (!parentKey.empty()) {
    const std::size_t slash = cur.rfind('/');
    if (slash != std::string::npos && slash > 0) resolvedPaths().remember(std::move(parentKey), cur.substr(0, slash));
  }
  if (trailing) cur.push_back('/');
  if (!missing && statOk(cur, false, &status)) {
    found = true;
    resolvedPaths().remember(p, cur);
  }
  return cur;
}

}  // namespace zept::fs
