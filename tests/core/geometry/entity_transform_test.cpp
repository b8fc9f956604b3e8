// Moving, turning, mirroring, scaling, offsetting and joining entities; distances and point tests.
#include <gtest/gtest.h>

#include <cmath>

#include "entity_helpers.h"
#include "geometry/entity.h"
#include "mathlib/constants.h"

namespace quill {
namespace {

using TransformTest = GeometryTest;

TEST_F(TransformTest, RotateAddsTheAngleAndOnlyLiftsNegativeAngles) {
  tgEntity a = Arc(1, 0, 1, 0.1, 1.0);
  a.Rotate(ui, 0, 0, -HalfPi);
  EXPECT_NEAR(a.SA(), 0.1 - HalfPi + TwoPi, 1e-12);
  EXPECT_NEAR(a.FA(), 1.0 - HalfPi + TwoPi, 1e-12);
  EXPECT_NEAR(a.X(), 0, 1e-12);
  EXPECT_NEAR(a.Y(), -1, 1e-12);
  tgEntity b = Arc(0, 0, 1, 6, 6.2);
  b.Rotate(ui, 0, 0, 1);
  EXPECT_DOUBLE_EQ(b.SA(), 7);
  tgEntity full = Arc(0, 0, 1, 0, TwoPi);
  full.Rotate(ui, 5, 5, 1);
  EXPECT_EQ(full.SA(), 0);
  tgEntity l = Line(1, 0, 2, 0);
  l.Rotate(ui, 0, 0, HalfPi);
  EXPECT_NEAR(l.X(), 0, 1e-12);
  EXPECT_NEAR(l.YE(), 2, 1e-12);
}

TEST_F(TransformTest, MirrorReflectsPointsAndArcAngles) {
  tgEntity a = Arc(2, 1, 1, 0, HalfPi);  // quarter above and right of its centre
  a.Mirror(ui, 0, 0, HalfPi);                // across the Y axis
  EXPECT_NEAR(a.X(), -2, 1e-12);
  EXPECT_NEAR(a.SA(), HalfPi, 1e-12);
  EXPECT_NEAR(a.FA(), Pi, 1e-12);
  EXPECT_TRUE(a.IsCCW());
  tgEntity l = Line(0, 1, 1, 1);
  tgEntity axis = Line(0, 0, 1, 0);
  l.MirrorLine(ui, axis);
  EXPECT_NEAR(l.Y(), -1, 1e-12);
  EXPECT_NEAR(l.YE(), -1, 1e-12);
}

TEST_F(TransformTest, ScaleMovesAboutTheCentreAndScalesTheRadius) {
  tgEntity a = Arc(10, 0, 1, 0, 1);
  a.Scale(ui, 10, 0, 2);
  EXPECT_EQ(a.R(), 2);
  EXPECT_EQ(a.X(), 10);
  tgEntity b = Arc(1, 1, 1, 0, 1);
  b.Scale(ui, 0, 0, 2);
  EXPECT_EQ(b.X(), 2);
  EXPECT_EQ(b.R(), 2);
  tgEntity l;
  l.SetLine(1, 2, 3, 4, 5, 6);
  l.Scale(ui, 0, 0, 2);
  EXPECT_EQ(l.XE(), 8);
  EXPECT_EQ(l.YE(), 10);
  EXPECT_EQ(l.ZE(), 6);
  EXPECT_EQ(l.Z(), 3);
}

TEST_F(TransformTest, OffsetShrinksOrGrowsByTheSideOfTravel) {
  tgEntity ccw = Arc(0, 0, 1, 0, 1);
  ccw.Offset(ui, 1, 0.1);
  EXPECT_DOUBLE_EQ(ccw.R(), 0.9);
  tgEntity cw = Arc(0, 0, 1, 1, 0, false);
  cw.Offset(ui, 1, 0.1);
  EXPECT_DOUBLE_EQ(cw.R(), 1.1);
  tgEntity l = Line(0, 0, 1, 0);
  l.Offset(ui, 1, 0.5);
  EXPECT_NEAR(l.Y(), 0.5, 1e-12);
  l.Offset(ui, -1, 1);
  EXPECT_NEAR(l.YE(), -0.5, 1e-12);
}

TEST_F(TransformTest, OrientFromStartsAtTheNearerEnd) {
  tgEntity l = Line(0, 0, 2, 0);
  l.OrientFrom(ui, 1, 5);  // exactly midway: unchanged
  EXPECT_EQ(l.X(), 0);
  l.OrientFrom(ui, 2.1, 0);
  EXPECT_EQ(l.X(), 2);
  tgEntity blank;
  blank.OrientFrom(ui, 0, 0);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"StartpointXYZ called with Blank"});
}

