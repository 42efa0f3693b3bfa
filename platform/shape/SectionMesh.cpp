// SPDX-License-Identifier: MIT
// The conforming Delaunay mesh of a section: spacing from the wall
// thickness, a graded quadtree inside, Boost.Polygon's Voronoi diagram for
// the triangles; relies on the loops being valid (SectionBoundary).
#include "platform/shape/SectionMesh.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <unordered_map>
#include <utility>

#include <boost/polygon/voronoi.hpp>

namespace zept::shape {
namespace {

constexpr double kPi = std::numbers::pi;
// Element sizes, chosen by the convergence runs of docs/design.md: pieces per
// wall thickness, the largest element as a part of the extent, the largest
// arc step (radians) and the growth from one boundary segment to the next.
constexpr double kPerWall = 3.0;
constexpr double kCoarsest = 20.0;
constexpr double kArcStep = kPi / 6.0;
constexpr double kGrading = 1.5;

struct Piece {  // chord of a segment, for distances
  Vec a, b;
  double from = 0.0;    // position of `a` along its loop
  double length = 0.0;  // along the loop: an arc's, not the chord's
};

// The distance from p to the chord s, and where along s the nearest point is.
double pointToPiece(Vec p, Piece const& s, double* along = nullptr) {
  Vec const d = s.b - s.a;
  double const len2 = dot(d, d);
  double t = len2 > 0.0 ? dot(p - s.a, d) / len2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  if (along) *along = s.from + t * s.length;
  Vec const f = s.a + d * t - p;
  return std::sqrt(dot(f, f));
}

// The least distance between two chords of one loop whose nearest points
// lie further apart along the loop (of length `len`) than twice that
// distance; chords of different loops (len 0) always count. Points along
// each chord are tried, not only its ends: parallel walls are nearest
// everywhere, their ends included, and the ends are the loop's neighbours.
double facingDistance(Piece const& u, Piece const& v, double len) {
  double best = HUGE_VAL;
  for (int pass = 0; pass < 2; ++pass) {
    Piece const& from = pass == 0 ? u : v;
    Piece const& to = pass == 0 ? v : u;
    double const l = from.length;
    for (int k = 0; k <= 8; ++k) {
      double const t = k / 8.0;
      double along = 0.0;
      double const d = pointToPiece(from.a + (from.b - from.a) * t, to, &along);
      if (len > 0.0) {
        double gap = std::fabs(from.from + t * l - along);
        gap = std::min(gap, len - gap);
        // A shared end is at distance 0 and gap 0, give or take rounding.
        if (!(gap > 1e-7 * len) || !(d < 0.5 * gap)) continue;
      }
      best = std::min(best, d);
    }
  }
  return best;
}

std::vector<Piece> piecesOf(Segment const& s, double from) {
  int const n = s.isArc() ? std::max(1, static_cast<int>(std::ceil(std::fabs(s.sweep) / (kPi / 12.0)))) : 1;
  std::vector<Piece> out;
  Vec a = s.p;
  double const step = s.length() / n;
  for (int k = 1; k <= n; ++k) {
    Vec const b = k == n ? s.q : s.at(static_cast<double>(k) / n);
    out.push_back({a, b, from + (k - 1) * step, step});
    a = b;
  }
  return out;
}

// Local feature size per segment: the distance to the nearest boundary that
// faces it across the material or a gap. Two points of the same loop count
// only when they are nearer than half the way round the loop between them,
// so that neighbours on a smooth or finely polygonal outline are no walls.
std::vector<std::vector<double>> featureSizes(Boundary const& b, double fallback, double refinement) {
  struct Item {
    int loop, seg;
    Vec lo, hi;
    std::vector<Piece> pieces;
  };
  std::vector<Item> items;
  std::vector<double> loopLength;
  for (std::size_t l = 0; l < b.loops.size(); ++l) {
    double pos = 0.0;
    for (std::size_t i = 0; i < b.loops[l].segments.size(); ++i) {
      Segment const& s = b.loops[l].segments[i];
      Item it{static_cast<int>(l), static_cast<int>(i), s.p, s.p, piecesOf(s, pos)};
      for (Piece const& p : it.pieces)
        for (Vec v : {p.a, p.b}) {
          it.lo = Vec{std::min(it.lo.x, v.x), std::min(it.lo.y, v.y)};
          it.hi = Vec{std::max(it.hi.x, v.x), std::max(it.hi.y, v.y)};
        }
      pos += s.length();
      items.push_back(std::move(it));
    }
    loopLength.push_back(pos);
  }
  std::vector<std::vector<double>> out(b.loops.size());
  for (std::size_t l = 0; l < b.loops.size(); ++l) out[l].assign(b.loops[l].segments.size(), fallback);
  // A grid of cells about as long as a mean piece holds the pieces' items;
  // each segment looks only as far as a size could still change its
  // spacing: a segment whose feature size passes three of its lengths is
  // one piece anyway.
  Vec lo = items.front().lo, hi = items.front().hi;
  double total = 0.0;
  std::size_t pieces = 0;
  for (Item const& it : items) {
    lo = Vec{std::min(lo.x, it.lo.x), std::min(lo.y, it.lo.y)};
    hi = Vec{std::max(hi.x, it.hi.x), std::max(hi.y, it.hi.y)};
    for (Piece const& p : it.pieces) total += std::hypot(p.b.x - p.a.x, p.b.y - p.a.y);
    pieces += it.pieces.size();
  }
  double const extent = std::max(hi.x - lo.x, hi.y - lo.y);
  double const cell = std::max(total / static_cast<double>(pieces), extent / 4096.0);
  auto cellOf = [&](double v, double from) { return static_cast<std::int64_t>(std::floor((v - from) / cell)); };
  auto key = [](std::int64_t x, std::int64_t y) {
    return (static_cast<std::uint64_t>(x + (1 << 20)) << 32) | static_cast<std::uint64_t>(y + (1 << 20));
  };
  std::vector<std::pair<std::uint64_t, int>> grid;
  for (std::size_t i = 0; i < items.size(); ++i)
    for (Piece const& p : items[i].pieces) {
      double const len = std::hypot(p.b.x - p.a.x, p.b.y - p.a.y);
      int const steps = static_cast<int>(std::ceil(2.0 * len / cell)) + 1;
      for (int k = 0; k <= steps; ++k) {
        Vec const v = p.a + (p.b - p.a) * (static_cast<double>(k) / steps);
        grid.emplace_back(key(cellOf(v.x, lo.x), cellOf(v.y, lo.y)), static_cast<int>(i));
      }
    }
  std::sort(grid.begin(), grid.end());
  grid.erase(std::unique(grid.begin(), grid.end()), grid.end());
  std::unordered_map<std::uint64_t, std::size_t> firstOf;  // cell -> its first entry in `grid`
  firstOf.reserve(grid.size());
  for (std::size_t k = 0; k < grid.size(); ++k) firstOf.emplace(grid[k].first, k);
  std::vector<double> best(items.size(), fallback);
  std::vector<int> seen(items.size(), -1);
  for (std::size_t i = 0; i < items.size(); ++i) {
    Item const& u = items[i];
    double length = 0.0;
    for (Piece const& p : u.pieces) length += p.length;
    double const reach = std::min(fallback, 3.0 * length / refinement) + cell;
    double const len = loopLength[static_cast<std::size_t>(u.loop)];
    auto visit = [&](std::int64_t x, std::int64_t y) {
      auto const found = firstOf.find(key(x, y));
      if (found == firstOf.end()) return;
      for (std::size_t k = found->second; k < grid.size() && grid[k].first == key(x, y); ++k) {
        auto const j = static_cast<std::size_t>(grid[k].second);
        if (j == i || seen[j] == static_cast<int>(i)) continue;
        seen[j] = static_cast<int>(i);
        Item const& v = items[j];
        double const gap = std::max({v.lo.x - u.hi.x, u.lo.x - v.hi.x, v.lo.y - u.hi.y, u.lo.y - v.hi.y, 0.0});
        if (gap >= best[i]) continue;
        for (Piece const& p : u.pieces)
          for (Piece const& q : v.pieces) best[i] = std::min(best[i], facingDistance(p, q, u.loop == v.loop ? len : 0.0));
      }
    };
    // Rings of cells outwards from the segment's own, within `reach`: a
    // piece in ring r is at least r - 2 cells away (a piece may be filed
    // one cell over), so the search ends once that passes the nearest wall
    // found.
    std::int64_t const x0 = cellOf(u.lo.x, lo.x), x1 = cellOf(u.hi.x, lo.x);
    std::int64_t const y0 = cellOf(u.lo.y, lo.y), y1 = cellOf(u.hi.y, lo.y);
    std::int64_t const xa = cellOf(u.lo.x - reach, lo.x), xb = cellOf(u.hi.x + reach, lo.x);
    std::int64_t const ya = cellOf(u.lo.y - reach, lo.y), yb = cellOf(u.hi.y + reach, lo.y);
    auto within = [&](std::int64_t x, std::int64_t y) {
      if (x >= xa && x <= xb && y >= ya && y <= yb) visit(x, y);
    };
    std::int64_t const rings = std::max({x0 - xa, xb - x1, y0 - ya, yb - y1});
    for (std::int64_t x = x0; x <= x1; ++x)
      for (std::int64_t y = y0; y <= y1; ++y) visit(x, y);
    for (std::int64_t r = 1; r <= rings && static_cast<double>(r - 2) * cell <= best[i]; ++r) {
      for (std::int64_t x = x0 - r; x <= x1 + r; ++x) within(x, y0 - r), within(x, y1 + r);
      for (std::int64_t y = y0 - r + 1; y <= y1 + r - 1; ++y) within(x0 - r, y), within(x1 + r, y);
    }
  }
  for (std::size_t i = 0; i < items.size(); ++i)
    out[static_cast<std::size_t>(items[i].loop)][static_cast<std::size_t>(items[i].seg)] = best[i];
  return out;
}

// Whether the six-node element keeps a positive Jacobian at its corners,
// its sides' midpoints and its centre, where a curved side folds it first.
bool unfolded(std::vector<Vec> const& nodes, std::array<int, 6> const& el) {
  Vec x[6];
  for (std::size_t k = 0; k < 6; ++k) x[k] = nodes[static_cast<std::size_t>(el[k])];
  constexpr double kAt[7][2] = {{0, 0}, {1, 0}, {0, 1}, {0.5, 0}, {0.5, 0.5}, {0, 0.5}, {1.0 / 3, 1.0 / 3}};
  for (auto const& [xi, eta] : kAt) {
    double const l1 = 1 - xi - eta;
    double const dXi[6] = {1 - 4 * l1, 4 * xi - 1, 0, 4 * (l1 - xi), 4 * eta, -4 * eta};
    double const dEta[6] = {1 - 4 * l1, 0, 4 * eta - 1, -4 * xi, 4 * xi, 4 * (l1 - eta)};
    Vec u, v;
    for (std::size_t k = 0; k < 6; ++k) u = u + x[k] * dXi[k], v = v + x[k] * dEta[k];
    if (!(cross(u, v) > 0.0)) return false;
  }
  return true;
}

struct BoundaryEdge {
  int a, b;   // point indices, in loop order
  Vec mid;    // on the exact segment
  int loop, seg;
  double t0, t1;  // parameters on the segment
};

// Horizontal bands of boundary chords, for inside tests by ray parity.
class InsideTest {
 public:
  InsideTest(std::vector<Vec> const& pts, std::vector<BoundaryEdge> const& edges, Vec lo, Vec hi)
      : m_pts(pts), m_edges(edges), m_lo(lo.y) {
    std::size_t const bands = std::max<std::size_t>(1, static_cast<std::size_t>(std::sqrt(double(edges.size())) * 2));
    m_height = (hi.y - lo.y) / static_cast<double>(bands);
    if (!(m_height > 0.0)) m_height = 1.0;
    m_bands.resize(bands);
    for (std::size_t i = 0; i < edges.size(); ++i) {
      double const y0 = std::min(pts[edges[i].a].y, pts[edges[i].b].y);
      double const y1 = std::max(pts[edges[i].a].y, pts[edges[i].b].y);
      for (std::size_t k = band(y0); k <= band(y1); ++k) m_bands[k].push_back(static_cast<int>(i));
    }
  }
  bool inside(Vec p) const {
    bool in = false;
    for (int i : m_bands[band(p.y)]) {
      Vec const a = m_pts[static_cast<std::size_t>(m_edges[static_cast<std::size_t>(i)].a)];
      Vec const b = m_pts[static_cast<std::size_t>(m_edges[static_cast<std::size_t>(i)].b)];
      if ((a.y > p.y) == (b.y > p.y)) continue;
      double const x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (x > p.x) in = !in;
    }
    return in;
  }

