// The largest circle that fits a character at one corner of its outline: the cone goes as deep as
// that circle is wide.
#pragma once

#include <vector>

#include "geometry/entity.h"
#include "toolpath/carve/segment_grid.h"

namespace quill {

class Ui;

// Where the circles of one corner lie: a circle of radius x has its centre at the corner moved by
// x * reach along the direction (ux, uy), half-way between the two pieces that meet there, on the
// carving side.
struct CarveCorner {
  double x = 0, y = 0;
  double ux = 0, uy = 0;
  double reach = 1;

  double CentreX(double radius) const { return x + radius * reach * ux; }
  double CentreY(double radius) const { return y + radius * reach * uy; }
};

// The corner at the start of piece, coming from previous (the piece before it, or the last piece of
// its contour); side -1 carves right of the travel, +1 left.
CarveCorner CornerOf(const tgEntity& previous, const tgEntity& piece, int side);

// The pieces of one character with their grid.
class CarvePieces {
 public:
  // ui: where a piece of a kind the intersection does not handle would be reported.
  CarvePieces(Ui& ui, const std::vector<tgEntity>& pieces, double step, double toolDiameter);
  // Some piece crosses the circle (not only touching it) without lying wholly inside it.
  bool Collides(double cx, double cy, double radius);

 private:
  Ui& ui_;
  const std::vector<tgEntity>& pieces_;
  SegmentGrid grid_;
};

// The diameter of the first circle grown at the corner that meets the character: by 20% a time from
// 0.001, then back to 80% and by 1% a time.  A circle that reaches the tool diameter first gives the
// tool diameter, and tooSmall is set.
double FittingDiameter(const CarveCorner& corner, CarvePieces& pieces, double toolDiameter, bool& tooSmall);

}  // namespace quill
