// SPDX-License-Identifier: MIT
// Regions: made from closed curves, measured with closed forms, moved with
// similarities and combined through RegionGeometry's boolean operations.
#include "platform/host/DtDbRegion.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <numbers>

#include "platform/host/DtDbArc.h"
#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbEllipse.h"
#include "platform/host/DtDbLine.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbSpline.h"
#include "platform/host/DtGeCurve3d.h"
#include "platform/host/RegionGeometry.h"

using zept::host::CurveForm;
using zept::host::Face;
using zept::host::Loop;
using zept::host::Map2d;
using zept::host::RegionData;
using zept::host::Seg;

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

bool finite(DtGePoint3d const& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }
bool finite(DtGeVector3d const& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// One piece of a curve in space, before the loop's plane is known.
struct Piece {
  Seg::Kind kind = Seg::kLine;
  DtGePoint3d start, end;
  DtGePoint3d center;                // arc
  double radius = 0.0;               // arc
  double sweep = 0.0;                // arc: signed about `normal`
  bool hasNormal = false;            // the curve states its plane's normal
  DtGeVector3d normal;               // arcs, circles, ellipses, polylines
  int curveKind = 0;                 // curve
  std::vector<DtGePoint3d> pts;      // curve: start ... end
  DtDbEntity const* drawn = nullptr; // curve: the ellipse or spline, for its exact form
  bool reversed = false;             // curve: runs against `drawn`
};

// Pieces that already run end to end: one curve, or one polyline.
struct Chain {
  std::vector<Piece> pieces;
  bool closed = false;  // a loop by itself
  DtGePoint3d start() const { return pieces.front().start; }
  DtGePoint3d end() const { return pieces.back().end; }
};

Dt::ErrorStatus arcPiece(DtGePoint3d const& center, DtGeVector3d const& normal, double radius, double startAngle,
                         double sweep, Piece& out) {
  if (!finite(center) || !finite(normal) || !std::isfinite(radius) || !std::isfinite(startAngle) ||
      !std::isfinite(sweep))
    return Dt::eInvalidInput;
  if (!(radius > 0.0) || normal.length() == 0.0 || sweep == 0.0) return Dt::eDegenerateGeometry;
  DtGeVector3d x, y;
  DtGePlane::axesOf(normal, x, y);
  auto at = [&](double a) { return center + (x * std::cos(a) + y * std::sin(a)) * radius; };
  out.kind = Seg::kArc;
  out.center = center;
  out.radius = radius;
  out.sweep = sweep;
  out.hasNormal = true;
  out.normal = normal.normal();
  out.start = at(startAngle);
  out.end = std::fabs(sweep) >= kTwoPi ? out.start : at(startAngle + sweep);
  return Dt::eOk;
}

Dt::ErrorStatus curvePiece(std::vector<DtGePoint3d> pts, int kind, Piece& out) {
  for (auto const& p : pts)
    if (!finite(p)) return Dt::eInvalidInput;
  pts.erase(std::unique(pts.begin(), pts.end(),
                        [](DtGePoint3d const& a, DtGePoint3d const& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }),
            pts.end());
  if (pts.size() < 2) return Dt::eDegenerateGeometry;
  out.kind = Seg::kCurve;
  out.curveKind = kind;
  out.start = pts.front();
  out.end = pts.back();
  out.pts = std::move(pts);
  return Dt::eOk;
}

Dt::ErrorStatus polylineChain(DtDbPolyline const& pl, Chain& chain) {
  unsigned const n = pl.numVerts();
  if (n < 2) return Dt::eDegenerateGeometry;
  DtGePlane const plane = pl.plane();
  if (!finite(plane.pointOnPlane()) || !finite(pl.normal())) return Dt::eInvalidInput;
  unsigned const segs = pl.isClosed() ? n : n - 1;
  for (unsigned i = 0; i < segs; ++i) {
    DtGePoint2d p, q;
    double bulge = 0.0;
    pl.getPointAt(i, p);
    pl.getPointAt((i + 1) % n, q);
    pl.getBulgeAt(i, bulge);
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(q.x) || !std::isfinite(q.y) ||
        !std::isfinite(bulge))
      return Dt::eInvalidInput;
    Piece piece;
    piece.hasNormal = true;
    piece.normal = pl.normal();
    piece.start = plane.evalPoint(p);
    piece.end = plane.evalPoint(q);
    DtGeCircArc2d arc;
    // A repeated vertex stays as a zero-length edge: harmless, and the
    // boundary then shows what was drawn.
    if (bulge != 0.0 && !p.isEqualTo(q) && arc.set(p, q, bulge) == Dt::eOk) {
      piece.kind = Seg::kArc;
      piece.center = plane.evalPoint(arc.center());
      piece.radius = arc.radius();
      piece.sweep = arc.signedSweep();
      if (!(piece.radius > 0.0) || !std::isfinite(piece.radius)) return Dt::eDegenerateGeometry;
    }
    chain.pieces.push_back(piece);
  }
  chain.closed = pl.isClosed();
  return Dt::eOk;
}

