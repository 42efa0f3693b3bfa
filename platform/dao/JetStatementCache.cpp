// SPDX-License-Identifier: MIT
// The statement-shape cache: a literal scan and shape hash of the Jet text,
// matched against the translator's parameters.
#include "platform/dao/JetStatementCache.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <cwchar>

#include "platform/core/Utf8.h"
#include "platform/dao/JetLexer.h"

namespace zept::dao {

namespace {

using Literal = JetStatementCache::Literal;

using jetlex::isDigit;

inline std::uint64_t mix(std::uint64_t h, std::uint64_t v) {
  h = (h ^ v) * 0x9E3779B97F4A7C15ull;
  return h ^ (h >> 29);
}

// Two characters per step; the length keeps runs apart.
std::uint64_t hashRun(std::uint64_t h, wchar_t const* p, std::size_t n) {
  h = mix(h, n);
  for (; n >= 2; p += 2, n -= 2) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    h = mix(h, v);
  }
  if (n) h = mix(h, static_cast<std::uint32_t>(*p));
  return h;
}

// Bytes of a character in UTF-8 as appendUtf8 writes it.
std::size_t utf8Length(wchar_t c) {
  const auto u = static_cast<std::uint32_t>(c);
  if (u < 0x80) return 1;
  if (u < 0x800) return 2;
  if (u < 0x10000 || u > 0x10FFFF) return 3;  // surrogates and non-characters become U+FFFD
  return 4;
}

// Pairs the scanned literals with the translator's parameters. `fills`
// receives, per literal, the parameter it fills or -1 for one that is part of
// the shape. False when a parameter has no literal of its own, which the
// scan and the lexer never disagree on, but a wrong cache would be worse
// than none.
bool matchSources(std::wstring_view jet, std::vector<Literal> const& literals,
                  std::vector<ParamSource> const& sources, std::vector<std::int32_t>& fills) {
  fills.assign(literals.size(), -1);
  std::size_t wide = 0;
  std::size_t utf8 = 0;
  std::size_t k = 0;
  for (std::size_t i = 0; i < sources.size(); ++i, ++k) {
    for (;; ++k) {
      if (k == literals.size()) return false;
      for (; wide < literals[k].begin; ++wide) utf8 += utf8Length(jet[wide]);
      if (utf8 >= sources[i].pos) break;
    }
    if (utf8 != sources[i].pos) return false;
    std::size_t bytes = 0;
    for (std::size_t j = 0; j < literals[k].length; ++j) bytes += utf8Length(jet[wide + j]);
    if (bytes != sources[i].length) return false;
    if (!sources[i].transformed) fills[k] = static_cast<std::int32_t>(i);
  }
  return true;
}

// Reads the number at `p` as the lexer does into `x`'s number fields; the
// length read, or 0 when an exponent has no digits. What follows is the
// text's own.
std::size_t readNumber(wchar_t const* p, std::size_t n, Literal& x) {
  std::uint64_t digits = 0;  // wraps for long numbers, which are not plain
  jetlex::NumberForm form;
  const std::size_t length =
      jetlex::numberLength(p, n, form, [&](wchar_t d) { digits = digits * 10 + static_cast<unsigned>(d - L'0'); });
  if (length == 0) return 0;
  x.digits = digits;
  x.decimals = form.decimals;
  x.plain = !form.exponent && length <= 16;
  return length;
}

// Length of the quoted literal that `p` starts with, as the lexer reads it;
// 0 when there is none.
std::size_t literalLength(wchar_t const* p, std::size_t n, wchar_t kind) {
  bool doubled = false;
  if (n == 0 || p[0] != kind) return 0;
  const std::size_t length = jetlex::delimitedLength(p, n, doubled);
  return length && !std::wmemchr(p, L'\0', length) ? length : 0;  // the translator refuses a NUL
}

// Shapes that differ only in a literal that is part of them (TOP 5, TOP 6):
// a few are kept, the oldest goes first.
constexpr std::size_t kVariants = 8;

// Finds the literal tokens of a text as the translator's lexer reads them,
// and hashes the text without them. False when the text holds something the
// scan does not decide the way the lexer does (an unterminated literal or
// name, a malformed number, ".5" after a name): such texts are not kept.
bool scanJetLiterals(std::wstring_view jet, std::vector<Literal>& literals, std::uint64_t& hash) {
  literals.clear();
  const std::size_t n = jet.size();
  wchar_t const* const s = jet.data();
  // The translator refuses a NUL anywhere.
  if (n > UINT32_MAX || std::wmemchr(s, L'\0', n)) return false;
  std::uint64_t h = 0x243F6A8885A308D3ull;
  std::size_t run = 0;      // where the text since the last literal starts
  bool afterWord = false;  // ".5" after a name would be a qualifier and a number
  for (std::size_t i = 0; i < n;) {
    const wchar_t c = s[i];
    const std::uint8_t cls = jetlex::classOf(c);
    if (cls & jetlex::kSpace) {
      ++i;
      continue;
    }
    if (cls & jetlex::kWordStart) {
      bool dollar = false;
      i += jetlex::wordLength(s + i, n - i, dollar);
      afterWord = true;
      continue;
    }
    const std::size_t begin = i;
    wchar_t kind;
    if (jetlex::opensString(c) || jetlex::opensName(c)) {
      bool doubled = false;
      const std::size_t length = jetlex::delimitedLength(s + i, n - i, doubled);
      if (length == 0) return false;
      i += length;
      if (jetlex::opensName(c)) {
        afterWord = true;
        continue;
      }
      kind = c;
    } else if (jetlex::startsNumber(s + i, n - i)) {
      if (c == L'.' && afterWord) return false;
      jetlex::NumberForm form;
      const std::size_t length = jetlex::numberLength(s + i, n - i, form);
      if (length == 0) return false;
      i += length;
      if (i < n && jetlex::endsNumberBadly(s[i])) return false;
      kind = L'n';
    } else {
      ++i;
      afterWord = false;
      continue;
    }
    h = mix(hashRun(h, s + run, begin - run), static_cast<std::uint64_t>(kind));
    literals.push_back({static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(i - begin), kind});
    run = i;
    afterWord = false;
  }
  hash = hashRun(h, s + run, n - run);
  return true;
}

// Keys of texts whose literals are not known start apart from the others.
constexpr std::uint64_t kUnscannedSeed = 0x452821E638D01377ull;

// One literal of a text's key: a plain number by its value and length, the
// rest by their characters.
std::uint64_t keyStep(std::uint64_t h, wchar_t const* text, Literal const& x) {
  h = mix(h, static_cast<std::uint64_t>(x.kind));
  if (x.kind == L'n' && x.plain)
    return mix(h, x.digits ^ (std::uint64_t{x.length} << 59) ^ (static_cast<std::uint64_t>(x.decimals + 1) << 54));
  return hashRun(h, text + x.begin, x.length);
}

// The key of a text from the hash of the rest and its literals, every one of
// them (a literal that is part of the shape tells its variants apart), whose
// numbers are read here.
std::uint64_t textKeyOf(std::uint64_t restHash, std::wstring_view jet, std::vector<Literal>& literals) {
  std::uint64_t h = restHash;
  for (Literal& x : literals) {
    // The scan found where the number ends; a reading that ends elsewhere
    // leaves it to the translator's own conversion.
    if (x.kind == L'n' && readNumber(jet.data() + x.begin, x.length, x) != x.length) x.plain = false;
    h = keyStep(h, jet.data(), x);
  }
  return mix(h, literals.size());
}

// A plain number as jetNumberValue reads it: at most 16 characters, so a
// whole number fits and a fraction has at most 15 digits, which one
// correctly rounded division gives exactly.
void plainNumber(Literal const& x, SqlValue& v) {
  static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (x.decimals < 0) {
    v.kind = SqlValue::Kind::Integer;
    v.integer = static_cast<std::int64_t>(x.digits);
    v.real = 0;
  } else {
    v.kind = SqlValue::Kind::Real;
    v.integer = 0;
    v.real = static_cast<double>(x.digits) / kPow10[x.decimals];
  }
  v.text.clear();
}

}  // namespace

