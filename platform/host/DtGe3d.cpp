// SPDX-License-Identifier: MIT
// Vectors, points, matrices and planes of space.
#include <cmath>

#include "platform/host/DtGeCurve3d.h"
#include "platform/host/DtGeMatrix3d.h"
#include "platform/host/DtGePlane.h"
#include "platform/host/DtGePoint3d.h"
#include "platform/host/DtGeVector3d.h"

double DtGeVector3d::length() const { return std::sqrt(lengthSqrd()); }

DtGeVector3d DtGeVector3d::normal() const {
  double const len = length();
  return len > 0.0 ? *this / len : *this;
}

DtGeVector3d DtGeVector3d::perpVector() const {
  DtGeVector3d xAxis, yAxis;
  DtGePlane::axesOf(*this, xAxis, yAxis);
  return xAxis;
}

double DtGeVector3d::angleTo(DtGeVector3d const& v) const {
  return std::atan2(crossProduct(v).length(), dotProduct(v));
}

DtGeVector3d& DtGeVector3d::transformBy(DtGeMatrix3d const& m) {
  auto const& e = m.entry;
  return *this = {e[0][0] * x + e[0][1] * y + e[0][2] * z, e[1][0] * x + e[1][1] * y + e[1][2] * z,
                  e[2][0] * x + e[2][1] * y + e[2][2] * z};
}

bool DtGeVector3d::isZeroLength(DtGeTol const& tol) const { return length() <= tol.equalVector(); }

bool DtGeVector3d::isParallelTo(DtGeVector3d const& v, DtGeTol const& tol) const {
  DtGeVector3d const a = normal(), b = v.normal();
  if (a.isZeroLength(tol) || b.isZeroLength(tol)) return false;
  return a.crossProduct(b).length() <= tol.equalVector();
}

bool DtGeVector3d::isEqualTo(DtGeVector3d const& v, DtGeTol const& tol) const {
  return (*this - v).length() <= tol.equalVector();
}

DtGePoint3d& DtGePoint3d::transformBy(DtGeMatrix3d const& m) {
  auto const& e = m.entry;
  return *this = {e[0][0] * x + e[0][1] * y + e[0][2] * z + e[0][3], e[1][0] * x + e[1][1] * y + e[1][2] * z + e[1][3],
                  e[2][0] * x + e[2][1] * y + e[2][2] * z + e[2][3]};
}

bool DtGePoint3d::isEqualTo(DtGePoint3d const& p, DtGeTol const& tol) const {
  return distanceTo(p) <= tol.equalPoint();
}

DtGeMatrix3d DtGeMatrix3d::translation(DtGeVector3d const& v) { return DtGeMatrix3d().setToTranslation(v); }

DtGeMatrix3d DtGeMatrix3d::rotation(double angle, DtGeVector3d const& axis, DtGePoint3d const& center) {
  return DtGeMatrix3d().setToRotation(angle, axis, center);
}

DtGeMatrix3d DtGeMatrix3d::scaling(double factor, DtGePoint3d const& center) {
  return DtGeMatrix3d().setToScaling(factor, center);
}

DtGeMatrix3d DtGeMatrix3d::mirroring(DtGePlane const& plane) {
  DtGeVector3d const n = plane.normal().normal();
  DtGeMatrix3d m;
  double const c[3] = {n.x, n.y, n.z};
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < 3; ++k) m.entry[r][k] = (r == k ? 1.0 : 0.0) - 2.0 * c[r] * c[k];
  DtGePoint3d const o = plane.pointOnPlane();
  DtGePoint3d mo = o;
  mo.transformBy(m);
  return m.setTranslation(o - mo);
}

DtGeMatrix3d& DtGeMatrix3d::setToIdentity() { return *this = DtGeMatrix3d(); }

DtGeMatrix3d& DtGeMatrix3d::setToTranslation(DtGeVector3d const& v) {
  setToIdentity();
  return setTranslation(v);
}

// Rodrigues' formula about a unit axis, then the centre kept in place.
DtGeMatrix3d& DtGeMatrix3d::setToRotation(double angle, DtGeVector3d const& axis, DtGePoint3d const& center) {
  setToIdentity();
  DtGeVector3d const u = axis.normal();
  if (u.isZeroLength()) return *this;
  double const c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
  entry[0][0] = t * u.x * u.x + c;
  entry[0][1] = t * u.x * u.y - s * u.z;
  entry[0][2] = t * u.x * u.z + s * u.y;
  entry[1][0] = t * u.x * u.y + s * u.z;
  entry[1][1] = t * u.y * u.y + c;
  entry[1][2] = t * u.y * u.z - s * u.x;
  entry[2][0] = t * u.x * u.z - s * u.y;
  entry[2][1] = t * u.y * u.z + s * u.x;
  entry[2][2] = t * u.z * u.z + c;
  DtGePoint3d mc = center;
  mc.transformBy(*this);
  return setTranslation(center - mc);
}

