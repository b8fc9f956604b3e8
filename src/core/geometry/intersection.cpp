#include "geometry/intersection.h"

#include "geometry/entity.h"
#include "geometry/entity_report.h"
#include "mathlib/intersect.h"

namespace quill {

bool tgIntersection::Crossings(const tgEntity& e1, const tgEntity& e2) {
  IntersectionResult r;
  int code = IntersectBadInput;
  if (e1.IsLine() && e2.IsLine()) {
    code = LineLineIntersect(e1.X(), e1.Y(), e1.XE(), e1.YE(), e2.X(), e2.Y(), e2.XE(), e2.YE(), r);
    if (code != IntersectFound) return false;
    Count = 1;
    X1 = r.X1, Y1 = r.Y1;
    return true;
  }
  if (e1.IsLine() && e2.IsArc()) {
    code = LineCircleIntersect(e1.X(), e1.Y(), e1.XE(), e1.YE(), e2.X(), e2.Y(), e2.R(), r);
  } else if (e1.IsArc() && e2.IsLine()) {
    code = LineCircleIntersect(e2.X(), e2.Y(), e2.XE(), e2.YE(), e1.X(), e1.Y(), e1.R(), r);
  } else if (e1.IsArc() && e2.IsArc()) {
    code = CircleCircleIntersect(e1.X(), e1.Y(), e1.R(), e2.X(), e2.Y(), e2.R(), r);
  } else {
    ReportKindError(ui_, "Interesct", e1);
    return false;
  }
  if (code != IntersectFound) return false;
  Count = 1;
  X1 = r.X1, Y1 = r.Y1;
  Tangent = r.Tangent;
  if (!Tangent) {
    Count = 2;
    X2 = r.X2, Y2 = r.Y2;
  }
  return true;
}

void tgIntersection::KeepPointsOnBoth(const tgEntity& e1, const tgEntity& e2) {
  auto onBoth = [&](double x, double y) { return e1.IsOnXY(x, y) && e2.IsOnXY(x, y); };
  if (Count == 2 && !onBoth(X1, Y1)) {
    X1 = X2, Y1 = Y2;
    Count = 1;
  }
  if (Count == 2 && !onBoth(X2, Y2)) Count = 1;
  if (!onBoth(X1, Y1)) Count = 0;
}

bool tgIntersection::Compute(const tgEntity& e1, const tgEntity& e2, bool check) {
  X1 = Y1 = X2 = Y2 = 0;
  Count = 0;
  Tangent = false;
  if (!Crossings(e1, e2)) return false;
  if (!check) return true;
  KeepPointsOnBoth(e1, e2);
  return Count > 0;
}

bool tgIntersection::Intersect(const tgEntity& e1, const tgEntity& e2) {
  if (Compute(e1, e2, true)) return true;
  Count = 0;
  return false;
}

void tgIntersection::FirstPoint(tgEntity& p) const {
  p.SetPoint(X1, Y1, 0);
}

void tgIntersection::SecondPoint(tgEntity& p) const {
  p.SetPoint(X2, Y2, 0);
}

}  // namespace quill
