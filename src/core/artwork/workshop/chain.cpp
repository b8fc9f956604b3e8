// Select Chain.  The end points of the drawing are indexed by cells of twice the matching tolerance, so
// each step of the chain looks at a few cells instead of the whole drawing: a chain of n entities costs
// about n log n, not n squared.
#include <algorithm>
#include <cmath>
#include <span>
#include <tuple>
#include <vector>

#include "artwork/workshop/document.h"
#include "artwork/workshop/selection.h"
#include "mathlib/geom2d.h"
#include "ui/ui.h"

namespace quill {

namespace {

// Two end points are the same when both coordinates differ by less than the zero tolerance, so a
// matching point lies in the same or a neighbouring cell.
constexpr double kCell = 2 * ZeroTolerance;
// Cell numbers stay within this; points farther out share the outermost cells and are still compared
// exactly.
constexpr double kReach = 1e15;

long long CellOf(double v) {
  double c = std::floor(v / kCell);
  if (!std::isfinite(c)) return c > 0 ? static_cast<long long>(kReach) : -static_cast<long long>(kReach);
  return static_cast<long long>(std::clamp(c, -kReach, kReach));
}

struct Point {
  double x = 0, y = 0;
};

struct EndPoint {
  long long cx, cy;
  size_t entity;
  bool start;
  Point at;
};

bool Ends(const tgEntity& e, Point& start, Point& end) {
  if (!e.IsPoint() && !e.IsLine() && !e.IsArc()) return false;
  double z;
  e.StartXYZ(start.x, start.y, z);
  e.EndXYZ(end.x, end.y, z);
  return true;
}

bool Same(const Point& a, const Point& b) {
  return IsZero(a.x - b.x) && IsZero(a.y - b.y);
}

class EndPointIndex {
 public:
  explicit EndPointIndex(const WorkshopDocument& doc) {
    Point s, e;
    for (size_t i = 0; i < doc.Size(); ++i) {
      if (!Ends(doc.At(i), s, e)) continue;
      points_.push_back({CellOf(s.x), CellOf(s.y), i, true, s});
      points_.push_back({CellOf(e.x), CellOf(e.y), i, false, e});
    }
    std::sort(points_.begin(), points_.end(), [](const EndPoint& a, const EndPoint& b) {
      return std::tie(a.cx, a.cy, a.entity, a.start) < std::tie(b.cx, b.cy, b.entity, b.start);
    });
  }

  // The earliest unselected entity with an end at one of the points; atStart tells whether its start
  // touches (the start wins when both ends do).
  bool Find(const WorkshopDocument& doc, std::span<const Point> at, size_t& entity, bool& atStart) const {
    bool found = false;
    for (const Point& p : at) {
      long long cx = CellOf(p.x), cy = CellOf(p.y);
      for (long long x = cx - 1; x <= cx + 1; ++x) {
        auto it = std::lower_bound(points_.begin(), points_.end(), std::pair{x, cy - 1},
                                   [](const EndPoint& a, const std::pair<long long, long long>& key) {
                                     return std::tie(a.cx, a.cy) < std::tie(key.first, key.second);
                                   });
        for (; it != points_.end() && it->cx == x && it->cy <= cy + 1; ++it) {
          if (doc.At(it->entity).Selected() || !Same(it->at, p)) continue;
          if (!found || it->entity < entity) {
            found = true;
            entity = it->entity;
            atStart = it->start;
          } else if (it->entity == entity && it->start) {
            atStart = true;
          }
        }
      }
    }
    return found;
  }

 private:
  std::vector<EndPoint> points_;
};

}  // namespace

size_t SelectChain(Ui& ui, WorkshopDocument& doc) {
  if (doc.SelectedCount() != 1) {
    ui.Inform("First Select a Single Starting Entity");
    return 0;
  }
  Point s, e;
  if (!Ends(doc.At(static_cast<size_t>(doc.FirstSelected())), s, e)) return 0;
  EndPointIndex index(doc);
  size_t next = 0, added = 0;
  bool atStart = false;
  // The chain starts at either end of the first entity, then goes on from the free end alone.
  Point from[2] = {s, e};
  size_t ends = 2;
  while (index.Find(doc, std::span<const Point>(from, ends), next, atStart)) {
    doc.Select(next, true);
    ++added;
    Ends(doc.At(next), s, e);
    from[0] = atStart ? e : s;
    ends = 1;
  }
  return added;
}

}  // namespace quill
