// SPDX-License-Identifier: MIT
// The profile record as raw SQLite reads it: the accessor's join by name and
// dimensions, every column taken (texts as UTF-8), the statement prepared once.
#pragma once

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

namespace zept::bench {

class RawProfileRecord {
 public:
  explicit RawProfileRecord(sqlite3* db) {
    sqlite3_prepare_v2(db,
                       "SELECT * FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE WHERE "
                       "Shape.NAME = ?1 AND Shape.DIM1 = ?2 AND Shape.DIM2 = ?3 AND Shape.DIM3 = ?4",
                       -1, &m_stmt, nullptr);
  }
  ~RawProfileRecord() { sqlite3_finalize(m_stmt); }
  RawProfileRecord(RawProfileRecord const&) = delete;
  RawProfileRecord& operator=(RawProfileRecord const&) = delete;

  void read(benchmark::State& state, std::string const& name, double dim1, double dim2) {
    sqlite3_bind_text(m_stmt, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_double(m_stmt, 2, dim1);
    sqlite3_bind_double(m_stmt, 3, dim2);
    sqlite3_bind_double(m_stmt, 4, 0);
    if (sqlite3_step(m_stmt) != SQLITE_ROW) state.SkipWithError("no such size");
    m_numbers.clear();
    m_texts.clear();
    for (int c = 0, n = sqlite3_column_count(m_stmt); c < n; ++c) {
      if (sqlite3_column_type(m_stmt, c) == SQLITE_TEXT)
        m_texts.emplace_back(reinterpret_cast<char const*>(sqlite3_column_text(m_stmt, c)));
      else
        m_numbers.push_back(sqlite3_column_double(m_stmt, c));
    }
    sqlite3_reset(m_stmt);
    benchmark::DoNotOptimize(m_numbers.data());
  }

 private:
  sqlite3_stmt* m_stmt = nullptr;
  std::vector<double> m_numbers;
  std::vector<std::string> m_texts;
};

}  // namespace zept::bench
