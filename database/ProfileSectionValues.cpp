// SPDX-License-Identifier: MIT
// The catalog columns of the section values, from the engine's results and
// the steel tables' own rules.
#include "database/ProfileSectionValues.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "platform/core/Utf8.h"

namespace zept::profile {

SeriesKind seriesKind(ZEPTString const& name) {
  std::string n = zept::toUtf8(name.str());
  for (char& c : n) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  auto is = [&](std::initializer_list<char const*> names) {
    return std::any_of(names.begin(), names.end(), [&](char const* s) { return n == s; });
  };
  if (is({"IPE", "IPN", "HEA", "HEB", "HEM", "HEAA", "HD", "HL", "UB", "UC"})) return SeriesKind::rolledIH;
  if (is({"UPN", "UPE", "U", "PFC"})) return SeriesKind::rolledChannel;
  if (is({"SHS", "RHS", "SHSC", "RHSC"})) return SeriesKind::hollowRectangular;
  if (is({"CHS", "CHSC"})) return SeriesKind::hollowCircular;
  if (is({"FL", "RD", "SQ"})) return SeriesKind::solid;
  return SeriesKind::general;
}

HollowTorsion rectangularHollowTorsion(double h, double b, double t, double ro, double ri) {
  double const rc = (ro + ri) / 2.0, k4 = 4.0 - std::numbers::pi;
  double const perimeter = 2.0 * ((b - t) + (h - t)) - 2.0 * rc * k4;
  double const enclosed = (b - t) * (h - t) - rc * rc * k4;
  double const k = 2.0 * enclosed * t / perimeter;
  HollowTorsion out;
  out.it = t * t * t * perimeter / 3.0 + 2.0 * k * enclosed;
  out.wt = out.it / (t + k / t);
  return out;
}

void fillSectionValues(ZEPTDBProfileData& r, zept::shape::SectionProperties const& p) {
  bool const lying = r.iy > 0.0 && std::fabs(r.iy - p.iz) < std::fabs(r.iy - p.iy);
  double const wplY = lying ? p.wplz : p.wply, wplZ = lying ? p.wply : p.wplz;
  // Energy-based areas: a force along the record's z (vertical) is one along
  // the model's y unless the series lies down.
  double avY = lying ? p.avz : p.avy, avZ = lying ? p.avy : p.avz;
  r.sy = wplY;
  r.sz = wplZ;
  r.ix = p.it;
  r.iomega = p.iw;
  r.tors = p.wt;
  double const a = p.area, h = r.h, b = r.b, tw = r.ea, tf = r.es, rr = r.ra;
  switch (seriesKind(r.name)) {
    case SeriesKind::rolledIH:
      avZ = a - 2.0 * b * tf + (tw + 2.0 * rr) * tf;
      avY = a - (h - 2.0 * tf) * tw;
      break;
    case SeriesKind::rolledChannel:
      avZ = a - 2.0 * b * tf + (tw + rr) * tf;
      avY = a - (h - 2.0 * tf) * tw;
      break;
    case SeriesKind::hollowRectangular: {
      HollowTorsion const t = rectangularHollowTorsion(h, b, tw, r.ra, r.rs);
      r.ix = t.it;
      r.tors = t.wt;
      avZ = a * h / (b + h);
      avY = a * b / (b + h);
      break;
    }
    case SeriesKind::hollowCircular: {
      double const d = h, di = h - 2.0 * tw;
      r.ix = std::numbers::pi * (std::pow(d, 4) - std::pow(di, 4)) / 32.0;
      r.tors = 2.0 * r.ix / d;
      avZ = avY = 2.0 * a / std::numbers::pi;
      break;
    }
    case SeriesKind::solid: avZ = avY = a; break;
    case SeriesKind::general: break;
  }
  r.shearQy = avY;
  r.shearQz = avZ;
}

}  // namespace zept::profile
