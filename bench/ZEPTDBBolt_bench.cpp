// SPDX-License-Identifier: MIT
// Fastener catalogs against raw SQLite doing the same work in the same run
// (immutable opens, prepared statements reused where the work allows): one
// bolt by diameter and length, every size of the bundled ISO 4017 catalog
// visited in a shuffled order; every record of that catalog; and the
// bolt-catalog list, which reads the standards catalog and opens each
// listed catalog, checks its tables and reads its unit.
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "BenchSupport.h"
#include "database/ZEPTDBBolt.h"
#include "platform/settings/ZEPTEnvAppSet.h"

#ifdef ZEPT_BUNDLED_DATA_DIR

namespace {

std::string dataFolder() { return std::string(ZEPT_BUNDLED_DATA_DIR) + "/"; }

sqlite3* openImmutable(std::string const& file) { return zept::bench::openRawImmutable(dataFolder() + file); }

constexpr char kBoltColumns[] =
    "SELECT DISTINCT BoltsTypes.Id, Bolts.Diameter, Bolts.Symbol, Shanks.Lenght, BoltsTypes.ThreadLenght, "
    "Materials.Symbol, Bolts.TextComment FROM Shanks INNER JOIN (Materials INNER JOIN (Bolts INNER JOIN BoltsTypes "
    "ON Bolts.Id = BoltsTypes.BoltId) ON Materials.Id = BoltsTypes.MaterialId) ON Shanks.Id = BoltsTypes.ShankId ";

struct BoltRow {
  int id;
  double diameter, length, thread;
  std::string symbol, material, comment;
};

BoltRow boltRow(sqlite3_stmt* stmt) {
  auto text = [&](int i) {
    auto const* p = reinterpret_cast<char const*>(sqlite3_column_text(stmt, i));
    return p ? std::string(p) : std::string();
  };
  return {sqlite3_column_int(stmt, 0), sqlite3_column_double(stmt, 1), sqlite3_column_double(stmt, 3),
          sqlite3_column_double(stmt, 4), text(2), text(5), text(6)};
}

// Every (diameter, length) of ISO 4017, shuffled once.
std::vector<std::pair<double, double>> const& boltSizes() {
  static std::vector<std::pair<double, double>> sizes = [] {
    std::vector<std::pair<double, double>> all;
    sqlite3* db = openImmutable("Bolts_ISO4017.mdb");
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT DISTINCT Bolts.Diameter, Shanks.Lenght FROM Shanks INNER JOIN (Bolts INNER JOIN "
                       "BoltsTypes ON Bolts.Id = BoltsTypes.BoltId) ON Shanks.Id = BoltsTypes.ShankId",
                       -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW)
      all.emplace_back(sqlite3_column_double(stmt, 0), sqlite3_column_double(stmt, 1));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    std::shuffle(all.begin(), all.end(), std::mt19937(4017u));
    return all;
  }();
  return sizes;
}

// The next size each side visits. The order goes on from run to run, so a
// size comes back only after every other, as in one long sweep: what the
// library keeps of repeated reads never serves these first reads.
std::size_t nextLibrary = 0, nextRaw = 0;

void BM_BoltDataDao(benchmark::State& state) {
  auto const& sizes = boltSizes();
  zept::bench::BundledSettings settings;
  ZEPTDBBolt bolts;
  if (sizes.empty() || !bolts.setBoltDB(L"ISO4017")) state.SkipWithError("the bundled ISO 4017 catalog did not open");
  ZEPTDBBoltData bolt;
  std::size_t& i = nextLibrary;
  for (auto _ : state) {
    auto const& [diameter, length] = sizes[i++ % sizes.size()];
    if (!bolts.getBoltData(diameter, length, DtDb::kMetric, &bolt)) state.SkipWithError("no such bolt");
    benchmark::DoNotOptimize(bolt.threadLength);
  }
}

// The first row of the same statement, with the key bound.
void BM_BoltDataRaw(benchmark::State& state) {
  auto const& sizes = boltSizes();
  sqlite3* db = openImmutable("Bolts_ISO4017.mdb");
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, (std::string(kBoltColumns) + "WHERE Bolts.Diameter = ?1 AND Shanks.Lenght = ?2").c_str(), -1,
                     &stmt, nullptr);
  if (!stmt || sizes.empty()) state.SkipWithError("the bundled ISO 4017 catalog did not open");
  std::size_t& i = nextRaw;
  for (auto _ : state) {
    auto const& [diameter, length] = sizes[i++ % sizes.size()];
    sqlite3_bind_double(stmt, 1, diameter);
    sqlite3_bind_double(stmt, 2, length);
    if (sqlite3_step(stmt) != SQLITE_ROW) state.SkipWithError("no such bolt");
    BoltRow row = boltRow(stmt);
    sqlite3_reset(stmt);
    benchmark::DoNotOptimize(row.thread);
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}

void BM_WholeBoltDataDao(benchmark::State& state) {
  zept::bench::BundledSettings settings;
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
  sqlite3* db = openImmutable("Bolts_ISO4017.mdb");
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(
      db, (std::string(kBoltColumns) + "ORDER BY Bolts.Diameter, Shanks.Lenght, BoltsTypes.ThreadLenght").c_str(), -1,
      &stmt, nullptr);
  std::vector<BoltRow> rows;
  for (auto _ : state) {
    rows.clear();
    while (sqlite3_step(stmt) == SQLITE_ROW) rows.push_back(boltRow(stmt));
    sqlite3_reset(stmt);
    benchmark::DoNotOptimize(rows.size());
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}

void BM_BoltDBListDao(benchmark::State& state) {
  zept::bench::BundledSettings settings;
  ZEPTDBBolt bolts;
  CStringArray names;
  for (auto _ : state) {
    bolts.getBoltDBList(names, nullptr);
    benchmark::DoNotOptimize(names.GetSize());
  }
  state.counters["catalogs"] = names.GetSize();
}

bool rawHasTables(sqlite3* db, char const* sql, int expected) {
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
  const bool ok = sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int(stmt, 0) == expected;
  sqlite3_finalize(stmt);
  return ok;
}

// What the library does, raw: open the standards catalog and check its
// table, read the distinct bolt file names, and for each one find the file
// whatever the case of the stored name, open it, check its four tables and
// read its unit (as selecting a bolt catalog does), close it.
void BM_BoltDBListRaw(benchmark::State& state) {
  std::vector<std::string> names;
  for (auto _ : state) {
    names.clear();
    std::map<std::string, std::string> files;  // upper-case name -> file
    for (auto const& entry : std::filesystem::directory_iterator(dataFolder())) {
      std::string file = entry.path().filename().string();
      std::string upper = file;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      files.emplace(std::move(upper), std::move(file));
    }
    sqlite3* standards = openImmutable("BoltsNutsWashers.mdb");
    if (!standards ||
        !rawHasTables(standards, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'Bolts' COLLATE "
                                 "NOCASE",
                      1)) {
      state.SkipWithError("the standards catalog did not open");
      sqlite3_close(standards);
      break;
    }
    sqlite3_stmt* list = nullptr;
    sqlite3_prepare_v2(standards, "SELECT DISTINCT BoltStand FROM Bolts", -1, &list, nullptr);
    while (sqlite3_step(list) == SQLITE_ROW) {
      auto const* text = reinterpret_cast<char const*>(sqlite3_column_text(list, 0));
      if (!text) break;
      std::string upper = text;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      auto file = files.find(upper);
      if (file == files.end()) continue;
      sqlite3* db = openImmutable(file->second);
      if (db && rawHasTables(db,
                             "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('BoltsTypes', "
                             "'Bolts', 'Shanks', 'Materials')",
                             4)) {
        sqlite3_stmt* unit = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT Unit FROM Descriptions WHERE \"Table\" = 'Bolts' AND Field = 'Diameter'", -1,
                           &unit, nullptr);
        if (unit && sqlite3_step(unit) == SQLITE_ROW) benchmark::DoNotOptimize(sqlite3_column_text(unit, 0));
        sqlite3_finalize(unit);
        names.push_back(upper.substr(6, upper.size() - 10));
      }
      sqlite3_close(db);
    }
    sqlite3_finalize(list);
    sqlite3_close(standards);
    benchmark::DoNotOptimize(names.data());
  }
  state.counters["catalogs"] = static_cast<double>(names.size());
}

BENCHMARK(BM_BoltDataDao)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoltDataRaw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeBoltDataDao)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeBoltDataRaw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoltDBListDao)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoltDBListRaw)->Unit(benchmark::kMicrosecond);

const bool declared = [] {
  zept::bench::declareRatio("getBoltData, ISO 4017, every size shuffled", "BM_BoltDataDao", "BM_BoltDataRaw");
  zept::bench::declareRatio("getWholeBoltData, ISO 4017", "BM_WholeBoltDataDao", "BM_WholeBoltDataRaw");
  zept::bench::declareRatio("getBoltDBList, bundled catalogs", "BM_BoltDBListDao", "BM_BoltDBListRaw");
  return true;
}();

}  // namespace

#endif
