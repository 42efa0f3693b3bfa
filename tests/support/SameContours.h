// SPDX-License-Identifier: MIT
// Contour-by-contour comparison of sections for the section readers' and
// writers' tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/shape/ZEPTCrossSection.h"

namespace zept::test {

// `got` holds the contours of `want` in order: the same hole flags and vertex
// counts, vertices within `tolerance` and bulges within `bulgeTolerance`.
inline void expectSameContours(ZEPTSection const& got, ZEPTSection const& want, double tolerance,
                               double bulgeTolerance, std::string const& what) {
  ASSERT_EQ(got.numContours(), want.numContours()) << what;
  for (int c = 0; c < want.numContours(); ++c) {
    ZEPTContour const& g = *got.contourAt(c);
    ZEPTContour const& w = *want.contourAt(c);
    EXPECT_EQ(g.getIsHole(), w.getIsHole()) << what << ", contour " << c;
    ASSERT_EQ(g.numVerts(), w.numVerts()) << what << ", contour " << c;
    for (int v = 0; v < w.numVerts(); ++v) {
      DtGePoint2d pg, pw;
      double bg = 0, bw = 0;
      g.getVertexAt(v, pg, bg);
      w.getVertexAt(v, pw, bw);
      EXPECT_NEAR(pg.x, pw.x, tolerance) << what << ", contour " << c << ", vertex " << v;
      EXPECT_NEAR(pg.y, pw.y, tolerance) << what << ", contour " << c << ", vertex " << v;
      EXPECT_NEAR(bg, bw, bulgeTolerance) << what << ", contour " << c << ", vertex " << v;
    }
  }
}

// The cross-section holds exactly `want`'s sections, compared as above.
inline void expectSections(ZEPTCrossSection const& got, std::vector<ZEPTSection> const& want, double tolerance,
                           std::string const& what) {
  ASSERT_EQ(got.numSections(), static_cast<int>(want.size())) << what;
  for (int s = 0; s < got.numSections(); ++s)
    expectSameContours(*got.sectionAt(s), want[static_cast<std::size_t>(s)], tolerance, tolerance,
                       what + ", section " + std::to_string(s));
}

}  // namespace zept::test
