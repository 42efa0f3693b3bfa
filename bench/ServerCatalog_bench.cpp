// SPDX-License-Identifier: MIT
// The bundled EURO catalog published to a throw-away PostgreSQL server
// (scripts/pg-cluster.sh) and read through a data folder naming it, against
// raw libpq asking the server the same with one prepared statement: a whole
// size by name and dimensions, every size's key in a shuffled order, and
// the dimension list of one name. Wall time: the raw side waits on the
// server, which its own CPU time does not show. Also what a select costs
// (the generations' round trip and the reopen) and a whole fetch of EURO.
#if defined(ZEPT_BENCH_POSTGRES) && defined(ZEPT_BUNDLED_DATA_DIR)

#include <libpq-fe.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "database/ZEPTDBProfile.h"
#include "platform/core/Utf8.h"
#include "platform/dao/ServerFolder.h"

namespace {

constexpr char kEuro[] = ZEPT_BUNDLED_DATA_DIR "/EUROpro.mdb";

struct Key {
  std::string name, d1, d2, d3;
  std::wstring dims;
};

// The server, EURO published on it, the settings naming it, and every key.
struct Server {
  zept::bench::ScratchFolder scratch;
  std::string uri, error;
  std::vector<Key> keys;
  std::unique_ptr<ZEPTEnvAppSet> settings;

