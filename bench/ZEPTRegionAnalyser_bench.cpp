// SPDX-License-Identifier: MIT
// The region analyser on one region of 10 to 10,000 edges: a plate whose
// outline alternates straight edges and shallow arcs round a circle, with a
// square hole. Each run walks the boundary, builds the contours, unites the
// region with nothing else and takes its area properties, so the cost should
// grow about linearly with the edges; the record run adds writing the KORVA
// text and the shape script.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbRegion.h"
#include "section/ZEPTRegionAnalyser.h"

namespace {

std::unique_ptr<DtDbRegion> regionOf(DtDbEntity* curve) {
  std::unique_ptr<DtDbEntity> owned(curve);
  DtArray<DtDbEntity*> curves;
  curves.append(curve);
  DtArray<DtDbRegion*> made;
  if (DtDbRegion::createFromCurves(curves, made) != Dt::eOk || made.length() != 1) return nullptr;
  return std::unique_ptr<DtDbRegion>(made[0]);
}

// `edges` edges in all: edges - 4 round the outline, 4 round the hole.
std::unique_ptr<DtDbRegion> plate(int edges) {
  int const n = edges - 4;
  auto* outline = new DtDbPolyline;
  for (int i = 0; i < n; ++i) {
    double const a = 2 * std::numbers::pi * i / n;
    outline->addVertexAt(i, DtGePoint2d(1000 * std::cos(a), 1000 * std::sin(a)), i % 2 ? 0.05 : 0.0, -1, -1);
  }
  outline->setClosed(true);
  auto* square = new DtDbPolyline;
  for (auto const& p : {DtGePoint2d(-100, -100), DtGePoint2d(100, -100), DtGePoint2d(100, 100), DtGePoint2d(-100, 100)})
    square->addVertexAt(square->numVerts(), p, 0, -1, -1);
  square->setClosed(true);
  auto region = regionOf(outline);
  auto hole = regionOf(square);
  if (region && hole) region->booleanOper(DtDb::kBoolSubtract, hole.get());
  return region;
}

void run(benchmark::State& state, bool record) {
  auto const region = plate(static_cast<int>(state.range(0)));
  if (!region) return state.SkipWithError("region not made");
  DtArray<DtDbRegion*> regions;
  regions.append(region.get());
  ZEPTCrossSection cs;
  ZEPTRegionAnalyser analyser;
  analyser.attachSection(&cs);
  ZEPTDBProfileData data;
  for (auto _ : state) {
    cs.removeAllSections();
    if (analyser.setDefinition(regions, record ? &data : nullptr) != 0) return state.SkipWithError("not analysed");
    benchmark::DoNotOptimize(cs.numSections());
  }
  state.SetComplexityN(state.range(0));
}

void BM_RegionAnalyser(benchmark::State& state) { run(state, false); }
void BM_RegionAnalyserWithRecord(benchmark::State& state) { run(state, true); }

}  // namespace

BENCHMARK(BM_RegionAnalyser)->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMicrosecond)->Complexity();
BENCHMARK(BM_RegionAnalyserWithRecord)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
