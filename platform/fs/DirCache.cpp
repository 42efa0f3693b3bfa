// SPDX-License-Identifier: MIT
// The folder listings behind case-insensitive lookups, stamped by the
// folder's modification time and rescanned when racy; folder stamps for
// callers that keep answers of their own.
#include "platform/fs/DirCache.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/core/Utf8.h"
#include "platform/fs/CaseFold.h"

namespace zept::fs {

namespace {

// Beyond this many folders the cache starts over; catalog programs touch a
// handful, so the bound only guards against a caller walking a whole tree.
constexpr std::size_t kMaxFolders = 512;
constexpr std::time_t kRacySeconds = 2;

struct Listing {
  dev_t dev = 0;
  ino_t ino = 0;
  timespec mtime{};
  bool racy = true;
  std::vector<DirName> names;                        // sorted by name
  std::unordered_map<std::wstring, std::size_t> byFold;  // folded name -> index
};

std::mutex gMutex;
std::unordered_map<std::string, Listing> gFolders;

bool sameStamp(Listing const& l, struct stat const& st) {
  return l.dev == st.st_dev && l.ino == st.st_ino && l.mtime.tv_sec == st.st_mtim.tv_sec &&
         l.mtime.tv_nsec == st.st_mtim.tv_nsec;
}

// Relative folders are keyed by the absolute form so a change of working
// folder cannot serve the wrong listing.
std::string cacheKey(std::string const& dir) {
  if (!dir.empty() && dir.front() == '/') return dir;
  std::string cwd(4096, '\0');
  if (::getcwd(cwd.data(), cwd.size()) == nullptr) return {};
  cwd.resize(std::char_traits<char>::length(cwd.c_str()));
  return dir.empty() ? cwd : joinPath(cwd, dir);
}

// Reads `dir` into `out`. The folder's stamp is taken before reading, so a
// change during the scan shows up as a newer time on the next check.
bool scan(std::string const& key, Listing& out) {
  struct stat st {};
  if (::stat(key.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(key.c_str()), &::closedir);
  DIR* const d = dir.get();
  if (d == nullptr) return false;
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);

  Listing l;
  l.dev = st.st_dev;
  l.ino = st.st_ino;
  l.mtime = st.st_mtim;
  l.racy = now.tv_sec - st.st_mtim.tv_sec < kRacySeconds;
  while (dirent* e = ::readdir(d)) {
    std::string_view n = e->d_name;
    if (n == "." || n == "..") continue;
    l.names.push_back({std::string(n), fromUtf8(n)});
  }
  std::sort(l.names.begin(), l.names.end(),
            [](DirName const& a, DirName const& b) { return a.name < b.name; });
  l.byFold.reserve(l.names.size());
  for (std::size_t i = 0; i < l.names.size(); ++i)
    l.byFold.emplace(foldCase(l.names[i].wide), i);  // first, i.e. smallest, wins
  out = std::move(l);
  return true;
}

// The cached listing of `key`, rescanned when the folder changed or `force`
// is set; null when the folder cannot be read. Caller holds gMutex.
Listing* current(std::string const& key, bool force) {
  struct stat st {};
  if (::stat(key.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    gFolders.erase(key);
    return nullptr;
  }
  auto it = gFolders.find(key);
  if (it != gFolders.end() && !force && sameStamp(it->second, st)) return &it->second;
  if (it == gFolders.end()) {
    if (gFolders.size() >= kMaxFolders) gFolders.clear();
    it = gFolders.emplace(key, Listing{}).first;
  }
  if (!scan(key, it->second)) {
    gFolders.erase(it);
    return nullptr;
  }
  return &it->second;
}

bool entryExists(std::string const& key, std::string const& name) {
  struct stat st {};
  return ::lstat(joinPath(key, name).c_str(), &st) == 0;
}

}  // namespace

std::string joinPath(std::string_view dir, std::string_view name) {
  std::string out(dir);
  if (!out.empty() && out.back() != '/') out.push_back('/');
  out.append(name);
  return out;
}

std::optional<std::string> findNoCase(std::string const& dir, std::wstring_view foldedName) {
  const std::string key = cacheKey(dir);
  if (key.empty()) return std::nullopt;
  std::lock_guard lock(gMutex);
  Listing* l = current(key, false);
  for (int attempt = 0; l != nullptr && attempt < 2; ++attempt) {
    auto hit = l->byFold.find(std::wstring(foldedName));
    if (hit != l->byFold.end()) {
      std::string const& name = l->names[hit->second].name;
      if (entryExists(key, name)) return name;
    } else if (!l->racy) {
      return std::nullopt;
    }
    if (attempt == 0) l = current(key, true);
  }
  return std::nullopt;
}

std::optional<std::vector<DirName>> listDirectory(std::string const& dir) {
  const std::string key = cacheKey(dir);
  if (key.empty()) return std::nullopt;
  std::lock_guard lock(gMutex);
  Listing* l = current(key, false);
  if (l != nullptr && l->racy) l = current(key, true);
  if (l == nullptr) return std::nullopt;
  return l->names;
}

namespace {

bool stampOf(std::string const& folder, FolderStamp& out) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  out.dev = st.st_dev;
  out.ino = st.st_ino;
  out.mtimeSeconds = st.st_mtim.tv_sec;
  out.mtimeNanoseconds = st.st_mtim.tv_nsec;
  out.ctimeSeconds = st.st_ctim.tv_sec;
  out.ctimeNanoseconds = st.st_ctim.tv_nsec;
  return true;
}

}  // namespace

bool FolderStamp::unchanged() const {
  FolderStamp now;
  if (!stampOf(folder, now)) return false;
  return now.dev == dev && now.ino == ino && now.mtimeSeconds == mtimeSeconds &&
         now.mtimeNanoseconds == mtimeNanoseconds && now.ctimeSeconds == ctimeSeconds &&
         now.ctimeNanoseconds == ctimeNanoseconds;
}

std::optional<FolderStamp> stampFolder(std::string const& folder) {
  FolderStamp stamp;
  stamp.folder = folder;
  if (!stampOf(folder, stamp)) return std::nullopt;
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  if (now.tv_sec - stamp.mtimeSeconds < kRacySeconds) return std::nullopt;
  return stamp;
}

void clearDirCache() {
  std::lock_guard lock(gMutex);
  gFolders.clear();
}

}  // namespace zept::fs
