// SPDX-License-Identifier: MIT
// The section-properties engine against textbook values: closed forms where
// they are exact, series and thin-walled formulas for the numerical ones,
// and every kind of unusable boundary.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "platform/shape/SectionProperties.h"
#include "support/Shapes.h"

namespace {

using zept::shape::SectionProperties;
using zept::shape::SectionPropertiesOptions;
using zept::shape::SectionPropertiesStatus;
using zept::test::circle;
using zept::test::contour;
using zept::test::rectangle;
using zept::test::section;

constexpr double kPi = std::numbers::pi;

ZEPTCrossSection crossSection(ZEPTSection const& s) {
  ZEPTCrossSection cs;
  cs.addSection(const_cast<ZEPTSection&>(s));
  return cs;
}

SectionProperties solve(ZEPTSection const& s, double nu = 0.0) {
  SectionPropertiesOptions o;
  o.nu = nu;
  SectionProperties p;
  EXPECT_EQ(zept::shape::sectionProperties(crossSection(s), p, o), SectionPropertiesStatus::ok);
  return p;
}

// Torsion constant of an a x b rectangle (a >= b), Saint-Venant's series.
double rectangleIt(double a, double b) {
  double sum = 0.0;
  for (int n = 1; n < 400; n += 2) sum += std::tanh(n * kPi * a / (2 * b)) / std::pow(n, 5);
  return a * b * b * b / 3 * (1 - 192 / std::pow(kPi, 5) * b / a * sum);
}

// An I section of plates (no fillets), flanges b x tf, web tw, height h.
ZEPTSection plateI(double h, double b, double tf, double tw) {
  double const y0 = -h / 2, y1 = -h / 2 + tf, y2 = h / 2 - tf, y3 = h / 2;
  return section({contour({{{-b / 2, y0}, 0}, {{b / 2, y0}, 0}, {{b / 2, y1}, 0}, {{tw / 2, y1}, 0}, {{tw / 2, y2}, 0},
                           {{b / 2, y2}, 0}, {{b / 2, y3}, 0}, {{-b / 2, y3}, 0}, {{-b / 2, y2}, 0}, {{-tw / 2, y2}, 0},
                           {{-tw / 2, y1}, 0}, {{-b / 2, y1}, 0}})});
}

TEST(SectionProperties, ClosedFormsAreExact) {
  double const b = 120, h = 200, R = 50, r = 40;
  double const tf = 12, tw = 8;
  struct Case {
    char const* name;
    ZEPTSection s;
    double wply, wplz, iu, iv;
  } const cases[] = {
      {"rectangle", section({rectangle(10, -30, 10 + b, -30 + h)}), b * h * h / 4, h * b * b / 4, b * h * h * h / 12,
       h * b * b * b / 12},
      {"circle", section({circle(3, 4, R)}), 4 * R * R * R / 3, 4 * R * R * R / 3, kPi * std::pow(R, 4) / 4,
       kPi * std::pow(R, 4) / 4},
      {"tube", section({circle(0, 0, R), circle(0, 0, r, true)}), 4 * (R * R * R - r * r * r) / 3,
       4 * (R * R * R - r * r * r) / 3, kPi * (std::pow(R, 4) - std::pow(r, 4)) / 4,
       kPi * (std::pow(R, 4) - std::pow(r, 4)) / 4},
      {"plate I", plateI(h, b, tf, tw), b * tf * (h - tf) + tw * std::pow(h - 2 * tf, 2) / 4,
       2 * tf * b * b / 4 + (h - 2 * tf) * tw * tw / 4,
       (b * h * h * h - (b - tw) * std::pow(h - 2 * tf, 3)) / 12,
       (2 * tf * b * b * b + (h - 2 * tf) * tw * tw * tw) / 12},
  };
  for (auto const& c : cases) {
    SectionProperties const p = solve(c.s);
    EXPECT_NEAR(p.wply / c.wply, 1.0, 1e-9) << c.name;
    EXPECT_NEAR(p.wplz / c.wplz, 1.0, 1e-9) << c.name;
    EXPECT_NEAR(p.iu / c.iu, 1.0, 1e-9) << c.name;
    EXPECT_NEAR(p.iv / c.iv, 1.0, 1e-9) << c.name;
  }
}

// An unsymmetric section: the equal-area axes are not the centroidal ones,
// and a quarter disc's largest moment is about its axis of symmetry, 45
// degrees up.
TEST(SectionProperties, PlasticAxesAndPrincipalAxesOfUnsymmetricShapes) {
  // T: flange 100 x 10 on a web 10 x 90; the equal-area axis lies in the
  // flange, 9.5 below its top.
  SectionProperties const t = solve(section({contour({{{-5, 0}, 0}, {{5, 0}, 0}, {{5, 90}, 0}, {{50, 90}, 0},
                                                      {{50, 100}, 0}, {{-50, 100}, 0}, {{-50, 90}, 0}, {{-5, 90}, 0}})}));
  EXPECT_NEAR(t.plasticY, 90.5, 1e-9);
  EXPECT_NEAR(t.wply, 100 * 9.5 * 9.5 / 2 + 100 * 0.5 * 0.5 / 2 + 10 * (90.5 * 90 - 90 * 90 / 2), 1e-6);
  SectionProperties const q = solve(section({contour({{{0, 0}, 0}, {{50, 0}, std::tan(kPi / 8)}, {{0, 50}, 0}})}));
  EXPECT_NEAR(q.alpha, 45.0, 1e-9);
  EXPECT_GT(q.iu, q.iv);
}

// Numerical values against exact or series solutions, nu = 0 where the
// shear area has a closed form (rectangle 5/6, disc 6/7, thick tube by
// Cowper).
TEST(SectionProperties, TorsionAndShearAgainstExactSolutions) {
  double const R = 50, r = 40, m = r / R;
  double const tubeK = 6 * (1 + m * m) * (1 + m * m) / (7 * (1 + m * m) * (1 + m * m) + 20 * m * m);
  struct Case {
    char const* name;
    ZEPTSection s;
    double it, itTolerance, kShear, kTolerance;
  } const cases[] = {
      {"rectangle 2:1", section({rectangle(0, 0, 200, 100)}), rectangleIt(200, 100), 5e-4, 5.0 / 6.0, 2e-4},
      {"square", section({rectangle(0, 0, 100, 100)}), rectangleIt(100, 100), 2e-4, 5.0 / 6.0, 2e-4},
      {"strip 100:1", section({rectangle(0, 0, 1000, 10)}), rectangleIt(1000, 10), 1e-3, 5.0 / 6.0, 5e-3},
      {"disc", section({circle(0, 0, R)}), kPi * std::pow(R, 4) / 2, 1e-12, 6.0 / 7.0, 2e-4},
      {"tube", section({circle(0, 0, R), circle(0, 0, r, true)}), kPi * (std::pow(R, 4) - std::pow(r, 4)) / 2, 1e-12,
       tubeK, 2e-4},
      // Slanted straight sides: sqrt(3) a^4 / 80.
      {"triangle", section({contour({{{0, 0}, 0}, {{100, 0}, 0}, {{50, 50 * std::sqrt(3.0)}, 0}})}),
       std::sqrt(3.0) * 1e8 / 80, 1e-4, NAN, 0},
  };
  for (auto const& c : cases) {
    SectionProperties const p = solve(c.s);
    EXPECT_NEAR(p.it / c.it, 1.0, c.itTolerance) << c.name;
    if (std::isnan(c.kShear)) continue;
    EXPECT_NEAR(p.avy / p.area, c.kShear, c.kTolerance) << c.name;
    EXPECT_NEAR(p.avz / p.area, c.kShear, c.kTolerance) << c.name;
  }
  // Round sections do not warp, and their largest stress is at the rim.
  SectionProperties const disc = solve(cases[3].s);
  EXPECT_NEAR(disc.iw, 0.0, 1e-9 * std::pow(R, 6));
  EXPECT_NEAR(disc.wt / (disc.it / R), 1.0, 1e-3);
}

// A thin-walled channel: shear centre behind the web at e = b^2 h^2 t / (4 Iy)
// (centre lines), warping constant t b^3 h^2 (3b + 2h) / (12 (6b + h)).
TEST(SectionProperties, ThinWalledChannel) {
  double const h = 300, b = 100, t = 4;
  ZEPTSection const s = section({contour({{{0, 0}, 0}, {{b, 0}, 0}, {{b, t}, 0}, {{t, t}, 0}, {{t, h - t}, 0},
                                          {{b, h - t}, 0}, {{b, h}, 0}, {{0, h}, 0}})});
  SectionProperties const p = solve(s, 0.3);
  double const hc = h - t, bc = b - t / 2;
  double const iy = t * hc * hc * hc / 12 + 2 * bc * t * (hc / 2) * (hc / 2);
  double const e = bc * bc * hc * hc * t / (4 * iy);
  EXPECT_NEAR(p.shearCentre.x, t / 2 - e, 0.02 * e);
  EXPECT_NEAR(p.shearCentre.y, h / 2, 1e-6);
  double const iw = t * bc * bc * bc * hc * hc * (3 * bc + 2 * hc) / (12 * (6 * bc + hc));
  EXPECT_NEAR(p.iw / iw, 1.0, 0.02);
  // Open thin walls: It about (1/3) sum b t^3.
  EXPECT_NEAR(p.it / ((hc + 2 * bc) * t * t * t / 3), 1.0, 0.05);
}

// Holes of many sizes scattered over a plate: elements along the small ones
// are flat, and none may fold over when its side takes the arc's midpoint.
TEST(SectionProperties, ScatteredHolesMeshWithoutFoldedElements) {
  struct Hole {
    double x, y, r;
  };
  Hole const holes[] = {{168.05, 15.70, 7.96}, {185.27, 130.34, 5.67}, {71.40, 171.64, 3.67}, {14.90, 171.53, 7.73},
                        {126.65, 122.56, 3.69}, {183.17, 41.77, 7.99},  {31.89, 182.07, 9.86}, {102.46, 162.61, 3.88},
                        {68.66, 143.62, 12.95}, {35.58, 37.21, 4.95},   {160.02, 92.98, 6.01}, {21.27, 115.13, 7.63}};
  ZEPTSection s = section({rectangle(0, 0, 200, 200)});
  for (Hole const& h : holes) s.addContour(circle(h.x, h.y, h.r, true));
  SectionProperties const p = solve(s, 0.3);
  // Small holes take a little stiffness away.
  EXPECT_LT(p.it, rectangleIt(200, 200));
  EXPECT_GT(p.it, 0.8 * rectangleIt(200, 200));
}

// Scale changes nothing but the powers of length.
TEST(SectionProperties, ScaleInvariant) {
  SectionProperties const unit = solve(plateI(1, 0.5, 0.05, 0.03));
  for (double f : {1e-9, 1e9}) {
    SectionProperties const p = solve(plateI(f, 0.5 * f, 0.05 * f, 0.03 * f));
    EXPECT_NEAR(p.it / (unit.it * std::pow(f, 4)), 1.0, 1e-9) << f;
    EXPECT_NEAR(p.iw / (unit.iw * std::pow(f, 6)), 1.0, 1e-9) << f;
    EXPECT_NEAR(p.wply / (unit.wply * std::pow(f, 3)), 1.0, 1e-9) << f;
  }
}

// A mesh budget too small for the solution leaves the closed forms filled
// and the numerical values as the caller had them.
TEST(SectionProperties, ClosedFormsStandWithoutTheSolution) {
  ZEPTSection const s = plateI(300, 150, 10.7, 7.1);
  SectionProperties const full = solve(s);
  SectionPropertiesOptions o;
  o.maxNodes = 10;
  SectionProperties p;
  p.it = -1;
  EXPECT_EQ(zept::shape::sectionProperties(crossSection(s), p, o), SectionPropertiesStatus::noSolution);
  EXPECT_EQ(p.it, -1);
  EXPECT_EQ(p.elements, 0);
  for (auto [got, want] : {std::pair{p.area, full.area}, {p.iy, full.iy}, {p.wply, full.wply}, {p.wplz, full.wplz},
                           {p.iu, full.iu}, {p.iv, full.iv}})
    EXPECT_DOUBLE_EQ(got, want);
}

TEST(SectionProperties, UnusableBoundariesSayWhy) {
  double const nan = std::numeric_limits<double>::quiet_NaN();
  ZEPTSection many(false);
  {
    DtDbPolyline p;
    for (int i = 0; i < 100000; ++i)
      p.addVertexAt(p.numVerts(), DtGePoint2d(std::cos(2 * kPi * i / 100000), std::sin(2 * kPi * i / 100000)), 0, -1, -1);
    ZEPTContour c;
    c.setPolyline(&p);
    many.addContour(c);
  }
  struct Case {
    char const* name;
    ZEPTSection s;
    SectionPropertiesStatus status;
  } const cases[] = {
      {"nothing", section({}), SectionPropertiesStatus::empty},
      {"line", section({contour({{{0, 0}, 0}, {{10, 0}, 0}})}), SectionPropertiesStatus::degenerate},
      {"only a hole", section({rectangle(0, 0, 10, 10, true)}), SectionPropertiesStatus::degenerate},
      {"bow tie", section({contour({{{0, 0}, 0}, {{10, 10}, 0}, {{10, 0}, 0}, {{0, 4}, 0}})}),
       SectionPropertiesStatus::selfIntersecting},
      {"overlapping", section({rectangle(0, 0, 10, 10), rectangle(5, 5, 15, 15)}), SectionPropertiesStatus::selfIntersecting},
      {"hole touching", section({rectangle(0, 0, 10, 10), rectangle(0, 2, 5, 5, true)}),
       SectionPropertiesStatus::selfIntersecting},
      {"NaN (the contour refuses it)", section({contour({{{0, 0}, 0}, {{nan, 0}, 0}, {{0, 10}, 0}})}),
       SectionPropertiesStatus::empty},
      {"area past the doubles", section({rectangle(0, 0, 1e300, 1e300)}), SectionPropertiesStatus::notFinite},
      {"100,000 edges", many, SectionPropertiesStatus::tooManyEdges},
  };
  for (auto const& c : cases) {
    SectionProperties p;
    p.it = 42;
    EXPECT_EQ(zept::shape::sectionProperties(crossSection(c.s), p), c.status) << c.name;
    EXPECT_EQ(p.it, 42) << c.name << ": untouched";
    EXPECT_STRNE(zept::shape::describe(c.status), "unknown");
  }
}

}  // namespace
