// SPDX-License-Identifier: MIT
// zeptview: its window-free model on the bundled catalogs and drawings, and
// the program itself started under a virtual X server where one exists.
#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/CatalogFolders.h"
#include "support/Shapes.h"
#include "support/TestTree.h"
#include "tools/RunTool.h"
#include "tools/zeptview/CatalogTree.h"
#include "tools/zeptview/RegionImport.h"

using namespace zept::test;
using namespace zeptview;

namespace {

const std::string kBundled = std::string(ZEPT_BUNDLED_DATA_DIR) + "/";

// The bundled catalogs as the data folder; the application folder is a
// scratch folder holding one file that is no catalog.
class ViewerModel : public ::testing::Test {
 protected:
  ViewerModel() {
    tree.file("app/BROKENpro.mdb", "not a catalog");
    setCFG(&settings);
  }
  void TearDown() override { setCFG(nullptr); }

  ZEPTCrossSection built(Selection const& s, bool inches = false) {
    ZEPTCrossSection cs;
    EXPECT_EQ(buildSection(cs, s, inches, record), "");
    return cs;
  }

  TempTree tree;
  FolderSettings settings{zept::fromUtf8(kBundled), zept::fromUtf8(tree.dir("app").string() + "/")};
  ZEPTDBProfileData record;
};

TEST_F(ViewerModel, TreeListsEveryCatalogAndKeepsTheOneThatDoesNotOpen) {
  const auto catalogs = readProfileTree();
  const ProfileCatalog* euro = nullptr;
  const ProfileCatalog* broken = nullptr;
  for (auto const& c : catalogs) {
    if (c.catalog == "EURO") euro = &c;
    if (c.catalog == "BROKEN") broken = &c;
  }
  ASSERT_TRUE(euro && broken);
  EXPECT_TRUE(euro->error.empty());
  EXPECT_FALSE(euro->atApp);
  EXPECT_TRUE(broken->atApp);
  EXPECT_NE(broken->error, "");
  EXPECT_TRUE(broken->names.empty());
  const auto ipe = std::find_if(euro->names.begin(), euro->names.end(), [](auto const& n) { return n.name == "IPE"; });
  ASSERT_NE(ipe, euro->names.end());
  EXPECT_NE(ipe->description.find("IPE"), std::string::npos);
  EXPECT_NE(std::find(ipe->sizes.begin(), ipe->sizes.end(), "300"), ipe->sizes.end());
  // UPN has two shape types (tapered 8 % and 5 %) but one entry with all sizes.
  EXPECT_EQ(std::count_if(euro->names.begin(), euro->names.end(), [](auto const& n) { return n.name == "UPN"; }), 1);
  const auto upn = std::find_if(euro->names.begin(), euro->names.end(), [](auto const& n) { return n.name == "UPN"; });
  ASSERT_NE(upn, euro->names.end());
  for (char const* size : {"300", "380"})
    EXPECT_NE(std::find(upn->sizes.begin(), upn->sizes.end(), size), upn->sizes.end()) << size;
}

TEST_F(ViewerModel, FindSizeMatchesCatalogInAnyCaseAndTheRestExactly) {
  const auto catalogs = readProfileTree();
  struct Case {
    char const* text;
    bool found;
  } const cases[] = {{"EURO IPE 300", true},  {"euro IPE 300", true},  {"EURO L 80x80x8", true},
                     {"EURO ipe 300", false}, {"EURO IPE 301", false}, {"EURO IPE", false},
                     {"EURO", false},         {"", false},             {"NONE IPE 300", false},
                     {"BROKEN IPE 300", false}};
  for (auto const& c : cases) {
    const auto s = findSize(catalogs, c.text);
    EXPECT_EQ(s.has_value(), c.found) << c.text;
    if (s) {
      EXPECT_EQ(s->catalog, "EURO") << c.text;
    }
  }
}

TEST_F(ViewerModel, ValuesOfTheBundledSizesAgreeWithTheirCatalogInBothUnits) {
  for (bool inches : {false, true})
    for (Selection s : {Selection{"EURO", "IPE", "300"}, Selection{"EURO", "UPN", "200"},
                        Selection{"EURO", "L", "80x80x8"}}) {
      const auto cs = built(s, inches);
      const auto rows = valueRows(cs, record);
      ASSERT_EQ(rows.size(), 19u);
      for (std::size_t i = 0; i < rows.size(); ++i) {
        auto const& r = rows[i];
        // Every size has the first seven; the plastic moduli are closed forms too.
        if (i < 7) {
          ASSERT_TRUE(r.difference) << s.name << " " << r.name;
        }
        if (i < 9 && r.difference) {
          EXPECT_LT(std::fabs(*r.difference), 0.01) << s.name << " " << s.dims << " " << r.name << " inches " << inches;
        }
        if (i >= 14) {
          EXPECT_FALSE(r.catalog) << r.name;
        }
      }
    }
}

// The shear centre, like the centroid, from the left and bottom edges: an I
// has it at the centroid, an equal angle on its diagonal near the heel (t/2
// from the outer faces in thin-walled theory; the root fillet moves it out).
TEST_F(ViewerModel, ShearCentreAndPrincipalAxesOfSymmetricSizes) {
  auto value = [](std::vector<ValueRow> const& rows, std::string const& name) {
    for (auto const& r : rows)
      if (r.name == name) return r.computed;
    ADD_FAILURE() << name;
    return 0.0;
  };
  const auto ipe = valueRows(built({"EURO", "IPE", "300"}), record);
  EXPECT_NEAR(value(ipe, "xs"), value(ipe, "xc"), 1e-6);
  EXPECT_NEAR(value(ipe, "ys"), value(ipe, "yc"), 1e-6);
  EXPECT_EQ(value(ipe, "α"), 0);
  const auto angle = valueRows(built({"EURO", "L", "80x80x8"}), record);
  EXPECT_NEAR(value(angle, "xs"), value(angle, "ys"), 1e-6);
  EXPECT_NEAR(value(angle, "xs"), 4.0, 1.0);
  EXPECT_NEAR(value(angle, "α"), 45.0, 1e-9);
  EXPECT_NEAR(value(angle, "Iu") + value(angle, "Iv"), value(angle, "Iy") + value(angle, "Iz"), 1e-6);
}

TEST_F(ViewerModel, AWrongCatalogValueShowsAsItsRelativeDifference) {
  const auto cs = built({"EURO", "IPE", "300"});
  const auto right = valueRows(cs, record);
  record.iy *= 1.25;
  record.msz = 0;  // a value the catalog lacks
  const auto rows = valueRows(cs, record);
  EXPECT_NEAR(*rows[3].difference, (1 + *right[3].difference) / 1.25 - 1, 1e-12);
  EXPECT_FALSE(rows[6].catalog);
  EXPECT_FALSE(rows[6].difference);
  EXPECT_TRUE(valueRows(ZEPTCrossSection(), record).empty());
  // Two plates side by side touch: the closed forms stand, the torsion
  // solution does not.
  ZEPTCrossSection touching;
  touching.addSection(zept::test::section({zept::test::rectangle(0, 0, 10, 10), zept::test::rectangle(10, 0, 20, 10)}));
  EXPECT_EQ(valueRows(touching, record).size(), 7u);
}

TEST_F(ViewerModel, BadSizesGiveAMessageAndNoSection) {
  for (Selection s : {Selection{"EURO", "IPE", "301"}, Selection{"NONE", "IPE", "300"},
                      Selection{"BROKEN", "IPE", "300"}}) {
    ZEPTCrossSection cs;
    EXPECT_NE(buildSection(cs, s, false, record), "") << s.catalog << " " << s.dims;
    EXPECT_EQ(cs.numSections(), 0);
  }
}

TEST_F(ViewerModel, DimensionLinesMeasureHeightAndWidthOutsideTheSection) {
  auto cs = built({"EURO", "IPE", "300"});
  DtGePoint2d max, min;
  ASSERT_TRUE(cs.getExtents(max, min));
  struct Case {
    bool height, width;
    int count;
  } const cases[] = {{true, true, 2}, {true, false, 1}, {false, true, 1}, {false, false, 0}};
  for (auto const& c : cases) {
    setDimLines(cs, c.height, c.width);
    ZEPTDimLineArray lines;
    cs.getAllDimLines(lines);
    ASSERT_EQ(lines.length(), c.count);
    for (int i = 0; i < lines.length(); ++i) {
      // Drawn on the left of begin -> end: the height left of the section,
      // the width below it.
      const DtGePoint2d b = lines[i].getBeginPoint(), e = lines[i].getEndPoint();
      const DtGeVector2d v = b - e;
      const DtGePoint2d mid((b.x + e.x) / 2 - v.y / v.length() * lines[i].getLength(),
                            (b.y + e.y) / 2 + v.x / v.length() * lines[i].getLength());
      const bool vertical = b.x == e.x;
      EXPECT_EQ(vertical, c.height && (i == 0));
      EXPECT_TRUE(vertical ? mid.x < min.x : mid.y < min.y);
      EXPECT_EQ(lines[i].getValueString(), vertical ? L"300" : L"150");
    }
  }
}

TEST(ViewerSettings, EverySettingReachesThePresenter) {
  ViewSettings s;
  s.hatchType = -1;
  s.hatchAngle = 30;
  s.visible = ZEPTCWndPresenter::cwndContour | ZEPTCWndPresenter::cwndFrame;
  s.lockAxis = s.alternateRotation = true;
  ZEPTCWndPresenter p;
  applySettings(s, p);
  EXPECT_EQ(p.getHatchType(), -1);
  EXPECT_EQ(p.getHatchAngle(), 30);
  EXPECT_TRUE(p.getLockAxis());
  EXPECT_TRUE(p.getAlternateRotation());
  for (unsigned bit = 1; bit <= 0x200; bit <<= 1)
    EXPECT_EQ(p.getVisible(static_cast<ZEPTCWndPresenter::cwndElement>(bit)), (s.visible & bit) != 0) << bit;
  applySettings(ViewSettings(), p);
  EXPECT_EQ(p.getHatchType(), 2);
  EXPECT_FALSE(p.getLockAxis());
  EXPECT_FALSE(p.getVisible(ZEPTCWndPresenter::cwndFrame));
  EXPECT_TRUE(p.getVisible(ZEPTCWndPresenter::cwndHatch));
}

TEST(ViewerStatus, ShowsThePlacementTheCrossSectionHolds) {
  ZEPTCWndPresenter p;
  ZEPTCrossSection cs;
  EXPECT_EQ(statusText(p, cs, false), "Offset 0, 0 mm   Angle 0°   Path 0°   Zoom 1");
  cs.setOffset(DtGePoint2d(12.5, -4));
  cs.setAlpha(270);
  p.setPathAngle(90);
  EXPECT_EQ(statusText(p, cs, true), "Offset 12.5, -4 in   Angle 270°   Path 90°   Zoom 1");
}

TEST(ViewerDrawing, ClosedOutlinesBecomeASectionWithItsHoles) {
  const std::string dir = std::string(ZEPT_SOURCE_DIR) + "/data/";
  ZEPTCrossSection plate, inches;
  ASSERT_EQ(sectionFromDrawing(plate, dir + "PlateTwoHoles.dxf", false), "");
  ASSERT_EQ(sectionFromDrawing(inches, dir + "PlateTwoHoles.dxf", true), "");
  ASSERT_EQ(plate.numSections(), 1);
  int holes = 0;
  for (int c = 0; c < plate.sectionAt(0)->numContours(); ++c) holes += plate.sectionAt(0)->contourAt(c)->getIsHole();
  EXPECT_EQ(holes, 2);
  DtGePoint2d max, min, maxIn, minIn;
  ASSERT_TRUE(plate.getExtents(max, min) && inches.getExtents(maxIn, minIn));
  EXPECT_NEAR((max.x - min.x) / 25.4, maxIn.x - minIn.x, 1e-9);

  TempTree tree;
  for (auto const& [name, content] : {std::pair{"empty.dxf", ""}, std::pair{"text.dxf", "hello\n"}}) {
    ZEPTCrossSection cs;
    const std::string message = sectionFromDrawing(cs, tree.file(name, content).string(), false);
    EXPECT_NE(message.find(name), std::string::npos) << message;
    EXPECT_EQ(cs.numSections(), 0);
  }
}

// ---- the program in a window ----

bool haveCommand(char const* name) { return std::system((std::string("command -v ") + name + " >/dev/null").c_str()) == 0; }

class ZeptviewWindow : public ToolTest {
 protected:
  void SetUp() override {
    if (!haveCommand("xvfb-run")) GTEST_SKIP() << "xvfb-run is not installed: no X server to start zeptview in";
  }
  // zeptview under a fresh virtual X server, through a shell line that may
  // drive it with xdotool ("$VIEW" starts it).
  ToolResult run(std::string const& script) {
    return runTool("/usr/bin/env",
                   {"xvfb-run", "-a", "-s", "-screen 0 1280x800x24", "sh", "-c", script},
                   tree.path(""), {"VIEW=" + std::string(ZEPTVIEW_PATH) + " --data " + kBundled, "GDK_BACKEND=x11",
                                   "GSK_RENDERER=cairo", "NO_AT_BRIDGE=1",
                                   "OUT=" + tree.path("out.txt").string(),
                                   // GTK and fontconfig keep caches to the end of the process.
                                   "ASAN_OPTIONS=detect_leaks=0"});
  }
};

// 0x00RRGGBB words of an exported PNG.
struct Png {
  explicit Png(std::string const& path) : image(cairo_image_surface_create_from_png(path.c_str())) {}
  ~Png() { cairo_surface_destroy(image); }
  bool ok() const { return cairo_surface_status(image) == CAIRO_STATUS_SUCCESS; }
  unsigned at(int x, int y) const {
    auto const* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    return reinterpret_cast<std::uint32_t const*>(row)[x] & 0xFFFFFF;
  }
  cairo_surface_t* image;
};

TEST_F(ZeptviewWindow, ShowsIPE300HatchedAndWritesTheScreenshot) {
  const std::string window = tree.path("window.png").string(), preview = tree.path("preview.png").string();
  const auto r = run("$VIEW --select 'EURO IPE 300' --size 1000x700 --print-state --screenshot " + window +
                     " --export " + preview);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("state Offset 0, 0 mm   Angle 0°"), std::string::npos) << r.out;
  const Png shot(window), picture(preview);
  ASSERT_TRUE(shot.ok() && picture.ok());
  EXPECT_GT(cairo_image_surface_get_width(shot.image), 900);
  // The hatch (green) crosses the web at the middle of the picture.
  const int w = cairo_image_surface_get_width(picture.image), h = cairo_image_surface_get_height(picture.image);
  int green = 0;
  for (int y = h / 2 - 20; y < h / 2 + 20; ++y)
    for (int x = w / 2 - 10; x < w / 2 + 10; ++x) green += picture.at(x, y) == 0x00FF00;
  EXPECT_GT(green, 5);
  EXPECT_EQ(picture.at(2, 2), 0xFFFFFFu);
}

