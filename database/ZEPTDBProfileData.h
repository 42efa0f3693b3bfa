// SPDX-License-Identifier: MIT
// ZEPTDBProfileData: one size of a profile catalog, joined with the shape
// script of its shape type. Values are in the catalog's units; unitFactor is
// what the section analysers scale them by.
#pragma once

#include <cstdint>

#include "platform/core/Export.h"
#include "platform/core/ZEPTString.h"

ZEPTDB_BEGIN_EXPORTS

struct ZEPTDBProfileData {
  std::int32_t shapeId = 0;    // Shape.ID
  std::int32_t sectionId = 0;  // Section.ID
  ZEPTString name;
  double dim1 = 0, dim2 = 0, dim3 = 0;
  std::int16_t shapeType = 0;  // Shape.SHAPE_TYPE
  double mass = 0, surf = 0, h = 0, b = 0, ea = 0, es = 0, ra = 0, rs = 0, gap = 0;
  double sx = 0, sy = 0, sz = 0, ix = 0, iy = 0, iz = 0, iomega = 0;
  double vy = 0, vpy = 0, vz = 0, vpz = 0, msy = 0, msz = 0, tors = 0;
  double shearQy = 0, shearQz = 0, gamma = 0;
  ZEPTString symbol;  // KORVA contour description, may be empty
  double a1 = 0, a2 = 0;
  bool hasMats = false;
  ZEPTString materials;
  ZEPTString points;
  bool isThin = false;
  double b2 = 0, es2 = 0, p1L = 0, p1T = 0, p2L = 0, p2T = 0, p3L = 0, p3T = 0, p4L = 0, p4T = 0;
  ZEPTString pdlScript;  // from Section.PDL_SCRIPT, or written from symbol
  bool isSymmetric = false;
  double unitFactor = 1;
};

ZEPTDB_END_EXPORTS
