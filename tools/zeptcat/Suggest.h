// SPDX-License-Identifier: MIT
// "Did you mean" for words a user mistyped: subcommands, catalog and
// profile names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeptcat {

// Edit distance with adjacent transpositions, so "blots" is one step from
// "bolts".
std::size_t editDistance(std::string_view a, std::string_view b);

// The candidates nearest to `word` without regard to ASCII case, when they
// are close enough to be a slip (a third of the word's length, at least one
// step); in the candidates' order.
std::vector<std::string> nearestNames(std::string const& word, std::vector<std::string> const& candidates);

// "a", "a or b", "a, b or c".
std::string choiceList(std::vector<std::string> const& choices);

}  // namespace zeptcat
