// SPDX-License-Identifier: MIT
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
// Two half turns from the vertex at `angle` about the centre.
Loop circle(int type, DtGePoint2d c, double r, double angle = 0.0) {
  DtGePoint2d const a{c.x + r * std::cos(angle), c.y + r * std::sin(angle)};
  return {type, {a, {2 * c.x - a.x, 2 * c.y - a.y}}, {1.0, 1.0}};
}
// The {n/k} star polygon: a loop that crosses itself all over.
Loop star(int n, int k, double r) {
  Loop l{1, {}, {}};
  for (int i = 0; i < n; ++i)
    l.points.push_back({r * std::cos(2 * kPi * i * k / n), r * std::sin(2 * kPi * i * k / n)});
  return l;
}

Dt::ErrorStatus append(DtDbHatch& hatch, Loop const& l) {
  DtGePoint2dArray pts;
  DtGeDoubleArray bulges;
  for (auto const& p : l.points) pts.append(p);
  for (double b : l.bulges) bulges.append(b);
  return hatch.appendLoop(l.type, pts, bulges);
}

// The reference, sharing nothing with the engine: a point is inside a loop
// when it is inside the polygon of the chords, flipped by every arc whose cap
// (the disc on the arc's side of its chord) holds it.
struct Segment {
  DtGePoint2d p, q, centre, mid;  // mid: middle of the arc
  double bulge = 0, radius = 0;
};

std::vector<Segment> segmentsOf(Loop const& l) {
  std::vector<Segment> out;
  for (std::size_t i = 0; i < l.points.size(); ++i) {
    Segment s{l.points[i], l.points[(i + 1) % l.points.size()], {}, {}, l.bulges.empty() ? 0.0 : l.bulges[i], 0};
    double const cx = s.q.x - s.p.x, cy = s.q.y - s.p.y, half = std::hypot(cx, cy) / 2;
    if (s.bulge != 0 && half > 0) {
      DtGePoint2d const m{(s.p.x + s.q.x) / 2, (s.p.y + s.q.y) / 2};
      s.mid = {m.x + s.bulge / 2 * cy, m.y - s.bulge / 2 * cx};
      s.radius = half * (1 + s.bulge * s.bulge) / (2 * std::fabs(s.bulge));
      double const f = s.radius / (half * std::fabs(s.bulge));
      s.centre = {s.mid.x + (m.x - s.mid.x) * f, s.mid.y + (m.y - s.mid.y) * f};
    }
    if (s.radius == 0) s.bulge = 0;
    out.push_back(s);
  }
  return out;
}

