// SPDX-License-Identifier: MIT
// Scanline hatch. Each family of lines is worked in its own frame: u along
// the lines, v across them, line k at v = k * space. The boundary is cut into
// pieces along which u and v run one way only (line segments as they are,
// arcs split at every quarter turn), sorted by their lowest v and swept: a
// line meets exactly the pieces in the active list, kept in the order the
// last line crossed them, so sorting its crossings is nearly free and its
// cost grows with the segments it crosses, not with the size of the loops.
//
// A piece from v = a to v = b crosses line c when min(a, b) < c <= max(a, b).
// The end values of neighbouring pieces are the same numbers (the vertex's v,
// or the arc's extreme), so every closed loop crosses every line an even
// number of times whatever rounding does to the crossing points; that keeps
// lines through vertices, along edges and tangent to arcs from leaking.
#include "platform/host/DtDbHatch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "platform/host/DtGeCircArc2d.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kKnownLoopBits = 0x1FF;
// Flatter arcs are taken as their chord: they leave it by less than
// 5e-9 of its length, and their far-off centres would cost the extremes'
// precision.
constexpr double kFlatBulge = 1e-8;

bool finite(DtGePoint2d const& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// A boundary piece along which u and v are both monotone.
struct Piece {
  double lo = 0.0;  // smallest v
  double hi = 0.0;  // largest v
  int loop = 0;
  // The ends, in the piece's own order; a line through an end gets that end's u.
  double ua = 0.0, va = 0.0, ub = 0.0, vb = 0.0;
  // Arcs only: the centre and radius, and on which side of the centre the
  // piece lies (+1 where u >= centre, -1 where u <= centre).
  bool arc = false;
  double uc = 0.0, vc = 0.0, r = 0.0;
  double side = 0.0;

  double crossing(double c) const {
    if (c == va) return ua;
    if (c == vb) return ub;
    double u;
    if (!arc) {
      u = ua + (c - va) / (vb - va) * (ub - ua);
    } else {
      // From the end nearer in v: with A = u0 - uc and
      // B = (v0 - c)(v0 + c - 2 vc), the crossing has u - uc = S = side *
      // sqrt(A^2 + B), so u - u0 = B / (S + A), free of the cancellation
      // that uc + S suffers on flat arcs.
      bool const nearA = std::fabs(c - va) <= std::fabs(c - vb);
      double const u0 = nearA ? ua : ub, v0 = nearA ? va : vb;
      double const a = u0 - uc;
      double const b = (v0 - c) * (v0 + c - 2.0 * vc);
      double const sum = side * std::sqrt(std::max(0.0, a * a + b)) + a;
      u = sum != 0.0 ? u0 + b / sum : u0;
    }
    return std::clamp(u, std::min(ua, ub), std::max(ua, ub));
  }
};

struct Crossing {
  double u;
  std::size_t piece;
  bool operator<(Crossing const& other) const { return u < other.u; }
};

// Insertion sort that gives up (false, order unspecified) after about
// `budget` moves: lines next to each other cross the same pieces in nearly
// the same order, so this is linear unless the loops cross themselves.
bool sortNearlySorted(std::vector<Crossing>::iterator first, std::vector<Crossing>::iterator last, std::size_t budget) {
  for (auto i = first; i != last; ++i) {
    Crossing const x = *i;
    auto j = i;
    for (; j != first && x < *(j - 1); --j) {
      *j = *(j - 1);
      if (budget-- == 0) {
        *j = x;
        return false;
      }
    }
    *j = x;
  }
  return true;
}

// The frame of one line family; multiples of a quarter turn get exact axes.
struct Frame {
  double cs = 1.0, sn = 0.0;
  explicit Frame(double angle) {
    double const q = angle / (kPi / 2.0);
    double const k = std::nearbyint(q);
    if (std::fabs(q - k) < 1e-12 && std::fabs(k) < 1e15) {
      static constexpr double kCos[4] = {1.0, 0.0, -1.0, 0.0};
      int const i = static_cast<int>(std::fmod(std::fmod(k, 4.0) + 4.0, 4.0));
      cs = kCos[i];
      sn = kCos[(i + 3) % 4];
    } else {
      cs = std::cos(angle);
      sn = std::sin(angle);
    }
  }
  double u(DtGePoint2d const& p) const { return p.x * cs + p.y * sn; }
  double v(DtGePoint2d const& p) const { return -p.x * sn + p.y * cs; }
  DtGePoint2d point(double u, double v) const { return {u * cs - v * sn, u * sn + v * cs}; }
};

// Appends the monotone pieces of the segment from p to q with `bulge`.
// False when the geometry overflows.
bool addSegment(std::vector<Piece>& pieces, Frame const& f, int loop, DtGePoint2d const& p, DtGePoint2d const& q,
                double bulge) {
  double const us = f.u(p), vs = f.v(p), ue = f.u(q), ve = f.v(q);
  if (!std::isfinite(us) || !std::isfinite(vs) || !std::isfinite(ue) || !std::isfinite(ve)) return false;
  DtGeCircArc2d arc;
  if (std::fabs(bulge) < kFlatBulge || arc.set(p, q, bulge) != Dt::eOk) {
    // A straight segment; a zero-length one (arc or not) crosses nothing.
    if (vs != ve) {
      Piece piece;
      piece.lo = std::min(vs, ve);
      piece.hi = std::max(vs, ve);
      piece.loop = loop;
      piece.ua = us, piece.va = vs, piece.ub = ue, piece.vb = ve;
      pieces.push_back(piece);
    }
    return true;
  }
  double const uc = f.u(arc.center()), vc = f.v(arc.center()), r = arc.radius();
  if (!std::isfinite(uc) || !std::isfinite(vc) || !std::isfinite(r * r)) return false;

  // Angles in the frame, counted from +u towards +v. Cut the arc at every
  // quarter turn strictly between its ends, in the order it runs, so that
  // each piece lies in one quadrant about the centre.
  double const sweep = 4.0 * std::atan(bulge);
  double const from = std::atan2(vs - vc, us - uc);
  double const to = from + sweep;
  struct Stop {
    double angle, u, v;
  } stops[7];
  int n = 0;
  stops[n++] = {from, us, vs};
  double const quarter = kPi / 2.0;
  double const dir = sweep > 0.0 ? 1.0 : -1.0;
  for (double k = sweep > 0.0 ? std::floor(from / quarter) + 1.0 : std::ceil(from / quarter) - 1.0;
       dir * (k * quarter - to) < 0.0 && n < 6; k += dir) {
    static constexpr double kCos[4] = {1.0, 0.0, -1.0, 0.0};
    int const i = static_cast<int>(std::fmod(std::fmod(k, 4.0) + 4.0, 4.0));
    stops[n++] = {k * quarter, uc + r * kCos[i], vc + r * kCos[(i + 3) % 4]};
  }
  stops[n++] = {to, ue, ve};
  for (int i = 0; i + 1 < n; ++i) {
    Stop const& a = stops[i];
    Stop const& b = stops[i + 1];
    if (a.v == b.v) continue;
    Piece piece;
    piece.lo = std::min(a.v, b.v);
    piece.hi = std::max(a.v, b.v);
    piece.loop = loop;
    piece.ua = a.u, piece.va = a.v, piece.ub = b.u, piece.vb = b.v;
    piece.arc = true;
    piece.uc = uc, piece.vc = vc, piece.r = r;
    piece.side = std::cos((a.angle + b.angle) * 0.5) >= 0.0 ? 1.0 : -1.0;
    pieces.push_back(piece);
  }
  return true;
}

}  // namespace

