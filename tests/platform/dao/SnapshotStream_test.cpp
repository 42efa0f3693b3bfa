// SPDX-License-Identifier: MIT
// A snapshot of a read-only catalog steps its statement as the reader moves;
// one of a writable catalog holds its rows. Both must read the same.
#include <gtest/gtest.h>

#include <cwchar>
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

enum class Op { First, Next, Prev, Last, Count, Eof, Bof, Value, Bookmark };

// What each step shows: its result, or the error it throws.
std::vector<std::string> run(CDaoRecordset& rs, std::vector<Op> const& script) {
  std::vector<std::string> seen;
  for (Op op : script) {
    try {
      switch (op) {
        case Op::First: rs.MoveFirst(); seen.push_back("first"); break;
        case Op::Next: rs.MoveNext(); seen.push_back("next"); break;
        case Op::Prev: rs.MovePrev(); seen.push_back("prev"); break;
        case Op::Last: rs.MoveLast(); seen.push_back("last"); break;
        case Op::Count: seen.push_back("count " + std::to_string(rs.GetRecordCount())); break;
        case Op::Eof: seen.push_back(rs.IsEOF() ? "eof" : "not eof"); break;
        case Op::Bof: seen.push_back(rs.IsBOF() ? "bof" : "not bof"); break;
        case Op::Value:
          seen.push_back(rs.GetFieldValue(L"NAME").toDisplayString().toUtf8() + " " +
                         rs.GetFieldValue(1).toDisplayString().toUtf8());
          break;
        case Op::Bookmark: seen.push_back("mark " + std::to_string(rs.GetBookmark().lVal)); break;
      }
    } catch (CDaoException const& e) {
      seen.push_back("error " + std::to_string(e.errorCode()));
    }
  }
  return seen;
}

class SnapshotStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    makeCatalog(path, {L"CREATE TABLE Shape (ID COUNTER, NAME TEXT(20), DIM1 DOUBLE)",
                       L"INSERT INTO Shape (NAME, DIM1) VALUES (\"IPE\", 200)",
                       L"INSERT INTO Shape (NAME, DIM1) VALUES (\"IPE\", 300)",
                       L"INSERT INTO Shape (NAME, DIM1) VALUES (\"FLAT\", 50)"});
  }
  // `sql` has a "%d" that makes each text new, so that no run is served
  // the rows an earlier one left with the engine.
  std::vector<std::string> runOn(bool readOnly, wchar_t const* sql, std::vector<Op> const& script) {
    CDaoDatabase db;
    db.Open(wide(path).c_str(), !readOnly, readOnly);
    CDaoRecordset rs(&db);
    CString text;
    text.Format(sql, ++runs);
    rs.Open(dbOpenSnapshot, text);
    EXPECT_EQ(db.engine().streamCount(), readOnly ? 1U : 0U);
    return run(rs, script);
  }
  TempTree tree;
  std::string path = tree.path("s.mdb").string();
  int runs = 0;
};

TEST_F(SnapshotStreamTest, StreamingAndHeldRowsNavigateAlike) {
  using enum Op;
  const wchar_t* queries[] = {L"SELECT NAME, DIM1 FROM Shape WHERE ID <> -%d ORDER BY DIM1",
                              L"SELECT NAME, DIM1 FROM Shape WHERE ID <> -%d AND DIM1 = 300",
                              L"SELECT NAME, DIM1 FROM Shape WHERE ID <> -%d AND DIM1 = 1"};
  const std::vector<Op> scripts[] = {
      {Bof, Eof, Value, Next, Value, Next, Value, Next, Eof, Next, Value, First, Value, Bookmark},
      {First, Value, Last, Bookmark, Value, Prev, Value, Count, Next, Eof, Next, Prev, Value},
      {Count, Value, Next, Next, Next, Prev, Bookmark, First, First, Bof},
      {Value, Next, Bookmark, Prev, Prev, Bof, Value, Prev, First, Next, Next, Last, Next, Eof},
  };
  for (auto const* sql : queries) {
    for (auto const& script : scripts) {
      const auto held = runOn(false, sql, script);
      EXPECT_EQ(runOn(true, sql, script), held) << CString(sql).toUtf8();
    }
  }
  // Not vacuous: the walk reads the rows in order and MoveFirst gets back.
  EXPECT_EQ(runOn(true, queries[0], scripts[0]),
            (std::vector<std::string>{"not bof", "not eof", "FLAT 50", "next", "IPE 200", "next", "IPE 300", "next",
                                      "eof", "error 3021", "error 3021", "first", "FLAT 50", "mark 0"}));
  EXPECT_EQ(runOn(true, queries[2], {Bof, Eof, First, Last, Count}),
            (std::vector<std::string>{"bof", "eof", "error 3021", "error 3021", "count 0"}));
}

// Every row's fields read by name and by index, each as "type:text" or the
// error; each row starts at another column. Names come through one buffer
// rewritten for each, in any case, as a caller's may: the same address must
// not be taken for the same name.
std::vector<std::string> fieldsOf(CDaoRecordset& rs) {
  std::vector<std::string> seen;
  auto shown = [&](auto read) {
    try {
      const COleVariant v = read();
      seen.push_back(std::to_string(v.vt) + ":" + v.toDisplayString().toUtf8());
    } catch (CDaoException const& e) {
      seen.push_back("error " + std::to_string(e.errorCode()));
    }
  };
  wchar_t buffer[32];
  for (int row = 0; !rs.IsEOF(); rs.MoveNext(), ++row) {
    shown([&] { return rs.GetFieldValue(row % rs.GetFieldCount()); });
    for (wchar_t const* name : {L"ID", L"NAME", L"name", L"DIM1", L"NOTHING", L"Shape.DIM1", L"DIM", L"DIM12", L""}) {
      std::wcscpy(buffer, name);
      shown([&] { return rs.GetFieldValue(buffer); });
    }
    shown([&] { return rs.GetFieldValue(nullptr); });
    for (int index : {3, 2, 1, 0, 4, -1}) shown([&] { return rs.GetFieldValue(index); });
  }
  return seen;
}

