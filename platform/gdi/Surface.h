// SPDX-License-Identifier: MIT
// The pixels behind a CWnd and the record of the drawing calls that made
// them. Lines and rectangles are rasterised here, straight into the image's
// memory, because the window system's pixel rules (exact Bresenham steps, the
// end pixel left out) are not what an anti-aliasing engine produces; text is
// rendered by Pango. Internal to the gdi layer: the engines stay in sources.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "platform/gdi/GdiTypes.h"

struct _cairo;
struct _cairo_surface;

namespace zept::gdi {

// A LOGFONT resolved against the installed fonts: the Pango family list, the
// em size and the cell metrics in whole pixels, as the window system reports
// them (ascent + descent is the cell height).
struct Font {
  std::string family;
  double em = 0.0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int escapement = 0;  // tenths of a degree, in [0, 3600)
  int ascent = 0;
  int descent = 0;

  bool operator==(Font const&) const = default;
};

Font resolveFont(LOGFONT const& logFont);
// The family fontconfig actually serves for the font, e.g. "Liberation Sans".
std::string servedFamily(Font const& font);
// Advance width of the text and the cell height, unturned.
CSize measureText(Font const& font, std::string const& utf8);

struct TextStyle {
  COLORREF color = 0;
  bool opaque = false;
  COLORREF background = 0xFFFFFF;
};
// Writes the text with its cell's top-left corner at (x, y), turned by the
// escapement, on a Cairo context.
void drawText(_cairo* cr, Font const& font, std::string const& utf8, int x, int y, TextStyle const& style);

// One drawing call as recorded for the vector replay; rectangles are
// clipped by the clip in force, not by the record.
struct LineCall {
  int x0, y0, x1, y1;
  COLORREF color;
  int width;
};
struct FillCall {
  CRect rect;
  COLORREF color;
};
struct TextCall {
  int x, y;
  std::string utf8;
  Font font;
  TextStyle style;
};
struct ClipCall {
  bool on;
  CRect rect;
};
using Call = std::variant<LineCall, FillCall, TextCall, ClipCall>;

class Surface {
 public:
  // Larger surfaces are refused (0 x 0): 512 MB of pixels.
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 27;
  Surface(int width, int height);
  ~Surface();
  Surface(Surface const&) = delete;
  Surface& operator=(Surface const&) = delete;

  int width() const { return m_width; }
  int height() const { return m_height; }
  CRect bounds() const { return {0, 0, m_width, m_height}; }

  // 0xFFFFFFFF outside.
  COLORREF pixel(int x, int y) const;
  // The pixels, 0x00RRGGBB words (top byte unused) in rows `strideBytes`
  // apart, flushed for reading; null for a 0 x 0 surface.
  unsigned char const* data(int& strideBytes) const;
  // Both clip to `clip`, which must lie inside bounds().
  void setPixel(int x, int y, COLORREF color, CRect const& clip);
  void fill(CRect const& rect, COLORREF color, CRect const& clip);
  // From (x0, y0) up to, not including, (x1, y1); a wider pen stamps a
  // square of its width centred on each step.
  void line(int x0, int y0, int x1, int y1, COLORREF color, int width, CRect const& clip);
  void text(Font const& font, std::string const& utf8, int x, int y, TextStyle const& style, CRect const& clip);

  // The record of drawing calls. A paint starts a new one; a fill that
  // covers the whole surface makes everything before it invisible, so it is
  // dropped. Recording stops at kMaxCalls (the pixels are still drawn).
  static constexpr std::size_t kMaxCalls = 1u << 21;
  void startRecord();
  void record(Call call);
  std::vector<Call> const& calls() const { return m_calls; }

  // False, nothing written, also for a catalog's file name
  // (zept::fs::isCatalogFileName).
  bool savePng(std::filesystem::path const& path) const;
  bool saveSvg(std::filesystem::path const& path) const;

  // The window's update area.
  CRect update;
  bool eraseOnPaint = false;

 private:
  std::uint32_t* row(int y) { return m_data + static_cast<std::ptrdiff_t>(y) * m_stride; }
  void beginPixels();
  void beginCairo();

  int m_width = 0;
  int m_height = 0;
  _cairo_surface* m_image = nullptr;
  _cairo* m_cr = nullptr;  // for text, made on first use
  std::uint32_t* m_data = nullptr;
  std::ptrdiff_t m_stride = 0;  // in pixels
  mutable bool m_cairoDrew = false;  // Cairo wrote since the last direct access
  bool m_pixelsDrew = false;   // direct writes since Cairo last looked
  std::vector<Call> m_calls;
  ClipCall m_recordClip{false, {}};  // the clip in force at the record's end
};

}  // namespace zept::gdi
