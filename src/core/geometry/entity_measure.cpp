// tgEntity: distances between entities, point-on-entity tests and joining overlapping lines.
#include <cmath>

#include "geometry/entity.h"
#include "geometry/entity_report.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

double CentreDistance(const tgEntity& arc, double x, double y) {
  return arc.R() - std::fabs(Distance2D(arc.X(), arc.Y(), x, y));
}

double FromLine(const tgEntity& line, double x, double y) {
  return PointLineDistance(x, y, line.X(), line.Y(), line.XE(), line.YE());
}

}  // namespace

double tgEntity::DistanceTo(const tgEntity& e) const {
  switch (kind_ * 4 + e.kind_) {
    case KindPoint * 4 + KindPoint: return Distance2D(X(), Y(), e.X(), e.Y());
    case KindLine * 4 + KindLine: return ParallelLineDistance(X(), Y(), XE(), YE(), e.X(), e.Y(), e.XE(), e.YE());
    case KindArc * 4 + KindArc: return CircleGap(X(), Y(), R(), e.X(), e.Y(), e.R());
    case KindPoint * 4 + KindLine: return FromLine(e, X(), Y());
    case KindLine * 4 + KindPoint: return FromLine(*this, e.X(), e.Y());
    case KindArc * 4 + KindPoint: return CentreDistance(*this, e.X(), e.Y());
    case KindPoint * 4 + KindArc: return CentreDistance(e, X(), Y());
    case KindLine * 4 + KindArc: return e.R() - FromLine(*this, e.X(), e.Y());
    case KindArc * 4 + KindLine: return R() - FromLine(e, X(), Y());
    default: return 0;
  }
}

double tgEntity::DistanceToPoint(double x, double y, double z) const {
  tgEntity p;
  p.SetPoint(x, y, z);
  return DistanceTo(p);
}

bool tgEntity::BoxContains(double tol, double x, double y) const {
  if (kind_ < KindPoint || kind_ > KindArc) return false;
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  ExtentsOf(xmin, ymin, xmax, ymax);
  return !(xmin - tol > x || x > xmax + tol || ymin - tol > y || y > ymax + tol);
}

bool tgEntity::PointInBox(const tgEntity& p) const {
  return p.IsPoint() && BoxContains(EntityTolerance, p.X(), p.Y());
}

bool tgEntity::IsOn(const tgEntity& p) const {
  switch (kind_) {
    case KindPoint: return Matches(p);
    case KindLine: return IsZero(DistanceTo(p)) && PointInBox(p);
    case KindArc: break;
    default: return false;
  }
  double b = VectorAngle(p.X() - X(), p.Y() - Y());
  double lo = SweepFrom(), hi = SweepTo();
  if (hi < lo) hi += TwoPi;
  if (b < lo) b += TwoPi;
  return ((lo <= b && b <= hi) || IsFullCircle()) && IsZero(DistanceTo(p));
}

bool tgEntity::IsOnXY(double x, double y) const {
  tgEntity p;
  p.SetPoint(x, y, 0);
  return IsOn(p);
}

bool tgEntity::Merge(const tgEntity& e) {
  if (!IsLine() || !e.IsLine() || !IsZero(DistanceTo(e))) return false;
  if (Matches(e)) return true;
  tgEntity a, b, c, d;
  a.SetPoint(X(), Y(), Z());
  b.SetPoint(XE(), YE(), ZE());
  c.SetPoint(e.X(), e.Y(), e.Z());
  d.SetPoint(e.XE(), e.YE(), e.ZE());
  if (!e.PointInBox(a) && !e.PointInBox(b) && !PointInBox(c) && !PointInBox(d)) return false;
  double old = LineAngleOf();
  v_[0] = MinReal(MinReal(a.X(), b.X()), MinReal(c.X(), d.X()));
  v_[1] = MinReal(MinReal(a.Y(), b.Y()), MinReal(c.Y(), d.Y()));
  v_[3] = MaxReal(MaxReal(a.X(), b.X()), MaxReal(c.X(), d.X()));
  v_[4] = MaxReal(MaxReal(a.Y(), b.Y()), MaxReal(c.Y(), d.Y()));
  // The box corners give the right segment only for lines rising to the right; otherwise turn it.
  if (!IsZero(LineAngleOf() - old)) Reverse();
  if (!IsZero(LineAngleOf() - old)) SwapReals(v_[1], v_[4]);
  return true;
}

bool tgEntity::InsideCircle(const tgEntity& e) const {
  if (!IsArc()) return false;
  auto inside = [this](double x, double y) { return std::fabs(Distance2D(X(), Y(), x, y)) < R(); };
  if (e.IsPoint()) return inside(e.X(), e.Y());
  if (e.IsLine()) return inside(e.X(), e.Y()) && inside(e.XE(), e.YE());
  return false;
}

}  // namespace quill
