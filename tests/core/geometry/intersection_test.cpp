// Crossings of lines and arcs, and arcs through three points.
#include "geometry/intersection.h"

#include <gtest/gtest.h>

#include <cmath>

#include "entity_helpers.h"
#include "geometry/builder.h"
#include "geometry/entity.h"
#include "mathlib/constants.h"

namespace quill {
namespace {

class IntersectionTest : public GeometryTest {
 protected:
  tgIntersection hit{ui};
};

TEST_F(IntersectionTest, LinesCrossingOutsideBothSegments) {
  tgEntity a = Line(0, 0, 1, 0), b = Line(3, -1, 3, 1);
  ASSERT_TRUE(hit.Compute(a, b, false));
  EXPECT_EQ(hit.Count, 1);
  EXPECT_DOUBLE_EQ(hit.X1, 3);
  EXPECT_FALSE(hit.Intersect(a, b));
  EXPECT_EQ(hit.Count, 0);
  EXPECT_FALSE(hit.Compute(a, Line(0, 1, 1, 1), false));  // parallel
  ASSERT_TRUE(hit.Intersect(Line(0, 0, 2, 2), Line(0, 2, 2, 0)));
  tgEntity p;
  hit.FirstPoint(p);
  EXPECT_TRUE(p.IsPoint());
  EXPECT_DOUBLE_EQ(p.X(), 1);
}

TEST_F(IntersectionTest, OnlyTheSecondPointOnTheSegmentMovesIntoFirstPlace) {
  tgEntity circle = Arc(0, 0, 1, 0, TwoPi);
  ASSERT_TRUE(hit.Compute(Line(-2, 0, 2, 0), circle, false));
  ASSERT_EQ(hit.Count, 2);
  double first = hit.X1, second = hit.X2;
  // A segment that holds only the second crossing.
  tgEntity segment = first > second ? Line(-2, 0, 0, 0) : Line(0, 0, 2, 0);
  ASSERT_TRUE(hit.Intersect(segment, circle));
  EXPECT_EQ(hit.Count, 1);
  EXPECT_DOUBLE_EQ(hit.X1, second);
  // Either order of line and arc.
  ASSERT_TRUE(hit.Intersect(circle, segment));
  EXPECT_DOUBLE_EQ(hit.X1, second);
}

TEST_F(IntersectionTest, ArcRangeLimitsTheCrossings) {
  tgEntity upper = Arc(0, 0, 1, 0, Pi);
  ASSERT_TRUE(hit.Intersect(Line(0, -2, 0, 2), upper));
  EXPECT_EQ(hit.Count, 1);
  EXPECT_NEAR(hit.Y1, 1, 1e-12);
  EXPECT_FALSE(hit.Intersect(Line(-0.5, -2, -0.5, -0.1), upper));
}

TEST_F(IntersectionTest, TangentsAndCoincidentCircles) {
  tgEntity circle = Arc(0, 0, 1, 0, TwoPi);
  ASSERT_TRUE(hit.Intersect(Line(-2, 1.00002, 2, 1.00002), circle));
  EXPECT_EQ(hit.Count, 1);
  EXPECT_TRUE(hit.IsTangent());
  EXPECT_FALSE(hit.Compute(Arc(0, 0, 1, 0, 1), Arc(0, 0, 1, 2, 3), false));
  ASSERT_TRUE(hit.Intersect(circle, Arc(1, 0, 1, 0, TwoPi)));
  EXPECT_EQ(hit.Count, 2);
  tgEntity p;
  hit.SecondPoint(p);
  EXPECT_NEAR(p.X(), 0.5, 1e-12);
}

TEST_F(IntersectionTest, PointsAreReportedAsInteresct) {
  tgEntity p;
  p.SetPoint(0, 0, 0);
  EXPECT_FALSE(hit.Compute(p, Line(0, 0, 1, 1), true));
  EXPECT_EQ(hit.Count, 0);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Interesct called with Point"});
}

TEST(BuilderTest, CircleThroughThreePoints) {
  tgBuilder b;
  double cx, cy, r;
  ASSERT_TRUE(b.CircleFrom3Points(0, 0, 1, 1, 2, 0, cx, cy, r));
  EXPECT_NEAR(cx, 1, 1e-12);
  EXPECT_NEAR(cy, 0, 1e-12);
  EXPECT_NEAR(r, 1, 1e-12);
  ASSERT_TRUE(b.CircleFrom3Points(0, 0, 0, 1, 1, 0, cx, cy, r));  // first two on a vertical
  EXPECT_NEAR(cx, 0.5, 1e-12);
  EXPECT_NEAR(cy, 0.5, 1e-12);
  EXPECT_NEAR(r, std::sqrt(0.5), 1e-12);
  ASSERT_TRUE(b.CircleFrom3Points(0, 1, 2, 0, 0, -1, cx, cy, r));  // first and last on a vertical
  EXPECT_NEAR(cx, 0.75, 1e-12);
  EXPECT_FALSE(b.CircleFrom3Points(0, 0, 0, 1, 0, 2, cx, cy, r));
  EXPECT_FALSE(b.CircleFrom3Points(0, 0, 1, 1, 2, 2, cx, cy, r));
}

TEST(BuilderTest, ArcRunsCounterClockwiseFromStartToEnd) {
  tgBuilder b;
  tgEntity s, m, e, arc;
  s.SetPoint(0, 0, 0);
  m.SetPoint(1, 1, 0);
  e.SetPoint(2, 0, 0);
  ASSERT_TRUE(b.ArcFrom3Points(s, m, arc, e));
  EXPECT_TRUE(arc.IsArc());
  EXPECT_TRUE(arc.IsCCW());
  EXPECT_NEAR(arc.SA(), Pi, 1e-12);
  EXPECT_NEAR(arc.FA(), 0, 1e-12);
  EXPECT_TRUE(arc.IsOnXY(1, -1));  // through the lower half, whatever the middle point said
  e.SetPoint(4, 4, 0);
  m.SetPoint(2, 2, 0);
  EXPECT_FALSE(b.ArcFrom3Points(s, m, arc, e));
}

}  // namespace
}  // namespace quill
