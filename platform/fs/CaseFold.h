// SPDX-License-Identifier: MIT
// Case folding for file names. Windows compares names without regard to
// case; this gives the key under which two names count as the same. It
// covers the scripts catalog names are written in (ASCII, Latin-1, Latin
// Extended-A, Greek, Cyrillic, full-width Latin) without depending on the
// process locale, so the answer is the same in every program that links us.
#pragma once

#include <string>
#include <string_view>

namespace zept::fs {

// The lower-case form of one code point; characters without a simple
// lower-case partner come back unchanged.
wchar_t foldChar(wchar_t c);

std::wstring foldCase(std::wstring_view text);

// Windows-style wildcard match of a whole name: "*" any run (also empty),
// "?" exactly one character, everything else compared case-insensitively.
bool matchWildcard(std::wstring_view pattern, std::wstring_view name);

}  // namespace zept::fs
