// SPDX-License-Identifier: MIT
// The exact boundary of a cross-section as the section-properties engine
// reads it: closed loops of straight and circular segments, every solid
// running counter-clockwise and every hole clockwise, so that Green's
// theorem over all loops gives the net material. Plain value types, no host
// entities, so the numerical code stays cheap to copy and to test.
#pragma once

#include <vector>

#include "platform/shape/ZEPTCrossSection.h"

namespace zept::shape {

struct Vec {
  double x = 0.0, y = 0.0;
};

inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, double f) { return {a.x * f, a.y * f}; }
inline double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }

// One boundary piece from p to q: straight when `sweep` is 0, else the arc
// about c of radius r that starts at angle a0 and turns through the signed
// sweep (positive counter-clockwise, |sweep| < 2 pi).
struct Segment {
  Vec p, q;
  Vec c;
  double r = 0.0, a0 = 0.0, sweep = 0.0;

  bool isArc() const { return sweep != 0.0; }
  double length() const;
  // The point at parameter t in [0, 1], by arc length.
  Vec at(double t) const;
  Segment reversed() const;
};

struct Loop {
  std::vector<Segment> segments;
  bool hole = false;
};

enum class BoundaryStatus {
  ok,
  empty,          // no contour with a segment
  notFinite,      // a coordinate or bulge that is NaN or infinite
  degenerate,     // a loop of zero area, or a net area that is not positive
  selfIntersecting,
  tooManyEdges,
};

struct Boundary {
  BoundaryStatus status = BoundaryStatus::empty;
  std::vector<Loop> loops;
  double area = 0.0;  // net, exact
  Vec centroid;       // of the net area
  Vec min, max;       // extent, arcs by their extreme points
  int edges = 0;      // segments in all loops
};

// The loops of every section of `crossSection`, shifted so that the net
// centroid is the origin (the caller adds `centroid` back), oriented as above.
// Segments shorter than 1e-12 of the extent are dropped (repeated vertices).
// `maxEdges` bounds the work a caller accepts.
Boundary sectionBoundary(ZEPTCrossSection const& crossSection, int maxEdges);

// Signed area enclosed by one loop (counter-clockwise positive), exact.
double loopArea(Loop const& loop);

// True when no two segments of any loops cross or touch other than the ends
// that consecutive segments share. Checks chords of arcs split finely enough
// that the chords keep the arcs' order.
bool isSimple(std::vector<Loop> const& loops);

}  // namespace zept::shape
