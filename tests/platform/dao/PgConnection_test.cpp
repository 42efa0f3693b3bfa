// SPDX-License-Identifier: MIT
// Translated Jet statements against a throw-away PostgreSQL cluster that
// scripts/pg-cluster.sh starts in a scratch folder; skipped where the server
// is not installed.
#include "platform/dao/PgConnection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dao/JetSql.h"
#include "support/PgCluster.h"

namespace zept::dao {
namespace {

class Pg : public ::testing::Test {
 protected:
  void SetUp() override { ZEPT_REQUIRE_PG_CLUSTER(); }
  const std::string& uri() const { return test::PgCluster::shared()->uri; }
};

// A catalog's schema with a Shape table (Yes/No as boolean) and the Section
// table it joins; names differ only in case so that order is byte order.
// NAME_ICU holds the names under a collation that orders letters before case.
void makeCatalog(PgConnection& c, const std::string& schema) {
  const std::string s = c.quoteIdentifier(schema);
  c.exec("DROP SCHEMA IF EXISTS " + s + " CASCADE");
  c.exec("CREATE SCHEMA " + s);
  c.setSchema(schema);
  c.exec(R"(CREATE TABLE "Shape" ("ID" serial PRIMARY KEY, "NAME" varchar(50), "SHAPE_TYPE" integer,
            "DIM1" float8, "DIM2" float8, "DIM3" float8, "IS_STD" boolean,
            "NAME_ICU" varchar(50) COLLATE "und-x-icu"))");
  c.exec(R"(CREATE TABLE "Section" ("SHAPE_TYPE" integer, "SECTION_NAME" varchar(50)))");
  c.exec(R"(INSERT INTO "Shape" ("NAME","SHAPE_TYPE","DIM1","DIM2","DIM3","IS_STD") VALUES
            ('IPE 200',1,200,100,5.6,true), ('ipe 200',1,200,100,5.6,false),
            ('HEA 100',2,96,100,5,true), ('L 50x5',3,50,50,5,NULL))");
  c.exec(R"(UPDATE "Shape" SET "NAME_ICU" = "NAME")");
  c.exec(R"(INSERT INTO "Section" VALUES (1,'I'), (2,'H'))");
}

// Rows as "a|b;c|d", NULL as "~".
std::string rowsOf(const PgResult& r) {
  std::string out;
  for (int i = 0; i < r.rows(); ++i) {
    if (i) out += ';';
    for (int j = 0; j < r.columns(); ++j) {
      if (j) out += '|';
      out += r.isNull(i, j) ? std::string("~") : std::string(r.text(i, j));
    }
  }
  return out;
}

PgResult runJet(PgConnection& c, const std::string& jet) {
  const JetStatement st = translateJetSql(jet, JetDialect::PostgreSQL);
  return c.exec(st.sql, pgParams(st.params));
}

struct Case {
  const char* jet;
  const char* rows;  // a SELECT's rows; else "n=" and the rows changed
};

// In order: the data changes at the end see the rows before them.
const Case kCases[] = {
    {R"(SELECT DIM1,DIM2,DIM3 FROM Shape WHERE (((NAME)="IPE 200")))", "200|100|5.6"},
    // Byte order: upper case sorts before lower case and compares unequal.
    {"SELECT NAME FROM Shape ORDER BY NAME", "HEA 100;IPE 200;L 50x5;ipe 200"},
    {"SELECT NAME FROM Shape WHERE NAME < 'a' AND NAME > 'I' ORDER BY NAME DESC", "L 50x5;IPE 200"},
    {"SELECT NAME FROM Shape WHERE NAME_ICU < 'a' ORDER BY NAME", "HEA 100;IPE 200;L 50x5"},
    {"SELECT NAME FROM Shape WHERE NAME_ICU LIKE 'i*' ORDER BY NAME", "IPE 200;ipe 200"},
    // Numbers compare by value whatever the column's and literal's types.
    {"SELECT NAME FROM Shape WHERE DIM1 = 200.0 AND SHAPE_TYPE = 1.0 ORDER BY NAME", "IPE 200;ipe 200"},
    {"SELECT NAME FROM Shape WHERE DIM3 = 5 ORDER BY 1", "HEA 100;L 50x5"},
    {"SELECT NAME FROM Shape WHERE SHAPE_TYPE = 1.5", ""},
    {"SELECT NAME FROM Shape WHERE IS_STD = True ORDER BY NAME", "HEA 100;IPE 200"},
    {"SELECT NAME FROM Shape WHERE IS_STD = False", "ipe 200"},
    // Jet's wildcards; ASCII letters match either case, as SQLite's LIKE.
    {"SELECT NAME FROM Shape WHERE NAME LIKE 'ipe*' ORDER BY NAME", "IPE 200;ipe 200"},
    {"SELECT NAME FROM Shape WHERE NAME LIKE 'L ??x5'", "L 50x5"},
    {"SELECT TOP 2 NAME FROM Shape ORDER BY DIM1, NAME", "L 50x5;HEA 100"},
    {"SELECT Shape.NAME, Section.SECTION_NAME FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = "
     "Section.SHAPE_TYPE WHERE Shape.DIM1 < 150 ORDER BY Shape.NAME",
     "HEA 100|H;L 50x5|~"},
    {"SELECT [Shape]![NAME] & '/' & SHAPE_TYPE AS X FROM [Shape] WHERE [NAME] = \"L 50x5\"", "L 50x5/3"},
    {"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1, IS_STD) VALUES ('UPN 80', 4, 80.0, True)", "n=1"},
    {"UPDATE Shape SET DIM2 = 45, NAME = 'UPN 80a' WHERE NAME = 'UPN 80'", "n=1"},
    {"SELECT NAME, DIM2 FROM Shape WHERE SHAPE_TYPE = 4", "UPN 80a|45"},
    {"DELETE * FROM Shape WHERE SHAPE_TYPE = 1", "n=2"},
    {"DELETE Shape.* FROM Shape WHERE DIM1 > 1e9", "n=0"},
    {"SELECT COUNT(*) FROM Shape", "3"},
};

TEST_F(Pg, TranslatedJetStatementsRunOnACatalogSchema) {
  PgConnection c(uri());
  makeCatalog(c, "EUROpro");
  for (const Case& k : kCases) {
    SCOPED_TRACE(k.jet);
    const JetStatement st = translateJetSql(k.jet, JetDialect::PostgreSQL);
    const PgResult r = c.exec(st.sql, pgParams(st.params));
    const std::string got = st.kind == JetStatementKind::Select ? rowsOf(r) : "n=" + std::to_string(r.affected());
    EXPECT_EQ(got, k.rows) << st.sql;
  }
}

TEST_F(Pg, PreparedStatementsTakeTheirShapesLiterals) {
  PgConnection c(uri());
  makeCatalog(c, "KmatEN");
  const JetStatement a = translateJetSql("SELECT DIM1 FROM Shape WHERE NAME = 'IPE 200'", JetDialect::PostgreSQL);
  const JetStatement b = translateJetSql("SELECT DIM1 FROM Shape WHERE NAME = 'HEA 100'", JetDialect::PostgreSQL);
  ASSERT_EQ(a.sql, b.sql);
  c.prepare("shape_dim1", a.sql);
  EXPECT_EQ(rowsOf(c.execPrepared("shape_dim1", pgParams(a.params))), "200");
  EXPECT_EQ(rowsOf(c.execPrepared("shape_dim1", pgParams(b.params))), "96");
}

TEST_F(Pg, HostileNamesAndTextsStayParameters) {
  const std::string hostile = R"(Euro"pro'; DROP TABLE "Shape"; --)";
  PgConnection c(uri());
  makeCatalog(c, hostile);
  const std::string text = R"(x'); DELETE FROM "Shape"; --")";
  const std::string jetText = "'" + std::string(R"(x''); DELETE FROM "Shape"; --")") + "'";
  EXPECT_EQ(rowsOf(runJet(c, "SELECT NAME FROM Shape WHERE NAME = " + jetText)), "");
  EXPECT_EQ(runJet(c, "INSERT INTO Shape (NAME) VALUES (" + jetText + ")").affected(), 1);
  EXPECT_EQ(rowsOf(runJet(c, "SELECT NAME FROM Shape WHERE NAME = " + jetText)), text);
  EXPECT_EQ(rowsOf(runJet(c, "SELECT COUNT(*) FROM Shape")), "5");
  // The schema took the name whole: it is where the table is.
  EXPECT_EQ(rowsOf(c.exec("SELECT current_schema(), count(*) FROM information_schema.tables "
                          "WHERE table_schema = $1 AND table_name = 'Shape'",
                          {hostile})),
            hostile + "|1");
  // A second statement in one text is refused rather than run.
  EXPECT_THROW(c.exec("SELECT 1; DROP TABLE \"Shape\""), PgError);
  EXPECT_EQ(rowsOf(runJet(c, "SELECT COUNT(*) FROM Shape")), "5");
}

