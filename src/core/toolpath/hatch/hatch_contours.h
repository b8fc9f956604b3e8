// Closed contours cut by horizontal scan lines: where each line crosses them, for hatching between
// the crossings.  A crossing counts on the half-open rule (an edge holds its lower end, not its upper
// one), so a scan line through a corner, or along a flat edge, still crosses each closed contour an
// even number of times.
#pragma once

#include <vector>

namespace quill {

class HatchContours {
 public:
  void AddLine(double x1, double y1, double x2, double y2);
  // The arc from (x1, y1) to (x2, y2) about (cx, cy), counter-clockwise or not; equal ends make a full
  // circle.
  void AddArc(double x1, double y1, double x2, double y2, double cx, double cy, bool ccw);

  // The X of every crossing of the line at height y, smallest first.
  std::vector<double> Crossings(double y) const;

 private:
  // An edge rising monotonically from ylo to yhi: a line, or a quarter-or-less of a circle on its
  // right (side +1) or left (side -1) half.
  struct Edge {
    double ylo, yhi;
    double x1, y1, x2, y2;  // a line's ends
    double cx, cy, r;
    int side = 0;           // 0 for a line
  };
  void AddArcPiece(double cx, double cy, double r, double from, double to, double yFrom, double yTo);
  std::vector<Edge> edges_;
};

}  // namespace quill
