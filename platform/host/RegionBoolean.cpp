// SPDX-License-Identifier: MIT
// Boolean operations on region faces through Clipper, keeping exact pieces:
// the operands' lines and arcs are tessellated (arcs on the fixed angle grid
// of their radius), Clipper combines the polygons on a fine integer grid, and
// each edge of the result is traced back to the operand piece it lies on. Runs of
// edges on one piece become that piece again (a line, or an arc between two
// points of its circle), and the points where runs meet are moved onto the
// exact crossing of the two pieces. So areas and centroids of results come
// from closed forms, and the tessellation only decides which parts exist.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <stdexcept>

// Boost.Geometry's envelope code starts boxes uninitialised on purpose; once
// inlined here GCC reports it against this file.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <boost/geometry/index/rtree.hpp>
#include <polyclipping/clipper.hpp>

#include "platform/host/RegionGeometry.h"

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace zept::host {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * kPi;

using Pt = bg::model::d2::point_xy<double>;
using Poly = bg::model::polygon<Pt, false, true>;  // counter-clockwise outers, closed
using Box = bg::model::box<Pt>;
using Entry = std::pair<Box, std::size_t>;

// Every tessellation edge with the piece it belongs to.
struct Source {
  std::vector<Seg const*> segs;
  struct Edge {
    DtGePoint2d a, b;
    std::size_t seg;
  };
  std::vector<Edge> edges;
  double maxChord = 0.0;
  // Each edge's two ends on Clipper's grid, hashed by point: most edges of
  // a result are operand edges or part of one from an operand point, found
  // here without a spatial search.
  struct End {
    ClipperLib::IntPoint at, other;
    std::size_t edge;
  };
  std::vector<End> ends;
  // Open addressing on the point: index + 1 into `ends`, 0 for a free slot.
  std::vector<std::size_t> table;

  std::size_t slotOf(ClipperLib::IntPoint const& p) const {
    auto const h = (static_cast<std::uint64_t>(p.X) * 0x9E3779B97F4A7C15ull) ^
                   (static_cast<std::uint64_t>(p.Y) * 0xC2B2AE3D27D4EB4Full);
    return static_cast<std::size_t>(h ^ (h >> 29)) & (table.size() - 1);
  }
  void index() {
    std::size_t size = 16;
    while (size < 2 * ends.size()) size *= 2;
    table.assign(size, 0);
    for (std::size_t i = 0; i < ends.size(); ++i) {
      std::size_t k = slotOf(ends[i].at);
      while (table[k] != 0) k = (k + 1) & (size - 1);
      table[k] = i + 1;
    }
  }
  // Calls visit(end) for each end at p.
  template <class Visit>
  void forEachAt(ClipperLib::IntPoint const& p, Visit&& visit) const {
    for (std::size_t k = slotOf(p); table[k] != 0; k = (k + 1) & (table.size() - 1))
      if (ends[table[k] - 1].at == p) visit(ends[table[k] - 1]);
  }
};

// The loop's tessellation as a ring without its closing point, each edge
// recorded with the piece it belongs to.
std::vector<DtGePoint2d> addRing(Loop const& loop, Source& src) {
  std::vector<DtGePoint2d> pts;
  std::vector<std::size_t> owner;
  for (auto const& s : loop) {
    std::size_t const before = pts.size();
    std::size_t const id = src.segs.size();
    src.segs.push_back(&s);
    if (s.kind == Seg::kArc) src.maxChord = std::max(src.maxChord, chordError(s.r));
    tessellate(s, pts);
    // A point that repeats the one before it stays out of the ring.
    if (before > 0 && pts.size() > before && pts[before].x == pts[before - 1].x && pts[before].y == pts[before - 1].y) {
      pts.erase(pts.begin() + static_cast<long>(before));
    }
    owner.resize(pts.size(), id);
  }
  if (pts.size() > 1 && pts.front().x == pts.back().x && pts.front().y == pts.back().y) {
    pts.pop_back();
    owner.pop_back();
  }
  for (std::size_t i = 0; i < pts.size(); ++i) src.edges.push_back({pts[i], pts[(i + 1) % pts.size()], owner[i]});
  return pts;
}

// Clipper works on integers. The grid is a power of two, so that scaling is
// exact and small binary fractions stay on it, and fine: the largest
// coordinate becomes about 2^kGridBits. Clipper's 128-bit products keep its
// decisions exact there; its crossings, computed in doubles, stay within a
// few dozen steps of both edges.
constexpr int kGridBits = 50;

double gridScale(double largest) {
  int exp = 0;
  std::frexp(std::max(largest, 1e-300), &exp);  // largest < 2^exp
  // Never infinite: regions scaled down to nothing stay finite and merely
  // vanish from the grid.
  return std::ldexp(1.0, std::min(kGridBits - exp, 1000));
}

// The crossing of the two pieces' carriers (line or circle) nearest `near`.
std::optional<DtGePoint2d> crossing(Seg const& s, Seg const& t, DtGePoint2d const& near) {
  std::vector<DtGePoint2d> found;
  auto lineLine = [&](Seg const& a, Seg const& b) {
    DtGeVector2d const d1 = a.q - a.p, d2 = b.q - b.p;
    double const den = d1.crossProduct(d2);
    if (std::fabs(den) <= 1e-15 * d1.length() * d2.length()) return;
    double const u = (b.p - a.p).crossProduct(d2) / den;
    found.push_back(a.p + d1 * u);
  };
  auto lineCircle = [&](Seg const& a, DtGePoint2d const& c, double r) {
    DtGeVector2d const d = (a.q - a.p).normal();
    DtGePoint2d const foot = a.p + d * (c - a.p).dotProduct(d);
    double const h2 = r * r - (foot - c).lengthSqrd();
    double const h = h2 > 0.0 ? std::sqrt(h2) : 0.0;
    found.push_back(foot + d * h);
    found.push_back(foot - d * h);
  };
  auto circleCircle = [&](DtGePoint2d const& c1, double r1, DtGePoint2d const& c2, double r2) {
    DtGeVector2d const d = c2 - c1;
    double const dist = d.length();
    if (!(dist > 1e-12 * std::max(r1, r2))) return;
    double const a = (r1 * r1 - r2 * r2 + dist * dist) / (2.0 * dist);
    double const h2 = r1 * r1 - a * a;
    double const h = h2 > 0.0 ? std::sqrt(h2) : 0.0;
    DtGeVector2d const u = d / dist;
    DtGePoint2d const m = c1 + u * a;
    found.push_back(m + u.perpVector() * h);
    found.push_back(m - u.perpVector() * h);
  };
  if (s.kind == Seg::kLine && t.kind == Seg::kLine) lineLine(s, t);
  if (s.kind == Seg::kLine && t.kind == Seg::kArc) lineCircle(s, t.c, t.r);
  if (s.kind == Seg::kArc && t.kind == Seg::kLine) lineCircle(t, s.c, s.r);
  if (s.kind == Seg::kArc && t.kind == Seg::kArc) circleCircle(s.c, s.r, t.c, t.r);
  if (found.empty()) return std::nullopt;
  return *std::min_element(found.begin(), found.end(), [&](DtGePoint2d const& a, DtGePoint2d const& b) {
    return a.distanceTo(near) < b.distanceTo(near);
  });
}

DtGePoint2d onCircle(DtGePoint2d const& p, Seg const& arc);

// The point of the piece's line or circle nearest p.
DtGePoint2d onCarrier(DtGePoint2d const& p, Seg const& s) {
  if (s.kind == Seg::kArc) return onCircle(p, s);
  DtGeVector2d const d = (s.q - s.p).normal();
  return s.p + d * (p - s.p).dotProduct(d);
}

DtGePoint2d onCircle(DtGePoint2d const& p, Seg const& arc) {
  DtGeVector2d const d = p - arc.c;
  double const len = d.length();
  return len > 0.0 ? arc.c + d * (arc.r / len) : p;
}

class Rebuilder {
 public:
  // Clipper's points lie on a grid of `step`: copied points within a step of
  // the operands' points, new ones (crossings) within a few dozen steps of
  // both edges. Pieces are traced within 1024 steps.
  Rebuilder(Source const& src, double step) : m_src(src), m_tol(1024.0 * step), m_step(step) {}

  // A loop of exact pieces for one ring of the result, or nothing when the
  // ring is a sliver of numerical noise.
  std::optional<Loop> rebuild(ClipperLib::Path const& ring) const {
    ClipperLib::Path grid;
    for (auto const& p : ring)
      if (grid.empty() || grid.back() != p) grid.push_back(p);
    if (grid.size() > 1 && grid.front() == grid.back()) grid.pop_back();
    std::size_t const n = grid.size();
    if (n < 3) return std::nullopt;
    std::vector<DtGePoint2d> v;
    v.reserve(n);
    for (auto const& p : grid) v.emplace_back(static_cast<double>(p.X) * m_step, static_cast<double>(p.Y) * m_step);
    std::vector<long> tag(n);
    std::size_t hint = 0;  // the operand edge last found: a result mostly follows its operands' rings
    for (std::size_t i = 0; i < n; ++i) {
      tag[i] = operandEdge(grid[i], grid[(i + 1) % n], v[i], v[(i + 1) % n], hint);
      if (tag[i] < 0) tag[i] = owner(v[i], v[(i + 1) % n]);
    }

    std::size_t first = n;  // an edge whose piece differs from the one before it
    for (std::size_t i = 0; i < n; ++i)
      if (tag[i] != tag[(i + n - 1) % n]) {
        first = i;
        break;
      }
    Loop loop;
    if (first == n) {
      if (!wholeRing(v, tag[0], loop)) return std::nullopt;
    } else {
      // Runs [start, end) of edges, as indexes from `first`, and their exact corners.
      std::vector<std::pair<std::size_t, std::size_t>> runs;
      for (std::size_t k = 0; k < n;) {
        std::size_t e = k + 1;
        while (e < n && tag[(first + e) % n] == tag[(first + k) % n]) ++e;
        runs.emplace_back(k, e);
        k = e;
      }
      std::vector<DtGePoint2d> corner(runs.size());
      for (std::size_t r = 0; r < runs.size(); ++r) {
        long const before = tag[(first + runs[(r + runs.size() - 1) % runs.size()].first) % n];
        long const after = tag[(first + runs[r].first) % n];
        corner[r] = exactCorner(v[(first + runs[r].first) % n], before, after);
      }
      for (std::size_t r = 0; r < runs.size(); ++r) {
        DtGePoint2d const a = corner[r], b = corner[(r + 1) % runs.size()];
        std::vector<DtGePoint2d> inner;
        for (std::size_t k = runs[r].first + 1; k < runs[r].second; ++k) inner.push_back(v[(first + k) % n]);
        addRun(tag[(first + runs[r].first) % n], a, b, inner, loop);
      }
    }
    joinNeighbours(loop, m_tol);
    if (loop.empty()) return std::nullopt;
    // A ring thinner than the tracing tolerance is noise of the grid.
    double around = 0.0;
    for (auto const& s : loop) around += length(s);
    if (!(std::fabs(moments(loop).a) > m_tol * around)) return std::nullopt;
    return loop;
  }

 private:
  Seg const* seg(long id) const { return id < 0 ? nullptr : m_src.segs[static_cast<std::size_t>(id)]; }

  // The piece of an operand edge from a to b or from b to a, else of the
  // nearest operand edge at either end that holds the other end.
  long operandEdge(ClipperLib::IntPoint const& a, ClipperLib::IntPoint const& b, DtGePoint2d const& pa,
                   DtGePoint2d const& pb, std::size_t& hint) const {
    std::size_t const edges = m_src.edges.size();
    if (edges == 0) return -1;
    auto joins = [&](std::size_t e) {
      Source::End const& end = m_src.ends[2 * e];
      return (end.at == a && end.other == b) || (end.at == b && end.other == a);
    };
    for (std::size_t e : {hint + 1, hint + edges - 1, hint})
      if (joins(e % edges)) return static_cast<long>(m_src.edges[hint = e % edges].seg);
    long exact = -1;
    // Named pairs: clang before 16 refuses lambdas that use structured bindings.
    for (auto const& ends : {std::pair{a, b}, std::pair{b, a}}) {
      ClipperLib::IntPoint const& q = ends.second;
      m_src.forEachAt(ends.first, [&](Source::End const& end) {
        if (end.other == q && exact < 0) exact = static_cast<long>(m_src.edges[hint = end.edge].seg);
      });
    }
    if (exact >= 0) return exact;
    long best = -1;
    double bestDist = 0.0;
    for (auto const& ends : {std::pair{a, pb}, std::pair{b, pa}}) {
      DtGePoint2d const& pq = ends.second;
      m_src.forEachAt(ends.first, [&](Source::End const& end) {
        auto const& e = m_src.edges[end.edge];
        double const d = distanceToSegment(pq, e.a, e.b);
        if (d <= m_tol && (best < 0 || d < bestDist)) best = static_cast<long>(e.seg), bestDist = d;
      });
    }
    return best;
  }

  // The R-tree of the operands' edges, made when an edge is first searched.
  bgi::rtree<Entry, bgi::quadratic<16>> const& tree() const {
    if (!m_tree) {
      std::vector<Entry> entries;
      entries.reserve(m_src.edges.size());
      for (std::size_t i = 0; i < m_src.edges.size(); ++i) {
        auto const& e = m_src.edges[i];
        Box box(Pt(std::min(e.a.x, e.b.x), std::min(e.a.y, e.b.y)), Pt(std::max(e.a.x, e.b.x), std::max(e.a.y, e.b.y)));
        entries.emplace_back(box, i);
      }
      m_tree.emplace(entries.begin(), entries.end());
    }
    return *m_tree;
  }

  // The operand piece whose tessellation edge holds the result edge a-b.
  long owner(DtGePoint2d const& a, DtGePoint2d const& b) const {
    DtGePoint2d const m((a.x + b.x) / 2, (a.y + b.y) / 2);
    Box const box(Pt(m.x - m_tol, m.y - m_tol), Pt(m.x + m_tol, m.y + m_tol));
    long best = -1;
    double bestDist = 0.0;
    auto const& index = tree();
    for (auto it = index.qbegin(bgi::intersects(box)); it != index.qend(); ++it) {
      auto const& e = m_src.edges[it->second];
      double const d = std::max(distanceToSegment(a, e.a, e.b), distanceToSegment(b, e.a, e.b));
      if (d <= m_tol && (best < 0 || d < bestDist)) best = static_cast<long>(e.seg), bestDist = d;
    }
    return best >= 0 ? best : chordOwner(a, b);
  }

  // Clipper drops a tessellation point that rounds onto its neighbours'
  // chord, so a result edge may span several edges of one arc: both ends on
  // that arc's points.
  long chordOwner(DtGePoint2d const& a, DtGePoint2d const& b) const {
    auto const& index = tree();
    auto near = [&](DtGePoint2d const& p, auto&& visit) {
      Box const box(Pt(p.x - m_tol, p.y - m_tol), Pt(p.x + m_tol, p.y + m_tol));
      for (auto it = index.qbegin(bgi::intersects(box)); it != index.qend(); ++it) {
        auto const& e = m_src.edges[it->second];
        if (m_src.segs[e.seg]->kind == Seg::kArc && distanceToSegment(p, e.a, e.b) <= m_tol) visit(e.seg);
      }
    };
    long found = -1;
    near(a, [&](std::size_t id) {
      if (found >= 0) return;
      Seg const& s = *m_src.segs[id];
      if (std::fabs(b.distanceTo(s.c) - s.r) > m_tol || std::fabs(a.distanceTo(s.c) - s.r) > m_tol) return;
      near(b, [&](std::size_t other) {
        if (other == id) found = static_cast<long>(id);
      });
    });
    return found;
  }

  DtGePoint2d exactCorner(DtGePoint2d const& x, long before, long after) const {
    Seg const* s = seg(before);
    Seg const* t = seg(after);
    if (!s || !t) return x;
    // A point Clipper copied from an operand is that operand's corner.
    for (Seg const* u : {s, t})
      for (DtGePoint2d const& end : {u->p, u->q})
        if (end.distanceTo(x) <= 2.0 * m_step) return end;
    if (s->kind == Seg::kCurve || t->kind == Seg::kCurve) return x;
    double const reach = 4.0 * m_src.maxChord + m_tol;
    if (auto c = crossing(*s, *t, x); c && (c->distanceTo(x) <= reach || together(*s, *t, x, *c))) return *c;
    for (Seg const* u : {s, t})
      for (DtGePoint2d const& end : {u->p, u->q})
        if (end.distanceTo(x) <= m_tol) return end;
    // No crossing near: the pieces run together here (equal circles, or a
    // line along a chord); stay on the circle of either.
    if (t->kind == Seg::kArc) return onCircle(x, *t);
    if (s->kind == Seg::kArc) return onCircle(x, *s);
    return x;
  }

  // Whether the two carriers stay within the chord error of each other from
  // x to c: then Clipper's point x, where the chords cross, stands for the
  // (near) tangency c of the exact curves, however far along they are.
  bool together(Seg const& s, Seg const& t, DtGePoint2d const& x, DtGePoint2d const& c) const {
    for (double f : {0.25, 0.5, 0.75}) {
      DtGePoint2d const m = x + (c - x) * f;
      if (onCarrier(m, s).distanceTo(onCarrier(m, t)) > 2.0 * m_src.maxChord + m_tol) return false;
    }
    return true;
  }

  // The piece `id` from a to b, passing the result's points `inner`.
  void addRun(long id, DtGePoint2d const& a, DtGePoint2d const& b, std::vector<DtGePoint2d> const& inner,
              Loop& loop) const {
    Seg const* s = seg(id);
    Seg out;
    out.p = a;
    out.q = b;
    if (s && s->kind == Seg::kArc) {
      double turned = 0.0;  // the run's own turn about the centre, from its points
      DtGePoint2d prev = a;
      for (auto const& p : inner) turned += (prev - s->c).angleTo(p - s->c), prev = p;
      turned += (prev - s->c).angleTo(b - s->c);
      double const d = (a - s->c).angleTo(b - s->c);
      out.kind = Seg::kArc;
      out.c = s->c;
      out.r = s->r;
      out.sweep = d + kTwoPi * std::round((turned - d) / kTwoPi);
      if (std::fabs(out.sweep) <= 1e-12) return;
    } else if (s && s->kind == Seg::kCurve) {
      out.kind = Seg::kCurve;
      out.curveKind = s->curveKind;
      if (s->form && s->form->ellipse) out.form = s->form;  // a piece of a spline is no whole spline
      out.pts.push_back(a);
      out.pts.insert(out.pts.end(), inner.begin(), inner.end());
      out.pts.push_back(b);
    } else if (!s && !inner.empty()) {
      // Unknown origin (should not happen): keep the result's own edges.
      DtGePoint2d from = a;
      for (auto const& p : inner) {
        addRun(-1, from, p, {}, loop);
        from = p;
      }
      addRun(-1, from, b, {}, loop);
      return;
    }
    if (out.kind == Seg::kLine && a.x == b.x && a.y == b.y) return;
    loop.push_back(std::move(out));
  }

  // A ring that lies on one piece: a whole circle, or a closed curve.
  bool wholeRing(std::vector<DtGePoint2d> const& v, long id, Loop& loop) const {
    Seg const* s = seg(id);
    if (s && s->kind == Seg::kArc) {
      double turned = 0.0;
      for (std::size_t i = 0; i < v.size(); ++i) turned += (v[i] - s->c).angleTo(v[(i + 1) % v.size()] - s->c);
      Seg out;
      out.kind = Seg::kArc;
      out.c = s->c;
      out.r = s->r;
      out.p = out.q = DtGePoint2d(s->c.x + s->r, s->c.y);
      out.sweep = turned >= 0.0 ? kTwoPi : -kTwoPi;
      loop.push_back(out);
      return true;
    }
    if (s && s->kind == Seg::kCurve) {
      Seg out;
      out.kind = Seg::kCurve;
      out.curveKind = s->curveKind;
      out.pts = v;
      out.pts.push_back(v.front());
      out.p = out.q = v.front();
      if (s->form && s->form->ellipse) out.form = s->form;
      // The whole of a closed spline: still measured as the spline, turning as the ring does.
      if (s->form && !s->form->cubics.empty() && s->p.x == s->q.x && s->p.y == s->q.y) {
        const bool ringTurnsLeft = moments(Loop{out}).a > 0.0;  // measured along its points
        out.form = s->form;
        if ((moments(Loop{out}).a > 0.0) != ringTurnsLeft) out.form = reversed(*s->form);
      }
      loop.push_back(out);
      return true;
    }
    for (std::size_t i = 0; i < v.size(); ++i) addRun(-1, v[i], v[(i + 1) % v.size()], {}, loop);
    return !loop.empty();
  }

  Source const& m_src;
  double m_tol;
  double m_step;
  mutable std::optional<bgi::rtree<Entry, bgi::quadratic<16>>> m_tree;
};

}  // namespace

