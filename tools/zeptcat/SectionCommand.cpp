// zeptcat section CATALOG PROFILE DIMS | --korva TEXT: the cross-section of
// one catalog size (through ZEPTMDBAnalyser, as a drawing gets it) or of a
// KORVA definition (through ZEPTKORVAAnalyser), in the drawing units asked
// for: its contours vertex by vertex, its extent and the section values
// computed from the geometry, or with --korva-out the KORVA text of the
// built section (through ZEPTKORVAPresenter).
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/core/Utf8.h"
#include "platform/shape/SectionValues.h"
#include "section/ZEPTKORVAAnalyser.h"
#include "section/ZEPTKORVAPresenter.h"
#include "section/ZEPTMDBAnalyser.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

struct SectionOptions {
  std::optional<std::string> catalog;
  std::optional<std::string> profile;
  std::optional<std::string> dims;
  std::optional<std::string> korva;
  std::string units = "mm";
  bool korvaOut = false;
};

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
// when the geometry encloses no positive area.
ResultTable valueTable(Context const& ctx, ZEPTCrossSection const& cs, std::string const& units) {
  ResultTable t;
  t.columns = {L"Units", L"MinX", L"MinY", L"MaxX", L"MaxY", L"Area", L"CentroidX", L"CentroidY",
               L"Iy",    L"Iz",   L"Iyz",  L"Wy",   L"Wz"};
  auto& row = t.rows.emplace_back();
  row.push_back(COleVariant(CString::fromUtf8(units)));
  DtGePoint2d max, min;
  const bool extent = cs.getExtents(max, min);
  for (double value : {min.x, min.y, max.x, max.y}) row.push_back(extent ? COleVariant(value) : none(ctx));
  const auto v = zept::shape::sectionValues(cs);
  if (!v) {
    row.resize(t.columns.size(), none(ctx));
    return t;
  }
  // Rounding noise of symmetric shapes (a centroid of 1e-17, a product of
  // 1e-43) would read as a value: what is that small against the section's
  // own size is 0.
  const double size = std::max(max.x - min.x, max.y - min.y);
  auto clean = [](double value, double scale) { return std::fabs(value) < 1e-12 * scale ? 0.0 : value; };
  for (double value : {v->area, clean(v->centroid.x, size), clean(v->centroid.y, size), v->iy, v->iz,
                       clean(v->iyz, std::sqrt(v->iy * v->iz)), v->wy, v->wz})
    row.push_back(COleVariant(value));
  return t;
}

void printSection(Context const& ctx, ZEPTCrossSection const& cs, std::string const& units) {
  const ResultTable vertices = vertexTable(cs), values = valueTable(ctx, cs, units);
  if (ctx.json) return printJsonObject(ctx.out, {{L"vertices", &vertices}, {L"values", &values}});
  printTable(ctx.out, vertices);
  ctx.out << '\n';
  ResultTable vertical;
  vertical.columns = {L"Field", L"Value"};
  for (std::size_t i = 0; i < values.columns.size(); ++i)
    vertical.rows.push_back({COleVariant(values.columns[i].c_str()), values.rows[0][i]});
  printTable(ctx.out, vertical);
}

void fromCatalog(ZEPTCrossSection& cs, SectionOptions const& o, DtDb::MeasurementValue units) {
  if (!o.profile || !o.dims) throw UsageError("section needs CATALOG PROFILE DIMS, or --korva TEXT");
  CString catalog = CString::fromUtf8(*o.catalog);
  catalog.MakeUpper();
  ZEPTMDBAnalyser analyser;
  analyser.attachSection(&cs);
  const std::string size = *o.profile + " " + *o.dims;
  ZEPTDBProfileData r;
  switch (analyser.setDefinition(catalog, CString::fromUtf8(*o.profile), CString::fromUtf8(*o.dims), units, &r)) {
    case 0: break;
    case -1:
      if (!analyser.setProfileDB(catalog))
        throw std::runtime_error("no profile catalog " + catalog.toUtf8() + " (" + catalog.toUtf8() + "pro.mdb) in " +
                                 folders(analyser));
      throw std::runtime_error(catalog.toUtf8() + " has no size " + size + " (see zeptcat profiles " +
                               catalog.toUtf8() + " " + *o.profile + ")");
    default:
      throw std::runtime_error("the shape of " + size + " does not read: " +
                               (r.pdlScript.isEmpty() ? "KORVA text " + zept::toUtf8(r.symbol.str())
                                                      : "shape script\n" + zept::toUtf8(r.pdlScript.str())));
  }
  if (r.pdlScript.isEmpty() && r.symbol.isEmpty())
    throw std::runtime_error(size + " has neither a shape script nor a KORVA contour in " + catalog.toUtf8());
}

