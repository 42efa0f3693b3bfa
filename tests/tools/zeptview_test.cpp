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
#include "tools/zeptview/Properties.h"
#include "tools/zeptview/RegionImport.h"
#include "tools/zeptview/Search.h"
#include "tools/zeptview/ViewerSettings.h"

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
  auto const isUpn = [](auto const& n) { return n.name == "UPN"; };
  ASSERT_EQ(std::count_if(euro->names.begin(), euro->names.end(), isUpn), 1);
  const auto upn = std::find_if(euro->names.begin(), euro->names.end(), isUpn);
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
  // Out of tolerance, and so flagged: Iy and the radius taken from it.
  const auto table = propertyTable(sectionFacts(cs, record, true, false), PropertyUnits::mm);
  for (auto const& r : table[1].rows) EXPECT_EQ(r.flagged, r.name == "Iy" || r.name == "iy") << r.name;
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

TEST_F(ViewerModel, SearchFindsSizesByTheWordsTypedInTreeOrder) {
  const auto catalogs = readProfileTree();
  auto names = [&](char const* text, std::size_t limit = 500) {
    std::vector<std::string> out;
    for (auto const& s : searchSizes(catalogs, text, limit)) out.push_back(s.name + " " + s.dims);
    return out;
  };
  const auto ipe3 = names("IPE 3");
  EXPECT_EQ(std::vector<std::string>(ipe3.begin(), ipe3.begin() + 3),
            (std::vector<std::string>{"IPE 300", "IPE 330", "IPE 360"}));
  EXPECT_TRUE(std::all_of(ipe3.begin(), ipe3.end(), [](auto const& n) { return n.starts_with("IPE 3"); }));
  struct Case {
    char const* text;
    char const* first;  // nullptr: nothing found
  } const cases[] = {{"ipe 3", "IPE 300"}, {"euro heb 300", "HEB 300"}, {"heb300", "HEB 300"},
                     {"EUROHEB300", "HEB 300"}, {"L 100x100x1", "L 100x100x10"}, {"3 IPE", nullptr},
                     {"IPE 3000", nullptr}, {"  ", nullptr}, {"BROKEN", nullptr}, {"euro 80x80x8", "L 80x80x8"}};
  for (auto const& c : cases) {
    const auto found = names(c.text);
    EXPECT_EQ(found.empty() ? "" : found[0], c.first ? c.first : "") << c.text;
  }
  EXPECT_EQ(names("IPE", 4).size(), 4u);
}

