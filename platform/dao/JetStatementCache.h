// SPDX-License-Identifier: MIT
// Translations of the Jet texts one database runs, kept by statement shape.
//
// Workload: catalog code formats its keys into the text ("...=%f", "=\"%s\""),
// so one shape comes back with ever new literals, usually in a loop. Texts
// that differ only in literals the translator lifts into parameters share one
// translation. A text is first compared with the shapes used last, segment by
// segment between their literals, reading only its literals; failing that,
// one pass finds its literals and a hash of the rest finds its shape. Either
// way the literals alone are converted, not the whole text, and nothing is
// translated again.
//
// A literal the translator did not lift (TOP n, ORDER BY 1, a select-list or
// DDL constant) or lifted with a changed value (a LIKE pattern) is part of the
// shape: it must be written exactly the same for a text to share the entry.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/dao/JetSql.h"

namespace zept::dao {

class JetStatementCache {
 public:
  explicit JetStatementCache(std::size_t capacity = 256) : m_capacity(capacity) {}

  // What translateJetSql gives for the UTF-8 form of `jet`, and throws what it
  // throws. The statement stays valid until the next call or clear().
  JetStatement const& translate(std::wstring_view jet);
  // A hash of the text translate() was given last, for the caches keyed by
  // the caller's text: equal texts have equal keys whatever the cache held.
  // Found on the way, from the shape and the literals, so the text is not
  // read again; a key is no proof of equality.
  std::uint64_t textKey() const { return m_key; }

  std::size_t size() const { return m_size; }
  // Texts translated so far rather than found.
  std::size_t translations() const { return m_translations; }
  void clear();

  // A literal token of the wide text, quotes included; kind is its opening
  // quote, or 'n' for a number. A number is read once, where it is found:
  // its digits without the point and how many follow the point (-1 for
  // none), which give its value when it is `plain` (no exponent, at most 16
  // characters).
  struct Literal {
    std::uint32_t begin;
    std::uint32_t length;
    wchar_t kind;
    bool plain = false;
    std::int32_t decimals = -1;
    std::uint64_t digits = 0;
  };

 private:
  struct Shape {
    std::wstring text;              // the text it was first translated from
    std::uint64_t hash = 0;         // of `text` without its literals
    std::vector<Literal> literals;  // of `text`
    // Per literal: the parameter it fills, or -1 when it is part of the shape.
    std::vector<std::int32_t> fills;
    JetStatement statement;  // parameters filled from the latest text
  };

  JetStatement const& translateAnew(std::wstring_view jet, bool shaped, std::uint64_t hash);
  // Whether `jet` has the shape; `literals` receives its literals and `key`
  // the text's key.
  static bool matches(std::wstring_view jet, Shape const& shape, std::vector<Literal>& literals, std::uint64_t& key);
  // The same for a text whose literals are known.
  static bool sameShape(std::wstring_view jet, std::vector<Literal> const& literals, Shape const& shape);
  // False when a number is out of range.
  static bool fill(std::wstring_view jet, std::vector<Literal> const& literals, Shape& shape);
  void used(Shape* shape);
  void forget(Shape const* shape);

  std::size_t m_capacity;
  std::size_t m_size = 0;
  std::size_t m_translations = 0;
  std::uint64_t m_key = 0;
  std::uint64_t m_lastSerial = 0;
  // By the hash of the text without its literals. More than one shape per
  // hash: texts that differ in a literal that is part of the shape.
  std::unordered_map<std::uint64_t, std::vector<std::unique_ptr<Shape>>> m_shapes;
  // The shapes used last, latest first; tried before any hashing.
  std::array<Shape*, 4> m_recent{};
  // Reused between calls, so a hit allocates nothing of its own.
  std::vector<Literal> m_literals;
  std::vector<ParamSource> m_sources;
  std::string m_utf8;
  JetStatement m_unshaped;  // the result when a text is not kept
};

}  // namespace zept::dao
