// SPDX-License-Identifier: MIT
// Entity lists of a user object and whether their entities lie in one
// plane, judged from each entity's own plane or, for a straight curve, its ends.
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "database/ZEPTDBUserObjData.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbRegion.h"

int ZEPTDBUserObjData::addEntityToList(DtDbEntity* object, EntityList& list) {
  if (!object || !(object->isKindOf<DtDbCurve>() || object->isKindOf<DtDbRegion>())) return 0;
  list.append(EntityData{object, DtGeMatrix3d()});
  return 1;
}

namespace {

// Where an entity lies once its entry's matrix is undone: a plane (normal
// and a point of it), or points that span a line at most.
struct Placement {
  bool planar = false;
  bool linear = false;
  DtGeVector3d normal;
  std::vector<DtGePoint3d> points;
};

bool place(ZEPTDBUserObjData::EntityData const& entry, Placement& out) {
  std::unique_ptr<DtDbEntity> moved;
  DtDbEntity const* e = entry.entity;
  if (!entry.matrix.isEqualTo(DtGeMatrix3d::kIdentity)) {
    moved.reset(e->clone());
    if (!moved || moved->transformBy(entry.matrix.inverse()) != Dt::eOk) return false;
    e = moved.get();
  }
  DtGePlane plane;
  DtDb::Planarity planarity = DtDb::kNonPlanar;
  const Dt::ErrorStatus status = e->getPlane(plane, planarity);
  if (status == Dt::eOk && planarity == DtDb::kNonPlanar) return false;
  if (status == Dt::eOk && planarity == DtDb::kPlanar) {
    out.planar = true;
    out.normal = plane.normal();
    out.points.push_back(plane.pointOnPlane());
  } else if (auto curve = DtDbCurve::cast(e)) {
    // A straight curve, or one too degenerate to have a plane: its ends.
    out.linear = true;
    out.points.push_back(curve->startPoint());
    out.points.push_back(curve->endPoint());
  }
  return true;
}

}  // namespace

DtDb::Planarity ZEPTDBUserObjData::checkEntitiesPlanarity(EntityList const& list, DtGePlane& plane) {
  std::vector<DtGePoint3d> points;
  std::vector<DtGeVector3d> normals;
  for (int i = 0; i < list.length(); ++i) {
    if (!list[i].entity) continue;
    Placement p;
    if (!place(list[i], p)) return DtDb::kNonPlanar;
    if (p.planar) normals.push_back(p.normal.normal());
    points.insert(points.end(), p.points.begin(), p.points.end());
  }
  for (auto const& p : points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return DtDb::kNonPlanar;
  if (points.empty()) return DtDb::kNonPlanar;

  // Distances are judged against the selection's size.
  const DtGePoint3d origin = points.front();
  double extent = 0;
  for (auto const& p : points) extent = std::max(extent, p.distanceTo(origin));
  const double tol = 1e-9 * std::max(1.0, extent);
  auto allOn = [&](DtGeVector3d const& n) {
    return std::all_of(points.begin(), points.end(),
                       [&](DtGePoint3d const& p) { return std::fabs((p - origin).dotProduct(n)) <= tol; });
  };

  if (!normals.empty()) {
    const DtGeVector3d n = normals.front();
    for (auto const& m : normals)
      if (n.crossProduct(m).length() > 1e-9) return DtDb::kNonPlanar;
    if (!allOn(n)) return DtDb::kNonPlanar;
    plane = DtGePlane(origin, n);
    return DtDb::kPlanar;
  }
  // Only straight pieces: a line, a plane or neither.
  DtGePoint3d far = origin;
  for (auto const& p : points)
    if (p.distanceTo(origin) > far.distanceTo(origin)) far = p;
  const DtGeVector3d along = far - origin;
  if (along.length() <= tol) {
    plane = DtGePlane(origin, DtGeVector3d::kZAxis);
    return DtDb::kLinear;
  }
  const DtGeVector3d d = along.normal();
  DtGePoint3d off = origin;
  double offDistance = 0;
  for (auto const& p : points) {
    const double dist = (p - origin).crossProduct(d).length();
    if (dist > offDistance) offDistance = dist, off = p;
  }
  if (offDistance <= tol) {
    // Any plane through the line holds it; take the one nearest the world's xy.
    DtGeVector3d n = d.crossProduct(DtGeVector3d::kZAxis).crossProduct(d);
    if (n.length() < 1e-9) n = d.crossProduct(DtGeVector3d::kXAxis);
    plane = DtGePlane(origin, n.normal());
    return DtDb::kLinear;
  }
  const DtGeVector3d n = d.crossProduct(off - origin).normal();
  if (!allOn(n)) return DtDb::kNonPlanar;
  plane = DtGePlane(origin, n);
  return DtDb::kPlanar;
}