void JetStatementCache::clear() {
  m_shapes.clear();
  m_recent.fill(nullptr);
  m_size = 0;
}

void JetStatementCache::used(Shape* shape) {
  Shape* carried = shape;
  for (Shape*& slot : m_recent) {
    std::swap(slot, carried);
    if (carried == shape || !carried) break;
  }
}

void JetStatementCache::forget(Shape const* shape) {
  auto it = std::find(m_recent.begin(), m_recent.end(), shape);
  if (it == m_recent.end()) return;
  std::move(it + 1, m_recent.end(), it);
  m_recent.back() = nullptr;
}

JetStatement const& JetStatementCache::translate(std::wstring_view jet) {
  if (jet.size() > UINT32_MAX) {
    m_key = hashRun(kUnscannedSeed, jet.data(), jet.size());
    return translateAnew(jet, false, 0);
  }
  for (Shape* shape : m_recent) {
    if (!shape) break;
    if (!matches(jet, *shape, m_literals, m_key)) continue;
    if (!fill(jet, m_literals, *shape)) return translateAnew(jet, false, 0);  // a number out of range
    used(shape);
    return shape->statement;
  }
  std::uint64_t hash = 0;
  if (!scanJetLiterals(jet, m_literals, hash)) {
    m_key = hashRun(kUnscannedSeed, jet.data(), jet.size());
    return translateAnew(jet, false, 0);
  }
  m_key = textKeyOf(hash, jet, m_literals);
  if (auto it = m_shapes.find(hash); it != m_shapes.end()) {
    for (auto& shape : it->second) {
      if (!sameShape(jet, m_literals, *shape)) continue;
      if (!fill(jet, m_literals, *shape)) break;
      used(shape.get());
      return shape->statement;
    }
  }
  return translateAnew(jet, true, hash);
}

