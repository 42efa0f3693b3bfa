// SPDX-License-Identifier: MIT
// Shared pieces of the benchmarks: a scratch folder, and a main() that runs
// every benchmark and then prints each declared "library / raw" pair.
//
// A pair compares the medians of CPU time per iteration over the
// repetitions (5 by default, interleaved at random, so a slow moment of a
// shared machine falls on both sides alike). CPU time, not wall time: the
// benchmarks are single-threaded and a busy neighbour stretches wall time
// only.
#pragma once

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/settings/ZEPTEnvAppSet.h"

namespace zept::bench {

// The raw engine at its best on a catalog nobody changes: immutable (no
// locks, no journal checks) and without SQLite's per-call mutex, which the
// library's own connections do not take either. Null when the file does not
// open.
inline sqlite3* openRawImmutable(std::string const& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(("file:" + path + "?immutable=1").c_str(), &db,
                      SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return nullptr;
  }
  return db;
}

class ScratchFolder {
 public:
  ScratchFolder() {
    m_path = std::filesystem::temp_directory_path() / ("zept-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_path);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  std::filesystem::path const& path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

struct Ratio {
  std::string label;
  std::string ours;
  std::string raw;
  bool wall = false;  // wall time: a side that waits on a server spends little CPU
};

inline std::vector<Ratio>& ratios() {
  static std::vector<Ratio> all;
  return all;
}

// `ours` and `raw` are benchmark names as reported, without the repetition
// suffix ("BM_ProfileDataDao/1000").
inline void declareRatio(std::string label, std::string ours, std::string raw, bool wall = false) {
  ratios().push_back({std::move(label), std::move(ours), std::move(raw), wall});
}

// Collects the CPU seconds per iteration of every repetition while the
// console reporter prints as usual. When only aggregates reach the reporter
// (aggregates-only display), their median stands for the repetitions.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(std::vector<Run> const& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (auto const& r : runs) {
      if (r.error_occurred) continue;
      benchmark::BenchmarkName name = r.run_name;
      name.repetitions.clear();
      const std::string key = name.str();
      const double toSeconds = 1.0 / benchmark::GetTimeUnitMultiplier(r.time_unit);
      if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
        m_samples[key].push_back(r.cpu_accumulated_time / static_cast<double>(r.iterations));
        m_samples["wall " + key].push_back(r.real_accumulated_time / static_cast<double>(r.iterations));
      } else if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median" &&
                 r.aggregate_unit == benchmark::StatisticUnit::kTime) {
        m_medians[key] = r.GetAdjustedCPUTime() * toSeconds;
        m_medians["wall " + key] = r.GetAdjustedRealTime() * toSeconds;
      }
    }
  }

  // The median CPU (or `wall`) seconds per iteration of `name`, or a
  // negative number when it did not run.
  double median(std::string const& benchmarkName, bool wall = false) const {
    const std::string name = wall ? "wall " + benchmarkName : benchmarkName;
    if (auto m = m_medians.find(name); m != m_medians.end()) return m->second;
    auto s = m_samples.find(name);
    if (s == m_samples.end() || s->second.empty()) return -1;
    std::vector<double> v = s->second;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  }

 private:
  std::map<std::string, std::vector<double>> m_samples;
  std::map<std::string, double> m_medians;
};

// A time with the unit that keeps it readable.
inline std::string formatSeconds(double s) {
  char text[32];
  if (s >= 1e-1)
    std::snprintf(text, sizeof text, "%.3g s", s);
  else if (s >= 1e-4)
    std::snprintf(text, sizeof text, "%.3g ms", s * 1e3);
  else
    std::snprintf(text, sizeof text, "%.3g us", s * 1e6);
  return text;
}

inline void printRatios(RatioReporter const& reporter) {
  bool header = false;
  for (auto const& r : ratios()) {
    const double ours = reporter.median(r.ours, r.wall);
    const double raw = reporter.median(r.raw, r.wall);
    if (ours < 0 || raw <= 0) continue;
    if (!header) {
      std::printf("\n%-60s %12s %12s %8s\n", "pair (CPU-time medians)", "library", "raw", "ratio");
      header = true;
    }
    std::printf("%-60s %12s %12s %7.2fx\n", (r.wall ? r.label + " (wall)" : r.label).c_str(),
                formatSeconds(ours).c_str(), formatSeconds(raw).c_str(), ours / raw);
  }
}

// Runs the benchmarks with repetitions unless the command line sets them:
// defaults go first, so any flag given later wins.
inline int runAndReport(int argc, char** argv) {
  std::vector<char*> args{argv[0]};
  static char repetitions[] = "--benchmark_repetitions=5";
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  static char aggregates[] = "--benchmark_display_aggregates_only=true";
  static char minTime[] = "--benchmark_min_time=0.05";
  for (char* flag : {repetitions, interleave, aggregates, minTime}) args.push_back(flag);
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&count, args.data());
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  printRatios(reporter);
  benchmark::Shutdown();
  return 0;
}

#ifdef ZEPT_BUNDLED_DATA_DIR
// Installs settings whose folders are the bundled catalogs for one scope.
class BundledSettings {
 public:
  BundledSettings() {
    ::setenv("ZEPT_DATA_PATH", ZEPT_BUNDLED_DATA_DIR "/", 1);
    ::setenv("ZEPT_APP_PATH", ZEPT_BUNDLED_DATA_DIR "/", 1);
    m_settings = std::make_unique<ZEPTEnvAppSet>();
    setCFG(m_settings.get());
  }
  ~BundledSettings() { setCFG(nullptr); }

 private:
  std::unique_ptr<ZEPTEnvAppSet> m_settings;
};
#endif

}  // namespace zept::bench
