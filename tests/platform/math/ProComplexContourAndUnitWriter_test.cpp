// SPDX-License-Identifier: MIT
#include "platform/math/ProComplexContourAndUnitWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

#include "platform/math/ProComplexContourAndUnitReader.h"
#include "support/Contours.h"
#include "support/CorePrinters.h"

namespace {

constexpr double kPi = std::numbers::pi;

template <class T>
T* add(ProContour& parent, std::initializer_list<Point2> points) {
  LAContour edges;
  for (auto const& p : points) edges.append(LAEdge(p));
  T* node = parent.Attach(std::make_unique<T>());
  node->SetLAContour(edges);
  return node;
}

std::unique_ptr<ProComplexContour> reread(CString const& text, CString& unit) {
  const ProContourFactory factory;
  return ProComplexContourAndUnitReader(text, factory).read(unit);
}

TEST(ProComplexContourAndUnitWriter, WritesTheKorvaLayoutGroupsAndIslands) {
  ProComplexContour root;
  add<ProEmptyContour>(*add<ProSolidContour>(root, {{0, 0}, {100, 0}, {100, 50}, {0, 50}}),
                       {{10, 10}, {20, 10}, {20, 20}});
  EXPECT_EQ(
      ProComplexContourAndUnitWriter(L"mm").write(root),
      L"\"mm\" ( ( (S ( (L 0 0) (L 100 0) (L 100 50) (L 0 50) ) 1 ( (H ( (L 10 10) (L 20 10) (L 20 20) ) ) ) ) ) )");
  EXPECT_EQ(ProComplexContourAndUnitWriter(L"in").write(ProComplexContour()), L"\"in\" ( )");
  // Arithmetic noise is not written: numbers as the reader's floats, and
  // what is tiny beside the drawing as 0.
  ProComplexContour noisy;
  add<ProSolidContour>(noisy, {{0.1 + 0.2, 1e-15}, {150 - 101.1499999999906, 0}});
  EXPECT_EQ(ProComplexContourAndUnitWriter(L"mm").write(noisy), L"\"mm\" ( ( (S ( (L 0.3 0) (L 48.85 0) ) 0 ( ) ) ) )");

  // Solids below grouping nodes are written in depth-first order.
  ProComplexContour nested;
  auto* outer = add<ProSolidContour>(*nested.Attach(std::make_unique<ProComplexContour>()), {{0, 0}, {9, 0}, {9, 9}});
  add<ProEmptyContour>(*outer, {{1, 1}, {2, 1}, {2, 2}});
  add<ProSolidContour>(*outer, {{3, 3}});
  add<ProSolidContour>(nested, {{20, 0}, {30, 0}, {30, 0.5}});
  CString unit;
  auto back = reread(ProComplexContourAndUnitWriter(L"cm").write(nested), unit);
  ASSERT_TRUE(back);
  EXPECT_EQ(unit, L"cm");
  EXPECT_EQ(zept::test::shapeOf(*back), "S3(H3 S1) S3");
}

TEST(ProComplexContourAndUnitWriter, RefusesWhatTheGrammarCannotHold) {
  for (std::wstring const& unit : {std::wstring(L"m\"m"), std::wstring(L"m#"), std::wstring(L"m\0m", 3)}) {
    EXPECT_THROW(ProComplexContourAndUnitWriter{CString(unit)}, std::invalid_argument);
  }
  const ProComplexContourAndUnitWriter writer(L"mm");
  ProComplexContour holeAtTop, islandInHole, groupInSolid;
  add<ProEmptyContour>(holeAtTop, {{0, 0}});
  add<ProSolidContour>(*add<ProEmptyContour>(*add<ProSolidContour>(islandInHole, {{0, 0}}), {{0, 0}}), {{0, 0}});
  add<ProSolidContour>(groupInSolid, {{0, 0}})->Attach(std::make_unique<ProComplexContour>());
  for (auto* tree : {&holeAtTop, &islandInHole, &groupInSolid})
    EXPECT_THROW(writer.write(*tree), std::invalid_argument);
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e39}) {
    ProComplexContour root;
    add<ProSolidContour>(root, {{0, bad}});
    EXPECT_THROW(writer.write(root), std::invalid_argument) << bad;
  }
}

