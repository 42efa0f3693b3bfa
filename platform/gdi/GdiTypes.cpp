// SPDX-License-Identifier: MIT
// The rectangle operations of GdiTypes: normalising, intersection and
// union.
#include "platform/gdi/GdiTypes.h"

#include <algorithm>
#include <utility>

void CRect::NormalizeRect() {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

bool CRect::IntersectRect(LPCRECT a, LPCRECT b) {
  if (!a || !b) { SetRectEmpty(); return false; }
  CRect r(std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
          std::min(a->bottom, b->bottom));
  if (r.IsRectEmpty()) { SetRectEmpty(); return false; }
  *this = r;
  return true;
}

bool CRect::UnionRect(LPCRECT a, LPCRECT b) {
  CRect ra = a ? CRect(*a) : CRect();
  CRect rb = b ? CRect(*b) : CRect();
  if (ra.IsRectEmpty()) { *this = rb; }
  else if (rb.IsRectEmpty()) { *this = ra; }
  else {
    SetRect(std::min(ra.left, rb.left), std::min(ra.top, rb.top), std::max(ra.right, rb.right),
            std::max(ra.bottom, rb.bottom));
  }
  if (IsRectEmpty()) { SetRectEmpty(); return false; }
  return true;
}
