// SPDX-License-Identifier: MIT
// Pictures a detailer can hand out: the height and width dimension lines of
// a cross-section placed, for the placement and window the preview has, so
// that every text reads upright, no line crosses it and it lies inside the
// picture, and a fit that keeps the section and its dimensions in the
// picture when the preview's own scale would cut them.
//
// ZEPTCWndPresenter's rules for placing texts stay as they are; what is
// chosen here is what it is handed: each line's side of the section and
// distance from it, which side of the line its value goes, the reading
// direction, the text alignment, and the margins that set its scale and
// centre. Candidates are judged on the presenter's own paint, so the choice
// follows its rules exactly.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/CWnd.h"
#include "platform/shape/ZEPTCrossSection.h"
#include "preview/ZEPTCWndPresenter.h"

namespace zept::tools {

// A dimension of the section's extent.
struct ExtentDimension {
  enum Kind { kHeight, kWidth } kind = kHeight;
  std::wstring value;        // e.g. "300"
  std::wstring description;  // e.g. "H"; may be empty
};

// The height and width of the section's extent, each with its value
// written by `text`, in that order; none for a flat side.
std::vector<ExtentDimension> extentDimensions(ZEPTCrossSection const& cs, std::wstring (*text)(double),
                                              std::wstring const& heightName = L"",
                                              std::wstring const& widthName = L"");

struct LayoutReport {
  int crossedTexts = 0;   // texts that a line still crosses or that overlap
  int outsideParts = 0;   // texts and lines reaching out of the picture
  bool refitted = false;  // the margins were changed
  bool legible() const { return crossedTexts == 0 && outsideParts == 0; }
};

// Replaces the dimension lines of `cs`, which the presenter must show as its
// current cross-section in `window`, by `dims` placed for the presenter's
// current placement, margins and zoom. With `fit`, and while the wheel has
// not zoomed, margins are chosen that bring everything inside the picture
// when the current ones do not; the presenter's scale never grows beyond the
// one of its current margins. The presenter's visible elements are kept and
// it has painted the result when this returns.
LayoutReport arrangeDimensions(ZEPTCWndPresenter& presenter, CWnd const& window, ZEPTCrossSection& cs,
                               std::vector<ExtentDimension> const& dims, bool fit);

}  // namespace zept::tools
