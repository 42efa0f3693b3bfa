// SPDX-License-Identifier: MIT
// Catalogs published to a PostgreSQL server and read through a data folder
// that names it, against the test program's throw-away cluster.
#include "platform/dao/ServerCatalog.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include "database/ZEPTDBProfile.h"
#include "platform/dao/ServerFolder.h"
#include "support/CatalogFolders.h"
#include "support/PgCluster.h"
#include "support/ProfileCatalogs.h"

namespace zept::test {
namespace {

// Every row of every table of a SQLite file, with each value's storage
// class, in rowid order: equal texts mean the same catalog.
std::string dump(std::filesystem::path const& file) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  std::string out;
  auto each = [&](std::string const& sql, auto&& row) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
    while (st && sqlite3_step(st) == SQLITE_ROW) row(st);
    sqlite3_finalize(st);
  };
  std::vector<std::string> tables;
  each("SELECT sql, type, name FROM sqlite_master WHERE sql IS NOT NULL ORDER BY name", [&](sqlite3_stmt* st) {
    out += reinterpret_cast<char const*>(sqlite3_column_text(st, 0)) + std::string("\n");
    if (std::string(reinterpret_cast<char const*>(sqlite3_column_text(st, 1))) == "table")
      tables.emplace_back(reinterpret_cast<char const*>(sqlite3_column_text(st, 2)));
  });
  for (auto const& t : tables)
    each("SELECT rowid, * FROM \"" + t + "\" ORDER BY rowid", [&](sqlite3_stmt* st) {
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        const int type = sqlite3_column_type(st, i);
        out += std::to_string(type) + ":";
        if (type == SQLITE_FLOAT) {
          char buf[40];
          std::snprintf(buf, sizeof buf, "%a", sqlite3_column_double(st, i));
          out += buf;
        } else if (type != SQLITE_NULL) {
          out.append(static_cast<char const*>(sqlite3_column_blob(st, i)), sqlite3_column_bytes(st, i));
        }
        out += "|";
      }
      out += "\n";
    });
  sqlite3_close(db);
  return out;
}

class ServerCatalog : public CatalogFolders {
 protected:
  ServerCatalog() : CatalogFolders(false), cache("XDG_CACHE_HOME", tree.str() + "/cache") {}
  void SetUp() override {
    ZEPT_REQUIRE_PG_CLUSTER();
    admin = std::make_unique<dao::PgConnection>(PgCluster::shared()->uri);
    dao::prepareServer(*admin);
    // Each test starts from a server without catalogs.
    for (auto const& [name, generation] : dao::serverCatalogs(*admin))
      admin->exec("DROP SCHEMA " + admin->quoteIdentifier(name) + " CASCADE");
    admin->exec("DELETE FROM zept.catalogs");
    settings.data = fromUtf8(PgCluster::shared()->uri);
  }
  // `name` published from a profile catalog holding `rows`.
  std::int64_t publishProfiles(std::string const& name, std::vector<std::wstring> const& rows) {
    const auto file = tree.path("src/" + name + ".mdb");
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::remove(file);
    profileCatalog(file, rows);
    return dao::publishCatalog(*admin, name, file.string());
  }
  ScopedEnv cache;
  std::unique_ptr<dao::PgConnection> admin;
};

