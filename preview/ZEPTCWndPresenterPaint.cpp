// SPDX-License-Identifier: MIT
// ZEPTCWndPresenter: painting. Every paint recomputes everything from the
// model; nothing is cached between paints. The stored cross-section is never
// changed: sections, dimension lines and points are placed as copies.
//
// Model points go through PointToPixel (model y up, pixel y down); a bulge
// changes sign on the way into pixel space, and so does the sense of an angle.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/host/DtDbHatch.h"
#include "preview/ZEPTCWndPresenter.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// A solid one-pixel pen selected for one layer and deselected after it.
class LayerPen {
 public:
  LayerPen(CDC& dc, COLORREF color) : m_dc(dc), m_pen(PS_SOLID, 1, color) {
    if (m_pen.GetSafeHandle()) m_old = m_dc.SelectObject(&m_pen);
  }
  ~LayerPen() {
    if (m_old) m_dc.SelectObject(m_old);
  }
  LayerPen(LayerPen const&) = delete;
  LayerPen& operator=(LayerPen const&) = delete;
  bool ok() const { return m_old != nullptr; }

 private:
  CDC& m_dc;
  CPen m_pen;
  CPen* m_old = nullptr;
};

// Hatch loops that reach far beyond the window are cut to it first: what
// lies outside is never seen, and a zoomed-in section would otherwise cost
// the hatch engine a line every few pixels across its whole size. Cutting
// each loop on its own to a convex box keeps, inside the box, which areas are
// inside an odd number of loops, so the fill rule sees the same picture
// there. The box reaches a little past the window so that the straight
// edges the cut leaves along it stay out of sight.
constexpr double kViewMargin = 16.0;
// Line steps of an arc: one per pi/32 of sweep at most, plus one. A sweep
// worked out from a bulge misses a whole multiple of pi/32 by rounding; it
// counts as that multiple, so that a quarter turn gets its 17 steps.
int arcSteps(double sweep) { return static_cast<int>(std::fabs(sweep) * 32.0 / std::numbers::pi + 1e-9) + 1; }

struct PixelBox {
  double left, top, right, bottom;
  bool contains(DtGePoint2d const& p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

// Whether the loop, arcs with their whole circles, lies inside the box.
bool fitsView(DtArray<DtGePoint2d> const& vertices, DtArray<double> const& bulges, PixelBox const& view) {
  int const n = vertices.length();
  for (int i = 0; i < n; ++i) {
    if (!view.contains(vertices[i])) return false;
    if (bulges[i] == 0.0) continue;
    DtGeCircArc2d arc;
    if (arc.set(vertices[i], vertices[(i + 1) % n], bulges[i]) != Dt::eOk) continue;
    DtGePoint2d const c = arc.center();
    double const r = arc.radius();
    if (!view.contains(DtGePoint2d(c.x - r, c.y - r)) || !view.contains(DtGePoint2d(c.x + r, c.y + r))) return false;
  }
  return true;
}

// Replaces the loop by its straight-edged part inside the box, its arcs
// turned into the chords of the drawn outline first. False when nothing of it
// is left.
bool cutToView(DtArray<DtGePoint2d>& vertices, DtArray<double>& bulges, PixelBox const& view) {
  std::vector<DtGePoint2d> ring;
  int const n = vertices.length();
  for (int i = 0; i < n; ++i) {
    ring.push_back(vertices[i]);
    DtGeCircArc2d arc;
    if (bulges[i] == 0.0 || arc.set(vertices[i], vertices[(i + 1) % n], bulges[i]) != Dt::eOk) continue;
    // The same chords as the outline is drawn with, so that the hatch meets it.
    double const sweep = arc.signedSweep();
    int const pieces = arcSteps(sweep);
    for (int k = 1; k < pieces; ++k) {
      DtGePoint2d p = vertices[i];
      ring.push_back(p.rotateBy(sweep * k / pieces, arc.center()));
    }
  }
  // One half-plane after the other (Sutherland and Hodgman).
  auto cut = [&ring](auto inside, auto crossing) {
    std::vector<DtGePoint2d> out;
    for (std::size_t i = 0; i < ring.size(); ++i) {
      DtGePoint2d const& a = ring[i];
      DtGePoint2d const& b = ring[(i + 1) % ring.size()];
      if (inside(a)) out.push_back(a);
      if (inside(a) != inside(b)) out.push_back(crossing(a, b));
    }
    ring.swap(out);
  };
  auto atX = [](double x) {
    return [x](DtGePoint2d const& a, DtGePoint2d const& b) {
      return DtGePoint2d(x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x));
    };
  };
  auto atY = [](double y) {
    return [y](DtGePoint2d const& a, DtGePoint2d const& b) {
      return DtGePoint2d(a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y);
    };
  };
  cut([&](DtGePoint2d const& p) { return p.x >= view.left; }, atX(view.left));
  cut([&](DtGePoint2d const& p) { return p.x <= view.right; }, atX(view.right));
  cut([&](DtGePoint2d const& p) { return p.y >= view.top; }, atY(view.top));
  cut([&](DtGePoint2d const& p) { return p.y <= view.bottom; }, atY(view.bottom));
  if (ring.size() < 3) return false;
  vertices.setLogicalLength(0);
  bulges.setLogicalLength(0);
  for (DtGePoint2d const& p : ring) {
    vertices.append(p);
    bulges.append(0.0);
  }
  return true;
}

// The placement: rotation by alpha about the model origin, then the offset.
DtGeMatrix2d placement(double alphaDegrees, DtGePoint2d const& offset) {
  DtGeMatrix2d m = DtGeMatrix2d::rotation(alphaDegrees * kDegree);
  m.setTranslation(offset.asVector());
  return m;
}

}  // namespace

