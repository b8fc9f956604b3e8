#include "mathlib/curves_spline.h"

#include <algorithm>
#include <cmath>

namespace quill {

namespace {

// Slopes of the not-a-knot spline for four or more nodes: the tridiagonal system of de Boor's
// construction.  The first and last rows tie the third derivatives of the two outermost pieces; plain
// elimination is stable here because every pivot after the first row exceeds the sum of its intervals.
std::vector<double> NotAKnotSlopes(const std::vector<double>& h, const std::vector<double>& d) {
  const size_t n = h.size() + 1;
  std::vector<double> lower(n), diag(n), upper(n), rhs(n);
  diag[0] = h[1];
  upper[0] = h[0] + h[1];
  rhs[0] = ((h[0] + 2 * (h[0] + h[1])) * h[1] * d[0] + h[0] * h[0] * d[1]) / (h[0] + h[1]);
  for (size_t i = 1; i + 1 < n; ++i) {
    lower[i] = h[i];
    diag[i] = 2 * (h[i - 1] + h[i]);
    upper[i] = h[i - 1];
    rhs[i] = 3 * (h[i] * d[i - 1] + h[i - 1] * d[i]);
  }
  const double hl = h[n - 2], hp = h[n - 3];
  lower[n - 1] = hl + hp;
  diag[n - 1] = hp;
  rhs[n - 1] = ((hl + 2 * (hl + hp)) * hp * d[n - 2] + hl * hl * d[n - 3]) / (hl + hp);
  for (size_t i = 1; i < n; ++i) {
    const double m = lower[i] / diag[i - 1];
    diag[i] -= m * upper[i - 1];
    rhs[i] -= m * rhs[i - 1];
  }
  std::vector<double> s(n);
  s[n - 1] = rhs[n - 1] / diag[n - 1];
  for (size_t i = n - 1; i-- > 0;) s[i] = (rhs[i] - upper[i] * s[i + 1]) / diag[i];
  return s;
}

// Slopes for two nodes (the line) and three (the parabola through them).
std::vector<double> ShortSlopes(const std::vector<double>& h, const std::vector<double>& d) {
  if (h.size() == 1) return {d[0], d[0]};
  const double c = (d[1] - d[0]) / (h[0] + h[1]);
  return {d[0] - c * h[0], d[0] + c * h[0], d[0] + c * (h[0] + 2 * h[1])};
}

}  // namespace

CubicSpline::CubicSpline(std::span<const double> values, std::span<const double> abscissae) {
  std::vector<double> f;
  const size_t count = std::min(values.size(), abscissae.size());
  for (size_t i = 0; i < count; ++i) {
    if (!std::isfinite(abscissae[i]) || (!knots_.empty() && abscissae[i] <= knots_.back())) continue;
    knots_.push_back(abscissae[i]);
    f.push_back(values[i]);
  }
  Solve(f);
}

void CubicSpline::Solve(const std::vector<double>& f) {
  const size_t n = knots_.size();
  if (n == 0) return;
  if (n == 1) {
    pieces_.push_back({f[0], 0, 0, 0});
    return;
  }
  std::vector<double> h(n - 1), d(n - 1);
  for (size_t i = 0; i + 1 < n; ++i) {
    h[i] = knots_[i + 1] - knots_[i];
    d[i] = (f[i + 1] - f[i]) / h[i];
  }
  std::vector<double> s = n >= 4 ? NotAKnotSlopes(h, d) : ShortSlopes(h, d);
  for (size_t i = 0; i + 1 < n; ++i) {
    const double c3 = 2 * (3 * d[i] - 2 * s[i] - s[i + 1]) / h[i];
    const double c4 = 6 * (s[i] + s[i + 1] - 2 * d[i]) / (h[i] * h[i]);
    pieces_.push_back({f[i], s[i], c3, c4});
  }
}

double CubicSpline::At(double x) const {
  if (pieces_.empty()) return 0.0;
  // The first piece whose right end is not below x, at most the last piece.
  auto it = std::lower_bound(knots_.begin() + 1, knots_.end(), x);
  size_t i = std::min(static_cast<size_t>(it - knots_.begin()) - 1, pieces_.size() - 1);
  const Piece& p = pieces_[i];
  const double h = x - knots_[i];
  return p.c1 + h * (p.c2 + h * (p.c3 + h * p.c4 / 3) / 2);
}

double CubicSplineAt(std::span<const double> values, std::span<const double> abscissae, double x) {
  return CubicSpline(values, abscissae).At(x);
}

std::vector<double> SampleSpline(std::span<const double> values, std::span<const double> abscissae, double step) {
  CubicSpline spline(values, abscissae);
  std::vector<double> samples;
  if (spline.Empty()) return samples;
  const double length = spline.LastAbscissa();
  double s = step > 0 && length > step ? step : 0.01;
  double intervals = std::round(length / s);
  if (!(intervals + 1 <= MaxSplineSamples)) intervals = MaxSplineSamples - 1;
  if (intervals < 1) intervals = 1;
  s = length / intervals;
  const int n = static_cast<int>(intervals);
  samples.reserve(n + 1);
  for (int k = 0; k <= n; ++k) samples.push_back(spline.At(k * s));
  return samples;
}

}  // namespace quill
