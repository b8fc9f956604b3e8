// The scan lines are not tried against every entity of the boundary: each entity is listed with the
// scan lines its box spans, so a scan line only meets the entities it can cross.
#include "artwork/tools/cross_hatch.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "artwork/tools/progress_meter.h"
#include "artwork/workshop/bounds.h"
#include "geometry/intersection.h"
#include "mathlib/geom2d.h"
#include "ui/ui.h"

namespace quill {

namespace {

// The tangency tolerance of the circle crossings while hatching.
constexpr double kHatchTangency = 1e-06;

struct Crossing {
  double x, y;
};

// The angle in radians within 0 .. pi: a hatch at a and at a + pi is the same hatch.
double HatchAngle(double degrees) {
  double a = std::fmod(degrees * DegToRad, TwoPi);
  if (a < 0) a += TwoPi;
  if (a > Pi) a -= Pi;
  return a;
}

class Hatcher {
 public:
  Hatcher(Ui& ui, std::span<const tgEntity> boundary, const HatchOptions& options)
      : d_(options.spacing), a_(HatchAngle(options.angleDegrees)), crossing_(ui) {
    Bounds box;
    EntityBox b;
    for (const tgEntity& e : boundary) {
      if (!e.IsLine() && !e.IsArc()) continue;
      copies_.push_back(e);
      if (BoxOf(e, b)) box.Widen(b);
    }
    cx_ = box.CentreX(), cy_ = box.CentreY();
    for (tgEntity& e : copies_) {
      e.Rotate(ui, cx_, cy_, -a_);
      if (BoxOf(e, b)) turned_.Widen(b);
    }
  }

  bool Empty() const { return copies_.empty(); }

  // The scan lines, numbered from the centre line: 0 .. kmax upwards while they stay within the box,
  // then -1 (always) .. kmin downwards.  False when there would be too many.
  bool ScanRange(long& kmin, long& kmax) const {
    double up = std::floor((turned_.ymax - cy_) / d_), down = std::floor((cy_ - turned_.ymin) / d_);
    if (!(std::fabs(up) + std::fabs(down) + 2 <= static_cast<double>(MaxHatchScanLines))) return false;
    kmax = static_cast<long>(up);
    while (Y(kmax + 1) <= turned_.ymax) ++kmax;
    while (kmax >= 0 && Y(kmax) > turned_.ymax) --kmax;
    kmin = std::min(-1L, -static_cast<long>(down));
    while (kmin < -1 && Y(kmin) < turned_.ymin) ++kmin;
    while (Y(kmin - 1) >= turned_.ymin) --kmin;
    return true;
  }

  // Lists each entity with the scan lines its box spans (grown by what the crossing tests allow).
  void ListEntities(long kmin, long kmax) {
    kmin_ = kmin;
    kmax = std::max(kmax, -1L);
    const double grow = std::max(EntityTolerance, 0.0) + 2 * ZeroTolerance;
    std::vector<std::pair<long, long>> spans(copies_.size());
    first_.assign(static_cast<size_t>(kmax - kmin + 2), 0);
    for (size_t i = 0; i < copies_.size(); ++i) {
      EntityBox b;
      BoxOf(copies_[i], b);
      auto line = [&](double k) { return static_cast<long>(std::clamp(k, kmin - 1.0, kmax + 1.0)); };
      long lo = std::max(kmin, line(std::ceil((b.ymin - grow - cy_) / d_)));
      long hi = std::min(kmax, line(std::floor((b.ymax + grow - cy_) / d_)));
      spans[i] = {lo, hi};
      for (long k = lo; k <= hi; ++k) ++first_[static_cast<size_t>(k - kmin + 1)];
    }
    for (size_t k = 1; k < first_.size(); ++k) first_[k] += first_[k - 1];
    listed_.resize(first_.back());
    std::vector<size_t> fill(first_.begin(), first_.end() - 1);
    for (size_t i = 0; i < copies_.size(); ++i) {
      for (long k = spans[i].first; k <= spans[i].second; ++k) listed_[fill[static_cast<size_t>(k - kmin)]++] = i;
    }
  }