bool ZEPTCWndPresenter::drawSection() {
  if (!m_window) return false;
  CRect client;
  m_window->GetClientRect(&client);
  m_window->InvalidateRect(&client, false);
  CRect const full = client;

  CPaintDC dc(m_window);
  dc.SetBkColor(m_colors[0]);
  dc.SetBkMode(TRANSPARENT);
  CRgn clip;
  clip.CreateRectRgn(client.left, client.top, client.right, client.bottom);
  dc.SelectClipRgn(&clip);

  CBrush background(m_colors[0]);
  if (!background.GetSafeHandle()) return false;
  dc.FillRect(&client, &background);

  ZEPTCrossSection const* crossSection = currentSection();
  if (!crossSection) return false;

  // Drawing area: the client area less the margins.
  int const width = client.Width();
  int const height = client.Height();
  CRect area = client;
  area.left += static_cast<int>(width * m_marginLeft);
  area.right -= static_cast<int>(width * m_marginRight);
  area.top += static_cast<int>(height * m_marginTop);
  area.bottom -= static_cast<int>(height * m_marginBottom);
  if (area.Width() < m_minWidth || area.Height() < m_minHeight) return false;
  m_center = CPoint((area.left + area.right) >> 1, (area.top + area.bottom) >> 1);

  // A placement that is not finite (a model offset or angle nobody checked)
  // has no picture.
  if (!std::isfinite(m_offset.x) || !std::isfinite(m_offset.y) || !std::isfinite(m_alpha)) return false;

  DtGePoint2d upper, lower;
  crossSection->getBoundaries(upper, lower);
  if (!(upper.x > lower.x) || !(upper.y > lower.y)) return false;
  // The offset stays in the picture.
  lower.x = std::min(lower.x, m_offset.x);
  lower.y = std::min(lower.y, m_offset.y);
  upper.x = std::max(upper.x, m_offset.x);
  upper.y = std::max(upper.y, m_offset.y);

  // The origin sits in the middle, so the farther extent on either side
  // fills half the area.
  double const sx = area.Width() * 0.5 / std::max(std::fabs(lower.x), std::fabs(upper.x));
  double const sy = area.Height() * 0.5 / std::max(std::fabs(lower.y), std::fabs(upper.y));
  double const scale = std::min(sx, sy);
  if (!std::isfinite(scale) || !(scale > 0.0)) return false;
  m_scale = scale;

  DtGeMatrix2d const place = placement(m_alpha, m_offset);
  DtGeMatrix2d const unplace = place.inverse();
  // A pixel through the inverse placement: where the axes go in lock-axis mode.
  auto throughInverse = [&](CPoint p) {
    DtGePoint2d q = PixelToPoint(p);
    q.transformBy(unplace);
    return PointToPixel(q);
  };

  if (getVisible(cwndFrame)) {
    LayerPen pen(dc, m_colors[1]);
    if (!pen.ok()) return false;
    CBrush* oldBrush = dc.SelectObject(&background);
    CPoint const topLeft = PointToPixel(DtGePoint2d(lower.x, upper.y));
    CPoint const bottomRight = PointToPixel(DtGePoint2d(upper.x, lower.y));
    dc.Rectangle(topLeft.x, topLeft.y, bottomRight.x + 1, bottomRight.y + 1);
    dc.SelectObject(oldBrush);
  }

  if (getVisible(cwndHatch)) {
    LayerPen pen(dc, m_colors[8]);
    if (!pen.ok()) return false;
    for (int i = 0; i < crossSection->numSections(); ++i) {
      ZEPTSection section(false);
      crossSection->getSectionAt(i, section);
      if (!m_lockAxis) section.transformBy(place);
      FillSection(&dc, section);
    }
  }

  if (getVisible(cwndContour)) {
    LayerPen pen(dc, m_colors[2]);
    if (!pen.ok()) return false;
    for (int i = 0; i < crossSection->numSections(); ++i) {
      ZEPTSection section(false);
      crossSection->getSectionAt(i, section);
      if (!m_lockAxis) section.transformBy(place);
      for (int j = 0; j < section.numContours(); ++j) {
        ZEPTContour contour(false);
        section.getContourAt(j, contour);
        DrawContour(&dc, contour);
      }
    }
  }

  if (getVisible(cwndPath)) {
    LayerPen pen(dc, m_colors[9]);
    if (!pen.ok()) return false;
    int const midY = (full.top + full.bottom) / 2;
    CPoint arrow[4] = {CPoint(full.left, midY), CPoint(full.right, midY), CPoint(full.right - 10, midY - 3),
                       CPoint(full.right - 10, midY + 3)};
    for (CPoint& p : arrow) {
      DtGePoint2d q = PixelToPoint(p);
      q.rotateBy(m_pathAngle * kDegree);
      p = PointToPixel(q);
      if (m_lockAxis) p = throughInverse(p);
    }
    dc.MoveTo(arrow[0]);
    dc.LineTo(arrow[1]);
    dc.LineTo(arrow[2]);
    dc.MoveTo(arrow[1]);
    dc.LineTo(arrow[3]);
  }

  if (getVisible(cwndAxes)) {
    LayerPen pen(dc, m_colors[3]);
    if (!pen.ok()) return false;
    int const mx = (area.left + area.right) / 2;
    int const my = (area.top + area.bottom) / 2;
    CPoint axes[8] = {CPoint(area.left, my),          CPoint(area.right, my),         CPoint(area.right - 10, my - 3),
                      CPoint(area.right - 10, my + 3), CPoint(mx, area.bottom),        CPoint(mx, area.top),
                      CPoint(mx - 3, area.top + 10),   CPoint(mx + 3, area.top + 10)};
    if (m_lockAxis)
      for (CPoint& p : axes) p = throughInverse(p);
    dc.MoveTo(axes[0]);
    dc.LineTo(axes[1]);
    dc.LineTo(axes[2]);
    dc.MoveTo(axes[1]);
    dc.LineTo(axes[3]);
    dc.MoveTo(axes[4]);
    dc.LineTo(axes[5]);
    dc.LineTo(axes[6]);
    dc.MoveTo(axes[5]);
    dc.LineTo(axes[7]);
  }

  if (getVisible(cwndDimLine)) {
    ZEPTDimLineArray dimLines;
    crossSection->getAllDimLines(dimLines);
    if (dimLines.length() > 0) {
      LayerPen pen(dc, m_colors[5]);
      if (!pen.ok()) return false;
      for (int i = 0; i < dimLines.length(); ++i) {
        ZEPTSectionDimLine dimLine = dimLines[i];
        if (!m_lockAxis) dimLine.transformBy(place);
        DrawDimLine(&dc, dimLine);
      }
    }
  }

  if (getVisible(cwndPoint)) {
    LayerPen pen(dc, m_colors[4]);
    if (!pen.ok()) return false;
    ZEPTPointArray points;
    crossSection->getAllSnapPoints(points);
    for (int i = 0; i < points.length(); ++i) {
      ZEPTSectionPoint point = points[i];
      if (!m_lockAxis) point.transformBy(place);
      DtGePoint2d p = point.getPoint();
      DrawPoint(&dc, p);
    }
  }
  return true;
}

