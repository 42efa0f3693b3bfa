// SPDX-License-Identifier: MIT
// The translator is one pass over the tokens with a stack of small frames, one
// per open parenthesis, that remembers which clause the tokens belong to: that
// decides whether a literal is lifted into a parameter, whether "word(" is a
// function call or a table name, and where a TOP's LIMIT goes. Output goes to
// one string sized ahead; the only other allocations are the parameters.
//
// Cost, measured on the 200-character Shape statement of the section catalog:
// about 11,000 instructions, 0.75 µs of CPU on the shared build machine.
#include "platform/dao/JetSql.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <utility>

#include "platform/dao/JetLexer.h"
#include "platform/dao/JetTypes.h"

namespace zept::dao {

JetSqlError::JetSqlError(std::string what, std::size_t position)
    : std::runtime_error(std::move(what)), position_(position) {}

namespace {

[[noreturn]] void fail(const char* what, std::size_t pos) { throw JetSqlError(what, pos); }

// ---------------------------------------------------------------------------
// Characters: the rules the statement cache's scan shares

using jetlex::is;
using jetlex::kSpace;
using jetlex::kWordStart;

// ---------------------------------------------------------------------------
// Words with a meaning. Looked up through a constant open-addressing table keyed
// by the upper-cased word packed into two 64-bit integers, so most lookups cost
// one multiply and one compare.

enum class W : std::uint8_t {
  None,
  // Keywords, emitted unquoted in DML.
  Select, Distinct, DistinctRow, All, From, Where, And, Or, Not, In, Is, Null, Like, Between,
  Order, By, Asc, Desc, Group, Having, Inner, Left, Right, Outer, Join, On, As, Insert, Into,
  Values, Update, Set, Delete, Create, Table, Index, Unique, Drop, Primary, Key, Constraint,
  Union, Exists, Top, True, False, Mod,
  // Words that only DDL or TOP give a meaning; names elsewhere.
  Percent, With, Disallow, Ignore, Foreign, References,
  // Jet functions (Left and Right are keywords above).
  UCase, LCase, Len, Trim, LTrim, RTrim, Mid, InStr, IIf, Nz,
};

constexpr bool isKeyword(W w) { return w >= W::Select && w <= W::Mod; }
constexpr bool isFunction(W w) { return w >= W::UCase || w == W::Left || w == W::Right; }
// The string functions that Jet also spells with a trailing '$'.
constexpr bool takesDollar(W w) {
  return w == W::UCase || w == W::LCase || w == W::Trim || w == W::LTrim || w == W::RTrim ||
         w == W::Mid || w == W::Left || w == W::Right;
}

std::string_view internalName(W w) {
  switch (w) {
    case W::UCase: return "zept_ucase";
    case W::LCase: return "zept_lcase";
    case W::Len: return "zept_len";
    case W::Trim: return "zept_trim";
    case W::LTrim: return "zept_ltrim";
    case W::RTrim: return "zept_rtrim";
    case W::Mid: return "zept_mid";
    case W::Left: return "zept_left";
    case W::Right: return "zept_right";
    case W::InStr: return "zept_instr";
    case W::IIf: return "zept_iif";
    case W::Nz: return "zept_nz";
    default: return {};
  }
}

struct Key {
  std::uint64_t lo = 0, hi = 0;
  constexpr bool operator==(const Key&) const = default;
};

// The key of a word of 1..16 bytes: its bytes, little-endian, with bit 0x20
// cleared. That upper-cases letters; the words of the table are letters only,
// and no other byte a word can hold (digit, '_', >= 0x80) becomes a letter.
constexpr std::uint64_t kFold = 0xDFDFDFDFDFDFDFDFull;

constexpr Key keyOf(std::string_view w) {
  Key k;
  for (std::size_t i = 0; i < w.size() && i < 16; ++i) {
    const std::uint64_t c = static_cast<unsigned char>(w[i]) & 0xDF;
    if (i < 8)
      k.lo |= c << (8 * i);
    else
      k.hi |= c << (8 * (i - 8));
  }
  return k;
}

std::uint64_t load64(const char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

constexpr std::size_t slotOf(const Key& k) {
  return static_cast<std::size_t>(((k.lo * 0x9E3779B97F4A7C15ull) ^ (k.hi * 0xC2B2AE3D27D4EB4Full)) >> 56);
}

struct WordEntry {
  std::string_view name;
  W word;
};

constexpr WordEntry kWords[] = {
    {"SELECT", W::Select}, {"DISTINCT", W::Distinct}, {"DISTINCTROW", W::DistinctRow},
    {"ALL", W::All}, {"FROM", W::From}, {"WHERE", W::Where}, {"AND", W::And}, {"OR", W::Or},
    {"NOT", W::Not}, {"IN", W::In}, {"IS", W::Is}, {"NULL", W::Null}, {"LIKE", W::Like},
    {"BETWEEN", W::Between}, {"ORDER", W::Order}, {"BY", W::By}, {"ASC", W::Asc},
    {"DESC", W::Desc}, {"GROUP", W::Group}, {"HAVING", W::Having}, {"INNER", W::Inner},
    {"LEFT", W::Left}, {"RIGHT", W::Right}, {"OUTER", W::Outer}, {"JOIN", W::Join},
    {"ON", W::On}, {"AS", W::As}, {"INSERT", W::Insert}, {"INTO", W::Into},
    {"VALUES", W::Values}, {"UPDATE", W::Update}, {"SET", W::Set}, {"DELETE", W::Delete},
    {"CREATE", W::Create}, {"TABLE", W::Table}, {"INDEX", W::Index}, {"UNIQUE", W::Unique},
    {"DROP", W::Drop}, {"PRIMARY", W::Primary}, {"KEY", W::Key},
    {"CONSTRAINT", W::Constraint}, {"UNION", W::Union}, {"EXISTS", W::Exists},
    {"TOP", W::Top}, {"TRUE", W::True}, {"FALSE", W::False}, {"MOD", W::Mod},
    {"PERCENT", W::Percent}, {"WITH", W::With}, {"DISALLOW", W::Disallow},
    {"IGNORE", W::Ignore}, {"FOREIGN", W::Foreign}, {"REFERENCES", W::References},
    {"UCASE", W::UCase}, {"LCASE", W::LCase}, {"LEN", W::Len}, {"TRIM", W::Trim},
    {"LTRIM", W::LTrim}, {"RTRIM", W::RTrim}, {"MID", W::Mid}, {"INSTR", W::InStr},
    {"IIF", W::IIf}, {"NZ", W::Nz},
};

struct Slot {
  Key key;
  W word = W::None;
};

constexpr std::array<Slot, 256> makeWordTable() {
  std::array<Slot, 256> table{};
  for (const WordEntry& e : kWords) {
    const Key k = keyOf(e.name);
    std::size_t s = slotOf(k);
    while (table[s].word != W::None) s = (s + 1) & 255;
    table[s] = {k, e.word};
  }
  return table;
}
constexpr auto kWordTable = makeWordTable();

// `w` lies in a text that ends at `end`; when 16 bytes are there to read the key
// is two loads and two masks.
[[gnu::always_inline]] inline W lookupWord(std::string_view w, const char* end) {
  static_assert(std::endian::native == std::endian::little);
  const std::size_t n = w.size();
  if (n == 0 || n > 16) return W::None;
  Key k;
  if (end - w.data() >= 16) {
    const std::uint64_t lo = load64(w.data()), hi = load64(w.data() + 8);
    k.lo = (n >= 8 ? lo : lo & ((std::uint64_t{1} << (8 * n)) - 1)) & kFold;
    k.hi = n <= 8 ? 0 : (n == 16 ? hi : hi & ((std::uint64_t{1} << (8 * (n - 8))) - 1)) & kFold;
  } else {
    k = keyOf(w);
  }
  for (std::size_t s = slotOf(k);; s = (s + 1) & 255) {
    const Slot& slot = kWordTable[s];
    if (slot.word == W::None || slot.key == k) return slot.word;
  }
}

// ---------------------------------------------------------------------------
// Tokens

enum class T : std::uint8_t {
  End, Word, Name, String, Number, LParen, RParen, Comma, Semicolon, Dot, Bang, Star, Op
};

struct Token {
  T type = T::End;
  bool escaped = false;  // String: holds a doubled quote; Name: holds a '"'
  bool dollar = false;   // Word: written with a trailing '$'
  bool callFollows = false;  // Word: the next non-space character is '('
  bool fraction = false;     // Number: has a '.'
  bool exponent = false;     // Number: has an exponent
  char quote = 0;        // String: the delimiter
  std::string_view text; // Name/String: without delimiters; others as written
  std::size_t pos = 0;   // offset of the token's first character
};

class Lexer {
 public:
  explicit Lexer(std::string_view s) : s_(s) {}

  // `afterName`: the previous token was a name, so ".5" is a qualifier dot
  // followed by a number rather than a number. Names, keywords and the
  // commonest punctuation are read here, inlined into the translator's loop;
  // the rest out of line. Inlining this and lookupWord saved 8% of the
  // instructions of a translation.
  [[gnu::always_inline]] void read(Token& t, bool afterName) {
    const char* const begin = s_.data();
    const char* const end = begin + s_.size();
    const char* p = begin + p_;
    while (p < end && is(*p, kSpace)) ++p;
    t = Token{};
    t.pos = static_cast<std::size_t>(p - begin);
    p_ = t.pos;
    if (p == end) return;
    if (is(*p, kWordStart)) {
      const char* e = p + jetlex::wordLength(p, static_cast<std::size_t>(end - p), t.dollar);
      t.type = T::Word;
      t.text = std::string_view(p, static_cast<std::size_t>(e - p) - t.dollar);
      while (e < end && is(*e, kSpace)) ++e;
      p_ = static_cast<std::size_t>(e - begin);  // the spaces are skipped for the next token too
      t.callFollows = e < end && *e == '(';
      return;
    }
    T type;
    switch (*p) {
      case '(': type = T::LParen; break;
      case ')': type = T::RParen; break;
      case ',': type = T::Comma; break;
      case '=': type = T::Op; break;
      default: other(t, afterName); return;
    }
    t.type = type;
    t.text = std::string_view(p, 1);
    ++p_;
  }

  Token next(bool afterName) {
    Token t;
    read(t, afterName);
    return t;
  }

  Token peek(bool afterName) {
    std::size_t save = p_;
    Token t = next(afterName);
    p_ = save;
    return t;
  }

  // Whether the next non-space character is '(' (function call or size).
  bool openParenFollows() const {
    std::size_t p = p_;
    while (p < s_.size() && is(s_[p], kSpace)) ++p;
    return p < s_.size() && s_[p] == '(';
  }

 private:
  void other(Token& t, bool afterName);
  void delimited(Token& t, T type);
  void number(Token& t);

  std::string_view s_;
  std::size_t p_ = 0;
};

void Lexer::other(Token& t, bool afterName) {
  const std::size_t n = s_.size();
  const char c = s_[p_];
  if (jetlex::startsNumber(s_.data() + p_, n - p_) && !(c == '.' && afterName)) {
    number(t);
    return;
  }
  auto single = [&](T type, std::size_t len = 1) {
    t.type = type;
    t.text = s_.substr(p_, len);
    p_ += len;
  };
  const char c1 = p_ + 1 < n ? s_[p_ + 1] : '\0';
  switch (c) {
    case '"':
    case '\'': delimited(t, T::String); break;
    case '[':
    case '`': delimited(t, T::Name); break;
    case ';': single(T::Semicolon); break;
    case '.': single(T::Dot); break;
    case '!': single(T::Bang); break;
    case '*': single(T::Star); break;
    case '<': single(T::Op, c1 == '>' || c1 == '=' ? 2 : 1); break;
    case '>': single(T::Op, c1 == '=' ? 2 : 1); break;
    case '+':
    case '-':
    case '/':
    case '&': single(T::Op); break;
    case '?': fail("parameter markers are not supported", p_);
    case '#': fail("date literals are not supported", p_);
    case '\\':
    case '^': fail("operator not supported", p_);
    default: fail("unexpected character", p_);
  }
}

void Lexer::delimited(Token& t, T type) {
  const std::size_t length = jetlex::delimitedLength(s_.data() + p_, s_.size() - p_, t.escaped);
  if (length == 0) fail(type == T::String ? "unterminated string literal" : "unterminated name", t.pos);
  t.type = type;
  t.quote = s_[p_ + length - 1];
  t.text = s_.substr(p_ + 1, length - 2);
  p_ += length;
  if (t.text.find('\0') != std::string_view::npos) fail("NUL character in statement", t.pos);
  if (type == T::Name) {
    if (t.text.empty()) fail("empty name", t.pos);
    t.escaped = t.text.find('"') != std::string_view::npos;
  }
}

void Lexer::number(Token& t) {
  const std::size_t n = s_.size();
  jetlex::NumberForm form;
  const std::size_t length = jetlex::numberLength(s_.data() + p_, n - p_, form);
  const std::size_t p = p_ + length;
  if (length == 0 || (p < n && jetlex::endsNumberBadly(s_[p]))) fail("malformed number", t.pos);
  t.fraction = form.decimals >= 0;
  t.exponent = form.exponent;
  t.type = T::Number;
  t.text = s_.substr(p_, length);
  p_ = p;
}

// ---------------------------------------------------------------------------
// Output helpers

void appendQuotedBody(std::string& out, std::string_view name) {
  for (std::size_t p = 0;;) {
    const std::size_t q = name.find('"', p);
    if (q == std::string_view::npos) {
      out.append(name, p);
      return;
    }
    out.append(name, p, q + 1 - p);
    out += '"';
    p = q + 1;
  }
}

// A Jet string body with its doubled delimiters made single.
void appendUnescaped(std::string& out, const Token& t) {
  if (!t.escaped) {
    out.append(t.text);
    return;
  }
  for (std::size_t i = 0; i < t.text.size(); ++i) {
    out += t.text[i];
    if (t.text[i] == t.quote) ++i;
  }
}

std::size_t utf8Length(unsigned char lead) {
  return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// Jet LIKE pattern -> SQLite LIKE pattern whose escape character is '\'.
// Jet has no escape character: a wildcard is taken literally inside [ ].
std::string likePattern(std::string_view jet, std::size_t pos) {
  std::string out;
  out.reserve(jet.size() + 4);
  auto literal = [&](std::string_view c) {
    if (c == "%" || c == "_" || c == "\\") out += '\\';
    out.append(c);
  };
  for (std::size_t i = 0; i < jet.size(); ++i) {
    const char c = jet[i];
    if (c == '*') {
      out += '%';
    } else if (c == '?') {
      out += '_';
    } else if (c == '#') {
      fail("the digit wildcard # is not supported in LIKE patterns", pos);
    } else if (c == '[') {
      const std::size_t close = jet.find(']', i + 2);
      if (close == std::string_view::npos) fail("unterminated [ in LIKE pattern", pos);
      const std::string_view inner = jet.substr(i + 1, close - i - 1);
      if (inner.size() != utf8Length(static_cast<unsigned char>(inner[0])))
        fail("character lists in LIKE patterns are not supported", pos);
      literal(inner);
      i = close;
    } else {
      literal(jet.substr(i, 1));
    }
  }
  return out;
}

// Into a default SqlValue; false when the number is out of range. Inlined
// where the translator calls it: out of line, a translation cost 1.5% more
// (callgrind).
[[gnu::always_inline]] inline bool parseNumber(std::string_view text, bool fraction, bool exponent, SqlValue& v) {
  const char* b = text.data();
  const char* e = b + text.size();
  if (!fraction && !exponent) {
    auto [p, ec] = std::from_chars(b, e, v.integer);
    if (ec == std::errc{} && p == e) return true;  // else too large: a double
    v.integer = 0;
  }
  v.kind = SqlValue::Kind::Real;
  // Catalog numbers look like "20.000000". With at most 15 digits and no
  // exponent, digits / 10^k is one correctly rounded division, the same double
  // that from_chars gives, at a fraction of its cost.
  static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
                                      1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (text.size() <= 16 && !exponent) {
    std::uint64_t digits = 0;
    int decimals = -1;
    for (const char* p = b; p < e; ++p) {
      if (*p == '.') {
        decimals = 0;
        continue;
      }
      digits = digits * 10 + static_cast<unsigned>(*p - '0');
      if (decimals >= 0) ++decimals;
    }
    if (decimals <= 15) {  // at most 16 characters: at most 15 digits beside a '.'
      v.real = static_cast<double>(digits) / kPow10[decimals < 0 ? 0 : decimals];
      return true;
    }
  }
  auto [p, ec] = std::from_chars(b, e, v.real);
  return ec == std::errc{} && p == e;
}

SqlValue numberValue(const Token& t) {
  SqlValue v;
  if (!parseNumber(t.text, t.fraction, t.exponent, v)) fail("number out of range", t.pos);
  return v;
}

// The DML output: a string sized ahead and written through a pointer. Room for
// the token at hand is made once (room), so each write is a plain store; this
// halved the time of a translation compared with appending to std::string.
class Out {
 public:
  explicit Out(std::size_t expected) : s_(expected, '\0'), p_(s_.data()) {}
  void room(std::size_t n) {
    if (static_cast<std::size_t>(s_.data() + s_.size() - p_) < n) grow(n);
  }
  void put(char c) { *p_++ = c; }
  void put(std::string_view v) {
    if (v.empty()) return;
    std::memcpy(p_, v.data(), v.size());
    p_ += v.size();
  }
  // `v` with each `quote` doubled.
  void putDoubling(std::string_view v, char quote) {
    for (char c : v) {
      *p_++ = c;
      if (c == quote) *p_++ = c;
    }
  }
  std::size_t size() const { return static_cast<std::size_t>(p_ - s_.data()); }
  std::string_view view() const { return {s_.data(), size()}; }
  std::string take() {
    s_.resize(size());
    return std::move(s_);
  }

 private:
  void grow(std::size_t n) {
    const std::size_t used = size();
    s_.resize(std::max(2 * s_.size(), used + n));
    p_ = s_.data() + used;
  }
  std::string s_;
  char* p_;
};

// ---------------------------------------------------------------------------
// The translator

enum class Clause : std::uint8_t { None, Select, From, Where, On, GroupBy, Having, OrderBy, Target, Set, Values };

// Literals in these clauses become parameters.
constexpr bool lifts(Clause c) {
  return c == Clause::Where || c == Clause::On || c == Clause::Having || c == Clause::Set || c == Clause::Values;
}
// In these clauses "word(" is a function call; elsewhere a name before a list.
constexpr bool holdsExpressions(Clause c) { return c != Clause::From && c != Clause::Target; }

// Trivial on purpose: the stack of frames is not initialised ahead.
struct Frame {
  Clause clause;
  bool query;      // opened by SELECT: a subquery
  bool compound;   // a UNION joined its SELECTs
  bool listStart;  // after SELECT [DISTINCT] [TOP n], before the first column
  std::size_t topPos, topLen;  // TOP's count in the input (length 0: none), appended as LIMIT
  std::size_t open;            // position of the '('
};

// What the outermost FROM of a SELECT has shown so far.
enum class From : std::uint8_t { Before, Table, Named, Aliased, Complex };

// Deeper nesting than any person or Access writes; bounds the frame stack.
constexpr int kMaxDepth = 128;

// What the last emitted token was, for spacing.
enum class Prev : std::uint8_t { None, Open, Dot, Func, Other };

class Translator {
 public:
  Translator(std::string_view in, std::vector<ParamSource>* sources, JetDialect dialect)
      : in_(in), lex_(in), out_(in.size() + in.size() / 2 + 64), sources_(sources),
        pg_(dialect == JetDialect::PostgreSQL) {}
  JetStatement run();

 private:
  // DML
  void dml(Token tok);
  void keyword(W w, const Token& tok, Frame& f);
  void name(std::string_view text, bool escaped, const Frame& f);
  void literal(const Token& tok, const Frame& f);
  void like(const Frame& f);
  void top(Frame& f);
  void into(const Token& tok, const Frame& f);
  void closeQuery(const Frame& f);
  bool mainQuery() const { return kind_ == JetStatementKind::Select || kind_ == JetStatementKind::SelectInto; }

  // DDL
  void createTable();
  void createIndex(bool unique);
  void drop();
  void columnDefinition(const Token& nameTok, std::string_view& counter);
  void tableConstraint(Token tok, W w, std::string_view counter, std::size_t mark);
  // "(a [ASC|DESC], ...)"; returns the number of columns, `first` the first one.
  int columnList(bool ordered, std::string_view* first);
  std::string_view readName(const char* what);
  void expect(W w, const char* what);
  void expect(T type, const char* what);
  long readInteger(const char* what);
  void expectEnd();

  // Output
  void space(bool tight = false) {
    if (!tight && prev_ != Prev::None && prev_ != Prev::Open && prev_ != Prev::Dot) out_.put(' ');
  }
  void emit(std::string_view s, Prev p = Prev::Other) {
    space();
    out_.put(s);
    prev_ = p;
  }
  void emitQuoted(std::string_view nameText, bool escaped) {
    space();
    out_.put('"');
    if (escaped)
      out_.putDoubling(nameText, '"');
    else
      out_.put(nameText);
    out_.put('"');
    prev_ = Prev::Other;
  }
  // A text as an SQLite string literal.
  void emitString(std::string_view body) {
    space();
    out_.put('\'');
    out_.putDoubling(body, '\'');
    out_.put('\'');
    prev_ = Prev::Other;
  }
  void param(SqlValue v, const Token& tok, Clause clause, bool transformed = false) {
    if (pg_)
      pgParam(v.kind, clause);
    else
      emit("?");
    if (params_.empty()) params_.reserve(8);
    params_.push_back(std::move(v));
    if (sources_) {
      // A string's text lies between its quotes.
      const std::size_t end = static_cast<std::size_t>(tok.text.data() - in_.data()) + tok.text.size() +
                              (tok.type == T::String ? 1 : 0);
      sources_->push_back({tok.pos, end - tok.pos, transformed});
    }
  }
  // "$n" with what makes it compare as on files: a number's type, a text's
  // byte-order collation where it is compared.
  void pgParam(SqlValue::Kind kind, Clause clause) {
    space();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, params_.size() + 1).ptr;
    out_.put('$');
    out_.put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    if (kind == SqlValue::Kind::Integer)
      out_.put("::bigint");
    else if (kind == SqlValue::Kind::Real)
      out_.put("::float8");
    else if (clause != Clause::Set && clause != Clause::Values)
      out_.put(" COLLATE \"C\"");
    prev_ = Prev::Other;
  }
  Token next() { return lex_.next(false); }
  W lookup(std::string_view w) const { return lookupWord(w, in_.data() + in_.size()); }
  W wordOf(const Token& t) const { return t.type == T::Word ? lookup(t.text) : W::None; }

  std::string_view in_;
  Lexer lex_;
  Out out_;
  std::string ddl_;
  std::vector<SqlValue> params_;
  std::vector<ParamSource>* sources_;
  bool pg_;
  JetStatementKind kind_ = JetStatementKind::Select;
  Prev prev_ = Prev::None;

  std::array<Frame, kMaxDepth> frames_;
  int depth_ = 0;
  bool qualified_ = false;  // the last token was '.' or '!'
  bool afterName_ = false;  // the last token was a name

  std::string_view into_;
  bool grouped_ = false;
  From from_ = From::Before;
  std::string_view sole_, alias_;
  bool soleEscaped_ = false, aliasEscaped_ = false;
  std::size_t listPos_ = std::string::npos;  // where the outer select list starts in the output
};

JetStatement Translator::run() {
  frames_[0] = Frame{Clause::None, false, false, false, 0, 0, 0};
  const Token t = next();
  bool ddl = false;
  switch (wordOf(t)) {
    case W::Select: dml(t); break;
    case W::Insert:
      kind_ = JetStatementKind::Insert;
      expect(W::Into, "INTO expected");
      emit("INSERT INTO");
      frames_[0].clause = Clause::Target;
      dml(next());
      break;
    case W::Update: {
      kind_ = JetStatementKind::Update;
      emit("UPDATE");
      frames_[0].clause = Clause::Target;
      Token n = next();
      if (wordOf(n) == W::DistinctRow) n = next();
      dml(n);
      break;
    }
    case W::Delete: {
      kind_ = JetStatementKind::Delete;
      // Jet names what to delete before FROM; whole rows go either way.
      Token n = next();
      for (; !(n.type == T::Word && lookup(n.text) == W::From); n = next()) {
        if (n.type != T::Word && n.type != T::Name && n.type != T::Dot && n.type != T::Bang &&
            n.type != T::Star && n.type != T::Comma)
          fail(n.type == T::End ? "FROM expected" : "unexpected token before FROM", n.pos);
      }
      emit("DELETE FROM");
      frames_[0].clause = Clause::From;
      dml(next());
      break;
    }
    case W::Create: {
      if (pg_) fail("DDL is not supported for PostgreSQL", t.pos);
      ddl = true;
      Token n = next();
      W what = wordOf(n);
      const bool unique = what == W::Unique;
      if (unique) what = wordOf(n = next());
      if (what == W::Table && !unique)
        createTable();
      else if (what == W::Index)
        createIndex(unique);
      else
        fail("TABLE or INDEX expected", n.pos);
      break;
    }
    case W::Drop:
      if (pg_) fail("DDL is not supported for PostgreSQL", t.pos);
      ddl = true;
      drop();
      break;
    default: fail(t.type == T::End ? "empty statement" : "unsupported statement", t.pos);
  }

  JetStatement st;
  st.kind = kind_;
  st.params = std::move(params_);
  st.intoTable = into_;
  if (mainQuery() && (from_ == From::Named || from_ == From::Aliased) && !grouped_ &&
      listPos_ != std::string::npos) {
    st.soleTable = sole_;
  }
  if (!st.soleTable.empty() && !pg_) {  // PostgreSQL tables have no row ids
    const std::string_view sql = out_.view();
    const bool aliased = from_ == From::Aliased;
    const std::string_view q = aliased ? alias_ : sole_;
    st.rowidSql.reserve(sql.size() + q.size() + 40);
    st.rowidSql.append(sql, 0, listPos_);
    st.rowidSql += " \"";
    if (aliased ? aliasEscaped_ : soleEscaped_)
      appendQuotedBody(st.rowidSql, q);
    else
      st.rowidSql += q;
    st.rowidSql += "\"._ROWID_ AS \"__zept_rowid\",";
    st.rowidSql.append(sql, listPos_);
  }
  st.sql = ddl ? std::move(ddl_) : out_.take();
  return st;
}

void Translator::dml(Token tok) {
  for (;; lex_.read(tok, afterName_)) {
    out_.room(2 * tok.text.size() + 48);  // the most any one token writes
    Frame& f = frames_[depth_];
    const bool qualified = qualified_;
    qualified_ = false;
    if (qualified && tok.type != T::Word && tok.type != T::Name && tok.type != T::Star)
      fail("name expected after '.' or '!'", tok.pos);
    const W w = (tok.type == T::Word && !qualified) ? lookup(tok.text) : W::None;
    if (f.listStart && w != W::Distinct && w != W::DistinctRow && w != W::All && w != W::Top) {
      f.listStart = false;
      if (depth_ == 0 && listPos_ == std::string::npos) listPos_ = out_.size();
    }
    bool isName = false;
    switch (tok.type) {
      case T::End:
      case T::Semicolon:
        if (depth_ > 0) fail("missing ')'", f.open);
        if (tok.type == T::Semicolon) {
          const Token rest = next();
          if (rest.type != T::End) fail("only one statement is allowed", rest.pos);
        }
        closeQuery(f);
        return;
      case T::LParen:
        if (depth_ + 1 >= kMaxDepth) fail("parentheses nested too deeply", tok.pos);
        if (depth_ == 0 && f.clause == Clause::From) from_ = From::Complex;
        space(prev_ == Prev::Func);
        out_.put('(');
        prev_ = Prev::Open;
        frames_[++depth_] = Frame{f.clause, false, false, false, 0, 0, tok.pos};
        break;
      case T::RParen:
        if (depth_ == 0) fail("unbalanced ')'", tok.pos);
        closeQuery(f);
        --depth_;
        out_.put(')');
        prev_ = Prev::Other;
        break;
      case T::Comma:
        if (depth_ == 0 && f.clause == Clause::From) from_ = From::Complex;
        out_.put(',');
        prev_ = Prev::Other;
        break;
      case T::Dot:
      case T::Bang:
        if (!afterName_) fail("'.' or '!' must follow a name", tok.pos);
        if (depth_ == 0 && f.clause == Clause::From) from_ = From::Complex;
        out_.put('.');
        prev_ = Prev::Dot;
        qualified_ = true;
        break;
      case T::Star: emit("*"); break;
      case T::Op: emit(tok.text == "&" ? std::string_view("||") : tok.text); break;
      case T::String:
      case T::Number: literal(tok, f); break;
      case T::Name:
        name(tok.text, tok.escaped, f);
        isName = true;
        break;
      case T::Word: {
        const bool call = holdsExpressions(f.clause) && tok.callFollows;
        if (qualified || (!isKeyword(w) && !call)) {
          if (tok.dollar) fail("unexpected '$'", tok.pos + tok.text.size());
          name(tok.text, false, f);
          isName = true;
        } else if (call && isFunction(w)) {
          if (tok.dollar && !takesDollar(w)) fail("unexpected '$'", tok.pos + tok.text.size());
          if (pg_) fail("Jet functions are not supported for PostgreSQL", tok.pos);
          emit(internalName(w), Prev::Func);
        } else if (call && !isKeyword(w)) {
          if (tok.dollar) fail("unexpected '$'", tok.pos + tok.text.size());
          emit(tok.text, Prev::Func);  // an SQL function: COUNT, SUM, ...
        } else {
          if (tok.dollar) fail("unexpected '$'", tok.pos + tok.text.size());
          keyword(w, tok, f);
        }
        break;
      }
    }
    afterName_ = isName;
  }
}

void Translator::keyword(W w, const Token& tok, Frame& f) {
  const bool outer = depth_ == 0 && mainQuery();
  switch (w) {
    case W::Select:
      if (prev_ == Prev::Open) f.query = true;
      f.clause = Clause::Select;
      f.listStart = true;
      emit("SELECT");
      break;
    case W::Distinct:
    case W::DistinctRow: emit("DISTINCT"); break;
    case W::Top: top(f); break;
    case W::Into: into(tok, f); break;
    case W::From:
      f.clause = Clause::From;
      if (outer) from_ = from_ == From::Before ? From::Table : From::Complex;
      emit("FROM");
      break;
    case W::Where: f.clause = Clause::Where; emit("WHERE"); break;
    case W::Having:
      f.clause = Clause::Having;
      if (outer) grouped_ = true;
      emit("HAVING");
      break;
    case W::Group:
      f.clause = Clause::GroupBy;
      if (outer) grouped_ = true;
      emit("GROUP");
      break;
    case W::Order: f.clause = Clause::OrderBy; emit("ORDER"); break;
    case W::On: f.clause = Clause::On; emit("ON"); break;
    case W::Set: f.clause = Clause::Set; emit("SET"); break;
    case W::Values: f.clause = Clause::Values; emit("VALUES"); break;
    case W::Inner:
    case W::Left:
    case W::Right:
    case W::Outer:
    case W::Join:
      if (f.clause == Clause::Target) fail("UPDATE with a join is not supported", tok.pos);
      if (depth_ == 0 && f.clause == Clause::From) from_ = From::Complex;
      if (w == W::Join) f.clause = Clause::From;
      emit(w == W::Inner   ? "INNER"
           : w == W::Left  ? "LEFT"
           : w == W::Right ? "RIGHT"
           : w == W::Outer ? "OUTER"
                           : "JOIN");
      break;
    case W::Union:
      if (f.topLen != 0) fail("TOP is not supported with UNION", tok.pos);
      f.compound = true;
      f.clause = Clause::None;
      if (depth_ == 0) from_ = From::Complex;
      emit("UNION");
      break;
    case W::True: emit(pg_ ? "TRUE" : "-1"); break;
    case W::False: emit(pg_ ? "FALSE" : "0"); break;
    case W::Mod: emit("%"); break;
    case W::Like:
      // SQLite's LIKE folds ASCII case; ILIKE under COLLATE "C" does the same.
      emit(pg_ ? "ILIKE" : "LIKE");
      like(f);
      break;
    case W::All: emit("ALL"); break;
    case W::And: emit("AND"); break;
    case W::Or: emit("OR"); break;
    case W::Not: emit("NOT"); break;
    case W::In:
      if (depth_ == 0 && f.clause == Clause::From) from_ = From::Complex;
      emit("IN");
      break;
    case W::Is: emit("IS"); break;
    case W::Null: emit("NULL"); break;
    case W::Between: emit("BETWEEN"); break;
    case W::By: emit("BY"); break;
    case W::Asc: emit("ASC"); break;
    case W::Desc: emit("DESC"); break;
    case W::As: emit("AS"); break;
    case W::Exists: emit("EXISTS"); break;
    default: fail("reserved word out of place (write a name like this as [Name])", tok.pos);
  }
}

void Translator::name(std::string_view text, bool escaped, const Frame& f) {
  emitQuoted(text, escaped);
  if (depth_ != 0 || f.clause != Clause::From || !mainQuery()) return;
  switch (from_) {
    case From::Table:
      sole_ = text;
      soleEscaped_ = escaped;
      from_ = From::Named;
      break;
    case From::Named:
      alias_ = text;
      aliasEscaped_ = escaped;
      from_ = From::Aliased;
      break;
    default: from_ = From::Complex;
  }
}

void Translator::literal(const Token& tok, const Frame& f) {
  if (lifts(f.clause)) {
    if (tok.type == T::Number) {
      param(numberValue(tok), tok, f.clause);
    } else {
      SqlValue v;
      v.kind = SqlValue::Kind::Text;
      appendUnescaped(v.text, tok);
      param(std::move(v), tok, f.clause);
    }
    return;
  }
  if (tok.type == T::Number) {
    emit(tok.text);
    return;
  }
  if (tok.escaped) {
    std::string body;
    appendUnescaped(body, tok);
    emitString(body);
  } else {
    emitString(tok.text);
  }
}

// A pattern written as one string literal gets Jet's wildcards translated;
// any other pattern (a column, a concatenation) is left as it is.
void Translator::like(const Frame& f) {
  const Token pat = lex_.peek(false);
  if (pat.type != T::String) return;
  lex_.next(false);
  const Token after = lex_.peek(false);
  if (after.type == T::Op) {  // "a*" & x: not a literal pattern after all
    out_.room(2 * pat.text.size() + 8);
    literal(pat, f);
    return;
  }
  std::string body;
  appendUnescaped(body, pat);
  std::string pattern = likePattern(body, pat.pos);
  if (lifts(f.clause)) {
    SqlValue v;
    v.kind = SqlValue::Kind::Text;
    v.text = std::move(pattern);
    param(std::move(v), pat, f.clause, true);
  } else {
    out_.room(2 * pattern.size() + 32);
    emitString(pattern);
  }
  out_.room(16);
  emit("ESCAPE '\\'");
}

void Translator::top(Frame& f) {
  const Token n = next();
  if (!f.listStart || f.compound) fail("TOP must follow SELECT and cannot be used with UNION", n.pos);
  if (n.type != T::Number || n.fraction || n.exponent)
    fail("TOP needs a whole number", n.pos);
  const Token p = lex_.peek(false);
  if (wordOf(p) == W::Percent) fail("TOP n PERCENT is not supported", p.pos);
  f.topPos = n.pos;
  f.topLen = n.text.size();
}

void Translator::into(const Token& tok, const Frame& f) {
  if (kind_ != JetStatementKind::Select || depth_ != 0 || f.clause != Clause::Select)
    fail("INTO is not allowed here", tok.pos);
  const Token t = next();
  if (t.type != T::Word && t.type != T::Name) fail("table name expected after INTO", t.pos);
  if (wordOf(lex_.peek(false)) == W::In) fail("SELECT INTO another database is not supported", t.pos);
  into_ = t.text;
  kind_ = JetStatementKind::SelectInto;
}

void Translator::closeQuery(const Frame& f) {
  if (f.topLen == 0) return;
  out_.room(f.topLen + 8);
  out_.put(" LIMIT ");
  out_.put(in_.substr(f.topPos, f.topLen));
}

// ---------------------------------------------------------------------------
// DDL: parsed by its grammar rather than passed through, since types and
// constraints change on the way.

std::string_view Translator::readName(const char* what) {
  const Token t = next();
  if (t.type != T::Word && t.type != T::Name) fail(what, t.pos);
  return t.text;
}

void Translator::expect(W w, const char* what) {
  const Token t = next();
  if (wordOf(t) != w) fail(what, t.pos);
}

void Translator::expect(T type, const char* what) {
  const Token t = next();
  if (t.type != type) fail(what, t.pos);
}

long Translator::readInteger(const char* what) {
  const Token t = next();
  long v = 0;
  if (t.type != T::Number) fail(what, t.pos);
  auto [p, ec] = std::from_chars(t.text.data(), t.text.data() + t.text.size(), v);
  if (ec != std::errc{} || p != t.text.data() + t.text.size()) fail(what, t.pos);
  return v;
}

void Translator::expectEnd() {
  Token t = next();
  if (t.type == T::Semicolon) t = next();
  if (t.type != T::End) fail("only one statement is allowed", t.pos);
}

void Translator::createTable() {
  kind_ = JetStatementKind::CreateTable;
  const std::string_view table = readName("table name expected");
  ddl_ = "CREATE TABLE \"";
  appendQuotedBody(ddl_, table);
  ddl_ += "\" (";
  expect(T::LParen, "'(' expected");
  std::string_view counter;
  for (bool first = true;; first = false) {
    const std::size_t mark = ddl_.size();
    if (!first) ddl_ += ", ";
    const Token t = next();
    const W w = wordOf(t);
    if (w == W::Constraint || w == W::Primary || w == W::Unique || w == W::Foreign)
      tableConstraint(t, w, counter, mark);
    else if (t.type == T::Word || t.type == T::Name)
      columnDefinition(t, counter);
    else
      fail("column definition expected", t.pos);
    const Token sep = next();
    if (sep.type == T::RParen) break;
    if (sep.type != T::Comma) fail("',' or ')' expected", sep.pos);
  }
  ddl_ += ')';
  expectEnd();
}

void Translator::columnDefinition(const Token& nameTok, std::string_view& counter) {
  ddl_ += '"';
  appendQuotedBody(ddl_, nameTok.text);
  ddl_ += "\" ";
  const Token typeTok = next();
  const JetTypeInfo* type = typeTok.type == T::Word ? findJetType(typeTok.text) : nullptr;
  if (type == nullptr) fail("unknown column type", typeTok.pos);
  long size = 255;
  if (lex_.openParenFollows()) {
    next();
    if (type->sized) {
      size = readInteger("text size expected");
      if (size < 1 || size > 255) fail("text size must be 1 to 255", typeTok.pos);
    } else if (type->counter) {
      // Jet's COUNTER(seed, increment); SQLite counts from 1 by 1.
      const long seed = readInteger("seed expected");
      expect(T::Comma, "',' expected");
      const long step = readInteger("increment expected");
      if (seed != 1 || step != 1) fail("COUNTER seed and increment other than 1 are not supported", typeTok.pos);
    } else {
      fail("this type takes no size", typeTok.pos);
    }
    expect(T::RParen, "')' expected");
  }
  if (type->counter) {
    if (!counter.empty()) fail("only one COUNTER column per table", typeTok.pos);
    counter = nameTok.text;
    ddl_ += "INTEGER PRIMARY KEY AUTOINCREMENT";
  } else if (type->sized) {
    ddl_ += type->decl;
    ddl_ += '(';
    ddl_ += std::to_string(size);
    ddl_ += ')';
  } else {
    ddl_ += type->decl;
  }
  const bool isCounter = type->counter;
  for (;;) {
    const Token t = lex_.peek(false);
    W w = wordOf(t);
    if (w != W::Not && w != W::Null && w != W::Primary && w != W::Unique && w != W::Constraint &&
        w != W::References)
      return;
    next();
    if (w == W::Constraint) {
      const std::string_view cname = readName("constraint name expected");
      const Token k = lex_.peek(false);
      w = wordOf(k);
      if (isCounter && w == W::Primary) {  // already the key
        next();
        expect(W::Key, "KEY expected");
        continue;
      }
      ddl_ += " CONSTRAINT \"";
      appendQuotedBody(ddl_, cname);
      ddl_ += '"';
      if (w != W::Not && w != W::Primary && w != W::Unique && w != W::References)
        fail("PRIMARY KEY, UNIQUE, NOT NULL or REFERENCES expected", k.pos);
      next();
    }
    switch (w) {
      case W::Not:
        expect(W::Null, "NULL expected");
        ddl_ += " NOT NULL";
        break;
      case W::Null: break;
      case W::Primary:
        expect(W::Key, "KEY expected");
        if (!isCounter) ddl_ += " PRIMARY KEY";
        break;
      case W::Unique: ddl_ += " UNIQUE"; break;
      default: {  // REFERENCES t [(c)]
        const std::string_view ref = readName("table name expected");
        ddl_ += " REFERENCES \"";
        appendQuotedBody(ddl_, ref);
        ddl_ += '"';
        if (lex_.openParenFollows()) {
          ddl_ += ' ';
          columnList(false, nullptr);
        }
      }
    }
  }
}

void Translator::tableConstraint(Token tok, W w, std::string_view counter, std::size_t mark) {
  if (w == W::Constraint) {
    const std::string_view cname = readName("constraint name expected");
    ddl_ += "CONSTRAINT \"";
    appendQuotedBody(ddl_, cname);
    ddl_ += "\" ";
    tok = next();
    w = wordOf(tok);
  }
  switch (w) {
    case W::Primary: {
      expect(W::Key, "KEY expected");
      ddl_ += "PRIMARY KEY ";
      std::string_view first;
      const int n = columnList(true, &first);
      if (!counter.empty()) {
        // The COUNTER column is already the key; any other key cannot be.
        if (n != 1 || first.size() != counter.size() ||
            !std::equal(first.begin(), first.end(), counter.begin(), [](char a, char b) {
              return (a >= 'a' && a <= 'z' ? a - 32 : a) == (b >= 'a' && b <= 'z' ? b - 32 : b);
            }))
          fail("a table with a COUNTER column can have no other primary key", tok.pos);
        ddl_.resize(mark);
      }
      break;
    }
    case W::Unique:
      ddl_ += "UNIQUE ";
      columnList(true, nullptr);
      break;
    case W::Foreign: {
      expect(W::Key, "KEY expected");
      ddl_ += "FOREIGN KEY ";
      columnList(false, nullptr);
      expect(W::References, "REFERENCES expected");
      const std::string_view ref = readName("table name expected");
      ddl_ += " REFERENCES \"";
      appendQuotedBody(ddl_, ref);
      ddl_ += '"';
      if (lex_.openParenFollows()) {
        ddl_ += ' ';
        columnList(false, nullptr);
      }
      break;
    }
    default: fail("PRIMARY KEY, UNIQUE or FOREIGN KEY expected", tok.pos);
  }
}

int Translator::columnList(bool ordered, std::string_view* first) {
  expect(T::LParen, "'(' expected");
  ddl_ += '(';
  int n = 0;
  for (;;) {
    const std::string_view col = readName("column name expected");
    if (n == 0 && first) *first = col;
    if (n++ > 0) ddl_ += ", ";
    ddl_ += '"';
    appendQuotedBody(ddl_, col);
    ddl_ += '"';
    Token t = next();
    if (ordered && (wordOf(t) == W::Asc || wordOf(t) == W::Desc)) {
      ddl_ += wordOf(t) == W::Asc ? " ASC" : " DESC";
      t = next();
    }
    if (t.type == T::RParen) break;
    if (t.type != T::Comma) fail("',' or ')' expected", t.pos);
  }
  ddl_ += ')';
  return n;
}

void Translator::createIndex(bool unique) {
  kind_ = JetStatementKind::CreateIndex;
  const std::string_view index = readName("index name expected");
  expect(W::On, "ON expected");
  const std::string_view table = readName("table name expected");
  // SQLite index names are per database, Jet's per table.
  ddl_ = "CREATE ";
  const std::size_t uniquePos = ddl_.size();
  if (unique) ddl_ += "UNIQUE ";
  ddl_ += "INDEX \"";
  appendQuotedBody(ddl_, table);
  ddl_ += '_';
  appendQuotedBody(ddl_, index);
  ddl_ += "\" ON \"";
  appendQuotedBody(ddl_, table);
  ddl_ += "\" ";
  columnList(true, nullptr);
  if (wordOf(lex_.peek(false)) == W::With) {
    next();
    bool any = false;
    for (;;) {
      const Token t = lex_.peek(false);
      const W w = wordOf(t);
      if (w == W::Primary) {
        next();
        if (!unique) ddl_.insert(uniquePos, "UNIQUE ");
        unique = true;
      } else if (w == W::Disallow || w == W::Ignore) {
        // Not kept: SQLite indexes have no such option.
        next();
        expect(W::Null, "NULL expected");
      } else {
        if (!any) fail("PRIMARY, DISALLOW NULL or IGNORE NULL expected", t.pos);
        break;
      }
      any = true;
    }
  }
  expectEnd();
}

void Translator::drop() {
  const Token t = next();
  const W w = wordOf(t);
  if (w == W::Table) {
    kind_ = JetStatementKind::DropTable;
    const std::string_view table = readName("table name expected");
    ddl_ = "DROP TABLE \"";
    appendQuotedBody(ddl_, table);
    ddl_ += '"';
  } else if (w == W::Index) {
    kind_ = JetStatementKind::DropIndex;
    const std::string_view index = readName("index name expected");
    expect(W::On, "ON expected");
    const std::string_view table = readName("table name expected");
    ddl_ = "DROP INDEX \"";
    appendQuotedBody(ddl_, table);
    ddl_ += '_';
    appendQuotedBody(ddl_, index);
    ddl_ += '"';
  } else {
    fail("TABLE or INDEX expected", t.pos);
  }
  expectEnd();
}

}  // namespace

JetStatement translateJetSql(std::string_view jetSql, std::vector<ParamSource>* sources) {
  return translateJetSql(jetSql, JetDialect::SQLite, sources);
}

JetStatement translateJetSql(std::string_view jetSql, JetDialect dialect, std::vector<ParamSource>* sources) {
  if (jetSql.find('\0') != std::string_view::npos) fail("NUL character in statement", jetSql.find('\0'));
  if (sources) sources->clear();
  return Translator(jetSql, sources, dialect).run();
}

bool jetNumberValue(std::string_view text, SqlValue& out) {
  bool fraction = false;
  bool exponent = false;
  for (const char c : text) {
    fraction |= c == '.';
    exponent |= (c | 0x20) == 'e';
  }
  SqlValue v;
  if (!parseNumber(text, fraction, exponent, v)) return false;
  out = std::move(v);
  return true;
}

}  // namespace zept::dao
