// SPDX-License-Identifier: MIT
// A read-only catalog answers from what its engine keeps (translations, kept
// rows, a warm state across reopening, a statement stepped as the reader
// moves); a writable one keeps none of it. Random statements and random
// changes by every kind of writer must read alike on both, step by step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoEngine.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/DaoTableDef.h"
#include "support/Catalog.h"
#include "support/SqliteFile.h"
#include "support/TestTree.h"

using zept::test::inChild;
using zept::test::makeCatalog;
using zept::test::sqliteRows;
using zept::test::TempTree;
using zept::test::wide;

namespace {

enum class Op { First, Next, Prev, Last, Count, Eof, Bof, Values, Bookmark };

// What each step shows: its result, or the error it throws. Names come
// through one buffer rewritten for each, as a caller's may: the same address
// must not be taken for the same name.
std::vector<std::string> run(CDaoRecordset& rs, std::vector<Op> const& script) {
  std::vector<std::string> seen;
  auto step = [&](auto body) {
    try {
      seen.push_back(body());
    } catch (CDaoException const& e) {
      seen.push_back("error " + std::to_string(e.errorCode()));
    }
  };
  auto shown = [](COleVariant const& v) { return std::to_string(v.vt) + ":" + v.toDisplayString().toUtf8(); };
  wchar_t buffer[32];
  for (Op op : script) {
    switch (op) {
      case Op::First: step([&] { return rs.MoveFirst(), std::string("first"); }); break;
      case Op::Next: step([&] { return rs.MoveNext(), std::string("next"); }); break;
      case Op::Prev: step([&] { return rs.MovePrev(), std::string("prev"); }); break;
      case Op::Last: step([&] { return rs.MoveLast(), std::string("last"); }); break;
      case Op::Count: step([&] { return "count " + std::to_string(rs.GetRecordCount()); }); break;
      case Op::Eof: step([&] { return std::string(rs.IsEOF() ? "eof" : "not eof"); }); break;
      case Op::Bof: step([&] { return std::string(rs.IsBOF() ? "bof" : "not bof"); }); break;
      case Op::Bookmark: step([&] { return "mark " + std::to_string(rs.GetBookmark().lVal); }); break;
      case Op::Values:
        for (int i = -1; i <= rs.GetFieldCount(); ++i) step([&] { return shown(rs.GetFieldValue(i)); });
        for (wchar_t const* name : {L"NAME", L"name", L"DIM1", L"Shape.DIM1", L"DIM", L"NOTHING", L"Section.ID",
                                    L"Shape.ID", L"N", L""}) {
          std::wcscpy(buffer, name);
          step([&] { return shown(rs.GetFieldValue(buffer)); });
        }
        step([&] { return shown(rs.GetFieldValue(nullptr)); });
        break;
    }
  }
  return seen;
}

// Jet statements of the forms catalog code runs, with literals from small
// pools so that texts and shapes come back.
class Statements {
 public:
  explicit Statements(std::mt19937& rng) : m_rng(rng) {}

  std::wstring select() {
    switch (pick(9)) {
      case 0: return L"SELECT NAME, DIM1 FROM Shape WHERE (((Shape.DIM1)=" + number() + L"));";
      case 1: return L"SELECT * FROM Shape WHERE NAME=" + text(L'"') + L" ORDER BY DIM1, ID";
      case 2: return L"SELECT ID, NAME, DIM1 FROM Shape WHERE DIM1 > " + number() + L" ORDER BY DIM1 DESC, ID";
      case 3:
        return L"SELECT TOP " + std::to_wstring(1 + pick(4)) + L" NAME, DIM1 FROM Shape ORDER BY DIM1 DESC, ID";
      case 4: {
        static wchar_t const* const kPatterns[] = {L"I*", L"?P?", L"F*", L"*E", L"*"};
        return L"SELECT NAME FROM Shape WHERE NAME LIKE \"" + std::wstring(kPatterns[pick(5)]) + L"\" ORDER BY ID";
      }
      case 5: return L"SELECT COUNT(*) AS N FROM Shape WHERE SHAPE_TYPE = " + std::to_wstring(pick(4));
      case 6:
        return L"SELECT * FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE WHERE "
               L"(((Shape.NAME)=" + text(L'\'') + L")) ORDER BY Shape.ID, Section.ID";
      case 7:
        return L"SELECT ID, NAME, DIM1, NULL AS NOTHING FROM Shape WHERE ID <> " + std::to_wstring(pick(3)) +
               L" UNION ALL SELECT DIM1, \"arm\", ID, NAME FROM Shape ORDER BY 1, 2";
      default:
        return L"SELECT DISTINCT SHAPE_TYPE FROM Shape WHERE DIM1 BETWEEN " + number() + L" AND " + number() +
               L" ORDER BY SHAPE_TYPE";
    }
  }

