// SPDX-License-Identifier: MIT
// The whole set of section values of a cross-section, from its exact
// boundary (lines and arcs, holes, several parts):
// - closed forms: area, centroid, second moments, principal axes, elastic
//   and plastic moduli (the equal-area axes found on the exact boundary);
// - by finite elements on a mesh of that boundary: the torsion constant, the
//   shear centre, the warping constant, the torsional modulus and the
//   energy-based shear areas.
// Model axes: x to the right, y up. In the steel tables' names, "y" is the
// model's horizontal axis (Iy = integral of y^2 dA here, the strong axis of
// an I section drawn upright) and "z" the vertical one.
#pragma once

#include "platform/core/Export.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/shape/ZEPTCrossSection.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept::shape {

struct SectionProperties {
  // Closed forms, exact.
  double area = 0.0;       // length^2
  DtGePoint2d centroid;    // model coordinates
  double iy = 0.0;         // integral of (y - yc)^2 dA, length^4
  double iz = 0.0;         // integral of (x - xc)^2 dA
  double iyz = 0.0;        // integral of (x - xc)(y - yc) dA
  double iu = 0.0;         // largest principal moment
  double iv = 0.0;         // smallest principal moment
  double alpha = 0.0;      // angle of the u axis from the x axis, degrees in (-90, 90]
  double wely = 0.0;       // iy / largest vertical distance to the extent, length^3
  double welz = 0.0;       // iz / largest horizontal distance
  double wply = 0.0;       // plastic modulus about the horizontal equal-area axis, length^3
  double wplz = 0.0;       // about the vertical one
  double plasticY = 0.0;   // model y of the horizontal equal-area axis
  double plasticX = 0.0;   // model x of the vertical one
  DtGePoint2d max, min;    // extent, arcs by their extreme points
  // Numerical (finite elements on the exact boundary).
  double it = 0.0;         // Saint-Venant torsion constant, length^4
  double iw = 0.0;         // warping constant about the shear centre, length^6
  double wt = 0.0;         // torsional modulus: it / largest shear stress per unit twist, length^3
  DtGePoint2d shearCentre; // model coordinates
  double avy = 0.0;        // energy-based shear area, force along x (horizontal), length^2
  double avz = 0.0;        // force along y (vertical)
  int elements = 0;        // of the mesh the numerical values come from
  int nodes = 0;
};

enum class SectionPropertiesStatus {
  ok = 0,
  empty,             // no contour
  notFinite,         // NaN or infinite coordinates or bulges
  degenerate,        // zero area, or a contour of zero area
  selfIntersecting,  // contours that cross or touch
  tooManyEdges,      // more edges than `maxEdges`
  noSolution,        // the mesh or the solution failed within the budget
};

struct SectionPropertiesOptions {
  double refinement = 1.0;  // scales every element size: 0.5 halves them
  double nu = 0.3;          // Poisson's ratio of the shear solution (steel)
  int maxEdges = 20000;     // boundary segments accepted
  int maxNodes = 400000;    // mesh nodes accepted
};

// Fills `out` and returns ok. When only the numerical solution cannot be
// had (noSolution), the closed forms (area to extent) are filled and the
// numerical values left as they were; on every other status `out` is
// untouched.
SectionPropertiesStatus sectionProperties(ZEPTCrossSection const& section, SectionProperties& out,
                                          SectionPropertiesOptions const& options = {});

// A short English text for a status ("the contours cross each other").
char const* describe(SectionPropertiesStatus status);

}  // namespace zept::shape

ZEPTDB_END_EXPORTS
