// SPDX-License-Identifier: MIT
// Which loop of a drawing lies inside which, decided on the exact pieces: a
// spatial index finds the loops whose boxes hold a loop's box, and a point
// of the loop's own outline settles each candidate by its winding number.
#include <algorithm>
#include <cmath>
#include <numbers>

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/index/rtree.hpp>

#include "platform/host/RegionGeometry.h"

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace zept::host {
namespace {

constexpr double kPi = std::numbers::pi;

double distance(DtGePoint2d const& a, DtGePoint2d const& b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The angle the segment a -> b turns through, seen from p.
double turn(DtGePoint2d const& p, DtGePoint2d const& a, DtGePoint2d const& b) {
  return std::atan2(cross(p, a, b), (a.x - p.x) * (b.x - p.x) + (a.y - p.y) * (b.y - p.y));
}

// Whether the direction `angle` about the arc's centre lies within its sweep.
bool withinSweep(Seg const& s, double angle) {
  const double a0 = std::atan2(s.p.y - s.c.y, s.p.x - s.c.x);
  double along = std::remainder(angle - a0, 2 * kPi);  // (-pi, pi]
  if (s.sweep > 0 && along < 0) along += 2 * kPi;
  if (s.sweep < 0 && along > 0) along -= 2 * kPi;
  return std::fabs(along) <= std::fabs(s.sweep);
}

DtGePoint2d arcPoint(Seg const& s, double fraction) {
  const double a = std::atan2(s.p.y - s.c.y, s.p.x - s.c.x) + fraction * s.sweep;
  return {s.c.x + s.r * std::cos(a), s.c.y + s.r * std::sin(a)};
}

// The arc's turn seen from p: its chord's, and a whole turn more when p lies
// between the chord and the arc (on the side of the arc's midpoint, within
// its circle).
double arcTurn(DtGePoint2d const& p, Seg const& s) {
  const bool full = std::fabs(s.sweep) >= 2 * kPi - 1e-12;
  double angle = full ? 0.0 : turn(p, s.p, s.q);
  if (distance(p, s.c) >= s.r) return angle;
  const bool between = full || (cross(s.p, s.q, p) > 0) == (cross(s.p, s.q, arcPoint(s, 0.5)) > 0);
  if (between) angle += s.sweep > 0 ? 2 * kPi : -2 * kPi;
  return angle;
}

}  // namespace

int classify(Loop const& loop, DtGePoint2d const& p, double tol) {
  double total = 0;
  for (Seg const& s : loop) {
    switch (s.kind) {
      case Seg::kLine:
        if (distanceToSegment(p, s.p, s.q) <= tol) return 0;
        total += turn(p, s.p, s.q);
        break;
      case Seg::kArc:
        if (std::fabs(distance(p, s.c) - s.r) <= tol &&
            (withinSweep(s, std::atan2(p.y - s.c.y, p.x - s.c.x)) || distance(p, s.p) <= tol || distance(p, s.q) <= tol))
          return 0;
        total += arcTurn(p, s);
        break;
      case Seg::kCurve:
        for (std::size_t i = 0; i + 1 < s.pts.size(); ++i) {
          if (distanceToSegment(p, s.pts[i], s.pts[i + 1]) <= tol) return 0;
          total += turn(p, s.pts[i], s.pts[i + 1]);
        }
        break;
    }
  }
  return std::fabs(total) > kPi ? 1 : -1;
}

std::vector<DtGePoint2d> midpoints(Loop const& loop) {
  std::vector<DtGePoint2d> points;
  for (Seg const& s : loop) {
    if (s.kind == Seg::kArc) points.push_back(arcPoint(s, 0.5));
    else if (s.kind == Seg::kCurve && !s.pts.empty()) points.push_back(s.pts[s.pts.size() / 2]);
    else points.push_back({(s.p.x + s.q.x) / 2, (s.p.y + s.q.y) / 2});
  }
  return points;
}

Nesting nest(std::vector<Loop const*> const& loops) {
  using Pt = bg::model::d2::point_xy<double>;
  using Box = bg::model::box<Pt>;
  const std::size_t n = loops.size();
  std::vector<shape::Box> boxes(n);
  std::vector<double> areas(n);
  std::vector<std::pair<Box, std::size_t>> entries;
  double scale = 1;
  for (std::size_t i = 0; i < n; ++i) {
    for (Seg const& s : *loops[i]) addExtents(boxes[i], s);
    areas[i] = std::fabs(moments(*loops[i]).a);
    if (boxes[i].empty) continue;
    entries.push_back({Box(Pt(boxes[i].min.x, boxes[i].min.y), Pt(boxes[i].max.x, boxes[i].max.y)), i});
    scale = std::max({scale, std::fabs(boxes[i].min.x), std::fabs(boxes[i].min.y), std::fabs(boxes[i].max.x),
                      std::fabs(boxes[i].max.y)});
  }
  const double tol = 1e-9 * scale;
  const bgi::rtree<std::pair<Box, std::size_t>, bgi::rstar<16>> tree(entries);

  Nesting result{std::vector<std::ptrdiff_t>(n, -1), std::vector<int>(n, 0)};
  std::vector<std::pair<Box, std::size_t>> found;
  for (auto const& [box, i] : entries) {
    const Box inner(Pt(box.min_corner().x() + tol, box.min_corner().y() + tol),
                    Pt(box.max_corner().x() - tol, box.max_corner().y() - tol));
    found.clear();
    tree.query(bgi::covers(inner), std::back_inserter(found));
    const std::vector<DtGePoint2d> probes = midpoints(*loops[i]);
    for (auto const& [outerBox, j] : found) {
      if (j == i || !(areas[j] > areas[i])) continue;
      int where = 0;
      for (auto const& p : probes)
        if ((where = classify(*loops[j], p, tol)) != 0) break;
      if (where != 1) continue;
      ++result.depth[i];
      const std::ptrdiff_t parent = result.parent[i];
      if (parent < 0 || areas[j] < areas[static_cast<std::size_t>(parent)]) result.parent[i] = static_cast<std::ptrdiff_t>(j);
    }
  }
  return result;
}

}  // namespace zept::host
