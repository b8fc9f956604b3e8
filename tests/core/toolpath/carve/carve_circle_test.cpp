// The circles of carving: where they sit at a corner, and that the grid finds exactly the collisions
// a test against every piece finds.
#include "toolpath/carve/carve_circle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/intersection.h"
#include "mathlib/constants.h"
#include "toolpath/carve/carve_outline.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

tgEntity Piece(double x1, double y1, double x2, double y2) {
  tgEntity e;
  e.SetLine(x1, y1, 0, x2, y2, 0);
  return e;
}

TEST(CarveCorner, CentresLieOnTheBisectorAtTheCarvingSide) {
  // Straight on along +X: right of the travel is -Y.
  CarveCorner straight = CornerOf(Piece(-1, 0, 0, 0), Piece(0, 0, 1, 0), -1);
  EXPECT_NEAR(straight.CentreX(0.1), 0, 1e-12);
  EXPECT_NEAR(straight.CentreY(0.1), -0.1, 1e-12);
  // A right turn from +X to -Y: the centre goes down the bisector, sqrt 2 times the radius out, so the
  // circle touches both pieces.
  CarveCorner turn = CornerOf(Piece(-1, 0, 0, 0), Piece(0, 0, 0, -1), -1);
  EXPECT_NEAR(turn.CentreX(0.1), -0.1, 1e-12);
  EXPECT_NEAR(turn.CentreY(0.1), -0.1, 1e-12);
  // Mirrored text carves left of the travel.
  CarveCorner left = CornerOf(Piece(-1, 0, 0, 0), Piece(0, 0, 1, 0), 1);
  EXPECT_NEAR(left.CentreY(0.1), 0.1, 1e-12);
}

TEST(CarvePieces, TheGridFindsWhatEveryPieceWouldFind) {
  TestUi ui;
  // An O of two circles in pieces of 0.01, and a bar across it.
  CarveOutline outline(0.01);
  for (double r : {0.5, 0.35}) {
    outline.Move(r, 0);
    for (int k = 1; k <= 90; ++k) outline.LineTo(r * std::cos(k * TwoPi / 90), r * std::sin(k * TwoPi / 90));
  }
  outline.Move(-0.6, 0.02);
  outline.LineTo(0.6, 0.02);
  const std::vector<tgEntity>& pieces = outline.Pieces();
  CarvePieces near(ui, pieces, 0.01, 0.25);
  std::mt19937 random(20);
  std::uniform_real_distribution<double> place(-0.7, 0.7), size(0.0005, 0.3);
  int collisions = 0;
  for (int i = 0; i < 3000; ++i) {
    double cx = place(random), cy = place(random), r = size(random);
    tgEntity circle;
    circle.SetArc(cx, cy, 0, r, 0, TwoPi);
    bool every = false;
    for (const tgEntity& p : pieces) {
      tgIntersection hit(ui);
      if (hit.Compute(p, circle, true) && !hit.Tangent && !circle.InsideCircle(p)) every = true;
    }
    ASSERT_EQ(near.Collides(cx, cy, r), every) << cx << " " << cy << " " << r;
    collisions += every;
  }
  EXPECT_GT(collisions, 500);
  EXPECT_LT(collisions, 2900);
}

TEST(CarveCircle, GrowsUntilItMeetsTheCharacterOrTheToolDiameter) {
  TestUi ui;
  // A stroke 0.1 wide: at the middle of its lower edge the circle stops just past 0.1.
  CarveOutline outline(0.01);
  outline.Move(0, 0);
  for (auto [x, y] : {std::pair{0.0, 0.1}, {2.0, 0.1}, {2.0, 0.0}, {0.0, 0.0}}) outline.LineTo(x, y);
  CarvePieces near(ui, outline.Pieces(), 0.01, 0.25);
  CarveCorner middle = CornerOf(Piece(1.2, 0, 1.0, 0), Piece(1.0, 0, 0.99, 0), -1);
  bool tooSmall = false;
  double q = FittingDiameter(middle, near, 0.25, tooSmall);
  EXPECT_GT(q, 0.1);
  EXPECT_LT(q, 0.1 * 1.02);
  EXPECT_FALSE(tooSmall);
  EXPECT_DOUBLE_EQ(FittingDiameter(middle, near, 0.05, tooSmall), 0.05);
  EXPECT_TRUE(tooSmall);
}

TEST(CarveOutline, LinesBecomePiecesOfOneStepAndContoursAreMarked) {
  CarveOutline outline(0.25);
  outline.Move(0, 0);
  outline.LineTo(1.1, 0);
  outline.LineTo(1.1, 0.00001);  // does not move
  outline.LineTo(1.1, 0.5);
  outline.Move(5, 5);
  outline.LineTo(5, 5.75000000001);  // a hair over three steps is three pieces
  const auto& p = outline.Pieces();
  ASSERT_EQ(p.size(), 5u + 2u + 3u);
  EXPECT_TRUE(outline.StartsContour(0));
  EXPECT_FALSE(outline.StartsContour(1));
  EXPECT_NEAR(p[4].X(), 1.0, 1e-12);
  EXPECT_NEAR(p[4].XE(), 1.1, 1e-12);
  EXPECT_TRUE(outline.StartsContour(7));
  EXPECT_EQ(outline.ContourEnd(2), 7u);
  EXPECT_EQ(outline.ContourEnd(7), 10u);
}

}  // namespace
}  // namespace quill
