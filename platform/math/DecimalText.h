// SPDX-License-Identifier: MIT
// The decimal numbers of contour texts: an optional sign, digits with an
// optional point and fraction (at least one digit in all), and an optional
// exponent, always with "." whatever the locale. No hexadecimal, no "inf"
// or "nan": the texts are data, not C source.
#pragma once

#include <string>

namespace zept::math {

// Scans the longest such number at `p`, without skipping anything before it.
// On success returns true, advances `p` past it and gives its ASCII spelling
// in `lexeme` ("+" dropped), ready for std::from_chars; otherwise returns
// false and leaves `p` as it was.
bool scanDecimal(wchar_t const*& p, std::string& lexeme);

}  // namespace zept::math
