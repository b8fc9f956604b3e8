// tgEntity: moving, turning, mirroring, scaling, offsetting and reversing.
#include <cmath>

#include "geometry/entity.h"
#include "geometry/entity_report.h"
#include "mathlib/geom2d.h"

namespace quill {

bool tgEntity::Handles(const char* label) const {
  if (kind_ >= KindPoint && kind_ <= KindArc) return true;
  ReportKindError(label, *this);
  return false;
}

void tgEntity::Move(double dx, double dy, double dz) {
  if (!Handles("Move")) return;
  v_[0] += dx;
  v_[1] += dy;
  v_[2] += dz;
  if (IsLine()) {
    v_[3] += dx;
    v_[4] += dy;
    v_[5] += dz;
  }
}

void tgEntity::Rotate(double cx, double cy, double angle) {
  if (!Handles("Rotate")) return;
  RotatePoint(v_[0], v_[1], cx, cy, angle);
  if (IsLine()) RotatePoint(v_[3], v_[4], cx, cy, angle);
  if (IsArc() && !Fullcircle()) {
    // Only what went below zero is brought back; angles above a turn stay as they are.
    for (double* a : {&v_[4], &v_[5]}) {
      *a += angle;
      if (*a < 0) *a += TwoPi;
    }
  }
}

void tgEntity::Mirror(double px, double py, double angle) {
  if (!Handles("mirror")) return;
  MirrorPoint(v_[0], v_[1], px, py, angle);
  if (IsLine()) MirrorPoint(v_[3], v_[4], px, py, angle);
  if (IsArc() && !Fullcircle()) {
    double sa = TwoPi - FA() + 2 * angle;
    double fa = TwoPi - SA() + 2 * angle;
    if (sa > TwoPi) sa -= TwoPi;
    if (fa > TwoPi) fa -= TwoPi;
    v_[4] = sa;
    v_[5] = fa;
  }
}

void tgEntity::MirrorLine(const tgEntity& line) {
  if (!line.IsLine()) {
    ReportKindError("MirrorLine,line is an", line);
    return;
  }
  Mirror(line.X(), line.Y(), line.LineAngle());
}

void tgEntity::Scale(double cx, double cy, double factor) {
  if (!Handles("Scale")) return;
  v_[0] = cx + factor * (v_[0] - cx);
  v_[1] = cy + factor * (v_[1] - cy);
  if (IsLine()) {
    v_[3] = cx + factor * (v_[3] - cx);
    v_[4] = cy + factor * (v_[4] - cy);
  }
  if (IsArc()) v_[3] *= factor;
}

void tgEntity::Offset(int side, double d) {
  if (IsLine()) {
    double a = LineAngle() + (side == 1 ? HalfPi : -HalfPi);
    Move(d * std::cos(a), d * std::sin(a), 0);
    return;
  }
  if (!IsArc()) {
    ReportKindError("Offset", *this);
    return;
  }
  // Left of a counter-clockwise travel (right of a clockwise one) is towards the centre.
  bool inward = ccw_ ? side == 1 : side == -1;
  v_[3] += inward ? -d : d;
}

void tgEntity::SwapEnds() {
  if (IsLine()) {
    for (int i = 0; i < 3; ++i) SwapReals(v_[i], v_[i + 3]);
    return;
  }
  if (!IsArc()) {
    ReportKindError("SwapEnds", *this);
    return;
  }
  // The same points travelled the other way: start and finish change places and so does the turn.
  SwapReals(v_[4], v_[5]);
  ccw_ = !ccw_;
}

bool tgEntity::MakeCCW() {
  if (!IsArc() || ccw_) return false;
  SwapReals(v_[4], v_[5]);
  ccw_ = true;
  return true;
}

void tgEntity::OrientFrom(double x, double y) {
  double sx = 0, sy = 0, ex = 0, ey = 0, z = 0;
  if (!StartpointXYZ(sx, sy, z)) return;
  EndpointXYZ(ex, ey, z);
  if (std::fabs(Distance2D(ex, ey, x, y)) < std::fabs(Distance2D(sx, sy, x, y))) SwapEnds();
}

bool tgEntity::PointAtFraction(tgEntity& p, double f) const {
  f = std::fabs(f);
  if (f > 1) f = 1;
  if (IsPoint()) {
    p = *this;
    return true;
  }
  if (IsLine()) {
    double along = Length() * f, a = LineAngle();
    p.SetPoint(v_[0] + along * std::cos(a), v_[1] + along * std::sin(a), 0);
    return true;
  }
  if (!IsArc()) return false;
  double x, y;
  ArcPoint(ArcPointAngle(R() != 0 ? Length() * f / R() : 0), x, y);
  p.SetPoint(x, y, 0);
  return true;
}

}  // namespace quill
