// The tool path drawing loop: one cutter-location record at a time, with the simulation able to hold
// it before any record, the cutter picture following the tool and the extents collected on the way.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"
#include "records/cl_record.h"
#include "ui/ui.h"
#include "view/cutter_image.h"
#include "view/draw_job.h"
#include "view/setting_number.h"

namespace quill {

namespace {

constexpr long kPumpEvery = 10;
constexpr auto kSlowPause = std::chrono::milliseconds(165);  // three timer ticks of 55 ms
constexpr auto kWaitPause = std::chrono::milliseconds(10);
constexpr int kWidestPen = 4096;

bool IsMove(int code) {
  return code >= ClRapid && code <= ClArcCcw;
}

class ToolPathDrawing {
 public:
  ToolPathDrawing(Job& job, Trwindow& view, Canvas& canvas, bool slow, bool collect)
      : job_(job),
        view_(view),
        canvas_(canvas),
        slow_(slow),
        collect_(collect),
        cutter_(job.settings.TSHAPE, SettingNumber(job.settings.TOOLDIA), SettingNumber(job.settings.TLCR)) {}

  void Run(ClReader& in);

 private:
  bool WaitForSimulation();
  void Pace();
  void Draw(const ClRecord& r);
  void UsePen(bool rapid);
  void Collect(const ClRecord& r);
  void EraseCutter();
  void ShowCutter();
  void DrawCutter(double x, double y, double z);
  void AfterRecord(const ClRecord& r);

  Job& job_;
  Trwindow& view_;
  Canvas& canvas_;
  bool slow_, collect_;
  CutterImage cutter_;
  int feedWidth_ = 1;
  int pen_ = -1;  // 0 feed pen, 1 rapid pen
  double x_ = 0, y_ = 0, z_ = 0;
  bool cutterShown_ = false;
  double cutterX_ = 0, cutterY_ = 0, cutterZ_ = 0;
};

// Holds the loop while the simulation is rewound or paused; false when the wait was cancelled.
bool ToolPathDrawing::WaitForSimulation() {
  Ui& ui = job_.ui;
  int& state = job_.view.SimState;
  while ((state == SimRewound || state == SimPaused) && !ui.Unattended()) {
    if (ui.CancelRequested()) return false;
    ui.Pump();
    std::this_thread::sleep_for(kWaitPause);
  }
  return true;
}

// Play at the operator's pace: a pause after each move while the simulation window shows, the windows
// kept alive and the pace read again as it runs.
void ToolPathDrawing::Pace() {
  const ViewState& v = job_.view;
  auto start = std::chrono::steady_clock::now();
  while (v.SimState == SimPlaying && v.SimMovesPerSecond > 0 && v.simPanel && v.simPanel->Visible() &&
         !job_.ui.Unattended()) {
    auto due = start + std::chrono::microseconds(1000000 / v.SimMovesPerSecond);
    auto now = std::chrono::steady_clock::now();
    if (now >= due) return;
    job_.ui.Pump();
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(due - now, kWaitPause));
  }
}

void ToolPathDrawing::UsePen(bool rapid) {
  int pen = rapid ? 1 : 0;
  if (pen == pen_) return;
  pen_ = pen;
  view_.SetPen(canvas_, rapid ? job_.prefs.RapidColor : job_.prefs.ToolPathColor, rapid ? 1 : feedWidth_,
               rapid ? 3 : 0);
}

void ToolPathDrawing::Draw(const ClRecord& r) {
  if (r.code == ClRapid) {
    if (job_.prefs.ShowRapids) {
      UsePen(true);
      view_.LineTo3(canvas_, r.X, r.Y, r.Z);
    } else {
      view_.MoveTo3(canvas_, r.X, r.Y, r.Z);
    }
  } else if (r.code == ClFeed) {
    UsePen(false);
    view_.LineTo3(canvas_, r.X, r.Y, r.Z);
  } else {
    UsePen(false);
    double radius = std::hypot(r.X - r.CX, r.Y - r.CY);
    double a0 = VectorAngle(x_ - r.CX, y_ - r.CY), a1 = VectorAngle(r.X - r.CX, r.Y - r.CY);
    view_.Arc(canvas_, r.CX, r.CY, radius, a0 == UndefinedAngle ? 0 : a0, a1 == UndefinedAngle ? 0 : a1, z_, r.Z - z_,
              r.code == ClArcCcw);
  }
}

void ToolPathDrawing::Collect(const ClRecord& r) {
  ViewState& v = job_.view;
  double x = r.X, y = r.Y;
  if (v.View3D) view_.Project(x, y, r.Z);
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(r.Z)) return;
  WorldWindow& w = v.ViewWindow;
  w.Xmin = std::fmin(w.Xmin, x);
  w.Ymin = std::fmin(w.Ymin, y);
  w.Xmax = std::fmax(w.Xmax, x);
  w.Ymax = std::fmax(w.Ymax, y);
  v.Zmin = std::fmin(v.Zmin, r.Z);
  v.Zmax = std::fmax(v.Zmax, r.Z);
}

