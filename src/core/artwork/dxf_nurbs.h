// Points along a SPLINE entity's curve: a B-spline of any degree, rational when weighted, from its
// control points and knots.  A knot vector that does not fit the control points is replaced by the
// usual clamped uniform one, so a damaged entity still gives the curve its points suggest.
#pragma once

#include <vector>

#include "mathlib/curves.h"

namespace quill {

struct NurbsCurve {
  int degree = 3;
  std::vector<CurvePoint> control;
  std::vector<double> knots;
  std::vector<double> weights;  // ignored unless one per control point, all above zero
};

// The curve from its start to its end, each knot span in steps of about `step` (between 4 and 64 steps
// a span; a degree-1 curve is its control polygon).  Fewer than two control points give nothing.
std::vector<CurvePoint> SampleNurbs(NurbsCurve curve, double step);

}  // namespace quill
