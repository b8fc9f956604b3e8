// Where strokes meet, thinning rounds the meeting off: the skeleton bends into a junction from a
// stroke's width away, and a sharp corner (the top of an A) loses its point.  The runs are straightened
// again: each run's direction is taken from beyond that reach, the meeting point put where those
// directions cross (nearest to all of them), and each run led straight to it.  Junctions closer than
// a stroke's width (an X thins to two) become one first.
#pragma once

#include "centerline/distance_map.h"
#include "centerline/skeleton_graph.h"

namespace quill::vectorize {

// A meeting point is only taken where it lies well inside the ink (a stroke's middle is half its
// width from the paper), so two strokes that merely run close never meet outside them.
void StraightenJunctions(SkeletonGraph& graph, const DistanceMap& distance);

}  // namespace quill::vectorize
