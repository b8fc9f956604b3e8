// "Linearize Arcs": chords within the tolerance, in the arc's direction of travel, and refusals that keep
// the drawing as it was.
#include <gtest/gtest.h>

#include <random>

#include "artwork/tools/linearize.h"
#include "mathlib/geom2d.h"
#include "tools_fixture.h"

namespace quill {
namespace {

// Every chord lies on the arc's circle at both ends, its middle is within the tolerance of the circle,
// and it turns the way the arc travels, over the sweep the arc covers.
void ExpectChordsFollow(const tgEntity& arc, const std::vector<tgEntity>& chords, double tolerance) {
  ASSERT_FALSE(chords.empty());
  double sx, sy, ex, ey, z;
  arc.StartXYZ(sx, sy, z);
  arc.EndXYZ(ex, ey, z);
  EXPECT_NEAR(chords.front().X(), sx, 1e-12);
  EXPECT_NEAR(chords.front().Y(), sy, 1e-12);
  EXPECT_DOUBLE_EQ(chords.back().XE(), ex);
  EXPECT_DOUBLE_EQ(chords.back().YE(), ey);
  double turned = 0;
  for (size_t i = 0; i < chords.size(); ++i) {
    const tgEntity& c = chords[i];
    if (i > 0) {
      EXPECT_EQ(c.X(), chords[i - 1].XE());
    }
    EXPECT_NEAR(std::hypot(c.XE() - arc.X(), c.YE() - arc.Y()), arc.R(), 1e-9);
    double mx = (c.X() + c.XE()) / 2, my = (c.Y() + c.YE()) / 2;
    EXPECT_LE(arc.R() - std::hypot(mx - arc.X(), my - arc.Y()), tolerance * (1 + 1e-9));
    double a0 = std::atan2(c.Y() - arc.Y(), c.X() - arc.X()), a1 = std::atan2(c.YE() - arc.Y(), c.XE() - arc.X());
    double step = std::remainder(a1 - a0, TwoPi);
    EXPECT_EQ(step > 0, arc.IsCCW()) << i;
    turned += std::fabs(step);
    // The chord's middle lies inside the sweep the arc covers.
    EXPECT_TRUE(arc.IsOnXY(arc.X() + arc.R() * std::cos(a0 + step / 2), arc.Y() + arc.R() * std::sin(a0 + step / 2)));
  }
  EXPECT_NEAR(turned, arc.LengthOf() > 0 ? arc.LengthOf() / arc.R() : TwoPi, 1e-9);
}

TEST(LinearizeArcs, AQuarterArcGetsChordsOfTheToleranceStepEndingExactlyAtItsEnd) {
  std::vector<tgEntity> chords;
  tgEntity quarter = Arc(0, 0, 1, 0, HalfPi);
  ArcChords(quarter, 0.0001, chords);
  const double step = 2 * ArcCos(0.9999);
  EXPECT_NEAR(step, 0.02828, 1e-5);
  ASSERT_EQ(chords.size(), static_cast<size_t>(std::ceil(HalfPi / step)));
  EXPECT_DOUBLE_EQ(chords[0].XE(), std::cos(step));
  EXPECT_DOUBLE_EQ(chords[0].YE(), std::sin(step));
  EXPECT_EQ(chords.back().XE(), std::cos(HalfPi));
  EXPECT_EQ(chords.back().YE(), 1);
  ExpectChordsFollow(quarter, chords, 0.0001);
}

TEST(LinearizeArcs, ArcsOfEitherDirectionStayWithinTheToleranceAtEveryChordMiddle) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> angle(0, TwoPi), radius(0.01, 50), tol(1e-5, 0.05);
  for (int n = 0; n < 200; ++n) {
    tgEntity arc = Arc(3, -2, radius(rng), angle(rng), angle(rng), n % 2 == 0);
    double t = std::min(tol(rng), arc.R());
    std::vector<tgEntity> chords;
    ArcChords(arc, t, chords);
    SCOPED_TRACE(arc.Describe());
    ExpectChordsFollow(arc, chords, t);
  }
}

TEST(LinearizeArcs, AClockwiseArcFollowsTheArcTheArtworkFileMeans) {
  // Clockwise from (1, 0) at SA = 0 to (0, 1) at FA = 90 degrees: three quarters of a turn through
  // (-1, 0) and (0, -1), not the quarter between them.
  tgEntity cw = Arc(0, 0, 1, 0, HalfPi, false);
  std::vector<tgEntity> chords;
  ArcChords(cw, 0.01, chords);
  ExpectChordsFollow(cw, chords, 0.01);
  double lowest = 0;
  for (const tgEntity& c : chords) lowest = std::min(lowest, c.YE());
  EXPECT_NEAR(lowest, -1, 0.01);
}

TEST(LinearizeArcs, ArcsGoToTheEndAsChordsAndTheRestKeepsItsPlace) {
  TestUi ui;
  std::vector<tgEntity> drawing = {Arc(0, 0, 1, 0, TwoPi), Line(5, 5, 6, 6), Arc(10, 0, 2, 0, Pi, false)};
  drawing[1].SetSelected(true);
  ToolResult r = LinearizeArcs(ui, drawing, {0.01});
  ASSERT_TRUE(r.Done());
  ASSERT_GT(r.entities.size(), 10u);
  EXPECT_TRUE(SameEntity(r.entities[0], drawing[1]));
  for (size_t i = 1; i < r.entities.size(); ++i) EXPECT_TRUE(r.entities[i].IsLine());
  // The full circle closes on itself.
  EXPECT_EQ(r.entities[1].X(), 1);
  EXPECT_EQ(LinearizeArcs(ui, Drawing{drawing[1]}, {0.01}).status, ToolStatus::Nothing);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(LinearizeArcs, ATinyCircleIsAtLeastATriangle) {
  std::vector<tgEntity> chords;
  ArcChords(Arc(0, 0, 0.001, 0, TwoPi), 0.0015, chords);
  EXPECT_EQ(chords.size(), 3u);
}

TEST(LinearizeArcs, ToleranceRadiusAndSizeProblemsAreRefusedWithoutAnEndlessLoop) {
  TestUi ui;
  std::vector<tgEntity> drawing = {Line(0, 0, 1, 0), Arc(0, 0, 1, 0, Pi)};
  EXPECT_EQ(LinearizeArcs(ui, drawing, {0}).status, ToolStatus::Refused);
  EXPECT_EQ(LinearizeArcs(ui, drawing, {-0.1}).status, ToolStatus::Refused);
  EXPECT_EQ(ui.Texts().back(), "Tolerance Must be Greater than Zero");
  EXPECT_EQ(LinearizeArcs(ui, drawing, {2.5}).status, ToolStatus::Refused);
  EXPECT_EQ(ui.Texts().back(), "Tolerance Larger than Arc Diameter at X 0.00000 Y 0.00000 R 1.00000, Arcs not Converted");
  drawing.push_back(Arc(4, 4, 0, 0, 1));
  EXPECT_EQ(LinearizeArcs(ui, drawing, {0.01}).status, ToolStatus::Refused);
  EXPECT_EQ(ui.Texts().back(), "Arc Without Radius at X 4.00000 Y 4.00000 R 0.00000, Arcs not Converted");
  drawing.back() = Arc(4, 4, 1e6, 0, TwoPi);
  EXPECT_EQ(LinearizeArcs(ui, drawing, {1e-9}).status, ToolStatus::Refused);
  EXPECT_EQ(ui.Texts().back(), "Tolerance Too Small, More than 5000000 Lines, Arcs not Converted");
}

}  // namespace
}  // namespace quill
