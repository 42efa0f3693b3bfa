// SPDX-License-Identifier: MIT
// The boundary representation of a region: faces, their loops (the outer one
// first, then the holes) and the loops' edges in order. A DtBrBrep set from a
// region holds a snapshot of its geometry, so the objects below stay valid
// after the region changes or goes. Traversers walk one level each:
//
//   DtBrBrep brep;  brep.set(region);
//   for (DtBrBrepFaceTraverser f(brep); !f.done(); f.next())
//     for (DtBrFaceLoopTraverser l(f); !l.done(); l.next())
//       for (DtBrLoopEdgeTraverser e(l); !e.done(); e.next()) ...
//
// Orientation: an outer loop runs counter-clockwise about the region's
// normal, a hole clockwise. An edge runs from vertex 1 to vertex 2 along its
// curve (getOrientToCurve is always true); getEdgeOrientToLoop is false when
// the loop runs the edge from vertex 2 to vertex 1. A circular arc edge's
// native arc has the region's normal and runs counter-clockwise from vertex
// 1 to vertex 2; a full circle has one edge whose two vertices are equal and
// whose reference vector points at that vertex.
#pragma once

#include <memory>

#include "platform/core/Export.h"
#include "platform/host/DtDbEntity.h"
#include "platform/host/DtGeCurve3d.h"
#include "platform/host/DtGePoint3d.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept::host {
struct RegionData;
}

namespace DtBr {

using ErrorStatus = Dt::ErrorStatus;
inline constexpr ErrorStatus eOk = Dt::eOk;

enum LoopType : int {
  kLoopUnclassified = 0,
  kLoopExterior = 1,
  kLoopInterior = 2,
  kLoopWinding = 3,
};

}  // namespace DtBr

class DtBrBrep {
 public:
  DtBrBrep() = default;
  // eNotThatKindOfClass for an entity that is not a region; an empty region
  // gives a representation without faces.
  DtBr::ErrorStatus set(DtDbEntity const& entity);
  bool isNull() const { return !m_data; }

 private:
  friend class DtBrBrepFaceTraverser;
  std::shared_ptr<zept::host::RegionData const> m_data;
};

class DtBrVertex {
 public:
  DtBr::ErrorStatus getPoint(DtGePoint3d& point) const;
  bool isNull() const { return !m_data; }

 private:
  friend class DtBrEdge;
  std::shared_ptr<zept::host::RegionData const> m_data;
  DtGePoint3d m_point;
};

class DtBrEdge {
 public:
  bool isNull() const { return !m_data; }
  // kLineSeg3d, kCircArc3d, kEllipArc3d or kSplineEnt3d.
  DtBr::ErrorStatus getCurveType(DtGe::EntityId& type) const;
  // A new external curve the caller owns (see DtGeExternalCurve3d).
  DtBr::ErrorStatus getCurve(DtGeCurve3d*& curve) const;
  DtBr::ErrorStatus getVertex1(DtBrVertex& vertex) const;
  DtBr::ErrorStatus getVertex2(DtBrVertex& vertex) const;
  DtBr::ErrorStatus getOrientToCurve(bool& sameDirection) const;

 private:
  friend class DtBrLoopEdgeTraverser;
  std::shared_ptr<zept::host::RegionData const> m_data;
  int m_face = 0, m_loop = 0, m_edge = 0;
};

class DtBrLoop {
 public:
  bool isNull() const { return !m_data; }
  DtBr::ErrorStatus getType(DtBr::LoopType& type) const;

 private:
  friend class DtBrFaceLoopTraverser;
  friend class DtBrLoopEdgeTraverser;
  std::shared_ptr<zept::host::RegionData const> m_data;
  int m_face = 0, m_loop = 0;
};

class DtBrFace {
 public:
  bool isNull() const { return !m_data; }

 private:
  friend class DtBrBrepFaceTraverser;
  friend class DtBrFaceLoopTraverser;
  std::shared_ptr<zept::host::RegionData const> m_data;
  int m_face = 0;
};

class DtBrBrepFaceTraverser {
 public:
  DtBrBrepFaceTraverser() = default;
  explicit DtBrBrepFaceTraverser(DtBrBrep const& brep) { setBrep(brep); }
  DtBr::ErrorStatus setBrep(DtBrBrep const& brep);
  bool done() const;
  DtBr::ErrorStatus next();
  DtBr::ErrorStatus restart();
  DtBr::ErrorStatus getFace(DtBrFace& face) const;

 private:
  friend class DtBrFaceLoopTraverser;
  std::shared_ptr<zept::host::RegionData const> m_data;
  int m_face = 0;
};

class DtBrFaceLoopTraverser {
 public:
  DtBrFaceLoopTraverser() = default;
  explicit DtBrFaceLoopTraverser(DtBrFace const& face) { setFace(face); }
  explicit DtBrFaceLoopTraverser(DtBrBrepFaceTraverser const& faces) { setFace(faces); }
  DtBr::ErrorStatus setFace(DtBrFace const& face);
  // The face the traverser stands on.
  DtBr::ErrorStatus setFace(DtBrBrepFaceTraverser const& faces);
  bool done() const;
  DtBr::ErrorStatus next();
  DtBr::ErrorStatus restart();
  DtBr::ErrorStatus getLoop(DtBrLoop& loop) const;

 private:
  friend class DtBrLoopEdgeTraverser;
  std::shared_ptr<zept::host::RegionData const> m_data;
  int m_face = 0, m_loop = 0;
};

class DtBrLoopEdgeTraverser {
 public:
  DtBrLoopEdgeTraverser() = default;
  explicit DtBrLoopEdgeTraverser(DtBrLoop const& loop) { setLoop(loop); }
  explicit DtBrLoopEdgeTraverser(DtBrFaceLoopTraverser const& loops) { setLoop(loops); }
  DtBr::ErrorStatus setLoop(DtBrLoop const& loop);
  // The loop the traverser stands on.
  DtBr::ErrorStatus setLoop(DtBrFaceLoopTraverser const& loops);
  bool done() const;
  DtBr::ErrorStatus next();
  DtBr::ErrorStatus restart();
  DtBr::ErrorStatus getEdge(DtBrEdge& edge) const;
  DtBr::ErrorStatus getEdgeOrientToLoop(bool& sameDirection) const;

 private:
  std::shared_ptr<zept::host::RegionData const> m_data;
  int m_face = 0, m_loop = 0, m_edge = 0;
};

ZEPTDB_END_EXPORTS
