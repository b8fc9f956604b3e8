// "Deskew & Scale": straightening, the scale options and the picks that cannot give an axis or a scale.
#include <gtest/gtest.h>

#include <cmath>

#include "artwork/tools/deskew.h"
#include "artwork/workshop/edit_commands.h"
#include "mathlib/geom2d.h"
#include "tools_fixture.h"

namespace quill {
namespace {

DeskewPicks AxisThrough(double x1, double y1, double x2, double y2) {
  DeskewPicks p;
  p.axisX1 = x1, p.axisY1 = y1, p.axisX2 = x2, p.axisY2 = y2;
  return p;
}

TEST(Deskew, AKnownScaleAlongAnAxisThroughTwoPoints) {
  TestUi ui;
  DeskewOptions o{DeskewScaling::KnownScale, DeskewAxis::TwoPoints, 2, 0};
  DeskewPicks p = AxisThrough(1, 1, 2, 2);
  p.originX = p.originY = 1;
  ToolResult r = DeskewScale(ui, Drawing{Point(2, 2)}, o, p);
  ASSERT_TRUE(r.Done());
  EXPECT_NEAR(r.entities[0].X(), 2 * std::sqrt(2.0), 1e-12);
  EXPECT_NEAR(r.entities[0].Y(), 0, 1e-12);
}

TEST(Deskew, AKnownDistanceOfTenToAPointFiveAwayDoublesTheDrawing) {
  TestUi ui;
  DeskewOptions o{DeskewScaling::KnownDistance, DeskewAxis::World, 10, 0};
  DeskewPicks p;
  p.knownX = 3, p.knownY = 4;
  ToolResult r = DeskewScale(ui, Drawing{Line(1, 1, 2, 3), Arc(1, 0, 1, 0, 1)}, o, p);
  ASSERT_TRUE(r.Done());
  ExpectLine(r.entities[0], 2, 2, 4, 6);
  EXPECT_DOUBLE_EQ(r.entities[1].R(), 2);
}

TEST(Deskew, AKnownPointScalesEachAxisByItsOwnCoordinateAndTakesTheMean) {
  TestUi ui;
  DeskewOptions o{DeskewScaling::KnownPoint, DeskewAxis::World, 4, 6};
  DeskewPicks p;
  p.knownX = 2, p.knownY = 2;  // 2 wide wants 4 (factor 2), 2 high wants 6 (factor 3): 2.5
  ToolResult r = DeskewScale(ui, Drawing{Point(1, 1)}, o, p);
  EXPECT_DOUBLE_EQ(r.entities[0].X(), 2.5);
  // A known point on the axis gives no height: that factor stays 1.
  p.knownY = 0;
  r = DeskewScale(ui, Drawing{Point(1, 1)}, o, p);
  EXPECT_DOUBLE_EQ(r.entities[0].X(), 1.5);
}

TEST(Deskew, ADrawingSkewedAndScaledByKnownAmountsComesBackWithinANanometre) {
  TestUi ui;
  const double skew = 7.3 * DegToRad, factor = 1.37, ox = 12.5, oy = -3.25;
  std::vector<tgEntity> original = {Line(0, 0, 3, 0), Line(3, 0, 3, 2), Arc(1.5, 2, 1.5, 0, Pi),
                                    Arc(1, 1, 0.25, 0, TwoPi), Arc(2, 0.5, 0.3, HalfPi, 0.2, false), Point(0.5, 0.5)};
  std::vector<tgEntity> skewed = original;
  for (tgEntity& e : skewed) {
    ScaleEntity(ui, e, 0, 0, factor);
    e.Rotate(ui, 0, 0, skew);
    e.Move(ui, ox, oy, 0);
  }
  DeskewOptions o{DeskewScaling::KnownDistance, DeskewAxis::TwoPoints, 3, 0};
  // The axis through the skewed image of (0, 0) and (3, 0); the known point is that of (3, 0).
  DeskewPicks p = AxisThrough(skewed[0].X(), skewed[0].Y(), skewed[0].XE(), skewed[0].YE());
  p.originX = ox, p.originY = oy, p.knownX = skewed[0].XE(), p.knownY = skewed[0].YE();
  ToolResult r = DeskewScale(ui, skewed, o, p);
  ASSERT_TRUE(r.Done());
  for (size_t i = 0; i < original.size(); ++i) {
    const tgEntity &a = r.entities[i], &b = original[i];
    SCOPED_TRACE(a.Describe() + " / " + b.Describe());
    for (double d : {a.X() - b.X(), a.Y() - b.Y()}) EXPECT_NEAR(d, 0, 1e-9);
    if (a.IsLine()) {
      EXPECT_NEAR(a.XE() - b.XE(), 0, 1e-9);
      EXPECT_NEAR(a.YE() - b.YE(), 0, 1e-9);
    }
    if (a.IsArc()) {
      EXPECT_NEAR(a.R(), b.R(), 1e-9);
      EXPECT_NEAR(std::remainder(a.SA() - b.SA(), TwoPi), 0, 1e-9);
      EXPECT_NEAR(std::remainder(a.FA() - b.FA(), TwoPi), 0, 1e-9);
      EXPECT_EQ(a.IsCCW(), b.IsCCW());
    }
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST(Deskew, TheSamePointTwiceFallsBackToTheWorldAxis) {
  TestUi ui;
  DeskewOptions o{DeskewScaling::None, DeskewAxis::TwoPoints, 0, 0};
  ToolResult r = DeskewScale(ui, Drawing{Point(2, 3)}, o, AxisThrough(1, 1, 1.0005, 1));
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Same Point Given Twice\nAssuming World -X- axis"});
  EXPECT_DOUBLE_EQ(r.entities[0].X(), 2);
  EXPECT_DOUBLE_EQ(r.entities[0].Y(), 3);
}

TEST(Deskew, AnAxisLineWithoutLengthAndAZeroScaleAreRefused) {
  TestUi ui;
  EXPECT_EQ(DeskewScale(ui, Drawing{Point(2, 3)}, {DeskewScaling::None, DeskewAxis::Line, 0, 0}, AxisThrough(1, 1, 1, 1)).status,
            ToolStatus::Refused);
  EXPECT_EQ(ui.Texts().back(), "The -X- Axis Line Has No Length");
  EXPECT_EQ(DeskewScale(ui, Drawing{Point(2, 3)}, {DeskewScaling::KnownScale, DeskewAxis::World, 0, 0}, {}).status,
            ToolStatus::Refused);
  EXPECT_EQ(ui.Texts().back(), "Scale May Not be Zero");
  // The window's defaults, a known point with both wanted sizes 0, would crush everything to the origin.
  DeskewPicks p;
  p.knownX = p.knownY = 1;
  EXPECT_EQ(DeskewScale(ui, Drawing{Point(2, 3)}, {}, p).status, ToolStatus::Refused);
}

TEST(Deskew, ANegativeScaleTurnsHalfWayRoundWithAPositiveRadius) {
  TestUi ui;
  ToolResult r = DeskewScale(ui, Drawing{Arc(1, 0, 1, 0, HalfPi)}, {DeskewScaling::KnownScale, DeskewAxis::World, -2, 0}, {});
  ASSERT_TRUE(r.Done());
  EXPECT_NEAR(r.entities[0].X(), -2, 1e-12);
  EXPECT_DOUBLE_EQ(r.entities[0].R(), 2);
  EXPECT_NEAR(r.entities[0].SA(), Pi, 1e-12);
}

}  // namespace
}  // namespace quill
