#include "platform/host/DtDbHatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kFillet = -0.41421356237309503;  // a quarter turn clockwise

struct Loop {
  int type;
  std::vector<DtGePoint2d> points;
  std::vector<double> bulges;  // empty: all straight
};
using Shape = std::vector<Loop>;

Loop rect(int type, double x0, double y0, double x1, double y1) {
  return {type, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, {}};
}
// Two half turns, the second vertex on the far side of the centre at `angle`.
Loop circle(int type, DtGePoint2d c, double r, double angle = 0.0) {
  DtGePoint2d const a{c.x + r * std::cos(angle), c.y + r * std::sin(angle)};
  DtGePoint2d const b{2 * c.x - a.x, 2 * c.y - a.y};
  return {type, {a, b}, {1.0, 1.0}};
}

// The reference: a point is inside a loop when it is inside the polygon of
// the chords, flipped for every arc whose cap (the disc on the arc's side of
// its chord) holds it. Nothing here shares code with the engine.
struct Segment {
  DtGePoint2d p, q;
  double bulge;
  DtGePoint2d centre;
  double radius = 0;
  DtGePoint2d mid;  // middle of the arc
};

std::vector<Segment> segmentsOf(Loop const& loop) {
  std::vector<Segment> out;
  std::size_t const n = loop.points.size();
  for (std::size_t i = 0; i < n; ++i) {
    Segment s{loop.points[i], loop.points[(i + 1) % n], loop.bulges.empty() ? 0.0 : loop.bulges[i], {}, 0, {}};
    double const cx = s.q.x - s.p.x, cy = s.q.y - s.p.y, half = std::hypot(cx, cy) / 2;
    if (s.bulge != 0 && half > 0) {
      DtGePoint2d const m{(s.p.x + s.q.x) / 2, (s.p.y + s.q.y) / 2};
      s.mid = {m.x + s.bulge / 2 * cy, m.y - s.bulge / 2 * cx};
      s.radius = half * (1 + s.bulge * s.bulge) / (2 * std::fabs(s.bulge));
      double const sag = half * std::fabs(s.bulge);
      s.centre = {s.mid.x + (m.x - s.mid.x) / sag * s.radius, s.mid.y + (m.y - s.mid.y) / sag * s.radius};
    } else {
      s.bulge = 0;
    }
    out.push_back(s);
  }
  return out;
}

double side(DtGePoint2d a, DtGePoint2d b, DtGePoint2d p) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); }

bool insideLoop(std::vector<Segment> const& segs, DtGePoint2d p) {
  bool in = false;
  for (Segment const& s : segs) {
    if ((s.p.y > p.y) != (s.q.y > p.y) && p.x < s.p.x + (p.y - s.p.y) / (s.q.y - s.p.y) * (s.q.x - s.p.x)) in = !in;
    if (s.bulge != 0 && std::hypot(p.x - s.centre.x, p.y - s.centre.y) < s.radius &&
        (side(s.p, s.q, p) > 0) == (side(s.p, s.q, s.mid) > 0))
      in = !in;
  }
  return in;
}

// A lower bound of the distance to the boundary (arcs count as full circles).
double nearBoundary(std::vector<Segment> const& segs, DtGePoint2d p) {
  double d = HUGE_VAL;
  for (Segment const& s : segs) {
    double const dx = s.q.x - s.p.x, dy = s.q.y - s.p.y, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - s.p.x) * dx + (p.y - s.p.y) * dy) / len2 : 0;
    t = std::fmin(1, std::fmax(0, t));
    d = std::fmin(d, std::hypot(p.x - s.p.x - t * dx, p.y - s.p.y - t * dy));
    if (s.bulge != 0) d = std::fmin(d, std::fabs(std::hypot(p.x - s.centre.x, p.y - s.centre.y) - s.radius));
  }
  return d;
}

struct Piece {
  double from, to;
};