  // The hatch lines of scan line k, appended to out.
  void Scan(long k, std::vector<tgEntity>& out) {
    const double y = Y(k);
    // The scan line starts and ends well outside the boundary, wherever the box lies.
    const double margin = (turned_.xmax - turned_.xmin) + 1;
    tgEntity scan;
    scan.SetLine(turned_.xmin - margin, y, 0, turned_.xmax + margin, y, 0);
    points_.clear();
    const size_t slot = static_cast<size_t>(k - kmin_);
    for (size_t at = first_[slot]; at < first_[slot + 1]; ++at) {
      if (!crossing_.Intersect(scan, copies_[listed_[at]])) continue;
      points_.push_back({crossing_.X1, crossing_.Y1});
      if (crossing_.Count == 2) points_.push_back({crossing_.X2, crossing_.Y2});
    }
    std::stable_sort(points_.begin(), points_.end(), [](const Crossing& p, const Crossing& q) { return p.x > q.x; });
    for (Crossing& p : points_) RotatePoint(p.x, p.y, cx_, cy_, a_);
    tgEntity line;
    for (size_t i = 0; i + 1 < points_.size(); i += 2) {
      line.SetLine(points_[i].x, points_[i].y, 0, points_[i + 1].x, points_[i + 1].y, 0);
      out.push_back(line);
    }
  }

 private:
  double Y(long k) const { return cy_ + static_cast<double>(k) * d_; }

  double d_, a_, cx_ = 0, cy_ = 0;
  std::vector<tgEntity> copies_;  // the boundary turned by minus the angle
  Bounds turned_;
  long kmin_ = 0;
  std::vector<size_t> first_;   // by scan line: where its entities start in listed_
  std::vector<size_t> listed_;  // entity numbers, scan line after scan line
  std::vector<Crossing> points_;
  tgIntersection crossing_;
};

}  // namespace

std::string HatchOptions::Check() const {
  if (!(spacing > 0) || !std::isfinite(spacing)) return "Cross Hatch Distance Must be Greater than Zero";
  if (!(tolerance >= 0) || !std::isfinite(tolerance)) return "End Point Tolerance May Not be Negative";
  if (!std::isfinite(angleDegrees)) return "Cross Hatch Angle is not a Number";
  return {};
}

ToolResult CrossHatch(Ui& ui, std::span<const tgEntity> boundary, const HatchOptions& options) {
  if (boundary.size() < 3) return ToolResult::With(ToolStatus::Nothing);
  if (std::string why = options.Check(); !why.empty()) {
    ui.Error(why);
    return ToolResult::With(ToolStatus::Refused);
  }
  ToleranceScope entityTolerance(EntityTolerance, options.tolerance);
  ToleranceScope tangency(TangencyTolerance, kHatchTangency);
  Hatcher hatcher(ui, boundary, options);
  if (hatcher.Empty()) return ToolResult::With(ToolStatus::Nothing);
  long kmin = 0, kmax = -1;
  if (!hatcher.ScanRange(kmin, kmax)) {
    ui.Error("Cross Hatch Distance Too Small, More than " + std::to_string(MaxHatchScanLines) + " Hatch Lines");
    return ToolResult::With(ToolStatus::Refused);
  }
  hatcher.ListEntities(kmin, kmax);
  ToolResult result;
  ProgressMeter meter(ui, "Cross Hatching", static_cast<size_t>(kmax - kmin + 1));
  size_t done = 0;
  // From the centre line up, then from just below it down.
  for (long k = 0; k <= kmax; ++k) {
    if (!meter.At(done++)) return ToolResult::With(ToolStatus::Cancelled);
    hatcher.Scan(k, result.entities);
  }
  for (long k = -1; k >= kmin; --k) {
    if (!meter.At(done++)) return ToolResult::With(ToolStatus::Cancelled);
    hatcher.Scan(k, result.entities);
  }
  return result;
}

}  // namespace quill
