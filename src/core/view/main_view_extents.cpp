// Extents: the window that shows the whole job, from the text path, the artwork, the reference frame
// and the tool path.
#include "job/job.h"
#include "records/artwork_query.h"
#include "textpath/textpath_file.h"
#include "ui/ui.h"
#include "view/draw_job.h"
#include "view/main_view.h"
#include "view/recording_canvas.h"
#include "view/setting_number.h"

namespace quill {

namespace {

// The headless picture Extents is worked out on: its size does not change the window.
constexpr int kHeadlessWidth = 1024, kHeadlessHeight = 768;

WorldWindow ToWindow(const Box& b) {
  return {b.xmin, b.ymin, b.xmax, b.ymax};
}

void Grow(Box& b, double fraction) {
  double dx = (b.xmax - b.xmin) * fraction, dy = (b.ymax - b.ymin) * fraction;
  b = {b.xmin - dx, b.ymin - dy, b.xmax + dx, b.ymax + dy};
}

// The 3D view draws the flat job in perspective: the window must hold the projected box.  A flat
// rectangle's picture lies within its projected corners.
Box Projected(const Trwindow& view, const Box& flat) {
  Box seen;
  for (double x : {flat.xmin, flat.xmax}) {
    for (double y : {flat.ymin, flat.ymax}) {
      double px = x, py = y;
      view.Project(px, py, 0);
      seen.Widen(px, py);
    }
  }
  return seen;
}

}  // namespace

void MainView::Extents() {
  StopSimulation();
  BusyScope busy(job_.ui);
  ViewState& v = job_.view;
  v.ViewWindow = {1000, 1000, -1000, -1000};
  v.Zmin = v.Zmax = 0;
  job_.flags.DisplayIdle = false;
  ResetScrollBars();
  Set3D();
  Box box;
  TextPathExtents(job_, box.xmin, box.ymin, box.xmax, box.ymax, true, !v.View3D);
  if (job_.flags.ArtworkPresent) {
    WidenByArtwork(job_.paths.ArtFileName, box);
    if (!box.Empty()) Grow(box, 0.1);
  }
  if (job_.flags.RefFrameOn) {
    const EngravingSettings& s = job_.settings;
    double x = SettingNumber(s.RFX), y = SettingNumber(s.RFY);
    box.Widen(x, y);
    box.Widen(x + SettingNumber(s.RFXX), y + SettingNumber(s.RFYY));
  }
  if (v.View3D && !box.Empty()) box = Projected(view_, box);
  v.ViewWindow = ToWindow(box);
  DrawToolPath(job_, view_, canvas_, false, true);
  ShowWindow(false);
}

void ComputeJobExtents(Job& job) {
  RecordingCanvas canvas(kHeadlessWidth, kHeadlessHeight, 96, false);
  MainView view(job, canvas);
  view.SetupView();
  view.Extents();
}

}  // namespace quill
