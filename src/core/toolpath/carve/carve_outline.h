// One character's outline as carving walks it: lines no longer than the step, the first piece of each
// contour flagged Selected.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/entity.h"

namespace quill {

class CarveOutline {
 public:
  explicit CarveOutline(double step) : step_(step) {}

  // Pen up to (x, y): the next piece starts a contour.
  void Move(double x, double y);
  // Pen down to (x, y) in pieces of one step (the last one shorter); a point that does not move
  // adds nothing.
  void LineTo(double x, double y);
  void Clear() { pieces_.clear(); }

  const std::vector<tgEntity>& Pieces() const { return pieces_; }
  bool StartsContour(size_t i) const { return pieces_[i].Selected(); }
  // The index one past the last piece of the contour piece i belongs to.
  size_t ContourEnd(size_t i) const;

 private:
  double step_;
  double x_ = 0, y_ = 0;
  bool newContour_ = true;
  std::vector<tgEntity> pieces_;
};

}  // namespace quill
