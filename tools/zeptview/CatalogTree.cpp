// SPDX-License-Identifier: MIT
// The viewer's model: catalog tree and sizes through ZEPTDBProfile, sections
// through ZEPTMDBAnalyser, values from SectionValues and SectionProperties,
// dimension lines placed by PreviewLayout.
#include "tools/zeptview/CatalogTree.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "database/ZEPTDBProfile.h"
#include "platform/core/CStringArray.h"
#include "platform/core/Utf8.h"
#include "platform/shape/SectionProperties.h"
#include "tools/common/ShownValues.h"
#include "section/ZEPTMDBAnalyser.h"
#include "tools/common/PreviewLayout.h"

namespace zeptview {

namespace {

std::string upper(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value == 0 ? 0.0 : value);  // no "-0"
  return text;
}

// How far a catalog value may be off before the viewer flags it. The
// tables compute It and Iw of rolled sections by formulas up to 4 % off the
// exact solution, and give the design code's shear areas, which are not the
// energy-based ones: those are shown but not flagged.
constexpr double kExact = 0.01, kNumerical = 0.05, kNever = 0.0;

}  // namespace

std::vector<ProfileCatalog> readProfileTree() {
  std::vector<ProfileCatalog> tree;
  ZEPTDBProfile profile;
  CStringArray catalogs;
  if (!profile.getProfileDBList(catalogs, nullptr)) return tree;
  for (auto const& catalog : catalogs) {
    ProfileCatalog& node = tree.emplace_back();
    node.catalog = catalog.toUtf8();
    node.atApp = profile.isDBAtAppPath(catalog + L"pro");
    CString upperName = catalog;
    upperName.MakeUpper();
    CStringArray names, dims;
    if (!profile.setProfileDB(upperName) || !profile.getProfileShapeList(names, nullptr)) {
      node.error = "cannot open " + node.catalog + "pro.mdb";
      continue;
    }
    for (auto const& name : names) {
      // A name drawn with several shape types (UPN: 8 % and 5 % flanges) is
      // listed once per type, next to each other; its sizes are listed whole.
      if (!node.names.empty() && node.names.back().name == name.toUtf8()) continue;
      ProfileName& entry = node.names.emplace_back();
      entry.name = name.toUtf8();
      entry.description = profile.getProfileShapeDescription(name).toUtf8();
      if (profile.getProfileDimList(name, dims, -1))
        for (auto const& d : dims) entry.sizes.push_back(d.toUtf8());
    }
  }
  return tree;
}

std::optional<Selection> findSize(std::vector<ProfileCatalog> const& tree, std::string const& text) {
  const auto first = text.find(' ');
  if (first == std::string::npos) return std::nullopt;
  const auto second = text.find(' ', first + 1);
  if (second == std::string::npos) return std::nullopt;
  const std::string catalog = upper(text.substr(0, first));
  const std::string name = text.substr(first + 1, second - first - 1), dims = text.substr(second + 1);
  for (auto const& c : tree) {
    if (upper(c.catalog) != catalog) continue;
    for (auto const& n : c.names)
      if (n.name == name && std::find(n.sizes.begin(), n.sizes.end(), dims) != n.sizes.end())
        return Selection{c.catalog, name, dims};
  }
  return std::nullopt;
}

std::string buildSection(ZEPTCrossSection& cs, Selection const& s, bool inches, ZEPTDBProfileData& record) {
  const std::string size = s.catalog + " " + s.name + " " + s.dims;
  CString catalog = CString::fromUtf8(s.catalog);
  catalog.MakeUpper();
  ZEPTMDBAnalyser analyser;
  analyser.attachSection(&cs);
  record = ZEPTDBProfileData();
  const int result = analyser.setDefinition(catalog, CString::fromUtf8(s.name), CString::fromUtf8(s.dims),
                                            inches ? DtDb::kEnglish : DtDb::kMetric, &record);
  if (result == -1) return size + ": the catalog does not open or has no such size";
  if (record.pdlScript.isEmpty() && record.symbol.isEmpty()) return size + ": neither a shape script nor a KORVA contour";
  if (result != 0) return size + ": its shape does not read";
  if (cs.numSections() == 0) return size + ": the shape script draws nothing";
  return {};
}

void setDimLines(ZEPTCrossSection& cs, bool height, bool width) {
  cs.removeAllDimLines();
  DtGePoint2d max, min;
  if (!cs.getExtents(max, min)) return;
  const double h = max.y - min.y, w = max.x - min.x, away = 0.1 * std::max(h, w);
  // The length runs along the left normal of begin - end, and the texts
  // read from begin to end: the height reads upwards on the left, the width
  // rightwards below.
  if (height && h > 0)
    cs.addDimLine(ZEPTSectionDimLine(0, DtGePoint2d(min.x, min.y), DtGePoint2d(min.x, max.y), -away,
                                     ZEPTString(zept::fromUtf8(number(h))), ZEPTString(L"H")));
  if (width && w > 0)
    cs.addDimLine(ZEPTSectionDimLine(0, DtGePoint2d(min.x, min.y), DtGePoint2d(max.x, min.y), away,
                                     ZEPTString(zept::fromUtf8(number(w))), ZEPTString(L"B")));
}

