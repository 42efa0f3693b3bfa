// SPDX-License-Identifier: MIT
// Test access to the preview presenter's private state and drawing steps,
// for cases that fix a fit scale, a placement or one drawing function
// without going through a whole paint.
#pragma once

#include "platform/gdi/CDC.h"
#include "preview/ZEPTCWndPresenter.h"

struct ZEPTCWndPresenterProbe {
  using P = ZEPTCWndPresenter;

  static void setFit(P& p, double scale, CPoint center) {
    p.m_scale = scale;
    p.m_center = center;
  }
  static double scale(P const& p) { return p.m_scale; }
  static CPoint center(P const& p) { return p.m_center; }
  static void setZoom(P& p, double zoom) { p.m_zoom = zoom; }

  static void setPlacement(P& p, DtGePoint2d offset, double alpha) {
    p.m_offset = offset;
    p.m_alpha = alpha;
  }
  static void setLockAxisOnly(P& p, bool lock) { p.m_lockAxis = lock; }

  static double offsetPrecision(P const& p) { return p.m_offsetPrecision; }
  static double anglePrecision(P const& p) { return p.m_anglePrecision; }

  static double roundValue(P const& p, double value, double step) { return p.roundValue(value, step); }

  static void drawDimLine(P& p, CPaintDC& dc, ZEPTSectionDimLine& dimLine) { p.DrawDimLine(&dc, dimLine); }
};
