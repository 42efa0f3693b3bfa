// SPDX-License-Identifier: MIT
// Reading through CDaoRecordset against the raw SQLite C API doing the same
// work in the same run, on tables of 1,000, 10,000 and 100,000 rows: one
// keyed lookup written as the catalog statements write it (the key
// formatted into the text with "%f"), every key of the table visited in a
// shuffled order; and a full scan through GetFieldValue. The raw side opens
// the file immutable and reuses one prepared statement: the engine at its
// best on a file nobody changes.
#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"

namespace {

zept::bench::ScratchFolder& folder() {
  static zept::bench::ScratchFolder f;
  return f;
}

// "bench<rows>.mdb": Bolts (Id, Diameter = row * 0.5, Symbol, Lenght),
// unique on Diameter. Made once per run.
std::string const& catalog(int rows) {
  static std::map<int, std::string> made;
  std::string& path = made[rows];
  if (!path.empty()) return path;
  path = (folder().path() / ("bench" + std::to_string(rows) + ".mdb")).string();
  {
    CDaoDatabase db;
    db.Create(zept::fromUtf8(path).c_str());
    db.Execute(L"CREATE TABLE Bolts (Id COUNTER, Diameter DOUBLE, Symbol TEXT(20), Lenght DOUBLE)");
    db.Execute(L"CREATE UNIQUE INDEX ByDiameter ON Bolts (Diameter)");
  }
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  const std::string fill = "WITH RECURSIVE seq(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM seq WHERE i + 1 < " +
                           std::to_string(rows) +
                           ") INSERT INTO Bolts (Diameter, Symbol, Lenght) SELECT i * 0.5, 'M' || i, i * 2.0 FROM seq";
  sqlite3_exec(db, fill.c_str(), nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return path;
}

// Every key of the table, shuffled once.
std::vector<double> const& keys(int rows) {
  static std::map<int, std::vector<double>> made;
  auto& k = made[rows];
  if (!k.empty()) return k;
  for (int i = 0; i < rows; ++i) k.push_back(i * 0.5);
  std::shuffle(k.begin(), k.end(), std::mt19937(7919u));
  return k;
}

int rowsOf(benchmark::State const& state) { return static_cast<int>(state.range(0)); }

void BM_LookupDao(benchmark::State& state) {
  auto const& k = keys(rowsOf(state));
  CDaoDatabase db;
  db.Open(zept::fromUtf8(catalog(rowsOf(state))).c_str(), false, true);
  CDaoRecordset rs(&db);
  COleVariant v;
  double sum = 0;
  std::size_t i = 0;
  for (auto _ : state) {
    CString sql;
    sql.Format(L"SELECT Bolts.Id, Bolts.Diameter, Bolts.Symbol, Bolts.Lenght FROM Bolts WHERE (((Bolts.Diameter)=%f));",
               k[i++ % k.size()]);
    rs.Open(dbOpenSnapshot, sql);
    rs.GetFieldValue(L"Id", v);
    sum += v.lVal;
    rs.GetFieldValue(L"Diameter", v);
    sum += v.dblVal;
    rs.GetFieldValue(L"Symbol", v);
    sum += v.vt;
    rs.GetFieldValue(L"Lenght", v);
    sum += v.dblVal;
    rs.Close();
  }
  benchmark::DoNotOptimize(sum);
}

sqlite3* openImmutable(int rows) {
  sqlite3* db = zept::bench::openRawImmutable(catalog(rows));
  return db;
}

void BM_LookupRaw(benchmark::State& state) {
  auto const& k = keys(rowsOf(state));
  sqlite3* db = openImmutable(rowsOf(state));
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, "SELECT Id, Diameter, Symbol, Lenght FROM Bolts WHERE Diameter = ?1", -1, &stmt, nullptr);
  double sum = 0;
  std::size_t i = 0;
  for (auto _ : state) {
    sqlite3_bind_double(stmt, 1, k[i++ % k.size()]);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      sum += sqlite3_column_int(stmt, 0) + sqlite3_column_double(stmt, 1) + sqlite3_column_bytes(stmt, 2) +
             sqlite3_column_double(stmt, 3);
      benchmark::DoNotOptimize(sqlite3_column_text(stmt, 2));
    }
    sqlite3_reset(stmt);
  }
  benchmark::DoNotOptimize(sum);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}

void BM_ScanDao(benchmark::State& state) {
  CDaoDatabase db;
  db.Open(zept::fromUtf8(catalog(rowsOf(state))).c_str(), false, true);
  CDaoRecordset rs(&db);
  COleVariant v;
  double sum = 0;
  for (auto _ : state) {
    rs.Open(dbOpenSnapshot, L"SELECT Bolts.Id, Bolts.Diameter, Bolts.Symbol, Bolts.Lenght FROM Bolts;");
    for (; !rs.IsEOF(); rs.MoveNext()) {
      rs.GetFieldValue(L"Id", v);
      sum += v.lVal;
      rs.GetFieldValue(L"Diameter", v);
      sum += v.dblVal;
      rs.GetFieldValue(L"Symbol", v);
      sum += v.vt;
      rs.GetFieldValue(L"Lenght", v);
      sum += v.dblVal;
    }
    rs.Close();
  }
  benchmark::DoNotOptimize(sum);
}

void BM_ScanRaw(benchmark::State& state) {
  sqlite3* db = openImmutable(rowsOf(state));
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, "SELECT Id, Diameter, Symbol, Lenght FROM Bolts", -1, &stmt, nullptr);
  double sum = 0;
  for (auto _ : state) {
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      sum += sqlite3_column_int(stmt, 0) + sqlite3_column_double(stmt, 1) + sqlite3_column_bytes(stmt, 2) +
             sqlite3_column_double(stmt, 3);
      benchmark::DoNotOptimize(sqlite3_column_text(stmt, 2));
    }
    sqlite3_reset(stmt);
  }
  benchmark::DoNotOptimize(sum);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}

void rowCounts(benchmark::internal::Benchmark* b) { b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond); }

BENCHMARK(BM_LookupDao)->Apply(rowCounts);
BENCHMARK(BM_LookupRaw)->Apply(rowCounts);
BENCHMARK(BM_ScanDao)->Apply(rowCounts);
BENCHMARK(BM_ScanRaw)->Apply(rowCounts);

const bool declared = [] {
  for (char const* rows : {"1000", "10000", "100000"}) {
    const std::string arg = std::string("/") + rows;
    zept::bench::declareRatio(std::string("keyed lookup (snapshot, %f key), ") + rows + " rows", "BM_LookupDao" + arg,
                              "BM_LookupRaw" + arg);
    zept::bench::declareRatio(std::string("scan through GetFieldValue, ") + rows + " rows", "BM_ScanDao" + arg,
                              "BM_ScanRaw" + arg);
  }
  return true;
}();

}  // namespace
