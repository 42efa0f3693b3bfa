// SPDX-License-Identifier: MIT
// The pictures zeptcat render and zeptview hand out, judged as a reader
// would: for sections of the bundled catalog and a plate with a hole, turned
// and in two picture sizes, every dimension text reads upright, lies inside
// the picture and has no pixel of a line, an axis, the path arrow, a hatch or
// a point in its cell; outlines and dimension lines stay inside the picture.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <numbers>
#include <string>
#include <variant>
#include <vector>

#include "platform/core/Utf8.h"
#include "platform/gdi/Surface.h"
#include "section/ZEPTKORVAAnalyser.h"
#include "section/ZEPTMDBAnalyser.h"
#include "support/CatalogFolders.h"
#include "support/TestTree.h"
#include "tools/common/PreviewLayout.h"

using zept::test::FolderSettings;
using P = ZEPTCWndPresenter;

namespace {

std::wstring millimetres(double v) { return std::to_wstring(static_cast<int>(std::lround(v))); }

// The plate of the README: 200 x 100 with a round hole and a square island.
constexpr wchar_t kPlate[] =
    L"\"mm\" ( ( (S ( (L 0 0) (L 200 0) (L 200 100) (L 0 100) ) 2 ( (H ( (A 100 50 30 0 3.14159265)"
    L" (A 100 50 30 3.14159265 3.14159265) ) ) (S ( (L 92 42) (L 108 42) (L 108 58) (L 92 58) ) ) ) ) ) )";

struct Pixel {
  double x, y;
};

// A text's cell as drawn: its top-left corner, turned counter-clockwise as seen.
std::vector<Pixel> cell(zept::gdi::TextCall const& t) {
  double const w = zept::gdi::measureText(t.font, t.utf8).cx, h = t.font.ascent + t.font.descent;
  double const a = t.font.escapement * std::numbers::pi / 1800.0;
  Pixel const along{w * std::cos(a), -w * std::sin(a)}, down{h * std::sin(a), h * std::cos(a)};
  return {{t.x + 0.0, t.y + 0.0}, {t.x + along.x, t.y + along.y}, {t.x + along.x + down.x, t.y + along.y + down.y},
          {t.x + down.x, t.y + down.y}};
}

bool inCell(std::vector<Pixel> const& c, double x, double y) {
  bool neg = false, pos = false;
  for (std::size_t i = 0; i < c.size(); ++i) {
    Pixel const& a = c[i];
    Pixel const& b = c[(i + 1) % c.size()];
    double const cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
    neg |= cross < 0, pos |= cross > 0;
  }
  return !(neg && pos);
}

class PreviewLegibility : public testing::Test {
 protected:
  PreviewLegibility() { setCFG(&settings); }
  ~PreviewLegibility() override { setCFG(nullptr); }
  const std::wstring folder = zept::fromUtf8(ZEPT_BUNDLED_DATA_DIR "/");
  FolderSettings settings{folder, folder};
};

TEST_F(PreviewLegibility, TextsUprightUncrossedAndEverythingInsideThePicture) {
  struct Section {
    wchar_t const* name;  // catalog name, or null for the plate
    wchar_t const* dims;
    bool described;       // zeptview's H and B beside the values
  } const sections[] = {{L"IPE", L"300", false},   {L"HEB", L"300", true},           {L"CHS", L"168.3x6.3", false},
                        {L"UPN", L"200", false},   {L"L", L"100x100x10", true},      {nullptr, nullptr, false}};
#ifdef ZEPT_SANITIZED
  // Instrumented, the whole table outlasts the test's time; the memory
  // checks need only each path once.
  double const angles[] = {0, 45, 180};
  std::pair<int, int> const sizes[] = {{400, 300}};
#else
  double const angles[] = {0, 30, 45, 90, 180};
  std::pair<int, int> const sizes[] = {{400, 300}, {800, 600}};
#endif

  for (auto const& sec : sections) {
    ZEPTCrossSection cs;
    if (sec.name) {
      ZEPTMDBAnalyser analyser;
      analyser.attachSection(&cs);
      ASSERT_EQ(analyser.setDefinition(L"EURO", sec.name, sec.dims, DtDb::kMetric, nullptr), 0);
    } else {
      ZEPTKORVAAnalyser analyser;
      analyser.attachSection(&cs);
      ASSERT_EQ(analyser.setDefinition(kPlate, 0, 0, 0), 0);
    }
    auto const dims = zept::tools::extentDimensions(cs, millimetres, sec.described ? L"H" : L"",
                                                    sec.described ? L"B" : L"");
    ASSERT_EQ(dims.size(), 2u);
    for (double angle : angles)
      for (auto [width, height] : sizes) {
        std::string const what = (sec.name ? zept::toUtf8(sec.name) + " " + zept::toUtf8(sec.dims) : "plate") +
                                 " at " + std::to_string(static_cast<int>(angle)) + " degrees in " +
                                 std::to_string(width) + "x" + std::to_string(height);
        CWnd window(width, height);
        P presenter;
        presenter.attachSection(&cs);
        presenter.defineWindow(&window);
        // The plate is placed as the README places it: its middle on the axes.
        presenter.initOffset(ZEPTSectionPoint(sec.name ? DtGePoint2d() : DtGePoint2d(-100, -50)), angle);
        zept::tools::arrangeDimensions(presenter, window, cs, dims, true);

        std::vector<std::vector<Pixel>> cells;
        ASSERT_TRUE(presenter.drawSection()) << what;
        for (auto const& call : window.surface().calls())
          if (auto const* t = std::get_if<zept::gdi::TextCall>(&call)) {
            EXPECT_TRUE(t->font.escapement <= 900 || t->font.escapement > 2700)
                << what << ": \"" << t->utf8 << "\" reads at " << t->font.escapement / 10.0 << " degrees";
            cells.push_back(cell(*t));
            for (Pixel const& p : cells.back())
              EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= width && p.y <= height)
                  << what << ": \"" << t->utf8 << "\" reaches out to " << p.x << ", " << p.y;
          }
        EXPECT_EQ(cells.size(), sec.described ? 4u : 2u) << what;

        presenter.setVisible(static_cast<P::cwndElement>(0x3FF), false);
        presenter.setVisible(static_cast<P::cwndElement>(P::cwndContour | P::cwndDimLine), true);
        ASSERT_TRUE(presenter.drawSection()) << what;
        for (auto const& call : window.surface().calls()) {
          auto const* l = std::get_if<zept::gdi::LineCall>(&call);
          if (!l) continue;
          for (auto [x, y] : {std::pair{l->x0, l->y0}, std::pair{l->x1, l->y1}})
            EXPECT_TRUE(x >= 0 && y >= 0 && x < width && y < height) << what << ": a line reaches " << x << ", " << y;
        }

        // Everything else drawn by default, without the texts.
        presenter.setVisible(static_cast<P::cwndElement>(0x3FD & ~(P::cwndDimValue | P::cwndDimDesc)), true);
        ASSERT_TRUE(presenter.drawSection()) << what;
        for (std::size_t i = 0; i < cells.size(); ++i) {
          int crossing = 0;
          double x0 = width, y0 = height, x1 = 0, y1 = 0;
          for (Pixel const& p : cells[i]) x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
          for (int y = std::max(0, static_cast<int>(y0)); y < std::min(height, static_cast<int>(y1) + 1); ++y)
            for (int x = std::max(0, static_cast<int>(x0)); x < std::min(width, static_cast<int>(x1) + 1); ++x)
              crossing += inCell(cells[i], x + 0.5, y + 0.5) && window.GetPixel(x, y) != 0xFFFFFF;
          EXPECT_EQ(crossing, 0) << what << ": text " << i << " has line pixels in its cell";
        }
      }
  }
}

