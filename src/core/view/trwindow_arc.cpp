// Arcs drawn as chords that stay within a few thousandths of an inch of the true arc on the canvas,
// or as dashes when the pen is not solid.
#include <algorithm>
#include <cmath>

#include "mathlib/constants.h"
#include "view/trwindow.h"

namespace quill {

namespace {

// Beyond this many chords per arc nothing more can be seen: an extreme zoom or a damaged radius must
// not stall a redraw.
constexpr double kMaxArcSteps = 20000;

double NormalAngle(double a) {
  a = std::fmod(a, TwoPi);
  return a < 0 ? a + TwoPi : a;
}

}  // namespace

double Trwindow::ArcStep(double radius, double k) const {
  double deviation = printMode_ ? 0.001 : 0.005;
  double c = std::clamp(1 - deviation / (radius * k), -1.0, 1.0);
  return std::min(2 * std::acos(c), 20 * DegToRad);
}

void Trwindow::ArcTo(Canvas& canvas, double cx, double cy, double r, double t, double z) {
  LineTo3(canvas, cx + r * std::cos(t), cy + r * std::sin(t), z);
}

void Trwindow::Arc(Canvas& canvas, double cx, double cy, double radius, double a0, double a1, double z0, double zRise,
                   bool ccw) {
  if (!(radius > ZeroTolerance)) return;
  for (double v : {cx, cy, radius, a0, a1, z0, zRise}) {
    if (!std::isfinite(v)) return;
  }
  double k = UnitsToInches();
  int savedStyle = lineStyle_;
  bool dashed = savedStyle != 0;
  double step = ArcStep(radius, k);
  if (dashed) {
    lineStyle_ = 0;
    ApplyPen(canvas);
    step = std::clamp((savedStyle == 1 ? 0.05 : 0.15) / k / radius, 1 * DegToRad, 30 * DegToRad);
  }
  MoveTo3(canvas, cx + radius * std::cos(a0), cy + radius * std::sin(a0), z0);
  if (radius * k >= 0.005) {
    a0 = NormalAngle(a0);
    a1 = NormalAngle(a1);
    if (ccw && a1 < a0) a1 += TwoPi;
    if (!ccw && a0 < a1) a0 += TwoPi;
    double sweep = std::fabs(a1 - a0);
    if (sweep == 0) sweep = TwoPi;
    if (dashed) {
      double n = std::min(std::round(sweep / step), kMaxArcSteps);
      if (n == 0 || std::fmod(n, 2) != 0) n += 1;
      step = sweep / n;
    }
    if (step == 0) step = 0.1 * DegToRad;
    step = std::max(step, sweep / kMaxArcSteps);
    double pieces = std::max(1.0, std::trunc(sweep / step));
    double dz = zRise == 0 ? 0 : zRise / pieces;
    if (a0 == a1) a1 = ccw ? a0 + TwoPi : a0 - TwoPi;
    double dir = ccw ? 1 : -1;
    if (dashed) {
      DashedArc(canvas, cx, cy, radius, a0, sweep, dir, z0, dz, step);
    } else {
      for (long i = 1;; ++i) {
        double t = a0 + dir * i * step;
        if (ccw ? t >= a1 : t <= a1) break;
        ArcTo(canvas, cx, cy, radius, t, z0 + i * dz);
      }
      ArcTo(canvas, cx, cy, radius, a1, z0 + zRise);
    }
  }
  if (dashed) {
    lineStyle_ = savedStyle;
    ApplyPen(canvas);
  }
}

// Every other piece is drawn, itself in chords of at most one degree; the pieces between are moves.
void Trwindow::DashedArc(Canvas& canvas, double cx, double cy, double r, double a0, double sweep, double dir, double z0,
                         double dz, double step) {
  long n = std::lround(sweep / step);
  long chords = std::max(1L, static_cast<long>(std::ceil(step / DegToRad)));
  for (long i = 0; i < n; ++i) {
    double t = a0 + dir * i * step;
    double z = z0 + (i + 1) * dz;
    if (i % 2 == 0) {
      for (long j = 1; j <= chords; ++j) ArcTo(canvas, cx, cy, r, t + dir * step * j / chords, z);
    } else {
      double e = t + dir * step;
      MoveTo3(canvas, cx + r * std::cos(e), cy + r * std::sin(e), z);
    }
  }
}

}  // namespace quill
