// The tangent-arc fitter: replaces a run of curve points by lines and circular arcs that stay within a
// tolerance of the points.  Used on the curve blocks of the text path and on DXF and Art Workshop
// curves.  It returns records; writing them to the arc-fit work file is the text path's business.
#pragma once

#include <span>
#include <vector>

#include "mathlib/curves.h"

namespace quill {

// Kinds of the fitted records; the same numbers as the text path's line and arc records.
enum FitKind : int { FitLine = 4, FitArcCw = 5, FitArcCcw = 6 };

struct FitRecord {
  int kind = FitLine;
  double X = 0, Y = 0;           // end point
  double R = 0, CX = 0, CY = 0;  // arcs: radius and centre
};

// A candidate centre with an X or Y this far from the origin is unusable: the points are taken as lines.
inline constexpr double ArcFitFarLimit = 99.9;
// The points are fitted in runs of at most this many, each run starting where the last one ended.
inline constexpr int MaxFitPoints = 250;

// Lines and arcs through the points.  The first record is a line to the first point; every arc passes
// through its first, middle and last point, keeps the points it replaces within `tolerance` of its
// radius and never spans a change of turning direction.
std::vector<FitRecord> FitTangentArcs(std::span<const CurvePoint> points, double tolerance);

}  // namespace quill
