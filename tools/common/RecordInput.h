// Records given to a tool as text: a JSON value, or "key=value" lines. The
// tools write catalog records as JSON and read them back through this, so a
// record printed with --json can be edited and written again. Inputs are
// small (one record); the whole text is held in memory.
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
  InputError(int line, std::string const& message) : std::runtime_error(message), m_line(line) {}
  int line() const { return m_line; }  // 1-based line of the offending character

 private:
  int m_line;
};

// One JSON value (RFC 8259) and nothing after it but white space. Strings
// may hold \uXXXX escapes, surrogate pairs included; nesting is limited to
// 64 levels.
InputValue parseJson(std::string_view text);

// An object of texts from lines "key=value": the key and value are trimmed
// of blanks, the value keeps everything after the first "="; blank lines and
// lines starting with "#" are skipped. A line without "=" is an error.
InputValue parseKeyValues(std::string_view text);

// JSON when the first character that is not white space is "{" or "[",
// "key=value" lines otherwise.
InputValue parseRecordInput(std::string_view text);

}  // namespace zept::tools
