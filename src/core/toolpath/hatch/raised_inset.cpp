#include "toolpath/hatch/raised_inset.h"

#include <cerrno>
#include <cmath>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"
#include "records/artwork_record.h"
#include "records/textpath_record.h"
#include "textpath/textpath_file.h"
#include "toolpath/hatch/hatch_contours.h"
#include "ui/ui.h"

namespace quill {

namespace {

struct Rect {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  double CentreX() const { return (xmin + xmax) / 2; }
  double CentreY() const { return (ymin + ymax) / 2; }
};

// Turning about a centre by an angle, and back.
struct Turn {
  double cx, cy, angle;
  void Apply(double& x, double& y, double by) const { RotatePoint(x, y, cx, cy, by); }
};

Rect ReadFrame(Job& job) {
  const EngravingSettings& s = job.settings;
  double x = TextToDouble(job.ui, s.RFX), y = TextToDouble(job.ui, s.RFY);
  return {x, y, x + TextToDouble(job.ui, s.RFXX), y + TextToDouble(job.ui, s.RFYY)};
}

bool Surrounds(const Rect& frame, const Rect& text) {
  return frame.xmin < text.xmin && frame.ymin < text.ymin && frame.xmax > text.xmax && frame.ymax > text.ymax;
}

// The lowest and highest Y of the box's four corners once turned: every corner counts, so the scan
// covers the whole box whatever the angle.
void ScanRange(const Rect& box, const Turn& turn, double& low, double& high) {
  low = 1e300, high = -1e300;
  for (double x : {box.xmin, box.xmax}) {
    for (double y : {box.ymin, box.ymax}) {
      double tx = x, ty = y;
      turn.Apply(tx, ty, -turn.angle);
      low = std::min(low, ty), high = std::max(high, ty);
    }
  }
}

void AddTextContours(Job& job, const Turn& turn, HatchContours& contours) {
  TextPathReader in(job.paths.TextPathFileName);
  TextPathRecord r;
  double px = 0, py = 0;
  while (in.Next(r)) {
    if (r.kind < TpMove || r.kind > TpArcCcw) continue;
    double x = r.X, y = r.Y, cx = r.CX, cy = r.CY;
    turn.Apply(x, y, -turn.angle);
    if (r.kind == TpLine) contours.AddLine(px, py, x, y);
    if (r.kind == TpArcCw || r.kind == TpArcCcw) {
      turn.Apply(cx, cy, -turn.angle);
      contours.AddArc(px, py, x, y, cx, cy, r.kind == TpArcCcw);
    }
    px = x, py = y;
  }
}

void AddFrame(const Rect& frame, const Turn& turn, HatchContours& contours) {
  double xs[5] = {frame.xmin, frame.xmin, frame.xmax, frame.xmax, frame.xmin};
  double ys[5] = {frame.ymin, frame.ymax, frame.ymax, frame.ymin, frame.ymin};
  for (int i = 0; i < 5; ++i) turn.Apply(xs[i], ys[i], -turn.angle);
  for (int i = 0; i < 4; ++i) contours.AddLine(xs[i], ys[i], xs[i + 1], ys[i + 1]);
}

// The pairs of crossings of one scan line, shortened and turned back, as artwork lines.
void HatchLine(const HatchContours& contours, double y, const Turn& turn, double reduce, ArtWriter& out) {
  std::vector<double> xs = contours.Crossings(y);
  for (size_t i = 0; i + 1 < xs.size(); i += 2) {
    double x1 = xs[i] + reduce, x2 = xs[i + 1] - reduce;
    if (!(x2 > x1) || IsZero(x2 - x1)) continue;  // nothing left once shortened
    double y1 = y, y2 = y;
    turn.Apply(x1, y1, turn.angle);
    turn.Apply(x2, y2, turn.angle);
    out.Line(x1, y1, x2, y2);
  }
}

bool WriteHatching(Job& job, const HatchContours& contours, const Turn& turn, double low, double high,
                   const RaisedInsetChoices& c) {
  errno = 0;
  ArtWriter out(job.paths.ArtFileName, job.flags.ArtworkPresent);
  for (double y = turn.cy; y <= high; y += c.spacing) HatchLine(contours, y, turn, c.reduce, out);
  for (double y = turn.cy - c.spacing; y >= low; y -= c.spacing) HatchLine(contours, y, turn, c.reduce, out);
  if (out.Close()) return true;
  job.ui.Warn("Art File access error #" + std::to_string(errno) + " [" + job.paths.ArtFileName + "]");
  return false;
}

}  // namespace

std::string CheckRaisedInset(const RaisedInsetChoices& c) {
  if (!(c.spacing > 0)) return "Space Between Cuts Must be Greater Than Zero";
  if (!(c.reduce >= 0)) return "Reduce Hatch Lines by Cannot be Negative";
  return {};
}

bool RaisedInsetLetters(Job& job, const RaisedInsetChoices& c) {
  Rect text;
  if (!job.flags.TextPathGenerated ||
      !TextPathExtents(job, text.xmin, text.ymin, text.xmax, text.ymax, false, false)) {
    job.ui.Inform("Text Path Has Not Been Generated Yet");
    return false;
  }
  std::string refusal = CheckRaisedInset(c);
  bool raised = c.operation == HatchOperation::Raised;
  Rect frame = raised ? ReadFrame(job) : text;
  double angle = std::fmod((c.angle == 0 ? 0.0001 : c.angle) * DegToRad, Pi);
  Turn turn{frame.CentreX(), frame.CentreY(), angle < 0 ? angle + Pi : angle};
  double low = 0, high = 0;
  ScanRange(frame, turn, low, high);
  if (refusal.empty() && !((high - low) / c.spacing <= MostHatchLines)) {
    refusal = "Space Between Cuts Gives More Than 1000000 Hatch Lines";
  }
  if (!refusal.empty()) {
    job.ui.Error(refusal);
    return false;
  }
  if (raised && !Surrounds(frame, text) &&
      !job.ui.AskYesNo("Reference Frame Does Not Appear to Surrond Lettering, Continue Anyway ?")) {
    return false;
  }
  HatchContours contours;
  AddTextContours(job, turn, contours);
  if (raised) AddFrame(frame, turn, contours);
  if (!WriteHatching(job, contours, turn, low, high, c)) return false;
  job.flags.ArtworkPresent = true;
  job.flags.ProjectModified = true;
  return true;
}

}  // namespace quill
