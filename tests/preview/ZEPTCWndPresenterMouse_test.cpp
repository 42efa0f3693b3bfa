// SPDX-License-Identifier: MIT
// Mouse placement in the preview, driven through the window's messages as a
// window procedure forwards them. The section is the rectangle (-4, -2) to
// (4, 2) in a 400 x 400 window: the fit gives 40 pixels a unit and puts the
// axes' origin at pixel (200, 200).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "preview/ZEPTCWndPresenter.h"
#include "support/Shapes.h"

using namespace zept::test;

namespace {

// One message: L/l left down/up, R/r right down/up, M move.
struct Msg {
  char kind;
  int x, y;
  unsigned flags = 0;
};

using Label = ZEPTSectionPoint::eOffsetLabel;

// A painted preview of the rectangle, its placement in the cross-section.
struct Scene {
  Scene() {
    cs.addSection(section({rectangle(-4, -2, 4, 2)}));
    presenter.attachSection(&cs);
    presenter.defineWindow(&window);
    EXPECT_TRUE(presenter.drawSection());
  }

  // The result of the last message that has one.
  bool send(std::vector<Msg> const& msgs) {
    bool result = false;
    for (auto const& m : msgs) {
      CPoint const p(m.x, m.y);
      switch (m.kind) {
        case 'L': presenter.OnLButtonDown(m.flags, p); break;
        case 'l': result = presenter.OnLButtonUp(m.flags, p); break;
        case 'R': presenter.OnRButtonDown(m.flags, p); break;
        case 'r': result = presenter.OnRButtonUp(m.flags, p); break;
        case 'M': result = presenter.OnMouseMove(m.flags, p); break;
      }
    }
    return result;
  }

  // The placement as the model holds it.
  DtGePoint2d offset() const {
    if (auto const* p = presenter.offsetPoint()) return p->getPoint();
    return cs.getOffset();
  }
  double alpha() const { return presenter.offsetAngle() ? *presenter.offsetAngle() : cs.getAlpha(); }

