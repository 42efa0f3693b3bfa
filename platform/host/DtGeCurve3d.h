// SPDX-License-Identifier: MIT
// Curves of space as the boundary representation hands them out. An edge's
// curve comes wrapped as an external curve (kind kExternalCurve3d); its
// native curve is a line segment or a circular arc. Each curve tells its
// kind through type().
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGePoint3d.h"
#include "platform/host/DtGeVector3d.h"

ZEPTDB_BEGIN_EXPORTS

namespace DtGe {

// Kinds of curves; the numbers are those drawing programs use.
enum EntityId : int {
  kCircArc3d = 11,
  kEllipArc3d = 13,
  kLineSeg3d = 23,
  kSplineEnt3d = 42,
  kExternalCurve3d = 54,
};

}  // namespace DtGe

class DtGeCurve3d {
 public:
  virtual ~DtGeCurve3d() = default;
  virtual DtGe::EntityId type() const = 0;
  bool isKindOf(DtGe::EntityId id) const { return type() == id; }
  // A new copy the caller owns.
  virtual DtGeCurve3d* copy() const = 0;
};

class DtGeLineSeg3d : public DtGeCurve3d {
 public:
  DtGeLineSeg3d() = default;
  DtGeLineSeg3d(DtGePoint3d const& start, DtGePoint3d const& end) : m_start(start), m_end(end) {}
  DtGe::EntityId type() const override { return DtGe::kLineSeg3d; }
  DtGeCurve3d* copy() const override { return new DtGeLineSeg3d(*this); }
  DtGePoint3d startPoint() const { return m_start; }
  DtGePoint3d endPoint() const { return m_end; }

 private:
  DtGePoint3d m_start;
  DtGePoint3d m_end;
};

// Points are center + radius * (refVec cos a + (normal x refVec) sin a) for a
// from startAng to endAng (counter-clockwise about the normal); refVec and
// normal are unit vectors at right angles.
class DtGeCircArc3d : public DtGeCurve3d {
 public:
  DtGeCircArc3d() = default;
  DtGeCircArc3d(DtGePoint3d const& center, DtGeVector3d const& normal, DtGeVector3d const& refVec, double radius,
                double startAng, double endAng)
      : m_center(center), m_normal(normal), m_refVec(refVec), m_radius(radius), m_startAng(startAng), m_endAng(endAng) {}
  DtGe::EntityId type() const override { return DtGe::kCircArc3d; }
  DtGeCurve3d* copy() const override { return new DtGeCircArc3d(*this); }

  DtGePoint3d center() const { return m_center; }
  DtGeVector3d normal() const { return m_normal; }
  DtGeVector3d refVec() const { return m_refVec; }
  double radius() const { return m_radius; }
  double startAng() const { return m_startAng; }
  double endAng() const { return m_endAng; }
  DtGePoint3d evalPoint(double angle) const;
  DtGePoint3d startPoint() const { return evalPoint(m_startAng); }
  DtGePoint3d endPoint() const { return evalPoint(m_endAng); }

 private:
  DtGePoint3d m_center;
  DtGeVector3d m_normal = DtGeVector3d::kZAxis;
  DtGeVector3d m_refVec = DtGeVector3d::kXAxis;
  double m_radius = 1.0;
  double m_startAng = 0.0;
  double m_endAng = 6.283185307179586;
};

// A curve held for another: defined when it holds one; isNativeCurve hands
// out a copy of it (caller owns), or null and false for a curve that has no
// native form here (ellipse and spline pieces).
class DtGeExternalCurve3d : public DtGeCurve3d {
 public:
  DtGeExternalCurve3d() = default;
  explicit DtGeExternalCurve3d(DtGeCurve3d* native) : m_native(native) {}  // takes ownership
  ~DtGeExternalCurve3d() override { delete m_native; }
  DtGeExternalCurve3d(DtGeExternalCurve3d const& other) : m_native(other.m_native ? other.m_native->copy() : nullptr) {}
  DtGeExternalCurve3d& operator=(DtGeExternalCurve3d const& other) {
    if (this != &other) {
      delete m_native;
      m_native = other.m_native ? other.m_native->copy() : nullptr;
    }
    return *this;
  }
  DtGe::EntityId type() const override { return DtGe::kExternalCurve3d; }
  DtGeCurve3d* copy() const override { return new DtGeExternalCurve3d(*this); }

  bool isDefined() const { return m_native != nullptr; }
  bool isNativeCurve(DtGeCurve3d*& nativeCurve) const {
    nativeCurve = m_native ? m_native->copy() : nullptr;
    return nativeCurve != nullptr;
  }

 private:
  DtGeCurve3d* m_native = nullptr;
};

ZEPTDB_END_EXPORTS
