// SPDX-License-Identifier: MIT
// UTF-8 <-> wide text conversion, used only at the engine and file-system
// boundaries. wchar_t is 32-bit here, so one wide character is one code point.
// Invalid input never throws: a bad UTF-8 byte becomes U+FFFD, a code point
// outside Unicode or a lone surrogate is written as U+FFFD.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept {

std::string toUtf8(std::wstring_view text);
std::wstring fromUtf8(std::string_view text);

// Whether every character is a Unicode scalar value, so that the UTF-8 form
// spells the text itself rather than U+FFFD in its place: a name with a
// lone surrogate or a value past U+10FFFF would name another row or file.
bool isUtf8Encodable(std::wstring_view text);

// Appends without clearing `out`; for hot paths that reuse a buffer.
void appendUtf8(std::string& out, std::wstring_view text);
void appendWide(std::wstring& out, std::string_view text);

}  // namespace zept

ZEPTDB_END_EXPORTS