// The cutter's lines move the view's pen; it goes back to the tool, where the next move starts.
void ToolPathDrawing::DrawCutter(double x, double y, double z) {
  view_.SetPen(canvas_, job_.prefs.ToolPathColor, 1, 0);
  canvas_.SetPenMode(PenMode::Xor);
  cutter_.Draw(view_, canvas_, x, y, z);
  canvas_.SetPenMode(PenMode::Copy);
  view_.MoveTo3(canvas_, x_, y_, z_);
  pen_ = -1;
}

// On a watched surface the cutter follows the tool: the old picture is erased by drawing it again,
// before the next move is drawn, so the erasing never crosses the path's own pixels.
void ToolPathDrawing::EraseCutter() {
  if (cutterShown_) DrawCutter(cutterX_, cutterY_, cutterZ_);
  cutterShown_ = false;
}

void ToolPathDrawing::ShowCutter() {
  DrawCutter(x_, y_, z_);
  cutterShown_ = true;
  cutterX_ = x_;
  cutterY_ = y_;
  cutterZ_ = z_;
}

void ToolPathDrawing::AfterRecord(const ClRecord& r) {
  int& state = job_.view.SimState;
  if (state == SimStep || (state == SimNextRapid && r.code == ClRapid)) state = SimPaused;
}

void ToolPathDrawing::Run(ClReader& in) {
  if (job_.prefs.ShowToolWidth) {
    double d = SettingNumber(job_.settings.TOOLDIA);
    double px = std::fabs(view_.Sx() * d);
    feedWidth_ = px < 1 ? 1 : (px > kWidestPen ? kWidestPen : static_cast<int>(std::lround(px)));
  }
  canvas_.SetPenMode(PenMode::Copy);
  bool animate = job_.prefs.ShowToolImage && canvas_.Interactive();
  bool moved = false;
  ClRecord r;
  for (long n = 1;; ++n) {
    if (!WaitForSimulation()) return;
    if (!in.Next(r)) break;
    if (IsMove(r.code)) {
      SimulationPanel* panel = job_.view.simPanel;
      if (panel && panel->Visible()) panel->ShowPosition(r.X, r.Y, r.Z);
      if (animate) EraseCutter();
      // Where the tool stands before its first move is not known: the path starts at that move's point.
      if (!moved && r.code <= ClFeed) view_.MoveTo3(canvas_, r.X, r.Y, r.Z);
      Draw(r);
      if (collect_) Collect(r);
      x_ = r.X;
      y_ = r.Y;
      z_ = r.Z;
      moved = true;
      if (animate) ShowCutter();
      Pace();
    }
    AfterRecord(r);
    if (n % kPumpEvery == 0) {
      job_.ui.Pump();
      if (slow_) std::this_thread::sleep_for(kSlowPause);
    }
  }
  if (job_.view.SimState != SimOff) job_.view.SimState = SimAtEnd;
  if (moved && job_.prefs.ShowToolImage && !animate) DrawCutter(x_, y_, z_);
}

}  // namespace

void DrawToolPath(Job& job, Trwindow& view, Canvas& canvas, bool slow, bool collectExtents) {
  if (!job.prefs.ShowToolPath || !job.flags.ToolPathCreated) return;
  errno = 0;
  ClReader in(job.paths.CLFileName);
  if (!in.IsOpen()) {
    int err = errno ? errno : ENOENT;
    job.ui.Warn("C/L File access error #" + std::to_string(err) + " [" + job.paths.CLFileName + "]");
    return;
  }
  ToolPathDrawing(job, view, canvas, slow, collectExtents).Run(in);
  view.SetPen(canvas, job.prefs.ToolPathColor, 1, 0);
}

}  // namespace quill