void ZEPTCWndPresenter::FillSection(CPaintDC* dc, ZEPTSection& section) {
  CRect client;
  if (m_window) m_window->GetClientRect(&client);
  PixelBox const view{client.left - kViewMargin, client.top - kViewMargin, client.right + kViewMargin,
                      client.bottom + kViewMargin};
  DtDbHatch hatch;
  for (int i = 0; i < section.numContours(); ++i) {
    ZEPTContour contour(false);
    DtDbPolyline polyline;
    if (!section.getContourAt(i, contour) || !contour.getPolyline(polyline)) continue;
    DtArray<DtGePoint2d> vertices;
    DtArray<double> bulges;
    for (unsigned v = 0; v < polyline.numVerts(); ++v) {
      DtGePoint2d point;
      double bulge = 0.0;
      polyline.getPointAt(v, point);
      polyline.getBulgeAt(v, bulge);
      CPoint const pixel = PointToPixel(point);
      vertices.append(DtGePoint2d(pixel.x, pixel.y));
      bulges.append(-bulge);
    }
    if (!fitsView(vertices, bulges, view) && !cutToView(vertices, bulges, view)) continue;
    hatch.appendLoop(contour.getIsHole() ? 0 : 1, vertices, bulges);
  }
  hatch.setHatchStyle(DtDbHatch::kNormal);

  // Pixel angle and double flag of the pattern; pixel y points down, so a
  // free angle given in the model's sense is mirrored.
  double angle = 0.0;
  bool isDouble = false;
  switch (m_hatchType) {
    case 0: angle = 0.0; break;
    case 1: angle = 90.0; break;
    case 2: angle = 45.0; break;
    case 3: angle = 135.0; break;
    case 4: angle = 0.0, isDouble = true; break;
    case 5: angle = 45.0, isDouble = true; break;
    default: angle = 180.0 - m_hatchAngle; break;
  }
  // Lines 8 pixels apart along the axis they run closer to.
  double s = std::fmod(angle, 90.0);
  if (s > 45.0) s = 90.0 - s;
  hatch.setPatternSpace(8.0 * std::cos(s * kDegree));
  hatch.setPatternAngle(angle * kDegree);
  hatch.setPatternDouble(isDouble);
  hatch.setPattern(DtDbHatch::kUserDefined, L"");
  if (hatch.evaluateHatch() != Dt::eOk) return;

  DtArray<DtGePoint2d> starts, ends;
  if (hatch.getHatchLinesData(starts, ends) != Dt::eOk) return;
  int const count = std::min(starts.length(), ends.length());
  for (int i = 0; i < count; ++i) {
    dc->MoveTo(static_cast<int>(std::floor(starts[i].x + 0.5)), static_cast<int>(std::floor(starts[i].y + 0.5)));
    dc->LineTo(static_cast<int>(std::floor(ends[i].x + 0.5)), static_cast<int>(std::floor(ends[i].y + 0.5)));
  }
}

