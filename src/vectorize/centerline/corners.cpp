#include "centerline/corners.h"

#include <algorithm>
#include <cmath>

namespace quill::vectorize {

namespace {

// A turn sharper than this (radians) over a stroke's width and a half on each side may be a corner.
constexpr double kCornerTurn = 0.6;
// Each side of a corner keeps within this many pixels of a straight line.
constexpr double kStraightness = 0.9;

struct Run {
  const std::vector<Point>& p;
  std::vector<double> s;  // length along the run to each point

  explicit Run(const std::vector<Point>& pts) : p(pts), s(pts.size(), 0) {
    for (size_t i = 1; i < p.size(); ++i) s[i] = s[i - 1] + std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y);
  }
  // The first point at least `at` along (clamped to the run).
  size_t At(double at) const {
    return static_cast<size_t>(std::lower_bound(s.begin(), s.end(), at) - s.begin()) >= p.size()
               ? p.size() - 1
               : static_cast<size_t>(std::lower_bound(s.begin(), s.end(), at) - s.begin());
  }
};

double WidthAt(const DistanceMap& d, const Point& q) {
  int x = std::clamp(static_cast<int>(std::floor(q.x)), 0, d.width - 1);
  int y = std::clamp(d.height - 1 - static_cast<int>(std::floor(q.y)), 0, d.height - 1);
  return std::max(3.0, 2.0 * d.At(x, y));
}

double Turn(const Run& r, size_t i, double reach) {
  const Point& a = r.p[r.At(r.s[i] - reach)];
  const Point& b = r.p[i];
  const Point& c = r.p[r.At(r.s[i] + reach)];
  double a1 = std::atan2(b.y - a.y, b.x - a.x), a2 = std::atan2(c.y - b.y, c.x - b.x);
  double t = std::fabs(a2 - a1);
  return t > M_PI ? 2 * M_PI - t : t;
}

// The points from..to lie within kStraightness of the line through the two ends.
bool Straight(const Run& r, size_t from, size_t to) {
  if (to < from + 2) return false;
  const Point &a = r.p[from], &b = r.p[to];
  double len = std::hypot(b.x - a.x, b.y - a.y);
  if (len <= 0) return false;
  for (size_t i = from + 1; i < to; ++i) {
    double off = std::fabs((r.p[i].x - a.x) * (b.y - a.y) - (r.p[i].y - a.y) * (b.x - a.x)) / len;
    if (off > kStraightness) return false;
  }
  return true;
}

std::vector<size_t> Corners(const std::vector<Point>& pts, const DistanceMap& d) {
  Run r(pts);
  std::vector<size_t> out;
  size_t n = pts.size();
  size_t best = n;
  double bestTurn = 0;
  auto settle = [&] {
    if (best == n) return;
    double w = WidthAt(d, pts[best]), skip = 0.75 * w, reach = std::max(w, 6.0);
    bool before = Straight(r, r.At(r.s[best] - skip - reach), r.At(r.s[best] - skip));
    bool after = Straight(r, r.At(r.s[best] + skip), r.At(r.s[best] + skip + reach));
    if (before && after) out.push_back(best);
    best = n, bestTurn = 0;
  };
  for (size_t i = 1; i + 1 < n; ++i) {
    double reach = 1.5 * WidthAt(d, pts[i]);
    bool inside = r.s[i] >= reach && r.s[n - 1] - r.s[i] >= reach;
    double t = inside ? Turn(r, i, reach) : 0;
    if (t > kCornerTurn) {
      if (t > bestTurn) best = i, bestTurn = t;
    } else {
      settle();
    }
  }
  settle();
  return out;
}

}  // namespace

void SplitAtCorners(SkeletonGraph& g, const DistanceMap& d) {
  size_t edges = g.edges.size();
  for (size_t id = 0; id < edges; ++id) {
    if (!g.edges[id].alive || g.edges[id].from < 0) continue;
    std::vector<size_t> corners = Corners(g.edges[id].points, d);
    // Split from the far end back, so the earlier indices stay good.
    for (auto c = corners.rbegin(); c != corners.rend(); ++c) {
      SkeletonEdge& e = g.edges[id];
      int node = static_cast<int>(g.nodes.size());
      SkeletonNode corner;
      corner.at = e.points[*c];
      corner.width = static_cast<float>(WidthAt(d, corner.at));
      corner.junction = true;
      SkeletonEdge tail;
      tail.points.assign(e.points.begin() + static_cast<long>(*c), e.points.end());
      tail.from = node;
      tail.to = e.to;
      e.points.resize(*c + 1);
      e.to = node;
      int tailId = static_cast<int>(g.edges.size());
      std::vector<int>& farEdges = g.nodes[static_cast<size_t>(tail.to)].edges;
      // The far node's entry for this edge now means the tail (the last entry, if the edge is a loop).
      auto it = std::find(farEdges.rbegin(), farEdges.rend(), static_cast<int>(id));
      if (it != farEdges.rend()) *it = tailId;
      corner.edges = {static_cast<int>(id), tailId};
      g.nodes.push_back(corner);
      g.edges.push_back(std::move(tail));
    }
  }
}

}  // namespace quill::vectorize
