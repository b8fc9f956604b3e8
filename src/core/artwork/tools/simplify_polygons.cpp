// "Simplify Polygons": each run of connected lines is simplified on its own.
#include "artwork/tools/optimize.h"
#include "artwork/tools/optimize_steps.h"
#include "artwork/tools/progress_meter.h"
#include "artwork/tools/simplify.h"

namespace quill {

namespace {

// The lines from work[from] up to (not including) work[to], replaced by those between the points
// Douglas-Peucker keeps.
void SimplifyRun(const std::vector<tgEntity>& work, size_t from, size_t to, double tolerance,
                 std::vector<tgEntity>& out) {
  std::vector<Vector3> points{{work[from].X(), work[from].Y(), work[from].Z()}};
  for (size_t i = from; i < to; ++i) points.push_back({work[i].XE(), work[i].YE(), work[i].ZE()});
  std::vector<Vector3> kept;
  Simplify(points, tolerance, kept);
  tgEntity line;
  for (size_t i = 1; i < kept.size(); ++i) {
    line.SetLine(kept[i - 1].X, kept[i - 1].Y, kept[i - 1].Z, kept[i].X, kept[i].Y, kept[i].Z);
    out.push_back(line);
  }
}

}  // namespace

bool SimplifyPolygons(Ui& ui, std::vector<tgEntity>& work, const OptimizeOptions& options) {
  ProgressMeter meter(ui, "Simplify Polygons", work.size());
  std::vector<tgEntity> out;
  out.reserve(work.size());
  for (size_t i = 0; i < work.size();) {
    if (!meter.At(i)) return false;
    if (!work[i].IsLine()) {
      out.push_back(work[i++]);
      continue;
    }
    size_t end = i + 1;
    while (end < work.size() && work[end].IsLine() && Connected(work[end - 1], work[end], options.connectTolerance)) {
      ++end;
    }
    SimplifyRun(work, i, end, options.simplifyTolerance, out);
    i = end;
  }
  work = std::move(out);
  return true;
}

}  // namespace quill
