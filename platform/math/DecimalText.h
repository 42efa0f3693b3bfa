// SPDX-License-Identifier: MIT
// The numbers of KORVA texts, read the one way both the section parser and
// the contour reader need: "." whatever the locale, and values rounded to
// single precision as "%f" into a float gives them.
#pragma once

#include <cstdint>
#include <string>

namespace zept::math {

// Scans the longest decimal at `p`, without skipping anything before it: an
// optional sign, digits with an optional point and fraction (at least one
// digit in all), and an optional exponent. On success returns true, advances
// `p` past it and gives its ASCII spelling in `lexeme` ("+" dropped), ready
// for std::from_chars; otherwise returns false and leaves `p` as it was.
bool scanDecimal(wchar_t const*& p, std::string& lexeme);

// The spellings a number may take.
enum class NumberForms {
  // scanDecimal's decimals, nothing skipped before them: the texts are
  // data, not C source.
  Decimal,
  // Everything "%f" takes: scanf's white space first, then also hexadecimal
  // ("0x1p3"), "inf", "infinity" and "nan" in any case, and an exponent
  // marker without digits, which is taken and ignored ("1e" is 1).
  Scanf,
};

// A number rounded once to single precision (beyond its range: infinity)
// and widened. On success `p` is moved past it; on failure it is left as it
// was for Decimal, and may have moved for Scanf, as scanf's input does.
bool scanSingle(wchar_t const*& p, double& value, NumberForms forms);

// "%d" without the cut to an int: scanf's white space, an optional sign and
// digits, saturating at the 64-bit range.
bool scanInteger(wchar_t const*& p, std::int64_t& value);

}  // namespace zept::math
