// SPDX-License-Identifier: MIT
// Device contexts with MFC's names and signatures, drawing into a CWnd.
//
// Drawing follows the window system's pixel rules: lines are aliased,
// LineTo leaves out its end pixel, Rectangle and FillRect cover the top-left
// corner and leave out the right and bottom edges. Text is written in the
// selected font with the top-left corner of its cell at the given point,
// turned by the font's escapement counter-clockwise as seen. Everything is
// clipped to the selected clip region and the client area.
//
// A new context has a black one-pixel pen, a white brush, a 16-pixel
// "Arial" font (served by Liberation Sans), black text on an opaque white
// background, no clip region, and its current position at (0, 0).
#pragma once

#include <memory>

#include "platform/core/CString.h"
#include "platform/core/Export.h"
#include "platform/gdi/CGdiObject.h"
#include "platform/gdi/CWnd.h"
#include "platform/gdi/GdiTypes.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept::gdi {
struct DcState;
}

class CDC {
 public:
  virtual ~CDC();
  CDC(CDC const&) = delete;
  CDC& operator=(CDC const&) = delete;

  // The window drawn into; null for a context opened on no window, whose
  // drawing calls do nothing and return failure (text is still measured).
  CWnd* GetWindow() const { return m_window; }

  // Each returns the object selected before, or null (and changes nothing)
  // for a null or uncreated object. The first pen, brush and font a context
  // holds are stock objects owned by the library.
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  // Same as SelectClipRgn.
  int SelectObject(CRgn* region) { return SelectClipRgn(region); }
  // WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, the grey brushes, WHITE_PEN,
  // BLACK_PEN, NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT; null for another index.
  CGdiObject* SelectStockObject(int index);
  CPen* GetCurrentPen() const;
  CBrush* GetCurrentBrush() const;
  CFont* GetCurrentFont() const;

  // A copy of the region becomes the clip; null removes the clip. Returns
  // NULLREGION, SIMPLEREGION, or 0 for an uncreated region.
  int SelectClipRgn(CRgn* region);
  int IntersectClipRect(int x1, int y1, int x2, int y2);
  int IntersectClipRect(LPCRECT rect);
  // The visible part of the client area under the clip.
  int GetClipBox(LPRECT rect) const;

  // Returns the previous position.
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
  // Draws from the current position up to, not including, (x, y), which
  // becomes the current position.
  bool LineTo(int x, int y);
  bool LineTo(POINT point) { return LineTo(point.x, point.y); }
  CPoint GetCurrentPosition() const;
  // Joined line pieces; the current position is neither used nor changed.
  bool Polyline(POINT const* points, int count);

  // Outline with the pen inside (x1, y1)..(x2 - 1, y2 - 1), inside filled
  // with the brush; the corners may come in any order.
  bool Rectangle(int x1, int y1, int x2, int y2);
  bool Rectangle(LPCRECT rect);
  // Fills left..right-1 by top..bottom-1; nothing when right <= left or
  // bottom <= top, or for a null brush.
  void FillRect(LPCRECT rect, CBrush* brush);
  void FillSolidRect(LPCRECT rect, COLORREF color);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);

  // SetPixel returns the colour set, GetPixel the pixel's colour; both
  // return 0xFFFFFFFF outside the clip.
  COLORREF SetPixel(int x, int y, COLORREF color);
  COLORREF GetPixel(int x, int y) const;

  // Each setter returns the previous value.
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;
  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const;
  // TRANSPARENT or OPAQUE (opaque fills the text cell with the background
  // colour first); returns 0 and changes nothing for another mode.
  int SetBkMode(int mode);
  int GetBkMode() const;

  // `count` characters of `text`, or up to its end when it is shorter;
  // false for a null text or a negative count. Line breaks are not
  // interpreted. Writing outside the clip is not an error.
  bool TextOut(int x, int y, LPCTSTR text, int count);
  bool TextOut(int x, int y, CString const& text);
  // Width of the text and height of the font's cell, unturned.
  CSize GetTextExtent(LPCTSTR text, int count) const;
  CSize GetTextExtent(CString const& text) const;

 protected:
  explicit CDC(CWnd const* window);

  CWnd* m_window;
  std::unique_ptr<zept::gdi::DcState> m_state;
};

// The context of a paint: opening it validates the window's update area
// (clearing it first when the invalidation asked for an erase) and starts a
// new record of drawing calls for SaveImage. It draws on the whole client
// area, not only on the part that was invalidated.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd const* window);
  ~CPaintDC() override;
};

// A context for drawing outside a paint; its calls join the current record.
class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd const* window);
  ~CClientDC() override;
};

ZEPTDB_END_EXPORTS
