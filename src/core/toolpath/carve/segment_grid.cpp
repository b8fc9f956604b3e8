#include "toolpath/carve/segment_grid.h"

#include <algorithm>
#include <cmath>

namespace quill {

namespace {

// Enough cells to keep every piece's neighbourhood short, few enough to stay small in memory.
constexpr int kMostCellsASide = 1024;

}  // namespace

int SegmentGrid::Column(double x) const {
  double c = std::floor((x - x0_) / cell_);
  return static_cast<int>(std::clamp(c, 0.0, static_cast<double>(columns_ - 1)));
}

int SegmentGrid::Row(double y) const {
  double r = std::floor((y - y0_) / cell_);
  return static_cast<int>(std::clamp(r, 0.0, static_cast<double>(rows_ - 1)));
}

void SegmentGrid::Build(const std::vector<tgEntity>& segments, double cell, double pad) {
  columns_ = rows_ = 0;
  start_.clear();
  entries_.clear();
  seen_.assign(segments.size(), 0);
  query_ = 0;
  if (segments.empty()) return;
  double x1 = -1e300, y1 = -1e300;
  x0_ = y0_ = 1e300;
  for (const tgEntity& s : segments) {
    x0_ = std::min({x0_, s.X(), s.XE()}), y0_ = std::min({y0_, s.Y(), s.YE()});
    x1 = std::max({x1, s.X(), s.XE()}), y1 = std::max({y1, s.Y(), s.YE()});
  }
  x0_ -= pad, y0_ -= pad, x1 += pad, y1 += pad;
  cell_ = std::max({cell, (x1 - x0_) / kMostCellsASide, (y1 - y0_) / kMostCellsASide, 1e-9});
  columns_ = static_cast<int>((x1 - x0_) / cell_) + 1;
  rows_ = static_cast<int>((y1 - y0_) / cell_) + 1;
  // Counting first, then filling, keeps every cell's list in one array.
  std::vector<uint32_t> count(static_cast<size_t>(columns_) * static_cast<size_t>(rows_) + 1, 0);
  auto each = [&](auto&& visit) {
    for (uint32_t i = 0; i < segments.size(); ++i) {
      const tgEntity& s = segments[i];
      int c0 = Column(std::min(s.X(), s.XE()) - pad), c1 = Column(std::max(s.X(), s.XE()) + pad);
      int r0 = Row(std::min(s.Y(), s.YE()) - pad), r1 = Row(std::max(s.Y(), s.YE()) + pad);
      for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) visit(static_cast<size_t>(r) * static_cast<size_t>(columns_) + static_cast<size_t>(c), i);
      }
    }
  };
  each([&](size_t cellIndex, uint32_t) { ++count[cellIndex + 1]; });
  for (size_t k = 1; k < count.size(); ++k) count[k] += count[k - 1];
  start_ = count;
  entries_.resize(count.back());
  each([&](size_t cellIndex, uint32_t i) { entries_[count[cellIndex]++] = i; });
}

}  // namespace quill
