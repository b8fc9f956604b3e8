#include "artwork/tools/end_point_grid.h"

#include <cmath>

namespace quill {

namespace {

// Cell numbers stay within this, so a point far out cannot overflow them; such a point only makes the
// search look at more cells.
constexpr double kReach = 1e12;

long ClampedCell(double v) {
  if (!(v > -kReach)) return static_cast<long>(-kReach);
  if (!(v < kReach)) return static_cast<long>(kReach);
  return static_cast<long>(std::floor(v));
}

}  // namespace

EndPointGrid::EndPointGrid(std::span<const ItemEnds> ends)
    : ends_(ends.begin(), ends.end()), alive_(ends.size(), 1), aliveCount_(ends.size()) {
  Build();
}

void EndPointGrid::Remove(uint32_t item) {
  if (!alive_[item]) return;
  alive_[item] = 0;
  --aliveCount_;
}

long EndPointGrid::CellX(double x) const { return ClampedCell((x - x0_) / cell_); }
long EndPointGrid::CellY(double y) const { return ClampedCell((y - y0_) / cell_); }

EndPointGrid::CellRange EndPointGrid::Cells(double x0, double y0, double x1, double y1) const {
  CellRange r{std::max(CellX(x0), 0L), std::max(CellY(y0), 0L), std::min(CellX(x1), cols_ - 1),
              std::min(CellY(y1), rows_ - 1)};
  return r;
}

void EndPointGrid::Build() {
  // The box of the points left, and a cell size that gives about one point per cell but never more
  // cells than three per point, however thin the box.
  double xmin = INFINITY, ymin = INFINITY, xmax = -INFINITY, ymax = -INFINITY;
  size_t points = 0;
  for (size_t i = 0; i < ends_.size(); ++i) {
    if (!alive_[i]) continue;
    const ItemEnds& e = ends_[i];
    xmin = std::min({xmin, e.sx, e.ex}), xmax = std::max({xmax, e.sx, e.ex});
    ymin = std::min({ymin, e.sy, e.ey}), ymax = std::max({ymax, e.sy, e.ey});
    points += 2;
  }
  entries_.clear();
  builtCount_ = aliveCount_;
  if (points == 0) {
    cols_ = rows_ = 0;
    start_.assign(1, 0);
    return;
  }
  // Halved sizes keep even the widest spread of doubles finite.
  const double w = xmax / 2 - xmin / 2, h = ymax / 2 - ymin / 2, n = static_cast<double>(points);
  cell_ = 2 * std::max(std::sqrt(w) * std::sqrt(h) / std::sqrt(n), std::max(w, h) / n);
  if (!(cell_ > 0) || !std::isfinite(cell_)) cell_ = 1.0;  // all points in one place
  x0_ = xmin, y0_ = ymin;
  cols_ = std::clamp(CellX(xmax), 0L, static_cast<long>(points)) + 1;
  rows_ = std::clamp(CellY(ymax), 0L, static_cast<long>(points)) + 1;
  // Counting sort by cell keeps the items of a cell in item order.
  std::vector<size_t> count(static_cast<size_t>(cols_ * rows_) + 1, 0);
  auto cellOf = [&](double x, double y) {
    long cx = std::clamp(CellX(x), 0L, cols_ - 1), cy = std::clamp(CellY(y), 0L, rows_ - 1);
    return static_cast<size_t>(cy * cols_ + cx);
  };
  for (size_t i = 0; i < ends_.size(); ++i) {
    if (!alive_[i]) continue;
    ++count[cellOf(ends_[i].sx, ends_[i].sy) + 1];
    ++count[cellOf(ends_[i].ex, ends_[i].ey) + 1];
  }
  for (size_t c = 1; c < count.size(); ++c) count[c] += count[c - 1];
  start_ = count;
  entries_.resize(points);
  for (size_t i = 0; i < ends_.size(); ++i) {
    if (!alive_[i]) continue;
    const ItemEnds& e = ends_[i];
    entries_[count[cellOf(e.sx, e.sy)]++] = {e.sx, e.sy, static_cast<uint32_t>(i)};
    entries_[count[cellOf(e.ex, e.ey)]++] = {e.ex, e.ey, static_cast<uint32_t>(i)};
  }
}

}  // namespace quill
