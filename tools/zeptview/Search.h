// SPDX-License-Identifier: MIT
// Finding sizes by what a detailer types: "IPE 3", "heb300", "L 100x".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/zeptview/CatalogTree.h"

namespace zeptview {

// The sizes of every catalog that the text names, in the tree's order, at
// most `limit`. Each word of the text starts a word of "CATALOG NAME DIMS"
// in that order (any case), or the text without spaces starts "NAME DIMS"
// or "CATALOG NAME DIMS" without spaces. Blank text finds nothing.
std::vector<Selection> searchSizes(std::vector<ProfileCatalog> const& tree, std::string const& text,
                                   std::size_t limit = 500);

}  // namespace zeptview
