#include "toolpath/surface/surface_projector.h"

#include <algorithm>
#include <cmath>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"
#include "records/cl_record.h"
#include "toolpath/cl_output.h"
#include "toolpath/surface/projected_chain.h"
#include "ui/ui.h"

namespace quill {

namespace {

// A 5 degree step at most along an arc, however loose the tolerance.
constexpr double kLargestArcStep = 5 * DegToRad;

// The height of the tool's tip standing upright on a plane with unit normal n (n.Z > 0): the lowest
// point of its rounded corner (or of its edge, for a flat end) touches the plane.  Tilted by t, that
// point sits r (1 - cos t) + (D/2 - r) sin t above the tip along the normal, so the tip goes up by
// that over cos t.
double PlaneLift(const Vector3& n, const CutterShape& tool) {
  double c = n.Z, s = std::sqrt(std::max(0.0, 1 - c * c));
  double r = tool.cornerRadius;
  return (r * (1 - c) + (tool.diameter / 2 - r) * s) / c;
}

}  // namespace

SurfaceInput ReadSurfaceInput(Job& job) {
  const EngravingSettings& s = job.settings;
  SurfaceInput in;
  in.type = static_cast<SurfaceType>(std::clamp(s.PSSURFTYPE, 0, 3));
  in.bottom = s.PSTOPBOT == 1;
  for (size_t i = 0; i < in.field.size(); ++i) in.field[i] = TextToDouble(job.ui, s.PSEDIT[i]);
  return in;
}

CutterShape ReadCutterShape(Job& job) {
  const EngravingSettings& s = job.settings;
  if (s.TSHAPE == ShapeCone) return {};
  CutterShape tool;
  tool.diameter = std::max(0.0, TextToDouble(job.ui, s.TOOLDIA));
  if (s.TSHAPE == ShapeBall) tool.cornerRadius = std::clamp(TextToDouble(job.ui, s.TLCR), 0.0, tool.diameter / 2);
  return tool;
}

bool SurfaceProjector::PrepareSurface() {
  std::string refusal;
  if (!(tolerance_ > 0)) {
    refusal = "Projection Tolerance Must be Greater Than Zero";
  } else {
    refusal = BuildSurface(ReadSurfaceInput(job_), surface_);
  }
  if (!refusal.empty()) {
    job_.ui.Error(refusal);
    return false;
  }
  tool_ = ReadCutterShape(job_);
  alongNormal_ = job_.settings.PSPROJECTNORM == 1;
  return true;
}

void SurfaceProjector::ProjectPoint(double& x, double& y, double& z) {
  SurfaceSample at = surface_.At(x, y);
  z = at.z;
  if (surface_.type == SurfaceType::Plane) {
    z += PlaneLift(surface_.normal, tool_);
    return;
  }
  if (!alongNormal_) return;
  // The rounded corner's centre sits r along the normal from the touching point, and the axis half the
  // flat part of the diameter further out in the normal's horizontal direction.
  const Vector3& n = at.normal;
  double r = tool_.cornerRadius, across = std::hypot(n.X, n.Y);
  double flat = across > 0 ? (tool_.diameter / 2 - r) / across : 0;
  x += n.X * (r + flat);
  y += n.Y * (r + flat);
  z += n.Z * r - r;
}

void SurfaceProjector::ProjectedLine(ClOutput& out, double x1, double y1, double x2, double y2, double feed) {
  if (IsZero(x2 - x1) && IsZero(y2 - y1)) return;
  ProjectedChain chain(*this, tolerance_);
  chain.Sample(
      [&](double t, double& x, double& y) {
        x = x1 + (x2 - x1) * t;
        y = y1 + (y2 - y1) * t;
      },
      chain.Pieces(std::hypot(x2 - x1, y2 - y1)));
  chain.Write(out, feed);
}

void SurfaceProjector::ProjectedArc(ClOutput& out, int code, double x1, double y1, double x2, double y2, double cx,
                                    double cy, double feed) {
  double radius = std::hypot(x1 - cx, y1 - cy);
  double a1 = std::atan2(y1 - cy, x1 - cx), a2 = std::atan2(y2 - cy, x2 - cx);
  double turn = code == ClArcCw ? a1 - a2 : a2 - a1;
  while (turn <= 0) turn += TwoPi;
  if (IsZero(x2 - x1) && IsZero(y2 - y1)) turn = TwoPi;  // equal ends make a full circle
  double sweep = code == ClArcCw ? -turn : turn;
  ProjectedChain chain(*this, tolerance_);
  long pieces = std::max(chain.Pieces(turn * radius), static_cast<long>(std::ceil(turn / kLargestArcStep)));
  chain.Sample(
      [&](double t, double& x, double& y) {
        if (t >= 1) {
          x = x2, y = y2;  // the arc ends exactly where the record says
          return;
        }
        x = cx + radius * std::cos(a1 + sweep * t);
        y = cy + radius * std::sin(a1 + sweep * t);
      },
      pieces);
  chain.Write(out, feed);
}

}  // namespace quill
