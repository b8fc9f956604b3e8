#include <cmath>

#include "artwork/tools/optimize.h"

namespace quill {

namespace {

bool Negative(double v) { return !(v >= 0) || !std::isfinite(v); }

}  // namespace

std::string OptimizeOptions::Check() const {
  if (Negative(connectTolerance)) return "End Point Connection Tolerance May Not be Negative";
  if (simplify && Negative(simplifyTolerance)) return "Simplify Polygons Tolerance May Not be Negative";
  if (bezier && Negative(bezierLength)) return "Bezier Fit Length May Not be Negative";
  if (bezier && Negative(bezierSpacing)) return "Bezier Fit Tolerance May Not be Negative";
  if (bezier && arcFit && (Negative(arcFitTolerance) || arcFitTolerance == 0)) {
    return "Arc Fit Tolerance Must be Greater than Zero";
  }
  return {};
}

}  // namespace quill
