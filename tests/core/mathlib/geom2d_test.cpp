#include "mathlib/geom2d.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quill {
namespace {

TEST(ZeroTests, BoundariesOfTheTwoTolerances) {
  EXPECT_TRUE(IsZero(4.9e-05));
  EXPECT_FALSE(IsZero(5e-05));
  EXPECT_TRUE(IsZero(-4.9e-05));
  EXPECT_TRUE(IsNearZero(0.001));
  EXPECT_TRUE(IsNearZero(-0.001));
  EXPECT_FALSE(IsNearZero(0.0011));
  EXPECT_EQ(Sign(0.0), 0);
  EXPECT_EQ(Sign(1e-300), 1);
  EXPECT_EQ(Sign(-1e-300), -1);
}

TEST(VectorAngle, QuadrantsAndNullVectors) {
  EXPECT_EQ(VectorAngle(0, 0), UndefinedAngle);
  EXPECT_EQ(VectorAngle(0.00001, -0.00001), UndefinedAngle);
  EXPECT_DOUBLE_EQ(VectorAngle(-1, 0), Pi);
  EXPECT_DOUBLE_EQ(VectorAngle(1, 0), 0);
  EXPECT_DOUBLE_EQ(VectorAngle(1, -1), 7 * Pi / 4);
  EXPECT_DOUBLE_EQ(VectorAngle(-1, -1), 5 * Pi / 4);
  EXPECT_DOUBLE_EQ(VectorAngle(-1, 1), 3 * Pi / 4);
  EXPECT_DOUBLE_EQ(VectorAngle(0.00004, 1), HalfPi);  // dx counts as zero
  EXPECT_DOUBLE_EQ(VectorAngle(0, -2), ThreeHalfPi);
}

TEST(ReduceAngle, KeepsTheSignAndStopsAtOneTurn) {
  double a = -7;
  ReduceAngle(a);
  EXPECT_DOUBLE_EQ(a, -7 + TwoPi);
  a = TwoPi;
  ReduceAngle(a);
  EXPECT_DOUBLE_EQ(a, TwoPi);
  a = 3 * TwoPi + 1;
  ReduceAngle(a);
  EXPECT_NEAR(a, 1, 1e-12);
  a = -TwoPi;
  ReduceAngle(a);
  EXPECT_DOUBLE_EQ(a, -TwoPi);
}

TEST(ReduceAngle, HugeAndNonFiniteAnglesReturn) {
  double a = 1e300;
  ReduceAngle(a);
  EXPECT_GE(a, 0);
  EXPECT_LE(a, TwoPi);
  a = -1e18;
  ReduceAngle(a);
  EXPECT_LT(a, 0);
  EXPECT_GE(a, -TwoPi);
  a = INFINITY;
  ReduceAngle(a);
  EXPECT_TRUE(std::isinf(a));
}

TEST(AngleQuadrant, EdgesBelongToTheQuadrantTheyStart) {
  EXPECT_EQ(AngleQuadrant(0), 1);
  EXPECT_EQ(AngleQuadrant(HalfPi), 2);
  EXPECT_EQ(AngleQuadrant(Pi), 3);
  EXPECT_EQ(AngleQuadrant(ThreeHalfPi), 4);
  EXPECT_EQ(AngleQuadrant(TwoPi), 1);            // a full turn is taken off once
  EXPECT_EQ(AngleQuadrant(TwoPi - 1e-5), 1);     // a hair short of a turn is the start, not nowhere
  EXPECT_EQ(AngleQuadrant(TwoPi - 1e-4), 4);
  EXPECT_EQ(AngleQuadrant(TwoPi + 0.1), 1);
  EXPECT_EQ(AngleQuadrant(-0.1), 0);
  EXPECT_EQ(AngleQuadrant(3 * TwoPi), 0);
}

TEST(Distance2D, BelowAThousandthReadsAsZero) {
  EXPECT_EQ(Distance2D(0, 0, 0.0009, 0), 0);
  EXPECT_NEAR(Distance2D(0, 0, 0.0011, 0), 0.0011, 1e-15);
  EXPECT_DOUBLE_EQ(Distance2D(1, 1, 4, 5), 5);
}

TEST(PointsAndLines, RotateMirrorAndSignedDistance) {
  double x = 2, y = 1;
  RotatePoint(x, y, 1, 1, HalfPi);
  EXPECT_NEAR(x, 1, 1e-12);
  EXPECT_NEAR(y, 2, 1e-12);

  // Right of the direction is positive.
  EXPECT_DOUBLE_EQ(PointLineDistance(0, -1, 0, 0, 1, 0), 1);
  EXPECT_DOUBLE_EQ(PointLineDistance(0, 2, 0, 0, 1, 0), -2);
  EXPECT_DOUBLE_EQ(PointLineDistance(3, 4, 0, 0, 0.00001, 0), 5);  // degenerate line: distance to P1

  x = 1;
  y = -1;
  MirrorPoint(x, y, 0, 0, 0);
  EXPECT_NEAR(x, 1, 1e-12);
  EXPECT_NEAR(y, 1, 1e-12);
  x = 2;
  y = 0;
  MirrorPoint(x, y, 0, 0, Pi / 4);
  EXPECT_NEAR(x, 0, 1e-12);
  EXPECT_NEAR(y, 2, 1e-12);

  double mx, my;
  MidPoint(1, 2, 3, 6, mx, my);
  EXPECT_EQ(mx, 2);
  EXPECT_EQ(my, 4);
}

TEST(TurnAngle, SignAndInteriorAngle) {
  double a;
  EXPECT_EQ(TurnAngle(0, 0, 1, 0, 1, 1, a), 1);
  EXPECT_NEAR(a, HalfPi, 1e-12);
  EXPECT_EQ(TurnAngle(0, 0, 1, 0, 1, -1, a), -1);
  EXPECT_NEAR(a, HalfPi, 1e-12);
  EXPECT_EQ(TurnAngle(0, 0, 1, 0, 2, 0, a), 0);
  EXPECT_EQ(a, 0);
  // Sharp turn back: nearly zero interior angle.
  EXPECT_EQ(TurnAngle(0, 0, 1, 0, 0, 0.01, a), 1);
  EXPECT_NEAR(a, 0.01, 1e-4);
}

TEST(ParallelLineDistance, ParallelAndNot) {
  EXPECT_NEAR(ParallelLineDistance(0, 0, 1, 0, 5, 2, 7, 2), 2, 1e-12);
  EXPECT_NEAR(ParallelLineDistance(0, 0, 1, 0, 7, -3, 5, -3), 3, 1e-12);  // opposite directions count
  EXPECT_EQ(ParallelLineDistance(0, 0, 1, 0, 0, 0, 1, 1), NotParallelMark);
}

TEST(CircleGap, SeparateAndNested) {
  EXPECT_DOUBLE_EQ(CircleGap(0, 0, 1, 5, 0, 1), 3);
  EXPECT_DOUBLE_EQ(CircleGap(0, 0, 5, 1, 0, 1), 3);  // small circle inside the big one
  EXPECT_DOUBLE_EQ(CircleGap(1, 0, 1, 0, 0, 5), 3);
}

struct BoxCase {
  double a1, a2;
  double xmin, ymin, xmax, ymax;
};

TEST(ArcExtents, WidensByTheDirectionsPassed) {
  const double s = std::sqrt(0.5);
  const BoxCase cases[] = {
      {0, HalfPi, 0, 0, 1, 1},                 // quarter: the end points
      {Pi / 4, 3 * Pi / 4, -s, s, s, 1},       // passes pi/2
      {3 * Pi / 4, Pi / 4, -1, -1, 1, s},      // the long way round
      {0.1, 0.1, -1, -1, 1, 1},                // a1 = a2 is a full circle
      {0, TwoPi, -1, -1, 1, 1},                // a full turn written 0..2pi
      {0.2, 0.1, -1, -1, 1, 1},                // nearly a full turn inside one quadrant
      {Pi + 0.1, Pi + 0.2, std::cos(Pi + 0.1), std::sin(Pi + 0.2), std::cos(Pi + 0.2), std::sin(Pi + 0.1)},
  };
  for (const auto& c : cases) {
    double xmin, ymin, xmax, ymax;
    ArcExtents(0, 0, 1, c.a1, c.a2, xmin, ymin, xmax, ymax);
    SCOPED_TRACE(testing::Message() << c.a1 << " to " << c.a2);
    EXPECT_NEAR(xmin, c.xmin, 1e-12);
    EXPECT_NEAR(ymin, c.ymin, 1e-12);
    EXPECT_NEAR(xmax, c.xmax, 1e-12);
    EXPECT_NEAR(ymax, c.ymax, 1e-12);
  }
}

TEST(ArcExtents, AnAngleOutsideEveryQuadrantLeavesTheBoxAlone) {
  double xmin = 7, ymin = 7, xmax = 7, ymax = 7;
  ArcExtents(0, 0, 1, -1, 1, xmin, ymin, xmax, ymax);
  EXPECT_EQ(xmin, 7);
  EXPECT_EQ(ymax, 7);
}

}  // namespace
}  // namespace quill
