// SPDX-License-Identifier: MIT
#include "platform/dao/JetStatementCache.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/core/Utf8.h"

namespace zept::dao {
namespace {

// Every field of a statement, doubles to the bit, texts with their lengths.
std::string describe(JetStatement const& s) {
  std::string out = "kind " + std::to_string(static_cast<int>(s.kind)) + "\nsql " + s.sql + "\ninto " + s.intoTable +
                    "\nsole " + s.soleTable + "\nrowid " + s.rowidSql;
  for (SqlValue const& v : s.params) {
    char real[40];
    std::snprintf(real, sizeof real, "%a", v.real);
    out += "\nparam " + std::to_string(static_cast<int>(v.kind)) + " " + std::to_string(v.integer) + " " + real +
           " " + std::to_string(v.text.size()) + ":" + v.text;
  }
  return out;
}

// What `translate` gives for a text: the statement, or where it failed.
template <class Translate>
std::string outcome(Translate translate) {
  try {
    return describe(translate());
  } catch (JetSqlError const& e) {
    return "error at " + std::to_string(e.position()) + ": " + e.what();
  }
}

std::string translated(std::wstring const& jet) { return outcome([&] { return translateJetSql(toUtf8(jet)); }); }

std::string cached(JetStatementCache& cache, std::wstring const& jet) {
  return outcome([&]() -> JetStatement const& { return cache.translate(jet); });
}

// The text keys of the texts a cache translated: a text must come back with
// its key whichever way the cache found it, and another text with another.
class TextKeys {
 public:
  void check(JetStatementCache const& cache, std::wstring const& text) {
    const auto [known, fresh] = m_keys.emplace(text, cache.textKey());
    EXPECT_EQ(known->second, cache.textKey()) << toUtf8(text);
  }
  std::size_t texts() const { return m_keys.size(); }
  std::size_t distinctKeys() const {
    std::set<std::uint64_t> keys;
    for (auto const& [text, key] : m_keys) keys.insert(key);
    return keys.size();
  }

 private:
  std::map<std::wstring, std::uint64_t> m_keys;
};

// ---------------------------------------------------------------------------
// Catalog statements with random literals, and the same with their text
// mangled around the literals (through a cache kept small, which must stay
// within its capacity). Each template is filled several times in a
// row (the shapes used last) and the templates interleave (the hashed ones).

// '#' marks a literal: #n number, #s "string", #q 'string', #l "LIKE pattern",
// #c a small count the translator does not lift, #a any number or string
// (so that one place holds literals of every kind in turn).
const wchar_t* const kTemplates[] = {
    L"SELECT Descriptions.Unit FROM Descriptions WHERE (((Descriptions.Table)=#s) AND ((Descriptions.Field)=#s));",
    L"SELECT DISTINCT Shanks.Lenght FROM Shanks INNER JOIN (Bolts INNER JOIN BoltsTypes ON Bolts.Id = "
    L"BoltsTypes.BoltId) ON Shanks.Id = BoltsTypes.ShankId WHERE (((Bolts.Diameter)=#n)) ORDER BY Shanks.Lenght;",
    L"SELECT DISTINCT BoltsTypes.Id, Bolts.Diameter, Bolts.Symbol, Shanks.Lenght, BoltsTypes.ThreadLenght, "
    L"Materials.Symbol, Bolts.TextComment FROM Shanks INNER JOIN (Materials INNER JOIN (Bolts INNER JOIN BoltsTypes "
    L"ON Bolts.Id = BoltsTypes.BoltId) ON Materials.Id = BoltsTypes.MaterialId) ON Shanks.Id = BoltsTypes.ShankId "
    L"WHERE (((Bolts.Diameter)=#n) AND ((Shanks.Lenght)=#n));",
    L"SELECT DISTINCT Nuts.Thick FROM NutsTypes INNER JOIN Nuts ON NutsTypes.NutId = Nuts.Id WHERE "
    L"(((Nuts.InnerDiam)=#n)) ORDER BY Nuts.Thick;",
    L"SELECT Bolts.NutStand, Bolts.WasherStand FROM Bolts WHERE (((UCase([Bolts]![BoltStand]))=#s));",
    L"SELECT DIM1,DIM2,DIM3 FROM Shape WHERE (((NAME)=#s) AND ((Shape.SHAPE_TYPE)=#n)) ORDER BY DIM1,DIM2,DIM3;",
    L"SELECT * FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE WHERE (((Shape.NAME)=#s) AND "
    L"((Shape.DIM1)=#n) AND ((Shape.DIM2)=#n) AND ((Shape.DIM3)=#n));",
    L"SELECT * FROM Section WHERE Section.SHAPE_TYPE=#n;",
    L"SELECT Locales.* FROM Locales WHERE ((Locales.LANG)=#n);",
    L"SELECT * FROM MATERIALS WHERE (NAME=#q);",
    L"DELETE * FROM ExtraParameters WHERE ((ExtraParameters.NAME)=#s);",
    L"SELECT TOP #c Symbol FROM Bolts WHERE Diameter > #n ORDER BY #c",
    L"SELECT Id FROM Bolts WHERE BoltStand LIKE #l AND Symbol <> #q",
    L"SELECT 'x' & #q, #n FROM Bolts WHERE Id IN (#n, #n, #n) AND Nz(TextComment, #s) <> #s",
    L"INSERT INTO Locales (LANG, CATEGORY) VALUES (#n, #s)",
    L"UPDATE DISTINCTROW Locales SET DESCRIPTION = #q & #s WHERE LANG = #n",
    L"SELECT a INTO [T #2] FROM t WHERE b BETWEEN #n AND #n GROUP BY a HAVING COUNT(*) > #n",
    L"CREATE TABLE t (a TEXT(#c), b DOUBLE)",
    // Wide offsets become UTF-8 ones: characters of every length, and ones
    // that are no code point, before the lifted literals.
    L"SELECT [Größe €😀], 'ß\xD800\x110000' & [x\xDFFF] FROM t WHERE a = #a AND b = #a",
    L"SELECT Dim1, [Col 3], `x9` FROM t2 WHERE Dim2 = #n AND [a \"5\"] = #q AND t2!x3 = #n",
};


class Filler {
 public:
  explicit Filler(unsigned seed, bool wellFormed = false) : m_rng(seed), m_wellFormed(wellFormed) {}

