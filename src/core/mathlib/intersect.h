// The three intersections of infinite lines and full circles.
#pragma once

namespace quill {

// Written by each intersection when it succeeds (code 0); left alone otherwise.
struct IntersectionResult {
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  bool Tangent = false;  // only one point, X1/Y1
};

// Result codes.
enum IntersectCode : int {
  IntersectFound = 0,
  IntersectBadInput = 1,    // bad radius or degenerate segment
  IntersectCoincident = 2,  // coincident centres or a line of zero length
  IntersectNone = 3,
  IntersectParallel = 4,
};

int CircleCircleIntersect(double x1, double y1, double r1, double x2, double y2, double r2, IntersectionResult& out);
int LineCircleIntersect(double x1, double y1, double x2, double y2, double cx, double cy, double r,
                        IntersectionResult& out);
int LineLineIntersect(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                      IntersectionResult& out);

}  // namespace quill
