// SPDX-License-Identifier: MIT
// Genuine Access files: every table of the largest public sample read
// through CDaoRecordset (the first open, which runs the reading process, and
// a later one, which finds the cached image) against mdb-export printing the
// same tables; and a catalog lookup on the in-memory image against the same
// lookup on the native copy zeptcat import would write.
//
// The samples are the tests' (tests/samples/access), or those of
// $ZEPT_MDB_SAMPLES; without any these benchmarks are not registered.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>

#include "BenchSupport.h"
#include "platform/core/Utf8.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/JetFile.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The samples, largest first.
std::vector<fs::path> samples() {
  std::error_code ec;
  std::vector<fs::path> dirs;
  if (char const* env = std::getenv("ZEPT_MDB_SAMPLES"); env && *env) dirs.emplace_back(env);
  const fs::path root = ZEPT_SOURCE_DIR;
  dirs.push_back(root / "tests" / "samples" / "access");
  std::vector<fs::path> out;
  for (auto const& dir : dirs) {
    if (!fs::is_directory(dir, ec)) continue;
    for (auto const& e : fs::directory_iterator(dir))
      if (e.path().extension() == ".mdb") out.push_back(e.path());
    std::sort(out.begin(), out.end(), [](auto const& a, auto const& b) { return fs::file_size(a) > fs::file_size(b); });
    break;
  }
  return out;
}

std::vector<std::wstring> userTables(CDaoDatabase& db) {
  std::vector<std::wstring> tables;
  for (short i = 0; i < db.GetTableDefCount(); ++i) {
    CDaoTableDefInfo info;
    db.GetTableDefInfo(i, info);
    if (!(info.m_lAttributes & dbSystemObject)) tables.push_back(info.m_strName.str());
  }
  return tables;
}

struct Sample {
  fs::path file;
  std::wstring name;
  std::vector<std::wstring> tables;
  zept::bench::ScratchFolder folder;
  // A keyed select on the first column of the first table with rows (of the
  // largest sample that has one), on the genuine file and its native copy.
  std::wstring lookupFile, lookupNative, lookup;

  explicit Sample(std::vector<fs::path> const& all) : file(all.front()), name(zept::fromUtf8(file.string())) {
    CDaoDatabase db;
    db.Open(name.c_str(), false, true);
    tables = userTables(db);
    for (auto const& f : all) {
      CDaoDatabase other;
      other.Open(zept::fromUtf8(f.string()).c_str(), false, true);
      for (auto const& table : userTables(other)) {
        CDaoRecordset rs(&other);
        rs.Open(dbOpenSnapshot, (L"SELECT * FROM [" + table + L"]").c_str());
        if (rs.IsEOF()) continue;
        CDaoFieldInfo field;
        rs.GetFieldInfo(0, field);
        const COleVariant key = rs.GetFieldValue(0);
        lookup = L"SELECT * FROM [" + table + L"] WHERE [" + field.m_strName.str() + L"] = " +
                 (key.vt == VT_BSTR ? L"\"" + key.text().str() + L"\"" : key.toDisplayString().str());
        lookupFile = zept::fromUtf8(f.string());
        const auto image = zept::dao::readJetImage(f.string(), f.string(), {});
        const fs::path copy = folder.path() / "native.mdb";
        std::ofstream(copy, std::ios::binary)
            .write(reinterpret_cast<char const*>(image->bytes.data()),
                   static_cast<std::streamsize>(image->bytes.size()));
        lookupNative = zept::fromUtf8(copy.string());
        return;
      }
    }
  }
};

Sample* sample() {
  static std::optional<Sample> s = [] {
    auto all = samples();
    return all.empty() ? std::nullopt : std::optional<Sample>(std::in_place, all);
  }();
  return s ? &*s : nullptr;
}

void readEveryTable(CDaoDatabase& db, Sample const& s, double& sum) {
  for (auto const& table : s.tables) {
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, (L"SELECT * FROM [" + table + L"]").c_str());
    for (; !rs.IsEOF(); rs.MoveNext())
      for (short i = 0; i < rs.GetFieldCount(); ++i) sum += rs.GetFieldValue(i).toDouble();
  }
}

void BM_GenuineFirstOpenReadAll(benchmark::State& state) {
  Sample& s = *sample();
  double sum = 0;
  for (auto _ : state) {
    zept::dao::clearJetImageCache();
    CDaoDatabase db;
    db.Open(s.name.c_str(), false, true);
    readEveryTable(db, s, sum);
  }
  benchmark::DoNotOptimize(sum);
}

void BM_GenuineCachedOpenReadAll(benchmark::State& state) {
  Sample& s = *sample();
  double sum = 0;
  for (auto _ : state) {
    CDaoDatabase db;
    db.Open(s.name.c_str(), false, true);
    readEveryTable(db, s, sum);
  }
  benchmark::DoNotOptimize(sum);
}

void BM_MdbExportAll(benchmark::State& state) {
  Sample& s = *sample();
  const std::string file = s.file.string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    for (auto const& table : s.tables) {
      std::string name = zept::toUtf8(table);
      char* argv[] = {const_cast<char*>("mdb-export"), const_cast<char*>(file.c_str()), name.data(), nullptr};
      pid_t pid = 0;
      if (posix_spawnp(&pid, "mdb-export", &actions, nullptr, argv, environ) != 0) {
        state.SkipWithError("mdb-export cannot be run");
        break;
      }
      int status = 0;
      waitpid(pid, &status, 0);
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

void lookups(benchmark::State& state, std::wstring const& file) {
  Sample& s = *sample();
  if (s.lookup.empty()) {
    state.SkipWithError("no sample table has rows");
    return;
  }
  CDaoDatabase db;
  db.Open(file.c_str(), false, true);
  double sum = 0;
  for (auto _ : state) {
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, s.lookup.c_str());
    for (short i = 0; i < rs.GetFieldCount(); ++i) sum += rs.GetFieldValue(i).toDouble();
  }
  benchmark::DoNotOptimize(sum);
}

void BM_LookupGenuineImage(benchmark::State& state) { lookups(state, sample()->lookupFile); }
void BM_LookupNativeCopy(benchmark::State& state) { lookups(state, sample()->lookupNative); }

const bool registered = [] {
  if (samples().empty()) return false;
  // One unit for the three: the ratios compare their times as reported.
  benchmark::RegisterBenchmark("BM_GenuineFirstOpenReadAll", BM_GenuineFirstOpenReadAll)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_GenuineCachedOpenReadAll", BM_GenuineCachedOpenReadAll)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_MdbExportAll", BM_MdbExportAll)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_LookupGenuineImage", BM_LookupGenuineImage)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_LookupNativeCopy", BM_LookupNativeCopy)->Unit(benchmark::kMicrosecond);
  zept::bench::declareRatio("largest sample, first open, every table", "BM_GenuineFirstOpenReadAll",
                            "BM_MdbExportAll");
  zept::bench::declareRatio("largest sample, cached open, every table", "BM_GenuineCachedOpenReadAll",
                            "BM_MdbExportAll");
  zept::bench::declareRatio("lookup, in-memory image vs native copy", "BM_LookupGenuineImage", "BM_LookupNativeCopy");
  return true;
}();

}  // namespace
