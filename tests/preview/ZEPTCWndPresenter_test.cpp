// Preview presenter: settings, copying and the pixel mapping.
#include "preview/ZEPTCWndPresenter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/CWndPresenterProbe.h"

namespace {

using P = ZEPTCWndPresenter;
using Probe = ZEPTCWndPresenterProbe;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(CWndPresenterSettings, NewPresenterDefaults) {
  P p;
  struct Row {
    P::cwndElement element;
    unsigned long color;
    bool visible;
  } const rows[] = {
      {P::cwndBackground, 0xFFFFFF, true}, {P::cwndFrame, 0x808080, false},   {P::cwndContour, 0x000000, true},
      {P::cwndAxes, 0x800080, true},       {P::cwndPoint, 0x000080, true},    {P::cwndDimLine, 0x808080, true},
      {P::cwndDimValue, 0x800000, true},   {P::cwndDimDesc, 0x808000, true},  {P::cwndHatch, 0x00FF00, true},
      {P::cwndPath, 0x0000FF, true},
  };
  for (auto const& r : rows) {
    unsigned long color = 1;
    EXPECT_TRUE(p.getColor(r.element, color));
    EXPECT_EQ(color, r.color) << r.element;
    EXPECT_EQ(p.getVisible(r.element), r.visible) << r.element;
  }
  double l, t, r, b;
  p.getMargins(l, t, r, b);
  EXPECT_EQ((std::array{l, t, r, b}), (std::array{0.1, 0.1, 0.1, 0.1}));
  EXPECT_EQ(p.getHatchType(), 2);
  EXPECT_EQ(p.getHatchAngle(), 45.0);
  EXPECT_FALSE(p.getLockAxis());
  EXPECT_FALSE(p.getAlternateRotation());
  EXPECT_FALSE(p.isLeftPressed() || p.isRightPressed());
  EXPECT_EQ(p.getZoom(), 1.0);
}

TEST(CWndPresenterSettings, MarginsAreCheckedAndReturnedLeftTopRightBottom) {
  struct Row {
    double l, t, r, b;
    bool ok;
  } const rows[] = {
      {0.5, 0.1, 0.5, 0.1, false},  // left + right reach 1
      {0.1, 0.5, 0.1, 0.5, false},  // top + bottom reach 1
      {0.49, 0, 0.5, 0, true},      {-0.01, 0.1, 0.1, 0.1, false}, {0, 0, 0, 0, true},
      {kNaN, 0.1, 0.1, 0.1, false}, {0.1, 0.1, kInf, 0.1, false},
  };
  for (auto const& row : rows) {
    P p;
    p.defineMargins(0.01, 0.02, 0.03, 0.04);
    EXPECT_EQ(p.defineMargins(row.l, row.t, row.r, row.b), row.ok) << row.l << " " << row.r;
    double l, t, r, b;
    p.getMargins(l, t, r, b);
    auto const want = row.ok ? std::array{row.l, row.t, row.r, row.b} : std::array{0.01, 0.02, 0.03, 0.04};
    EXPECT_EQ((std::array{l, t, r, b}), want);
  }
}

TEST(CWndPresenterSettings, ColorNeedsOneElementVisibilityTakesAnyMask) {
  P p;
  unsigned long color = 42;
  for (unsigned bad : {0u, P::cwndFrame | P::cwndContour, 0x400u, 0x80000000u}) {
    EXPECT_FALSE(p.setColor(static_cast<P::cwndElement>(bad), 0x123456)) << bad;
    EXPECT_FALSE(p.getColor(static_cast<P::cwndElement>(bad), color)) << bad;
    EXPECT_EQ(color, 42u);
  }
  EXPECT_TRUE(p.setColor(P::cwndHatch, 0x123456));
  EXPECT_TRUE(p.getColor(P::cwndHatch, color));
  EXPECT_EQ(color, 0x123456u);

  EXPECT_TRUE(p.setVisible(static_cast<P::cwndElement>(P::cwndFrame | P::cwndContour), true));
  EXPECT_TRUE(p.getVisible(P::cwndFrame));
  EXPECT_TRUE(p.setVisible(static_cast<P::cwndElement>(P::cwndFrame | P::cwndContour), false));
  EXPECT_FALSE(p.getVisible(P::cwndFrame));
  EXPECT_FALSE(p.getVisible(P::cwndContour));
  // One shared bit is enough.
  EXPECT_TRUE(p.getVisible(static_cast<P::cwndElement>(P::cwndFrame | P::cwndAxes)));
}

TEST(CWndPresenterSettings, HatchTypeAndAngle) {
  struct TypeRow {
    int given, stored;
  } const types[] = {{6, -1}, {-5, -1}, {3, 3}, {0, 0}, {5, 5}};
  for (auto const& row : types) {
    P p;
    EXPECT_TRUE(p.setHatchType(row.given));
    EXPECT_EQ(p.getHatchType(), row.stored) << row.given;
  }
  struct AngleRow {
    double given, stored;
  } const angles[] = {{-30, 150}, {540, 0}, {180, 0}, {-180, 0}, {179.5, 179.5}, {-1e-300, 0}};
  for (auto const& row : angles) {
    P p;
    EXPECT_TRUE(p.setHatchAngle(row.given));
    EXPECT_EQ(p.getHatchAngle(), row.stored) << row.given;
    EXPECT_FALSE(std::signbit(p.getHatchAngle()));
  }
  P p;
  EXPECT_FALSE(p.setHatchAngle(kNaN));
  EXPECT_FALSE(p.setHatchAngle(-kInf));
  EXPECT_EQ(p.getHatchAngle(), 45.0);
}

TEST(CWndPresenterSettings, PrecisionsAndPathAngleKeepFiniteValues) {
  P p;
  p.setOffsetPrecision(-0.5);
  p.setAnglePrecision(0.0);
  p.setPathAnglePrecision(-15);
  EXPECT_EQ(Probe::offsetPrecision(p), 0.5);
  EXPECT_EQ(Probe::anglePrecision(p), 0.0);
  EXPECT_EQ(Probe::pathAnglePrecision(p), 15.0);
  p.setOffsetPrecision(kNaN);
  EXPECT_EQ(Probe::offsetPrecision(p), 0.5);

  p.setPathAngle(725.0);
  EXPECT_EQ(p.getPathAngle(), 725.0);  // not normalised
  p.setPathAngle(kInf);
  EXPECT_EQ(p.getPathAngle(), 725.0);
}

TEST(CWndPresenterSettings, RoundValueHalvesAwayFromZero) {
  P p;
  struct Row {
    double value, step, want;
  } const rows[] = {
      {-7.5, 5, -10}, {7.4, 5, 5}, {0, 5, 0}, {2.5, 1, 3}, {-2.5, 1, -3}, {0.26, 0.5, 0.5}, {3.3, 0, 3.3},
  };
  for (auto const& r : rows) EXPECT_DOUBLE_EQ(Probe::roundValue(p, r.value, r.step), r.want) << r.value;
}

TEST(CWndPresenterSettings, CurrentSectionMustBeAttached) {
  ZEPTCrossSection a, b;
  P p;
  EXPECT_FALSE(p.setCurrentSection(0));
  p.attachSection(&a);
  p.attachSection(&b);
  EXPECT_TRUE(p.setCurrentSection(1));
  EXPECT_FALSE(p.setCurrentSection(2));
  EXPECT_FALSE(p.setCurrentSection(~0u));
}

TEST(CWndPresenterSettings, CopyTakesSettingsNotWindowOrInteraction) {
  CWnd window(100, 100), other(100, 100);
  ZEPTCrossSection cs;
  P source;
  source.attachSection(&cs);
  source.defineWindow(&window);
  source.defineMargins(0.2, 0.3, 0.1, 0.0);
  source.setColor(P::cwndAxes, 0x010203);
  source.setVisible(P::cwndHatch, false);
  source.setHatchType(4);
  source.setPathAngle(33);
  Probe::setZoom(source, 3.0);
  Probe::setFit(source, 7.0, CPoint(5, 6));

  auto sameSettings = [&](P const& p) {
    double l, t, r, b;
    p.getMargins(l, t, r, b);
    EXPECT_EQ((std::array{l, t, r, b}), (std::array{0.2, 0.3, 0.1, 0.0}));
    unsigned long color = 0;
    p.getColor(P::cwndAxes, color);
    EXPECT_EQ(color, 0x010203u);
    EXPECT_FALSE(p.getVisible(P::cwndHatch));
    EXPECT_EQ(p.getHatchType(), 4);
    EXPECT_EQ(p.getPathAngle(), 33);
    EXPECT_EQ(p.getZoom(), 1.0);
    EXPECT_TRUE(p == source);
  };
  P copy(source);
  sameSettings(copy);
  EXPECT_EQ(Probe::scale(copy), 0.0);
  EXPECT_FALSE(copy.drawSection());  // no window
  EXPECT_EQ(window.GetPixel(0, 0), 0xFFFFFFu);

  P assigned;
  assigned.defineWindow(&other);
  Probe::setFit(assigned, 2.0, CPoint(1, 1));
  assigned = source;
  sameSettings(assigned);
  EXPECT_EQ(Probe::scale(assigned), 2.0);
  assigned.setColor(P::cwndBackground, 0x0000FF);
  assigned.drawSection();
  EXPECT_EQ(other.GetPixel(0, 0), 0x0000FFu);  // its own window
  EXPECT_EQ(window.GetPixel(0, 0), 0xFFFFFFu);

  // Settings take no part in the comparison; the attached sections do.
  P bare;
  EXPECT_TRUE(bare != source);
  bare.attachSection(&cs);
  EXPECT_TRUE(bare == source);
}

TEST(CWndPresenterMapping, FollowsScaleZoomAndCentre) {
  P p;
  Probe::setFit(p, 2.0, CPoint(100, 80));
  CPoint const px = p.PointToPixel(DtGePoint2d(10.3, -3));
  EXPECT_EQ(px.x, 121);
  EXPECT_EQ(px.y, 86);
  DtGePoint2d const back = p.PixelToPoint(CPoint(121, 86));
  EXPECT_DOUBLE_EQ(back.x, 10.5);
  EXPECT_DOUBLE_EQ(back.y, -3.0);
  EXPECT_EQ(p.DistToPixel(1.25), 3);  // 2.5 rounds up
  EXPECT_EQ(p.DistToPixel(-1.25), -2);
  EXPECT_DOUBLE_EQ(p.PixelToDist(5), 2.5);

  Probe::setZoom(p, 1.5);
  EXPECT_EQ(p.PointToPixel(DtGePoint2d(10, 10)).x, 130);
  EXPECT_DOUBLE_EQ(p.PixelToDist(6), 2.0);

  // Far or undefined points stay defined pixels.
  for (double v : {kNaN, kInf, -kInf, 1e300}) {
    CPoint const q = p.PointToPixel(DtGePoint2d(v, v));
    EXPECT_LE(std::abs(q.x), 1 << 29);
    EXPECT_LE(std::abs(q.y), 1 << 29);
  }
  Probe::setZoom(p, 0.0);  // an unusable scale maps at one pixel per unit
  EXPECT_DOUBLE_EQ(p.PixelToDist(6), 6.0);
}

TEST(CWndPresenterMapping, BeforeThePaintOnePixelPerUnitAboutTheClientMiddle) {
  CWnd window(200, 120);
  P p;
  p.defineWindow(&window);
  CPoint const px = p.PointToPixel(DtGePoint2d(10, 10));
  EXPECT_EQ(px.x, 110);
  EXPECT_EQ(px.y, 50);
  EXPECT_DOUBLE_EQ(p.PixelToPoint(CPoint(100, 60)).x, 0.0);
  EXPECT_EQ(p.DistToPixel(3.0), 3);
}

}  // namespace
