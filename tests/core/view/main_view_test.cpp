#include "view/main_view.h"

#include <gtest/gtest.h>

#include "mathlib/constants.h"
#include "view/recording_canvas.h"
#include "view_fixture.h"

namespace quill {
namespace {

struct ViewCase : test::ViewJob {
  RecordingCanvas canvas{800, 400};
  MainView view{job, canvas};

  void Show(WorldWindow w) {
    job.view.ViewWindow = w;
    view.SetupView();
  }
  bool Drew(Color color) const {
    for (const auto& op : canvas.Ops()) {
      if (op.kind == CanvasOp::Pen && op.color == color) return true;
    }
    return false;
  }
};

void ExpectWindow(const WorldWindow& w, double x0, double y0, double x1, double y1) {
  EXPECT_NEAR(w.Xmin, x0, 1e-9);
  EXPECT_NEAR(w.Ymin, y0, 1e-9);
  EXPECT_NEAR(w.Xmax, x1, 1e-9);
  EXPECT_NEAR(w.Ymax, y1, 1e-9);
}

TEST(MainView, ZoomOutAndPrevious) {
  ViewCase c;
  c.Show({0, 0, 20, 10});
  c.view.ZoomOut();
  ExpectWindow(c.job.view.ViewWindow, -5, -2.5, 25, 12.5);  // 30 by 15 about the same centre
  ExpectWindow(c.job.view.PrevViewWindow, -1, -1, 1, 1);    // Zoom Out leaves it alone
  // A rubber band from pixel (100, 300) to (300, 100) picks the world under those corners.
  WorldWindow before = c.job.view.ViewWindow;
  c.view.ArmZoom();
  c.view.ZoomPress(300, 100);
  c.view.ZoomMove(100, 300);
  double x0, y0, x1, y1;
  c.view.Window().PixelToWorld(100, 300, x0, y0);
  c.view.Window().PixelToWorld(300, 100, x1, y1);
  c.view.ZoomRelease();
  ExpectWindow(c.job.view.ViewWindow, x0, y0, x1, y1);
  EXPECT_FALSE(c.job.view.ZoomArmed);
  EXPECT_FALSE(c.job.view.ZoomDragging);
  c.view.Previous();
  ExpectWindow(c.job.view.ViewWindow, before.Xmin, before.Ymin, before.Xmax, before.Ymax);
  c.view.Previous();
  ExpectWindow(c.job.view.ViewWindow, x0, y0, x1, y1);
}

TEST(MainView, ZoomWithoutMovingShowsOnePixel) {
  ViewCase c;
  c.Show({0, 0, 20, 10});
  double perPixel = 1 / c.view.Window().Sx();
  c.view.ArmZoom();
  c.view.ZoomPress(400, 200);
  c.view.ZoomRelease();
  const WorldWindow& w = c.job.view.ViewWindow;
  EXPECT_NEAR(w.Xmax - w.Xmin, perPixel, 1e-12);
  EXPECT_NEAR(w.Ymax - w.Ymin, perPixel, 1e-12);
  EXPECT_NEAR(w.Xmin, 10, 1e-9);
  // The rubber band was drawn and erased with the same XOR-type pen.
  int rectangles = 0;
  for (const auto& op : c.canvas.Ops()) rectangles += op.kind == CanvasOp::Rect;
  EXPECT_EQ(rectangles, 2);
  // A release that was never armed changes nothing.
  WorldWindow kept = w;
  c.view.ZoomPress(10, 10);
  c.view.ZoomRelease();
  ExpectWindow(c.job.view.ViewWindow, kept.Xmin, kept.Ymin, kept.Xmax, kept.Ymax);
}

TEST(MainView, ScrollingPansByTheBarsMovement) {
  ViewCase c;
  c.Show({0, 0, 20, 10});
  c.view.Scroll(20, 0);
  ExpectWindow(c.job.view.ViewWindow, 4, 0, 24, 10);  // a fifth of the width to the right
  c.view.Scroll(20, 10);
  ExpectWindow(c.job.view.ViewWindow, 4, -1, 24, 9);  // the vertical bar pans down
  c.view.ZoomOut();                                   // width 30; the bars are back at 0
  EXPECT_EQ(c.job.view.ScrollX, 0);
  c.view.Scroll(25, 0);
  EXPECT_NEAR(c.job.view.ViewWindow.Xmin, 4 - 5 + 7.5, 1e-9);
  EXPECT_EQ(c.job.view.ScrollX, 25);
}

TEST(MainView, ExtentsOfTextAddAMarginAndTheQuarterRule) {
  ViewCase c;
  {
    auto tp = c.TextPath();
    tp.Write(TpBoxLow, 0, -500, -500);  // font units: never part of the extents
    tp.Write(TpBoxHigh, 0, 500, 500);
    tp.Write(TpMove, 0, 1, 1);
    tp.Write(TpLine, 0, 5, 2);
    tp.Write(TpArcCcw, 0, 5, 2, 3, 8, 2);  // arcs do not count either
  }
  c.Show({0, 0, 1, 1});
  c.view.Extents();
  // Box 1..5 by 1..2, 10 % out: 0.6..5.4 by 0.9..2.1; the lower height gives way by (4.8 - 1.2) / 4.
  ExpectWindow(c.job.view.ViewWindow, 0.6, 0.0, 5.4, 2.1);
  EXPECT_TRUE(c.job.flags.DisplayIdle);
  // The shown window is the aspect-corrected one: 2:1 on this surface, centred on the request.
  EXPECT_NEAR(c.view.Window().Xmax() - c.view.Window().Xmin(), 4.8, 1e-9);
  EXPECT_NEAR(c.view.Window().Ymax() - c.view.Window().Ymin(), 2.4, 1e-9);
  // In 3D the box, without the quarter rule, is seen through the eye: the window holds its projection.
  c.job.view.View3D = true;
  c.view.Extents();
  Trwindow eye;
  eye.Set3D(true, c.job.view.EyeX, c.job.view.EyeY, c.job.view.EyeZ);
  WorldWindow seen{1e9, 1e9, -1e9, -1e9};
  for (double x : {0.6, 5.4}) {
    for (double y : {0.9, 2.1}) {
      double px = x, py = y;
      eye.Project(px, py, 0);
      seen = {std::min(seen.Xmin, px), std::min(seen.Ymin, py), std::max(seen.Xmax, px), std::max(seen.Ymax, py)};
    }
  }
  ExpectWindow(c.job.view.ViewWindow, seen.Xmin, seen.Ymin, seen.Xmax, seen.Ymax);
}

TEST(MainView, ExtentsWidenByArtworkFrameAndToolPath) {
  ViewCase c;
  {
    auto art = c.Artwork();
    art.Line(0, 0, 10, 0);
    art.Arc(ArtArcCcw, 5, 0, 5, 0, Pi);  // the upper half circle reaches y 5
  }
  c.Show({0, 0, 1, 1});
  c.view.Extents();
  ExpectWindow(c.job.view.ViewWindow, -1, -0.5, 11, 5.5);  // 10 % of the window per side
  c.job.flags.RefFrameOn = true;
  c.job.settings.RFX = "-3";
  c.job.settings.RFYY = "7";
  c.view.Extents();
  ExpectWindow(c.job.view.ViewWindow, -3, -0.5, 11, 7);
  c.job.flags.RefFrameOn = false;
  {
    auto cl = c.ToolPath();
    cl.WriteRotaryRadius(0);
    cl.Write(ClRapid, 20, 1, 0.1, 0);
    cl.Write(ClFeed, 20, 1, -0.05, 2);
    cl.Write(ClArcCcw, 21, 2, -0.05, 6, 20, 2);
    cl.Write(ClRapid, 21, -4, 0.25, 0);
    cl.WriteEnd();
  }
  c.view.Extents();
  ExpectWindow(c.job.view.ViewWindow, -1, -4, 21, 5.5);
  EXPECT_DOUBLE_EQ(c.job.view.Zmin, -0.05);
  EXPECT_DOUBLE_EQ(c.job.view.Zmax, 0.25);
}

TEST(MainView, ExtentsOfAnEmptyJobKeepTheEmptyWindow) {
  ViewCase c;
  c.job.prefs.ShowAxes = true;
  c.job.prefs.ShowRuler = true;
  c.Show({0, 0, 10, 10});
  c.canvas.Reset();
  c.view.Extents();
  ExpectWindow(c.job.view.ViewWindow, 1000, 1000, -1000, -1000);
  EXPECT_EQ(c.canvas.Lines(), 0);  // only the background
}

TEST(MainView, ReferenceFrameOnFullRedrawsOnly) {
  ViewCase c;
  c.job.flags.RefFrameOn = true;
  c.Show({-1, -1, 6, 6});
  c.canvas.Reset();
  c.view.Refresh();
  EXPECT_FALSE(c.Drew(clLime));
  c.view.Redraw();
  EXPECT_TRUE(c.Drew(clLime));
  bool wide = false;
  for (const auto& op : c.canvas.Ops()) wide |= op.kind == CanvasOp::Pen && op.x == 3;
  EXPECT_TRUE(wide);
  EXPECT_EQ(c.view.Window().PenWidth(), 1);
}

// A zoomed view keeps its window through every redraw; Extents takes in the whole tool path.
TEST(MainView, OnlyExtentsWidensTheWindowByTheToolPath) {
  ViewCase c;
  {
    auto cl = c.ToolPath();
    cl.Write(ClFeed, 50, 60, -1, 2);
    cl.WriteEnd();
  }
  c.Show({0, 0, 10, 10});
  c.view.Refresh();
  ExpectWindow(c.job.view.ViewWindow, 0, 0, 10, 10);
  c.view.Redraw();
  ExpectWindow(c.job.view.ViewWindow, 0, 0, 10, 10);
  c.view.Extents();
  EXPECT_GE(c.job.view.ViewWindow.Xmax, 50);
  EXPECT_GE(c.job.view.ViewWindow.Ymax, 60);
  EXPECT_DOUBLE_EQ(c.job.view.Zmin, -1);
}

TEST(MainView, PaintWaitsForTheRunningRedraw) {
  ViewCase c;
  c.Show({0, 0, 10, 10});
  c.canvas.Reset();
  c.job.flags.DisplayIdle = false;
  c.view.Paint();
  EXPECT_EQ(c.canvas.Count(), 0);
  c.view.Resize();
  EXPECT_TRUE(c.job.flags.DisplayIdle);
  c.view.Paint();
  EXPECT_GT(c.canvas.Count(), 0);
  EXPECT_EQ(c.ui.busyDepth, 0);
}

TEST(MainView, CoordinateTextAndThe3DSwitch) {
  ViewCase c;
  c.Show({0, 0, 20, 10});
  PixelPoint p = c.view.Window().WorldToPixel(5, 2.5);
  EXPECT_EQ(c.view.CoordinateText(p.x, p.y), "X5.0000,Y2.5000");
  {
    auto tp = c.TextPath();
    tp.Write(TpMove, 0, 0, 0);
    tp.Write(TpLine, 0, 1, 1);
  }
  c.view.Switch3D(true);
  EXPECT_TRUE(c.job.view.View3D);
  EXPECT_TRUE(c.view.Window().Is3D());
  // Extents ran, without the quarter rule: the box -0.1..1.1 seen from the eye at (-50, -50, 50).
  double x = -0.1, y = -0.1;
  c.view.Window().Project(x, y, 0);
  EXPECT_NEAR(c.job.view.ViewWindow.Ymin, y, 1e-9);
}

TEST(MainView, HeadlessExtentsOfTheJob) {
  test::ViewJob j;
  {
    auto art = j.Artwork();
    art.Line(0, 0, 10, 5);
  }
  ComputeJobExtents(j.job);
  ExpectWindow(j.job.view.ViewWindow, -1, -0.5, 11, 5.5);
}

}  // namespace
}  // namespace quill
