// SPDX-License-Identifier: MIT
// The properties panel's table: the catalog's dimensions, mass and surface
// per metre, and the section values of the geometry beside the catalog's,
// in the units the steel tables print or in plain millimetres or inches.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/ZEPTDBProfileData.h"
#include "tools/zeptview/CatalogTree.h"

namespace zeptview {

// tables: dimensions in mm, section values in cm, cm², cm³, cm⁴, cm⁶ (as
// the European tables print them); mm and in: every length in that unit.
enum class PropertyUnits { tables, mm, inches };

struct PropertyRow {
  std::string name;                  // "h", "A", "Wel,y", ...
  std::string unit;                  // "cm⁴", "kg/m", "°"
  std::optional<double> geometry;    // from the section drawn
  std::optional<double> catalog;     // the catalog's value
  std::optional<double> difference;  // (geometry - catalog) / catalog
  bool flagged = false;              // the difference is worth a look
};

struct PropertyGroup {
  std::string title;
  std::vector<PropertyRow> rows;
};

// What the section drawn in millimetres (or inches) gives, with its record.
struct SectionFacts {
  std::vector<ValueRow> values;  // valueRows() of the section
  ZEPTDBProfileData record;      // unitFactor as used; none for a drawing
  bool fromCatalog = false;
  bool inches = false;           // the drawing units of `values`
  double height = 0, width = 0;  // extent, drawing units
  double outline = 0;            // length of the outer contours (holes left out), drawing units
  // The principal axes where they are turned from y and z: through the
  // centroid (model coordinates, unplaced), u at `principalAngle` degrees.
  std::optional<DtGePoint2d> principalCentre;
  double principalAngle = 0;
};

SectionFacts sectionFacts(ZEPTCrossSection const& cs, ZEPTDBProfileData const& record, bool fromCatalog, bool inches);

// Dimensions (a catalog's size only), Section, Centroid and shear centre,
// and Principal axes where they are turned from y and z (angles, drawings
// without symmetry).
std::vector<PropertyGroup> propertyTable(SectionFacts const& facts, PropertyUnits units);

// The table as tab-separated lines for the clipboard, titles on their own
// lines: "A\tcm²\t53.812\t53.81\t+0.00 %".
std::string propertyText(std::vector<PropertyGroup> const& table);

// Five significant digits, no exponent below 1e9: "8356.1", "0.21375", "125980".
std::string formatProperty(double value);

}  // namespace zeptview
