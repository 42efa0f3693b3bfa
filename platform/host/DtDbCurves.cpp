// SPDX-License-Identifier: MIT
// Lines, circles, arcs, ellipses, splines and the polyline as entities: their
// points in space and how a map of space moves them.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/host/DtDbArc.h"
#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbEllipse.h"
#include "platform/host/DtDbLine.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbSpline.h"

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

bool finite(DtGeVector3d const& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// A map entities can take: finite and not flattening space.
bool usable(DtGeMatrix3d const& m) {
  for (auto const& row : m.entry)
    for (double v : row)
      if (!std::isfinite(v)) return false;
  double const d = m.det();
  return std::isfinite(d) && d != 0.0;
}

DtGeVector3d mapped(DtGeMatrix3d const& m, DtGeVector3d v) { return v.transformBy(m); }
DtGePoint3d mapped(DtGeMatrix3d const& m, DtGePoint3d p) { return p.transformBy(m); }

// How a map moves a plane of the arbitrary-axis rule: the new normal (the
// mapped axes' cross product, so turning direction about it is kept), the
// angle by which directions turn in the new plane's axes, and the scale;
// scale 0 when the map is not a similarity within the plane.
struct PlaneMap {
  DtGeVector3d normal;
  double turn = 0.0;
  double scale = 0.0;
};

PlaneMap mapPlane(DtGeMatrix3d const& m, DtGeVector3d const& normal) {
  DtGeVector3d x, y;
  DtGePlane::axesOf(normal, x, y);
  DtGeVector3d const mx = mapped(m, x), my = mapped(m, y);
  PlaneMap r;
  r.normal = mx.crossProduct(my).normal();
  DtGeVector3d nx, ny;
  DtGePlane::axesOf(r.normal, nx, ny);
  r.turn = std::atan2(mx.dotProduct(ny), mx.dotProduct(nx));
  double const sx = mx.length(), sy = my.length();
  if (std::fabs(sx - sy) <= 1e-9 * sx && std::fabs(mx.dotProduct(my)) <= 1e-9 * sx * sy) r.scale = sx;
  return r;
}

Dt::ErrorStatus checkedNormal(DtGeVector3d const& normal, DtGeVector3d& out) {
  if (!finite(normal) || normal.length() == 0.0) return Dt::eInvalidInput;
  out = normal.normal();
  return Dt::eOk;
}

// The unit normal of the best plane through the points (Newell's sum over
// the closed polygon they make) and whether all lie on it within a length
// tolerance relative to their spread.
DtDb::Planarity planeOfPoints(std::vector<DtGePoint3d> const& points, DtGePlane& plane) {
  if (points.empty()) {
    plane = DtGePlane();
    return DtDb::kLinear;
  }
  DtGePoint3d const o = points.front();
  double spread = 0.0;
  std::size_t far = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    double const d = points[i].distanceTo(o);
    if (d > spread) spread = d, far = i;
  }
  double const tol = std::max(1e-9 * spread, DtGeContext::gTol.equalPoint());
  DtGeVector3d const dir = (points[far] - o).normal();
  // The point furthest from the line through o along dir.
  double off = 0.0;
  std::size_t side = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    DtGeVector3d const d = points[i] - o;
    double const dist = (d - dir * d.dotProduct(dir)).length();
    if (dist > off) off = dist, side = i;
  }
  if (off <= tol) {
    plane = DtGePlane(o, dir.length() > 0.0 ? dir.perpVector() : DtGeVector3d::kZAxis);
    return DtDb::kLinear;
  }
  DtGeVector3d n = (points[far] - o).crossProduct(points[side] - o).normal();
  plane = DtGePlane(o, n);
  for (auto const& p : points)
    if (plane.distanceTo(p) > tol) return DtDb::kNonPlanar;
  return DtDb::kPlanar;
}

}  // namespace

// Line.

