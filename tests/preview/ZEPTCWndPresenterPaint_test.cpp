// SPDX-License-Identifier: MIT
// Preview presenter: painting, checked on the window's pixels.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <numbers>

#include "platform/gdi/CDC.h"
#include "preview/ZEPTCWndPresenter.h"
#include "support/CWndPresenterProbe.h"
#include "support/Pixels.h"
#include "support/Shapes.h"

namespace {

using P = ZEPTCWndPresenter;
using Probe = ZEPTCWndPresenterProbe;
using zept::test::rectangle;
using zept::test::section;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kPurple = 0x800080;
constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kRed = 0x0000FF;

using zept::test::clientOf;
using zept::test::countPixels;

// The direction, in whole multiples of 15 degrees in pixel space (y down),
// along which pixels of `color` continue: for each such pixel, the ones 7,
// 13 and 20 pixels further in each candidate direction are looked up (three
// distances, so that a step from one line onto a neighbour does not count).
int dominantAngle(CWnd const& w, COLORREF color) {
  CRect const r = clientOf(w);
  int best = -1, bestScore = -1;
  for (int a = 0; a < 180; a += 15) {
    auto on = [&](int x, int y, double d) {
      double const t = a * std::numbers::pi / 180;
      return w.GetPixel(x + static_cast<int>(std::lround(d * std::cos(t))),
                        y + static_cast<int>(std::lround(d * std::sin(t)))) == color;
    };
    int score = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        score += w.GetPixel(x, y) == color && on(x, y, 7) && on(x, y, 13) && on(x, y, 20);
    if (score > bestScore) best = a, bestScore = score;
  }
  return best;
}

// A presenter on its own window showing one cross-section.
struct Scene {
  explicit Scene(int width = 420, int height = 320) : window(width, height) {
    presenter.attachSection(&crossSection);
    presenter.defineWindow(&window);
  }
  void only(unsigned elements) {
    presenter.setVisible(static_cast<P::cwndElement>(0x3FF), false);
    presenter.setVisible(static_cast<P::cwndElement>(elements), true);
  }
  CWnd window;
  ZEPTCrossSection crossSection;
  P presenter;
};

TEST(CWndPresenterPaint, FitsFarthestExtentIntoHalfTheAreaAboutTheOrigin) {
  Scene s;  // 420 x 320, default margins: area (42, 32)..(378, 288)
  s.crossSection.addSection(section({rectangle(-10, -5, 30, 5)}));
  ASSERT_TRUE(s.presenter.drawSection());
  EXPECT_DOUBLE_EQ(Probe::scale(s.presenter), 5.6);  // min(168 / 30, 128 / 5)
  EXPECT_EQ(Probe::center(s.presenter), CPoint(210, 160));
  // Right and left edges of the contour.
  EXPECT_EQ(s.window.GetPixel(378, 150), kBlack);
  EXPECT_EQ(s.window.GetPixel(154, 150), kBlack);

  // An offset outside the box widens it: 168 / 100.
  Probe::setPlacement(s.presenter, DtGePoint2d(100, 0), 0);
  ASSERT_TRUE(s.presenter.drawSection());
  EXPECT_DOUBLE_EQ(Probe::scale(s.presenter), 1.68);
  // The placed section now starts at 90 units right of the origin.
  EXPECT_EQ(s.window.GetPixel(210 + static_cast<int>(std::floor(90 * 1.68 + 0.5)), 158), kBlack);
}

TEST(CWndPresenterPaint, RefusedPaintsLeaveOnlyTheBackground) {
  double const nan = std::numeric_limits<double>::quiet_NaN();
  ZEPTCrossSection flat, box, empty;
  flat.addSection(section({zept::test::contour({{{0, 0}, 0}, {{10, 0}, 0}})}));  // zero height
  box.addSection(section({rectangle(-1, -1, 1, 1)}));
  struct Row {
    char const* name;
    int width;
    double margin;
    ZEPTCrossSection const* attached;
    DtGePoint2d offset;
    double alpha = 0;
  } const rows[] = {
      {"null entry", 200, 0.1, nullptr, {}},      {"zero height", 200, 0.1, &flat, {}},
      {"empty section", 200, 0.1, &empty, {}},    {"area 48 wide", 120, 0.3, &box, {}},
      {"NaN offset", 200, 0.1, &box, {nan, 0}},   {"infinite angle", 200, 0.1, &box, {}, -1 / 0.0},
  };
  for (auto const& r : rows) {
    CWnd window(r.width, 100);
    P p;
    p.defineWindow(&window);
    p.attachSection(r.attached);
    p.defineMargins(r.margin, r.margin, r.margin, r.margin);
    p.setColor(P::cwndBackground, 0x00FFFF);
    Probe::setPlacement(p, r.offset, r.alpha);
    EXPECT_FALSE(p.drawSection()) << r.name;
    EXPECT_EQ(countPixels(window, 0x00FFFF), r.width * 100) << r.name;
    EXPECT_TRUE(p.setCurrentSection(0) && !p.setCurrentSection(1));
  }
  P noWindow;
  noWindow.attachSection(&box);
  EXPECT_FALSE(noWindow.drawSection());
}

TEST(CWndPresenterPaint, HatchDirectionInPixelSpace) {
  struct Row {
    int type;
    double freeAngle;
    int pixelAngle;
  } const rows[] = {{0, 0, 0}, {1, 0, 90}, {2, 0, 45}, {3, 0, 135}, {-1, 30, 150}, {-1, 105, 75}};
  for (auto const& r : rows) {
    Scene s(200, 200);
    s.crossSection.addSection(section({rectangle(-10, -10, 10, 10)}));
    s.only(P::cwndHatch);
    s.presenter.setHatchAngle(r.freeAngle);
    s.presenter.setHatchType(r.type);
    EXPECT_EQ(dominantAngle(s.window, kGreen), r.pixelAngle) << r.type << " " << r.freeAngle;
  }
}

TEST(CWndPresenterPaint, HatchFillsMaterialNotHoles) {
  Scene s(200, 200);  // margins 0.1: 80 pixels per half extent
  // A half-disc hole over the x axis: its arc must bulge upwards on screen.
  ZEPTContour const hole = zept::test::contour({{{6, 0}, 1}, {{-6, 0}, 0}}, true);
  s.crossSection.addSection(section({rectangle(-10, -10, 10, 10), hole}));
  s.only(P::cwndHatch);
  ASSERT_TRUE(s.presenter.drawSection());
  EXPECT_DOUBLE_EQ(Probe::scale(s.presenter), 8.0);
  EXPECT_EQ(countPixels(s.window, kGreen, CRect(75, 70, 125, 98)), 0);      // the hole
  EXPECT_GT(countPixels(s.window, kGreen, CRect(70, 102, 130, 140)), 200);  // below it
  EXPECT_GT(countPixels(s.window, kGreen, CRect(22, 22, 58, 178)), 36 * 10);
  EXPECT_EQ(countPixels(s.window, kGreen, CRect(0, 0, 200, 19)), 0);        // outside

  // Zoomed in, both loops reach far past the window and are cut to it: at 80
  // pixels per unit the hole's edge crosses row 100 at x = 60.
  Probe::setZoom(s.presenter, 10.0);
  Probe::setPlacement(s.presenter, DtGePoint2d(4.5, 0), 0);
  s.crossSection.removeAllSections();
  s.crossSection.addSection(section({rectangle(-10, -10, 10, 10), zept::test::circle(0, 0, 5, true)}));
  ASSERT_TRUE(s.presenter.drawSection());
  EXPECT_GT(countPixels(s.window, kGreen, CRect(0, 90, 56, 110)), 20);
  EXPECT_EQ(countPixels(s.window, kGreen, CRect(64, 90, 200, 110)), 0);
}

TEST(CWndPresenterPaint, LockAxisMovesAxesNotSection) {
  Scene s(200, 200);
  s.crossSection.addSection(section({rectangle(-10, -10, 10, 10)}));
  s.only(P::cwndAxes | P::cwndContour);
  Probe::setPlacement(s.presenter, DtGePoint2d(5, 0), 0);
  Probe::setLockAxisOnly(s.presenter, true);
  ASSERT_TRUE(s.presenter.drawSection());
  double const k = Probe::scale(s.presenter);
  // The section stays about the centre; the y axis runs 5 units left of it.
  EXPECT_EQ(s.window.GetPixel(100 - static_cast<int>(std::lround(10 * k)), 120), kBlack);
  EXPECT_EQ(s.window.GetPixel(100 - static_cast<int>(std::lround(5 * k)), 60), kPurple);
  EXPECT_NE(s.window.GetPixel(100, 60), kPurple);

  Probe::setLockAxisOnly(s.presenter, false);
  ASSERT_TRUE(s.presenter.drawSection());
  EXPECT_EQ(s.window.GetPixel(100, 60), kPurple);
}

TEST(CWndPresenterPaint, PathArrowTurnsAndHiddenLayersAreSkipped) {
  Scene s(200, 200);
  s.crossSection.addSection(section({rectangle(-10, -10, 10, 10)}));
  s.presenter.setPathAngle(90);
  ASSERT_TRUE(s.presenter.drawSection());
  // Turned a quarter counter-clockwise: a vertical shaft across the client area.
  EXPECT_EQ(s.window.GetPixel(100, 10), kRed);
  EXPECT_EQ(s.window.GetPixel(100, 190), kRed);
  EXPECT_EQ(s.window.GetPixel(20, 60), kBlack);
  s.presenter.setVisible(static_cast<P::cwndElement>(P::cwndContour | P::cwndPath), false);
  ASSERT_TRUE(s.presenter.drawSection());
  EXPECT_EQ(countPixels(s.window, kBlack) + countPixels(s.window, kRed), 0);
}

TEST(CWndPresenterPaint, ArcsAreDrawnInStepsOfAtMostPiOver32) {
  // Counted in the window's vector record of the paint. Its writer joins
  // pieces that continue in the same direction, so the arcs are large enough
  // (pieces of 39 pixels and more) for every step to turn visibly.
  auto const file = std::filesystem::temp_directory_path() / ("zept_arc_" + std::to_string(::getpid()) + ".svg");
  // Bulges: a quarter turn as a catalog keeps it (11 digits, a hair short),
  // a clockwise quarter, a half and an eighth turn.
  for (auto [bulge, steps] : {std::pair{0.41421356237, 17}, std::pair{-std::tan(std::numbers::pi / 8), 17},
                              std::pair{1.0, 33}, std::pair{std::tan(std::numbers::pi / 32), 5}}) {
    Scene s(800, 800);
    s.presenter.defineMargins(0, 0, 0, 0);
    s.crossSection.addSection(section({zept::test::contour({{{10, 0}, bulge}, {{-10, 0}, 0}})}));
    s.only(P::cwndContour);
    ASSERT_TRUE(s.presenter.drawSection() && s.window.SaveImage(file));
    std::stringstream svg;
    svg << std::ifstream(file).rdbuf();
    std::string const text = svg.str();
    int pieces = 0;
    for (auto at = text.find(" L "); at != std::string::npos; at = text.find(" L ", at + 1)) ++pieces;
    EXPECT_EQ(pieces, steps + 1) << bulge;  // and the closing line
  }
  std::filesystem::remove(file);
}

TEST(CWndPresenterPaint, SnapPointMarkerAndFrame) {
  Scene s(200, 200);
  s.crossSection.addSection(section({rectangle(-10, -10, 10, 10)}));
  s.crossSection.addCustomPoint(ZEPTSectionPoint(DtGePoint2d(5, 5)));
  s.only(P::cwndPoint | P::cwndFrame);
  ASSERT_TRUE(s.presenter.drawSection());
  CPoint const c = s.presenter.PointToPixel(DtGePoint2d(5, 5));  // (140, 60)
  EXPECT_EQ(c, CPoint(140, 60));
  constexpr COLORREF kDarkRed = 0x000080;
  // Square (x-1..x+1) outlined, its inside white, crossed by an X.
  for (CPoint d : {CPoint(-1, -1), CPoint(1, 1), CPoint(-2, -2), CPoint(2, 2), CPoint(-2, 2), CPoint(2, -2)})
    EXPECT_EQ(s.window.GetPixel(c.x + d.x, c.y + d.y), kDarkRed) << d.x << "," << d.y;
  EXPECT_EQ(s.window.GetPixel(c.x + 3, c.y), kWhite);
  // The frame's right edge is drawn on the box's last pixel column.
  EXPECT_EQ(s.window.GetPixel(180, 140), 0x808080u);
}

}  // namespace
