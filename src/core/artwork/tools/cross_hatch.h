// "Cross Hatch": parallel hatch lines at an angle and a spacing across the inside of a closed boundary
// made of the selected entities.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "artwork/tools/tool_result.h"
#include "geometry/entity_report.h"

namespace quill {

class Ui;

// A spacing so small for the boundary that the scan lines would pass this number is refused.
inline constexpr size_t MaxHatchScanLines = 1'000'000;

// The options of the "Cross Hatching" window.
struct HatchOptions {
  double angleDegrees = 0;  // "Cross Hatch Angle"
  double spacing = 0.1;     // "Cross Hatch Distance"
  // "End Point Tolerance": the entity tolerance during the hatching; the window starts it at the
  // current EntityTolerance.
  double tolerance = DefaultEntityTolerance;

  // Empty when the options can be worked; otherwise the message to show.
  std::string Check() const;
};

// The hatch lines of the boundary (the boundary itself is not part of the result).  The angle is
// brought into 0 .. 180 degrees; the boundary is turned by minus the angle about the centre of its box,
// and horizontal scan lines from that centre upwards, then downwards, each cut it where they cross it;
// the crossings, from larger to smaller X, are joined first to second, third to fourth ... (an odd last
// one dropped) and turned back.  Points of the boundary are no boundary.  Fewer than 3 entities:
// Nothing.  A spacing of 0 or less, a negative tolerance, or a spacing that needs more than
// MaxHatchScanLines scan lines: refused with the reason shown.  Cancel in the "Working ..." window:
// Cancelled.
ToolResult CrossHatch(Ui& ui, std::span<const tgEntity> boundary, const HatchOptions& options);

}  // namespace quill
