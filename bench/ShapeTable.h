// SPDX-License-Identifier: MIT
// The Jet statement that creates a current profile catalog's Shape table,
// for the programs here that generate profile catalogs.
#pragma once

#include <string>

namespace zept::bench {

inline std::string shapeTable() {
  std::string sql = "CREATE TABLE Shape (ID COUNTER, NAME TEXT(50), DIM1 DOUBLE, DIM2 DOUBLE, DIM3 DOUBLE, "
                    "SHAPE_TYPE SHORT";
  for (auto const* c : {"MASS", "SURF", "H", "B", "EA", "ES", "RA", "RS", "GAP", "SX", "SY", "SZ", "IX", "IY", "IZ",
                        "IOMEGA", "VY", "VPY", "VZ", "VPZ", "MSY", "MSZ", "TORS", "SHEAR_QY", "SHEAR_QZ", "GAMMA"})
    sql += std::string(", ") + c + " DOUBLE";
  sql += ", SYMBOL MEMO, A_1 DOUBLE, A_2 DOUBLE, HAS_MATS YESNO, MATERIALS TEXT(255), POINTS MEMO, IS_THIN YESNO";
  for (auto const* c : {"B_2", "ES_2", "P1_L", "P1_T", "P2_L", "P2_T", "P3_L", "P3_T", "P4_L", "P4_T"})
    sql += std::string(", ") + c + " DOUBLE";
  return sql + ")";
}

}  // namespace zept::bench
