// SPDX-License-Identifier: MIT
// The section values a tool shows: all of them when the torsion and shear
// solution comes out, the closed forms when only that solution fails, and
// the elastic values alone when the boundary cannot be taken at all.
#pragma once

#include "platform/shape/SectionProperties.h"
#include "platform/shape/ZEPTCrossSection.h"

namespace zept::tools {

struct ShownValues {
  zept::shape::SectionProperties p;
  zept::shape::SectionPropertiesStatus status = zept::shape::SectionPropertiesStatus::empty;
  bool any = false;     // area to the elastic moduli and the extent hold
  bool closed = false;  // the plastic moduli, principal moments and angle too
  bool solved = false;  // and the numerical values
};

ShownValues shownValues(ZEPTCrossSection const& cs);

}  // namespace zept::tools
