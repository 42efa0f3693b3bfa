// SPDX-License-Identifier: MIT
// zeptcat region DRAWING.dxf: the cross-section a detailer drew. The closed
// outlines of the drawing's model space (optionally of one layer) become
// regions; a region lying inside another is a hole of it and is subtracted,
// an island inside that hole is a region again. The region analyser builds
// the section with its origin on the common centroid, printed as zeptcat
// section prints one; --write stores the filled profile record in a user
// profile catalog, where zeptcat section finds it again.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
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
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbDatabase.h"
#include "platform/host/DtDbRegion.h"
#include "database/ProfileSectionValues.h"
#include "platform/shape/SectionProperties.h"
#include "section/ZEPTRegionAnalyser.h"
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

using RegionPtr = std::unique_ptr<DtDbRegion>;

std::string statusText(Dt::ErrorStatus status) {
  switch (status) {
    case Dt::eOpenCurve: return "its outlines do not close into loops";
    case Dt::eNonPlanarEntity: return "its outlines do not lie in one plane";
    case Dt::eSelfIntersecting: return "an outline crosses or touches itself";
    case Dt::eDegenerateGeometry: return "an outline has a zero-length edge or a zero radius";
    case Dt::eNotThatKindOfClass: return "it holds curves a region cannot be made of";
    default: return "its outlines do not make regions (status " + std::to_string(static_cast<int>(status)) + ")";
  }
}

double areaOf(DtDbRegion const& region) {
  double area = 0;
  region.getArea(area);
  return area;
}

// Whether `inner` lies inside `outer`: their common part is all of `inner`.
// Outlines that only touch or cross are not nested.
bool contains(DtDbRegion const& outer, DtDbRegion const& inner) {
  double const innerArea = areaOf(inner);
  if (!(areaOf(outer) > innerArea)) return false;
  RegionPtr common(static_cast<DtDbRegion*>(outer.clone()));
  RegionPtr operand(static_cast<DtDbRegion*>(inner.clone()));
  common->booleanOper(DtDb::kBoolIntersect, operand.get());
  return std::fabs(areaOf(*common) - innerArea) <= 1e-6 * innerArea;
}

// Loops at an even depth of nesting are solids, each less the loops right
// inside it; the rest are holes and go.
std::vector<RegionPtr> nest(std::vector<RegionPtr> loops) {
  std::size_t const n = loops.size();
  std::vector<int> depth(n, 0);
  std::vector<std::ptrdiff_t> parent(n, -1);
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j) {
      if (i == j || !contains(*loops[j], *loops[i])) continue;
      ++depth[i];
      if (parent[i] < 0 || areaOf(*loops[j]) < areaOf(*loops[static_cast<std::size_t>(parent[i])]))
        parent[i] = static_cast<std::ptrdiff_t>(j);
    }
  for (std::size_t i = 0; i < n; ++i)
    if (depth[i] % 2 == 1) loops[static_cast<std::size_t>(parent[i])]->booleanOper(DtDb::kBoolSubtract, loops[i].get());
  std::vector<RegionPtr> solids;
  for (std::size_t i = 0; i < n; ++i)
    if (depth[i] % 2 == 0) solids.push_back(std::move(loops[i]));
  return solids;
}

std::vector<RegionPtr> readRegions(RegionOptions const& o, DtDb::MeasurementValue& measurement) {
  DtDbDatabase db(false, true);
  if (db.readDxfFile(CString::fromUtf8(o.drawing)) != Dt::eOk)
    throw std::runtime_error(o.drawing + ": " + db.errorText().toUtf8());
  measurement = db.measurement();

  DtArray<DtDbEntity*> curves;
  bool layerSeen = false;
  for (DtDbEntity* entity : db.modelSpace()) {
    if (o.layer && entity->layer() != CString::fromUtf8(*o.layer)) continue;
    layerSeen = true;
    curves.append(entity);
  }
  if (o.layer && !layerSeen) throw std::runtime_error(o.drawing + " has nothing on layer " + *o.layer);
  if (curves.length() == 0) throw std::runtime_error(o.drawing + " has no outlines");

  DtArray<DtDbRegion*> made;
  Dt::ErrorStatus const status = DtDbRegion::createFromCurves(curves, made);
  std::vector<RegionPtr> loops;
  for (int i = 0; i < made.length(); ++i) loops.emplace_back(made[i]);
  if (status != Dt::eOk) throw std::runtime_error(o.drawing + ": " + statusText(status));
  if (loops.empty()) throw std::runtime_error(o.drawing + ": no closed outline");
  return nest(std::move(loops));
}

std::string analyserText(int code) {
  switch (code) {
    case -1: return "no region to analyse";
    case 1: return "the regions do not lie in one plane";
    case 2: return "the regions overlap";
    case 3: return "a boundary loop is neither outside nor inside";
    case 4: return "an outline holds an edge that is neither straight nor a circular arc (an ellipse or spline)";
    case 5: return "an arc edge has no circular arc behind it";
    case 6: return "a full circle of radius 0";
    default: return "the region analyser failed (code " + std::to_string(code) + ")";
  }
}

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
  if (int const result = profile.setProfileData(r); result != 0)
    throw std::runtime_error("cannot write size " + o.write[2] + " of " + o.write[1] + " into " + catalog.toUtf8() +
                             " (code " + std::to_string(result) + ")");
  return catalog;
}

void buildRegion(Context const& ctx, RegionOptions const& o) {
  if (!o.write.empty()) {
    if (o.write.size() != 3) throw UsageError("--write needs CATALOG NAME DIMS");
    requireFileName(o.write[0], "region --write");
    if (CString::fromUtf8(o.write[1]).GetLength() > 4)
      throw UsageError("--write: the catalog keeps 4 characters of a name, so \"" + o.write[1] +
                       "\" could not be found again; use at most 4");
    if (o.write[1].empty()) throw UsageError("--write: the name is empty");
  }
  DtDb::MeasurementValue measurement = DtDb::kMetric;
  std::vector<RegionPtr> regions = readRegions(o, measurement);
  DtDb::MeasurementValue const units = o.units ? (*o.units == "in" ? DtDb::kEnglish : DtDb::kMetric) : measurement;

  DtArray<DtDbRegion*> array;
  for (auto const& region : regions) array.append(region.get());
  ZEPTCrossSection cs;
  ZEPTRegionAnalyser analyser;
  analyser.attachSection(&cs);
  analyser.units = units;
  ZEPTDBProfileData record;
  if (int const code = analyser.setDefinition(array, &record); code != 0)
    throw std::runtime_error(o.drawing + ": " + analyserText(code));
  // The section holds the outlines now; the regions, as large, go.
  array.setLogicalLength(0);
  regions.clear();

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
