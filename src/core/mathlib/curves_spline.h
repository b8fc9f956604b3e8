// Interpolating cubic splines with not-a-knot ends: text along a curve (one coordinate at a time over
// the running length) and the even sampling of DXF spline entities.
#pragma once

#include <span>
#include <vector>

namespace quill {

// The most samples SampleSpline gives, and the most points the arc fitter is handed by its callers.
inline constexpr int MaxSplineSamples = 250;

class CubicSpline {
 public:
  // The spline through (abscissae[i], values[i]).  Abscissae must rise; a node whose abscissa is not
  // above the one before it is left out, so the data stays a function.  One node gives a constant,
  // two a straight line, three the parabola through them.
  CubicSpline(std::span<const double> values, std::span<const double> abscissae);

  // The spline's value at x; outside the abscissae the outermost pieces carry on.  0 without nodes.
  double At(double x) const;
  bool Empty() const { return knots_.empty(); }
  double LastAbscissa() const { return knots_.empty() ? 0.0 : knots_.back(); }

 private:
  struct Piece {
    double c1, c2, c3, c4;  // value, slope, second and third derivative at the piece's left end
  };
  void Solve(const std::vector<double>& f);

  std::vector<double> knots_;
  std::vector<Piece> pieces_;
};

// The spline through the nodes evaluated at x.
double CubicSplineAt(std::span<const double> values, std::span<const double> abscissae, double x);

// The spline sampled at an even step from 0 to the last abscissa: the step is `step` when the last
// abscissa is longer than it, else 0.01, stretched so that it divides the length; at most 250 samples.
std::vector<double> SampleSpline(std::span<const double> values, std::span<const double> abscissae, double step);

}  // namespace quill
