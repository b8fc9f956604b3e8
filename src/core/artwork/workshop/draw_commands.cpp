#include "artwork/workshop/draw_commands.h"

#include <cmath>
#include <vector>

#include "artwork/workshop/document.h"
#include "artwork/workshop/picking.h"
#include "geometry/builder.h"
#include "geometry/entity_report.h"
#include "mathlib/geom2d.h"
#include "ui/ui.h"

namespace quill {

namespace {

tgEntity Line(double x1, double y1, double x2, double y2) {
  tgEntity e;
  e.SetLine(x1, y1, 0, x2, y2, 0);
  return e;
}

bool HasLength(double x1, double y1, double x2, double y2) {
  return !(IsZero(x2 - x1) && IsZero(y2 - y1));
}

// A copy of the one selected entity, without its flags, for a command that makes something of it;
// false when not exactly one is selected.
bool SingleSelected(const WorkshopDocument& doc, tgEntity& e) {
  if (doc.SelectedCount() != 1) return false;
  e = doc.At(static_cast<size_t>(doc.FirstSelected()));
  e.SetSelected(false);
  e.SetMarked(false);
  return true;
}

CurvePoint Snapped(const WorkshopDocument& doc, CurvePoint p) {
  SnapToEndPoint(doc, p.X, p.Y);
  return p;
}

}  // namespace

bool DrawLine(WorkshopDocument& doc, double x1, double y1, double x2, double y2) {
  if (!HasLength(x1, y1, x2, y2)) return false;
  doc.Append({Line(x1, y1, x2, y2)}, "Line");
  return true;
}

bool DrawBox(WorkshopDocument& doc, double x1, double y1, double x2, double y2) {
  if (IsZero(x2 - x1) || IsZero(y2 - y1)) return false;
  doc.Append({Line(x1, y1, x2, y1), Line(x2, y1, x2, y2), Line(x2, y2, x1, y2), Line(x1, y2, x1, y1)}, "Box");
  return true;
}

bool DrawCircle(WorkshopDocument& doc, double cx, double cy, double px, double py) {
  double r = std::hypot(px - cx, py - cy);
  if (IsZero(r) || !std::isfinite(r)) return false;
  tgEntity e;
  e.SetArc(cx, cy, 0, r, 0, TwoPi);
  doc.Append({e}, "Arc");
  return true;
}

bool ConnectLine(WorkshopDocument& doc, double x1, double y1, double x2, double y2) {
  SnapToEndPoint(doc, x1, y1);
  SnapToEndPoint(doc, x2, y2);
  if (!HasLength(x1, y1, x2, y2)) return false;
  doc.Append({Line(x1, y1, x2, y2)}, "Connect - Line");
  return true;
}

bool ConnectArc(Ui& ui, WorkshopDocument& doc, CurvePoint start, CurvePoint end, CurvePoint middle) {
  start = Snapped(doc, start);
  end = Snapped(doc, end);
  tgEntity s, m, f, arc;
  s.SetPoint(start.X, start.Y, 0);
  m.SetPoint(middle.X, middle.Y, 0);
  f.SetPoint(end.X, end.Y, 0);
  if (!tgBuilder().ArcFrom3Points(s, m, arc, f)) {
    ui.Error("Could Not Find That Arc");
    return false;
  }
  doc.Append({arc}, "Connect - Arc");
  return true;
}

bool DrawCurve(WorkshopDocument& doc, std::span<const CurvePoint> points) {
  std::vector<CurvePoint> along = BezierPoints(points, CurveDrawPoints);
  if (along.size() < 2) return false;
  WorkshopDocument::Entities lines;
  for (size_t i = 1; i < along.size(); ++i) {
    const CurvePoint &a = along[i - 1], &b = along[i];
    // Control points on top of each other can give pieces without length: they carry nothing.
    if (HasLength(a.X, a.Y, b.X, b.Y)) lines.push_back(Line(a.X, a.Y, b.X, b.Y));
  }
  if (lines.empty()) return false;
  doc.Append(std::move(lines), "Curve");
  return true;
}

bool ConnectCurve(WorkshopDocument& doc, CurvePoint start, CurvePoint end, std::span<const CurvePoint> inner) {
  std::vector<CurvePoint> points{Snapped(doc, start)};
  points.insert(points.end(), inner.begin(), inner.end());
  points.push_back(Snapped(doc, end));
  return DrawCurve(doc, points);
}

bool AddMidPoint(WorkshopDocument& doc) {
  tgEntity e, p;
  if (!SingleSelected(doc, e) || !e.PointAtFraction(p, 0.5)) return false;
  p.SetSelected(false);
  doc.Append({p}, "Mid Point");
  return true;
}

bool OffsetThrough(Ui& ui, WorkshopDocument& doc, double x, double y) {
  tgEntity e;
  if (!SingleSelected(doc, e)) return false;
  if (e.IsLine()) {
    double d = e.DistanceToPoint(x, y, 0);  // positive to the right of the line's direction
    if (IsZero(d)) return false;
    e.Offset(ui, -Sign(d), std::fabs(d));
  } else if (e.IsArc()) {
    double r = std::hypot(x - e.X(), y - e.Y());
    if (IsZero(r)) {
      ui.Inform("An Arc Cannot be Offset Through its Center");
      return false;
    }
    if (IsZero(r - e.R())) return false;
    e.SetArc(e.X(), e.Y(), e.Z(), r, e.SA(), e.FA());
  } else {
    ReportKindError(ui, "Offset", e);
    return false;
  }
  doc.Append({e}, "Offset Line/Arc");
  return true;
}

}  // namespace quill