double side(DtGePoint2d a, DtGePoint2d b, DtGePoint2d p) {
  return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

bool inside(std::vector<Segment> const& segs, DtGePoint2d p) {
  bool in = false;
  for (Segment const& s : segs) {
    if ((s.p.y > p.y) != (s.q.y > p.y) && p.x < s.p.x + (p.y - s.p.y) / (s.q.y - s.p.y) * (s.q.x - s.p.x)) in = !in;
    if (s.bulge != 0 && std::hypot(p.x - s.centre.x, p.y - s.centre.y) < s.radius &&
        (side(s.p, s.q, p) > 0) == (side(s.p, s.q, s.mid) > 0))
      in = !in;
  }
  return in;
}

// At most the distance to the boundary (arcs count as full circles).
double nearness(std::vector<Segment> const& segs, DtGePoint2d p) {
  double d = HUGE_VAL;
  for (Segment const& s : segs) {
    double const dx = s.q.x - s.p.x, dy = s.q.y - s.p.y, len2 = dx * dx + dy * dy;
    double const t = len2 > 0 ? std::clamp(((p.x - s.p.x) * dx + (p.y - s.p.y) * dy) / len2, 0.0, 1.0) : 0;
    d = std::fmin(d, std::hypot(p.x - s.p.x - t * dx, p.y - s.p.y - t * dy));
    if (s.bulge != 0) d = std::fmin(d, std::fabs(std::hypot(p.x - s.centre.x, p.y - s.centre.y) - s.radius));
  }
  return d;
}

// Every piece must lie on a line of its family and end on the boundary, and
// points sampled along every line over the shape must be covered exactly
// where the reference fills. Spacing as the preview chooses it.
void checkAgainstReference(std::string const& name, Shape const& shape, double degrees, bool isDouble,
                           DtDbHatch::HatchStyle style = DtDbHatch::kNormal) {
  SCOPED_TRACE(name + " at " + std::to_string(degrees) + (isDouble ? " double" : ""));
  double const s = std::fmod(degrees, 90.0), space = 10 * std::cos((s > 45 ? 90 - s : s) * kPi / 180);
  DtDbHatch hatch;
  std::vector<std::vector<Segment>> loops;
  for (Loop const& l : shape) {
    ASSERT_EQ(append(hatch, l), Dt::eOk);
    loops.push_back(segmentsOf(l));
  }
  hatch.setHatchStyle(style);
  hatch.setPattern(DtDbHatch::kUserDefined, nullptr);
  hatch.setPatternSpace(space);
  hatch.setPatternAngle(degrees * kPi / 180);
  hatch.setPatternDouble(isDouble);
  ASSERT_EQ(hatch.evaluateHatch(), Dt::eOk);
  DtGePoint2dArray starts, ends;
  ASSERT_EQ(hatch.getHatchLinesData(starts, ends), Dt::eOk);
  ASSERT_EQ(starts.length(), ends.length());
  auto nearest = [&](DtGePoint2d p) {
    double d = HUGE_VAL;
    for (auto const& segs : loops) d = std::fmin(d, nearness(segs, p));
    return d;
  };

  for (int family = 0; family < (isDouble ? 2 : 1); ++family) {
    double const a = (degrees + 90 * family) * kPi / 180;
    DtGeVector2d const d{std::cos(a), std::sin(a)}, n{-d.y, d.x};
    std::map<long, std::vector<std::pair<double, double>>> byLine;
    for (int i = 0; i < starts.length(); ++i) {
      DtGeVector2d const dir = ends[i] - starts[i];
      if (std::fabs(dir.crossProduct(d)) > 1e-9 * dir.length()) continue;  // the other family
      double const v = starts[i].asVector().dotProduct(n);
      long const k = std::lround(v / space);
      EXPECT_NEAR(v, k * space, 1e-9);
      EXPECT_NEAR(ends[i].asVector().dotProduct(n), k * space, 1e-9);
      EXPECT_LT(nearest(starts[i]), 1e-9) << "start off the boundary: " << starts[i].x << ", " << starts[i].y;
      EXPECT_LT(nearest(ends[i]), 1e-9) << "end off the boundary: " << ends[i].x << ", " << ends[i].y;
      byLine[k].emplace_back(starts[i].asVector().dotProduct(d), ends[i].asVector().dotProduct(d));
    }
    EXPECT_FALSE(byLine.empty());
    double ulo = HUGE_VAL, uhi = -HUGE_VAL, vlo = HUGE_VAL, vhi = -HUGE_VAL;
    for (auto const& segs : loops)
      for (Segment const& sg : segs) {
        DtGeVector2d const c = (sg.bulge != 0 ? sg.centre : sg.p).asVector();
        ulo = std::fmin(ulo, c.dotProduct(d) - sg.radius), uhi = std::fmax(uhi, c.dotProduct(d) + sg.radius);
        vlo = std::fmin(vlo, c.dotProduct(n) - sg.radius), vhi = std::fmax(vhi, c.dotProduct(n) + sg.radius);
      }
    int wrong = 0;
    for (long k = std::lround(vlo / space) - 1; k <= std::lround(vhi / space) + 1; ++k)
      for (double u = ulo - 1; u <= uhi + 1; u += 0.125) {
        DtGePoint2d const p = DtGePoint2d::kOrigin + d * u + n * (k * space);
        if (nearest(p) < 1e-6) continue;
        int depth = 0;
        for (auto const& segs : loops) depth += inside(segs, p);
        bool const want = style == DtDbHatch::kNormal ? depth % 2 : style == DtDbHatch::kOuter ? depth == 1 : depth;
        bool got = false;
        for (auto const& [from, to] : byLine[k]) got = got || (from <= u && u <= to);
        if (got != want && wrong++ < 3) ADD_FAILURE() << "at " << p.x << ", " << p.y << " the hatch says " << got;
      }
    EXPECT_EQ(wrong, 0);
  }
}

std::map<std::string, Shape> const kShapes = {
    // Edges along hatch lines, vertices on both families.
    {"rectangle", {rect(1, 0, 0, 100, 60)}},
    {"I-section with fillets",
     {{1,
       {{0, 0}, {100, 0}, {100, 10}, {66, 10}, {54, 22}, {54, 78}, {66, 90}, {100, 90}, {100, 100}, {0, 100}, {0, 90},
        {34, 90}, {46, 78}, {46, 22}, {34, 10}, {0, 10}},
       {0, 0, 0, kFillet, 0, kFillet, 0, 0, 0, 0, 0, kFillet, 0, kFillet, 0, 0}}}},
    // Lines at y = 20 and 60 touch the hole, y = 40 meets both its vertices.
    {"rectangle with circular hole", {rect(1, 0, 0, 100, 80), circle(0, {50, 40}, 20)}},
    {"island inside a hole",
     {rect(1, 0, 0, 120, 120), rect(0, 20, 20, 100, 100), circle(DtDbHatch::kExternal, {60, 60}, 20, kPi / 4)}},
    {"diamond through vertices", {{1, {{50, 0}, {100, 50}, {50, 100}, {0, 50}}, {}}}},
    // Sweeps of about 254 and 356 degrees.
    {"arc over half a turn", {{1, {{40, 0}, {0, 0}}, {2.0, 0}}}},
    {"nearly a full circle", {{1, {{2, 10}, {0, 10}}, {50.0, 0}}}},
    {"zero-length segments", {{1, {{0, 0}, {0, 0}, {80, 0}, {80, 0}, {80, 50}, {0, 50}}, {0, 0.5, 0, 0, 0, 0}}}},
    // Sharing an edge, the second one clockwise.
    {"touching outer loops", {rect(1, 0, 0, 50, 50), {1, {{50, 0}, {50, 50}, {100, 50}, {100, 0}}, {}}}},
    {"self-crossing star", {star(101, 50, 60)}},
};

TEST(DtDbHatch, MatchesTheReferenceOnEveryShapeAndAngle) {
  for (auto const& [name, shape] : kShapes)
    for (double degrees : {0.0, 45.0, 90.0, 135.0})
      for (bool isDouble : {false, true}) checkAgainstReference(name, shape, degrees, isDouble);
  for (auto style : {DtDbHatch::kOuter, DtDbHatch::kIgnore})
    checkAgainstReference("island, style " + std::to_string(style), kShapes.at("island inside a hole"), 0, 0, style);
}

TEST(DtDbHatch, RefusesBadInputAndKeepsWhatItHad) {
  double const nan = std::numeric_limits<double>::quiet_NaN(), inf = HUGE_VAL;
  std::map<std::string, Loop> const bad = {
      {"NaN vertex", {1, {{0, 0}, {nan, 1}, {1, 1}}, {}}},
      {"infinite bulge", {1, {{0, 0}, {1, 1}}, {inf, 0}}},
      {"one vertex", {1, {{0, 0}}, {}}},
      {"bulges of another loop", {1, rect(1, 0, 0, 1, 1).points, {0, 0}}},
      {"unknown loop type bits", {-1, rect(1, 0, 0, 1, 1).points, {}}},
  };
  DtDbHatch hatch;
  for (auto const& [name, loop] : bad) EXPECT_EQ(append(hatch, loop), Dt::eInvalidInput) << name;
  EXPECT_EQ(hatch.numLoops(), 0);
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
    Loop loop;
    double space;
    Dt::ErrorStatus want;
  } const cases[] = {
      {"tiny spacing on a large loop", {1, {{0, 0}, {1e6, 0}, {1e6, 1e6}}, {}}, 1e-3, Dt::eHatchTooDense},
      {"lines too far out to tell apart", {1, {{0, 1e20}, {5, 1e20}, {5, 1e20 + 1e6}}, {}}, 1, Dt::eHatchTooDense},
      {"arc too large to measure", {1, {{0, 0}, {1e300, 1e300}}, {1, 0}}, 1e299, Dt::eInvalidInput},
      {"every segment of zero length", {1, {{3, 3}, {3, 3}, {3, 3}}, {0.5, 0.5, 0}}, 1, Dt::eOk},
  };
  for (auto const& c : cases) {
    DtDbHatch hatch;
    DtGePoint2dArray starts, ends;
    starts.append({1, 1});
    ASSERT_EQ(append(hatch, c.loop), Dt::eOk) << c.name;
    hatch.setPatternSpace(c.space);
    EXPECT_EQ(hatch.getHatchLinesData(starts, ends), Dt::eNotApplicable) << "not evaluated yet: " << c.name;
    EXPECT_EQ(hatch.evaluateHatch(), c.want) << c.name;
    EXPECT_EQ(hatch.getHatchLinesData(starts, ends), c.want) << c.name;
    EXPECT_EQ(starts.length() + ends.length(), 0) << c.name;
  }
}

}  // namespace
