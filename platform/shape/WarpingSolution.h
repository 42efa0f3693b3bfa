// SPDX-License-Identifier: MIT
// Saint-Venant torsion, warping and shear of a section by finite elements
// (six-node triangles) on a mesh of its exact boundary. Three Neumann
// problems share one stiffness matrix, factorised once: the warping function
// (torsion constant, Trefftz shear centre, warping constant, torsional
// modulus) and the two shear functions (energy-based shear areas). The
// formulation is the classical one for homogeneous elastic beams: warping
// function with dw/dn = y nx - x ny; shear functions with Poisson's ratio nu.
// Coordinates about the section's centroid.
#pragma once

#include <optional>

#include "platform/shape/SectionMesh.h"

namespace zept::shape {

struct CentroidalMoments {
  double ixx = 0.0;  // integral of y^2 dA (about the horizontal axis)
  double iyy = 0.0;  // integral of x^2 dA
  double ixy = 0.0;  // integral of x y dA
};

struct Warping {
  double it = 0.0;          // Saint-Venant torsion constant, length^4
  Vec shearCentre;          // from the centroid
  double iw = 0.0;          // warping constant about the shear centre, length^6
  double wt = 0.0;          // torsional modulus: it / the largest shear stress per unit twist
  double shearAreaX = 0.0;  // energy-based, shear force along x, length^2
  double shearAreaY = 0.0;  // along y
};

// `exact` are the boundary's closed-form moments, used for the polar moment
// of the torsion constant. Nothing when the factorisation fails.
std::optional<Warping> solveWarping(Mesh const& mesh, CentroidalMoments const& exact, double nu);

}  // namespace zept::shape
