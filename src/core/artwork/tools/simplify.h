// Polyline simplification by the Douglas-Peucker method in space: the points that matter for the shape
// within a tolerance are kept, the rest dropped.  The optimiser's "Simplify Polygons" uses it.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "mathlib/vector3.h"

namespace quill {

// Keeps the first and the last point and every point that lies farther than tolerance from the segment
// between its kept neighbours (the first of equally far points is the one kept).  out receives the kept
// points in input order; the result is their number, 0 for fewer than two points.  Works without
// recursion, so a polyline of millions of points never runs the stack out.
size_t Simplify(std::span<const Vector3> points, double tolerance, std::vector<Vector3>& out);

}  // namespace quill
