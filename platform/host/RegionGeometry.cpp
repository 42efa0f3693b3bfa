// SPDX-License-Identifier: MIT
// Exact measures, maps and tessellation of region loops.
#include "platform/host/RegionGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zept::host {
namespace {

constexpr double kPi = std::numbers::pi;

void mapLoop(Loop& loop, Map2d const& m, bool mirror, double scale) {
  for (auto& s : loop) {
    s.p = m(s.p);
    s.q = m(s.q);
    if (s.kind == Seg::kArc) {
      s.c = m(s.c);
      s.r *= scale;
      if (mirror) s.sweep = -s.sweep;
    }
    for (auto& p : s.pts) p = m(p);
    if (s.form) {
      auto form = std::make_shared<CurveForm>(*s.form);
      form->u = m(form->c + form->u) - m(form->c);
      form->v = m(form->c + form->v) - m(form->c);
      form->c = m(form->c);
      for (auto& p : form->cubics) p = m(p);
      s.form = std::move(form);
    }
  }
  if (mirror) reverse(loop);
}

}  // namespace

Map2d Map2d::between(DtGePlane const& from, DtGePlane const& to) {
  DtGePoint2d const o = to.paramOf(from.evalPoint({0, 0}));
  DtGePoint2d const ex = to.paramOf(from.evalPoint({1, 0}));
  DtGePoint2d const ey = to.paramOf(from.evalPoint({0, 1}));
  Map2d m;
  m.a = ex.x - o.x, m.c = ex.y - o.y;
  m.b = ey.x - o.x, m.d = ey.y - o.y;
  m.tx = o.x, m.ty = o.y;
  return m;
}

bool coplanar(RegionData const& a, RegionData const& b) {
  DtGeTol tol;
  tol.setEqualPoint(std::max(1e-9 * std::max(scaleOf(a.faces), scaleOf(b.faces)), DtGeContext::gTol.equalPoint()));
  tol.setEqualVector(1e-9);
  return a.plane.isCoplanarTo(b.plane, tol);
}

void mapFaces(std::vector<Face>& faces, DtGePlane const& from, DtGePlane const& to) {
  const bool same = from.normal().isEqualTo(to.normal(), DtGeContext::gTol) &&
                    from.pointOnPlane().isEqualTo(to.pointOnPlane(), DtGeContext::gTol);
  if (!same) mapFaces(faces, Map2d::between(from, to));
}

std::shared_ptr<CurveForm const> reversed(CurveForm const& form) {
  auto out = std::make_shared<CurveForm>(form);
  std::reverse(out->cubics.begin(), out->cubics.end());
  return out;
}

void reverse(Loop& loop) {
  std::reverse(loop.begin(), loop.end());
  for (auto& s : loop) {
    std::swap(s.p, s.q);
    s.sweep = -s.sweep;
    std::reverse(s.pts.begin(), s.pts.end());
    if (s.form && !s.form->cubics.empty()) s.form = reversed(*s.form);
  }
}

void mapFaces(std::vector<Face>& faces, Map2d const& m) {
  double const det = m.det();
  bool const mirror = det < 0.0;
  double const scale = std::sqrt(std::fabs(det));
  for (auto& f : faces) {
    mapLoop(f.outer, m, mirror, scale);
    for (auto& h : f.holes) mapLoop(h, m, mirror, scale);
  }
}

shape::Moments moments(Loop const& loop) {
  shape::Moments m;
  for (auto const& s : loop) {
    switch (s.kind) {
      case Seg::kLine:
        m += shape::edgeMoments(s.p, s.q);
        break;
      case Seg::kArc:
        m += shape::arcMoments(s.p, s.q, s.c, s.r, s.sweep);
        break;
      case Seg::kCurve: {
        CurveForm const* f = s.form.get();
        if (f && !f->cubics.empty()) {
          for (std::size_t i = 0; i + 3 < f->cubics.size(); i += 4) m += shape::cubicMoments(&f->cubics[i]);
          break;
        }
        for (std::size_t i = 0; i + 1 < s.pts.size(); ++i)
          m += f && f->ellipse ? shape::ellipseArcMoments(s.pts[i], s.pts[i + 1], f->c, f->u, f->v)
                               : shape::edgeMoments(s.pts[i], s.pts[i + 1]);
        break;
      }
    }
  }
  return m;
}

shape::Moments moments(std::vector<Face> const& faces) {
  shape::Moments m;
  for (auto const& f : faces) {
    m += moments(f.outer);
    for (auto const& h : f.holes) m += moments(h);
  }
  return m;
}

double length(Seg const& s) {
  switch (s.kind) {
    case Seg::kLine:
      return s.p.distanceTo(s.q);
    case Seg::kArc:
      return s.r * std::fabs(s.sweep);
    case Seg::kCurve: {
      double len = 0.0;
      CurveForm const* f = s.form.get();
      if (f && !f->cubics.empty()) {
        for (std::size_t i = 0; i + 3 < f->cubics.size(); i += 4) len += shape::cubicLength(&f->cubics[i]);
        return len;
      }
      for (std::size_t i = 0; i + 1 < s.pts.size(); ++i)
        len += f && f->ellipse ? shape::ellipseArcLength(s.pts[i], s.pts[i + 1], f->c, f->u, f->v)
                               : s.pts[i].distanceTo(s.pts[i + 1]);
      return len;
    }
  }
  return 0.0;
}