// IPE 300 as the tables print it: h 300 mm, A 53.81 cm², Iy 8356 cm⁴, Iw
// 125900 cm⁶, 42.24 kg/m (printed 42.2), 1.16 m²/m; the same table whatever
// the drawing units.
TEST_F(ViewerModel, PropertiesOfIPE300InEveryUnitSystem) {
  const auto metric = sectionFacts(built({"EURO", "IPE", "300"}), record, true, false);
  const auto inch = sectionFacts(built({"EURO", "IPE", "300"}, true), record, true, true);
  auto find = [](std::vector<PropertyGroup> const& table, std::string const& name) {
    for (auto const& g : table)
      for (auto const& r : g.rows)
        if (r.name == name) return r;
    ADD_FAILURE() << name;
    return PropertyRow();
  };
  struct Case {
    char const* name;
    PropertyUnits units;
    char const* unit;
    double catalog, geometryTolerance;
  } const cases[] = {
      {"h", PropertyUnits::tables, "mm", 300, 1e-9},     {"tw", PropertyUnits::tables, "mm", 7.1, -1},
      {"r", PropertyUnits::tables, "mm", 15, -1},        {"Mass", PropertyUnits::tables, "kg/m", 42.24, 0.01},
      {"Surface", PropertyUnits::tables, "m²/m", 1.16, 0.001}, {"A", PropertyUnits::tables, "cm²", 53.81, 0.001},
      {"Iy", PropertyUnits::tables, "cm⁴", 8356, 0.001}, {"Wel,y", PropertyUnits::tables, "cm³", 557.1, 0.001},
      {"iy", PropertyUnits::tables, "cm", std::sqrt(8356 / 53.81), 0.001},
      {"Iw", PropertyUnits::tables, "cm⁶", 125900, 0.02}, {"A", PropertyUnits::mm, "mm²", 5381, 0.001},
      {"Iy", PropertyUnits::mm, "mm⁴", 8.356e7, 0.001},  {"h", PropertyUnits::mm, "mm", 300, 1e-9},
      {"h", PropertyUnits::inches, "in", 300 / 25.4, 1e-9}, {"Mass", PropertyUnits::inches, "lb/ft", 42.24 * 0.671969, 0.01},
  };
  for (auto const& c : cases)
    for (auto const* facts : {&metric, &inch}) {
      const auto row = find(propertyTable(*facts, c.units), c.name);
      const std::string where = std::string(c.name) + " in " + c.unit + (facts == &inch ? " drawn in inches" : "");
      EXPECT_EQ(row.unit, c.unit) << where;
      ASSERT_TRUE(row.catalog) << where;
      EXPECT_NEAR(*row.catalog, c.catalog, c.catalog * 1e-5) << where;
      EXPECT_EQ(row.geometry.has_value(), c.geometryTolerance >= 0) << where;
      if (row.geometry && c.geometryTolerance >= 0) {
        EXPECT_NEAR(*row.geometry / c.catalog, 1, c.geometryTolerance) << where;
      }
      EXPECT_NEAR(row.difference.value_or(9), row.geometry ? *row.geometry / *row.catalog - 1 : 9, 1e-12) << where;
    }
  // Every row in its group; an I has no principal axes of its own.
  const auto table = propertyTable(metric, PropertyUnits::tables);
  std::string rows;
  for (auto const& g : table) {
    rows += "\n" + g.title + ":";
    for (auto const& r : g.rows) rows += " " + r.name;
  }
  EXPECT_EQ(rows, "\nDimensions: h b tw tf r Mass Surface\nSection: A Iy Wel,y Wpl,y iy Iz Wel,z Wpl,z iz It Wt Iw Avy Avz"
                  "\nCentroid and shear centre (from the left and bottom): xc yc xs ys");
  EXPECT_NE(propertyText(table).find("\nA\tcm²\t53.812\t53.81\t+0.00 %\n"), std::string::npos);
}

TEST_F(ViewerModel, AnglesShowTheirPrincipalAxesAndDrawingsNoCatalog) {
  const auto facts = sectionFacts(built({"EURO", "L", "80x80x8"}), record, true, false);
  // Drawn through the centroid, which lies on the diagonal of an equal angle.
  ASSERT_TRUE(facts.principalCentre);
  EXPECT_NEAR(facts.principalCentre->x - facts.principalCentre->y, 0, 1e-9);
  EXPECT_NEAR(facts.principalAngle, 45, 1e-9);
  EXPECT_FALSE(sectionFacts(built({"EURO", "IPE", "300"}), record, true, false).principalCentre);
  const auto angle = propertyTable(facts, PropertyUnits::tables);
  ASSERT_EQ(angle.back().title, "Principal axes");
  EXPECT_EQ(angle.back().rows[0].name, "α");
  EXPECT_NEAR(*angle.back().rows[0].geometry, 45, 1e-9);
  EXPECT_EQ(angle.back().rows.size(), 5u);  // α, Iu, Iv, iu, iv
  const auto drawing = propertyTable(sectionFacts(built({"EURO", "IPE", "300"}), record, false, false), PropertyUnits::mm);
  EXPECT_EQ(drawing.front().title, "Section");
  for (auto const& g : drawing)
    for (auto const& r : g.rows) EXPECT_FALSE(r.catalog) << r.name;
  EXPECT_TRUE(propertyTable(SectionFacts(), PropertyUnits::mm).empty());
}

