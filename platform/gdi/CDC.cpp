// SPDX-License-Identifier: MIT
// CDC: the selected objects and clip kept as copies in a state of their own;
// every drawing call goes to the window's Surface.
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cwchar>
#include <optional>
#include <utility>
#include <string_view>

#include "platform/core/Utf8.h"
#include "platform/gdi/Surface.h"

namespace zept::gdi {

struct DcState {
  Surface* surface = nullptr;
  CPen* pen = nullptr;
  CBrush* brush = nullptr;
  CFont* font = nullptr;
  // Copies of what the selected objects said when they were selected.
  int penStyle = PS_SOLID;
  int penWidth = 1;
  COLORREF penColor = 0;
  bool brushNull = false;
  COLORREF brushColor = 0xFFFFFF;
  LOGFONT logFont{};
  std::optional<Font> resolved;
  bool clipOn = false;
  CRect clip;
  CPoint position;
  COLORREF textColor = 0;
  COLORREF bkColor = 0xFFFFFF;
  int bkMode = OPAQUE;

  CRect visible() const {
    if (!surface) return {};
    CRect const all = surface->bounds();
    if (!clipOn) return all;
    CRect r;
    r.IntersectRect(&clip, &all);
    return r;
  }
  Font const& font_() {
    if (!resolved) resolved = resolveFont(logFont);
    return *resolved;
  }
};

}  // namespace zept::gdi

using zept::gdi::DcState;

namespace {

struct Stock {
  CBrush white{RGB(255, 255, 255)};
  CBrush ltgray{RGB(192, 192, 192)};
  CBrush gray{RGB(128, 128, 128)};
  CBrush dkgray{RGB(64, 64, 64)};
  CBrush black{RGB(0, 0, 0)};
  CBrush hollow;
  CPen whitePen{PS_SOLID, 1, RGB(255, 255, 255)};
  CPen blackPen{PS_SOLID, 1, RGB(0, 0, 0)};
  CPen nullPen{PS_NULL, 1, 0};
  CFont system;
  CFont gui;

  Stock() {
    hollow.CreateNullBrush();
    LOGFONT lf{};
    std::wcscpy(lf.lfFaceName, L"Arial");
    lf.lfHeight = 16;
    system.CreateFontIndirect(&lf);
    lf.lfHeight = -11;
    gui.CreateFontIndirect(&lf);
  }
};

Stock& stock() {
  static Stock s;
  return s;
}

int regionType(CRect const& r) { return r.IsRectEmpty() ? NULLREGION : SIMPLEREGION; }

}  // namespace

CDC::CDC(CWnd const* window)
    : m_window(const_cast<CWnd*>(window)), m_state(std::make_unique<DcState>()) {
  if (window) m_state->surface = &window->surface();
  SelectObject(&stock().blackPen);
  SelectObject(&stock().white);
  SelectObject(&stock().system);
}

CDC::~CDC() = default;

CPen* CDC::SelectObject(CPen* pen) {
  if (!pen || !pen->GetSafeHandle()) return nullptr;
  CPen* const previous = m_state->pen;
  m_state->pen = pen;
  m_state->penStyle = pen->style();
  m_state->penWidth = pen->width();
  m_state->penColor = pen->color();
  return previous;
}

CBrush* CDC::SelectObject(CBrush* brush) {
  if (!brush || !brush->GetSafeHandle()) return nullptr;
  CBrush* const previous = m_state->brush;
  m_state->brush = brush;
  m_state->brushNull = brush->isNull();
  m_state->brushColor = brush->color();
  return previous;
}

CFont* CDC::SelectObject(CFont* font) {
  if (!font || !font->GetSafeHandle()) return nullptr;
  CFont* const previous = m_state->font;
  m_state->font = font;
  m_state->logFont = font->logFont();
  m_state->resolved.reset();
  return previous;
}

