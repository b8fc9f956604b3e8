// "Biezer Curve Fitting": runs of short connected lines become smooth curves.
#include <algorithm>
#include <cmath>

#include "artwork/tools/optimize.h"
#include "artwork/tools/optimize_steps.h"
#include "artwork/tools/progress_meter.h"
#include "mathlib/arc_fit.h"
#include "mathlib/curves.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

// A run of lines is replaced only when it has more points than this.
constexpr size_t kMinRunPoints = 4;
// A curve gets at least a line and at most this many points.
constexpr long kMaxCurvePoints = 250;
// A Bezier spacing of 0 reads as this.
constexpr double kZeroSpacing = 0.001;

class BezierRuns {
 public:
  BezierRuns(const std::vector<tgEntity>& work, const OptimizeOptions& options) : work_(work), options_(options) {}

  bool Qualifies(size_t i) const {
    const tgEntity& e = work_[i];
    return e.IsLine() && e.LengthOf() <= options_.bezierLength && !e.Marked() && i + 1 < work_.size();
  }

  // The end of the run that starts at line `from` (which qualifies).
  size_t RunEnd(size_t from) const {
    size_t end = from + 1;
    while (end < work_.size() && end - from + 1 < MaxCurveNodes && Qualifies(end) &&
           Connected(work_[end - 1], work_[end], options_.connectTolerance)) {
      ++end;
    }
    return end;
  }

  // The curve that replaces the lines from..to.
  void Replace(size_t from, size_t to, std::vector<tgEntity>& out) const {
    std::vector<CurvePoint> nodes{{work_[from].X(), work_[from].Y()}};
    double length = 0;
    for (size_t i = from; i < to; ++i) {
      nodes.push_back({work_[i].XE(), work_[i].YE()});
      length += work_[i].LengthOf();
    }
    const double spacing = IsZero(options_.bezierSpacing) ? kZeroSpacing : options_.bezierSpacing;
    const long count = std::clamp(std::lround(std::min(length / spacing, 1e9)), 2L, kMaxCurvePoints);
    std::vector<CurvePoint> points = BezierPoints(nodes, static_cast<int>(count));
    if (options_.arcFit) {
      FittedEntities(points, out);
      return;
    }
    tgEntity line;
    for (size_t i = 1; i < points.size(); ++i) {
      line.SetLine(points[i - 1].X, points[i - 1].Y, 0, points[i].X, points[i].Y, 0);
      out.push_back(line);
    }
  }

 private:
  // The points as the tangent-arc fitter's lines and arcs, each from where the last one ended.
  void FittedEntities(const std::vector<CurvePoint>& points, std::vector<tgEntity>& out) const {
    CurvePoint at = points.front();
    tgEntity e;
    for (const FitRecord& r : FitTangentArcs(points, options_.arcFitTolerance)) {
      if (r.kind == FitLine) {
        if (IsZero(r.X - at.X) && IsZero(r.Y - at.Y)) continue;
        e.SetLine(at.X, at.Y, 0, r.X, r.Y, 0);
      } else {
        e.SetArc(r.CX, r.CY, 0, r.R, VectorAngle(at.X - r.CX, at.Y - r.CY), VectorAngle(r.X - r.CX, r.Y - r.CY));
        e.SetCCW(r.kind == FitArcCcw);
      }
      out.push_back(e);
      at = {r.X, r.Y};
    }
  }

  const std::vector<tgEntity>& work_;
  const OptimizeOptions& options_;
};

}  // namespace

bool ReplaceByBezier(Ui& ui, std::vector<tgEntity>& work, const OptimizeOptions& options) {
  ProgressMeter meter(ui, "Biezer Curve Fitting", work.size());
  BezierRuns runs(work, options);
  std::vector<tgEntity> out;
  out.reserve(work.size());
  for (size_t i = 0; i < work.size();) {
    if (!meter.At(i)) return false;
    if (!runs.Qualifies(i)) {
      out.push_back(work[i++]);
      continue;
    }
    size_t end = runs.RunEnd(i);
    if (end - i + 1 >= kMinRunPoints) {
      runs.Replace(i, end, out);
    } else {
      out.insert(out.end(), work.begin() + static_cast<long>(i), work.begin() + static_cast<long>(end));
    }
    i = end;
  }
  work = std::move(out);
  return true;
}

}  // namespace quill
