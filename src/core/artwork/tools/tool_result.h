// What a drafting tool hands back: the entities that take the place of its input, or why nothing
// changes.  The tools never touch the drawing themselves, so a window can show the result, ask, and
// apply it as one step of Undo.
#pragma once

#include <vector>

#include "geometry/entity.h"

namespace quill {

enum class ToolStatus {
  Done,       // entities holds the result
  Refused,    // the input or the options cannot be worked; the reason was shown
  Cancelled,  // the operator pressed Cancel
  Nothing,    // nothing to work on (too small a selection, no arcs ...)
};

struct ToolResult {
  ToolStatus status = ToolStatus::Done;
  std::vector<tgEntity> entities;

  bool Done() const { return status == ToolStatus::Done; }
  static ToolResult With(ToolStatus status) { return {status, {}}; }
};

}  // namespace quill