Dt::ErrorStatus DtDbHatch::appendLoop(int loopType, DtGePoint2dArray const& vertices, DtGeDoubleArray const& bulges) {
  if ((loopType & ~kKnownLoopBits) != 0) return Dt::eInvalidInput;
  int const n = vertices.length();
  if (n < 2 || (bulges.length() != 0 && bulges.length() != n)) return Dt::eInvalidInput;
  Loop loop;
  loop.type = loopType;
  loop.vertices.reserve(static_cast<std::size_t>(n));
  loop.bulges.assign(static_cast<std::size_t>(n), 0.0);
  for (int i = 0; i < n; ++i) {
    if (!finite(vertices[i])) return Dt::eInvalidInput;
    loop.vertices.push_back(vertices[i]);
    if (bulges.length() != 0) {
      if (!std::isfinite(bulges[i])) return Dt::eInvalidInput;
      loop.bulges[static_cast<std::size_t>(i)] = bulges[i];
    }
  }
  m_loops.push_back(std::move(loop));
  changed();
  return Dt::eOk;
}

int DtDbHatch::loopTypeAt(int index) const {
  if (index < 0 || index >= numLoops()) return -1;
  return m_loops[static_cast<std::size_t>(index)].type;
}

Dt::ErrorStatus DtDbHatch::getLoopAt(int index, int& loopType, DtGePoint2dArray& vertices,
                                     DtGeDoubleArray& bulges) const {
  if (index < 0 || index >= numLoops()) return Dt::eInvalidIndex;
  Loop const& loop = m_loops[static_cast<std::size_t>(index)];
  loopType = loop.type;
  vertices.removeAll();
  bulges.removeAll();
  for (std::size_t i = 0; i < loop.vertices.size(); ++i) {
    vertices.append(loop.vertices[i]);
    bulges.append(loop.bulges[i]);
  }
  return Dt::eOk;
}

