#include "geometry/entity.h"

#include <gtest/gtest.h>

#include <cmath>

#include "entity_helpers.h"
#include "mathlib/constants.h"

namespace quill {
namespace {

using EntityTest = GeometryTest;

TEST_F(EntityTest, NewEntityIsBlankAndReportsWhatItCannotMeasure) {
  tgEntity e;
  EXPECT_EQ(e.Kind(), KindBlank);
  EXPECT_TRUE(e.IsCCW());
  EXPECT_FALSE(e.Selected());
  EXPECT_FALSE(e.Marked());
  EXPECT_EQ(e.Length(ui), 0);
  EXPECT_EQ(e.ArcAngle(ui), 1.0);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Length called with Blank");
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
  EXPECT_EQ(ui.messages[1].text, "ArcAngle called with Blank");
}

TEST_F(EntityTest, ErrorLabelsNameTheOperation) {
  tgEntity blank, point = Point(1, 1);
  double x, y, z;
  point.LineAngle(ui);
  point.MidpointXYZ(ui, x, y, z);
  point.Offset(ui, 1, 0.1);
  point.SwapEnds(ui);
  blank.Move(ui, 1, 1, 1);
  blank.Mirror(ui, 0, 0, 0);
  blank.SameAs(ui, point);
  blank.Valid(ui);
  tgEntity other = Point(2, 2);
  other.MirrorLine(ui, point);
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{"LineAngle called with Point", "MidpointXYZ called with Point",
                                      "Offset called with Point", "SwapEnds called with Point",
                                      "Move called with Blank", "mirror called with Blank", "Same As called with Blank",
                                      "Valid called with Blank", "MirrorLine,line is an called with Point"}));
}

TEST_F(EntityTest, FlagsAreIndependentBits) {
  tgEntity e;
  e.SetSelected(true);
  e.SetMarked(true);
  e.SetSelected(false);
  EXPECT_FALSE(e.Selected());
  EXPECT_TRUE(e.Marked());
  tgEntity copy;
  e.CopyTo(copy);
  EXPECT_TRUE(copy.Marked());
}

TEST_F(EntityTest, ArcWithEqualAnglesSweepsAFullTurnButHasNoLength) {
  tgEntity a = Arc(0, 0, 1, 1.0, 1.0);
  EXPECT_DOUBLE_EQ(a.ArcAngle(ui), TwoPi);
  EXPECT_EQ(a.Length(ui), 0);
  EXPECT_TRUE(a.Valid(ui));
  EXPECT_EQ(a.SA(), 0);
  EXPECT_DOUBLE_EQ(a.FA(), TwoPi);
  EXPECT_DOUBLE_EQ(a.Length(ui), TwoPi);
}

TEST_F(EntityTest, ValidBringsAnglesIntoOneTurnAndRefusesBadShapes) {
  tgEntity a = Arc(0, 0, 1, 7.0, 8.0);
  EXPECT_TRUE(a.Valid(ui));
  EXPECT_NEAR(a.SA(), 7.0 - TwoPi, 1e-12);
  EXPECT_NEAR(a.FA(), 8.0 - TwoPi, 1e-12);
  tgEntity b = Arc(0, 0, 1, -0.5, 1.0);
  EXPECT_TRUE(b.Valid(ui));
  EXPECT_NEAR(b.SA(), TwoPi - 0.5, 1e-12);
  tgEntity huge = Arc(0, 0, 1, 1e300, -1e300);
  EXPECT_TRUE(huge.Valid(ui));  // finishes, whatever the angles come to
  EXPECT_FALSE(Arc(0, 0, 0, 0, 1).Valid(ui));
  EXPECT_FALSE(Line(1, 1, 1.0005, 1).Valid(ui));
  EXPECT_TRUE(Point(0, 0).Valid(ui));
}

