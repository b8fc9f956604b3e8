// From a run of traced points to a path an engraver cuts well: fewer points where they lie in line,
// arcs where they lie on curves.
#pragma once

#include <vector>

#include "traced_path.h"

namespace quill::vectorize {

// Douglas-Peucker: the fewest of the points (the ends always kept) that stay within tolerance of all.
std::vector<Point> Simplify(const std::vector<Point>& points, double tolerance);

// The points simplified (within tolerance), then runs of three or more corners whose points all lie
// within tolerance of one arc joined by that arc; a closed run gives a closed path.
TracedPath FitArcs(const std::vector<Point>& points, bool closed, double tolerance);

// Each point moved to the Gaussian-weighted mean of its neighbours along the run (sigma in pixels of
// length along it, out to three sigma); an open run's ends stay where they are.  Takes the stair steps
// out of a pixel chain while a point far from its neighbours (a corner put back at a junction) stays.
std::vector<Point> Smooth(const std::vector<Point>& points, bool closed, double sigma);

double PathLength(const std::vector<Point>& points);

}  // namespace quill::vectorize
