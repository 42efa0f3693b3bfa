// SPDX-License-Identifier: MIT
// The Jet SQL translator on any text: it either refuses the text with its own
// error or gives one statement whose placeholders match its parameters, whose
// parameter sources lie inside the text, and which translates the same way
// every time.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/dao/JetSql.h"

namespace {

using zept::dao::JetStatement;
using zept::dao::JetStatementKind;

// "?" outside SQLite's quoted texts and names.
std::size_t placeholders(std::string_view sql) {
  std::size_t n = 0;
  char quote = 0;
  for (char const c : sql) {
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'' || c == '`') {
      quote = c;
    } else if (c == '[') {
      quote = ']';
    } else if (c == '?') {
      ++n;
    }
  }
  return n;
}

void check(std::string_view text) {
  std::vector<zept::dao::ParamSource> sources;
  JetStatement st;
  try {
    st = zept::dao::translateJetSql(text, &sources);
  } catch (zept::dao::JetSqlError const& e) {
    if (e.position() > text.size()) std::abort();
    return;
  }
  if (st.sql.empty() || sources.size() != st.params.size()) std::abort();
  if (placeholders(st.sql) != st.params.size()) std::abort();
  for (auto const& s : sources)
    if (s.pos > text.size() || s.length > text.size() - s.pos) std::abort();
  if ((st.kind == JetStatementKind::SelectInto) == st.intoTable.empty()) std::abort();
  if (st.soleTable.empty() != st.rowidSql.empty()) std::abort();

  JetStatement const again = zept::dao::translateJetSql(text);
  if (again.sql != st.sql || again.params.size() != st.params.size() || again.kind != st.kind) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string_view const text(reinterpret_cast<char const*>(data), size);
  check(text);
  zept::dao::SqlValue value;
  (void)zept::dao::jetNumberValue(text, value);
  return 0;
}
