// SPDX-License-Identifier: MIT
// Profile catalogs of 1,000, 10,000 and 100,000 sizes (20 sizes per name, so
// more rows mean more names) against raw SQLite running the same query on
// the same file in the same run (immutable open, one prepared statement):
// one whole record by name and dimensions, and the dimension texts of one
// name. Keys are every size of the catalog in a shuffled order, so no row
// stays hot; every fourth size carries its own KORVA contour, read apart
// from the others. A repeated read of one size shows what a CAD model asking
// for the same size again pays. The catalogs are generated in the older
// layout without Section and brought up to date by selecting them, as a user
// catalog would be; that conversion also adds the size index. The same
// lookup on a catalog without the index shows what the index is for.
#include <sqlite3.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "RawProfileRecord.h"
#include "ShapeTable.h"
#include "database/ZEPTDBProfile.h"
#include "platform/core/Utf8.h"
#include "platform/settings/ZEPTEnvAppSet.h"

namespace {

constexpr int kSizesPerName = 20;

using zept::bench::shapeTable;

void execute(CDaoDatabase& db, std::string const& sql) { db.Execute(zept::fromUtf8(sql).c_str()); }

// Size k of a catalog: name "P<k / 20>", DIM1 from 100 up in steps of 10,
// every other size with a second dimension.
struct Size {
  std::string name;
  double dim1, dim2;
  std::wstring dims;  // as the caller passes it
};

Size sizeOf(int k) {
  Size s{"P", 100.0 + 10 * (k % kSizesPerName), (k % 2) ? 50.0 : 0.0, {}};
  s.name += std::to_string(k / kSizesPerName);
  s.dims = ZEPTDBBaseData::DimsToString(s.dim1, s.dim2, 0).str();
  return s;
}

// Every fourth size has a contour of its own: a rectangle as wide as the
// size and as high as its name's number, in the new grammar with its unit.
bool hasContour(int k) { return k % 4 == 3; }

std::string contourOf(int k) {
  const Size s = sizeOf(k);
  const std::string w = std::to_string(static_cast<int>(s.dim1));
  const std::string h = std::to_string(10 + k / kSizesPerName);
  return "\"mm\" ( ( (S ( (L 0 0) (L " + w + " 0) (L " + w + " " + h + ") (L 0 " + h + ") ) 0 ( ) ) ) )";
}

void fillRows(std::string const& path, int rows) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO Shape (NAME, DIM1, DIM2, DIM3, SHAPE_TYPE, MASS, H, B, EA, ES, RA, IY, IZ, "
                     "MATERIALS, HAS_MATS, IS_THIN, SYMBOL) VALUES (?1, ?2, ?3, 0, ?4, ?5, ?2, ?6, 5.6, 8.5, 12, 1e7, "
                     "1e6, 'S235', 0, 0, ?7)",
                     -1, &insert, nullptr);
  for (int k = 0; k < rows; ++k) {
    const Size s = sizeOf(k);
    sqlite3_bind_text(insert, 1, s.name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_double(insert, 2, s.dim1);
    sqlite3_bind_double(insert, 3, s.dim2);
    sqlite3_bind_int(insert, 4, 1 + k % 3);
    sqlite3_bind_double(insert, 5, s.dim1 * 0.11);
    sqlite3_bind_double(insert, 6, s.dim1 / 2);
    if (hasContour(k))
      sqlite3_bind_text(insert, 7, contourOf(k).c_str(), -1, SQLITE_TRANSIENT);
    else
      sqlite3_bind_null(insert, 7);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

// The data folder of every generated catalog, with the template the
// conversion reads.
struct Folder {
  zept::bench::ScratchFolder scratch;
  std::string path = (scratch.path() / "profiles").string() + "/";
  Folder() {
    std::filesystem::create_directories(path);
    CDaoDatabase db;
    db.Create(zept::fromUtf8(path + "PDLScripts.mdb").c_str());
    execute(db, "CREATE TABLE PDLScripts (ID COUNTER, SHAPE_TYPE SHORT, PDL_SCRIPT MEMO, IS_SYMMETRIC YESNO)");
    for (int type = 1; type <= 3; ++type)
      execute(db, "INSERT INTO PDLScripts (SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (" + std::to_string(type) +
                      ", \"StartContour(-B/2,-H/2,ext);LineTo(B/2,-H/2);LineTo(B/2,H/2);LineTo(-B/2,H/2);\", True)");
  }
};

Folder& folder() {
  static Folder f;
  return f;
}

class Settings {
 public:
  Settings() {
    ::setenv("ZEPT_DATA_PATH", folder().path.c_str(), 1);
    ::setenv("ZEPT_APP_PATH", folder().path.c_str(), 1);
    m_settings = std::make_unique<ZEPTEnvAppSet>();
    setCFG(m_settings.get());
  }
  ~Settings() { setCFG(nullptr); }

 private:
  std::unique_ptr<ZEPTEnvAppSet> m_settings;
};

// "GEN<rows>" converted on first selection (with the index), "RAW<rows>"
// made current directly (without it). Made once per run.
std::string catalog(int rows, bool indexed) {
  static std::map<std::pair<int, bool>, std::string> made;
  auto& name = made[{rows, indexed}];
  if (!name.empty()) return name;
  name = (indexed ? "GEN" : "RAW") + std::to_string(rows);
  const std::string path = folder().path + name + "pro.mdb";
  {
    CDaoDatabase db;
    db.Create(zept::fromUtf8(path).c_str());
    execute(db, shapeTable());
    if (!indexed) {
      execute(db, "CREATE TABLE Section (ID COUNTER, SHAPE_TYPE SHORT, PDL_SCRIPT MEMO, IS_SYMMETRIC YESNO)");
      execute(db, "INSERT INTO Section (SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (1, \"LineTo(H,B);\", True)");
    }
  }
  fillRows(path, rows);
  if (indexed) {
    Settings settings;
    ZEPTDBProfile profile;
    profile.setProfileDB(CString::fromUtf8(name));
  }
  return name;
}

// Which sizes a benchmark visits: every size of the catalog with (or
// without) a contour, in one shuffled order, the same for both sides.
enum class Visit { Plain, Contoured, Same };

struct Keys {
  std::vector<Size> sizes;
  std::vector<CString> names;
  std::vector<CString> dims;
  // The next size each side visits. The order goes on from run to run, so
  // a size comes back only after every other, as in one long sweep: what
  // the library keeps of repeated reads never serves a first read.
  std::size_t nextLibrary = 0, nextRaw = 0;
};

Keys& keys(int rows, Visit visit) {
  static std::map<std::pair<int, Visit>, Keys> made;
  Keys& k = made[{rows, visit}];
  if (!k.sizes.empty()) return k;
  std::vector<int> picked;
  for (int i = 0; i < rows; ++i)
    if (hasContour(i) == (visit == Visit::Contoured)) picked.push_back(i);
  std::shuffle(picked.begin(), picked.end(), std::mt19937(20240611u + static_cast<unsigned>(rows)));
  if (visit == Visit::Same) picked.resize(1);
  for (int i : picked) {
    k.sizes.push_back(sizeOf(i));
    k.names.push_back(CString::fromUtf8(k.sizes.back().name));
    k.dims.push_back(CString(k.sizes.back().dims.c_str()));
  }
  return k;
}

// The accessor on a selected generated catalog.
struct Selected {
  Selected(benchmark::State& state, bool indexed)
      : rows(static_cast<int>(state.range(0))), name(catalog(rows, indexed)) {
    if (!profile.setProfileDB(CString::fromUtf8(name))) state.SkipWithError("the catalog did not open");
  }
  int rows;
  std::string name;  // made before the settings that find it are installed
  Settings settings;
  ZEPTDBProfile profile;
};

void profileData(benchmark::State& state, bool indexed, Visit visit) {
  Keys& k = keys(static_cast<int>(state.range(0)), visit);
  Selected on(state, indexed);
  ZEPTDBProfileData record;
  std::size_t& i = k.nextLibrary;
  for (auto _ : state) {
    const std::size_t at = i++ % k.sizes.size();
    if (!on.profile.getProfileData(k.names[at], k.dims[at], &record)) state.SkipWithError("no such size");
    benchmark::DoNotOptimize(record.mass);
  }
}

void BM_ProfileDataDao(benchmark::State& state) { profileData(state, true, Visit::Plain); }
void BM_ProfileDataDaoNoIndex(benchmark::State& state) { profileData(state, false, Visit::Plain); }
void BM_ProfileDataContourDao(benchmark::State& state) { profileData(state, true, Visit::Contoured); }
void BM_ProfileDataSameDao(benchmark::State& state) { profileData(state, true, Visit::Same); }

sqlite3* openRaw(int rows) {
  sqlite3* db = zept::bench::openRawImmutable(folder().path + catalog(rows, true) + "pro.mdb");
  return db;
}

// The same join and every column read, texts as UTF-8.
void profileDataRaw(benchmark::State& state, Visit visit) {
  const int rows = static_cast<int>(state.range(0));
  Keys& k = keys(rows, visit);
  auto const& sizes = k.sizes;
  sqlite3* db = openRaw(rows);
  {
    zept::bench::RawProfileRecord record(db);
    std::size_t& i = k.nextRaw;
    for (auto _ : state) {
      const Size& s = sizes[i++ % sizes.size()];
      record.read(state, s.name, s.dim1, s.dim2);
    }
  }
  sqlite3_close(db);
}

void BM_ProfileDataRaw(benchmark::State& state) { profileDataRaw(state, Visit::Plain); }
void BM_ProfileDataContourRaw(benchmark::State& state) { profileDataRaw(state, Visit::Contoured); }
void BM_ProfileDataSameRaw(benchmark::State& state) { profileDataRaw(state, Visit::Same); }

void BM_ProfileDimListDao(benchmark::State& state) {
  auto const& names = keys(static_cast<int>(state.range(0)), Visit::Plain).names;
  Selected on(state, true);
  CStringArray dims;
  std::size_t i = 0;
  for (auto _ : state) {
    on.profile.getProfileDimList(names[i++ % names.size()], dims, -1);
    benchmark::DoNotOptimize(dims.GetSize());
  }
}

// The same query, each size written as a dimension text.
void BM_ProfileDimListRaw(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  auto const& sizes = keys(rows, Visit::Plain).sizes;
  sqlite3* db = openRaw(rows);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, "SELECT DIM1, DIM2, DIM3 FROM Shape WHERE NAME = ?1 ORDER BY DIM1, DIM2, DIM3", -1, &stmt,
                     nullptr);
  std::vector<std::string> dims;
  std::size_t i = 0;
  for (auto _ : state) {
    sqlite3_bind_text(stmt, 1, sizes[i++ % sizes.size()].name.c_str(), -1, SQLITE_TRANSIENT);
    dims.clear();
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      char text[96];
      std::snprintf(text, sizeof text, "%.15gx%.15gx%.15g", sqlite3_column_double(stmt, 0),
                    sqlite3_column_double(stmt, 1), sqlite3_column_double(stmt, 2));
      dims.emplace_back(text);
    }
    sqlite3_reset(stmt);
    benchmark::DoNotOptimize(dims.data());
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
}

void rowCounts(benchmark::internal::Benchmark* b) { b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond); }

BENCHMARK(BM_ProfileDataRaw)->Apply(rowCounts);
BENCHMARK(BM_ProfileDataDao)->Apply(rowCounts);
BENCHMARK(BM_ProfileDataDaoNoIndex)->Apply(rowCounts);
BENCHMARK(BM_ProfileDataContourRaw)->Apply(rowCounts);
BENCHMARK(BM_ProfileDataContourDao)->Apply(rowCounts);
BENCHMARK(BM_ProfileDataSameRaw)->Apply(rowCounts);
BENCHMARK(BM_ProfileDataSameDao)->Apply(rowCounts);
BENCHMARK(BM_ProfileDimListRaw)->Apply(rowCounts);
BENCHMARK(BM_ProfileDimListDao)->Apply(rowCounts);

const bool declared = [] {
  for (char const* rows : {"1000", "10000", "100000"}) {
    const std::string arg = std::string("/") + rows;
    zept::bench::declareRatio(std::string("getProfileData, ") + rows + " rows", "BM_ProfileDataDao" + arg,
                              "BM_ProfileDataRaw" + arg);
    zept::bench::declareRatio(std::string("getProfileData with contour, ") + rows + " rows",
                              "BM_ProfileDataContourDao" + arg, "BM_ProfileDataContourRaw" + arg);
    zept::bench::declareRatio(std::string("getProfileData same size again, ") + rows + " rows",
                              "BM_ProfileDataSameDao" + arg, "BM_ProfileDataSameRaw" + arg);
    zept::bench::declareRatio(std::string("getProfileDimList, ") + rows + " rows", "BM_ProfileDimListDao" + arg,
                              "BM_ProfileDimListRaw" + arg);
  }
  return true;
}();

}  // namespace
