// SPDX-License-Identifier: MIT
// Record input: JSON parsed by nlohmann::json with the position of each
// value tracked, and "key=value" lines read by hand into the same values.
#include "tools/common/RecordInput.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <iterator>
#include <nlohmann/json.hpp>
#include <tuple>

namespace zept::tools {

namespace {

bool sameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

// Hands the text to the parser and records how far the parser has read, so
// that each value can find where it starts.
class TrackedIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = char const*;
  using reference = char const&;

  TrackedIterator(char const* at, char const** reached) : m_at(at), m_reached(reached) {}
  reference operator*() const { return *m_at; }
  TrackedIterator& operator++() {
    *m_reached = ++m_at;
    return *this;
  }
  TrackedIterator operator++(int) {
    TrackedIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(TrackedIterator const& other) const { return m_at == other.m_at; }
  bool operator!=(TrackedIterator const& other) const { return m_at != other.m_at; }

 private:
  char const* m_at;
  char const** m_reached;
};

// Builds InputValues from the parser's events. A value starts at the first
// character after the previous event that is neither blank nor a separator
// the parser passed over (",", ":"); the parser reads at most one character
// past a number, and that one is blank, a separator or a closing bracket.
class ValueBuilder : public nlohmann::json_sax<nlohmann::json> {
 public:
  explicit ValueBuilder(std::string_view text) : m_text(text), m_reached(text.data()) {
    if (text.starts_with("\xEF\xBB\xBF")) m_from = 3;  // the parser skips a byte-order mark
  }

  char const** reached() { return &m_reached; }

  InputValue take() { return std::move(m_root); }

  bool null() override { return add(InputValue{}); }
  bool boolean(bool value) override {
    InputValue v;
    v.kind = InputValue::Kind::Bool;
    v.boolean = value;
    return add(std::move(v));
  }
  bool number_integer(number_integer_t value) override { return number(static_cast<double>(value)); }
  bool number_unsigned(number_unsigned_t value) override { return number(static_cast<double>(value)); }
  bool number_float(number_float_t value, string_t const&) override { return number(value); }
  bool string(string_t& value) override {
    InputValue v;
    v.kind = InputValue::Kind::Text;
    v.text = std::move(value);
    return add(std::move(v));
  }
  bool binary(binary_t&) override { return false; }  // JSON text has none
  bool start_object(std::size_t) override { return open(InputValue::Kind::Object); }
  bool key(string_t& name) override {
    start();
    m_key = std::move(name);
    return true;
  }
  bool end_object() override { return close(); }
  bool start_array(std::size_t) override { return open(InputValue::Kind::Array); }
  bool end_array() override { return close(); }

  bool parse_error(std::size_t position, std::string const& lastToken,
                   nlohmann::detail::exception const& error) override {
    // The parser counts the characters it has read, the offending one last;
    // a number out of range is pointed at where it starts.
    std::size_t at = std::min(position > 0 ? position - 1 : 0, m_text.size());
    std::string message = error.what();
    if (error.id == 406) {
      at = nextStart();
      message = "not a finite number: " + lastToken;
    } else {
      // "[json.exception.parse_error.101] parse error at line 1, column 5: syntax error ..."
      if (const std::size_t tag = message.find("] "); tag != std::string::npos) message.erase(0, tag + 2);
      if (message.starts_with("parse error"))
        if (const std::size_t colon = message.find(": "); colon != std::string::npos) message.erase(0, colon + 2);
    }
    const auto [line, column] = where(at);
    throw InputError(line, column, message);
  }

 private:
  static constexpr std::size_t kMaxDepth = 64;

  std::size_t offset() const { return static_cast<std::size_t>(m_reached - m_text.data()); }

  std::size_t nextStart() const {
    std::size_t at = m_from;
    while (at < m_text.size() && std::string_view(" \t\r\n,:").find(m_text[at]) != std::string_view::npos) ++at;
    return at;
  }

  // Where the value or key now reported begins.
  std::size_t start() {
    const std::size_t at = nextStart();
    m_from = offset();
    return at;
  }

