// SPDX-License-Identifier: MIT
// What zeptview remembers between runs: the last size shown, the window's
// size, the settings and the properties' units, as key=value lines in
// $XDG_CONFIG_HOME/zeptview/settings (~/.config when that is unset).
#pragma once

#include <filesystem>
#include <string>

#include "tools/zeptview/CatalogTree.h"
#include "tools/zeptview/Properties.h"

namespace zeptview {

struct RememberedState {
  ViewSettings view;
  PropertyUnits units = PropertyUnits::tables;
  std::string selection;  // "CATALOG NAME DIMS", as --select takes it
  int width = 0, height = 0;  // 0: not known
};

// Where the state is kept; empty when neither XDG_CONFIG_HOME nor HOME is set.
std::filesystem::path stateFile();

std::string formatState(RememberedState const& state);
// Keys it does not know and values that do not read are skipped, keeping
// what `state` held.
void parseState(std::string const& text, RememberedState& state);

// A missing or unreadable file leaves `state` as it was.
void loadState(std::filesystem::path const& file, RememberedState& state);
// Writes a sibling file and renames it over `file`, so that a reader sees
// the old state or the new one, never a part. False when it could not.
bool saveState(std::filesystem::path const& file, RememberedState const& state);

}  // namespace zeptview