std::vector<ValueRow> valueRows(ZEPTCrossSection const& cs, ZEPTDBProfileData const& r) {
  const double f = r.unitFactor;
  auto row = [&](char const* name, int power, double computed, std::optional<double> catalog = std::nullopt,
                 double tolerance = kExact) {
    ValueRow out{name, power, computed, std::nullopt, std::nullopt, tolerance};
    if (catalog && *catalog != 0 && std::isfinite(*catalog)) {
      out.catalog = *catalog * std::pow(f, power);
      out.difference = (computed - *out.catalog) / *out.catalog;
    }
    return out;
  };
  const auto [p, status, any, closed, solved] = zept::tools::shownValues(cs);
  if (!any) return {};
  std::vector<ValueRow> rows{row("A", 2, p.area, r.sx),
                             row("xc", 1, p.centroid.x - p.min.x, r.vpy),
                             row("yc", 1, p.centroid.y - p.min.y, r.vpz),
                             row("Iy", 4, p.iy, r.iy),
                             row("Iz", 4, p.iz, r.iz),
                             row("Wy", 3, p.wely, r.msy),
                             row("Wz", 3, p.welz, r.msz)};
  if (!closed) return rows;
  // A symmetric section's product moment is rounding, and so its angle.
  const double alpha = std::abs(p.alpha) < 1e-9 ? 0.0 : p.alpha;
  rows.push_back(row("Wpl,y", 3, p.wply, r.sy));
  rows.push_back(row("Wpl,z", 3, p.wplz, r.sz));
  if (solved)
    for (ValueRow const& extra :
         {row("It", 4, p.it, r.ix, kNumerical), row("Iw", 6, p.iw, r.iomega, kNumerical),
          row("Wt", 3, p.wt, r.tors, kNumerical), row("Avy", 2, p.avy, r.shearQy, kNever),
          row("Avz", 2, p.avz, r.shearQz, kNever)})
      rows.push_back(extra);
  for (ValueRow const& extra : {row("Iu", 4, p.iu), row("Iv", 4, p.iv), row("α", 0, alpha)}) rows.push_back(extra);
  if (solved)
    for (ValueRow const& extra : {row("xs", 1, p.shearCentre.x - p.min.x), row("ys", 1, p.shearCentre.y - p.min.y)})
      rows.push_back(extra);
  return rows;
}

void applySettings(ViewSettings const& s, ZEPTCWndPresenter& p) {
  p.setVisible(static_cast<ZEPTCWndPresenter::cwndElement>(0x3FFu), false);
  p.setVisible(static_cast<ZEPTCWndPresenter::cwndElement>(s.visible), true);
  p.setHatchAngle(s.hatchAngle);
  p.setHatchType(s.hatchType);
  p.setLockAxis(s.lockAxis);
  p.setAlternateRotation(s.alternateRotation);
  p.setOffsetPrecision(s.offsetPrecision);
  p.setAnglePrecision(s.anglePrecision);
  p.setPathAnglePrecision(s.pathAnglePrecision);
}

void arrangeView(ZEPTCWndPresenter& p, CWnd const& window, ZEPTCrossSection& cs, ViewSettings const& s, bool refit) {
  if (refit) p.defineMargins(0.1, 0.1, 0.1, 0.1);
  auto const text = [](double v) { return zept::fromUtf8(number(v)); };
  std::vector<zept::tools::ExtentDimension> dims;
  for (auto const& d : zept::tools::extentDimensions(cs, text, L"H", L"B"))
    if (d.kind == zept::tools::ExtentDimension::kHeight ? s.heightDimLine : s.widthDimLine) dims.push_back(d);
  zept::tools::arrangeDimensions(p, window, cs, dims, refit);
}

std::string statusText(ZEPTCWndPresenter const& p, ZEPTCrossSection const& cs, bool inches) {
  const DtGePoint2d offset = cs.getOffset();
  char text[200];
  std::snprintf(text, sizeof text, "Offset %s, %s %s   Angle %s°   Path %s°   Zoom %.3g", number(offset.x).c_str(),
                number(offset.y).c_str(), inches ? "in" : "mm", number(cs.getAlpha()).c_str(),
                number(p.getPathAngle()).c_str(), p.getZoom());
  return text;
}

}  // namespace zeptview
