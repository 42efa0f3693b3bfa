// SPDX-License-Identifier: MIT
// The viewer's model, free of the window system so that it can be tested
// alone: the tree of profile catalogs, building one size's cross-section
// with its height and width dimension lines, the table of section values
// against the catalog's own, the settings as the presenter takes them, and
// the status line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/ZEPTDBProfileData.h"
#include "platform/shape/ZEPTCrossSection.h"
#include "preview/ZEPTCWndPresenter.h"

namespace zeptview {

struct ProfileName {
  std::string name;
  std::string description;
  std::vector<std::string> sizes;  // dimension texts, in the catalog's order
};

struct ProfileCatalog {
  std::string catalog;  // short name, e.g. "EURO"
  bool atApp = false;   // taken from the application folder
  std::string error;    // why it could not be read; names then stay empty
  std::vector<ProfileName> names;
};

// Every profile catalog of the installed settings' folders, in the order the
// library lists them. A catalog that does not open is kept with its error.
std::vector<ProfileCatalog> readProfileTree();

struct Selection {
  std::string catalog, name, dims;
};

// "CATALOG NAME DIMS" (any case for the catalog, the name and dimension text
// as the tree holds them; the dimension text may contain spaces); nothing
// when the tree has no such size.
std::optional<Selection> findSize(std::vector<ProfileCatalog> const& tree, std::string const& text);

// Builds the size into `cs` in millimetres or inches, with dimension lines
// of the height and width as asked. The record, with the unit factor used,
// goes to `record`. Empty on success, else a message for the status bar.
std::string buildSection(ZEPTCrossSection& cs, Selection const& s, bool inches, ZEPTDBProfileData& record);
// Replaces the cross-section's dimension lines by those asked for, measured
// on its extent and drawn a tenth of its size away.
void setDimLines(ZEPTCrossSection& cs, bool height, bool width);

struct ValueRow {
  std::string name;                     // "A", "Iy", ...
  int power = 0;                        // of the length unit: 2 for an area, 4 for a moment; 0 for an angle in degrees
  double computed = 0.0;                // from the geometry, drawing units
  std::optional<double> catalog;        // the record's value in drawing units; none when it has none (0)
  std::optional<double> difference;     // (computed - catalog) / catalog
  double tolerance = 0.0;               // a larger difference is worth a look; 0: never flagged
};

// Area, centroid (distances from the left and bottom edges, which the
// catalog gives as VPY and VPZ), Iy, Iz, Wy, Wz; then plastic moduli
// Wpl,y and Wpl,z, It, Iw, Wt, shear areas Avy and Avz, and, computed only,
// the principal moments Iu, Iv with the angle of u and the shear centre
// (from the left and bottom edges). One run of the section-properties
// engine; when it cannot solve the section (contours that touch, too many
// edges) only the first seven rows. Empty when the geometry encloses no
// positive area. The record's values are converted with its unitFactor.
std::vector<ValueRow> valueRows(ZEPTCrossSection const& cs, ZEPTDBProfileData const& record);

struct ViewSettings {
  int hatchType = 2;        // 0..5, or -1 for hatchAngle
  double hatchAngle = 45.0;
  unsigned visible = 0xFFFFFFFDu;  // ZEPTCWndPresenter::cwndElement bits
  bool lockAxis = false;
  bool alternateRotation = false;
  double offsetPrecision = 1.0;
  double anglePrecision = 1.0;
  double pathAnglePrecision = 1.0;
  bool heightDimLine = true;
  bool principalAxes = true;  // drawn where they are turned from y and z (zeptview's own)
  bool widthDimLine = true;
  bool inches = false;
};

// Hands every presenter setting over (the dimension lines and units belong
// to building the section).
void applySettings(ViewSettings const& s, ZEPTCWndPresenter& presenter);

// Places the height and width dimension lines the settings ask for as the
// tools do (zept::tools::arrangeDimensions) for the placement the presenter
// holds, and paints. With `refit` the margins start again from the
// presenter's defaults and the view is fitted to the section and its
// dimensions; without, the scale and centre stay, so that a drag ends where
// the pointer left the section.
void arrangeView(ZEPTCWndPresenter& presenter, CWnd const& window, ZEPTCrossSection& cs, ViewSettings const& s,
                 bool refit);

// "Offset 12, -4 mm   Angle 30°   Path 0°   Zoom 1.21", from the cross-section
// the presenter writes its placement to.
std::string statusText(ZEPTCWndPresenter const& presenter, ZEPTCrossSection const& cs, bool inches);

}  // namespace zeptview
