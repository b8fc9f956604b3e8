// "Project on Surface": the tool path of lines and arcs carried onto the prepared surface, with the
// tool's shape taken into account, as a chain of feed moves that keeps within the projection tolerance.
#pragma once

#include "toolpath/surface/prepared_surface.h"
#include "toolpath/toolpath_pass.h"

namespace quill {

class Job;

// The "Surface Projections" dialog's "Projection Tolerance: " (not kept in the project).
inline constexpr double DefaultProjectionTolerance = 0.025;

// The dialog's fields read from the project's keys (PSSURFTYPE, PSTOPBOT, PSEDIT1..9); a field that
// is not a number warns and counts as 0.
SurfaceInput ReadSurfaceInput(Job& job);

// The cutter's position over a surface point: the tool is a flat end (cornerRadius 0), a ball
// (cornerRadius = diameter / 2) or a bull nose in between, its axis upright.  The cone is a point.
struct CutterShape {
  double diameter = 0;
  double cornerRadius = 0;
};
// TSHAPE, TOOLDIA and TLCR: the cone counts as a point, a corner radius is held to half the diameter.
CutterShape ReadCutterShape(Job& job);

class SurfaceProjector : public SurfaceProjection {
 public:
  explicit SurfaceProjector(Job& job, double tolerance = DefaultProjectionTolerance)
      : job_(job), tolerance_(tolerance) {}

  // Refuses a tolerance of 0 or less ("Projection Tolerance Must be Greater Than Zero") and a surface
  // BuildSurface refuses, as error messages; otherwise builds the surface from the project's keys.
  bool PrepareSurface() override;
  // Over a plane the tool stands on it with its axis upright, whatever "Project Tool Normal To" says.
  // Over the others: with "XY-Plane" the tool's tip goes to the surface; with "Surface" the tool
  // touches the surface at the point and the tip moves by the tool's shape along the normal.
  void ProjectPoint(double& x, double& y, double& z) override;
  // The line or arc from the tool's position to its end: points along it projected, and as few of
  // them written (code 1, at the feed) as keep every projected point within the tolerance of the
  // moves written.  The end point is always written.
  void ProjectedLine(ClOutput& out, double x1, double y1, double x2, double y2, double feed) override;
  void ProjectedArc(ClOutput& out, int code, double x1, double y1, double x2, double y2, double cx, double cy,
                    double feed) override;

  const PreparedSurface& Surface() const { return surface_; }

 private:
  Job& job_;
  double tolerance_;
  PreparedSurface surface_;
  CutterShape tool_;
  bool alongNormal_ = false;
};

}  // namespace quill
