// SPDX-License-Identifier: MIT
// The principal axes drawn with Cairo, dashed and labelled, over the
// preview's picture.
#include "tools/zeptview/PrincipalAxes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zeptview {

void drawPrincipalAxes(cairo_t* cr, ZEPTCWndPresenter const& presenter, ZEPTCrossSection const& cs,
                       DtGePoint2d const& centre, double angle, int width, int height) {
  constexpr double kDegree = M_PI / 180.0;
  DtGePoint2d c = centre;
  double turn = angle;
  // In lock-axis mode the section stays unplaced and the axes move instead.
  if (!presenter.getLockAxis()) {
    const double a = cs.getAlpha() * kDegree;
    const DtGePoint2d offset = cs.getOffset();
    c = DtGePoint2d(centre.x * std::cos(a) - centre.y * std::sin(a) + offset.x,
                    centre.x * std::sin(a) + centre.y * std::cos(a) + offset.y);
    turn += cs.getAlpha();
  }
  const CPoint at = presenter.PointToPixel(c);
  const double reach = std::hypot(width, height), label = 0.42 * std::min(width, height);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, width, height);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 0.85, 0.42, 0.0);
  cairo_set_line_width(cr, 1.0);
  const double dash[] = {8.0, 4.0};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 13);
  for (auto const& [name, degrees] : {std::pair{"u", turn}, std::pair{"v", turn + 90}}) {
    // Pixels run down: a model angle turns the other way on screen.
    const double dx = std::cos(degrees * kDegree), dy = -std::sin(degrees * kDegree);
    cairo_move_to(cr, at.x + 0.5 - dx * reach, at.y + 0.5 - dy * reach);
    cairo_line_to(cr, at.x + 0.5 + dx * reach, at.y + 0.5 + dy * reach);
    cairo_stroke(cr);
    cairo_move_to(cr, at.x + dx * label + 4, at.y + dy * label - 4);
    cairo_show_text(cr, name);
  }
  cairo_restore(cr);
}

}  // namespace zeptview
