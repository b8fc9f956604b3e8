#include "centerline/skeleton_graph.h"

#include <algorithm>
#include <set>
#include <utility>

#include "centerline/thinning.h"
#include "pieces.h"

namespace quill::vectorize {

namespace {

constexpr int kDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kDy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};

class Follower {
 public:
  Follower(const Mask& s, const DistanceMap& d) : s_(s), d_(d), nodeOf_(s.ink.size(), -1), visited_(s.ink.size(), 0) {}

  SkeletonGraph Run() {
    MakeNodes();
    for (size_t i = 0; i < s_.ink.size(); ++i) {
      if (nodeOf_[i] >= 0) LeaveNodePixel(i);
    }
    for (size_t i = 0; i < s_.ink.size(); ++i) {
      if (s_.ink[i] && nodeOf_[i] < 0 && !visited_[i]) FollowRing(i);
    }
    return std::move(g_);
  }

 private:
  int X(size_t i) const { return static_cast<int>(i % static_cast<size_t>(s_.width)); }
  int Y(size_t i) const { return static_cast<int>(i / static_cast<size_t>(s_.width)); }
  Point Centre(size_t i) const { return PixelCentre(X(i), Y(i), s_.height); }
  float Width(size_t i) const { return 2 * d_.distance[i]; }

  // The skeleton neighbours of pixel i.
  std::vector<size_t> Neighbours(size_t i) const {
    std::vector<size_t> out;
    for (int k = 0; k < 8; ++k) {
      int x = X(i) + kDx[k], y = Y(i) + kDy[k];
      if (s_.Inside(x, y) && s_.At(x, y)) out.push_back(s_.Index(x, y));
    }
    return out;
  }

  // Ends and lone pixels are nodes of their own; touching junction pixels make one node together.
  void MakeNodes() {
    Mask junction(s_.width, s_.height);
    for (int y = 0; y < s_.height; ++y) {
      for (int x = 0; x < s_.width; ++x) {
        if (!s_.At(x, y)) continue;
        int n = NeighbourCount(s_, x, y);
        if (n >= 3) {
          junction.Set(x, y, true);
        } else if (n != 2) {
          AddNode({s_.Index(x, y)}, false);
        }
      }
    }
    ForEachPiece(junction, 1, true, [this](const std::vector<size_t>& piece) { AddNode(piece, true); });
  }

  void AddNode(const std::vector<size_t>& pixels, bool junction) {
    SkeletonNode node;
    node.junction = junction;
    double sx = 0, sy = 0;
    for (size_t i : pixels) {
      Point c = Centre(i);
      sx += c.x, sy += c.y;
      node.width = std::max(node.width, Width(i));
      nodeOf_[i] = static_cast<int>(g_.nodes.size());
    }
    node.at = {sx / static_cast<double>(pixels.size()), sy / static_cast<double>(pixels.size())};
    g_.nodes.push_back(node);
  }

  void AddEdge(SkeletonEdge e) {
    int id = static_cast<int>(g_.edges.size());
    if (e.from >= 0) g_.nodes[static_cast<size_t>(e.from)].edges.push_back(id);
    if (e.to >= 0) g_.nodes[static_cast<size_t>(e.to)].edges.push_back(id);
    g_.edges.push_back(std::move(e));
  }

  // Every run that leaves this node pixel, once.
  void LeaveNodePixel(size_t start) {
    int from = nodeOf_[start];
    for (size_t next : Neighbours(start)) {
      int to = nodeOf_[next];
      if (to == from) continue;
      if (to >= 0) {
        // Two nodes side by side: one short edge, made from the lower pixel.
        if (start < next && linked_.insert({start, next}).second) {
          AddEdge({{g_.nodes[static_cast<size_t>(from)].at, g_.nodes[static_cast<size_t>(to)].at}, from, to});
        }
        continue;
      }
      if (!visited_[next]) Walk(start, next);
    }
  }

  // Along the two-neighbour pixels from a node pixel to the next node.
  void Walk(size_t start, size_t first) {
    SkeletonEdge e;
    e.from = nodeOf_[start];
    e.points.push_back(g_.nodes[static_cast<size_t>(e.from)].at);
    size_t prev = start, cur = first;
    for (size_t steps = 0; steps <= s_.ink.size(); ++steps) {
      if (nodeOf_[cur] >= 0) {
        e.to = nodeOf_[cur];
        e.points.push_back(g_.nodes[static_cast<size_t>(e.to)].at);
        break;
      }
      visited_[cur] = 1;
      e.points.push_back(Centre(cur));
      size_t next = cur;
      for (size_t n : Neighbours(cur)) {
        if (n != prev && (nodeOf_[n] >= 0 || !visited_[n])) next = n;
      }
      if (next == cur) break;
      prev = cur;
      cur = next;
    }
    if (e.to < 0) e.to = e.from;
    AddEdge(std::move(e));
  }

  void FollowRing(size_t start) {
    SkeletonEdge e;
    size_t prev = start, cur = start;
    for (size_t steps = 0; steps <= s_.ink.size(); ++steps) {
      visited_[cur] = 1;
      e.points.push_back(Centre(cur));
      size_t next = cur;
      for (size_t n : Neighbours(cur)) {
        if (n != prev && !visited_[n]) next = n;
      }
      if (next == cur) break;
      prev = cur;
      cur = next;
    }
    if (e.points.size() > 2) e.points.push_back(e.points.front());
    AddEdge(std::move(e));
  }

  const Mask& s_;
  const DistanceMap& d_;
  std::vector<int> nodeOf_;
  std::vector<uint8_t> visited_;
  std::set<std::pair<size_t, size_t>> linked_;
  SkeletonGraph g_;
};

}  // namespace

SkeletonGraph FollowSkeleton(const Mask& skeleton, const DistanceMap& distance) {
  return Follower(skeleton, distance).Run();
}

}  // namespace quill::vectorize