// "Offset X, Y mm" of each state line.
std::vector<std::pair<double, double>> offsets(std::string const& out) {
  std::vector<std::pair<double, double>> found;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    double x = 0, y = 0;
    if (std::sscanf(line.c_str(), "state Offset %lf, %lf", &x, &y) == 2) found.emplace_back(x, y);
  }
  return found;
}

TEST_F(ZeptviewWindow, ALeftDragMovesTheSectionByThePixelsDraggedRoundedOnRelease) {
  if (!haveCommand("xdotool")) GTEST_SKIP() << "xdotool is not installed: no mouse to drag with";
  // Press 100 pixels right of and below the picture's middle (no snap point
  // there), drag by (40, 30), release, then one wheel notch forwards.
  const auto r = run(
      "$VIEW --select 'EURO IPE 300' --print-state > $OUT 2>&1 & pid=$!;"
      "wid=$(timeout 20 xdotool search --sync --onlyvisible --name zeptview | head -1);"
      "for i in 1 2 3 4 5 6 7 8 9 10; do grep -q '^area' $OUT && break; sleep 0.5; done;"
      "set -- $(grep '^area' $OUT); x=$(($2 + $4 / 2 + 100)); y=$(($3 + $5 / 2 + 100));"
      "xdotool mousemove --window $wid $x $y mousedown 1 mousemove --window $wid $((x + 40)) $((y + 30)) mouseup 1;"
      "sleep 0.5; xdotool click 4; sleep 0.5; kill $pid; cat $OUT");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  const auto seen = offsets(r.out);
  ASSERT_GE(seen.size(), 3u) << r.out;
  // The move before the release carries the unrounded step: 40 and 30
  // pixels at one scale, y up.
  const auto [dx, dy] = seen[seen.size() - 3];
  // (a pixel either way: the pointer lands on whole pixels, GTK reports fractions)
  EXPECT_NEAR(dx / -dy, 40.0 / 30.0, 0.06) << r.out;
  EXPECT_GT(dx, 10);
  // The release rounds to the offset step of 1 mm; the wheel keeps the offset.
  EXPECT_EQ(seen[seen.size() - 2], std::make_pair(std::round(dx), std::round(dy))) << r.out;
  EXPECT_NE(r.out.find("Zoom 1.1\n"), std::string::npos) << r.out;
}

// A scripted export of nothing is refused with the reason, and no empty
// picture is left behind.
TEST_F(ZeptviewWindow, AnExportOfNothingSaysWhyAndWritesNothing) {
  struct Case {
    char const* args;
    char const* reason;
  } const cases[] = {
      {"--select 'EURO IPE 301'", "no size EURO IPE 301"},
      {"--select 'NOPE IPE 300'", "no size NOPE IPE 300"},
      {"--dxf /etc/passwd", "/etc/passwd"},
  };
  for (auto const& c : cases) {
    std::string const picture = tree.path("p.png").string();
    const auto r = run(std::string("$VIEW ") + c.args + " --export " + picture);
    EXPECT_EQ(r.status, 2) << c.args << ": " << r.err;
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(picture)) << c.args;
  }
  EXPECT_EQ(run("$VIEW --size 12x12").status, 1);
}

}  // namespace
