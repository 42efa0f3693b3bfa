// SPDX-License-Identifier: MIT
// The preview's paint of a hatched, dimensioned IPE 300 in an 800 x 600
// window against raw Cairo and Pango drawing the same primitives in the same
// run: the paint's own record of line pieces, fills and texts, replayed
// straight onto an image surface of the same size (consecutive connected
// pieces of one colour as one polyline, each colour run stroked once).
// The paint computes everything from the model each time (placement, hatch,
// arc steps, dimension layout) and rasterises lines itself, so the ratio
// says what that costs over the bare drawing. Medians of CPU time over
// repetitions, since the machine is shared.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <variant>
#include <vector>

#include "BenchSupport.h"
#include "platform/gdi/CWnd.h"
#include "platform/gdi/Surface.h"
#include "platform/host/DtDbPolyline.h"
#include "preview/ZEPTCWndPresenter.h"

namespace {

constexpr int kRepetitions = 15;

// IPE 300: h 300, b 150, web 7.1, flange 10.7, root radius 15, origin in the
// middle; the four fillets are clockwise quarter arcs.
ZEPTCrossSection ipe300() {
  double const h = 150, b = 75, t = 3.55, f = 139.3, r = 15, q = -std::tan(M_PI / 8);
  DtDbPolyline p;
  DtGePoint2d const v[] = {{-b, -h},       {b, -h},      {b, -f},         {t + r, -f}, {t, -f + r},   {t, f - r},
                           {t + r, f},     {b, f},       {b, h},          {-b, h},     {-b, f},       {-t - r, f},
                           {-t, f - r},    {-t, -f + r}, {-t - r, -f},    {-b, -f}};
  double const bulge[] = {0, 0, 0, q, 0, q, 0, 0, 0, 0, 0, q, 0, q, 0, 0};
  for (int i = 0; i < 16; ++i) p.addVertexAt(i, v[i], bulge[i], -1, -1);
  ZEPTContour contour(false);
  contour.setPolyline(&p);
  ZEPTSection section(false);
  section.addContour(contour);
  ZEPTCrossSection cs;
  cs.addSection(section);
  cs.addDimLine(ZEPTSectionDimLine(0, {-b, -h}, {-b, h}, -25, L"300", L""));
  cs.addDimLine(ZEPTSectionDimLine(0, {-b, -h}, {b, -h}, 25, L"150", L""));
  return cs;
}

struct Preview {
  Preview() {
    presenter.attachSection(&cs);
    presenter.defineWindow(&window);
    presenter.setHatchType(2);
  }
  ZEPTCrossSection cs = ipe300();
  CWnd window{800, 600};
  ZEPTCWndPresenter presenter;
};

void BM_DrawSectionIpe300(benchmark::State& state) {
  Preview preview;
  for (auto _ : state) benchmark::DoNotOptimize(preview.presenter.drawSection());
}
BENCHMARK(BM_DrawSectionIpe300)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);

void source(cairo_t* cr, COLORREF c) {
  cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

void replay(cairo_t* cr, std::vector<zept::gdi::Call> const& calls) {
  using namespace zept::gdi;
  bool open = false;  // a path of the current colour waits to be stroked
  COLORREF color = 0;
  int lastX = 0, lastY = 0;
  auto stroke = [&] {
    if (open) cairo_stroke(cr);
    open = false;
  };
  for (auto const& call : calls) {
    if (auto const* l = std::get_if<LineCall>(&call)) {
      bool const fresh = !open || l->color != color;
      if (fresh) {
        stroke();
        color = l->color;
        source(cr, color);
        open = true;
      }
      if (fresh || l->x0 != lastX || l->y0 != lastY) cairo_move_to(cr, l->x0 + 0.5, l->y0 + 0.5);
      cairo_line_to(cr, l->x1 + 0.5, l->y1 + 0.5);
      lastX = l->x1;
      lastY = l->y1;
      continue;
    }
    stroke();
    if (auto const* fill = std::get_if<FillCall>(&call)) {
      source(cr, fill->color);
      cairo_rectangle(cr, fill->rect.left, fill->rect.top, fill->rect.Width(), fill->rect.Height());
      cairo_fill(cr);
    } else if (auto const* text = std::get_if<TextCall>(&call)) {
      PangoLayout* layout = pango_cairo_create_layout(cr);
      PangoFontDescription* font = pango_font_description_from_string(text->font.family.c_str());
      pango_font_description_set_absolute_size(font, text->font.em * PANGO_SCALE);
      pango_layout_set_font_description(layout, font);
      pango_layout_set_text(layout, text->utf8.c_str(), -1);
      cairo_save(cr);
      cairo_translate(cr, text->x, text->y);
      cairo_rotate(cr, -text->font.escapement * M_PI / 1800.0);
      source(cr, text->style.color);
      cairo_move_to(cr, 0, 0);
      pango_cairo_show_layout(cr, layout);
      cairo_restore(cr);
      pango_font_description_free(font);
      g_object_unref(layout);
    } else if (auto const* clip = std::get_if<ClipCall>(&call)) {
      cairo_reset_clip(cr);
      if (clip->on) {
        cairo_rectangle(cr, clip->rect.left, clip->rect.top, clip->rect.Width(), clip->rect.Height());
        cairo_clip(cr);
      }
    }
  }
  stroke();
}

void BM_RawCairoIpe300(benchmark::State& state) {
  Preview preview;
  preview.presenter.drawSection();
  std::vector<zept::gdi::Call> const calls = preview.window.surface().calls();
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
  cairo_t* cr = cairo_create(image);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_width(cr, 1.0);
  for (auto _ : state) {
    replay(cr, calls);
    cairo_surface_flush(image);
  }
  state.counters["calls"] = static_cast<double>(calls.size());
  cairo_destroy(cr);
  cairo_surface_destroy(image);
}
BENCHMARK(BM_RawCairoIpe300)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);

const bool declared = [] {
  zept::bench::declareRatio("drawSection IPE 300 hatched, dimensioned, 800x600 / raw Cairo", "BM_DrawSectionIpe300",
                            "BM_RawCairoIpe300");
  return true;
}();

}  // namespace
