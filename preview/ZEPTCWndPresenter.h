// SPDX-License-Identifier: MIT
// ZEPTCWndPresenter: paints the current cross-section of its presenter base
// into a caller's window (hatch, contours, path arrow, axes, dimension lines,
// snap points) and lets the user place it with the mouse.
//
// Coordinates: model y points up, window pixels y down. Angles are degrees in
// this interface, radians in host geometry calls. The mapping between the two
// (`PointToPixel` and friends) uses the scale and centre of the last
// successful paint; before one, a scale of 1 and the middle of the client area.
//
// The window is not owned. The presenter reads and writes the placement
// through its base's offset point and angle, or the cross-section's own when
// the base holds none.
#pragma once

#include "platform/core/Export.h"
#include "platform/gdi/CWnd.h"
#include "platform/host/DtGeCircArc2d.h"
#include "platform/host/DtGeLineSeg2d.h"
#include "platform/host/DtGePoint2d.h"
#include "platform/host/DtGeVector2d.h"
#include "platform/shape/ZEPTContour.h"
#include "platform/shape/ZEPTSection.h"
#include "platform/shape/ZEPTSectionDimLine.h"
#include "platform/shape/ZEPTSectionPoint.h"
#include "platform/shape/ZEPTSectionPresenter.h"

ZEPTDB_BEGIN_EXPORTS

class CPaintDC;

class ZEPTCWndPresenter : public ZEPTSectionPresenter {
 public:
  // One bit per drawable element; masks of several convert too.
  enum cwndElement : unsigned {
    cwndBackground = 0x001,
    cwndFrame = 0x002,
    cwndContour = 0x004,
    cwndAxes = 0x008,
    cwndPoint = 0x010,
    cwndDimLine = 0x020,
    cwndDimValue = 0x040,
    cwndDimDesc = 0x080,
    cwndHatch = 0x100,
    cwndPath = 0x200
  };

  ZEPTCWndPresenter();
  // Copies the base part and the settings; the interaction starts idle and
  // unzoomed, and the copy has no window until one is defined.
  ZEPTCWndPresenter(ZEPTCWndPresenter const& other);
  // As the copy, but the target keeps its window, fit, snap state and pivot.
  ZEPTCWndPresenter& operator=(ZEPTCWndPresenter const& other);
  ~ZEPTCWndPresenter();

  // The base's comparison only: settings do not take part.
  bool operator==(ZEPTCWndPresenter const& other) const;
  bool operator!=(ZEPTCWndPresenter const& other) const;

  // Null is allowed: painting and mouse handling then do nothing.
  void defineWindow(CWnd const* window);
  // False, keeping the current index, for an index past the attached ones.
  bool setCurrentSection(unsigned int index);
  // Fractions of the client width (left, right) and height (top, bottom).
  // False, nothing changed, for a negative or non-finite value or when
  // left + right or top + bottom reach 1.
  bool defineMargins(double left, double top, double right, double bottom);
  void getMargins(double& left, double& top, double& right, double& bottom) const;

  // Lock-axis mode: the section stays still and the axes move. The setter
  // reloads the placement and repaints when the value changes.
  void setLockAxis(bool lock);
  bool getLockAxis() const { return m_lockAxis; }
  // Degrees, not normalised; a value that is not finite is ignored.
  void setPathAngle(double degrees);
  double getPathAngle() const { return m_pathAngle; }
  // Steps to which dragged values are rounded; the absolute value is kept,
  // 0 means no rounding, a value that is not finite is ignored.
  void setOffsetPrecision(double step);
  void setAnglePrecision(double step);
  void setPathAnglePrecision(double step);
  bool setAlternateRotation(bool alternate);
  bool getAlternateRotation() const { return m_alternateRotation; }

  // The element must be exactly one of the ten; otherwise false, unchanged.
  bool setColor(cwndElement element, unsigned long color);
  bool getColor(cwndElement element, unsigned long& color) const;
  // Any mask: its bits are set or cleared. Always true.
  bool setVisible(cwndElement element, bool visible);
  // True when the mask shares a bit with the visible elements.
  bool getVisible(cwndElement element) const;
  // 0 to 5 are the patterns; anything else selects the free angle (-1).
  // Repaints; true.
  bool setHatchType(int type);
  int getHatchType() const { return m_hatchType; }
  // Stored in [0, 180); repaints; false, unchanged, for a non-finite angle.
  bool setHatchAngle(double degrees);
  double getHatchAngle() const { return m_hatchAngle; }

  bool isLeftPressed() const { return m_leftPressed; }
  bool isRightPressed() const { return m_rightPressed; }
  // Zoom applied by the wheel on top of the fitted scale.
  double getZoom() const { return m_zoom; }

  DtGePoint2d PixelToPoint(CPoint const& pixel) const;
  CPoint PointToPixel(DtGePoint2d const& point) const;
  int DistToPixel(double distance) const;
  double PixelToDist(int pixels) const;