  std::wstring change() {
    switch (pick(5)) {
      case 0:
        return L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1) VALUES (" + text(L'"') + L", " +
               std::to_wstring(pick(4)) + L", " + number() + L")";
      case 1: return L"UPDATE Shape SET DIM1 = " + number() + L" WHERE NAME = " + text(L'"');
      case 2: return L"DELETE * FROM Shape WHERE DIM1 = " + number();
      case 3:
        return L"INSERT INTO Section (SHAPE_TYPE, PDL_SCRIPT) VALUES (" + std::to_wstring(pick(4)) + L", " +
               text(L'"') + L")";
      default: return L"UPDATE Shape SET NAME = " + text(L'\'') + L" WHERE ID = " + std::to_wstring(1 + pick(6));
    }
  }

  std::vector<Op> script() {
    std::vector<Op> ops(1 + pick(6));
    for (Op& op : ops) op = static_cast<Op>(pick(9));
    return ops;
  }

  unsigned pick(unsigned n) { return m_rng() % n; }

 private:
  // One value written several ways: the same shape with other literals.
  std::wstring number() {
    static const double kValues[] = {50, 200, 300, 120.5, 0.25};
    const double v = kValues[pick(5)];
    wchar_t out[40];
    std::swprintf(out, 40, pick(3) == 0 ? L"%f" : pick(2) ? L"%g" : L"%.3E", v);
    return out;
  }
  std::wstring text(wchar_t quote) {
    static wchar_t const* const kNames[] = {L"IPE", L"HEA", L"FLAT", L"Größe €", L"it''s"};
    std::wstring name = kNames[pick(5)];
    if (quote == L'"' && name == L"it''s") name = L"say \"\"hi\"\"";
    return quote + name + quote;
  }

  std::mt19937& m_rng;
};

class CacheDifferential : public ::testing::Test {
 protected:
  void SetUp() override {
    makeCatalog(file, {L"CREATE TABLE Shape (ID COUNTER, NAME TEXT(20), SHAPE_TYPE SHORT, DIM1 DOUBLE)",
                       L"CREATE TABLE Section (ID COUNTER, SHAPE_TYPE SHORT, PDL_SCRIPT MEMO)",
                       L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1) VALUES (\"IPE\", 1, 200)",
                       L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1) VALUES (\"IPE\", 1, 300)",
                       L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1) VALUES (\"FLAT\", 2, 50)",
                       L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1) VALUES (\"HEA\", 3, 120.5)",
                       L"INSERT INTO Section (SHAPE_TYPE, PDL_SCRIPT) VALUES (1, \"I\")"});
    freeze();
  }

  // The catalog as it is now, for the writable reads of what was read then.
  void freeze() {
    versions.push_back(tree.path(std::to_string(versions.size()) + ".mdb"));
    std::filesystem::copy_file(file, versions.back());
  }

  // A recordset of the reader, and how it got where it is.
  struct Slot {
    std::unique_ptr<CDaoRecordset> rs;
    std::size_t version = 0;
    std::wstring sql;
    int openType = dbOpenSnapshot;
    std::vector<Op> steps;
  };

  // The writable reading of `slot` after `more` steps.
  std::vector<std::string> expected(Slot const& slot, std::vector<Op> const& more) {
    CDaoDatabase db;
    db.Open(wide(versions[slot.version]).c_str(), true, false);
    CDaoRecordset rs(&db);
    rs.Open(slot.openType, slot.sql.c_str());
    run(rs, slot.steps);
    return run(rs, more);
  }

