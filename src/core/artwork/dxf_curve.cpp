// Curves of a drawing (spline-fit polylines, splines, arcs in unevenly scaled blocks) as lines or as
// fitted tangent arcs.
#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "artwork/dxf_reader.h"
#include "mathlib/arc_fit.h"
#include "mathlib/curves_spline.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

constexpr int BezierSamples = 250;

// Points on the interpolating spline through the nodes, parameterised by the running chord length.
std::vector<CurvePoint> SampleThrough(const std::vector<CurvePoint>& nodes, double step) {
  std::vector<double> xs, ys, ts;
  double t = 0;
  for (size_t i = 0; i < nodes.size(); ++i) {
    // A node on top of the one before it has no place on the parameter: it is left out.
    if (i > 0) {
      double dx = nodes[i].X - xs.back(), dy = nodes[i].Y - ys.back();
      if (std::fabs(dx) < ZeroTolerance && std::fabs(dy) < ZeroTolerance) continue;
      t += std::hypot(dx, dy);
    }
    xs.push_back(nodes[i].X);
    ys.push_back(nodes[i].Y);
    ts.push_back(t);
  }
  if (ts.size() < 2) return {};
  std::vector<double> sx = SampleSpline(xs, ts, step), sy = SampleSpline(ys, ts, step);
  std::vector<CurvePoint> out(std::min(sx.size(), sy.size()));
  for (size_t i = 0; i < out.size(); ++i) out[i] = {sx[i], sy[i]};
  return out;
}

void WriteFittedArcs(DxfReader& r, const DxfEntity& e, std::span<const CurvePoint> points) {
  DxfPoint prev{points.front().X, points.front().Y, 0};
  for (const FitRecord& f : FitTangentArcs(points, r.tolerance)) {
    DxfPoint end{f.X, f.Y, 0};
    if (f.kind == FitLine) {
      if (prev.x != end.x || prev.y != end.y) r.Line(e, prev, end);
    } else {
      double sa = VectorAngle(prev.x - f.CX, prev.y - f.CY), fa = VectorAngle(end.x - f.CX, end.y - f.CY);
      if (f.kind == FitArcCw) SwapReals(sa, fa);
      r.Arc(e, f.CX, f.CY, f.R, sa, fa);
    }
    prev = end;
  }
}

}  // namespace

void DxfReader::Curve(const DxfEntity& e, const std::vector<CurvePoint>& nodes, bool bezier) {
  // Long curves go in pieces, each starting where the last one ended.
  for (size_t start = 0; start + 1 < nodes.size(); start += CurvePieceNodes - 1) {
    size_t end = std::min(nodes.size(), start + CurvePieceNodes);
    CurvePiece(e, std::vector<CurvePoint>(nodes.begin() + start, nodes.begin() + end), bezier);
  }
}

void DxfReader::CurvePiece(const DxfEntity& e, const std::vector<CurvePoint>& nodes, bool bezier) {
  Polyline(e, bezier ? BezierPoints(nodes, BezierSamples) : SampleThrough(nodes, tolerance));
  status.Message("Spline Converted to Lines/Arcs");
}

void DxfReader::Polyline(const DxfEntity& e, const std::vector<CurvePoint>& points) {
  if (points.size() < 2) return;
  if (!arcFit) {
    for (size_t i = 1; i < points.size(); ++i) {
      Line(e, {points[i - 1].X, points[i - 1].Y, 0}, {points[i].X, points[i].Y, 0});
    }
    return;
  }
  // The fitter takes runs of limited length, each starting where the last one ended.
  for (size_t start = 0; start + 1 < points.size(); start += MaxFitPoints - 1) {
    size_t count = std::min(points.size() - start, size_t(MaxFitPoints));
    WriteFittedArcs(*this, e, std::span<const CurvePoint>(points).subspan(start, count));
  }
}

}  // namespace quill
