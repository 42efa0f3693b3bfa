// SPDX-License-Identifier: MIT
#include "platform/gdi/CDC.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <iterator>
#include <limits>
#include <string>

#include "platform/gdi/KeyState.h"
#include "platform/gdi/Surface.h"
#include "support/Pixels.h"
#include "support/TestTree.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

using zept::test::countPixels;
using zept::test::inkBox;

LOGFONT arial(int height, int escapement = 0) {
  LOGFONT lf{};
  lf.lfHeight = height;
  lf.lfEscapement = lf.lfOrientation = escapement;
  std::wcscpy(lf.lfFaceName, L"Arial");
  return lf;
}

TEST(CDCLines, StepOncePerMajorPixelAndLeaveOutTheEnd) {
  struct Case {
    CPoint from, to;
  };
  Case const cases[] = {{{1, 1}, {9, 1}}, {{9, 2}, {1, 2}}, {{3, 0}, {3, 9}}, {{0, 0}, {9, 9}},
                        {{0, 9}, {9, 6}}, {{2, 9}, {5, 0}}, {{8, 8}, {1, 3}}};
  for (Case const& c : cases) {
    CWnd wnd(12, 12);
    {
      CPaintDC dc(&wnd);
      CPen pen(PS_SOLID, 1, kRed);
      dc.SelectObject(&pen);
      dc.MoveTo(c.from);
      EXPECT_TRUE(dc.LineTo(c.to));
      EXPECT_EQ(dc.GetCurrentPosition(), c.to);
    }
    SCOPED_TRACE(testing::Message() << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y);
    int const dx = c.to.x - c.from.x, dy = c.to.y - c.from.y;
    int const steps = std::max(std::abs(dx), std::abs(dy));
    EXPECT_EQ(countPixels(wnd, kRed), steps);
    EXPECT_EQ(wnd.GetPixel(c.from.x, c.from.y), kRed);
    EXPECT_EQ(wnd.GetPixel(c.to.x, c.to.y), kWhite);
    // Every pixel lies within half a pixel of the exact line, across its major axis.
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x) {
        if (wnd.GetPixel(x, y) != kRed) continue;
        double const off = std::abs(dx) >= std::abs(dy)
                               ? y - (c.from.y + double(dy) * (x - c.from.x) / dx)
                               : x - (c.from.x + double(dx) * (y - c.from.y) / dy);
        EXPECT_LE(std::abs(off), 0.5) << x << "," << y;
      }
  }
}

TEST(CDCLines, FarEndsAreClippedNotWalked) {
  CWnd wnd(50, 20);
  CPaintDC dc(&wnd);
  dc.MoveTo(-2000000000, 5);
  dc.LineTo(2000000000, 5);
  dc.MoveTo(25, -2000000000);
  dc.LineTo(25, 2000000000);
  EXPECT_EQ(countPixels(wnd, 0), 50 + 20 - 1);
}

TEST(CDCShapes, RectanglesCoverTopLeftAndLeaveOutRightAndBottom) {
  CWnd wnd(10, 10);
  CPaintDC dc(&wnd);
  CPen pen(PS_SOLID, 1, kRed);
  CBrush brush(kBlue);
  CPen* oldPen = dc.SelectObject(&pen);
  CBrush* oldBrush = dc.SelectObject(&brush);
  EXPECT_TRUE(dc.Rectangle(6, 5, 2, 1));  // corners in any order
  struct Pixel {
    int x, y;
    COLORREF color;
  };
  for (Pixel p : {Pixel{2, 1, kRed}, Pixel{5, 1, kRed}, Pixel{2, 4, kRed}, Pixel{5, 4, kRed}, Pixel{3, 2, kBlue},
                  Pixel{4, 3, kBlue}, Pixel{6, 3, kWhite}, Pixel{3, 5, kWhite}, Pixel{1, 1, kWhite}})
    EXPECT_EQ(wnd.GetPixel(p.x, p.y), p.color) << p.x << "," << p.y;
  EXPECT_EQ(countPixels(wnd, kRed), 12);
  EXPECT_EQ(dc.SelectObject(oldPen), &pen);
  EXPECT_EQ(dc.SelectObject(oldBrush), &brush);

  CRect const fill(0, 6, 3, 8);
  dc.FillRect(&fill, &brush);
  EXPECT_EQ(countPixels(wnd, kBlue), 2 * 2 + 3 * 2);
  EXPECT_EQ(wnd.GetPixel(2, 7), kBlue);
  EXPECT_EQ(wnd.GetPixel(3, 7), kWhite);
  EXPECT_EQ(wnd.GetPixel(2, 8), kWhite);

  // A null pen draws no outline and makes the rectangle a pixel smaller.
  dc.SelectStockObject(NULL_PEN);
  CBrush red(kRed);
  dc.SelectObject(&red);
  dc.Rectangle(6, 6, 9, 9);
  EXPECT_EQ(wnd.GetPixel(7, 7), kRed);
  EXPECT_EQ(wnd.GetPixel(8, 7), kWhite);
  dc.SelectObject(&pen);  // a rectangle one pixel wide is its outline's line
  dc.Rectangle(0, 0, 1, 4);
  EXPECT_EQ(wnd.GetPixel(0, 3), kRed);
}