  // Paints the current cross-section. False when painting stopped early: no
  // window (nothing drawn), or (after clearing the background) no valid
  // current cross-section, a drawing area under the minimum, an extent
  // without width or height, or a drawing object that could not be made.
  bool drawSection();

  // Mouse messages of the window: key flags (MK_SHIFT, MK_CONTROL), wheel
  // delta, position in client pixels. True when a drag step was carried out.
  void OnLButtonDown(unsigned int flags, CPoint point);
  bool OnLButtonUp(unsigned int flags, CPoint point);
  void OnRButtonDown(unsigned int flags, CPoint point);
  bool OnRButtonUp(unsigned int flags, CPoint point);
  bool OnMouseMove(unsigned int flags, CPoint point);
  void OnMouseWheel(unsigned int flags, short delta, CPoint point);

  // Hand a new offset point and angle (degrees) to the base and bring the
  // preview in line; false, nothing changed, when the base refuses them.
  bool initOffset(ZEPTSectionPoint const& point, double angle);
  bool setOffset(ZEPTSectionPoint const* point, double const* angle);

 private:
  friend struct ZEPTCWndPresenterProbe;  // tests reach the state below

  // Rounds half away from zero to a multiple of `step`; step 0 leaves v.
  double roundValue(double value, double step) const;
  // Screen angle of a pixel vector, degrees in (-180, 180], clockwise as seen.
  double scrAngle(CPoint vector) const;

  // Placement steps shared by the mouse handlers, initOffset, setOffset and
  // setLockAxis (defined with them). Reload: m_alpha, then m_offset, from the
  // base's angle and point or else the current cross-section. Write back:
  // the reverse; the point keeps its labels unless they are given.
  void reloadPlacement();
  void writeBackOffset();
  void writeBackOffset(ZEPTSectionPoint::eOffsetLabel dxLabel, ZEPTSectionPoint::eOffsetLabel dyLabel);
  void writeBackAngle();
  // Step to which offsets are rounded: 1e-7 after snapping, else the precision.
  double offsetStep() const;

  // The current cross-section, or null.
  ZEPTCrossSection const* currentSection() const;
  // m_scale * m_zoom, or 1 while it is not a usable scale.
  double pixelsPerUnit() const;
  // Colour slot of an element that is exactly one of the ten, else -1.
  static int colorSlot(cwndElement element);

  void FillSection(CPaintDC* dc, ZEPTSection& section);
  void DrawContour(CPaintDC* dc, ZEPTContour& contour);
  void DrawArc(CPaintDC* dc, DtGeCircArc2d& arc);
  void DrawLine(CPaintDC* dc, DtGeLineSeg2d& line);
  void DrawLine(CPaintDC* dc, DtGePoint2d& point);
  void DrawPoint(CPaintDC* dc, DtGePoint2d& point);
  void DrawArrow(CPaintDC* dc, DtGePoint2d& tip, DtGeVector2d& direction);
  void DrawDimLine(CPaintDC* dc, ZEPTSectionDimLine& dimLine);
  void DrawLinearDimLine(CPaintDC* dc, ZEPTSectionDimLine& dimLine);
  void DrawRadialDimLine(CPaintDC* dc, ZEPTSectionDimLine& dimLine);

  CWnd const* m_window = nullptr;                // not owned
  double m_marginLeft = 0.1;                     // fraction of the client width
  double m_marginRight = 0.1;                    // fraction of the client width
  double m_marginTop = 0.1;                      // fraction of the client height
  double m_marginBottom = 0.1;                   // fraction of the client height
  COLORREF m_colors[10];                         // one per element, in bit order
  bool m_lockAxis = false;
  bool m_alternateRotation = false;
  DtGePoint2d m_offset;                          // section origin relative to the axes
  double m_alpha = 0.0;                          // degrees
  double m_pathAngle = 0.0;                      // degrees
  bool m_snapped = false;
  double m_offsetPrecision = 1.0;                // model units
  double m_anglePrecision = 1.0;                 // degrees
  double m_pathAnglePrecision = 1.0;             // degrees
  int m_hatchType = 2;                           // 0..5, or -1 for m_hatchAngle
  double m_hatchAngle = 45.0;                    // degrees, [0, 180)
  int m_minWidth = 50;                           // pixels
  int m_minHeight = 50;                          // pixels
  unsigned m_visible = 0xFFFFFFFDu;              // cwndElement bits
  int m_arrowLength = 10;                        // pixels
  double m_arrowAngle = 0.3;                     // radians
  int m_extensionOvershoot = 5;                  // pixels
  double m_scale = 0.0;                          // pixels per model unit; 0 before a paint
  CPoint m_center{0, 0};                         // pixel of the model origin
  CPoint m_lastPoint{0, 0};
  CPoint m_pressPoint{0, 0};
  bool m_leftPressed = false;
  bool m_rightPressed = false;
  int m_current = 0;
  double m_startAngle = 0.0;                     // degrees
  double m_zoom = 1.0;
  bool m_rotateAboutCenter = false;
  bool m_pathMode = false;
};

ZEPTDB_END_EXPORTS