 private:
  std::size_t band(double y) const {
    double const k = std::floor((y - m_lo) / m_height);
    return static_cast<std::size_t>(std::clamp(k, 0.0, static_cast<double>(m_bands.size() - 1)));
  }
  std::vector<Vec> const& m_pts;
  std::vector<BoundaryEdge> const& m_edges;
  double m_lo, m_height = 1.0;
  std::vector<std::vector<int>> m_bands;
};

// Uniform grid of boundary chords for distance queries.
class EdgeGrid {
 public:
  EdgeGrid(std::vector<Vec> const& pts, std::vector<BoundaryEdge> const& edges, Vec lo, Vec hi)
      : m_pts(pts), m_edges(edges), m_lo(lo) {
    double const w = hi.x - lo.x, h = hi.y - lo.y;
    m_cell = std::sqrt(std::max(w * h, 1e-300) / (4.0 * static_cast<double>(std::max<std::size_t>(edges.size(), 1))));
    m_nx = static_cast<int>(std::min(w / m_cell, 4096.0)) + 1;
    m_ny = static_cast<int>(std::min(h / m_cell, 4096.0)) + 1;
    m_cell = std::max(w / m_nx, h / m_ny) * 1.000001;
    m_cells.resize(static_cast<std::size_t>(m_nx) * static_cast<std::size_t>(m_ny));
    for (std::size_t i = 0; i < edges.size(); ++i) {
      Vec const a = pts[static_cast<std::size_t>(edges[i].a)], b = pts[static_cast<std::size_t>(edges[i].b)];
      auto [x0, y0] = cellOf(Vec{std::min(a.x, b.x), std::min(a.y, b.y)});
      auto [x1, y1] = cellOf(Vec{std::max(a.x, b.x), std::max(a.y, b.y)});
      for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y) m_cells[index(x, y)].push_back(static_cast<int>(i));
    }
  }
  // True when a chord passes within `radius` of p, or p lies in a chord's
  // diametral circle.
  bool crowded(Vec p, double radius) const {
    double const reach = radius + m_cell;
    auto [x0, y0] = cellOf(Vec{p.x - reach, p.y - reach});
    auto [x1, y1] = cellOf(Vec{p.x + reach, p.y + reach});
    for (int x = x0; x <= x1; ++x)
      for (int y = y0; y <= y1; ++y)
        for (int i : m_cells[index(x, y)]) {
          BoundaryEdge const& e = m_edges[static_cast<std::size_t>(i)];
          Vec const a = m_pts[static_cast<std::size_t>(e.a)], b = m_pts[static_cast<std::size_t>(e.b)];
          if (pointToPiece(p, Piece{a, b, 0.0, 0.0}) < radius) return true;
          Vec const m = (a + b) * 0.5, d = b - a;
          if (dot(p - m, p - m) < dot(d, d) * 0.25 * 1.1) return true;
        }
    return false;
  }

