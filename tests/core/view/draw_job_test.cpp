#include "view/draw_job.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pixel_canvas.h"
#include "view/recording_canvas.h"
#include "view_fixture.h"

namespace quill {
namespace {

struct DrawCase : test::ViewJob {
  RecordingCanvas canvas{960, 480, 96};
  Trwindow view;

  DrawCase() {
    view.Attach(canvas);
    view.SetAspect(960, 480);
    view.SetWindow(0, 0, 10, 5);  // 96 pixels per unit
    view.MapToCanvas(canvas);
  }
  void Draw() {
    canvas.Reset();
    DrawJob(job, view, canvas, false);
  }
  // The lines drawn while the pen had this colour.
  int LinesIn(Color color) const {
    int n = 0;
    Color pen = 0;
    for (const auto& op : canvas.Ops()) {
      if (op.kind == CanvasOp::Pen) pen = op.color;
      if (op.kind == CanvasOp::Line && pen == color) ++n;
    }
    return n;
  }
};

TEST(DrawJob, TextPathMovesLinesAndArcsFromThePreviousPoint) {
  DrawCase c;
  {
    auto tp = c.TextPath();
    tp.Write(TpCharStart, 'A');
    tp.Write(TpBoxLow, 0, -100, -100);
    tp.Write(TpBoxHigh, 0, 100, 100);
    tp.Write(TpMove, 0, 2, 1);
    tp.Write(TpLine, 0, 3, 1);
    tp.Write(TpArcCcw, 0, 3, 3, 1, 3, 2);  // half circle from (3, 1) over the right to (3, 3)
    tp.Write(TpCharEnd, 0);
    tp.Write(TpLineEnd, 0);
  }
  c.Draw();
  EXPECT_EQ(c.LinesIn(c.job.prefs.TextLineColor), 1);
  EXPECT_GE(c.LinesIn(c.job.prefs.TextArcColor), 9);
  int maxX = 0;
  for (const auto& op : c.canvas.Ops()) {
    if (op.kind == CanvasOp::Line) maxX = std::max(maxX, op.x);
  }
  EXPECT_EQ(maxX, 4 * 96);  // the arc bulges to x 4, so it ran counter-clockwise from (3, 1)
  c.job.flags.TextPathGenerated = false;
  c.Draw();
  EXPECT_EQ(c.canvas.Lines(), 0);
}

TEST(DrawJob, ArtworkSkipsMovesAndUnknownKinds) {
  DrawCase c;
  {
    auto art = c.Artwork();
    art.Line(1, 1, 2, 1);
    art.Write({-1, {0, 0, 0, 0, 0}});
    art.Move(5, 5, 6, 6);
    art.Line(2, 1, 2, 2);
    art.Arc(ArtArcCw, 5, 2, 1, 0, 0);  // a full circle
  }
  c.Draw();
  EXPECT_GT(c.LinesIn(c.job.prefs.ArtColor), 2 + 20);
  int movesTo5 = 0;
  for (const auto& op : c.canvas.Ops()) movesTo5 += op.kind == CanvasOp::Move && op.x == 5 * 96 && op.y == 480 - 5 * 96;
  EXPECT_EQ(movesTo5, 0);
}

TEST(DrawJob, ToolPathPensForRapidsAndFeeds) {
  DrawCase c;
  c.job.prefs.ShowToolImage = false;
  {
    auto cl = c.ToolPath();
    cl.WriteRotaryRadius(0);
    cl.WriteText(ClText, " (ENGRAVE)");
    cl.Write(ClRapid, 1, 1, 0.1, 0);
    cl.Write(ClFeed, 1, 1, -0.01, 2);
    cl.Write(ClFeed, 3, 1, -0.01, 6);
    cl.Write(ClArcCw, 3, 3, -0.01, 6, 3, 2);
    cl.Write(ClRapid, 3, 3, 0.1, 0);
    cl.WriteEnd();
  }
  c.Draw();
  int dashedRapid = 0;
  for (const auto& op : c.canvas.Ops()) {
    if (op.kind == CanvasOp::Pen && op.color == c.job.prefs.RapidColor) {
      EXPECT_EQ(op.style, PenStyle::Dash);
      EXPECT_EQ(op.x, 1);
      ++dashedRapid;
    }
  }
  EXPECT_GE(dashedRapid, 1);
  EXPECT_GE(c.LinesIn(c.job.prefs.ToolPathColor), 3);
  EXPECT_EQ(c.view.PenWidth(), 1);
  EXPECT_EQ(c.view.LineStyle(), 0);

  // Without rapids they only move the pen; with the tool width feeds are as wide as the tool.
  c.job.prefs.ShowRapids = false;
  c.job.prefs.ShowToolWidth = true;
  c.job.settings.TOOLDIA = "0.25";
  c.Draw();
  EXPECT_EQ(c.LinesIn(c.job.prefs.RapidColor), 0);
  bool wide = false;
  for (const auto& op : c.canvas.Ops()) wide |= op.kind == CanvasOp::Pen && op.x == 24;
  EXPECT_TRUE(wide);
  EXPECT_EQ(c.canvas.PenWidth(), 1);

  c.job.prefs.ShowToolPath = false;
  c.Draw();
  EXPECT_EQ(c.canvas.Lines(), 0);
}

TEST(DrawJob, MissingToolPathFileWarns) {
  DrawCase c;
  c.job.flags.ToolPathCreated = true;
  c.Draw();
  ASSERT_EQ(c.ui.Texts().size(), 1u);
  EXPECT_EQ(c.ui.Texts()[0], "C/L File access error #2 [" + c.job.paths.CLFileName + "]");
  EXPECT_EQ(c.ui.messages[0].kind, MsgKind::Warning);
}

TEST(DrawJob, WindowMessagesEveryHundredAndEveryTenRecords) {
  DrawCase c;
  c.job.prefs.ShowToolImage = false;
  {
    auto tp = c.TextPath();
    for (int i = 0; i < 250; ++i) tp.Write(TpLine, 0, i % 10, 1);
    auto cl = c.ToolPath();
    for (int i = 0; i < 25; ++i) cl.Write(ClFeed, i % 10, 2, 0, 1);
    cl.WriteEnd();
  }
  c.Draw();
  EXPECT_EQ(c.ui.pumps, 2 + 2);
}

TEST(DrawJob, CutterPictureFollowsTheToolOnlyOnTheScreen) {
  for (bool screen : {false, true}) {
    DrawCase c;
    c.canvas.SetInteractive(screen);
    {
      auto cl = c.ToolPath();
      cl.Write(ClRapid, 1, 1, 0.1, 0);
      cl.Write(ClFeed, 1, 1, 0, 1);
      cl.Write(ClFeed, 4, 2, 0, 1);
      cl.WriteEnd();
    }
    c.Draw();
    int xorPasses = 0;
    for (const auto& op : c.canvas.Ops()) xorPasses += op.kind == CanvasOp::Mode && op.mode == PenMode::Xor;
    EXPECT_EQ(xorPasses, screen ? 5 : 1) << screen;  // on the screen: drawn, erased, drawn ...
    EXPECT_EQ(c.canvas.Mode(), PenMode::Copy);
  }
}

struct ScreenPixels : test::PixelCanvas {
  ScreenPixels() : PixelCanvas(480, 240) {}
  bool Interactive() const override { return true; }
};

// The pixels of a zig-zag tool path drawn on a screen, with or without the cutter following the tool.
std::vector<Color> ZigZagPixels(bool toolImage) {
  test::ViewJob j;
  j.job.prefs.ShowToolImage = toolImage;
  j.job.settings.TOOLDIA = "0.125";
  {
    auto cl = j.ToolPath();
    cl.Write(ClRapid, 0.5, 0.5, 0.1, 0);
    cl.Write(ClFeed, 0.5, 0.5, 0, 1);
    for (int i = 1; i <= 8; ++i) cl.Write(ClFeed, 0.5 + 0.5 * i, i % 2 ? 2 : 0.5, 0, 1);
    cl.Write(ClRapid, 4.5, 0.5, 0.1, 0);
    cl.WriteEnd();
  }
  ScreenPixels canvas;
  Trwindow view;
  view.Attach(canvas);
  view.SetAspect(480, 240);
  view.SetWindow(0, 0, 5, 2.5);
  view.MapToCanvas(canvas);
  DrawJob(j.job, view, canvas, false);
  return canvas.Pixels();
}

// The cutter following the tool leaves the path exactly as drawn without it: every move starts at
// the tool, and erasing the cutter never inverts the path's own pixels.  Only the last cutter stays.
TEST(DrawJob, TheCutterOnTheScreenLeavesNoMarksOnThePath) {
  std::vector<Color> plain = ZigZagPixels(false), followed = ZigZagPixels(true);
  ASSERT_EQ(plain.size(), followed.size());
  int differing = 0;
  for (size_t i = 0; i < plain.size(); ++i) {
    int x = static_cast<int>(i % 480), y = static_cast<int>(i / 480);
    bool nearLastCutter = std::abs(x - 432) < 40 && std::abs(y - 192) < 40;  // the tool's end at (4.5, 0.5)
    differing += plain[i] != followed[i] && !nearLastCutter;
  }
  EXPECT_EQ(differing, 0);
}

struct Panel : SimulationPanel {
  int shown = 0;
  double lastX = 0;
  bool Visible() const override { return true; }
  void ShowPosition(double x, double, double) override {
    ++shown;
    lastX = x;
  }
};

TEST(DrawJob, SimulationStepsAndRunsToTheNextRapid) {
  DrawCase c;
  Panel panel;
  c.job.view.simPanel = &panel;
  {
    auto cl = c.ToolPath();
    cl.Write(ClFeed, 1, 1, 0, 1);
    cl.Write(ClFeed, 2, 1, 0, 1);
    cl.Write(ClRapid, 3, 1, 0, 0);
    cl.Write(ClFeed, 4, 1, 0, 1);
    cl.WriteEnd();
  }
  c.ui.cancelAfter = 0;  // the first wait ends the drawing, as closing the window would
  c.job.view.SimState = SimStep;
  c.Draw();
  EXPECT_EQ(panel.shown, 1);
  EXPECT_EQ(c.job.view.SimState, SimPaused);
  panel.shown = 0;
  c.job.view.SimState = SimNextRapid;
  c.Draw();
  EXPECT_EQ(panel.shown, 3);
  EXPECT_DOUBLE_EQ(panel.lastX, 3);
  // Rewound, an unattended run does not wait; a free run ends at the end of the path.
  c.ui.unattended = true;
  c.job.view.SimState = SimRewound;
  c.Draw();
  EXPECT_EQ(c.job.view.SimState, SimAtEnd);
}

TEST(DrawJob, ExtentsOfAToolPathSeenIn3D) {
  DrawCase c;
  {
    auto cl = c.ToolPath();
    cl.Write(ClFeed, 1, 2, 0, 1);
    cl.WriteEnd();
  }
  c.job.view.View3D = true;
  c.view.Set3D(true, 0, 0, 50);  // from above, (x, y) shows as (y, -x)
  c.canvas.Reset();
  DrawToolPath(c.job, c.view, c.canvas, false, true);
  EXPECT_NEAR(c.job.view.ViewWindow.Xmin, 2, 1e-9);
  EXPECT_NEAR(c.job.view.ViewWindow.Ymin, -1, 1e-9);
}

}  // namespace
}  // namespace quill
