#include "tools/common/SqlScript.h"

namespace zept::tools {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

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

}  // namespace zept::tools