Dt::ErrorStatus chainOf(DtDbEntity const* e, Chain& chain) {
  Piece piece;
  Dt::ErrorStatus es = Dt::eOk;
  if (auto const* line = DtDbLine::cast(e)) {
    piece.start = line->startPoint();
    piece.end = line->endPoint();
    if (!finite(piece.start) || !finite(piece.end)) return Dt::eInvalidInput;
    if (piece.start.isEqualTo(piece.end)) return Dt::eDegenerateGeometry;
  } else if (auto const* arc = DtDbArc::cast(e)) {
    es = arcPiece(arc->center(), arc->normal(), arc->radius(), arc->startAngle(), arc->totalAngle(), piece);
  } else if (auto const* circle = DtDbCircle::cast(e)) {
    es = arcPiece(circle->center(), circle->normal(), circle->radius(), 0.0, kTwoPi, piece);
    chain.closed = true;
  } else if (auto const* ellipse = DtDbEllipse::cast(e)) {
    double const major = ellipse->majorAxis().length(), ratio = ellipse->radiusRatio();
    double const sweep = ellipse->endParam() - ellipse->startParam();
    if (!finite(ellipse->center()) || !finite(ellipse->majorAxis()) || !std::isfinite(ratio) || !std::isfinite(sweep))
      return Dt::eInvalidInput;
    if (!(major > 0.0) || !(ratio > 0.0) || ratio > 1.0 || sweep == 0.0 ||
        std::fabs(ellipse->majorAxis().normal().dotProduct(ellipse->normal())) > 1e-9)
      return Dt::eDegenerateGeometry;
    // Measured along its points: 4096 to a turn keep the area within 4e-7 of itself.
    int const n = std::max(64, static_cast<int>(4096 * std::min(1.0, std::fabs(sweep) / kTwoPi)));
    std::vector<DtGePoint3d> pts;
    for (int i = 0; i <= n; ++i) pts.push_back(ellipse->pointAtParam(ellipse->startParam() + sweep * i / n));
    if (ellipse->isClosed()) pts.back() = pts.front();
    es = curvePiece(std::move(pts), DtGe::kEllipArc3d, piece);
    piece.drawn = ellipse;
    piece.hasNormal = true;
    piece.normal = ellipse->normal();
    chain.closed = ellipse->isClosed();
  } else if (auto const* spline = DtDbSpline::cast(e)) {
    if (spline->numFitPoints() < 2) return Dt::eDegenerateGeometry;
    es = curvePiece(spline->samplePoints(32), DtGe::kSplineEnt3d, piece);
    piece.drawn = spline;
    chain.closed = spline->isClosed();
  } else if (auto const* polyline = DtDbPolyline::cast(e)) {
    return polylineChain(*polyline, chain);
  } else {
    return Dt::eNotThatKindOfClass;
  }
  if (es != Dt::eOk) return es;
  chain.pieces.push_back(piece);
  return Dt::eOk;
}

