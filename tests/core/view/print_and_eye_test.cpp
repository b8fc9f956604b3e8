// What a print changes for its length, the sample-font sheet, and the 3D view's eye point.
#include <gtest/gtest.h>

#include <cmath>

#include "mathlib/constants.h"
#include "view/eye_rotation.h"
#include "view/print_job.h"
#include "view/recording_canvas.h"
#include "view/sample_fonts.h"
#include "view_fixture.h"

namespace quill {
namespace {

TEST(PrintSettings, BlackColoursAndNoCutterForThePrintOnly) {
  test::ViewJob j;
  j.job.prefs.ArtColor = clFuchsia;
  j.job.prefs.RapidColor = clRed;
  {
    PrintSettings print(j.job);
    EXPECT_EQ(j.job.prefs.ArtColor, clBlack);
    EXPECT_EQ(j.job.prefs.TextArcColor, clBlack);
    EXPECT_EQ(j.job.prefs.RapidColor, clBlack);
    EXPECT_FALSE(j.job.prefs.ShowToolImage);
  }
  EXPECT_EQ(j.job.prefs.ArtColor, clFuchsia);
  EXPECT_EQ(j.job.prefs.RapidColor, clRed);
  EXPECT_TRUE(j.job.prefs.ShowToolImage);
  j.job.prefs.PrintColor = true;
  PrintSettings colour(j.job);
  EXPECT_EQ(j.job.prefs.ArtColor, clFuchsia);
}

TEST(PrintSettings, ToScaleOneUnitIsOneInchAndTheWindowComesBack) {
  test::ViewJob j;
  j.job.view.ViewWindow = {0, 0, 3, 2};
  {
    PrintSettings print(j.job);
    print.ScaleToPage(4800, 6000, 600, 600);  // not asked for: unchanged
    EXPECT_EQ(j.job.view.ViewWindow.Xmax, 3);
    j.job.prefs.PrintToScale = true;
    print.ScaleToPage(4800, 6000, 600, 600);  // a page 8 inches wide
    EXPECT_DOUBLE_EQ(j.job.view.ViewWindow.Xmax, 8);
    EXPECT_DOUBLE_EQ(j.job.view.ViewWindow.Ymax, 10);
    print.ScaleToPage(4800, 6000, 0, 600);  // no resolution: left as it was
    EXPECT_DOUBLE_EQ(j.job.view.ViewWindow.Xmax, 8);
  }
  EXPECT_EQ(j.job.view.ViewWindow.Xmax, 3);
  EXPECT_EQ(j.job.view.ViewWindow.Ymax, 2);
}

TEST(PrintCanvas, ThinPensTakeThePrinterLineWidthAndAnAbortStopsDrawing) {
  RecordingCanvas page;
  bool aborted = false;
  PrintCanvas pen(page, 4, aborted);
  pen.SetPen(clBlack, 1, PenStyle::Solid);
  EXPECT_EQ(page.PenWidth(), 4);
  pen.SetPen(clBlack, 9, PenStyle::Solid);  // the tool's own width stays
  EXPECT_EQ(page.PenWidth(), 9);
  pen.MoveTo(0, 0);
  pen.LineTo(10, 10);
  aborted = true;
  pen.LineTo(20, 20);
  pen.TextOut(0, 0, "x");
  EXPECT_EQ(page.Lines(), 1);
}

TEST(SampleFonts, OneLinePerNameSortedWithPagesWhenFull) {
  TestUi ui;
  RecordingCanvas page(800, 40);
  int pages = 1;
  EXPECT_TRUE(PrintSampleFontList(ui, page, {"Zed", "Alpha", "Mid"}, [&] { return ++pages, true; }));
  std::vector<std::string> texts;
  BrushStyle brush = BrushStyle::Solid;
  for (const CanvasOp& op : page.Ops()) {
    if (op.kind == CanvasOp::Brush) brush = op.brush;
    if (op.kind != CanvasOp::Text) continue;
    texts.push_back(op.text + "@" + std::to_string(op.y));
    EXPECT_EQ(brush, BrushStyle::Clear) << "a bar behind " << op.text;
  }
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0], "Alpha : @0");
  EXPECT_EQ(texts[1], "Alpha@0");
  EXPECT_EQ(texts[4].substr(0, 6), "Zed : ");
  EXPECT_GT(pages, 1);  // 40 pixels hold two lines at most
  EXPECT_TRUE(ui.messages.empty());
}

TEST(SampleFonts, NoFontsAndARefusedPageAreReported) {
  TestUi ui;
  RecordingCanvas page(800, 20);
  EXPECT_FALSE(PrintSampleFontList(ui, page, {}, [] { return true; }));
  EXPECT_FALSE(PrintSampleFontList(ui, page, {"A", "B", "C"}, [] { return false; }));
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"There are no Fonts to Print", "Error Printing Sample Fonts"}));
}

TEST(EyeRotation, DefaultAndTurnsInFiveDegreeSteps) {
  ViewState v;
  DefaultEye(v);
  EXPECT_NEAR(v.EyeX, -50.02, 0.01);
  EXPECT_NEAR(v.EyeY, -50.02, 0.01);
  EXPECT_NEAR(v.EyeZ, 49.95, 0.01);
  double azimuth = std::atan2(v.EyeY, v.EyeX), r = std::hypot(v.EyeX, v.EyeY, v.EyeZ);
  for (int i = 0; i < 4; ++i) TurnEye(v, EyeTurn::Right);
  EXPECT_NEAR(std::atan2(v.EyeY, v.EyeX) - azimuth, 20 * DegToRad, 1e-9);
  EXPECT_NEAR(std::hypot(v.EyeX, v.EyeY, v.EyeZ), r, 1e-9);
  double elevation = std::acos(v.EyeZ / r);
  TurnEye(v, EyeTurn::Up);
  EXPECT_NEAR(std::acos(v.EyeZ / r) - elevation, 5 * DegToRad, 1e-9);
  TurnEye(v, EyeTurn::Down);
  TurnEye(v, EyeTurn::Left);
  EXPECT_NEAR(std::atan2(v.EyeY, v.EyeX) - azimuth, 15 * DegToRad, 1e-9);
}

TEST(EyeRotation, AnEyeAtTheOriginTurnsFromTheStartingEye) {
  ViewState v;
  v.EyeX = v.EyeY = v.EyeZ = 0;
  TurnEye(v, EyeTurn::Left);
  EXPECT_TRUE(std::isfinite(v.EyeX) && std::isfinite(v.EyeY) && std::isfinite(v.EyeZ));
  EXPECT_NEAR(std::hypot(v.EyeX, v.EyeY, v.EyeZ), std::sqrt(7500.0), 1e-9);
}

TEST(EyeRotation, PreviewDrawsAxesAndTheTwelveEdgesOfTheBox) {
  ViewState v;
  RecordingCanvas canvas(300, 200);
  DrawEyePreview(canvas, v, true);
  bool fuchsia = false;
  long boxLines = 0;
  for (const CanvasOp& op : canvas.Ops()) {
    if (op.kind == CanvasOp::Pen) fuchsia = op.color == clFuchsia;
    if (op.kind == CanvasOp::Line && fuchsia) ++boxLines;
  }
  EXPECT_EQ(boxLines, 12);
  EXPECT_EQ(canvas.Ops().front().kind, CanvasOp::Pen);
}

}  // namespace
}  // namespace quill