  Server() {
    const std::string script = std::string(ZEPT_SOURCE_DIR) + "/scripts/pg-cluster.sh";
    const std::string start =
        "'" + script + "' start '" + scratch.path().string() + "/pg' " + std::to_string(::getpid());
    FILE* p = ::popen((start + " 2>&1").c_str(), "r");
    char buf[512];
    std::string out;
    while (p && std::fgets(buf, sizeof buf, p)) out += buf;
    if (!p || ::pclose(p) != 0 || out.rfind("postgresql://", 0) != 0) {
      error = "no server: " + out;
      return;
    }
    uri = out.substr(0, out.find('\n'));
    try {
      zept::dao::prepareCatalogServer(uri);
      zept::dao::publishToServer(uri, "EUROpro", kEuro);
    } catch (std::exception const& e) {
      error = e.what();
      return;
    }
    ::setenv("XDG_CACHE_HOME", (scratch.path().string() + "/cache").c_str(), 1);
    ::setenv("ZEPT_DATA_PATH", uri.c_str(), 1);
    ::setenv("ZEPT_APP_PATH", (scratch.path().string() + "/app/").c_str(), 1);
    settings = std::make_unique<ZEPTEnvAppSet>();
    setCFG(settings.get());

    sqlite3* db = zept::bench::openRawImmutable(kEuro);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT NAME, DIM1, DIM2, DIM3 FROM Shape", -1, &st, nullptr);
    while (st && sqlite3_step(st) == SQLITE_ROW) {
      Key k{reinterpret_cast<char const*>(sqlite3_column_text(st, 0)), {}, {}, {}, {}};
      const double d[3] = {sqlite3_column_double(st, 1), sqlite3_column_double(st, 2), sqlite3_column_double(st, 3)};
      for (int i = 0; i < 3; ++i) (i == 0 ? k.d1 : i == 1 ? k.d2 : k.d3) = std::to_string(d[i]);
      k.dims = ZEPTDBBaseData::DimsToString(d[0], d[1], d[2]).str();
      keys.push_back(std::move(k));
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
  }
  ~Server() {
    setCFG(nullptr);
    const std::string script = std::string(ZEPT_SOURCE_DIR) + "/scripts/pg-cluster.sh";
    if (std::system(("'" + script + "' stop '" + scratch.path().string() + "/pg' >/dev/null 2>&1").c_str()) != 0)
      std::fprintf(stderr, "pg-cluster.sh stop failed\n");
  }
};

Server* server(benchmark::State& state) {
  static Server s;
  if (!s.error.empty()) {
    state.SkipWithError(s.error.c_str());
    return nullptr;
  }
  return &s;
}

void BM_ServerProfileData(benchmark::State& state) {
  Server* s = server(state);
  if (!s) return;
  ZEPTDBProfile profile;
  if (!profile.setProfileDB(L"EURO")) return state.SkipWithError("EURO not selected");
  ZEPTDBProfileData r;
  std::size_t i = 0;
  for (auto _ : state) {
    Key const& k = s->keys[i++ % s->keys.size()];
    if (!profile.getProfileData(zept::fromUtf8(k.name).c_str(), k.dims.c_str(), &r)) state.SkipWithError("not read");
    benchmark::DoNotOptimize(r.iy);
  }
}

// The same row from the server: every column's text turned into a number
// where the accessor has one.
void BM_ServerProfileDataRawLibpq(benchmark::State& state) {
  Server* s = server(state);
  if (!s) return;
  PGconn* c = PQconnectdb(s->uri.c_str());
  PGresult* prepared = PQprepare(c, "size",
                                 "SELECT * FROM \"EUROpro\".\"Shape\" LEFT JOIN \"EUROpro\".\"Section\" ON "
                                 "\"Shape\".\"SHAPE_TYPE\" = \"Section\".\"SHAPE_TYPE\" WHERE \"NAME\" = $1 AND "
                                 "\"DIM1\" = $2::float8 AND \"DIM2\" = $3::float8 AND \"DIM3\" = $4::float8",
                                 4, nullptr);
  PQclear(prepared);
  std::size_t i = 0;
  double sum = 0;
  for (auto _ : state) {
    Key const& k = s->keys[i++ % s->keys.size()];
    char const* values[4] = {k.name.c_str(), k.d1.c_str(), k.d2.c_str(), k.d3.c_str()};
    PGresult* r = PQexecPrepared(c, "size", 4, values, nullptr, nullptr, 0);
    if (PQresultStatus(r) != PGRES_TUPLES_OK || PQntuples(r) < 1) state.SkipWithError("not read");
    for (int col = 0, n = PQnfields(r); col < n; ++col) sum += std::atof(PQgetvalue(r, 0, col));
    PQclear(r);
  }
  benchmark::DoNotOptimize(sum);
  PQfinish(c);
}

void BM_ServerDimList(benchmark::State& state) {
  Server* s = server(state);
  if (!s) return;
  ZEPTDBProfile profile;
  if (!profile.setProfileDB(L"EURO")) return state.SkipWithError("EURO not selected");
  CStringArray dims;
  for (auto _ : state) {
    if (!profile.getProfileDimList(L"HEB", dims, -1)) state.SkipWithError("not read");
    benchmark::DoNotOptimize(dims.GetSize());
  }
}

void BM_ServerDimListRawLibpq(benchmark::State& state) {
  Server* s = server(state);
  if (!s) return;
  PGconn* c = PQconnectdb(s->uri.c_str());
  PQclear(PQprepare(c, "dims",
                    "SELECT \"DIM1\", \"DIM2\", \"DIM3\" FROM \"EUROpro\".\"Shape\" WHERE \"NAME\" = $1 "
                    "ORDER BY \"DIM1\", \"DIM2\", \"DIM3\"",
                    1, nullptr));
  char const* values[1] = {"HEB"};
  std::vector<std::string> out;
  for (auto _ : state) {
    PGresult* r = PQexecPrepared(c, "dims", 1, values, nullptr, nullptr, 0);
    out.clear();
    for (int row = 0, n = PQntuples(r); row < n; ++row)
      out.push_back(std::string(PQgetvalue(r, row, 0)) + "x" + PQgetvalue(r, row, 1));
    PQclear(r);
    benchmark::DoNotOptimize(out.data());
  }
  PQfinish(c);
}

// A select of an unchanged catalog: the generations' round trip, then the
// catalog opened again (a short name closes and reopens it every time).
void BM_ServerReselect(benchmark::State& state) {
  if (!server(state)) return;
  ZEPTDBProfile profile;
  for (auto _ : state)
    if (!profile.setProfileDB(L"EURO")) state.SkipWithError("EURO not selected");
}

void BM_ServerFetchEuro(benchmark::State& state) {
  Server* s = server(state);
  if (!s) return;
  const std::string target = s->scratch.path().string() + "/fetched.mdb";
  for (auto _ : state) zept::dao::fetchFromServer(s->uri, "EUROpro", target);
}

BENCHMARK(BM_ServerProfileData)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerProfileDataRawLibpq)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerDimList)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerDimListRawLibpq)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerReselect)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ServerFetchEuro)->UseRealTime()->Unit(benchmark::kMillisecond);

const bool kRatios = [] {
  zept::bench::declareRatio("server catalog: one size by name and dimensions", "BM_ServerProfileData/real_time",
                            "BM_ServerProfileDataRawLibpq/real_time", true);
  zept::bench::declareRatio("server catalog: the dimension list of HEB", "BM_ServerDimList/real_time",
                            "BM_ServerDimListRawLibpq/real_time", true);
  return true;
}();

}  // namespace

#endif
