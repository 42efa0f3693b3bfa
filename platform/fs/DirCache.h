// SPDX-License-Identifier: MIT
// Per-directory cache of entry names, for case-insensitive lookups.
//
// Catalog code builds upper-case paths to files that lie in lower- or
// mixed-case folders, and selecting one catalog asks for several such paths.
// Scanning a folder for every one of them would cost a readdir per call, so
// each folder's names are kept, keyed by their folded form, and reused until
// the folder's modification time changes.
//
// Timestamps are coarse (a few milliseconds on most file systems), so a
// change right after a scan can leave the time unchanged. A listing taken
// within two seconds of the folder's last change is therefore "racy": a miss
// or a full listing rescans it instead of trusting it. A hit is always checked
// with one stat, so a renamed or deleted entry is noticed too.
//
// All functions are thread-safe.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zept::fs {

struct DirName {
  std::string name;    // the entry's name on disk (bytes as stored)
  std::wstring wide;   // the same name decoded from UTF-8
};

// The entry of `dir` (a POSIX folder, absolute or relative; "" is the working
// folder) whose folded name equals `foldedName`; when several names differ
// only in case, the smallest in byte order. Nullopt when there is none or the
// folder cannot be read.
std::optional<std::string> findNoCase(std::string const& dir, std::wstring_view foldedName);

// Every entry of `dir` except "." and "..", sorted by name; nullopt when the
// folder cannot be read.
std::optional<std::vector<DirName>> listDirectory(std::string const& dir);

// A folder's entries as of one stat: adding, removing or renaming an entry
// changes its modification time. Taken only when the folder last changed
// long enough before (see above) for any later change to show.
struct FolderStamp {
  std::string folder;
  std::uint64_t dev = 0, ino = 0;
  std::int64_t mtimeSeconds = 0, mtimeNanoseconds = 0, ctimeSeconds = 0, ctimeNanoseconds = 0;
  // Whether the folder is still the one stamped, with the same entries.
  bool unchanged() const;
};
// Nullopt when `folder` is not a folder or changed too recently.
std::optional<FolderStamp> stampFolder(std::string const& folder);

// Forgets every cached folder.
void clearDirCache();

// `dir` + "/" + `name`, without doubling a separator; "" stands for the
// working folder and gives `name` alone.
std::string joinPath(std::string_view dir, std::string_view name);

}  // namespace zept::fs
