#include "mathlib/geom2d.h"

#include <cmath>

#include "mathlib/intersect.h"

namespace quill {

double VectorAngle(double dx, double dy) {
  if (IsZero(dx) && IsZero(dy)) return UndefinedAngle;
  if (IsZero(dx)) return dy > 0 ? HalfPi : ThreeHalfPi;
  if (IsZero(dy)) return dx > 0 ? 0.0 : Pi;
  double a = std::atan(dy / dx);
  if (dx < 0) return a + Pi;
  if (dy < 0) return a + TwoPi;
  return a;
}

void ReduceAngle(double& a) {
  if (!std::isfinite(a)) return;
  // Far-out angles are brought near first so the loops below stay short.
  if (std::fabs(a) > 64 * TwoPi) a = std::fmod(a, TwoPi) + (a > 0 ? TwoPi : -TwoPi);
  if (a >= 0) {
    while (a > TwoPi) a -= TwoPi;
  } else {
    while (a < -TwoPi) a += TwoPi;
  }
}

int AngleQuadrant(double a) {
  if (a > TwoPi || IsZero(a - TwoPi)) {
    a -= TwoPi;
    // A hair short of a full turn is the start direction; left negative it would belong nowhere and
    // an arc ending there would lose its extents.
    if (a < 0) a = 0;
  }
  if (a >= 0 && a < HalfPi) return 1;
  if (a >= HalfPi && a < Pi) return 2;
  if (a >= Pi && a < ThreeHalfPi) return 3;
  if (a >= ThreeHalfPi && a < TwoPi) return 4;
  return 0;
}

bool SameDirection(double a1, double a2) {
  return IsZero(std::cos(a1) - std::cos(a2)) && IsZero(std::sin(a1) - std::sin(a2));
}

double Distance2D(double x1, double y1, double x2, double y2) {
  double s = (x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2);
  if (s <= DistanceSquaredTolerance) return 0.0;
  return std::sqrt(s);
}

void MidPoint(double x1, double y1, double x2, double y2, double& mx, double& my) {
  mx = x1 + (x2 - x1) * 0.5;
  my = y1 + (y2 - y1) * 0.5;
}

void RotatePoint(double& x, double& y, double cx, double cy, double angle) {
  double c = std::cos(angle), s = std::sin(angle);
  double ox = x, oy = y;
  x = cx + c * (ox - cx) - s * (oy - cy);
  y = cy + c * (oy - cy) + s * (ox - cx);
}

double PointLineDistance(double px, double py, double x1, double y1, double x2, double y2) {
  double dx = x1 - x2, dy = y1 - y2;
  if (IsZero(dx) && IsZero(dy)) return Distance2D(x1, y1, px, py);
  double length = std::sqrt(dx * dx + dy * dy);
  return (dx * py - dy * px + x2 * y1 - x1 * y2) / length;
}

void MirrorPoint(double& x, double& y, double lx, double ly, double angle) {
  double g = PointLineDistance(x, y, lx, ly, lx + std::cos(angle), ly + std::sin(angle));
  x += 2 * g * std::cos(angle + HalfPi);
  y += 2 * g * std::sin(angle + HalfPi);
}

double ArcCos(double x, bool* complex) {
  if (x > 1 || x < -1) {
    if (complex) *complex = true;
    return 0.0;
  }
  if (x == 0) return HalfPi;
  if (x == 1) return 0.0;
  if (x == -1) return Pi;
  double a = std::atan(std::sqrt(1 - x * x) / x);
  return x < 0 ? a + Pi : a;
}

int TurnAngle(double x1, double y1, double x2, double y2, double x3, double y3, double& angle) {
  int s = Sign((x2 - x1) * (y3 - y2) - (y2 - y1) * (x3 - x2));
  angle = 0.0;
  if (s == 0) return 0;
  double a = Distance2D(x2, y2, x1, y1);
  double b = Distance2D(x3, y3, x2, y2);
  double c = Distance2D(x3, y3, x1, y1);
  if (IsZero(2 * a * b)) return s;
  double cosine = (a * a + b * b - c * c) / (2 * a * b);
  // Rounding can push the cosine a hair past 1; that is a straight or a full turn, not an error.
  if (cosine > 1) cosine = 1;
  if (cosine < -1) cosine = -1;
  angle = ArcCos(cosine);
  return s;
}

double ParallelLineDistance(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
  double d1 = VectorAngle(x2 - x1, y2 - y1);
  double d2 = VectorAngle(x4 - x3, y4 - y3);
  if (d1 + ZeroTolerance >= Pi) d1 -= Pi;
  if (d2 + ZeroTolerance >= Pi) d2 -= Pi;
  if (!IsZero(d1 - d2)) return NotParallelMark;
  IntersectionResult r;
  double px = x1 + std::cos(d1 + HalfPi), py = y1 + std::sin(d1 + HalfPi);
  if (LineLineIntersect(x1, y1, px, py, x3, y3, x4, y4, r) != IntersectFound) return NotParallelMark;
  return Distance2D(r.X1, r.Y1, x1, y1);
}

double CircleGap(double x1, double y1, double r1, double x2, double y2, double r2) {
  double d = Distance2D(x1, y1, x2, y2);
  if (d >= r2 && d >= r1) return d - r1 - r2;
  if (d >= r2) return r1 - (d + r2);
  return r2 - (d + r1);
}

namespace {

void Widen(double x, double y, double& xmin, double& ymin, double& xmax, double& ymax) {
  if (x < xmin) xmin = x;
  if (x > xmax) xmax = x;
  if (y < ymin) ymin = y;
  if (y > ymax) ymax = y;
}

// Widens the box by the extreme point at the end of quadrant q going counter-clockwise.
void WidenQuadrantEnd(int q, double cx, double cy, double r, double& xmin, double& ymin, double& xmax,
                      double& ymax) {
  switch (q) {
    case 1: Widen(cx, cy + r, xmin, ymin, xmax, ymax); break;
    case 2: Widen(cx - r, cy, xmin, ymin, xmax, ymax); break;
    case 3: Widen(cx, cy - r, xmin, ymin, xmax, ymax); break;
    default: Widen(cx + r, cy, xmin, ymin, xmax, ymax); break;
  }
}

}  // namespace

void ArcExtents(double cx, double cy, double r, double a1, double a2, double& xmin, double& ymin, double& xmax,
                double& ymax) {
  int q1 = AngleQuadrant(a1), q2 = AngleQuadrant(a2);
  if (q1 == 0 || q2 == 0) return;
  double sx = cx + r * std::cos(a1), sy = cy + r * std::sin(a1);
  double ex = cx + r * std::cos(a2), ey = cy + r * std::sin(a2);
  xmin = MinReal(sx, ex);
  xmax = MaxReal(sx, ex);
  ymin = MinReal(sy, ey);
  ymax = MaxReal(sy, ey);
  if (q1 == q2) {
    bool shortArc = q1 <= 2 ? sx > ex : ex > sx;
    if (!shortArc) {
      xmin = cx - r;
      xmax = cx + r;
      ymin = cy - r;
      ymax = cy + r;
    }
    return;
  }
  for (int q = q1; q != q2; q = q % 4 + 1) WidenQuadrantEnd(q, cx, cy, r, xmin, ymin, xmax, ymax);
}

}  // namespace quill
