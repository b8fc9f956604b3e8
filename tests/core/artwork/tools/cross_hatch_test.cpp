// "Cross Hatch": hatch lines inside a boundary at any angle, with the scan lines starting outside the
// boundary wherever it lies, and the options that cannot be worked.
#include <gtest/gtest.h>

#include <cmath>

#include "artwork/tools/cross_hatch.h"
#include "tools_fixture.h"

namespace quill {
namespace {

HatchOptions Hatch(double degrees, double spacing) {
  HatchOptions o;
  o.angleDegrees = degrees;
  o.spacing = spacing;
  return o;
}

TEST(CrossHatch, TheUnitSquareAtAQuarterRunsFromLargerToSmallerX) {
  TestUi ui;
  ToolResult r = CrossHatch(ui, Square(0, 0, 1), Hatch(0, 0.25));
  ASSERT_TRUE(r.Done());
  // From the centre line up (0.5, 0.75, 1), then down (0.25, 0); the lines at the top and bottom lie on
  // the sides, met at the corners.
  ASSERT_EQ(r.entities.size(), 5u);
  const double ys[] = {0.5, 0.75, 1, 0.25, 0};
  for (size_t i = 0; i < 5; ++i) ExpectLine(r.entities[i], 1, ys[i], 0, ys[i]);
}

TEST(CrossHatch, MinusNinetyDegreesIsNinety) {
  TestUi ui;
  ToolResult minus = CrossHatch(ui, Square(0, 0, 1), Hatch(-90, 0.25));
  ToolResult plus = CrossHatch(ui, Square(0, 0, 1), Hatch(90, 0.25));
  ASSERT_TRUE(minus.Done());
  EXPECT_EQ(Difference(minus.entities, plus.entities), "");
  ASSERT_EQ(plus.entities.size(), 5u);
  // Turned a quarter: vertical lines at x = 0.5, 0.25, 0, 0.75, 1.
  ExpectLine(plus.entities[0], 0.5, 1, 0.5, 0, 1e-12);
  ExpectLine(plus.entities[1], 0.25, 1, 0.25, 0, 1e-12);
  EXPECT_EQ(Difference(CrossHatch(ui, Square(0, 0, 1), Hatch(270, 0.25)).entities, plus.entities), "");
  EXPECT_EQ(Difference(CrossHatch(ui, Square(0, 0, 1), Hatch(-630, 0.25)).entities, plus.entities), "");
}

TEST(CrossHatch, ABoundaryOnEitherSideOfTheOriginIsCutAcross) {
  TestUi ui;
  // A box from x = -3 to 0 and one from 0 to 3, with no end point tolerance: the scan lines must reach
  // past both sides.
  HatchOptions o = Hatch(0, 0.3);
  o.tolerance = 0;
  for (double x : {-3.0, 0.0}) {
    std::vector<tgEntity> box = {Line(x, 0, x + 3, 0), Line(x + 3, 0, x + 3, 1), Line(x + 3, 1, x, 1),
                                 Line(x, 1, x, 0)};
    ToolResult r = CrossHatch(ui, box, o);
    ASSERT_TRUE(r.Done());
    ASSERT_GE(r.entities.size(), 3u);
    ExpectLine(r.entities[0], x + 3, 0.5, x, 0.5);
  }
}

TEST(CrossHatch, ACircleOfArcsAndAnOddCountOfCrossings) {
  TestUi ui;
  std::vector<tgEntity> circle = {Arc(0, 0, 1, 0, HalfPi * 2), Arc(0, 0, 1, Pi, TwoPi), Point(5, 5)};
  ToolResult r = CrossHatch(ui, circle, Hatch(45, 0.2));
  ASSERT_TRUE(r.Done());
  ASSERT_FALSE(r.entities.empty());
  for (const tgEntity& e : r.entities) {
    EXPECT_NEAR(std::hypot(e.X(), e.Y()), 1, 1e-9);
    EXPECT_NEAR(std::hypot(e.XE(), e.YE()), 1, 1e-9);
    EXPECT_NEAR(e.LineAngleOf(), Pi + Pi / 4, 1e-9);  // from larger to smaller X along the turned scan line
  }
  EXPECT_TRUE(ui.messages.empty());
  // An open boundary crossed once by a scan line: the odd crossing is dropped.
  std::vector<tgEntity> open = {Line(0, 0, 2, 0), Line(2, 0, 2, 2), Line(1, -1, 1, 0.5)};
  r = CrossHatch(ui, open, Hatch(0, 1));
  ASSERT_TRUE(r.Done());
  for (const tgEntity& e : r.entities) EXPECT_GT(e.X(), e.XE());
}

TEST(CrossHatch, TheToleranceHoldsOnlyWhileHatching) {
  TestUi ui;
  double before = EntityTolerance, tangency = TangencyTolerance;
  HatchOptions o = Hatch(0, 0.25);
  o.tolerance = 0.01;
  CrossHatch(ui, Square(0, 0, 1), o);
  EXPECT_EQ(EntityTolerance, before);
  EXPECT_EQ(TangencyTolerance, tangency);
}

TEST(CrossHatch, TooFewEntitiesBadSpacingAndCancel) {
  TestUi ui;
  EXPECT_EQ(CrossHatch(ui, Drawing{Line(0, 0, 1, 0), Line(1, 0, 0, 0)}, Hatch(0, 0.1)).status, ToolStatus::Nothing);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(CrossHatch(ui, Square(0, 0, 1), Hatch(0, 0)).status, ToolStatus::Refused);
  EXPECT_EQ(ui.Texts().back(), "Cross Hatch Distance Must be Greater than Zero");
  EXPECT_EQ(CrossHatch(ui, Square(0, 0, 1), Hatch(0, -1)).status, ToolStatus::Refused);
  EXPECT_EQ(CrossHatch(ui, Square(0, 0, 1000), Hatch(0, 1e-6)).status, ToolStatus::Refused);
  EXPECT_EQ(ui.Texts().back(), "Cross Hatch Distance Too Small, More than 1000000 Hatch Lines");
  Drawing huge = {Line(-1e300, 0, 1e300, 0), Line(1e300, 0, 0, 1e300), Line(0, 1e300, -1e300, 0)};
  EXPECT_EQ(CrossHatch(ui, huge, Hatch(0, 1)).status, ToolStatus::Refused);
  EXPECT_TRUE(CrossHatch(ui, huge, Hatch(0, 1e299)).Done());
  ui.cancelAfter = 3;
  EXPECT_EQ(CrossHatch(ui, Square(0, 0, 1), Hatch(0, 0.001)).status, ToolStatus::Cancelled);
}

}  // namespace
}  // namespace quill
