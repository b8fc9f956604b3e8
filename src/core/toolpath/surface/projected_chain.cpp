#include "toolpath/surface/projected_chain.h"

#include <algorithm>
#include <cmath>

#include "records/cl_record.h"
#include "toolpath/cl_output.h"
#include "toolpath/toolpath_pass.h"

namespace quill {

namespace {

constexpr double kMostPieces = 1e6;
constexpr int kDeepestHalving = 10;
// The tolerance is shared: a quarter for the surface between two samples, the rest for the samples
// left out of a move; a point of the surface then lies within the whole tolerance of the moves.
constexpr double kSampleShare = 0.25;
// A move is not stretched over more points than this, so a long flat run stays cheap to check.
constexpr size_t kLongestRun = 256;

double DistanceToSegment(const Vector3& p, const Vector3& a, const Vector3& b) {
  Vector3 ab{b.X - a.X, b.Y - a.Y, b.Z - a.Z}, ap{p.X - a.X, p.Y - a.Y, p.Z - a.Z};
  double length2 = DotProduct(ab, ab);
  double t = length2 > 0 ? std::clamp(DotProduct(ap, ab) / length2, 0.0, 1.0) : 0.0;
  Vector3 d{ap.X - t * ab.X, ap.Y - t * ab.Y, ap.Z - t * ab.Z};
  return std::sqrt(DotProduct(d, d));
}

}  // namespace

long ProjectedChain::Pieces(double length) const {
  double n = std::ceil(length / tolerance_);
  return static_cast<long>(std::clamp(n, 1.0, kMostPieces));
}

Vector3 ProjectedChain::At(const Path& path, double t) const {
  double x = 0, y = 0, z = 0;
  path(t, x, y);
  projection_.ProjectPoint(x, y, z);
  return {x, y, z};
}

void ProjectedChain::Refine(const Path& path, double t0, const Vector3& p0, double t1, const Vector3& p1, int depth) {
  double tm = (t0 + t1) / 2;
  Vector3 pm = At(path, tm);
  if (depth >= kDeepestHalving || DistanceToSegment(pm, p0, p1) <= kSampleShare * tolerance_) return;
  Refine(path, t0, p0, tm, pm, depth + 1);
  points_.push_back(pm);
  Refine(path, tm, pm, t1, p1, depth + 1);
}

void ProjectedChain::Sample(const Path& path, long pieces) {
  points_.push_back(At(path, 0));
  for (long k = 1; k <= pieces; ++k) {
    double t0 = static_cast<double>(k - 1) / static_cast<double>(pieces);
    double t1 = k == pieces ? 1.0 : static_cast<double>(k) / static_cast<double>(pieces);
    Vector3 p0 = points_.back(), p1 = At(path, t1);
    Refine(path, t0, p0, t1, p1, 0);
    points_.push_back(p1);
  }
}

bool ProjectedChain::Covers(size_t from, size_t to) const {
  if (to - from > kLongestRun) return false;
  for (size_t k = from + 1; k < to; ++k) {
    if (DistanceToSegment(points_[k], points_[from], points_[to]) > (1 - kSampleShare) * tolerance_) return false;
  }
  return true;
}

void ProjectedChain::Write(ClOutput& out, double feed) const {
  if (points_.size() < 2) return;
  size_t from = 0;
  for (size_t to = 2; to < points_.size(); ++to) {
    if (Covers(from, to)) continue;
    from = to - 1;
    out.WriteCLRecord(ClFeed, points_[from].X, points_[from].Y, points_[from].Z, feed);
  }
  const Vector3& end = points_.back();
  out.WriteCLRecord(ClFeed, end.X, end.Y, end.Z, feed);
}

}  // namespace quill
