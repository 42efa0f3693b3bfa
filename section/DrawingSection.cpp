// SPDX-License-Identifier: MIT
// Drawing to section: the DXF read through DtDbDatabase, its loops mapped
// into one plane and nested through RegionGeometry, the regions handed to
// ZEPTRegionAnalyser.
#include "section/DrawingSection.h"

#include <utility>

#include "platform/core/DtArray.h"
#include "platform/host/DtDbDatabase.h"
#include "platform/host/RegionGeometry.h"
#include "section/ZEPTRegionAnalyser.h"

namespace zept::section {
namespace {

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

}  // namespace

std::vector<RegionPtr> nestLoops(std::vector<RegionPtr> loops, std::string const& path) {
  using zept::host::Face;
  using zept::host::Loop;
  // Every loop in the first one's coordinates; one in another plane takes
  // no part in the nesting and is refused later by the analyser.
  std::shared_ptr<zept::host::RegionData const> first;
  std::vector<Loop> mapped(loops.size());
  for (std::size_t i = 0; i < loops.size(); ++i) {
    auto const data = loops[i]->data();
    if (!data || data->faces.size() != 1) continue;
    if (!first) first = data;
    if (!first->plane.isCoplanarTo(data->plane)) continue;
    std::vector<Face> faces = data->faces;
    zept::host::mapFaces(faces, data->plane, first->plane);
    mapped[i] = std::move(faces.front().outer);
  }
  std::vector<Loop const*> pointers;
  for (auto const& loop : mapped) pointers.push_back(&loop);
  const zept::host::Nesting nesting = zept::host::nest(pointers);

  // Each solid loses all its holes in one overlay.
  std::vector<std::vector<Face>> holes(loops.size());
  for (std::size_t i = 0; i < loops.size(); ++i)
    if (nesting.depth[i] % 2 == 1) holes[static_cast<std::size_t>(nesting.parent[i])].push_back(Face{mapped[i], {}});
  std::vector<RegionPtr> solids;
  for (std::size_t i = 0; i < loops.size(); ++i) {
    if (nesting.depth[i] % 2 == 1) continue;
    if (!holes[i].empty()) {
      auto cut = std::make_shared<zept::host::RegionData>();
      cut->plane = first->plane;
      cut->faces = std::move(holes[i]);
      DtDbRegion operand(std::move(cut));
      if (const Dt::ErrorStatus status = loops[i]->booleanOper(DtDb::kBoolSubtract, &operand); status != Dt::eOk)
        throw DrawingError(path + ": " + statusText(status));
    }
    solids.push_back(std::move(loops[i]));
  }
  return solids;
}

DrawingSection sectionOfDrawing(CString const& path, DrawingOptions const& options) {
  const std::string shown = path.toUtf8();
  DtDbDatabase db(false, true);
  if (db.readDxfFile(path) != Dt::eOk) throw DrawingError(shown + ": " + db.errorText().toUtf8());

  DtArray<DtDbEntity*> curves;
  bool layerSeen = false;
  for (DtDbEntity* entity : db.modelSpace()) {
    if (options.layer && entity->layer() != *options.layer) continue;
    layerSeen = true;
    curves.append(entity);
  }
  if (options.layer && !layerSeen) throw DrawingError(shown + " has nothing on layer " + options.layer->toUtf8());
  if (curves.length() == 0) throw DrawingError(shown + " has no outlines");

  DtArray<DtDbRegion*> made;
  const Dt::ErrorStatus status = DtDbRegion::createFromCurves(curves, made);
  std::vector<RegionPtr> loops;
  for (int i = 0; i < made.length(); ++i) loops.emplace_back(made[i]);
  if (status != Dt::eOk) throw DrawingError(shown + ": " + statusText(status));
  if (loops.empty()) throw DrawingError(shown + ": no closed outline");
  const std::vector<RegionPtr> regions = nestLoops(std::move(loops), shown);

  DrawingSection result;
  result.units = options.units.value_or(db.measurement());
  DtArray<DtDbRegion*> array;
  for (auto const& region : regions) array.append(region.get());
  ZEPTRegionAnalyser analyser;
  analyser.attachSection(&result.section);
  analyser.units = result.units;
  if (const int code = analyser.setDefinition(array, &result.record); code != 0)
    throw DrawingError(shown + ": " + analyserText(code));
  return result;
}

}  // namespace zept::section
