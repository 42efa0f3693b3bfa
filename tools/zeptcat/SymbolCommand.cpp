// SPDX-License-Identifier: MIT
// zeptcat symbol DRAWING NAME: the model-space entities of a DXF drawing
// saved as a user object's symbol drawing in the application's catalog
// folder (through ZEPTDBUserObj::CreateSymbolDatabase), brought out of the
// drawing's user coordinate system or the one given.
#include <CLI/CLI.hpp>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "database/ZEPTDBUserObj.h"
#include "platform/host/DtDbDatabase.h"
#include "platform/host/ZePTSelectionSet.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

struct SymbolOptions {
  std::string drawing;
  std::string name;
  std::optional<std::string> ucsOrigin;
  std::optional<double> ucsAngle;
  bool noPlanarity = false;
};

DtGePoint3d parsePoint(std::string const& text) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  double v[3];
  char comma1 = 0, comma2 = 0;
  if (!(in >> v[0] >> comma1 >> v[1] >> comma2 >> v[2]) || comma1 != ',' || comma2 != ',' || !(in >> std::ws).eof() ||
      !std::isfinite(v[0]) || !std::isfinite(v[1]) || !std::isfinite(v[2]))
    throw UsageError("--ucs-origin: \"" + text + "\" is not X,Y,Z");
  // Farther out, the entities would land where no drawing can be read.
  for (double c : v)
    if (std::fabs(c) > 1e100) throw UsageError("--ucs-origin: \"" + text + "\" lies beyond +-1e100");
  return {v[0], v[1], v[2]};
}

// The meaning of CreateSymbolDatabase's codes other than 0.
char const* reason(int code) {
  switch (code) {
    case 1: return "the drawing has no entities to save";
    case 2: return "the entities do not lie in one plane (--no-planarity saves them all the same)";
    case 3: return "the new drawing could not be made";
    case 4: return "a file of that name exists already in the application folder";
    case 6:
      return "an entity would not read back once saved (a coordinate beyond +-1e100, a radius not above zero or "
             "an ellipse's axes out of range); nothing was written";
    default: return "saving the drawing failed, or the name is a catalog's (.mdb)";
  }
}

void runSymbol(Context const& ctx, SymbolOptions const& o) {
  requireFileName(o.name, "symbol");
  DtDbDatabase drawing(false, true);
  if (drawing.readDxfFile(CString::fromUtf8(o.drawing)) != Dt::eOk)
    throw std::runtime_error(o.drawing + ": " + drawing.errorText().toUtf8());
  DtGeMatrix3d ucs = drawing.ucsMatrix();
  if (o.ucsOrigin || o.ucsAngle) {
    const DtGePoint3d origin = o.ucsOrigin ? parsePoint(*o.ucsOrigin) : DtGePoint3d::kOrigin;
    if (o.ucsAngle && !std::isfinite(*o.ucsAngle)) throw UsageError("--ucs-angle: not a number of degrees");
    const double a = o.ucsAngle.value_or(0) * std::numbers::pi / 180;
    ucs.setCoordSystem(origin, DtGeVector3d(std::cos(a), std::sin(a), 0), DtGeVector3d(-std::sin(a), std::cos(a), 0),
                       DtGeVector3d::kZAxis);
  }
  ZePTSelectionSet selection;
  for (DtDbEntity* e : drawing.modelSpace()) selection.append(e);

  ZEPTDBUserObj objs;
  CString path = CString::fromUtf8(o.name);
  const int code = objs.CreateSymbolDatabase(path, selection, ucs, !o.noPlanarity);
  if (code != 0) throw std::runtime_error("symbol " + o.name + " not saved: " + reason(code) + " (code " +
                                          std::to_string(code) + ")");
  printValue(ctx.out, L"path", COleVariant(CString::fromUtf8(shown(path))), ctx.json);
}

}  // namespace

Command addSymbolCommand(CLI::App& parent) {
  auto options = std::make_shared<SymbolOptions>();
  CLI::App* sub = parent.add_subcommand(
      "symbol", "Save the entities of a DXF drawing as a user object's symbol drawing in the application folder");
  sub->footer(
      "Examples:\n"
      "  zeptcat --app /srv/app/ symbol plate.dxf PLATE             saves /srv/app/PLATE.dfn\n"
      "  zeptcat --app /srv/app/ symbol plate.dxf PLATE.dxf --ucs-origin 100,50,0 --ucs-angle 90\n"
      "The entities are copied in their user coordinate system: the drawing's own, or the one given by\n"
      "--ucs-origin and --ucs-angle (degrees about z, either option alone leaves the other at 0). A name\n"
      "without extension gets \".dfn\"; only the name is used, so the file lands in the application folder.\n"
      "An existing file is never replaced.");
  sub->add_option("drawing", options->drawing, "An ASCII DXF file")->required();
  sub->add_option("name", options->name, "The symbol's file name")->required();
  sub->add_option("--ucs-origin", options->ucsOrigin, "The user coordinate system's origin, X,Y,Z");
  sub->add_option("--ucs-angle", options->ucsAngle, "The user coordinate system's turn about z, degrees");
  sub->add_flag("--no-planarity", options->noPlanarity, "Save entities that do not lie in one plane too");
  return {sub, [options](Context const& ctx) { runSymbol(ctx, *options); }};
}

}  // namespace zeptcat
