// "Optimize Tool Path" step by step on small drawings whose result can be worked out by hand.
#include <gtest/gtest.h>

#include "artwork/tools/optimize.h"
#include "artwork/tools/optimize_steps.h"
#include "tools_fixture.h"

namespace quill {
namespace {

OptimizeOptions ChainOnly() {
  OptimizeOptions o;
  o.removeDuplicates = o.mergeSimilar = false;
  return o;
}

std::vector<tgEntity> Optimize(TestUi& ui, const std::vector<tgEntity>& in, const OptimizeOptions& o, double px,
                               double py) {
  ToolResult r = OptimizeToolPath(ui, in, o, px, py);
  EXPECT_TRUE(r.Done());
  return r.entities;
}

TEST(RemoveDuplicates, ACopyAndAReversedCopyGoAndSoDoPointsAndScraps) {
  TestUi ui;
  std::vector<tgEntity> w = {Line(0, 0, 1, 0), Line(0, 0, 1, 0), Line(1, 0, 0, 0), Point(3, 3),
                             Line(5, 5, 5.0005, 5), Arc(2, 2, 1, 7, 8), Arc(2, 2, 1, 8 - TwoPi, 7 - TwoPi),
                             Arc(4, 4, 0, 0, 1)};
  ASSERT_TRUE(RemoveDuplicates(ui, w));
  ASSERT_EQ(w.size(), 2u);
  ExpectLine(w[0], 0, 0, 1, 0);
  // The arc is kept with its angles brought into range; its reversed twin is the same arc.
  EXPECT_NEAR(w[1].SA(), 7 - TwoPi, 1e-12);
  EXPECT_NEAR(w[1].FA(), 8 - TwoPi, 1e-12);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(MergeSimilar, OverlappingLinesInLineBecomeOne) {
  TestUi ui;
  std::vector<tgEntity> w = {Line(0, 0, 1, 1), Line(3, 3, 2, 2), Line(0.5, 0.5, 2, 2), Line(0, 1, 1, 2)};
  ASSERT_TRUE(MergeSimilar(ui, w));
  // The first line takes in the third and then, grown, the ones it now overlaps later in the list only.
  ASSERT_EQ(w.size(), 3u);
  ExpectLine(w[0], 0, 0, 2, 2);
  ExpectLine(w[1], 3, 3, 2, 2);
}

TEST(ChainEndPoints, ThreeLinesFromTheLeftComeOutEndToEnd) {
  TestUi ui;
  std::vector<tgEntity> w = Optimize(ui, {Line(0, 0, 1, 0), Line(3, 0, 2, 0), Line(1, 0, 2, 0)}, ChainOnly(), -0.5, 0);
  ASSERT_EQ(w.size(), 3u);
  ExpectLine(w[0], 0, 0, 1, 0);
  ExpectLine(w[1], 1, 0, 2, 0);
  ExpectLine(w[2], 2, 0, 3, 0);
}

TEST(ChainEndPoints, AStartOnAnEndPointDoesNotChooseThatEntityFirst) {
  TestUi ui;
  // (0.0005, 0) is within the zero distance of the first line's end: that distance counts as 0.
  std::vector<tgEntity> w = Optimize(ui, {Line(0, 5, 0, 0), Line(1, 0, 2, 0)}, ChainOnly(), 0.0005, 0);
  ASSERT_EQ(w.size(), 2u);
  ExpectLine(w[0], 1, 0, 2, 0);
  ExpectLine(w[1], 0, 0, 0, 5);
}

TEST(ChainEndPoints, ACounterClockwiseArcMetAtItsEndIsTravelledBackClockwise) {
  TestUi ui;
  std::vector<tgEntity> w =
      Optimize(ui, {Line(0, 0, 1, 0), Arc(2, 0, 1, 0, Pi), Line(3, 0, 3, -1)}, ChainOnly(), -0.5, 0);
  ASSERT_EQ(w.size(), 3u);
  ASSERT_TRUE(w[1].IsArc());
  EXPECT_FALSE(w[1].IsCCW());
  EXPECT_DOUBLE_EQ(w[1].SA(), Pi);
  EXPECT_DOUBLE_EQ(w[1].FA(), 0);
  // The arc now ends where it used to start, and the chain goes on from there.
  ExpectLine(w[2], 3, 0, 3, -1);
}

TEST(ChainEndPoints, ForcedEndPointsCloseSmallGapsAndFreeOnesStay) {
  TestUi ui;
  std::vector<tgEntity> in = {Line(0, 0, 1, 0), Line(1.004, 0.003, 2, 0)};
  OptimizeOptions o = ChainOnly();
  o.connectTolerance = 0.01;
  std::vector<tgEntity> forced = Optimize(ui, in, o, -0.5, 0);
  ExpectLine(forced[1], 1, 0, 2, 0);
  o.forceEndPoints = false;
  std::vector<tgEntity> free = Optimize(ui, in, o, -0.5, 0);
  ExpectLine(free[1], 1.004, 0.003, 2, 0);
}

TEST(ChainEndPoints, TwoSquaresGetOneBridgeUnlessItWouldCrossASide) {
  TestUi ui;
  OptimizeOptions o = ChainOnly();
  o.bridgeGaps = true;
  std::vector<tgEntity> apart = Square(0, 0, 2);
  for (const tgEntity& e : Square(3, 0, 1)) apart.push_back(e);
  std::vector<tgEntity> w = Optimize(ui, apart, o, -0.5, -0.5);
  ASSERT_EQ(w.size(), 9u);
  ExpectLine(w[4], 0, 0, 3, 0);
  for (size_t i = 1; i < w.size(); ++i) EXPECT_TRUE(Connected(w[i - 1], w[i], 0.001)) << i;

  // From the corner (0, 0) where the chain ends, the small square's nearest corner lies behind the big square's right side.
  std::vector<tgEntity> behind = Square(0, 0, 2);
  for (const tgEntity& e : Square(2.5, 0.5, 0.5)) behind.push_back(e);
  w = Optimize(ui, behind, o, -0.5, -0.5);
  EXPECT_EQ(w.size(), 8u);
}

TEST(ChainEndPoints, CancelKeepsTheOrderReachedAndTheCommandGoesOn) {
  TestUi ui;
  std::vector<tgEntity> in;
  for (int i = 0; i < 50; ++i) in.push_back(Line(49 - i, 0, 50 - i, 0));
  ui.cancelAfter = 1;  // the meter's first reading passes, Cancel comes at slot 10
  OptimizeOptions o = ChainOnly();
  o.simplify = true;
  ToolResult r = OptimizeToolPath(ui, in, o, -0.5, 0);
  ASSERT_EQ(r.status, ToolStatus::Cancelled);  // Cancel in a later step abandons the command
  TestUi again;
  again.cancelAfter = 1;
  o.simplify = false;
  r = OptimizeToolPath(again, in, o, -0.5, 0);
  ASSERT_TRUE(r.Done());
  ASSERT_EQ(r.entities.size(), 50u);
  ExpectLine(r.entities[0], 0, 0, 1, 0);
  ExpectLine(r.entities[9], 9, 0, 10, 0);
  // The rest stays in the order the exchanges left it: the lines not moved, then those moved aside.
  ExpectLine(r.entities[10], 39, 0, 40, 0);
  ExpectLine(r.entities[40], 40, 0, 41, 0);
}

TEST(OptimizeToolPath, NothingSelectedBadOptionsAndCancelChangeNothing) {
  TestUi ui;
  EXPECT_EQ(OptimizeToolPath(ui, {}, {}, 0, 0).status, ToolStatus::Nothing);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"First Select the Geometry to Optimize"});
  OptimizeOptions o;
  o.connectTolerance = -1;
  std::vector<tgEntity> in = Square(0, 0, 1);
  EXPECT_EQ(OptimizeToolPath(ui, in, o, 0, 0).status, ToolStatus::Refused);
  o = {};
  o.bezier = o.arcFit = true;
  o.arcFitTolerance = 0;
  EXPECT_EQ(OptimizeToolPath(ui, in, o, 0, 0).status, ToolStatus::Refused);
  EXPECT_EQ(ui.Texts().back(), "Arc Fit Tolerance Must be Greater than Zero");
  ui.cancelAfter = 0;
  EXPECT_EQ(OptimizeToolPath(ui, in, {}, 0, 0).status, ToolStatus::Cancelled);
}

TEST(OptimizeToolPath, TheResultIsUnselectedAndFreeOfBlankEntities) {
  TestUi ui;
  std::vector<tgEntity> in = Square(0, 0, 1);
  for (tgEntity& e : in) e.SetSelected(true);
  in.insert(in.begin() + 1, tgEntity());
  std::vector<tgEntity> w = Optimize(ui, in, {}, 0, 0);
  ASSERT_EQ(w.size(), 4u);
  for (const tgEntity& e : w) EXPECT_FALSE(e.Selected());
  EXPECT_TRUE(ui.messages.empty());
}

TEST(OptimizeToolPath, CoordinatesAtTheEndsOfTheRangeOfNumbersAreWorked) {
  TestUi ui;
  OptimizeOptions o;
  o.bridgeGaps = true;
  std::vector<tgEntity> in = {Line(1e300, 0, -1e300, 0), Line(0, 1e300, 0, -1e300), Line(5, 5, 6, 6),
                              Arc(-1e307, 1e307, 1e306, 0, 1)};
  std::vector<tgEntity> w = Optimize(ui, in, o, 0, 0);
  EXPECT_GE(w.size(), 4u);
}

TEST(SimplifyPolygons, EachRunIsSimplifiedOnItsOwnAndArcsStay) {
  TestUi ui;
  OptimizeOptions o = ChainOnly();
  o.simplify = true;
  o.simplifyTolerance = 0.01;
  // A nearly straight run of four lines, a gap, a run with a real corner, then a circle.
  std::vector<tgEntity> in = {Line(0, 0, 1, 0.001), Line(1, 0.001, 2, 0), Line(2, 0, 3, 0.002), Line(3, 0.002, 4, 0),
                              Line(10, 0, 11, 0), Line(11, 0, 11, 1), Arc(20, 0, 1, 0, TwoPi)};
  std::vector<tgEntity> w = Optimize(ui, in, o, -0.5, 0);
  ASSERT_EQ(w.size(), 4u);
  ExpectLine(w[0], 0, 0, 4, 0);
  ExpectLine(w[1], 10, 0, 11, 0);
  ExpectLine(w[2], 11, 0, 11, 1);
  EXPECT_TRUE(w[3].IsArc());
}

TEST(ReplaceByBezier, ARunOfShortLinesBecomesACurveFromItsFirstToItsLastPoint) {
  TestUi ui;
  OptimizeOptions o = ChainOnly();
  o.bezier = true;
  o.bezierLength = 0.5;
  o.bezierSpacing = 0.1;
  std::vector<tgEntity> in;
  for (int i = 0; i < 10; ++i) in.push_back(Line(i * 0.3, (i % 2) * 0.1, (i + 1) * 0.3, ((i + 1) % 2) * 0.1));
  in.push_back(Line(3, 0, 10, 0));
  std::vector<tgEntity> w = Optimize(ui, in, o, -0.5, 0);
  // About 3.16 long at 0.1 apart: 32 points, 31 lines, then the long line.
  ASSERT_EQ(w.size(), 32u);
  EXPECT_DOUBLE_EQ(w.front().X(), 0);
  EXPECT_NEAR(w[30].XE(), 3, 1e-12);
  EXPECT_NEAR(w[30].YE(), 0, 1e-12);
  for (size_t i = 1; i < w.size(); ++i) EXPECT_TRUE(Connected(w[i - 1], w[i], 1e-9)) << i;
}

TEST(ReplaceByBezier, AWideSpacingStillGivesALineAndShortRunsStay) {
  TestUi ui;
  OptimizeOptions o = ChainOnly();
  o.bezier = true;
  o.bezierLength = 1;
  o.bezierSpacing = 1000;
  std::vector<tgEntity> in = {Line(0, 0, 0.5, 0.2), Line(0.5, 0.2, 1, 0), Line(1, 0, 1.5, 0.2), Line(1.5, 0.2, 5, 5)};
  std::vector<tgEntity> w = Optimize(ui, in, o, -0.5, 0);
  ASSERT_EQ(w.size(), 2u);
  ExpectLine(w[0], 0, 0, 1.5, 0.2);
  // Two short lines make only three points: they stay.
  std::vector<tgEntity> shortRun = {Line(0, 0, 0.5, 0.2), Line(0.5, 0.2, 1, 0), Line(1, 0, 5, 5)};
  EXPECT_EQ(Difference(Optimize(ui, shortRun, o, -0.5, 0), shortRun), "");
}

TEST(ReplaceByBezier, ArcFittingGivesConnectedArcsOnTheCurve) {
  TestUi ui;
  OptimizeOptions o = ChainOnly();
  o.bezier = o.arcFit = true;
  o.bezierLength = 0.2;
  o.bezierSpacing = 0.02;
  o.arcFitTolerance = 0.001;
  // Chords of a quarter circle of radius 2 as control points.
  std::vector<tgEntity> in;
  for (int i = 0; i < 16; ++i) {
    double a = i * HalfPi / 16, b = (i + 1) * HalfPi / 16;
    in.push_back(Line(2 * std::cos(a), 2 * std::sin(a), 2 * std::cos(b), 2 * std::sin(b)));
  }
  in.push_back(Line(0, 2, -5, 2));
  std::vector<tgEntity> w = Optimize(ui, in, o, 2.5, 0);
  size_t arcs = 0;
  for (size_t i = 0; i + 1 < w.size(); ++i) {
    arcs += w[i].IsArc();
    if (i > 0) {
      EXPECT_TRUE(Connected(w[i - 1], w[i], 1e-6)) << i;
    }
  }
  EXPECT_GT(arcs, 0u);
  EXPECT_LT(w.size(), in.size());
  ExpectLine(w.back(), 0, 2, -5, 2);
}

}  // namespace
}  // namespace quill