Dt::ErrorStatus DtDbHatch::removeLoopAt(int index) {
  if (index < 0 || index >= numLoops()) return Dt::eInvalidIndex;
  m_loops.erase(m_loops.begin() + index);
  changed();
  return Dt::eOk;
}

Dt::ErrorStatus DtDbHatch::setHatchStyle(HatchStyle style) {
  if (style != kNormal && style != kOuter && style != kIgnore) return Dt::eInvalidInput;
  m_style = style;
  changed();
  return Dt::eOk;
}

Dt::ErrorStatus DtDbHatch::setPattern(HatchPatternType type, wchar_t const* name) {
  if (type != kUserDefined) return Dt::eNotApplicable;
  m_patternType = type;
  m_patternName = name ? name : L"";
  changed();
  return Dt::eOk;
}

Dt::ErrorStatus DtDbHatch::setPatternSpace(double space) {
  if (!(space > 0.0) || !std::isfinite(space)) return Dt::eInvalidInput;
  m_space = space;
  changed();
  return Dt::eOk;
}

Dt::ErrorStatus DtDbHatch::setPatternAngle(double angle) {
  if (!std::isfinite(angle)) return Dt::eInvalidInput;
  m_angle = angle;
  changed();
  return Dt::eOk;
}

Dt::ErrorStatus DtDbHatch::setPatternDouble(bool isDouble) {
  m_double = isDouble;
  changed();
  return Dt::eOk;
}

void DtDbHatch::changed() {
  m_status = Dt::eNotApplicable;
  m_starts.clear();
  m_ends.clear();
}

Dt::ErrorStatus DtDbHatch::evaluateHatch() {
  changed();
  Dt::ErrorStatus status = evaluateFamily(m_angle);
  if (status == Dt::eOk && m_double) status = evaluateFamily(m_angle + kPi / 2.0);
  if (status != Dt::eOk) {
    m_starts.clear();
    m_ends.clear();
    m_starts.shrink_to_fit();
    m_ends.shrink_to_fit();
  }
  m_status = status;
  return status;
}

