// SPDX-License-Identifier: MIT
#include "platform/host/DxfFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <numbers>

#include "support/TestTree.h"

namespace {

namespace dxf = zept::dxf;
using zept::test::TempTree;

bool same(dxf::Vec3 const& a, dxf::Vec3 const& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

dxf::Drawing everyKind() {
  dxf::Drawing d;
  d.measurement = 0;
  d.entities.push_back({dxf::Line{{0.1, 1.0 / 3.0, 0}, {1234.5678901234, -2e-9, 7}}, "0"});
  d.entities.push_back({dxf::Circle{{5, 6, 0}, 2.5, {0, 0, 1}}, "Holes"});
  d.entities.push_back({dxf::Arc{{1, 2, 3}, 4, 0.25, 5.5, {0, 0.6, 0.8}}, "Odd;name"});
  d.entities.push_back({dxf::Ellipse{{0, 0, 0}, {10, 0, 0}, 0.5, 0, 0, {0, 0, 1}}, "0"});
  d.entities.push_back({dxf::Polyline{{{0, 0, 0}, {200, 0, 0.5}, {200, 100, -1}, {0, 100, 0}}, true, 0, {0, 0, 1}}, "0"});
  dxf::Spline s;
  s.fitPoints = {{0, 0, 0}, {1, 2, 0}, {3, 1, 0}, {4, 4, 0}};
  d.entities.push_back({s, "0"});
  return d;
}

// Every kind's shape is checked through the drawing layer's round trip;
// here what that one cannot see: exact numbers and layer names.
TEST(DxfFile, WrittenDrawingReadsBackExactly) {
  TempTree t;
  const std::string path = t.path("every.dxf").string();
  std::string error;
  const dxf::Drawing d = everyKind();
  ASSERT_TRUE(dxf::write(path, d, true, error)) << error;
  // Nothing but the file is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.str()), {}), 1);

  dxf::Drawing back;
  ASSERT_TRUE(dxf::read(path, back, error)) << error;
  EXPECT_EQ(back.measurement, 0);
  ASSERT_EQ(back.entities.size(), d.entities.size());
  auto const& line = std::get<dxf::Line>(back.entities[0].shape);
  EXPECT_TRUE(same(line.start, std::get<dxf::Line>(d.entities[0].shape).start));
  EXPECT_TRUE(same(line.end, std::get<dxf::Line>(d.entities[0].shape).end));
  auto const& arc = std::get<dxf::Arc>(back.entities[2].shape);
  EXPECT_EQ(back.entities[2].layer, "Odd_name");
  EXPECT_NEAR(arc.startAngle, 0.25, 1e-15);
  EXPECT_NEAR(arc.endAngle, 5.5, 1e-15);
  EXPECT_NEAR(arc.normal.y, 0.6, 1e-15);
  auto const& ellipse = std::get<dxf::Ellipse>(back.entities[3].shape);
  EXPECT_EQ(ellipse.startParam, ellipse.endParam);  // whole
  EXPECT_EQ(std::get<dxf::Polyline>(back.entities[4].shape).vertices[2].bulge, -1);
}

TEST(DxfFile, WriteIsWholeOrAbsent) {
  TempTree t;
  std::string error;
  const dxf::Drawing d = everyKind();
  EXPECT_FALSE(dxf::write(t.path("missing/x.dxf").string(), d, true, error));
  EXPECT_FALSE(std::filesystem::exists(t.path("missing")));

  const auto kept = t.file("kept.dxf", "old");
  EXPECT_FALSE(dxf::write(kept.string(), d, false, error));
  EXPECT_EQ(TempTree::read(kept), "old");
  ASSERT_TRUE(dxf::write(kept.string(), d, true, error)) << error;
  EXPECT_NE(TempTree::read(kept), "old");

  t.dir("folder.dxf");
  EXPECT_FALSE(dxf::write(t.path("folder.dxf").string(), d, true, error));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.str()), {}), 2);
}