// Hatches `shape` and checks every piece against the reference: pieces run
// along a line of the family and end on the boundary, and sampled points of
// every candidate line are covered exactly where the reference fills.
void checkAgainstReference(std::string const& name, Shape const& shape, double degrees, bool isDouble,
                           DtDbHatch::HatchStyle style = DtDbHatch::kNormal) {
  SCOPED_TRACE(name + " at " + std::to_string(degrees) + (isDouble ? " double" : " single"));
  double const space = 10.0 * std::cos(std::fmod(degrees, 90.0) > 45 ? (90 - std::fmod(degrees, 90.0)) * kPi / 180
                                                                      : std::fmod(degrees, 90.0) * kPi / 180);
  DtDbHatch hatch;
  std::vector<std::vector<Segment>> loops;
  for (Loop const& l : shape) {
    DtGePoint2dArray pts;
    DtGeDoubleArray bulges;
    for (auto const& p : l.points) pts.append(p);
    for (double b : l.bulges) bulges.append(b);
    ASSERT_EQ(hatch.appendLoop(l.type, pts, bulges), Dt::eOk);
    loops.push_back(segmentsOf(l));
  }
  ASSERT_EQ(hatch.setHatchStyle(style), Dt::eOk);
  ASSERT_EQ(hatch.setPattern(DtDbHatch::kUserDefined, nullptr), Dt::eOk);
  ASSERT_EQ(hatch.setPatternSpace(space), Dt::eOk);
  ASSERT_EQ(hatch.setPatternAngle(degrees * kPi / 180), Dt::eOk);
  ASSERT_EQ(hatch.setPatternDouble(isDouble), Dt::eOk);
  ASSERT_EQ(hatch.evaluateHatch(), Dt::eOk);
  DtGePoint2dArray starts, ends;
  ASSERT_EQ(hatch.getHatchLinesData(starts, ends), Dt::eOk);
  ASSERT_EQ(starts.length(), ends.length());
  ASSERT_GT(starts.length(), 0);

  auto filledAt = [&](DtGePoint2d p, bool& nearEdge) {
    int depth = 0;
    nearEdge = false;
    for (auto const& segs : loops) {
      depth += insideLoop(segs, p) ? 1 : 0;
      nearEdge = nearEdge || nearBoundary(segs, p) < 1e-6;
    }
    return style == DtDbHatch::kNormal ? depth % 2 == 1 : style == DtDbHatch::kOuter ? depth == 1 : depth >= 1;
  };

  for (int family = 0; family < (isDouble ? 2 : 1); ++family) {
    double const a = degrees * kPi / 180 + family * kPi / 2;
    DtGeVector2d const d{std::cos(a), std::sin(a)}, n{-d.y, d.x};
    // Pieces of this family, by line number.
    std::map<long, std::vector<Piece>> byLine;
    for (int i = 0; i < starts.length(); ++i) {
      DtGeVector2d const dir = ends[i] - starts[i];
      if (std::fabs(dir.crossProduct(d)) > 1e-9 * dir.length()) continue;
      double const v = starts[i].asVector().dotProduct(n);
      long const k = std::lround(v / space);
      EXPECT_NEAR(v, k * space, 1e-9);
      EXPECT_NEAR(ends[i].asVector().dotProduct(n), k * space, 1e-9);
      double u0 = starts[i].asVector().dotProduct(d), u1 = ends[i].asVector().dotProduct(d);
      EXPECT_LT(u0, u1);
      for (DtGePoint2d const& e : {starts[i], ends[i]}) {
        double dmin = HUGE_VAL;
        for (auto const& segs : loops) dmin = std::fmin(dmin, nearBoundary(segs, e));
        EXPECT_LT(dmin, 1e-9) << "piece end off the boundary at " << e.x << ", " << e.y;
      }
      byLine[k].push_back({u0, u1});
    }
    EXPECT_FALSE(byLine.empty());
    // Every candidate line over the shape's box (arcs as full discs), sampled.
    double ulo = HUGE_VAL, uhi = -HUGE_VAL, vlo = HUGE_VAL, vhi = -HUGE_VAL;
    for (auto const& segs : loops)
      for (Segment const& sg : segs) {
        DtGePoint2d const c = sg.bulge != 0 ? sg.centre : sg.p;
        double const u = c.asVector().dotProduct(d), v = c.asVector().dotProduct(n);
        ulo = std::fmin(ulo, u - sg.radius), uhi = std::fmax(uhi, u + sg.radius);
        vlo = std::fmin(vlo, v - sg.radius), vhi = std::fmax(vhi, v + sg.radius);
      }
    int mismatches = 0;
    for (long k = std::lround(vlo / space) - 1; k <= std::lround(vhi / space) + 1; ++k) {
      auto const& pieces = byLine[k];
      for (double u = ulo - 1; u <= uhi + 1; u += 0.125) {
        DtGePoint2d const p = DtGePoint2d(0, 0) + d * u + n * (k * space);
        bool nearEdge = false;
        bool const want = filledAt(p, nearEdge);
        if (nearEdge) continue;
        bool got = false;
        for (Piece const& pc : pieces) got = got || (pc.from <= u && u <= pc.to);
        if (got != want && mismatches++ < 3)
          ADD_FAILURE() << "line " << k << " at " << p.x << ", " << p.y << ": hatch " << got << ", reference " << want;
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
}

Shape const kIFillets{{1,
                       {{0, 0}, {100, 0}, {100, 10}, {66, 10}, {54, 22}, {54, 78}, {66, 90}, {100, 90},
                        {100, 100}, {0, 100}, {0, 90}, {34, 90}, {46, 78}, {46, 22}, {34, 10}, {0, 10}},
                       {0, 0, 0, kFillet, 0, kFillet, 0, 0, 0, 0, 0, kFillet, 0, kFillet, 0, 0}}};

struct ShapeCase {
  char const* name;
  Shape shape;
};

std::vector<ShapeCase> const kShapes = {
    // Edges on hatch lines and vertices on both families.
    {"rectangle", {rect(1, 0, 0, 100, 60)}},
    {"I-section with fillets", kIFillets},
    // Lines at y = 20 and y = 60 touch the hole.
    {"rectangle with circular hole", {rect(1, 0, 0, 100, 80), circle(0, {50, 40}, 20)}},
    {"island inside a hole",
     {rect(1, 0, 0, 120, 120), rect(0, 20, 20, 100, 100), circle(DtDbHatch::kExternal, {60, 60}, 20, kPi / 4)}},
    {"diamond through vertices", {{1, {{50, 0}, {100, 50}, {50, 100}, {0, 50}}, {}}}},
    // Sweeps of about 254 and 356 degrees.
    {"arc over half a turn", {{1, {{40, 0}, {0, 0}}, {2.0, 0}}}},
    {"nearly a full circle", {{1, {{2, 10}, {0, 10}}, {50.0, 0}}}},
    // Repeated vertices: zero-length line and arc segments.
    {"zero-length segments", {{1, {{0, 0}, {0, 0}, {80, 0}, {80, 0}, {80, 50}, {0, 50}}, {0, 0.5, 0, 0, 0, 0}}}},
    // Two outer loops sharing an edge, one of them clockwise.
    {"touching outer loops", {rect(1, 0, 0, 50, 50), {1, {{50, 0}, {50, 50}, {100, 50}, {100, 0}}, {}}}},
};

TEST(DtDbHatch, MatchesTheReferenceOnEveryShapeAndAngle) {
  for (auto const& c : kShapes)
    for (double degrees : {0.0, 45.0, 90.0, 135.0})
      for (bool isDouble : {false, true}) checkAgainstReference(c.name, c.shape, degrees, isDouble);
}

TEST(DtDbHatch, StylesFillByNesting) {
  Shape const nested = kShapes[3].shape;
  for (auto style : {DtDbHatch::kNormal, DtDbHatch::kOuter, DtDbHatch::kIgnore})
    checkAgainstReference("island, style " + std::to_string(style), nested, 0.0, false, style);
}

TEST(DtDbHatch, HatchesOnlyTheMaterialOfAnOuterLoopWithAHole) {
  // y = 40 crosses the hole's two vertices: material on both sides only.
  DtDbHatch hatch;
  DtGePoint2dArray outer, hole, starts, ends;
  DtGeDoubleArray none, halves;
  for (DtGePoint2d p : {DtGePoint2d(0, 0), DtGePoint2d(100, 0), DtGePoint2d(100, 80), DtGePoint2d(0, 80)})
    outer.append(p);
  hole.append({30, 40});
  hole.append({70, 40});
  halves.append(-1.0);
  halves.append(-1.0);
  ASSERT_EQ(hatch.appendLoop(DtDbHatch::kExternal, outer, none), Dt::eOk);
  ASSERT_EQ(hatch.appendLoop(DtDbHatch::kDefault, hole, halves), Dt::eOk);
  ASSERT_EQ(hatch.setPatternSpace(40), Dt::eOk);
  ASSERT_EQ(hatch.evaluateHatch(), Dt::eOk);
  ASSERT_EQ(hatch.getHatchLinesData(starts, ends), Dt::eOk);
  // Lines along the edges (y = 0 and 80) lie on the boundary either way.
  std::vector<std::pair<double, double>> middle;
  for (int i = 0; i < starts.length(); ++i) {
    EXPECT_EQ(starts[i].y, ends[i].y);
    if (starts[i].y == 40) middle.emplace_back(starts[i].x, ends[i].x);
  }
  EXPECT_EQ(middle, (std::vector<std::pair<double, double>>{{0, 30}, {70, 100}}));
}

TEST(DtDbHatch, RefusesBadInputWithoutChangingTheHatch) {
  double const nan = std::numeric_limits<double>::quiet_NaN(), inf = HUGE_VAL;
  struct Case {
    char const* name;
    int type;
    std::vector<DtGePoint2d> points;
    std::vector<double> bulges;
  } const cases[] = {
      {"NaN vertex", 1, {{0, 0}, {nan, 1}, {1, 1}}, {}},
      {"infinite vertex", 1, {{0, 0}, {inf, 1}, {1, 1}}, {}},
      {"infinite bulge", 1, {{0, 0}, {1, 1}}, {inf, 0}},
      {"NaN bulge", 1, {{0, 0}, {1, 1}}, {nan, 0}},
      {"one vertex", 1, {{0, 0}}, {}},
      {"bulges of another loop", 1, {{0, 0}, {1, 0}, {1, 1}}, {0, 0}},
      {"unknown loop type bit", 0x4000, {{0, 0}, {1, 0}, {1, 1}}, {}},
      {"negative loop type", -1, {{0, 0}, {1, 0}, {1, 1}}, {}},
  };
  for (auto const& c : cases) {
    DtDbHatch hatch;
    DtGePoint2dArray pts;
    DtGeDoubleArray bulges;
    for (auto const& p : c.points) pts.append(p);
    for (double b : c.bulges) bulges.append(b);
    EXPECT_EQ(hatch.appendLoop(c.type, pts, bulges), Dt::eInvalidInput) << c.name;
    EXPECT_EQ(hatch.numLoops(), 0) << c.name;
  }
  DtDbHatch hatch;
  for (double space : {0.0, -1.0, nan, inf}) EXPECT_EQ(hatch.setPatternSpace(space), Dt::eInvalidInput) << space;
  EXPECT_EQ(hatch.setPatternAngle(nan), Dt::eInvalidInput);
  EXPECT_EQ(hatch.setHatchStyle(static_cast<DtDbHatch::HatchStyle>(7)), Dt::eInvalidInput);
  EXPECT_EQ(hatch.setPattern(DtDbHatch::kPreDefined, L"ANSI31"), Dt::eNotApplicable);
  EXPECT_EQ(hatch.patternSpace(), 1.0);
  EXPECT_EQ(hatch.patternType(), DtDbHatch::kUserDefined);
}

TEST(DtDbHatch, FailsCleanlyWhereItCannotHatch) {
  struct Case {
    char const* name;
    std::vector<DtGePoint2d> points;
    double bulge;
    double space;
    Dt::ErrorStatus want;
  } const cases[] = {
      {"tiny spacing on a large loop", {{0, 0}, {1e6, 0}, {1e6, 1e6}}, 0, 1e-3, Dt::eHatchTooDense},
      {"lines too far out to tell apart", {{0, 1e20}, {5, 1e20}, {5, 1e20 + 1e6}}, 0, 1, Dt::eHatchTooDense},
      {"arc too large to measure", {{0, 0}, {1e300, 1e300}, {0, 1e300}}, 1.0, 1e299, Dt::eInvalidInput},
      {"every segment of zero length", {{3, 3}, {3, 3}, {3, 3}}, 0.5, 1, Dt::eOk},
  };
  for (auto const& c : cases) {
    DtDbHatch hatch;
    DtGePoint2dArray pts, starts, ends;
    DtGeDoubleArray bulges;
    for (auto const& p : c.points) pts.append(p), bulges.append(c.bulge);
    starts.append({1, 1});
    ASSERT_EQ(hatch.appendLoop(DtDbHatch::kExternal, pts, bulges), Dt::eOk) << c.name;
    ASSERT_EQ(hatch.setPatternSpace(c.space), Dt::eOk) << c.name;
    EXPECT_EQ(hatch.getHatchLinesData(starts, ends), Dt::eNotApplicable) << "before evaluating: " << c.name;
    EXPECT_EQ(hatch.evaluateHatch(), c.want) << c.name;
    EXPECT_EQ(hatch.getHatchLinesData(starts, ends), c.want) << c.name;
    EXPECT_EQ(starts.length(), 0) << c.name;
    EXPECT_EQ(ends.length(), 0) << c.name;
  }
}

}  // namespace
