// SPDX-License-Identifier: MIT
// Section values for the tools' tables: the full solution where it comes
// out, else what the closed forms give.
#include "tools/common/ShownValues.h"

#include "platform/shape/SectionValues.h"

namespace zept::tools {

ShownValues shownValues(ZEPTCrossSection const& cs) {
  using zept::shape::SectionPropertiesStatus;
  ShownValues s;
  s.status = zept::shape::sectionProperties(cs, s.p);
  s.solved = s.status == SectionPropertiesStatus::ok;
  s.closed = s.solved || s.status == SectionPropertiesStatus::noSolution;
  s.any = s.closed;
  if (!s.closed) {
    const auto v = zept::shape::sectionValues(cs);
    if (!v) return s;
    s.any = true;
    s.p.area = v->area, s.p.centroid = v->centroid, s.p.iy = v->iy, s.p.iz = v->iz, s.p.iyz = v->iyz;
    s.p.wely = v->wy, s.p.welz = v->wz, s.p.max = v->max, s.p.min = v->min;
  }
  return s;
}

}  // namespace zept::tools
