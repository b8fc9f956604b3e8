// Bezier curves through control points: font splines of 3 to 125 nodes, TrueType quadratic segments,
// the Art Workshop's curve tool.
#pragma once

#include <span>
#include <vector>

namespace quill {

struct CurvePoint {
  double X = 0, Y = 0;
};

inline constexpr int MinCurveNodes = 3;
inline constexpr int MaxCurveNodes = 125;

// pointCount points evenly spread in the curve parameter over the Bezier curve whose control points are
// the nodes; the first point is the first node, the last the last node.  Fewer than 3 or more than 125
// nodes give no points.
std::vector<CurvePoint> BezierPoints(std::span<const CurvePoint> nodes, int pointCount);

}  // namespace quill
