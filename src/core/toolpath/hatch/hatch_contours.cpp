#include "toolpath/hatch/hatch_contours.h"

#include <algorithm>
#include <cmath>

#include "mathlib/geom2d.h"

namespace quill {

void HatchContours::AddLine(double x1, double y1, double x2, double y2) {
  if (y1 == y2) return;  // a flat edge is crossed by no scan line: its neighbours carry its ends
  Edge e{};
  e.ylo = std::min(y1, y2), e.yhi = std::max(y1, y2);
  e.x1 = x1, e.y1 = y1, e.x2 = x2, e.y2 = y2;
  edges_.push_back(e);
}

void HatchContours::AddArcPiece(double cx, double cy, double r, double from, double to, double yFrom, double yTo) {
  if (yFrom == yTo) return;
  Edge e{};
  e.ylo = std::min(yFrom, yTo), e.yhi = std::max(yFrom, yTo);
  e.cx = cx, e.cy = cy, e.r = r;
  e.side = std::cos((from + to) / 2) >= 0 ? 1 : -1;
  edges_.push_back(e);
}

void HatchContours::AddArc(double x1, double y1, double x2, double y2, double cx, double cy, bool ccw) {
  double r = std::hypot(x1 - cx, y1 - cy);
  if (IsZero(r)) return;
  // Walk counter-clockwise from a to b; a clockwise arc covers the same ground from its end.
  double a = std::atan2(y1 - cy, x1 - cx), b = std::atan2(y2 - cy, x2 - cx);
  double ya = y1, yb = y2;
  if (!ccw) std::swap(a, b), std::swap(ya, yb);
  double sweep = b - a;
  while (sweep <= 0) sweep += TwoPi;
  if (IsZero(x2 - x1) && IsZero(y2 - y1)) sweep = TwoPi;
  // Split at the top and the bottom of the circle, where the height turns; the ends keep the heights
  // of the points they join, so the neighbouring edges meet them exactly.
  double from = a, yFrom = ya;
  double turn = std::ceil((a - HalfPi) / Pi) * Pi + HalfPi;  // the first top or bottom after a
  if (turn <= a) turn += Pi;
  for (; turn < a + sweep; turn += Pi) {
    double yTurn = cy + r * std::sin(turn);
    AddArcPiece(cx, cy, r, from, turn, yFrom, yTurn);
    from = turn, yFrom = yTurn;
  }
  AddArcPiece(cx, cy, r, from, a + sweep, yFrom, yb);
}

std::vector<double> HatchContours::Crossings(double y) const {
  std::vector<double> xs;
  for (const Edge& e : edges_) {
    if (y < e.ylo || y >= e.yhi) continue;
    if (e.side == 0) {
      xs.push_back(e.x1 + (y - e.y1) * (e.x2 - e.x1) / (e.y2 - e.y1));
    } else {
      double h = e.r * e.r - (y - e.cy) * (y - e.cy);
      xs.push_back(e.cx + e.side * std::sqrt(std::max(0.0, h)));
    }
  }
  std::sort(xs.begin(), xs.end());
  return xs;
}

}  // namespace quill
