// SPLINE entities: the curve of their control points and knots, or the curve through their fit points
// when they carry no control points.
#include <vector>

#include "artwork/dxf_convert.h"
#include "artwork/dxf_nurbs.h"
#include "artwork/dxf_reader.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

struct SplineData {
  NurbsCurve curve;
  std::vector<DxfPoint> control, fit;
  long declared = -1;  // group 73, when given
};

void AddCoordinate(std::vector<DxfPoint>& points, int axis, double v) {
  if (axis == 0) points.push_back({v, 0, 0});
  if (points.empty()) return;
  if (axis == 1) points.back().y = v;
  if (axis == 2) points.back().z = v;
}

// One group of the spline; the others go to the entity record (layer, colour).
void ReadSplineGroup(const DxfGroup& g, SplineData& s, DxfReader& r) {
  switch (g.code) {
    case 10:
    case 20:
    case 30: AddCoordinate(s.control, g.code / 10 - 1, GroupReal(g.value)); return;
    case 11:
    case 21:
    case 31: AddCoordinate(s.fit, g.code / 10 - 1, GroupReal(g.value)); return;
    case 40: s.curve.knots.push_back(GroupReal(g.value)); return;
    case 41: s.curve.weights.push_back(GroupReal(g.value)); return;
    case 71: s.curve.degree = static_cast<int>(GroupReal(g.value)); return;
    case 73: s.declared = static_cast<long>(GroupReal(g.value)); return;
    default: r.entity.Apply(g, r.layers); return;
  }
}

std::vector<CurvePoint> InDrawing(DxfReader& r, const std::vector<DxfPoint>& points) {
  std::vector<CurvePoint> out;
  out.reserve(points.size());
  for (DxfPoint p : points) {
    r.in.ToWorld(p);
    out.push_back({p.x, p.y});
  }
  return out;
}

void WriteSpline(DxfReader& r, SplineData& s) {
  const DxfEntity& e = r.entity;
  bool closed = (e.flags & 1) != 0;
  if (s.declared >= 0 && s.declared != static_cast<long>(s.control.size())) {
    r.status.Message("Spline # of Points Mis-Match");
  }
  if (s.control.size() >= 2) {
    s.curve.control = InDrawing(r, s.control);
    std::vector<CurvePoint> points = SampleNurbs(std::move(s.curve), r.tolerance);
    if (points.empty()) return;
    const CurvePoint &first = points.front(), &last = points.back();
    if (closed && (!IsZero(first.X - last.X) || !IsZero(first.Y - last.Y))) points.push_back(first);
    r.Polyline(e, points);
  } else if (s.fit.size() >= 2) {
    std::vector<CurvePoint> nodes = InDrawing(r, s.fit);
    if (closed) nodes.push_back(nodes.front());
    r.Curve(e, nodes, false);
  } else {
    r.status.Message("Spline Interpolation Data Missing from DXF file, Skipping");
    return;
  }
  r.Count(DxfCounter::Splines);
}

}  // namespace

bool ConvertSpline(DxfReader& r, std::string& name) {
  r.entity.Reset();
  SplineData s;
  DxfGroup g;
  bool more = false;
  while ((more = r.in.NextGroup(g)) && g.code != 0) ReadSplineGroup(g, s, r);
  if (more) name = std::move(g.value);
  if (r.Matches(r.entity)) WriteSpline(r, s);
  return more;
}

}  // namespace quill
