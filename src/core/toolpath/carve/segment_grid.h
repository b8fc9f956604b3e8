// A uniform grid over one character's outline pieces, so that a carving circle is tested only against
// the pieces near it instead of every piece of the character.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "geometry/entity.h"

namespace quill {

class SegmentGrid {
 public:
  // Files every line of segments under the cells its box, widened by pad, touches.
  void Build(const std::vector<tgEntity>& segments, double cell, double pad);

  // Calls test(i) for every segment filed under a cell the box (x0, y0) - (x1, y1) touches, each at
  // most once, until a call returns true.  True when one did.
  template <class Test>
  bool Any(double x0, double y0, double x1, double y1, Test test);

 private:
  int Column(double x) const;
  int Row(double y) const;

  double x0_ = 0, y0_ = 0, cell_ = 1;
  int columns_ = 0, rows_ = 0;
  std::vector<uint32_t> start_;    // per cell: where its segments begin in entries_
  std::vector<uint32_t> entries_;  // segment indices, cell after cell
  std::vector<uint32_t> seen_;     // per segment: the query that last tested it
  uint32_t query_ = 0;
};

template <class Test>
bool SegmentGrid::Any(double x0, double y0, double x1, double y1, Test test) {
  if (columns_ == 0) return false;
  if (++query_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    query_ = 1;
  }
  int c0 = Column(x0), c1 = Column(x1), r0 = Row(y0), r1 = Row(y1);
  for (int r = r0; r <= r1; ++r) {
    for (int c = c0; c <= c1; ++c) {
      size_t cell = static_cast<size_t>(r) * static_cast<size_t>(columns_) + static_cast<size_t>(c);
      for (uint32_t k = start_[cell]; k < start_[cell + 1]; ++k) {
        uint32_t i = entries_[k];
        if (seen_[i] == query_) continue;
        seen_[i] = query_;
        if (test(i)) return true;
      }
    }
  }
  return false;
}

}  // namespace quill
