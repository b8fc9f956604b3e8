#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "mathlib/curves.h"

namespace quill {
namespace {

// The textbook de Casteljau construction, independent of the Bernstein sum under test.
CurvePoint DeCasteljau(std::vector<CurvePoint> p, double t) {
  for (size_t level = p.size() - 1; level > 0; --level) {
    for (size_t i = 0; i < level; ++i) p[i] = {p[i].X + t * (p[i + 1].X - p[i].X), p[i].Y + t * (p[i + 1].Y - p[i].Y)};
  }
  return p[0];
}

TEST(BezierPoints, ParabolaOfThreeNodes) {
  std::vector<CurvePoint> nodes{{0, 0}, {1, 1}, {2, 0}};
  auto ten = BezierPoints(nodes, 10);
  ASSERT_EQ(ten.size(), 10u);
  EXPECT_NEAR(ten.front().X, 0, 1e-12);
  EXPECT_NEAR(ten.front().Y, 0, 1e-12);
  EXPECT_NEAR(ten.back().X, 2, 1e-12);
  EXPECT_NEAR(ten.back().Y, 0, 1e-12);
  for (const auto& p : ten) EXPECT_LT(p.Y, 0.5);
  auto eleven = BezierPoints(nodes, 11);
  EXPECT_NEAR(eleven[5].X, 1.0, 1e-12);
  EXPECT_NEAR(eleven[5].Y, 0.5, 1e-12);
}

TEST(BezierPoints, NodeCountOutsideThreeTo125GivesNothing) {
  std::vector<CurvePoint> two{{0, 0}, {1, 1}};
  EXPECT_TRUE(BezierPoints(two, 10).empty());
  std::vector<CurvePoint> many(126);
  EXPECT_TRUE(BezierPoints(many, 10).empty());
  many.pop_back();
  EXPECT_EQ(BezierPoints(many, 10).size(), 10u);
  EXPECT_TRUE(BezierPoints(std::vector<CurvePoint>{{0, 0}, {1, 1}, {2, 0}}, 0).empty());
}

TEST(BezierPoints, SinglePointIsTheFirstNode) {
  auto one = BezierPoints(std::vector<CurvePoint>{{3, 4}, {1, 1}, {2, 0}}, 1);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_DOUBLE_EQ(one[0].X, 3);
  EXPECT_DOUBLE_EQ(one[0].Y, 4);
}

// Evenly spaced nodes on a line reproduce the line with a linear parameter, even at degree 124 where
// the binomials reach 1e36 and the powers 1e-38.
TEST(BezierPoints, HighestDegreeStaysAccurate) {
  std::vector<CurvePoint> nodes;
  for (int i = 0; i < 125; ++i) nodes.push_back({double(i), 2.0 * i});
  auto pts = BezierPoints(nodes, 50);
  ASSERT_EQ(pts.size(), 50u);
  for (int k = 0; k < 50; ++k) {
    double expect = 124.0 * k / 49.0;
    EXPECT_NEAR(pts[k].X, expect, 1e-9) << k;
    EXPECT_NEAR(pts[k].Y, 2 * expect, 1e-9) << k;
  }
}

TEST(BezierPoints, MatchesDeCasteljauOnRandomNodes) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> coord(-5, 5);
  for (int count : {3, 4, 7, 20, 60}) {
    std::vector<CurvePoint> nodes(count);
    for (auto& n : nodes) n = {coord(rng), coord(rng)};
    auto pts = BezierPoints(nodes, 33);
    for (int k = 0; k < 33; ++k) {
      CurvePoint ref = DeCasteljau(nodes, k / 32.0);
      EXPECT_NEAR(pts[k].X, ref.X, 1e-9) << count << " " << k;
      EXPECT_NEAR(pts[k].Y, ref.Y, 1e-9) << count << " " << k;
    }
  }
}

}  // namespace
}  // namespace quill
