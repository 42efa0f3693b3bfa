// SPDX-License-Identifier: MIT
#include "platform/dao/DaoDatabase.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/dao/DaoEngine.h"

#include "platform/core/Exceptions.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/DaoTableDef.h"
#include "support/TestTree.h"
#include "support/Catalog.h"
#include "support/SqliteFile.h"

using zept::test::countOf;
using zept::test::errorOf;
using zept::test::makeCatalog;
using zept::test::TempTree;
using zept::test::wide;

namespace {

class DaoOpenModes : public ::testing::Test {
 protected:
  void SetUp() override { makeCatalog(file, {L"CREATE TABLE T (ID LONG, NAME TEXT(20))"}); }
  TempTree tree;
  std::filesystem::path file = tree.path("cat.mdb");
  std::wstring name = wide(file);
};

TEST_F(DaoOpenModes, SharedReadersCoexistAndExcludeWriters) {
  CDaoDatabase a, b, w;
  a.Open(name.c_str(), false, true);
  b.Open(name.c_str(), false, true);
  EXPECT_FALSE(a.CanUpdate());
  EXPECT_EQ(errorOf([&] { w.Open(name.c_str(), true, false); }), zept::jet::kFileInUse);
  EXPECT_EQ(errorOf([&] { w.Open(name.c_str(), true, true); }), zept::jet::kFileInUse);
  a.Close();
  b.Close();
  w.Open(name.c_str(), true, false);
  EXPECT_TRUE(w.CanUpdate());
  EXPECT_EQ(w.GetName(), CString(name));
  EXPECT_EQ(errorOf([&] { a.Open(name.c_str(), false, true); }), zept::jet::kFileInUse);
}

TEST_F(DaoOpenModes, ReadOnlyFileRefusesWritingOpenEvenForRoot) {
  std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  CDaoDatabase db;
  EXPECT_EQ(errorOf([&] { db.Open(name.c_str(), true, false); }), zept::jet::kCannotOpen);
  EXPECT_FALSE(db.IsOpen());
  db.Open(name.c_str(), false, true);
  EXPECT_EQ(errorOf([&] { db.Execute(L"DELETE * FROM T", 128); }), zept::jet::kReadOnly);
}

TEST(DaoBadFiles, EveryKindOfNonCatalogThrows) {
  TempTree tree;
  makeCatalog(tree.path("good.mdb"), {L"CREATE TABLE T (ID LONG)", L"INSERT INTO T VALUES (1)"});
  const auto good = TempTree::read(tree.path("good.mdb"));
  std::string jet(512, '\0');
  jet.replace(4, 15, "Standard Jet DB");
  // The good catalog with `sql` run on it past the library.
  auto altered = [&](char const* name, char const* sql) {
    const auto p = tree.file(name, good);
    zept::test::sqliteRows(p, sql);
    return p;
  };
  struct Case {
    char const* what;
    std::function<std::filesystem::path()> make;
    long code;
  } cases[] = {
      {"missing", [&] { return tree.path("none.mdb"); }, zept::jet::kFileNotFound},
      {"empty", [&] { return tree.file("empty.mdb", ""); }, zept::jet::kUnrecognizedFormat},
      {"garbage", [&] { return tree.file("garbage.mdb", std::string(4096, 'g')); }, zept::jet::kUnrecognizedFormat},
      {"jet", [&] { return tree.file("jet.mdb", jet); }, zept::jet::kDatabaseCorrupt},
      {"truncated", [&] { return tree.file("cut.mdb", good.substr(0, good.size() / 2 + 100)); },
       zept::jet::kDatabaseCorrupt},
      {"folder", [&] { return tree.dir("folder.mdb"); }, zept::jet::kCannotOpen},
      // A catalog holds tables and indexes only: these would run whatever
      // their author wrote, for ever, under a read or a write.
      {"view",
       [&] {
         return altered("view.mdb", "CREATE VIEW V AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 "
                                    "FROM c) SELECT x FROM c");
       },
       zept::jet::kUnrecognizedFormat},
      {"trigger", [&] { return altered("trigger.mdb", "CREATE TRIGGER G AFTER INSERT ON T BEGIN DELETE FROM T; END"); },
       zept::jet::kUnrecognizedFormat},
      // Opening a FIFO for reading would wait for a writer forever.
      {"fifo",
       [&] {
         const auto p = tree.path("fifo.mdb");
         ::mkfifo(p.c_str(), 0600);
         return p;
       },
       zept::jet::kCannotOpen},
  };
  for (auto const& c : cases) {
    CDaoDatabase db;
    const auto path = wide(c.make());
    EXPECT_EQ(errorOf([&] { db.Open(path.c_str(), false, true); }), c.code) << c.what;
    EXPECT_FALSE(db.IsOpen()) << c.what;
  }
}

class DaoStatements : public ::testing::Test {
 protected:
  void SetUp() override {
    db.Create(wide(tree.path("s.mdb")).c_str());
    db.Execute(L"CREATE TABLE Kinds (L LONG, S SHORT, B BYTE, D DOUBLE, F SINGLE, T TEXT(10), M MEMO, Y YESNO, "
               L"W DATETIME, C COUNTER)");
    db.Execute(L"INSERT INTO Kinds (L, S, B, D, F, T, M, Y, W) VALUES (7, 3, 2, 2.5, 1.5, \"x\", \"memo\", True, 1.25)");
    db.Execute(L"INSERT INTO Kinds (L) VALUES (8)");
  }
  TempTree tree;
  CDaoDatabase db;
};

TEST_F(DaoStatements, FieldsReadWithTheirJetTypesAndNullAsNull) {
  struct {
    wchar_t const* column;
    VARTYPE vt;
  } expected[] = {{L"L", VT_I4}, {L"S", VT_I2},   {L"B", VT_UI1},  {L"D", VT_R8},   {L"F", VT_R4},
                  {L"T", VT_BSTR}, {L"M", VT_BSTR}, {L"Y", VT_BOOL}, {L"W", VT_DATE}, {L"C", VT_I4}};
  for (wchar_t const* source : {L"SELECT * FROM Kinds ORDER BY L", L"SELECT * FROM Copy ORDER BY L"}) {
    if (CString(source).Find(L"Copy") >= 0) db.Execute(L"SELECT Kinds.* INTO Copy FROM Kinds");
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, source);
    for (auto const& e : expected) EXPECT_EQ(rs.GetFieldValue(e.column).vt, e.vt) << CString(e.column).toUtf8();
    EXPECT_EQ(rs.GetFieldValue(L"Y").boolVal, VARIANT_TRUE);
    rs.MoveNext();
    EXPECT_EQ(rs.GetFieldValue(L"D").vt, VT_NULL);
    EXPECT_EQ(rs.GetFieldValue(L"T").vt, VT_NULL);
  }
}


