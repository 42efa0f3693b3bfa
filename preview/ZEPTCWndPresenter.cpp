// SPDX-License-Identifier: MIT
// ZEPTCWndPresenter: construction, copying, settings and the mapping between
// model coordinates (y up) and window pixels (y down).
#include "preview/ZEPTCWndPresenter.h"

#include <bit>
#include <cmath>

namespace {

// Default colours (0x00BBGGRR) in the order of the element bits.
constexpr COLORREF kDefaultColors[10] = {
    0xFFFFFF,  // background: white
    0x808080,  // frame: grey
    0x000000,  // contour: black
    0x800080,  // axes: purple
    0x000080,  // points: dark red
    0x808080,  // dimension lines: grey
    0x800000,  // dimension values: navy
    0x808000,  // dimension descriptions: teal
    0x00FF00,  // hatch: green
    0x0000FF,  // path arrow: red
};

// A pixel coordinate from a rounded double. Values far outside any window
// (and NaN) are pinned so that the conversion stays defined; such a point
// only ever ends a line that runs off the surface.
int pixelInt(double v) {
  constexpr double kLimit = 1 << 28;
  if (!(v > -kLimit)) return -static_cast<int>(kLimit);
  if (v > kLimit) return static_cast<int>(kLimit);
  return static_cast<int>(v);
}

}  // namespace

ZEPTCWndPresenter::ZEPTCWndPresenter() {
  for (int i = 0; i < 10; ++i) m_colors[i] = kDefaultColors[i];
}

ZEPTCWndPresenter::ZEPTCWndPresenter(ZEPTCWndPresenter const& other) : ZEPTSectionPresenter(other) {
  *this = other;
}

ZEPTCWndPresenter& ZEPTCWndPresenter::operator=(ZEPTCWndPresenter const& other) {
  if (this == &other) return *this;
  ZEPTSectionPresenter::operator=(other);
  m_marginLeft = other.m_marginLeft;
  m_marginRight = other.m_marginRight;
  m_marginTop = other.m_marginTop;
  m_marginBottom = other.m_marginBottom;
  for (int i = 0; i < 10; ++i) m_colors[i] = other.m_colors[i];
  m_visible = other.m_visible;
  m_lockAxis = other.m_lockAxis;
  m_alternateRotation = other.m_alternateRotation;
  m_offset = other.m_offset;
  m_alpha = other.m_alpha;
  m_pathAngle = other.m_pathAngle;
  m_offsetPrecision = other.m_offsetPrecision;
  m_anglePrecision = other.m_anglePrecision;
  m_pathAnglePrecision = other.m_pathAnglePrecision;
  m_hatchType = other.m_hatchType;
  m_hatchAngle = other.m_hatchAngle;
  m_minWidth = other.m_minWidth;
  m_minHeight = other.m_minHeight;
  m_current = other.m_current;
  m_pathMode = other.m_pathMode;
  // A copy starts idle and unzoomed.
  m_lastPoint = CPoint(0, 0);
  m_leftPressed = false;
  m_rightPressed = false;
  m_startAngle = 0.0;
  m_zoom = 1.0;
  return *this;
}

ZEPTCWndPresenter::~ZEPTCWndPresenter() = default;

bool ZEPTCWndPresenter::operator==(ZEPTCWndPresenter const& other) const {
  return ZEPTSectionPresenter::operator==(other);
}

bool ZEPTCWndPresenter::operator!=(ZEPTCWndPresenter const& other) const { return !(*this == other); }

void ZEPTCWndPresenter::defineWindow(CWnd const* window) { m_window = window; }

bool ZEPTCWndPresenter::setCurrentSection(unsigned int index) {
  if (index >= static_cast<unsigned>(m_sections.length())) return false;
  m_current = static_cast<int>(index);
  return true;
}

bool ZEPTCWndPresenter::defineMargins(double left, double top, double right, double bottom) {
  for (double v : {left, top, right, bottom})
    if (!std::isfinite(v) || v < 0.0) return false;
  if (left + right >= 1.0 || top + bottom >= 1.0) return false;
  m_marginLeft = left;
  m_marginTop = top;
  m_marginRight = right;
  m_marginBottom = bottom;
  return true;
}

void ZEPTCWndPresenter::getMargins(double& left, double& top, double& right, double& bottom) const {
  left = m_marginLeft;
  top = m_marginTop;
  right = m_marginRight;
  bottom = m_marginBottom;
}

