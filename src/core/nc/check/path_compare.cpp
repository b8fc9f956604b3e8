#include "nc/check/path_compare.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "mathlib/constants.h"
#include "mathlib/number_text.h"
#include "nc/gcode_writer.h"

namespace quill {

namespace {

constexpr int Samples = 64;
constexpr int RefineSteps = 48;
constexpr double Never = std::numeric_limits<double>::infinity();

bool IsArc(int code) {
  return code == MoveArcCw || code == MoveArcCcw;
}

double AxisGap(const Axis& a, double value, double expected) {
  double d = value - expected;
  if (a.angle) d = std::remainder(d, 360.0);
  return std::fabs(d);
}

// How far the move's end lies from p, in units of the move's tolerance (the worst axis).  An axis p
// leaves open counts nothing; one the program has not set yet cannot match.
double Miss(const NcMove& mv, const AxisPoint& p, const AxisMap& axes) {
  double worst = 0;
  for (int i = 0; i < AxisCount; ++i) {
    const Axis& a = axes.Axes()[i];
    if (!a.letter || !p.known[i]) continue;
    if (!mv.end.known[i]) return Never;
    worst = std::max(worst, AxisGap(a, mv.end.v[i], p.v[i]) / mv.tolerance[i]);
  }
  return worst;
}

// A block that leaves the tool where it stands (its words repeat the position); a full circle ends
// where it starts but goes round first.
bool Stays(const NcMove& mv, const AxisPoint& from) {
  if (IsArc(mv.kind)) return false;
  for (int i = 0; i < AxisCount; ++i) {
    if (mv.end.known[i] != from.known[i] || (from.known[i] && std::fabs(mv.end.v[i] - from.v[i]) > 1e-9)) return false;
  }
  return true;
}

// Two points of the tool path that the program cannot tell apart: a move between them writes no block.
bool SamePlace(const AxisPoint& p, const AxisPoint& q, const AxisMap& axes) {
  for (int i = 0; i < AxisCount; ++i) {
    const Axis& a = axes.Axes()[i];
    if (a.letter && p.known[i] && q.known[i] && AxisGap(a, p.v[i], q.v[i]) > a.tolerance) return false;
  }
  return true;
}

bool FullCircle(const ClStep& from, const ClStep& to) {
  return IsArc(to.code) && ArcSweep(to.code, {from.x, from.y}, {to.x, to.y}, {to.cx, to.cy}) >= TwoPi;
}

// A point of the tool path's move from `from` to `to`, a fraction t of the way along.
AxisPoint Along(const ClStep& from, const ClStep& to, double t, const AxisMap& axes) {
  double x = from.x + t * (to.x - from.x), y = from.y + t * (to.y - from.y);
  const double z = from.z + t * (to.z - from.z);
  if (IsArc(to.code)) {
    const double sweep = ArcSweep(to.code, {from.x, from.y}, {to.x, to.y}, {to.cx, to.cy});
    const double a0 = std::atan2(from.y - to.cy, from.x - to.cx);
    const double r = std::hypot(from.x - to.cx, from.y - to.cy) * (1 - t) + std::hypot(to.x - to.cx, to.y - to.cy) * t;
    const double a = a0 + (to.code == MoveArcCw ? -t : t) * sweep;
    x = to.cx + r * std::cos(a), y = to.cy + r * std::sin(a);
  }
  return axes.Project(x, y, z, to.code, to.rotaryRadius);
}

// Where along the move from `from` to `to` (at or beyond tMin) the program's point lies: the first
// stretch that holds it, since a machine that shows fewer axes than the tool path has (a lathe, a
// rotary axis without a radius) may see the same point twice.  Its miss and where it lies.
std::pair<double, double> Nearest(const NcMove& mv, const ClStep& from, const ClStep& to, double tMin,
                                  const AxisMap& axes) {
  auto miss = [&](double t) { return Miss(mv, Along(from, to, t, axes), axes); };
  const double step = (1 - tMin) / Samples;
  std::array<double, Samples + 1> m{};
  for (int i = 0; i <= Samples; ++i) m[static_cast<size_t>(i)] = miss(tMin + step * i);
  std::pair<double, double> best{Never, tMin};
  for (int i = 0; i <= Samples; ++i) {
    const size_t k = static_cast<size_t>(i);
    if ((i > 0 && m[k] > m[k - 1]) || (i < Samples && m[k] > m[k + 1])) continue;  // not a low point
    double lo = std::max(tMin, tMin + step * (i - 1)), hi = std::min(1.0, tMin + step * (i + 1));
    for (int r = 0; r < RefineSteps; ++r) {
      const double a = lo + (hi - lo) / 3, b = hi - (hi - lo) / 3;
      if (miss(a) < miss(b)) {
        hi = b;
      } else {
        lo = a;
      }
    }
    const double t = (lo + hi) / 2;
    const std::pair<double, double> found = std::min(std::pair{miss(t), t}, std::pair{m[k], tMin + step * i});
    if (found.first <= 1) return found;
    best = std::min(best, found);
  }
  return best;
}

std::string Place(const ClStep& s, const AxisMap& axes) {
  return axes.Describe(s.at) + " (its line " + std::to_string(s.line) + ")";
}

}  // namespace

size_t PathComparison::Skip(size_t k) const {
  // Moves that lead nowhere the program can show write no block; a full circle does lead somewhere.
  while (k < steps_.size() && !FullCircle(steps_[k - 1], steps_[k]) &&
         SamePlace(steps_[k].at, steps_[k - 1].at, axes_)) {
    ++k;
  }
  return k;
}

bool PathComparison::Leave(const NcMove& mv, const std::string& why) {
  findings_.push_back({FindingKind::LeavesPath, mv.line, mv.block, why});
  left_ = true;
  return false;
}

std::optional<std::string> PathComparison::KindMismatch(const NcMove& mv, const ClStep& to) const {
  if (mv.kind == MoveRapid && to.code != MoveRapid)
    return "moves at rapid where the tool path cuts to " + Place(to, axes_);
  if (IsArc(mv.kind) && !IsArc(to.code)) return "cuts an arc where the tool path runs straight to " + Place(to, axes_);
  return std::nullopt;
}

// The arc the program cuts against the tool path's: a quarter, half and three quarters of the way along
// both must lie together, which holds the turning sense and the bulge as well as the centre.
std::optional<std::string> PathComparison::ArcMismatch(const NcMove& mv, const AxisPoint& start) const {
  int h = 0, v = 0;
  const ClStep& to = steps_[j_];
  if (!IsArc(mv.kind) || !IsArc(to.code) || !mv.hasCentre || !axes_.Plane(h, v)) return std::nullopt;
  const PlanePoint s{start.v[h], start.v[v]}, e{mv.end.v[h], mv.end.v[v]}, c{mv.centreH, mv.centreV};
  const double sweep = ArcSweep(mv.kind, s, e, c);
  const double a0 = std::atan2(s.v - c.v, s.h - c.h), r0 = std::hypot(s.h - c.h, s.v - c.v);
  const double r1 = std::hypot(e.h - c.h, e.v - c.v);
  const double tol = 3 * std::sqrt(2.0) * std::max(mv.tolerance[h], mv.tolerance[v]);
  for (double t : {0.25, 0.5, 0.75}) {
    const double a = a0 + (mv.kind == MoveArcCw ? -t : t) * sweep, r = r0 + t * (r1 - r0);
    const AxisPoint want = Along(steps_[j_ - 1], to, t, axes_);
    const double dh = c.h + r * std::cos(a) - want.v[h], dv = c.v + r * std::sin(a) - want.v[v];
    if (std::hypot(dh, dv) > tol) {
      return "cuts another arc than the tool path's to " + Place(to, axes_) + ": " + FormatFixed(t * 100, 0) +
             "% along it lies " + FormatFixed(std::hypot(dh, dv), 4) + " away";
    }
  }
  return std::nullopt;
}

void PathComparison::Next(const NcMove& mv) {
  const AxisPoint from = last_;
  last_ = mv.end;
  CheckDepth(mv);
  if (!left_ && !steps_.empty()) Follow(mv, from);
}

bool PathComparison::Follow(const NcMove& mv, const AxisPoint& from) {
  if (!aligned_) {
    // Before the path's first point the start-up macro moves the machine as it likes.
    if (Miss(mv, steps_[0].at, axes_) <= 1) aligned_ = true, j_ = Skip(1), t_ = 0;
    return true;
  }
  // The shutdown macro's own moves, and blocks that repeat where the tool stands.
  if (j_ >= steps_.size() || Stays(mv, from)) return true;
  const ClStep& to = steps_[j_];
  if (Miss(mv, to.at, axes_) <= 1) {
    if (auto why = KindMismatch(mv, to)) return Leave(mv, *why);
    if (auto why = ArcMismatch(mv, from)) return Leave(mv, *why);
    j_ = Skip(j_ + 1), t_ = 0;
    return true;
  }
  // Part way: the points of an arc cut as short lines.
  auto [miss, t] = Nearest(mv, steps_[j_ - 1], to, t_, axes_);
  if (miss <= 1 && !IsArc(mv.kind)) {
    if (auto why = KindMismatch(mv, to)) return Leave(mv, *why);
    t_ = t;
    return true;
  }
  if (to.textBefore) return true;  // the tool path's own machine-code lines may move the machine
  return Leave(mv, "leaves the tool path: it goes to " + axes_.Describe(mv.end) + " where the tool path runs from " +
                       axes_.Describe(steps_[j_ - 1].at) + " to " + Place(to, axes_));
}

void PathComparison::End() {
  if (left_ || steps_.empty()) return;
  if (!aligned_) {
    findings_.push_back({FindingKind::NeverReaches, 0, "",
                         "the program never reaches the tool path's first point " + Place(steps_[0], axes_)});
  } else if (j_ < steps_.size()) {
    findings_.push_back(
        {FindingKind::EndsEarly, 0, "",
         "the program ends before the tool path does: " + Place(steps_[j_], axes_) + " is never reached"});
  }
}

void PathComparison::CheckDepth(const NcMove& mv) {
  const int d = axes_.DepthSlot();
  if (d < 0 || !path_.deepest || !mv.end.known[d]) return;
  const double z = axes_.DepthOf(mv.end.v[d], path_.rotaryRadius);
  if (z < *path_.deepest - mv.tolerance[d]) {
    findings_.push_back({FindingKind::BelowDeepest, mv.line, mv.block,
                         "goes to Z" + FormatFixed(z, 4) + ", below the deepest cut of the tool path, Z" +
                             FormatFixed(*path_.deepest, 4)});
  }
}

}  // namespace quill
