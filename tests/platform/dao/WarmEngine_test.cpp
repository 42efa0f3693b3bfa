// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/dao/CatalogSchema.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoEngine.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/DaoTableDef.h"
#include "platform/dao/FileLock.h"
#include "support/Catalog.h"
#include "support/TestTree.h"

using zept::dao::Engine;
using zept::test::errorOf;
using zept::test::inChild;
using zept::test::makeCatalog;
using zept::test::TempTree;
using zept::test::wide;

namespace {

constexpr wchar_t kRead[] = L"SELECT T.ID, T.NAME FROM T WHERE (((T.ID)=2));";

class WarmReopen : public ::testing::Test {
 protected:
  void SetUp() override {
    makeCatalog(file, {L"CREATE TABLE T (ID LONG, NAME TEXT(20))", L"INSERT INTO T (ID, NAME) VALUES (1, \"a\")",
                       L"INSERT INTO T (ID, NAME) VALUES (2, \"b\")"});
  }
  // Opens `catalog` read-only, reads kRead's NAME twice (the second read is
  // kept) and leaves the catalog open.
  std::wstring readName(CDaoDatabase& db, std::wstring const& catalog) {
    db.Open(catalog.c_str(), false, true);
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, kRead);
    rs.Open(dbOpenSnapshot, kRead);
    return rs.IsEOF() ? L"" : rs.GetFieldValue(L"NAME").text().str();
  }
  // Rows the open catalog's engine keeps from earlier reads: none on a
  // freshly built engine.
  static std::size_t keptReads(CDaoDatabase& db) { return db.engine().rowCache().size(); }

  TempTree tree;
  std::filesystem::path file = tree.path("cat.mdb");
  std::wstring name = wide(file);
};

TEST_F(WarmReopen, UnchangedCatalogComesBackWarmAndItsLockStillGoes) {
  CDaoDatabase db;
  EXPECT_EQ(readName(db, name), L"b");
  db.Close();
  // Closed means unlocked, kept or not.
  CDaoDatabase writer;
  EXPECT_NO_THROW(writer.Open(name.c_str(), true, true));
  writer.Close();
  // The exclusive read-only open above took the state and kept it again.
  db.Open(name.c_str(), false, true);
  EXPECT_EQ(keptReads(db), 1u);
  EXPECT_EQ(errorOf([&] { writer.Open(name.c_str(), true, false); }), zept::jet::kFileInUse);
  db.Close();
}

// A kept state keeps its descriptor open without the lock: another process
// must be able to lock the file exclusively the moment it is closed, and not
// while it is open again.
TEST_F(WarmReopen, AnotherProcessLocksTheFileExactlyWhileItIsClosed) {
  auto otherProcessLocks = [&] {
    return inChild([&] { return zept::dao::FileLock().acquire(file.string(), zept::dao::FileLock::Kind::Exclusive); });
  };
  CDaoDatabase db;
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(readName(db, name), L"b");
    EXPECT_FALSE(otherProcessLocks()) << round;
    db.Close();
    EXPECT_TRUE(otherProcessLocks()) << round;
  }
  db.Open(name.c_str(), false, true);
  EXPECT_EQ(keptReads(db), 1u);  // the rounds above went warm
  // A child closing the catalog it inherited open shares the parent's lock:
  // closing it there must leave the parent's lock in place.
  inChild([&] {
    db.Close();
    return true;
  });
  EXPECT_FALSE(otherProcessLocks());
  db.Close();
  EXPECT_TRUE(otherProcessLocks());
  // Reopened, a kept state takes its lock again: an exclusive holder stops it.
  zept::dao::FileLock holder;
  ASSERT_TRUE(holder.acquire(file.string(), zept::dao::FileLock::Kind::Exclusive));
  EXPECT_EQ(errorOf([&] { db.Open(name.c_str(), false, true); }), zept::jet::kFileInUse);
  holder.unlock();
  EXPECT_EQ(readName(db, name), L"b");
}

