// SPDX-License-Identifier: MIT
// Windows-style paths on a POSIX file system.
//
// The catalog code builds paths the Windows way: a drive letter, "\"
// separators, sometimes doubled ("C:\data\\PDLScripts.mdb"), names in upper
// case whatever the case on disk. This maps such a path to a POSIX one and
// finds the file it means:
//
//   - "\" and "/" are both separators; runs of separators count as one, so a
//     POSIX folder used as a prefix ("/srv/cat/" + "BOLTS.MDB") and a mixed
//     path ("/srv/cat/\SUB\F.MDB") work as well as a Windows one;
//   - a leading drive "X:" (any letter, either case) stands for the folder
//     named by the environment variable ZEPT_DRIVE_X (upper-case letter),
//     read at every call; without that variable the path does not exist;
//   - every component is looked up without regard to case, an exact-case
//     match winning over any other.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept::fs {

// The POSIX spelling of `winPath`, without touching the disk. Nullopt for an
// empty path, for one holding a NUL or a character that is no Unicode (a
// lone surrogate, a value past U+10FFFF), and for a drive letter without its
// ZEPT_DRIVE_ variable. A trailing separator is kept (as one "/").
std::optional<std::string> toPosix(std::wstring_view winPath);

// The path on disk that `winPath` names. Folders on the way must exist
// (matched case-insensitively), else nullopt. When the last component does not
// exist, the result is the resolved parent followed by that component as given,
// so the caller can create the file there. Costs one stat when the exact path
// exists; otherwise folder listings come from a cache (see DirCache.h).
std::optional<std::string> resolve(std::wstring_view winPath);
// The same, also giving the status of what the result names: `found` is
// false when it does not exist. Saves a caller that needs the status a stat.
std::optional<std::string> resolve(std::wstring_view winPath, struct stat& status, bool& found);

// A file that exists, as resolve() found it: its POSIX path and its status
// at that moment.
struct FoundFile {
  std::string path;
  struct stat status {};
};
// The file `winPath` names, or nullopt when there is none.
std::optional<FoundFile> findFile(std::wstring_view winPath);

}  // namespace zept::fs

ZEPTDB_END_EXPORTS
