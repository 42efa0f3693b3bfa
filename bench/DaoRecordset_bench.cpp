// Reading through CDaoRecordset against the raw SQLite C API doing the same
// work in the same run: keyed lookups written as the catalog statements
// write them (the key formatted into the text with "%f"), and a full scan.
#include <sqlite3.h>

#include "BenchSupport.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"

namespace {

constexpr int kRows = 10000;

struct Catalog {
  zept::bench::ScratchFolder folder;
  std::string path = (folder.path() / "bench.mdb").string();
  Catalog() {
    CDaoDatabase db;
    db.Create(zept::fromUtf8(path).c_str());
    db.Execute(L"CREATE TABLE Bolts (Id COUNTER, Diameter DOUBLE, Symbol TEXT(20), Lenght DOUBLE)");
    db.Execute(L"CREATE UNIQUE INDEX ByDiameter ON Bolts (Diameter)");
    for (int i = 0; i < kRows; ++i) {
      CString sql;
      sql.Format(L"INSERT INTO Bolts (Diameter, Symbol, Lenght) VALUES (%f, \"M%d\", %f)", i * 0.5, i, i * 2.0);
      db.Execute(sql);
    }
  }
};

Catalog& catalog() {
  static Catalog c;
  return c;
}

double key(int i) { return ((i * 7919) % kRows) * 0.5; }

void BM_LookupDao(benchmark::State& state) {
  CDaoDatabase db;
  db.Open(zept::fromUtf8(catalog().path).c_str(), false, true);
  CDaoRecordset rs(&db);
  COleVariant v;
  double sum = 0;
  for (auto _ : state) {
    for (int i = 0; i < kRows; ++i) {
      CString sql;
      sql.Format(L"SELECT Bolts.Id, Bolts.Diameter, Bolts.Symbol, Bolts.Lenght FROM Bolts WHERE (((Bolts.Diameter)=%f));",
                 key(i));
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
  }
  benchmark::DoNotOptimize(sum);
}

void rawLookups(benchmark::State& state, int flags, std::string const& name) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, "SELECT Id, Diameter, Symbol, Lenght FROM Bolts WHERE Diameter = ?1", -1, &stmt, nullptr);
  double sum = 0;
  for (auto _ : state) {
    for (int i = 0; i < kRows; ++i) {
      sqlite3_bind_double(stmt, 1, key(i));
      while (sqlite3_step(stmt) == SQLITE_ROW) {
        sum += sqlite3_column_int(stmt, 0) + sqlite3_column_double(stmt, 1) + sqlite3_column_bytes(stmt, 2) +
               sqlite3_column_double(stmt, 3);
        benchmark::DoNotOptimize(sqlite3_column_text(stmt, 2));
      }
      sqlite3_reset(stmt);
    }
  }
  benchmark::DoNotOptimize(sum);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}

void BM_LookupRaw(benchmark::State& state) { rawLookups(state, SQLITE_OPEN_READONLY, catalog().path); }
void BM_LookupRawImmutable(benchmark::State& state) {
  rawLookups(state, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, "file:" + catalog().path + "?immutable=1");
}

void BM_ScanDao(benchmark::State& state) {
  CDaoDatabase db;
  db.Open(zept::fromUtf8(catalog().path).c_str(), false, true);
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

void rawScan(benchmark::State& state, int flags, std::string const& name) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
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

void BM_ScanRaw(benchmark::State& state) { rawScan(state, SQLITE_OPEN_READONLY, catalog().path); }
void BM_ScanRawImmutable(benchmark::State& state) {
  rawScan(state, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, "file:" + catalog().path + "?immutable=1");
}

BENCHMARK(BM_LookupDao)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupRawImmutable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanDao)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanRawImmutable)->Unit(benchmark::kMillisecond);

const bool declared = [] {
  zept::bench::declareRatio("10,000 keyed lookups (snapshot, %f key)", "BM_LookupDao", "BM_LookupRaw");
  zept::bench::declareRatio("10,000 keyed lookups vs immutable raw", "BM_LookupDao", "BM_LookupRawImmutable");
  zept::bench::declareRatio("10,000-row scan", "BM_ScanDao", "BM_ScanRaw");
  zept::bench::declareRatio("10,000-row scan vs immutable raw", "BM_ScanDao", "BM_ScanRawImmutable");
  return true;
}();

}  // namespace