TEST(ViewerProperties, FiveSignificantDigitsWithoutExponentsInTheTablesRange) {
  const std::pair<double, char const*> cases[] = {{53.8123, "53.812"}, {8356.14, "8356.1"}, {125980.4, "125980"},
                                                  {0.213751, "0.21375"}, {45.0, "45"},      {-2.5, "-2.5"},
                                                  {0.0, "0"},            {1.24261e11, "1.2426e+11"}, {-1e-12, "-1e-12"},
                                                  {1e6, "1e+06"},        {1.0, "1"},       {-1 / 0.0, "-"}};
  for (auto const& [value, text] : cases) EXPECT_EQ(formatProperty(value), text) << value;
}

TEST(ViewerState, RoundTripsAndSkipsWhatDoesNotRead) {
  RememberedState s;
  s.view.hatchType = -1;
  s.view.hatchAngle = 12.5;
  s.view.visible = 0x105;
  s.view.lockAxis = s.view.inches = true;
  s.view.widthDimLine = s.view.principalAxes = false;
  s.view.offsetPrecision = 0.25;
  s.units = PropertyUnits::mm;
  s.selection = "EURO L 100x100x10";
  s.width = 1000, s.height = 650;
  RememberedState back;
  parseState(formatState(s), back);
  EXPECT_EQ(formatState(back), formatState(s));

  RememberedState kept = s;
  parseState("hatch=9\nhatch_angle=nan\nvisible=-1\nlock_axis=yes\nwidth=12x\nunits=ft\nproperties=\n"
             "offset_step=1e999\nnonsense\nunknown=1\n\0binary",
             kept);
  EXPECT_EQ(formatState(kept), formatState(s));
}

TEST(ViewerState, FilesAreReplacedWholeAndUnreadableOnesIgnored) {
  TempTree tree;
  const auto file = tree.path("config/zeptview/settings");
  RememberedState s;
  s.selection = "EURO IPE 300";
  ASSERT_TRUE(saveState(file, s));
  s.selection = "EURO HEB 200";
  ASSERT_TRUE(saveState(file, s));  // over the old one
  RememberedState read;
  loadState(file, read);
  EXPECT_EQ(read.selection, "EURO HEB 200");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()), {}), 1);  // no temporary left

  for (auto const& unreadable : {tree.path("missing"), tree.dir("a-folder"), tree.file("binary", std::string(70000, '\xff'))}) {
    RememberedState untouched;
    loadState(unreadable, untouched);
    EXPECT_EQ(formatState(untouched), formatState(RememberedState())) << unreadable;
  }
  EXPECT_FALSE(saveState(tree.file("plain", "x") / "settings", s));  // its folder is a file
  const ScopedEnv config("XDG_CONFIG_HOME", "/somewhere"), home("HOME", "/home/u");
  EXPECT_EQ(stateFile(), std::filesystem::path("/somewhere/zeptview/settings"));
  const ScopedEnv relative("XDG_CONFIG_HOME", "relative");
  EXPECT_EQ(stateFile(), std::filesystem::path("/home/u/.config/zeptview/settings"));
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
                                   // Remembered state stays in the scratch folder.
                                   "XDG_CONFIG_HOME=" + tree.path("config").string(),
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

// What follows "$VIEW ... --print-state > $OUT 2>&1 & pid=$!": waits until
// the window is shown and its picture placed, with $wid the window.
constexpr char const* kShown =
    "wid=$(timeout 20 xdotool search --sync --onlyvisible --name zeptview | head -1);"
    "for i in 1 2 3 4 5 6 7 8 9 10; do grep -q '^area' $OUT && break; sleep 0.5; done;";

TEST_F(ZeptviewWindow, TypingASizeAndEnterSelectsItInTheTree) {
  if (!haveCommand("xdotool")) GTEST_SKIP() << "xdotool is not installed: no keyboard to type with";
  const auto r = run(std::string("$VIEW --print-state > $OUT 2>&1 & pid=$!;") + kShown +
                     "xdotool windowfocus --sync $wid; xdotool type --delay 40 'IPE 3'; sleep 1;"
                     "xdotool key Return; sleep 1; kill $pid; wait $pid; cat $OUT");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("selected EURO IPE 300\n"), std::string::npos) << r.out;
}

