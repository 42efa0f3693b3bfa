// SPDX-License-Identifier: MIT
// Which computed section value goes into which column of a profile record:
// "SY"/"SZ" the plastic moduli, "IX" the torsion constant, "IOMEGA" the
// warping constant, "TORS" the torsional modulus, "SHEAR_QY"/"SHEAR_QZ" the
// shear areas for a force along the record's y (horizontal) and z
// (vertical) axes; all in powers of the catalog's section unit. "GAMMA" is
// left alone. Where the steel tables use a rule of their own, the record
// gets that rule's value: the shear areas of EN 1993-1-1 6.2.6(3) for
// rolled I, H and channel sections, hollow sections and solid bars, and the
// torsion constant and modulus of EN 10210-2 / EN 10219-2 for hollow
// sections; every other section gets the engine's values (energy-based
// shear areas). Internal to the library and its tools.
#pragma once

#include "database/ZEPTDBProfileData.h"
#include "platform/shape/SectionProperties.h"

namespace zept::profile {

enum class SeriesKind { general, rolledIH, rolledChannel, hollowRectangular, hollowCircular, solid };

// The kind of a series by its catalog name (IPE, HEB, UPN, SHS, CHSC, FL, ...).
SeriesKind seriesKind(ZEPTString const& name);

// The torsion constant and modulus of a rectangular hollow section by the
// formulas of EN 10210-2 / EN 10219-2 (outer size h x b, wall t, corner
// radii outer ro and inner ri).
struct HollowTorsion {
  double it = 0.0, wt = 0.0;
};
HollowTorsion rectangularHollowTorsion(double h, double b, double t, double ro, double ri);

// Fills sy, sz, ix, iomega, tors, shearQy and shearQz of `record` from `p`
// (computed in the record's units). The record's h, b, ea (web), es
// (flange), ra, rs and name choose the rule; when its iy is the computed
// moment about the vertical axis (a series drawn lying down) the y and z
// values change places.
void fillSectionValues(ZEPTDBProfileData& record, zept::shape::SectionProperties const& p);

}  // namespace zept::profile
