// SPDX-License-Identifier: MIT
// Dimension-line layout: each candidate placement painted on the preview's
// own window and judged by the text cells and lines it records on the
// Surface; the best few followed up, the rest placed greedily.
#include "tools/common/PreviewLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <variant>

#include "platform/gdi/CWnd.h"
#include "platform/gdi/Surface.h"

namespace zept::tools {

namespace {

using P = ZEPTCWndPresenter;
constexpr unsigned kAllElements = 0x3FF;
constexpr unsigned kTexts = P::cwndDimValue | P::cwndDimDesc;
constexpr double kDegree = std::numbers::pi / 180.0;
// Distances of a line from the section, in pixels: the nearer one leaves
// room for a text on the inner side (a 12-pixel cell, a pixel off the line)
// with a few pixels to the outline.
constexpr double kGaps[] = {18.0, 30.0};
// What the picture keeps free along its edges when it is refitted.
constexpr double kFitPad = 10.0;
// The presenter refuses a drawing area smaller than this.
constexpr int kMinHalfArea = 25;

unsigned visibleMask(P const& p) {
  unsigned mask = 0;
  for (unsigned bit = 1; bit <= P::cwndPath; bit <<= 1)
    if (p.getVisible(static_cast<P::cwndElement>(bit))) mask |= bit;
  return mask;
}

void show(P& p, unsigned mask) {
  p.setVisible(static_cast<P::cwndElement>(kAllElements), false);
  p.setVisible(static_cast<P::cwndElement>(mask), true);
}

// A text's cell in pixels, corners in drawing order.
struct Quad {
  std::array<double, 4> x{}, y{};
};

Quad cellOf(gdi::TextCall const& t) {
  double const w = gdi::measureText(t.font, t.utf8).cx, h = t.font.ascent + t.font.descent;
  double const a = t.font.escapement * std::numbers::pi / 1800.0, c = std::cos(a), s = std::sin(a);
  double const x = t.x, y = t.y;
  // Turned counter-clockwise as seen, pixel y pointing down.
  return {{x, x + w * c, x + w * c + h * s, x + h * s}, {y, y - w * s, y - w * s + h * c, y + h * c}};
}

bool contains(Quad const& q, double px, double py) {
  bool negative = false, positive = false;
  for (int i = 0; i < 4; ++i) {
    int const j = (i + 1) % 4;
    double const cross = (q.x[j] - q.x[i]) * (py - q.y[i]) - (q.y[j] - q.y[i]) * (px - q.x[i]);
    negative |= cross < 0.0;
    positive |= cross > 0.0;
  }
  return !(negative && positive);
}

// Calls `f(x, y)` for every pixel whose centre lies in the cell, until it answers true.
template <typename F>
bool anyPixel(Quad const& q, F f) {
  auto const [x0, x1] = std::minmax_element(q.x.begin(), q.x.end());
  auto const [y0, y1] = std::minmax_element(q.y.begin(), q.y.end());
  for (int y = static_cast<int>(std::floor(*y0)); y <= static_cast<int>(std::ceil(*y1)); ++y)
    for (int x = static_cast<int>(std::floor(*x0)); x <= static_cast<int>(std::ceil(*x1)); ++x)
      if (contains(q, x + 0.5, y + 0.5) && f(x, y)) return true;
  return false;
}

struct Box {
  double left = std::numeric_limits<double>::max(), top = left;
  double right = std::numeric_limits<double>::lowest(), bottom = right;
  void add(double x, double y) {
    left = std::min(left, x), right = std::max(right, x);
    top = std::min(top, y), bottom = std::max(bottom, y);
  }
  bool empty() const { return left > right; }
};

// How a candidate paints.
struct Judgement {
  int crossed = 0, outside = 0;
  Box drawn;               // contours, dimension lines and texts, in pixels
  std::vector<Quad> texts;
  int faults() const { return crossed + outside; }
  // A crossed text outweighs one outside the picture, which a refit can
  // bring in; both outweigh any preference.
  int weight() const { return crossed * 1000 + outside * 100; }
};

struct Scene {
  P& presenter;
  CWnd const& window;
  ZEPTCrossSection& cs;
  unsigned userMask;
  COLORREF background;
  int width, height;
};

Judgement judge(Scene const& s) {
  Judgement j;
  // The outlines, lines and texts alone: where they reach and where the texts are.
  show(s.presenter, P::cwndContour | P::cwndDimLine | kTexts);
  if (!s.presenter.drawSection()) {
    j.outside = 1;
    return j;
  }
  bool lineOut = false;
  for (gdi::Call const& call : s.window.surface().calls()) {
    if (auto const* l = std::get_if<gdi::LineCall>(&call)) {
      for (auto [x, y] : {std::pair{l->x0, l->y0}, std::pair{l->x1, l->y1}}) {
        j.drawn.add(x, y);
        lineOut |= x < 0 || y < 0 || x >= s.width || y >= s.height;
      }
    } else if (auto const* t = std::get_if<gdi::TextCall>(&call)) {
      Quad const q = cellOf(*t);
      bool out = false;
      for (int i = 0; i < 4; ++i) {
        j.drawn.add(q.x[i], q.y[i]);
        out |= q.x[i] < 0 || q.y[i] < 0 || q.x[i] > s.width || q.y[i] > s.height;
      }
      j.outside += out;
      j.texts.push_back(q);
    }
  }
  j.outside += lineOut;

  // Everything else the user sees, without the texts: no pixel of it in a cell.
  show(s.presenter, s.userMask & ~kTexts);
  s.presenter.drawSection();
  for (std::size_t i = 0; i < j.texts.size(); ++i) {
    bool hit = anyPixel(j.texts[i], [&](int x, int y) {
      return x >= 0 && y >= 0 && x < s.width && y < s.height && s.window.GetPixel(x, y) != s.background;
    });
    for (std::size_t k = 0; k < j.texts.size() && !hit; ++k)
      if (k != i) hit = anyPixel(j.texts[i], [&](int x, int y) { return contains(j.texts[k], x + 0.5, y + 0.5); });
    j.crossed += hit;
  }
  return j;
}

// The placement the presenter paints with, as it reloads it.
struct Placement {
  double alpha = 0.0;
  DtGePoint2d offset;
  DtGeMatrix2d matrix() const {
    DtGeMatrix2d m = DtGeMatrix2d::rotation(alpha * kDegree);
    m.setTranslation(offset.asVector());
    return m;
  }
};

Placement placementOf(P const& p, ZEPTCrossSection const& cs) {
  Placement pl;
  pl.alpha = p.offsetAngle() ? *p.offsetAngle() : cs.getAlpha();
  pl.offset = p.offsetPoint() ? p.offsetPoint()->getPoint(&cs, &pl.alpha) : cs.getOffset();
  return pl;
}

// The escapement the presenter gives texts that read along `along`.
int escapementOf(DtGeVector2d const& along) {
  int const tenths = static_cast<int>(along.angle() * 1800.0 / std::numbers::pi);
  return ((tenths % 3600) + 3600) % 3600;
}

bool upright(int escapement) { return escapement <= 900 || escapement > 2700; }

struct Choice {
  int side = 0;   // 0: left of the height, below the width; 1: the other side
  int align = 1;  // the presenter's text alignment: 1 between the arrows, 2 and 3 beyond an end
  int pos = 0;    // the presenter's value position
  int gap = 0;    // index into kGaps
  int penalty() const { return side * 4 + (align != 1) * 2 + gap * 3; }
};

struct Extent {
  DtGePoint2d min, max;
};

ZEPTSectionDimLine lineFor(ExtentDimension const& d, Choice const& c, Extent const& e, double unitsPerPixel,
                           DtGeMatrix2d const& place, bool placed) {
  double const gap = kGaps[c.gap] * unitsPerPixel;
  DtGePoint2d b, en;
  double length = 0.0;
  if (d.kind == ExtentDimension::kHeight) {
    double const x = c.side == 0 ? e.min.x : e.max.x;
    b = {x, e.min.y}, en = {x, e.max.y};
    length = c.side == 0 ? -gap : gap;
  } else {
    double const y = c.side == 0 ? e.min.y : e.max.y;
    b = {e.min.x, y}, en = {e.max.x, y};
    length = c.side == 0 ? gap : -gap;
  }
  DtGePoint2d pb = b, pe = en;
  if (placed) pb.transformBy(place), pe.transformBy(place);
  int const dir = upright(escapementOf(pe - pb)) ? 0 : 1;
  return ZEPTSectionDimLine(0, b, en, length, ZEPTString(d.value), ZEPTString(d.description), c.pos, dir, c.align);
}

std::vector<Choice> allChoices() {
  std::vector<Choice> choices;
  for (int side : {0, 1})
    for (int align : {1, 3, 2})
      for (int pos : {0, 1})
        for (int gap : {0, 1}) choices.push_back({side, align, pos, gap});
  return choices;
}

struct Layout {
  std::vector<ZEPTSectionDimLine> lines;
  Judgement judgement;
  int score = std::numeric_limits<int>::max();
};

void setLines(ZEPTCrossSection& cs, std::vector<ZEPTSectionDimLine> const& lines) {
  cs.removeAllDimLines();
  for (auto const& l : lines) cs.addDimLine(l);
}

// Every candidate for the dimensions from `next` on, the earlier ones kept:
// the best few of the first are followed up, the later ones greedily.
Layout search(Scene const& s, std::vector<ExtentDimension> const& dims, Extent const& e, Placement const& pl,
              bool placed, std::vector<ZEPTSectionDimLine> fixed, int fixedPenalty, std::size_t next) {
  Layout best;
  if (next == dims.size()) {
    setLines(s.cs, fixed);
    best.lines = fixed;
    best.judgement = judge(s);
    best.score = best.judgement.weight() + fixedPenalty;
    return best;
  }
  double const unitsPerPixel = s.presenter.PixelToDist(1);
  DtGeMatrix2d const place = pl.matrix();
  struct Ranked {
    ZEPTSectionDimLine line;
    int score;
  };
  std::vector<Ranked> ranked;
  // Texts drawn before this dimension's, its value first.
  std::size_t before = 0;
  for (auto const& l : fixed) before += !l.getValueString().isEmpty() + !l.getDescString().isEmpty();
  DtGePoint2d middle((e.min.x + e.max.x) / 2, (e.min.y + e.max.y) / 2);
  if (placed) middle.transformBy(place);
  CPoint const centre = s.presenter.PointToPixel(middle);
  for (Choice const& c : allChoices()) {
    std::vector<ZEPTSectionDimLine> lines = fixed;
    ZEPTSectionDimLine const line = lineFor(dims[next], c, e, unitsPerPixel, place, placed);
    lines.push_back(line);
    setLines(s.cs, lines);
    Judgement const j = judge(s);
    // A value between its line and the section reads less easily than one outside.
    int inner = 0;
    if (j.texts.size() > before && !dims[next].value.empty()) {
      Quad const& q = j.texts[before];
      DtGeVector2d const n = (line.getBeginPoint() - line.getEndPoint()).normal().perpVector();
      DtGePoint2d lineMiddle = line.getBeginPoint() + (line.getEndPoint() - line.getBeginPoint()) * 0.5 + n * line.getLength();
      if (placed) lineMiddle.transformBy(place);
      CPoint const m = s.presenter.PointToPixel(lineMiddle);
      double const tx = (q.x[0] + q.x[2]) / 2 - centre.x, ty = (q.y[0] + q.y[2]) / 2 - centre.y;
      inner = std::hypot(tx, ty) < std::hypot(m.x - centre.x, m.y - centre.y);
    }
    ranked.push_back({line, j.weight() + c.penalty() + inner});
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](Ranked const& a, Ranked const& b) { return a.score < b.score; });
  std::size_t const followed = next == 0 ? 8 : 1;
  for (std::size_t i = 0; i < std::min(followed, ranked.size()); ++i) {
    std::vector<ZEPTSectionDimLine> lines = fixed;
    lines.push_back(ranked[i].line);
    Layout const l = search(s, dims, e, pl, placed, lines, fixedPenalty + ranked[i].score % 100, next + 1);
    if (l.score < best.score) best = l;
    if (best.judgement.faults() == 0) break;
  }
  return best;
}

// Margins that keep the model origin in the middle of the picture (where
// the presenter runs the path arrow) and give it `scale` pixels a unit, as
// far as the presenter's fit allows: it scales the larger absolute extent of
// the unplaced section (and the offset) to half the drawing area.
bool fitMargins(P& p, int width, int height, double scale, double ex, double ey) {
  int const cx = width / 2, cy = height / 2;
  int const maxX = std::min(cx, width - cx), maxY = std::min(cy, height - cy);
  int const fx = std::min(static_cast<int>(std::floor(scale * ex)), maxX);
  int const fy = std::min(static_cast<int>(std::floor(scale * ey)), maxY);
  // One side sets the scale; the other reaches as far as it may (the axes
  // span the drawing area), which also keeps a flat section's thin side
  // above the presenter's smallest area.
  int hx = 0, hy = 0;
  double got = 0.0;
  for (auto [x, y] : {std::pair{fx, maxY}, std::pair{maxX, fy}, std::pair{fx, fy}}) {
    if (x < kMinHalfArea || y < kMinHalfArea) continue;
    double const s = std::min(x / ex, y / ey);
    if (s > got) hx = x, hy = y, got = s;
  }
  if (got == 0.0) return false;
  double const l = cx - hx, r = width - (cx + hx), t = cy - hy, b = height - (cy + hy);
  // Half a pixel over, so that the presenter's truncation lands on the pixel.
  return p.defineMargins((l + 0.5) / width, (t + 0.5) / height, (r + 0.5) / width, (b + 0.5) / height);
}

}  // namespace

