// SPDX-License-Identifier: MIT
#include "platform/dao/JetSql.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/dao/JetFunctions.h"
#include "platform/dao/JetTypes.h"

namespace zept::dao {
namespace {

// Catalog-shaped tables, made with plain SQLite and the declared types Jet
// tables get. Shanks and types are chosen so every ORDER BY has one answer.
constexpr const char* kFixture = R"(
CREATE TABLE Descriptions ("Table" TEXT(50), Field TEXT(50), Unit TEXT(10));
INSERT INTO Descriptions VALUES ('Bolts','Diameter','in'), ('bolts','Diameter','XX'),
  ('Nuts','Diag','mm'), ('GripLength','Diameter','mm');
CREATE TABLE Bolts (Id INTEGER PRIMARY KEY, Diameter DOUBLE, Symbol TEXT(20), TextComment TEXT(50),
  BoltStand TEXT(50), NutStand TEXT(50), WasherStand TEXT(50), ClampingRange TEXT(50));
INSERT INTO Bolts VALUES (1,12,'M12','c12','Bolts_iso4014.mdb','ISO4032','ISO7089','GripA'),
  (2,16,'M16','c16','BOLTS_ISO4017.MDB','ISO4032','ISO7090','GripB'),
  (3,20,'M20',NULL,'Bolts_iso4014.mdb','ISO4033','ISO7089',NULL);
CREATE TABLE Shanks (Id INTEGER PRIMARY KEY, Lenght DOUBLE);
INSERT INTO Shanks VALUES (1,50), (2,60), (3,80);
CREATE TABLE Materials (Id INTEGER PRIMARY KEY, Symbol TEXT(10), NAME TEXT(20), SECOND_NAME TEXT(20), TYPE INTEGER);
INSERT INTO Materials VALUES (1,'8.8','S235','St37',1), (2,'10.9','S355','St52',1), (3,'A2','1.4301',NULL,2);
CREATE TABLE BoltsTypes (Id INTEGER PRIMARY KEY, BoltId INTEGER, ShankId INTEGER, MaterialId INTEGER, ThreadLenght DOUBLE);
INSERT INTO BoltsTypes VALUES (10,1,1,1,30), (11,1,2,1,30), (12,1,2,2,32), (13,2,2,1,38), (14,2,3,2,38), (15,3,3,1,46);
CREATE TABLE Nuts (Id INTEGER PRIMARY KEY, InnerDiam DOUBLE, Thick DOUBLE, Symbol TEXT(10));
INSERT INTO Nuts VALUES (1,12,10.8,'M12'), (2,16,14.8,'M16'), (3,20,18,'M20');
CREATE TABLE NutsTypes (Id INTEGER PRIMARY KEY, NutId INTEGER);
INSERT INTO NutsTypes VALUES (1,1), (2,1), (3,2);
CREATE TABLE GripLength (Id INTEGER, Diameter DOUBLE, WasherNum INTEGER, RangeLower DOUBLE, RangeUpper DOUBLE,
  ShankLength DOUBLE, ThreadLength DOUBLE);
INSERT INTO GripLength VALUES (1,20,1,10,20,19.5,27), (2,20,2,15,25,19.5,27), (3,24,1,12,22,32,41);
CREATE TABLE Shape (NAME TEXT(50), SHAPE_TYPE INTEGER, DIM1 DOUBLE, DIM2 DOUBLE, DIM3 DOUBLE);
INSERT INTO Shape VALUES ('IPE 200',1,200,100,5.6), ('HEA 200',1,190,200,6.5), ('UPN 100',2,100,50,6);
CREATE TABLE ShapeTemplate (NAME TEXT(50), SHAPE_TYPE INTEGER, DIM1 DOUBLE, DIM2 DOUBLE, DIM3 DOUBLE);
INSERT INTO ShapeTemplate VALUES ('L 50x5',3,50,50,5);
CREATE TABLE Section (ID INTEGER, SHAPE_TYPE INTEGER, PDL_SCRIPT LONGTEXT, IS_SYMMETRIC BIT);
INSERT INTO Section VALUES (1,1,'i-script',-1);
CREATE TABLE PDLScripts (ID INTEGER, SHAPE_TYPE INTEGER, PDL_SCRIPT LONGTEXT, IS_SYMMETRIC BIT);
INSERT INTO PDLScripts VALUES (1,1,'i',-1), (2,2,'u',0), (3,3,'l',0);
CREATE TABLE ProfileName (SHAPE TEXT(50), DESCRIPTION TEXT(100));
INSERT INTO ProfileName VALUES ('IPE','I beam'), ('ipe','lower case');
CREATE TABLE List (Value DOUBLE, Data TEXT(20));
INSERT INTO List VALUES (3,'c'), (1,'a'), (1,'a'), (2,'b'), (2.5,'b');
CREATE TABLE Locales (LANG INTEGER, CATEGORY TEXT(50), DESCRIPTION TEXT(100));
INSERT INTO Locales VALUES (1033,'Bolt','English'), (1031,'Schraube','Deutsch');
CREATE TABLE UserObjects (NAME TEXT(50), SYM3D TEXT(100), SYMXY TEXT(100), SYMXZ TEXT(100), SYMYZ TEXT(100));
INSERT INTO UserObjects VALUES ('obj1','a.sym','b.sym',NULL,'c.sym'), ('obj2','d.sym',NULL,NULL,NULL);
CREATE TABLE ExtraParameters (NAME TEXT(50), DESCRIPTION TEXT(50), VALUE TEXT(50));
INSERT INTO ExtraParameters VALUES ('obj1','d1','v1'), ('obj1','d2','v2'), ('obj2','d1','v3');
CREATE TABLE Keywords ("Table" TEXT(9), Field TEXT(9), Value DOUBLE, "Order" INTEGER, "Quo""te" INTEGER);
INSERT INTO Keywords VALUES ('t', 'f', 1.5, 2, 7);
)";

class Db {
 public:
  Db() {
    sqlite3_open(":memory:", &db_);
    // A misspelt "name" must fail, not turn into a string.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    registerJetFunctions(db_);
  }
  ~Db() { sqlite3_close(db_); }
  Db(const Db&) = delete;
  Db& operator=(const Db&) = delete;

