#include "geometry/builder.h"

#include <cmath>
#include <utility>

#include "geometry/entity.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

struct Pt {
  double x, y;
};

// Puts first a point whose X differs from both others, so the bisector formulas below never divide by
// zero.  False when no such point exists (the three share a vertical, or two pairs do).
bool OrderForBisectors(Pt& p1, Pt& p2, Pt& p3) {
  auto needsTurn = [&] { return IsZero(p2.x - p1.x) || IsZero(p3.x - p1.x); };
  // Two rounds of exchanges reach a good order from any start when one exists.
  for (int round = 0; round < 3 && needsTurn(); ++round) {
    if (IsZero(p2.x - p1.x)) std::swap(p1, p3);
    if (IsZero(p3.x - p1.x)) std::swap(p2, p3);
  }
  return !needsTurn();
}

}  // namespace

bool tgBuilder::CircleFrom3Points(double x1, double y1, double x2, double y2, double x3, double y3, double& cx,
                                  double& cy, double& r) const {
  Pt p1{x1, y1}, p2{x2, y2}, p3{x3, y3};
  if (!OrderForBisectors(p1, p2, p3)) return false;
  if (IsZero((p2.x - p1.x) * (p3.y - p1.y) - (p2.y - p1.y) * (p3.x - p1.x))) return false;
  // The perpendicular bisector of P1 Pk is x = a_k - m_k * y.
  auto slope = [&](const Pt& pk) { return (pk.y - p1.y) / (pk.x - p1.x); };
  auto offset = [&](const Pt& pk) {
    return ((pk.x + p1.x) * (pk.x - p1.x) + (pk.y + p1.y) * (pk.y - p1.y)) / ((pk.x - p1.x) * 2);
  };
  double m2 = slope(p2), m3 = slope(p3);
  double y = (offset(p3) - offset(p2)) / (m3 - m2);
  double x = offset(p3) - m3 * y;
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  cx = x;
  cy = y;
  r = std::fabs(std::sqrt((p3.x - cx) * (p3.x - cx) + (p3.y - cy) * (p3.y - cy)));
  return true;
}

bool tgBuilder::ArcFrom3Points(const tgEntity& start, const tgEntity& middle, tgEntity& arc,
                               const tgEntity& end) const {
  double cx, cy, r;
  if (!CircleFrom3Points(start.X(), start.Y(), middle.X(), middle.Y(), end.X(), end.Y(), cx, cy, r)) return false;
  double sa = VectorAngle(start.X() - cx, start.Y() - cy);
  double fa = VectorAngle(end.X() - cx, end.Y() - cy);
  arc.SetArc(cx, cy, 0, r, sa, fa);
  return true;
}

}  // namespace quill
