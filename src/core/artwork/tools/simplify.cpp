#include "artwork/tools/simplify.h"

#include <utility>

namespace quill {

namespace {

Vector3 Minus(const Vector3& a, const Vector3& b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }

double Dot(const Vector3& a, const Vector3& b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }

// Squared distance from p to the segment from a to b, where u = b - a and c = u.u.
double SegmentDistance2(const Vector3& p, const Vector3& a, const Vector3& b, const Vector3& u, double c) {
  Vector3 w = Minus(p, a);
  double t = Dot(w, u);
  if (t <= 0) return Dot(w, w);
  Vector3 d = Minus(p, b);
  if (t > c) return Dot(d, d);
  double f = t / c;
  Vector3 n{a.X + f * u.X - p.X, a.Y + f * u.Y - p.Y, a.Z + f * u.Z - p.Z};
  return Dot(n, n);
}

}  // namespace

size_t Simplify(std::span<const Vector3> points, double tolerance, std::vector<Vector3>& out) {
  out.clear();
  const size_t n = points.size();
  if (n < 2) return 0;
  std::vector<bool> keep(n, false);
  keep.front() = keep.back() = true;
  const double t2 = tolerance * tolerance;
  // The pieces still to look at; each splits at its farthest point or is done.
  std::vector<std::pair<size_t, size_t>> pending{{0, n - 1}};
  while (!pending.empty()) {
    auto [j, k] = pending.back();
    pending.pop_back();
    if (j + 1 >= k) continue;
    const Vector3 u = Minus(points[k], points[j]);
    const double c = Dot(u, u);
    double worst = -1;
    size_t h = j;
    for (size_t i = j + 1; i < k; ++i) {
      double d2 = SegmentDistance2(points[i], points[j], points[k], u, c);
      if (d2 > worst) worst = d2, h = i;
    }
    if (worst <= t2) continue;
    keep[h] = true;
    pending.emplace_back(j, h);
    pending.emplace_back(h, k);
  }
  for (size_t i = 0; i < n; ++i) {
    if (keep[i]) out.push_back(points[i]);
  }
  return out.size();
}

}  // namespace quill
