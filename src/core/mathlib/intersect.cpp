#include "mathlib/intersect.h"

#include <cmath>

#include "mathlib/geom2d.h"
#include "mathlib/tolerance.h"

namespace quill {

int CircleCircleIntersect(double x1, double y1, double r1, double x2, double y2, double r2, IntersectionResult& out) {
  if (r1 <= 0 || r2 <= 0) return IntersectBadInput;
  double d = Distance2D(x1, y1, x2, y2);
  if (!(d > 0)) return IntersectCoincident;
  double h = (d + (r1 * r1 - r2 * r2) / d) * 0.5;
  double g = std::fabs(h) - r1;
  if (g > TangencyTolerance) return IntersectNone;
  double fx = x1 + (x2 - x1) * h / d;
  double fy = y1 + (y2 - y1) * h / d;
  if (g <= -TangencyTolerance) {
    double o = std::sqrt(r1 * r1 - h * h) / d;
    out.X1 = fx + (y2 - y1) * o;
    out.Y1 = fy - (x2 - x1) * o;
    out.X2 = fx - (y2 - y1) * o;
    out.Y2 = fy + (x2 - x1) * o;
    out.Tangent = false;
  } else {
    out.X1 = fx;
    out.Y1 = fy;
    out.Tangent = true;
  }
  return IntersectFound;
}

int LineCircleIntersect(double x1, double y1, double x2, double y2, double cx, double cy, double r,
                        IntersectionResult& out) {
  if (r <= 0) return IntersectBadInput;
  double dx = x2 - x1, dy = y2 - y1;
  if (IsZero(dx) && IsZero(dy)) return IntersectCoincident;
  double fx, fy, c, m = 0;
  bool vertical = false;
  if (IsZero(dy)) {
    fx = cx;
    fy = y1;
    c = (y1 - cy) * (y1 - cy);
  } else if (IsZero(dx)) {
    vertical = true;
    fx = x1;
    fy = cy;
    c = (x1 - cx) * (x1 - cx);
  } else {
    m = dy / dx;
    double n = -dx / dy;
    fx = (cy - y1 + m * x1 - n * cx) / (m - n);
    fy = y1 + m * (fx - x1);
    c = (fx - cx) * (fx - cx) + (fy - cy) * (fy - cy);
  }
  double h = r * r - c;
  if (h < -TangencyTolerance) return IntersectNone;
  if (h >= TangencyTolerance) {
    if (vertical) {
      double s = std::sqrt(h);
      out.X1 = out.X2 = fx;
      out.Y1 = fy + s;
      out.Y2 = fy - s;
    } else {
      double l = std::sqrt(h / (m * m + 1));
      out.X1 = fx + l;
      out.Y1 = fy + m * l;
      out.X2 = fx - l;
      out.Y2 = fy - m * l;
    }
    out.Tangent = false;
  } else {
    out.X1 = fx;
    out.Y1 = fy;
    out.Tangent = true;
  }
  return IntersectFound;
}

int LineLineIntersect(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                      IntersectionResult& out) {
  auto same = [](double ax, double ay, double bx, double by) {
    return std::fabs(ax - bx) < LineTolerance && std::fabs(ay - by) < LineTolerance;
  };
  if (same(x1, y1, x2, y2) || same(x3, y3, x4, y4)) return IntersectBadInput;
  double u = (x4 - x3) * (y2 - y1) - (y4 - y3) * (x2 - x1);
  if (std::fabs(u) < LineTolerance) return IntersectParallel;
  double t = ((x4 - x3) * (y3 - y1) - (y4 - y3) * (x3 - x1)) / u;
  out.X1 = x1 + (x2 - x1) * t;
  out.Y1 = y1 + (y2 - y1) * t;
  out.Tangent = false;
  return IntersectFound;
}

}  // namespace quill
