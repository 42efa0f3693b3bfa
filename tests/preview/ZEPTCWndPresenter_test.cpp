// SPDX-License-Identifier: MIT
// Preview presenter: settings, copying and the pixel mapping.
#include "preview/ZEPTCWndPresenter.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "support/CWndPresenterProbe.h"

namespace {

using P = ZEPTCWndPresenter;
using Probe = ZEPTCWndPresenterProbe;
using Margins = std::array<double, 4>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

Margins marginsOf(P const& p) {
  Margins m;
  p.getMargins(m[0], m[1], m[2], m[3]);
  return m;
}

TEST(CWndPresenterSettings, MarginsAreCheckedAndReturnedLeftTopRightBottom) {
  struct Row {
    Margins given;  // left, top, right, bottom
    bool ok;
  } const rows[] = {
      {{0.5, 0.1, 0.5, 0.1}, false}, {{0.1, 0.5, 0.1, 0.5}, false}, {{0.49, 0, 0.5, 0}, true},
      {{-0.01, 0.1, 0.1, 0.1}, false}, {{kNaN, 0.1, 0.1, 0.1}, false}, {{0.1, 0.1, kInf, 0.1}, false},
      {{0.01, 0.02, 0.03, 0.04}, true},
  };
  for (auto const& r : rows) {
    P p;
    EXPECT_EQ(p.defineMargins(r.given[0], r.given[1], r.given[2], r.given[3]), r.ok) << r.given[0];
    EXPECT_EQ(marginsOf(p), r.ok ? r.given : Margins({0.1, 0.1, 0.1, 0.1}));
  }
}

// Everything but the frame is visible at first.
TEST(CWndPresenterSettings, ColorNeedsOneElementVisibilityTakesAnyMask) {
  P p;
  for (unsigned bit = 1; bit <= P::cwndPath; bit <<= 1)
    EXPECT_EQ(p.getVisible(static_cast<P::cwndElement>(bit)), bit != P::cwndFrame) << bit;
  unsigned long color = 42;
  for (unsigned bad : {0u, P::cwndFrame | P::cwndContour, 0x400u}) {
    EXPECT_FALSE(p.setColor(static_cast<P::cwndElement>(bad), 7));
    EXPECT_FALSE(p.getColor(static_cast<P::cwndElement>(bad), color));
    EXPECT_EQ(color, 42u);
  }
  EXPECT_TRUE(p.setColor(P::cwndHatch, 0x123456) && p.getColor(P::cwndHatch, color));
  EXPECT_EQ(color, 0x123456u);

  auto const both = static_cast<P::cwndElement>(P::cwndFrame | P::cwndContour);
  EXPECT_TRUE(p.setVisible(both, true));
  EXPECT_TRUE(p.getVisible(P::cwndFrame) && p.getVisible(P::cwndContour));
  EXPECT_TRUE(p.setVisible(both, false));
  EXPECT_FALSE(p.getVisible(P::cwndFrame) || p.getVisible(P::cwndContour));
  EXPECT_TRUE(p.getVisible(static_cast<P::cwndElement>(P::cwndFrame | P::cwndAxes)));  // one shared bit
}

TEST(CWndPresenterSettings, StoredHatchAndPrecisionValues) {
  for (auto [given, stored] : {std::pair{6, -1}, std::pair{-5, -1}, std::pair{3, 3}, std::pair{0, 0}}) {
    P p;
    EXPECT_TRUE(p.setHatchType(given));
    EXPECT_EQ(p.getHatchType(), stored) << given;
  }
  for (auto [given, stored] :
       {std::pair{-30.0, 150.0}, std::pair{540.0, 0.0}, std::pair{-180.0, 0.0}, std::pair{-1e-300, 0.0}}) {
    P p;
    EXPECT_TRUE(p.setHatchAngle(given));
    EXPECT_EQ(p.getHatchAngle(), stored) << given;
    EXPECT_FALSE(std::signbit(p.getHatchAngle()));
  }
  P p;
  EXPECT_FALSE(p.setHatchAngle(kNaN));
  EXPECT_EQ(p.getHatchAngle(), 45.0);
  p.setOffsetPrecision(-0.5);
  p.setAnglePrecision(kInf);
  EXPECT_EQ(Probe::offsetPrecision(p), 0.5);
  EXPECT_EQ(Probe::anglePrecision(p), 1.0);
  p.setPathAngle(725.0);
  p.setPathAngle(kNaN);
  EXPECT_EQ(p.getPathAngle(), 725.0);  // kept as given, not normalised
  // Rounding to a precision halves away from zero.
  for (auto [value, step, want] : {std::array{-7.5, 5.0, -10.0}, {7.4, 5.0, 5.0}, {0.0, 5.0, 0.0}, {2.5, 1.0, 3.0},
                                   {-2.5, 1.0, -3.0}, {3.3, 0.0, 3.3},
                                   // A step too fine for the value leaves it.
                                   {1e300, 1e-300, 1e300}, {-7.0, 4.9e-324, -7.0}})
    EXPECT_DOUBLE_EQ(Probe::roundValue(p, value, step), want) << value << " " << step;
}

// The current section must be attached.
TEST(CWndPresenterSettings, CopyTakesSettingsNotWindowFitOrZoom) {
  CWnd window(100, 100), other(100, 100);
  ZEPTCrossSection cs, second;
  P source;
  source.attachSection(&cs);
  source.attachSection(&second);
  EXPECT_TRUE(source.setCurrentSection(1) && !source.setCurrentSection(2) && source.setCurrentSection(0));
  source.defineWindow(&window);
  source.defineMargins(0.2, 0.3, 0.1, 0.0);
  source.setColor(P::cwndBackground, 0x0000FF);
  Probe::setZoom(source, 3.0);
  Probe::setFit(source, 7.0, CPoint(5, 6));

  P copy(source);
  P assigned;
  assigned.defineWindow(&other);
  Probe::setFit(assigned, 2.0, CPoint(1, 1));
  assigned = source;
  for (P* p : {&copy, &assigned}) {
    EXPECT_EQ(marginsOf(*p), (Margins{0.2, 0.3, 0.1, 0.0}));
    EXPECT_EQ(p->getZoom(), 1.0);
    EXPECT_TRUE(*p == source);
  }
  EXPECT_EQ(Probe::scale(copy), 0.0);
  EXPECT_EQ(Probe::scale(assigned), 2.0);
  EXPECT_FALSE(copy.drawSection());  // no window
  assigned.drawSection();            // its own window, in the copied colour
  EXPECT_EQ(other.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(window.GetPixel(0, 0), 0xFFFFFFu);

  P bare;  // settings take no part in the comparison; attached sections do
  EXPECT_TRUE(bare != source);
  bare.attachSection(&cs);
  bare.attachSection(&second);
  EXPECT_TRUE(bare == source);
}

TEST(CWndPresenterMapping, FollowsScaleZoomAndCentre) {
  P p;
  Probe::setFit(p, 2.0, CPoint(100, 80));
  EXPECT_EQ(p.PointToPixel(DtGePoint2d(10.3, -3)), CPoint(121, 86));
  DtGePoint2d const back = p.PixelToPoint(CPoint(121, 86));
  EXPECT_DOUBLE_EQ(back.x, 10.5);
  EXPECT_DOUBLE_EQ(back.y, -3.0);
  EXPECT_EQ(p.DistToPixel(1.25), 3);
  EXPECT_EQ(p.DistToPixel(-1.25), -2);
  Probe::setZoom(p, 1.5);
  EXPECT_DOUBLE_EQ(p.PixelToDist(6), 2.0);
  for (double v : {kNaN, kInf, -1e300}) {  // far points stay defined pixels
    CPoint const q = p.PointToPixel(DtGePoint2d(v, v));
    EXPECT_TRUE(std::abs(q.x) <= 1 << 29 && std::abs(q.y) <= 1 << 29);
  }
  Probe::setZoom(p, 0.0);  // no usable scale: one pixel per unit
  EXPECT_DOUBLE_EQ(p.PixelToDist(6), 6.0);

  CWnd window(200, 120);  // before any paint: about the client area's middle
  P fresh;
  fresh.defineWindow(&window);
  EXPECT_EQ(fresh.PointToPixel(DtGePoint2d(10, 10)), CPoint(110, 50));
}

}  // namespace
