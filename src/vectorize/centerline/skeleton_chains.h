// From the skeleton graph to the lines an engraver cuts: spurs (the short twigs thinning leaves where
// a stroke has a corner or a blunt end) are cut off, edges meeting at a node of two are joined into
// one chain, and with "Thin Lines/Gaps" chain ends that point at each other across a small gap are
// joined.
#pragma once

#include <vector>

#include "centerline/skeleton_graph.h"
#include "traced_path.h"

namespace quill::vectorize {

// A run of points; an open chain's ends carry whether they are free (a line's end, not a junction).
struct Chain {
  std::vector<Point> points;
  bool closed = false;
  bool freeStart = false, freeEnd = false;
};

// Cuts every twig from a junction to a free end that is shorter than the stroke is wide at the
// junction, shortest first, never leaving a junction with fewer than three edges.
void PruneSpurs(SkeletonGraph& graph);

// The live edges joined through nodes where exactly two meet.
std::vector<Chain> ChainEdges(const SkeletonGraph& graph);

// Joins free ends at most gap apart whose lines run towards each other (each within 60 degrees of
// the gap's direction), nearest first.
void JoinGaps(std::vector<Chain>& chains, double gap);

}  // namespace quill::vectorize
