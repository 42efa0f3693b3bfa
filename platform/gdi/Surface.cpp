// SPDX-License-Identifier: MIT
// The Surface: a Cairo image whose lines and rectangles are set pixel by
// pixel, text handed to Text.cpp, and the recorded calls saved as SVG
// beside the pixels as PNG, both written through TempFile.
#include "platform/gdi/Surface.h"

#include <cairo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <system_error>

#include "platform/core/Utf8.h"
#include "platform/fs/TempFile.h"

namespace zept::gdi {

namespace {

// Cairo's RGB24 pixel is 0x00RRGGBB in a native word; COLORREF swaps red and blue.
std::uint32_t toPixel(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
COLORREF fromPixel(std::uint32_t p) { return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF); }

cairo_status_t writeToFile(void* closure, unsigned char const* data, unsigned int length) {
  return std::fwrite(data, 1, length, static_cast<std::FILE*>(closure)) == length ? CAIRO_STATUS_SUCCESS
                                                                                  : CAIRO_STATUS_WRITE_ERROR;
}

// Writes through `produce` into a temporary file beside `path` and renames it
// into place only when everything was written.
bool writeAtomically(std::filesystem::path const& path, std::function<bool(std::FILE*)> const& produce) {
  if (path.empty() || !path.has_filename() || zept::fs::isCatalogFileName(path.filename().string())) return false;
  const std::optional<std::string> target = zept::fs::savedFilePath(path.string(), true);
  if (!target) return false;
  const std::filesystem::path saved(*target);
  // A read-only file is kept, as the catalogs and drawings keep theirs.
  if (struct stat st {}; ::stat(saved.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0) return false;
  std::filesystem::path const dir = saved.has_parent_path() ? saved.parent_path() : std::filesystem::path(".");
  // An image is for others to see: made with the mode the umask gives.
  return zept::fs::writeWhole(dir.string(), *target, true, produce);
}

// Cairo computes in 24.8 fixed point: coordinates beyond this would wrap.
// Nothing this far out can reach a window, so it is cut off first.
constexpr int kFar = 1 << 20;
bool near(int v) { return v > -kFar && v < kFar; }

// Liang-Barsky: false when nothing of the segment lies in `box`.
bool clipSegment(double& x0, double& y0, double& x1, double& y1, CRect const& box) {
  double const dx = x1 - x0, dy = y1 - y0;
  double t0 = 0.0, t1 = 1.0;
  double const p[4] = {-dx, dx, -dy, dy};
  double const q[4] = {x0 - box.left, box.right - x0, y0 - box.top, box.bottom - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    double const t = q[i] / p[i];
    if (p[i] < 0.0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  double const sx = x0, sy = y0;
  x0 = sx + t0 * dx;
  y0 = sy + t0 * dy;
  x1 = sx + t1 * dx;
  y1 = sy + t1 * dy;
  return true;
}

}  // namespace

Surface::Surface(int width, int height) {
  width = std::clamp(width, 0, 32767);
  height = std::clamp(height, 0, 32767);
  if (std::int64_t{width} * height > kMaxPixels) width = height = 0;
  m_image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  if (cairo_surface_status(m_image) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(m_image);
    m_image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 0, 0);
    width = height = 0;
  }
  m_width = width;
  m_height = height;
  m_data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(m_image));
  m_stride = cairo_image_surface_get_stride(m_image) / 4;
  m_pixelsDrew = true;
  fill(bounds(), RGB(255, 255, 255), bounds());
}

Surface::~Surface() {
  if (m_cr) cairo_destroy(m_cr);
  cairo_surface_destroy(m_image);
}

void Surface::beginPixels() {
  if (m_cairoDrew) {
    cairo_surface_flush(m_image);
    m_cairoDrew = false;
  }
  m_pixelsDrew = true;
}

void Surface::beginCairo() {
  if (m_pixelsDrew) {
    cairo_surface_mark_dirty(m_image);
    m_pixelsDrew = false;
  }
  if (!m_cr) m_cr = cairo_create(m_image);
}

COLORREF Surface::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0xFFFFFFFF;
  if (m_cairoDrew) {
    cairo_surface_flush(m_image);
    m_cairoDrew = false;
  }
  return fromPixel(m_data[static_cast<std::ptrdiff_t>(y) * m_stride + x]);
}

unsigned char const* Surface::data(int& strideBytes) const {
  strideBytes = static_cast<int>(m_stride * sizeof(std::uint32_t));
  if (m_width == 0 || m_height == 0) return nullptr;
  if (m_cairoDrew) {
    cairo_surface_flush(m_image);
    m_cairoDrew = false;
  }
  return reinterpret_cast<unsigned char const*>(m_data);
}

void Surface::setPixel(int x, int y, COLORREF color, CRect const& clip) {
  if (!clip.PtInRect(CPoint(x, y))) return;
  beginPixels();
  row(y)[x] = toPixel(color);
}

void Surface::fill(CRect const& rect, COLORREF color, CRect const& clip) {
  CRect r;
  if (!r.IntersectRect(&rect, &clip)) return;
  beginPixels();
  std::uint32_t const px = toPixel(color);
  // One row is filled and copied into the others: memcpy moves whole vector
  // registers, where the element loop is left scalar at -O2 (the background
  // fill took 60 % of a preview paint).
  std::uint32_t* const first = row(r.top) + r.left;
  std::fill_n(first, r.Width(), px);
  for (int y = r.top + 1; y < r.bottom; ++y) std::memcpy(row(y) + r.left, first, r.Width() * sizeof px);
}

void Surface::line(int x0, int y0, int x1, int y1, COLORREF color, int width, CRect const& clip) {
  using i64 = std::int64_t;
  i64 const dx = i64{x1} - x0;
  i64 const dy = i64{y1} - y0;
  if ((dx == 0 && dy == 0) || clip.IsRectEmpty()) return;
  beginPixels();
  std::uint32_t const px = toPixel(color);
  width = std::clamp(width, 1, 255);
  int const lo = (width - 1) / 2;  // the stamp covers -lo..+hi about each step
  int const hi = width / 2;

  // Step along the major axis a; the minor axis b follows the exact line,
  // rounded half away from the start: m(t) = floor((2 t |db| + n) / 2n).
  bool const xMajor = std::abs(dx) >= std::abs(dy);
  i64 const a0 = xMajor ? x0 : y0;
  i64 const b0 = xMajor ? y0 : x0;
  i64 const da = xMajor ? dx : dy;
  i64 const db = xMajor ? dy : dx;
  i64 const n = std::abs(da);
  i64 const sa = da > 0 ? 1 : -1;
  i64 const sb = db >= 0 ? 1 : -1;
  i64 const adb = std::abs(db);
  i64 const aMin = (xMajor ? clip.left : clip.top) - i64{hi};
  i64 const aMax = (xMajor ? clip.right : clip.bottom) - 1 + i64{lo};
  i64 const bMin = (xMajor ? clip.top : clip.left) - i64{hi};
  i64 const bMax = (xMajor ? clip.bottom : clip.right) - 1 + i64{lo};

  // Only the steps whose major coordinate reaches the clip are visited, so a
  // line with far-away ends costs no more than one across the window. The
  // end point (t = n) is left out.
  i64 tLo = sa > 0 ? aMin - a0 : a0 - aMax;
  i64 tHi = sa > 0 ? aMax - a0 : a0 - aMin;
  tLo = std::max<i64>(tLo, 0);
  tHi = std::min<i64>(tHi, n - 1);
  if (tLo > tHi) return;

  i64 const denom = 2 * n;
  __int128 const num = static_cast<__int128>(2 * tLo) * adb + n;
  i64 m = static_cast<i64>(num / denom);
  i64 r = static_cast<i64>(num % denom);
  i64 const step = 2 * adb;
  for (i64 t = tLo; t <= tHi; ++t) {
    i64 const a = a0 + sa * t;
    i64 const b = b0 + sb * m;
    if (b >= bMin && b <= bMax) {
      int const x = static_cast<int>(xMajor ? a : b);
      int const y = static_cast<int>(xMajor ? b : a);
      if (width == 1) {
        row(y)[x] = px;
      } else {
        int const left = std::max(x - lo, clip.left);
        int const right = std::min(x + hi + 1, clip.right);
        for (int yy = std::max(y - lo, clip.top); yy < std::min(y + hi + 1, clip.bottom); ++yy)
          if (right > left) std::fill_n(row(yy) + left, right - left, px);
      }
    }
    r += step;
    if (r >= denom) {
      r -= denom;
      ++m;
    }
  }
}

void Surface::text(Font const& font, std::string const& utf8, int x, int y, TextStyle const& style,
                   CRect const& clip) {
  if (clip.IsRectEmpty() || utf8.empty() || !near(x) || !near(y)) return;
  beginCairo();
  cairo_save(m_cr);
  cairo_rectangle(m_cr, clip.left, clip.top, clip.Width(), clip.Height());
  cairo_clip(m_cr);
  drawText(m_cr, font, utf8, x, y, style);
  cairo_restore(m_cr);
  m_cairoDrew = true;
}

void Surface::startRecord() {
  m_calls.clear();
  m_recordClip = ClipCall{false, {}};
}

void Surface::record(Call call) {
  CRect const keep(-16, -16, m_width + 16, m_height + 16);
  if (auto* l = std::get_if<LineCall>(&call)) {
    if (!near(l->x0) || !near(l->y0) || !near(l->x1) || !near(l->y1)) {
      double x0 = l->x0, y0 = l->y0, x1 = l->x1, y1 = l->y1;
      if (!clipSegment(x0, y0, x1, y1, keep)) return;
      *l = LineCall{static_cast<int>(std::lround(x0)), static_cast<int>(std::lround(y0)),
                    static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)), l->color, l->width};
    }
  } else if (auto* t = std::get_if<TextCall>(&call)) {
    if (!near(t->x) || !near(t->y)) return;
  } else if (auto* c = std::get_if<ClipCall>(&call)) {
    c->rect.IntersectRect(&c->rect, &keep);
  } else if (auto* f = std::get_if<FillCall>(&call)) {
    if (!f->rect.IntersectRect(&f->rect, &keep)) return;
  }
  if (auto const* c = std::get_if<ClipCall>(&call)) {
    m_recordClip = *c;
  } else if (auto const* f = std::get_if<FillCall>(&call)) {
    // Everything before an opaque fill of the whole surface is hidden by it,
    // unless the clip in force keeps part of the fill out.
    CRect const all = bounds();
    auto covers = [&](CRect const& r) {
      return r.left <= all.left && r.top <= all.top && r.right >= all.right && r.bottom >= all.bottom;
    };
    if (covers(f->rect) && (!m_recordClip.on || covers(m_recordClip.rect))) {
      m_calls.clear();
      if (m_recordClip.on) m_calls.emplace_back(m_recordClip);
    }
  }
  if (m_calls.size() < kMaxCalls) m_calls.push_back(std::move(call));
}