 private:
  std::pair<int, int> cellOf(Vec p) const {
    int const x = static_cast<int>(std::clamp(std::floor((p.x - m_lo.x) / m_cell), 0.0, double(m_nx - 1)));
    int const y = static_cast<int>(std::clamp(std::floor((p.y - m_lo.y) / m_cell), 0.0, double(m_ny - 1)));
    return {x, y};
  }
  std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nx) + static_cast<std::size_t>(x); }
  std::vector<Vec> const& m_pts;
  std::vector<BoundaryEdge> const& m_edges;
  Vec m_lo;
  double m_cell = 1.0;
  int m_nx = 1, m_ny = 1;
  std::vector<std::vector<int>> m_cells;
};

// A quadtree whose leaves near the boundary are no larger than the spacing
// of the boundary points there, and whose neighbouring leaves differ at most
// twofold in size.
class QuadTree {
 public:
  struct Node {
    Vec c;
    double half;
    int child = -1;  // first of four, or -1 for a leaf
  };
  QuadTree(Vec c, double half) { m_nodes.push_back({c, half, -1}); }

  void refineAt(Vec p, double size, std::size_t budget) {
    int n = 0;
    while (true) {
      Node const node = m_nodes[static_cast<std::size_t>(n)];
      if (node.child < 0) {
        if (2.0 * node.half <= size || m_nodes.size() > budget) return;
        split(n);
        continue;
      }
      n = m_nodes[static_cast<std::size_t>(n)].child + (p.x >= node.c.x ? 1 : 0) + (p.y >= node.c.y ? 2 : 0);
    }
  }
  void limit(double size, std::size_t budget) {
    for (std::size_t i = 0; i < m_nodes.size() && m_nodes.size() <= budget; ++i)
      if (m_nodes[i].child < 0 && 2.0 * m_nodes[i].half > size) split(static_cast<int>(i));
  }
  void balance(std::size_t budget) {
    bool changed = true;
    while (changed && m_nodes.size() <= budget) {
      changed = false;
      for (std::size_t i = 0; i < m_nodes.size() && m_nodes.size() <= budget; ++i) {
        if (m_nodes[i].child >= 0) continue;
        Node const node = m_nodes[i];
        double const h = node.half;
        for (Vec probe : {Vec{node.c.x + h * 1.0001, node.c.y + h / 2}, Vec{node.c.x + h * 1.0001, node.c.y - h / 2},
                          Vec{node.c.x - h * 1.0001, node.c.y + h / 2}, Vec{node.c.x - h * 1.0001, node.c.y - h / 2},
                          Vec{node.c.x + h / 2, node.c.y + h * 1.0001}, Vec{node.c.x - h / 2, node.c.y + h * 1.0001},
                          Vec{node.c.x + h / 2, node.c.y - h * 1.0001}, Vec{node.c.x - h / 2, node.c.y - h * 1.0001}}) {
          int const leaf = leafAt(probe);
          if (leaf >= 0 && m_nodes[static_cast<std::size_t>(leaf)].half < h / 2.0 * 0.999) {
            split(static_cast<int>(i));
            changed = true;
            break;
          }
        }
      }
    }
  }
  std::vector<Node> leaves() const {
    std::vector<Node> out;
    for (Node const& n : m_nodes)
      if (n.child < 0) out.push_back(n);
    return out;
  }
  std::size_t size() const { return m_nodes.size(); }