void ZEPTCWndPresenter::setPathAngle(double degrees) {
  if (std::isfinite(degrees)) m_pathAngle = degrees;
}

void ZEPTCWndPresenter::setOffsetPrecision(double step) {
  if (std::isfinite(step)) m_offsetPrecision = std::fabs(step);
}

void ZEPTCWndPresenter::setAnglePrecision(double step) {
  if (std::isfinite(step)) m_anglePrecision = std::fabs(step);
}

void ZEPTCWndPresenter::setPathAnglePrecision(double step) {
  if (std::isfinite(step)) m_pathAnglePrecision = std::fabs(step);
}

bool ZEPTCWndPresenter::setAlternateRotation(bool alternate) {
  m_alternateRotation = alternate;
  return true;
}

int ZEPTCWndPresenter::colorSlot(cwndElement element) {
  unsigned const bits = element;
  if (!std::has_single_bit(bits) || bits > cwndPath) return -1;
  return std::countr_zero(bits);
}

bool ZEPTCWndPresenter::setColor(cwndElement element, unsigned long color) {
  int const slot = colorSlot(element);
  if (slot < 0) return false;
  m_colors[slot] = static_cast<COLORREF>(color);
  return true;
}

bool ZEPTCWndPresenter::getColor(cwndElement element, unsigned long& color) const {
  int const slot = colorSlot(element);
  if (slot < 0) return false;
  color = m_colors[slot];
  return true;
}

bool ZEPTCWndPresenter::setVisible(cwndElement element, bool visible) {
  if (visible)
    m_visible |= element;
  else
    m_visible &= ~static_cast<unsigned>(element);
  return true;
}

bool ZEPTCWndPresenter::getVisible(cwndElement element) const { return (m_visible & element) != 0; }

bool ZEPTCWndPresenter::setHatchType(int type) {
  m_hatchType = type >= 0 && type <= 5 ? type : -1;
  drawSection();
  return true;
}

bool ZEPTCWndPresenter::setHatchAngle(double degrees) {
  if (!std::isfinite(degrees)) return false;
  double angle = std::fmod(degrees, 180.0);
  if (angle < 0.0) angle += 180.0;
  // A tiny negative remainder rounds up to 180 itself; -0 reads as 0.
  if (angle >= 180.0) angle = 0.0;
  m_hatchAngle = angle + 0.0;
  drawSection();
  return true;
}

ZEPTCrossSection const* ZEPTCWndPresenter::currentSection() const {
  if (m_current < 0) return nullptr;
  return attachedAt(static_cast<unsigned>(m_current));
}

double ZEPTCWndPresenter::pixelsPerUnit() const {
  double const k = m_scale * m_zoom;
  return std::isfinite(k) && k > 0.0 ? k : 1.0;
}

// Before the first fitted paint the model origin sits in the middle of the
// client area, at one pixel per unit.
namespace {
CPoint clientMiddle(CWnd const* window, CPoint fallback) {
  if (!window) return fallback;
  CRect rect;
  window->GetClientRect(&rect);
  return CPoint((rect.left + rect.right) >> 1, (rect.top + rect.bottom) >> 1);
}
}  // namespace

DtGePoint2d ZEPTCWndPresenter::PixelToPoint(CPoint const& pixel) const {
  double const k = pixelsPerUnit();
  CPoint const c = m_scale > 0.0 ? m_center : clientMiddle(m_window, m_center);
  return {(pixel.x - c.x) / k, -(pixel.y - c.y) / k};
}

CPoint ZEPTCWndPresenter::PointToPixel(DtGePoint2d const& point) const {
  double const k = pixelsPerUnit();
  CPoint const c = m_scale > 0.0 ? m_center : clientMiddle(m_window, m_center);
  return CPoint(pixelInt(std::floor(point.x * k + 0.5)) + c.x, pixelInt(std::floor(-point.y * k + 0.5)) + c.y);
}

int ZEPTCWndPresenter::DistToPixel(double distance) const {
  return pixelInt(std::floor(distance * pixelsPerUnit() + 0.5));
}

double ZEPTCWndPresenter::PixelToDist(int pixels) const { return pixels / pixelsPerUnit(); }

double ZEPTCWndPresenter::roundValue(double value, double step) const {
  if (step == 0.0 || !std::isfinite(step)) return value;
  double const q = value / step;
  // A step too fine for the value has nothing left to round.
  if (!std::isfinite(q)) return value;
  return value >= 0.0 ? std::floor(q + 0.5) * step : std::ceil(q - 0.5) * step;
}
