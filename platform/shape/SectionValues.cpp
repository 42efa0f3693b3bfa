// SPDX-License-Identifier: MIT
// Section values: each segment's exact moments (AreaMoments) summed about
// the middle of the extent, then moved to the centroid.
#include "platform/shape/SectionValues.h"

#include <cmath>

#include "platform/host/DtGeCircArc2d.h"
#include "platform/shape/AreaMoments.h"

namespace zept::shape {
namespace {

// An arc's line integral is its sector's closed one less the two radii.
Moments segment(DtGePoint2d const& p, DtGePoint2d const& q, double bulge) {
  DtGeCircArc2d arc;
  if (bulge == 0.0 || arc.set(p, q, bulge) != Dt::eOk) return edgeMoments(p, q);
  return arcMoments(p, q, arc.center(), arc.radius(), arc.signedSweep());
}

// Signed integrals of one contour, with its points taken relative to `ref`.
Moments contour(ZEPTBaseContour const& contour, DtGePoint2d const& ref) {
  Moments m;
  int const n = contour.numVerts();
  DtGePoint2d p, q;
  double bulge = 0, ignored = 0;
  for (int i = 0; i < n; ++i) {
    contour.getVertexAt(i, p, bulge);
    contour.getVertexAt((i + 1) % n, q, ignored);
    m += segment(DtGePoint2d::kOrigin + (p - ref), DtGePoint2d::kOrigin + (q - ref), bulge);
  }
  return m;
}

// Solids count positive and holes negative, whatever their direction.
void addSection(Moments& total, ZEPTBaseSection const& section, DtGePoint2d const& ref) {
  for (int i = 0; i < section.numContours(); ++i) {
    ZEPTContour const& c = *section.contourAt(i);
    Moments const m = contour(c, ref);
    bool const counts = (m.a >= 0.0) != c.getIsHole();
    total += m * (counts ? 1.0 : -1.0);
  }
}

// Central values from integrals about `ref`, which lies inside the extent
// so that the parallel-axis step below loses little.
std::optional<SectionValues> finish(Moments const& m, DtGePoint2d const& ref, DtGePoint2d const& max,
                                    DtGePoint2d const& min) {
  if (!(m.a > 0.0) || !std::isfinite(m.a)) return std::nullopt;
  SectionValues v;
  v.area = m.a;
  double const dx = m.sx / m.a, dy = m.sy / m.a;
  v.centroid = DtGePoint2d(ref.x + dx, ref.y + dy);
  v.iy = m.yy - m.a * dy * dy;
  v.iz = m.xx - m.a * dx * dx;
  v.iyz = m.xy - m.a * dx * dy;
  v.max = max;
  v.min = min;
  double const vertical = std::fmax(max.y - v.centroid.y, v.centroid.y - min.y);
  double const horizontal = std::fmax(max.x - v.centroid.x, v.centroid.x - min.x);
  v.wy = vertical > 0.0 ? v.iy / vertical : 0.0;
  v.wz = horizontal > 0.0 ? v.iz / horizontal : 0.0;
  if (!std::isfinite(v.iy) || !std::isfinite(v.iz) || !std::isfinite(v.iyz)) return std::nullopt;
  return v;
}

DtGePoint2d middle(DtGePoint2d const& max, DtGePoint2d const& min) {
  return DtGePoint2d((max.x + min.x) * 0.5, (max.y + min.y) * 0.5);
}

}  // namespace

std::optional<SectionValues> sectionValues(ZEPTBaseSection const& section) {
  DtGePoint2d max, min;
  if (!section.getExtents(max, min)) return std::nullopt;
  DtGePoint2d const ref = middle(max, min);
  Moments m;
  addSection(m, section, ref);
  return finish(m, ref, max, min);
}

std::optional<SectionValues> sectionValues(ZEPTCrossSection const& crossSection) {
  DtGePoint2d max, min;
  if (!crossSection.getExtents(max, min)) return std::nullopt;
  DtGePoint2d const ref = middle(max, min);
  Moments m;
  for (int i = 0; i < crossSection.numSections(); ++i) addSection(m, *crossSection.sectionAt(i), ref);
  return finish(m, ref, max, min);
}

}  // namespace zept::shape
