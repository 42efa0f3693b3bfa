// SPDX-License-Identifier: MIT
// Where the tools find their catalogs: the folders given on the command
// line, else the settings variables, else the bundled catalogs (installed
// beside the binary, or those of the build tree it was built in) and the
// user's own catalog folder.
#pragma once

#include <string>

namespace zept::tools {

// The bundled catalogs: `installedRelative` from the running binary's folder
// when that is a folder, else `buildDir`.
std::string bundledDataDir(std::string const& buildDir, std::string const& installedRelative);

// The user's own catalog folder, "$XDG_DATA_HOME/zeptdb/" ($HOME/.local/share
// when XDG_DATA_HOME is unset or not absolute); "" without either. It need
// not exist: makeAppFolder creates it before a write.
std::string userCatalogDir();

// Sets ZEPT_DATA_PATH and ZEPT_APP_PATH (and ZEPT_OBJSTEEL_PATH when unset),
// which the settings object reads when it is made. An empty `dataDir` falls
// back to $ZEPT_DATA_PATH, then `bundled`; an empty `appDir` to
// $ZEPT_APP_PATH, then userCatalogDir(), so that writes never land in the
// data folder (often installed, shared by every user) unless asked to. Each
// folder ends in a separator.
void setFolderEnvironment(std::string dataDir, std::string appDir, std::string const& bundled);

// Creates the application folder ($ZEPT_APP_PATH, as set above) when it does
// not exist yet, private to the user (0700) as a per-user data folder is; a
// write needs it. False when it cannot be made.
bool makeAppFolder();

}  // namespace zept::tools
