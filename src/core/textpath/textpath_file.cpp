#include "textpath/textpath_file.h"

#include <cmath>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "records/textpath_record.h"

namespace quill {

namespace {

void WidenByMargin(double& lo, double& hi) {
  const double m = (hi - lo) * 0.1;
  lo -= m;
  hi += m;
}

}  // namespace

bool TextPathExtents(const Job& job, double& xmin, double& ymin, double& xmax, double& ymax, bool margin, bool square) {
  if (!job.flags.TextPathGenerated) return false;
  TextPathReader in(job.paths.TextPathFileName);
  if (!in.IsOpen()) return false;
  double x0 = 1000, y0 = 1000, x1 = -1000, y1 = -1000;
  TextPathRecord r;
  while (in.Next(r)) {
    if ((r.kind != TpMove && r.kind != TpLine) || !std::isfinite(r.X) || !std::isfinite(r.Y)) continue;
    x0 = MinReal(x0, r.X);
    y0 = MinReal(y0, r.Y);
    x1 = MaxReal(x1, r.X);
    y1 = MaxReal(y1, r.Y);
  }
  // Only a real box is widened or squared; the empty one stays recognisable as empty.
  if (x0 <= x1) {
    if (margin) {
      WidenByMargin(x0, x1);
      WidenByMargin(y0, y1);
    }
    if (square) {
      const double w = x1 - x0, h = y1 - y0;
      if (h >= w) {
        x0 -= (h - w) / 4;
      } else {
        y0 -= (w - h) / 4;
      }
    }
  }
  xmin = x0;
  ymin = y0;
  xmax = x1;
  ymax = y1;
  return true;
}

long CountTextPathMoves(const Job& job) {
  if (!job.flags.TextPathGenerated) return 0;
  TextPathReader in(job.paths.TextPathFileName);
  long count = 0;
  TextPathRecord r;
  while (in.Next(r)) count += r.kind >= TpMove && r.kind <= TpArcCcw;
  return count;
}

}  // namespace quill
