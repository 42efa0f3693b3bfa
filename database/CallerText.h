// SPDX-License-Identifier: MIT
// Checks for texts a caller hands to a catalog operation before they become
// part of a Jet statement or of a file path. Statements are built by
// concatenation, so a text that could end its literal, or a name that could
// climb out of the catalog folder, is refused at the operation's door: the
// operation then fails as for a missing row or file, and nothing is opened,
// read or written on its behalf.
#pragma once

#include <string_view>

#include "platform/core/CString.h"

namespace zept::db {

// Longest name that goes into a statement or a path; Jet names and texts of
// the catalogs stop at 255 characters.
inline constexpr int kMaxNameLength = 255;

// A text for a double-quoted literal: UTF-8-encodable text of at most kMaxNameLength
// characters, no double quote (it would end the literal) and no control
// character.
bool isLiteralText(std::wstring_view text);
inline bool isLiteralText(CString const& text) { return isLiteralText(text.view()); }

// A catalog's name as it becomes a file name: a non-empty literal text
// without path separators ("\" and "/"), drive colon, wildcard or reserved
// character ("*?<>|"), not beginning with ".".
bool isCatalogName(CString const& name);

// A listing's mask: a catalog name in which "*" and "?" stand for any text,
// so the search it makes stays in its folder.
bool isCatalogMask(CString const& mask);

// A plain decimal number as Jet reads it: optional sign, digits with an
// optional point, optional exponent ("200", "-0.5", "6.25e-002").
bool isNumberLiteral(std::wstring_view text);
inline bool isNumberLiteral(CString const& text) { return isNumberLiteral(text.view()); }

}  // namespace zept::db
