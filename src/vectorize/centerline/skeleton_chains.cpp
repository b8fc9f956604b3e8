#include "centerline/skeleton_chains.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "path_fitting.h"

namespace quill::vectorize {

namespace {

// How far into a chain its end direction is taken from, in pixels.
constexpr double kDirectionReach = 6.0;
constexpr double kJoinCosine = 0.5;  // 60 degrees

int OtherEnd(const SkeletonEdge& e, int node) {
  return e.from == node ? e.to : e.from;
}

int LiveDegree(const SkeletonGraph& g, int node) {
  int n = 0;
  for (int e : g.nodes[static_cast<size_t>(node)].edges) n += g.edges[static_cast<size_t>(e)].alive;
  return n;
}

// The edge's points running away from node.
std::vector<Point> PointsFrom(const SkeletonEdge& e, int node) {
  std::vector<Point> pts = e.points;
  if (e.from != node) std::reverse(pts.begin(), pts.end());
  return pts;
}

void Append(std::vector<Point>& into, const std::vector<Point>& more) {
  into.insert(into.end(), more.begin() + (into.empty() ? 0 : 1), more.end());
}

struct End {
  size_t chain;
  bool atStart;
  Point at, outward;  // the end and the unit direction the line leaves through it
};

End EndOf(const Chain& c, size_t index, bool atStart) {
  const std::vector<Point>& p = c.points;
  Point end = atStart ? p.front() : p.back();
  Point inner = end;
  double walked = 0;
  for (size_t k = 1; k < p.size() && walked < kDirectionReach; ++k) {
    const Point& q = atStart ? p[k] : p[p.size() - 1 - k];
    walked = std::hypot(q.x - end.x, q.y - end.y);
    inner = q;
  }
  double dx = end.x - inner.x, dy = end.y - inner.y, len = std::hypot(dx, dy);
  return {index, atStart, end, len > 0 ? Point{dx / len, dy / len} : Point{}};
}

bool Facing(const End& a, const End& b, double gap) {
  double dx = b.at.x - a.at.x, dy = b.at.y - a.at.y, d = std::hypot(dx, dy);
  if (d > gap) return false;
  if (d == 0) return true;
  dx /= d, dy /= d;
  return a.outward.x * dx + a.outward.y * dy >= kJoinCosine && -(b.outward.x * dx + b.outward.y * dy) >= kJoinCosine;
}

// Chain a's end joined to chain b's end; b is emptied (or, when they are one chain, it closes).
void Join(std::vector<Chain>& chains, const End& a, const End& b) {
  Chain& ca = chains[a.chain];
  if (a.chain == b.chain) {
    ca.points.push_back(ca.points.front());
    ca.closed = true;
    ca.freeStart = ca.freeEnd = false;
    return;
  }
  Chain& cb = chains[b.chain];
  if (a.atStart) {
    std::reverse(ca.points.begin(), ca.points.end());
    std::swap(ca.freeStart, ca.freeEnd);
  }
  if (!b.atStart) {
    std::reverse(cb.points.begin(), cb.points.end());
    std::swap(cb.freeStart, cb.freeEnd);
  }
  ca.points.insert(ca.points.end(), cb.points.begin(), cb.points.end());
  ca.freeEnd = cb.freeEnd;
  cb.points.clear();
}

}  // namespace

void PruneSpurs(SkeletonGraph& g) {
  std::vector<std::pair<double, int>> twigs;
  for (size_t i = 0; i < g.edges.size(); ++i) {
    const SkeletonEdge& e = g.edges[i];
    if (e.from < 0 || e.from == e.to) continue;
    int a = LiveDegree(g, e.from), b = LiveDegree(g, e.to);
    if ((a == 1) != (b == 1)) twigs.push_back({PathLength(e.points), static_cast<int>(i)});
  }
  std::sort(twigs.begin(), twigs.end());
  for (auto [length, id] : twigs) {
    SkeletonEdge& e = g.edges[static_cast<size_t>(id)];
    int junction = LiveDegree(g, e.from) == 1 ? e.to : e.from;
    if (LiveDegree(g, junction) < 3 || LiveDegree(g, OtherEnd(e, junction)) != 1) continue;
    if (length < g.nodes[static_cast<size_t>(junction)].width) e.alive = false;
  }
}

std::vector<Chain> ChainEdges(const SkeletonGraph& g) {
  std::vector<Chain> out;
  std::vector<char> used(g.edges.size(), 0);
  auto through = [&g](int node) { return node >= 0 && LiveDegree(g, node) == 2; };
  // Walks on from node along the unused edge that leaves it, while the nodes passed have two edges.
  auto extend = [&](Chain& c, int node) {
    while (through(node)) {
      int next = -1;
      for (int e : g.nodes[static_cast<size_t>(node)].edges) {
        if (g.edges[static_cast<size_t>(e)].alive && !used[static_cast<size_t>(e)]) next = e;
      }
      if (next < 0) return node;
      used[static_cast<size_t>(next)] = 1;
      Append(c.points, PointsFrom(g.edges[static_cast<size_t>(next)], node));
      node = OtherEnd(g.edges[static_cast<size_t>(next)], node);
    }
    return node;
  };
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t i = 0; i < g.edges.size(); ++i) {
      const SkeletonEdge& e = g.edges[i];
      if (!e.alive || used[i]) continue;
      // Chains are started at their true ends first; what is left are rings through two-edge nodes.
      if (pass == 0 && through(e.from) && through(e.to)) continue;
      used[i] = 1;
      Chain c;
      int start = through(e.from) ? e.to : e.from;
      c.points = PointsFrom(e, start);
      int end = extend(c, OtherEnd(e, start));
      c.closed = (e.from < 0) || (start == end && through(start));
      c.freeStart = !c.closed && start >= 0 && LiveDegree(g, start) == 1;
      c.freeEnd = !c.closed && end >= 0 && LiveDegree(g, end) == 1;
      out.push_back(std::move(c));
    }
  }
  return out;
}