void fromKorva(ZEPTCrossSection& cs, std::string const& text, std::string const& units) {
  ZEPTKORVAAnalyser analyser;
  analyser.attachSection(&cs);
  if (text.empty()) throw UsageError("--korva: the text is empty");
  ZEPTDBProfileData r;
  r.symbol = CString::fromUtf8(text);
  const CString written = analyser.getShapeUnits(r.symbol.c_str());
  r.unitFactor = ZEPTDBBaseData::calcCrossFactor(written, CString::fromUtf8(units));
  if (r.unitFactor == 0)
    throw UsageError("--korva: the text's unit \"" + written.toUtf8() + "\" cannot be converted to " + units);
  if (analyser.setDefinitionByData(r) != 0) throw UsageError("--korva: the text does not read as a KORVA definition");
}

void runSection(Context const& ctx, SectionOptions const& o) {
  const WindowsStyleFolders windowsStyle;
  const DtDb::MeasurementValue units = o.units == "in" ? DtDb::kEnglish : DtDb::kMetric;
  ZEPTCrossSection cs;
  if (o.korva)
    fromKorva(cs, *o.korva, o.units);
  else
    fromCatalog(cs, o, units);
  if (!o.korvaOut) return printSection(ctx, cs, o.units);
  ZEPTKORVAPresenter presenter;
  presenter.units = units;
  presenter.attachSection(&cs);
  CString text;
  presenter.getDefinition(text, 0);
  printValue(ctx.out, L"KORVA", COleVariant(text), ctx.json);
}

}  // namespace

Command addSectionCommand(CLI::App& parent) {
  auto options = std::make_shared<SectionOptions>();
  CLI::App* sub = parent.add_subcommand(
      "section", "Build the cross-section of a catalog size or a KORVA text: contours, extent and section values");
  sub->footer(
      "Examples:\n"
      "  zeptcat section EURO IPE 300                 IPE 300 in a metric drawing\n"
      "  zeptcat section EURO L 80x80x8 --units in    an angle in inches\n"
      "  zeptcat section EURO UPN 200 --korva-out     UPN 200 as a KORVA text\n"
      "  zeptcat section --korva '\"mm\" ( ( (S ( (L 0 0) (L 100 0) (L 100 50) (L 0 50) ) 0 ( ) ) ) )'\n"
      "Vertices: each bulge (tan of a quarter of the arc's sweep, positive counter-clockwise, 0 straight)\n"
      "shapes the segment to the next vertex, the last one's back to the first. Values are computed from\n"
      "the geometry, holes subtracted: Iy about the horizontal axis through the centroid, Iz about the\n"
      "vertical one, Wy and Wz the elastic moduli.");
  sub->add_option("catalog", options->catalog, "A profile catalog's short name, in any case (EURO)");
  sub->add_option("profile", options->profile, "A profile name (IPE), matched exactly");
  sub->add_option("dims", options->dims, "The size's dimension text, as zeptcat profiles lists it (300, 80x80x8)");
  sub->add_option("--korva", options->korva, "Build this KORVA definition text instead of a catalog size")
      ->excludes("catalog");
  sub->add_option("--units", options->units, "The drawing's units: mm (the default) or in")
      ->check(CLI::IsMember({"mm", "in"}));
  sub->add_flag("--korva-out", options->korvaOut,
                "Print only the KORVA definition text of the built section, in --units");
  return {sub, [options](Context const& ctx) {
            if (!options->korva && !options->catalog) throw UsageError("section needs CATALOG PROFILE DIMS, or --korva TEXT");
            runSection(ctx, *options);
          }};
}

}  // namespace zeptcat
