// Whether a bridging line across a gap would cross the work: it does when it meets a line or arc of
// the work list at a point that is neither one of its own two ends nor an end of that line or arc.  The work's boxes sit in a grid, so a bridge is only
// tried against the entities along its way.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "artwork/tools/box_grid.h"
#include "geometry/entity.h"
#include "geometry/intersection.h"

namespace quill {

class Ui;

class BridgeGuard {
 public:
  // work: the work list, which may change in place later by no more than moveLimit per end point
  // (turned round, or a start forced onto the current point).
  BridgeGuard(Ui& ui, const std::vector<tgEntity>& work, double moveLimit);

  // True when the line from (x1, y1) to (x2, y2) crosses no entity of the work list and no earlier
  // bridge.
  bool Clear(double x1, double y1, double x2, double y2);
  // The bridge becomes part of the work that later bridges must not cross.
  void Add(const tgEntity& bridge);

 private:
  const tgEntity& At(uint32_t id) const;
  bool Crosses(const tgEntity& bridge, const tgEntity& e);

  const std::vector<tgEntity>& work_;
  std::vector<tgEntity> bridges_;
  double grow_;
  std::optional<BoxGrid> grid_;
  std::vector<uint64_t> seen_;  // by id: the number of the last bridge tried against it
  uint64_t tries_ = 0;
  tgIntersection crossing_;
};

}  // namespace quill
