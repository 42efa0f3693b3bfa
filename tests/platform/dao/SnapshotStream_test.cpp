// SPDX-License-Identifier: MIT
// A snapshot of a read-only catalog steps its statement as the reader moves
// (CacheDifferential_test reads it against a writable catalog's held rows):
// large results stay out of the kept rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoEngine.h"
#include "platform/dao/DaoRecordset.h"
#include "support/Catalog.h"
#include "support/TestTree.h"

using zept::test::makeCatalog;
using zept::test::TempTree;
using zept::test::wide;

namespace {

class SnapshotStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    makeCatalog(path, {L"CREATE TABLE Shape (ID COUNTER, NAME TEXT(20), DIM1 DOUBLE)",
                       L"INSERT INTO Shape (NAME, DIM1) VALUES (\"IPE\", 200)",
                       L"INSERT INTO Shape (NAME, DIM1) VALUES (\"IPE\", 300)",
                       L"INSERT INTO Shape (NAME, DIM1) VALUES (\"FLAT\", 50)"});
  }
  TempTree tree;
  std::string path = tree.path("s.mdb").string();
};

// A result too large for the engine's kept rows is not kept, and a repeated
// large scan does not record it again; a small result of the same statement
// afterwards is kept as before.
TEST_F(SnapshotStreamTest, LargeResultsAreNotKeptSmallOnesOfTheSameShapeAre) {
  {
    CDaoDatabase db;
    db.Open(wide(path).c_str(), true, false);
    for (int i = 0; i < 11; ++i) db.Execute(L"INSERT INTO Shape (NAME, DIM1) SELECT NAME, DIM1 + 1000 FROM Shape", 128);
  }
  CDaoDatabase db;
  db.Open(wide(path).c_str(), false, true);
  auto const& kept = db.engine().rowCache();
  CDaoRecordset rs(&db);
  // Each doubling adds 1000 to the copies' DIM1: 3 rows lie above 11000.
  // A text is kept when it is read again: only the last run keeps one.
  const std::pair<double, long> runs[] = {{0, 3 << 11}, {0, 3 << 11}, {1e9, 0}, {11000, 3}, {11000, 3}};
  for (std::size_t i = 0; i < std::size(runs); ++i) {
    auto const [above, rows] = runs[i];
    CString sql;
    sql.Format(L"SELECT NAME, DIM1 FROM Shape WHERE DIM1 > %f", above);
    const std::size_t before = kept.size();
    rs.Open(dbOpenSnapshot, sql);
    long seen = 0;
    for (; !rs.IsEOF(); rs.MoveNext()) ++seen;
    EXPECT_EQ(seen, rows);
    EXPECT_EQ(kept.size() - before, i + 1 == std::size(runs) ? 1U : 0U) << i;
  }
}

}  // namespace
