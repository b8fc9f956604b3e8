// A program's motions against its tool path: the first block that leaves the path, a program that stops
// short of it, and moves below its deepest cut.  The start-up and shutdown macros' own moves before the
// path's first point and after its last are the machine's affair and pass.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "nc/check/axis_map.h"
#include "nc/check/check_types.h"
#include "nc/check/cl_path.h"

namespace quill {

// Takes the program's motions one at a time, as they are read.
class PathComparison {
 public:
  PathComparison(const ClPath& path, const AxisMap& axes, std::vector<CheckFinding>& findings)
      : steps_(path.steps), path_(path), axes_(axes), findings_(findings) {}

  void Next(const NcMove& mv);
  // After the last motion: a program that never reached the path, or stopped short of it.
  void End();

 private:
  bool Follow(const NcMove& mv, const AxisPoint& from);
  void CheckDepth(const NcMove& mv);
  size_t Skip(size_t k) const;
  std::optional<std::string> KindMismatch(const NcMove& mv, const ClStep& to) const;
  std::optional<std::string> ArcMismatch(const NcMove& mv, const AxisPoint& start) const;
  bool Leave(const NcMove& mv, const std::string& why);

  const std::vector<ClStep>& steps_;
  const ClPath& path_;
  const AxisMap& axes_;
  std::vector<CheckFinding>& findings_;
  bool aligned_ = false;
  bool left_ = false;  // the program has left the path: only its depths are checked from there on
  AxisPoint last_;     // where the program stood before the move
  size_t j_ = 0;       // the next point of the path to reach
  double t_ = 0;       // how far along the move to it the program has come
};

}  // namespace quill