TEST_F(DaoStatements, SecondStatementAttachOrNativePointerIsRefusedAndChangesNothing) {
  const auto attached = wide(tree.path("other.mdb"));
  const CString hostile[] = {
      L"DELETE * FROM Kinds; DROP TABLE Kinds",
      L"DELETE * FROM Kinds WHERE L=7; DELETE * FROM Kinds",
      CString(L"ATTACH DATABASE '") + attached.c_str() + L"' AS x",
      L"PRAGMA writable_schema=1",
  };
  for (auto const& sql : hostile) {
    EXPECT_THROW(db.Execute(sql, 128), CDaoException) << sql.toUtf8();
    EXPECT_EQ(countOf(db, L"SELECT COUNT(*) FROM Kinds"), 2) << sql.toUtf8();
  }
  EXPECT_FALSE(std::filesystem::exists(tree.path("other.mdb")));
  // Nor do reads run a second statement or a function handing out native pointers.
  CDaoRecordset rs(&db);
  for (wchar_t const* sql : {L"SELECT * FROM Kinds; SELECT 1", L"SELECT fts3_tokenizer(\"simple\") FROM Kinds",
                             L"SELECT load_extension(\"x\") FROM Kinds"})
    EXPECT_THROW(rs.Open(dbOpenSnapshot, sql), CDaoException) << CString(sql).toUtf8();
}

