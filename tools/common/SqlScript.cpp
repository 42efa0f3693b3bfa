// SPDX-License-Identifier: MIT
// The script splitter: statements end at ";" outside texts and names, each
// with the line it starts on; PROPERTY lines are read apart.
#include "tools/common/SqlScript.h"

#include <charconv>

#include "platform/dao/JetTypes.h"

namespace zept::tools {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
  return s;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
  return true;
}

// The run of non-blank characters at the start of `rest`, which moves past it.
std::string_view takeWord(std::string_view& rest) {
  rest = trimmed(rest);
  std::size_t n = 0;
  while (n < rest.size() && !isSpace(rest[n])) ++n;
  const std::string_view word = rest.substr(0, n);
  rest.remove_prefix(n);
  return word;
}

// A quoted text that makes up all of `literal`, without its quotes.
std::optional<std::string> quotedText(std::string_view literal) {
  const char quote = literal.front();
  std::string text;
  for (std::size_t i = 1; i < literal.size(); ++i) {
    if (literal[i] != quote) {
      text += literal[i];
    } else if (i + 1 < literal.size() && literal[i + 1] == quote) {
      text += literal[++i];
    } else {
      if (i + 1 != literal.size()) return std::nullopt;
      return text;
    }
  }
  return std::nullopt;
}

// Appends characters of one statement, noting where its first visible one is.
struct Pending {
  std::string text;
  int line = 0;

  void add(char c, int at) {
    if (line == 0 && isSpace(c)) return;  // leading white space is trimmed
    if (line == 0) line = at;
    text += c;
  }
  void flushInto(std::vector<SqlStatement>& out) {
    while (!text.empty() && isSpace(text.back())) text.pop_back();
    if (!text.empty()) out.push_back({std::move(text), line});
    text.clear();
    line = 0;
  }
};

}  // namespace

std::vector<SqlStatement> splitSqlScript(std::string_view script) {
  if (script.starts_with("\xEF\xBB\xBF")) script.remove_prefix(3);

  std::vector<SqlStatement> out;
  Pending st;
  int line = 1;
  char closer = 0;     // the character that ends the open text or name, 0 outside one
  int openedAt = 0;    // line where that text or name began
  for (std::size_t i = 0; i < script.size(); ++i) {
    const char c = script[i];
    if (closer) {
      st.add(c, line);
      if (c == closer) {
        // A doubled quote is the quote character itself; "]" cannot be escaped.
        if (closer != ']' && i + 1 < script.size() && script[i + 1] == closer)
          st.add(script[++i], line);
        else
          closer = 0;
      }
    } else if (c == '"' || c == '\'' || c == '[') {
      closer = c == '[' ? ']' : c;
      openedAt = line;
      st.add(c, line);
    } else if (c == '-' && i + 1 < script.size() && script[i + 1] == '-') {
      while (i + 1 < script.size() && script[i + 1] != '\n') ++i;  // the newline itself is kept
    } else if (c == ';') {
      st.flushInto(out);
    } else {
      st.add(c, line);
    }
    if (c == '\n') ++line;
  }
  if (closer == ']') throw SqlScriptError(openedAt, "unterminated [name]");
  if (closer) throw SqlScriptError(openedAt, std::string("unterminated ") + closer + "..." + closer + " text");
  st.flushInto(out);
  return out;
}

std::optional<PropertyStatement> parsePropertyStatement(std::string_view statement) {
  std::string_view rest = statement;
  if (!equalsNoCase(takeWord(rest), "PROPERTY")) return std::nullopt;

  PropertyStatement p;
  p.name = std::string(takeWord(rest));
  const std::string_view typeWord = takeWord(rest);
  const std::string_view literal = trimmed(rest);
  if (p.name.empty() || typeWord.empty() || literal.empty())
    throw std::invalid_argument("PROPERTY needs a name, a type and a value");
  const zept::dao::JetTypeInfo* type = zept::dao::findJetType(typeWord);
  if (!type) throw std::invalid_argument("PROPERTY " + p.name + ": unknown type " + std::string(typeWord));
  p.daoType = static_cast<short>(type->daoType);

  if (literal.front() == '"' || literal.front() == '\'') {
    const auto text = quotedText(literal);
    if (!text) throw std::invalid_argument("PROPERTY " + p.name + ": the value is not one quoted text");
    p.value.setUtf8(*text);
  } else if (equalsNoCase(literal, "True") || equalsNoCase(literal, "False")) {
    p.value = COleVariant(equalsNoCase(literal, "True"));
  } else {
    double number = 0;
    const char* end = literal.data() + literal.size();
    const auto [stop, ec] = std::from_chars(literal.data(), end, number);
    if (ec != std::errc() || stop != end)
      throw std::invalid_argument("PROPERTY " + p.name + ": " + std::string(literal) + " is not a value");
    p.value = COleVariant(number);
  }
  return p;
}

}  // namespace zept::tools
