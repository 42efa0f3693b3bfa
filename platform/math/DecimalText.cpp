// SPDX-License-Identifier: MIT
// The decimal scanner of contour texts: it copies the number's lexeme out
// for a locale-free conversion by the caller.
#include "platform/math/DecimalText.h"

namespace zept::math {

namespace {

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

bool scanDecimal(wchar_t const*& p, std::string& lexeme) {
  wchar_t const* q = p;
  lexeme.clear();
  if (*q == L'+' || *q == L'-') {
    if (*q == L'-') lexeme += '-';
    ++q;
  }
  bool digits = false;
  for (; isDigit(*q); ++q, digits = true) lexeme += static_cast<char>(*q);
  if (*q == L'.') {
    lexeme += '.';
    for (++q; isDigit(*q); ++q, digits = true) lexeme += static_cast<char>(*q);
  }
  if (!digits) return false;
  // "2e" or "2e+" ends before the letter: the exponent needs a digit.
  if ((*q == L'e' || *q == L'E') && (isDigit(q[1]) || ((q[1] == L'+' || q[1] == L'-') && isDigit(q[2])))) {
    lexeme += 'e';
    ++q;
    if (*q == L'+' || *q == L'-') lexeme += static_cast<char>(*q++);
    for (; isDigit(*q); ++q) lexeme += static_cast<char>(*q);
  }
  p = q;
  return true;
}

}  // namespace zept::math
