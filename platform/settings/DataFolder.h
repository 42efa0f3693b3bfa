// SPDX-License-Identifier: MIT
// Where the catalogs bundled with the library were installed.
#pragma once

#include <string>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept {

// The installed catalogs' folder, "…/share/zeptdb/", ending in "/". It is
// looked for beside the library, relative to the shared library's own folder
// or, for a static library, to the program's (a program installed into the
// library's bin/); when neither holds it, the folder the build was configured
// to install into, or, while that does not exist, the build tree's catalogs
// (when the build made them), else the configured folder all the same. Never
// empty; reads no environment variable.
//
// The library's own default without a settings object stays
// "U:\SYSTEM\DATA\"; a program that wants the bundled catalogs installs
// `ZEPTEnvAppSet settings(zept::installedDataFolder())`.
std::wstring installedDataFolder();

}  // namespace zept

ZEPTDB_END_EXPORTS