Dt::ErrorStatus DtDbHatch::evaluateFamily(double angle) {
  Frame const frame(angle);
  std::vector<Piece> pieces;
  std::size_t segments = 0;
  for (Loop const& loop : m_loops) segments += loop.vertices.size();
  pieces.reserve(segments + segments / 2);
  double umin = HUGE_VAL, umax = -HUGE_VAL;
  for (std::size_t l = 0; l < m_loops.size(); ++l) {
    Loop const& loop = m_loops[l];
    std::size_t const n = loop.vertices.size();
    for (std::size_t i = 0; i < n; ++i) {
      DtGePoint2d const& p = loop.vertices[i];
      if (!addSegment(pieces, frame, static_cast<int>(l), p, loop.vertices[(i + 1) % n], loop.bulges[i]))
        return Dt::eInvalidInput;
      umin = std::min(umin, frame.u(p));
      umax = std::max(umax, frame.u(p));
    }
  }
  if (pieces.empty()) return Dt::eOk;
  // Sorted by key, then moved into that order once, so that the sweep reads
  // the pieces front to back.
  {
    std::vector<std::pair<double, std::size_t>> order(pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) order[i] = {pieces[i].lo, i};
    std::sort(order.begin(), order.end());
    std::vector<Piece> sorted;
    sorted.reserve(pieces.size());
    for (auto const& o : order) sorted.push_back(pieces[o.second]);
    pieces.swap(sorted);
  }
  double vmin = pieces.front().lo, vmax = vmin;
  for (Piece const& piece : pieces) {
    vmax = std::max(vmax, piece.hi);
    if (piece.arc) umin = std::min(umin, piece.uc - piece.r), umax = std::max(umax, piece.uc + piece.r);
  }

  double const kFirst = std::floor(vmin / m_space);
  double const kLast = std::floor(vmax / m_space);
  // Far from the origin, neighbouring line numbers would round together.
  if (!(kLast - kFirst + 1.0 <= kMaxLinesPerFamily) || !(std::fabs(kFirst) < 0x1p52) || !(std::fabs(kLast) < 0x1p52))
    return Dt::eHatchTooDense;
  long long const lines = static_cast<long long>(kLast - kFirst) + 1;
  // Pieces shorter than this, and gaps narrower, come from rounding at a
  // vertex or a tangent point, not from the shape.
  double const tiny = 1e-9 * std::max({1.0, umax - umin, vmax - vmin});

  // The pieces that crossed the last line, in the order they crossed it.
  std::vector<std::size_t> active;
  std::vector<Crossing> crossings;
  std::vector<unsigned char> inside(m_loops.size(), 0);
  std::size_t next = 0;
  std::size_t crossed = 0;
  for (long long line = 0; line < lines; ++line) {
    double const c = (kFirst + static_cast<double>(line)) * m_space;
    crossings.clear();
    for (std::size_t i : active)
      if (pieces[i].hi >= c) crossings.push_back({pieces[i].crossing(c), i});
    std::size_t const kept = crossings.size();
    for (; next < pieces.size() && pieces[next].lo < c; ++next)
      if (pieces[next].hi >= c) crossings.push_back({pieces[next].crossing(c), next});
    crossed += crossings.size();
    if (crossed > 2 * kMaxPieces) return Dt::eHatchTooDense;
    auto const mid = crossings.begin() + static_cast<std::ptrdiff_t>(kept);
    if (sortNearlySorted(crossings.begin(), mid, 4 * kept + 64)) {
      std::sort(mid, crossings.end());
      std::inplace_merge(crossings.begin(), mid, crossings.end());
    } else {
      std::sort(crossings.begin(), crossings.end());
    }
    active.clear();
    for (Crossing const& x : crossings) active.push_back(x.piece);

    int depth = 0;
    bool filled = false;
    double start = 0.0;
    std::size_t const firstOnLine = m_starts.size();
    double lastEnd = 0.0;
    for (Crossing const& x : crossings) {
      unsigned char& in = inside[static_cast<std::size_t>(pieces[x.piece].loop)];
      in ^= 1;
      depth += in ? 1 : -1;
      bool const now = m_style == kNormal ? (depth & 1) != 0 : m_style == kOuter ? depth == 1 : depth >= 1;
      if (now == filled) continue;
      filled = now;
      if (filled) {
        start = x.u;
        continue;
      }
      if (m_starts.size() > firstOnLine && start - lastEnd <= tiny) {
        m_ends.back() = frame.point(x.u, c);
        lastEnd = x.u;
      } else if (x.u - start > tiny) {
        if (m_starts.size() >= kMaxPieces) return Dt::eHatchTooDense;
        m_starts.push_back(frame.point(start, c));
        m_ends.push_back(frame.point(x.u, c));
        lastEnd = x.u;
      }
    }
  }
  return Dt::eOk;
}

Dt::ErrorStatus DtDbHatch::getHatchLinesData(DtGePoint2dArray& starts, DtGePoint2dArray& ends) const {
  starts.removeAll();
  ends.removeAll();
  if (m_status != Dt::eOk) return m_status;
  starts.setPhysicalLength(numHatchLines());
  ends.setPhysicalLength(numHatchLines());
  for (std::size_t i = 0; i < m_starts.size(); ++i) {
    starts.append(m_starts[i]);
    ends.append(m_ends[i]);
  }
  return Dt::eOk;
}

Dt::ErrorStatus DtDbHatch::getHatchLineDataAt(int index, DtGePoint2d& start, DtGePoint2d& end) const {
  if (m_status != Dt::eOk) return m_status;
  if (index < 0 || index >= numHatchLines()) return Dt::eInvalidIndex;
  start = m_starts[static_cast<std::size_t>(index)];
  end = m_ends[static_cast<std::size_t>(index)];
  return Dt::eOk;
}
