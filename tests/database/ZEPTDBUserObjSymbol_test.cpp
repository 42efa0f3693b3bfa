// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "database/ZEPTDBUserObj.h"
#include "platform/host/DtDbArc.h"
#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbDatabase.h"
#include "platform/host/DtDbLine.h"
#include "support/CatalogFolders.h"
#include "support/DxfAudit.h"

using namespace zept::test;

namespace {

constexpr double kPi = std::numbers::pi;

// An entity that is neither a curve nor a region.
struct Marker : DtDbEntity {
  DtDbEntity* clone() const override { return new Marker(*this); }
  Dt::ErrorStatus transformBy(DtGeMatrix3d const&) override { return Dt::eOk; }
  Dt::ErrorStatus getPlane(DtGePlane&, DtDb::Planarity& p) const override {
    p = DtDb::kPlanar;
    return Dt::eOk;
  }
};

void expectNear(DtGePoint3d const& a, DtGePoint3d const& b) {
  EXPECT_NEAR(a.x, b.x, 1e-9);
  EXPECT_NEAR(a.y, b.y, 1e-9);
  EXPECT_NEAR(a.z, b.z, 1e-9);
}

// A drawing in English units holding a line and a circle, and a user
// coordinate system at (100, 50) whose x axis is the world's y.
class SymbolDrawings : public CatalogFolders {
 protected:
  SymbolDrawings() {
    source.setMeasurement(DtDb::kEnglish);
    DtDbBlockTable* table = nullptr;
    DtDbBlockTableRecord* ms = nullptr;
    source.getBlockTable(table, DtDb::kForWrite);
    table->getAt(L"*Model_Space", ms, DtDb::kForWrite);
    for (DtDbEntity* e : {static_cast<DtDbEntity*>(new DtDbLine({100, 50, 0}, {100, 60, 0})),
                          static_cast<DtDbEntity*>(new DtDbCircle({90, 50, 0}, DtGeVector3d::kZAxis, 5))}) {
      ms->appendDtDbEntity(e);
      selection.append(e);
    }
  }
  int create(CString& name, ZePTSelectionSet const& s, bool planarity = true) {
    ZEPTDBUserObj objs;
    return objs.CreateSymbolDatabase(name, s, ucs, planarity);
  }
  std::vector<std::string> rootEntries() const {
    std::vector<std::string> names;
    for (auto const& e : std::filesystem::directory_iterator(tree.str())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  DtDbDatabase source;
  ZePTSelectionSet selection;
  DtGeMatrix3d ucs = DtGeMatrix3d::translation({100, 50, 0}) * DtGeMatrix3d::rotation(kPi / 2, DtGeVector3d::kZAxis);
  DtGePlane plane;
};

TEST_F(SymbolDrawings, PlanarityCodes) {
  ZEPTDBUserObj objs;
  Marker marker;
  std::vector<std::unique_ptr<DtDbEntity>> keep;
  auto own = [&](DtDbEntity* e) { return keep.emplace_back(e).get(); };
  const DtGeVector3d none, z = DtGeVector3d::kZAxis;
  struct Case {
    char const* name;
    std::vector<DtDbEntity*> entities;
    int code;
    DtGeVector3d normal;  // of the plane found, when not none
  };
  const Case cases[] = {
      {"nothing", {}, 1, none},
      {"no curve", {nullptr, &marker}, 1, none},
      {"one line", {own(new DtDbLine({0, 0, 0}, {5, 5, 5}))}, 0, none},
      {"collinear lines", {own(new DtDbLine({0, 0, 0}, {1, 0, 0})), own(new DtDbLine({2, 0, 0}, {9, 0, 0}))}, 0, none},
      {"lines in x = 3", {own(new DtDbLine({3, 0, 0}, {3, 1, 0})), own(new DtDbLine({3, 0, 4}, {3, 7, 9}))}, 0,
       {1, 0, 0}},
      {"skew lines", {own(new DtDbLine({0, 0, 0}, {1, 0, 0})), own(new DtDbLine({0, 1, 1}, {0, 2, 1}))}, 2, none},
      {"circle, line in its plane", {own(new DtDbCircle({0, 0, 2}, z, 1)), own(new DtDbLine({5, 5, 2}, {6, 5, 2}))}, 0,
       z},
      {"circle, line off its plane", {own(new DtDbCircle({0, 0, 2}, z, 1)), own(new DtDbLine({5, 5, 2}, {6, 5, 3}))}, 2,
       none},
      {"parallel circles", {own(new DtDbCircle({0, 0, 0}, z, 1)), own(new DtDbCircle({0, 0, 5}, -z, 1))}, 2, none},
      {"tilted arc and circle",
       {own(new DtDbArc({0, 0, 0}, {0, 1, 1}, 2, 0, 1)), own(new DtDbCircle({0, 3, -3}, {0, -2, -2}, 1))}, 0,
       DtGeVector3d(0, 1, 1).normal()},
  };
  for (auto const& c : cases) {
    SCOPED_TRACE(c.name);
    ZePTSelectionSet s;
    for (auto* e : c.entities) s.append(e);
    EXPECT_EQ(objs.CheckSelectionPlanarity(s, plane), c.code);
    if (c.code == 0 && c.normal.length() > 0) {
      EXPECT_NEAR(std::fabs(plane.normal().dotProduct(c.normal)), 1, 1e-12);
    }
    CString file = L"X";
    if (c.code != 0) {
      EXPECT_EQ(create(file, s), c.code);
    }
  }
  EXPECT_TRUE(std::filesystem::is_empty(tree.path("app")));
  ZePTSelectionSet skew;
  for (auto* e : cases[5].entities) skew.append(e);
  CString file = L"SKEW";
  EXPECT_EQ(create(file, skew, false), 0);
  EXPECT_TRUE(std::filesystem::exists(tree.path("app/SKEW.dfn")));
  // A circle no reader would take back is not saved.
  ZePTSelectionSet point;
  point.append(own(new DtDbCircle({0, 0, 0}, z, 0)));
  file = L"POINT";
  EXPECT_EQ(create(file, point), 6);
  EXPECT_FALSE(std::filesystem::exists(tree.path("app/POINT.dfn")));
}

TEST_F(SymbolDrawings, SavedSymbolHoldsCopiesInTheUserCoordinates) {
  CString name = L"SYM";
  ASSERT_EQ(create(name, selection), 0);
  EXPECT_EQ(name, L"U:\\app\\SYM.dfn");
  if (auto audit = ezdxfAudit(tree.path("app/SYM.dfn").string())) {
    EXPECT_EQ(*audit, "errors=0 LINE CIRCLE");
  }

  DtDbDatabase back(false, true);
  ASSERT_EQ(back.readDxfFile(name), Dt::eOk) << back.errorText().toUtf8();
  EXPECT_EQ(back.measurement(), DtDb::kEnglish);
  ASSERT_EQ(back.modelSpace().size(), 2u);
  auto const* line = DtDbLine::cast(back.modelSpace()[0]);
  auto const* circle = DtDbCircle::cast(back.modelSpace()[1]);
  ASSERT_TRUE(line && circle);
  expectNear(line->startPoint(), {0, 0, 0});
  expectNear(line->endPoint(), {10, 0, 0});
  expectNear(circle->center(), {0, 10, 0});
  EXPECT_NEAR(circle->radius(), 5, 1e-12);
  // The drawing the entities came from is untouched.
  expectNear(DtDbLine::cast(source.modelSpace()[0])->startPoint(), {100, 50, 0});
  expectNear(DtDbCircle::cast(source.modelSpace()[1])->center(), {90, 50, 0});
  EXPECT_EQ(source.modelSpace().size(), 2u);
}

TEST_F(SymbolDrawings, NamesLandInTheApplicationFolderAndNothingIsReplaced) {
  struct Case {
    wchar_t const* given;
    wchar_t const* saved;
  };
  const Case cases[] = {
      {L"PLATE.dxf", L"PLATE.dxf"},
      {L"sub\\..\\..\\EVIL", L"EVIL.dfn"},
      {L"../../EVIL2", L"EVIL2.dfn"},
      {L"C:\\elsewhere\\Y", L"Y.dfn"},
      {L"/tmp/Z.sym", L"Z.sym"},
      {L"/W", L"W.dfn"},
  };
  for (auto const& c : cases) {
    SCOPED_TRACE(CString(c.given).toUtf8());
    CString name = c.given;
    EXPECT_EQ(create(name, selection), 0);
    EXPECT_EQ(name, CString(L"U:\\app\\") + c.saved);
    EXPECT_TRUE(std::filesystem::exists(tree.path("app/" + CString(c.saved).toUtf8())));
  }
  EXPECT_EQ(rootEntries(), (std::vector<std::string>{"app", "data"}));

  CString again = L"plate.DXF";  // the file search ignores case
  EXPECT_EQ(create(again, selection), 4);
  tree.file("app/OLD.dfn", "old");
  CString old = L"OLD";
  EXPECT_EQ(create(old, selection), 4);
  EXPECT_EQ(TempTree::read(tree.path("app/OLD.dfn")), "old");

  settings.app = L"U:\\gone\\";
  CString lost = L"LOST";
  EXPECT_EQ(create(lost, selection), 5);
  EXPECT_EQ(lost, L"U:\\gone\\LOST.dfn");
  EXPECT_FALSE(std::filesystem::exists(tree.path("gone")));
}

// A name that is no plain file name is refused as a failed save, the
// caller's text kept: nothing is saved under a name cut short or changed,
// nor under one that matches other files.
TEST_F(SymbolDrawings, NamesThatAreNoPlainFileNamesAreRefused) {
  const std::wstring names[] = {L"*.dfn", L"S?M", L"..", L"SYM\n", std::wstring(L"SYM\0EVIL", 7),
                                std::wstring(L"S") + wchar_t(0xD800), L"", L"x/", L"sub\\", L".", L".dfn",
                                L"EUROpro.mdb", L"x.MDB"};
  for (auto const& given : names) {
    SCOPED_TRACE(CString(given).Left(3).toUtf8());
    CString name(given);
    EXPECT_EQ(create(name, selection), 5);
    EXPECT_TRUE(std::wstring(name.view()) == given);
  }
  EXPECT_TRUE(std::filesystem::is_empty(tree.path("app")));
}

}  // namespace
