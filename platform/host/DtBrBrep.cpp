// SPDX-License-Identifier: MIT
// Traversal of a region's faces, loops and edges over a snapshot of its geometry.
#include "platform/host/DtBrBrep.h"

#include <cmath>
#include <numbers>

#include "platform/host/DtDbRegion.h"
#include "platform/host/RegionGeometry.h"

using zept::host::Loop;
using zept::host::RegionData;
using zept::host::Seg;

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

int numLoops(RegionData const& d, int face) {
  return face < static_cast<int>(d.faces.size()) ? 1 + static_cast<int>(d.faces[face].holes.size()) : 0;
}

Loop const& loopAt(RegionData const& d, int face, int loop) {
  auto const& f = d.faces[face];
  return loop == 0 ? f.outer : f.holes[loop - 1];
}

// An arc edge runs counter-clockwise from vertex 1 to vertex 2; a clockwise
// piece of a loop is that edge run backwards.
bool againstLoop(Seg const& s) { return s.kind == Seg::kArc && s.sweep < 0.0; }

}  // namespace

DtBr::ErrorStatus DtBrBrep::set(DtDbEntity const& entity) {
  auto const* region = DtDbRegion::cast(&entity);
  if (!region) return Dt::eNotThatKindOfClass;
  m_data = region->data();
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrVertex::getPoint(DtGePoint3d& point) const {
  if (!m_data) return Dt::eInvalidInput;
  point = m_point;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrEdge::getCurveType(DtGe::EntityId& type) const {
  if (!m_data) return Dt::eInvalidInput;
  Seg const& s = loopAt(*m_data, m_face, m_loop)[m_edge];
  type = s.kind == Seg::kLine ? DtGe::kLineSeg3d
         : s.kind == Seg::kArc ? DtGe::kCircArc3d
                               : static_cast<DtGe::EntityId>(s.curveKind);
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrEdge::getCurve(DtGeCurve3d*& curve) const {
  curve = nullptr;
  if (!m_data) return Dt::eInvalidInput;
  Seg const& s = loopAt(*m_data, m_face, m_loop)[m_edge];
  DtGePlane const& plane = m_data->plane;
  DtGeCurve3d* native = nullptr;
  if (s.kind == Seg::kLine) {
    native = new DtGeLineSeg3d(plane.evalPoint(s.p), plane.evalPoint(s.q));
  } else if (s.kind == Seg::kArc) {
    DtGePoint3d o;
    DtGeVector3d x, y;
    plane.getCoordSystem(o, x, y);
    DtGePoint2d const start = againstLoop(s) ? s.q : s.p;
    double a0 = std::atan2(start.y - s.c.y, start.x - s.c.x);
    if (std::fabs(s.sweep) >= kTwoPi) {
      // A full circle: its reference vector points at its one vertex.
      DtGeVector3d const ref = (plane.evalPoint(start) - plane.evalPoint(s.c)).normal();
      native = new DtGeCircArc3d(plane.evalPoint(s.c), plane.normal(), ref, s.r, 0.0, kTwoPi);
    } else {
      if (a0 < 0.0) a0 += kTwoPi;
      native = new DtGeCircArc3d(plane.evalPoint(s.c), plane.normal(), x, s.r, a0, a0 + std::fabs(s.sweep));
    }
  }
  curve = new DtGeExternalCurve3d(native);
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrEdge::getVertex1(DtBrVertex& vertex) const {
  if (!m_data) return Dt::eInvalidInput;
  Seg const& s = loopAt(*m_data, m_face, m_loop)[m_edge];
  vertex.m_data = m_data;
  vertex.m_point = m_data->plane.evalPoint(againstLoop(s) ? s.q : s.p);
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrEdge::getVertex2(DtBrVertex& vertex) const {
  if (!m_data) return Dt::eInvalidInput;
  Seg const& s = loopAt(*m_data, m_face, m_loop)[m_edge];
  vertex.m_data = m_data;
  vertex.m_point = m_data->plane.evalPoint(againstLoop(s) ? s.p : s.q);
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrEdge::getOrientToCurve(bool& sameDirection) const {
  if (!m_data) return Dt::eInvalidInput;
  sameDirection = true;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrLoop::getType(DtBr::LoopType& type) const {
  if (!m_data) return Dt::eInvalidInput;
  type = m_loop == 0 ? DtBr::kLoopExterior : DtBr::kLoopInterior;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrBrepFaceTraverser::setBrep(DtBrBrep const& brep) {
  m_data = brep.m_data;
  m_face = 0;
  return m_data ? Dt::eOk : Dt::eInvalidInput;
}

bool DtBrBrepFaceTraverser::done() const { return !m_data || m_face >= static_cast<int>(m_data->faces.size()); }

DtBr::ErrorStatus DtBrBrepFaceTraverser::next() {
  if (done()) return Dt::eInvalidIndex;
  ++m_face;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrBrepFaceTraverser::restart() {
  m_face = 0;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrBrepFaceTraverser::getFace(DtBrFace& face) const {
  if (done()) return Dt::eInvalidIndex;
  face.m_data = m_data;
  face.m_face = m_face;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrFaceLoopTraverser::setFace(DtBrFace const& face) {
  m_data = face.m_data;
  m_face = face.m_face;
  m_loop = 0;
  return m_data ? Dt::eOk : Dt::eInvalidInput;
}

DtBr::ErrorStatus DtBrFaceLoopTraverser::setFace(DtBrBrepFaceTraverser const& faces) {
  DtBrFace face;
  if (DtBr::ErrorStatus es = faces.getFace(face); es != Dt::eOk) {
    m_data.reset();
    return es;
  }
  return setFace(face);
}

bool DtBrFaceLoopTraverser::done() const { return !m_data || m_loop >= numLoops(*m_data, m_face); }

DtBr::ErrorStatus DtBrFaceLoopTraverser::next() {
  if (done()) return Dt::eInvalidIndex;
  ++m_loop;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrFaceLoopTraverser::restart() {
  m_loop = 0;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrFaceLoopTraverser::getLoop(DtBrLoop& loop) const {
  if (done()) return Dt::eInvalidIndex;
  loop.m_data = m_data;
  loop.m_face = m_face;
  loop.m_loop = m_loop;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrLoopEdgeTraverser::setLoop(DtBrLoop const& loop) {
  m_data = loop.m_data;
  m_face = loop.m_face;
  m_loop = loop.m_loop;
  m_edge = 0;
  return m_data ? Dt::eOk : Dt::eInvalidInput;
}

DtBr::ErrorStatus DtBrLoopEdgeTraverser::setLoop(DtBrFaceLoopTraverser const& loops) {
  DtBrLoop loop;
  if (DtBr::ErrorStatus es = loops.getLoop(loop); es != Dt::eOk) {
    m_data.reset();
    return es;
  }
  return setLoop(loop);
}

bool DtBrLoopEdgeTraverser::done() const {
  return !m_data || m_edge >= static_cast<int>(loopAt(*m_data, m_face, m_loop).size());
}

DtBr::ErrorStatus DtBrLoopEdgeTraverser::next() {
  if (done()) return Dt::eInvalidIndex;
  ++m_edge;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrLoopEdgeTraverser::restart() {
  m_edge = 0;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrLoopEdgeTraverser::getEdge(DtBrEdge& edge) const {
  if (done()) return Dt::eInvalidIndex;
  edge.m_data = m_data;
  edge.m_face = m_face;
  edge.m_loop = m_loop;
  edge.m_edge = m_edge;
  return Dt::eOk;
}

DtBr::ErrorStatus DtBrLoopEdgeTraverser::getEdgeOrientToLoop(bool& sameDirection) const {
  if (done()) return Dt::eInvalidIndex;
  sameDirection = !againstLoop(loopAt(*m_data, m_face, m_loop)[m_edge]);
  return Dt::eOk;
}