TEST_F(EntityTest, ClockwiseArcRunsFromItsStartAngleTheShortWayRound) {
  // Clockwise from 90 degrees to 0: the quarter in the first quadrant.
  tgEntity cw = Arc(0, 0, 1, HalfPi, 0, false);
  double x, y, z;
  cw.StartpointXYZ(ui, x, y, z);
  EXPECT_NEAR(x, 0, 1e-12);
  EXPECT_NEAR(y, 1, 1e-12);
  cw.EndpointXYZ(ui, x, y, z);
  EXPECT_NEAR(x, 1, 1e-12);
  EXPECT_NEAR(cw.ArcAngle(ui), HalfPi, 1e-12);
  EXPECT_NEAR(cw.Length(ui), HalfPi, 1e-12);
  cw.MidpointXYZ(ui, x, y, z);
  EXPECT_NEAR(x, std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(y, std::sqrt(0.5), 1e-12);
  double xmin, ymin, xmax, ymax;
  cw.Extents(ui, xmin, ymin, xmax, ymax);
  EXPECT_NEAR(xmin, 0, 1e-12);
  EXPECT_NEAR(ymax, 1, 1e-12);
  tgEntity p;
  cw.PointAtFraction(p, 1.0 / 3);
  EXPECT_NEAR(p.X(), std::cos(HalfPi - HalfPi / 3), 1e-9);
  EXPECT_TRUE(cw.IsOnXY(std::sqrt(0.5), std::sqrt(0.5)));
  EXPECT_FALSE(cw.IsOnXY(-std::sqrt(0.5), -std::sqrt(0.5)));
}

TEST_F(EntityTest, MakeCcwAndSwapEndsKeepThePointsOfAClockwiseArc) {
  tgEntity cw = Arc(0, 0, 1, HalfPi, 0, false);
  tgEntity turned = cw;
  EXPECT_TRUE(turned.MakeCCW());
  EXPECT_TRUE(turned.IsCCW());
  EXPECT_EQ(turned.SA(), 0);
  EXPECT_EQ(turned.FA(), HalfPi);
  EXPECT_FALSE(turned.MakeCCW());
  EXPECT_TRUE(turned.IsOnXY(std::sqrt(0.5), std::sqrt(0.5)));

  tgEntity swapped = cw;
  swapped.SwapEnds(ui);
  double x, y, z;
  swapped.StartpointXYZ(ui, x, y, z);
  EXPECT_NEAR(x, 1, 1e-12);  // starts where the clockwise arc ended
  EXPECT_TRUE(swapped.IsCCW());
  swapped.SwapEnds(ui);
  EXPECT_FALSE(swapped.IsCCW());
  EXPECT_EQ(swapped.SA(), HalfPi);
}

TEST_F(EntityTest, SameAsIgnoresDirectionAndZ) {
  EXPECT_TRUE(Line(0, 0, 1, 1).SameAs(ui, Line(1, 1, 0, 0)));
  EXPECT_TRUE(Line(0, 0, 1, 1, 0).SameAs(ui, Line(0, 0, 1, 1, 5)));
  EXPECT_FALSE(Line(0, 0, 1, 1).SameAs(ui, Line(0, 0, 1, 1.001)));
  EXPECT_FALSE(Line(0, 0, 1, 1).SameAs(ui, Point(0, 0)));
  EXPECT_TRUE(Arc(1, 1, 2, 0, 1).SameAs(ui, Arc(1, 1, 2, 1, 0, false)));
  EXPECT_FALSE(Arc(1, 1, 2, 0, 1).SameAs(ui, Arc(1, 1, 2.1, 0, 1)));
  EXPECT_TRUE(Point(3, 4).SameAs(ui, Point(3.00001, 4)));
}

TEST_F(EntityTest, LineAngleAndLength) {
  EXPECT_NEAR(Line(0, 0, -1, -1).LineAngle(ui), 5 * Pi / 4, 1e-12);
  EXPECT_EQ(Line(1, 1, 1, 1).LineAngle(ui), UndefinedAngle);
  EXPECT_DOUBLE_EQ(Line(0, 0, 3, 4).Length(ui), 5);
  EXPECT_EQ(Line(0, 0, 0.0005, 0).Length(ui), 0);
  EXPECT_NEAR(Arc(0, 0, 2, 3 * HalfPi, HalfPi).Length(ui), 2 * Pi, 1e-12);
}

TEST_F(EntityTest, DescribeWritesTheTextForm) {
  EXPECT_EQ(tgEntity().Describe(), "Blank Entity");
  tgEntity p;
  p.SetPoint(1, 2, 0);
  EXPECT_EQ(p.Describe(), "Point  X1.00000 Y2.00000 Z0.00000");
  EXPECT_EQ(Line(12.5, -0.25, 0, 1).Describe(), "Line   X12.50000 Y-0.25000 Z0.00000 XE0.00000 YE1.00000 ZE0.00000");
  EXPECT_EQ(Arc(0, 0, 1, 0, HalfPi).Describe(), "ArcCCW X0.00000 Y0.00000 Z0.00000 R1.00000 SA0.00000 FA90.00000");
  EXPECT_EQ(Arc(0, 0, 1, Pi, 0, false).Describe(), "ArcCw  X0.00000 Y0.00000 Z0.00000 R1.00000 SA180.00000 FA0.00000");
}

TEST_F(EntityTest, ExtentsOfEachKind) {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  Arc(2, 3, 1, 0, TwoPi).Extents(ui, xmin, ymin, xmax, ymax);
  EXPECT_DOUBLE_EQ(xmin, 1);
  EXPECT_DOUBLE_EQ(ymax, 4);
  Line(3, -1, -2, 5).Extents(ui, xmin, ymin, xmax, ymax);
  EXPECT_EQ(xmin, -2);
  EXPECT_EQ(ymin, -1);
  EXPECT_EQ(xmax, 3);
  EXPECT_EQ(ymax, 5);
  EXPECT_TRUE(Point(1, 1).BoxContains(0.1, 1.05, 0.95));
  EXPECT_FALSE(Point(1, 1).BoxContains(0.01, 1.05, 0.95));
}

}  // namespace
}  // namespace quill
