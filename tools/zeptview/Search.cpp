// SPDX-License-Identifier: MIT
// Size search, ignoring case: the typed words start words of catalog, name
// and size in order, or the typed text without blanks starts the name and
// size run together.
#include "tools/zeptview/Search.h"

#include <cctype>
#include <sstream>

namespace zeptview {

namespace {

std::string lower(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<std::string> words(std::string const& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

std::string compact(std::string const& text) {
  std::string out;
  for (char c : text)
    if (!std::isspace(static_cast<unsigned char>(c))) out += c;
  return out;
}

bool startsWith(std::string const& text, std::string const& start) { return text.compare(0, start.size(), start) == 0; }

// Every query word starts one of the candidate's words, in order.
bool wordsMatch(std::vector<std::string> const& query, std::vector<std::string> const& candidate) {
  std::size_t at = 0;
  for (auto const& q : query) {
    while (at < candidate.size() && !startsWith(candidate[at], q)) ++at;
    if (at == candidate.size()) return false;
    ++at;
  }
  return true;
}

}  // namespace

std::vector<Selection> searchSizes(std::vector<ProfileCatalog> const& tree, std::string const& text, std::size_t limit) {
  std::vector<Selection> found;
  const std::string needle = lower(text);
  const auto query = words(needle);
  const std::string joined = compact(needle);
  if (query.empty()) return found;
  for (auto const& c : tree) {
    const std::string catalog = lower(c.catalog);
    for (auto const& n : c.names) {
      const std::string name = lower(n.name);
      for (auto const& d : n.sizes) {
        const std::string dims = lower(d);
        const std::string nameDims = compact(name + dims);
        auto candidate = words(catalog + " " + name + " " + dims);
        if (wordsMatch(query, candidate) || startsWith(nameDims, joined) || startsWith(catalog + nameDims, joined)) {
          found.push_back(Selection{c.catalog, n.name, d});
          if (found.size() >= limit) return found;
        }
      }
    }
  }
  return found;
}

}  // namespace zeptview
