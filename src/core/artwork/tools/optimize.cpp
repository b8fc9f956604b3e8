#include "artwork/tools/optimize.h"

#include "artwork/tools/optimize_steps.h"
#include "ui/ui.h"

namespace quill {

ToolResult OptimizeToolPath(Ui& ui, std::span<const tgEntity> selection, const OptimizeOptions& options,
                            double startX, double startY) {
  if (selection.empty()) {
    ui.Inform("First Select the Geometry to Optimize");
    return ToolResult::With(ToolStatus::Nothing);
  }
  if (std::string why = options.Check(); !why.empty()) {
    ui.Error(why);
    return ToolResult::With(ToolStatus::Refused);
  }
  ToolResult result;
  std::vector<tgEntity>& work = result.entities;
  work.reserve(selection.size());
  for (tgEntity e : selection) {
    // Blank entities are no drawing; the copies start unselected.
    if (!e.IsPoint() && !e.IsLine() && !e.IsArc()) continue;
    e.SetSelected(false);
    work.push_back(e);
  }
  bool finished = (!options.removeDuplicates || RemoveDuplicates(ui, work)) &&
                  (!options.mergeSimilar || MergeSimilar(ui, work));
  if (finished) {
    ChainEndPoints(ui, work, options, startX, startY);
    finished = (!options.simplify || SimplifyPolygons(ui, work, options)) &&
               (!options.bezier || ReplaceByBezier(ui, work, options));
  }
  return finished ? result : ToolResult::With(ToolStatus::Cancelled);
}

}  // namespace quill