// A file another program might write: R12 without tables, comments, a 2D
// and a 3D POLYLINE, a paper-space line and kinds that are passed over.
TEST(DxfFile, ReadsModelSpaceCurvesOfForeignFiles) {
  TempTree t;
  const auto path = t.file("r12.dxf",
                           "999\r\nmade by hand\r\n  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$INSUNITS\r\n 70\r\n1\r\n"
                           "  0\r\nENDSEC\r\n  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"
                           "  0\r\nTEXT\r\n  8\r\n0\r\n 10\r\n1\r\n 20\r\n1\r\n  1\r\nhello\r\n"
                           "  0\r\nLINE\r\n 67\r\n1\r\n 10\r\n0\r\n 20\r\n0\r\n 11\r\n1\r\n 21\r\n1\r\n"
                           "  0\r\nPOLYLINE\r\n  8\r\nP\r\n 66\r\n1\r\n 70\r\n1\r\n 10\r\n0\r\n 20\r\n0\r\n 30\r\n2.5\r\n"
                           "  0\r\nVERTEX\r\n 10\r\n0\r\n 20\r\n0\r\n 42\r\n1\r\n"
                           "  0\r\nVERTEX\r\n 10\r\n+1e1\r\n 20\r\n0\r\n"
                           "  0\r\nSEQEND\r\n"
                           "  0\r\nPOLYLINE\r\n 70\r\n8\r\n"
                           "  0\r\nVERTEX\r\n 70\r\n32\r\n 10\r\n1\r\n 20\r\n2\r\n 30\r\n3\r\n"
                           "  0\r\nVERTEX\r\n 70\r\n32\r\n 10\r\n4\r\n 20\r\n5\r\n 30\r\n6\r\n"
                           "  0\r\nSEQEND\r\n"
                           "  0\r\nCIRCLE\r\n 10\r\n1\r\n 20\r\n2\r\n 40\r\n3\r\n"
                           "  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
  dxf::Drawing d;
  std::string error;
  ASSERT_TRUE(dxf::read(path.string(), d, error)) << error;
  EXPECT_EQ(d.measurement, 0);  // inches
  ASSERT_EQ(d.entities.size(), 3u);
  auto const& pl = std::get<dxf::Polyline>(d.entities[0].shape);
  EXPECT_EQ(d.entities[0].layer, "P");
  EXPECT_TRUE(pl.closed);
  EXPECT_EQ(pl.elevation, 2.5);
  ASSERT_EQ(pl.vertices.size(), 2u);
  EXPECT_EQ(pl.vertices[0].bulge, 1);
  EXPECT_EQ(pl.vertices[1].x, 10);
  auto const& p3 = std::get<dxf::Polyline3d>(d.entities[1].shape);
  ASSERT_EQ(p3.points.size(), 2u);
  EXPECT_TRUE(same(p3.points[1], {4, 5, 6}));
  EXPECT_EQ(std::get<dxf::Circle>(d.entities[2].shape).radius, 3);
}

// A block placed by references gives the curves of the same drawing
// exploded: moved from its base point, scaled, turned, mirrored, arrayed and
// nested, on the reference's layer where the block's curve is on "0".
TEST(DxfFile, BlockReferencesExpandIntoTheirCurves) {
  const std::string text =
      "  0\nSECTION\n  2\nBLOCKS\n"
      "  0\nBLOCK\n  2\nHOLE\n 10\n5\n 20\n5\n"
      "  0\nCIRCLE\n  8\n0\n 10\n6\n 20\n5\n 40\n1\n"
      "  0\nARC\n  8\nKEEP\n 10\n5\n 20\n5\n 40\n2\n 50\n0\n 51\n90\n"
      "  0\nENDBLK\n"
      "  0\nBLOCK\n  2\nPAIR\n 10\n0\n 20\n0\n"
      "  0\nINSERT\n  2\nHOLE\n 10\n5\n 20\n5\n"
      "  0\nINSERT\n  2\nHOLE\n 10\n105\n 20\n5\n"
      "  0\nENDBLK\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nENTITIES\n"
      "  0\nINSERT\n  8\nPLATE\n  2\nHOLE\n 10\n10\n 20\n20\n 41\n2\n 42\n2\n 50\n90\n"
      "  0\nINSERT\n  2\nHOLE\n 10\n0\n 20\n0\n 41\n-1\n"
      "  0\nINSERT\n  2\nPAIR\n 10\n0\n 20\n50\n 70\n3\n 44\n10\n"
      "  0\nENDSEC\n  0\nEOF\n";
  dxf::Drawing d;
  std::string error;
  ASSERT_TRUE(dxf::readText(text, d, error)) << error;
  ASSERT_EQ(d.entities.size(), 16u);
  auto circle = [&](std::size_t i) { return std::get<dxf::Circle>(d.entities[i].shape); };
  // (6, 5) is 1 right of the base: twice that, turned a quarter, at (10, 20).
  EXPECT_NEAR(circle(0).center.x, 10, 1e-12);
  EXPECT_NEAR(circle(0).center.y, 22, 1e-12);
  EXPECT_EQ(circle(0).radius, 2);
  EXPECT_EQ(d.entities[0].layer, "PLATE");
  auto const& arc = std::get<dxf::Arc>(d.entities[1].shape);
  EXPECT_NEAR(arc.radius, 4, 1e-12);
  EXPECT_NEAR(arc.startAngle, std::numbers::pi / 2, 1e-12);
  EXPECT_NEAR(arc.endAngle, std::numbers::pi, 1e-12);
  EXPECT_EQ(d.entities[1].layer, "KEEP");
  // Mirrored: seen from below, where the object x axis points to world -x.
  EXPECT_TRUE(same(circle(2).normal, {0, 0, -1}));
  EXPECT_NEAR(circle(2).center.x, 1, 1e-12);
  // Three pairs 10 apart, each a hole at 0 and at 100.
  for (auto const& [i, x] : {std::pair{4u, 6.0}, {6u, 106.0}, {8u, 16.0}, {14u, 126.0}}) {
    EXPECT_NEAR(circle(i).center.x, x, 1e-12) << i;
    EXPECT_NEAR(circle(i).center.y, 55, 1e-12) << i;
  }
}

TEST(DxfFile, DamagedOrForeignFilesGiveAReasonAndLeaveTheDrawing) {
  TempTree t;
  std::string valid;
  {
    std::string error;
    ASSERT_TRUE(dxf::write(t.path("valid.dxf").string(), everyKind(), true, error));
    valid = TempTree::read(t.path("valid.dxf"));
  }
  const std::string head = "  0\nSECTION\n  2\nENTITIES\n";
  // Block B holds a circle and `inB`; block A holds `inA`.
  auto blocks = [](std::string const& inB, std::string const& inA = "") {
    return "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  2\nB\n  0\nCIRCLE\n 40\n1\n" + inB +
           "  0\nENDBLK\n  0\nBLOCK\n  2\nA\n" + inA + "  0\nENDBLK\n  0\nENDSEC\n";
  };
  const std::string insertB = "  0\nINSERT\n  2\nB\n", insertA = "  0\nINSERT\n  2\nA\n";
  const std::string end = "  0\nENDSEC\n  0\nEOF\n";
  struct Case {
    char const* name;
    std::string content;
    char const* reason;
  };
  const Case cases[] = {
      {"empty", "", "empty file"},
      {"text", "hello, world\n", "not a DXF file"},
      {"png", std::string("\x89PNG\r\n\x1a\n\0\0", 10), "not a DXF file"},
      {"binary dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), "binary DXF"},
      {"cut mid-file", valid.substr(0, valid.size() / 2), "truncated"},
      {"cut before EOF", valid.substr(0, valid.rfind("EOF") - 4), "truncated"},
      {"cut after a code", head + "  0\nLINE\n 10\n", "truncated"},
      {"no ENDSEC", head + "  0\nEOF\n", "has no ENDSEC"},
      {"bad code", head + "  0\nLINE\nten\n1\n  0\nENDSEC\n  0\nEOF\n", "line 7: bad group code"},
      {"bad number", head + "  0\nLINE\n 10\n1.2.3\n  0\nENDSEC\n  0\nEOF\n", "line 8: bad number"},
      {"nan", head + "  0\nCIRCLE\n 40\nnan\n  0\nENDSEC\n  0\nEOF\n", "bad number"},
      {"huge", head + "  0\nCIRCLE\n 40\n1e999\n  0\nENDSEC\n  0\nEOF\n", "bad number"},
      {"absurd", head + "  0\nCIRCLE\n 40\n-1e101\n  0\nENDSEC\n  0\nEOF\n", "bad number"},
      {"long line", head + "  0\nLINE\n 10\n" + std::string(5000, '1') + "\n  0\nENDSEC\n  0\nEOF\n", "longer than"},
      {"long code", head + std::string(600, '0') + "\nLINE\n  0\nENDSEC\n  0\nEOF\n", "bad group code"},
      {"arc without radius", head + "  0\nARC\n 10\n1\n  0\nENDSEC\n  0\nEOF\n", "line 5: ARC: the radius 0.0"},
      {"ellipse too round", head + "  0\nELLIPSE\n 11\n5\n 40\n2\n  0\nENDSEC\n  0\nEOF\n", "axis ratio 2.0"},
      {"no SEQEND", head + "  0\nPOLYLINE\n 70\n0\n  0\nVERTEX\n  0\nENDSEC\n  0\nEOF\n", "without SEQEND"},
      {"no SECTION", "  0\nLINE\n  0\nEOF\n", "not a DXF file"},
      {"block inserting itself", blocks(insertB) + head + insertB + end, "more than 16 deep"},
      {"unknown block", head + "  0\nINSERT\n  2\nX\n" + end, "which the drawing lacks"},
      {"circle scaled unequally", blocks("") + head + insertB + " 41\n2\n" + end, "scales unequally"},
      {"huge array", blocks("") + head + insertB + " 70\n100000\n 71\n100000\n" + end, "array of"},
      {"arrays of arrays", blocks("", insertB + " 70\n1000\n 71\n1000\n") + head + insertA + " 70\n1000\n 71\n1000\n" + end,
       "places more than"},
      {"scales past the range", blocks("", insertB + " 41\n1e90\n 42\n1e90\n") + head + insertA + " 41\n1e90\n 42\n1e90\n" + end,
       "out of range"},
  };
  for (auto const& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = t.file("bad.dxf", c.content);
    dxf::Drawing d;
    d.measurement = 7;
    std::string error;
    EXPECT_FALSE(dxf::read(path.string(), d, error));
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_EQ(d.measurement, 7);
  }
  dxf::Drawing d;
  std::string error;
  EXPECT_FALSE(dxf::read(t.path("absent.dxf").string(), d, error));
  EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
  EXPECT_FALSE(dxf::read(t.str(), d, error));
  // A pipe named like a drawing is refused at once, not waited on.
  ASSERT_EQ(::mkfifo(t.path("pipe.dxf").c_str(), 0600), 0);
  EXPECT_FALSE(dxf::read(t.path("pipe.dxf").string(), d, error));
  EXPECT_EQ(error, "not a file");
}

}  // namespace
