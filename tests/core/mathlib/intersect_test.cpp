#include "mathlib/intersect.h"

#include <gtest/gtest.h>

#include <cmath>

#include "mathlib/tolerance.h"

namespace quill {
namespace {

TEST(CircleCircle, TwoPointsTangentAndApart) {
  IntersectionResult r;
  ASSERT_EQ(CircleCircleIntersect(0, 0, 1, 1, 0, 1, r), IntersectFound);
  EXPECT_FALSE(r.Tangent);
  EXPECT_NEAR(r.X1, 0.5, 1e-12);
  EXPECT_NEAR(std::fabs(r.Y1), std::sqrt(0.75), 1e-12);
  EXPECT_NEAR(r.Y1, -r.Y2, 1e-12);

  ASSERT_EQ(CircleCircleIntersect(0, 0, 1, 2.00004, 0, 1, r), IntersectFound);
  EXPECT_TRUE(r.Tangent);
  EXPECT_NEAR(r.X1, 1.00002, 1e-9);

  r = IntersectionResult{9, 9, 9, 9, false};
  EXPECT_EQ(CircleCircleIntersect(0, 0, 1, 2.0001, 0, 1, r), IntersectNone);
  EXPECT_EQ(r.X1, 9);  // untouched on failure
}

TEST(CircleCircle, BadInputCodes) {
  IntersectionResult r;
  EXPECT_EQ(CircleCircleIntersect(0, 0, 0, 1, 0, 1, r), IntersectBadInput);
  EXPECT_EQ(CircleCircleIntersect(0, 0, 1, 1, 0, -1, r), IntersectBadInput);
  EXPECT_EQ(CircleCircleIntersect(0, 0, 1, 0, 0, 2, r), IntersectCoincident);
}

TEST(CircleCircle, TighterToleranceForItsScope) {
  IntersectionResult r;
  {
    ToleranceScope tight(TangencyTolerance, 1e-06);
    EXPECT_EQ(CircleCircleIntersect(0, 0, 1, 2.00004, 0, 1, r), IntersectNone);
  }
  EXPECT_EQ(TangencyTolerance, DefaultTangencyTolerance);
  EXPECT_EQ(CircleCircleIntersect(0, 0, 1, 2.00004, 0, 1, r), IntersectFound);
}

TEST(LineCircle, HorizontalVerticalSlopedAndTangent) {
  IntersectionResult r;
  ASSERT_EQ(LineCircleIntersect(-5, 0, 5, 0, 0, 0, 2, r), IntersectFound);
  EXPECT_FALSE(r.Tangent);
  EXPECT_NEAR(r.X1, 2, 1e-12);
  EXPECT_NEAR(r.X2, -2, 1e-12);

  ASSERT_EQ(LineCircleIntersect(1, -5, 1, 5, 1, 1, 1, r), IntersectFound);
  EXPECT_NEAR(r.X1, 1, 1e-12);
  EXPECT_NEAR(r.Y1, 2, 1e-12);
  EXPECT_NEAR(r.Y2, 0, 1e-12);

  ASSERT_EQ(LineCircleIntersect(0, 0, 1, 1, 0, 0, std::sqrt(2.0), r), IntersectFound);
  EXPECT_NEAR(r.X1, 1, 1e-12);
  EXPECT_NEAR(r.Y1, 1, 1e-12);
  EXPECT_NEAR(r.X2, -1, 1e-12);
  EXPECT_NEAR(r.Y2, -1, 1e-12);

  ASSERT_EQ(LineCircleIntersect(-5, 1, 5, 1, 0, 0, 1, r), IntersectFound);
  EXPECT_TRUE(r.Tangent);
  EXPECT_NEAR(r.X1, 0, 1e-12);

  EXPECT_EQ(LineCircleIntersect(-5, 3, 5, 3, 0, 0, 1, r), IntersectNone);
  EXPECT_EQ(LineCircleIntersect(0, 0, 1, 0, 0, 0, 0, r), IntersectBadInput);
  EXPECT_EQ(LineCircleIntersect(1, 1, 1.00001, 1, 0, 0, 1, r), IntersectCoincident);
}

TEST(LineLine, CrossingParallelAndDegenerate) {
  IntersectionResult r;
  // Segments that do not overlap still meet where their lines cross.
  ASSERT_EQ(LineLineIntersect(0, 0, 1, 0, 5, 1, 5, 2, r), IntersectFound);
  EXPECT_NEAR(r.X1, 5, 1e-12);
  EXPECT_NEAR(r.Y1, 0, 1e-12);
  EXPECT_EQ(LineLineIntersect(0, 0, 1, 0, 0, 1, 1, 1, r), IntersectParallel);
  EXPECT_EQ(LineLineIntersect(0, 0, 0, 0, 0, 1, 1, 1, r), IntersectBadInput);
  EXPECT_EQ(LineLineIntersect(0, 0, 1, 0, 2, 2, 2 + 1e-8, 2, r), IntersectBadInput);
}

}  // namespace
}  // namespace quill
