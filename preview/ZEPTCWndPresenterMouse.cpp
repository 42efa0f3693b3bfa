// SPDX-License-Identifier: MIT
// Mouse placement in the preview: a left drag moves the offset, a left click
// on a snap point makes that point the insertion point, a right drag turns
// the section (with Shift the path arrow), the wheel zooms.
//
// The placement lives in the model: in the base presenter's point and angle
// when it holds them, else in the current cross-section's offset and alpha.
// Every handler reloads m_offset and m_alpha from there, changes them and
// writes them back before it repaints. Screen angles grow clockwise (pixel y
// points down), model angles counter-clockwise, both in degrees.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "preview/ZEPTCWndPresenter.h"

#include "platform/gdi/KeyState.h"

namespace {

// Offsets set by snapping are kept this exact, so that they stay on the point.
constexpr double kSnappedStep = 1e-7;
// A press stays a click while the pointer is fewer pixels than this away.
constexpr int kClickSlop = 2;
// A wheel step is refused where it would take the zoom out of this range:
// beyond it the picture's pixel coordinates no longer fit an int.
constexpr double kMinZoom = 1e-4;
constexpr double kMaxZoom = 1e4;

// [0, 360): the remainder takes the dividend's sign, so negatives get 360.
double normalised(double degrees) {
  double const r = std::fmod(degrees, 360.0);
  return r < 0.0 ? r + 360.0 : r;
}

DtGePoint2d rotated(DtGePoint2d p, double degrees) {
  return p.rotateBy(degrees * std::numbers::pi / 180.0);
}

// The caller attached the cross-section for placement: the handlers write
// the placement back into it.
ZEPTCrossSection* writable(ZEPTCrossSection const* cs) { return const_cast<ZEPTCrossSection*>(cs); }

// Pixel vector from b to a. Angles about the axes' origin take it from
// PointToPixel of the model origin, which before the first paint is the
// client area's middle, as for every other mapping.
CPoint minus(CPoint const& a, CPoint const& b) { return CPoint(a.x - b.x, a.y - b.y); }

// Message positions pinned to a range in which differences of two of them,
// or of one and a mapped model point, still fit an int. A window never
// reports anything near it; only a caller's made-up point gets moved.
CPoint pinned(CPoint p) {
  constexpr int kLimit = 1 << 28;
  return CPoint(std::clamp(p.x, -kLimit, kLimit), std::clamp(p.y, -kLimit, kLimit));
}

// A drag step is scaled by the picture, which shrinks to keep the offset in
// view: unbounded, drags would carry the section away geometrically. A drag
// keeps each offset coordinate within this many times the section's reach
// from its origin, or where it was already if that is farther.
constexpr double kMaxDragReach = 100.0;

DtGePoint2d dragBounded(ZEPTCrossSection const* cs, DtGePoint2d const& before, DtGePoint2d const& after) {
  DtGePoint2d upper, lower;
  if (!cs->getBoundaries(upper, lower)) return after;
  double const reach = std::max({std::fabs(lower.x), std::fabs(lower.y), std::fabs(upper.x), std::fabs(upper.y)});
  if (!std::isfinite(reach) || !(reach > 0.0)) return after;
  double const limit = std::max({kMaxDragReach * reach, std::fabs(before.x), std::fabs(before.y)});
  return DtGePoint2d(std::clamp(after.x, -limit, limit), std::clamp(after.y, -limit, limit));
}

bool stillClick(CPoint const& p, CPoint const& press) {
  return std::abs(p.x - press.x) < kClickSlop && std::abs(p.y - press.y) < kClickSlop;
}

}  // namespace

void ZEPTCWndPresenter::reloadPlacement() {
  ZEPTCrossSection const* cs = currentSection();
  if (double const* angle = offsetAngle())
    m_alpha = *angle;
  else if (cs)
    m_alpha = cs->getAlpha();
  if (ZEPTSectionPoint const* point = offsetPoint())
    m_offset = point->getPoint(cs, &m_alpha);
  else if (cs)
    m_offset = cs->getOffset();
}

void ZEPTCWndPresenter::writeBackOffset(ZEPTSectionPoint::eOffsetLabel dxLabel, ZEPTSectionPoint::eOffsetLabel dyLabel) {
  // A drag that runs past the range of a double leaves the model where it was.
  if (!std::isfinite(m_offset.x) || !std::isfinite(m_offset.y)) {
    reloadPlacement();
    return;
  }
  if (ZEPTSectionPoint* point = offsetPoint())
    point->setPoint(m_offset, dxLabel, dyLabel);
  else if (ZEPTCrossSection const* cs = currentSection())
    writable(cs)->setOffset(m_offset);
}

void ZEPTCWndPresenter::writeBackOffset() {
  ZEPTSectionPoint const* point = offsetPoint();
  writeBackOffset(point ? point->getDxLabel() : ZEPTSectionPoint::eFree,
                  point ? point->getDyLabel() : ZEPTSectionPoint::eFree);
}