TEST_F(ServerCatalog, FetchGivesBackThePublishedFileValueForValue) {
  makeCatalog(tree.path("src.mdb"), {});
  {
    // Values of every storage class, a column mixing them, rowids with gaps.
    sqlite3* db = nullptr;
    sqlite3_open(tree.path("src.mdb").c_str(), &db);
    ASSERT_EQ(
        sqlite3_exec(
            db,
            "CREATE TABLE \"Odd \"\"name\"\"\" (I INTEGER, R REAL, T TEXT, B BLOB, M); "
            "CREATE INDEX ByT ON \"Odd \"\"name\"\"\" (T); "
            "INSERT INTO \"Odd \"\"name\"\"\" (rowid, I, R, T, B, M) VALUES "
            "(3, -9223372036854775808, 0.1, 'Ünïcode ''q'' \\x', x'00ff10', 5), "
            "(7, NULL, -0.0, '', x'', 2.5), (8, 42, 1e308, NULL, NULL, 'text'), (20, 1, 5e-324, 'z', x'41', x'00')",
            nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);
  }
  EXPECT_EQ(dao::publishCatalog(*admin, "Round", tree.path("src.mdb").string()), 1);
  EXPECT_EQ(dao::publishCatalog(*admin, "Round", tree.path("src.mdb").string()), 2);
  std::filesystem::create_directories(tree.path("out"));
  EXPECT_EQ(dao::fetchCatalog(*admin, "Round", tree.path("out/Round.mdb").string()), 2);
  EXPECT_EQ(dump(tree.path("out/Round.mdb")), dump(tree.path("src.mdb")));

  // Every seat runs the server's schema text: one CREATE TABLE or INDEX only.
  for (char const* sql : {"CREATE TABLE a (x); ATTACH 'x' AS y", "ATTACH 'x' AS y", "CREATE VIEW v AS SELECT 1",
                          "CREATE VIRTUAL TABLE f USING fts4(x)"}) {
    admin->exec("UPDATE zept.objects SET sql = $1 WHERE catalog = 'Round' AND seq = 0", {sql});
    EXPECT_THROW(dao::fetchCatalog(*admin, "Round", tree.path("out/Bad.mdb").string()), dao::PgError) << sql;
    EXPECT_FALSE(std::filesystem::exists(tree.path("out/Bad.mdb"))) << sql;
  }
  EXPECT_THROW(dao::fetchCatalog(*admin, "Absent", tree.path("out/Absent.mdb").string()), dao::PgError);
  EXPECT_FALSE(std::filesystem::exists(tree.path("out/Absent.mdb")));
  for (char const* name : {"", "../x", "pg_x", "zept", "PUBLIC", "a b"})
    EXPECT_THROW(dao::publishCatalog(*admin, name, tree.path("src.mdb").string()), dao::PgError) << name;
}

// The accessors read a server folder as a local one; a reselect after a
// publish sees it, and a write goes to the seat's own copy.
TEST_F(ServerCatalog, AccessorsReadTheServerAndWriteTheirOwnCopy) {
  publishProfiles("SRVpro", {insertSize(L"I", 1, 100, 0, 0)});
  ZEPTDBProfile profile;
  CStringArray names;
  ASSERT_TRUE(profile.getProfileDBList(names, nullptr));
  EXPECT_EQ(entries(names), std::vector<std::wstring>{L"SRV"});
  ASSERT_TRUE(profile.setProfileDB(L"SRV"));
  ZEPTDBProfileData r;
  EXPECT_TRUE(profile.getProfileData(L"I", L"100", &r));
  EXPECT_FALSE(profile.getProfileData(L"I", L"200", &r));

  publishProfiles("SRVpro", {insertSize(L"I", 1, 200, 0, 0)});
  ASSERT_TRUE(profile.setProfileDB(L"SRV"));
  EXPECT_TRUE(profile.getProfileData(L"I", L"200", &r));
  EXPECT_FALSE(profile.getProfileData(L"I", L"100", &r));

  ASSERT_TRUE(profile.setCustomDBProperty(L"Author", COleVariant(L"Ann"), dbText));
  EXPECT_EQ(upper(profile.getFullDBName().str()), upper(wide(tree.path("app/SRVpro.mdb"))));
  ASSERT_TRUE(profile.setProfileDB(L"SRV"));
  EXPECT_TRUE(profile.getProfileData(L"I", L"200", &r)) << "the copy holds the server's sizes";
  EXPECT_EQ(dao::serverCatalogs(*admin), (std::vector<std::pair<std::string, std::int64_t>>{{"SRVpro", 2}}));
}

TEST_F(ServerCatalog, ReaderRoleFetchesButCannotWrite) {
  publishProfiles("RDpro", {insertSize(L"I", 1, 100, 0, 0)});
  admin->exec("DROP ROLE IF EXISTS seat");
  admin->exec("CREATE ROLE seat LOGIN IN ROLE zept_reader");
  dao::PgConnection seat(PgCluster::shared()->uriAs("seat"));
  std::filesystem::create_directories(tree.path("out"));
  EXPECT_EQ(dao::fetchCatalog(seat, "RDpro", tree.path("out/RDpro.mdb").string()), 1);
  EXPECT_THROW(dao::publishCatalog(seat, "RDpro", tree.path("out/RDpro.mdb").string()), dao::PgError);
  for (char const* sql : {"UPDATE \"RDpro\".\"Shape\" SET \"DIM1\" = 5", "DROP TABLE \"RDpro\".\"Shape\"",
                          "UPDATE zept.catalogs SET generation = 9", "CREATE SCHEMA mine"})
    EXPECT_THROW(seat.exec(sql), dao::PgError) << sql;
  EXPECT_EQ(dao::serverCatalogs(*admin), (std::vector<std::pair<std::string, std::int64_t>>{{"RDpro", 1}}));
}

TEST_F(ServerCatalog, UnreachableServerFailsTheSelectWithItsCode) {
  makeCatalog(tree.path("app/LOCALpro.mdb"), {createShape(), createScripts(L"Section")});
  for (std::wstring const& server : {L"postgresql:///zept?host=" + wide(tree.path("nowhere")),
                                     fromUtf8(PgCluster::shared()->uriAs("nobody")), std::wstring(L"service=absent")}) {
    settings.data = server;
    ZEPTDBProfile profile;
    EXPECT_FALSE(profile.setProfileDB(L"SRV"));
    EXPECT_EQ(profile.getLastDBError(), 3151);
    CStringArray names;
    EXPECT_FALSE(profile.getProfileDBList(names, nullptr));
    // The seat's own catalogs stay within reach.
    EXPECT_TRUE(profile.setProfileDB(L"LOCAL"));
  }
}

TEST_F(ServerCatalog, SelectAfterARestartConnectsAgain) {
  publishProfiles("RSpro", {insertSize(L"I", 1, 100, 0, 0)});
  ZEPTDBProfile profile;
  ASSERT_TRUE(profile.setProfileDB(L"RS"));
  admin.reset();
  ASSERT_TRUE(PgCluster::shared()->restart());
  admin = std::make_unique<dao::PgConnection>(PgCluster::shared()->uri);
  publishProfiles("RSpro", {insertSize(L"I", 1, 300, 0, 0)});
  ASSERT_TRUE(profile.setProfileDB(L"RS")) << profile.getLastDBError();
  ZEPTDBProfileData r;
  EXPECT_TRUE(profile.getProfileData(L"I", L"300", &r));
}

}  // namespace
}  // namespace zept::test
