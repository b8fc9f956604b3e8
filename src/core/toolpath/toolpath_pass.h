// One depth pass of a tool path run, and the points where carving, the bitmap scan and surface
// projection plug into the run.
#pragma once

#include <functional>

#include "toolpath/toolpath_values.h"

namespace quill {

class ClOutput;
class Job;

// "Project on Surface": the tool follows a plane, sphere, cylinder or cone instead of a constant depth.
class SurfaceProjection {
 public:
  virtual ~SurfaceProjection() = default;
  // Checks the projection settings and builds the surface; false (after saying why) stops the run
  // before anything is written.
  virtual bool PrepareSurface() = 0;
  // The tool position over the work-plane point (x, y).
  virtual void ProjectPoint(double& x, double& y, double& z) = 0;
  // A line or arc cut along the surface as a chain of feed moves at the given feed.
  virtual void ProjectedLine(ClOutput& out, double x1, double y1, double x2, double y2, double feed) = 0;
  virtual void ProjectedArc(ClOutput& out, int code, double x1, double y1, double x2, double y2, double cx, double cy,
                            double feed) = 0;
};

struct ToolPathPass {
  ClOutput& out;
  const ToolPathValues& values;
  double depth;                             // the current pass depth d
  SurfaceProjection* projection = nullptr;  // set with "Project on Surface"
};

// Generators that live beside the plain engraving.  Carving and projection left empty are the
// program's own (carve/carve_text.h, surface/surface_projector.h); the bitmap scan has no default,
// since its picture and area come from its dialog (scan/bitmap_scan.h), and a run without it is refused.
struct ToolPathPlugins {
  std::function<void(Job&, const ToolPathPass&)> carveText;   // "Carve Text in 3D"
  std::function<void(Job&, const ToolPathPass&)> bitmapScan;  // "3D Bitmap Scan"
  SurfaceProjection* projection = nullptr;                    // "Project on Surface"
};

}  // namespace quill
