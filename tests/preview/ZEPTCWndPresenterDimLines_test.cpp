// SPDX-License-Identifier: MIT
// Preview presenter: dimension lines drawn one at a time with a known fit,
// checked on the window's pixels. The lines are drawn with the context's
// default black pen; texts in the value (navy) and description (teal)
// colours, whose smoothed edges are told apart by hue.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/gdi/CDC.h"
#include "preview/ZEPTCWndPresenter.h"
#include "support/CWndPresenterProbe.h"

namespace {

using P = ZEPTCWndPresenter;
using Probe = ZEPTCWndPresenterProbe;

enum Ink { kNone, kLine, kValue, kDesc };

Ink inkOf(COLORREF c) {
  int const r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
  if (c == 0) return kLine;
  if (std::abs(r - g) < 12 && b - r > 30) return kValue;
  if (std::abs(g - b) < 12 && g - r > 30) return kDesc;
  return kNone;
}

struct Box {
  int left = 1 << 20, top = 1 << 20, right = -(1 << 20), bottom = -(1 << 20), count = 0;
  int midX() const { return (left + right) / 2; }
};

// Draws one dimension line with scale `k` about `center` and keeps the window.
struct DimScene {
  DimScene(double k, CPoint center) : window(400, 300) {
    presenter.defineWindow(&window);
    Probe::setFit(presenter, k, center);
  }
  void draw(ZEPTSectionDimLine& dimLine) {
    CPaintDC dc(&window);
    dc.SetBkMode(TRANSPARENT);
    Probe::drawDimLine(presenter, dc, dimLine);
  }
  Box boxOf(Ink ink) const {
    Box b;
    for (int y = 0; y < 300; ++y)
      for (int x = 0; x < 400; ++x)
        if (inkOf(window.GetPixel(x, y)) == ink) {
          b.left = std::min(b.left, x), b.right = std::max(b.right, x);
          b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
          ++b.count;
        }
    return b;
  }
  // Whether a black pixel lies in the rectangle (right and bottom included).
  bool lineIn(int x0, int y0, int x1, int y1) const {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        if (window.GetPixel(x, y) == 0) return true;
    return false;
  }
  CWnd window;
  P presenter;
};

TEST(CWndPresenterDimLines, LinearInsideTextsFollowDirectionAndPosition) {
  // B (0, 0) and E (100, 0) at 2 pixels per unit: (50, 150) and (250, 150);
  // length 10 puts the line 10 units below, on row 170.
  struct Row {
    int dir, pos;
    bool valueAboveOnScreen;
  } const rows[] = {{0, 0, true}, {0, 1, false}, {1, 0, false}, {1, 1, true}};
  for (auto const& r : rows) {
    DimScene s(2.0, CPoint(50, 150));
    ZEPTSectionDimLine d(0, {0, 0}, {100, 0}, 10, L"100", L"dd", r.pos, r.dir, 0);
    s.draw(d);
    EXPECT_EQ(d.getTextAlign(), 1);
    EXPECT_TRUE(s.lineIn(100, 170, 100, 170) && s.lineIn(200, 170, 200, 170));
    EXPECT_TRUE(s.lineIn(50, 160, 50, 160) && s.lineIn(250, 174, 250, 174));  // extension lines past the line
    EXPECT_FALSE(s.lineIn(50, 176, 50, 180));
    Box const value = s.boxOf(kValue), desc = s.boxOf(kDesc);
    ASSERT_GT(value.count, 0);
    ASSERT_GT(desc.count, 0);
    EXPECT_NEAR(value.midX(), 150, 3) << r.dir << r.pos;
    EXPECT_NEAR(desc.midX(), 150, 3) << r.dir << r.pos;
    if (r.valueAboveOnScreen) {
      EXPECT_TRUE(value.bottom < 170 && value.top > 170 - 16 && desc.top > 170) << r.dir << r.pos;
    } else {
      EXPECT_TRUE(value.top > 170 && value.bottom < 170 + 16 && desc.bottom < 170) << r.dir << r.pos;
    }
  }
}

TEST(CWndPresenterDimLines, AutomaticAlignmentIsWrittenBack) {
  std::wstring const wide(30, L'W');
  struct Row {
    int type;
    wchar_t const* value;
    int align;
    double length;  // afterwards
  } const rows[] = {
      {0, L"100", 1, 4}, {0, wide.c_str(), 2, 4},
      {1, L"R5", 1, 0},  // a radial line whose texts fit becomes a linear one of length 0
      {1, wide.c_str(), 2, 4},
  };
  for (auto const& r : rows) {
    DimScene s(2.0, CPoint(50, 150));
    ZEPTSectionDimLine d(r.type, {0, 0}, {100, 0}, 4, r.value, L"", 0, 0, 0);
    s.draw(d);
    EXPECT_EQ(d.getTextAlign(), r.align) << r.type;
    EXPECT_EQ(d.getLength(), r.length) << r.type;
  }
}

TEST(CWndPresenterDimLines, OutsideTextsAndArrows) {
  struct Rect {
    int x0, y0, x1, y1;
  };
  struct Row {
    char const* name;
    double k;
    CPoint center;
    ZEPTSectionDimLine line;
    std::vector<Rect> inked, blank;
    int valueLeftMin, valueRightMax;
  } const rows[] = {
      // B (50, 150), E (150, 150), the line on row 170: texts from 12 pixels
      // beyond E, the line running on under them, arrows from outside.
      {"linear beyond E", 2.0, {50, 150}, ZEPTSectionDimLine(0, {0, 0}, {50, 0}, 10, L"50", L"b", 0, 0, 3),
       {{38, 170, 40, 170}, {158, 166, 161, 168}, {39, 166, 42, 168}}, {{139, 166, 142, 168}}, 161, 400},
      // One arrow, at E; the text on a shoulder left of B.
      {"radial, length 0", 2.0, {50, 150}, ZEPTSectionDimLine(1, {0, 0}, {50, 0}, 0, L"R50", L"", 0, 0, 2),
       {{139, 146, 142, 148}, {139, 152, 142, 154}, {30, 150, 49, 150}}, {{58, 145, 62, 148}, {58, 152, 62, 155}},
       0, 51},
      // B (100, 150), E (200, 150); length -5 is 20 pixels: the leader runs
      // from 12 pixels beyond B to 12 + 20 beyond E, arrows point inwards.
      {"radial, length -5", 4.0, {100, 150}, ZEPTSectionDimLine(1, {0, 0}, {25, 0}, -5, L"R25", L"", 0, 0, 3),
       {{88, 150, 88, 150}, {231, 150, 231, 150}, {88, 145, 92, 148}, {208, 145, 212, 148}},
       {{80, 150, 87, 150}, {108, 145, 112, 148}, {188, 145, 192, 148}}, 232, 400},
  };
  for (auto const& r : rows) {
    DimScene s(r.k, r.center);
    ZEPTSectionDimLine d = r.line;
    s.draw(d);
    for (Rect const& q : r.inked) EXPECT_TRUE(s.lineIn(q.x0, q.y0, q.x1, q.y1)) << r.name << " " << q.x0;
    for (Rect const& q : r.blank) EXPECT_FALSE(s.lineIn(q.x0, q.y0, q.x1, q.y1)) << r.name << " " << q.x0;
    Box const value = s.boxOf(kValue);
    EXPECT_TRUE(value.count > 0 && value.left >= r.valueLeftMin && value.right <= r.valueRightMax) << r.name;
    EXPECT_TRUE(s.lineIn(value.midX(), value.bottom + 1, value.midX(), value.bottom + 6)) << r.name;  // under it
  }
}

}  // namespace
