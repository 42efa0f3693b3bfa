// SPDX-License-Identifier: MIT
// Drawing objects: pens, brushes, fonts and rectangular regions. Each is a
// plain value: creating one cannot fail for a valid argument, and a device
// context copies what it needs when the object is selected, so an object
// may be destroyed while selected without harm.
#pragma once

#include "platform/core/Export.h"
#include "platform/gdi/GdiTypes.h"

ZEPTDB_BEGIN_EXPORTS

class CGdiObject {
 public:
  virtual ~CGdiObject() = default;

  // Non-null once created; null for an object that was never created or
  // was deleted.
  void* GetSafeHandle() const { return m_created ? const_cast<CGdiObject*>(this) : nullptr; }
  bool DeleteObject();

 protected:
  CGdiObject() = default;
  CGdiObject(CGdiObject const&) = default;
  CGdiObject& operator=(CGdiObject const&) = default;

  bool m_created = false;
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  // An unknown style leaves the pen uncreated.
  CPen(int penStyle, int width, COLORREF color);

  // PS_SOLID or PS_NULL; a width of 0 or 1 is one pixel, wider pens (up to
  // 255 pixels) draw a square brush of that size along the line.
  bool CreatePen(int penStyle, int width, COLORREF color);

  int style() const { return m_style; }
  int width() const { return m_width; }
  COLORREF color() const { return m_color; }

 private:
  int m_style = PS_SOLID;
  int m_width = 1;
  COLORREF m_color = 0;
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color);

  bool CreateSolidBrush(COLORREF color);
  // A brush that paints nothing (NULL_BRUSH).
  bool CreateNullBrush();

  bool isNull() const { return m_null; }
  COLORREF color() const { return m_color; }

 private:
  bool m_null = false;
  COLORREF m_color = 0;
};

class CFont : public CGdiObject {
 public:
  CFont() = default;

  // False only for a null pointer. The face name is read up to its first
  // null or LF_FACESIZE characters; a face the machine lacks is replaced by
  // a similar one when drawing, as the window system does.
  bool CreateFontIndirect(LOGFONT const* logFont);
  // Height in tenths of a point at 96 pixels per inch, as MFC's helper.
  bool CreatePointFont(int pointSize, wchar_t const* faceName);
  // False when the font is not created.
  bool GetLogFont(LOGFONT* logFont) const;

  LOGFONT const& logFont() const { return m_logFont; }

 private:
  LOGFONT m_logFont{};
};

// Only rectangular regions exist here, which is all the clip needs.
class CRgn : public CGdiObject {
 public:
  CRgn() = default;

  // The corners may come in any order.
  bool CreateRectRgn(int x1, int y1, int x2, int y2);
  bool CreateRectRgnIndirect(LPCRECT rect);
  bool SetRectRgn(int x1, int y1, int x2, int y2) { return CreateRectRgn(x1, y1, x2, y2); }

  CRect const& box() const { return m_box; }

 private:
  CRect m_box;
};

ZEPTDB_END_EXPORTS
