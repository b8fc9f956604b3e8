// tgEntity: construction, end points and measures.
#include "geometry/entity.h"

#include <cmath>

#include "geometry/entity_report.h"
#include "mathlib/geom2d.h"

namespace quill {

const char* tgEntity::KindName() const {
  switch (kind_) {
    case KindBlank: return "Blank";
    case KindPoint: return "Point";
    case KindLine: return "Line";
    case KindArc: return "Arc";
    default: return "Undefined";
  }
}

void tgEntity::SetPoint(double x, double y, double z) {
  kind_ = KindPoint;
  v_[0] = x;
  v_[1] = y;
  v_[2] = z;
}

void tgEntity::SetLine(double x, double y, double z, double xe, double ye, double ze) {
  kind_ = KindLine;
  v_[0] = x;
  v_[1] = y;
  v_[2] = z;
  v_[3] = xe;
  v_[4] = ye;
  v_[5] = ze;
}

void tgEntity::SetLineFromPoints(const tgEntity& p1, const tgEntity& p2) {
  SetLine(p1.X(), p1.Y(), p1.Z(), p2.X(), p2.Y(), p2.Z());
}

void tgEntity::SetArc(double x, double y, double z, double r, double sa, double fa) {
  SetLine(x, y, z, r, sa, fa);
  kind_ = KindArc;
}

void tgEntity::SetFlag(int bit, bool on) {
  if (on) {
    flags_ = static_cast<uint8_t>(flags_ | (1u << bit));
  } else {
    flags_ = static_cast<uint8_t>(flags_ & ~(1u << bit));
  }
}

void tgEntity::ArcPoint(double angle, double& x, double& y) const {
  x = v_[0] + v_[3] * std::cos(angle);
  y = v_[1] + v_[3] * std::sin(angle);
}

void tgEntity::StartXYZ(double& x, double& y, double& z) const {
  if (IsArc()) {
    ArcPoint(SA(), x, y);
  } else {
    x = v_[0], y = v_[1];
  }
  z = v_[2];
}

void tgEntity::EndXYZ(double& x, double& y, double& z) const {
  if (IsLine()) {
    x = v_[3], y = v_[4], z = v_[5];
    return;
  }
  if (IsArc()) {
    ArcPoint(FA(), x, y);
  } else {
    x = v_[0], y = v_[1];
  }
  z = v_[2];
}

bool tgEntity::StartpointXYZ(Ui& ui, double& x, double& y, double& z) const {
  if (!Handles(ui, "StartpointXYZ")) return false;
  StartXYZ(x, y, z);
  return true;
}

bool tgEntity::EndpointXYZ(Ui& ui, double& x, double& y, double& z) const {
  if (!Handles(ui, "EndpointXYZ")) return false;
  EndXYZ(x, y, z);
  return true;
}

bool tgEntity::StartPoint(Ui& ui, tgEntity& p) const {
  double x, y, z;
  if (!StartpointXYZ(ui, x, y, z)) return false;
  p.SetPoint(x, y, z);
  return true;
}

bool tgEntity::EndPoint(Ui& ui, tgEntity& p) const {
  double x, y, z;
  if (!EndpointXYZ(ui, x, y, z)) return false;
  p.SetPoint(x, y, z);
  return true;
}

double tgEntity::ArcPointAngle(double fromStart) const {
  return ccw_ ? SA() + fromStart : SA() - fromStart;
}

bool tgEntity::MidpointXYZ(Ui& ui, double& x, double& y, double& z) const {
  z = 0;
  if (IsLine()) {
    MidPoint(v_[0], v_[1], v_[3], v_[4], x, y);
    return true;
  }
  if (IsArc()) {
    ArcPoint(ArcPointAngle(ArcAngle(ui) / 2), x, y);
    return true;
  }
  ReportKindError(ui, "MidpointXYZ", *this);
  return false;
}

double tgEntity::LineAngleOf() const { return VectorAngle(v_[3] - v_[0], v_[4] - v_[1]); }

double tgEntity::LineAngle(Ui& ui) const {
  if (IsLine()) return LineAngleOf();
  ReportKindError(ui, "LineAngle", *this);
  return 0;
}

double tgEntity::ArcAngle(Ui& ui) const {
  if (!IsArc()) {
    ReportKindError(ui, "ArcAngle", *this);
    return 1.0;
  }
  double from = SweepFrom(), to = SweepTo();
  if (to < from) to += TwoPi;
  double s = to - from;
  return IsZero(s) ? TwoPi : std::fabs(s);
}

double tgEntity::LengthOf() const {
  if (IsLine()) return std::fabs(Distance2D(v_[0], v_[1], v_[3], v_[4]));
  double from = SweepFrom(), to = SweepTo();
  if (from > to) to += TwoPi;
  return R() * std::fabs(to - from);
}

double tgEntity::Length(Ui& ui) const {
  if (IsLine() || IsArc()) return LengthOf();
  ReportKindError(ui, "Length", *this);
  return 0;
}

void tgEntity::ExtentsOf(double& xmin, double& ymin, double& xmax, double& ymax) const {
  switch (kind_) {
    case KindLine:
      xmin = MinReal(v_[0], v_[3]);
      xmax = MaxReal(v_[0], v_[3]);
      ymin = MinReal(v_[1], v_[4]);
      ymax = MaxReal(v_[1], v_[4]);
      return;
    case KindArc: ArcExtents(v_[0], v_[1], R(), SweepFrom(), SweepTo(), xmin, ymin, xmax, ymax); return;
    default:
      xmin = xmax = v_[0];
      ymin = ymax = v_[1];
  }
}

bool tgEntity::Extents(Ui& ui, double& xmin, double& ymin, double& xmax, double& ymax) const {
  if (!Handles(ui, "Extents")) return false;
  ExtentsOf(xmin, ymin, xmax, ymax);
  return true;
}

bool tgEntity::IsFullCircle() const {
  return IsZero(R() * std::cos(SA()) - R() * std::cos(FA())) && IsZero(R() * std::sin(SA()) - R() * std::sin(FA()));
}

bool tgEntity::Fullcircle(Ui& ui) const {
  if (IsArc()) return IsFullCircle();
  ReportKindError(ui, "Fullcircle", *this);
  return false;
}

bool tgEntity::Valid(Ui& ui) {
  switch (kind_) {
    case KindPoint: return true;
    case KindLine: return !IsZero(LengthOf());
    case KindArc: break;
    default: ReportKindError(ui, "Valid", *this); return false;
  }
  if (IsFullCircle()) {
    v_[4] = 0;
    v_[5] = TwoPi;
  } else {
    // Far-off angles come in by whole turns at once, so a damaged value cannot keep the loops busy.
    for (double* a : {&v_[4], &v_[5]}) {
      if (std::fabs(*a) > 64 * TwoPi) *a = std::fmod(*a, TwoPi);
    }
    while (v_[4] > TwoPi || v_[5] > TwoPi) v_[4] -= TwoPi, v_[5] -= TwoPi;
    while (v_[4] < 0) v_[4] += TwoPi;
    while (v_[5] < 0) v_[5] += TwoPi;
  }
  return R() > 0;
}

bool tgEntity::SameAs(Ui& ui, const tgEntity& e) const {
  return Handles(ui, "Same As") && Matches(e);
}

bool tgEntity::Matches(const tgEntity& e) const {
  auto same = [](double a, double b) { return IsZero(a - b); };
  switch (kind_) {
    case KindPoint: return e.IsPoint() && same(X(), e.X()) && same(Y(), e.Y());
    case KindLine:
      if (!e.IsLine()) return false;
      return (same(X(), e.X()) && same(Y(), e.Y()) && same(XE(), e.XE()) && same(YE(), e.YE())) ||
             (same(X(), e.XE()) && same(Y(), e.YE()) && same(XE(), e.X()) && same(YE(), e.Y()));
    case KindArc:
      if (!e.IsArc() || !same(X(), e.X()) || !same(Y(), e.Y()) || !same(R(), e.R())) return false;
      return (same(SA(), e.FA()) && same(FA(), e.SA())) || (same(SA(), e.SA()) && same(FA(), e.FA()));
    default: return false;
  }
}

}  // namespace quill
