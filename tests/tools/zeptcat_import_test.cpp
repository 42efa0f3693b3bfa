// SPDX-License-Identifier: MIT
// zeptcat on genuine Access files: reading them directly, and importing them
// into native catalogs that answer the catalog statements alike.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "support/Catalog.h"
#include "support/HotJournal.h"
#include "support/MdbSamples.h"
#include "support/TestTree.h"
#include "tools/RunTool.h"

using zept::test::TempTree;
using zept::test::ToolResult;
using zept::test::wide;

namespace {

class zeptcatGenuine : public zept::test::ToolTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(samples.size(), 3u);
  }
  ToolResult run(std::vector<std::string> const& args) {
    return zeptcat({}, args, {"ZEPT_APP_PATH=" + tree.dir("app").string() + "/"});
  }
  std::filesystem::path sample(char const* name) { return zept::test::mdbSamplesDir() / name; }

  // Every row of `sql`, each row one line of its values' display texts.
  static std::vector<std::string> rows(std::filesystem::path const& file, wchar_t const* sql) {
    CDaoDatabase db;
    db.Open(wide(file).c_str(), false, true);
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, sql);
    std::vector<std::string> out;
    for (; !rs.IsEOF(); rs.MoveNext()) {
      std::string line;
      for (short i = 0; i < rs.GetFieldCount(); ++i) {
        const COleVariant v = rs.GetFieldValue(i);
        line += std::to_string(v.vt) + ":" + v.toDisplayString().toUtf8() + "|";
      }
      out.push_back(line);
    }
    return out;
  }

  std::vector<std::filesystem::path> samples = zept::test::mdbSamples();
};

