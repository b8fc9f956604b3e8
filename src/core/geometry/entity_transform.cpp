// tgEntity: moving, turning, mirroring, scaling, offsetting and reversing.
#include <cmath>

#include "geometry/entity.h"
#include "geometry/entity_report.h"
#include "mathlib/geom2d.h"

namespace quill {

bool tgEntity::Handles(Ui& ui, const char* label) const {
  if (kind_ >= KindPoint && kind_ <= KindArc) return true;
  ReportKindError(ui, label, *this);
  return false;
}

void tgEntity::Move(Ui& ui, double dx, double dy, double dz) {
  if (!Handles(ui, "Move")) return;
  v_[0] += dx;
  v_[1] += dy;
  v_[2] += dz;
  if (IsLine()) {
    v_[3] += dx;
    v_[4] += dy;
    v_[5] += dz;
  }
}

void tgEntity::Rotate(Ui& ui, double cx, double cy, double angle) {
  if (!Handles(ui, "Rotate")) return;
  RotatePoint(v_[0], v_[1], cx, cy, angle);
  if (IsLine()) RotatePoint(v_[3], v_[4], cx, cy, angle);
  if (IsArc() && !IsFullCircle()) {
    // Only what went below zero is brought back; angles above a turn stay as they are.
    for (double* a : {&v_[4], &v_[5]}) {
      *a += angle;
      if (*a < 0) *a += TwoPi;
    }
  }
}

void tgEntity::Mirror(Ui& ui, double px, double py, double angle) {
  if (!Handles(ui, "mirror")) return;
  MirrorPoint(v_[0], v_[1], px, py, angle);
  if (IsLine()) MirrorPoint(v_[3], v_[4], px, py, angle);
  if (IsArc() && !IsFullCircle()) {
    double sa = TwoPi - FA() + 2 * angle;
    double fa = TwoPi - SA() + 2 * angle;
    if (sa > TwoPi) sa -= TwoPi;
    if (fa > TwoPi) fa -= TwoPi;
    v_[4] = sa;
    v_[5] = fa;
  }
}

void tgEntity::MirrorLine(Ui& ui, const tgEntity& line) {
  if (!line.IsLine()) {
    ReportKindError(ui, "MirrorLine,line is an", line);
    return;
  }
  Mirror(ui, line.X(), line.Y(), line.LineAngleOf());
}

void tgEntity::Scale(Ui& ui, double cx, double cy, double factor) {
  if (!Handles(ui, "Scale")) return;
  v_[0] = cx + factor * (v_[0] - cx);
  v_[1] = cy + factor * (v_[1] - cy);
  if (IsLine()) {
    v_[3] = cx + factor * (v_[3] - cx);
    v_[4] = cy + factor * (v_[4] - cy);
  }
  if (IsArc()) v_[3] *= factor;
}

void tgEntity::Offset(Ui& ui, int side, double d) {
  if (IsLine()) {
    double a = LineAngleOf() + (side == 1 ? HalfPi : -HalfPi);
    Move(ui, d * std::cos(a), d * std::sin(a), 0);
    return;
  }
  if (!IsArc()) {
    ReportKindError(ui, "Offset", *this);
    return;
  }
  // Left of a counter-clockwise travel (right of a clockwise one) is towards the centre.
  bool inward = ccw_ ? side == 1 : side == -1;
  v_[3] += inward ? -d : d;
}

void tgEntity::Reverse() {
  if (IsLine()) {
    for (int i = 0; i < 3; ++i) SwapReals(v_[i], v_[i + 3]);
  } else if (IsArc()) {
    // The same points travelled the other way: start and finish change places and so does the turn.
    SwapReals(v_[4], v_[5]);
    ccw_ = !ccw_;
  }
}

void tgEntity::SwapEnds(Ui& ui) {
  if (IsLine() || IsArc()) {
    Reverse();
    return;
  }
  ReportKindError(ui, "SwapEnds", *this);
}

bool tgEntity::MakeCCW() {
  if (!IsArc() || ccw_) return false;
  SwapReals(v_[4], v_[5]);
  ccw_ = true;
  return true;
}

void tgEntity::OrientFrom(Ui& ui, double x, double y) {
  double sx = 0, sy = 0, ex = 0, ey = 0, z = 0;
  if (!StartpointXYZ(ui, sx, sy, z)) return;
  EndpointXYZ(ui, ex, ey, z);
  if (std::fabs(Distance2D(ex, ey, x, y)) < std::fabs(Distance2D(sx, sy, x, y))) SwapEnds(ui);
}

bool tgEntity::PointAtFraction(tgEntity& p, double f) const {
  f = std::fabs(f);
  if (f > 1) f = 1;
  if (IsPoint()) {
    p = *this;
    return true;
  }
  if (IsLine()) {
    double along = LengthOf() * f, a = LineAngleOf();
    p.SetPoint(v_[0] + along * std::cos(a), v_[1] + along * std::sin(a), 0);
    return true;
  }
  if (!IsArc()) return false;
  double x, y;
  ArcPoint(ArcPointAngle(R() != 0 ? LengthOf() * f / R() : 0), x, y);
  p.SetPoint(x, y, 0);
  return true;
}

}  // namespace quill
