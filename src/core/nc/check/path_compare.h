// A program's motions against its tool path: the first block that leaves the path, a program that stops
// short of it, and moves below its deepest cut.  The start-up and shutdown macros' own moves before the
// path's first point and after its last are the machine's affair and pass.
#pragma once

#include <vector>

#include "nc/check/axis_map.h"
#include "nc/check/check_types.h"
#include "nc/check/cl_path.h"

namespace quill {

void CompareMotions(const std::vector<NcMove>& moves, const ClPath& path, const AxisMap& axes,
                    std::vector<CheckFinding>& findings);

void CheckDepths(const std::vector<NcMove>& moves, const ClPath& path, const AxisMap& axes,
                 std::vector<CheckFinding>& findings);

}  // namespace quill
