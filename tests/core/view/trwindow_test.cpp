#include "view/trwindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "mathlib/constants.h"
#include "view/recording_canvas.h"

namespace quill {
namespace {

// A canvas of 960 x 480 pixels at 96 dpi showing x 0..10: one unit is one inch (k = 1).
struct Window {
  RecordingCanvas canvas{960, 480, 96};
  Trwindow view;
  explicit Window(double x0 = 0, double y0 = 0, double x1 = 10, double y1 = 5) {
    view.Attach(canvas);
    view.SetAspect(canvas.Width(), canvas.Height());
    view.SetWindow(x0, y0, x1, y1);
    view.MapToCanvas(canvas);
    canvas.Reset();
  }
  std::vector<CanvasOp> Ops(CanvasOp::Kind kind) const {
    std::vector<CanvasOp> out;
    for (const auto& op : canvas.Ops()) {
      if (op.kind == kind) out.push_back(op);
    }
    return out;
  }
};

TEST(Trwindow, WindowKeepsTheSurfaceAspectAroundItsCentre) {
  RecordingCanvas canvas(800, 400);
  Trwindow view;
  view.Attach(canvas);
  view.SetAspect(800, 400);
  view.SetWindow(0, 0, 10, 10);
  EXPECT_DOUBLE_EQ(view.Xmin(), -5);
  EXPECT_DOUBLE_EQ(view.Xmax(), 15);
  EXPECT_DOUBLE_EQ(view.Ymin(), 0);
  EXPECT_DOUBLE_EQ(view.Ymax(), 10);
  // A wide request on a tall surface grows in Y instead.
  view.SetAspect(400, 800);
  view.SetWindow(0, 0, 10, 10);
  EXPECT_DOUBLE_EQ(view.Xmin(), 0);
  EXPECT_DOUBLE_EQ(view.Xmax(), 10);
  EXPECT_DOUBLE_EQ(view.Ymin(), -5);
  EXPECT_DOUBLE_EQ(view.Ymax(), 15);
}

TEST(Trwindow, PixelsRoundTripAndHalvesGoToEven) {
  Window w(-3.7, -1.2, 6.1, 4.4);
  for (double x = -3.5; x < 6; x += 0.731) {
    for (double y = -1; y < 4; y += 0.617) {
      PixelPoint p = w.view.WorldToPixel(x, y);
      double bx, by;
      w.view.PixelToWorld(p.x, p.y, bx, by);
      EXPECT_LE(std::fabs(bx - x), 0.5 / std::fabs(w.view.Sx()) + 1e-12);
      EXPECT_LE(std::fabs(by - y), 0.5 / std::fabs(w.view.Sy()) + 1e-12);
    }
  }
  Window unit(0, 0, 960, 480);  // one pixel per unit, y flipped
  EXPECT_EQ(unit.view.WorldToPixel(2.5, 0).x, 2);
  EXPECT_EQ(unit.view.WorldToPixel(3.5, 0).x, 4);
  EXPECT_EQ(unit.view.WorldToPixel(0, 0.5).y, 480);
  EXPECT_EQ(unit.view.WorldToPixel(1e300, -1e300).x, 1000000000);  // far points stay inside int
}

TEST(Trwindow, LinesAreClippedToTheWindow) {
  Window w;  // x 0..10, y 0..5, 96 pixels per unit
  w.view.MoveTo3(w.canvas, -5, 2.5, 0);
  w.view.LineTo3(w.canvas, 15, 2.5, 0);
  auto moves = w.Ops(CanvasOp::Move);
  auto lines = w.Ops(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(moves.back().x, 0);
  EXPECT_EQ(lines[0].x, 960);
  EXPECT_EQ(lines[0].y, 240);
  // A diagonal from outside below-left to outside above-right meets the boundary on both sides.
  w.canvas.Reset();
  w.view.MoveTo3(w.canvas, -1, -1, 0);
  w.view.LineTo3(w.canvas, 11, 11, 0);
  lines = w.Ops(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(w.Ops(CanvasOp::Move).back().x, 0);  // entered at (0, 0)
  EXPECT_EQ(w.Ops(CanvasOp::Move).back().y, 480);
  EXPECT_EQ(lines[0].x, 480);  // left at (5, 5)
  EXPECT_EQ(lines[0].y, 0);
  // Entirely to the left, or passing a corner outside: nothing.
  w.canvas.Reset();
  w.view.MoveTo3(w.canvas, -3, 1, 0);
  w.view.LineTo3(w.canvas, -1, 4, 0);
  w.view.LineTo3(w.canvas, -1, 7, 0);
  w.view.LineTo3(w.canvas, 2, 8, 0);
  w.view.LineTo3(w.canvas, std::nan(""), 1, 0);
  w.view.LineTo3(w.canvas, INFINITY, 1, 0);
  EXPECT_TRUE(w.Ops(CanvasOp::Line).empty());
  EXPECT_TRUE(w.Ops(CanvasOp::Move).empty());  // the move to (-3, 1) lies outside too
}

TEST(Trwindow, PerspectiveEye) {
  Trwindow view;
  view.Set3D(true, 0, 0, 0);
  EXPECT_DOUBLE_EQ(view.EyeX(), -50);
  EXPECT_DOUBLE_EQ(view.EyeY(), -50);
  EXPECT_DOUBLE_EQ(view.EyeZ(), 50);
  // Looking straight down from +Z the plane turns a quarter: (x, y) shows as (y, -x).
  view.Set3D(true, 0, 0, 50);
  double x = 1, y = 2;
  view.Project(x, y, 0);
  EXPECT_NEAR(x, 2, 1e-12);
  EXPECT_NEAR(y, -1, 1e-12);
  // Off, nothing is projected; the eye stays.
  view.Set3D(false, 5, 5, 5);
  EXPECT_FALSE(view.Is3D());
  EXPECT_DOUBLE_EQ(view.EyeZ(), 50);
}

TEST(Trwindow, TinyArcOnlyMovesToItsStart) {
  Window w;
  ASSERT_DOUBLE_EQ(w.view.UnitsToInches(), 1.0);
  w.view.Arc(w.canvas, 5, 2, 0.001, 0, Pi, 0, 0, true);
  EXPECT_EQ(w.Ops(CanvasOp::Line).size(), 0u);
  ASSERT_EQ(w.Ops(CanvasOp::Move).size(), 1u);
  EXPECT_EQ(w.Ops(CanvasOp::Move)[0].x, w.view.WorldToPixel(5.001, 2).x);
}

TEST(Trwindow, FullCircleInEitherDirection) {
  for (bool ccw : {true, false}) {
    Window w;
    w.view.Arc(w.canvas, 5, 2.5, 1, 0.3, 0.3, 0, 0, ccw);
    auto lines = w.Ops(CanvasOp::Line);
    // Chords within 0.005 inch of a one-inch radius: about 0.2 rad each.
    EXPECT_GE(lines.size(), 30u);
    EXPECT_LE(lines.size(), 34u);
    int minX = 1 << 30, maxX = -minX, minY = minX, maxY = -minX;
    for (const auto& l : lines) {
      minX = std::min(minX, l.x), maxX = std::max(maxX, l.x);
      minY = std::min(minY, l.y), maxY = std::max(maxY, l.y);
    }
    EXPECT_NEAR(maxX - minX, 192, 2) << ccw;
    EXPECT_NEAR(maxY - minY, 192, 2) << ccw;
    PixelPoint start = w.view.WorldToPixel(5 + std::cos(0.3), 2.5 + std::sin(0.3));
    EXPECT_EQ(lines.back().x, start.x);
    EXPECT_EQ(lines.back().y, start.y);
  }
}

TEST(Trwindow, ArcsRunTheWayTheyAreAsked) {
  Window w;
  // A quarter counter-clockwise from 0 to 90 degrees stays in the upper right of its centre ...
  w.view.Arc(w.canvas, 5, 2, 1, 0, HalfPi, 0, 0, true);
  for (const auto& l : w.Ops(CanvasOp::Line)) {
    EXPECT_GE(l.x, w.view.WorldToPixel(5, 0).x);
    EXPECT_LE(l.y, w.view.WorldToPixel(0, 2).y);
  }
  // ... the clockwise one between the same angles covers the other three quarters.
  w.canvas.Reset();
  w.view.Arc(w.canvas, 5, 2, 1, 0, HalfPi, 0, 0, false);
  int minX = 1 << 30;
  for (const auto& l : w.Ops(CanvasOp::Line)) minX = std::min(minX, l.x);
  EXPECT_EQ(minX, w.view.WorldToPixel(4, 0).x);
  // Damaged angles and radii draw nothing rather than looping.
  w.canvas.Reset();
  w.view.Arc(w.canvas, 5, 2, 1, 0, INFINITY, 0, 0, true);
  w.view.Arc(w.canvas, 5, 2, 1e300, 1e300, -1e300, 0, 0, true);
  EXPECT_LE(w.canvas.Lines(), 20001);
}

TEST(Trwindow, DashedArcAlternatesAndRestoresThePen) {
  Window w;
  w.view.SetLineStyle(w.canvas, 3);
  w.view.Arc(w.canvas, 5, 2.5, 1, 0, Pi, 0, 0, true);
  EXPECT_EQ(w.view.LineStyle(), 3);
  EXPECT_EQ(w.canvas.Style(), PenStyle::Dash);
  // The dashes themselves are drawn with a solid pen.
  bool solidDuringArc = false;
  for (const auto& op : w.canvas.Ops()) {
    if (op.kind == CanvasOp::Pen && op.style == PenStyle::Solid) solidDuringArc = true;
  }
  EXPECT_TRUE(solidDuringArc);
  // Dash step 0.15 inch on a radius of 1: 21 pieces made even, every other one drawn: 11 dashes.
  int dashes = 0, endX = -1, endY = -1, moveX = 0, moveY = 0;
  for (const auto& op : w.canvas.Ops()) {
    if (op.kind == CanvasOp::Move) moveX = op.x, moveY = op.y;
    if (op.kind != CanvasOp::Line) continue;
    if (moveX != endX || moveY != endY) ++dashes;
    endX = op.x, endY = op.y;
  }
  EXPECT_EQ(dashes, 11);
}

TEST(Trwindow, RulerAtOneInchPerUnit) {
  Window w;
  w.view.Ruler(w.canvas, false);
  std::vector<std::string> bottom;
  for (const auto& op : w.Ops(CanvasOp::Text)) {
    if (op.y > 400) bottom.push_back(op.text);
  }
  ASSERT_GE(bottom.size(), 9u);
  EXPECT_EQ(bottom[0], "0.250");
  EXPECT_EQ(bottom[1], "1.250");
  EXPECT_EQ(bottom[8], "8.250");
  // Ticks every 0.25 unit: the tick lines along the bottom ruler stand 24 pixels apart.
  std::vector<int> tickX;
  int y0 = w.view.WorldToPixel(0, 0.1).y;
  int down = w.view.WorldToPixel(0, 0.05).y;
  for (const auto& op : w.Ops(CanvasOp::Line)) {
    if (op.y == down) tickX.push_back(op.x);
  }
  ASSERT_GE(tickX.size(), 10u);
  for (size_t i = 1; i < tickX.size(); ++i) EXPECT_EQ(tickX[i] - tickX[i - 1], 24);
  EXPECT_NE(y0, down);
  // The pen is left at the given point, the colour as it was.
  EXPECT_EQ(w.view.ColourIndex(), 1);
}

TEST(Trwindow, RulerOfAHugeWindowStaysShort) {
  Window w(-1e20, -1e20, 1e20, 1e20);
  w.view.Ruler(w.canvas, false);
  EXPECT_LT(w.canvas.Count(), 100000);
}

TEST(Trwindow, AxesAndMarkerKeepTheirSizeInInches) {
  Window w(0, 0, 20, 10);  // half an inch per unit
  w.view.SetBlackBackground(false);
  w.view.Axes(w.canvas, false);
  int maxX = 0;
  for (const auto& op : w.Ops(CanvasOp::Line)) maxX = std::max(maxX, op.x);
  EXPECT_EQ(maxX, 96);                      // the X axis is one inch long whatever the zoom
  EXPECT_EQ(w.canvas.PenColor(), clBlack);  // white background
  w.view.SetBlackBackground(true);
  w.view.Axes(w.canvas, false);
  EXPECT_EQ(w.canvas.PenColor(), clWhite);
  w.view.Axes(w.canvas, true);
  EXPECT_EQ(w.canvas.PenColor(), clBlack);
  w.view.SetPrintMode(true);
  w.view.Axes(w.canvas, false);
  EXPECT_EQ(w.canvas.PenColor(), clBlack);
  w.canvas.Reset();
  w.view.Marker(w.canvas, 10, 5, 0);
  auto lines = w.Ops(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(std::abs(lines[0].x - w.view.WorldToPixel(10, 5).x), 3);  // 0.035 inch at 96 dpi
}

TEST(Trwindow, TextFollowsTheZoomExceptInPrintMode) {
  Window w;
  double width = w.view.TextWidth(w.canvas, "0.250", 0.1);
  EXPECT_GT(width, 0.15);
  EXPECT_LT(width, 0.3);
  w.view.DrawText(w.canvas, "A", 0.1, 1, 1, 0);
  w.view.DrawText(w.canvas, "B", 0.1, -1, 1, 0);  // outside: not drawn
  auto fonts = w.Ops(CanvasOp::Font);
  ASSERT_FALSE(fonts.empty());
  EXPECT_EQ(fonts.back().x, -10);  // the cell follows 0.1 unit = 9.6 pixels
  ASSERT_EQ(w.Ops(CanvasOp::Text).size(), 1u);
  w.view.SetPrintMode(true);
  w.view.DrawText(w.canvas, "C", 0.1, 1, 1, 0);
  EXPECT_EQ(w.Ops(CanvasOp::Font).back().x, 8);
  EXPECT_EQ(w.Ops(CanvasOp::Font).back().color, clBlack);
}

TEST(Trwindow, PaletteAndLineStyles) {
  EXPECT_EQ(PaletteColor(0), clBlack);
  EXPECT_EQ(PaletteColor(10), clLime);
  EXPECT_EQ(PaletteColor(13), clFuchsia);
  EXPECT_EQ(PaletteColor(16), clBlack);
  EXPECT_EQ(PaletteColor(-1), clBlack);
  Window w;
  const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dot, PenStyle::DashDotDot, PenStyle::Dash, PenStyle::Solid};
  for (int s = 0; s < 5; ++s) {
    w.view.SetLineStyle(w.canvas, s);
    EXPECT_EQ(w.canvas.Style(), styles[s]) << s;
  }
}

}  // namespace
}  // namespace quill