DtGeMatrix3d& DtGeMatrix3d::setToScaling(double factor, DtGePoint3d const& center) {
  setToIdentity();
  for (int i = 0; i < 3; ++i) entry[i][i] = factor;
  return setTranslation(center.asVector() * (1.0 - factor));
}

DtGeMatrix3d& DtGeMatrix3d::setToProduct(DtGeMatrix3d const& a, DtGeMatrix3d const& b) { return *this = a * b; }

DtGeMatrix3d& DtGeMatrix3d::setCoordSystem(DtGePoint3d const& origin, DtGeVector3d const& xAxis,
                                           DtGeVector3d const& yAxis, DtGeVector3d const& zAxis) {
  setToIdentity();
  DtGeVector3d const cols[3] = {xAxis, yAxis, zAxis};
  for (int k = 0; k < 3; ++k) {
    entry[0][k] = cols[k].x;
    entry[1][k] = cols[k].y;
    entry[2][k] = cols[k].z;
  }
  return setTranslation(origin.asVector());
}

void DtGeMatrix3d::getCoordSystem(DtGePoint3d& origin, DtGeVector3d& xAxis, DtGeVector3d& yAxis,
                                  DtGeVector3d& zAxis) const {
  origin = DtGePoint3d::kOrigin + translation();
  xAxis = {entry[0][0], entry[1][0], entry[2][0]};
  yAxis = {entry[0][1], entry[1][1], entry[2][1]};
  zAxis = {entry[0][2], entry[1][2], entry[2][2]};
}

DtGeMatrix3d& DtGeMatrix3d::setTranslation(DtGeVector3d const& v) {
  entry[0][3] = v.x;
  entry[1][3] = v.y;
  entry[2][3] = v.z;
  return *this;
}

DtGeMatrix3d DtGeMatrix3d::operator*(DtGeMatrix3d const& b) const {
  DtGeMatrix3d r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += entry[i][k] * b.entry[k][j];
      r.entry[i][j] = sum;
    }
  return r;
}

double DtGeMatrix3d::det() const {
  auto const& e = entry;
  return e[0][0] * (e[1][1] * e[2][2] - e[1][2] * e[2][1]) - e[0][1] * (e[1][0] * e[2][2] - e[1][2] * e[2][0]) +
         e[0][2] * (e[1][0] * e[2][1] - e[1][1] * e[2][0]);
}

bool DtGeMatrix3d::isSingular(DtGeTol const& tol) const {
  return !std::isfinite(det()) || std::fabs(det()) <= tol.equalVector();
}

// The affine inverse: the linear part by its adjugate, then the translation.
DtGeMatrix3d DtGeMatrix3d::inverse() const {
  if (isSingular()) return DtGeMatrix3d();
  auto const& e = entry;
  double const d = det();
  DtGeMatrix3d r;
  r.entry[0][0] = (e[1][1] * e[2][2] - e[1][2] * e[2][1]) / d;
  r.entry[0][1] = (e[0][2] * e[2][1] - e[0][1] * e[2][2]) / d;
  r.entry[0][2] = (e[0][1] * e[1][2] - e[0][2] * e[1][1]) / d;
  r.entry[1][0] = (e[1][2] * e[2][0] - e[1][0] * e[2][2]) / d;
  r.entry[1][1] = (e[0][0] * e[2][2] - e[0][2] * e[2][0]) / d;
  r.entry[1][2] = (e[0][2] * e[1][0] - e[0][0] * e[1][2]) / d;
  r.entry[2][0] = (e[1][0] * e[2][1] - e[1][1] * e[2][0]) / d;
  r.entry[2][1] = (e[0][1] * e[2][0] - e[0][0] * e[2][1]) / d;
  r.entry[2][2] = (e[0][0] * e[1][1] - e[0][1] * e[1][0]) / d;
  DtGeVector3d t = -translation();
  t.transformBy(r);
  return r.setTranslation(t);
}

double DtGeMatrix3d::similarityScale() const {
  DtGeVector3d x, y, z;
  DtGePoint3d origin;
  getCoordSystem(origin, x, y, z);
  double const s = x.length();
  if (!(s > 0.0) || !std::isfinite(s)) return 0.0;
  double const eps = 1e-9 * s * s;
  if (std::fabs(y.lengthSqrd() - s * s) > eps || std::fabs(z.lengthSqrd() - s * s) > eps) return 0.0;
  if (std::fabs(x.dotProduct(y)) > eps || std::fabs(x.dotProduct(z)) > eps || std::fabs(y.dotProduct(z)) > eps)
    return 0.0;
  return s;
}

