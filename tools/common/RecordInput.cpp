#include "tools/common/RecordInput.h"

#include <cctype>
#include <cstdlib>

#include "platform/core/Utf8.h"

namespace zept::tools {

namespace {

bool sameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

class JsonParser {
 public:
  explicit JsonParser(std::string_view text) : m_text(text) {}

  InputValue document() {
    InputValue v = value(0);
    skipSpace();
    if (m_pos < m_text.size()) fail("unexpected text after the JSON value");
    return v;
  }

 private:
  static constexpr int kMaxDepth = 64;

  [[noreturn]] void fail(std::string const& message) const {
    int line = 1;
    for (std::size_t i = 0; i < m_pos && i < m_text.size(); ++i) line += m_text[i] == '\n';
    throw InputError(line, message);
  }

  void skipSpace() {
    while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n' ||
                                     m_text[m_pos] == '\r'))
      ++m_pos;
  }

  char peek() {
    skipSpace();
    if (m_pos >= m_text.size()) fail("unexpected end of the JSON text");
    return m_text[m_pos];
  }

  void expect(char c) {
    if (peek() != c) fail(std::string("expected '") + c + "'");
    ++m_pos;
  }

  bool literal(std::string_view word) {
    if (m_text.substr(m_pos, word.size()) != word) return false;
    m_pos += word.size();
    return true;
  }

  InputValue value(int depth) {
    if (depth >= kMaxDepth) fail("JSON nested too deeply");
    InputValue v;
    const char c = peek();
    if (c == '{') {
      v.kind = InputValue::Kind::Object;
      ++m_pos;
      if (peek() == '}') return ++m_pos, v;
      for (;;) {
        if (peek() != '"') fail("expected a member name in double quotes");
        std::string key = string();
        expect(':');
        v.members.emplace_back(std::move(key), value(depth + 1));
        if (peek() == '}') return ++m_pos, v;
        expect(',');
      }
    }
    if (c == '[') {
      v.kind = InputValue::Kind::Array;
      ++m_pos;
      if (peek() == ']') return ++m_pos, v;
      for (;;) {
        v.items.push_back(value(depth + 1));
        if (peek() == ']') return ++m_pos, v;
        expect(',');
      }
    }
    if (c == '"') {
      v.kind = InputValue::Kind::Text;
      v.text = string();
      return v;
    }
    if (literal("true") || literal("false")) {
      v.kind = InputValue::Kind::Bool;
      v.boolean = m_text.substr(m_pos - 4, 4) == "true";
      return v;
    }
    if (literal("null")) return v;
    return numberValue();
  }

  InputValue numberValue() {
    const std::size_t start = m_pos;
    auto digits = [&] {
      const std::size_t from = m_pos;
      while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) ++m_pos;
      return m_pos > from;
    };
    if (m_pos < m_text.size() && m_text[m_pos] == '-') ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == '0') {
      ++m_pos;
    } else if (!digits()) {
      fail("expected a JSON value");
    }
    if (m_pos < m_text.size() && m_text[m_pos] == '.') {
      ++m_pos;
      if (!digits()) fail("expected digits after the decimal point");
    }
    if (m_pos < m_text.size() && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
      ++m_pos;
      if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-')) ++m_pos;
      if (!digits()) fail("expected digits in the exponent");
    }
    InputValue v;
    v.kind = InputValue::Kind::Number;
    v.text = std::string(m_text.substr(start, m_pos - start));
    v.number = std::strtod(v.text.c_str(), nullptr);
    return v;
  }

  unsigned long hex4() {
    if (m_pos + 4 > m_text.size()) fail("incomplete \\u escape");
    unsigned long cp = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = m_text[m_pos++];
      const int digit = std::isdigit(static_cast<unsigned char>(h)) ? h - '0'
                        : (h >= 'a' && h <= 'f')                   ? h - 'a' + 10
                        : (h >= 'A' && h <= 'F')                   ? h - 'A' + 10
                                                                   : -1;
      if (digit < 0) fail("bad hexadecimal digit in a \\u escape");
      cp = cp * 16 + static_cast<unsigned long>(digit);
    }
    return cp;
  }

  std::string string() {
    ++m_pos;  // the opening quote
    std::string out;
    for (;;) {
      if (m_pos >= m_text.size()) fail("unterminated string");
      const char c = m_text[m_pos++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) fail("control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (m_pos >= m_text.size()) fail("unterminated string");
      switch (const char e = m_text[m_pos++]) {
        case '"': case '\\': case '/': out += e; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned long cp = hex4();
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (!literal("\\u")) fail("unpaired surrogate in a \\u escape");
            const unsigned long low = hex4();
            if (low < 0xDC00 || low > 0xDFFF) fail("unpaired surrogate in a \\u escape");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            fail("unpaired surrogate in a \\u escape");
          }
          zept::appendUtf8(out, std::wstring(1, static_cast<wchar_t>(cp)));
          break;
        }
        default: fail(std::string("unknown escape \\") + e);
      }
    }
  }

  std::string_view m_text;
  std::size_t m_pos = 0;
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

InputValue parseJson(std::string_view text) { return JsonParser(text).document(); }

InputValue parseKeyValues(std::string_view text) {
  InputValue object;
  object.kind = InputValue::Kind::Object;
  int line = 0;
  while (!text.empty()) {
    ++line;
    const std::size_t end = text.find('\n');
    const std::string_view row = trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (row.empty() || row.front() == '#') continue;
    const std::size_t equals = row.find('=');
    if (equals == std::string_view::npos) throw InputError(line, "expected key=value");
    InputValue value;
    value.kind = InputValue::Kind::Text;
    value.text = std::string(trimmed(row.substr(equals + 1)));
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