CGdiObject* CDC::SelectStockObject(int index) {
  Stock& s = stock();
  switch (index) {
    case WHITE_BRUSH: return SelectObject(&s.white);
    case LTGRAY_BRUSH: return SelectObject(&s.ltgray);
    case GRAY_BRUSH: return SelectObject(&s.gray);
    case DKGRAY_BRUSH: return SelectObject(&s.dkgray);
    case BLACK_BRUSH: return SelectObject(&s.black);
    case NULL_BRUSH: return SelectObject(&s.hollow);
    case WHITE_PEN: return SelectObject(&s.whitePen);
    case BLACK_PEN: return SelectObject(&s.blackPen);
    case NULL_PEN: return SelectObject(&s.nullPen);
    case SYSTEM_FONT: return SelectObject(&s.system);
    case DEFAULT_GUI_FONT: return SelectObject(&s.gui);
    default: return nullptr;
  }
}

CPen* CDC::GetCurrentPen() const { return m_state->pen; }
CBrush* CDC::GetCurrentBrush() const { return m_state->brush; }
CFont* CDC::GetCurrentFont() const { return m_state->font; }

int CDC::SelectClipRgn(CRgn* region) {
  if (region && !region->GetSafeHandle()) return 0;
  m_state->clipOn = region != nullptr;
  m_state->clip = region ? region->box() : CRect();
  if (m_state->surface) m_state->surface->record(zept::gdi::ClipCall{m_state->clipOn, m_state->clip});
  return regionType(m_state->visible());
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
  CRect const current = m_state->clipOn ? m_state->clip : (m_state->surface ? m_state->surface->bounds() : CRect());
  CRect const with(x1, y1, x2, y2);
  CRect r;
  r.IntersectRect(&current, &with);
  m_state->clipOn = true;
  m_state->clip = r;
  if (m_state->surface) m_state->surface->record(zept::gdi::ClipCall{true, r});
  return regionType(m_state->visible());
}

int CDC::IntersectClipRect(LPCRECT rect) {
  if (!rect) return 0;
  return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom);
}

int CDC::GetClipBox(LPRECT rect) const {
  CRect const r = m_state->visible();
  if (rect) *rect = r;
  return regionType(r);
}

CPoint CDC::MoveTo(int x, int y) {
  CPoint const previous = m_state->position;
  m_state->position = CPoint(x, y);
  return previous;
}

bool CDC::LineTo(int x, int y) {
  DcState& s = *m_state;
  CPoint const from = s.position;
  s.position = CPoint(x, y);
  if (!s.surface) return false;
  if (s.penStyle == PS_NULL || (from.x == x && from.y == y)) return true;
  s.surface->line(from.x, from.y, x, y, s.penColor, s.penWidth, s.visible());
  s.surface->record(zept::gdi::LineCall{from.x, from.y, x, y, s.penColor, s.penWidth});
  return true;
}

CPoint CDC::GetCurrentPosition() const { return m_state->position; }

bool CDC::Polyline(POINT const* points, int count) {
  if (!points || count < 2 || !m_state->surface) return false;
  CPoint const saved = m_state->position;
  MoveTo(points[0]);
  for (int i = 1; i < count; ++i) LineTo(points[i]);
  m_state->position = saved;
  return true;
}

bool CDC::Rectangle(int x1, int y1, int x2, int y2) {
  DcState& s = *m_state;
  if (!s.surface) return false;
  CRect r(x1, y1, x2, y2);
  r.NormalizeRect();
  if (r.IsRectEmpty()) return true;
  bool const pen = s.penStyle != PS_NULL;
  // With a null pen the window system makes the whole rectangle a pixel
  // narrower and lower; with a pen the outline takes the outer ring.
  CRect const inside = pen ? CRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1)
                           : CRect(r.left, r.top, r.right - 1, r.bottom - 1);
  if (!s.brushNull && !inside.IsRectEmpty()) {
    s.surface->fill(inside, s.brushColor, s.visible());
    s.surface->record(zept::gdi::FillCall{inside, s.brushColor});
  }
  if (pen) {
    int const l = r.left, t = r.top, rr = r.right - 1, b = r.bottom - 1;
    if (l == rr && t == b) {
      s.surface->setPixel(l, t, s.penColor, s.visible());
      s.surface->record(zept::gdi::FillCall{CRect(l, t, l + 1, t + 1), s.penColor});
    } else {
      CPoint const saved = s.position;
      MoveTo(l, t);
      LineTo(rr, t);
      LineTo(rr, b);
      LineTo(l, b);
      LineTo(l, t);
      s.position = saved;
    }
  }
  return true;
}