JetStatement const& JetStatementCache::translateAnew(std::wstring_view jet, bool shaped, std::uint64_t hash) {
  ++m_translations;
  m_utf8.clear();
  appendUtf8(m_utf8, jet);
  if (!shaped) {
    m_unshaped = translateJetSql(m_utf8);
    m_unshaped.serial = ++m_lastSerial;
    return m_unshaped;
  }
  JetStatement statement = translateJetSql(m_utf8, &m_sources);
  statement.serial = ++m_lastSerial;
  std::vector<std::int32_t> fills;
  if (!matchSources(jet, m_literals, m_sources, fills)) {
    m_unshaped = std::move(statement);
    m_unshaped.serial = ++m_lastSerial;
    return m_unshaped;
  }
  if (m_size >= m_capacity) clear();
  auto& variants = m_shapes[hash];
  std::erase_if(variants, [&](auto const& shape) {
    if (!sameShape(jet, m_literals, *shape)) return false;
    forget(shape.get());
    --m_size;
    return true;
  });
  if (variants.size() >= kVariants) {
    forget(variants.front().get());
    variants.erase(variants.begin());
    --m_size;
  }
  variants.push_back(
      std::make_unique<Shape>(Shape{std::wstring(jet), hash, m_literals, std::move(fills), std::move(statement)}));
  ++m_size;
  used(variants.back().get());
  return variants.back()->statement;
}

