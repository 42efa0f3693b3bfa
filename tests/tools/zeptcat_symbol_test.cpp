// SPDX-License-Identifier: MIT
// zeptcat symbol as a user runs it: the built binary on drawings written
// here, saving into a scratch application folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbDatabase.h"
#include "platform/host/DtDbLine.h"
#include "support/TestTree.h"
#include "tools/RunTool.h"

using namespace zept::test;

namespace {

class zeptcatSymbol : public ToolTest {
 protected:
  void SetUp() override {
    tree.dir("app");
    DtDbDatabase db;
    DtDbBlockTable* table = nullptr;
    DtDbBlockTableRecord* ms = nullptr;
    db.getBlockTable(table, DtDb::kForWrite);
    table->getAt(L"*Model_Space", ms, DtDb::kForWrite);
    ms->appendDtDbEntity(new DtDbLine({100, 50, 0}, {100, 60, 0}));
    ms->appendDtDbEntity(new DtDbCircle({90, 50, 0}, DtGeVector3d::kZAxis, 5));
    ASSERT_EQ(db.saveAs(CString::fromUtf8(drawing)), Dt::eOk);
    ms->appendDtDbEntity(new DtDbLine({0, 0, 0}, {0, 0, 9}));
    ASSERT_EQ(db.saveAs(CString::fromUtf8(spatial)), Dt::eOk);
  }
  ToolResult run(std::vector<std::string> const& args) { return zeptcat({"--app", app}, args); }

  std::string app = tree.path("app").string() + "/";
  std::string drawing = tree.path("plate.dxf").string(), spatial = tree.path("spatial.dxf").string();
};

TEST_F(zeptcatSymbol, SavesTheDrawingInTheUserCoordinates) {
  const ToolResult r = run({"symbol", drawing, "../PLATE", "--ucs-origin", "100,50,0", "--ucs-angle", "90"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, app + "PLATE.dfn\n");
  DtDbDatabase back(false, true);
  ASSERT_EQ(back.readDxfFile(CString::fromUtf8(app + "PLATE.dfn")), Dt::eOk);
  ASSERT_EQ(back.modelSpace().size(), 2u);
  const DtGePoint3d end = DtDbLine::cast(back.modelSpace()[0])->endPoint();
  EXPECT_NEAR(end.x, 10, 1e-9);
  EXPECT_NEAR(end.y, 0, 1e-9);
}

// One entity in a drawing as another program may write it.
std::string entityDrawing(std::string const& entity) {
  return "0\nSECTION\n2\nENTITIES\n0\n" + entity + "0\nENDSEC\n0\nEOF\n";
}

TEST_F(zeptcatSymbol, RefusalsAndTheirExitStatus) {
  tree.file("cut.dxf", TempTree::read(drawing).substr(0, 500));
  tree.file("notes.dxf", "just some notes\n");
  tree.file("wide.dxf", entityDrawing("ELLIPSE\n10\n0\n20\n0\n30\n0\n11\n10\n21\n0\n31\n0\n40\n1e100\n"));
  tree.file("negative.dxf", entityDrawing("CIRCLE\n10\n0\n20\n0\n30\n0\n40\n-5\n"));
  struct Case {
    std::vector<std::string> args;
    int status;
    char const* message;
  };
  const Case cases[] = {
      {{"symbol", drawing, "ONCE"}, 0, ""},
      {{"symbol", drawing, "ONCE"}, 2, "exists already in the application folder (code 4)"},
      {{"symbol", spatial, "SPACE"}, 2, "not lie in one plane (--no-planarity saves them all the same) (code 2)"},
      {{"symbol", spatial, "SPACE", "--no-planarity"}, 0, ""},
      {{"symbol", tree.path("cut.dxf").string(), "CUT"}, 2, "cut.dxf: truncated after line"},
      {{"symbol", tree.path("notes.dxf").string(), "NOTES"}, 2, "notes.dxf: not a DXF file"},
      {{"symbol", tree.path("absent.dxf").string(), "ABSENT"}, 2, "absent.dxf: no such file"},
      {{"symbol", drawing, "BAD", "--ucs-origin", "1,2"}, 1, "is not X,Y,Z"},
      {{"symbol", drawing, "x/"}, 1, "names no file"},
      {{"symbol", drawing, ".dfn"}, 1, "begins with a dot"},
      {{"symbol", drawing, "EUROpro.mdb"}, 2, "the name is a catalog's (.mdb) (code 5)"},
      {{"symbol", tree.path("wide.dxf").string(), "WIDE"}, 2, "wide.dxf: line 5: ELLIPSE: the axis ratio"},
      {{"symbol", tree.path("negative.dxf").string(), "NEGATIVE"}, 2, "the radius -5.0 is not above zero"},
      {{"symbol", drawing, "FAR", "--ucs-origin", "1e308,0,0"}, 1, "lies beyond +-1e100"},
  };
  for (auto const& c : cases) {
    SCOPED_TRACE(c.args[2]);
    const ToolResult r = run(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(tree.path("app/EUROpro.mdb")));
  // What was saved reads again; what was refused left no file.
  int saved = 0;
  for (auto const& file : std::filesystem::directory_iterator(app)) {
    DtDbDatabase back(false, true);
    EXPECT_EQ(back.readDxfFile(CString::fromUtf8(file.path().string())), Dt::eOk) << file.path();
    ++saved;
  }
  EXPECT_EQ(saved, 2);
}

}  // namespace
