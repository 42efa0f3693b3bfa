// SPDX-License-Identifier: MIT
// The vertex and value tables of a cross-section, from SectionValues and the
// SectionProperties engine, printed through Output.
#include "tools/zeptcat/SectionOutput.h"

#include <algorithm>
#include <cmath>

#include "platform/core/CString.h"
#include "platform/shape/SectionProperties.h"
#include "tools/common/ShownValues.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

// One row per vertex; the bulge shapes the segment to the next vertex (the
// last one's back to the first).
ResultTable vertexTable(ZEPTCrossSection const& cs) {
  ResultTable t;
  t.columns = {L"Section", L"Contour", L"Hole", L"Vertex", L"X", L"Y", L"Bulge"};
  for (int s = 0; s < cs.numSections(); ++s) {
    ZEPTSection const& section = *cs.sectionAt(s);
    for (int c = 0; c < section.numContours(); ++c) {
      ZEPTContour const& contour = *section.contourAt(c);
      for (int v = 0; v < contour.numVerts(); ++v) {
        DtGePoint2d p;
        double bulge = 0;
        contour.getVertexAt(v, p, bulge);
        t.rows.push_back({COleVariant(static_cast<long>(s + 1)), COleVariant(static_cast<long>(c + 1)),
                          COleVariant(contour.getIsHole()), COleVariant(static_cast<long>(v + 1)), COleVariant(p.x),
                          COleVariant(p.y), COleVariant(bulge)});
      }
    }
  }
  return t;
}

// The extent and the values as one row; values are missing (null, "-")
// when the geometry encloses no positive area, and the torsion, warping and
// shear values when the boundary cannot be solved (the reason follows in
// "Solution").
ResultTable valueTable(Context const& ctx, ZEPTCrossSection const& cs, std::string const& units) {
  ResultTable t;
  // Shear centre: ShearCX, ShearCY.
  t.columns = {L"Units", L"MinX", L"MinY", L"MaxX", L"MaxY", L"Area",    L"CentroidX", L"CentroidY", L"Iy",
               L"Iz",    L"Iyz",  L"Wy",   L"Wz",   L"WplY", L"WplZ",    L"Iu",        L"Iv",        L"Alpha",
               L"It",    L"Iw",   L"Wt",   L"ShearCX", L"ShearCY", L"Avy", L"Avz",      L"Solution"};
  auto& row = t.rows.emplace_back();
  row.push_back(COleVariant(CString::fromUtf8(units)));
  DtGePoint2d max, min;
  const bool extent = cs.getExtents(max, min);
  for (double value : {min.x, min.y, max.x, max.y}) row.push_back(extent ? COleVariant(value) : none(ctx));
  auto const [p, status, any, closed, solved] = zept::tools::shownValues(cs);
  if (!any) {
    row.resize(t.columns.size() - 1, none(ctx));
    row.push_back(COleVariant(CString::fromUtf8(zept::shape::describe(status))));
    return t;
  }
  // Rounding noise of symmetric shapes (a centroid of 1e-17, a product of
  // 1e-43) would read as a value: what is that small against the section's
  // own size is 0.
  const double size = std::max(max.x - min.x, max.y - min.y);
  auto clean = [](double value, double scale) { return std::fabs(value) < 1e-12 * scale ? 0.0 : value; };
  for (double value : {p.area, clean(p.centroid.x, size), clean(p.centroid.y, size), p.iy, p.iz,
                       clean(p.iyz, std::sqrt(p.iy * p.iz)), p.wely, p.welz})
    row.push_back(COleVariant(value));
  for (double value : {p.wply, p.wplz, p.iu, p.iv, clean(p.alpha, 90.0)})
    row.push_back(closed ? COleVariant(value) : none(ctx));
  for (double value : {p.it, p.iw, p.wt, clean(p.shearCentre.x, size), clean(p.shearCentre.y, size), p.avy, p.avz})
    row.push_back(solved ? COleVariant(value) : none(ctx));
  row.push_back(COleVariant(CString::fromUtf8(solved ? "ok" : zept::shape::describe(status))));
  return t;
}

}  // namespace

void printSection(Context const& ctx, ZEPTCrossSection const& cs, std::string const& units,
                  ResultTable const* record) {
  // The values first: their solution's memory is given back before the
  // vertex table, as large as the outline, is made.
  const ResultTable values = valueTable(ctx, cs, units), vertices = vertexTable(cs);
  if (ctx.json) {
    if (record) return printJsonObject(ctx.out, {{L"vertices", &vertices}, {L"values", &values}, {L"record", record}});
    return printJsonObject(ctx.out, {{L"vertices", &vertices}, {L"values", &values}});
  }
  printTable(ctx.out, vertices);
  ctx.out << '\n';
  ResultTable vertical;
  vertical.columns = {L"Field", L"Value"};
  for (std::size_t i = 0; i < values.columns.size(); ++i)
    vertical.rows.push_back({COleVariant(values.columns[i].c_str()), values.rows[0][i]});
  printTable(ctx.out, vertical);
  if (!record) return;
  ctx.out << '\n';
  printTable(ctx.out, *record);
}

}  // namespace zeptcat