void joinNeighbours(Loop& loop, double tol) {
  auto same = [&](Seg const& x, Seg const& y) {
    if (x.kind != y.kind || x.kind == Seg::kCurve) return false;
    if (x.kind == Seg::kArc)
      return x.c.distanceTo(y.c) <= tol && std::fabs(x.r - y.r) <= tol && (x.sweep > 0) == (y.sweep > 0);
    DtGeVector2d const d1 = x.q - x.p, d2 = y.q - y.p;
    return d1.dotProduct(d2) > 0.0 && std::fabs(d1.crossProduct(d2)) <= 1e-12 * d1.length() * d2.length() &&
           distanceToSegment(x.q, x.p, y.q) <= tol;
  };
  bool changed = true;
  while (changed && loop.size() > 1) {
    changed = false;
    for (std::size_t i = 0; i < loop.size() && loop.size() > 1; ++i) {
      std::size_t const j = (i + 1) % loop.size();
      if (!same(loop[i], loop[j])) continue;
      Seg joined = loop[i];
      joined.q = loop[j].q;
      if (joined.kind == Seg::kArc) {
        joined.sweep += loop[j].sweep;
        if (std::fabs(joined.sweep) >= kTwoPi - 1e-9) {
          joined.sweep = joined.sweep > 0 ? kTwoPi : -kTwoPi;
          joined.q = joined.p;
        }
      }
      loop[i] = joined;
      loop.erase(loop.begin() + static_cast<long>(j));
      changed = true;
      break;
    }
  }
}