void reversePiece(Piece& p) {
  std::swap(p.start, p.end);
  p.sweep = -p.sweep;
  std::reverse(p.pts.begin(), p.pts.end());
  p.reversed = !p.reversed;
}

// Joins the open chains end to end into closed loops: every end must meet
// exactly one other end (within tol).
Dt::ErrorStatus joinChains(std::vector<Chain>& open, double tol, std::vector<std::vector<Piece>>& loops) {
  std::size_t const n = open.size();
  if (n == 0) return Dt::eOk;
  // End k of chain i is 2 i + k; cluster ends by sorting on x.
  std::vector<DtGePoint3d> ends(2 * n);
  for (std::size_t i = 0; i < n; ++i) ends[2 * i] = open[i].start(), ends[2 * i + 1] = open[i].end();
  std::vector<std::size_t> order(2 * n);
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return ends[a].x < ends[b].x; });
  std::vector<std::size_t> mate(2 * n, SIZE_MAX);
  for (std::size_t a = 0; a < order.size(); ++a) {
    for (std::size_t b = a + 1; b < order.size() && ends[order[b]].x - ends[order[a]].x <= tol; ++b) {
      std::size_t const i = order[a], j = order[b];
      if (ends[i].distanceTo(ends[j]) > tol) continue;
      if (mate[i] != SIZE_MAX || mate[j] != SIZE_MAX) return Dt::eOpenCurve;  // three ends at one point
      mate[i] = j;
      mate[j] = i;
    }
  }
  for (std::size_t k = 0; k < mate.size(); ++k)
    if (mate[k] == SIZE_MAX || mate[k] / 2 == k / 2) return Dt::eOpenCurve;
  std::vector<bool> used(n, false);
  for (std::size_t first = 0; first < n; ++first) {
    if (used[first]) continue;
    std::vector<Piece> loop;
    std::size_t chain = first;
    bool forward = true;
    while (!used[chain]) {
      used[chain] = true;
      std::vector<Piece> pieces = open[chain].pieces;
      if (!forward) {
        std::reverse(pieces.begin(), pieces.end());
        for (auto& p : pieces) reversePiece(p);
      }
      if (!loop.empty()) pieces.front().start = loop.back().end;  // close the tiny gap
      loop.insert(loop.end(), pieces.begin(), pieces.end());
      std::size_t const leaving = 2 * chain + (forward ? 1 : 0);
      std::size_t const arriving = mate[leaving];
      chain = arriving / 2;
      forward = arriving % 2 == 0;
    }
    loop.back().end = loop.front().start;
    loops.push_back(std::move(loop));
  }
  return Dt::eOk;
}

// The loop's plane: the normal a curve states, else the points' own plane
// with its normal pointing up (+z, else +y, else +x). Origin: the world
// origin's foot, so that regions of one plane share one 2D system.
Dt::ErrorStatus loopPlane(std::vector<Piece> const& loop, double tol, DtGePlane& plane) {
  std::vector<DtGePoint3d> pts;
  for (auto const& p : loop) {
    pts.push_back(p.start);
    if (p.kind == Seg::kArc) {
      DtGeVector3d const r = p.start - p.center;
      pts.push_back(p.center + p.normal.crossProduct(r));
      pts.push_back(p.center - r);
    }
    pts.insert(pts.end(), p.pts.begin(), p.pts.end());
  }
  DtGeVector3d n;
  for (auto const& p : loop)
    if (p.hasNormal) {
      n = p.normal.normal();
      break;
    }
  if (n.length() == 0.0) {
    // Newell's normal of the polygon through the points.
    for (std::size_t i = 0; i < pts.size(); ++i) {
      DtGePoint3d const& a = pts[i];
      DtGePoint3d const& b = pts[(i + 1) % pts.size()];
      n += DtGeVector3d((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y));
    }
    if (!(n.length() > 0.0)) return Dt::eDegenerateGeometry;
    n = n.normal();
    double const eps = 1e-12;
    bool const flip = std::fabs(n.z) > eps ? n.z < 0.0 : std::fabs(n.y) > eps ? n.y < 0.0 : n.x < 0.0;
    if (flip) n = -n;
  }
  for (auto const& p : loop)
    if (p.hasNormal && p.normal.normal().crossProduct(n).length() > 1e-9) return Dt::eNonPlanarEntity;
  DtGePlane const through(pts.front(), n);
  for (auto const& p : pts)
    if (through.distanceTo(p) > tol) return Dt::eNonPlanarEntity;
  plane = DtGePlane(DtGePoint3d::kOrigin + n * n.dotProduct(pts.front().asVector()), n);
  return Dt::eOk;
}

