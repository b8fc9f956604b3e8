#include "artwork/dxf_nurbs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace quill {
namespace {

// Plain rational de Boor with every weight carried along, as a reference for the sampled points: curves
// without weights are sampled without carrying them and must come out the same to the bit.
CurvePoint Reference(const NurbsCurve& c, int k, double u) {
  const int p = c.degree;
  std::vector<double> x(p + 1), y(p + 1), w(p + 1);
  for (int j = 0; j <= p; ++j) {
    w[j] = 1.0;
    x[j] = c.control[j + k - p].X * w[j];
    y[j] = c.control[j + k - p].Y * w[j];
  }
  for (int r = 1; r <= p; ++r) {
    for (int j = p; j >= r; --j) {
      double lo = c.knots[j + k - p], hi = c.knots[j + 1 + k - r];
      double a = hi > lo ? (u - lo) / (hi - lo) : 0;
      x[j] = (1 - a) * x[j - 1] + a * x[j];
      y[j] = (1 - a) * y[j - 1] + a * y[j];
      w[j] = (1 - a) * w[j - 1] + a * w[j];
    }
  }
  return {x[p] / w[p], y[p] / w[p]};
}

TEST(NurbsTest, UnweightedCurvesMatchTheRationalEvaluationBitForBit) {
  std::mt19937 rng(22);
  std::uniform_real_distribution<double> coordinate(-500, 500), gap(0.0, 3.0);
  for (int degree = 2; degree <= 5; ++degree) {
    for (int trial = 0; trial < 40; ++trial) {
      NurbsCurve c;
      c.degree = degree;
      const int n = degree + 1 + trial % 9;
      for (int i = 0; i < n; ++i) c.control.push_back({coordinate(rng), coordinate(rng)});
      double t = 0;
      for (int i = 0; i < n + degree + 1; ++i) {
        if (i > degree && i <= n) t += trial % 3 == 0 ? 1.0 : gap(rng);  // some spans empty, some uneven
        c.knots.push_back(t);
      }
      if (trial % 2) c.weights.assign(c.control.size(), 1.0);
      if (!(c.knots[degree] < c.knots[n])) continue;
      const double step = 0.5;
      std::vector<CurvePoint> expected{Reference(c, degree, c.knots[degree])};
      for (int k = degree; k < n; ++k) {
        const double lo = c.knots[k], hi = c.knots[k + 1];
        if (!(hi > lo)) continue;
        double length = 0;
        for (int i = k - degree + 1; i <= k; ++i) {
          length += std::hypot(c.control[i].X - c.control[i - 1].X, c.control[i].Y - c.control[i - 1].Y);
        }
        const int steps = static_cast<int>(std::clamp(std::ceil(length / step), 4.0, 64.0));
        for (int i = 1; i <= steps; ++i) expected.push_back(Reference(c, k, lo + (hi - lo) * i / steps));
      }
      const auto points = SampleNurbs(c, step);
      ASSERT_EQ(points.size(), expected.size());
      for (size_t i = 0; i < points.size(); ++i) {
        ASSERT_EQ(points[i].X, expected[i].X) << "degree " << degree << " trial " << trial << " point " << i;
        ASSERT_EQ(points[i].Y, expected[i].Y) << "degree " << degree << " trial " << trial << " point " << i;
      }
    }
  }
}

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
