// SPDX-License-Identifier: MIT
// Reads a cross-section's contours into oriented loops of exact segments and
// checks that they bound a proper region (finite, positive, not crossing).
#include "platform/shape/SectionBoundary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "platform/host/DtGeCircArc2d.h"
#include "platform/shape/AreaMoments.h"
#include "platform/shape/ContourGeometry.h"

namespace zept::shape {
namespace {

constexpr double kPi = std::numbers::pi;

DtGePoint2d point(Vec v) { return DtGePoint2d(v.x, v.y); }

// The segment from p to q with the polyline bulge b; a bulge that makes no
// circle leaves it straight, as the section values take it.
Segment makeSegment(Vec p, Vec q, double bulge) {
  Segment s;
  s.p = p;
  s.q = q;
  DtGeCircArc2d arc;
  if (bulge == 0.0 || arc.set(point(p), point(q), bulge) != Dt::eOk) return s;
  s.c = Vec{arc.center().x, arc.center().y};
  s.r = arc.radius();
  s.a0 = std::atan2(p.y - s.c.y, p.x - s.c.x);
  s.sweep = arc.signedSweep();
  return s;
}

Moments segmentMoments(Segment const& s) {
  if (!s.isArc()) return edgeMoments(point(s.p), point(s.q));
  return arcMoments(point(s.p), point(s.q), point(s.c), s.r, s.sweep);
}

// Chords of every loop, arcs split into pieces of at most 10 degrees, for the
// crossing test.
struct Chord {
  Vec a, b;
  int loop;
  int index;  // position in its loop
};

std::vector<Chord> chords(std::vector<Loop> const& loops, std::vector<int>& perLoop) {
  std::vector<Chord> out;
  perLoop.assign(loops.size(), 0);
  for (std::size_t l = 0; l < loops.size(); ++l) {
    int n = 0;
    for (Segment const& s : loops[l].segments) {
      int const pieces = s.isArc() ? std::max(1, static_cast<int>(std::ceil(std::fabs(s.sweep) / (kPi / 18.0)))) : 1;
      Vec a = s.p;
      for (int k = 1; k <= pieces; ++k) {
        Vec const b = k == pieces ? s.q : s.at(static_cast<double>(k) / pieces);
        out.push_back({a, b, static_cast<int>(l), n++});
        a = b;
      }
    }
    perLoop[l] = n;
  }
  return out;
}

int orientation(Vec a, Vec b, Vec c) {
  double const v = cross(b - a, c - a);
  double const scale = std::fabs((b.x - a.x) * (c.y - a.y)) + std::fabs((b.y - a.y) * (c.x - a.x));
  if (std::fabs(v) <= 1e-14 * scale) return 0;
  return v > 0 ? 1 : -1;
}

bool onSegment(Vec a, Vec b, Vec p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

bool touch(Chord const& u, Chord const& v) {
  int const o1 = orientation(u.a, u.b, v.a), o2 = orientation(u.a, u.b, v.b);
  int const o3 = orientation(v.a, v.b, u.a), o4 = orientation(v.a, v.b, u.b);
  if (o1 != o2 && o3 != o4 && o1 * o2 <= 0 && o3 * o4 <= 0 && (o1 != 0 || o2 != 0)) return true;
  if (o1 == 0 && onSegment(u.a, u.b, v.a)) return true;
  if (o2 == 0 && onSegment(u.a, u.b, v.b)) return true;
  if (o3 == 0 && onSegment(v.a, v.b, u.a)) return true;
  if (o4 == 0 && onSegment(v.a, v.b, u.b)) return true;
  return false;
}

// Consecutive chords share one end; they fail only when one folds back onto
// the other.
bool foldsBack(Chord const& u, Chord const& v) {
  Vec const shared = (u.b.x == v.a.x && u.b.y == v.a.y) ? u.b : v.b;
  Vec const uFar = (u.a.x == shared.x && u.a.y == shared.y) ? u.b : u.a;
  Vec const vFar = (v.a.x == shared.x && v.a.y == shared.y) ? v.b : v.a;
  if (orientation(uFar, shared, vFar) != 0) return false;
  return dot(uFar - shared, vFar - shared) > 0.0;
}

}  // namespace

double Segment::length() const {
  if (!isArc()) return std::hypot(q.x - p.x, q.y - p.y);
  return r * std::fabs(sweep);
}

Vec Segment::at(double t) const {
  if (!isArc()) return p + (q - p) * t;
  double const a = a0 + sweep * t;
  return Vec{c.x + r * std::cos(a), c.y + r * std::sin(a)};
}

Segment Segment::reversed() const {
  Segment s = *this;
  std::swap(s.p, s.q);
  if (isArc()) {
    s.a0 = a0 + sweep;
    s.sweep = -sweep;
  }
  return s;
}

double loopArea(Loop const& loop) {
  double a = 0.0;
  for (Segment const& s : loop.segments) a += segmentMoments(s).a;
  return a;
}

bool isSimple(std::vector<Loop> const& loops) {
  std::vector<int> perLoop;
  std::vector<Chord> const all = chords(loops, perLoop);
  if (all.size() < 2) return true;
  Vec lo = all[0].a, hi = all[0].a;
  double total = 0.0;
  for (Chord const& c : all) {
    for (Vec v : {c.a, c.b}) {
      lo = Vec{std::min(lo.x, v.x), std::min(lo.y, v.y)};
      hi = Vec{std::max(hi.x, v.x), std::max(hi.y, v.y)};
    }
    total += std::hypot(c.b.x - c.a.x, c.b.y - c.a.y);
  }
  // Cells about as long as a mean chord; each chord is entered in the cells
  // around points no more than half a cell apart along it, and pairs are
  // tested within a cell.
  double const cell = std::max(total / static_cast<double>(all.size()), 1e-300);
  std::vector<std::pair<std::uint64_t, int>> entries;
  auto key = [&](double x, double y) {
    auto const ix = static_cast<std::uint64_t>(std::clamp((x - lo.x) / cell, 0.0, 4.0e9));
    auto const iy = static_cast<std::uint64_t>(std::clamp((y - lo.y) / cell, 0.0, 4.0e9));
    return std::pair(ix, iy);
  };
  for (std::size_t i = 0; i < all.size(); ++i) {
    Chord const& c = all[i];
    double const len = std::hypot(c.b.x - c.a.x, c.b.y - c.a.y);
    int const steps = static_cast<int>(std::min(std::ceil(2.0 * len / cell), 1.0e6)) + 1;
    for (int k = 0; k <= steps; ++k) {
      Vec const v = c.a + (c.b - c.a) * (static_cast<double>(k) / steps);
      auto [ix, iy] = key(v.x, v.y);
      for (std::uint64_t dx = 0; dx < 3; ++dx)
        for (std::uint64_t dy = 0; dy < 3; ++dy) {
          if (ix + dx == 0 || iy + dy == 0) continue;
          entries.emplace_back(((ix + dx - 1) << 32) | (iy + dy - 1), static_cast<int>(i));
        }
    }
  }
  std::sort(entries.begin(), entries.end());
  entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
  for (std::size_t begin = 0; begin < entries.size();) {
    std::size_t end = begin;
    while (end < entries.size() && entries[end].first == entries[begin].first) ++end;
    for (std::size_t i = begin; i < end; ++i)
      for (std::size_t j = i + 1; j < end; ++j) {
        Chord const& u = all[static_cast<std::size_t>(entries[i].second)];
        Chord const& v = all[static_cast<std::size_t>(entries[j].second)];
        bool adjacent = false;
        if (u.loop == v.loop) {
          int const n = perLoop[static_cast<std::size_t>(u.loop)];
          int const d = std::abs(u.index - v.index);
          adjacent = d == 1 || d == n - 1;
          if (n <= 2) adjacent = true;
        }
        if (adjacent ? foldsBack(u, v) : touch(u, v)) return false;
      }
    begin = end;
  }
  return true;
}

Boundary sectionBoundary(ZEPTCrossSection const& crossSection, int maxEdges) {
  Boundary out;
  std::vector<Loop> loops;
  Vec lo{HUGE_VAL, HUGE_VAL}, hi{-HUGE_VAL, -HUGE_VAL};
  // Vertices first: their extent sets the length below which a segment is a
  // repeated vertex.
  struct RawLoop {
    std::vector<Vec> points;
    std::vector<double> bulges;
    bool hole;
  };
  std::vector<RawLoop> raw;
  long long edges = 0;
  for (int s = 0; s < crossSection.numSections(); ++s) {
    ZEPTSection const& section = *crossSection.sectionAt(s);
    for (int c = 0; c < section.numContours(); ++c) {
      ZEPTContour const& contour = *section.contourAt(c);
      RawLoop r{{}, {}, contour.getIsHole()};
      edges += contour.numVerts();
      if (edges > maxEdges) {
        out.status = BoundaryStatus::tooManyEdges;
        return out;
      }
      for (int i = 0; i < contour.numVerts(); ++i) {
        DtGePoint2d p;
        double bulge = 0.0;
        contour.getVertexAt(i, p, bulge);
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(bulge)) {
          out.status = BoundaryStatus::notFinite;
          return out;
        }
        r.points.push_back(Vec{p.x, p.y});
        r.bulges.push_back(bulge);
        lo = Vec{std::min(lo.x, p.x), std::min(lo.y, p.y)};
        hi = Vec{std::max(hi.x, p.x), std::max(hi.y, p.y)};
      }
      if (!r.points.empty()) raw.push_back(std::move(r));
    }
  }
  if (raw.empty()) return out;
  double const extent = std::max(hi.x - lo.x, hi.y - lo.y);
  if (!(extent > 0.0) || !std::isfinite(extent)) {
    out.status = std::isfinite(extent) ? BoundaryStatus::degenerate : BoundaryStatus::notFinite;
    return out;
  }
  // Work about the extent's middle: the centroid shift below then loses little.
  Vec const mid{(lo.x + hi.x) / 2.0, (lo.y + hi.y) / 2.0};
  for (RawLoop const& r : raw) {
    Loop loop;
    loop.hole = r.hole;
    std::size_t const n = r.points.size();
    for (std::size_t i = 0; i < n; ++i) {
      Vec const p = r.points[i] - mid, q = r.points[(i + 1) % n] - mid;
      if (std::hypot(q.x - p.x, q.y - p.y) <= 1e-12 * extent) continue;
      // A bulge past 1e8 is a full turn less a sliver: no usable circle.
      if (std::fabs(r.bulges[i]) > 1e8) {
        out.status = BoundaryStatus::degenerate;
        return out;
      }
      loop.segments.push_back(makeSegment(p, q, r.bulges[i]));
    }
    if (loop.segments.empty()) continue;
    double const a = loopArea(loop);
    if (!std::isfinite(a)) {
      out.status = BoundaryStatus::notFinite;
      return out;
    }
    if (std::fabs(a) <= 1e-14 * extent * extent) {
      out.status = BoundaryStatus::degenerate;
      return out;
    }
    // Solids counter-clockwise, holes clockwise.
    if ((a > 0.0) == loop.hole) {
      std::reverse(loop.segments.begin(), loop.segments.end());
      for (Segment& s : loop.segments) s = s.reversed();
    }
    loops.push_back(std::move(loop));
  }
  if (loops.empty()) return out;
  if (!isSimple(loops)) {
    out.status = BoundaryStatus::selfIntersecting;
    return out;
  }
  Moments m;
  for (Loop const& loop : loops)
    for (Segment const& s : loop.segments) m += segmentMoments(s);
  if (!(m.a > 1e-12 * extent * extent) || !std::isfinite(m.a)) {
    out.status = BoundaryStatus::degenerate;
    return out;
  }
  Vec const shift{m.sx / m.a, m.sy / m.a};
  out.area = m.a;
  out.centroid = mid + shift;
  for (Loop& loop : loops)
    for (Segment& s : loop.segments) {
      s.p = s.p - shift;
      s.q = s.q - shift;
      s.c = s.c - shift;
      ++out.edges;
    }
  // Extent through the segments' extremes (arcs included), in the shifted frame.
  Box box;
  for (RawLoop const& r : raw)
    for (std::size_t i = 0; i < r.points.size(); ++i)
      addSegment(box, point(r.points[i] - mid - shift), point(r.points[(i + 1) % r.points.size()] - mid - shift),
                 r.bulges[i]);
  out.min = Vec{box.min.x, box.min.y};
  out.max = Vec{box.max.x, box.max.y};
  out.loops = std::move(loops);
  out.status = BoundaryStatus::ok;
  return out;
}

}  // namespace zept::shape
