#include "mathlib/curves.h"

#include <array>
#include <cmath>

namespace quill {

namespace {

// n! for n = 0 .. 124; 124! is about 1.5e207, well inside a double.
const std::array<double, MaxCurveNodes>& Factorials() {
  static const std::array<double, MaxCurveNodes> table = [] {
    std::array<double, MaxCurveNodes> f{};
    f[0] = 1.0;
    for (int i = 1; i < MaxCurveNodes; ++i) f[i] = f[i - 1] * i;
    return f;
  }();
  return table;
}

// The Bernstein sum at t.  Near t = 0 it is (1-t)^n times a polynomial in t/(1-t), near t = 1 t^n times
// a polynomial in (1-t)/t; either ratio stays at or below 1, so no power grows large.
CurvePoint BezierAt(std::span<const CurvePoint> nodes, const std::vector<double>& binomial, double t) {
  const int n = static_cast<int>(nodes.size()) - 1;
  double x = 0, y = 0;
  if (t <= 0.5) {
    const double u = t / (1.0 - t);
    for (int i = n; i >= 0; --i) {
      x = x * u + binomial[i] * nodes[i].X;
      y = y * u + binomial[i] * nodes[i].Y;
    }
    const double scale = std::pow(1.0 - t, n);
    return {x * scale, y * scale};
  }
  const double v = (1.0 - t) / t;
  for (int i = 0; i <= n; ++i) {
    x = x * v + binomial[i] * nodes[i].X;
    y = y * v + binomial[i] * nodes[i].Y;
  }
  const double scale = std::pow(t, n);
  return {x * scale, y * scale};
}

}  // namespace

std::vector<CurvePoint> BezierPoints(std::span<const CurvePoint> nodes, int pointCount) {
  std::vector<CurvePoint> points;
  const int count = static_cast<int>(nodes.size());
  if (count < MinCurveNodes || count > MaxCurveNodes || pointCount <= 0) return points;
  const int n = count - 1;
  const auto& f = Factorials();
  std::vector<double> binomial(count);
  for (int i = 0; i <= n; ++i) binomial[i] = f[n] / (f[i] * f[n - i]);
  points.reserve(pointCount);
  // Dividing rather than stepping lands the last point exactly on the last node.
  for (int k = 0; k < pointCount; ++k) {
    points.push_back(BezierAt(nodes, binomial, pointCount > 1 ? double(k) / (pointCount - 1) : 0.0));
  }
  return points;
}

}  // namespace quill
