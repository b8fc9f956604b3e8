#include "path_fitting.h"

#include <algorithm>
#include <cmath>

#include "mathlib/constants.h"

namespace quill::vectorize {

namespace {

// Arcs flatter than this (pixels) are straight for an engraver; an arc sweeps at most this far.
constexpr double kLargestRadius = 1e5;
constexpr double kLargestSweep = 1.5 * Pi;
// Points along an arc may step back this far (radians), as a smoothed pixel run wavers.
constexpr double kBackStep = 0.05;

double Dist(const Point& a, const Point& b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

double SegmentDistance(const Point& p, const Point& a, const Point& b) {
  double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

// The arc through points a, m and b of the run when every point from a to b lies within tolerance of
// it and in order along it; its bulge goes to `bulge`.
bool ArcFits(const std::vector<Point>& p, size_t a, size_t b, double tolerance, double& bulge) {
  size_t m = (a + b) / 2;
  const Point &pa = p[a], &pm = p[m], &pb = p[b];
  double bx = pm.x - pa.x, by = pm.y - pa.y, cx = pb.x - pa.x, cy = pb.y - pa.y;
  double d = 2 * (bx * cy - by * cx);
  if (std::fabs(d) < 1e-12) return false;
  double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
  Point centre{pa.x + (cy * b2 - by * c2) / d, pa.y + (bx * c2 - cx * b2) / d};
  double r = Dist(centre, pa);
  if (r > kLargestRadius) return false;
  int turn = d > 0 ? 1 : -1;  // counter-clockwise when the three turn left
  auto offset = [&](const Point& q) {
    double t = turn * (std::atan2(q.y - centre.y, q.x - centre.x) - std::atan2(pa.y - centre.y, pa.x - centre.x));
    while (t < 0) t += TwoPi;
    while (t >= TwoPi) t -= TwoPi;
    return t;
  };
  double sweep = offset(pb);
  if (sweep <= 0 || sweep > kLargestSweep) return false;
  double previous = 0;
  for (size_t i = a + 1; i < b; ++i) {
    double t = offset(p[i]);
    if (std::fabs(Dist(p[i], centre) - r) > tolerance || t > sweep || t + kBackStep < previous) return false;
    previous = std::max(previous, t);
  }
  bulge = turn * std::tan(sweep / 4);
  return true;
}

std::vector<size_t> SimplifyIndices(const std::vector<Point>& points, double tolerance) {
  std::vector<size_t> out;
  if (points.size() < 3) {
    for (size_t i = 0; i < points.size(); ++i) out.push_back(i);
    return out;
  }
  std::vector<char> keep(points.size(), 0);
  keep.front() = keep.back() = 1;
  std::vector<std::pair<size_t, size_t>> spans{{0, points.size() - 1}};
  while (!spans.empty()) {
    auto [a, b] = spans.back();
    spans.pop_back();
    double worst = -1;
    size_t at = a;
    for (size_t i = a + 1; i < b; ++i) {
      double d = SegmentDistance(points[i], points[a], points[b]);
      if (d > worst) worst = d, at = i;
    }
    if (worst > tolerance) {
      keep[at] = 1;
      spans.push_back({a, at});
      spans.push_back({at, b});
    }
  }
  for (size_t i = 0; i < points.size(); ++i) {
    if (keep[i]) out.push_back(i);
  }
  return out;
}

}  // namespace

std::vector<Point> Simplify(const std::vector<Point>& points, double tolerance) {
  std::vector<Point> out;
  for (size_t i : SimplifyIndices(points, tolerance)) out.push_back(points[i]);
  return out;
}

// The simplified run's corners are joined by arcs where a longer stretch of the run (three corners or
// more) lies on one, by straight segments elsewhere.
TracedPath FitArcs(const std::vector<Point>& points, bool closed, double tolerance) {
  TracedPath path;
  std::vector<Point> run = points;
  if (closed && run.size() > 2 && Dist(run.front(), run.back()) > 0) run.push_back(run.front());
  path.closed = closed && run.size() > 3;
  std::vector<size_t> corner = SimplifyIndices(run, tolerance);
  path.points.push_back(run[corner[0]]);
  for (size_t i = 0; i + 1 < corner.size();) {
    size_t reach = i + 1;
    double bulge = 0, tried = 0;
    while (reach + 1 < corner.size() && ArcFits(run, corner[i], corner[reach + 1], tolerance, tried)) {
      ++reach;
      bulge = tried;
    }
    path.bulges.push_back(reach > i + 1 ? bulge : 0.0);
    path.points.push_back(run[corner[reach]]);
    i = reach;
  }
  // A closed path ends where it started: the closing segment is the last one's.
  if (path.closed) path.points.pop_back();
  return path;
}

std::vector<Point> Smooth(const std::vector<Point>& points, bool closed, double sigma) {
  size_t n = points.size();
  if (n < 3 || sigma <= 0) return points;
  // A closed run repeats its first point at its end; it is smoothed round without it.
  size_t m = closed && Dist(points.front(), points.back()) == 0 ? n - 1 : n;
  std::vector<double> along(m + 1, 0);
  for (size_t i = 1; i <= m; ++i) along[i] = along[i - 1] + Dist(points[i - 1], points[i % m]);
  double loop = along[m], reach = 3 * sigma;
  std::vector<Point> out(points);
  for (size_t i = 0; i < m; ++i) {
    if (!closed && (i == 0 || i + 1 == m)) continue;
    double sx = 0, sy = 0, sw = 0;
    for (int dir = -1; dir <= 1; dir += 2) {
      for (size_t k = dir < 0 ? 1 : 0; k < m; ++k) {
        long j = static_cast<long>(i) + dir * static_cast<long>(k);
        if (!closed && (j < 0 || j >= static_cast<long>(m))) break;
        size_t q = static_cast<size_t>((j % static_cast<long>(m) + static_cast<long>(m)) % static_cast<long>(m));
        double d = std::fabs(along[q] - along[i]);
        if (closed) d = std::min(d, loop - d);
        if (d > reach || (closed && k > m / 2)) break;
        double w = std::exp(-d * d / (2 * sigma * sigma));
        sx += w * points[q].x, sy += w * points[q].y, sw += w;
      }
    }
    out[i] = {sx / sw, sy / sw};
  }
  if (m < n) out.back() = out.front();
  return out;
}

double PathLength(const std::vector<Point>& points) {
  double total = 0;
  for (size_t i = 1; i < points.size(); ++i)
    total += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
  return total;
}

}  // namespace quill::vectorize