TEST_F(SnapshotStreamTest, FieldsReadByNameAndIndexAlikeWhileStreaming) {
  const wchar_t* queries[] = {
      L"SELECT ID, NAME, DIM1, NULL AS NOTHING FROM Shape ORDER BY DIM1",
      L"SELECT ID, NAME, DIM1, NULL AS NOTHING FROM Shape UNION ALL SELECT DIM1, \"arm\", ID, NAME FROM Shape",
      L"SELECT NAME FROM Shape WHERE DIM1 > 100",
  };
  std::vector<std::string> first;
  for (auto const* sql : queries) {
    std::vector<std::string> held;
    for (bool readOnly : {false, true}) {
      CDaoDatabase db;
      db.Open(wide(path).c_str(), !readOnly, readOnly);
      CDaoRecordset rs(&db);
      rs.Open(dbOpenSnapshot, sql);
      EXPECT_EQ(db.engine().streamCount(), readOnly ? 1U : 0U);
      auto seen = fieldsOf(rs);
      if (!readOnly) held = seen;
      else EXPECT_EQ(seen, held) << CString(sql).toUtf8();
    }
    if (first.empty()) first = held;
  }
  ASSERT_EQ(first.size(), 3U * 17U);
  // Not vacuous: the first row, as Jet types its values.
  EXPECT_EQ(std::vector<std::string>(first.begin(), first.begin() + 17),
            (std::vector<std::string>{"3:3", "3:3", "8:FLAT", "8:FLAT", "5:50", "1:", "5:50", "error 3265",
                                      "error 3265", "error 3265", "error 3265", "1:", "5:50", "8:FLAT", "3:3",
                                      "error 3265", "error 3265"}));
}

// Closing mid-scan gives the statement back: the same statement then reads
// from its first row, and the catalog can be taken exclusively afterwards.
TEST_F(SnapshotStreamTest, ClosingMidScanLetsTheStatementAndTheLockGo) {
  {
    CDaoDatabase db;
    db.Open(wide(path).c_str(), false, true);
    CDaoRecordset rs(&db);
    for (int round = 0; round < 3; ++round) {
      CString sql;  // a new text each round, so none is served from kept rows
      sql.Format(L"SELECT NAME, DIM1 FROM Shape WHERE ID <> %d ORDER BY DIM1", -round);
      rs.Open(dbOpenSnapshot, sql);
      EXPECT_EQ(rs.GetFieldValue(L"DIM1").dblVal, 50);
      rs.MoveNext();
      EXPECT_EQ(rs.GetFieldValue(L"DIM1").dblVal, 200);
      EXPECT_EQ(db.engine().streamCount(), 1U);
      rs.Close();
      EXPECT_EQ(db.engine().streamCount(), 0U);
    }
    rs.Open(dbOpenSnapshot, L"SELECT NAME, DIM1 FROM Shape ORDER BY DIM1");
    rs.MoveNext();
  }  // the database closes before the recordset
  CDaoDatabase writer;
  writer.Open(wide(path).c_str(), true, false);
  writer.Execute(L"DELETE FROM Shape");
}

// A recordset that outlives its database's close keeps its rows and
// position, and reads nothing from the file, which another opener now owns.
TEST_F(SnapshotStreamTest, RecordsetOutlivesTheCloseOfItsDatabase) {
  CDaoDatabase db;
  db.Open(wide(path).c_str(), false, true);
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, L"SELECT NAME, DIM1 FROM Shape ORDER BY DIM1");
  rs.MoveNext();
  db.Close();
  CDaoDatabase writer;
  writer.Open(wide(path).c_str(), true, false);
  writer.Execute(L"DELETE FROM Shape");
  using enum Op;
  EXPECT_EQ(run(rs, {Value, Next, Value, Next, Eof, First, Value, Count}),
            (std::vector<std::string>{"IPE 200", "next", "IPE 300", "next", "eof", "first", "FLAT 50", "count 3"}));
}

// Two snapshots of one statement shape at once: the second takes the
// statement and the first goes on from its rows in memory.
TEST_F(SnapshotStreamTest, SnapshotsOfOneStatementInterleave) {
  CDaoDatabase db;
  db.Open(wide(path).c_str(), false, true);
  CDaoRecordset a(&db);
  CDaoRecordset b(&db);
  a.Open(dbOpenSnapshot, L"SELECT NAME, DIM1 FROM Shape WHERE DIM1 > 100 ORDER BY DIM1");
  a.MoveNext();
  b.Open(dbOpenSnapshot, L"SELECT NAME, DIM1 FROM Shape WHERE DIM1 > 10 ORDER BY DIM1");
  EXPECT_EQ(db.engine().streamCount(), 1U);
  using enum Op;
  EXPECT_EQ(run(a, {Value, Next, Eof, First, Value}),
            (std::vector<std::string>{"IPE 300", "next", "eof", "first", "IPE 200"}));
  EXPECT_EQ(run(b, {Value, Next, Next, Value, Next, Eof}),
            (std::vector<std::string>{"FLAT 50", "next", "next", "IPE 300", "next", "eof"}));
}

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
