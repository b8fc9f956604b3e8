#include "artwork/dxf_nurbs.h"

#include <algorithm>
#include <cmath>

namespace quill {

namespace {

constexpr int MaxDegree = 10;
constexpr int MinSpanSteps = 4;
constexpr int MaxSpanSteps = 64;

bool KnotsFit(const NurbsCurve& c) {
  size_t n = c.control.size();
  size_t p = static_cast<size_t>(c.degree);
  if (c.knots.size() != n + p + 1) return false;
  for (size_t i = 0; i < c.knots.size(); ++i) {
    if (!std::isfinite(c.knots[i]) || (i > 0 && c.knots[i] < c.knots[i - 1])) return false;
  }
  return c.knots[p] < c.knots[n];
}

void ClampedUniformKnots(NurbsCurve& c) {
  int n = static_cast<int>(c.control.size()), p = c.degree;
  c.knots.clear();
  for (int i = 0; i <= n + p; ++i) c.knots.push_back(std::clamp(i - p, 0, n - p));
}

void Settle(NurbsCurve& c) {
  int n = static_cast<int>(c.control.size());
  c.degree = std::clamp(c.degree, 1, std::min(MaxDegree, n - 1));
  if (!KnotsFit(c)) ClampedUniformKnots(c);
  bool weighted = c.weights.size() == c.control.size() &&
                  std::all_of(c.weights.begin(), c.weights.end(), [](double w) { return w > 0 && std::isfinite(w); });
  if (!weighted) c.weights.assign(c.control.size(), 1.0);
}

// De Boor's evaluation at u within span k (knots[k] <= u <= knots[k + 1]), in homogeneous coordinates.
CurvePoint At(const NurbsCurve& c, int k, double u) {
  int p = c.degree;
  double x[MaxDegree + 1], y[MaxDegree + 1], w[MaxDegree + 1];
  for (int j = 0; j <= p; ++j) {
    int i = j + k - p;
    w[j] = c.weights[i];
    x[j] = c.control[i].X * w[j];
    y[j] = c.control[i].Y * w[j];
  }
  for (int r = 1; r <= p; ++r) {
    for (int j = p; j >= r; --j) {
      double lo = c.knots[j + k - p], hi = c.knots[j + 1 + k - r];
      double a = hi > lo ? (u - lo) / (hi - lo) : 0;
      x[j] = (1 - a) * x[j - 1] + a * x[j];
      y[j] = (1 - a) * y[j - 1] + a * y[j];
      w[j] = (1 - a) * w[j - 1] + a * w[j];
    }
  }
  return {x[p] / w[p], y[p] / w[p]};
}

int SpanSteps(const NurbsCurve& c, int k, double step) {
  double length = 0;
  for (int i = k - c.degree + 1; i <= k; ++i) {
    length += std::hypot(c.control[i].X - c.control[i - 1].X, c.control[i].Y - c.control[i - 1].Y);
  }
  double steps = step > 0 ? std::ceil(length / step) : MaxSpanSteps;
  return static_cast<int>(std::clamp(steps, double(MinSpanSteps), double(MaxSpanSteps)));
}

}  // namespace

std::vector<CurvePoint> SampleNurbs(NurbsCurve c, double step) {
  if (c.control.size() < 2) return {};
  Settle(c);
  if (c.degree == 1) return c.control;
  int n = static_cast<int>(c.control.size());
  std::vector<CurvePoint> out{At(c, c.degree, c.knots[c.degree])};
  for (int k = c.degree; k < n; ++k) {
    double lo = c.knots[k], hi = c.knots[k + 1];
    if (!(hi > lo)) continue;
    int steps = SpanSteps(c, k, step);
    for (int i = 1; i <= steps; ++i) out.push_back(At(c, k, lo + (hi - lo) * i / steps));
  }
  return out;
}

}  // namespace quill