double overlayTolerance(double largest) { return 1024.0 / gridScale(largest); }

bool isSimple(Loop const& loop) {
  // A whole circle cannot cross itself.
  if (loop.size() == 1 && loop.front().kind == Seg::kArc) return true;
  Source src;
  std::vector<DtGePoint2d> const pts = addRing(loop, src);
  if (pts.size() < 3) return false;
  Poly poly;
  for (auto const& p : pts) poly.outer().push_back(Pt(p.x, p.y));
  poly.outer().push_back(Pt(pts.front().x, pts.front().y));
  bg::validity_failure_type failure;
  bool const valid = bg::is_valid(poly, failure);
  return valid || failure == bg::failure_wrong_orientation;
}

std::vector<Face> combine(std::vector<Face> const& a, std::vector<Face> const& b, int op) {
  if (auto apart = combineApart(a, b, op)) return std::move(*apart);
  return overlay(a, b, op);
}

std::vector<Face> overlay(std::vector<Face> const& a, std::vector<Face> const& b, int op) {
  Source src;
  std::vector<std::vector<DtGePoint2d>> rings[2];
  double largest = 0.0;
  for (int k = 0; k < 2; ++k)
    for (auto const& f : k == 0 ? a : b) {
      rings[k].push_back(addRing(f.outer, src));
      for (auto const& h : f.holes) rings[k].push_back(addRing(h, src));
    }
  for (auto const& side : rings)
    for (auto const& ring : side)
      for (auto const& p : ring) largest = std::max({largest, std::fabs(p.x), std::fabs(p.y)});
  if (!std::isfinite(largest)) throw std::domain_error("region coordinates are not finite");
  double const scale = gridScale(largest);
  ClipperLib::Clipper clipper(ClipperLib::ioPreserveCollinear);
  for (int k = 0; k < 2; ++k) {
    ClipperLib::Paths paths;
    for (auto const& ring : rings[k]) {
      ClipperLib::Path path;
      path.reserve(ring.size());
      for (auto const& p : ring) path.emplace_back(std::llround(p.x * scale), std::llround(p.y * scale));
      // Edges were recorded ring by ring in this same order.
      for (std::size_t i = 0; i < path.size(); ++i) {
        ClipperLib::IntPoint const& p = path[i];
        ClipperLib::IntPoint const& q = path[(i + 1) % path.size()];
        std::size_t const edge = src.ends.size() / 2;
        src.ends.push_back({p, q, edge});
        src.ends.push_back({q, p, edge});
      }
      paths.push_back(std::move(path));
    }
    clipper.AddPaths(paths, k == 0 ? ClipperLib::ptSubject : ClipperLib::ptClip, true);
  }
  src.index();
  ClipperLib::ClipType const type = op == 0   ? ClipperLib::ctUnion
                                    : op == 1 ? ClipperLib::ctIntersection
                                              : ClipperLib::ctDifference;
  ClipperLib::PolyTree tree;
  // Outer loops run counter-clockwise and holes clockwise, so a face's
  // inside has winding number 1 and its holes 0.
  if (!clipper.Execute(type, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero))
    throw std::runtime_error("region overlay failed");

  Rebuilder const rebuild(src, 1.0 / scale);
  std::vector<Face> out;
  // Outer rings hold holes, holes hold the outer rings of islands.
  auto addOuter = [&](ClipperLib::PolyNode const& node, auto&& self) -> void {
    auto outer = rebuild.rebuild(node.Contour);
    if (outer) {
      Face face;
      face.outer = std::move(*outer);
      if (moments(face.outer).a < 0.0) reverse(face.outer);
      for (auto const* hole : node.Childs) {
        auto ring = rebuild.rebuild(hole->Contour);
        if (!ring) continue;
        if (moments(*ring).a > 0.0) reverse(*ring);
        face.holes.push_back(std::move(*ring));
      }
      out.push_back(std::move(face));
    }
    for (auto const* hole : node.Childs)
      for (auto const* island : hole->Childs) self(*island, self);
  };
  for (auto const* node : tree.Childs) addOuter(*node, addOuter);
  return out;
}

}  // namespace zept::host