TEST_F(TransformTest, PointAtFractionCapsAndTakesMagnitude) {
  tgEntity l = Line(0, 0, 2, 0), p;
  ASSERT_TRUE(l.PointAtFraction(p, -0.25));
  EXPECT_NEAR(p.X(), 0.5, 1e-12);
  l.PointAtFraction(p, 3);
  EXPECT_NEAR(p.X(), 2, 1e-12);
  Arc(0, 0, 1, 0, Pi).PointAtFraction(p, 0.5);
  EXPECT_NEAR(p.Y(), 1, 1e-12);
  EXPECT_FALSE(tgEntity().PointAtFraction(p, 0.5));
  Arc(0, 0, 0, 0, Pi).PointAtFraction(p, 0.5);
  EXPECT_TRUE(std::isfinite(p.X()));
}

TEST_F(TransformTest, MergeJoinsOnlyOverlappingCollinearLines) {
  tgEntity a = Line(0, 0, 1, 1);
  ASSERT_TRUE(a.Merge(Line(0.5, 0.5, 2, 2)));
  EXPECT_EQ(a.X(), 0);
  EXPECT_EQ(a.YE(), 2);
  tgEntity b = Line(0, 0, 1, 0);
  EXPECT_FALSE(b.Merge(Line(2, 0, 3, 0)));
  EXPECT_FALSE(b.Merge(Line(0, 1, 1, 1)));  // parallel, apart
  EXPECT_FALSE(b.Merge(Line(0, 0, 1, 1)));  // not parallel
  // A line falling to the right keeps its direction along the joined segment.
  tgEntity c = Line(1, 0, 0, 1);
  ASSERT_TRUE(c.Merge(Line(0.5, 0.5, -1, 2)));
  EXPECT_NEAR(c.LineAngle(ui), 3 * Pi / 4, 1e-9);
  EXPECT_NEAR(c.X() + c.Y(), 1, 1e-12);
  EXPECT_NEAR(c.XE() + c.YE(), 1, 1e-12);
  EXPECT_NEAR(std::fabs(c.X() - c.XE()), 2, 1e-12);
}

TEST_F(TransformTest, DistancesBetweenKinds) {
  tgEntity p;
  p.SetPoint(0, 2, 0);
  tgEntity l = Line(0, 0, 1, 0);
  EXPECT_DOUBLE_EQ(l.DistanceTo(p), -2);  // left of the line is negative
  EXPECT_DOUBLE_EQ(p.DistanceTo(l), -2);
  tgEntity circle = Arc(0, 0, 3, 0, TwoPi);
  EXPECT_DOUBLE_EQ(circle.DistanceTo(p), 1);
  EXPECT_DOUBLE_EQ(circle.DistanceToPoint(4, 0, 0), -1);
  EXPECT_DOUBLE_EQ(Line(0, 1, 1, 1).DistanceTo(l), 1);
  EXPECT_EQ(Line(0, 1, 1, 2).DistanceTo(l), NotParallelMark);
  EXPECT_DOUBLE_EQ(circle.DistanceTo(Arc(5, 0, 1, 0, 1)), 1);
  EXPECT_EQ(tgEntity().DistanceTo(p), 0);
}

TEST_F(TransformTest, IsOnTestsTheLineBoxAndTheArcSweep) {
  tgEntity l = Line(0, 0, 1, 0);
  EXPECT_TRUE(l.IsOnXY(0.5, 0.00001));
  EXPECT_FALSE(l.IsOnXY(1.01, 0));
  EXPECT_TRUE(l.IsOnXY(1.00005, 0));  // inside the box grown by the entity tolerance
  {
    ToleranceScope tight(EntityTolerance, 0);
    EXPECT_FALSE(l.IsOnXY(1.00005, 0));
  }
  tgEntity a = Arc(0, 0, 1, 3 * HalfPi, HalfPi);  // right half, through angle 0
  EXPECT_TRUE(a.IsOnXY(1, 0));
  EXPECT_FALSE(a.IsOnXY(-1, 0));
  EXPECT_TRUE(Arc(0, 0, 1, 0, TwoPi).IsOnXY(-1, 0));
  tgEntity p;
  p.SetPoint(2, 2, 0);
  tgEntity q;
  q.SetPoint(2, 2, 9);
  EXPECT_TRUE(p.IsOn(q));
  EXPECT_TRUE(a.InsideCircle(p) == false);
  tgEntity inner = Line(0, 0, 0.5, 0.5);
  EXPECT_TRUE(a.InsideCircle(inner));
  EXPECT_FALSE(l.InsideCircle(inner));
}

}  // namespace
}  // namespace quill