void ZEPTCWndPresenter::DrawContour(CPaintDC* dc, ZEPTContour& contour) {
  DtDbPolyline polyline;
  if (!contour.getPolyline(polyline)) return;
  for (unsigned i = 0; i < polyline.numVerts(); ++i) {
    if (i == 0) {
      DtGePoint2d first;
      polyline.getPointAt(0, first);
      dc->MoveTo(PointToPixel(first));
    }
    switch (polyline.segType(i)) {
      case DtDbPolyline::kLine: {
        DtGeLineSeg2d line;
        polyline.getLineSegAt(i, line);
        DrawLine(dc, line);
        break;
      }
      case DtDbPolyline::kArc: {
        DtGeCircArc2d arc;
        polyline.getArcSegAt(i, arc);
        DrawArc(dc, arc);
        break;
      }
      case DtDbPolyline::kPoint: {
        DtGePoint2d point;
        polyline.getPointAt(i, point);
        DrawLine(dc, point);
        break;
      }
      default: break;
    }
  }
}

void ZEPTCWndPresenter::DrawArc(CPaintDC* dc, DtGeCircArc2d& arc) {
  double const sweep = arc.endAng() - arc.startAng();
  if (!std::isfinite(sweep)) return;
  int const steps = arcSteps(sweep);
  double const step = (arc.isClockWise() ? -sweep : sweep) / steps;
  DtGePoint2d const start = arc.startPoint();
  DtGePoint2d const center = arc.center();
  for (int i = 1; i <= steps; ++i) {
    DtGePoint2d p = start;
    p.rotateBy(step * i, center);
    dc->LineTo(PointToPixel(p));
  }
}

void ZEPTCWndPresenter::DrawLine(CPaintDC* dc, DtGeLineSeg2d& line) { dc->LineTo(PointToPixel(line.endPoint())); }

void ZEPTCWndPresenter::DrawLine(CPaintDC* dc, DtGePoint2d& point) { dc->LineTo(PointToPixel(point)); }

void ZEPTCWndPresenter::DrawPoint(CPaintDC* dc, DtGePoint2d& point) {
  CPoint const p = PointToPixel(point);
  dc->Rectangle(p.x - 1, p.y - 1, p.x + 2, p.y + 2);
  dc->MoveTo(p.x - 2, p.y - 2);
  dc->LineTo(p.x + 3, p.y + 3);
  dc->MoveTo(p.x - 2, p.y + 2);
  dc->LineTo(p.x + 3, p.y - 3);
}

void ZEPTCWndPresenter::DrawArrow(CPaintDC* dc, DtGePoint2d& tip, DtGeVector2d& direction) {
  // The direction points from the tip into the shaft.
  DtGeVector2d const v = direction.normal() * PixelToDist(m_arrowLength);
  DtGeVector2d left = v, right = v;
  left.rotateBy(m_arrowAngle);
  right.rotateBy(-m_arrowAngle);
  CPoint const t = PointToPixel(tip);
  dc->MoveTo(PointToPixel(tip + left));
  dc->LineTo(t);
  dc->LineTo(PointToPixel(tip + right));
  dc->LineTo(t);
}
