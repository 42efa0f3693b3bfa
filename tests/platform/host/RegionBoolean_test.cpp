// SPDX-License-Identifier: MIT
// Region booleans against shapes whose answer is known without them: random
// operands built from circles, rectangles, half discs and slots (arcs tangent
// to lines), on an integer grid so that edges often touch or coincide, some
// moved by a sliver so that overlaps are thin. ZEPT_REGION_STRESS_CASES sets
// the number of random cases (a few hundred by default).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/host/DtBrBrep.h"
#include "platform/host/DtDbArc.h"
#include "platform/host/DtGeCurve3d.h"
#include "platform/host/RegionGeometry.h"
#include "support/BrepEdges.h"
#include "support/Regions.h"

namespace {

constexpr double kPi = std::numbers::pi;
using namespace zept::test;

// One shape with its exact membership and a lower bound of the distance to
// its boundary. Random operands take the first four kinds.
struct Prim {
  enum Kind { kCircle, kRect, kHalfDisc, kSlot, kTwoArcs } kind;  // kTwoArcs: a circle of two half turns from a0
  double x, y, r, w, h, a0;  // rect: corner x, y and size w, h; slot: centres (x, y), (x + w, y)

  Curves curves() const {
    auto arc = [](double cx, double cy, double rr, double from, double to) {
      return std::make_shared<DtDbArc>(DtGePoint3d(cx, cy, 0), rr, from, to);
    };
    switch (kind) {
      case kCircle:
        return {circle(x, y, r)};
      case kRect:
        return rectangle(x, y, x + w, y + h);
      case kHalfDisc: {
        double const c = std::cos(a0) * r, s = std::sin(a0) * r;
        return {arc(x, y, r, a0, a0 + kPi), line(x - c, y - s, x + c, y + s)};
      }
      case kSlot:
        return {line(x, y - r, x + w, y - r), arc(x + w, y, r, -kPi / 2, kPi / 2), line(x + w, y + r, x, y + r),
                arc(x, y, r, kPi / 2, 3 * kPi / 2)};
      case kTwoArcs: {
        double const c = std::cos(a0) * r, s = std::sin(a0) * r;
        return {polyline({{{x + c, y + s}, 1}, {{x - c, y - s}, 1}})};
      }
    }
    return {};
  }

