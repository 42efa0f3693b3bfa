// SPDX-License-Identifier: MIT
// ZEPTDBList::getList over lists of 1,000, 10,000 and 100,000 entries
// against raw SQLite (immutable open, one prepared statement) running the
// same query and reading the same two columns, in the same run.
#include <sqlite3.h>

#include <cstdlib>
#include <map>

#include "BenchSupport.h"
#include "database/ZEPTDBList.h"
#include "platform/core/Utf8.h"
#include "platform/settings/ZEPTEnvAppSet.h"

namespace {

zept::bench::ScratchFolder& folder() {
  static zept::bench::ScratchFolder f;
  return f;
}

std::string listFolder() { return (folder().path() / "lists").string() + "/"; }

// "Bench<entries>List.mdb", made once per run, unsorted on disk so that
// sorting is real work on both sides.
std::string const& catalog(int entries) {
  static std::map<int, std::string> made;
  std::string& path = made[entries];
  if (!path.empty()) return path;
  std::filesystem::create_directories(listFolder());
  path = listFolder() + "Bench" + std::to_string(entries) + "List.mdb";
  {
    CDaoDatabase db;
    db.Create(zept::fromUtf8(path).c_str());
    db.Execute(L"CREATE TABLE List (Value DOUBLE, Data DOUBLE)");
  }
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  const std::string n = std::to_string(entries);
  const std::string fill = "WITH RECURSIVE seq(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM seq WHERE i + 1 < " + n +
                           ") INSERT INTO List (Value, Data) SELECT ((i * 7919) % " + n +
                           ") * 0.5, i * 2.0 FROM seq";
  sqlite3_exec(db, fill.c_str(), nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return path;
}

void BM_GetListDao(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  catalog(entries);
  ::setenv("ZEPT_DATA_PATH", listFolder().c_str(), 1);
  ::setenv("ZEPT_APP_PATH", listFolder().c_str(), 1);
  ZEPTEnvAppSet settings;
  setCFG(&settings);
  {
    ZEPTDBList list;
    if (!list.setListDB(CString::fromUtf8("Bench" + std::to_string(entries))))
      state.SkipWithError("the list catalog did not open");
    DtArray<double> values;
    DtArray<double> data;
    for (auto _ : state) {
      data.setLogicalLength(0);
      list.getList(values, true, DtDb::kMetric, &data);
      benchmark::DoNotOptimize(values.length());
    }
  }
  setCFG(nullptr);
}

void BM_GetListRaw(benchmark::State& state) {
  sqlite3* db = zept::bench::openRawImmutable(catalog(static_cast<int>(state.range(0))));
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

void entryCounts(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_GetListDao)->Apply(entryCounts);
BENCHMARK(BM_GetListRaw)->Apply(entryCounts);

const bool declared = [] {
  for (char const* entries : {"1000", "10000", "100000"})
    zept::bench::declareRatio(std::string("getList sorted with data, ") + entries + " entries",
                              std::string("BM_GetListDao/") + entries, std::string("BM_GetListRaw/") + entries);
  return true;
}();

}  // namespace