  void exec(const char* sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &err) != SQLITE_OK) ADD_FAILURE() << err << "\n" << sql;
    sqlite3_free(err);
  }

  // Runs SQLite SQL with bound values; rows as "v|v;v|v", or "error: ..." .
  std::string run(const std::string& sql, const std::vector<SqlValue>& params = {}) {
    sqlite3_stmt* st = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &st, &tail) != SQLITE_OK)
      return std::string("error: ") + sqlite3_errmsg(db_);
    EXPECT_EQ(tail, sql.data() + sql.size());
    EXPECT_EQ(sqlite3_bind_parameter_count(st), static_cast<int>(params.size())) << sql;
    for (int i = 0; i < static_cast<int>(params.size()); ++i) {
      const SqlValue& v = params[i];
      if (v.kind == SqlValue::Kind::Integer) sqlite3_bind_int64(st, i + 1, v.integer);
      if (v.kind == SqlValue::Kind::Real) sqlite3_bind_double(st, i + 1, v.real);
      if (v.kind == SqlValue::Kind::Text)
        sqlite3_bind_text(st, i + 1, v.text.data(), static_cast<int>(v.text.size()), SQLITE_TRANSIENT);
    }
    std::string rows;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
      if (!rows.empty()) rows += ';';
      for (int c = 0; c < sqlite3_column_count(st); ++c) {
        if (c) rows += '|';
        char num[32];
        switch (sqlite3_column_type(st, c)) {
          case SQLITE_NULL: rows += "NULL"; break;
          case SQLITE_INTEGER: rows += std::to_string(sqlite3_column_int64(st, c)); break;
          case SQLITE_FLOAT: snprintf(num, sizeof num, "%g", sqlite3_column_double(st, c)); rows += num; break;
          default: rows += reinterpret_cast<const char*>(sqlite3_column_text(st, c));
        }
      }
    }
    if (rc != SQLITE_DONE) rows = std::string("error: ") + sqlite3_errmsg(db_);
    sqlite3_finalize(st);
    return rows;
  }
  std::string run(const JetStatement& s) { return run(s.sql, s.params); }
  std::string jet(std::string_view jetSql) { return run(translateJetSql(jetSql)); }

  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

std::string sortedRows(std::string const& rows) {
  std::vector<std::string> parts;
  std::istringstream in(rows);
  for (std::string part; std::getline(in, part, ';');) parts.push_back(part);
  std::sort(parts.begin(), parts.end());
  std::string out;
  for (const auto& s : parts) out += (out.empty() ? "" : ";") + s;
  return out;
}

// ---------------------------------------------------------------------------
// Every statement the catalogs run, on catalog-shaped data.

struct CatalogCase {
  const char* name;
  const char* jet;
  const char* rows;           // rows of the statement, or of `check` after it
  const char* check = nullptr;  // SQLite query run afterwards (for DELETE)
};

void PrintTo(const CatalogCase& c, std::ostream* os) { *os << c.name; }

class JetCatalogStatement : public ::testing::TestWithParam<CatalogCase> {};

TEST_P(JetCatalogStatement, ReturnsItsRows) {
  const CatalogCase& c = GetParam();
  Db db;
  db.exec(kFixture);
  const JetStatement st = translateJetSql(c.jet);
  std::string rows = db.run(st);
  if (c.check) {
    EXPECT_EQ(rows, "");
    rows = db.run(c.check);
  }
  // Without ORDER BY any row order is right.
  if (std::string_view(c.jet).find("ORDER BY") == std::string_view::npos) rows = sortedRows(rows);
  EXPECT_EQ(rows, c.rows) << st.sql;
}

constexpr const char* kBoltJoin =
    "SELECT DISTINCT BoltsTypes.Id, Bolts.Diameter, Bolts.Symbol, Shanks.Lenght, BoltsTypes.ThreadLenght, "
    "Materials.Symbol, Bolts.TextComment FROM Shanks INNER JOIN (Materials INNER JOIN (Bolts INNER JOIN "
    "BoltsTypes ON Bolts.Id = BoltsTypes.BoltId) ON Materials.Id = BoltsTypes.MaterialId) ON Shanks.Id = "
    "BoltsTypes.ShankId ";

const std::string kBoltAll =
    std::string(kBoltJoin) + "ORDER BY Bolts.Diameter, Shanks.Lenght, BoltsTypes.ThreadLenght;";
const std::string kBoltOne = std::string(kBoltJoin) +
    "WHERE (((Bolts.Diameter)=12.000000) AND ((Shanks.Lenght)=60.000000));";

