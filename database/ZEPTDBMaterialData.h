// SPDX-License-Identifier: MIT
// ZEPTDBMaterialData: one grade of a material catalog (a row of MATERIALS).
// Values are as stored, in the catalog's own units; the comments say what
// the bundled catalogs keep in a column (N/mm² for moduli and strengths,
// kg/m³ for densities, 1/K for expansion).
#pragma once

#include <cstdint>
#include <type_traits>

#include "platform/core/Export.h"
#include "platform/core/ZEPTString.h"

ZEPTDB_BEGIN_EXPORTS

struct ZEPTDBMaterialData {
  std::int32_t id = 0;
  ZEPTString name;
  ZEPTString secondName;
  ZEPTString description;
  std::int16_t type = 0;  // 1 steel, 2 concrete, 3 aluminium, 4 wood, 5 user; 0 none
  std::int16_t therm = 0;
  std::int16_t defMat = 0;
  double e = 0;   // modulus of elasticity
  double nu = 0;  // Poisson's ratio
  double lx = 0;  // thermal expansion coefficient
  double ro = 0;  // density
  double re = 0;  // yield or characteristic strength (fy, f0, fck, fm,k)
  double reAxComp = 0;
  double cs = 0;
  double rt = 0;  // tensile strength (fu)
  double e5 = 0;  // 5 % fractile modulus (timber)
  double eTrans = 0;
  double reBending = 0;
  double reAxTens = 0;
  double reTrTens = 0;
  double reTrCompr = 0;
  double reShear = 0;
  std::int16_t color = 0;
  double dampCoef = 0;
  double bc71Ctg = 0;
  double bc71Refr = 0;
  double pnETrans = 0;
  double pnEAditional = 0;
  double bc71Nature = 0;
  double bc71Humidity = 0;
  double bcOk = 0;
  double pnOk = 0;
  double ecOk = 0;
  double ecDeformat = 0;
  double pnDeformat = 0;
  double gMean = 0;  // mean shear modulus (timber)
  double reserve = 0;
  double kirchoff = 0;  // shear modulus
};

// Calls `visit(column, member)` for every column of MATERIALS in the order
// the catalog is read, with the record member it fills. One list for the
// reader and for anything that prints a record.
template <typename Record, typename Visit>
  requires std::is_same_v<std::remove_const_t<Record>, ZEPTDBMaterialData>
void forEachMaterialColumn(Record& r, Visit&& visit) {
  visit(L"ID", r.id);
  visit(L"NAME", r.name);
  visit(L"SECOND_NAME", r.secondName);
  visit(L"DESCRIPTION", r.description);
  visit(L"TYPE", r.type);
  visit(L"THERM", r.therm);
  visit(L"DEFMAT", r.defMat);
  visit(L"E", r.e);
  visit(L"NU", r.nu);
  visit(L"LX", r.lx);
  visit(L"RO", r.ro);
  visit(L"RE", r.re);
  visit(L"RE_AXCOMP", r.reAxComp);
  visit(L"CS", r.cs);
  visit(L"RT", r.rt);
  visit(L"E_5", r.e5);
  visit(L"E_TRANS", r.eTrans);
  visit(L"RE_BENDING", r.reBending);
  visit(L"RE_AXTENS", r.reAxTens);
  visit(L"RE_TRTENS", r.reTrTens);
  visit(L"RE_TRCOMPR", r.reTrCompr);
  visit(L"RE_SHEAR", r.reShear);
  visit(L"COLOR", r.color);
  visit(L"DAMPCOEF", r.dampCoef);
  visit(L"BC71_CTG", r.bc71Ctg);
  visit(L"BC71_REFR", r.bc71Refr);
  visit(L"PN_E_TRANS", r.pnETrans);
  visit(L"PN_E_ADITIONAL", r.pnEAditional);
  visit(L"BC71_NATURE", r.bc71Nature);
  visit(L"BC71_HUMIDITY", r.bc71Humidity);
  visit(L"BC_OK", r.bcOk);
  visit(L"PN_OK", r.pnOk);
  visit(L"EC_OK", r.ecOk);
  visit(L"EC_DEFORMAT", r.ecDeformat);
  visit(L"PN_DEFORMAT", r.pnDeformat);
  visit(L"GMEAN", r.gMean);
  visit(L"RESERVE", r.reserve);
  visit(L"KIRCHOFF", r.kirchoff);
}

ZEPTDB_END_EXPORTS
