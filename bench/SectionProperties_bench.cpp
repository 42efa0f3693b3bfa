// SPDX-License-Identifier: MIT
// The whole set of section values (closed forms, then the finite-element
// values on a mesh of the exact boundary) for catalog sizes of the bundled
// EURO catalog, built once outside the timing: a rolled I with root fillets
// (IPE 300, HEB 300), an angle (L 100x100x10), a hollow section with
// rounded corners (SHS 100x100x5). IPE 300 runs again at refinement 0.5 and
// 0.25 for the cost of accuracy; the counters give the torsion constant and
// the mesh.
//
// Generated regions: a 400 x 200 plate with 12 octagonal holes (100 edges),
// and the growth with the boundary: a 2400 x 2400 plate with a round opening
// of radius 1000 whose edges alternate straight lines and shallow arcs, N
// edges in all. More edges mean a finer boundary and so more elements.
//
// The catalog pass builds and solves every size of EURO once per iteration:
// names, their sizes, the analyser, the engine.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "database/ZEPTDBProfile.h"
#include "platform/core/CStringArray.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/shape/SectionProperties.h"
#include "section/ZEPTMDBAnalyser.h"

namespace {

using zept::shape::SectionProperties;
using zept::shape::SectionPropertiesOptions;
using zept::shape::SectionPropertiesStatus;

ZEPTContour contourOf(std::vector<std::pair<DtGePoint2d, double>> const& vertices, bool hole) {
  DtDbPolyline p;
  for (auto const& [point, bulge] : vertices) p.addVertexAt(p.numVerts(), point, bulge, -1.0, -1.0);
  ZEPTContour c(hole);
  c.setPolyline(&p);
  return c;
}

ZEPTCrossSection crossSectionOf(std::vector<ZEPTContour> const& contours) {
  ZEPTSection s(false);
  for (auto const& c : contours) s.addContour(c);
  ZEPTCrossSection cs;
  cs.addSection(s);
  return cs;
}

ZEPTCrossSection plateWithOctagonalHoles() {
  std::vector<ZEPTContour> contours{
      contourOf({{{0, 0}, 0}, {{400, 0}, 0}, {{400, 200}, 0}, {{0, 200}, 0}}, false)};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 4; ++column) {
      std::vector<std::pair<DtGePoint2d, double>> octagon;
      for (int i = 0; i < 8; ++i) {
        double const a = std::numbers::pi / 4 * i;
        octagon.push_back({{50 + 100 * column + 11 * std::cos(a), 40 + 60 * row + 11 * std::sin(a)}, 0});
      }
      contours.push_back(contourOf(octagon, true));
    }
  return crossSectionOf(contours);
}

// `edges` edges in all: 4 round a 2400 x 2400 plate, edges - 4 round a
// round opening of radius 1000 in it.
ZEPTCrossSection plateWithOpening(int edges) {
  int const n = edges - 4;
  std::vector<std::pair<DtGePoint2d, double>> opening;
  for (int i = 0; i < n; ++i) {
    double const a = 2 * std::numbers::pi * i / n;
    opening.push_back({{1000 * std::cos(a), 1000 * std::sin(a)}, i % 2 ? 0.05 : 0.0});
  }
  return crossSectionOf({contourOf({{{-1200, -1200}, 0}, {{1200, -1200}, 0}, {{1200, 1200}, 0}, {{-1200, 1200}, 0}}, false),
                         contourOf(opening, true)});
}

void solve(benchmark::State& state, ZEPTCrossSection const& cs, double refinement = 1.0) {
  SectionPropertiesOptions options;
  options.refinement = refinement;
  SectionProperties p;
  for (auto _ : state) {
    if (zept::shape::sectionProperties(cs, p, options) != SectionPropertiesStatus::ok)
      return state.SkipWithError(zept::shape::describe(zept::shape::sectionProperties(cs, p, options)));
    // The whole record: given one double member, GCC lost its value here.
    benchmark::DoNotOptimize(p);
  }
  state.counters["It"] = p.it;
  state.counters["elements"] = p.elements;
  state.counters["nodes"] = p.nodes;
}

void BM_SectionPropertiesPlate100Edges(benchmark::State& state) { solve(state, plateWithOctagonalHoles()); }

void BM_SectionPropertiesPlateWithOpening(benchmark::State& state) {
  solve(state, plateWithOpening(static_cast<int>(state.range(0))));
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_SectionPropertiesPlate100Edges)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionPropertiesPlateWithOpening)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

#ifdef ZEPT_BUNDLED_DATA_DIR

ZEPTCrossSection euroSection(wchar_t const* name, wchar_t const* dims) {
  zept::bench::BundledSettings settings;
  ZEPTCrossSection cs;
  ZEPTMDBAnalyser analyser;
  analyser.attachSection(&cs);
  ZEPTDBProfileData record;
  analyser.setDefinition(L"EURO", name, dims, DtDb::kMetric, &record);
  return cs;
}

void euro(benchmark::State& state, wchar_t const* name, wchar_t const* dims, double refinement = 1.0) {
  ZEPTCrossSection const cs = euroSection(name, dims);
  if (cs.numSections() == 0) return state.SkipWithError("size not built");
  solve(state, cs, refinement);
}

void BM_SectionPropertiesIpe300(benchmark::State& state) { euro(state, L"IPE", L"300"); }
void BM_SectionPropertiesHeb300(benchmark::State& state) { euro(state, L"HEB", L"300"); }
void BM_SectionPropertiesL100x100x10(benchmark::State& state) { euro(state, L"L", L"100x100x10"); }
void BM_SectionPropertiesShs100x100x5(benchmark::State& state) { euro(state, L"SHS", L"100x100x5"); }
// Argument: refinement in percent.
void BM_SectionPropertiesIpe300Refined(benchmark::State& state) {
  euro(state, L"IPE", L"300", static_cast<double>(state.range(0)) / 100);
}

// Every size of EURO: a name drawn with several shape types is listed once
// per type, its sizes whole, so it is taken once.
void BM_SectionPropertiesEuroCatalog(benchmark::State& state) {
  zept::bench::BundledSettings settings;
  int sizes = 0, failed = 0;
  for (auto _ : state) {
    sizes = failed = 0;
    ZEPTDBProfile profile;
    CStringArray names, dims;
    if (!profile.setProfileDB(L"EURO") || !profile.getProfileShapeList(names, nullptr))
      return state.SkipWithError("the bundled EURO catalog did not open");
    CString previous;
    for (auto const& name : names) {
      if (name == previous) continue;
      previous = name;
      if (!profile.getProfileDimList(name, dims, -1)) continue;
      for (auto const& d : dims) {
        ZEPTCrossSection cs;
        ZEPTMDBAnalyser analyser;
        analyser.attachSection(&cs);
        ZEPTDBProfileData record;
        SectionProperties p;
        ++sizes;
        if (analyser.setDefinition(L"EURO", name, d, DtDb::kMetric, &record) != 0 ||
            zept::shape::sectionProperties(cs, p) != SectionPropertiesStatus::ok)
          ++failed;
        benchmark::DoNotOptimize(p);
      }
    }
  }
  state.counters["sizes"] = sizes;
  state.counters["failed"] = failed;
}

BENCHMARK(BM_SectionPropertiesIpe300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionPropertiesHeb300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionPropertiesL100x100x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionPropertiesShs100x100x5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionPropertiesIpe300Refined)->Arg(50)->Arg(25)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionPropertiesEuroCatalog)->Iterations(1)->Unit(benchmark::kSecond);

#endif  // ZEPT_BUNDLED_DATA_DIR

}  // namespace
