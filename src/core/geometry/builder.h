// tgBuilder: circles and arcs through three picked points (the Art Workshop's "Connect - Arc").
#pragma once

namespace quill {

class tgEntity;

class tgBuilder {
 public:
  // The circle through three points; false when they are collinear (all on one vertical included).
  bool CircleFrom3Points(double x1, double y1, double x2, double y2, double x3, double y3, double& cx, double& cy,
                         double& r) const;
  // The counter-clockwise arc (unless arc was already clockwise) from start to end on the circle
  // through the three points; the middle point only fixes the circle.
  bool ArcFrom3Points(const tgEntity& start, const tgEntity& middle, tgEntity& arc, const tgEntity& end) const;
};

}  // namespace quill
