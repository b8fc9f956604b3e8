// "Merging Similar" without testing every pair: a line can only take in lines whose boxes meet its own
// (grown by the entity tolerance), so each line asks a grid of line boxes for those, and asks again
// whenever it has grown.  The later lines are tried in list order, each once, exactly as a walk over
// every later line would try them.
#include <functional>
#include <optional>
#include <queue>

#include "artwork/tools/box_grid.h"
#include "artwork/tools/optimize_steps.h"
#include "artwork/tools/progress_meter.h"
#include "geometry/entity_report.h"
#include "mathlib/constants.h"

namespace quill {

namespace {

GridBox GrownBox(const tgEntity& line) {
  GridBox b;
  line.ExtentsOf(b.xmin, b.ymin, b.xmax, b.ymax);
  // The box test of Merge grows by the entity tolerance; a little more covers the rounding.
  const double grow = EntityTolerance + ZeroTolerance;
  return {b.xmin - grow, b.ymin - grow, b.xmax + grow, b.ymax + grow};
}

bool Covers(const GridBox& a, const GridBox& b) {
  return a.xmin <= b.xmin && a.ymin <= b.ymin && a.xmax >= b.xmax && a.ymax >= b.ymax;
}

class Merger {
 public:
  explicit Merger(std::vector<tgEntity>& work) : work_(work), alive_(work.size(), 1), seenBy_(work.size(), 0) {
    std::vector<GridBox> boxes;
    for (const tgEntity& e : work_) {
      if (e.IsLine()) boxes.push_back(GrownBox(e));
    }
    grid_.emplace(CellSizeFor(boxes));
    for (size_t i = 0; i < work_.size(); ++i) {
      if (work_[i].IsLine()) grid_->Insert(static_cast<uint32_t>(i), GrownBox(work_[i]));
    }
  }

  // Line i takes in the later lines it overlaps, in list order.
  void MergeInto(size_t i) {
    if (!alive_[i] || !work_[i].IsLine()) return;
    GridBox box = GrownBox(work_[i]);
    Offer(i, i, box);
    while (!next_.empty()) {
      size_t j = next_.top();
      next_.pop();
      if (!work_[i].Merge(work_[j])) continue;
      alive_[j] = 0;
      GridBox grown = GrownBox(work_[i]);
      if (!Covers(box, grown)) Offer(i, j, box = grown);
    }
  }

  void Compact() {
    size_t out = 0;
    for (size_t i = 0; i < work_.size(); ++i) {
      if (alive_[i]) work_[out++] = work_[i];
    }
    work_.resize(out);
  }

 private:
  // The lines after `after` that may meet box and were not offered to line i yet.
  void Offer(size_t i, size_t after, const GridBox& box) {
    grid_->InBox(box, [&](uint32_t id) {
      if (id <= after || !alive_[id] || seenBy_[id] == i + 1) return;
      seenBy_[id] = i + 1;
      next_.push(id);
    });
  }

  std::vector<tgEntity>& work_;
  std::vector<char> alive_;
  std::vector<size_t> seenBy_;  // 1 + the line a later line was last offered to
  std::optional<BoxGrid> grid_;
  std::priority_queue<size_t, std::vector<size_t>, std::greater<>> next_;
};

}  // namespace

bool MergeSimilar(Ui& ui, std::vector<tgEntity>& work) {
  ProgressMeter meter(ui, "Merging Similar", work.size());
  Merger merger(work);
  for (size_t i = 0; i < work.size(); ++i) {
    if (!meter.At(i)) return false;
    merger.MergeInto(i);
  }
  merger.Compact();
  return true;
}

}  // namespace quill
