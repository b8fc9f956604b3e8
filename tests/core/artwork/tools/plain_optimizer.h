// The optimiser's first three steps and the artwork ordering written as plain loops over the whole
// list, the way the steps are described: every pair for duplicates and merges, a scan of the rest of
// the list for each slot.  The tests and the benchmark hold the fast versions against these.
#pragma once

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "artwork/tools/artwork_ordering.h"
#include "artwork/tools/optimize.h"
#include "geometry/entity.h"
#include "geometry/intersection.h"
#include "mathlib/geom2d.h"

namespace quill::plain {

inline void RemoveDuplicates(Ui& ui, std::vector<tgEntity>& w) {
  for (size_t i = 0; i < w.size(); ++i) {
    for (size_t j = i + 1; j < w.size();) {
      if (w[j].IsPoint() || w[i].SameAs(ui, w[j]) || !w[j].Valid(ui)) {
        w.erase(w.begin() + static_cast<long>(j));
      } else {
        ++j;
      }
    }
  }
}

inline void MergeSimilar(std::vector<tgEntity>& w) {
  for (size_t i = 0; i < w.size(); ++i) {
    for (size_t j = i + 1; j < w.size();) {
      if (w[i].Merge(w[j])) {
        w.erase(w.begin() + static_cast<long>(j));
      } else {
        ++j;
      }
    }
  }
}

class Chain {
 public:
  Chain(Ui& ui, std::vector<tgEntity>& w, const OptimizeOptions& o, double px, double py)
      : ui_(ui), w_(w), o_(o), px_(px), py_(py) {}

  void Run() {
    for (size_t i = 1; i < w_.size(); ++i) w_[i].MakeCCW();
    for (size_t k = 0; k < w_.size(); ++k) {
      if (k > 0 && Continue(k)) continue;
      size_t m = Nearest(k);
      std::swap(w_[k], w_[m]);
      if (!w_[k].IsArc()) w_[k].OrientFrom(ui_, px_, py_);
      if (k > 0 && o_.bridgeGaps && Bridge(k)) ++k;
      End(w_[k]);
    }
  }

 private:
  double D(double x, double y) const { return Distance2D(x, y, px_, py_); }
  void End(const tgEntity& e) {
    double z;
    e.EndXYZ(px_, py_, z);
  }

  bool Continue(size_t k) {
    const double t = o_.connectTolerance;
    for (size_t m = k; m < w_.size(); ++m) {
      double sx, sy, ex, ey, z;
      w_[m].StartXYZ(sx, sy, z);
      w_[m].EndXYZ(ex, ey, z);
      bool start = D(sx, sy) < t;
      if (!start && !(D(ex, ey) < t)) continue;
      std::swap(w_[k], w_[m]);
      tgEntity& e = w_[k];
      if (!start) e.Reverse();
      if (o_.forceEndPoints && e.IsLine()) e.SetLine(px_, py_, e.Z(), e.XE(), e.YE(), e.ZE());
      End(e);
      return true;
    }
    return false;
  }

  size_t Nearest(size_t k) const {
    size_t best = k;
    double bound = std::numeric_limits<double>::infinity();
    for (size_t m = k; m < w_.size(); ++m) {
      double sx, sy, ex, ey, z;
      w_[m].StartXYZ(sx, sy, z);
      w_[m].EndXYZ(ex, ey, z);
      double d = std::min(D(sx, sy), D(ex, ey));
      if (d > 0 && d < bound) bound = d, best = m;
    }
    return best;
  }

  // A bridge from the current point to the start of w_[k], put before it unless it crosses the work.
  bool Bridge(size_t k) {
    double sx, sy, z;
    w_[k].StartXYZ(sx, sy, z);
    tgEntity bridge;
    bridge.SetLine(px_, py_, 0, sx, sy, 0);
    tgIntersection x(ui_);
    for (const tgEntity& e : w_) {
      if (!e.IsLine() && !e.IsArc()) continue;
      if (!x.Intersect(bridge, e)) continue;
      double ax, ay, bx, by;
      e.StartXYZ(ax, ay, z);
      e.EndXYZ(bx, by, z);
      auto crosses = [&](double qx, double qy) {
        for (auto [ox, oy] : {std::pair{px_, py_}, {sx, sy}, {ax, ay}, {bx, by}}) {
          if (Distance2D(qx, qy, ox, oy) == 0) return false;
        }
        return true;
      };
      if (crosses(x.X1, x.Y1) || (x.Count == 2 && crosses(x.X2, x.Y2))) return false;
    }
    w_.insert(w_.begin() + static_cast<long>(k), bridge);
    return true;
  }

  Ui& ui_;
  std::vector<tgEntity>& w_;
  const OptimizeOptions& o_;
  double px_, py_;
};

inline void ChainEndPoints(Ui& ui, std::vector<tgEntity>& w, const OptimizeOptions& o, double px, double py) {
  Chain(ui, w, o, px, py).Run();
}

// Modify Artwork's ordering: nearest from (0, 0), then every record that continues, scanning from the
// first record each time.
inline std::vector<ArtRecord> OrderArtwork(const std::vector<ArtRecord>& records, double tol) {
  std::vector<char> taken(records.size(), 0);
  std::vector<ArtRecord> out;
  double px = 0, py = 0;
  auto gap = [&](double x, double y) { return std::sqrt((x - px) * (x - px) + (y - py) * (y - py)); };
  auto take = [&](size_t i, bool reversed) {
    double sx, sy, ex, ey;
    RecordEnds(records[i], sx, sy, ex, ey);
    out.push_back(reversed ? Reversed(records[i]) : records[i]);
    taken[i] = 1;
    px = reversed ? sx : ex, py = reversed ? sy : ey;
  };
  while (out.size() < records.size()) {
    size_t best = records.size();
    double bound = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < records.size(); ++i) {
      if (taken[i]) continue;
      double sx, sy, ex, ey;
      RecordEnds(records[i], sx, sy, ex, ey);
      double g = std::min(gap(sx, sy), gap(ex, ey));
      if (g < bound) bound = g, best = i;
    }
    double sx, sy, ex, ey;
    RecordEnds(records[best], sx, sy, ex, ey);
    take(best, !(gap(sx, sy) < gap(ex, ey)));
    for (size_t i = 0; i < records.size(); ++i) {
      if (taken[i]) continue;
      RecordEnds(records[i], sx, sy, ex, ey);
      bool start = std::fabs(sx - px) < tol && std::fabs(sy - py) < tol;
      if (!start && !(std::fabs(ex - px) < tol && std::fabs(ey - py) < tol)) continue;
      take(i, !start);
      i = static_cast<size_t>(-1);
    }
  }
  return out;
}

}  // namespace quill::plain