 private:
  void split(int n) {
    Node const node = m_nodes[static_cast<std::size_t>(n)];
    double const q = node.half / 2.0;
    int const first = static_cast<int>(m_nodes.size());
    m_nodes[static_cast<std::size_t>(n)].child = first;
    for (int k = 0; k < 4; ++k)
      m_nodes.push_back({Vec{node.c.x + ((k & 1) ? q : -q), node.c.y + ((k & 2) ? q : -q)}, q, -1});
  }
  int leafAt(Vec p) const {
    Node const& root = m_nodes[0];
    if (std::fabs(p.x - root.c.x) > root.half || std::fabs(p.y - root.c.y) > root.half) return -1;
    int n = 0;
    while (m_nodes[static_cast<std::size_t>(n)].child >= 0) {
      Node const& node = m_nodes[static_cast<std::size_t>(n)];
      n = node.child + (p.x >= node.c.x ? 1 : 0) + (p.y >= node.c.y ? 2 : 0);
    }
    return n;
  }
  std::vector<Node> m_nodes;
};

std::uint64_t edgeKey(int a, int b) {
  if (a > b) std::swap(a, b);
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) | static_cast<std::uint32_t>(b);
}

// Delaunay triangles of `pts` (counter-clockwise), through the Voronoi
// diagram of the points snapped to a 2^28 integer grid.
std::vector<std::array<int, 3>> delaunay(std::vector<Vec> const& pts, Vec lo, double extent) {
  using IPoint = boost::polygon::point_data<int>;
  double const scale = static_cast<double>(1 << 28) / extent;
  std::vector<IPoint> ip;
  ip.reserve(pts.size());
  for (Vec const& p : pts)
    ip.emplace_back(static_cast<int>(std::lround((p.x - lo.x) * scale)), static_cast<int>(std::lround((p.y - lo.y) * scale)));
  boost::polygon::voronoi_diagram<double> vd;
  boost::polygon::construct_voronoi(ip.begin(), ip.end(), &vd);
  std::vector<std::array<int, 3>> out;
  std::vector<int> ring;
  for (auto const& v : vd.vertices()) {
    ring.clear();
    auto const* e = v.incident_edge();
    do {
      ring.push_back(static_cast<int>(e->cell()->source_index()));
      e = e->rot_next();
    } while (e != v.incident_edge());
    for (std::size_t k = 1; k + 1 < ring.size(); ++k) {
      std::array<int, 3> t{ring[0], ring[k], ring[k + 1]};
      Vec const a = pts[static_cast<std::size_t>(t[0])], b = pts[static_cast<std::size_t>(t[1])],
                c = pts[static_cast<std::size_t>(t[2])];
      // Points of one straight boundary piece are collinear, and the
      // integer grid leaves them only nearly so: the slivers between them
      // lie on the boundary, neither inside nor out.
      double const area = cross(b - a, c - a);
      double const longest = std::max({dot(b - a, b - a), dot(c - b, c - b), dot(a - c, a - c)});
      if (!(std::fabs(area) > 1e-9 * longest)) continue;
      if (area < 0.0) std::swap(t[1], t[2]);
      out.push_back(t);
    }
  }
  return out;
}

}  // namespace

