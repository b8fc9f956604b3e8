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
// Degree is the curve's when known at compile time (0: not), so the common cubic runs unrolled.  With
// every weight 1 the homogeneous weight stays exactly 1 through every blend ((1 - a) + a rounds to 1 for
// a from 0 to just above 1), so leaving it out gives the same bits.
template <int Degree, bool Weighted>
CurvePoint At(const NurbsCurve& c, int k, double u) {
  const int p = Degree > 0 ? Degree : c.degree;
  double x[MaxDegree + 1], y[MaxDegree + 1], w[MaxDegree + 1];
  for (int j = 0; j <= p; ++j) {
    int i = j + k - p;
    x[j] = c.control[i].X;
    y[j] = c.control[i].Y;
    if constexpr (Weighted) {
      w[j] = c.weights[i];
      x[j] *= w[j];
      y[j] *= w[j];
    }
  }
  for (int r = 1; r <= p; ++r) {
    for (int j = p; j >= r; --j) {
      double lo = c.knots[j + k - p], hi = c.knots[j + 1 + k - r];
      double a = hi > lo ? (u - lo) / (hi - lo) : 0;
      x[j] = (1 - a) * x[j - 1] + a * x[j];
      y[j] = (1 - a) * y[j - 1] + a * y[j];
      if constexpr (Weighted) w[j] = (1 - a) * w[j - 1] + a * w[j];
    }
  }
  if constexpr (Weighted) return {x[p] / w[p], y[p] / w[p]};
  return {x[p], y[p]};
}

int SpanSteps(const NurbsCurve& c, int k, double step) {
  double length = 0;
  for (int i = k - c.degree + 1; i <= k; ++i) {
    length += std::hypot(c.control[i].X - c.control[i - 1].X, c.control[i].Y - c.control[i - 1].Y);
  }
  double steps = step > 0 ? std::ceil(length / step) : MaxSpanSteps;
  return static_cast<int>(std::clamp(steps, double(MinSpanSteps), double(MaxSpanSteps)));
}

template <int Degree, bool Weighted>
std::vector<CurvePoint> Sample(const NurbsCurve& c, double step) {
  const int n = static_cast<int>(c.control.size());
  size_t total = 1;
  for (int k = c.degree; k < n; ++k) total += c.knots[k + 1] > c.knots[k] ? SpanSteps(c, k, step) : 0;
  std::vector<CurvePoint> out;
  out.reserve(total);
  out.push_back(At<Degree, Weighted>(c, c.degree, c.knots[c.degree]));
  for (int k = c.degree; k < n; ++k) {
    const double lo = c.knots[k], hi = c.knots[k + 1];
    if (!(hi > lo)) continue;
    const int steps = SpanSteps(c, k, step);
    for (int i = 1; i <= steps; ++i) out.push_back(At<Degree, Weighted>(c, k, lo + (hi - lo) * i / steps));
  }
  return out;
}

}  // namespace

std::vector<CurvePoint> SampleNurbs(NurbsCurve c, double step) {
  if (c.control.size() < 2) return {};
  Settle(c);
  if (c.degree == 1) return c.control;
  const bool weighted = std::any_of(c.weights.begin(), c.weights.end(), [](double w) { return w != 1.0; });
  if (c.degree == 3) return weighted ? Sample<3, true>(c, step) : Sample<3, false>(c, step);
  return weighted ? Sample<0, true>(c, step) : Sample<0, false>(c, step);
}

}  // namespace quill
