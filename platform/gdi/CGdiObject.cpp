// SPDX-License-Identifier: MIT
// Pens, brushes, fonts and rectangular regions as plain values: creating
// one only checks and stores its arguments.
#include "platform/gdi/CGdiObject.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

bool CGdiObject::DeleteObject() {
  bool const was = m_created;
  m_created = false;
  return was;
}

CPen::CPen(int penStyle, int width, COLORREF color) { CreatePen(penStyle, width, color); }

bool CPen::CreatePen(int penStyle, int width, COLORREF color) {
  if (penStyle != PS_SOLID && penStyle != PS_NULL) return false;
  m_style = penStyle;
  m_width = std::clamp(width, 1, 255);
  m_color = color & 0xFFFFFF;
  m_created = true;
  return true;
}

CBrush::CBrush(COLORREF color) { CreateSolidBrush(color); }

bool CBrush::CreateSolidBrush(COLORREF color) {
  m_null = false;
  m_color = color & 0xFFFFFF;
  m_created = true;
  return true;
}

bool CBrush::CreateNullBrush() {
  m_null = true;
  m_color = 0;
  m_created = true;
  return true;
}

bool CFont::CreateFontIndirect(LOGFONT const* logFont) {
  if (!logFont) return false;
  m_logFont = *logFont;
  // A face name that fills the array has no terminator of its own.
  m_logFont.lfFaceName[LF_FACESIZE - 1] = L'\0';
  m_created = true;
  return true;
}

bool CFont::CreatePointFont(int pointSize, wchar_t const* faceName) {
  LOGFONT lf{};
  // Tenths of a point at 96 pixels per inch, as a character (em) height.
  lf.lfHeight = -static_cast<int>(std::lround(std::abs(static_cast<double>(pointSize)) * 96.0 / 720.0));
  if (faceName) std::wcsncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirect(&lf);
}

bool CFont::GetLogFont(LOGFONT* logFont) const {
  if (!m_created || !logFont) return false;
  *logFont = m_logFont;
  return true;
}

bool CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
  m_box = CRect(x1, y1, x2, y2);
  m_box.NormalizeRect();
  m_created = true;
  return true;
}

bool CRgn::CreateRectRgnIndirect(LPCRECT rect) {
  if (!rect) return false;
  return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}