  std::wstring fill(std::wstring const& pattern) {
    std::wstring out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      if (pattern[i] != L'#' || i + 1 == pattern.size()) {
        out += pattern[i];
        continue;
      }
      switch (pattern[++i]) {
        case L'n': out += number(); break;
        case L's': out += quoted(L'"', false); break;
        case L'q': out += quoted(L'\'', false); break;
        case L'l': out += quoted(L'"', true); break;
        case L'c': out += std::to_wstring(1 + m_rng() % 12); break;
        case L'a': out += m_rng() % 3 == 0 ? number() : quoted(m_rng() % 2 ? L'"' : L'\'', false); break;
        default:
          out += L'#';
          out += pattern[i];
      }
    }
    return out;
  }

  // Characters inserted, dropped or replaced outside the literal marks.
  std::wstring mangle(std::wstring pattern) {
    static const std::wstring kAlphabet = L"()[]\"'`;.!*&<>=-+,?$ aZeE09_\\ß😀";
    for (int m = 0, n = 1 + static_cast<int>(m_rng() % 3); m < n; ++m) {
      const std::size_t at = m_rng() % (pattern.size() + 1);
      if ((at < pattern.size() && pattern[at] == L'#') || (at > 0 && pattern[at - 1] == L'#')) continue;
      const wchar_t c = kAlphabet[m_rng() % kAlphabet.size()];
      switch (m_rng() % 3) {
        case 0: pattern.insert(at, 1, c); break;
        case 1:
          if (at < pattern.size()) pattern.erase(at, 1);
          break;
        default:
          if (at < pattern.size()) pattern[at] = c;
      }
    }
    return pattern;
  }

  std::mt19937& rng() { return m_rng; }

 private:
  std::wstring number() {
    wchar_t buffer[64];
    static wchar_t const* const kMalformed[] = {L"12ab", L"1e", L"1.5.5", L"1e999", L".", L"5 ?"};
    switch (m_rng() % 10) {
      case 0: return std::to_wstring(m_rng() % 1000);
      case 1: std::swprintf(buffer, 64, L"%f", std::uniform_real_distribution<double>(0, 1e6)(m_rng)); return buffer;
      case 2: std::swprintf(buffer, 64, L"%.17g", std::uniform_real_distribution<double>(0, 1)(m_rng)); return buffer;
      case 3: return std::wstring(1 + m_rng() % 25, L'9');  // past 64 bits: a double
      case 4: return std::to_wstring(m_rng() % 100) + (m_rng() % 2 ? L"E-" : L"e") + std::to_wstring(m_rng() % 400);
      case 5: return L"." + std::to_wstring(m_rng() % 100);
      case 6: return std::to_wstring(m_rng() % 100) + L".";
      case 7: return L"00" + std::to_wstring(m_rng() % 10) + L".50";
      case 8: return m_wellFormed ? L"8" : kMalformed[m_rng() % std::size(kMalformed)];
      default:
        std::swprintf(buffer, 64, L"%.6f", (static_cast<double>(m_rng() % 4001) - (m_wellFormed ? 0 : 2000)) / 8);
        return buffer;
    }
  }

