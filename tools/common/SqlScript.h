// Splitting a Jet SQL script (the readable text of a bundled catalog) into the
// single statements CDaoDatabase::Execute takes. Scripts are small (a few
// thousand lines); the whole text is held in memory.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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

}  // namespace zept::tools
