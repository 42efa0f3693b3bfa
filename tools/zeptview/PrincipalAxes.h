// SPDX-License-Identifier: MIT
// The principal axes u and v drawn over the presenter's picture, placed as
// it places the section.
#pragma once

#include <cairo.h>

#include "platform/host/DtGePoint2d.h"
#include "platform/shape/ZEPTCrossSection.h"
#include "preview/ZEPTCWndPresenter.h"

namespace zeptview {

// `centre` and `angle` (degrees from the model's x axis) unplaced; the
// placement is the cross-section's own, as the presenter writes it back.
void drawPrincipalAxes(cairo_t* cr, ZEPTCWndPresenter const& presenter, ZEPTCrossSection const& cs,
                       DtGePoint2d const& centre, double angle, int width, int height);

}  // namespace zeptview
