// Boxes of entities in square cells, for the searches of merging and bridging: which entities may meet
// a box, or a segment.  An entity whose box spans many cells is kept aside and offered to every search
// instead, so a long border line costs one entry, not thousands.
#pragma once

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quill {

struct GridBox {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

class BoxGrid {
 public:
  // cell: the side of a cell, from the size of the entities to be held.
  explicit BoxGrid(double cell);

  void Insert(uint32_t id, const GridBox& box);

  // Calls visit(id) for every entity whose box may meet the box (and perhaps for more; an id may come
  // more than once).  A box too big for its cells calls visit for everything held.
  template <typename Visit>
  void InBox(const GridBox& box, Visit&& visit) const {
    long x0, y0, x1, y1;
    if (!CellSpan(box, x0, y0, x1, y1) || Span(x0, y0, x1, y1) > all_.size()) {
      for (uint32_t id : all_) visit(id);
      return;
    }
    for (uint32_t id : wide_) visit(id);
    for (long y = y0; y <= y1; ++y) {
      for (long x = x0; x <= x1; ++x) VisitCell(x, y, visit);
    }
  }

  // Calls visit(id) for every entity whose box may meet the segment: the cells it passes through and
  // their neighbours.
  template <typename Visit>
  void AlongSegment(double ax, double ay, double bx, double by, Visit&& visit) const {
    if (ax > bx) std::swap(ax, bx), std::swap(ay, by);
    GridBox all{ax, std::min(ay, by), bx, std::max(ay, by)};
    long x0, y0, x1, y1;
    // The segment passes about as many cells as it spans across and up; three times that are looked at.
    if (!CellSpan(all, x0, y0, x1, y1) || 3 * (static_cast<size_t>(x1 - x0) + static_cast<size_t>(y1 - y0)) > all_.size()) {
      InBox(all, visit);
      return;
    }
    for (uint32_t id : wide_) visit(id);
    const double slope = bx > ax ? (by - ay) / (bx - ax) : 0;
    for (long x = x0; x <= x1; ++x) {
      // The part of the segment over this column of cells.
      double left = std::max(ax, static_cast<double>(x) * cell_), right = std::min(bx, static_cast<double>(x + 1) * cell_);
      double yl = bx > ax ? ay + (left - ax) * slope : ay, yr = bx > ax ? ay + (right - ax) * slope : by;
      long c0 = Cell(std::min(yl, yr)) - 1, c1 = Cell(std::max(yl, yr)) + 1;
      for (long y = c0; y <= c1; ++y) {
        for (long dx = -1; dx <= 1; ++dx) VisitCell(x + dx, y, visit);
      }
    }
  }

 private:
  static uint64_t Key(long x, long y) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32) | static_cast<uint32_t>(y);
  }
  long Cell(double v) const;
  bool CellSpan(const GridBox& box, long& x0, long& y0, long& x1, long& y1) const;
  static size_t Span(long x0, long y0, long x1, long y1) {
    return static_cast<size_t>(x1 - x0 + 1) * static_cast<size_t>(y1 - y0 + 1);
  }
  template <typename Visit>
  void VisitCell(long x, long y, Visit& visit) const {
    auto it = cells_.find(Key(x, y));
    if (it == cells_.end()) return;
    for (uint32_t id : it->second) visit(id);
  }

  double cell_;
  std::unordered_map<uint64_t, std::vector<uint32_t>> cells_;
  std::vector<uint32_t> wide_;  // entities spanning too many cells
  std::vector<uint32_t> all_;   // every entity, for searches that would cost more in cells
};

// A cell side for boxes like these: the middle size of the boxes, but not so small that the cells
// outnumber the boxes many times over.
double CellSizeFor(const std::vector<GridBox>& boxes);

}  // namespace quill