std::vector<ExtentDimension> extentDimensions(ZEPTCrossSection const& cs, std::wstring (*text)(double),
                                              std::wstring const& heightName, std::wstring const& widthName) {
  std::vector<ExtentDimension> dims;
  DtGePoint2d max, min;
  if (!cs.getExtents(max, min)) return dims;
  if (max.y > min.y) dims.push_back({ExtentDimension::kHeight, text(max.y - min.y), heightName});
  if (max.x > min.x) dims.push_back({ExtentDimension::kWidth, text(max.x - min.x), widthName});
  return dims;
}

LayoutReport arrangeDimensions(ZEPTCWndPresenter& presenter, CWnd const& window, ZEPTCrossSection& cs,
                               std::vector<ExtentDimension> const& dims, bool fit) {
  LayoutReport report;
  CRect client;
  window.GetClientRect(&client);
  unsigned long background = 0xFFFFFF;
  presenter.getColor(P::cwndBackground, background);
  Scene const s{presenter, window, cs, visibleMask(presenter), static_cast<COLORREF>(background), client.Width(),
                client.Height()};
  Extent e;
  if (!cs.getExtents(e.max, e.min)) {
    setLines(cs, {});
    presenter.drawSection();
    return report;
  }
  Placement const pl = placementOf(presenter, cs);
  bool const placed = !presenter.getLockAxis();

  // The presenter's own scale, before any refit, and what it scales.
  presenter.drawSection();
  double const ownScale = 1.0 / presenter.PixelToDist(1);
  DtGePoint2d upper, lower;
  cs.getBoundaries(upper, lower);
  double const ex = std::max({std::fabs(lower.x), std::fabs(upper.x), std::fabs(pl.offset.x)});
  double const ey = std::max({std::fabs(lower.y), std::fabs(upper.y), std::fabs(pl.offset.y)});
  // The section as it is placed, for the room the dimensions take around it.
  ZEPTCrossSection shape = cs;
  if (placed) shape.transformBy(pl.matrix());
  DtGePoint2d shapeMax, shapeMin;
  shape.getExtents(shapeMax, shapeMin);

  Layout best;
  // The last round only judges: the lines it keeps belong to its margins.
  constexpr int kRounds = 5;
  for (int round = 0; round < kRounds; ++round) {
    presenter.drawSection();
    best = search(s, dims, e, pl, placed, {}, 0, 0);
    if (!fit || best.judgement.outside == 0 || presenter.getZoom() != 1.0 || best.judgement.drawn.empty() ||
        round + 1 == kRounds)
      break;
    // Room the dimensions take beyond the section, kept; the section's scale
    // is what has to give.
    double const scale = 1.0 / presenter.PixelToDist(1);
    CPoint const origin = presenter.PointToPixel(DtGePoint2d::kOrigin);
    Box const& d = best.judgement.drawn;
    double const extraL = std::max(0.0, origin.x + scale * shapeMin.x - d.left);
    double const extraR = std::max(0.0, d.right - (origin.x + scale * shapeMax.x));
    double const extraT = std::max(0.0, origin.y - scale * shapeMax.y - d.top);
    double const extraB = std::max(0.0, d.bottom - (origin.y - scale * shapeMin.y));
    // Each side of the picture bounds the scale of the part of the section
    // that lies towards it, with the origin staying where it is.
    double const cx = s.width / 2, cy = s.height / 2;
    double target = ownScale;
    auto bound = [&target](double room, double reach) {
      if (reach > 0 && room > 0) target = std::min(target, room / reach);
    };
    bound(cx - kFitPad - extraL, -shapeMin.x);
    bound(s.width - kFitPad - extraR - cx, shapeMax.x);
    bound(cy - kFitPad - extraT, shapeMax.y);
    bound(s.height - kFitPad - extraB - cy, -shapeMin.y);
    // Texts and arrows keep their pixel size while the section shrinks: a
    // later round that still finds something outside asks for less.
    target *= std::pow(0.95, round);
    if (!(target > 0.0) || !fitMargins(presenter, s.width, s.height, target, ex, ey)) break;
    report.refitted = true;
  }
  setLines(cs, best.lines);
  show(presenter, s.userMask);
  presenter.drawSection();
  report.crossedTexts = best.judgement.crossed;
  report.outsideParts = best.judgement.outside;
  return report;
}

}  // namespace zept::tools
