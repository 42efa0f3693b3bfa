// SPDX-License-Identifier: MIT
// createFromCurves and union over 1 to 100 regions: the cost a region
// analyser pays before it walks any boundary. Two layouts: a row of
// overlapping discs (every union cuts two circles at two points) and a row
// of plates with round holes touching along their edges (every union cancels
// a shared side). The counter "edges" is the number of input edges.
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbLine.h"
#include "platform/host/DtDbRegion.h"

namespace {

using Curves = std::vector<std::unique_ptr<DtDbEntity>>;

void addSquare(Curves& curves, double x0, double y0, double side) {
  DtGePoint3d const p[4] = {{x0, y0, 0}, {x0 + side, y0, 0}, {x0 + side, y0 + side, 0}, {x0, y0 + side, 0}};
  for (int i = 0; i < 4; ++i) curves.push_back(std::make_unique<DtDbLine>(p[i], p[(i + 1) % 4]));
}

std::unique_ptr<DtDbRegion> regionOf(Curves const& curves) {
  DtArray<DtDbEntity*> in;
  for (auto const& c : curves) in.append(c.get());
  DtArray<DtDbRegion*> made;
  DtDbRegion::createFromCurves(in, made);
  for (int i = 1; i < made.length(); ++i) delete made[i];
  return std::unique_ptr<DtDbRegion>(made.length() > 0 ? made[0] : new DtDbRegion());
}

// Each shape is an outline and optionally a hole; the regions are made,
// holed and united into the first, as the region analyser unites them.
struct Shape {
  Curves outline, hole;
};

double createAndUnite(std::vector<Shape> const& shapes) {
  std::vector<std::unique_ptr<DtDbRegion>> regions;
  for (auto const& s : shapes) {
    regions.push_back(regionOf(s.outline));
    if (!s.hole.empty()) regions.back()->booleanOper(DtDb::kBoolSubtract, regionOf(s.hole).get());
  }
  DtDbRegion uni(*regions.front());
  for (std::size_t i = 1; i < regions.size(); ++i) {
    DtDbRegion next(*regions[i]);
    uni.booleanOper(DtDb::kBoolUnite, &next);
  }
  double area = 0;
  uni.getArea(area);
  return area;
}

std::unique_ptr<DtDbEntity> disc(double x, double y, double r) {
  return std::make_unique<DtDbCircle>(DtGePoint3d(x, y, 0), DtGeVector3d::kZAxis, r);
}

void BM_UniteOverlappingDiscs(benchmark::State& state) {
  int const n = static_cast<int>(state.range(0));
  std::vector<Shape> shapes(n);
  for (int i = 0; i < n; ++i) shapes[i].outline.push_back(disc(15.0 * i, 0, 10.0));
  for (auto _ : state) benchmark::DoNotOptimize(createAndUnite(shapes));
  state.counters["edges"] = n;
}

void BM_UniteTouchingPlatesWithHoles(benchmark::State& state) {
  int const n = static_cast<int>(state.range(0));
  std::vector<Shape> shapes(n);
  for (int i = 0; i < n; ++i) {
    addSquare(shapes[i].outline, 100.0 * i, 0, 100.0);
    shapes[i].hole.push_back(disc(100.0 * i + 50, 50, 20.0));
  }
  for (auto _ : state) benchmark::DoNotOptimize(createAndUnite(shapes));
  state.counters["edges"] = 5 * n;
}

BENCHMARK(BM_UniteOverlappingDiscs)->Arg(1)->Arg(3)->Arg(10)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UniteTouchingPlatesWithHoles)->Arg(1)->Arg(3)->Arg(10)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
