// Plane geometry, angle arithmetic and zero tests.  All angles are radians counter-clockwise from +X,
// Y up.  Nothing here raises: degenerate input gives a marker value or a result code.
#pragma once

#include "mathlib/constants.h"

namespace quill {

inline bool IsZero(double x) { return x < ZeroTolerance && x > -ZeroTolerance; }
inline bool IsNearZero(double x) { return x <= NearZeroTolerance && x >= -NearZeroTolerance; }
inline int Sign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }
inline double MinReal(double a, double b) { return a < b ? a : b; }
inline double MaxReal(double a, double b) { return a > b ? a : b; }
inline int MinInt(int a, int b) { return a < b ? a : b; }
inline void SwapReals(double& a, double& b) {
  double t = a;
  a = b;
  b = t;
}

// Direction of (dx, dy) in [0, 2*pi); UndefinedAngle for a null vector.
double VectorAngle(double dx, double dy);
// Brings an angle within one turn without changing its sign: [0, 2*pi] or [-2*pi, 0).
void ReduceAngle(double& a);
// 1..4 for the quadrant of a (after one turn is taken off angles at or above 2*pi); 0 otherwise.
int AngleQuadrant(double a);
bool SameDirection(double a1, double a2);

// Distance of two points; anything below 0.001 reads as 0.
double Distance2D(double x1, double y1, double x2, double y2);
void MidPoint(double x1, double y1, double x2, double y2, double& mx, double& my);
// Counter-clockwise rotation of (x, y) about (cx, cy).
void RotatePoint(double& x, double& y, double cx, double cy, double angle);
// Signed distance of P from the line P1 to P2, positive to the right of the direction P1 to P2.
double PointLineDistance(double px, double py, double x1, double y1, double x2, double y2);
// Reflects (x, y) across the line through (lx, ly) with direction angle.
void MirrorPoint(double& x, double& y, double lx, double ly, double angle);
// +1 left turn, -1 right turn, 0 straight; angle = interior angle at P2 (0 when straight or degenerate).
int TurnAngle(double x1, double y1, double x2, double y2, double x3, double y3, double& angle);
// Distance between two parallel lines, or NotParallelMark.
double ParallelLineDistance(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
// Gap between two circles (negative when they overlap).
double CircleGap(double x1, double y1, double r1, double x2, double y2, double r2);

// Box of the counter-clockwise arc from a1 to a2 about (cx, cy).  Leaves the outputs alone when either
// angle lies outside every quadrant.
void ArcExtents(double cx, double cy, double r, double a1, double a2, double& xmin, double& ymin, double& xmax,
                double& ymax);

// Arc cosine that gives 0 outside [-1, 1] and sets complex there (the evaluator's ACOS).
double ArcCos(double x, bool* complex = nullptr);

}  // namespace quill
