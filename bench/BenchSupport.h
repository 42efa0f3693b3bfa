// Shared pieces of the benchmarks: a scratch folder, and a main() that runs
// every benchmark and then prints each "ours / raw" ratio that was declared.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zept::bench {

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
};

inline std::vector<Ratio>& ratios() {
  static std::vector<Ratio> all;
  return all;
}

inline void declareRatio(std::string label, std::string ours, std::string raw) {
  ratios().push_back({std::move(label), std::move(ours), std::move(raw)});
}

// Records per-benchmark times while the console reporter prints as usual.
// A benchmark run with repetitions is represented by the median of its CPU
// times, which one slow repetition on a shared machine does not move.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(std::vector<Run> const& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (auto const& r : runs) {
      benchmark::BenchmarkName name = r.run_name;
      name.repetitions.clear();  // a ratio names the benchmark without it
      std::string const key = name.str();
      if (r.run_type == Run::RT_Iteration && r.iterations > 0 && !medians.count(key))
        times[key] = r.GetAdjustedRealTime();
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
        medians.insert(key);
        times[key] = r.GetAdjustedCPUTime();
      }
    }
  }
  std::map<std::string, double> times;
  std::set<std::string> medians;
};

inline int runAndReport(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (auto const& r : ratios()) {
    auto o = reporter.times.find(r.ours);
    auto w = reporter.times.find(r.raw);
    if (o == reporter.times.end() || w == reporter.times.end() || w->second <= 0) continue;
    std::printf("ratio %-44s %6.2f x raw\n", r.label.c_str(), o->second / w->second);
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace zept::bench
