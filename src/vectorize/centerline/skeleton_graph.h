// Following a skeleton into a graph: its ends and junctions are the nodes, the pixel runs between
// them the edges.  A knot of junction pixels is one node at its middle; a ring with neither end nor
// junction is an edge of its own that closes on itself.
#pragma once

#include <vector>

#include "centerline/distance_map.h"
#include "mask.h"
#include "traced_path.h"

namespace quill::vectorize {

struct SkeletonNode {
  Point at;                // picture units
  float width = 0;         // the stroke's width there (twice the distance to paper)
  bool junction = false;   // where three or more skeleton runs met
  std::vector<int> edges;  // live edges meeting here (an edge that returns here is listed twice)
};

struct SkeletonEdge {
  std::vector<Point> points;  // from node `from` to node `to`, both ends included
  int from = -1, to = -1;     // -1 for a ring
  bool alive = true;
};

struct SkeletonGraph {
  std::vector<SkeletonNode> nodes;
  std::vector<SkeletonEdge> edges;
};

SkeletonGraph FollowSkeleton(const Mask& skeleton, const DistanceMap& distance);

}  // namespace quill::vectorize
