#include "mathlib/curves_spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quill {
namespace {

double Cubic(double x) {
  return 0.5 * x * x * x - 2 * x * x + x - 3;
}

TEST(CubicSpline, PointsOnALineStayOnIt) {
  std::vector<double> xs{0, 0.7, 1.1, 2.5, 4.0, 4.2};
  std::vector<double> ys;
  for (double x : xs) ys.push_back(3 * x - 1);
  for (double x : {-1.0, 0.0, 0.3, 1.0, 2.0, 4.1, 6.0}) EXPECT_NEAR(CubicSplineAt(ys, xs, x), 3 * x - 1, 1e-10) << x;
}

// Not-a-knot ends reproduce any cubic exactly, also on uneven intervals and beyond the ends.
TEST(CubicSpline, ReproducesACubic) {
  for (size_t count : {4u, 5u, 9u}) {
    std::vector<double> xs, ys;
    for (size_t i = 0; i < count; ++i) {
      double x = i * 0.8 + (i % 2) * 0.3;
      xs.push_back(x);
      ys.push_back(Cubic(x));
    }
    CubicSpline spline(ys, xs);
    for (double x = -0.5; x < xs.back() + 0.5; x += 0.13)
      EXPECT_NEAR(spline.At(x), Cubic(x), 1e-9) << count << " " << x;
  }
}

TEST(CubicSpline, FewNodes) {
  EXPECT_EQ(CubicSplineAt({}, {}, 1.0), 0.0);
  std::vector<double> one{5};
  EXPECT_EQ(CubicSplineAt(one, std::vector<double>{2}, 7.0), 5.0);
  std::vector<double> x2{0, 2}, y2{1, 5};
  EXPECT_NEAR(CubicSplineAt(y2, x2, 1.5), 4.0, 1e-12);
  // Three nodes: the parabola through them.
  std::vector<double> x3{0, 1, 3}, y3{0, 1, 9};
  EXPECT_NEAR(CubicSplineAt(y3, x3, 2.0), 4.0, 1e-12);
  EXPECT_NEAR(CubicSplineAt(y3, x3, -1.0), 1.0, 1e-12);
}

TEST(CubicSpline, PassesThroughEveryNode) {
  std::vector<double> xs{0, 0.5, 1.7, 2.0, 3.9, 5.0, 5.1}, ys{1, -2, 0.5, 4, 4, -1, 0};
  CubicSpline spline(ys, xs);
  for (size_t i = 0; i < xs.size(); ++i) EXPECT_NEAR(spline.At(xs[i]), ys[i], 1e-10) << i;
}

TEST(CubicSpline, RepeatedAbscissaIsLeftOut) {
  std::vector<double> xs{0, 1, 1, 2, 3}, ys{0, 1, 99, 2, 3};
  CubicSpline spline(ys, xs);
  EXPECT_NEAR(spline.At(1.0), 1.0, 1e-12);
  EXPECT_NEAR(spline.At(2.5), 2.5, 1e-12);
  std::vector<double> bad{0, NAN, 2}, vals{0, 7, 2};
  EXPECT_NEAR(CubicSplineAt(vals, bad, 1.0), 1.0, 1e-12);
}

TEST(SampleSpline, EvenStepDividingTheLength) {
  std::vector<double> xs{0, 0.02, 0.05}, ys{0, 0.02, 0.05};
  auto s = SampleSpline(ys, xs, 0.01);
  ASSERT_EQ(s.size(), 6u);
  for (size_t k = 0; k < s.size(); ++k) EXPECT_NEAR(s[k], 0.01 * k, 1e-12);
  // 0.047 / 0.01 rounds to 5 steps of 0.0094.
  std::vector<double> x2{0, 0.047}, y2{0, 0.047};
  auto s2 = SampleSpline(y2, x2, 0.01);
  ASSERT_EQ(s2.size(), 6u);
  EXPECT_NEAR(s2[1], 0.0094, 1e-12);
}

TEST(SampleSpline, AtMost250Samples) {
  std::vector<double> xs{0, 1, 2, 3}, ys{0, 1, 2, 3};
  auto s = SampleSpline(ys, xs, 0.001);
  ASSERT_EQ(s.size(), 250u);
  EXPECT_NEAR(s[1], 3.0 / 249, 1e-12);
  EXPECT_NEAR(s.back(), 3.0, 1e-12);
  std::vector<double> far{0, 1e300}, vals{0, 1};
  EXPECT_EQ(SampleSpline(vals, far, 0.001).size(), 250u);
}

TEST(SampleSpline, ShortOrBadStepFallsBackToAHundredth) {
  std::vector<double> xs{0, 0.03}, ys{0, 0.03};
  EXPECT_EQ(SampleSpline(ys, xs, 0.5).size(), 4u);
  EXPECT_EQ(SampleSpline(ys, xs, 0.0).size(), 4u);
  EXPECT_EQ(SampleSpline(ys, xs, -1.0).size(), 4u);
  // Shorter than half a step: still its two ends.
  std::vector<double> tiny{0, 0.001};
  EXPECT_EQ(SampleSpline(ys, tiny, 0.01).size(), 2u);
  EXPECT_TRUE(SampleSpline({}, {}, 0.01).empty());
}

}  // namespace
}  // namespace quill
