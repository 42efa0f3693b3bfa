// SPDX-License-Identifier: MIT
// Where the tools find their catalogs: the folders given on the command
// line, else the settings variables, else the bundled catalogs (installed
// beside the binary, or those of the build tree it was built in).
#pragma once

#include <string>

namespace zept::tools {

// The bundled catalogs: `installedRelative` from the running binary's folder
// when that is a folder, else `buildDir`.
std::string bundledDataDir(std::string const& buildDir, std::string const& installedRelative);

// Sets ZEPT_DATA_PATH and ZEPT_APP_PATH (and ZEPT_OBJSTEEL_PATH when unset),
// which the settings object reads when it is made. An empty `dataDir` falls
// back to $ZEPT_DATA_PATH, then `bundled`; an empty `appDir` to
// $ZEPT_APP_PATH, then the data folder. Each folder ends in a separator.
void setFolderEnvironment(std::string dataDir, std::string appDir, std::string const& bundled);

}  // namespace zept::tools
