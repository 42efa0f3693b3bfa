// SPDX-License-Identifier: MIT
// Suggestions: the candidates nearest by edit distance, ignoring case, and
// no further than a third of the word's length.
#include "tools/zeptcat/Suggest.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace zeptcat {

std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i)
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

namespace {

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::vector<std::string> nearestNames(std::string const& word, std::vector<std::string> const& candidates) {
  const std::string key = lower(word);
  const std::size_t limit = std::max<std::size_t>(1, key.size() / 3);
  std::vector<std::string> nearest;
  std::size_t best = SIZE_MAX;
  for (auto const& candidate : candidates) {
    const std::size_t d = editDistance(key, lower(candidate));
    if (d > limit || d > best) continue;
    if (d < best) best = d, nearest.clear();
    if (std::find(nearest.begin(), nearest.end(), candidate) == nearest.end()) nearest.push_back(candidate);
  }
  return nearest;
}

std::string choiceList(std::vector<std::string> const& choices) {
  std::string text;
  for (std::size_t i = 0; i < choices.size(); ++i)
    text += (i == 0 ? "" : i + 1 == choices.size() ? " or " : ", ") + choices[i];
  return text;
}

}  // namespace zeptcat
