// SPDX-License-Identifier: MIT
// Catalog files read and changed with SQLite itself, past the library: what
// the file holds whatever the library makes of it.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zept::test {

// Runs `sql` on `file` (read-only for a SELECT), binding `texts` to ?1, ?2...;
// the rows it gives: values joined by "|", rows by ";".
inline std::string sqliteRows(std::filesystem::path const& file, std::string const& sql,
                              std::vector<std::string> const& texts = {}) {
  sqlite3* db = nullptr;
  const int flags = sql.starts_with("SELECT") ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
  EXPECT_EQ(sqlite3_open_v2(file.c_str(), &db, flags, nullptr), SQLITE_OK) << file;
  sqlite3_stmt* stmt = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sql;
  for (std::size_t i = 0; i < texts.size(); ++i)
    sqlite3_bind_text(stmt, static_cast<int>(i + 1), texts[i].c_str(), -1, SQLITE_TRANSIENT);
  std::string rows;
  for (bool first = true; sqlite3_step(stmt) == SQLITE_ROW; first = false) {
    if (!first) rows += ';';
    for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
      auto const* text = reinterpret_cast<char const*>(sqlite3_column_text(stmt, c));
      if (c) rows += '|';
      rows += text ? text : "";
    }
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return rows;
}

// The columns of each index of Shape ("NAME,DIM1"), indexes joined by ";".
inline std::string shapeIndexes(std::filesystem::path const& file) {
  return sqliteRows(file,
                    "SELECT group_concat(c.name) FROM sqlite_master m, pragma_index_info(m.name) c "
                    "WHERE m.type = 'index' AND m.tbl_name = 'Shape' GROUP BY m.name");
}

}  // namespace zept::test
