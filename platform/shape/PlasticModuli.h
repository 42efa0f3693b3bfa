// SPDX-License-Identifier: MIT
// Plastic section moduli from the exact boundary: the equal-area axis and the
// first moments of the two sides about it, in closed form over lines and
// arcs. Relies on Green's theorem in the form  A = -∮ (y - c) dx  and
// S = -∮ (y - c)² / 2 dx, whose integrands vanish on the cut line y = c, so
// only the boundary pieces above the line contribute and the cut itself
// needs no tracing.
#pragma once

#include "platform/shape/SectionBoundary.h"

namespace zept::shape {

struct PlasticAxis {
  double position = 0.0;  // of the equal-area axis, in the boundary's frame
  double modulus = 0.0;   // integral of |distance to the axis| dA, length^3
};

// Material above the line y = c: its area and its first moment about the line.
struct Above {
  double area = 0.0, moment = 0.0;
};
Above above(std::vector<Loop> const& loops, double c);

// About a horizontal axis (bending about it: Wpl,y of a section drawn with
// its web upright) and about a vertical one (Wpl,z). The boundary must be
// valid (status ok).
PlasticAxis plasticAboutHorizontal(Boundary const& boundary);
PlasticAxis plasticAboutVertical(Boundary const& boundary);

}  // namespace zept::shape