  std::pair<int, int> where(std::size_t at) const {
    int line = 1, column = 1;
    for (std::size_t i = 0; i < at; ++i) {
      const auto c = static_cast<unsigned char>(m_text[i]);
      if (c == '\n') ++line, column = 1;
      else if ((c & 0xC0) != 0x80) ++column;  // UTF-8 continuation bytes belong to one character
    }
    return {line, column};
  }

  bool number(double value) {
    InputValue v;
    v.kind = InputValue::Kind::Number;
    v.number = value;
    return add(std::move(v), true);
  }

  // Places `v` in its container, or makes it the document.
  InputValue* place(InputValue v, bool isNumber) {
    const std::size_t at = start();
    std::tie(v.line, v.column) = where(at);
    if (isNumber) {
      std::size_t end = at;
      while (end < m_text.size() && std::string_view("+-.eE0123456789").find(m_text[end]) != std::string_view::npos)
        ++end;
      v.text = std::string(m_text.substr(at, end - at));
    }
    if (m_open.empty()) {
      m_root = std::move(v);
      return &m_root;
    }
    InputValue& parent = *m_open.back();
    if (parent.kind == InputValue::Kind::Array) return &parent.items.emplace_back(std::move(v));
    return &parent.members.emplace_back(std::move(m_key), std::move(v)).second;
  }

  bool add(InputValue v, bool isNumber = false) {
    place(std::move(v), isNumber);
    return true;
  }

  // Containers are filled only while they are the innermost open one, so
  // the pointers kept here stay valid.
  bool open(InputValue::Kind kind) {
    InputValue v;
    v.kind = kind;
    InputValue* placed = place(std::move(v), false);
    if (m_open.size() >= kMaxDepth) throw InputError(*placed, "JSON nested too deeply");
    m_open.push_back(placed);
    return true;
  }

  bool close() {
    m_open.pop_back();
    m_from = offset();
    return true;
  }

  std::string_view m_text;
  char const* m_reached;
  std::size_t m_from = 0;
  InputValue m_root;
  std::vector<InputValue*> m_open;
  std::string m_key;
};

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

InputValue::InputValue(InputValue const&) = default;
InputValue::InputValue(InputValue&&) noexcept = default;
InputValue& InputValue::operator=(InputValue const&) = default;
InputValue& InputValue::operator=(InputValue&&) noexcept = default;
InputValue::~InputValue() = default;

InputValue const* InputValue::find(std::string_view key) const {
  if (kind != Kind::Object) return nullptr;
  for (auto const& [name, value] : members)
    if (sameKey(name, key)) return &value;
  return nullptr;
}

InputValue parseJson(std::string_view text) {
  ValueBuilder builder(text);
  TrackedIterator first(text.data(), builder.reached()), last(text.data() + text.size(), builder.reached());
  nlohmann::json::sax_parse(first, last, &builder);
  return builder.take();
}

InputValue parseKeyValues(std::string_view text) {
  InputValue object;
  object.kind = InputValue::Kind::Object;
  object.line = object.column = 1;
  int line = 0;
  while (!text.empty()) {
    ++line;
    const std::size_t end = text.find('\n');
    char const* const rowStart = text.data();
    const std::string_view row = trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (row.empty() || row.front() == '#') continue;
    const std::size_t equals = row.find('=');
    if (equals == std::string_view::npos) throw InputError(line, 1, "expected key=value");
    InputValue value;
    value.kind = InputValue::Kind::Text;
    const std::string_view text = trimmed(row.substr(equals + 1));
    value.text = std::string(text);
    value.line = line;
    value.column = 1 + static_cast<int>(std::count_if(rowStart, text.data(), [](char c) {
                     return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                   }));
    object.members.emplace_back(std::string(trimmed(row.substr(0, equals))), std::move(value));
  }
  return object;
}

InputValue parseRecordInput(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first != std::string_view::npos && (text[first] == '{' || text[first] == '[')) return parseJson(text);
  return parseKeyValues(text);
}

}  // namespace zept::tools
