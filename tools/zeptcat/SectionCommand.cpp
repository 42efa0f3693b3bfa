// SPDX-License-Identifier: MIT
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
#include "tools/zeptcat/SectionOutput.h"
#include "tools/zeptcat/SectionSource.h"

namespace zeptcat {

namespace {

struct SectionOptions : SectionSource {
  bool korvaOut = false;
};

void fromCatalog(ZEPTCrossSection& cs, SectionSource const& o, DtDb::MeasurementValue units) {
  if (!o.profile || !o.dims) throw UsageError(o.command + " needs CATALOG PROFILE DIMS, or --korva TEXT");
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
        catalogRefused(analyser, "profile", catalog.toUtf8(), catalog.toUtf8() + "pro.mdb");
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
  constexpr char const* kUnreadable = "--korva: the text does not read as a KORVA definition";
  // No unit found at all means the text is no definition, not a strange unit.
  if (r.unitFactor == 0 && written.IsEmpty()) throw UsageError(kUnreadable);
  if (r.unitFactor == 0)
    throw UsageError("--korva: the text's unit \"" + written.toUtf8() + "\" cannot be converted to " + units);
  if (analyser.setDefinitionByData(r) != 0) throw UsageError(kUnreadable);
}

}  // namespace

void buildSection(ZEPTCrossSection& cs, SectionSource const& source) {
  if (!source.korva && !source.catalog) throw UsageError(source.command + " needs CATALOG PROFILE DIMS, or --korva TEXT");
  if (source.korva)
    fromKorva(cs, *source.korva, source.units);
  else
    fromCatalog(cs, source, source.units == "in" ? DtDb::kEnglish : DtDb::kMetric);
}

namespace {

void runSection(Context const& ctx, SectionOptions const& o) {
  const DtDb::MeasurementValue units = o.units == "in" ? DtDb::kEnglish : DtDb::kMetric;
  ZEPTCrossSection cs;
  buildSection(cs, o);
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
  options->command = "section";
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
  return {sub, [options](Context const& ctx) { runSection(ctx, *options); }};
}

}  // namespace zeptcat
