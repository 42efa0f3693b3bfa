// SPDX-License-Identifier: MIT
// Value types and constants of the window system's drawing interface, with
// MFC's names: colours, points, sizes, rectangles and the logical font.
// Pixel coordinates: x to the right, y downwards, the client area's top-left
// pixel is (0, 0). A rectangle covers left..right-1 and top..bottom-1.
#pragma once

#include <cstdint>

#include "platform/core/Export.h"

ZEPTDB_BEGIN_EXPORTS

// 0x00BBGGRR: red in the low byte.
using COLORREF = std::uint32_t;
using BYTE = unsigned char;

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

// Mouse message key flags.
inline constexpr unsigned MK_LBUTTON = 0x0001;
inline constexpr unsigned MK_RBUTTON = 0x0002;
inline constexpr unsigned MK_SHIFT = 0x0004;
inline constexpr unsigned MK_CONTROL = 0x0008;
inline constexpr unsigned MK_MBUTTON = 0x0010;

// Virtual keys that GetKeyState answers for (any code 0..255 is kept).
inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_MBUTTON = 0x04;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_ESCAPE = 0x1B;

// Pen styles. Only solid and null pens draw; the others are refused.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;

// Background modes (SetBkMode).
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Region types returned by SelectClipRgn and GetClipBox; 0 means failure.
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// Stock objects (CDC::SelectStockObject).
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;

// Font weights and the few LOGFONT byte values callers set.
inline constexpr int FW_DONTCARE = 0;
inline constexpr int FW_THIN = 100;
inline constexpr int FW_LIGHT = 300;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_MEDIUM = 500;
inline constexpr int FW_SEMIBOLD = 600;
inline constexpr int FW_BOLD = 700;
inline constexpr int FW_HEAVY = 900;
inline constexpr BYTE ANSI_CHARSET = 0;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr BYTE OUT_DEFAULT_PRECIS = 0;
inline constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
inline constexpr BYTE DEFAULT_QUALITY = 0;
inline constexpr BYTE ANTIALIASED_QUALITY = 4;
inline constexpr BYTE DEFAULT_PITCH = 0;
inline constexpr BYTE FF_DONTCARE = 0;
inline constexpr BYTE FF_SWISS = 0x20;

struct POINT {
  int x;
  int y;
};

struct SIZE {
  int cx;
  int cy;
};

struct RECT {
  int left;
  int top;
  int right;
  int bottom;
};

using LPPOINT = POINT*;
using LPRECT = RECT*;
using LPCRECT = RECT const*;
using LPCTSTR = wchar_t const*;

class CSize;

class CPoint : public POINT {
 public:
  constexpr CPoint() : POINT{0, 0} {}
  constexpr CPoint(int initX, int initY) : POINT{initX, initY} {}
  constexpr CPoint(POINT p) : POINT(p) {}  // NOLINT: MFC converts implicitly
  constexpr CPoint(SIZE s) : POINT{s.cx, s.cy} {}  // NOLINT

  void Offset(int dx, int dy) { x += dx; y += dy; }
  void SetPoint(int X, int Y) { x = X; y = Y; }

  constexpr bool operator==(POINT p) const { return x == p.x && y == p.y; }
  constexpr bool operator!=(POINT p) const { return !(*this == p); }
  CPoint& operator+=(SIZE s) { x += s.cx; y += s.cy; return *this; }
  CPoint& operator-=(SIZE s) { x -= s.cx; y -= s.cy; return *this; }
  CPoint& operator+=(POINT p) { x += p.x; y += p.y; return *this; }
  CPoint& operator-=(POINT p) { x -= p.x; y -= p.y; return *this; }
  constexpr CPoint operator+(SIZE s) const { return {x + s.cx, y + s.cy}; }
  constexpr CPoint operator-(SIZE s) const { return {x - s.cx, y - s.cy}; }
  constexpr CPoint operator+(POINT p) const { return {x + p.x, y + p.y}; }
  constexpr CPoint operator-() const { return {-x, -y}; }
  // As in MFC the difference of two points is a size; it converts back to a point.
  constexpr CSize operator-(POINT p) const;
};

class CSize : public SIZE {
 public:
  constexpr CSize() : SIZE{0, 0} {}
  constexpr CSize(int initCX, int initCY) : SIZE{initCX, initCY} {}
  constexpr CSize(SIZE s) : SIZE(s) {}  // NOLINT
  constexpr CSize(POINT p) : SIZE{p.x, p.y} {}  // NOLINT

  constexpr bool operator==(SIZE s) const { return cx == s.cx && cy == s.cy; }
  constexpr bool operator!=(SIZE s) const { return !(*this == s); }
  CSize& operator+=(SIZE s) { cx += s.cx; cy += s.cy; return *this; }
  CSize& operator-=(SIZE s) { cx -= s.cx; cy -= s.cy; return *this; }
  constexpr CSize operator+(SIZE s) const { return {cx + s.cx, cy + s.cy}; }
  constexpr CSize operator-(SIZE s) const { return {cx - s.cx, cy - s.cy}; }
  constexpr CSize operator-() const { return {-cx, -cy}; }
};

constexpr CSize CPoint::operator-(POINT p) const { return {x - p.x, y - p.y}; }

class CRect : public RECT {
 public:
  constexpr CRect() : RECT{0, 0, 0, 0} {}
  constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  constexpr CRect(RECT const& r) : RECT(r) {}  // NOLINT
  constexpr CRect(LPCRECT r) : RECT(r ? *r : RECT{0, 0, 0, 0}) {}  // NOLINT
  constexpr CRect(POINT topLeft, SIZE size) : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
  constexpr CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

  // MFC passes a CRect wherever a RECT pointer is expected.
  operator LPRECT() { return this; }  // NOLINT
  operator LPCRECT() const { return this; }  // NOLINT

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr CSize Size() const { return {Width(), Height()}; }
  constexpr CPoint TopLeft() const { return {left, top}; }
  constexpr CPoint BottomRight() const { return {right, bottom}; }
  constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
  constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
  constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  constexpr bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

  void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void NormalizeRect();
  void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
  void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
  void InflateRect(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
  void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
  // Both return false and leave an empty rectangle when the result is empty.
  bool IntersectRect(LPCRECT a, LPCRECT b);
  bool UnionRect(LPCRECT a, LPCRECT b);

  constexpr bool operator==(RECT const& r) const {
    return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
  }
  constexpr bool operator!=(RECT const& r) const { return !(*this == r); }
};

// LOGFONTW. Heights in pixels: positive is the cell height (ascent plus
// descent), negative the character (em) height, zero a default size.
// Escapement and orientation in tenths of a degree, counter-clockwise as seen.
inline constexpr int LF_FACESIZE = 32;

struct LOGFONT {
  int lfHeight;
  int lfWidth;
  int lfEscapement;
  int lfOrientation;
  int lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  wchar_t lfFaceName[LF_FACESIZE];
};
using LPLOGFONT = LOGFONT*;

ZEPTDB_END_EXPORTS