// The last size, the drawing units and the window's size come back; the
// properties' units are read from the file; a file that does not read is
// passed over.
TEST_F(ZeptviewWindow, ARestartShowsWhatTheLastRunLeft) {
  if (!haveCommand("xdotool")) GTEST_SKIP() << "xdotool is not installed: no window to wait for";
  auto first = run(std::string("$VIEW --select 'EURO HEB 200' --units in --size 900x640 --print-state > $OUT 2>&1 &"
                               "pid=$!;") + kShown + "kill $pid; wait $pid; cat $OUT");
  ASSERT_EQ(first.status, 0) << first.out << first.err;
  const std::string shot = tree.path("shot.png").string();
  auto again = run("$VIEW --print-state --screenshot " + shot);
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.out.find("selected EURO HEB 200\n"), std::string::npos) << again.out;
  EXPECT_NE(again.out.find("state Offset 0, 0 in"), std::string::npos) << again.out;
  const Png window(shot);
  ASSERT_TRUE(window.ok());
  // (less the few pixels the window's shadow takes; unremembered it would be 1280)
  EXPECT_NEAR(cairo_image_surface_get_width(window.image), 900, 12);

  struct Case {
    char const* file;  // nullptr: the settings file is a folder
    char const* area;  // the property line of A
  } const cases[] = {{"selection=EURO IPE 300\nproperties=mm\n", "property A\tmm²\t5381."},
                     {"selection=EURO IPE 300\nproperties=tables\n", "property A\tcm²\t53.8"},
                     {nullptr, "property A\tcm²\t53.8"}};
  for (auto const& c : cases) {
    std::filesystem::remove_all(tree.path("config/zeptview/settings"));
    if (c.file) tree.file("config/zeptview/settings", c.file);
    else tree.dir("config/zeptview/settings");
    const auto r = run(std::string("$VIEW --print-state --export ") + tree.path("p.png").string() +
                       (c.file ? "" : " --select 'EURO IPE 300'"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(c.area), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("property Iy\t"), std::string::npos) << r.out;
  }
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
  // there), drag by (40, 30), release, then one wheel notch forwards, and
  // fit the view again.
  const auto r = run(
      std::string("$VIEW --select 'EURO IPE 300' --print-state > $OUT 2>&1 & pid=$!;") + kShown +
      "set -- $(grep '^area' $OUT); x=$(($2 + $4 / 2 + 100)); y=$(($3 + $5 / 2 + 100));"
      // Each step waits for the state it brings, not for a fixed time: a
      // loaded machine or a sanitizer build is slow to answer.
      "settle() { for i in $(seq 80); do grep '^state' $OUT | tail -1 | grep -q \"$1\" && return; sleep 0.25; done; };"
      "n=$(grep -c '^state' $OUT);"
      "xdotool mousemove --window $wid $x $y mousedown 1 mousemove --window $wid $((x + 40)) $((y + 30)) mouseup 1;"
      "for i in $(seq 80); do [ $(grep -c '^state' $OUT) -ge $((n + 2)) ] && break; sleep 0.25; done; sleep 0.5;"
      "xdotool click 4; settle 'Zoom 1.1$'; xdotool key ctrl+0; settle 'Zoom 1$'; kill $pid; cat $OUT");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  const auto seen = offsets(r.out);
  ASSERT_GE(seen.size(), 4u) << r.out;
  // The move before the release carries the unrounded step: 40 and 30
  // pixels at one scale, y up.
  const auto [dx, dy] = seen[seen.size() - 4];
  // (a pixel either way: the pointer lands on whole pixels, GTK reports fractions)
  EXPECT_NEAR(dx / -dy, 40.0 / 30.0, 0.06) << r.out;
  EXPECT_GT(dx, 10);
  // The release rounds to the offset step of 1 mm; the wheel keeps the offset.
  EXPECT_EQ(seen[seen.size() - 3], std::make_pair(std::round(dx), std::round(dy))) << r.out;
  EXPECT_NE(r.out.find("Zoom 1.1\n"), std::string::npos) << r.out;
  EXPECT_EQ(seen.back(), seen[seen.size() - 3]) << r.out;
  EXPECT_TRUE(r.out.ends_with("Zoom 1\n")) << r.out;
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