const CatalogCase kCatalogCases[] = {
    {"BoltUnit", R"(SELECT Descriptions.Unit FROM Descriptions WHERE (((Descriptions.Table)="Bolts") AND ((Descriptions.Field)="Diameter"));)", "in"},
    {"BoltDiameters", "SELECT DISTINCT Bolts.Diameter FROM Bolts ORDER BY Diameter", "12;16;20"},
    {"BoltLengths", "SELECT DISTINCT Shanks.Lenght FROM Shanks INNER JOIN (Bolts INNER JOIN BoltsTypes ON Bolts.Id = BoltsTypes.BoltId) "
     "ON Shanks.Id = BoltsTypes.ShankId WHERE (((Bolts.Diameter)=12.000000)) ORDER BY Shanks.Lenght;", "50;60"},
    {"BoltOne", kBoltOne.c_str(), "11|12|M12|60|30|8.8|c12;12|12|M12|60|32|10.9|c12"},
    {"BoltsAll", kBoltAll.c_str(), "10|12|M12|50|30|8.8|c12;11|12|M12|60|30|8.8|c12;12|12|M12|60|32|10.9|c12;"
                       "13|16|M16|60|38|8.8|c16;14|16|M16|80|38|10.9|c16;15|20|M20|80|46|8.8|NULL"},
    {"NutsAll", "SELECT DISTINCT Nuts.InnerDiam, Nuts.Thick, Nuts.Symbol FROM NutsTypes INNER JOIN Nuts ON NutsTypes.NutId = "
     "Nuts.Id ORDER BY Nuts.InnerDiam, Nuts.Thick;", "12|10.8|M12;16|14.8|M16"},
    {"GripWasherCounts", "SELECT DISTINCT WasherNum FROM GripLength WHERE (((Diameter)=20.000000)) ORDER BY WasherNum;", "1;2"},
    {"GripAll", "SELECT Id,Diameter,WasherNum,RangeLower,RangeUpper,ShankLength,ThreadLength FROM GripLength ORDER BY "
     "Diameter, WasherNum, RangeLower, RangeUpper;", "1|20|1|10|20|19.5|27;2|20|2|15|25|19.5|27;3|24|1|12|22|32|41"},
    {"BoltStandards", "SELECT DISTINCT BoltStand FROM Bolts", "BOLTS_ISO4017.MDB;Bolts_iso4014.mdb"},
    {"StandardByKey", R"(SELECT Bolts.NutStand, Bolts.WasherStand, Bolts.ClampingRange FROM Bolts WHERE (((UCase([Bolts]![BoltStand]))="BOLTS_ISO4014.MDB"));)",
     "ISO4032|ISO7089|GripA;ISO4033|ISO7089|NULL"},
    {"StandardKeyIsCaseSensitive", R"(SELECT Bolts.NutStand, Bolts.WasherStand, Bolts.ClampingRange FROM Bolts WHERE (((UCase([Bolts]![BoltStand]))="BOLTS_iso4014.MDB"));)", ""},
    {"ShapeNames", "SELECT DISTINCT NAME, SHAPE_TYPE FROM Shape ORDER BY NAME;", "HEA 200|1;IPE 200|1;UPN 100|2"},
    {"ProfileDescription", R"(SELECT DESCRIPTION FROM ProfileName WHERE SHAPE="IPE";)", "I beam"},
    {"ShapeDims", R"(SELECT DIM1,DIM2,DIM3 FROM Shape WHERE (((NAME)="IPE 200")) ORDER BY DIM1,DIM2,DIM3;)", "200|100|5.6"},
    {"ShapeDimsOtherType", R"(SELECT DIM1,DIM2,DIM3 FROM Shape WHERE (((NAME)="IPE 200") AND ((Shape.SHAPE_TYPE)=2)) ORDER BY DIM1,DIM2,DIM3;)", ""},
    {"ShapeWithSection", R"(SELECT * FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE WHERE (((Shape.NAME)="IPE 200") AND ((Shape.DIM1)=200) AND ((Shape.DIM2)=100.000000) AND ((Shape.DIM3)=5.6));)",
     "IPE 200|1|200|100|5.6|1|1|i-script|-1"},
    {"ShapeWithoutSection", R"(SELECT * FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE WHERE (((Shape.NAME)="UPN 100") AND ((Shape.DIM1)=100) AND ((Shape.DIM2)=50) AND ((Shape.DIM3)=6));)",
     "UPN 100|2|100|50|6|NULL|NULL|NULL|NULL"},
    {"ShapeFromTemplate", "SELECT ShapeTemplate.* INTO Shape FROM ShapeTemplate;", "L 50x5|3|50|50|5"},
    {"SectionRightJoin", "SELECT DISTINCTROW PDLScripts.ID, PDLScripts.SHAPE_TYPE, PDLScripts.PDL_SCRIPT, PDLScripts.IS_SYMMETRIC INTO Section "
     "FROM PDLScripts RIGHT JOIN Shape ON PDLScripts.SHAPE_TYPE = Shape.SHAPE_TYPE ORDER BY PDLScripts.SHAPE_TYPE;", "1|1|i|-1;2|2|u|0"},
    {"MaterialSecondNames", "SELECT NAME,SECOND_NAME FROM MATERIALS ORDER BY NAME,SECOND_NAME;", "1.4301|NULL;S235|St37;S355|St52"},
    {"MaterialByName", R"(SELECT * FROM MATERIALS WHERE (NAME="S355");)", "2|10.9|S355|St52|1"},
    {"ListDistinct", "SELECT DISTINCT * FROM List", "1|a;2.5|b;2|b;3|c"},
    {"ListSorted", "SELECT DISTINCT * FROM List ORDER BY Value", "1|a;2|b;2.5|b;3|c"},
    {"LocaleByLang", "SELECT Locales.* FROM Locales WHERE ((Locales.LANG)=1031);", "1031|Schraube|Deutsch"},
    {"LocalesDeleteAll", "DELETE * FROM Locales;", "0", "SELECT COUNT(*) FROM Locales"},
    {"UserObjectRowByName", R"(SELECT UserObjects.* FROM UserObjects WHERE ((UserObjects.NAME)="obj1");)", "obj1|a.sym|b.sym|NULL|c.sym"},
    {"ExtraParameterByDescription", R"(SELECT ExtraParameters.* FROM ExtraParameters WHERE (((ExtraParameters.NAME)="obj1") AND ((ExtraParameters.DESCRIPTION)="d2"));)", "obj1|d2|v2"},
    {"ExtraParametersDelete", R"(DELETE * FROM ExtraParameters WHERE ((ExtraParameters.NAME)="obj1");)", "obj2|d1|v3", "SELECT * FROM ExtraParameters"},
    {"UserObjectDelete", R"(DELETE NAME FROM UserObjects WHERE ((UserObjects.NAME)="obj1");)", "obj2", "SELECT NAME FROM UserObjects"},
    {"UserObjectSymbols", "SELECT SYM3D,SYMXY,SYMXZ,SYMYZ FROM UserObjects;", "a.sym|b.sym|NULL|c.sym;d.sym|NULL|NULL|NULL"},
};

