// Centre-line tracing on its own cases: a thick bar is one line without spurs, a ring one closed line,
// a dot a point, gaps joined with "Thin Lines/Gaps" only where the lines face each other, specks
// wiped, and pieces wider than "Centerline Width" handed back for outlining.
#include <gtest/gtest.h>

#include <cmath>

#include "centerline/centerline_trace.h"
#include "stroke_pictures.h"

namespace quill::vectorize {
namespace {

using test::Stroke;

Mask InkOf(const std::vector<Stroke>& strokes, int w, int h, double width) {
  Picture p = test::DrawStrokes(strokes, w, h, width);
  Mask m(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) m.Set(x, y, p.GreyAt(x, y) < 128);
  }
  return m;
}

TEST(CenterlineTrace, AThickBarIsOneLineAlongItsMiddle) {
  CenterlineTrace t = TraceCenterlines(InkOf({{{20, 50}, {180, 50}}}, 200, 100, 16), {});
  ASSERT_EQ(t.lines.size(), 1u);
  const TracedPath& line = t.lines[0];
  EXPECT_FALSE(line.closed);
  EXPECT_EQ(line.points.size(), 2u);
  for (const Point& q : line.points) EXPECT_NEAR(q.y, 50, 1.0);
  EXPECT_NEAR(std::min(line.points[0].x, line.points[1].x), 20, 3.0);
  EXPECT_NEAR(std::max(line.points[0].x, line.points[1].x), 180, 3.0);
}

TEST(CenterlineTrace, ARingIsOneClosedLineAndADotAPoint) {
  Stroke circle;
  for (int i = 0; i <= 72; ++i)
    circle.push_back({100 + 60 * std::cos(i * M_PI / 36), 100 + 60 * std::sin(i * M_PI / 36)});
  CenterlineOptions options;
  options.curves = true;
  CenterlineTrace t = TraceCenterlines(InkOf({circle, {{180, 180}, {180.5, 180}}}, 200, 200, 8), options);
  ASSERT_EQ(t.lines.size(), 2u);
  const TracedPath& ring = t.lines[0].points.size() > 1 ? t.lines[0] : t.lines[1];
  const TracedPath& dot = t.lines[0].points.size() > 1 ? t.lines[1] : t.lines[0];
  EXPECT_TRUE(ring.closed);
  EXPECT_LT(ring.points.size(), 12u);
  for (const Point& q : ring.points) EXPECT_NEAR(std::hypot(q.x - 100, q.y - 100), 60, 1.5);
  ASSERT_EQ(dot.points.size(), 1u);
  EXPECT_NEAR(dot.points[0].x, 180, 2);
}

TEST(CenterlineTrace, GapsAreJoinedOnlyWhenAskedAndWhereTheLinesFaceEachOther) {
  // Two halves of a line with an 8-pixel gap, and a line beside them that only passes near.
  std::vector<Stroke> strokes = {{{20, 50}, {96, 50}}, {{104, 50}, {180, 50}}, {{100, 70}, {100, 120}}};
  Mask ink = InkOf(strokes, 200, 140, 4);
  EXPECT_EQ(TraceCenterlines(ink, {}).lines.size(), 3u);
  CenterlineOptions options;
  options.gap = 10;
  CenterlineTrace joined = TraceCenterlines(ink, options);
  ASSERT_EQ(joined.lines.size(), 2u);
  double longest = 0;
  for (const TracedPath& p : joined.lines) longest = std::max(longest, test::TotalLength(test::PathsAsStrokes({p})));
  EXPECT_GT(longest, 150);
}

TEST(CenterlineTrace, SpecksGoAndWidePiecesAreLeftForOutlining) {
  Mask ink = InkOf({{{20, 20}, {120, 20}}}, 200, 200, 6);
  for (int y = 20; y < 100; ++y) {
    for (int x = 100; x < 180; ++x) ink.Set(x, y, true);  // an 80-pixel filled square
  }
  ink.Set(5, 190, true);
  ink.Set(6, 190, true);
  CenterlineOptions options;
  options.speckle = 4;
  options.maxStrokeWidth = 50;
  CenterlineTrace t = TraceCenterlines(ink, options);
  EXPECT_EQ(t.lines.size(), 1u);
  ASSERT_FALSE(t.wide.ink.empty());
  EXPECT_TRUE(t.wide.At(140, 60));
  EXPECT_FALSE(t.wide.At(60, 180));
}

}  // namespace
}  // namespace quill::vectorize
