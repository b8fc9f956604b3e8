// Outline tracing through potrace: a square's edge as four corners, a ring's two edges, a disc as
// arcs with "Bezier Smoothing", and specks left out as "Noise Reduction" asks.
#include "outline/outline_trace.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quill::vectorize {
namespace {

Mask Disc(int size, double cx, double cy, double r, double hole = 0) {
  Mask m(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      m.Set(x, y, d <= r && d >= hole);
    }
  }
  return m;
}

TEST(OutlineTrace, ASquareIsItsFourCorners) {
  Mask m(40, 30);
  for (int y = 5; y < 25; ++y) {
    for (int x = 10; x < 30; ++x) m.Set(x, y, true);
  }
  std::vector<TracedPath> paths = TraceOutlines(m, {});
  ASSERT_EQ(paths.size(), 1u);
  const TracedPath& p = paths[0];
  EXPECT_TRUE(p.closed);
  EXPECT_TRUE(p.bulges.empty());
  // Picture units run from the bottom: rows 5 to 24 are y 5 to 25.
  double xmin = 1e9, xmax = -1e9, ymin = 1e9, ymax = -1e9;
  for (const Point& q : p.points) {
    xmin = std::min(xmin, q.x), xmax = std::max(xmax, q.x), ymin = std::min(ymin, q.y), ymax = std::max(ymax, q.y);
  }
  EXPECT_NEAR(xmin, 10, 0.6);
  EXPECT_NEAR(xmax, 30, 0.6);
  EXPECT_NEAR(ymin, 5, 0.6);
  EXPECT_NEAR(ymax, 25, 0.6);
  EXPECT_LE(p.points.size(), 8u);
}

TEST(OutlineTrace, ARingHasTwoEdgesAndSmoothingMakesArcs) {
  std::vector<TracedPath> paths = TraceOutlines(Disc(100, 50, 50, 40, 20), {0, true});
  ASSERT_EQ(paths.size(), 2u);
  for (const TracedPath& p : paths) {
    EXPECT_TRUE(p.closed);
    int arcs = 0;
    for (double b : p.bulges) arcs += b != 0;
    EXPECT_GT(arcs, 0);
    EXPECT_LT(p.points.size(), 30u);
    for (const Point& q : p.points) {
      double r = std::hypot(q.x - 50, q.y - 50);
      EXPECT_TRUE(std::fabs(r - 40) < 1.0 || std::fabs(r - 20) < 1.0) << r;
    }
  }
}

TEST(OutlineTrace, SpecksUpToTheNoiseSizeAreLeftOut) {
  Mask m = Disc(60, 30, 30, 15);
  m.Set(2, 2, true);
  m.Set(3, 2, true);
  m.Set(55, 55, true);
  EXPECT_EQ(TraceOutlines(m, {0, false}).size(), 3u);
  EXPECT_EQ(TraceOutlines(m, {2, false}).size(), 1u);
  EXPECT_TRUE(TraceOutlines(Mask(10, 10), {}).empty());
}

}  // namespace
}  // namespace quill::vectorize
