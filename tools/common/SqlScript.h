// SPDX-License-Identifier: MIT
// Splitting a Jet SQL script (the readable text of a bundled catalog) into the
// single statements CDaoDatabase::Execute takes. Scripts are small (a few
// thousand lines); the whole text is held in memory.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/COleVariant.h"

namespace zept::tools {

struct SqlStatement {
  std::string text;  // UTF-8, comments removed, surrounding white space trimmed
  int line = 0;      // 1-based line of the statement's first character
};

// A quoted text or a [name] still open at the end of the script.
class SqlScriptError : public std::runtime_error {
 public:
  SqlScriptError(int line, std::string const& message) : std::runtime_error(message), m_line(line) {}
  int line() const { return m_line; }  // where the unterminated part starts

 private:
  int m_line;
};

// Splits `script` at every ";" outside "..." and '...' texts (a doubled quote
// stays inside the text), [names] and "--" comments. Comments are dropped up to
// the end of their line; a leading UTF-8 byte-order mark is skipped; empty
// statements are left out, and the last statement needs no ";".
std::vector<SqlStatement> splitSqlScript(std::string_view script);

// Jet SQL has no statement for database properties, so scripts set them with
//   PROPERTY name TYPE value
// TYPE is a Jet type word (TEXT, YESNO, LONG, DOUBLE, ...); the value is a
// quoted text ("..." or '...', a doubled quote standing for itself), True,
// False or a number in C notation. The value is converted to the type when
// the property is created.
struct PropertyStatement {
  std::string name;  // UTF-8
  short daoType = 0;
  COleVariant value;  // VT_BSTR, VT_BOOL or VT_R8
};

// The property a PROPERTY statement sets, or nullopt for any other
// statement. Throws std::invalid_argument when the statement starts with the
// keyword but does not have the form above.
std::optional<PropertyStatement> parsePropertyStatement(std::string_view statement);

}  // namespace zept::tools
