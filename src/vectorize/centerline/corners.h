// Sharp corners that thinning rounded off without leaving a junction (the foot of an L, the turn of
// a 7) become nodes of their own, so StraightenJunctions gives them back their point.  A corner is
// where the skeleton turns sharply and runs straight on both sides; a tight curve, which does not run
// straight, stays a curve.
#pragma once

#include "centerline/distance_map.h"
#include "centerline/skeleton_graph.h"

namespace quill::vectorize {

void SplitAtCorners(SkeletonGraph& graph, const DistanceMap& distance);

}  // namespace quill::vectorize