void ZEPTCWndPresenter::writeBackAngle() {
  if (double* angle = offsetAngle())
    *angle = m_alpha;
  else if (ZEPTCrossSection const* cs = currentSection())
    writable(cs)->setAlpha(m_alpha);
}

double ZEPTCWndPresenter::offsetStep() const { return m_snapped ? kSnappedStep : m_offsetPrecision; }

double ZEPTCWndPresenter::scrAngle(CPoint p) const {
  if (p.y == 0) return p.x < 0 ? 180.0 : 0.0;
  if (p.x == 0) return p.y > 0 ? 90.0 : 270.0;
  return std::atan2(static_cast<double>(p.y), static_cast<double>(p.x)) * 180.0 / std::numbers::pi;
}

void ZEPTCWndPresenter::OnLButtonDown(unsigned int, CPoint point) {
  point = pinned(point);
  if (!m_window || !currentSection()) return;
  m_leftPressed = true;
  m_pressPoint = m_lastPoint = point;
  m_snapped = true;
  reloadPlacement();
  drawSection();
}

bool ZEPTCWndPresenter::OnMouseMove(unsigned int, CPoint point) {
  point = pinned(point);
  if (!m_window || !currentSection()) return false;
  if (m_leftPressed) {
    reloadPlacement();
    DtGeVector2d v(PixelToDist(point.x - m_lastPoint.x), PixelToDist(-(point.y - m_lastPoint.y)));
    // With the axes locked it is the axes that follow the mouse.
    if (m_lockAxis) v = -v.rotateBy(m_alpha * std::numbers::pi / 180.0);
    m_offset = dragBounded(currentSection(), m_offset, m_offset + v);
    if (m_snapped) m_snapped = stillClick(point, m_pressPoint);
    if (ZEPTSectionPoint* p = offsetPoint(); p && !m_snapped) p->setLabels(ZEPTSectionPoint::eFree, ZEPTSectionPoint::eFree);
    writeBackOffset();
    m_lastPoint = point;
    drawSection();
    return true;
  }
  if (!m_rightPressed) return false;
  if (m_pathMode) {
    double const a = scrAngle(minus(point, PointToPixel(DtGePoint2d::kOrigin)));
    m_pathAngle = normalised(m_pathAngle + m_startAngle - a);
    m_startAngle = a;
    drawSection();
    return true;
  }
  reloadPlacement();
  CPoint const pivot = PointToPixel(m_rotateAboutCenter ? DtGePoint2d::kOrigin : m_offset);
  double const a = scrAngle(minus(point, pivot));
  double const d = m_lockAxis ? a - m_startAngle : m_startAngle - a;
  m_alpha = normalised(m_alpha + d);
  writeBackAngle();
  if (m_rotateAboutCenter) m_offset = rotated(m_offset, d);
  writeBackOffset();
  m_startAngle = a;
  drawSection();
  return true;
}

bool ZEPTCWndPresenter::OnLButtonUp(unsigned int, CPoint point) {
  point = pinned(point);
  if (!m_window || !m_leftPressed) return false;
  ZEPTCrossSection const* cs = currentSection();
  if (!cs) {
    m_leftPressed = false;  // the section went away during the drag
    return false;
  }
  reloadPlacement();
  double const tol = PixelToDist(kClickSlop);
  // The last step is added as it is, also with locked axes.
  m_offset = dragBounded(cs, m_offset,
                         m_offset + DtGeVector2d(PixelToDist(point.x - m_lastPoint.x), PixelToDist(-(point.y - m_lastPoint.y))));
  if (m_snapped) m_snapped = stillClick(point, m_pressPoint);

  ZEPTSectionPoint::eOffsetLabel dx = ZEPTSectionPoint::eFree, dy = ZEPTSectionPoint::eFree;
  if (m_snapped) {
    if (ZEPTSectionPoint const* p = offsetPoint()) {
      dx = p->getDxLabel();
      dy = p->getDyLabel();
    }
    ZEPTPointArray snaps;
    cs->getAllSnapPoints(snaps);
    DtGePoint2d c = PixelToPoint(point);
    // Into the section's own coordinates, where the snap points are.
    if (!m_lockAxis) c = rotated(DtGePoint2d::kOrigin + (c - m_offset), -m_alpha);
    m_snapped = false;
    for (int i = 0; i < snaps.length(); ++i) {
      DtGePoint2d const s = snaps[i].getPoint();
      if (std::fabs(c.x - s.x) < tol && std::fabs(c.y - s.y) < tol) {
        // The point goes onto the axes' origin.
        m_offset = DtGePoint2d::kOrigin - rotated(s, m_alpha).asVector();
        dx = snaps[i].getDxLabel();
        dy = snaps[i].getDyLabel();
        m_snapped = true;
        break;
      }
    }
  }
  m_offset = DtGePoint2d(roundValue(m_offset.x, offsetStep()), roundValue(m_offset.y, offsetStep()));
  writeBackOffset(dx, dy);
  m_lastPoint = point;
  drawSection();
  m_leftPressed = false;
  return true;
}