TEST_F(zeptcatGenuine, SqlReadsAGenuineFileDirectly) {
  const auto r = run({"sql", sample("testV1997.mdb").string(), "SELECT * FROM Table1"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("abcdefg"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("333333333"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(2 rows)"), std::string::npos) << r.out;

  const auto write = run({"sql", "--write", sample("testV1997.mdb").string(), "DELETE * FROM Table1"});
  EXPECT_EQ(write.status, 2);
  EXPECT_NE(write.err.find("read-only"), std::string::npos) << write.err;
}

TEST_F(zeptcatGenuine, ImportGivesANativeCatalogThatAnswersAlike) {
  struct Form {
    char const* sample;
    wchar_t const* sql;
  } const forms[] = {
      {"testV1997.mdb", L"SELECT * FROM Table1 WHERE A = 'abcdefg'"},
      {"testV1997.mdb", L"SELECT A, E, H FROM Table1 WHERE E > 1000 AND I = True"},
      {"testV1997.mdb", L"SELECT * FROM Table1 ORDER BY F DESC"},
      {"testV1997.mdb", L"SELECT DISTINCT I FROM Table1 ORDER BY I"},
      {"testV1997.mdb", L"SELECT Table1.A, Table3.b FROM Table1 LEFT JOIN Table3 ON Table1.A = Table3.a ORDER BY Table1.A"},
      {"testV1997.mdb", L"SELECT x.A, y.B FROM Table1 AS x INNER JOIN Table1 AS y ON x.I = y.I WHERE x.D < 300"},
      {"test2V2000.mdb", L"SELECT PROJ_NAME, PROJ_INFO_START_DATE FROM MSP_PROJECTS WHERE PROJ_ID = 1"},
  };
  for (auto const& file : samples) {
    const auto dest = tree.path(file.stem().string() + "-native.mdb");
    const auto r = run({"import", file.string(), dest.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Match"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("NO"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");  // not a terminal: no progress bar
    for (auto const& table : zept::test::mdbTables(file)) {
      const std::wstring sql = L"SELECT * FROM [" + zept::fromUtf8(table) + L"]";
      auto a = rows(file, sql.c_str()), b = rows(dest, sql.c_str());
      std::sort(a.begin(), a.end());
      std::sort(b.begin(), b.end());
      EXPECT_EQ(a, b) << table;
    }
    for (auto const& f : forms) {
      if (file.filename() != f.sample) continue;
      const auto genuine = rows(file, f.sql);
      EXPECT_FALSE(genuine.empty()) << zept::toUtf8(f.sql);
      EXPECT_EQ(genuine, rows(dest, f.sql)) << zept::toUtf8(f.sql);
    }
  }
}

TEST_F(zeptcatGenuine, ImportKeepsAnExistingCatalogUnlessToldToReplaceIt) {
  const auto source = sample("testV1997.mdb");
  // By default the copy goes to the application folder under the source's name.
  ASSERT_EQ(run({"import", source.string()}).status, 0);
  const auto dest = tree.path("app/testV1997.mdb");
  ASSERT_TRUE(std::filesystem::exists(dest));
  tree.file("app/testV1997.mdb", "precious");

  const auto refused = run({"import", source.string()});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("--replace"), std::string::npos) << refused.err;
  EXPECT_EQ(TempTree::read(dest), "precious");

  EXPECT_EQ(run({"import", source.string(), dest.string(), "--replace"}).status, 0);
  EXPECT_EQ(rows(dest, L"SELECT A FROM Table1 ORDER BY A").size(), 2u);
  EXPECT_EQ(run({"import", source.string(), source.string(), "--replace"}).status, 2);

  // Not a genuine file: refused, nothing written.
  const auto native = tree.path("app/testV1997.mdb");
  const auto again = run({"import", native.string(), tree.path("x.mdb").string()});
  EXPECT_EQ(again.status, 2);
  EXPECT_NE(again.err.find("not a genuine Access file"), std::string::npos) << again.err;
  EXPECT_FALSE(std::filesystem::exists(tree.path("x.mdb")));
  for (auto const& e : std::filesystem::directory_iterator(tree.path("app")))
    EXPECT_EQ(e.path().filename().string().find(".zept-tmp-"), std::string::npos);
}

// --replace replaces only a catalog that nobody holds and its owner may
// write; the journal a writer of it left is played back into it first,
// never into the new catalog.
TEST_F(zeptcatGenuine, ImportReplacesOnlyACatalogItMayWrite) {
  const auto source = sample("testV1997.mdb").string();
  const auto dest = tree.dir("app") / "Mine.mdb";
  auto replace = [&] { return run({"import", source, dest.string(), "--replace"}); };
  zept::test::makeCatalog(dest, {L"CREATE TABLE Mine (ID LONG)"});
  {
    CDaoDatabase writer;
    writer.Open(wide(dest).c_str(), true, false);
    const auto held = replace();
    EXPECT_EQ(held.status, 2);
    EXPECT_NE(held.err.find("in use"), std::string::npos) << held.err;
  }
  std::filesystem::permissions(dest, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  const auto readOnly = replace();
  EXPECT_EQ(readOnly.status, 2);
  EXPECT_NE(readOnly.err.find("read-only"), std::string::npos) << readOnly.err;
  EXPECT_EQ(rows(dest, L"SELECT COUNT(*) FROM Mine").size(), 1u);

  std::filesystem::remove(dest);
  ASSERT_TRUE(zept::test::leaveHotJournal(dest));
  const auto journaled = replace();
  ASSERT_EQ(journaled.status, 0) << journaled.err;
  EXPECT_FALSE(std::filesystem::exists(dest.string() + "-journal"));
  EXPECT_EQ(rows(dest, L"SELECT A FROM Table1").size(), 2u);
  for (auto const& e : std::filesystem::directory_iterator(tree.path("app")))
    EXPECT_EQ(e.path().filename().string().find(".zept-tmp-"), std::string::npos);

  // Nor does a rename put a catalog in place of a FIFO.
  const auto fifo = tree.path("app/Fifo.mdb");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const auto special = run({"import", source, fifo.string(), "--replace"});
  EXPECT_EQ(special.status, 2);
  EXPECT_NE(special.err.find("not a file"), std::string::npos) << special.err;
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

}  // namespace