// Polyline vertices with bulges become arcs about the right centre, and
// come back through the text.
TEST(ProComplexContourAndUnitWriter, BulgedEdgesRoundTrip) {
  const double b = std::tan(kPi / 8), big = std::tan(3 * kPi / 8);
  const struct {
    Point2 from, to;
    double bulge;
    Point2 center;
  } cases[] = {
      {{1, 0}, {0, 1}, b, {0, 0}},     // short, counter-clockwise: centre left of the chord
      {{0, 1}, {1, 0}, -b, {0, 0}},    // short, clockwise: centre right
      {{0, 0}, {2, 0}, 1, {1, 0}},     // half circle
      {{1, 0}, {0, -1}, big, {0, 0}},  // long, counter-clockwise: centre right
      {{0, 2}, {2, 0}, -big, {2, 2}},  // long, clockwise: centre left
      {{0, 0}, {1, 1}, 0, {0, 0}}      // straight
  };
  for (auto const& c : cases) {
    LAContour edges;
    edges.append(LAEdge::fromBulge(c.from, c.to, c.bulge));
    edges.append(LAEdge(c.to));
    EXPECT_EQ(edges[0].type, c.bulge == 0 ? LAEdge::Line : LAEdge::Arc);
    EXPECT_NEAR(edges[0].center.distance(c.center), 0, 1e-12);
    EXPECT_NEAR(edges[0].bulge(), c.bulge, 1e-12);
    ProComplexContour root;
    root.Attach(std::make_unique<ProSolidContour>())->SetLAContour(edges);
    CString unit;
    auto back = reread(ProComplexContourAndUnitWriter(L"mm").write(root), unit);
    ASSERT_TRUE(back);
    LAEdge const& arc = back->GetChild(0)->AsClosed()->GetLAContour()[0];
    EXPECT_NEAR(arc.start.distance(c.from), 0, 1e-6);
    EXPECT_NEAR(arc.bulge(), c.bulge, 1e-6);
  }
  EXPECT_EQ(LAEdge::fromBulge({0, 0}, {1, 1}, std::numeric_limits<double>::infinity()).type, LAEdge::Line);
  EXPECT_EQ(LAEdge::fromBulge({1, 1}, {1, 1}, 0.5).type, LAEdge::Line);
}

// Read, write, read and write again: the same text, since single-precision
// numbers come back exactly.
TEST(ProComplexContourAndUnitWriter, ReaderWriterReaderIsAFixedPoint) {
  wchar_t const* const texts[] = {
      L"\"in\" ( ( (S ( (L 0.1 0.2) (A 10 5 2 0 3.14159) (L -7.25e-3 1e20) ) 2 ( (S ( (L 1 1) ) ) (H ( ) ) ) ) "
      L"(S ( (A -3 4 0.5 2.5 -6) ) 0 ( ) ) ) ( (S ( (L 1 2) ) 0 ( ) ) ) )",
      L"\"m\" ( )"};
  for (wchar_t const* text : texts) {
    CString unit, unitAgain;
    auto first = reread(text, unit);
    ASSERT_TRUE(first);
    const CString written = ProComplexContourAndUnitWriter(unit).write(*first);
    auto second = reread(written, unitAgain);
    ASSERT_TRUE(second) << written.toUtf8();
    EXPECT_EQ(unitAgain, unit);
    EXPECT_EQ(zept::test::shapeOf(*second), zept::test::shapeOf(*first));
    EXPECT_EQ(ProComplexContourAndUnitWriter(unitAgain).write(*second), written);
  }
}

}  // namespace
