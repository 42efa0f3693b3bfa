// SPDX-License-Identifier: MIT
// Boolean operations on faces whose loops keep apart. When no loop of either
// operand comes near another, each lies wholly inside or wholly outside every
// other, and the result is made of some of the operands' own loops: those
// whose two sides the operation fills differently, by the winding numbers of
// the loops around them. A plate with its bolt holes, or a drawing of many
// separate parts, so needs no overlay; spatial indexes find the few pieces
// close enough to test and the loops that may hold each loop.
#include <algorithm>
#include <cmath>
#include <iterator>

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/index/rtree.hpp>

#include "platform/host/RegionGeometry.h"

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace zept::host {
namespace {

using Pt = bg::model::d2::point_xy<double>;
using Box = bg::model::box<Pt>;
using Entry = std::pair<Box, std::size_t>;
using Tree = bgi::rtree<Entry, bgi::rstar<16>>;

struct Ring {
  Loop const* loop;
  int side;  // 0 first operand, 1 second
  int sign;  // winding number inside: +1 outer loop, -1 hole
  shape::Box box;
  double area = 0.0;
};

Box boxOf(shape::Box const& b) { return Box(Pt(b.min.x, b.min.y), Pt(b.max.x, b.max.y)); }

double segmentGap(DtGePoint2d const& a, DtGePoint2d const& b, DtGePoint2d const& c, DtGePoint2d const& d) {
  double const c1 = cross(a, b, c), c2 = cross(a, b, d), c3 = cross(c, d, a), c4 = cross(c, d, b);
  if (((c1 < 0) != (c2 < 0)) && ((c3 < 0) != (c4 < 0))) return 0.0;
  return std::min({distanceToSegment(a, c, d), distanceToSegment(b, c, d), distanceToSegment(c, a, b),
                   distanceToSegment(d, a, b)});
}

// Whether two pieces may come within `reach` of each other: exactly for two
// lines, by whole circles (so erring towards "near") where an arc takes part.
bool near(Seg const& s, Seg const& t, double reach) {
  if (s.kind == Seg::kLine && t.kind == Seg::kLine) return segmentGap(s.p, s.q, t.p, t.q) <= reach;
  if (s.kind == Seg::kArc && t.kind == Seg::kArc) {
    double const d = s.c.distanceTo(t.c);
    return d <= s.r + t.r + reach && d + std::min(s.r, t.r) >= std::max(s.r, t.r) - reach;
  }
  Seg const& line = s.kind == Seg::kLine ? s : t;
  Seg const& arc = s.kind == Seg::kLine ? t : s;
  return distanceToSegment(arc.c, line.p, line.q) <= arc.r + reach &&
         std::max(arc.c.distanceTo(line.p), arc.c.distanceTo(line.q)) >= arc.r - reach;
}

bool filled(int op, bool inA, bool inB) { return op == 0 ? inA || inB : op == 1 ? inA && inB : inA && !inB; }

}  // namespace

std::optional<std::vector<Face>> combineApart(std::vector<Face> const& a, std::vector<Face> const& b, int op) {
  std::vector<Ring> rings;
  for (int k = 0; k < 2; ++k)
    for (auto const& f : k == 0 ? a : b) {
      rings.push_back({&f.outer, k, 1, {}});
      for (auto const& h : f.holes) rings.push_back({&h, k, -1, {}});
    }
  std::size_t const n = rings.size();
  double largest = 0.0, chord = 0.0;
  std::vector<Entry> pieces;
  std::vector<std::pair<std::size_t, Seg const*>> pieceOf;
  for (std::size_t i = 0; i < n; ++i) {
    Ring& ring = rings[i];
    if (ring.loop->empty()) return std::nullopt;
    for (Seg const& s : *ring.loop) {
      // Curves are measured along chains of points: the overlay decides them.
      if (s.kind == Seg::kCurve) return std::nullopt;
      if (s.kind == Seg::kArc) chord = std::max(chord, chordError(s.r));
      shape::Box box;
      addExtents(box, s);
      ring.box.add(box);
      pieces.emplace_back(boxOf(box), pieceOf.size());
      pieceOf.emplace_back(i, &s);
    }
    largest = std::max({largest, std::fabs(ring.box.min.x), std::fabs(ring.box.min.y), std::fabs(ring.box.max.x),
                        std::fabs(ring.box.max.y)});
    ring.area = moments(*ring.loop).a;
    // A loop against its role's sense is no face the overlay was given.
    if ((ring.area > 0.0) != (ring.sign > 0) || !std::isfinite(ring.area)) return std::nullopt;
  }
  if (!std::isfinite(largest)) return std::nullopt;
  // Farther apart than the tessellation's chords reach and the overlay's
  // grid resolves, loops are apart for the overlay too.
  double const reach = std::max(1e-9 * std::max(largest, 1.0), 4.0 * chord);
  for (Ring const& ring : rings) {
    double around = 0.0;
    for (Seg const& s : *ring.loop) around += length(s);
    if (!(std::fabs(ring.area) > reach * around)) return std::nullopt;
  }

  Tree const pieceTree(pieces);
  std::vector<Entry> found;
  for (auto const& [box, i] : pieces) {
    Box const grown(Pt(box.min_corner().x() - reach, box.min_corner().y() - reach),
                    Pt(box.max_corner().x() + reach, box.max_corner().y() + reach));
    found.clear();
    pieceTree.query(bgi::intersects(grown), std::back_inserter(found));
    for (auto const& hit : found) {
      std::size_t const j = hit.second;
      if (j > i && pieceOf[i].first != pieceOf[j].first && near(*pieceOf[i].second, *pieceOf[j].second, reach))
        return std::nullopt;
    }
  }

  // The loops holding each loop: their boxes hold its box, and a point of
  // its outline, far from every other loop, lies inside them.
  std::vector<Entry> boxes;
  for (std::size_t i = 0; i < n; ++i) boxes.emplace_back(boxOf(rings[i].box), i);
  Tree const ringTree(boxes);
  std::vector<std::vector<std::size_t>> holders(n);
  for (std::size_t i = 0; i < n; ++i) {
    found.clear();
    ringTree.query(bgi::covers(boxes[i].first), std::back_inserter(found));
    DtGePoint2d const probe = rings[i].loop->front().p;
    for (auto const& hit : found) {
      std::size_t const j = hit.second;
      if (j == i || !(std::fabs(rings[j].area) > std::fabs(rings[i].area))) continue;
      int const where = classify(*rings[j].loop, probe, reach / 2);
      if (where == 0) return std::nullopt;
      if (where == 1) holders[i].push_back(j);
    }
  }

  // +1 an outer loop of the result, -1 a hole of it, 0 none of its outline.
  std::vector<int> role(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    int around[2] = {0, 0};
    for (std::size_t j : holders[i]) around[rings[j].side] += rings[j].sign;
    int inside[2] = {around[0], around[1]};
    inside[rings[i].side] += rings[i].sign;
    bool const in = filled(op, inside[0] != 0, inside[1] != 0);
    if (in != filled(op, around[0] != 0, around[1] != 0)) role[i] = in ? 1 : -1;
  }
  double const tol = overlayTolerance(largest);
  std::vector<std::ptrdiff_t> faceOf(n, -1);
  std::vector<Face> out;
  auto oriented = [&](std::size_t i, bool counterClockwise) {
    Loop loop = *rings[i].loop;
    if ((rings[i].area > 0.0) != counterClockwise) reverse(loop);
    joinNeighbours(loop, tol);
    return loop;
  };
  for (std::size_t i = 0; i < n; ++i)
    if (role[i] == 1) {
      faceOf[i] = static_cast<std::ptrdiff_t>(out.size());
      out.push_back(Face{oriented(i, true), {}});
    }
  for (std::size_t i = 0; i < n; ++i) {
    if (role[i] != -1) continue;
    // The innermost loop of the result around a hole is its face's outline.
    std::size_t nearest = n;
    for (std::size_t j : holders[i])
      if (role[j] != 0 && (nearest == n || std::fabs(rings[j].area) < std::fabs(rings[nearest].area))) nearest = j;
    if (nearest == n || role[nearest] != 1) return std::nullopt;
    out[static_cast<std::size_t>(faceOf[nearest])].holes.push_back(oriented(i, false));
  }
  return out;
}

}  // namespace zept::host