TEST(CDCShapes, ClipRegionBoundsEveryCall) {
  CWnd wnd(20, 20);
  CPaintDC dc(&wnd);
  CRgn rgn;
  ASSERT_TRUE(rgn.CreateRectRgn(15, 15, 5, 5));
  EXPECT_EQ(dc.SelectClipRgn(&rgn), SIMPLEREGION);
  rgn.DeleteObject();  // the context keeps its own copy
  CBrush brush(kBlue);
  CRect const all(0, 0, 20, 20);
  dc.FillRect(&all, &brush);
  EXPECT_EQ(countPixels(wnd, kBlue), 100);
  EXPECT_EQ(inkBox(wnd), CRect(5, 5, 15, 15));
  EXPECT_EQ(dc.SetPixel(2, 2, kRed), 0xFFFFFFFFu);
  EXPECT_EQ(dc.SelectClipRgn(nullptr), SIMPLEREGION);
  dc.MoveTo(0, 0);
  dc.LineTo(20, 0);
  EXPECT_EQ(wnd.GetPixel(0, 0), 0u);
  CRgn empty;
  empty.CreateRectRgn(30, 30, 40, 40);
  EXPECT_EQ(dc.SelectClipRgn(&empty), NULLREGION);
  CRgn uncreated;
  EXPECT_EQ(dc.SelectClipRgn(&uncreated), 0);
}

TEST(CDCShapes, ColoursReadBackThroughTheWindow) {
  CWnd wnd(4, 3);
  EXPECT_EQ(countPixels(wnd, kWhite), 12);
  CPaintDC dc(&wnd);
  for (COLORREF c : {RGB(1, 2, 3), RGB(255, 0, 128), RGB(0, 0, 0), 0xFF123456u}) {
    EXPECT_EQ(dc.SetPixel(1, 1, c), c & 0xFFFFFF);
    EXPECT_EQ(wnd.GetPixel(1, 1), c & 0xFFFFFF);
  }
  for (CPoint p : {CPoint(-1, 0), CPoint(4, 0), CPoint(0, 3), CPoint(0, -1)})
    EXPECT_EQ(wnd.GetPixel(p.x, p.y), 0xFFFFFFFFu);
  CPen bad(PS_DASH, 1, 0);
  EXPECT_EQ(bad.GetSafeHandle(), nullptr);
  EXPECT_EQ(dc.SelectObject(&bad), nullptr);
}

TEST(CDCText, ArialIsLiberationSansAndExtentsFollowTheFont) {
  EXPECT_EQ(zept::gdi::servedFamily(zept::gdi::resolveFont(arial(12))), "Liberation Sans");
  CWnd wnd(10, 10);
  CPaintDC dc(&wnd);
  CFont font;
  LOGFONT lf = arial(12);
  ASSERT_TRUE(font.CreateFontIndirect(&lf));
  dc.SelectObject(&font);
  CSize const one = dc.GetTextExtent(CString(L"Hello"));
  CSize const two = dc.GetTextExtent(CString(L"HelloHello"));
  EXPECT_EQ(one.cy, 12);
  EXPECT_GT(one.cx, 15);
  EXPECT_LT(one.cx, 40);
  EXPECT_NEAR(two.cx, 2 * one.cx, 1);
  EXPECT_EQ(dc.GetTextExtent(L"Hello", 2), dc.GetTextExtent(CString(L"He")));
  EXPECT_EQ(dc.GetTextExtent(CString()), CSize(0, 12));
  // A negative height is the em: the cell grows by the font's line spacing.
  lf.lfHeight = -100;
  CFont em;
  em.CreateFontIndirect(&lf);
  dc.SelectObject(&em);
  EXPECT_NEAR(dc.GetTextExtent(CString(L"x")).cy, 112, 1);
  EXPECT_FALSE(dc.TextOut(0, 0, nullptr, 3));
  EXPECT_FALSE(dc.TextOut(0, 0, L"abc", -1));
}

