#include "toolpath/artwork_toolpath.h"

#include <cmath>

#include "job/job.h"
#include "records/artwork_record.h"
#include "records/cl_record.h"
#include "toolpath/cutter.h"
#include "ui/ui.h"

namespace quill {

namespace {

void CutArtRecord(const ArtRecord& r, Cutter& cut) {
  const double* v = r.v;
  double sx, sy, ex, ey;
  if (r.kind == ArtLine) {
    sx = v[0], sy = v[1], ex = v[2], ey = v[3];
  } else if (r.kind == ArtArcCw || r.kind == ArtArcCcw) {
    sx = v[0] + v[2] * std::cos(v[3]), sy = v[1] + v[2] * std::sin(v[3]);
    ex = v[0] + v[2] * std::cos(v[4]), ey = v[1] + v[2] * std::sin(v[4]);
  } else {
    return;
  }
  if (cut.First() || !cut.At(sx, sy)) {
    if (!cut.First()) cut.Retract();
    cut.RapidTo(sx, sy);
    cut.Plunge();
  }
  if (r.kind == ArtLine) {
    cut.LineTo(ex, ey);
  } else {
    cut.ArcTo(r.kind == ArtArcCw ? ClArcCw : ClArcCcw, ex, ey, v[0], v[1]);
  }
}

}  // namespace

void ArtworkToolPath(Job& job, const ToolPathPass& pass) {
  if (!job.flags.ArtworkPresent) return;
  ArtReader in(job.paths.ArtFileName);
  Cutter cut(pass);
  ArtRecord r;
  while (in.Next(r)) {
    CutArtRecord(r, cut);
    job.ui.Pump();
  }
  cut.Finish();
}

}  // namespace quill
