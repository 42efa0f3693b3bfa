// SPDX-License-Identifier: MIT
// The properties table: catalog and geometry values compared row by row,
// converted into the chosen units and written as text for the clipboard.
#include "tools/zeptview/Properties.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zeptview {

namespace {

constexpr double kInch = 25.4;
constexpr double kSteelKgPerMm2M = 7.85e-3;  // 7850 kg/m³ over one metre of a square millimetre
constexpr double kLbPerFtInKgPerM = 0.67196897514;
constexpr double kFtPerM = 3.28083989501;
// Published masses are rounded and some tables take a slightly other density.
constexpr double kMassTolerance = 0.02;

char const* const kPowers[] = {"", "", "²", "³", "⁴", "⁵", "⁶"};

std::string unitName(PropertyUnits units, int power, bool dimension) {
  if (power == 0) return "°";
  const char* base = units == PropertyUnits::inches ? "in" : units == PropertyUnits::mm || dimension ? "mm" : "cm";
  return std::string(base) + kPowers[power];
}

// Millimetres to the shown unit, to the power of the value.
double fromMm(PropertyUnits units, int power, bool dimension) {
  if (power == 0) return 1.0;
  if (units == PropertyUnits::inches) return std::pow(1.0 / kInch, power);
  return units == PropertyUnits::tables && !dimension ? std::pow(0.1, power) : 1.0;
}

std::optional<double> nonZero(double value) {
  return value != 0 && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// Length of the polyline's segments; an arc of bulge b = tan(θ/4) over a
// chord c is c θ / (2 sin(θ/2)) long.
double contourLength(ZEPTContour const& contour) {
  double length = 0;
  const int n = contour.numVerts();
  for (int i = 0; i < n; ++i) {
    DtGePoint2d a, b;
    double bulge = 0, unused = 0;
    if (!contour.getVertexAt(i, a, bulge) || !contour.getVertexAt((i + 1) % n, b, unused)) continue;
    const double chord = std::hypot(b.x - a.x, b.y - a.y), half = 2 * std::atan(std::abs(bulge));
    length += half < 1e-9 ? chord : chord * half / std::sin(half);
  }
  return length;
}

// Symmetric sections have their principal axes on y and z (α 0 or 90°),
// where Iu and Iv only repeat Iy and Iz.
bool turned(double alpha) { return std::abs(std::remainder(alpha, 90.0)) > 1e-6; }

PropertyRow compared(std::string name, std::string unit, std::optional<double> geometry, std::optional<double> catalog,
                     double tolerance) {
  PropertyRow row{std::move(name), std::move(unit), geometry, catalog, std::nullopt, false};
  if (geometry && catalog && *catalog != 0) {
    row.difference = (*geometry - *catalog) / *catalog;
    row.flagged = tolerance > 0 && std::abs(*row.difference) > tolerance;
  }
  return row;
}

}  // namespace

SectionFacts sectionFacts(ZEPTCrossSection const& cs, ZEPTDBProfileData const& record, bool fromCatalog, bool inches) {
  SectionFacts facts;
  facts.record = fromCatalog ? record : ZEPTDBProfileData();
  facts.values = valueRows(cs, facts.record);
  facts.fromCatalog = fromCatalog;
  facts.inches = inches;
  DtGePoint2d max, min;
  if (!cs.getExtents(max, min)) return facts;
  facts.height = max.y - min.y, facts.width = max.x - min.x;
  // The painted surface: the tables leave the inside of hollow sections out.
  for (int s = 0; s < cs.numSections(); ++s)
    for (int c = 0; c < cs.sectionAt(s)->numContours(); ++c)
      if (ZEPTContour const* contour = cs.sectionAt(s)->contourAt(c); contour && !contour->getIsHole())
        facts.outline += contourLength(*contour);
  double xc = 0, yc = 0, alpha = 0;
  int known = 0;
  for (auto const& r : facts.values) {
    if (r.name == "xc") xc = r.computed, ++known;
    if (r.name == "yc") yc = r.computed, ++known;
    if (r.name == "α") alpha = r.computed, ++known;
  }
  if (known == 3 && turned(alpha)) {
    facts.principalCentre = DtGePoint2d(min.x + xc, min.y + yc);
    facts.principalAngle = alpha;
  }
  return facts;
}

std::vector<PropertyGroup> propertyTable(SectionFacts const& f, PropertyUnits units) {
  std::vector<PropertyGroup> table;
  if (f.values.empty()) return table;
  const double toMm = f.inches ? kInch : 1.0;
  auto find = [&](std::string const& name) -> ValueRow const* {
    for (auto const& r : f.values)
      if (r.name == name) return &r;
    return nullptr;
  };
  // A value of the section table, both sides converted.
  auto value = [&](char const* source, std::string name) {
    ValueRow const* r = find(source);
    if (!r) return std::optional<PropertyRow>();
    const double k = std::pow(toMm, r->power) * fromMm(units, r->power, false);
    std::optional<double> catalog;
    if (r->catalog) catalog = *r->catalog * k;
    return std::optional<PropertyRow>(
        compared(std::move(name), unitName(units, r->power, false), r->computed * k, catalog, r->tolerance));
  };
  auto add = [](PropertyGroup& group, std::optional<PropertyRow> row) {
    if (row) group.rows.push_back(std::move(*row));
  };
  // Radius of gyration from a moment and the area, on either side.
  auto radius = [&](char const* moment, std::string name) {
    ValueRow const *i = find(moment), *a = find("A");
    if (!i || !a || !(a->computed > 0)) return std::optional<PropertyRow>();
    const double k = toMm * fromMm(units, 1, false);
    std::optional<double> catalog;
    if (i->catalog && a->catalog && *a->catalog > 0) catalog = std::sqrt(*i->catalog / *a->catalog) * k;
    return std::optional<PropertyRow>(
        compared(std::move(name), unitName(units, 1, false), std::sqrt(i->computed / a->computed) * k, catalog, 0.01));
  };

  if (f.fromCatalog) {
    PropertyGroup& dims = table.emplace_back(PropertyGroup{"Dimensions", {}});
    ZEPTDBProfileData const& r = f.record;
    // The record's lengths in drawing units, then millimetres.
    const double catalogToMm = r.unitFactor * toMm;
    const double k = catalogToMm * fromMm(units, 1, true);
    const std::string unit = unitName(units, 1, true);
    auto dimension = [&](char const* name, double catalogValue, std::optional<double> geometry = std::nullopt) {
      if (auto c = nonZero(catalogValue)) {
        if (geometry) *geometry *= toMm * fromMm(units, 1, true);
        dims.rows.push_back(compared(name, unit, geometry, *c * k, 0.01));
      }
    };
    dimension("h", r.h, f.height);
    dimension("b", r.b, f.width);
    if (r.ea == r.es) {
      dimension("t", r.ea);
    } else {
      dimension("tw", r.ea);
      dimension("tf", r.es);
    }
    dimension(r.rs != 0 ? "r1" : "r", r.ra);
    dimension("r2", r.rs);
    // A catalog in millimetres gives kg/m, one in inches lb/ft.
    const bool metric = std::abs(catalogToMm - 1.0) < 1e-9;
    const bool imperial = units == PropertyUnits::inches;
    std::optional<double> mass = nonZero(r.mass);
    if (mass && !metric) *mass /= kLbPerFtInKgPerM;
    std::optional<double> steel;
    if (ValueRow const* a = find("A")) steel = a->computed * toMm * toMm * kSteelKgPerMm2M;
    const double massUnit = imperial ? kLbPerFtInKgPerM : 1.0;
    if (mass && steel) dims.rows.push_back(compared("Mass", imperial ? "lb/ft" : "kg/m", *steel * massUnit, *mass * massUnit,
                                           kMassTolerance));
    if (auto surface = nonZero(r.surf))
      dims.rows.push_back(compared("Surface", imperial ? "ft²/ft" : "m²/m",
                                   nonZero(f.outline * toMm / 1000 * (imperial ? kFtPerM : 1.0)),
                                   *surface * catalogToMm / 1000 * (imperial ? kFtPerM : 1.0), 0.01));
    if (dims.rows.empty()) table.pop_back();
  }

  PropertyGroup section{"Section", {}};
  add(section, value("A", "A"));
  add(section, value("Iy", "Iy"));
  add(section, value("Wy", "Wel,y"));
  add(section, value("Wpl,y", "Wpl,y"));
  add(section, radius("Iy", "iy"));
  add(section, value("Iz", "Iz"));
  add(section, value("Wz", "Wel,z"));
  add(section, value("Wpl,z", "Wpl,z"));
  add(section, radius("Iz", "iz"));
  add(section, value("It", "It"));
  add(section, value("Wt", "Wt"));
  add(section, value("Iw", "Iw"));
  add(section, value("Avy", "Avy"));
  add(section, value("Avz", "Avz"));
  table.push_back(std::move(section));

  PropertyGroup centres{"Centroid and shear centre (from the left and bottom)", {}};
  for (char const* name : {"xc", "yc", "xs", "ys"}) add(centres, value(name, name));
  table.push_back(std::move(centres));

  ValueRow const* alpha = find("α");
  if (alpha && turned(alpha->computed)) {
    PropertyGroup principal{"Principal axes", {}};
    add(principal, value("α", "α"));
    add(principal, value("Iu", "Iu"));
    add(principal, value("Iv", "Iv"));
    add(principal, radius("Iu", "iu"));
    add(principal, radius("Iv", "iv"));
    table.push_back(std::move(principal));
  }
  return table;
}

std::string formatProperty(double value) {
  if (value == 0 || !std::isfinite(value)) return value == 0 ? "0" : "-";
  char text[40];
  const double magnitude = std::abs(value);
  if (magnitude >= 1e6 || magnitude < 1e-4) {
    std::snprintf(text, sizeof text, "%.5g", value);
    return text;
  }
  const int decimals = std::max(0, 4 - static_cast<int>(std::floor(std::log10(magnitude))));
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string out = text;
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  return out == "-0" ? "0" : out;
}

std::string propertyText(std::vector<PropertyGroup> const& table) {
  std::string out;
  for (auto const& group : table) {
    out += group.title + "\n";
    for (auto const& r : group.rows) {
      char percent[32] = "";
      if (r.difference) std::snprintf(percent, sizeof percent, "%+.2f %%", *r.difference * 100);
      out += r.name + "\t" + r.unit + "\t" + (r.geometry ? formatProperty(*r.geometry) : "") + "\t" +
             (r.catalog ? formatProperty(*r.catalog) : "") + "\t" + percent + "\n";
    }
  }
  return out;
}

}  // namespace zeptview
