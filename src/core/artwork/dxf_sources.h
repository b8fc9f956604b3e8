// Where the DXF reader takes its groups from: the drawing at depth 0 and, at depths 1 to 5, the blocks
// being inserted, each with its insertion transform.  A group is a code line and the value line after
// it; the value is taken as it stands, even when empty, so a blank text never shifts the pairs.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "artwork/dxf_lines.h"
#include "artwork/dxf_transform.h"

namespace quill {

inline constexpr int MaxInsertDepth = 5;

struct DxfGroup {
  int code = 0;
  std::string value;
};

struct DxfBlock;

class DxfSources {
 public:
  bool OpenDrawing(const std::string& path);
  DxfLines& Drawing() { return levels_[0].lines; }
  int Depth() const { return depth_; }

  // The next group at the current depth; false when this depth's text has ended.  A code line that is
  // not a whole number counts as code 0.
  bool NextGroup(DxfGroup& g);
  // Passes over groups up to the next code 0 and gives its value: the name of what follows.
  bool NextName(std::string& name);

  // Starts reading a block one level deeper.  resume is the name the level below goes on with after the
  // block (none when that level had ended too).  False when the block cannot be read.
  bool Push(const DxfBlock& block, const InsertTransform& t, std::optional<std::string> resume);
  // Leaves blocks that have ended; name receives where reading goes on.  False at the end of the drawing.
  bool Pop(std::string& name);
  // Back to the top of the drawing.
  void Rewind() { levels_[0].lines.Rewind(); }

  // A point of an entity at the current depth taken through every insert level, innermost first.
  void ToWorld(DxfPoint& p) const;
  // True when no insert level stretches X and Y differently.
  bool AllUniform() const;
  // True when the insert levels together turn the drawing over (an odd number of mirroring levels).
  bool Mirrors() const;
  // An arc's radius and angles (or a text's height and angle) through every uniform insert level.
  void ArcToWorld(double& r, double& sa, double& fa) const;

 private:
  struct Level {
    DxfLines lines;
    InsertTransform t;
    std::optional<std::string> resume;
  };
  std::array<Level, MaxInsertDepth + 1> levels_;
  int depth_ = 0;
  std::string codeLine_;
};

}  // namespace quill
