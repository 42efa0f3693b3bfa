// SPDX-License-Identifier: MIT
// ZEPTCWndPresenter: dimension lines, linear and radial, with their value and
// description texts in a font that follows the line.
//
// Notation: B and E are the begin and end point, V = B - E, u its unit
// vector and n = u turned by +90 degrees. Text cells are placed by their top
// left corner and turned about it counter-clockwise by the text angle.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <numbers>

#include "platform/gdi/CDC.h"
#include "preview/ZEPTCWndPresenter.h"

namespace {

// Text angle in tenths of a degree: the direction the texts read in.
int textAngle(ZEPTSectionDimLine const& dimLine) {
  DtGeVector2d const along = dimLine.getValueDir() == 0 ? dimLine.getEndPoint() - dimLine.getBeginPoint()
                                                         : dimLine.getBeginPoint() - dimLine.getEndPoint();
  double const tenths = along.angle() * 1800.0 / std::numbers::pi;
  return std::isfinite(tenths) ? static_cast<int>(tenths) : 0;
}

// A font selected into the device context for the length of a scope.
class DimFont {
 public:
  DimFont(CDC& dc, int height, int escapement) : m_dc(dc) {
    LOGFONT lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = height;
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;
    std::wcsncpy(lf.lfFaceName, L"Arial", LF_FACESIZE - 1);
    if (m_font.CreateFontIndirect(&lf)) m_old = m_dc.SelectObject(&m_font);
  }
  ~DimFont() { release(); }
  DimFont(DimFont const&) = delete;
  DimFont& operator=(DimFont const&) = delete;

  bool ok() const { return m_old != nullptr; }
  void release() {
    if (m_old) m_dc.SelectObject(m_old);
    m_old = nullptr;
    m_font.DeleteObject();
  }

 private:
  CDC& m_dc;
  CFont m_font;
  CFont* m_old = nullptr;
};

struct TextSizes {
  int wV = 0, hV = 0, wD = 0, hD = 0;
  int width() const { return std::max(wV, wD); }
  int height() const { return std::max(hV, hD); }
};

TextSizes measure(CDC& dc, ZEPTSectionDimLine const& dimLine) {
  CSize const v = dc.GetTextExtent(CString(dimLine.getValueString()));
  CSize const d = dc.GetTextExtent(CString(dimLine.getDescString()));
  return {v.cx, v.cy, d.cx, d.cy};
}

// Shared by both kinds: texts beside the line when they fit between the
// arrows, else outside beyond the begin point. Written back into the line.
int chooseAlignment(ZEPTSectionDimLine& dimLine, int textWidth, int lineLength, int arrowLength) {
  if (dimLine.getTextAlign() == 0) dimLine.setTextAlign(textWidth > lineLength - 2 * arrowLength ? 2 : 1);
  return dimLine.getTextAlign();
}

}  // namespace

void ZEPTCWndPresenter::DrawDimLine(CPaintDC* dc, ZEPTSectionDimLine& dimLine) {
  if (dimLine.getDimLineType() == 0)
    DrawLinearDimLine(dc, dimLine);
  else
    DrawRadialDimLine(dc, dimLine);
}

void ZEPTCWndPresenter::DrawLinearDimLine(CPaintDC* dc, ZEPTSectionDimLine& dimLine) {
  DtGePoint2d const b = dimLine.getBeginPoint();
  DtGePoint2d const e = dimLine.getEndPoint();
  DtGeVector2d v = b - e;
  DtGeVector2d const u = v.normal();
  DtGeVector2d const n = u.perpVector();
  DtGeVector2d const off = n * dimLine.getLength();
  DtGePoint2d const b1 = b + off;
  DtGePoint2d const e1 = e + off;

  int const angle = textAngle(dimLine);
  DimFont font(*dc, angle != 0 ? 11 : 12, angle);
  if (!font.ok()) return;
  TextSizes const text = measure(*dc, dimLine);
  int const lineLength = DistToPixel(v.length());
  int const align = chooseAlignment(dimLine, text.width(), lineLength, m_arrowLength);

  bool const valueAbove = dimLine.getValuePos() == 0;
  bool const forward = dimLine.getValueDir() == 0;
  DtGeVector2d const h1 = n * PixelToDist(-text.height() - 1);
  DtGeVector2d const h2 = n * PixelToDist(1);
  DtGeVector2d const hValue = valueAbove ? h1 : h2;
  DtGeVector2d const hDesc = valueAbove ? h2 : h1;

  DtGePoint2d valueAt, descAt, p, q;
  if (align == 1) {
    // Each text centred between the ends.
    DtGeVector2d const a1 = u * PixelToDist(text.wV - lineLength) * 0.5;
    DtGeVector2d const a2 = u * PixelToDist(text.wD - lineLength) * 0.5;
    valueAt = forward ? b1 + a1 + hValue : e1 - a1 - hValue;
    descAt = forward ? b1 + a2 + hDesc : e1 - a2 - hDesc;
    p = b1;
    q = e1;
  } else {
    // A text block of the wider text's width, 12 pixels beyond one end; the
    // line runs on under it.
    DtGeVector2d const c1 = u * PixelToDist(text.wV - text.width()) * 0.5;
    DtGeVector2d const c2 = u * PixelToDist(text.wD - text.width()) * 0.5;
    DtGeVector2d const x = u * PixelToDist(m_arrowLength + 2);
    DtGeVector2d const block = u * PixelToDist(text.width());
    p = b1 + x;
    q = e1 - x;
    // The block's two ends: texts reading forward start at `t`, texts
    // reading backward (turned half a turn) at `a`.
    DtGePoint2d t, a;
    if (align == 2) {
      a = p;
      p = p + block;
      t = p;
    } else {
      t = q;
      q = q - block;
      a = q;
    }
    valueAt = forward ? t + c1 + hValue : a - c1 - hValue;
    descAt = forward ? t + c2 + hDesc : a - c2 - hDesc;
    v = -v;  // arrows from outside
  }

  COLORREF const oldColor = dc->SetTextColor(m_colors[6]);
  CPoint const valuePixel = PointToPixel(valueAt), descPixel = PointToPixel(descAt);
  if (getVisible(cwndDimValue)) dc->TextOut(valuePixel.x, valuePixel.y, CString(dimLine.getValueString()));
  dc->SetTextColor(m_colors[7]);
  if (getVisible(cwndDimDesc)) dc->TextOut(descPixel.x, descPixel.y, CString(dimLine.getDescString()));
  dc->SetTextColor(oldColor);

  dc->MoveTo(PointToPixel(p));
  DrawLine(dc, q);

  DtGePoint2d tipB = b1, tipE = e1;
  DtGeVector2d back = -v;
  DrawArrow(dc, tipB, back);
  DrawArrow(dc, tipE, v);

  int const k = DistToPixel(off.length());
  if (k != 0) {
    DtGeVector2d const overshoot = off * (static_cast<double>(m_extensionOvershoot) / k);
    dc->MoveTo(PointToPixel(b));
    dc->LineTo(PointToPixel(b1 + overshoot));
    dc->MoveTo(PointToPixel(e));
    dc->LineTo(PointToPixel(e1 + overshoot));
  }
}

