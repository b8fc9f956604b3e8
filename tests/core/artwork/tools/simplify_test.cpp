// Douglas-Peucker: what it keeps, and that a polyline of any length is worked without running the stack
// out.
#include <gtest/gtest.h>
#include <pthread.h>

#include <cmath>
#include <vector>

#include "artwork/tools/simplify.h"

namespace quill {
namespace {

TEST(Simplify, KeepsThePointsThatMatterWithinTheTolerance) {
  std::vector<Vector3> points = {{0, 0, 0}, {1, 0.0001, 0}, {2, 0, 0}}, out;
  EXPECT_EQ(Simplify(points, 0.001, out), 2u);
  EXPECT_EQ(out[1].X, 2);
  EXPECT_EQ(Simplify(points, 0.00001, out), 3u);
  // Height counts too: the middle point stands 1 above the line.
  EXPECT_EQ(Simplify(std::vector<Vector3>{{0, 0, 0}, {1, 0, 1}, {2, 0, 0}}, 0.5, out), 3u);
  // Beyond an end of the segment the distance is to that end.
  EXPECT_EQ(Simplify(std::vector<Vector3>{{0, 0, 0}, {3, 0, 0}, {2, 0, 0}}, 0.5, out), 3u);
}

TEST(Simplify, FewerThanTwoPointsGiveNothing) {
  std::vector<Vector3> out{{1, 1, 1}};
  EXPECT_EQ(Simplify(std::vector<Vector3>{{1, 2, 3}}, 0.1, out), 0u);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(Simplify(std::vector<Vector3>{}, 0.1, out), 0u);
}

TEST(Simplify, TheFirstOfEquallyFarPointsIsKept) {
  // Both inner points stand 1 off the line; the first splits, and the second is then within reach.
  std::vector<Vector3> points = {{0, 0, 0}, {1, 1, 0}, {2, 1, 0}, {3, 0, 0}}, out;
  EXPECT_EQ(Simplify(points, 1.5, out), 2u);
  ASSERT_EQ(Simplify(points, 0.5, out), 3u);
  EXPECT_EQ(out[1].X, 1);
}

TEST(Simplify, AMillionPointPolylineIsWorked) {
  std::vector<Vector3> points(1000000), out;
  for (size_t i = 0; i < points.size(); ++i) {
    double t = static_cast<double>(i) * 1e-5;
    points[i] = {t, std::sin(t) + ((i % 2) ? 1e-6 : -1e-6), 0};
  }
  size_t kept = Simplify(points, 0.001, out);
  EXPECT_GT(kept, 10u);
  EXPECT_LT(kept, 2000u);
  EXPECT_EQ(out.back().X, points.back().X);
}

// A zigzag keeps every point and splits one point off at a time: a recursive walk would go as deep as
// the polyline is long.  On a thread with a 128 kB stack that would overflow long before the end.
void* SimplifyZigzag(void* result) {
  std::vector<Vector3> points(6000), out;
  for (size_t i = 0; i < points.size(); ++i) points[i] = {static_cast<double>(i), (i % 2) ? 1.0 : 0.0, 0};
  *static_cast<size_t*>(result) = Simplify(points, 0.1, out);
  return nullptr;
}

TEST(Simplify, KeepingEveryPointOfALongZigzagNeedsNoDeepStack) {
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, 128 * 1024);
  pthread_t thread;
  size_t kept = 0;
  ASSERT_EQ(pthread_create(&thread, &attr, SimplifyZigzag, &kept), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);
  EXPECT_EQ(kept, 6000u);
}

}  // namespace
}  // namespace quill