bool Surface::savePng(std::filesystem::path const& path) const {
  if (m_cairoDrew) {
    cairo_surface_flush(m_image);
    m_cairoDrew = false;
  }
  if (m_width == 0 || m_height == 0) return false;
  return writeAtomically(path, [&](std::FILE* file) {
    return cairo_surface_write_to_png_stream(m_image, writeToFile, file) == CAIRO_STATUS_SUCCESS;
  });
}

namespace {

// Numbers as SVG reads them whatever the process's locale says.
std::string num(double v) {
  char buf[32];
  auto const [end, ec] = std::to_chars(buf, buf + sizeof buf, std::round(v * 1e4) / 1e4 + 0.0);
  return ec == std::errc() ? std::string(buf, end) : "0";
}

std::string colour(COLORREF c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
  return buf;
}

// Text content: markup escaped; bytes that are not UTF-8, and characters XML
// 1.0 does not allow, become U+FFFD.
std::string xmlText(std::string const& utf8) {
  std::wstring out;
  for (wchar_t c : zept::fromUtf8(utf8)) {
    if (c == L'&') out += L"&amp;";
    else if (c == L'<') out += L"&lt;";
    else if (c == L'>') out += L"&gt;";
    else if (c >= 0x20 ? c == 0xFFFE || c == 0xFFFF : c != L'\t' && c != L'\n' && c != L'\r') out += wchar_t{0xFFFD};
    else out += c;
  }
  return zept::toUtf8(out);
}

// A family list in CSS: each name quoted, the generic family last.
std::string fontFamily(Font const& font) {
  std::string out, name;
  auto flush = [&] {
    if (name.empty()) return;
    std::string quoted;
    for (char ch : name)
      if (ch != '\'' && ch != '"' && ch != '\\') quoted += ch;
    out += (out.empty() ? "'" : ", '") + xmlText(quoted) + "'";
    name.clear();
  };
  for (char ch : font.family) {
    if (ch == ',') flush();
    else name += ch;
  }
  flush();
  bool const serif = font.family.find("Serif") != std::string::npos;
  bool const mono = font.family.find("Mono") != std::string::npos;
  return out + (mono ? ", monospace" : serif ? ", serif" : ", sans-serif");
}

}  // namespace

