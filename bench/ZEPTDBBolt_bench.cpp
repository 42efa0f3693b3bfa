// Fastener catalogs against raw SQLite doing the same work in the same run:
// every record of the bundled ISO 4017 bolt catalog, and the bolt-catalog
// list, which opens each listed catalog and checks its tables.
#include <sqlite3.h>

#include <cstdlib>
#include <string>

#include "BenchSupport.h"
#include "database/ZEPTDBBolt.h"
#include "platform/settings/ZEPTEnvAppSet.h"

#ifdef ZEPT_BUNDLED_DATA_DIR

namespace {

std::string dataFolder() { return std::string(ZEPT_BUNDLED_DATA_DIR) + "/"; }

// Installs settings whose folders are the bundled catalogs for one scope.
class BundledSettings {
 public:
  BundledSettings() {
    ::setenv("ZEPT_DATA_PATH", dataFolder().c_str(), 1);
    ::setenv("ZEPT_APP_PATH", dataFolder().c_str(), 1);
    m_settings = std::make_unique<ZEPTEnvAppSet>();
    setCFG(m_settings.get());
  }
  ~BundledSettings() { setCFG(nullptr); }

 private:
  std::unique_ptr<ZEPTEnvAppSet> m_settings;
};

void BM_WholeBoltDataDao(benchmark::State& state) {
  BundledSettings settings;
  ZEPTDBBolt bolts;
  if (!bolts.setBoltDB(L"ISO4017")) state.SkipWithError("the bundled ISO 4017 catalog did not open");
  DtArray<ZEPTDBBoltData> records;
  for (auto _ : state) {
    records.setLogicalLength(0);
    bolts.getWholeBoltData(records, DtDb::kMetric, -1);
    benchmark::DoNotOptimize(records.length());
  }
}

void BM_WholeBoltDataRaw(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(("file:" + dataFolder() + "Bolts_ISO4017.mdb?immutable=1").c_str(), &db,
                  SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db,
                     "SELECT DISTINCT BoltsTypes.Id, Bolts.Diameter, Bolts.Symbol, Shanks.Lenght, "
                     "BoltsTypes.ThreadLenght, Materials.Symbol, Bolts.TextComment FROM Shanks INNER JOIN (Materials "
                     "INNER JOIN (Bolts INNER JOIN BoltsTypes ON Bolts.Id = BoltsTypes.BoltId) ON Materials.Id = "
                     "BoltsTypes.MaterialId) ON Shanks.Id = BoltsTypes.ShankId ORDER BY Bolts.Diameter, Shanks.Lenght, "
                     "BoltsTypes.ThreadLenght",
                     -1, &stmt, nullptr);
  struct Row {
    int id;
    double diameter, length, thread;
    std::string symbol, material, comment;
  };
  std::vector<Row> rows;
  auto text = [&](int i) {
    auto const* p = reinterpret_cast<char const*>(sqlite3_column_text(stmt, i));
    return p ? std::string(p) : std::string();
  };
  for (auto _ : state) {
    rows.clear();
    while (sqlite3_step(stmt) == SQLITE_ROW)
      rows.push_back({sqlite3_column_int(stmt, 0), sqlite3_column_double(stmt, 1), sqlite3_column_double(stmt, 3),
                      sqlite3_column_double(stmt, 4), text(2), text(5), text(6)});
    sqlite3_reset(stmt);
    benchmark::DoNotOptimize(rows.size());
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}

// Reported per listed catalog, so both sides count the same unit of work.
void BM_BoltDBListDao(benchmark::State& state) {
  BundledSettings settings;
  ZEPTDBBolt bolts;
  CStringArray names;
  for (auto _ : state) {
    bolts.getBoltDBList(names, nullptr);
    benchmark::DoNotOptimize(names.GetSize());
  }
  state.SetItemsProcessed(state.iterations() * names.GetSize());
  state.counters["catalogs"] = names.GetSize();
}

// The raw equivalent per catalog: open it read-only, check the four tables,
// close it — for the same catalogs the library lists.
void BM_BoltDBListRaw(benchmark::State& state) {
  const char* files[] = {"Bolts_ISO4017.mdb", "Bolts_ISO4014.mdb", "Bolts_EN14399.mdb", "Bolts_A325.mdb"};
  for (auto _ : state) {
    for (auto const* file : files) {
      sqlite3* db = nullptr;
      sqlite3_open_v2((dataFolder() + file).c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
      sqlite3_stmt* stmt = nullptr;
      sqlite3_prepare_v2(db,
                         "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                         "('BoltsTypes', 'Bolts', 'Shanks', 'Materials')",
                         -1, &stmt, nullptr);
      sqlite3_step(stmt);
      benchmark::DoNotOptimize(sqlite3_column_int(stmt, 0));
      sqlite3_finalize(stmt);
      sqlite3_close(db);
    }
  }
  state.SetItemsProcessed(state.iterations() * 4);
}

BENCHMARK(BM_WholeBoltDataDao)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeBoltDataRaw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoltDBListDao)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoltDBListRaw)->Unit(benchmark::kMicrosecond);

const bool declared = [] {
  zept::bench::declareRatio("getWholeBoltData, bundled ISO 4017", "BM_WholeBoltDataDao", "BM_WholeBoltDataRaw");
  zept::bench::declareRatio("getBoltDBList, 4 catalogs listed", "BM_BoltDBListDao", "BM_BoltDBListRaw");
  return true;
}();

}  // namespace

#endif
