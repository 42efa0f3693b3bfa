// SPDX-License-Identifier: MIT
// ASCII DXF files as plain values: the model-space curves of a drawing and
// its unit system, read and written through libdime's group-code streams.
//
// libdime's own entity classes keep coordinates in single precision and
// write them with six significant digits, too coarse for a drawing in
// millimetres; so libdime reads and writes the group-code/value lines here
// and every number is parsed and formatted in double precision by this code.
//
// Coordinates are those of the file: lines, ellipses and splines in world
// coordinates, circles, arcs and lightweight polylines in the object
// coordinate system of their extrusion direction (arbitraryAxis gives its
// x axis). Angles are radians.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace zept::dxf {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

struct Line {
  Vec3 start, end;
};
struct Circle {
  Vec3 center;  // object coordinates
  double radius = 0;
  Vec3 normal{0, 0, 1};
};
struct Arc {
  Vec3 center;  // object coordinates
  double radius = 0;
  double startAngle = 0, endAngle = 0;  // counter-clockwise about the normal
  Vec3 normal{0, 0, 1};
};
struct Ellipse {
  Vec3 center;
  Vec3 majorAxis;  // from the center to the end of the major axis
  double ratio = 1;  // minor / major
  double startParam = 0, endParam = 0;  // equal: the whole ellipse
  Vec3 normal{0, 0, 1};
};
struct PolyVertex {
  double x = 0, y = 0, bulge = 0;
};
struct Polyline {  // a lightweight polyline, or a 2D POLYLINE read as one
  std::vector<PolyVertex> vertices;
  bool closed = false;
  double elevation = 0;
  Vec3 normal{0, 0, 1};
};
struct Polyline3d {  // straight segments between world points
  std::vector<Vec3> points;
  bool closed = false;
};
struct Spline {
  int degree = 3;
  bool closed = false;
  std::vector<Vec3> fitPoints;
  std::vector<Vec3> controlPoints;
  std::vector<double> knots;
  std::vector<double> weights;  // empty: all 1
};

using Shape = std::variant<Line, Circle, Arc, Ellipse, Polyline, Polyline3d, Spline>;

struct Entity {
  Shape shape;
  std::string layer = "0";
};

struct Drawing {
  int measurement = 1;  // 0 English (inch), 1 metric (millimetre)
  // The user coordinate system saved with the drawing.
  Vec3 ucsOrigin, ucsXAxis{1, 0, 0}, ucsYAxis{0, 1, 0};
  std::vector<Entity> entities;  // model space, in file order
};

// Reads the model-space curves of an ASCII DXF file (`posixPath`), block
// references expanded into the curves they place (DxfBlocks.h). Entities of
// other kinds and paper-space entities are passed over.
// On failure `error` says why in one line ("not a DXF file", "truncated
// after line 120", "line 57: bad number ...") and `drawing` is unchanged.
bool read(std::string const& posixPath, Drawing& drawing, std::string& error);
// The same for the text of a file.
bool readText(std::string text, Drawing& drawing, std::string& error);

// Writes `drawing` as a DXF R2000 file. The data goes to a temporary file in
// the target's folder and is renamed over the target only when complete, so
// the target is either the whole new drawing or what it was before. With
// `replace` false an existing target is left alone and the write fails; a
// catalog's file name (zept::fs::isCatalogFileName) is refused. So is a
// drawing the reader would refuse once written, before any file is made:
// a number beyond +-1e100 (or not finite), a radius not above zero, an
// ellipse with a zero major axis or an axis ratio outside (0, 1]; `error`
// then starts "cannot be read back: " and names the entity.
bool write(std::string const& posixPath, Drawing const& drawing, bool replace, std::string& error);

// The x axis of the object coordinate system of extrusion direction
// `normal` (unit length), by the DXF arbitrary-axis rule; the y axis is
// normal x this.
Vec3 arbitraryAxis(Vec3 const& normal);

}  // namespace zept::dxf