// A relative name beginning "file:" is that file, not a URI for another one.
TEST(DaoPaths, NameThatLooksLikeAUriOpensThatFile) {
  TempTree tree;
  makeCatalog(tree.path("a.mdb"), {L"CREATE TABLE Other (ID LONG)"});
  makeCatalog(tree.path("file:a.mdb"), {L"CREATE TABLE Mine (ID LONG)"});
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(tree.path(""));
  for (bool readOnly : {true, false}) {
    CDaoDatabase db;
    db.Open(L"file:a.mdb", !readOnly, readOnly);
    EXPECT_EQ(countOf(db, L"SELECT COUNT(*) FROM Mine"), 0) << readOnly;
    if (!readOnly) db.Execute(L"INSERT INTO Mine VALUES (1)", 128);
  }
  std::filesystem::current_path(previous);
  CDaoDatabase other;
  other.Open(wide(tree.path("a.mdb")).c_str(), false, true);
  EXPECT_EQ(countOf(other, L"SELECT COUNT(*) FROM Other"), 0);
}

// A statement that would run for ages is stopped at the bound, and says so.
TEST_F(DaoStatements, AStatementStopsAtItsTimeBound) {
  for (int i = 0; i < 9; ++i) db.Execute(L"INSERT INTO Kinds (L) SELECT L FROM Kinds");
  zept::dao::setStatementTimeLimit(std::chrono::milliseconds(200));
  const auto started = std::chrono::steady_clock::now();
  std::string message;
  try {
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, L"SELECT count(*) FROM Kinds AS a, Kinds AS b, Kinds AS c, Kinds AS d");
  } catch (CDaoException const& e) {
    message = e.description().toUtf8();
  }
  const auto took = std::chrono::steady_clock::now() - started;
  zept::dao::setStatementTimeLimit(std::chrono::milliseconds(8000));
  EXPECT_NE(message.find("stopped after 200 ms"), std::string::npos) << message;
  EXPECT_LT(took, std::chrono::seconds(3));
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, L"SELECT count(*) FROM Kinds");
  EXPECT_FALSE(rs.IsEOF());
}

TEST_F(DaoStatements, NamesIgnoreCaseButMustExistTextKeepsCase) {
  CDaoRecordset rs(&db);
  EXPECT_EQ(errorOf([&] { rs.Open(dbOpenSnapshot, L"SELECT * FROM Nothing"); }), zept::jet::kTableNotFound);
  rs.Open(dbOpenSnapshot, L"SELECT * FROM Kinds");
  EXPECT_EQ(errorOf([&] { rs.GetFieldValue(L"Nope"); }), zept::jet::kItemNotFound);
  EXPECT_EQ(errorOf([&] { db.Execute(L"SELECT * FROM Kinds"); }), 3065);
  // Text compares with case, names without.
  EXPECT_EQ(countOf(db, L"SELECT COUNT(*) FROM Kinds WHERE T=\"x\""), 1);
  EXPECT_EQ(countOf(db, L"SELECT COUNT(*) FROM Kinds WHERE T=\"X\""), 0);
  EXPECT_EQ(countOf(db, L"SELECT COUNT(*) FROM kinds WHERE [KINDS]![t]=\"x\""), 1);
}

TEST_F(DaoStatements, CaseOnlyRenameKeepsRows) {
  db.Execute(L"CREATE TABLE shape (NAME TEXT(10))");
  db.Execute(L"INSERT INTO shape VALUES (\"IPE\")");
  CDaoTableDef td(&db);
  td.Open(L"SHAPE");
  td.SetName(L"Shape");
  td.Close();
  CDaoTableDefInfo info;
  db.GetTableDefInfo(L"shape", info);
  EXPECT_EQ(info.m_strName, CString(L"Shape"));
  td.Open(L"Shape");
  EXPECT_EQ(td.GetRecordCount(), 1);
  EXPECT_EQ(errorOf([&] { db.GetTableDefInfo(L"Missing", info); }), zept::jet::kItemNotFound);
}

