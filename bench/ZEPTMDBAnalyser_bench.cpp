// SPDX-License-Identifier: MIT
// Cross-sections from catalogs and KORVA texts. ZEPTMDBAnalyser builds IPE
// 300 of the bundled EURO catalog (the catalog selected again on the same
// accessor, the record read, its KORVA contour turned into a script, the
// script read into the model) against raw SQLite reading the same record in
// the same run with its connection kept open; HEB 300 takes its shape
// type's script directly. Selecting and reading alone shows where the time
// goes, against a raw program that keeps its connection (and one that opens
// the file for every read); reading alone, on a catalog selected once,
// shows what the contour costs over a scripted size. The KORVA parser reads
// generated definitions of one contour of 1,000 to 100,000 segments, which
// should grow linearly.
#include <sqlite3.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "RawProfileRecord.h"
#include "platform/settings/ZEPTEnvAppSet.h"
#include "section/ZEPTKORVAAnalyser.h"
#include "section/ZEPTMDBAnalyser.h"

namespace {

#ifdef ZEPT_BUNDLED_DATA_DIR

void mdbSection(benchmark::State& state, wchar_t const* name, wchar_t const* dims) {
  zept::bench::BundledSettings settings;
  ZEPTCrossSection cs;
  ZEPTMDBAnalyser analyser;
  analyser.attachSection(&cs);
  ZEPTDBProfileData record;
  for (auto _ : state) {
    if (analyser.setDefinition(L"EURO", name, dims, DtDb::kMetric, &record) != 0) state.SkipWithError("not built");
    benchmark::DoNotOptimize(cs.numSections());
  }
}

// What every setDefinition does before it builds: select the catalog again
// on the same accessor and read the record.
void BM_SelectAndReadIpe300(benchmark::State& state) {
  zept::bench::BundledSettings settings;
  ZEPTDBProfile profile;
  ZEPTDBProfileData record;
  for (auto _ : state) {
    if (!profile.setProfileDB(L"EURO") || !profile.getProfileData(L"IPE", L"300", &record))
      state.SkipWithError("not read");
    benchmark::DoNotOptimize(record.sx);
  }
}

// Reading alone, the catalog selected once: IPE 300 carries a contour,
// HEB 300 takes its shape type's script.
void profileData(benchmark::State& state, wchar_t const* name, wchar_t const* dims) {
  zept::bench::BundledSettings settings;
  ZEPTDBProfile profile;
  ZEPTDBProfileData record;
  if (!profile.setProfileDB(L"EURO")) state.SkipWithError("the bundled EURO catalog did not open");
  for (auto _ : state) {
    if (!profile.getProfileData(name, dims, &record)) state.SkipWithError("not read");
    benchmark::DoNotOptimize(record.sx);
  }
}

void BM_ProfileDataIpe300(benchmark::State& state) { profileData(state, L"IPE", L"300"); }
void BM_ProfileDataHeb300(benchmark::State& state) { profileData(state, L"HEB", L"300"); }

void BM_MDBAnalyserIpe300(benchmark::State& state) { mdbSection(state, L"IPE", L"300"); }
void BM_MDBAnalyserHeb300(benchmark::State& state) { mdbSection(state, L"HEB", L"300"); }

// The record's join with every column read, texts as UTF-8.
void BM_ProfileRecordRawIpe300(benchmark::State& state) {
  sqlite3* db = zept::bench::openRawImmutable(ZEPT_BUNDLED_DATA_DIR "/EUROpro.mdb");
  {
    zept::bench::RawProfileRecord record(db);
    std::string const name = "IPE";
    for (auto _ : state) record.read(state, name, 300, 0);
  }
  sqlite3_close(db);
}

void BM_ProfileRecordRawHeb300(benchmark::State& state) {
  sqlite3* db = zept::bench::openRawImmutable(ZEPT_BUNDLED_DATA_DIR "/EUROpro.mdb");
  {
    zept::bench::RawProfileRecord record(db);
    std::string const name = "HEB";
    for (auto _ : state) record.read(state, name, 300, 0);
  }
  sqlite3_close(db);
}

// A raw program that opens the catalog for each read: open, prepare, read,
// close.
void BM_ReopenAndReadRawIpe300(benchmark::State& state) {
  std::string const name = "IPE";
  for (auto _ : state) {
    sqlite3* db = zept::bench::openRawImmutable(ZEPT_BUNDLED_DATA_DIR "/EUROpro.mdb");
    {
      zept::bench::RawProfileRecord record(db);
      record.read(state, name, 300, 0);
    }
    sqlite3_close(db);
  }
}

BENCHMARK(BM_ProfileRecordRawIpe300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProfileRecordRawHeb300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReopenAndReadRawIpe300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProfileDataIpe300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProfileDataHeb300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectAndReadIpe300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MDBAnalyserIpe300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MDBAnalyserHeb300)->Unit(benchmark::kMicrosecond);

const bool declared = [] {
  zept::bench::declareRatio("getProfileData IPE 300 (contour) / raw record", "BM_ProfileDataIpe300",
                            "BM_ProfileRecordRawIpe300");
  zept::bench::declareRatio("getProfileData HEB 300 (script) / raw record", "BM_ProfileDataHeb300",
                            "BM_ProfileRecordRawHeb300");
  zept::bench::declareRatio("select again + read IPE 300 / raw kept open", "BM_SelectAndReadIpe300",
                            "BM_ProfileRecordRawIpe300");
  zept::bench::declareRatio("select again + read IPE 300 / raw reopen", "BM_SelectAndReadIpe300",
                            "BM_ReopenAndReadRawIpe300");
  zept::bench::declareRatio("MDB analyser IPE 300 / raw record", "BM_MDBAnalyserIpe300", "BM_ProfileRecordRawIpe300");
  zept::bench::declareRatio("MDB analyser HEB 300 / raw record", "BM_MDBAnalyserHeb300", "BM_ProfileRecordRawHeb300");
  return true;
}();

#endif  // ZEPT_BUNDLED_DATA_DIR

// One solid of `segments` segments round a circle of radius 1000, every
// fourth an arc, written as the new grammar writes it.
std::wstring korvaText(int segments) {
  std::wstring text = L"\"mm\" ( ( (S ( ";
  double const step = 2 * 3.141592653589793 / segments;
  wchar_t item[128];
  for (int i = 0; i < segments; ++i) {
    double const a = i * step;
    if (i % 4 == 3)
      std::swprintf(item, 128, L"(A 0 0 1000 %.6f %.6f) ", a, step);
    else
      std::swprintf(item, 128, L"(L %.4f %.4f) ", 1000 * std::cos(a), 1000 * std::sin(a));
    text += item;
  }
  return text + L") 0 ( ) ) ) )";
}

void BM_KorvaParser(benchmark::State& state) {
  std::wstring const text = korvaText(static_cast<int>(state.range(0)));
  ZEPTCrossSection cs;
  ZEPTKORVAAnalyser parser;
  parser.attachSection(&cs);
  for (auto _ : state) {
    if (parser.setDefinition(text.c_str(), 0, 0, 0) != 0) state.SkipWithError("did not read");
    benchmark::DoNotOptimize(cs.numSections());
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_KorvaParser)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

}  // namespace