  // Signed distance (negative inside), exact or smaller in size.
  double distance(double px, double py) const {
    switch (kind) {
      case kCircle:
      case kTwoArcs:
        return std::hypot(px - x, py - y) - r;
      case kRect: {
        double const dx = std::max(x - px, px - x - w), dy = std::max(y - py, py - y - h);
        return dx > 0 || dy > 0 ? std::hypot(std::max(dx, 0.0), std::max(dy, 0.0)) : std::max(dx, dy);
      }
      case kHalfDisc: {
        // Inside the half plane to the left of the diameter's direction.
        double const side = -((px - x) * std::sin(a0) - (py - y) * std::cos(a0));
        return std::max(std::hypot(px - x, py - y) - r, -side);
      }
      case kSlot: {
        double const t = std::clamp(px - x, 0.0, w);
        return std::hypot(px - x - t, py - y) - r;
      }
    }
    return 0;
  }
  double area() const {
    switch (kind) {
      case kCircle:
      case kTwoArcs:
        return kPi * r * r;
      case kRect:
        return w * h;
      case kHalfDisc:
        return kPi * r * r / 2;
      case kSlot:
        return kPi * r * r + 2 * r * w;
    }
    return 0;
  }
};

// The region's boundary as chords within `sagitta` of its curves, for
// point-in-region tests by ray crossings.
std::vector<std::pair<DtGePoint3d, DtGePoint3d>> outline(DtDbRegion const& region, double sagitta) {
  std::vector<std::pair<DtGePoint3d, DtGePoint3d>> chords;
  DtBrBrep brep;
  if (region.isNull() || brep.set(region) != Dt::eOk) return chords;
  for (DtBrBrepFaceTraverser f(brep); !f.done(); f.next())
    for (DtBrFaceLoopTraverser l(f); !l.done(); l.next())
      for (DtBrLoopEdgeTraverser e(l); !e.done(); e.next()) {
        DtBrEdge edge;
        e.getEdge(edge);
        DtGe::EntityId kind;
        edge.getCurveType(kind);
        if (kind != DtGe::kCircArc3d) {
          chords.push_back(edgeEnds(edge));
          continue;
        }
        DtGeCurve3d* curve = nullptr;
        edge.getCurve(curve);
        std::unique_ptr<DtGeCurve3d> external(curve);
        DtGeCurve3d* native = nullptr;
        if (!curve || !static_cast<DtGeExternalCurve3d*>(curve)->isNativeCurve(native)) continue;
        std::unique_ptr<DtGeCurve3d> owned(native);
        auto const* arc = static_cast<DtGeCircArc3d const*>(native);
        double const sweep = arc->endAng() - arc->startAng();
        double const step = 2 * std::acos(std::max(0.0, 1 - sagitta / arc->radius()));
        int const n = std::max(4, static_cast<int>(std::ceil(std::fabs(sweep) / step)));
        for (int i = 0; i < n; ++i)
          chords.emplace_back(arc->evalPoint(arc->startAng() + sweep * i / n),
                              arc->evalPoint(arc->startAng() + sweep * (i + 1) / n));
      }
  return chords;
}

// Crossings of a ray at an odd angle, so that it misses the grid's vertices
// and never runs along an edge.
bool inside(std::vector<std::pair<DtGePoint3d, DtGePoint3d>> const& chords, double px, double py) {
  double const c = std::cos(0.1234567), s = std::sin(0.1234567);
  bool in = false;
  for (auto const& [a, b] : chords) {
    double const ax = c * (a.x - px) + s * (a.y - py), ay = c * (a.y - py) - s * (a.x - px);
    double const bx = c * (b.x - px) + s * (b.y - py), by = c * (b.y - py) - s * (b.x - px);
    if ((ay > 0) != (by > 0) && ax - ay * (bx - ax) / (by - ay) > 0) in = !in;
  }
  return in;
}

// A random operand: one shape, or two shapes united or subtracted.
struct Operand {
  std::vector<Prim> prims;
  bool subtract = false;  // prims[0] less prims[1]

  bool contains(double px, double py) const {
    bool const first = prims[0].distance(px, py) < 0;
    if (prims.size() == 1) return first;
    bool const second = prims[1].distance(px, py) < 0;
    return subtract ? first && !second : first || second;
  }
  RegionPtr region() const {
    RegionPtr r = zept::test::region(prims[0].curves());
    auto const op = subtract ? DtDb::kBoolSubtract : DtDb::kBoolUnite;
    if (prims.size() > 1) r = combined(std::move(r), zept::test::region(prims[1].curves()), op);
    return r;
  }
};

class RandomOperands {
 public:
  explicit RandomOperands(unsigned seed) : m_random(seed) {
    double const scales[] = {0.01, 1, 100, 1000};
    m_scale = scales[m_random() % 4];
  }
  double scale() const { return m_scale; }

  Operand operand() {
    Operand op;
    op.prims.push_back(prim());
    if (m_random() % 3 != 0) {
      op.prims.push_back(prim());
      op.subtract = m_random() % 2 == 0;
    }
    return op;
  }

 private:
  double pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }
  Prim prim() {
    // A quarter of the shapes are moved by a sliver, so that they overlap
    // their neighbours thinly or miss them narrowly.
    double const slivers[] = {1e-3, 1e-6, -1e-6, 1e-9};
    double const shift = m_random() % 4 == 0 ? slivers[m_random() % 4] : 0.0;
    Prim p{};
    p.kind = static_cast<Prim::Kind>(m_random() % 4);
    p.x = (pick(-6, 6) + shift) * m_scale;
    p.y = pick(-6, 6) * m_scale;
    p.r = pick(1, 6) * m_scale;
    p.w = pick(1, 8) * m_scale;
    p.h = pick(1, 8) * m_scale;
    p.a0 = pick(0, 3) * kPi / 2;
    return p;
  }

  std::mt19937 m_random;
  double m_scale = 1;
};

