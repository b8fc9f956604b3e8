#include "view/draw_job.h"

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "records/artwork_record.h"
#include "records/textpath_record.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr long kPumpEvery = 100;

// Direction of (x, y) seen from the centre; a point on the centre counts as angle 0.
double AngleAbout(double cx, double cy, double x, double y) {
  double a = VectorAngle(x - cx, y - cy);
  return a == UndefinedAngle ? 0 : a;
}

}  // namespace

void DrawTextPath(Job& job, Trwindow& view, Canvas& canvas) {
  if (!job.flags.TextPathGenerated) return;
  TextPathReader in(job.paths.TextPathFileName);
  canvas.SetPenMode(PenMode::Copy);
  view.SetPenColor(canvas, job.prefs.TextLineColor);
  bool arcColour = false;
  double px = 0, py = 0;
  TextPathRecord r;
  for (long n = 1; in.Next(r); ++n) {
    bool arc = r.kind == TpArcCw || r.kind == TpArcCcw;
    if (arc != arcColour) {
      view.SetPenColor(canvas, arc ? job.prefs.TextArcColor : job.prefs.TextLineColor);
      arcColour = arc;
    }
    if (r.kind == TpMove) view.MoveTo3(canvas, r.X, r.Y, 0);
    if (r.kind == TpLine) view.LineTo3(canvas, r.X, r.Y, 0);
    if (arc) {
      view.Arc(canvas, r.CX, r.CY, r.R, AngleAbout(r.CX, r.CY, px, py), AngleAbout(r.CX, r.CY, r.X, r.Y), 0, 0,
               r.kind == TpArcCcw);
    }
    if (r.kind >= TpMove && r.kind <= TpArcCcw) {
      px = r.X;
      py = r.Y;
    }
    if (n % kPumpEvery == 0) job.ui.Pump();
  }
  if (arcColour) view.SetPenColor(canvas, job.prefs.TextLineColor);
}

void DrawArtwork(Job& job, Trwindow& view, Canvas& canvas) {
  if (!job.flags.ArtworkPresent) return;
  ArtReader in(job.paths.ArtFileName);
  canvas.SetPenMode(PenMode::Copy);
  view.SetPenColor(canvas, job.prefs.ArtColor);
  ArtRecord r;
  for (long n = 1; in.Next(r); ++n) {
    const double* v = r.v;
    if (r.kind == ArtLine) {
      view.MoveTo3(canvas, v[0], v[1], 0);
      view.LineTo3(canvas, v[2], v[3], 0);
    } else if (r.kind == ArtArcCw || r.kind == ArtArcCcw) {
      view.Arc(canvas, v[0], v[1], v[2], v[3], v[4], 0, 0, r.kind == ArtArcCcw);
    }
    if (n % kPumpEvery == 0) job.ui.Pump();
  }
}

void DrawJob(Job& job, Trwindow& view, Canvas& canvas, bool slow) {
  DrawTextPath(job, view, canvas);
  DrawArtwork(job, view, canvas);
  DrawToolPath(job, view, canvas, slow, false);
}

}  // namespace quill