void ZEPTCWndPresenter::OnRButtonDown(unsigned int flags, CPoint point) {
  point = pinned(point);
  if (!m_window || !currentSection()) return;
  CPoint p;
  if (flags & MK_SHIFT) {
    m_pathMode = true;
    p = minus(point, PointToPixel(DtGePoint2d::kOrigin));
  } else {
    m_rotateAboutCenter = (flags & MK_CONTROL) ? !m_alternateRotation : m_alternateRotation;
    reloadPlacement();
    CPoint const pivot = PointToPixel(m_rotateAboutCenter ? DtGePoint2d::kOrigin : m_offset);
    p = minus(point, pivot);
  }
  m_startAngle = scrAngle(p);
  m_rightPressed = true;
  drawSection();
}

bool ZEPTCWndPresenter::OnRButtonUp(unsigned int, CPoint point) {
  point = pinned(point);
  if (!m_window || !m_rightPressed) return false;
  if (!m_pathMode && !currentSection()) {
    m_rightPressed = false;  // the section went away during the drag
    return false;
  }
  if (m_pathMode) {
    double const a = scrAngle(minus(point, PointToPixel(DtGePoint2d::kOrigin)));
    m_pathAngle = roundValue(normalised(m_pathAngle + m_startAngle - a), m_pathAnglePrecision);
    if (m_pathAngle >= 360.0) m_pathAngle -= 360.0;
  } else {
    reloadPlacement();
    CPoint const pivot = PointToPixel(m_rotateAboutCenter ? DtGePoint2d::kOrigin : m_offset);
    double const a = scrAngle(minus(point, pivot));
    double d = m_lockAxis ? a - m_startAngle : m_startAngle - a;
    double const unrounded = normalised(m_alpha + d);
    m_alpha = roundValue(unrounded, m_anglePrecision);
    // The offset turns by what the angle finally turned.
    d += m_alpha - unrounded;
    if (m_alpha >= 360.0) m_alpha -= 360.0;
    if (m_rotateAboutCenter) m_offset = rotated(m_offset, d);
    m_offset = DtGePoint2d(roundValue(m_offset.x, offsetStep()), roundValue(m_offset.y, offsetStep()));
    writeBackAngle();
    writeBackOffset();
  }
  drawSection();
  m_rightPressed = false;
  m_pathMode = false;
  return true;
}

void ZEPTCWndPresenter::OnMouseWheel(unsigned int, short delta, CPoint) {
  // A delta of 0 would make the factor 0 and divide the zoom by it.
  if (!m_window || !currentSection() || delta == 0) return;
  double const f = 1.1 * std::abs(static_cast<int>(delta)) / 120.0;
  double const zoom = delta > 0 ? m_zoom * f : m_zoom / f;
  if (!(zoom >= kMinZoom && zoom <= kMaxZoom)) return;
  m_zoom = zoom;
  drawSection();
}

void ZEPTCWndPresenter::setLockAxis(bool lock) {
  if (lock == m_lockAxis) return;
  m_lockAxis = lock;
  reloadPlacement();
  drawSection();
}

bool ZEPTCWndPresenter::initOffset(ZEPTSectionPoint const& point, double angle) {
  if (!ZEPTSectionPresenter::setOffset(&point, &angle)) return false;
  ZEPTSectionPoint* stored = offsetPoint();
  bool const labelled =
      stored->getDxLabel() != ZEPTSectionPoint::eFree && stored->getDyLabel() != ZEPTSectionPoint::eFree;
  m_offset = stored->getPoint(currentSection(), &m_alpha);
  if (labelled && m_alpha != angle) {
    m_offset = rotated(m_offset, angle - m_alpha);
    m_offset = DtGePoint2d(roundValue(m_offset.x, offsetStep()), roundValue(m_offset.y, offsetStep()));
    stored->setPoint(m_offset, stored->getDxLabel(), stored->getDyLabel());
  }
  m_alpha = angle;
  drawSection();
  return true;
}

bool ZEPTCWndPresenter::setOffset(ZEPTSectionPoint const* point, double const* angle) {
  if (!ZEPTSectionPresenter::setOffset(point, angle)) return false;
  bool const controlDown = GetKeyState(VK_CONTROL) < 0;
  bool const rotateAlong = controlDown ? !m_alternateRotation : m_alternateRotation;
  ZEPTCrossSection const* cs = currentSection();
  double newAngle = m_alpha;
  if (double const* a = offsetAngle())
    newAngle = *a;
  else if (cs)
    newAngle = cs->getAlpha();
  // The offset as it reads with the angle the preview shows now.
  if (ZEPTSectionPoint const* p = offsetPoint())
    m_offset = p->getPoint(cs, &m_alpha);
  else if (cs)
    m_offset = cs->getOffset();
  bool const turn = rotateAlong && m_alpha != newAngle;
  if (turn) m_offset = rotated(m_offset, newAngle - m_alpha);
  m_offset = DtGePoint2d(roundValue(m_offset.x, offsetStep()), roundValue(m_offset.y, offsetStep()));
  if (turn) writeBackOffset();
  m_alpha = newAngle;
  drawSection();
  return true;
}
