// SPDX-License-Identifier: MIT
// Characters are code points of UTF-8 text. They are counted by their lead
// bytes, so text that is not valid UTF-8 still has a length and never makes a
// function read past its end; case mapping leaves undecodable bytes alone.
#include "platform/dao/JetFunctions.h"

#include <locale.h>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwctype>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zept::dao {
namespace {

using Text = std::string_view;

constexpr char kInvalidCall[] = "Invalid procedure call or argument";
constexpr char kTypeMismatch[] = "Type mismatch";

bool isLead(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// Byte offset `count` characters after byte offset `from`; the end at most.
std::size_t advance(Text s, std::size_t from, std::int64_t count) {
  std::size_t i = from;
  for (; count > 0 && i < s.size(); --count) {
    ++i;
    while (i < s.size() && !isLead(s[i])) ++i;
  }
  return i;
}

std::int64_t length(Text s) {
  std::int64_t n = 0;
  for (char c : s) n += isLead(c);
  return n;
}

Text text(sqlite3_value* v) {
  const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
  const int n = sqlite3_value_bytes(v);
  return p ? Text(p, static_cast<std::size_t>(n)) : Text();
}

bool anyNull(int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i)
    if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
  return false;
}

void resultText(sqlite3_context* ctx, Text s) {
  sqlite3_result_text(ctx, s.data() ? s.data() : "", static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

// A whole-number argument; Jet rounds half to even, as nearbyint does by default.
bool wholeArg(sqlite3_context* ctx, sqlite3_value* v, std::int64_t& out) {
  switch (sqlite3_value_numeric_type(v)) {
    case SQLITE_INTEGER: out = sqlite3_value_int64(v); return true;
    case SQLITE_FLOAT: {
      const double d = std::nearbyint(sqlite3_value_double(v));
      if (!(d > -4e18 && d < 4e18)) break;
      out = static_cast<std::int64_t>(d);
      return true;
    }
    default: break;
  }
  sqlite3_result_error(ctx, kTypeMismatch, -1);
  return false;
}

bool countArg(sqlite3_context* ctx, sqlite3_value* v, std::int64_t& out, std::int64_t min) {
  if (!wholeArg(ctx, v, out)) return false;
  if (out >= min) return true;
  sqlite3_result_error(ctx, kInvalidCall, -1);
  return false;
}

// The C.UTF-8 character classes, whatever the process locale is; ASCII-only
// mapping when the system lacks them.
locale_t unicodeCtype() {
  static const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return loc;
}

// Decodes the code point at s[i] into cp and returns its byte length, or 0 when
// the bytes there are not well-formed UTF-8.
std::size_t decode(Text s, std::size_t i, char32_t& cp) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char c = b(0);
  std::size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  cp = c & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(k) & 0x3F);
  }
  const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

void encode(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

template <bool Upper>
void caseMap(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
  const Text s = text(argv[0]);
  const locale_t loc = unicodeCtype();
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (static_cast<unsigned char>(c) < 0x80) {
      out += Upper ? (c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c)
                   : (c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c);
      ++i;
      continue;
    }
    char32_t cp = 0;
    const std::size_t n = decode(s, i, cp);
    if (n == 0 || loc == static_cast<locale_t>(nullptr)) {
      out += c;
      ++i;
      continue;
    }
    const wint_t mapped = Upper ? towupper_l(static_cast<wint_t>(cp), loc) : towlower_l(static_cast<wint_t>(cp), loc);
    encode(out, static_cast<char32_t>(mapped));
    i += n;
  }
  resultText(ctx, out);
}

void len(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
  sqlite3_result_int64(ctx, length(text(argv[0])));
}

template <bool Leading, bool Trailing>
void trim(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
  Text s = text(argv[0]);
  if (Leading) s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));
  if (Trailing) s = s.substr(0, s.find_last_not_of(' ') + 1);  // npos + 1 == 0
  resultText(ctx, s);
}

