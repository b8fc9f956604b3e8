// The end points of a list of items (entities, artwork records) in square cells, for the searches of
// chaining and ordering: the items with an end near a point, and the items outwards from a point ring by
// ring, nearest cells first.  Items are taken out as they are used; the cells are rebuilt for the items
// left once half of them are gone, so the search stays quick to the last item.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace quill {

struct ItemEnds {
  double sx = 0, sy = 0, ex = 0, ey = 0;
};

class EndPointGrid {
 public:
  static constexpr uint32_t None = std::numeric_limits<uint32_t>::max();

  explicit EndPointGrid(std::span<const ItemEnds> ends);

  void Remove(uint32_t item);
  bool Alive(uint32_t item) const { return alive_[item]; }
  size_t AliveCount() const { return aliveCount_; }

  // Calls visit(item) for every item left with an end point within radius of (x, y) in both X and Y
  // (and perhaps for a few more; an item may come twice).
  template <typename Visit>
  void Near(double x, double y, double radius, Visit&& visit) {
    Refresh();
    CellRange r = Cells(x - radius, y - radius, x + radius, y + radius);
    if (r.Empty() || r.Count() > entries_.size()) {
      if (!r.Empty()) VisitAll(visit);
      return;
    }
    for (long cy = r.y0; cy <= r.y1; ++cy) VisitRow(cy, r.x0, r.x1, visit);
  }

  // Calls visit(item) for the items left, ring of cells by ring of cells outwards from (x, y).  After
  // each ring, done(bound) is asked, where every item not yet visited is at least bound away from
  // (x, y); the search ends when it says true or when no item is left to visit.
  template <typename Visit, typename Done>
  void Outward(double x, double y, Visit&& visit, Done&& done) {
    Refresh();
    if (entries_.empty()) return;
    const long cx = CellX(x), cy = CellY(y);
    const long reach = std::max({cx, cols_ - 1 - cx, cy, rows_ - 1 - cy});
    size_t visited = 0;
    for (long ring = 0; ring <= reach; ++ring) {
      if (visited > entries_.size()) {
        // Far from everything: one pass over what is left costs less than the empty cells.
        VisitAll(visit);
        return;
      }
      visited += VisitRing(cx, cy, ring, visit);
      if (done(static_cast<double>(ring) * cell_ * (1 - 1e-9))) return;
    }
  }

  // The item left with the smallest distance(item) from (x, y), the smallest rank(item) among equals;
  // a negative distance passes the item over.  None when no item is left or all are passed over.
  // distance must not be less than the distance from (x, y) to the item's nearer end.
  template <typename Distance, typename Rank>
  uint32_t Nearest(double x, double y, Distance&& distance, Rank&& rank) {
    uint32_t best = None;
    double bestDistance = 0;
    Outward(
        x, y,
        [&](uint32_t item) {
          double d = distance(item);
          if (d < 0) return;
          if (best == None || d < bestDistance || (d == bestDistance && rank(item) < rank(best))) {
            best = item, bestDistance = d;
          }
        },
        [&](double bound) { return best != None && bestDistance < bound; });
    return best;
  }

 private:
  struct Entry {
    double x, y;
    uint32_t item;
  };
  struct CellRange {
    long x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    bool Empty() const { return x1 < x0 || y1 < y0; }
    size_t Count() const { return static_cast<size_t>(x1 - x0 + 1) * static_cast<size_t>(y1 - y0 + 1); }
  };

  void Build();
  void Refresh() {
    if (aliveCount_ * 2 < builtCount_) Build();
  }
  long CellX(double x) const;
  long CellY(double y) const;
  CellRange Cells(double x0, double y0, double x1, double y1) const;

  template <typename Visit>
  void VisitRow(long cy, long x0, long x1, Visit& visit) {
    if (cy < 0 || cy >= rows_) return;
    x0 = std::max(x0, 0L), x1 = std::min(x1, cols_ - 1);
    if (x0 > x1) return;
    const size_t from = start_[static_cast<size_t>(cy * cols_ + x0)], to = start_[static_cast<size_t>(cy * cols_ + x1 + 1)];
    for (size_t i = from; i < to; ++i) {
      if (alive_[entries_[i].item]) visit(entries_[i].item);
    }
  }
  template <typename Visit>
  size_t VisitRing(long cx, long cy, long ring, Visit& visit) {
    if (ring == 0) {
      VisitRow(cy, cx, cx, visit);
      return 1;
    }
    VisitRow(cy - ring, cx - ring, cx + ring, visit);
    VisitRow(cy + ring, cx - ring, cx + ring, visit);
    for (long y = cy - ring + 1; y <= cy + ring - 1; ++y) {
      VisitRow(y, cx - ring, cx - ring, visit);
      VisitRow(y, cx + ring, cx + ring, visit);
    }
    return static_cast<size_t>(8 * ring);
  }
  template <typename Visit>
  void VisitAll(Visit& visit) {
    for (const Entry& e : entries_) {
      if (alive_[e.item]) visit(e.item);
    }
  }

  std::vector<ItemEnds> ends_;
  std::vector<char> alive_;
  size_t aliveCount_ = 0, builtCount_ = 0;
  double x0_ = 0, y0_ = 0, cell_ = 1;
  long cols_ = 0, rows_ = 0;
  std::vector<Entry> entries_;  // by cell, row after row
  std::vector<size_t> start_;   // first entry of each cell, and one past the last
};

}  // namespace quill
