// SPDX-License-Identifier: MIT
// CWnd over its Surface: the client rectangle, the update region and the
// saved image.
#include "platform/gdi/CWnd.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/gdi/Surface.h"

CWnd::CWnd(int width, int height) : m_surface(std::make_unique<zept::gdi::Surface>(width, height)) {}

CWnd::~CWnd() = default;

void CWnd::GetClientRect(LPRECT rect) const {
  if (rect) *rect = m_surface->bounds();
}

void CWnd::InvalidateRect(LPCRECT rect, bool erase) const {
  CRect const all = m_surface->bounds();
  CRect part = rect ? CRect(*rect) : all;
  if (!part.IntersectRect(&part, &all)) return;
  m_surface->update.UnionRect(&m_surface->update, &part);
  m_surface->eraseOnPaint = m_surface->eraseOnPaint || erase;
}

void CWnd::ValidateRect(LPCRECT rect) const {
  // The update area is kept as one rectangle: a part that does not cover it
  // leaves it waiting, which at worst repaints too much.
  CRect const& update = m_surface->update;
  if (rect && !(rect->left <= update.left && rect->top <= update.top && rect->right >= update.right &&
                rect->bottom >= update.bottom))
    return;
  m_surface->update.SetRectEmpty();
  m_surface->eraseOnPaint = false;
}

bool CWnd::GetUpdateRect(LPRECT rect, bool /*erase*/) const {
  if (rect) *rect = m_surface->update;
  return !m_surface->update.IsRectEmpty();
}

COLORREF CWnd::GetPixel(int x, int y) const { return m_surface->pixel(x, y); }

unsigned char const* CWnd::GetPixelData(int& strideBytes) const { return m_surface->data(strideBytes); }

bool CWnd::SaveImage(std::filesystem::path const& path) const {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == ".png") return m_surface->savePng(path);
  if (ext == ".svg") return m_surface->saveSvg(path);
  return false;
}