// What one random case got wrong, empty when nothing.
std::string checkCase(unsigned seed) {
  RandomOperands random(seed);
  Operand const opA = random.operand(), opB = random.operand();
  double const s = random.scale();
  RegionPtr const a = opA.region(), b = opB.region();
  RegionPtr const uni = combined(copy(a), copy(b), DtDb::kBoolUnite);
  RegionPtr const both = combined(copy(a), copy(b), DtDb::kBoolIntersect);
  RegionPtr const less = combined(copy(a), copy(b), DtDb::kBoolSubtract);
  double const tol = 1e-9 * s * s;
  std::ostringstream err;
  err.precision(12);
  double const ua = area(*uni), ia = area(*both), da = area(*less), aa = area(*a), ba = area(*b);
  if (std::fabs(ua + ia - aa - ba) > tol) err << " union+intersection " << ua + ia << " vs " << aa + ba << ";";
  if (std::fabs(da + ia - aa) > tol) err << " difference+intersection " << da + ia << " vs " << aa << ";";
  if (auto const all = zept::host::uniteAll({a.get(), b.get()}); !all || std::fabs(area(*all) - ua) > tol)
    err << " one overlay " << (all ? area(*all) : -1) << " vs the union " << ua << ";";
  // Where no loops come near, the result without an overlay is the overlay's.
  auto const& fa = a->data()->faces;
  auto const& fb = b->data()->faces;
  for (int op = 0; op < 3; ++op)
    if (auto const apart = zept::host::combineApart(fa, fb, op)) {
      auto const full = zept::host::overlay(fa, fb, op);
      auto const m = zept::host::moments(*apart), n = zept::host::moments(full);
      std::size_t loopsApart = 0, loopsFull = 0;
      for (auto const& f : *apart) loopsApart += 1 + f.holes.size();
      for (auto const& f : full) loopsFull += 1 + f.holes.size();
      if (std::fabs(m.a - n.a) > tol || std::fabs(m.sx - n.sx) > tol * s || std::fabs(m.sy - n.sy) > tol * s ||
          loopsApart != loopsFull)
        err << " apart op " << op << ": area " << m.a << " vs " << n.a << ", loops " << loopsApart << " vs "
            << loopsFull << ";";
    }
  // Points clear of every boundary must be in or out of each result as the
  // shapes say: a lost or invented loop shows here.
  double const clear = 1e-3 * s;
  auto const cu = outline(*uni, clear / 4), ci = outline(*both, clear / 4), cd = outline(*less, clear / 4);
  auto const ca = outline(*a, clear / 4);
  std::mt19937 probe(seed);
  std::uniform_real_distribution<double> coord(-15 * s, 15 * s);
  std::vector<std::pair<double, double>> points;
  for (auto const* op : {&opA, &opB})
    for (auto const& p : op->prims) points.emplace_back(p.x, p.y);
  for (int i = 0; i < 40; ++i) points.emplace_back(coord(probe), coord(probe));
  for (auto const& [px, py] : points) {
    double gap = 1e300;
    for (auto const* op : {&opA, &opB})
      for (auto const& p : op->prims) gap = std::min(gap, std::fabs(p.distance(px, py)));
    if (gap < clear) continue;
    bool const inA = opA.contains(px, py), inB = opB.contains(px, py);
    char const* wrong = nullptr;
    if (inside(ca, px, py) != inA) wrong = "operand";
    if (inside(cu, px, py) != (inA || inB)) wrong = "union";
    if (inside(ci, px, py) != (inA && inB)) wrong = "intersection";
    if (inside(cd, px, py) != (inA && !inB)) wrong = "difference";
    if (opA.prims.size() == 1 && (zept::host::classify(a->data()->faces[0].outer, {px, py}, 0) == 1) != inA)
      wrong = "point in loop";
    if (wrong) err << " " << wrong << " wrong at (" << px << ", " << py << ");";
  }
  return err.str();
}

int stressCases() {
  char const* env = std::getenv("ZEPT_REGION_STRESS_CASES");
  int const n = env ? std::atoi(env) : 0;
#ifdef ZEPT_SANITIZED
  constexpr int kCases = 60;  // instrumented, 300 outlast the test's time
#else
  constexpr int kCases = 300;
#endif
  return n > 0 ? n : kCases;
}

