// SPDX-License-Identifier: MIT
// A catalog whose writer died in the middle of a transaction, after part of
// its change had reached the file: its rollback journal is hot, and the next
// connection to the path plays it back, whatever file then lies there.
#pragma once

#include <sqlite3.h>

#include <filesystem>

#include "support/TestTree.h"

namespace zept::test {

// Makes `path` a catalog of 400 rows in table Old and leaves it with the
// journal of a new table and a rewrite of every row; true when the journal
// is there. Played back, it gives any file at `path` the schema of this one.
inline bool leaveHotJournal(std::filesystem::path const& path) {
  const bool left = inChild([&] {
    sqlite3* db = nullptr;
    // A one-page cache makes the change spill into the file before commit;
    // the new table puts the schema page first in the journal.
    return sqlite3_open(path.c_str(), &db) == SQLITE_OK &&
           sqlite3_exec(db,
                        "CREATE TABLE Old (V TEXT);"
                        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400) "
                        "INSERT INTO Old SELECT printf('%0200d', i) FROM n;"
                        "PRAGMA cache_size=1; BEGIN; CREATE TABLE Junk (X); UPDATE Old SET V = V || V;",
                        nullptr, nullptr, nullptr) == SQLITE_OK;
  });  // no commit, no rollback: the writer dies with the child
  std::error_code ec;
  return left && std::filesystem::file_size(path.string() + "-journal", ec) > 0;
}

}  // namespace zept::test
