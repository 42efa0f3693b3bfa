// SPDX-License-Identifier: MIT
// Records given to a tool as text: a JSON value, or "key=value" lines. The
// tools write catalog records as JSON and read them back through this, so a
// record printed with --json can be edited and written again. Inputs are
// small (one record); the whole text is held in memory. Every value knows
// where it was written, so that a value of the wrong kind can be pointed at.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zept::tools {

struct InputValue {
  enum class Kind { Null, Bool, Number, Text, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;  // UTF-8; for a number, its text as written
  std::vector<InputValue> items;                              // Array
  std::vector<std::pair<std::string, InputValue>> members;  // Object, in input order
  int line = 0;    // 1-based line of the value's first character; 0 for one made in code
  int column = 0;  // 1-based column of that character, counted in characters

  // Defined where the type is complete: libstdc++ under clang refuses to
  // instantiate the pair of an incomplete InputValue inside the class.
  InputValue() = default;
  InputValue(InputValue const&);
  InputValue(InputValue&&) noexcept;
  InputValue& operator=(InputValue const&);
  InputValue& operator=(InputValue&&) noexcept;
  ~InputValue();

  // The member `key` of an object, compared without ASCII case; null when
  // there is none or this is not an object.
  InputValue const* find(std::string_view key) const;
};

class InputError : public std::runtime_error {
 public:
  InputError(int line, int column, std::string const& message)
      : std::runtime_error(message), m_line(line), m_column(column) {}
  InputError(InputValue const& at, std::string const& message) : InputError(at.line, at.column, message) {}
  int line() const { return m_line; }      // 1-based line of the offending character
  int column() const { return m_column; }  // 1-based column of it, in characters

 private:
  int m_line;
  int m_column;
};

// One JSON value (RFC 8259) and nothing after it but white space, read by
// nlohmann-json. Strings must be UTF-8 and may hold \uXXXX escapes; numbers
// must be finite (1e400 is refused); containers nest at most 64 levels.
InputValue parseJson(std::string_view text);

// An object of texts from lines "key=value": the key and value are trimmed
// of blanks, the value keeps everything after the first "="; blank lines and
// lines starting with "#" are skipped. A line without "=" is an error. Each
// value's position is that of its first character after the blanks.
InputValue parseKeyValues(std::string_view text);

// JSON when the first character that is not white space is "{" or "[",
// "key=value" lines otherwise.
InputValue parseRecordInput(std::string_view text);

}  // namespace zept::tools
