// SPDX-License-Identifier: MIT
// Vectors, points and matrices of the plane.
#include <cmath>
#include <numbers>

#include "platform/host/DtGeMatrix2d.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeVector2d.h"

double DtGeVector2d::length() const { return std::hypot(x, y); }

double DtGeVector2d::angle() const {
  if (x == 0.0 && y == 0.0) return 0.0;
  double a = std::atan2(y, x);
  if (a < 0.0) a += 2.0 * std::numbers::pi;
  // atan2 of a tiny negative y rounds up to exactly 2*pi.
  return a >= 2.0 * std::numbers::pi ? 0.0 : a;
}

double DtGeVector2d::angleTo(DtGeVector2d const& v) const { return std::atan2(crossProduct(v), dotProduct(v)); }

DtGeVector2d DtGeVector2d::normal() const {
  double const len = length();
  return len > 0.0 ? *this / len : *this;
}

DtGeVector2d& DtGeVector2d::rotateBy(double angle) {
  double const c = std::cos(angle), s = std::sin(angle);
  return *this = {c * x - s * y, s * x + c * y};
}

DtGeVector2d& DtGeVector2d::transformBy(DtGeMatrix2d const& m) {
  return *this = {m.entry[0][0] * x + m.entry[0][1] * y, m.entry[1][0] * x + m.entry[1][1] * y};
}

bool DtGeVector2d::isZeroLength(DtGeTol const& tol) const { return length() <= tol.equalVector(); }

bool DtGeVector2d::isEqualTo(DtGeVector2d const& v, DtGeTol const& tol) const {
  return (*this - v).length() <= tol.equalVector();
}

DtGePoint2d& DtGePoint2d::transformBy(DtGeMatrix2d const& m) {
  return *this = {m.entry[0][0] * x + m.entry[0][1] * y + m.entry[0][2],
                  m.entry[1][0] * x + m.entry[1][1] * y + m.entry[1][2]};
}

DtGePoint2d& DtGePoint2d::rotateBy(double angle, DtGePoint2d const& wrt) {
  return transformBy(DtGeMatrix2d::rotation(angle, wrt));
}

DtGePoint2d& DtGePoint2d::scaleBy(double factor, DtGePoint2d const& wrt) { return *this = wrt + (*this - wrt) * factor; }

bool DtGePoint2d::isEqualTo(DtGePoint2d const& p, DtGeTol const& tol) const {
  return distanceTo(p) <= tol.equalPoint();
}

DtGeMatrix2d DtGeMatrix2d::rotation(double angle, DtGePoint2d const& center) {
  return DtGeMatrix2d().setToRotation(angle, center);
}

DtGeMatrix2d DtGeMatrix2d::translation(DtGeVector2d const& v) { return DtGeMatrix2d().setToTranslation(v); }

DtGeMatrix2d DtGeMatrix2d::scaling(double factor, DtGePoint2d const& center) {
  return DtGeMatrix2d().setToScaling(factor, center);
}

DtGeMatrix2d DtGeMatrix2d::mirroring(DtGePoint2d const& point, DtGeVector2d const& direction) {
  DtGeVector2d const u = direction.normal();
  DtGeMatrix2d m;
  // Reflection about a line through the origin along u: 2 u u^T - I.
  m.entry[0][0] = 2.0 * u.x * u.x - 1.0;
  m.entry[0][1] = 2.0 * u.x * u.y;
  m.entry[1][0] = 2.0 * u.x * u.y;
  m.entry[1][1] = 2.0 * u.y * u.y - 1.0;
  DtGePoint2d moved = point;
  moved.transformBy(m);
  return m.setTranslation(point - moved);
}

DtGeMatrix2d& DtGeMatrix2d::setToIdentity() { return *this = DtGeMatrix2d(); }

DtGeMatrix2d& DtGeMatrix2d::setToRotation(double angle, DtGePoint2d const& center) {
  double const c = std::cos(angle), s = std::sin(angle);
  setToIdentity();
  entry[0][0] = c;
  entry[0][1] = -s;
  entry[1][0] = s;
  entry[1][1] = c;
  // p' = R (p - c) + c
  entry[0][2] = center.x - (c * center.x - s * center.y);
  entry[1][2] = center.y - (s * center.x + c * center.y);
  return *this;
}

DtGeMatrix2d& DtGeMatrix2d::setToTranslation(DtGeVector2d const& v) {
  setToIdentity();
  return setTranslation(v);
}

DtGeMatrix2d& DtGeMatrix2d::setToScaling(double factor, DtGePoint2d const& center) {
  setToIdentity();
  entry[0][0] = factor;
  entry[1][1] = factor;
  entry[0][2] = center.x * (1.0 - factor);
  entry[1][2] = center.y * (1.0 - factor);
  return *this;
}

DtGeMatrix2d& DtGeMatrix2d::setToProduct(DtGeMatrix2d const& a, DtGeMatrix2d const& b) { return *this = a * b; }

DtGeMatrix2d& DtGeMatrix2d::setTranslation(DtGeVector2d const& v) {
  entry[0][2] = v.x;
  entry[1][2] = v.y;
  return *this;
}

DtGeMatrix2d DtGeMatrix2d::operator*(DtGeMatrix2d const& b) const {
  DtGeMatrix2d r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double sum = 0.0;
      for (int k = 0; k < 3; ++k) sum += entry[i][k] * b.entry[k][j];
      r.entry[i][j] = sum;
    }
  return r;
}

double DtGeMatrix2d::det() const { return entry[0][0] * entry[1][1] - entry[0][1] * entry[1][0]; }

bool DtGeMatrix2d::isSingular(DtGeTol const& tol) const { return std::fabs(det()) <= tol.equalVector(); }

DtGeMatrix2d DtGeMatrix2d::inverse() const {
  double const d = det();
  if (d == 0.0 || !std::isfinite(d)) return DtGeMatrix2d();
  DtGeMatrix2d r;
  r.entry[0][0] = entry[1][1] / d;
  r.entry[0][1] = -entry[0][1] / d;
  r.entry[1][0] = -entry[1][0] / d;
  r.entry[1][1] = entry[0][0] / d;
  // t' = -A^-1 t
  r.entry[0][2] = -(r.entry[0][0] * entry[0][2] + r.entry[0][1] * entry[1][2]);
  r.entry[1][2] = -(r.entry[1][0] * entry[0][2] + r.entry[1][1] * entry[1][2]);
  return r;
}

bool DtGeMatrix2d::isEqualTo(DtGeMatrix2d const& m, DtGeTol const& tol) const {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (std::fabs(entry[i][j] - m.entry[i][j]) > tol.equalVector()) return false;
  return true;
}
