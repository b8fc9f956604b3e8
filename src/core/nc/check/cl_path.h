// The tool path of a cutter-location file on a machine's axes: the point each move record leads to,
// and the deepest cut.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "nc/check/axis_map.h"

namespace quill {

struct ClStep {
  int code = 0;
  long line = 0;  // in the cutter-location file
  AxisPoint at;   // on the machine's axes
  double x = 0, y = 0, z = 0, cx = 0, cy = 0;
  double rotaryRadius = 0;
  bool textBefore = false;  // machine-code lines of the tool path come before this move
};

struct ClPath {
  std::string error;
  std::vector<ClStep> steps;
  std::optional<double> deepest;  // the lowest Z of a cut
  double rotaryRadius = 0;        // as the last rotary radius record left it
};

ClPath ReadClPath(const std::string& clFile, const AxisMap& axes);

}  // namespace quill
