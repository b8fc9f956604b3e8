// "Optimize Tool Path": cleans a selection (duplicates, bad entities, overlapping collinear lines), puts
// it into cutting order from a start point so that entities follow one another end to start, and, as
// chosen, bridges gaps, simplifies runs of lines and replaces runs of short lines by smooth curves.
#pragma once

#include <span>
#include <string>

#include "artwork/tools/tool_result.h"

namespace quill {

class Ui;

// The options of the "Optimize Tool Path" window, with its defaults.
struct OptimizeOptions {
  bool removeDuplicates = true;     // "Delete Duplicate/Bad Entities"
  bool mergeSimilar = true;         // "Merge Similar Entities"
  double connectTolerance = 0.001;  // "End Point Connection Tolerance :"
  bool forceEndPoints = true;       // "Force End Point Match"
  bool bridgeGaps = false;          // "Bridge Endpoint Gaps"
  bool simplify = false;            // "Simplify Polygons"
  double simplifyTolerance = 0.01;
  bool bezier = false;          // "Bezier Fit Entities Shorter Than :"
  double bezierLength = 0.005;  // lines at most this long make up the runs
  double bezierSpacing = 0.01;  // "Bezier Fit Tolerance : ", the spacing of the curve points; 0 reads as 0.001
  bool arcFit = false;          // "Arc Fit Bezier Curves   Tolerance :"
  double arcFitTolerance = 0.01;

  // Empty when the options can be worked; otherwise the message to show.
  std::string Check() const;
};

// The selection, in drawing order, optimised from the start point (startX, startY); the result is a
// fresh list of unselected copies.  Each step shows its title and meter in the "Working ..." window;
// Cancel abandons the command (Cancelled), except while chaining, where it keeps the order reached so
// far and the command goes on.  An empty selection shows "First Select the Geometry to Optimize"
// (Nothing); options that fail Check are shown and refused.
ToolResult OptimizeToolPath(Ui& ui, std::span<const tgEntity> selection, const OptimizeOptions& options,
                            double startX, double startY);

}  // namespace quill