INSTANTIATE_TEST_SUITE_P(JetCatalogs, JetCatalogStatement, ::testing::ValuesIn(kCatalogCases));

// ---------------------------------------------------------------------------
// Language features, run against the same data.

const CatalogCase kQueryCases[] = {
    // Case-sensitive text, case-insensitive names.
    {"TextIsCaseSensitive", R"(SELECT Unit FROM Descriptions WHERE [Table]="bolts")", "XX"},
    {"NamesIgnoreCase", R"(SELECT unit FROM descriptions WHERE descriptions!TABLE='Bolts')", "in"},
    {"KeywordNamedColumns", "SELECT Keywords.Table, [Field], Value, Keywords![Order], `Quo\"te` FROM Keywords", "t|f|1.5|2|7"},
    {"QuotesAndConcatenation", R"(SELECT 'it''s' & " ""q""" & Symbol FROM Bolts WHERE Id = 1)", "it's \"q\"M12"},
    {"Top", "SELECT TOP 2 Symbol FROM Bolts ORDER BY Diameter DESC", "M20;M16"},
    {"TopInSubquery", "SELECT Symbol FROM Bolts WHERE Id IN (SELECT TOP 1 BoltId FROM BoltsTypes ORDER BY ThreadLenght DESC)", "M20"},
    {"LikeUnderscoreIsLiteral", "SELECT Id FROM Bolts WHERE Symbol LIKE \"M_2\" ORDER BY Id", ""},  // _ is no wildcard in Jet
    {"LikeWildcards", "SELECT Id FROM Bolts WHERE BoltStand LIKE \"Bolts?iso*\" ORDER BY Id", "1;2;3"},  // LIKE ignores case
    {"LikeBracketedLiteral", "SELECT Id FROM Bolts WHERE Symbol LIKE \"M[1]?\" ORDER BY Id", "1;2"},
    {"ModAndTrue", "SELECT Id FROM Bolts WHERE Id Mod 2 = 1 AND True ORDER BY Id", "1;3"},
    {"AggregatesAndNumbers", "SELECT COUNT(*), SUM(Diameter), MAX(Symbol) FROM Bolts WHERE TextComment IS NOT NULL AND Diameter BETWEEN 1e1 AND .2e2", "2|28|M16"},
    {"RightJoin", "SELECT Shape.NAME, PDLScripts.PDL_SCRIPT FROM PDLScripts RIGHT JOIN Shape ON PDLScripts.SHAPE_TYPE = Shape.SHAPE_TYPE "
     "WHERE PDLScripts.SHAPE_TYPE <> 2 OR PDLScripts.ID IS NULL ORDER BY Shape.NAME", "HEA 200|i;IPE 200|i"},
    {"NzAndIIf", "SELECT Nz(TextComment, 'none'), IIf(Diameter > 15, 'big', 'small') FROM Bolts ORDER BY Id", "c12|small;c16|big;none|big"},
    {"BooleanConstants", "SELECT -1 = True, 0 = False, 7 Mod 4", "1|1|3"},
};

INSTANTIATE_TEST_SUITE_P(JetFeatures, JetCatalogStatement, ::testing::ValuesIn(kQueryCases));

TEST(JetSqlTranslation, LiftsLiteralsOnlyWhereTheyVaryInOrder) {
  const JetStatement st = translateJetSql(
      "SELECT TOP 5 'x', 2 FROM t WHERE a = \"s\" AND b = 20.000000 AND c = 7 AND d > -1e3 "
      "AND e IN (SELECT f FROM u WHERE g = 99999999999999999999) ORDER BY 1");
  EXPECT_EQ(st.sql, "SELECT 'x', 2 FROM \"t\" WHERE \"a\" = ? AND \"b\" = ? AND \"c\" = ? AND \"d\" > - ? AND "
                    "\"e\" IN (SELECT \"f\" FROM \"u\" WHERE \"g\" = ?) ORDER BY 1 LIMIT 5");
  ASSERT_EQ(st.params.size(), 5u);
  EXPECT_EQ(st.params[0].kind, SqlValue::Kind::Text);
  EXPECT_EQ(st.params[0].text, "s");
  EXPECT_EQ(st.params[1].kind, SqlValue::Kind::Real);
  EXPECT_EQ(st.params[1].real, 20.0);
  EXPECT_EQ(st.params[2].kind, SqlValue::Kind::Integer);
  EXPECT_EQ(st.params[2].integer, 7);
  EXPECT_EQ(st.params[3].real, 1000.0);
  EXPECT_EQ(st.params[4].kind, SqlValue::Kind::Real);  // beyond int64
  // Statements that differ in literals only share one translation.
  EXPECT_EQ(translateJetSql("SELECT * FROM t WHERE a=\"other\" AND b=1.5 AND c=8 AND d>-2 AND e IN "
                            "(SELECT f FROM u WHERE g=1)").sql,
            translateJetSql("SELECT * FROM t WHERE a='x' AND b=3 AND c=9 AND d>-2 AND e IN "
                            "(SELECT f FROM u WHERE g=1)").sql);
}

TEST(JetSqlTranslation, DataChangesLiftTheirValues) {
  Db db;
  db.exec(kFixture);
  for (const char* jet : {"INSERT INTO Locales (LANG, CATEGORY) VALUES (1036, \"Vis\")",
                          "UPDATE DISTINCTROW Locales SET DESCRIPTION = 'Fran' & \"çais\" WHERE LANG = 1036",
                          "DELETE Locales.* FROM Locales WHERE LANG = 1033"}) {
    const JetStatement st = translateJetSql(jet);
    EXPECT_NE(st.sql.find('?'), std::string::npos) << st.sql;
    EXPECT_EQ(db.run(st), "");
  }
  EXPECT_EQ(db.run("SELECT * FROM Locales ORDER BY LANG"), "1031|Schraube|Deutsch;1036|Vis|Français");
}

// Quotes double on the way out, so output can outgrow any guess made from the
// input's length.
TEST(JetSqlTranslation, QuoteHeavyLiteralsRoundTrip) {
  Db db;
  const std::string quotes(300, '\'');
  const std::string jet = "SELECT \"" + quotes + "\" & [x\"y], \"" + quotes + "\" LIKE \"" + quotes +
                          "\" & \"\" FROM (SELECT 1 AS [x\"y])";
  EXPECT_EQ(db.jet(jet), quotes + "1|1");
}

struct SoleCase {
  const char* jet;
  const char* soleTable;
  const char* firstRow;  // of rowidSql
};

TEST(JetSqlTranslation, SoleTableAndRowidQuery) {
  Db db;
  db.exec(kFixture);
  const SoleCase cases[] = {
      {"SELECT Symbol FROM Bolts WHERE Id = 2", "Bolts", "2|M16"},
      {"SELECT DISTINCT * FROM [Bolts] AS b WHERE b.Id = 3", "Bolts",
       "3|3|20|M20|NULL|Bolts_iso4014.mdb|ISO4033|ISO7089|NULL"},
      {"SELECT TOP 1 Shapetemplate.* INTO Shape FROM shapetemplate", "shapetemplate", "1|L 50x5|3|50|50|5"},
      {"SELECT Symbol FROM Bolts WHERE Id IN (SELECT BoltId FROM BoltsTypes) ORDER BY Id", "Bolts", "1|M12"},
      {"SELECT Bolts.Symbol FROM Bolts INNER JOIN BoltsTypes ON Bolts.Id = BoltsTypes.BoltId", "", ""},
      {"SELECT Symbol FROM Bolts, Shanks", "", ""},
      {"SELECT x FROM (SELECT Symbol AS x FROM Bolts)", "", ""},
      {"SELECT COUNT(*) FROM Bolts GROUP BY Diameter", "", ""},
      {"SELECT Symbol FROM Bolts UNION SELECT Symbol FROM Nuts", "", ""},
  };
  for (const SoleCase& c : cases) {
    const JetStatement st = translateJetSql(c.jet);
    EXPECT_EQ(st.soleTable, c.soleTable) << c.jet;
    if (*c.soleTable == '\0') {
      EXPECT_TRUE(st.rowidSql.empty()) << c.jet;
      continue;
    }
    const std::string rows = db.run(st.rowidSql, st.params);
    EXPECT_EQ(rows.substr(0, rows.find(';')), c.firstRow) << st.rowidSql;
  }
}

TEST(JetSqlTranslation, SelectIntoKeepsTheTargetAside) {
  const JetStatement st = translateJetSql("SELECT a INTO [New Table] FROM t;");
  EXPECT_EQ(st.kind, JetStatementKind::SelectInto);
  EXPECT_EQ(st.intoTable, "New Table");
  EXPECT_EQ(st.sql, "SELECT \"a\" FROM \"t\"");
  EXPECT_EQ(translateJetSql("INSERT INTO t SELECT * FROM u").kind, JetStatementKind::Insert);
}

struct ErrorCase {
  const char* jet;
  std::size_t position;
};

TEST(JetSqlTranslation, RejectsWhatIsNotOneStatement) {
  const std::string kDeep = "SELECT " + std::string(200, '(');
  const ErrorCase cases[] = {
      {"", 0}, {"  ;", 2}, {"SELECT a FROM t; DELETE * FROM t", 17}, {"SELECT a FROM t;;", 16},
      {"SELECT \"abc FROM t", 7}, {"SELECT [abc FROM t", 7}, {"SELECT (a FROM t", 7}, {"SELECT a) FROM t", 8},
      {"SELECT a FROM t WHERE b = ?", 26}, {"SELECT a FROM t WHERE d = #1/1/2000#", 26}, {"SELECT 12ab FROM t", 7},
      {"SELECT TOP 10 PERCENT a FROM t", 14}, {"SELECT a FROM t WHERE b LIKE '#'", 29}, {"SELECT t.(a) FROM t", 9},
      {"SELECT a INTO x FROM (SELECT b INTO y FROM t)", 31}, {"PRAGMA foo", 0}, {"SELECT Table FROM t", 7},
      {"CREATE TABLE t (a BLOB)", 18}, {"CREATE TABLE t (a TEXT(300))", 18}, {"DROP INDEX i", 12},
      {"CREATE TABLE t (a COUNTER, b LONG, PRIMARY KEY (b))", 35},
      {"CREATE TABLE t (a COUNTER, bb LONG, PRIMARY KEY (bb))", 36}, {"DELETE a + b FROM t", 9}, {"DELETE a", 8},
      {"SELECT a\x01 FROM t", 8}, {kDeep.c_str(), 7 + 127},
      {"CREATE TABLE t (a LONG CONSTRAINT c CHECK (a))", 36},
  };
  for (const ErrorCase& c : cases) {
    try {
      translateJetSql(c.jet);
      ADD_FAILURE() << "accepted: " << c.jet;
    } catch (const JetSqlError& e) {
      EXPECT_EQ(e.position(), c.position) << c.jet << ": " << e.what();
    }
  }
}

// Mangled catalog statements: the translator may refuse them but must never
// produce SQL whose placeholders and values disagree, or a second statement.
TEST(JetSqlTranslation, MangledInputIsRefusedOrConsistent) {
  Db db;
  db.exec(kFixture);
  std::vector<std::string> seeds = {
      "CREATE TABLE t (Id COUNTER, Name TEXT(5) NOT NULL, CONSTRAINT pk PRIMARY KEY (Id))",
      "CREATE UNIQUE INDEX i ON t (a DESC, b) WITH PRIMARY"};
  for (const CatalogCase& c : kCatalogCases) seeds.push_back(c.jet);
  const std::string alphabet = "()[]\"'`;.!*&<>=-+,?#$ aZ9_\\\x80\xC3\xA9";
  std::mt19937 rng(20240601);
  for (int i = 0; i < 4000; ++i) {
    std::string s = seeds[i % seeds.size()];
    for (int m = 0, n = 1 + static_cast<int>(rng() % 4); m < n; ++m) {
      const std::size_t at = rng() % (s.size() + 1);
      const char c = alphabet[rng() % alphabet.size()];
      switch (rng() % 3) {
        case 0: s.insert(at, 1, c); break;
        case 1: if (at < s.size()) s.erase(at, 1); break;
        default: if (at < s.size()) s[at] = c;
      }
    }
    try {
      const JetStatement st = translateJetSql(s);
      sqlite3_stmt* stmt = nullptr;
      const char* tail = nullptr;
      if (sqlite3_prepare_v2(db.handle(), st.sql.c_str(), -1, &stmt, &tail) == SQLITE_OK) {
        EXPECT_EQ(*tail, '\0') << s;
        EXPECT_EQ(sqlite3_bind_parameter_count(stmt), static_cast<int>(st.params.size())) << s;
      }
      sqlite3_finalize(stmt);
    } catch (const JetSqlError& e) {
      EXPECT_LE(e.position(), s.size());
    }
  }
}

// ---------------------------------------------------------------------------
// DDL and declared types.

TEST(JetDdl, ColumnTypesReadBackAsTheirJetTypes) {
  Db db;
  db.exec(translateJetSql("CREATE TABLE [All Types] (Id COUNTER(1,1) CONSTRAINT pk PRIMARY KEY, L LONG NOT NULL, I INTEGER, "
                          "S SHORT, B BYTE, D DOUBLE, F FLOAT, Si SINGLE, T TEXT(20), T2 text, V VARCHAR(8), M MEMO, "
                          "Y YESNO, Dt DATETIME, [Order] LONG UNIQUE, CONSTRAINT pk2 PRIMARY KEY (id));")
              .sql.c_str());
  struct Col {
    int vt, dao;
    long size;
  };
  const Col expected[] = {{3, 4, 0},  {3, 4, 0},   {3, 4, 0},  {2, 3, 0},  {17, 2, 0}, {5, 7, 0},  {5, 7, 0}, {4, 6, 0},
                          {8, 10, 20}, {8, 10, 255}, {8, 10, 8}, {8, 12, 0}, {11, 1, 0}, {7, 8, 0}, {3, 4, 0}};
  sqlite3_stmt* st = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db.handle(), "SELECT * FROM \"All Types\"", -1, &st, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_column_count(st), static_cast<int>(std::size(expected)));
  for (int c = 0; c < sqlite3_column_count(st); ++c) {
    const char* decl = sqlite3_column_decltype(st, c);
    EXPECT_EQ(variantTypeFromDecl(decl), expected[c].vt) << decl;
    EXPECT_EQ(daoTypeFromDecl(decl), expected[c].dao) << decl;
    EXPECT_EQ(textSizeFromDecl(decl), expected[c].size) << decl;
  }
  sqlite3_finalize(st);
  // The counter numbers rows; NOT NULL and UNIQUE hold.
  db.exec("INSERT INTO \"All Types\" (L, \"Order\") VALUES (5, 1); INSERT INTO \"All Types\" (L) VALUES (6);");
  EXPECT_EQ(db.run("SELECT Id, L FROM \"All Types\" ORDER BY Id"), "1|5;2|6");
  EXPECT_NE(db.run("INSERT INTO \"All Types\" (I) VALUES (1)").find("NOT NULL"), std::string::npos);
  EXPECT_NE(db.run("INSERT INTO \"All Types\" (L, \"Order\") VALUES (1, 1)").find("UNIQUE"), std::string::npos);
}

TEST(JetDdl, IndexesAreNamedPerTable) {
  Db db;
  db.exec(translateJetSql("CREATE TABLE a (x LONG, y TEXT)").sql.c_str());
  db.exec(translateJetSql("CREATE TABLE b (x LONG)").sql.c_str());
  const JetStatement ix = translateJetSql("CREATE INDEX ByX ON a (x DESC, y) WITH PRIMARY;");
  EXPECT_EQ(ix.kind, JetStatementKind::CreateIndex);
  db.exec(ix.sql.c_str());
  db.exec(translateJetSql("CREATE INDEX ByX ON b (x)").sql.c_str());  // same Jet name, other table
  EXPECT_EQ(db.run("SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name"), "a_ByX;b_ByX");
  // Null options have no SQLite counterpart and are passed over.
  db.exec(translateJetSql("CREATE INDEX ByY ON a (y) WITH DISALLOW NULL").sql.c_str());
  db.exec(translateJetSql("CREATE INDEX ByXY ON a (x, y) WITH IGNORE NULL").sql.c_str());
  db.exec("INSERT INTO a VALUES (1, 'p')");
  EXPECT_NE(db.run("INSERT INTO a VALUES (1, 'p')").find("UNIQUE"), std::string::npos);
  const JetStatement drop = translateJetSql("DROP INDEX ByX ON a");
  EXPECT_EQ(drop.kind, JetStatementKind::DropIndex);
  db.exec(drop.sql.c_str());
  db.exec(translateJetSql("DROP TABLE b;").sql.c_str());
  db.exec(translateJetSql("CREATE TABLE [q\"t] ([q\"c] LONG, CONSTRAINT [k\"] UNIQUE ([q\"c]))").sql.c_str());
  EXPECT_EQ(db.run("SELECT name FROM sqlite_master ORDER BY name"), "a;a_ByXY;a_ByY;q\"t;sqlite_autoindex_q\"t_1");
  EXPECT_EQ(db.run("SELECT name FROM pragma_table_info('q\"t')"), "q\"c");
}

TEST(JetTypes, DeclarationsMapBothWays) {
  EXPECT_EQ(variantTypeFromDecl(nullptr), 0);
  EXPECT_EQ(variantTypeFromDecl("BLOB"), 0);
  EXPECT_EQ(variantTypeFromDecl("long"), 3);
  EXPECT_EQ(variantTypeFromDecl(" text(20)"), 8);
  EXPECT_EQ(textSizeFromDecl("text ( 20 )"), 20);
  EXPECT_EQ(textSizeFromDecl("DOUBLE(5)"), 0);
  EXPECT_EQ(daoTypeFromDecl("INTEGER PRIMARY KEY AUTOINCREMENT"), 4);
  for (int dao : {1, 2, 3, 4, 5, 6, 7, 8, 10, 12}) {
    const std::string decl = declFromDaoType(dao, 0);
    EXPECT_EQ(daoTypeFromDecl(decl.c_str()), dao) << decl;
  }
  EXPECT_EQ(declFromDaoType(10, 0), "TEXT(255)");
  EXPECT_EQ(declFromDaoType(10, 40), "TEXT(40)");
  EXPECT_THROW(declFromDaoType(11, 0), std::invalid_argument);
  EXPECT_THROW(declFromDaoType(10, 256), std::invalid_argument);
}

// ---------------------------------------------------------------------------
// Jet functions, called through the translator.

struct FunctionCase {
  const char* expression;
  const char* result;
};

TEST(JetFunctions, BehaveAsJet) {
  Db db;
  const FunctionCase cases[] = {
      {"UCase('émile ß')", "ÉMILE ß"}, {"LCase$('ÀB')", "àb"}, {"UCase(Null)", "NULL"}, {"Len('héllo')", "5"},
      {"Len(Null)", "NULL"}, {"Trim('  a b  ')", "a b"}, {"LTrim(' a ')", "a "}, {"RTrim(' a ')", " a"},
      {"Mid('abcdef', 2, 3)", "bcd"}, {"Mid('añb', 2)", "ñb"}, {"Mid('abc', 5)", ""}, {"Mid(Null, 1)", "NULL"},
      {"Left('añb', 2)", "añ"}, {"Right('añb', 2)", "ñb"}, {"Right('ab', 5)", "ab"}, {"Left('ab', Null)", "NULL"},
      {"InStr('abcabc', 'c')", "3"}, {"InStr(4, 'abcabc', 'c')", "6"}, {"InStr('ñac', 'c')", "3"},
      {"InStr('abc', 'C')", "0"}, {"InStr('abc', '')", "1"}, {"InStr('abc', Null)", "NULL"},
      {"IIf(1 > 2, 'a', 'b')", "b"}, {"IIf(Null, 1, 2)", "2"}, {"IIf('1', 1, 2)", "1"}, {"Nz(Null, 5)", "5"},
      {"Nz(Null) = ''", "1"}, {"Nz(3, 5)", "3"},
      {"Mid('abc', 0)", "error: Invalid procedure call or argument"},
      {"Left('abc', -1)", "error: Invalid procedure call or argument"},
      {"IIf('x', 1, 2)", "error: Type mismatch"},
  };
  for (const FunctionCase& c : cases)
    EXPECT_EQ(db.jet(std::string("SELECT ") + c.expression), c.result) << c.expression;
}

// ---------------------------------------------------------------------------
// The PostgreSQL dialect (run against a server in PgConnection_test.cpp).

struct PgCase {
  const char* jet;
  const char* sql;  // or "error: " and the start of the message
};

TEST(JetSqlPostgres, Translates) {
  const PgCase cases[] = {
      {"SELECT DIM1 FROM Shape WHERE (((NAME)=\"IPE 200\")) AND DIM2 = 20.5 AND ID <> 7 ORDER BY NAME;",
       R"(SELECT "DIM1" FROM "Shape" WHERE ((("NAME") = $1 COLLATE "C")) AND "DIM2" = $2::float8 AND )"
       R"("ID" <> $3::bigint ORDER BY "NAME")"},
      {"SELECT TOP 3 * FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE AND Section.X = 'a'",
       R"(SELECT * FROM "Shape" LEFT JOIN "Section" ON "Shape"."SHAPE_TYPE" = "Section"."SHAPE_TYPE" AND )"
       R"("Section"."X" = $1 COLLATE "C" LIMIT 3)"},
      {"SELECT a FROM t WHERE b = True OR c = False OR d LIKE 'x*'",
       R"(SELECT "a" FROM "t" WHERE "b" = TRUE OR "c" = FALSE OR "d" ILIKE $1 COLLATE "C" ESCAPE '\')"},
      {"INSERT INTO Shape (NAME, DIM1, STD) VALUES ('a', 1, True)",
       R"(INSERT INTO "Shape" ("NAME", "DIM1", "STD") VALUES ($1, $2::bigint, TRUE))"},
      {"UPDATE Shape SET NAME = 'b', DIM1 = 2.5 WHERE ID = 3",
       R"(UPDATE "Shape" SET "NAME" = $1, "DIM1" = $2::float8 WHERE "ID" = $3::bigint)"},
      {"DELETE * FROM [Shape] WHERE [NAME] = 'c'", R"(DELETE FROM "Shape" WHERE "NAME" = $1 COLLATE "C")"},
      {"SELECT [x\"y] FROM t", R"(SELECT "x""y" FROM "t")"},
      {"SELECT UCase(NAME) FROM Shape", "error: Jet functions are not supported"},
      {"CREATE TABLE t (a LONG)", "error: DDL is not supported"},
      {"DROP TABLE t", "error: DDL is not supported"},
  };
  for (const PgCase& c : cases) {
    SCOPED_TRACE(c.jet);
    const std::string expected = c.sql;
    try {
      EXPECT_EQ(translateJetSql(c.jet, JetDialect::PostgreSQL).sql, expected);
    } catch (const JetSqlError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(expected.substr(7), 0), 0u) << e.what();
      EXPECT_EQ(expected.rfind("error: ", 0), 0u) << e.what();
    }
  }
}

// Parameters number past 9 and the literals come out as on files.
TEST(JetSqlPostgres, ParametersMatchTheSqliteTranslation) {
  std::string jet = "SELECT a FROM t WHERE a IN (";
  for (int i = 0; i < 12; ++i) jet += (i ? ", " : "") + std::to_string(i) + (i % 2 ? ".5" : "");
  jet += ") AND b = 'it''s'";
  const JetStatement pg = translateJetSql(jet, JetDialect::PostgreSQL);
  const JetStatement lite = translateJetSql(jet);
  EXPECT_NE(pg.sql.find("$11::bigint, $12::float8) AND \"b\" = $13 COLLATE"), std::string::npos) << pg.sql;
  ASSERT_EQ(pg.params.size(), lite.params.size());
  for (std::size_t i = 0; i < pg.params.size(); ++i) {
    EXPECT_EQ(pg.params[i].kind, lite.params[i].kind);
    EXPECT_EQ(pg.params[i].text, lite.params[i].text);
    EXPECT_EQ(pg.params[i].real, lite.params[i].real);
  }
  const JetStatement sole = translateJetSql("SELECT a FROM t WHERE b = 1", JetDialect::PostgreSQL);
  EXPECT_EQ(sole.soleTable, "t");
  EXPECT_EQ(sole.rowidSql, "");
}

}  // namespace
}  // namespace zept::dao