bool Surface::saveSvg(std::filesystem::path const& path) const {
  // Lines of one pen are joined into one path, so a polyline stays one
  // element; texts are text, in their font, so other programs can edit and
  // search them. A text's cell is placed as on the pixels: turned about its
  // top-left corner, the baseline the ascent below it.
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    std::to_string(m_width) + "px\" height=\"" + std::to_string(m_height) + "px\" viewBox=\"0 0 " +
                    std::to_string(m_width) + " " + std::to_string(m_height) + "\">\n<rect width=\"" +
                    std::to_string(m_width) + "\" height=\"" + std::to_string(m_height) + "\" fill=\"#ffffff\"/>\n<g>\n";
  std::string pathData;
  COLORREF penColor = 0;
  int penWidth = 1, lastX = 0, lastY = 0, clips = 0;
  auto stroke = [&] {
    if (pathData.empty()) return;
    svg += "<path d=\"" + pathData + "\" fill=\"none\" stroke=\"" + colour(penColor) + "\" stroke-width=\"" +
           std::to_string(penWidth) + "\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\"/>\n";
    pathData.clear();
  };
  for (Call const& call : m_calls) {
    if (auto const* l = std::get_if<LineCall>(&call)) {
      if (!pathData.empty() && (l->color != penColor || l->width != penWidth)) stroke();
      if (pathData.empty() || l->x0 != lastX || l->y0 != lastY)
        pathData += (pathData.empty() ? "M " : " M ") + num(l->x0 + 0.5) + " " + num(l->y0 + 0.5);
      pathData += " L " + num(l->x1 + 0.5) + " " + num(l->y1 + 0.5);
      penColor = l->color;
      penWidth = l->width;
      lastX = l->x1;
      lastY = l->y1;
    } else if (auto const* f = std::get_if<FillCall>(&call)) {
      stroke();
      svg += "<rect x=\"" + std::to_string(f->rect.left) + "\" y=\"" + std::to_string(f->rect.top) + "\" width=\"" +
             std::to_string(f->rect.Width()) + "\" height=\"" + std::to_string(f->rect.Height()) + "\" fill=\"" +
             colour(f->color) + "\"/>\n";
    } else if (auto const* t = std::get_if<TextCall>(&call)) {
      stroke();
      Font const& font = t->font;
      std::string const turn = font.escapement == 0 ? "" : " rotate(" + num(-font.escapement / 10.0) + ")";
      svg += "<g transform=\"translate(" + std::to_string(t->x) + " " + std::to_string(t->y) + ")" + turn + "\">";
      if (t->style.opaque)
        svg += "<rect width=\"" + std::to_string(measureText(font, t->utf8).cx) + "\" height=\"" +
               std::to_string(font.ascent + font.descent) + "\" fill=\"" + colour(t->style.background) + "\"/>";
      std::string decoration = font.underline ? "underline" : "";
      if (font.strikeOut) decoration += decoration.empty() ? "line-through" : " line-through";
      svg += "<text xml:space=\"preserve\" x=\"0\" y=\"" + std::to_string(font.ascent) + "\" font-family=\"" +
             fontFamily(font) + "\" font-size=\"" + num(font.em) + "\" font-weight=\"" + std::to_string(font.weight) +
             "\"" + (font.italic ? " font-style=\"italic\"" : "") +
             (decoration.empty() ? "" : " text-decoration=\"" + decoration + "\"") + " fill=\"" +
             colour(t->style.color) + "\">" + xmlText(t->utf8) + "</text></g>\n";
    } else if (auto const* c = std::get_if<ClipCall>(&call)) {
      stroke();
      svg += "</g>\n";
      if (c->on) {
        std::string const id = "clip" + std::to_string(++clips);
        svg += "<clipPath id=\"" + id + "\"><rect x=\"" + std::to_string(c->rect.left) + "\" y=\"" +
               std::to_string(c->rect.top) + "\" width=\"" + std::to_string(c->rect.Width()) + "\" height=\"" +
               std::to_string(c->rect.Height()) + "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
      } else {
        svg += "<g>\n";
      }
    }
  }
  stroke();
  svg += "</g>\n</svg>\n";
  return writeAtomically(path, [&](std::FILE* file) { return std::fwrite(svg.data(), 1, svg.size(), file) == svg.size(); });
}

}  // namespace zept::gdi
