#include "artwork/tools/bridge_guard.h"

#include <cmath>

#include "geometry/entity_report.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

GridBox BoxOf(const tgEntity& e, double grow) {
  GridBox b;
  e.ExtentsOf(b.xmin, b.ymin, b.xmax, b.ymax);
  return {b.xmin - grow, b.ymin - grow, b.xmax + grow, b.ymax + grow};
}

}  // namespace

BridgeGuard::BridgeGuard(Ui& ui, const std::vector<tgEntity>& work, double moveLimit)
    : work_(work), grow_(moveLimit + EntityTolerance + 2 * ZeroTolerance), crossing_(ui) {
  std::vector<GridBox> boxes;
  boxes.reserve(work.size());
  for (const tgEntity& e : work) boxes.push_back(BoxOf(e, grow_));
  grid_.emplace(CellSizeFor(boxes));
  for (size_t i = 0; i < work.size(); ++i) grid_->Insert(static_cast<uint32_t>(i), boxes[i]);
  seen_.assign(work.size(), 0);
}

const tgEntity& BridgeGuard::At(uint32_t id) const {
  return id < work_.size() ? work_[id] : bridges_[id - work_.size()];
}

bool BridgeGuard::Crosses(const tgEntity& bridge, const tgEntity& e) {
  // A point is a plunge, not a cut a bridge could cross.
  if (!e.IsLine() && !e.IsArc()) return false;
  if (!crossing_.Intersect(bridge, e)) return false;
  double sx, sy, ex, ey, z;
  e.StartXYZ(sx, sy, z);
  e.EndXYZ(ex, ey, z);
  // Meeting at an end of the bridge, or at an end of the entity (a corner the bridge passes), is no
  // crossing.
  auto crosses = [&](double x, double y) {
    auto at = [&](double px, double py) { return Distance2D(x, y, px, py) == 0; };
    return !at(bridge.X(), bridge.Y()) && !at(bridge.XE(), bridge.YE()) && !at(sx, sy) && !at(ex, ey);
  };
  return crosses(crossing_.X1, crossing_.Y1) || (crossing_.Count == 2 && crosses(crossing_.X2, crossing_.Y2));
}

bool BridgeGuard::Clear(double x1, double y1, double x2, double y2) {
  tgEntity bridge;
  bridge.SetLine(x1, y1, 0, x2, y2, 0);
  ++tries_;
  bool clear = true;
  grid_->AlongSegment(x1, y1, x2, y2, [&](uint32_t id) {
    if (!clear || seen_[id] == tries_) return;
    seen_[id] = tries_;
    if (Crosses(bridge, At(id))) clear = false;
  });
  return clear;
}

void BridgeGuard::Add(const tgEntity& bridge) {
  auto id = static_cast<uint32_t>(work_.size() + bridges_.size());
  bridges_.push_back(bridge);
  seen_.push_back(0);
  grid_->Insert(id, BoxOf(bridge, grow_));
}

}  // namespace quill
