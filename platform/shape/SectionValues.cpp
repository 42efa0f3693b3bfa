#include "platform/shape/SectionValues.h"

#include <cmath>

#include "platform/host/DtGeCircArc2d.h"

namespace zept::shape {
namespace {

// Area integrals of 1, x, y, x^2, y^2 and xy over a region, about the
// origin of the coordinates they were computed in.
struct Moments {
  double a = 0, sx = 0, sy = 0, xx = 0, yy = 0, xy = 0;

  Moments& operator+=(Moments const& m) {
    a += m.a, sx += m.sx, sy += m.sy, xx += m.xx, yy += m.yy, xy += m.xy;
    return *this;
  }
  Moments operator*(double f) const { return {a * f, sx * f, sy * f, xx * f, yy * f, xy * f}; }
};

// Contribution of the straight edge p -> q to the integrals over the region
// it bounds (counter-clockwise positive): the triangle origin, p, q.
Moments edge(DtGePoint2d const& p, DtGePoint2d const& q) {
  double const c = p.x * q.y - q.x * p.y;
  return {c / 2.0,
          (p.x + q.x) * c / 6.0,
          (p.y + q.y) * c / 6.0,
          (p.x * p.x + p.x * q.x + q.x * q.x) * c / 12.0,
          (p.y * p.y + p.y * q.y + q.y * q.y) * c / 12.0,
          (p.x * q.y + 2.0 * p.x * p.y + 2.0 * q.x * q.y + q.x * p.y) * c / 24.0};
}

// The circular sector about c of radius r from angle t0 through the signed
// sweep s, about the origin.
Moments sector(DtGePoint2d const& c, double r, double t0, double s) {
  double const t1 = t0 + s;
  double const r2 = r * r, r3 = r2 * r, r4 = r2 * r2;
  Moments local;  // about the centre
  local.a = r2 * s / 2.0;
  local.sx = r3 / 3.0 * (std::sin(t1) - std::sin(t0));
  local.sy = r3 / 3.0 * (std::cos(t0) - std::cos(t1));
  double const sin2 = (std::sin(2.0 * t1) - std::sin(2.0 * t0)) / 2.0;
  local.xx = r4 / 8.0 * (s + sin2);
  local.yy = r4 / 8.0 * (s - sin2);
  local.xy = r4 / 8.0 * (std::sin(t1) * std::sin(t1) - std::sin(t0) * std::sin(t0));
  // Parallel-axis shift from the centre to the origin.
  Moments m;
  m.a = local.a;
  m.sx = local.sx + c.x * local.a;
  m.sy = local.sy + c.y * local.a;
  m.xx = local.xx + 2.0 * c.x * local.sx + c.x * c.x * local.a;
  m.yy = local.yy + 2.0 * c.y * local.sy + c.y * c.y * local.a;
  m.xy = local.xy + c.x * local.sy + c.y * local.sx + c.x * c.y * local.a;
  return m;
}

// An arc's line integral is its sector's closed one less the two radii.
Moments segment(DtGePoint2d const& p, DtGePoint2d const& q, double bulge) {
  DtGeCircArc2d arc;
  if (bulge == 0.0 || arc.set(p, q, bulge) != Dt::eOk) return edge(p, q);
  DtGePoint2d const c = arc.center();
  Moments m = sector(c, arc.radius(), (p - c).angle(), arc.signedSweep());
  m += edge(p, c);
  m += edge(c, q);
  return m;
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