std::shared_ptr<CurveForm const> formOf(Piece const& p, DtGePlane const& plane) {
  auto form = std::make_shared<CurveForm>();
  if (auto const* ellipse = DtDbEllipse::cast(p.drawn)) {
    form->ellipse = true;
    form->c = plane.paramOf(ellipse->center());
    form->u = plane.paramOf(ellipse->center() + ellipse->majorAxis()) - form->c;
    form->v = plane.paramOf(ellipse->center() + ellipse->minorAxis()) - form->c;
  } else if (auto const* spline = DtDbSpline::cast(p.drawn)) {
    for (int i = 0; i + 1 < spline->numFitPoints(); ++i)
      for (int k = 0; k < 4; ++k) form->cubics.push_back(plane.paramOf(spline->pointAt(i + k / 3.0)));
    if (p.reversed) std::reverse(form->cubics.begin(), form->cubics.end());
  } else {
    return nullptr;
  }
  return form;
}

Loop toLoop(std::vector<Piece> const& pieces, DtGePlane const& plane) {
  Loop loop;
  for (auto const& p : pieces) {
    Seg s;
    s.kind = p.kind;
    s.p = plane.paramOf(p.start);
    s.q = plane.paramOf(p.end);
    if (p.kind == Seg::kArc) {
      s.c = plane.paramOf(p.center);
      s.r = p.radius;
      s.sweep = p.normal.dotProduct(plane.normal()) < 0.0 ? -p.sweep : p.sweep;
      if (std::fabs(s.sweep) >= kTwoPi) s.q = s.p;
    }
    if (p.kind == Seg::kCurve) {
      s.curveKind = p.curveKind;
      for (auto const& q : p.pts) s.pts.push_back(plane.paramOf(q));
      s.pts.front() = s.p;
      s.pts.back() = s.q;
      s.form = formOf(p, plane);
    }
    loop.push_back(std::move(s));
  }
  // Joined ends are one point.
  for (std::size_t i = 0; i < loop.size(); ++i) {
    Seg& next = loop[(i + 1) % loop.size()];
    next.p = loop[i].q;
    if (next.kind == Seg::kCurve) next.pts.front() = next.p;
  }
  return loop;
}

double maxCoordinate(std::vector<Chain> const& chains) {
  double m = 1.0;
  for (auto const& c : chains)
    for (auto const& p : c.pieces)
      for (DtGePoint3d const& q : {p.start, p.end})
        m = std::max({m, std::fabs(q.x), std::fabs(q.y), std::fabs(q.z)});
  return m;
}

std::shared_ptr<RegionData> copyOf(std::shared_ptr<RegionData const> const& data) {
  return data ? std::make_shared<RegionData>(*data) : std::make_shared<RegionData>();
}

}  // namespace

DtDbRegion::DtDbRegion() : m_data(std::make_shared<RegionData>()) {}
DtDbRegion::DtDbRegion(std::shared_ptr<RegionData const> data)
    : m_data(data ? std::move(data) : std::make_shared<RegionData>()) {}
DtDbRegion::DtDbRegion(DtDbRegion const& other) = default;
DtDbRegion& DtDbRegion::operator=(DtDbRegion const& other) = default;
DtDbRegion::~DtDbRegion() = default;