bool haveCommand(std::string const& name) { return std::system(("command -v " + name + " >/dev/null").c_str()) == 0; }

// Ink of the texts alone, turned and not, as the window draws it and as
// another renderer draws the SVG: the same boxes within 2 pixels.
TEST_F(PreviewLegibility, SvgTextsAreTextThatAnotherRendererPutsInTheSamePlaces) {
  if (!haveCommand("xmllint") || !haveCommand("rsvg-convert"))
    GTEST_SKIP() << "xmllint or rsvg-convert (libxml2-utils, librsvg2-bin) is not installed";
  zept::test::TempTree tree;
  ZEPTCrossSection cs;
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&cs);
  ASSERT_EQ(analyser.setDefinition(kPlate, 0, 0, 0), 0);
  auto const dims = zept::tools::extentDimensions(cs, millimetres, L"H", L"B & <W>");
  for (double angle : {0.0, 30.0, 135.0}) {
    std::string const what = "at " + std::to_string(angle);
    CWnd window(400, 300);
    P presenter;
    presenter.attachSection(&cs);
    presenter.defineWindow(&window);
    presenter.initOffset(ZEPTSectionPoint(DtGePoint2d(-100, -50)), angle);
    zept::tools::arrangeDimensions(presenter, window, cs, dims, true);
    presenter.setVisible(static_cast<P::cwndElement>(0x3FF), false);
    // Texts are drawn with their lines: lines in the background's colour leave the texts' ink alone.
    presenter.setVisible(static_cast<P::cwndElement>(P::cwndDimLine | P::cwndDimValue | P::cwndDimDesc), true);
    presenter.setColor(P::cwndDimLine, 0xFFFFFF);
    ASSERT_TRUE(presenter.drawSection());
    auto const svg = tree.path("texts.svg"), png = tree.path("texts.png");
    ASSERT_TRUE(window.SaveImage(svg));
    std::string const text = zept::test::TempTree::read(svg);
    EXPECT_NE(text.find(">B &amp; &lt;W&gt;</text>"), std::string::npos) << text;
    EXPECT_NE(text.find("font-family=\"'Liberation Sans'"), std::string::npos) << text;
    ASSERT_EQ(std::system(("xmllint --noout '" + svg.string() + "'").c_str()), 0) << text;
    ASSERT_EQ(std::system(("rsvg-convert -o '" + png.string() + "' '" + svg.string() + "'").c_str()), 0);

    cairo_surface_t* other = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(other), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(other), 400);
    unsigned char const* data = cairo_image_surface_get_data(other);
    int const stride = cairo_image_surface_get_stride(other);
    auto otherInk = [&](int x, int y) {
      auto const word = *reinterpret_cast<std::uint32_t const*>(data + y * stride + x * 4);
      // Premultiplied ARGB, seen over white.
      unsigned const clear = 255 - (word >> 24);
      return ((word >> 16) & 0xFF) + ((word >> 8) & 0xFF) + (word & 0xFF) + 3 * clear < 3 * 255 - 3 * 96;
    };
    auto ownInk = [&](int x, int y) {
      COLORREF const c = window.GetPixel(x, y);
      return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 255 - 3 * 96;
    };
    for (auto const& call : window.surface().calls()) {
      auto const* t = std::get_if<zept::gdi::TextCall>(&call);
      if (!t) continue;
      // The ink of this text alone: what lies within its cell grown by a few pixels.
      std::vector<Pixel> c = cell(*t);
      double cx = 0, cy = 0;
      for (Pixel const& p : c) cx += p.x / 4, cy += p.y / 4;
      for (Pixel& p : c) p = {cx + (p.x - cx) * 1.3, cy + (p.y - cy) * 1.3};
      auto inkBox = [&](auto ink) {
        std::array<int, 4> box{400, 300, -1, -1};
        for (int y = 0; y < 300; ++y)
          for (int x = 0; x < 400; ++x)
            if (inCell(c, x + 0.5, y + 0.5) && ink(x, y))
              box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
        return box;
      };
      auto const own = inkBox(ownInk), seen = inkBox(otherInk);
      ASSERT_GE(own[2], 0) << what << ": \"" << t->utf8 << "\" has no ink";
      for (int i = 0; i < 4; ++i) EXPECT_NEAR(seen[i], own[i], 2) << what << ": \"" << t->utf8 << "\" edge " << i;
    }
    cairo_surface_destroy(other);
  }
}

}  // namespace
