#include "toolpath/carve/carve_outline.h"

#include <algorithm>
#include <cmath>

#include "mathlib/geom2d.h"

namespace quill {

void CarveOutline::Move(double x, double y) {
  x_ = x, y_ = y;
  newContour_ = true;
}

void CarveOutline::LineTo(double x, double y) {
  if (IsZero(x - x_) && IsZero(y - y_)) return;
  double dx = x - x_, dy = y - y_, length = std::hypot(dx, dy);
  // A hair over a whole number of steps would leave a piece too short to have a direction.
  long n = std::max(1L, static_cast<long>(std::ceil(length / step_ - 1e-9)));
  double ux = dx / length * step_, uy = dy / length * step_;
  for (long k = 0; k < n; ++k) {
    double sx = x_ + ux * static_cast<double>(k), sy = y_ + uy * static_cast<double>(k);
    bool last = k == n - 1;
    tgEntity piece;
    piece.SetLine(sx, sy, 0, last ? x : sx + ux, last ? y : sy + uy, 0);
    piece.SetSelected(newContour_);
    newContour_ = false;
    pieces_.push_back(piece);
  }
  x_ = x, y_ = y;
}

size_t CarveOutline::ContourEnd(size_t i) const {
  size_t end = i + 1;
  while (end < pieces_.size() && !pieces_[end].Selected()) ++end;
  return end;
}

}  // namespace quill