void mid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
  std::int64_t start = 0, count = 0;
  if (!countArg(ctx, argv[1], start, 1)) return;
  if (argc == 3 && !countArg(ctx, argv[2], count, 0)) return;
  const Text s = text(argv[0]);
  const std::size_t b = advance(s, 0, start - 1);
  const std::size_t e = argc == 3 ? advance(s, b, count) : s.size();
  resultText(ctx, s.substr(b, e - b));
}

template <bool FromLeft>
void side(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
  std::int64_t count = 0;
  if (!countArg(ctx, argv[1], count, 0)) return;
  const Text s = text(argv[0]);
  if (FromLeft) return resultText(ctx, s.substr(0, advance(s, 0, count)));
  const std::int64_t n = length(s);
  resultText(ctx, count >= n ? s : s.substr(advance(s, 0, n - count)));
}

void instr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
  std::int64_t start = 1;
  if (argc == 3 && !countArg(ctx, argv[0], start, 1)) return;
  const Text s = text(argv[argc - 2]);
  const Text t = text(argv[argc - 1]);
  if (s.empty() || start > length(s)) return sqlite3_result_int64(ctx, 0);
  if (t.empty()) return sqlite3_result_int64(ctx, start);
  const std::size_t b = advance(s, 0, start - 1);
  const std::size_t found = s.find(t, b);
  if (found == Text::npos) return sqlite3_result_int64(ctx, 0);
  sqlite3_result_int64(ctx, start + length(s.substr(b, found - b)));
}

void iif(sqlite3_context* ctx, int, sqlite3_value** argv) {
  bool yes = false;
  switch (sqlite3_value_numeric_type(argv[0])) {
    case SQLITE_NULL: break;
    case SQLITE_INTEGER: yes = sqlite3_value_int64(argv[0]) != 0; break;
    case SQLITE_FLOAT: yes = sqlite3_value_double(argv[0]) != 0; break;
    default: return sqlite3_result_error(ctx, kTypeMismatch, -1);
  }
  sqlite3_result_value(ctx, argv[yes ? 1 : 2]);
}

void nz(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) != SQLITE_NULL) return sqlite3_result_value(ctx, argv[0]);
  // In a query Jet's Nz without a default gives an empty text.
  if (argc == 2) return sqlite3_result_value(ctx, argv[1]);
  sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
}

// SQLite is C: nothing may be thrown through it.
template <void (*F)(sqlite3_context*, int, sqlite3_value**)>
void guarded(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  try {
    F(ctx, argc, argv);
  } catch (const std::bad_alloc&) {
    sqlite3_result_error_nomem(ctx);
  } catch (...) {
    sqlite3_result_error(ctx, "internal error", -1);
  }
}

struct Function {
  const char* name;
  int argc;
  void (*call)(sqlite3_context*, int, sqlite3_value**);
};

constexpr Function kFunctions[] = {
    {"zept_ucase", 1, guarded<caseMap<true>>},
    {"zept_lcase", 1, guarded<caseMap<false>>},
    {"zept_len", 1, len},
    {"zept_trim", 1, trim<true, true>},
    {"zept_ltrim", 1, trim<true, false>},
    {"zept_rtrim", 1, trim<false, true>},
    {"zept_mid", 2, mid},
    {"zept_mid", 3, mid},
    {"zept_left", 2, side<true>},
    {"zept_right", 2, side<false>},
    {"zept_instr", 2, instr},
    {"zept_instr", 3, instr},
    {"zept_iif", 3, iif},
    {"zept_nz", 1, nz},
    {"zept_nz", 2, nz},
};

}  // namespace

void registerJetFunctions(sqlite3* db) {
  if (db == nullptr) throw std::invalid_argument("registerJetFunctions: no database");
  constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
  for (const Function& f : kFunctions) {
    const int rc = sqlite3_create_function_v2(db, f.name, f.argc, flags, nullptr, f.call, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
      throw std::runtime_error(std::string("cannot register ") + f.name + ": " + sqlite3_errstr(rc));
  }
}

}  // namespace zept::dao
