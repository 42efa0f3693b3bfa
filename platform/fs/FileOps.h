// SPDX-License-Identifier: MIT
// File attributes, copying and removing, with Windows' meaning.
//
// Paths are Windows-style and resolved as WinPath.h describes. The read-only
// attribute is the owner's write bit. Root may write to a file whatever its
// bits say, so the kernel does not enforce read-only there: code that is
// about to write a file must ask isReadOnly itself and refuse, as Windows
// would.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

inline constexpr std::uint32_t FILE_ATTRIBUTE_READONLY = 0x1;
inline constexpr std::uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr std::uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;
inline constexpr std::uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

namespace zept::fs {

// READONLY when the owner write bit is clear, DIRECTORY for a folder, NORMAL
// when neither applies; INVALID_FILE_ATTRIBUTES when the path does not exist.
std::uint32_t getFileAttributes(std::wstring_view path);

// Sets or clears the owner write bit after FILE_ATTRIBUTE_READONLY in
// `attributes`; other bits are ignored. False when the path does not exist or
// its mode cannot be changed.
bool setFileAttributes(std::wstring_view path, std::uint32_t attributes);

// True when the path exists and carries the read-only attribute.
bool isReadOnly(std::wstring_view path);

bool fileExists(std::wstring_view path);
bool isDirectory(std::wstring_view path);
// Size in bytes; 0 when the path does not exist or is not a file.
std::uint64_t fileSize(std::wstring_view path);

// Copies a file so that nobody ever sees half of it under `to`: the data goes
// to a temporary file in the target folder, is flushed to disk and then
// renamed over the target. The copy keeps the source's permission bits and
// modification time. False, with nothing left behind, when the source is
// missing or not a file, the target folder is missing, the target is a folder
// or read-only, or `failIfExists` is set and the target exists.
bool copyFile(std::wstring_view from, std::wstring_view to, bool failIfExists);

// Renames a file to `to` in the same file system, never replacing a file
// there: false when `to` exists, the source is missing or not a file.
bool moveFile(std::wstring_view from, std::wstring_view to);

// Creates an empty file, or leaves an existing one as it is, and makes its
// name durable; a symbolic link at the name is replaced, never followed.
// False when the folder is missing or not writable.
bool createEmptyFile(std::wstring_view path);

// Removes a file nobody holds a lock on (the leftover of a killed process),
// or a symbolic link at the path, whatever it leads to. True when the path
// is gone afterwards; false when the file is locked, is not a regular file
// or cannot be removed.
bool removeStaleFile(std::wstring_view path);
// The same for a file the library builds under a fixed name: a regular file
// goes only when `madeHere` accepts it (given its open descriptor and
// status) or it is empty, which loses nothing; else it is the user's, and
// stays (false).
bool removeStaleFile(std::wstring_view path, std::function<bool(int fd, struct stat const& st)> const& madeHere);

// Removes a file. False for a missing path, a folder and, as on Windows, a
// read-only file.
bool deleteFile(std::wstring_view path);

}  // namespace zept::fs

ZEPTDB_END_EXPORTS
