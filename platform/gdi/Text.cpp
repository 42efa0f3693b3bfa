// SPDX-License-Identifier: MIT
// Text through Pango. Fonts are found by fontconfig; the window system's
// standard faces are asked for by their metric-compatible Liberation
// families, so "Arial" is served by Liberation Sans whatever else the
// machine has installed. Hinting is off and the font options are fixed, so
// extents and glyph placement do not depend on the desktop's settings.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <map>
#include <numbers>
#include <string_view>

#include "platform/core/Utf8.h"
#include "platform/gdi/Surface.h"

namespace zept::gdi {

namespace {

// Cells beyond this height are drawn at this height: a glyph is rasterised
// whole, and a hostile LOGFONT must not ask for gigabytes.
constexpr int kMaxCell = 4096;
// LOGFONT height 0 stands for the window system's default face size.
constexpr int kDefaultCell = 16;

struct Ratios {
  double ascent;  // per pixel of em
  double descent;
};

// One Pango context per thread: Pango's font maps are not shared between
// threads.
struct Engine {
  PangoContext* context = nullptr;
  PangoLayout* layout = nullptr;
  std::map<std::string, Ratios> ratios;

  Engine() {
    context = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_context_set_language(context, pango_language_from_string("en"));
    layout = pango_layout_new(context);
    // Line breaks are drawn as characters, as TextOut does.
    pango_layout_set_single_paragraph_mode(layout, TRUE);
  }
  ~Engine() {
    g_object_unref(layout);
    g_object_unref(context);
  }
  Engine(Engine const&) = delete;
  Engine& operator=(Engine const&) = delete;
};

Engine& engine() {
  thread_local Engine e;
  return e;
}

PangoFontDescription* describe(Font const& font, double em) {
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, font.family.c_str());
  pango_font_description_set_absolute_size(d, em * PANGO_SCALE);
  pango_font_description_set_weight(d, static_cast<PangoWeight>(font.weight));
  pango_font_description_set_style(d, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return d;
}

Ratios ratiosOf(Font const& font) {
  Engine& e = engine();
  auto const found = e.ratios.find(font.family);
  if (found != e.ratios.end()) return found->second;
  constexpr double kProbe = 1000.0;
  PangoFontDescription* d = describe(font, kProbe);
  PangoFontMetrics* m = pango_context_get_metrics(e.context, d, nullptr);
  Ratios r{pango_font_metrics_get_ascent(m) / (kProbe * PANGO_SCALE),
           pango_font_metrics_get_descent(m) / (kProbe * PANGO_SCALE)};
  pango_font_metrics_unref(m);
  pango_font_description_free(d);
  if (!(r.ascent > 0.0) || !(r.descent >= 0.0)) r = {0.905, 0.212};  // Liberation Sans
  // Face names come from callers: keep the cache small.
  if (e.ratios.size() >= 64) e.ratios.clear();
  e.ratios.emplace(font.family, r);
  return r;
}

std::string lower(std::wstring_view s) {
  std::wstring w(s);
  for (wchar_t& c : w) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return toUtf8(w);
}

std::string familyFor(wchar_t const* face) {
  std::wstring_view name(face, std::wcslen(face));
  while (!name.empty() && name.front() == L' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == L' ') name.remove_suffix(1);
  std::string const key = lower(name);
  if (key.empty() || key == "arial" || key == "helvetica" || key == "ms sans serif" || key == "ms shell dlg" ||
      key == "ms shell dlg 2" || key == "system" || key == "liberation sans")
    return "Liberation Sans";
  if (key == "times new roman" || key == "times" || key == "ms serif" || key == "liberation serif")
    return "Liberation Serif";
  if (key == "courier new" || key == "courier" || key == "liberation mono") return "Liberation Mono";
  // Any other face first, Liberation Sans where it is missing. Commas would
  // split the family list, control characters mean nothing to fontconfig.
  std::wstring clean;
  for (wchar_t c : name)
    if (c != L',' && c >= 0x20) clean += c;
  return clean.empty() ? "Liberation Sans" : toUtf8(clean) + ",Liberation Sans";
}

void setUp(PangoLayout* layout, Font const& font, std::string const& utf8) {
  PangoFontDescription* d = describe(font, font.em);
  pango_layout_set_font_description(layout, d);
  pango_font_description_free(d);
  PangoAttrList* attrs = pango_attr_list_new();
  if (font.underline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font.strikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
  pango_layout_set_attributes(layout, attrs);
  pango_attr_list_unref(attrs);
  pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
}

}  // namespace

Font resolveFont(LOGFONT const& lf) {
  Font f;
  wchar_t face[LF_FACESIZE + 1] = {};
  std::copy_n(lf.lfFaceName, LF_FACESIZE, face);
  f.family = familyFor(face);
  f.weight = lf.lfWeight <= 0 ? 400 : std::clamp(lf.lfWeight, 100, 1000);
  f.italic = lf.lfItalic != 0;
  f.underline = lf.lfUnderline != 0;
  f.strikeOut = lf.lfStrikeOut != 0;
  f.escapement = lf.lfEscapement % 3600;
  if (f.escapement < 0) f.escapement += 3600;
  Ratios const r = ratiosOf(f);
  // A positive height is the cell, a negative one the em; the window system
  // rounds ascent and descent to whole pixels.
  long long const h = lf.lfHeight;
  if (h >= 0) {
    int const cell = h == 0 ? kDefaultCell : static_cast<int>(std::min<long long>(h, kMaxCell));
    f.em = cell / (r.ascent + r.descent);
    f.ascent = std::min(cell, static_cast<int>(std::lround(r.ascent * f.em)));
    f.descent = cell - f.ascent;
  } else {
    f.em = static_cast<double>(std::min<long long>(-h, kMaxCell));
    f.ascent = static_cast<int>(std::lround(r.ascent * f.em));
    f.descent = static_cast<int>(std::lround(r.descent * f.em));
  }
  return f;
}

std::string servedFamily(Font const& font) {
  Engine& e = engine();
  PangoFontDescription* d = describe(font, font.em);
  std::string family;
  if (PangoFont* loaded = pango_context_load_font(e.context, d)) {
    PangoFontDescription* got = pango_font_describe(loaded);
    if (char const* name = pango_font_description_get_family(got)) family = name;
    pango_font_description_free(got);
    g_object_unref(loaded);
  }
  pango_font_description_free(d);
  return family;
}

CSize measureText(Font const& font, std::string const& utf8) {
  int width = 0;
  if (!utf8.empty()) {
    PangoLayout* layout = engine().layout;
    setUp(layout, font, utf8);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    width = static_cast<int>(std::lround(static_cast<double>(logical.width) / PANGO_SCALE));
  }
  return {width, font.ascent + font.descent};
}

void drawText(cairo_t* cr, Font const& font, std::string const& utf8, int x, int y, TextStyle const& style) {
  if (utf8.empty()) return;
  PangoLayout* layout = engine().layout;
  setUp(layout, font, utf8);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  // Counter-clockwise as seen: the pixel y axis points down.
  cairo_rotate(cr, -font.escapement * std::numbers::pi / 1800.0);
  if (style.opaque) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, GetRValue(style.background) / 255.0, GetGValue(style.background) / 255.0,
                         GetBValue(style.background) / 255.0);
    cairo_rectangle(cr, 0, 0, std::lround(static_cast<double>(logical.width) / PANGO_SCALE),
                    font.ascent + font.descent);
    cairo_fill(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
  }
  cairo_set_source_rgb(cr, GetRValue(style.color) / 255.0, GetGValue(style.color) / 255.0,
                       GetBValue(style.color) / 255.0);
  // The baseline sits a whole number of pixels (the ascent) below the cell's top.
  double const baseline = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
  cairo_move_to(cr, 0.0, font.ascent - baseline);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
}

}  // namespace zept::gdi

// Fontconfig keeps caches it never frees; under LeakSanitizer every program
// that writes text would fail on them. Weak, so a program's own list wins;
// visible, so the sanitizer runtime finds it in a library built hidden.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEPT_GDI_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(ZEPT_GDI_ASAN)
extern "C" __attribute__((weak, visibility("default"))) char const* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif
