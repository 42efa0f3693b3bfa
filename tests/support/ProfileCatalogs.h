// SPDX-License-Identifier: MIT
// Profile catalogs for the tests: the table layouts of the current and the
// older versions and the template "PDLScripts.mdb", so a test adds only the
// rows it is about.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/Catalog.h"

namespace zept::test {

// The columns of a current `Shape` table (and of the template's
// ShapeTemplate), in their stored order.
inline std::wstring shapeColumns() {
  std::wstring sql = L"(ID COUNTER, NAME TEXT(50), DIM1 DOUBLE, DIM2 DOUBLE, DIM3 DOUBLE, SHAPE_TYPE SHORT";
  for (auto const* c : {L"MASS", L"SURF", L"H", L"B", L"EA", L"ES", L"RA", L"RS", L"GAP", L"SX", L"SY", L"SZ", L"IX",
                        L"IY", L"IZ", L"IOMEGA", L"VY", L"VPY", L"VZ", L"VPZ", L"MSY", L"MSZ", L"TORS", L"SHEAR_QY",
                        L"SHEAR_QZ", L"GAMMA"})
    sql += std::wstring(L", ") + c + L" DOUBLE";
  sql += L", SYMBOL MEMO, A_1 DOUBLE, A_2 DOUBLE, HAS_MATS YESNO, MATERIALS TEXT(255), POINTS MEMO, IS_THIN YESNO";
  for (auto const* c : {L"B_2", L"ES_2", L"P1_L", L"P1_T", L"P2_L", L"P2_T", L"P3_L", L"P3_T", L"P4_L", L"P4_T"})
    sql += std::wstring(L", ") + c + L" DOUBLE";
  return sql + L")";
}

inline std::wstring createShape(std::wstring const& table = L"Shape") {
  return L"CREATE TABLE " + table + L" " + shapeColumns();
}

inline std::wstring createScripts(std::wstring const& table) {
  return L"CREATE TABLE " + table + L" (ID COUNTER, SHAPE_TYPE SHORT, PDL_SCRIPT MEMO, IS_SYMMETRIC YESNO)";
}

inline std::wstring insertScript(std::wstring const& table, int shapeType, std::wstring const& script, bool symmetric) {
  return L"INSERT INTO " + table + L" (SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (" + std::to_wstring(shapeType) +
         L", \"" + script + L"\", " + (symmetric ? L"True" : L"False") + L")";
}

// A size row of `Shape` (or `table`) with the given name, shape type and
// dimensions; the other columns stay null.
inline std::wstring insertSize(std::wstring const& name, int shapeType, double d1, double d2, double d3,
                               std::wstring const& table = L"Shape") {
  return L"INSERT INTO " + table + L" (NAME, SHAPE_TYPE, DIM1, DIM2, DIM3) VALUES (\"" + name + L"\", " +
         std::to_wstring(shapeType) + L", " + std::to_wstring(d1) + L", " + std::to_wstring(d2) + L", " +
         std::to_wstring(d3) + L")";
}

// A current catalog: Shape, and Section with the symmetric script "I" of
// shape type 1; then `rows`.
inline void profileCatalog(std::filesystem::path const& path, std::vector<std::wstring> rows = {}) {
  rows.insert(rows.begin(), {createShape(), createScripts(L"Section"), insertScript(L"Section", 1, L"I", true)});
  makeCatalog(path, rows);
}

// The template: an empty ShapeTemplate and the scripts of shape types 1, 2
// and 5 ("I", "U", "L").
inline void templateCatalog(std::filesystem::path const& path) {
  makeCatalog(path, {createShape(L"ShapeTemplate"), createScripts(L"PDLScripts"),
                     insertScript(L"PDLScripts", 1, L"I", true), insertScript(L"PDLScripts", 2, L"U", false),
                     insertScript(L"PDLScripts", 5, L"L", false)});
}

}  // namespace zept::test
