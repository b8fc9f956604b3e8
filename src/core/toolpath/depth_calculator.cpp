#include "toolpath/depth_calculator.h"

#include <cmath>

#include "mathlib/constants.h"
#include "mathlib/geom2d.h"
#include "ui/ui.h"

namespace quill {

std::optional<double> CalculateDepth(Ui& ui, DepthTool tool, double width, double toolValue) {
  if (width < 0) {
    ui.Inform("Desired Cut Width Cannot be Negative");
    return std::nullopt;
  }
  double half = width / 2;
  if (tool == DepthTool::Cone) {
    double angle = toolValue * DegToRad;
    if (IsZero(angle)) {
      ui.Inform("Tool Tip Angle Cannot be Zero");
      return std::nullopt;
    }
    return -half / std::tan(angle / 2);
  }
  double r = toolValue / 2;
  // A ball cuts at most its own diameter; a wider cut has no depth.
  if (half > r) {
    ui.Inform("Desired Cut Width Cannot be Larger than the Tool Diameter");
    return std::nullopt;
  }
  return -(r - std::sqrt(r * r - half * half));
}

}  // namespace quill
