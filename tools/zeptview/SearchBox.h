// SPDX-License-Identifier: MIT
// The search entry above the catalog tree: while it holds text, the tree
// gives way to the sizes found; picking one hands it over and brings the
// tree back.
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <vector>

#include "tools/zeptview/CatalogTree.h"

namespace zeptview {

// `tree` is the tree's (scrolled) widget, which the box takes in; typing in
// `window` outside any text field goes to the entry.
GtkWidget* makeSearchBox(std::vector<ProfileCatalog> const& catalogs, GtkWidget* tree, GtkWidget* window,
                         std::function<void(Selection const&)> pick);

}  // namespace zeptview
