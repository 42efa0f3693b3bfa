// SPDX-License-Identifier: MIT
// The hatch engine on loops of 10 to 10,000 segments, 8 pixels between lines.
// "ring": a circle of N arcs, so every line crosses two segments whatever N
// is; "comb": N segments of teeth that every line crosses about N / 2 times.
// Counters: lines per evaluation, segments crossed per line, time per line
// and per crossing. Cutting and sorting the loop is paid once per
// evaluation; the "-4px" runs give what each further line costs, which
// should follow the crossings, not N.
#include <cmath>
#include <numbers>
#include <set>

#include "BenchSupport.h"
#include "platform/host/DtDbHatch.h"

namespace {

void ring(DtGePoint2dArray& pts, DtGeDoubleArray& bulges, int n) {
  double const step = 2.0 * std::numbers::pi / n;
  for (int i = 0; i < n; ++i) {
    pts.append({400.0 + 300.0 * std::cos(i * step), 400.0 + 300.0 * std::sin(i * step)});
    bulges.append(std::tan(step / 4.0));
  }
}

// Teeth 600 pixels high along x; the hatch lines run along x too.
void comb(DtGePoint2dArray& pts, DtGeDoubleArray& bulges, int n) {
  int const teeth = std::max(1, (n - 2) / 4);
  double const pitch = 600.0 / teeth;
  for (int t = 0; t < teeth; ++t) {
    double const x = 100.0 + t * pitch;
    pts.append({x, 100.0});
    pts.append({x, 700.0});
    pts.append({x + pitch * 0.5, 700.0});
    pts.append({x + pitch * 0.5, 100.0});
  }
  pts.append({700.0, 100.0});
  pts.append({700.0, 50.0});
  pts.append({100.0, 50.0});
  for (int i = 0; i < pts.length(); ++i) bulges.append(0.0);
}

template <void (*Make)(DtGePoint2dArray&, DtGeDoubleArray&, int), int Space = 8>
void BM_Hatch(benchmark::State& state) {
  DtGePoint2dArray pts, starts, ends;
  DtGeDoubleArray bulges;
  Make(pts, bulges, static_cast<int>(state.range(0)));
  DtDbHatch hatch;
  hatch.appendLoop(DtDbHatch::kExternal, pts, bulges);
  hatch.setPatternSpace(Space);
  hatch.setPatternAngle(0.0);
  for (auto _ : state) {
    hatch.evaluateHatch();
    hatch.getHatchLinesData(starts, ends);
    benchmark::DoNotOptimize(starts.length());
  }
  std::set<double> rows;
  for (auto const& p : starts) rows.insert(p.y);
  double const lines = static_cast<double>(rows.size());
  double const crossings = 2.0 * hatch.numHatchLines();
  using C = benchmark::Counter;
  state.counters["segments"] = static_cast<double>(pts.length());
  if (lines == 0) return;
  state.counters["lines"] = lines;
  state.counters["crossed/line"] = crossings / lines;
  state.counters["t/line"] = C(lines, C::kIsIterationInvariantRate | C::kInvert);
  state.counters["t/crossing"] = C(crossings, C::kIsIterationInvariantRate | C::kInvert);
}

BENCHMARK(BM_Hatch<ring>)->Name("DtDbHatch/ring")->RangeMultiplier(10)->Range(10, 10000);
BENCHMARK(BM_Hatch<comb>)->Name("DtDbHatch/comb")->RangeMultiplier(10)->Range(10, 10000);
// Twice the lines: the difference to the runs above, divided by the extra
// lines, is what one more line costs.
BENCHMARK(BM_Hatch<ring, 4>)->Name("DtDbHatch/ring-4px")->RangeMultiplier(10)->Range(10, 10000);
BENCHMARK(BM_Hatch<comb, 4>)->Name("DtDbHatch/comb-4px")->RangeMultiplier(10)->Range(10, 10000);

}  // namespace