  CWnd window{400, 400};
  ZEPTCrossSection cs;
  ZEPTCWndPresenter presenter;
};

class PresenterMouse : public ::testing::Test, public Scene {};

struct Session {
  char const* name;
  std::function<void(ZEPTCWndPresenter&, ZEPTCrossSection&)> setup;
  std::vector<Msg> msgs;
  DtGePoint2d offset;
  double tol;
  Label dx, dy;  // the base point's labels afterwards
  double alpha, pathAngle;
};

void basePoint(ZEPTCWndPresenter& p, DtGePoint2d at, Label dx, Label dy, double angle = 0) {
  p.initOffset(ZEPTSectionPoint(at, dx, dy), angle);
}

TEST(PresenterMouseSessions, EndWithThePlacementInTheModel) {
  constexpr Label F = ZEPTSectionPoint::eFree, Max = ZEPTSectionPoint::eMax;
  const Session sessions[] = {
      // Corner (4, 2) drawn at pixel (120, 40) with angle 90: it goes onto the
      // origin, -(4, 2) turned by 90, and the corner's labels are taken over.
      {"click on a snap point", [](auto& p, auto&) { basePoint(p, {0, 0}, F, F, 90); },
       {{'L', 120, 40}, {'l', 120, 40}}, {2, -4}, 1e-12, Max, Max, 90, 0},
      // The snapped offset stays exact through a rotation about the axes'
      // origin, whatever the precision.
      {"rotation after snapping",
       [](auto& p, auto&) {
         basePoint(p, {0, 0}, F, F, 90);
         p.setOffsetPrecision(5);
         p.setAlternateRotation(true);
       },
       {{'L', 120, 40}, {'l', 120, 40}, {'R', 300, 200}, {'r', 200, 300}}, {-4, -2}, 1e-7, Max, Max, 0, 0},
      // Out 3 pixels and back is a drag: no snapping onto the origin drawn at
      // (256, 148), labels cleared, the offset rounded to the precision.
      {"drag back to the press point", [](auto& p, auto&) { basePoint(p, {1.4, 1.3}, F, Max); },
       {{'L', 256, 148}, {'M', 259, 148}, {'M', 256, 148}, {'l', 256, 148}}, {1, 1}, 1e-12, F, F, 0, 0},
      {"click beside every snap point", [](auto& p, auto&) { basePoint(p, {1.4, 1.3}, F, Max); },
       {{'L', 230, 230}, {'l', 230, 230}}, {1, 1}, 1e-12, F, Max, 0, 0},
      // Locked axes follow the mouse: 10 pixels right move the offset left.
      {"locked axes", [](auto& p, auto&) { p.setLockAxis(true); }, {{'L', 200, 200}, {'M', 210, 200}},
       {-0.25, 0}, 1e-12, F, F, 0, 0},
      // From the screen's +x to its +y axis is clockwise as seen: -90.
      {"right drag a quarter turn", nullptr, {{'R', 300, 200}, {'M', 200, 300}}, {0, 0}, 1e-12, F, F, 270, 0},
      {"right release a quarter turn", nullptr, {{'R', 300, 200}, {'M', 250, 250}, {'r', 200, 300}}, {0, 0}, 1e-12, F,
       F, 270, 0},
      // atan2(60, 80) = 36.87 degrees, stored as 30; the offset turns by 30.
      {"rounded rotation about the axes' origin",
       [](auto& p, auto& cs) {
         cs.setOffset({2, 0});
         p.setAnglePrecision(15);
         p.setOffsetPrecision(1e-3);
         p.setAlternateRotation(true);
       },
       {{'R', 300, 200}, {'r', 280, 140}}, {std::sqrt(3.0), 1}, 1e-3, F, F, 30, 0},
      // Control swaps the pivot: this one turns about the section's origin.
      {"control turns about the section", [](auto& p, auto& cs) {
         cs.setOffset({1, 0});
         p.setAlternateRotation(true);
       },
       {{'R', 340, 200, MK_CONTROL}, {'r', 240, 100, MK_CONTROL}}, {1, 0}, 1e-12, F, F, 90, 0},
      {"shift turns the path arrow only", nullptr, {{'R', 300, 200, MK_SHIFT}, {'r', 200, 300}}, {0, 0}, 1e-12, F, F,
       0, 270},
      {"path angle rounds over 360", [](auto& p, auto&) { p.setPathAngle(359.6); },
       {{'R', 300, 200, MK_SHIFT}, {'r', 300, 200}}, {0, 0}, 1e-12, F, F, 0, 0},
  };
  for (auto const& s : sessions) {
    SCOPED_TRACE(s.name);
    Scene scene;
    if (s.setup) s.setup(scene.presenter, scene.cs);
    scene.presenter.drawSection();
    EXPECT_TRUE(scene.send(s.msgs));
    EXPECT_NEAR(scene.offset().x, s.offset.x, s.tol);
    EXPECT_NEAR(scene.offset().y, s.offset.y, s.tol);
    if (auto const* p = scene.presenter.offsetPoint()) {
      EXPECT_EQ(p->getDxLabel(), s.dx);
      EXPECT_EQ(p->getDyLabel(), s.dy);
    }
    EXPECT_NEAR(scene.alpha(), s.alpha, 1e-9);
    EXPECT_NEAR(scene.presenter.getPathAngle(), s.pathAngle, 1e-9);
  }
}

TEST_F(PresenterMouse, WheelScalesTheZoom) {
  const struct {
    short delta;
    double factor;
  } notches[] = {{120, 1.1}, {-120, 1 / 1.1}, {240, 2.2}, {0, 1}};
  for (auto const& n : notches) {
    double const before = presenter.getZoom();
    presenter.OnMouseWheel(0, n.delta, CPoint(200, 200));
    EXPECT_NEAR(presenter.getZoom() / before, n.factor, 1e-12) << n.delta;
  }
}

TEST_F(PresenterMouse, LockAxisRepaintsOnlyOnChange) {
  presenter.setColor(ZEPTCWndPresenter::cwndBackground, RGB(255, 0, 0));
  presenter.setLockAxis(false);
  EXPECT_EQ(window.GetPixel(0, 0), RGB(255, 255, 255));
  presenter.setLockAxis(true);
  EXPECT_EQ(window.GetPixel(0, 0), RGB(255, 0, 0));
}

// Positions no window reports (a caller's made-up ones) and precisions too
// fine for the values still end every session with a finite placement.
TEST_F(PresenterMouse, ExtremeInputKeepsThePlacementFinite) {
  int const hi = std::numeric_limits<int>::max(), lo = std::numeric_limits<int>::min();
  double const tiny = std::numeric_limits<double>::denorm_min();
  struct Case {
    char const* name;
    double precision;
    std::vector<Msg> msgs;
  };
  Case const cases[] = {
      {"left drag across the int range", 1, {{'L', lo, lo}, {'M', hi, hi}, {'M', lo, 0}, {'l', hi, lo}}},
      {"left click at the int range's end", 1, {{'L', hi, hi}, {'l', lo, lo}}},
      {"right drag across the int range", 1, {{'R', lo, lo}, {'M', hi, hi}, {'r', lo, hi}}},
      {"path drag across the int range", 1, {{'R', hi, hi, MK_SHIFT}, {'M', lo, lo}, {'r', hi, lo}}},
      {"drags rounded to the finest step", tiny,
       {{'L', 10, 10}, {'M', 300, 300}, {'l', 301, 301}, {'R', 10, 10}, {'M', 300, 30}, {'r', 30, 300}}},
  };
  for (auto const& c : cases) {
    cs.setOffset({1e300, -1e300});
    presenter.setOffsetPrecision(c.precision);
    presenter.setAnglePrecision(c.precision);
    EXPECT_TRUE(send(c.msgs)) << c.name;
    EXPECT_TRUE(std::isfinite(offset().x) && std::isfinite(offset().y) && std::isfinite(alpha())) << c.name;
  }
}

// Each drag step scales with the picture, which shrinks as the offset grows.
TEST_F(PresenterMouse, RepeatedDragsKeepTheSectionWithinAHundredTimesItsReach) {
  for (int i = 0; i < 20; ++i) send({{'L', 5, 200}, {'M', 395, 200}, {'l', 395, 200}});
  EXPECT_NEAR(offset().x, 400, 1e-9);
  EXPECT_EQ(offset().y, 0);
}

TEST_F(PresenterMouse, BadInputChangesNothing) {
  double const nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  ASSERT_TRUE(presenter.initOffset(ZEPTSectionPoint({1, 1}), 10));
  EXPECT_FALSE(presenter.initOffset(ZEPTSectionPoint({nan, 0}), 0));
  EXPECT_FALSE(presenter.initOffset(ZEPTSectionPoint({0, 0}), inf));
  ZEPTSectionPoint const far({inf, 0});
  double const angle = 20;
  EXPECT_FALSE(presenter.setOffset(&far, &angle));
  EXPECT_FALSE(presenter.setOffset(nullptr, &nan));
  EXPECT_EQ(offset(), DtGePoint2d(1, 1));
  EXPECT_EQ(alpha(), 10);

  // Releases and moves without a press; every message without a window or
  // with a null current section.
  for (char kind : {'l', 'r', 'M'}) EXPECT_FALSE(send({{kind, 10, 10}})) << kind;
  ZEPTCWndPresenter noWindow;
  noWindow.attachSection(&cs);
  ZEPTCWndPresenter nullSection;
  nullSection.attachSection(nullptr);
  nullSection.defineWindow(&window);
  for (ZEPTCWndPresenter* p : {&noWindow, &nullSection}) {
    p->OnLButtonDown(0, CPoint(200, 200));
    p->OnRButtonDown(MK_SHIFT, CPoint(200, 200));
    p->OnMouseWheel(0, 120, CPoint(200, 200));
    EXPECT_FALSE(p->OnMouseMove(0, CPoint(250, 250)));
    EXPECT_FALSE(p->OnLButtonUp(0, CPoint(250, 250)));
    EXPECT_FALSE(p->OnRButtonUp(0, CPoint(250, 250)));
    EXPECT_FALSE(p->isLeftPressed() || p->isRightPressed());
    EXPECT_EQ(p->getZoom(), 1.0);
  }
  EXPECT_EQ(cs.getOffset(), DtGePoint2d(0, 0));
}

}  // namespace
