// SPDX-License-Identifier: MIT
// zeptcat bolts [STANDARD [--diameter D [--length L]]] [--units mm|in]: the
// bolt standards with their companion catalogs, the sizes of one standard, or
// its bolts of one diameter with the nut and washer thickness and grip ranges
// that go with them.
#include <CLI/CLI.hpp>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "database/ZEPTDBBolt.h"
#include "database/ZEPTDBBoltStandards.h"
#include "database/ZEPTDBClampingRange.h"
#include "database/ZEPTDBNut.h"
#include "database/ZEPTDBWasher.h"
#include "platform/core/CStringArray.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Folders.h"
#include "tools/zeptcat/Output.h"

namespace zeptcat {

namespace {

struct BoltsOptions {
  std::optional<std::string> standard;
  std::optional<double> diameter;  // catalog unit
  std::optional<double> length;    // catalog unit
  std::optional<std::string> units;
};

wchar_t const* unitName(DtDb::MeasurementValue units) { return units == DtDb::kEnglish ? L"in" : L"mm"; }

std::wstring header(wchar_t const* name, DtDb::MeasurementValue units) {
  return std::wstring(name) + L" (" + unitName(units) + L")";
}

std::string format(char const* pattern, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

// As the table prints a single number.
std::string joined(DtArray<double> const& values, double factor) {
  std::string text;
  for (double v : values) text += (text.empty() ? "" : ", ") + format("%.15g", v * factor);
  return text;
}

// Diameters and lengths are matched the way the catalog statements match
// them: written with six decimals.
bool sameValue(double a, double b) { return format("%f", a) == format("%f", b); }

void runStandards(Context const& ctx) {
  ZEPTDBBolt bolt;
  CStringArray names;
  if (!bolt.getBoltDBList(names, nullptr))
    throw std::runtime_error("cannot read the bolt standards of BoltsNutsWashers.mdb in " + folders(bolt));
  ZEPTDBBoltStandards standards;
  auto cell = [&](CString const& name) { return name.IsEmpty() ? none(ctx) : COleVariant(name); };
  ResultTable table;
  table.columns = {L"Standard", L"Nut", L"Washer", L"ClampingRange", L"Units"};
  for (auto const& name : names) {
    CString nut, washer, clampingRange;
    // The names may be half-trimmed after a failure: show none of them.
    if (!standards.getStandardsByBolt(name, nut, washer, clampingRange)) nut = washer = clampingRange = CString();
    bolt.setBoltDB(name);
    table.rows.push_back({COleVariant(name), cell(nut), cell(washer), cell(clampingRange),
                          COleVariant(unitName(bolt.units()))});
  }
  print(ctx.out, table, ctx.json);
}

void printSizes(Context const& ctx, ZEPTDBBolt& bolt, DtArray<double> const& diameters, DtDb::MeasurementValue units) {
  const double factor = bolt.getCrossFactor(units);
  ResultTable table;
  table.columns = {header(L"Diameter", units), header(L"Lengths", units)};
  for (double d : diameters) {
    DtArray<double> lengths;
    if (!bolt.getBoltLengthList(d, lengths))
      throw std::runtime_error("cannot read the lengths of diameter " + format("%g", d));
    table.rows.push_back({COleVariant(d * factor), COleVariant(CString::fromUtf8(joined(lengths, factor)))});
  }
  print(ctx.out, table, ctx.json);
}

// A companion's thicknesses for one bolt diameter: a number, several joined,
// or none.
COleVariant thicknessCell(Context const& ctx, bool found, DtArray<double> const& values, double factor) {
  if (!found || values.isEmpty()) return none(ctx);
  if (values.length() == 1) return COleVariant(values[0] * factor);
  return COleVariant(CString::fromUtf8(joined(values, factor)));
}

struct Companions {
  CString nut, washer, clampingRange;
  bool found = false;
};

void printRecords(Context const& ctx, BoltsOptions const& o, CString const& standard, ZEPTDBBolt& bolt,
                  DtArray<double> const& diameters, DtDb::MeasurementValue units) {
  const double d = *o.diameter;
  DtArray<ZEPTDBBoltData> bolts;
  if (o.length) {
    ZEPTDBBoltData data;
    if (bolt.getBoltData(d, *o.length, units, &data)) {
      bolts.append(data);
    } else {
      DtArray<double> lengths;
      bolt.getBoltLengthList(d, lengths);
      throw std::runtime_error(standard.toUtf8() + " has no bolt of diameter " + format("%g", d) + " and length " +
                               format("%g", *o.length) + "; lengths of that diameter: " +
                               (lengths.isEmpty() ? "none" : joined(lengths, 1)));
    }
  } else if (!bolt.getWholeBoltData(bolts, units, d)) {
    throw std::runtime_error(standard.toUtf8() + " has no bolt of diameter " + format("%g", d) +
                             "; its diameters: " + joined(diameters, 1));
  }

  Companions c;
  ZEPTDBBoltStandards standards;
  c.found = standards.getStandardsByBolt(standard, c.nut, c.washer, c.clampingRange);

  // Each companion converts the bolt diameter into its own unit to look it
  // up, and its thicknesses from its own unit into the one asked for.
  COleVariant nutThickness = none(ctx), washerThickness = none(ctx);
  if (c.found) {
    ZEPTDBNut nut;
    DtArray<double> thicknesses;
    const bool ok = nut.setNutDB(c.nut) && nut.getNutThickList(d * bolt.getCrossFactor(nut.units()), thicknesses);
    nutThickness = thicknessCell(ctx, ok, thicknesses, nut.getCrossFactor(units));
    ZEPTDBWasher washer;
    const bool wok =
        washer.setWasherDB(c.washer) && washer.getWasherThickList(d * bolt.getCrossFactor(washer.units()), thicknesses);
    washerThickness = thicknessCell(ctx, wok, thicknesses, washer.getCrossFactor(units));
  }

  ResultTable table;
  table.columns = {L"Id",
                   header(L"Diameter", units),
                   header(L"Length", units),
                   header(L"ThreadLength", units),
                   L"Symbol",
                   L"Material",
                   L"Comment",
                   header(L"NutThickness", units),
                   header(L"WasherThickness", units)};
  for (auto const& b : bolts)
    table.rows.push_back({COleVariant(static_cast<long>(b.id)), COleVariant(b.diameter * b.crossFactor),
                          COleVariant(b.length * b.crossFactor), COleVariant(b.threadLength * b.crossFactor),
                          COleVariant(b.symbol.c_str()), COleVariant(b.material.c_str()),
                          COleVariant(b.comment.c_str()), nutThickness, washerThickness});

  std::optional<ResultTable> grips;
  if (c.found && !c.clampingRange.IsEmpty()) {
    ZEPTDBClampingRange catalog;
    DtArray<ZEPTDBClampingRangeData> ranges;
    if (!catalog.setClampingRangeDB(c.clampingRange) || !catalog.getWholeClampingRangeData(ranges, units))
      throw std::runtime_error("cannot read the clamping ranges of " + c.clampingRange.toUtf8());
    const double toRanges = bolt.getCrossFactor(catalog.units());
    const double wanted = d * toRanges;
    grips.emplace();
    grips->columns = {L"WasherNum", header(L"RangeLower", units), header(L"RangeUpper", units),
                      header(L"ShankLength", units), header(L"ThreadLength", units)};
    // A range belongs to the bolt whose shank and thread make up its length.
    auto ofLength = [&](ZEPTDBClampingRangeData const& r) {
      return !o.length || sameValue(r.shankLength + r.threadLength, *o.length * toRanges);
    };
    for (auto const& r : ranges)
      if (sameValue(r.diameter, wanted) && ofLength(r))
        grips->rows.push_back({COleVariant(static_cast<long>(r.washerCount)), COleVariant(r.rangeLower * r.crossFactor),
                               COleVariant(r.rangeUpper * r.crossFactor), COleVariant(r.shankLength * r.crossFactor),
                               COleVariant(r.threadLength * r.crossFactor)});
  }

  if (ctx.json) return printJsonObject(ctx.out, {{L"bolts", &table}, {L"clampingRanges", grips ? &*grips : nullptr}});
  printTable(ctx.out, table);
  if (grips) {
    ctx.out << "\nClamping ranges (" << c.clampingRange.toUtf8() << "):\n";
    printTable(ctx.out, *grips);
  }
}

void runStandard(Context const& ctx, BoltsOptions const& o) {
  CString standard = CString::fromUtf8(*o.standard);
  // The standards catalog matches upper-case short names only.
  standard.MakeUpper();
  ZEPTDBBolt bolt;
  if (!bolt.setBoltDB(standard))
    catalogRefused(bolt, "bolt", standard.toUtf8(), "Bolts_" + standard.toUtf8() + ".mdb");
  const auto units = o.units ? (*o.units == "in" ? DtDb::kEnglish : DtDb::kMetric) : bolt.units();
  DtArray<double> diameters;
  if (!bolt.getBoltDiameterList(diameters)) throw std::runtime_error("bolt catalog " + standard.toUtf8() + " is empty");
  if (o.diameter) return printRecords(ctx, o, standard, bolt, diameters, units);
  printSizes(ctx, bolt, diameters, units);
}

}  // namespace

Command addBoltsCommand(CLI::App& parent) {
  auto options = std::make_shared<BoltsOptions>();
  CLI::App* sub = parent.add_subcommand(
      "bolts", "List the bolt standards with their nut, washer and clamping-range catalogs, the sizes of one "
               "standard, or its bolts of one diameter");
  CLI::Option* standard =
      sub->add_option("standard", options->standard,
                      "A bolt standard's short name, in any case (ISO4017 for Bolts_ISO4017.mdb); without it, every "
                      "standard");
  CLI::Option* diameter = sub->add_option(
      "--diameter", options->diameter,
      "Print the bolts of this diameter, given in the catalog's own unit whatever --units says (20, or 0.75 for "
      "an inch catalog; M20 as a detailer writes it is 20), with nut and washer thickness and grip ranges");
  // A metric thread's name is its diameter.
  diameter->transform(CLI::Validator(
      [](std::string& text) {
        if (text.size() > 1 && (text[0] == 'M' || text[0] == 'm') && std::isdigit(static_cast<unsigned char>(text[1])))
          text.erase(0, 1);
        return std::string();
      },
      "", "thread name"));
  sub->add_option("--length", options->length,
                  "Only the bolt of this length, in the catalog's own unit, and its grip ranges (those whose shank "
                  "and thread length make up the bolt's length)")
      ->needs(diameter);
  diameter->needs(standard);
  sub->add_option("--units", options->units,
                  "Unit of the lengths printed: mm or in (default: the catalog's own); values are converted")
      ->check(CLI::IsMember({"mm", "in"}))
      ->needs(standard);
  return {sub, [options](Context const& ctx) {
            options->standard ? runStandard(ctx, *options) : runStandards(ctx);
          }};
}

}  // namespace zeptcat
