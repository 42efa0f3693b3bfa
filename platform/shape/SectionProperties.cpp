// SPDX-License-Identifier: MIT
// The section-properties engine: boundary, closed forms, mesh and warping
// solution, all on coordinates scaled to a unit extent so that sections of
// 1e-9 or 1e9 keep their precision; values are scaled back at the end.
#include "platform/shape/SectionProperties.h"

#include <cmath>
#include <numbers>

#include "platform/shape/PlasticModuli.h"
#include "platform/shape/SectionBoundary.h"
#include "platform/shape/SectionMesh.h"
#include "platform/shape/SectionValues.h"
#include "platform/shape/WarpingSolution.h"

namespace zept::shape {
namespace {

void scale(Boundary& b, double f) {
  for (Loop& loop : b.loops)
    for (Segment& s : loop.segments) {
      s.p = s.p * f, s.q = s.q * f, s.c = s.c * f;
      s.r *= f;
    }
  b.area *= f * f;
  b.min = b.min * f, b.max = b.max * f;
}

SectionPropertiesStatus statusOf(BoundaryStatus s) {
  switch (s) {
    case BoundaryStatus::ok: return SectionPropertiesStatus::ok;
    case BoundaryStatus::empty: return SectionPropertiesStatus::empty;
    case BoundaryStatus::notFinite: return SectionPropertiesStatus::notFinite;
    case BoundaryStatus::degenerate: return SectionPropertiesStatus::degenerate;
    case BoundaryStatus::selfIntersecting: return SectionPropertiesStatus::selfIntersecting;
    case BoundaryStatus::tooManyEdges: return SectionPropertiesStatus::tooManyEdges;
  }
  return SectionPropertiesStatus::noSolution;
}

}  // namespace

SectionPropertiesStatus sectionProperties(ZEPTCrossSection const& section, SectionProperties& out,
                                          SectionPropertiesOptions const& options) {
  Boundary b = sectionBoundary(section, options.maxEdges);
  if (b.status != BoundaryStatus::ok) return statusOf(b.status);
  std::optional<SectionValues> const elastic = sectionValues(section);
  if (!elastic) return SectionPropertiesStatus::degenerate;
  double const length = std::max(b.max.x - b.min.x, b.max.y - b.min.y);
  scale(b, 1.0 / length);
  double const l2 = length * length, l3 = l2 * length, l4 = l2 * l2;

  SectionProperties p;
  p.area = elastic->area;
  p.centroid = elastic->centroid;
  p.iy = elastic->iy, p.iz = elastic->iz, p.iyz = elastic->iyz;
  p.wely = elastic->wy, p.welz = elastic->wz;
  p.max = elastic->max, p.min = elastic->min;
  double const mean = (p.iy + p.iz) / 2.0, half = std::hypot((p.iy - p.iz) / 2.0, p.iyz);
  p.iu = mean + half;
  p.iv = mean - half;
  p.alpha = 0.5 * std::atan2(-2.0 * p.iyz, p.iy - p.iz) * 180.0 / std::numbers::pi;
  if (p.alpha <= -90.0) p.alpha += 180.0;

  PlasticAxis const horizontal = plasticAboutHorizontal(b), vertical = plasticAboutVertical(b);
  p.wply = horizontal.modulus * l3;
  p.wplz = vertical.modulus * l3;
  p.plasticY = b.centroid.y + horizontal.position * length;
  p.plasticX = b.centroid.x + vertical.position * length;

  // The closed forms stand without the solution.
  auto unsolved = [&] {
    p.it = out.it, p.iw = out.iw, p.wt = out.wt, p.shearCentre = out.shearCentre;
    p.avy = out.avy, p.avz = out.avz, p.elements = out.elements, p.nodes = out.nodes;
    out = p;
    return SectionPropertiesStatus::noSolution;
  };
  std::optional<Mesh> const mesh = meshSection(b, options.refinement, options.maxNodes);
  if (!mesh) return unsolved();
  CentroidalMoments const exact{p.iy / l4, p.iz / l4, p.iyz / l4};
  std::optional<Warping> const w = solveWarping(*mesh, exact, options.nu);
  if (!w) return unsolved();
  p.it = w->it * l4;
  // Round and thin-walled closed sections do not warp: what is left is the
  // solution's rounding.
  p.iw = w->iw > 1e-9 * (exact.ixx + exact.iyy) ? w->iw * l4 * l2 : 0.0;
  p.wt = w->wt * l3;
  p.shearCentre = DtGePoint2d(b.centroid.x + w->shearCentre.x * length, b.centroid.y + w->shearCentre.y * length);
  p.avy = w->shearAreaX * l2;
  p.avz = w->shearAreaY * l2;
  p.elements = static_cast<int>(mesh->elements.size());
  p.nodes = static_cast<int>(mesh->nodes.size());
  for (double v : {p.wply, p.wplz, p.it, p.iw, p.wt, p.avy, p.avz, p.shearCentre.x, p.shearCentre.y})
    if (!std::isfinite(v)) return unsolved();
  out = p;
  return SectionPropertiesStatus::ok;
}

char const* describe(SectionPropertiesStatus status) {
  switch (status) {
    case SectionPropertiesStatus::ok: return "ok";
    case SectionPropertiesStatus::empty: return "the section has no contour";
    case SectionPropertiesStatus::notFinite: return "a coordinate or bulge is not a finite number";
    case SectionPropertiesStatus::degenerate: return "the section or one of its contours has no area";
    case SectionPropertiesStatus::selfIntersecting: return "contours cross or touch each other";
    case SectionPropertiesStatus::tooManyEdges: return "the boundary has more edges than the limit";
    case SectionPropertiesStatus::noSolution:
      return "the torsion and shear solution did not come out within the mesh budget (many holes or a very fine "
             "section need more nodes than the limit); the other values stand";
  }
  return "unknown";
}

}  // namespace zept::shape