TEST(RegionBooleanStress, RandomOperandsAddUpAndKeepEveryLoop) {
  int const n = stressCases();
  int failed = 0;
  for (int i = 0; i < n; ++i) {
    std::string const err = checkCase(static_cast<unsigned>(i));
    if (err.empty()) continue;
    // All of a long hand-started run, to tell the kinds of failure apart.
    if (++failed <= 10 || std::getenv("ZEPT_REGION_STRESS_CASES")) ADD_FAILURE() << "case " << i << ":" << err;
  }
  EXPECT_EQ(failed, 0) << "of " << n << " cases";
}

// Table cases with exact answers: areas of the union, intersection and both
// differences, and the loops each result has. Regions that only touch
// overlap by no more than noise, whatever their size, and a micron-thin
// overlap of discs of radius 1000 is kept.
TEST(RegionBooleanCases, ExactAreasAndLoops) {
  auto P = [](Prim::Kind k, double x, double y, double r, double w = 0, double h = 0, double a0 = 0) {
    return Prim{k, x, y, r, w, h, a0};
  };
  auto rect = [&](double x, double y, double w, double h) { return P(Prim::kRect, x, y, 0, w, h); };
  auto disc = [&](double x, double y, double r) { return P(Prim::kCircle, x, y, r); };
  auto plate = [&](double half, Prim hole) { return Operand{{rect(-half, -half, 2 * half, 2 * half), hole}, true}; };
  struct Case {
    char const* name;
    Operand a, b;
    double uni, both;  // areas
    int uniLoops, bothLoops, lessLoops;  // -1: either way is right (shapes touching at a point)
    double tol = 0;  // 0: 1e-12 of the first operand's area
  };
  double const t = 1e-9;  // thin: 1e-9 of the plate's 1000
  double const segment = 2.25 * std::acos(2.0 / 3) - std::sqrt(1.25);  // of radius 1.5, 1 off its centre
  double const lens = 2 * kPi / 3 - std::sqrt(3.0) / 2;  // of unit discs 1 apart
  Case const cases[] = {
      {"rectangles overlapping by 1e-9 of their extent", {{rect(0, 0, 1000, 1000)}}, {{rect(1000 - t * 1000, 0, 1000, 1000)}},
       2e6 - 1e-6 * 1000, 1e-6 * 1000, 1, 1, 1},
      {"rectangles touching along an edge", {{rect(0, 0, 1, 1)}}, {{rect(1, 0.25, 1, 2)}}, 3, 0, 1, 0, 1},
      {"identical discs", {{disc(3, 4, 5)}}, {{disc(3, 4, 5)}}, 25 * kPi, 25 * kPi, 1, 1, 0},
      {"circle inside a circle", {{disc(0, 0, 10)}}, {{disc(2, 1, 3)}}, 100 * kPi, 9 * kPi, 1, 1, 2},
      {"circle inside a circle touching it", {{disc(0, 0, 10)}}, {{disc(7, 0, 3)}}, 100 * kPi, 9 * kPi, 1, 1, -1},
      {"disc ring 1e-9 thin", {{disc(0, 0, 1000)}}, {{disc(0, 0, 1000), disc(0, 0, 1000 - t * 1000)}, true},
       1e6 * kPi, kPi * (1e6 - (1000 - 1e-6) * (1000 - 1e-6)), 1, 2, 1},
      // A slot's straight sides are tangent to its end arcs; a rectangle on
      // them touches along the lines and the arcs leave them tangentially.
      {"slot on a rectangle", {{P(Prim::kSlot, 0, 0, 1, 4)}}, {{rect(-2, 1, 8, 2)}}, kPi + 8 + 16, 0, 1, 0, 1},
      {"slot across a rectangle", {{P(Prim::kSlot, 0, 0, 1, 4)}}, {{rect(0, -1, 4, 2)}}, kPi + 8, 8, 1, 1, 2},
      // The bottom sides meet in a straight line at (0, -1), and the disc
      // crosses the joined side further on.
      {"rectangles side by side and a disc across their line", {{rect(0, -1, 4, 2)}},
       {{rect(-2, -1, 2, 2), disc(2, -2, 1.5)}}, 12 + 2.25 * kPi - segment, segment, 1, 1, 1},
      {"disc tangent to a rectangle's side", {{disc(0, 2, 2)}}, {{rect(-3, -3, 6, 3)}}, 4 * kPi + 18, 0, -1, 0, 1},
      {"disc of radius 1000 in its hole", plate(1500, disc(0, 0, 1000)), {{disc(0, 0, 1000)}}, 9e6, 0, 1, 0, 2, 1e-6},
      {"disc in a hole drawn as two arcs from 30 degrees", plate(1500, P(Prim::kTwoArcs, 0, 0, 1000, 0, 0, kPi / 6)),
       {{disc(0, 0, 1000)}}, 9e6, 0, 1, 0, 2, 1e-6},
      {"half discs along their diameters", {{P(Prim::kHalfDisc, 0, 0, 500)}},
       {{P(Prim::kHalfDisc, 0, 0, 500, 0, 0, kPi)}}, 25e4 * kPi, 0, 1, 0, 1, 1e-6},
      {"disc on a line", {{rect(-2000, -2000, 4000, 2000)}}, {{disc(0, 1000, 1000)}}, 8e6 + 1e6 * kPi, 0, -1, 0, 1,
       1e-6},
      {"disc inside a hole touching it at a point", plate(1500, disc(0, 0, 1000)), {{disc(1, 0, 999)}},
       9e6 - 1e6 * kPi + 999 * 999 * kPi, 0, -1, 0, 2, 1e-6},
      {"squares sharing 0.1 by 0.1", {{rect(0, 0, 1, 1)}}, {{rect(0.9, 0.9, 1.1, 1.1)}}, 2.2, 0.01, 1, 1, 1},
      {"disc a micron too big for its hole", plate(1500, disc(0, 0, 1000 - 1e-6)), {{disc(0, 0, 1000)}}, 9e6,
       kPi * (1e6 - (1000 - 1e-6) * (1000 - 1e-6)), 1, 2, 2, 1e-7},
      {"disc a micron too big for its hole, in millimetres", plate(2, disc(0, 0, 1 - 1e-3)), {{disc(0, 0, 1)}}, 16,
       kPi * (1 - (1 - 1e-3) * (1 - 1e-3)), 1, 2, 2},
      {"two discs", {{disc(0, 0, 1)}}, {{disc(1, 0, 1)}}, 2 * kPi - lens, lens, 1, 1, 1, 1e-12},
  };
  auto loops = [](DtDbRegion const& r) {
    int n = 0;
    DtBrBrep brep;
    if (r.isNull() || brep.set(r) != Dt::eOk) return 0;
    for (DtBrBrepFaceTraverser f(brep); !f.done(); f.next())
      for (DtBrFaceLoopTraverser l(f); !l.done(); l.next()) ++n;
    return n;
  };
  for (auto const& c : cases) {
    RegionPtr const a = c.a.region(), b = c.b.region();
    double const aa = area(*a), ba = area(*b), tol = c.tol > 0 ? c.tol : 1e-12 * std::max(1.0, aa);
    RegionPtr const uni = combined(copy(a), copy(b), DtDb::kBoolUnite);
    RegionPtr const both = combined(copy(a), copy(b), DtDb::kBoolIntersect);
    RegionPtr const less = combined(copy(a), copy(b), DtDb::kBoolSubtract);
    RegionPtr const more = combined(copy(b), copy(a), DtDb::kBoolSubtract);
    EXPECT_NEAR(area(*uni), c.uni, tol) << c.name;
    EXPECT_NEAR(area(*both), c.both, tol) << c.name;
    EXPECT_NEAR(area(*less), aa - c.both, tol) << c.name;
    EXPECT_NEAR(area(*more), ba - c.both, tol) << c.name;
    for (auto const& [r, want] : {std::pair{uni.get(), c.uniLoops}, {both.get(), c.bothLoops}, {less.get(), c.lessLoops}})
      if (want >= 0) {
        EXPECT_EQ(loops(*r), want) << c.name;
      }
  }
}

}  // namespace
