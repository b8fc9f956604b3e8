#include "artwork/dxf_nurbs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quill {
namespace {

TEST(NurbsTest, ClampedQuadraticIsTheBezierArch) {
  auto points = SampleNurbs({2, {{0, 0}, {1, 2}, {2, 0}}, {0, 0, 0, 1, 1, 1}, {}}, 0.01);
  ASSERT_GE(points.size(), 5u);
  EXPECT_DOUBLE_EQ(points.front().X, 0);
  EXPECT_DOUBLE_EQ(points.back().X, 2);
  for (const auto& p : points) EXPECT_NEAR(p.Y, 2 * p.X * (1 - p.X / 2), 1e-12);  // y = x (2 - x)
}

TEST(NurbsTest, WeightsMakeAnExactQuarterCircle) {
  double w = std::sqrt(0.5);
  auto points = SampleNurbs({2, {{1, 0}, {1, 1}, {0, 1}}, {0, 0, 0, 1, 1, 1}, {1, w, 1}}, 0.01);
  for (const auto& p : points) EXPECT_NEAR(std::hypot(p.X, p.Y), 1, 1e-12);
  EXPECT_NEAR(points.back().X, 0, 1e-12);
}

TEST(NurbsTest, DamagedDataStillGivesACurveThroughTheEnds) {
  // Knots that do not fit the points, weights that do not count: the clamped uniform curve, unweighted.
  auto points = SampleNurbs({3, {{0, 0}, {1, 1}, {2, -1}, {3, 0}, {4, 0}}, {5, 1}, {1, -1}}, 0.1);
  ASSERT_FALSE(points.empty());
  EXPECT_NEAR(points.front().X, 0, 1e-12);
  EXPECT_NEAR(points.back().X, 4, 1e-12);
  // A degree beyond the points is lowered; a degree of one is the polygon itself.
  EXPECT_EQ(SampleNurbs({7, {{0, 0}, {1, 1}}, {}, {}}, 0.1).size(), 2u);
  EXPECT_EQ(SampleNurbs({1, {{0, 0}, {1, 1}, {2, 0}}, {}, {}}, 0.1).size(), 3u);
  EXPECT_TRUE(SampleNurbs({3, {{0, 0}}, {}, {}}, 0.1).empty());
  auto nan = SampleNurbs({3, {{0, 0}, {1, 1}, {2, 0}, {3, 1}}, {0, 0, 0, 0, NAN, 1, 1, 1}, {}}, 0.0);
  EXPECT_FALSE(nan.empty());
}

}  // namespace
}  // namespace quill
