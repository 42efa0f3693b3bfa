// SPDX-License-Identifier: MIT
// A drawing made into its section, the whole way (DXF read, loops, nesting,
// holes cut, regions analysed): a plate with N round holes on a 50 mm grid,
// and N separate square parts side by side. Beside it the read of the same
// file alone, the floor no pipeline gets under; the ratio of the two
// medians shows what the geometry costs per loop, and the fitted complexity
// how it grows.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/host/DtDbDatabase.h"
#include "section/DrawingSection.h"

namespace {

std::string header() { return "0\nSECTION\n2\nHEADER\n9\n$MEASUREMENT\n70\n1\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"; }

std::string rectangle(double x0, double y0, double x1, double y1) {
  std::string text = "0\nLWPOLYLINE\n8\n0\n90\n4\n70\n1\n";
  for (auto const& [x, y] : {std::pair{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}})
    text += "10\n" + std::to_string(x) + "\n20\n" + std::to_string(y) + "\n";
  return text;
}

// A file per shape and size, made once per process in the temporary folder.
std::string drawing(bool parts, int n) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("zept-bench-" + std::to_string(::getpid()) + (parts ? "-parts-" : "-holes-") + std::to_string(n) + ".dxf");
  if (std::filesystem::exists(path)) return path.string();
  const int side = static_cast<int>(std::ceil(std::sqrt(n)));
  std::string text = header();
  if (parts) {
    for (int i = 0; i < n; ++i) text += rectangle(50.0 * (i % side), 50.0 * (i / side), 50.0 * (i % side) + 40, 50.0 * (i / side) + 40);
  } else {
    text += rectangle(0, 0, 50.0 * side, 50.0 * side);
    for (int i = 0; i < n; ++i)
      text += "0\nCIRCLE\n8\n0\n10\n" + std::to_string(25 + 50 * (i % side)) + "\n20\n" +
              std::to_string(25 + 50 * (i / side)) + "\n40\n10\n";
  }
  text += "0\nENDSEC\n0\nEOF\n";
  std::ofstream(path) << text;
  return path.string();
}

struct Cleanup {
  ~Cleanup() {
    std::error_code ec;
    for (auto const& e : std::filesystem::directory_iterator(std::filesystem::temp_directory_path(), ec))
      if (e.path().filename().string().starts_with("zept-bench-" + std::to_string(::getpid()) + "-"))
        std::filesystem::remove(e.path(), ec);
  }
} const cleanup;

void section(benchmark::State& state, bool parts) {
  const CString path = CString::fromUtf8(drawing(parts, static_cast<int>(state.range(0))));
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(zept::section::sectionOfDrawing(path).section.numSections());
    } catch (std::exception const& e) {
      return state.SkipWithError(e.what());
    }
  }
  state.SetComplexityN(state.range(0));
}

void readOnly(benchmark::State& state, bool parts) {
  const CString path = CString::fromUtf8(drawing(parts, static_cast<int>(state.range(0))));
  for (auto _ : state) {
    DtDbDatabase db(false, true);
    if (db.readDxfFile(path) != Dt::eOk) return state.SkipWithError("not read");
    benchmark::DoNotOptimize(db.modelSpace().size());
  }
  state.SetComplexityN(state.range(0));
}

void BM_DrawingSectionHoles(benchmark::State& state) { section(state, false); }
void BM_DrawingReadHoles(benchmark::State& state) { readOnly(state, false); }
void BM_DrawingSectionParts(benchmark::State& state) { section(state, true); }
void BM_DrawingReadParts(benchmark::State& state) { readOnly(state, true); }

}  // namespace

BENCHMARK(BM_DrawingSectionHoles)->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_DrawingReadHoles)->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_DrawingSectionParts)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingReadParts)->Arg(1000)->Unit(benchmark::kMillisecond);