bool DtGeMatrix3d::isEqualTo(DtGeMatrix3d const& m, DtGeTol const& tol) const {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (std::fabs(entry[i][j] - m.entry[i][j]) > tol.equalVector()) return false;
  return true;
}

DtGePlane::DtGePlane(DtGePoint3d const& origin, DtGeVector3d const& normal) { set(origin, normal); }

DtGePlane::DtGePlane(DtGePoint3d const& origin, DtGeVector3d const& uAxis, DtGeVector3d const& vAxis) {
  set(origin, uAxis, vAxis);
}

// The arbitrary-axis rule: near the z axis the x axis is world y cross the
// normal, elsewhere world z cross the normal.
void DtGePlane::axesOf(DtGeVector3d const& normal, DtGeVector3d& xAxis, DtGeVector3d& yAxis) {
  DtGeVector3d const n = normal.normal();
  if (n.isZeroLength()) {
    xAxis = DtGeVector3d::kXAxis;
    yAxis = DtGeVector3d::kYAxis;
    return;
  }
  constexpr double kLimit = 1.0 / 64.0;
  if (std::fabs(n.x) < kLimit && std::fabs(n.y) < kLimit)
    xAxis = DtGeVector3d::kYAxis.crossProduct(n).normal();
  else
    xAxis = DtGeVector3d::kZAxis.crossProduct(n).normal();
  yAxis = n.crossProduct(xAxis).normal();
}

DtGePlane& DtGePlane::set(DtGePoint3d const& origin, DtGeVector3d const& normal) {
  m_origin = origin;
  DtGeVector3d const n = normal.normal();
  m_normal = n.isZeroLength() ? DtGeVector3d::kZAxis : n;
  axesOf(m_normal, m_xAxis, m_yAxis);
  return *this;
}

DtGePlane& DtGePlane::set(DtGePoint3d const& origin, DtGeVector3d const& uAxis, DtGeVector3d const& vAxis) {
  DtGeVector3d const n = uAxis.crossProduct(vAxis).normal();
  if (n.isZeroLength()) return set(origin, DtGeVector3d::kZAxis);
  m_origin = origin;
  m_normal = n;
  m_xAxis = uAxis.normal();
  m_yAxis = n.crossProduct(m_xAxis).normal();
  return *this;
}

void DtGePlane::getCoordSystem(DtGePoint3d& origin, DtGeVector3d& xAxis, DtGeVector3d& yAxis) const {
  origin = m_origin;
  xAxis = m_xAxis;
  yAxis = m_yAxis;
}

DtGePoint3d DtGeCircArc3d::evalPoint(double angle) const {
  return m_center + (m_refVec * std::cos(angle) + m_normal.crossProduct(m_refVec) * std::sin(angle)) * m_radius;
}

DtGePoint2d DtGePlane::paramOf(DtGePoint3d const& point, DtGeTol const&) const {
  DtGeVector3d const d = point - m_origin;
  return {d.dotProduct(m_xAxis), d.dotProduct(m_yAxis)};
}

DtGePoint3d DtGePlane::evalPoint(DtGePoint2d const& param) const {
  return m_origin + m_xAxis * param.x + m_yAxis * param.y;
}

DtGePoint3d DtGePlane::closestPointTo(DtGePoint3d const& point) const {
  return point - m_normal * signedDistanceTo(point);
}

double DtGePlane::signedDistanceTo(DtGePoint3d const& point) const { return (point - m_origin).dotProduct(m_normal); }

double DtGePlane::distanceTo(DtGePoint3d const& point) const { return std::fabs(signedDistanceTo(point)); }

bool DtGePlane::isOn(DtGePoint3d const& point, DtGeTol const& tol) const {
  return distanceTo(point) <= tol.equalPoint();
}

bool DtGePlane::isCoplanarTo(DtGePlane const& other, DtGeTol const& tol) const {
  return m_normal.isParallelTo(other.m_normal, tol) && isOn(other.m_origin, tol);
}

DtGePlane& DtGePlane::transformBy(DtGeMatrix3d const& m) {
  DtGePoint3d origin = m_origin;
  DtGeVector3d u = m_xAxis, v = m_yAxis;
  origin.transformBy(m);
  u.transformBy(m);
  v.transformBy(m);
  return set(origin, u, v);
}