TEST(CDCText, InkLiesWhereTheEscapementTurnsTheCell) {
  // The cell's top-left corner stays at the point; the text turns about it
  // counter-clockwise as seen.
  struct Case {
    int escapement;
    CRect expected;  // relative to the point, text width w and cell height h
  };
  int const px = 100, py = 100;
  CWnd probe(1, 1);
  CPaintDC measure(&probe);
  CFont font;
  LOGFONT lf = arial(30);
  font.CreateFontIndirect(&lf);
  measure.SelectObject(&font);
  CSize const ext = measure.GetTextExtent(CString(L"HHHH"));
  int const w = ext.cx, h = ext.cy;
  Case const cases[] = {{0, {0, 0, w, h}}, {900, {0, -w, h, 0}}, {1800, {-w, -h, 0, 0}}, {2700, {-h, 0, 0, w}}};
  for (Case const& c : cases) {
    CWnd wnd(200, 200);
    CPaintDC dc(&wnd);
    LOGFONT turned = arial(30, c.escapement);
    CFont f;
    f.CreateFontIndirect(&turned);
    dc.SelectObject(&f);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(px, py, CString(L"HHHH"));
    CRect ink = inkBox(wnd);
    ink.OffsetRect(-px, -py);
    SCOPED_TRACE(c.escapement);
    EXPECT_GE(ink.left, c.expected.left - 1);
    EXPECT_GE(ink.top, c.expected.top - 1);
    EXPECT_LE(ink.right, c.expected.right + 1);
    EXPECT_LE(ink.bottom, c.expected.bottom + 1);
    // "HHHH" inks most of its advance and its cap height.
    EXPECT_GT(std::max(ink.Width(), ink.Height()), w * 8 / 10);
    EXPECT_GT(std::min(ink.Width(), ink.Height()), h / 2);
  }
}

TEST(CDCText, OpaqueModeFillsTheCell) {
  CWnd wnd(100, 40);
  CPaintDC dc(&wnd);
  dc.SetBkColor(kBlue);
  EXPECT_EQ(dc.SetBkMode(OPAQUE), OPAQUE);
  dc.TextOut(10, 10, CString(L"ii"));
  CSize const ext = dc.GetTextExtent(CString(L"ii"));
  EXPECT_EQ(inkBox(wnd), CRect(10, 10, 10 + ext.cx, 10 + ext.cy));
  EXPECT_EQ(dc.SetBkMode(7), 0);
}

TEST(GdiKeyState, ReadsWhatTheEmbedderSet) {
  for (int key : {VK_SHIFT, VK_CONTROL}) {
    zept::gdi::setKeyState(key, true);
    EXPECT_LT(GetKeyState(key), 0);
    zept::gdi::setKeyState(key, false);
    EXPECT_EQ(GetKeyState(key), 0);
  }
  zept::gdi::setKeyState(1000, true);
  EXPECT_EQ(GetKeyState(1000), 0);
  EXPECT_EQ(GetKeyState(-1), 0);
}

TEST(CWndPaint, InvalidationDecidesWhatAPaintErases) {
  struct Case {
    bool invalidate;
    CRect rect;
    bool erase;
    int white;
  };
  Case const cases[] = {{false, {}, true, 0}, {true, {-3, -3, 5, 4}, true, 20}, {true, {0, 0, 5, 5}, false, 0},
                        {true, {0, 0, 10, 10}, true, 100}};
  for (Case const& c : cases) {
    CWnd wnd(10, 10);
    CClientDC(&wnd).FillSolidRect(0, 0, 10, 10, 0);
    if (c.invalidate) wnd.InvalidateRect(&c.rect, c.erase);
    EXPECT_EQ(wnd.GetUpdateRect(nullptr), c.invalidate);
    CPaintDC dc(&wnd);
    EXPECT_EQ(countPixels(wnd, kWhite), c.white);
    EXPECT_FALSE(wnd.GetUpdateRect(nullptr));
  }
}