std::optional<Mesh> meshSection(Boundary const& b, double refinement, int maxNodes) {
  Vec const lo = b.min, hi = b.max;
  double const extent = std::max(hi.x - lo.x, hi.y - lo.y);
  double const hMax = extent / kCoarsest * refinement;
  // A feature size past 3 hMax changes no spacing: the search stops there.
  std::vector<std::vector<double>> const lfs = featureSizes(b, kPerWall * extent / kCoarsest, refinement);

  // Boundary points: every segment split evenly into pieces no longer than
  // a third of its feature size and no wider than 30 degrees of arc, nor
  // more than half as long again as its neighbours' (a short flange tip
  // between two long faces takes their spacing, else the elements there
  // would span the whole flange).
  std::vector<std::vector<double>> size(b.loops.size());
  for (std::size_t l = 0; l < b.loops.size(); ++l) {
    auto const& segs = b.loops[l].segments;
    for (std::size_t i = 0; i < segs.size(); ++i) {
      double h = std::min(lfs[l][i] / kPerWall * refinement, hMax);
      if (segs[i].isArc()) h = std::min(h, segs[i].r * kArcStep * refinement);
      size[l].push_back(std::max(h, extent * 1e-7));
    }
    std::size_t const n = segs.size();
    for (int pass = 0; pass < 2; ++pass)
      for (std::size_t k = 0; k < 2 * n; ++k) {
        std::size_t const i = k % n;
        size[l][i] = std::min({size[l][i], kGrading * size[l][(i + 1) % n], kGrading * size[l][(i + n - 1) % n]});
      }
  }
  std::vector<Vec> pts;
  std::vector<double> spacing;  // per boundary point
  std::vector<BoundaryEdge> edges;
  for (std::size_t l = 0; l < b.loops.size(); ++l) {
    int const first = static_cast<int>(pts.size());
    auto const& segs = b.loops[l].segments;
    for (std::size_t i = 0; i < segs.size(); ++i) {
      Segment const& s = segs[i];
      double const h = size[l][i];
      int const n = std::max(1, static_cast<int>(std::ceil(s.length() / h - 1e-9)));
      if (static_cast<double>(pts.size()) + n > maxNodes / 3.0) return std::nullopt;
      for (int k = 0; k < n; ++k) {
        double const t0 = static_cast<double>(k) / n, t1 = static_cast<double>(k + 1) / n;
        int const a = static_cast<int>(pts.size());
        pts.push_back(k == 0 ? s.p : s.at(t0));
        spacing.push_back(s.length() / n);
        edges.push_back({a, a + 1, s.at((t0 + t1) / 2.0), static_cast<int>(l), static_cast<int>(i), t0, t1});
      }
    }
    edges.back().b = first;  // the loop closes
  }
  std::size_t const boundaryPoints = pts.size();

  // Interior points at the centres of a graded quadtree's leaves.
  std::size_t const budget = static_cast<std::size_t>(maxNodes);
  QuadTree tree(Vec{(lo.x + hi.x) / 2.0, (lo.y + hi.y) / 2.0}, extent / 2.0 * 1.02);
  for (std::size_t i = 0; i < boundaryPoints; ++i) tree.refineAt(pts[i], spacing[i], budget);
  tree.limit(hMax, budget);
  tree.balance(budget);
  if (tree.size() > budget) return std::nullopt;
  Vec const gridLo{lo.x - extent * 0.01, lo.y - extent * 0.01}, gridHi{hi.x + extent * 0.01, hi.y + extent * 0.01};
  InsideTest const inside(pts, edges, gridLo, gridHi);
  {
    EdgeGrid const grid(pts, edges, gridLo, gridHi);
    for (QuadTree::Node const& leaf : tree.leaves()) {
      if (!inside.inside(leaf.c)) continue;
      if (grid.crowded(leaf.c, 0.45 * 2.0 * leaf.half)) continue;
      pts.push_back(leaf.c);
    }
  }

  // Triangulate; a boundary edge that is no Delaunay edge is split at its
  // exact middle until every one is kept.
  std::vector<std::array<int, 3>> kept;
  for (int round = 0;; ++round) {
    if (pts.size() > budget / 2) return std::nullopt;
    std::vector<std::array<int, 3>> const all = delaunay(pts, gridLo, std::max(gridHi.x - gridLo.x, gridHi.y - gridLo.y));
    InsideTest const in(pts, edges, gridLo, gridHi);
    kept.clear();
    std::unordered_map<std::uint64_t, int> used;
    used.reserve(all.size() * 3);
    for (auto const& t : all) {
      Vec const c = (pts[static_cast<std::size_t>(t[0])] + pts[static_cast<std::size_t>(t[1])] + pts[static_cast<std::size_t>(t[2])]) * (1.0 / 3.0);
      if (!in.inside(c)) continue;
      kept.push_back(t);
      for (int k = 0; k < 3; ++k) ++used[edgeKey(t[static_cast<std::size_t>(k)], t[static_cast<std::size_t>((k + 1) % 3)])];
    }
    std::vector<std::size_t> missing;
    for (std::size_t i = 0; i < edges.size(); ++i) {
      auto const it = used.find(edgeKey(edges[i].a, edges[i].b));
      if (it == used.end() || it->second != 1) missing.push_back(i);
    }
    if (missing.empty()) break;
    if (round == 8) return std::nullopt;
    // Split each missing edge; drop interior points inside its new halves'
    // diametral circles, which made it non-Delaunay.
    std::vector<BoundaryEdge> added;
    for (std::size_t i : missing) {
      BoundaryEdge& e = edges[i];
      Segment const& s = b.loops[static_cast<std::size_t>(e.loop)].segments[static_cast<std::size_t>(e.seg)];
      double const tm = (e.t0 + e.t1) / 2.0;
      int const m = static_cast<int>(pts.size());
      pts.push_back(e.mid);
      BoundaryEdge second{m, e.b, s.at((tm + e.t1) / 2.0), e.loop, e.seg, tm, e.t1};
      e.b = m;
      e.mid = s.at((e.t0 + tm) / 2.0);
      e.t1 = tm;
      added.push_back(second);
    }
    edges.insert(edges.end(), added.begin(), added.end());
    // Interior points are those past the boundary points; boundary points
    // added by splits are kept whatever they crowd.
    std::vector<Vec> next(pts.begin(), pts.begin() + static_cast<std::ptrdiff_t>(boundaryPoints));
    std::vector<int> remap(pts.size(), -1);
    for (std::size_t i = 0; i < boundaryPoints; ++i) remap[i] = static_cast<int>(i);
    std::vector<bool> isBoundary(pts.size(), false);
    for (BoundaryEdge const& e : edges) isBoundary[static_cast<std::size_t>(e.a)] = isBoundary[static_cast<std::size_t>(e.b)] = true;
    EdgeGrid const grid(pts, edges, gridLo, gridHi);
    for (std::size_t i = boundaryPoints; i < pts.size(); ++i) {
      if (!isBoundary[i] && grid.crowded(pts[i], 0.0)) continue;
      remap[i] = static_cast<int>(next.size());
      next.push_back(pts[i]);
    }
    for (BoundaryEdge& e : edges) {
      e.a = remap[static_cast<std::size_t>(e.a)];
      e.b = remap[static_cast<std::size_t>(e.b)];
    }
    pts = std::move(next);
  }

  // Six-node elements: mid-side nodes shared by neighbours, on the exact
  // boundary for boundary edges.
  std::unordered_map<std::uint64_t, Vec> exactMid;
  exactMid.reserve(edges.size());
  for (BoundaryEdge const& e : edges) exactMid.emplace(edgeKey(e.a, e.b), e.mid);
  Mesh mesh;
  mesh.nodes = pts;
  std::unordered_map<std::uint64_t, int> midNode;
  midNode.reserve(kept.size() * 2);
  for (auto const& t : kept) {
    std::array<int, 6> el{t[0], t[1], t[2], 0, 0, 0};
    bool curved = false;
    for (int k = 0; k < 3; ++k) {
      int const a = t[static_cast<std::size_t>(k)], c = t[static_cast<std::size_t>((k + 1) % 3)];
      std::uint64_t const key = edgeKey(a, c);
      auto const found = midNode.find(key);
      if (found != midNode.end()) {
        el[static_cast<std::size_t>(3 + k)] = found->second;
        continue;
      }
      Vec mid = (pts[static_cast<std::size_t>(a)] + pts[static_cast<std::size_t>(c)]) * 0.5;
      auto const exact = exactMid.find(key);
      if (exact != exactMid.end()) {
        Vec const d = exact->second - mid;
        if (dot(d, d) > 0.0) curved = true;
        mid = exact->second;
      }
      int const index = static_cast<int>(mesh.nodes.size());
      mesh.nodes.push_back(mid);
      midNode.emplace(key, index);
      el[static_cast<std::size_t>(3 + k)] = index;
    }
    // A flat element along a hole's arc turns inside out when its side
    // takes the arc's midpoint: that side stays straight (its sliver of
    // area is far below the solution's error).
    if (curved && !unfolded(mesh.nodes, el)) {
      for (std::size_t k = 0; k < 3; ++k) {
        int const a = t[k], c = t[(k + 1) % 3];
        if (exactMid.count(edgeKey(a, c)))
          mesh.nodes[static_cast<std::size_t>(el[3 + k])] =
              (pts[static_cast<std::size_t>(a)] + pts[static_cast<std::size_t>(c)]) * 0.5;
      }
      curved = false;
    }
    mesh.elements.push_back(el);
    mesh.curved.push_back(curved ? 1 : 0);
  }
  if (mesh.elements.empty() || mesh.nodes.size() > budget) return std::nullopt;
  return mesh;
}

}  // namespace zept::shape