Dt::ErrorStatus DtDbRegion::createFromCurves(DtArray<DtDbEntity*> const& curves, DtArray<DtDbRegion*>& regions) {
  if (curves.isEmpty()) return Dt::eInvalidInput;
  std::vector<Chain> closed, open;
  for (DtDbEntity const* e : curves) {
    if (!e) return Dt::eInvalidInput;
    Chain chain;
    if (Dt::ErrorStatus es = chainOf(e, chain); es != Dt::eOk) return es;
    (chain.closed ? closed : open).push_back(std::move(chain));
  }
  double const scale = std::max(maxCoordinate(closed), maxCoordinate(open));
  double const tol = std::max(DtGeContext::gTol.equalPoint(), 1e-9 * scale);
  // An open curve whose ends meet is a loop by itself.
  for (auto it = open.begin(); it != open.end();) {
    if (it->start().distanceTo(it->end()) <= tol && (it->pieces.size() > 1 || it->pieces.front().kind != Seg::kLine)) {
      it->pieces.back().end = it->pieces.front().start;
      closed.push_back(std::move(*it));
      it = open.erase(it);
    } else {
      ++it;
    }
  }
  std::vector<std::vector<Piece>> loops;
  for (auto& c : closed) loops.push_back(std::move(c.pieces));
  if (Dt::ErrorStatus es = joinChains(open, tol, loops); es != Dt::eOk) return es;

  std::vector<std::shared_ptr<RegionData const>> made;
  for (auto& pieces : loops) {
    auto data = std::make_shared<RegionData>();
    if (Dt::ErrorStatus es = loopPlane(pieces, std::max(tol, 1e-8 * scale), data->plane); es != Dt::eOk) return es;
    Loop loop = toLoop(pieces, data->plane);
    // The pieces, several times the loop's size, go before the crossing test
    // adds its own copies.
    std::vector<Piece>().swap(pieces);
    double const area = zept::host::moments(loop).a;
    if (!std::isfinite(area)) return Dt::eInvalidInput;
    if (std::fabs(area) <= 1e-12 * scale * scale) return Dt::eDegenerateGeometry;
    if (area < 0.0) zept::host::reverse(loop);
    // An arc far larger than the drawing (a bulge of 1e15 turns a short
    // chord into a circle the size of a continent) is no outline anyone
    // drew, and its points would overflow the crossing test's integer grid.
    for (auto const& seg : loop)
      if (seg.kind == zept::host::Seg::kArc && !(seg.r <= 1e6 * std::max(scale, 1e-300))) return Dt::eInvalidInput;
    bool simple = false;
    try {
      simple = zept::host::isSimple(loop);
    } catch (std::exception const&) {
    }
    if (!simple) return Dt::eSelfIntersecting;
    data->faces.push_back(Face{std::move(loop), {}});
    made.push_back(std::move(data));
  }
  for (auto& d : made) regions.append(new DtDbRegion(std::move(d)));
  return Dt::eOk;
}

bool DtDbRegion::isNull() const { return m_data->faces.empty(); }

int DtDbRegion::numFaces() const { return static_cast<int>(m_data->faces.size()); }

