// SPDX-License-Identifier: MIT
// zeptcat region DRAWING.dxf: the cross-section a detailer drew, as the
// library's drawing pipeline builds it, printed as zeptcat section prints
// one; --write stores the filled profile record in a user profile catalog,
// where zeptcat section finds it again.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <new>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "database/ZEPTDBProfile.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "database/ProfileSectionValues.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/shape/SectionProperties.h"
#include "section/DrawingSection.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"
#include "tools/zeptcat/SectionOutput.h"

namespace zeptcat {

namespace {

struct RegionOptions {
  std::string drawing;
  std::optional<std::string> layer;
  std::optional<std::string> units;
  std::vector<std::string> write;  // CATALOG NAME DIMS
};

// The analyser ends each contour on its first vertex again; a contour
// closes anyway, and a catalog size read back has no such vertex, so it is
// not printed.
ZEPTCrossSection withoutClosingVertices(ZEPTCrossSection const& cs) {
  ZEPTCrossSection shown;
  for (int s = 0; s < cs.numSections(); ++s) {
    ZEPTSection const& section = *cs.sectionAt(s);
    ZEPTSection copy(section.getIsThin());
    for (int c = 0; c < section.numContours(); ++c) {
      ZEPTContour contour = *section.contourAt(c);
      DtDbPolyline polyline;
      DtGePoint2d first, last;
      unsigned const n = contour.getPolyline(polyline) ? polyline.numVerts() : 0;
      if (n > 1 && polyline.getPointAt(0, first) == Dt::eOk && polyline.getPointAt(n - 1, last) == Dt::eOk &&
          first == last) {
        polyline.removeVertexAt(n - 1);
        contour.setPolyline(&polyline);
      }
      copy.addContour(contour);
    }
    shown.addSection(copy);
  }
  return shown;
}

ResultTable recordTable(CString const& catalog, ZEPTDBProfileData const& r) {
  ResultTable t;
  t.columns = {L"Catalog", L"Name", L"Dims", L"H",  L"B",      L"VY",   L"VPY",      L"VZ",       L"VPZ", L"SX",
               L"IY",      L"IZ",   L"MSY",  L"MSZ", L"SY",    L"SZ",   L"IX",       L"IOMEGA",   L"TORS", L"SHEAR_QY",
               L"SHEAR_QZ"};
  t.rows.push_back({COleVariant(catalog), COleVariant(CString(r.name)),
                    COleVariant(ZEPTDBBaseData::DimsToString(r.dim1, r.dim2, r.dim3)), COleVariant(r.h),
                    COleVariant(r.b), COleVariant(r.vy), COleVariant(r.vpy), COleVariant(r.vz), COleVariant(r.vpz),
                    COleVariant(r.sx), COleVariant(r.iy), COleVariant(r.iz), COleVariant(r.msy), COleVariant(r.msz),
                    COleVariant(r.sy), COleVariant(r.sz), COleVariant(r.ix), COleVariant(r.iomega), COleVariant(r.tors),
                    COleVariant(r.shearQy), COleVariant(r.shearQz)});
  return t;
}

// Writes the record as size NAME DIMS of catalog CATALOG, made first when
// there is none of that name, in the drawing's units; returns the catalog's
// short name.
CString writeRecord(RegionOptions const& o, ZEPTDBProfileData& r, DtDb::MeasurementValue units) {
  CString catalog = CString::fromUtf8(o.write[0]);
  catalog.MakeUpper();
  CString const name = CString::fromUtf8(o.write[1]);
  r.name = name;
  ZEPTDBBaseData::StringToDims(CString::fromUtf8(o.write[2]), r.dim1, r.dim2, r.dim3);

  ZEPTDBProfile profile;
  needAppFolder();
  if (!profile.setProfileDB(catalog)) {
    // Only a missing catalog is made; one that is there but refused is not.
    if (profile.getLastDBError() != zept::jet::kFileNotFound)
      catalogRefused(profile, "profile", catalog.toUtf8(), catalog.toUtf8() + "pro.mdb");
    int const made = profile.createProfileDB(catalog, units);
    if (made != 0)
      throw std::runtime_error("no profile catalog " + catalog.toUtf8() + " in " + folders(profile) +
                               ", and it cannot be created there (code " + std::to_string(made) + ")");
  }
  if (profile.setProfileData(r) != 0)
    writeRefused(profile, "write size " + o.write[2] + " of " + o.write[1] + " into " + catalog.toUtf8(),
                 catalog.toUtf8() + "pro.mdb");
  return catalog;
}

void buildRegion(Context const& ctx, RegionOptions const& o) {
  if (!o.write.empty()) {
    if (o.write.size() != 3) throw UsageError("--write needs CATALOG NAME DIMS");
    requireFileName(o.write[0], "region --write");
    requireProfileNameLength(o.write[1]);
    if (o.write[1].empty()) throw UsageError("--write: the name is empty");
  }
  zept::section::DrawingOptions options;
  if (o.layer) options.layer = CString::fromUtf8(*o.layer);
  if (o.units) options.units = *o.units == "in" ? DtDb::kEnglish : DtDb::kMetric;
  zept::section::DrawingSection drawn = zept::section::sectionOfDrawing(CString::fromUtf8(o.drawing), options);
  ZEPTCrossSection const& cs = drawn.section;
  ZEPTDBProfileData& record = drawn.record;
  DtDb::MeasurementValue const units = drawn.units;

  std::string const unitName = units == DtDb::kEnglish ? "in" : "mm";
  ZEPTCrossSection const shown = withoutClosingVertices(cs);
  if (o.write.empty()) return printSection(ctx, shown, unitName);
  // The size carries its whole set of values, as a catalog size does.
  zept::shape::SectionProperties p;
  if (auto const status = zept::shape::sectionProperties(cs, p); status != zept::shape::SectionPropertiesStatus::ok)
    throw std::runtime_error(o.drawing + ": the section values cannot be computed: " + zept::shape::describe(status));
  record.sx = p.area;
  record.iy = p.iy;
  record.iz = p.iz;
  record.msy = p.wely;
  record.msz = p.welz;
  zept::profile::fillSectionValues(record, p);
  ResultTable const written = recordTable(writeRecord(o, record, units), record);
  printSection(ctx, shown, unitName, &written);
}

// A drawing takes a few times its size in memory: where that is not to be
// had, the user learns which drawing and how large, not "std::bad_alloc".
void runRegion(Context const& ctx, RegionOptions const& o) {
  try {
    buildRegion(ctx, o);
  } catch (std::bad_alloc const&) {
    std::error_code ec;
    auto const bytes = std::filesystem::file_size(o.drawing, ec);
    throw std::runtime_error("not enough memory to read " + o.drawing +
                             (ec ? std::string() : " (" + std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB)"));
  }
}

}  // namespace

Command addRegionCommand(CLI::App& parent) {
  auto options = std::make_shared<RegionOptions>();
  CLI::App* sub = parent.add_subcommand(
      "region", "Build the cross-section drawn as closed outlines in a DXF drawing; optionally store it as a profile");
  sub->footer(
      "Examples:\n"
      "  zeptcat region WeldedBox.dxf                            the box girder's section and values\n"
      "  zeptcat region PlateTwoHoles.dxf --layer PLATE          the plate without its holes\n"
      "  zeptcat --app DIR region WeldedBox.dxf --write MINE BOX 500x300\n"
      "                                                          stored; then: zeptcat section MINE BOX 500x300\n"
      "Closed outlines (closed polylines, circles, lines and arcs meeting end to end) become regions; an\n"
      "outline inside another is its hole, one inside a hole a solid again. The origin is the centroid\n"
      "of the whole section, the axes those of the drawing's plane.");
  sub->add_option("drawing", options->drawing, "An ASCII DXF drawing")->required();
  sub->add_option("--layer", options->layer, "Take only the outlines on this layer (matched exactly)");
  sub->add_option("--units", options->units, "The drawing's units: mm or in (default: the drawing's own)")
      ->check(CLI::IsMember({"mm", "in"}));
  sub->add_option("--write", options->write,
                  "Store the section as size NAME DIMS of user profile catalog CATALOG (made when missing)")
      ->expected(3);
  return {sub, [options](Context const& ctx) { runRegion(ctx, *options); }};
}

}  // namespace zeptcat
