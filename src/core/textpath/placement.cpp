#include "textpath/placement.h"

#include <cmath>

#include "mathlib/curves_spline.h"
#include "mathlib/geom2d.h"
#include "ui/ui.h"

namespace quill {

namespace {

bool IsPoint(int16_t kind) { return kind == TpMove || kind == TpLine; }
bool IsArc(int16_t kind) { return kind == TpArcCw || kind == TpArcCcw; }

// Applies f to every end point and arc centre of the line.
template <class F>
void MapPoints(LineWork& line, F f, bool recomputeRadius) {
  line.Transform([&](const TextPathRecord& rec, TextPathWriter& out) {
    TextPathRecord r = rec;
    if (IsPoint(r.kind) || IsArc(r.kind)) f(r.X, r.Y);
    if (IsArc(r.kind)) {
      f(r.CX, r.CY);
      if (recomputeRadius) r.R = Distance2D(r.X, r.Y, r.CX, r.CY);
    }
    out.Write(r);
  });
}

}  // namespace

void PlaceOnLine(LineWork& line, const LayoutParams& p, double angle, double lineLength, double lineOffset) {
  double ox = p.xStart, oy = p.yStart + lineOffset, rx = p.xStart, ry = p.yStart;
  if (p.justify == JustRight) {
    ox = p.xEnd - lineLength;
    oy = p.yEnd + lineOffset;
    rx = p.xEnd;
    ry = p.yEnd;
  } else if (p.justify == JustCenter) {
    ox = p.xStart - lineLength / 2;
  }
  RotatePoint(ox, oy, rx, ry, angle);
  MapPoints(
      line,
      [&](double& x, double& y) {
        x += ox;
        y += oy;
        RotatePoint(x, y, ox, oy, angle);
      },
      false);
}

bool PlaceOnArc(Ui& ui, LineWork& line, const LayoutParams& p, double lineLength, double lineOffset) {
  double radius = p.xEnd + lineOffset;
  if (IsZero(radius)) {
    ui.Error("Text On Arc Radius = 0");
    return false;
  }
  double covered = lineLength / radius;
  bool clockwise = p.mode == ModeCwArc;
  double start = p.textAngle;
  if (p.justify == JustRight) start = clockwise ? p.endAngle + covered : p.endAngle - covered;
  if (p.justify == JustCenter) start = clockwise ? p.textAngle + covered / 2 : p.textAngle - covered / 2;
  double r = clockwise ? radius : -radius;
  double a0 = clockwise ? start : start + Pi;
  MapPoints(
      line,
      [&](double& x, double& y) {
        double f = a0 - x / r;
        double d = r + y;
        x = p.xStart + d * std::cos(f);
        y = p.yStart + d * std::sin(f);
      },
      true);
  return true;
}

bool CurvePath::Build(Ui& ui, const std::vector<CurvePoint>& points, bool polyline) {
  points_ = points;
  polyline_ = polyline;
  lengths_.assign(points.size(), 0.0);
  for (size_t k = 1; k < points.size(); ++k) {
    double dx = points[k].X - points[k - 1].X, dy = points[k].Y - points[k - 1].Y;
    if (IsZero(dx) && IsZero(dy)) {
      ui.Error("Same Point Given Twice in Curve To Follow");
      return false;
    }
    lengths_[k] = lengths_[k - 1] + std::hypot(dx, dy);
  }
  xs_.clear();
  ys_.clear();
  for (const auto& pt : points) {
    xs_.push_back(pt.X);
    ys_.push_back(pt.Y);
  }
  return true;
}

CurvePoint CurvePath::At(double s) const {
  if (points_.empty()) return {};
  if (!polyline_) return {CubicSplineAt(xs_, lengths_, s), CubicSplineAt(ys_, lengths_, s)};
  if (points_.size() == 1) return points_[0];
  size_t k = 1;
  while (k + 1 < points_.size() && lengths_[k] < s) ++k;
  const CurvePoint& a = points_[k - 1];
  const CurvePoint& b = points_[k];
  double d = VectorAngle(b.X - a.X, b.Y - a.Y);
  double t = s - lengths_[k - 1];
  return {a.X + t * std::cos(d), a.Y + t * std::sin(d)};
}

void FollowCurve(Ui& ui, LineWork& line, const LayoutParams& p, const CurvePath& curve, double lineLength,
                 double lineOffset) {
  if (lineLength > curve.Length()) {
    ui.Error("Text is Longer than the Curve to Follow");
    return;
  }
  double step = p.textHigh / 50;
  line.Transform([&](const TextPathRecord& rec, TextPathWriter& out) {
    TextPathRecord r = rec;
    if (IsPoint(r.kind)) {
      CurvePoint c = curve.At(r.X);
      double y = r.Y + c.Y;
      if (p.perpendicular) {
        CurvePoint from = c, to = c;
        if (IsZero(r.X - lineLength)) {
          from = curve.At(r.X - step);
        } else {
          to = curve.At(r.X + step);
        }
        double d = VectorAngle(to.X - from.X, to.Y - from.Y);
        double x = c.X;
        if (d != UndefinedAngle) RotatePoint(x, y, c.X, c.Y, d);
        r.X = x;
        r.Y = y + lineOffset;
      } else {
        r.X = c.X;
        r.Y = y + lineOffset;
      }
    }
    out.Write(r);
  });
}

std::optional<Stretch> FullJustification(Ui& ui, const LayoutParams& p, const std::vector<CurvePoint>& curve,
                                         double lineLength, double lineOffset) {
  Stretch s;
  double reach = 0;
  if (p.mode == ModeLinear) {
    double d = Distance2D(p.xStart, p.yStart, p.xEnd, p.yEnd);
    if (IsZero(d)) {
      ui.Error("Bad Text Start/End Points");
      return std::nullopt;
    }
    reach = d;
    s.angle = VectorAngle(p.xEnd - p.xStart, p.yEnd - p.yStart);
  } else if (p.mode == ModeCurve) {
    CurvePath path;
    if (!path.Build(ui, curve, true)) return std::nullopt;
    reach = path.Length();
  } else {
    double a = p.textAngle, e = p.endAngle;
    double span = p.mode == ModeCwArc ? (e > a ? a + TwoPi - e : a - e) : (e < a ? e + TwoPi - a : e - a);
    reach = (p.xEnd + lineOffset) * span;
  }
  // A line without width cannot be stretched to any length.
  if (!(lineLength > 0)) return std::nullopt;
  s.factor = reach / lineLength;
  return s;
}

}  // namespace quill
