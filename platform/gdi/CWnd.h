// SPDX-License-Identifier: MIT
// CWnd: a window's client area as a pixel surface that the caller owns.
// Every device context opened on it draws into the same pixels, so a test,
// the command-line tool and an on-screen viewer all see the same picture.
// Pixels start white. Besides the pixels the window keeps the drawing calls
// of its last paint, which SaveImage writes as vector graphics. A window and
// the contexts opened on it belong to one thread at a time.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/core/Export.h"
#include "platform/gdi/GdiTypes.h"

ZEPTDB_BEGIN_EXPORTS

namespace zept::gdi {
class Surface;
}

class CWnd {
 public:
  // Sizes are clamped to 0..32767 pixels. A surface of more than 2^27 pixels
  // (512 MB) or one that cannot be allocated leaves a window of size 0 x 0,
  // on which drawing does nothing.
  CWnd(int width, int height);
  ~CWnd();
  CWnd(CWnd const&) = delete;
  CWnd& operator=(CWnd const&) = delete;

  // (0, 0, width, height).
  void GetClientRect(LPRECT rect) const;

  // Adds `rect` (null: the whole client area) to the update area. With
  // `erase` the next CPaintDC clears the update area to white before drawing,
  // as the default background erase does. Opening a CPaintDC validates it.
  // Const because callers hold the window they paint into as a const pointer.
  void InvalidateRect(LPCRECT rect, bool erase = true) const;
  void Invalidate(bool erase = true) const { InvalidateRect(nullptr, erase); }
  void ValidateRect(LPCRECT rect) const;
  // False when nothing waits to be painted; the rectangle is then empty.
  bool GetUpdateRect(LPRECT rect, bool erase = false) const;

  // 0x00BBGGRR of one pixel; 0xFFFFFFFF outside the client area.
  COLORREF GetPixel(int x, int y) const;

  // The pixels for a viewer to show: 32-bit words 0x00RRGGBB in native byte
  // order (the top byte unused, as Cairo's RGB24), rows `strideBytes` apart,
  // valid until the next drawing call. Null for a 0 x 0 window.
  unsigned char const* GetPixelData(int& strideBytes) const;

  // ".png" (any case): the pixels. ".svg": the drawing calls of the last
  // paint, replayed as vector graphics over a white client area. The file is
  // written beside the target and renamed into place, so a failure leaves any
  // existing file as it was. False for another extension, a read-only
  // target (owner write bit clear; it is kept) or a failed write.
  bool SaveImage(std::filesystem::path const& path) const;

  // For the device contexts of this layer.
  zept::gdi::Surface& surface() const { return *m_surface; }

 private:
  std::unique_ptr<zept::gdi::Surface> m_surface;
};

ZEPTDB_END_EXPORTS