Dt::ErrorStatus DtDbRegion::getPlane(DtGePlane& plane) const {
  if (isNull()) return Dt::eNotApplicable;
  plane = m_data->plane;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbRegion::getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const {
  plane = m_data->plane;
  planarity = DtDb::kPlanar;
  return isNull() ? Dt::eNotApplicable : Dt::eOk;
}

Dt::ErrorStatus DtDbRegion::getNormal(DtGeVector3d& normal) const {
  if (isNull()) return Dt::eNotApplicable;
  normal = m_data->plane.normal();
  return Dt::eOk;
}

Dt::ErrorStatus DtDbRegion::getArea(double& area) const {
  area = isNull() ? 0.0 : zept::host::moments(m_data->faces).a;
  return isNull() ? Dt::eNotApplicable : Dt::eOk;
}

Dt::ErrorStatus DtDbRegion::getPerimeter(double& perimeter) const {
  perimeter = zept::host::perimeter(m_data->faces);
  return isNull() ? Dt::eNotApplicable : Dt::eOk;
}

double DtDbRegion::regionChordError(double radius) { return zept::host::chordError(radius); }

Dt::ErrorStatus DtDbRegion::transformBy(DtGeMatrix3d const& m) {
  for (auto const& row : m.entry)
    for (double v : row)
      if (!std::isfinite(v)) return Dt::eInvalidInput;
  DtGePoint3d o;
  DtGeVector3d x, y;
  m_data->plane.getCoordSystem(o, x, y);
  DtGeVector3d mx = x, my = y;
  mx.transformBy(m);
  my.transformBy(m);
  double const sx = mx.length(), sy = my.length();
  if (!(sx > 0.0) || !(sy > 0.0)) return Dt::eInvalidInput;
  if (std::fabs(sx - sy) > 1e-9 * sx || std::fabs(mx.dotProduct(my)) > 1e-9 * sx * sy)
    return Dt::eCannotScaleNonUniformly;
  DtGeVector3d const n = mx.crossProduct(my).normal();
  DtGePoint3d mo = o;
  mo.transformBy(m);
  auto data = copyOf(m_data);
  data->plane = DtGePlane(DtGePoint3d::kOrigin + n * n.dotProduct(mo.asVector()), n);
  // 2D map from the old plane's coordinates through m to the new plane's.
  auto image = [&](DtGePoint2d const& p) {
    DtGePoint3d q = m_data->plane.evalPoint(p);
    q.transformBy(m);
    return data->plane.paramOf(q);
  };
  DtGePoint2d const io = image({0, 0}), ix = image({1, 0}), iy = image({0, 1});
  Map2d map;
  map.a = ix.x - io.x, map.c = ix.y - io.y, map.b = iy.x - io.x, map.d = iy.y - io.y, map.tx = io.x, map.ty = io.y;
  zept::host::mapFaces(data->faces, map);
  m_data = std::move(data);
  return Dt::eOk;
}

Dt::ErrorStatus DtDbRegion::booleanOper(DtDb::BoolOperType operation, DtDbRegion* other) {
  if (!other || other == this) return Dt::eInvalidInput;
  if (operation != DtDb::kBoolUnite && operation != DtDb::kBoolIntersect && operation != DtDb::kBoolSubtract)
    return Dt::eInvalidInput;
  auto const empty = std::make_shared<RegionData>();
  if (other->isNull() || isNull()) {
    if (operation == DtDb::kBoolIntersect)
      m_data = empty;
    else if (operation == DtDb::kBoolUnite && isNull())
      m_data = other->m_data;
    other->m_data = empty;
    return Dt::eOk;
  }
  DtGePlane const& here = m_data->plane;
  DtGePlane const& there = other->m_data->plane;
  if (!zept::host::coplanar(*m_data, *other->m_data)) return Dt::eNonPlanarEntity;
  std::vector<Face> b = other->m_data->faces;
  zept::host::mapFaces(b, there, here);
  auto data = std::make_shared<RegionData>();
  data->plane = here;
  // The overlay throws on input it cannot take (a coordinate that is not
  // finite, or one Clipper refuses); such regions stay as they were.
  try {
    data->faces = zept::host::combine(m_data->faces, b, static_cast<int>(operation));
  } catch (std::exception const&) {
    return Dt::eDegenerateGeometry;
  }
  m_data = std::move(data);
  other->m_data = empty;
  return Dt::eOk;
}

namespace zept::host {

std::unique_ptr<DtDbRegion> uniteAll(std::vector<DtDbRegion const*> const& regions) {
  std::shared_ptr<RegionData const> first;
  std::vector<Face> all;
  for (DtDbRegion const* region : regions) {
    std::shared_ptr<RegionData const> data = region ? region->data() : nullptr;
    if (!data || data->faces.empty()) continue;
    std::vector<Face> faces = data->faces;
    if (!first) {
      first = data;
    } else {
      if (!coplanar(*first, *data)) return nullptr;
      mapFaces(faces, data->plane, first->plane);
    }
    all.insert(all.end(), std::make_move_iterator(faces.begin()), std::make_move_iterator(faces.end()));
  }
  if (!first) return std::make_unique<DtDbRegion>();
  auto united = std::make_shared<RegionData>();
  united->plane = first->plane;
  try {
    united->faces = combine(all, {}, 0);
  } catch (std::exception const&) {
    return nullptr;
  }
  return std::make_unique<DtDbRegion>(std::move(united));
}

}  // namespace zept::host

Dt::ErrorStatus DtDbRegion::getAreaProp(DtGePoint3d const& origin, DtGeVector3d const& xAxis,
                                        DtGeVector3d const& yAxis, double& perimeter, double& area,
                                        DtGePoint2d& centroid, double momInertia[2], double& prodInertia,
                                        double prinMoments[2], DtGeVector2d prinAxes[2], double radiiGyration[2],
                                        DtGePoint2d& extentsLow, DtGePoint2d& extentsHigh) const {
  if (isNull()) return Dt::eNotApplicable;
  if (!finite(origin) || !finite(xAxis) || !finite(yAxis)) return Dt::eInvalidInput;
  DtGeVector3d const x = xAxis.normal(), y = yAxis.normal();
  DtGeVector3d const n = m_data->plane.normal();
  double const scale = zept::host::scaleOf(m_data->faces);
  if (x.length() == 0.0 || y.length() == 0.0 || std::fabs(x.dotProduct(n)) > 1e-9 || std::fabs(y.dotProduct(n)) > 1e-9 ||
      std::fabs(x.dotProduct(y)) > 1e-9 ||
      m_data->plane.distanceTo(origin) > std::max(1e-9 * (scale + origin.asVector().length()), 1e-10))
    return Dt::eInvalidInput;
  std::vector<Face> faces = m_data->faces;
  zept::host::mapFaces(faces, Map2d::between(m_data->plane, DtGePlane(origin, x, y)));
  zept::shape::Moments m = zept::host::moments(faces);
  if (m.a < 0.0) m = m * -1.0;
  perimeter = zept::host::perimeter(faces);
  area = m.a;
  centroid = area > 0.0 ? DtGePoint2d(m.sx / area, m.sy / area) : DtGePoint2d();
  momInertia[0] = m.yy;
  momInertia[1] = m.xx;
  prodInertia = m.xy;
  // Principal moments about the centroid: I(t) = avg + R cos(2t - phi) for
  // the axis at angle t, largest at t = phi / 2.
  double const ixx = m.yy - area * centroid.y * centroid.y;
  double const iyy = m.xx - area * centroid.x * centroid.x;
  double const ixy = m.xy - area * centroid.x * centroid.y;
  double const avg = 0.5 * (ixx + iyy), half = 0.5 * (ixx - iyy);
  double const r = std::hypot(half, ixy);
  double const t = 0.5 * std::atan2(-ixy, half);
  prinMoments[0] = avg + r;
  prinMoments[1] = avg - r;
  prinAxes[0] = DtGeVector2d(std::cos(t), std::sin(t));
  prinAxes[1] = prinAxes[0].perpVector();
  radiiGyration[0] = area > 0.0 ? std::sqrt(std::max(0.0, momInertia[0]) / area) : 0.0;
  radiiGyration[1] = area > 0.0 ? std::sqrt(std::max(0.0, momInertia[1]) / area) : 0.0;
  zept::shape::Box box;
  for (auto const& f : faces)
    for (auto const& s : f.outer) zept::host::addExtents(box, s);
  extentsLow = box.min;
  extentsHigh = box.max;
  return Dt::eOk;
}
