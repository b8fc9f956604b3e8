#include "artwork/tools/box_grid.h"

#include <algorithm>
#include <cmath>

namespace quill {

namespace {

// Cell numbers stay within 32 bits; boxes beyond share the outermost cells.
constexpr double kReach = 2e9;
// A box spanning more cells than this is kept aside.
constexpr size_t kWideCells = 64;

}  // namespace

BoxGrid::BoxGrid(double cell) : cell_(cell > 0 && std::isfinite(cell) ? cell : 1.0) {}

long BoxGrid::Cell(double v) const {
  double c = std::floor(v / cell_);
  if (!(c > -kReach)) return static_cast<long>(-kReach);
  if (!(c < kReach)) return static_cast<long>(kReach);
  return static_cast<long>(c);
}

bool BoxGrid::CellSpan(const GridBox& box, long& x0, long& y0, long& x1, long& y1) const {
  x0 = Cell(box.xmin), y0 = Cell(box.ymin), x1 = Cell(box.xmax), y1 = Cell(box.ymax);
  return x0 <= x1 && y0 <= y1;
}

void BoxGrid::Insert(uint32_t id, const GridBox& box) {
  all_.push_back(id);
  long x0, y0, x1, y1;
  if (!CellSpan(box, x0, y0, x1, y1) || Span(x0, y0, x1, y1) > kWideCells) {
    wide_.push_back(id);
    return;
  }
  for (long y = y0; y <= y1; ++y) {
    for (long x = x0; x <= x1; ++x) cells_[Key(x, y)].push_back(id);
  }
}

double CellSizeFor(const std::vector<GridBox>& boxes) {
  if (boxes.empty()) return 1.0;
  std::vector<double> sizes;
  sizes.reserve(boxes.size());
  double xmin = INFINITY, ymin = INFINITY, xmax = -INFINITY, ymax = -INFINITY;
  for (const GridBox& b : boxes) {
    sizes.push_back(std::max(b.xmax - b.xmin, b.ymax - b.ymin));
    xmin = std::min(xmin, b.xmin), ymin = std::min(ymin, b.ymin);
    xmax = std::max(xmax, b.xmax), ymax = std::max(ymax, b.ymax);
  }
  auto middle = sizes.begin() + static_cast<long>(sizes.size() / 2);
  std::nth_element(sizes.begin(), middle, sizes.end());
  double spread = std::sqrt((xmax - xmin) * (ymax - ymin) / static_cast<double>(boxes.size()));
  double cell = std::max(*middle, spread);
  return cell > 0 && std::isfinite(cell) ? cell : 1.0;
}

}  // namespace quill