double perimeter(std::vector<Face> const& faces) {
  double sum = 0.0;
  for (auto const& f : faces) {
    for (auto const& s : f.outer) sum += length(s);
    for (auto const& h : f.holes)
      for (auto const& s : h) sum += length(s);
  }
  return sum;
}

// An arc adds its end points and the axis points (angles k * pi / 2) it passes.
void addExtents(shape::Box& box, Seg const& s) {
  box.add(s.p);
  box.add(s.q);
  if (s.kind == Seg::kCurve)
    for (auto const& p : s.pts) box.add(p);
  if (s.kind != Seg::kArc) return;
  double const a0 = std::atan2(s.p.y - s.c.y, s.p.x - s.c.x);
  double const lo = std::min(a0, a0 + s.sweep), hi = std::max(a0, a0 + s.sweep);
  for (double k = std::ceil(lo / (kPi / 2)); k * (kPi / 2) <= hi; k += 1.0) {
    double const a = k * (kPi / 2);
    box.add({s.c.x + s.r * std::cos(a), s.c.y + s.r * std::sin(a)});
  }
}

double distanceToSegment(DtGePoint2d const& p, DtGePoint2d const& a, DtGePoint2d const& b) {
  DtGeVector2d const ab = b - a;
  double const len2 = ab.lengthSqrd();
  double const t = len2 > 0.0 ? std::clamp((p - a).dotProduct(ab) / len2, 0.0, 1.0) : 0.0;
  return p.distanceTo(a + ab * t);
}

double cross(DtGePoint2d const& o, DtGePoint2d const& a, DtGePoint2d const& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double scaleOf(std::vector<Face> const& faces) {
  shape::Box box;
  for (auto const& f : faces)
    for (auto const& s : f.outer) addExtents(box, s);
  if (box.empty) return 1.0;
  return std::max({1.0, std::fabs(box.max.x), std::fabs(box.max.y), std::fabs(box.min.x), std::fabs(box.min.y)});
}

// Two arcs of radius about r that overlap by a depth d enclose a lens of area
// at most (4/3) sqrt(2 r) d^1.5. Inscribed chords hide an overlap only while
// d < 2e, so e is chosen to keep such a lens below 0.000375 (the overlap test
// of the region analyser takes 0.001 as the limit): e = 0.5 (0.000375 /
// sqrt(2 r))^(2/3), and never more than a 32-gon's sagitta.
double chordError(double radius) {
  if (!(radius > 0.0)) return 0.0;
  double const e = 0.5 * std::pow(0.000375 / std::sqrt(2.0 * radius), 2.0 / 3.0);
  return std::min(e, radius * (1.0 - std::cos(kPi / 32.0)));
}

// Powers of two, so that the grid of a nearly equal radius is the same grid
// and a coarser grid's points are all on the finer one.
int arcDivisions(double radius) {
  constexpr int kMin = 64, kMax = 1 << 18;
  double const e = chordError(radius);
  if (!(e > 0.0) || !std::isfinite(radius)) return kMin;
  double const need = kPi / std::acos(std::max(-1.0, 1.0 - e / radius));
  int n = kMin;
  while (n < need && n < kMax) n *= 2;
  return n;
}

void tessellate(Seg const& s, std::vector<DtGePoint2d>& out) {
  auto push = [&out](DtGePoint2d const& p) {
    if (out.empty() || out.back().x != p.x || out.back().y != p.y) out.push_back(p);
  };
  switch (s.kind) {
    case Seg::kLine:
      push(s.p);
      return;
    case Seg::kCurve:
      for (std::size_t i = 0; i + 1 < s.pts.size(); ++i) push(s.pts[i]);
      if (s.pts.empty()) push(s.p);
      return;
    case Seg::kArc:
      break;
  }
  push(s.p);
  int const n = arcDivisions(s.r);
  double const step = 2.0 * kPi / n;
  double const a0 = std::atan2(s.p.y - s.c.y, s.p.x - s.c.x);
  double const a1 = a0 + s.sweep;
  double const margin = 1e-6 * step;
  // Grid point k by its index modulo n, so the same point has the same bits
  // whichever turn of the angle reaches it.
  auto grid = [&](double k) {
    long long i = static_cast<long long>(k) % n;
    if (i < 0) i += n;
    double const a = static_cast<double>(i) * step;
    return DtGePoint2d(s.c.x + s.r * std::cos(a), s.c.y + s.r * std::sin(a));
  };
  if (s.sweep > 0.0) {
    for (double k = std::floor((a0 + margin) / step) + 1.0; k * step < a1 - margin; k += 1.0) push(grid(k));
  } else {
    for (double k = std::ceil((a0 - margin) / step) - 1.0; k * step > a1 + margin; k -= 1.0) push(grid(k));
  }
}

}  // namespace zept::host