bool JetStatementCache::matches(std::wstring_view jet, Shape const& shape, std::vector<Literal>& literals,
                                std::uint64_t& key) {
  literals.clear();
  std::uint64_t h = shape.hash;
  wchar_t const* a = jet.data();
  wchar_t const* b = shape.text.data();
  const std::size_t n = jet.size();
  std::size_t pa = 0;  // where the next segment starts in `jet` and in the shape's text
  std::size_t pb = 0;
  for (std::size_t k = 0; k < shape.literals.size(); ++k) {
    Literal const& y = shape.literals[k];
    const std::size_t gap = y.begin - pb;
    if (n - pa < gap || std::wmemcmp(a + pa, b + pb, gap) != 0) return false;
    pa += gap;
    Literal x{static_cast<std::uint32_t>(pa), y.length, y.kind};
    if (shape.fills[k] < 0) {
      if (n - pa < x.length || std::wmemcmp(a + pa, b + y.begin, x.length) != 0) return false;
      // Read for the key, as textKeyOf reads it.
      if (x.kind == L'n' && readNumber(a + pa, x.length, x) != x.length) x.plain = false;
    } else if (x.kind == L'n') {
      // A number must start with a digit here: ".5" is one only where no
      // name comes before it, which the full scan decides.
      if (pa == n || !isDigit(a[pa])) return false;
      x.length = static_cast<std::uint32_t>(readNumber(a + pa, n - pa, x));
      if (x.length == 0) return false;
    } else if ((x.length = static_cast<std::uint32_t>(literalLength(a + pa, n - pa, x.kind))) == 0) {
      return false;
    }
    h = keyStep(h, a, x);
    literals.push_back(x);
    pa += x.length;
    pb = y.begin + y.length;
  }
  const std::size_t tail = n - pa;
  if (tail != shape.text.size() - pb || std::wmemcmp(a + pa, b + pb, tail) != 0) return false;
  key = mix(h, literals.size());
  return true;
}

bool JetStatementCache::sameShape(std::wstring_view jet, std::vector<Literal> const& literals, Shape const& shape) {
  if (literals.size() != shape.literals.size()) return false;
  wchar_t const* a = jet.data();
  wchar_t const* b = shape.text.data();
  std::size_t ra = 0;  // ends of the last literals
  std::size_t rb = 0;
  for (std::size_t k = 0; k < literals.size(); ++k) {
    Literal const& x = literals[k];
    Literal const& y = shape.literals[k];
    const std::size_t gap = x.begin - ra;
    if (x.kind != y.kind || gap != y.begin - rb || std::wmemcmp(a + ra, b + rb, gap) != 0) return false;
    if (shape.fills[k] < 0 && (x.length != y.length || std::wmemcmp(a + x.begin, b + y.begin, x.length) != 0))
      return false;
    ra = x.begin + x.length;
    rb = y.begin + y.length;
  }
  const std::size_t tail = jet.size() - ra;
  return tail == shape.text.size() - rb && std::wmemcmp(a + ra, b + rb, tail) == 0;
}

bool JetStatementCache::fill(std::wstring_view jet, std::vector<Literal> const& literals, Shape& shape) {
  for (std::size_t k = 0; k < literals.size(); ++k) {
    if (shape.fills[k] < 0) continue;
    SqlValue& v = shape.statement.params[static_cast<std::size_t>(shape.fills[k])];
    Literal const& x = literals[k];
    wchar_t const* p = jet.data() + x.begin;
    if (x.kind == L'n') {
      if (x.plain) {
        plainNumber(x, v);
        continue;
      }
      // Digits, '.', 'e', signs: ASCII.
      char small[48];
      std::string large;
      char* digits = small;
      if (x.length > sizeof small) {
        large.resize(x.length);
        digits = large.data();
      }
      for (std::size_t j = 0; j < x.length; ++j) digits[j] = static_cast<char>(p[j]);
      if (!jetNumberValue(std::string_view(digits, x.length), v)) return false;
      continue;
    }
    v.kind = SqlValue::Kind::Text;
    v.integer = 0;
    v.real = 0;
    v.text.clear();
    wchar_t const* body = p + 1;
    wchar_t const* const end = p + x.length - 1;
    for (;;) {  // a doubled quote becomes one
      wchar_t const* quote = std::wmemchr(body, x.kind, static_cast<std::size_t>(end - body));
      if (!quote) {
        appendUtf8(v.text, std::wstring_view(body, static_cast<std::size_t>(end - body)));
        break;
      }
      appendUtf8(v.text, std::wstring_view(body, static_cast<std::size_t>(quote + 1 - body)));
      body = quote + 2;
    }
  }
  return true;
}

}  // namespace zept::dao
