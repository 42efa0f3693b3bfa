// SPDX-License-Identifier: MIT
// Selecting a catalog again and reading a record, and reading the same
// record again, against raw SQLite that keeps its connection and statement
// open: the bundled EURO catalog, HEB 300 (its shape type's script, no
// contour to convert). The reselect closes the catalog and opens it again as
// ZEPTMDBAnalyser does; the repeated read asks for one size over and over,
// as a CAD model asks for the few sizes it uses.
#include <cstdlib>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "database/ZEPTDBProfile.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/settings/ZEPTEnvAppSet.h"

namespace {

#ifdef ZEPT_BUNDLED_DATA_DIR

constexpr char kEuro[] = ZEPT_BUNDLED_DATA_DIR "/EUROpro.mdb";
// The accessor's statement for HEB 300.
constexpr wchar_t kHeb300[] =
    L"SELECT * FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE WHERE "
    L"(((Shape.NAME)=\"HEB\") AND ((Shape.DIM1)=300) AND ((Shape.DIM2)=0) AND ((Shape.DIM3)=0));";

// setProfileDB names the catalog by its short name, so each call closes the
// open one and opens it again.
void BM_ReselectAndReadHeb300(benchmark::State& state) {
  zept::bench::BundledSettings settings;
  ZEPTDBProfile profile;
  ZEPTDBProfileData record;
  for (auto _ : state) {
    if (!profile.setProfileDB(L"EURO") || !profile.getProfileData(L"HEB", L"300", &record))
      state.SkipWithError("not read");
    benchmark::DoNotOptimize(record.sx);
  }
}

// The accessor's statement opened again through CDaoRecordset, every
// column read by position as the raw side reads them.
void BM_RepeatedRecordsetHeb300(benchmark::State& state) {
  CDaoDatabase db;
  db.Open(zept::fromUtf8(kEuro).c_str(), false, true);
  CDaoRecordset rs(&db);
  COleVariant v;
  double sum = 0;
  for (auto _ : state) {
    rs.Open(dbOpenSnapshot, kHeb300);
    if (rs.IsEOF()) state.SkipWithError("no such size");
    for (short c = 0, n = rs.GetFieldCount(); c < n; ++c) {
      rs.GetFieldValue(c, v);
      sum += v.vt;
    }
    rs.Close();
  }
  benchmark::DoNotOptimize(sum);
}

// The read alone: the statement opened again and its row reached.
void BM_RepeatedLookupHeb300(benchmark::State& state) {
  CDaoDatabase db;
  db.Open(zept::fromUtf8(kEuro).c_str(), false, true);
  CDaoRecordset rs(&db);
  for (auto _ : state) {
    rs.Open(dbOpenSnapshot, kHeb300);
    if (rs.IsEOF()) state.SkipWithError("no such size");
    rs.Close();
  }
}

// Raw SQLite's side, BM_ProfileRecordRawHeb300, is in ZEPTMDBAnalyser_bench.
BENCHMARK(BM_ReselectAndReadHeb300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepeatedRecordsetHeb300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepeatedLookupHeb300)->Unit(benchmark::kMicrosecond);

const bool declared = [] {
  zept::bench::declareRatio("reselect EURO + getProfileData HEB 300 / raw kept open", "BM_ReselectAndReadHeb300",
                            "BM_ProfileRecordRawHeb300");
  zept::bench::declareRatio("recordset HEB 300 again, every column / raw lookup", "BM_RepeatedRecordsetHeb300",
                            "BM_ProfileRecordRawHeb300");
  zept::bench::declareRatio("recordset HEB 300 again, row reached / raw lookup", "BM_RepeatedLookupHeb300",
                            "BM_ProfileRecordRawHeb300");
  return true;
}();

#endif  // ZEPT_BUNDLED_DATA_DIR

}  // namespace
