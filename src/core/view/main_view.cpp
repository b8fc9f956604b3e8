#include "view/main_view.h"

#include <algorithm>
#include <cmath>

#include "job/job.h"
#include "mathlib/number_text.h"
#include "ui/ui.h"
#include "view/draw_job.h"
#include "view/setting_number.h"

namespace quill {

namespace {

// A number of the coordinate panel: 4 decimals, at most 20 characters.
std::string PanelNumber(double v) {
  return FormatFixed(v, 4).substr(0, 20);
}

}  // namespace

void MainView::Set3D() {
  const ViewState& v = job_.view;
  view_.Set3D(v.View3D, v.EyeX, v.EyeY, v.EyeZ);
}

void MainView::SetupView() {
  view_.SetBlackBackground(job_.prefs.BlackBackground);
  view_.Attach(canvas_);
  CanvasRect c = canvas_.ClipBox();
  view_.SetAspect(c.right - c.left, c.bottom - c.top);
  Set3D();
  const WorldWindow& w = job_.view.ViewWindow;
  view_.SetWindow(w.Xmin, w.Ymin, w.Xmax, w.Ymax);
  view_.MapToCanvas(canvas_);
  view_.Clear(canvas_);
}

void MainView::ResetScrollBars() {
  job_.view.ScrollX = job_.view.ScrollY = 0;
}

void MainView::StopSimulation() {
  job_.view.SimState = SimOff;
}

void MainView::Resize() {
  job_.flags.DisplayIdle = false;
  ResetScrollBars();
  SetupView();
  job_.flags.DisplayIdle = true;
}

void MainView::Paint() {
  if (!job_.flags.DisplayIdle) return;
  job_.flags.DisplayIdle = false;
  {
    BusyScope busy(job_.ui);
    Redraw();
  }
  job_.flags.DisplayIdle = true;
}

void MainView::Redraw() {
  view_.Clear(canvas_);
  if (job_.prefs.ShowAxes) view_.Axes(canvas_, false);
  if (job_.prefs.ShowRuler) view_.Ruler(canvas_, false, 0, 0);
  if (job_.flags.RefFrameOn) {
    const EngravingSettings& s = job_.settings;
    double x = SettingNumber(s.RFX), y = SettingNumber(s.RFY), w = SettingNumber(s.RFXX), h = SettingNumber(s.RFYY);
    view_.SetColour(canvas_, 10);
    view_.SetPenWidth(canvas_, 3);
    view_.MoveTo3(canvas_, x, y, 0);
    for (auto [px, py] : {std::pair{x, y + h}, {x + w, y + h}, {x + w, y}, {x, y}}) view_.LineTo3(canvas_, px, py, 0);
    view_.SetColour(canvas_, 0);
    view_.SetPenWidth(canvas_, 1);
  }
  const JobFlags& f = job_.flags;
  // Only Extents widens the window by the tool path: a redraw of a zoomed or panned view shows that view.
  if (f.TextPathGenerated || f.ArtworkPresent || f.ToolPathCreated) {
    job_.flags.DisplayIdle = false;
    DrawJob(job_, view_, canvas_, false);
    job_.flags.DisplayIdle = true;
  }
}

void MainView::Repaint(bool slow) {
  view_.Clear(canvas_);
  if (job_.prefs.ShowAxes) view_.Axes(canvas_, false);
  if (job_.prefs.ShowRuler) view_.Ruler(canvas_, false, 0, 0);
  DrawJob(job_, view_, canvas_, slow);
}

// The window changed: map it and draw the whole picture again.
void MainView::ShowWindow(bool set3D) {
  if (set3D) Set3D();
  const WorldWindow& w = job_.view.ViewWindow;
  view_.SetWindow(w.Xmin, w.Ymin, w.Xmax, w.Ymax);
  view_.MapToCanvas(canvas_);
  view_.Clear(canvas_);
  Redraw();
  job_.flags.DisplayIdle = true;
}

void MainView::ArmZoom() {
  job_.view.ZoomArmed = true;
  job_.view.PrevViewWindow = job_.view.ViewWindow;
}

// The rubber band in XOR (NOT-XOR on white), so drawing it twice erases it.
void MainView::RubberBand() {
  bool black = view_.BlackBackground();
  canvas_.SetPen(black ? clWhite : clBlack, 1, PenStyle::Solid);
  canvas_.SetPenMode(black ? PenMode::Xor : PenMode::NotXor);
  canvas_.SetBrush(clBlack, BrushStyle::Clear);
  canvas_.Rectangle({std::min(x1_, x2_), std::min(y1_, y2_), std::max(x1_, x2_), std::max(y1_, y2_)});
}

void MainView::ZoomPress(int x, int y) {
  if (!job_.view.ZoomArmed) return;
  job_.view.ZoomDragging = true;
  x1_ = x;
  y1_ = y;
  x2_ = x + 1;
  y2_ = y + 1;
  RubberBand();
}

void MainView::ZoomMove(int x, int y) {
  if (!job_.view.ZoomDragging) return;
  RubberBand();
  x2_ = x;
  y2_ = y;
  RubberBand();
}

void MainView::ZoomRelease() {
  ViewState& v = job_.view;
  bool armed = v.ZoomArmed && v.ZoomDragging;
  v.ZoomDragging = false;
  if (!armed) return;
  RubberBand();
  canvas_.SetPenMode(PenMode::Copy);
  v.ZoomArmed = false;
  BusyScope busy(job_.ui);
  job_.flags.DisplayIdle = false;
  ResetScrollBars();
  // The lower left corner on the screen is the one with the smaller x and the larger y.
  int left = std::min(x1_, x2_), right = std::max(x1_, x2_);
  int top = std::min(y1_, y2_), bottom = std::max(y1_, y2_);
  Set3D();
  view_.PixelToWorld(left, bottom, v.ViewWindow.Xmin, v.ViewWindow.Ymin);
  view_.PixelToWorld(right, top, v.ViewWindow.Xmax, v.ViewWindow.Ymax);
  StopSimulation();
  ShowWindow(false);
}

void MainView::ZoomOut() {
  StopSimulation();
  WorldWindow& w = job_.view.ViewWindow;
  double dx = (w.Xmax - w.Xmin) / 4, dy = (w.Ymax - w.Ymin) / 4;
  w = {w.Xmin - dx, w.Ymin - dy, w.Xmax + dx, w.Ymax + dy};
  job_.flags.DisplayIdle = false;
  ResetScrollBars();
  ShowWindow(false);
}

void MainView::Previous() {
  StopSimulation();
  std::swap(job_.view.ViewWindow, job_.view.PrevViewWindow);
  BusyScope busy(job_.ui);
  job_.flags.DisplayIdle = false;
  ResetScrollBars();
  ShowWindow(true);
}

void MainView::Scroll(int xPosition, int yPosition) {
  ViewState& v = job_.view;
  job_.flags.DisplayIdle = false;
  WorldWindow& w = v.ViewWindow;
  double dx = (w.Xmax - w.Xmin) * (xPosition - v.ScrollX) / 100;
  double dy = -(w.Ymax - w.Ymin) * (yPosition - v.ScrollY) / 100;
  w = {w.Xmin + dx, w.Ymin + dy, w.Xmax + dx, w.Ymax + dy};
  ShowWindow(true);
  v.ScrollX = xPosition;
  v.ScrollY = yPosition;
}

void MainView::Switch3D(bool on) {
  job_.view.View3D = on;
  view_.Clear(canvas_);
  Extents();
}

std::string MainView::CoordinateText(int px, int py) const {
  double x, y;
  view_.PixelToWorld(px, py, x, y);
  return "X" + PanelNumber(x) + ",Y" + PanelNumber(y);
}

}  // namespace quill
