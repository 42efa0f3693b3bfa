// SPDX-License-Identifier: MIT
// What zeptcat's catalog commands share about folders and missing values:
// the folders as the user gave them for messages, and the cell a missing
// value prints as.
#pragma once

#include <string>

#include "database/ZEPTDBBaseData.h"
#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "tools/zeptcat/Command.h"

namespace zeptcat {

// A folder as the user gave it, not in the form handed to the catalog code.
std::string shown(CString const& folder);
// Why `accessor`'s data folder, a server, failed a select or list (3151).
std::string serverUnreachable(ZEPTDBBaseData& accessor);

// The accessor's folders for a message: "APP or DATA", or one when they agree.
std::string folders(ZEPTDBBaseData& accessor);

// Throws, as the command's failure, why `accessor` could not select its
// catalog NAME, the file FILE of `kind` ("profile"), as the library knows it
// (getLastDBError): missing, held by another process, damaged, read-only or
// no catalog of the kind. Every catalog command reports a refused selection
// through here, so that no damaged or busy catalog is called missing.
[[noreturn]] void catalogRefused(ZEPTDBBaseData& accessor, std::string const& kind, std::string const& name,
                                 std::string const& file);

// Why a write into the catalog file at `path` was refused, after the
// accessor's last error `code`, and what the user can do about it: another
// process holding it, a genuine Access file, no permission on the file or
// its folder, a full disk, else the engine's code. For "cannot ...: <this>".
std::string whyNotWritten(std::wstring const& path, long code);

// Throws why the write `what` ("write size 300 of IPE") into the catalog
// file `file` ("EUROpro.mdb") was refused: the application folder's copy
// when there is one, else the data folder's file.
[[noreturn]] void writeRefused(ZEPTDBBaseData& accessor, std::string const& what, std::string const& file);

// Before a write into the application folder: makes the user's catalog
// folder on first use; one that cannot be made is an error naming it.
void needAppFolder();

// The file a write of `catalog` (as the command line gave it; `found` where
// catalogPath found it) changes. One named by its name and found outside the
// application folder (in the data folder, often installed and shared by
// every user) is copied into the application folder first, saying so on
// stderr, and the copy is written, as the profile writer does; a path names
// the file itself.
std::wstring writableCatalog(std::string const& catalog, std::wstring const& found);

// A value a catalog lacks: "-" for people, null for programs.
COleVariant none(Context const& ctx);

// `text`, or none() when it is empty.
COleVariant textOr(Context const& ctx, CString const& text);

}  // namespace zeptcat
