// SPDX-License-Identifier: MIT
#include "platform/fs/CaseFold.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Utf8.h"

namespace {

using zept::fs::foldChar;
using zept::fs::matchWildcard;

TEST(FsCaseFold, FoldsUpperToLowerAndLeavesTheRest) {
  // Pairs at the edges of each folded range, and neighbours that must not move.
  const std::pair<wchar_t, wchar_t> cases[] = {
      {L'A', L'a'},           {L'Z', L'z'},           {L'[', L'['},           {L'\u00c0', L'\u00e0'},
      {L'\u00d7', L'\u00d7'}, {L'\u00de', L'\u00fe'}, {L'\u00df', L'\u00df'}, {L'\u0100', L'\u0101'},
      {L'\u0139', L'\u013a'}, {L'\u014a', L'\u014b'}, {L'\u0178', L'\u00ff'}, {L'\u017d', L'\u017e'},
      {L'\u0131', L'\u0131'}, {L'\u03a3', L'\u03c3'}, {L'\u03c2', L'\u03c3'}, {L'\u038f', L'\u03ce'},
      {L'\u0401', L'\u0451'}, {L'\u042f', L'\u044f'}, {L'\u0462', L'\u0463'}, {L'\uff21', L'\uff41'},
  };
  for (auto const& [in, out] : cases) EXPECT_EQ(foldChar(in), out) << std::hex << static_cast<unsigned>(in);
}

// Plain recursion: slow, but obviously right.
bool reference(std::wstring_view p, std::wstring_view n) {
  if (p.empty()) return n.empty();
  if (p[0] == L'*') return reference(p.substr(1), n) || (!n.empty() && reference(p, n.substr(1)));
  if (n.empty() || (p[0] != L'?' && foldChar(p[0]) != foldChar(n[0]))) return false;
  return reference(p.substr(1), n.substr(1));
}

TEST(FsWildcard, AgreesWithANaiveMatcher) {
  auto enumerate = [](std::wstring const& alphabet, std::size_t maxLen) {
    std::vector<std::wstring> out{L""};
    for (std::size_t i = 0; i < out.size(); ++i)
      if (out[i].size() < maxLen)
        for (wchar_t c : alphabet) out.push_back(out[i] + c);
    return out;
  };
  for (auto const& p : enumerate(L"aB*?", 4))
    for (auto const& n : enumerate(L"Ab", 5))
      ASSERT_EQ(matchWildcard(p, n), reference(p, n)) << zept::toUtf8(p) << " vs " << zept::toUtf8(n);
  EXPECT_TRUE(matchWildcard(L"\u00c4*.MDB", L"\u00e4rger.mdb"));
  EXPECT_FALSE(matchWildcard(L"BOLTS_*.MDB", L"Bolts_A.mdb.bak"));
}

}  // namespace
