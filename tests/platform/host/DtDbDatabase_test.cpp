// SPDX-License-Identifier: MIT
#include "platform/host/DtDbDatabase.h"

#include <gtest/gtest.h>

#include <numbers>

#include "platform/host/DtDbArc.h"
#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbEllipse.h"
#include "platform/host/DtDbLine.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbSpline.h"
#include "platform/host/DxfFile.h"
#include "support/DxfAudit.h"
#include "support/TestTree.h"

namespace {

using zept::test::ScopedEnv;
using zept::test::TempTree;
constexpr double kPi = std::numbers::pi;

void expectNear(DtGePoint3d const& a, DtGePoint3d const& b, double tol = 1e-9) {
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
  EXPECT_NEAR(a.z, b.z, tol);
}

class DtDbDatabaseFile : public testing::Test {
 protected:
  TempTree tree;
  ScopedEnv drive{"ZEPT_DRIVE_U", tree.str()};
};

TEST_F(DtDbDatabaseFile, SavedDrawingReadsBackAsTheSameEntities) {
  const DtGeVector3d tilted = DtGeVector3d(0, 0.6, 0.8);
  DtArray<DtGePoint3d> fit;
  for (auto const& p : {DtGePoint3d(0, 0, 0), DtGePoint3d(10, 20, 0), DtGePoint3d(30, 10, 5), DtGePoint3d(40, 40, 0)})
    fit.append(p);
  auto polyline = std::make_unique<DtDbPolyline>();
  polyline->addVertexAt(0, {0, 0}, 0.5);
  polyline->addVertexAt(1, {200, 0});
  polyline->addVertexAt(2, {200, 100}, -1);
  polyline->setClosed(true);
  polyline->setNormal(tilted);
  polyline->setElevation(12.5);
  std::vector<std::unique_ptr<DtDbEntity>> made;
  made.push_back(std::make_unique<DtDbLine>(DtGePoint3d(0.1, 1.0 / 3, 0), DtGePoint3d(1234.5678901234, -2e-9, 7)));
  made.push_back(std::make_unique<DtDbCircle>(DtGePoint3d(5, 6, 7), tilted, 2.5));
  made.push_back(std::make_unique<DtDbArc>(DtGePoint3d(1, 2, 3), DtGeVector3d(0.01, 0, -1), 4, 0.25, 5.5));
  made.push_back(std::make_unique<DtDbEllipse>(DtGePoint3d(1, 1, 0), DtGeVector3d::kZAxis, DtGeVector3d(10, 0, 0), 2.0,
                                               0.5, 2.0));
  made.push_back(std::move(polyline));
  made.push_back(std::make_unique<DtDbSpline>(fit));
  made[1]->setLayer(L"Holes");

  DtDbDatabase db;
  EXPECT_EQ(db.setMeasurement(DtDb::kEnglish), Dt::eOk);
  DtGeMatrix3d ucs;
  ucs.setCoordSystem({100, 50, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
  EXPECT_EQ(db.setUcsMatrix(ucs), Dt::eOk);
  DtDbBlockTable* table = nullptr;
  DtDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(db.getBlockTable(table, DtDb::kForRead), Dt::eOk);
  ASSERT_EQ(table->getAt(L"*MODEL_SPACE", ms, DtDb::kForWrite), Dt::eOk);
  EXPECT_EQ(table->getAt(L"*Paper_Space", ms, DtDb::kForWrite), Dt::eKeyNotFound);
  ASSERT_EQ(table->getAt(L"*Model_Space", ms, DtDb::kForWrite), Dt::eOk);
  for (auto const& e : made) ASSERT_EQ(ms->appendDtDbEntity(e->clone()), Dt::eOk);
  EXPECT_EQ(ms->appendDtDbEntity(db.modelSpace()[0]), Dt::eInvalidInput);  // held already
  EXPECT_EQ(ms->appendDtDbEntity(nullptr), Dt::eInvalidInput);

  ASSERT_EQ(db.saveAs(L"U:\\drawing.DXF"), Dt::eOk) << db.errorText().toUtf8();
  const std::string file = tree.path("drawing.DXF").string();
  if (auto audit = zept::test::ezdxfAudit(file)) {
    EXPECT_EQ(*audit, "errors=0 LINE CIRCLE ARC ELLIPSE LWPOLYLINE SPLINE");
  }

  DtDbDatabase back(false, true);
  ASSERT_EQ(back.readDxfFile(file.c_str() == nullptr ? L"" : CString::fromUtf8(file)), Dt::eOk)
      << back.errorText().toUtf8();
  EXPECT_EQ(back.measurement(), DtDb::kEnglish);
  EXPECT_TRUE(back.ucsMatrix().isEqualTo(ucs));
  ASSERT_EQ(back.modelSpace().size(), made.size());
  std::size_t i = 0;
  for (DtDbEntity* e : back.modelSpace()) {
    SCOPED_TRACE(i);
    EXPECT_EQ(e->database(), &back);
    auto const* want = DtDbCurve::cast(made[i].get());
    auto const* got = DtDbCurve::cast(e);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(typeid(*got), typeid(*want));
    EXPECT_EQ(e->layer(), made[i]->layer());
    expectNear(got->startPoint(), want->startPoint());
    expectNear(got->endPoint(), want->endPoint());
    ++i;
  }
  EXPECT_EQ(DtDbCircle::cast(back.modelSpace()[1])->radius(), 2.5);
  expectNear(DtDbArc::cast(back.modelSpace()[2])->center(), {1, 2, 3});
  auto const* ellipse = DtDbEllipse::cast(back.modelSpace()[3]);
  // Ratio 2 is kept as its longer axis with ratio 0.5, a quarter turn back.
  EXPECT_EQ(ellipse->radiusRatio(), 0.5);
  expectNear(ellipse->pointAtParam(1.5 - kPi / 2), DtDbEllipse::cast(made[3].get())->pointAtParam(1.5));
  EXPECT_EQ(*DtDbPolyline::cast(back.modelSpace()[4]), *DtDbPolyline::cast(made[4].get()));
  auto const* spline = DtDbSpline::cast(back.modelSpace()[5]);
  for (double t = 0; t <= 3; t += 0.25) expectNear(spline->pointAt(t), DtDbSpline::cast(made[5].get())->pointAt(t));

  // The control points written with the fit points trace the same curve:
  // each span's Bezier midpoint is the spline's.
  zept::dxf::Drawing raw;
  std::string error;
  ASSERT_TRUE(zept::dxf::read(file, raw, error)) << error;
  auto const& cp = std::get<zept::dxf::Spline>(raw.entities[5].shape).controlPoints;
  ASSERT_EQ(cp.size(), 10u);
  for (int s = 0; s < 3; ++s) {
    auto mid = [&](double zept::dxf::Vec3::*c) {
      return (cp[3 * s].*c + 3 * cp[3 * s + 1].*c + 3 * cp[3 * s + 2].*c + cp[3 * s + 3].*c) / 8;
    };
    expectNear({mid(&zept::dxf::Vec3::x), mid(&zept::dxf::Vec3::y), mid(&zept::dxf::Vec3::z)}, spline->pointAt(s + 0.5));
  }
}

TEST_F(DtDbDatabaseFile, FailuresLeaveFilesAndDrawingAsTheyWere) {
  DtDbDatabase db;
  DtDbBlockTable* table = nullptr;
  DtDbBlockTableRecord* ms = nullptr;
  db.getBlockTable(table, DtDb::kForWrite);
  table->getAt(L"*Model_Space", ms, DtDb::kForWrite);
  ms->appendDtDbEntity(new DtDbLine({0, 0, 0}, {1, 1, 0}));

  EXPECT_EQ(db.saveAs(L"U:\\missing\\x.dxf"), Dt::eFileAccessErr);
  EXPECT_FALSE(std::filesystem::exists(tree.path("missing")));
  EXPECT_EQ(db.saveAs(L"V:\\x.dxf"), Dt::eFileAccessErr);  // a drive no variable names
  tree.file("old.dxf", "old");
  EXPECT_EQ(db.saveAsNew(L"U:\\OLD.dxf"), Dt::eFileExists);
  EXPECT_EQ(TempTree::read(tree.path("old.dxf")), "old");
  EXPECT_EQ(db.saveAsNew(L"U:\\new.dxf"), Dt::eOk);

  EXPECT_EQ(db.readDxfFile(L"U:\\absent.dxf"), Dt::eFileNotFound);
  EXPECT_EQ(db.readDxfFile(L"U:\\old.dxf"), Dt::eInvalidDxfFile);
  EXPECT_NE(db.errorText().Find(L"not a DXF file"), -1) << db.errorText().toUtf8();
  EXPECT_EQ(db.modelSpace().size(), 1u);

  DtDbDatabase empty(false, true);
  EXPECT_EQ(empty.getBlockTable(table, DtDb::kForRead), Dt::eNoDatabase);
  EXPECT_TRUE(empty.modelSpace().empty());
  EXPECT_EQ(empty.readDxfFile(L"U:\\NEW.DXF"), Dt::eOk);
  EXPECT_EQ(empty.modelSpace().size(), 1u);
  EXPECT_EQ(empty.setMeasurement(static_cast<DtDb::MeasurementValue>(2)), Dt::eInvalidInput);
  EXPECT_EQ(empty.setUcsMatrix(DtGeMatrix3d::scaling(2)), Dt::eInvalidInput);
}

TEST(DtDbWorkingDatabase, UcsOfTheWorkingDrawing) {
  DtGeMatrix3d ucs;
  dtdbSetWorkingDatabase(nullptr);
  EXPECT_EQ(dtdbUcsMatrix(ucs), Dt::eNoDatabase);
  {
    DtDbDatabase db;
    dtdbSetWorkingDatabase(&db);
    const DtGeMatrix3d turned = DtGeMatrix3d::rotation(kPi / 2, DtGeVector3d::kZAxis, {5, 5, 0});
    EXPECT_EQ(dtedSetCurrentUCS(turned), Dt::eOk);
    EXPECT_EQ(dtdbUcsMatrix(ucs), Dt::eOk);
    EXPECT_TRUE(ucs.isEqualTo(turned));
  }
  EXPECT_EQ(dtdbWorkingDatabase(), nullptr);  // a drawing that dies is no longer the working one
}

}  // namespace