  std::wstring quoted(wchar_t quote, bool pattern) {
    static const std::wstring kPlain = L"abcXYZ 09.-%_\\ßé€😀\xFFFF\xD800";
    static const std::wstring kWild = L"*?[]#";
    std::wstring out(1, quote);
    for (std::size_t i = 0, n = m_rng() % 12; i < n; ++i) {
      const unsigned pick = m_rng() % 10;
      if (pick == 0) {
        out.append(2, quote);
      } else if (pick == 1) {
        out += quote == L'"' ? L'\'' : L'"';
      } else if (pick == 2 && pattern) {
        out += kWild[m_rng() % kWild.size()];
      } else {
        out += kPlain[m_rng() % kPlain.size()];
      }
    }
    return out + quote;
  }

  std::mt19937 m_rng;
  bool m_wellFormed;
};

TEST(JetStatementCacheProperty, RandomLiteralsGiveWhatTheTranslatorGives) {
  Filler filler(20240611);
  JetStatementCache cache;
  TextKeys keys;
  std::size_t calls = 0, errors = 0;
  std::wstring earlier;
  for (int round = 0; round < 1500; ++round) {
    const std::wstring pattern = kTemplates[filler.rng()() % std::size(kTemplates)];
    for (int repeat = 1 + static_cast<int>(filler.rng()() % 4); repeat > 0; --repeat, ++calls) {
      const std::wstring text = filler.fill(pattern);
      const std::string got = cached(cache, text);
      ASSERT_EQ(got, translated(text)) << toUtf8(text);
      if (got.starts_with("error")) {
        ++errors;
        continue;
      }
      keys.check(cache, text);
      // A text of a few rounds ago comes back, mostly through another path.
      if (round % 7 == 0 && !earlier.empty()) {
        cached(cache, earlier);
        keys.check(cache, earlier);
      }
      if (round % 5 == 0) earlier = text;
    }
  }
  EXPECT_EQ(keys.distinctKeys(), keys.texts());
  // LIKE patterns, TOP and ORDER BY counts and DDL sizes make new shapes;
  // lifted literals do not. A text that fails is translated each time.
  EXPECT_LT(cache.translations(), (calls - errors) / 4 + errors);
}

TEST(JetStatementCacheProperty, MangledStatementsGiveWhatTheTranslatorGives) {
  Filler filler(7);
  JetStatementCache cache(64);
  for (int round = 0; round < 3000; ++round) {
    const std::wstring pattern = filler.mangle(kTemplates[filler.rng()() % std::size(kTemplates)]);
    for (int repeat = 0; repeat < 3; ++repeat) {
      const std::wstring text = filler.fill(pattern);
      ASSERT_EQ(cached(cache, text), translated(text)) << toUtf8(text);
    }
    ASSERT_LE(cache.size(), 64u);
  }
  cache.clear();
  EXPECT_EQ(cache.size(), 0u);
}

// Texts of one shape with other lifted literals share one translation (one
// that fails is translated each time): the cache is a cache.
TEST(JetStatementCacheProperty, LiftedLiteralsShareOneTranslation) {
  for (std::size_t t = 0; t < std::size(kTemplates); ++t) {
    const std::wstring pattern = kTemplates[t];
    // Counts, LIKE patterns and select-list constants are part of the shape.
    if (pattern.find(L"#c") != pattern.npos || pattern.find(L"#l") != pattern.npos ||
        pattern.find(L"#a") != pattern.npos || pattern.starts_with(L"SELECT '"))
      continue;
    Filler filler(static_cast<unsigned>(t), true);
    JetStatementCache cache;
    std::size_t failed = 0;
    for (int i = 0; i < 6; ++i) failed += cached(cache, filler.fill(pattern)).starts_with("error");
    EXPECT_EQ(cache.translations(), 1 + failed) << toUtf8(pattern);
  }
}

}  // namespace
}  // namespace zept::dao
