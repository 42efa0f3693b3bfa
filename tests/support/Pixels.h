// SPDX-License-Identifier: MIT
// Pixel counts and ink boxes of a window's client area, for the drawing tests.
#pragma once

#include <algorithm>
#include <optional>

#include "platform/gdi/CDC.h"

namespace zept::test {

inline CRect clientOf(CWnd const& w) {
  CRect r;
  w.GetClientRect(&r);
  return r;
}

// The pixels of `color` in `r`, or in the whole client area.
inline int countPixels(CWnd const& w, COLORREF color, std::optional<CRect> r = std::nullopt) {
  CRect const area = r.value_or(clientOf(w));
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += w.GetPixel(x, y) == color;
  return n;
}

// The bounding box of every pixel that is not white.
inline CRect inkBox(CWnd const& w) {
  CRect const r = clientOf(w);
  CRect box(r.right, r.bottom, -1, -1);
  for (int y = 0; y < r.bottom; ++y)
    for (int x = 0; x < r.right; ++x)
      if (w.GetPixel(x, y) != RGB(255, 255, 255))
        box.SetRect(std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                    std::max(box.bottom, y + 1));
  return box;
}

}  // namespace zept::test