Dt::ErrorStatus DtDbLine::transformBy(DtGeMatrix3d const& m) {
  if (!usable(m)) return Dt::eInvalidInput;
  m_start.transformBy(m);
  m_end.transformBy(m);
  return Dt::eOk;
}

Dt::ErrorStatus DtDbLine::getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const {
  DtGeVector3d const dir = m_end - m_start;
  plane = DtGePlane(m_start, dir.length() > 0.0 ? dir.perpVector() : DtGeVector3d::kZAxis);
  planarity = DtDb::kLinear;
  return Dt::eOk;
}

// Circle.

DtDbCircle::DtDbCircle(DtGePoint3d const& center, DtGeVector3d const& normal, double radius)
    : m_center(center), m_radius(radius) {
  checkedNormal(normal, m_normal);
}

Dt::ErrorStatus DtDbCircle::setNormal(DtGeVector3d const& normal) { return checkedNormal(normal, m_normal); }

DtGePoint3d DtDbCircle::startPoint() const { return m_center + m_normal.perpVector() * m_radius; }

Dt::ErrorStatus DtDbCircle::transformBy(DtGeMatrix3d const& m) {
  if (!usable(m)) return Dt::eInvalidInput;
  PlaneMap const pm = mapPlane(m, m_normal);
  if (pm.scale == 0.0) return Dt::eCannotScaleNonUniformly;
  m_center.transformBy(m);
  m_normal = pm.normal;
  m_radius *= pm.scale;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbCircle::getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const {
  plane = DtGePlane(m_center, m_normal);
  planarity = DtDb::kPlanar;
  return Dt::eOk;
}

// Arc.

DtDbArc::DtDbArc(DtGePoint3d const& center, DtGeVector3d const& normal, double radius, double startAngle,
                 double endAngle)
    : m_center(center), m_radius(radius), m_startAngle(startAngle), m_endAngle(endAngle) {
  checkedNormal(normal, m_normal);
}

DtDbArc::DtDbArc(DtGePoint3d const& center, double radius, double startAngle, double endAngle)
    : DtDbArc(center, DtGeVector3d::kZAxis, radius, startAngle, endAngle) {}

Dt::ErrorStatus DtDbArc::setNormal(DtGeVector3d const& normal) { return checkedNormal(normal, m_normal); }

double DtDbArc::totalAngle() const {
  double s = std::fmod(m_endAngle - m_startAngle, kTwoPi);
  if (s < 0.0) s += kTwoPi;
  return s >= kTwoPi ? 0.0 : s;
}

DtGePoint3d DtDbArc::pointAt(double angle) const {
  DtGeVector3d x, y;
  DtGePlane::axesOf(m_normal, x, y);
  return m_center + (x * std::cos(angle) + y * std::sin(angle)) * m_radius;
}

Dt::ErrorStatus DtDbArc::transformBy(DtGeMatrix3d const& m) {
  if (!usable(m)) return Dt::eInvalidInput;
  PlaneMap const pm = mapPlane(m, m_normal);
  if (pm.scale == 0.0) return Dt::eCannotScaleNonUniformly;
  double const sweep = totalAngle();
  m_center.transformBy(m);
  m_normal = pm.normal;
  m_radius *= pm.scale;
  m_startAngle = std::remainder(m_startAngle + pm.turn, kTwoPi);
  if (m_startAngle < 0.0) m_startAngle += kTwoPi;
  m_endAngle = m_startAngle + sweep;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbArc::getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const {
  plane = DtGePlane(m_center, m_normal);
  planarity = DtDb::kPlanar;
  return Dt::eOk;
}

// Ellipse.

DtDbEllipse::DtDbEllipse(DtGePoint3d const& center, DtGeVector3d const& normal, DtGeVector3d const& majorAxis,
                         double radiusRatio, double startParam, double endParam)
    : m_center(center),
      m_majorAxis(majorAxis),
      m_radiusRatio(radiusRatio),
      m_startParam(startParam),
      m_endParam(endParam) {
  checkedNormal(normal, m_normal);
}

DtGeVector3d DtDbEllipse::minorAxis() const { return m_normal.crossProduct(m_majorAxis) * m_radiusRatio; }

bool DtDbEllipse::isClosed() const {
  double const sweep = m_endParam - m_startParam;
  return std::fabs(std::fabs(sweep) - kTwoPi) <= 1e-12 * kTwoPi;
}

DtGePoint3d DtDbEllipse::pointAtParam(double param) const {
  return m_center + m_majorAxis * std::cos(param) + minorAxis() * std::sin(param);
}

// The mapped semi-axes p, q are conjugate semi-diameters; the new major axis
// is p cos t0 + q sin t0 where that length is largest, and parameters shift by t0.
Dt::ErrorStatus DtDbEllipse::transformBy(DtGeMatrix3d const& m) {
  if (!usable(m)) return Dt::eInvalidInput;
  DtGeVector3d const p = mapped(m, m_majorAxis), q = mapped(m, minorAxis());
  DtGeVector3d const n = p.crossProduct(q);
  if (!(n.length() > 0.0)) return Dt::eDegenerateGeometry;
  double const t0 = 0.5 * std::atan2(2.0 * p.dotProduct(q), p.lengthSqrd() - q.lengthSqrd());
  DtGeVector3d const major = p * std::cos(t0) + q * std::sin(t0);
  DtGeVector3d const minor = q * std::cos(t0) - p * std::sin(t0);
  m_center.transformBy(m);
  m_normal = n.normal();
  m_majorAxis = major;
  m_radiusRatio = major.length() > 0.0 ? minor.length() / major.length() : 0.0;
  m_startParam -= t0;
  m_endParam -= t0;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbEllipse::getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const {
  plane = DtGePlane(m_center, m_normal);
  planarity = DtDb::kPlanar;
  return Dt::eOk;
}

// Spline.

DtDbSpline::DtDbSpline(DtArray<DtGePoint3d> const& fitPoints) : m_fit(fitPoints.begin(), fitPoints.end()) {}

DtGePoint3d DtDbSpline::startPoint() const { return m_fit.empty() ? DtGePoint3d::kOrigin : m_fit.front(); }

DtGePoint3d DtDbSpline::endPoint() const { return m_fit.empty() ? DtGePoint3d::kOrigin : m_fit.back(); }

bool DtDbSpline::isClosed() const { return m_fit.size() > 2 && m_fit.front().isEqualTo(m_fit.back()); }

Dt::ErrorStatus DtDbSpline::getFitPointAt(int index, DtGePoint3d& point) const {
  if (index < 0 || index >= numFitPoints()) return Dt::eInvalidIndex;
  point = m_fit[static_cast<std::size_t>(index)];
  return Dt::eOk;
}

// Uniform Catmull-Rom: the tangent at a fit point is half the chord between
// its neighbours; an open end mirrors its neighbour, a closed spline wraps.
DtGePoint3d DtDbSpline::pointAt(double t) const {
  int const n = numFitPoints();
  if (n == 0) return DtGePoint3d::kOrigin;
  if (n == 1 || !std::isfinite(t)) return m_fit.front();
  t = std::clamp(t, 0.0, static_cast<double>(n - 1));
  int i = std::min(static_cast<int>(t), n - 2);
  double const u = t - i;
  bool const closed = isClosed();
  auto at = [&](int k) -> DtGePoint3d {
    if (k >= 0 && k < n) return m_fit[static_cast<std::size_t>(k)];
    if (closed) return m_fit[static_cast<std::size_t>(k < 0 ? k + n - 1 : k - n + 1)];
    // Reflect the neighbour: a natural-looking free end.
    DtGePoint3d const e = m_fit[static_cast<std::size_t>(k < 0 ? 0 : n - 1)];
    DtGePoint3d const nb = m_fit[static_cast<std::size_t>(k < 0 ? 1 : n - 2)];
    return e + (e - nb);
  };
  DtGePoint3d const p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
  double const u2 = u * u, u3 = u2 * u;
  double const b0 = -0.5 * u3 + u2 - 0.5 * u, b1 = 1.5 * u3 - 2.5 * u2 + 1.0, b2 = -1.5 * u3 + 2.0 * u2 + 0.5 * u,
               b3 = 0.5 * u3 - 0.5 * u2;
  return {b0 * p0.x + b1 * p1.x + b2 * p2.x + b3 * p3.x, b0 * p0.y + b1 * p1.y + b2 * p2.y + b3 * p3.y,
          b0 * p0.z + b1 * p1.z + b2 * p2.z + b3 * p3.z};
}

std::vector<DtGePoint3d> DtDbSpline::samplePoints(int perSpan) const {
  std::vector<DtGePoint3d> out;
  int const n = numFitPoints();
  if (n == 0) return out;
  perSpan = std::max(perSpan, 1);
  for (int i = 0; i + 1 < n; ++i)
    for (int k = 0; k < perSpan; ++k) out.push_back(pointAt(i + static_cast<double>(k) / perSpan));
  out.push_back(m_fit.back());
  return out;
}

Dt::ErrorStatus DtDbSpline::transformBy(DtGeMatrix3d const& m) {
  if (!usable(m)) return Dt::eInvalidInput;
  for (auto& p : m_fit) p.transformBy(m);
  return Dt::eOk;
}

Dt::ErrorStatus DtDbSpline::getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const {
  planarity = planeOfPoints(samplePoints(4), plane);
  return Dt::eOk;
}

// Polyline.

Dt::ErrorStatus DtDbPolyline::setNormal(DtGeVector3d const& normal) { return checkedNormal(normal, m_normal); }

DtGePlane DtDbPolyline::plane() const {
  DtGeVector3d x, y;
  DtGePlane::axesOf(m_normal, x, y);
  return DtGePlane(DtGePoint3d::kOrigin + m_normal * m_elevation, x, y);
}

Dt::ErrorStatus DtDbPolyline::getPointAt(unsigned index, DtGePoint3d& point) const {
  if (index >= m_vertices.size()) return Dt::eInvalidIndex;
  point = plane().evalPoint(m_vertices[index].point);
  return Dt::eOk;
}

DtGePoint3d DtDbPolyline::startPoint() const {
  DtGePoint3d p = plane().pointOnPlane();
  getPointAt(0, p);
  return p;
}

DtGePoint3d DtDbPolyline::endPoint() const {
  DtGePoint3d p = plane().pointOnPlane();
  if (!m_vertices.empty()) getPointAt(m_closed ? 0 : numVerts() - 1, p);
  return p;
}

Dt::ErrorStatus DtDbPolyline::transformBy(DtGeMatrix3d const& m) {
  if (!usable(m)) return Dt::eInvalidInput;
  PlaneMap const pm = mapPlane(m, m_normal);
  if (pm.scale == 0.0 && !isOnlyLines()) return Dt::eCannotScaleNonUniformly;
  DtGePlane const from = plane();
  DtGeVector3d x, y;
  DtGePlane::axesOf(pm.normal, x, y);
  DtGePlane const to(DtGePoint3d::kOrigin, x, y);
  for (auto& v : m_vertices) {
    v.point = to.paramOf(mapped(m, from.evalPoint(v.point)));
    if (pm.scale > 0.0) v.startWidth *= pm.scale, v.endWidth *= pm.scale;
  }
  m_elevation = mapped(m, from.pointOnPlane()).asVector().dotProduct(pm.normal);
  m_normal = pm.normal;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbPolyline::getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const {
  plane = this->plane();
  planarity = DtDb::kPlanar;
  return Dt::eOk;
}