TEST(DaoProperties, StoredInTheCatalogAfterTheBuiltIns) {
  TempTree tree;
  const auto name = wide(tree.path("p.mdb"));
  using Set = CDaoDatabase::PropertySet;
  {
    CDaoDatabase db;
    db.Create(name.c_str());
    db.CreateProperty(Set::UserDefined, L"Author", dbText, COleVariant(L"me"));
    db.CreateProperty(Set::Database, L"unit_sect", dbText, COleVariant(L"mm"));
    db.CreateProperty(Set::Database, L"Rev", dbLong, COleVariant(3L));
    EXPECT_EQ(errorOf([&] { db.CreateProperty(Set::UserDefined, L"author", dbText, COleVariant(L"x")); }),
              zept::jet::kNameExists);
    db.SetPropertyValue(Set::Database, L"rev", COleVariant(L"4"));
  }
  CDaoDatabase db;
  db.Open(name.c_str(), false, true);
  EXPECT_EQ(db.GetPropertyName(Set::Database, 0), CString(L"Name"));
  const short count = db.GetPropertyCount(Set::Database);
  EXPECT_EQ(db.GetPropertyName(Set::Database, count - 2), CString(L"unit_sect"));
  EXPECT_EQ(db.GetPropertyValue(Set::Database, L"Rev").lVal, 4);
  EXPECT_EQ(db.GetPropertyType(Set::Database, L"Rev"), dbLong);
  EXPECT_EQ(db.GetPropertyCount(Set::UserDefined), 1);
  EXPECT_EQ(CString(db.GetPropertyValue(Set::UserDefined, L"Author").bstrVal), CString(L"me"));
  EXPECT_EQ(CString(db.GetPropertyValue(Set::Database, L"Name").bstrVal), CString(name));
  EXPECT_EQ(errorOf([&] { db.GetPropertyValue(Set::UserDefined, L"unit_sect"); }), zept::jet::kPropertyNotFound);
  EXPECT_EQ(errorOf([&] { db.SetPropertyValue(Set::UserDefined, L"Author", COleVariant(L"x")); }),
            zept::jet::kReadOnly);
}

// A writer killed at any moment leaves a catalog that opens, with every
// statement either whole or absent.
TEST(DaoDurability, KilledWriterLeavesWholeStatements) {
  TempTree tree;
  const auto name = wide(tree.path("d.mdb"));
  std::vector<std::wstring> schema = {L"CREATE TABLE N (I LONG, J LONG)", L"CREATE TABLE Seed (I LONG)"};
  for (int i = 0; i < 50; ++i) schema.push_back(L"INSERT INTO Seed VALUES (" + std::to_wstring(i) + L")");
  makeCatalog(tree.path("d.mdb"), schema);
  for (int delayMs : {5, 20, 60}) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      CDaoDatabase db;
      db.Open(name.c_str(), true, false);
      for (int i = 0;; ++i) {
        db.Execute(L"INSERT INTO N SELECT Seed.I, Seed.I FROM Seed");
        CDaoRecordset rs(&db);
        rs.Open(dbOpenDynaset, L"SELECT * FROM N WHERE I=0");
        rs.Edit();
        rs.SetFieldValue(L"I", COleVariant(static_cast<long>(i)));
        rs.SetFieldValue(L"J", COleVariant(static_cast<long>(i)));
        rs.Update();
      }
    }
    usleep(delayMs * 1000);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    CDaoDatabase db;
    ASSERT_NO_THROW(db.Open(name.c_str(), false, true));
    EXPECT_EQ(countOf(db, L"SELECT COUNT(*) FROM N") % 50, 0);
    EXPECT_EQ(countOf(db, L"SELECT COUNT(*) FROM N WHERE I<>J"), 0);
  }
}

}  // namespace