void ZEPTCWndPresenter::DrawRadialDimLine(CPaintDC* dc, ZEPTSectionDimLine& dimLine) {
  DtGePoint2d const b = dimLine.getBeginPoint();
  DtGePoint2d const e = dimLine.getEndPoint();
  DtGeVector2d v = b - e;
  DtGeVector2d const u = v.normal();
  double const length = dimLine.getLength();

  int align = 0;
  {
    int const angle = textAngle(dimLine);
    DimFont font(*dc, angle != 0 ? 11 : 12, angle);
    if (!font.ok()) return;
    TextSizes const text = measure(*dc, dimLine);
    align = chooseAlignment(dimLine, text.width(), DistToPixel(v.length()), m_arrowLength);
  }
  if (align == 1) {
    // Texts that fit are drawn as on a linear dimension on the line itself.
    dimLine.setLength(0.0);
    DrawLinearDimLine(dc, dimLine);
    return;
  }

  // Outside: horizontal texts on a shoulder at the end of a leader.
  DimFont font(*dc, 12, 0);
  if (!font.ok()) return;
  TextSizes const text = measure(*dc, dimLine);

  DtGeVector2d const x = u * PixelToDist(m_arrowLength + 2);
  DtGePoint2d p = b, q = e;
  double extension = length;
  if (length < 0.0) {
    p = p + x;
    q = q - x;
    extension = std::max(x.length(), -length);
  }
  DtGeVector2d const lead = u * extension;
  bool const endRight = e.x > b.x;
  CPoint corner;  // where the leader meets the shoulder
  int shoulder = 0;  // signed shoulder length in pixels
  if (align == 2) {
    dc->MoveTo(PointToPixel(q));
    p = p + lead;
    corner = PointToPixel(p);
    shoulder = endRight ? -text.width() : text.width();
  } else {
    dc->MoveTo(PointToPixel(p));
    q = q - lead;
    corner = PointToPixel(q);
    shoulder = endRight ? text.width() : -text.width();
  }
  dc->LineTo(corner);
  dc->LineTo(corner.x + shoulder, corner.y);

  if (length < 0.0) v = -v;
  DtGePoint2d tipB = b, tipE = e;
  DtGeVector2d back = -v;
  if (length != 0.0) {
    DrawArrow(dc, tipB, back);
    DrawArrow(dc, tipE, v);
  } else if (align == 3) {
    DrawArrow(dc, tipB, back);
  } else {
    DrawArrow(dc, tipE, v);
  }

  int const left = std::min(corner.x, corner.x + shoulder);
  int const right = std::max(corner.x, corner.x + shoulder);
  int const m = (left + right) >> 1;
  bool const valueAbove = dimLine.getValuePos() == 0;
  int const valueY = valueAbove ? corner.y - (text.hV + 1) : corner.y + 1;
  int const descY = valueAbove ? corner.y + 1 : corner.y - (text.hD + 1);
  COLORREF const oldColor = dc->SetTextColor(m_colors[6]);
  if (getVisible(cwndDimValue)) dc->TextOut(m - (text.wV >> 1), valueY, CString(dimLine.getValueString()));
  dc->SetTextColor(m_colors[7]);
  if (getVisible(cwndDimDesc)) dc->TextOut(m - (text.wD >> 1), descY, CString(dimLine.getDescString()));
  dc->SetTextColor(oldColor);
}
