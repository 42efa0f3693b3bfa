// SPDX-License-Identifier: MIT
// The geometry behind DtDbRegion and DtBrBrep (not part of the public
// surface): faces of loops of exact pieces in the region plane's own 2D
// coordinates, and the operations on them.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "platform/core/DtArray.h"
#include "platform/host/DtGePlane.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/shape/AreaMoments.h"
#include "platform/shape/ContourGeometry.h"

class DtDbRegion;

namespace zept::host {

// What a curve piece was drawn as, for exact measures: an ellipse
// c + u cos t + v sin t, measured along it between the piece's points, or a
// whole spline as its spans' points at 0, 1/3, 2/3 and 1 (a span is a cubic).
// Shared by the pieces made from one curve and never changed once made.
struct CurveForm {
  bool ellipse = false;
  DtGePoint2d c;
  DtGeVector2d u, v;
  std::vector<DtGePoint2d> cubics;
};

// One boundary piece, from p to q in the loop's direction.
struct Seg {
  enum Kind : int { kLine, kArc, kCurve };
  Kind kind = kLine;
  DtGePoint2d p, q;
  DtGePoint2d c;                 // arc: centre
  double r = 0.0;                // arc: radius, > 0
  double sweep = 0.0;            // arc: signed turn from p to q, counter-clockwise positive; +-2*pi is a full circle (p == q)
  int curveKind = 0;             // curve: the DtGe::EntityId of the ellipse or spline it came from
  std::vector<DtGePoint2d> pts;  // curve: its points from p to q, both included
  // curve: its exact form; null for a chain of points, such as a piece cut
  // from a spline.
  std::shared_ptr<CurveForm const> form;
};

using Loop = std::vector<Seg>;

// An outer loop, counter-clockwise, and its holes, clockwise.
struct Face {
  Loop outer;
  std::vector<Loop> holes;
};

struct RegionData {
  DtGePlane plane;  // its own axes: those of DtGePlane(origin, normal)
  std::vector<Face> faces;
};

// An affine map of the plane: (x, y) -> (a x + b y + tx, c x + d y + ty).
struct Map2d {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  DtGePoint2d operator()(DtGePoint2d const& p) const { return {a * p.x + b * p.y + tx, c * p.x + d * p.y + ty}; }
  double det() const { return a * d - b * c; }
  // From the 2D coordinates of one plane to those of another (the same
  // plane or a parallel one, as a projection).
  static Map2d between(DtGePlane const& from, DtGePlane const& to);
};

// A map that is a similarity; a mirroring one reverses every loop so that
// outer loops stay counter-clockwise.
void mapFaces(std::vector<Face>& faces, Map2d const& m);
void reverse(Loop& loop);
// The form run the other way (a spline's spans in reverse).
std::shared_ptr<CurveForm const> reversed(CurveForm const& form);
// Whether two regions lie in one plane, within 1e-9 of their size.
bool coplanar(RegionData const& a, RegionData const& b);
// Faces in the coordinates of plane `from` brought into those of the
// coplanar plane `to`; untouched when the two are one plane.
void mapFaces(std::vector<Face>& faces, DtGePlane const& from, DtGePlane const& to);

shape::Moments moments(Loop const& loop);
shape::Moments moments(std::vector<Face> const& faces);
double length(Seg const& seg);
double perimeter(std::vector<Face> const& faces);
void addExtents(shape::Box& box, Seg const& seg);
// Largest coordinate size of the faces' points, at least 1: the scale of
// the length tolerances.
double scaleOf(std::vector<Face> const& faces);

// Arc tessellation: points on a fixed grid of angles for each radius, so that
// equal circles give equal points whatever arcs they are cut into.
double chordError(double radius);
int arcDivisions(double radius);
// The points of the piece from p up to, not including, q.
void tessellate(Seg const& seg, std::vector<DtGePoint2d>& out);

// Where `p` lies for the loop, from its exact pieces: 1 inside, -1 outside,
// 0 within `tol` of its outline.
int classify(Loop const& loop, DtGePoint2d const& p, double tol);
// A point on each piece, halfway along it: points of the loop's own outline.
std::vector<DtGePoint2d> midpoints(Loop const& loop);

double distanceToSegment(DtGePoint2d const& p, DtGePoint2d const& a, DtGePoint2d const& b);
// (a - o) x (b - o): positive when o, a, b turn counter-clockwise.
double cross(DtGePoint2d const& o, DtGePoint2d const& a, DtGePoint2d const& b);

// False when the loop's outline crosses or touches itself.
bool isSimple(Loop const& loop);
// a op b (0 union, 1 intersection, 2 a less b), both in one coordinate system.
std::vector<Face> combine(std::vector<Face> const& a, std::vector<Face> const& b, int op);
// a op b through Clipper's overlay, whatever the loops.
std::vector<Face> overlay(std::vector<Face> const& a, std::vector<Face> const& b, int op);
// a op b without an overlay, when no loop of the faces comes near another
// (within the tessellation's chords); nothing when some do.
std::optional<std::vector<Face>> combineApart(std::vector<Face> const& a, std::vector<Face> const& b, int op);
// How near an overlay's result points lie to the pieces they are traced to,
// for coordinates up to `largest`.
double overlayTolerance(double largest);
// Joins neighbours on one carrier: arcs of one circle turning alike, lines
// on one line running alike (within `tol`).
void joinNeighbours(Loop& loop, double tol);

// Regions of the same plane combined in one overlay, however many: what
// a chain of unions gives, with the cost of one. Null when the regions are
// not all coplanar or the overlay cannot take them.
std::unique_ptr<DtDbRegion> uniteAll(std::vector<DtDbRegion const*> const& regions);

// For loops in one coordinate system that do not cross one another: the
// smallest loop holding each (-1 for none) and how many hold it. Loops that
// only touch from inside are held; equal loops hold neither. Candidates come
// from a spatial index over the loops' boxes, and each is decided by points
// of the inner loop, so the cost grows with the number of loops times the
// size of the loops holding them.
struct Nesting {
  std::vector<std::ptrdiff_t> parent;
  std::vector<int> depth;
};
Nesting nest(std::vector<Loop const*> const& loops);

}  // namespace zept::host