bool CDC::Rectangle(LPCRECT rect) {
  if (!rect) return false;
  return Rectangle(rect->left, rect->top, rect->right, rect->bottom);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
  DcState& s = *m_state;
  if (!rect || !brush || !brush->GetSafeHandle() || brush->isNull() || !s.surface) return;
  CRect const r(*rect);
  if (r.IsRectEmpty()) return;
  s.surface->fill(r, brush->color(), s.visible());
  s.surface->record(zept::gdi::FillCall{r, brush->color()});
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
  // As MFC does it: through the background colour, which stays set.
  SetBkColor(color);
  CBrush brush(color);
  FillRect(rect, &brush);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  CRect const r(x, y, x + cx, y + cy);
  FillSolidRect(&r, color);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
  DcState& s = *m_state;
  if (!s.surface || !s.visible().PtInRect(CPoint(x, y))) return 0xFFFFFFFF;
  color &= 0xFFFFFF;
  s.surface->setPixel(x, y, color, s.visible());
  s.surface->record(zept::gdi::FillCall{CRect(x, y, x + 1, y + 1), color});
  return color;
}

COLORREF CDC::GetPixel(int x, int y) const {
  if (!m_state->surface || !m_state->visible().PtInRect(CPoint(x, y))) return 0xFFFFFFFF;
  return m_state->surface->pixel(x, y);
}

COLORREF CDC::SetTextColor(COLORREF color) { return std::exchange(m_state->textColor, color & 0xFFFFFF); }
COLORREF CDC::GetTextColor() const { return m_state->textColor; }
COLORREF CDC::SetBkColor(COLORREF color) { return std::exchange(m_state->bkColor, color & 0xFFFFFF); }
COLORREF CDC::GetBkColor() const { return m_state->bkColor; }

int CDC::SetBkMode(int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return std::exchange(m_state->bkMode, mode);
}

int CDC::GetBkMode() const { return m_state->bkMode; }

namespace {

std::string textOf(LPCTSTR text, int count) {
  int n = 0;
  while (n < count && text[n] != L'\0') ++n;
  return zept::toUtf8(std::wstring_view(text, static_cast<std::size_t>(n)));
}

}  // namespace

bool CDC::TextOut(int x, int y, LPCTSTR text, int count) {
  DcState& s = *m_state;
  if (!text || count < 0 || !s.surface) return false;
  std::string const utf8 = textOf(text, count);
  if (utf8.empty()) return true;
  zept::gdi::TextStyle const style{s.textColor, s.bkMode == OPAQUE, s.bkColor};
  s.surface->text(s.font_(), utf8, x, y, style, s.visible());
  s.surface->record(zept::gdi::TextCall{x, y, utf8, s.font_(), style});
  return true;
}

bool CDC::TextOut(int x, int y, CString const& text) { return TextOut(x, y, text.GetString(), text.GetLength()); }

CSize CDC::GetTextExtent(LPCTSTR text, int count) const {
  if (!text || count < 0) return {};
  return zept::gdi::measureText(m_state->font_(), textOf(text, count));
}

CSize CDC::GetTextExtent(CString const& text) const { return GetTextExtent(text.GetString(), text.GetLength()); }

CPaintDC::CPaintDC(CWnd const* window) : CDC(window) {
  zept::gdi::Surface* surface = m_state->surface;
  if (!surface) return;
  surface->startRecord();
  if (surface->eraseOnPaint && !surface->update.IsRectEmpty()) {
    surface->fill(surface->update, RGB(255, 255, 255), surface->bounds());
    surface->record(zept::gdi::FillCall{surface->update, RGB(255, 255, 255)});
  }
  window->ValidateRect(nullptr);
}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd const* window) : CDC(window) {
  // A clip left by an earlier context is not this one's.
  if (m_state->surface) m_state->surface->record(zept::gdi::ClipCall{false, {}});
}

CClientDC::~CClientDC() = default;