TEST_F(WarmReopen, KeptStatesAreBoundedOldestDroppedFirst) {
  std::vector<std::wstring> names;
  for (std::size_t i = 0; i < Engine::kWarmCatalogs + 2; ++i) {
    const auto path = tree.path("c" + std::to_string(i) + ".mdb");
    makeCatalog(path, {L"CREATE TABLE T (ID LONG, NAME TEXT(20))"});
    names.push_back(wide(path));
    CDaoDatabase db;
    readName(db, names.back());
  }
  EXPECT_EQ(Engine::warmCount(), Engine::kWarmCatalogs);
  CDaoDatabase oldest, latest;
  oldest.Open(names.front().c_str(), false, true);
  latest.Open(names.back().c_str(), false, true);
  EXPECT_EQ(keptReads(oldest), 0u);
  EXPECT_EQ(keptReads(latest), 1u);
}

// Readers hold what the engine derives (decoded records, row counts) and the
// tables it lists across their own statements: a statement cache that drops
// its idle statements must leave those where they are.
TEST_F(WarmReopen, ManyStatementsLeaveWhatReadersHoldOfTheEngine) {
  struct Kept : Engine::Derived {};
  const auto make = []() -> std::unique_ptr<Engine::Derived> { return std::make_unique<Kept>(); };
  CDaoDatabase db;
  db.Open(name.c_str(), false, true);
  Engine& e = db.engine();
  auto const* table = zept::dao::findTable(e, L"t");
  Engine::Derived* kept = e.derived(typeid(Kept), make);
  ASSERT_NE(table, nullptr);
  ASSERT_NE(kept, nullptr);
  for (int i = 0; i < 300; ++i) e.prepare("SELECT " + std::to_string(i) + " FROM T", {});
  EXPECT_EQ(zept::dao::findTable(e, L"t"), table);
  EXPECT_EQ(e.derived(typeid(Kept), make), kept);
  CDaoTableDefInfo info;
  db.GetTableDefInfo(L"T", info, AFX_DAO_ALL_INFO);
  EXPECT_EQ(info.m_lRecordCount, 2);
}

TEST(RowCacheBounds, LeastRecentlyUsedGoFirstAndLargeResultsAreNotKept) {
  zept::dao::RowCache cache;
  zept::dao::ResultRows rows;
  rows.setColumnCount(1);
  for (std::size_t i = 0; i < zept::dao::RowCache::kMaxEntries + 1; ++i) {
    const std::wstring text = L"q" + std::to_wstring(i);
    cache.keep(text, zept::dao::textHash(text), nullptr, rows);
    cache.keep(text, zept::dao::textHash(text), nullptr, rows);
    if (i == 1) {
      ASSERT_NE(cache.find(L"q0", zept::dao::textHash(L"q0")), nullptr);  // q0 is now the latest used
    }
  }
  EXPECT_EQ(cache.size(), zept::dao::RowCache::kMaxEntries);
  EXPECT_NE(cache.find(L"q0", zept::dao::textHash(L"q0")), nullptr);
  EXPECT_EQ(cache.find(L"q1", zept::dao::textHash(L"q1")), nullptr);
  EXPECT_LE(cache.bytes(), zept::dao::RowCache::kMaxBytes);

  // An entry above the entry limit stays out and pushes nothing out.
  const std::wstring large(zept::dao::RowCache::kMaxEntryBytes, L'x');
  cache.keep(large, zept::dao::textHash(large), nullptr, rows);
  cache.keep(large, zept::dao::textHash(large), nullptr, rows);
  EXPECT_EQ(cache.size(), zept::dao::RowCache::kMaxEntries);
  EXPECT_NE(cache.find(L"q0", zept::dao::textHash(L"q0")), nullptr);
}

// Hashes are no proof: a text that shares another's hash never reads its rows.
TEST(RowCacheBounds, ATextSharingAnothersHashFindsNothing) {
  zept::dao::RowCache cache;
  zept::dao::ResultRows rows;
  rows.setColumnCount(1);
  cache.keep(L"SELECT a FROM t WHERE b=1", 42, nullptr, rows);
  cache.keep(L"SELECT a FROM t WHERE b=1", 42, nullptr, rows);
  ASSERT_NE(cache.find(L"SELECT a FROM t WHERE b=1", 42), nullptr);
  EXPECT_EQ(cache.find(L"SELECT a FROM t WHERE b=2", 42), nullptr);
  EXPECT_EQ(cache.find(L"SELECT a FROM t WHERE b=1 ", 42), nullptr);
}

}  // namespace
