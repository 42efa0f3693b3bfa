// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/shape/SectionValues.h"
#include "support/Shapes.h"

namespace {

using zept::shape::SectionValues;
using zept::shape::sectionValues;
using zept::test::circle;
using zept::test::contour;
using zept::test::rectangle;
using zept::test::section;

constexpr double kPi = std::numbers::pi;

struct Expected {
  double area, xc, yc, iy, iz, iyz, wy, wz;
};

void expectValues(ZEPTSection const& s, Expected const& e, char const* name, double rel = 1e-12) {
  auto const v = sectionValues(s);
  ASSERT_TRUE(v.has_value()) << name;
  auto near = [&](double got, double want, char const* what) {
    EXPECT_NEAR(got, want, rel * (1.0 + std::fabs(want))) << name << ": " << what;
  };
  near(v->area, e.area, "area");
  near(v->centroid.x, e.xc, "xc");
  near(v->centroid.y, e.yc, "yc");
  near(v->iy, e.iy, "iy");
  near(v->iz, e.iz, "iz");
  near(v->iyz, e.iyz, "iyz");
  near(v->wy, e.wy, "wy");
  near(v->wz, e.wz, "wz");
}

TEST(SectionValues, ClosedForms) {
  double const b = 100, h = 200, R = 50, r = 40;
  // A quarter disc of radius R in the first quadrant.
  double const qa = kPi * R * R / 4, qc = 4 * R / (3 * kPi), qi = kPi * std::pow(R, 4) / 16 - qa * qc * qc;
  double const qiyz = std::pow(R, 4) / 8 - qa * qc * qc;
  double const ring = kPi * (std::pow(R, 4) - std::pow(r, 4)) / 4;
  // 100 x 200 with a 40 x 60 hole centred at (70, 150).
  double const ha = b * h - 40 * 60;
  double const hyc = (b * h * 100 - 40 * 60 * 150) / ha;
  double const hxc = (b * h * 50 - 40 * 60 * 70) / ha;
  double const hiy = b * h * h * h / 12 + b * h * std::pow(100 - hyc, 2) - (40 * 216000.0 / 12 + 2400 * std::pow(150 - hyc, 2));
  double const hiz = h * b * b * b / 12 + b * h * std::pow(50 - hxc, 2) - (60 * 64000.0 / 12 + 2400 * std::pow(70 - hxc, 2));
  double const hiyz = b * h * (50 - hxc) * (100 - hyc) - 2400 * (70 - hxc) * (150 - hyc);
  struct Case {
    char const* name;
    ZEPTSection s;
    Expected e;
  } const cases[] = {
      {"rectangle", section({rectangle(-20, 5, -20 + b, 5 + h)}),
       {b * h, 30, 105, b * h * h * h / 12, h * b * b * b / 12, 0, b * h * h / 6, h * b * b / 6}},
      {"clockwise rectangle", section({contour({{{0, 0}, 0}, {{0, h}, 0}, {{b, h}, 0}, {{b, 0}, 0}})}),
       {b * h, 50, 100, b * h * h * h / 12, h * b * b * b / 12, 0, b * h * h / 6, h * b * b / 6}},
      {"circle", section({circle(3, -4, R)}),
       {kPi * R * R, 3, -4, kPi * std::pow(R, 4) / 4, kPi * std::pow(R, 4) / 4, 0, kPi * std::pow(R, 3) / 4,
        kPi * std::pow(R, 3) / 4}},
      {"ring", section({circle(0, 0, R), circle(0, 0, r, true)}),
       {kPi * (R * R - r * r), 0, 0, ring, ring, 0, ring / R, ring / R}},
      {"ring with a clockwise hole", section({circle(0, 0, R), circle(0, 0, r, true, true)}),
       {kPi * (R * R - r * r), 0, 0, ring, ring, 0, ring / R, ring / R}},
      {"rectangle with a hole", section({rectangle(0, 0, b, h), rectangle(50, 120, 90, 180, true)}),
       {ha, hxc, hyc, hiy, hiz, hiyz, hiy / std::fmax(h - hyc, hyc), hiz / std::fmax(b - hxc, hxc)}},
      {"quarter disc", section({contour({{{0, 0}, 0}, {{R, 0}, std::tan(kPi / 8)}, {{0, R}, 0}})}),
       {qa, qc, qc, qi, qi, qiyz, qi / (R - qc), qi / (R - qc)}},
  };
  for (auto const& c : cases) expectValues(c.s, c.e, c.name);
}

// A tilted shape of arcs of both senses, one of more than half a turn, about
// centres away from the reference point, against the same shape cut into
// many short chords.
TEST(SectionValues, ExactArcsAgreeWithFineChords) {
  struct Arc {
    DtGePoint2d p;
    double bulge;
  };
  Arc const outline[] = {{{0, 0}, 0.3}, {{10, 1}, -0.6}, {{12, 8}, 1.7}, {{3, 9}, 0}, {{1, 5}, -0.2}};
  int const n = static_cast<int>(std::size(outline));
  DtGeMatrix2d const tilt = DtGeMatrix2d::rotation(0.4, {5, 5});

  DtDbPolyline exact, chords;
  for (int i = 0; i < n; ++i) {
    exact.addVertexAt(exact.numVerts(), outline[i].p, outline[i].bulge);
    DtGePoint2d const q = outline[(i + 1) % n].p;
    DtGeCircArc2d arc;
    if (arc.set(outline[i].p, q, outline[i].bulge) != Dt::eOk) {
      chords.addVertexAt(chords.numVerts(), outline[i].p);
      continue;
    }
    int const steps = 20000;
    for (int k = 0; k < steps; ++k)
      chords.addVertexAt(chords.numVerts(),
                         arc.evalPoint(arc.startAng() + (arc.endAng() - arc.startAng()) * k / steps));
  }
  ZEPTContour a(false), b(false);
  a.setPolyline(&exact);
  b.setPolyline(&chords);
  a.transformBy(tilt);
  b.transformBy(tilt);
  auto const va = sectionValues(section({a}));
  auto const vb = sectionValues(section({b}));
  ASSERT_TRUE(va && vb);
  EXPECT_NEAR(va->area, vb->area, 1e-6 * va->area);
  EXPECT_NEAR(va->centroid.x, vb->centroid.x, 1e-6);
  EXPECT_NEAR(va->centroid.y, vb->centroid.y, 1e-6);
  EXPECT_NEAR(va->iy, vb->iy, 1e-6 * va->iy);
  EXPECT_NEAR(va->iz, vb->iz, 1e-6 * va->iz);
  EXPECT_NEAR(va->iyz, vb->iyz, 1e-6 * std::fabs(va->iy));
  EXPECT_GT(std::fabs(va->iyz), 1.0);  // the tilt makes the product matter
}

TEST(SectionValues, NothingWithoutPositiveArea) {
  EXPECT_FALSE(sectionValues(ZEPTSection(false)).has_value());
  EXPECT_FALSE(sectionValues(section({circle(0, 0, 1, true)})).has_value());
  EXPECT_FALSE(sectionValues(section({circle(0, 0, 1), circle(0, 0, 2, true)})).has_value());
  EXPECT_FALSE(sectionValues(section({contour({{{0, 0}, 0}, {{5, 0}, 0}})})).has_value());
  ZEPTCrossSection cs;
  EXPECT_FALSE(sectionValues(cs).has_value());
}

// Far from the origin the values stay those of the shape about its centroid.
TEST(SectionValues, CrossSectionAddsItsSectionsFarFromTheOrigin) {
  double const x0 = 1e7, y0 = -3e6;
  ZEPTCrossSection cs;
  cs.addSection(section({rectangle(x0, y0, x0 + 10, y0 + 20)}));
  cs.addSection(section({rectangle(x0 + 10, y0, x0 + 20, y0 + 20)}));
  auto const v = sectionValues(cs);
  ASSERT_TRUE(v.has_value());
  EXPECT_NEAR(v->area, 400, 1e-6);
  EXPECT_NEAR(v->centroid.x, x0 + 10, 1e-6);
  EXPECT_NEAR(v->iy, 20.0 * 8000 / 12, 1e-3);
  EXPECT_NEAR(v->iz, 20.0 * 8000 / 12, 1e-3);
}

}  // namespace