  // `sql` by a writer in this process, in another one, or in another file
  // moved into place; or a row changed past the library.
  void write(std::wstring const& sql, unsigned how, unsigned row) {
    auto execute = [&](std::filesystem::path const& path) {
      CDaoDatabase writer;
      writer.Open(wide(path).c_str(), true, false);
      writer.Execute(sql.c_str(), 128);
      writer.Close();
      return true;
    };
    switch (how) {
      case 0: execute(file); break;
      case 1: ASSERT_TRUE(inChild([&] { return execute(file); })) << zept::toUtf8(sql); break;
      case 2: sqliteRows(file, "UPDATE Shape SET DIM1 = DIM1 + 1 WHERE ID = " + std::to_string(row)); break;
      default: {
        const auto other = tree.path("other.mdb");
        std::filesystem::copy_file(file, other, std::filesystem::copy_options::overwrite_existing);
        execute(other);
        std::filesystem::rename(other, file);
      }
    }
  }

  TempTree tree;
  std::filesystem::path file = tree.path("cat.mdb");
  std::vector<std::filesystem::path> versions;
};

TEST_F(CacheDifferential, ReadOnlyReadsAsWritableThroughChangesAndReopens) {
  std::mt19937 rng(20261208);
  Statements gen(rng);
  CDaoDatabase reader, current;
  Slot slots[2];
  std::size_t keptMost = 0, streamsMost = 0, warmMost = 0;
  // Now and then the catalog is open for writing, and written through, in
  // between reads: an engine that can change must keep nothing.
  auto openReader = [&] {
    const unsigned mode = gen.pick(6);
    reader.Open(wide(file).c_str(), mode < 3, mode != 0);
  };
  // The row count the engine keeps per table, against the catalog as it is.
  auto checkCount = [&](int round) {
    CDaoTableDef mine(&reader), theirs(&current);
    current.Open(wide(versions.back()).c_str(), true, false);
    mine.Open(L"Shape");
    theirs.Open(L"Shape");
    ASSERT_EQ(mine.GetRecordCount(), theirs.GetRecordCount()) << round;
    theirs.Close();
    current.Close();
  };
  openReader();
  for (int round = 0; round < 400; ++round) {
    Slot& slot = slots[gen.pick(2)];
    const unsigned what = gen.pick(20);
    if (what == 0 && reader.IsOpen()) {
      reader.Close();  // the recordsets read on from what they hold
    } else if (what < 3 && reader.IsOpen() && reader.CanUpdate()) {
      for (Slot& s : slots) s.rs.reset();
      checkCount(round);
      reader.Execute(gen.change().c_str(), 128);
      freeze();
      checkCount(round);
    } else if (what < 3 && !reader.IsOpen()) {
      write(gen.change(), gen.pick(4), 1 + gen.pick(4));
      freeze();
    } else if (what < 5 && !reader.IsOpen()) {
      for (Slot& s : slots) s.rs.reset();
      openReader();
    } else if ((what < 8 || !slot.rs || slot.steps.size() > 24) && reader.IsOpen()) {
      slot.rs = std::make_unique<CDaoRecordset>(&reader);
      slot.version = versions.size() - 1;
      slot.sql = gen.select();
      slot.openType = gen.pick(8) == 0 ? dbOpenDynaset : dbOpenSnapshot;
      slot.steps.clear();
      slot.rs->Open(slot.openType, slot.sql.c_str());
    }
    if (reader.IsOpen() && what == 19) checkCount(round);
    if (!slot.rs) continue;
    const std::vector<Op> more = gen.script();
    ASSERT_EQ(run(*slot.rs, more), expected(slot, more)) << round << ": " << zept::toUtf8(slot.sql);
    slot.steps.insert(slot.steps.end(), more.begin(), more.end());
    if (reader.IsOpen()) {
      keptMost = std::max(keptMost, reader.engine().rowCache().size());
      streamsMost = std::max(streamsMost, reader.engine().streamCount());
    }
    warmMost = std::max(warmMost, zept::dao::Engine::warmCount());
  }
  // Not vacuous: rows were kept, statements streamed and states kept warm.
  EXPECT_GT(keptMost, 3u);
  EXPECT_GT(streamsMost, 0u);
  EXPECT_GT(warmMost, 0u);
  EXPECT_GT(versions.size(), 5u);
}

}  // namespace
