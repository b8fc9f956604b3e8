#include "centerline/junctions.h"

#include <algorithm>
#include <cmath>

#include "path_fitting.h"

namespace quill::vectorize {

namespace {

// Runs this close to parallel (sine of the angle between them) say nothing about where they meet.
constexpr double kMinCrossing = 0.34;  // 20 degrees
// The meeting point moves at most this many stroke widths.
constexpr double kMaxShift = 1.5;
// A meeting point lies at least this many stroke widths (and pixels) from the paper.
constexpr double kDepth = 0.15;
constexpr double kMinDepth = 1.0;

struct RunEnd {
  int edge;
  bool atStart;  // the run leaves the node from its first point
  Point through, direction;
  bool fitted = false;
};

double Dist(const Point& a, const Point& b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

// Point k of the run counted from the node's end.
const Point& FromNode(const SkeletonEdge& e, bool atStart, size_t k) {
  return atStart ? e.points[k] : e.points[e.points.size() - 1 - k];
}

// The run's direction near the node: the least-squares line through its points from skip to
// skip + reach away from the node.
RunEnd Fit(const SkeletonEdge& e, int id, bool atStart, const Point& node, double skip, double reach) {
  RunEnd r{id, atStart, {}, {}};
  std::vector<Point> window;
  for (size_t k = 0; k < e.points.size(); ++k) {
    const Point& q = FromNode(e, atStart, k);
    double d = Dist(q, node);
    if (d > skip + reach) break;
    if (d >= skip) window.push_back(q);
  }
  if (window.size() < 3) return r;
  double mx = 0, my = 0;
  for (const Point& q : window) mx += q.x, my += q.y;
  mx /= static_cast<double>(window.size()), my /= static_cast<double>(window.size());
  double sxx = 0, sxy = 0, syy = 0;
  for (const Point& q : window)
    sxx += (q.x - mx) * (q.x - mx), sxy += (q.x - mx) * (q.y - my), syy += (q.y - my) * (q.y - my);
  double angle = 0.5 * std::atan2(2 * sxy, sxx - syy);
  r.through = {mx, my};
  r.direction = {std::cos(angle), std::sin(angle)};
  r.fitted = true;
  return r;
}

// The point nearest (in the least-squares sense) to all the fitted lines; false when they do not
// cross well enough to say.
bool Meeting(const std::vector<RunEnd>& ends, Point& out) {
  double a = 0, b = 0, c = 0, bx = 0, by = 0;
  double strongest = 0;
  for (const RunEnd& r : ends) {
    if (!r.fitted) continue;
    double dx = r.direction.x, dy = r.direction.y;
    double m00 = 1 - dx * dx, m01 = -dx * dy, m11 = 1 - dy * dy;
    a += m00, b += m01, c += m11;
    bx += m00 * r.through.x + m01 * r.through.y;
    by += m01 * r.through.x + m11 * r.through.y;
    for (const RunEnd& q : ends) {
      if (q.fitted) strongest = std::max(strongest, std::fabs(dx * q.direction.y - dy * q.direction.x));
    }
  }
  double det = a * c - b * b;
  if (strongest < kMinCrossing || std::fabs(det) < 1e-9) return false;
  out = {(c * bx - b * by) / det, (a * by - b * bx) / det};
  return true;
}

// The run's points within skip of the old node go; it starts (or ends) at the new one.
void Reattach(SkeletonEdge& e, bool atStart, const Point& old, const Point& meeting, double skip) {
  std::vector<Point>& p = e.points;
  if (!atStart) std::reverse(p.begin(), p.end());
  size_t drop = 0;
  while (drop + 1 < p.size() && Dist(p[drop], old) < skip) ++drop;
  // The far end stays, however short the run.
  if (drop + 1 >= p.size()) drop = p.size() - 1;
  p.erase(p.begin(), p.begin() + static_cast<long>(drop));
  p.insert(p.begin(), meeting);
  if (!atStart) std::reverse(p.begin(), p.end());
}

// The distance to paper at a point, as a fraction of the stroke's width there.
bool DeepInInk(const DistanceMap& d, const Point& q, double width) {
  int x = static_cast<int>(std::floor(q.x)), y = d.height - 1 - static_cast<int>(std::floor(q.y));
  if (x < 0 || y < 0 || x >= d.width || y >= d.height) return false;
  return d.At(x, y) >= std::max(kMinDepth, kDepth * width);
}

void Straighten(SkeletonGraph& g, const DistanceMap& d, int id) {
  SkeletonNode& node = g.nodes[static_cast<size_t>(id)];
  double skip = std::max(2.0, 0.75 * node.width), reach = std::max(6.0, static_cast<double>(node.width));
  std::vector<RunEnd> ends;
  for (size_t k = 0; k < node.edges.size(); ++k) {
    int e = node.edges[k];
    const SkeletonEdge& edge = g.edges[static_cast<size_t>(e)];
    if (!edge.alive) continue;
    // An edge that returns to its node is listed twice: once for each end.
    bool again = std::count(node.edges.begin(), node.edges.begin() + static_cast<long>(k), e) > 0;
    bool atStart = edge.from == id && !again;
    ends.push_back(Fit(edge, e, atStart, node.at, skip, reach));
  }
  Point meeting;
  if (ends.size() < 2 || !Meeting(ends, meeting) || Dist(meeting, node.at) > kMaxShift * node.width ||
      !DeepInInk(d, meeting, node.width)) {
    return;
  }
  for (const RunEnd& r : ends) Reattach(g.edges[static_cast<size_t>(r.edge)], r.atStart, node.at, meeting, skip);
  node.at = meeting;
}

// Two junctions a short run apart (less than the stroke's width) are one meeting of strokes that
// thinning split: the run goes and the second node's runs move to the first.
void MergeNearJunctions(SkeletonGraph& g) {
  for (SkeletonEdge& link : g.edges) {
    if (!link.alive || link.from < 0 || link.from == link.to) continue;
    const int kept = link.from, merged = link.to;
    SkeletonNode& keep = g.nodes[static_cast<size_t>(kept)];
    SkeletonNode& gone = g.nodes[static_cast<size_t>(merged)];
    if (!keep.junction || !gone.junction || PathLength(link.points) >= std::max(keep.width, gone.width)) continue;
    link.alive = false;
    for (int id : gone.edges) {
      SkeletonEdge& e = g.edges[static_cast<size_t>(id)];
      if (e.from == merged) e.from = kept;
      if (e.to == merged) e.to = kept;
      keep.edges.push_back(id);
    }
    gone.edges.clear();
    keep.at = {(keep.at.x + gone.at.x) / 2, (keep.at.y + gone.at.y) / 2};
    keep.width = std::max(keep.width, gone.width);
    for (int id : keep.edges) {
      SkeletonEdge& e = g.edges[static_cast<size_t>(id)];
      if (e.from == kept) e.points.front() = keep.at;
      if (e.to == kept) e.points.back() = keep.at;
    }
  }
}

}  // namespace

void StraightenJunctions(SkeletonGraph& graph, const DistanceMap& distance) {
  MergeNearJunctions(graph);
  for (size_t i = 0; i < graph.nodes.size(); ++i) {
    if (graph.nodes[i].junction) Straighten(graph, distance, static_cast<int>(i));
  }
}

}  // namespace quill::vectorize
