// ZEPTDBList::getList over a 10,000-entry list against raw SQLite running
// the same query and reading the same two columns, in the same run.
#include <sqlite3.h>

#include <cstdlib>

#include "BenchSupport.h"
#include "database/ZEPTDBList.h"
#include "platform/core/Utf8.h"
#include "platform/settings/ZEPTEnvAppSet.h"

namespace {

constexpr int kEntries = 10000;

struct ListCatalog {
  zept::bench::ScratchFolder folder;
  std::string path = (folder.path() / "BenchList.mdb").string();
  ListCatalog() {
    CDaoDatabase db;
    db.Create(zept::fromUtf8(path).c_str());
    db.Execute(L"CREATE TABLE List (Value DOUBLE, Data DOUBLE)");
    db.Execute(L"CREATE TABLE Seq (I LONG)");
    for (int i = 0; i < kEntries; ++i) {
      CString sql;
      sql.Format(L"INSERT INTO Seq VALUES (%d)", i);
      db.Execute(sql);
    }
    // Unsorted on disk, so that sorting is real work on both sides.
    db.Execute(L"INSERT INTO List (Value, Data) SELECT (Seq.I * 7919) Mod 10000 * 0.5, Seq.I * 2.0 FROM Seq");
  }
};

ListCatalog& catalog() {
  static ListCatalog c;
  return c;
}

void BM_GetListDao(benchmark::State& state) {
  const std::string folder = catalog().folder.path().string() + "/";
  ::setenv("ZEPT_DATA_PATH", folder.c_str(), 1);
  ::setenv("ZEPT_APP_PATH", folder.c_str(), 1);
  ZEPTEnvAppSet settings;
  setCFG(&settings);
  ZEPTDBList list;
  if (!list.setListDB(L"Bench")) state.SkipWithError("the list catalog did not open");
  DtArray<double> values;
  DtArray<double> data;
  for (auto _ : state) {
    data.setLogicalLength(0);
    list.getList(values, true, DtDb::kMetric, &data);
    benchmark::DoNotOptimize(values.length());
  }
  setCFG(nullptr);
}

void BM_GetListRaw(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(("file:" + catalog().path + "?immutable=1").c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                  nullptr);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, "SELECT DISTINCT * FROM List ORDER BY Value", -1, &stmt, nullptr);
  std::vector<double> values;
  std::vector<double> data;
  for (auto _ : state) {
    values.clear();
    data.clear();
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      if (sqlite3_column_type(stmt, 0) != SQLITE_FLOAT || sqlite3_column_type(stmt, 1) != SQLITE_FLOAT) continue;
      values.push_back(sqlite3_column_double(stmt, 0));
      data.push_back(sqlite3_column_double(stmt, 1));
    }
    sqlite3_reset(stmt);
    benchmark::DoNotOptimize(values.size());
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}

BENCHMARK(BM_GetListDao)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetListRaw)->Unit(benchmark::kMillisecond);

const bool declared = [] {
  zept::bench::declareRatio("getList, 10,000 entries, sorted, with data", "BM_GetListDao", "BM_GetListRaw");
  return true;
}();

}  // namespace