void JoinGaps(std::vector<Chain>& chains, double gap) {
  if (gap <= 0) return;
  std::vector<End> ends;
  for (size_t i = 0; i < chains.size(); ++i) {
    const Chain& c = chains[i];
    if (c.closed || c.points.size() < 2) continue;
    if (c.freeStart) ends.push_back(EndOf(c, i, true));
    if (c.freeEnd) ends.push_back(EndOf(c, i, false));
  }
  // Ends sorted into cells a gap wide; only neighbouring cells can hold a partner.
  std::map<std::pair<long, long>, std::vector<size_t>> cells;
  auto cell = [gap](const Point& p) {
    return std::make_pair(std::lround(std::floor(p.x / gap)), std::lround(std::floor(p.y / gap)));
  };
  for (size_t i = 0; i < ends.size(); ++i) cells[cell(ends[i].at)].push_back(i);
  std::vector<std::tuple<double, size_t, size_t>> pairs;
  for (size_t i = 0; i < ends.size(); ++i) {
    auto [cx, cy] = cell(ends[i].at);
    for (long dx = -1; dx <= 1; ++dx) {
      for (long dy = -1; dy <= 1; ++dy) {
        auto it = cells.find({cx + dx, cy + dy});
        if (it == cells.end()) continue;
        for (size_t j : it->second) {
          bool sameEnd = ends[i].chain == ends[j].chain && ends[i].atStart == ends[j].atStart;
          if (j <= i || sameEnd || !Facing(ends[i], ends[j], gap)) continue;
          pairs.push_back({std::hypot(ends[i].at.x - ends[j].at.x, ends[i].at.y - ends[j].at.y), i, j});
        }
      }
    }
  }
  std::sort(pairs.begin(), pairs.end());
  // A join turns chain a so that its other end is its start, and hangs chain b on its end: the ends
  // still free are followed there.
  std::vector<char> taken(ends.size(), 0);
  for (auto [d, i, j] : pairs) {
    if (taken[i] || taken[j]) continue;
    taken[i] = taken[j] = 1;
    End a = ends[i], b = ends[j];
    Join(chains, a, b);
    if (a.chain == b.chain) continue;
    for (End& e : ends) {
      if (e.chain == a.chain) e.atStart = true;
    }
    for (End& e : ends) {
      if (e.chain == b.chain) e.chain = a.chain, e.atStart = false;
    }
  }
  chains.erase(std::remove_if(chains.begin(), chains.end(), [](const Chain& c) { return c.points.empty(); }),
               chains.end());
}

}  // namespace quill::vectorize