TEST(CDCHostile, BadArgumentsFailQuietly) {
  CPaintDC none(nullptr);
  EXPECT_FALSE(none.LineTo(5, 5));
  EXPECT_FALSE(none.Rectangle(0, 0, 5, 5));
  EXPECT_FALSE(none.TextOut(0, 0, CString(L"x")));
  EXPECT_GT(none.GetTextExtent(CString(L"x")).cx, 0);

  for (CSize size : {CSize(-5, 100000), CSize(30000, 30000)}) {
    CWnd wnd(size.cx, size.cy);
    CRect r;
    wnd.GetClientRect(&r);
    EXPECT_EQ(std::int64_t{r.Width()} * r.Height(), 0);
    EXPECT_FALSE(wnd.SaveImage(std::filesystem::temp_directory_path() / "zept_gdi_never.png"));
  }

  CWnd wnd(40, 40);
  CPaintDC dc(&wnd);
  LOGFONT lf = arial(std::numeric_limits<int>::min(), std::numeric_limits<int>::min());
  std::fill(std::begin(lf.lfFaceName), std::end(lf.lfFaceName), L',');
  CFont font;
  ASSERT_TRUE(font.CreateFontIndirect(&lf));
  dc.SelectObject(&font);
  EXPECT_LE(dc.GetTextExtent(CString(L"x")).cy, 5000);
  wchar_t const broken[] = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000), L'\n', L'b', 0};
  EXPECT_TRUE(dc.TextOut(0, 0, broken, 100));
  EXPECT_TRUE(dc.TextOut(0, 0, broken, 0));  // nothing to draw is no failure

  CPen wide(PS_SOLID, 3, kRed);
  dc.SelectObject(&wide);
  dc.MoveTo(0, 39);
  dc.LineTo(10, 39);
  EXPECT_EQ(countPixels(wnd, kRed), 11 * 2) << "a 3-pixel square per step, clipped by the bottom edge";
}

TEST(CWndSave, WritesPngPixelsAndSvgOfTheLastPaint) {
  zept::test::TempTree tree;
  auto const dir = tree.dir("out");
  CWnd wnd(64, 32);
  {
    CPaintDC dc(&wnd);
    dc.TextOut(0, 0, CString(L"first paint"));
  }
  wnd.InvalidateRect(nullptr, true);
  {
    CPaintDC dc(&wnd);  // erases: the first paint's text is gone
    EXPECT_EQ(countPixels(wnd, kWhite), 64 * 32);
    CPen pen(PS_SOLID, 1, kRed);
    dc.SelectObject(&pen);
    dc.MoveTo(0, 0);
    dc.LineTo(63, 31);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(2, 10, CString(L"A<&>\x01\xE9"));
    dc.SetPixel(5, 6, kBlue);
    // Far beyond what the vector writer's fixed point holds.
    dc.MoveTo(-2000000000, 20);
    dc.LineTo(2000000000, 21);
    dc.TextOut(2000000000, -2000000000, CString(L"far"));
  }
  ASSERT_TRUE(wnd.SaveImage(dir / "a.PNG"));
  std::string const bytes = zept::test::TempTree::read(dir / "a.PNG");
  ASSERT_GT(bytes.size(), 100u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  // IHDR: big-endian width and height.
  EXPECT_EQ(static_cast<unsigned char>(bytes[19]), 64);
  EXPECT_EQ(static_cast<unsigned char>(bytes[23]), 32);

  ASSERT_TRUE(wnd.SaveImage(dir / "a.svg"));
  std::string const svg = zept::test::TempTree::read(dir / "a.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("width=\"64"), std::string::npos);
  EXPECT_NE(svg.find("stroke=\"#ff0000\""), std::string::npos) << "the red line";
  EXPECT_NE(svg.find(">A&lt;&amp;&gt;\xEF\xBF\xBD\xC3\xA9</text>"), std::string::npos) << "the text, as XML";
  EXPECT_NE(svg.find("<rect x=\"5\" y=\"6\" width=\"1\" height=\"1\" fill=\"#0000ff\"/>"), std::string::npos);
  EXPECT_EQ(svg.find(">far</text>"), std::string::npos) << "the text far away";
  for (auto at = svg.find(" d=\""); at != std::string::npos; at = svg.find(" d=\"", at + 1)) {
    char const* p = svg.c_str() + at + 4;
    while (*p != '"') {
      char* end = nullptr;
      double const v = std::strtod(p, &end);
      if (end == p) ++p;
      else {
        EXPECT_LT(std::abs(v), 1000.0);
        p = end;
      }
    }
  }

  // A read-only picture is kept, as a read-only catalog or drawing is.
  std::filesystem::permissions(dir / "a.PNG", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_FALSE(wnd.SaveImage(dir / "a.PNG"));
  EXPECT_EQ(zept::test::TempTree::read(dir / "a.PNG"), bytes);
  EXPECT_FALSE(wnd.SaveImage(dir / "a.bmp"));
  EXPECT_FALSE(wnd.SaveImage(dir / "missing" / "a.png"));
  EXPECT_FALSE(wnd.SaveImage(dir));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2) << "no temporary file is left";
}

}  // namespace