TEST_F(Pg, TransactionRollsBackUnlessCommitted) {
  PgConnection c(uri());
  makeCatalog(c, "EUROpro");
  {
    PgTransaction t(c);
    runJet(c, "DELETE * FROM Shape");
  }
  EXPECT_EQ(rowsOf(runJet(c, "SELECT COUNT(*) FROM Shape")), "4");
  {
    PgTransaction t(c);
    runJet(c, "DELETE * FROM Shape WHERE NAME = 'L 50x5'");
    t.commit();
  }
  EXPECT_EQ(rowsOf(runJet(c, "SELECT COUNT(*) FROM Shape")), "3");
}

TEST_F(Pg, AdvisoryLockExcludesOtherSessionsUntilReleased) {
  PgConnection a(uri());
  PgConnection b(uri());
  auto free = [&](const char* key) {
    const bool got = rowsOf(b.exec("SELECT pg_try_advisory_lock($1::bigint)", {key})) == "t";
    if (got) b.exec("SELECT pg_advisory_unlock($1::bigint)", {key});
    return got;
  };
  {
    PgAdvisoryLock lock(a, 4711);
    EXPECT_FALSE(free("4711"));
    EXPECT_TRUE(free("4712"));
  }
  EXPECT_TRUE(free("4711"));
}

TEST(PgConnect, FailureNamesTheCauseButNeverThePassword) {
  test::TempTree tree;
  const std::string secret = "s3cret-Pw";
  const std::vector<std::string> texts = {
      "postgresql://zept:" + secret + "@/zept?host=" + tree.str() + "&port=1",
      "host=" + tree.str() + " port=1 user=zept password=" + secret,
      "postgresql://zept:" + secret + "%ZZ@/zept",  // malformed: libpq would quote it
      "host='" + tree.str() + " password=" + secret,  // unterminated quote
  };
  for (const std::string& t : texts) {
    try {
      PgConnection c(t);
      ADD_FAILURE() << "connected";
    } catch (const PgError& e) {
      const std::string m = e.what();
      EXPECT_EQ(m.rfind("cannot connect to PostgreSQL: ", 0), 0u) << m;
      EXPECT_EQ(m.find("s3cret"), std::string::npos) << m;
    }
  }
}

}  // namespace
}  // namespace zept::dao
