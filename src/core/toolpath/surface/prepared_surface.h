// The surfaces a tool path can follow ("Project on Surface"): a plane, a sphere, a cylinder lying in
// the work plane, and a cone either standing upright or lying.  Built once from the nine numbers of
// the "Surface Projections" dialog, then asked for the height and the normal over any work-plane point.
#pragma once

#include <array>
#include <string>

#include "mathlib/vector3.h"

namespace quill {

enum class SurfaceType { Plane = 0, Sphere = 1, Cylinder = 2, Cone = 3 };

// The dialog as numbers: "Surface Type:", "Place Tool On Surface" and the nine fields.
struct SurfaceInput {
  SurfaceType type = SurfaceType::Plane;
  bool bottom = false;            // "Bottom": the tool works on the underside (inside) of the solid
  std::array<double, 9> field{};  // PSEDIT1..9, meaning by type
};

struct SurfaceSample {
  double z = 0;
  Vector3 normal{0, 0, 1};  // unit, pointing from the surface towards the tool
};

struct PreparedSurface {
  SurfaceType type = SurfaceType::Plane;
  bool bottom = false;
  Vector3 normal{0, 0, 1};  // plane: a x + b y + c z = offset, c > 0
  double offset = 0;
  double cx = 0, cy = 0, cz = 0;     // sphere centre; upright cone's axis
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // lying cylinder or cone: the axis ends in the work plane
  double height = 0;                 // lying cylinder or cone: the axis height
  double r1 = 0, r2 = 0;             // radii (sphere and cylinder: r1)
  double z1 = 0, z2 = 0;             // upright cone: heights at r1 and r2
  bool upright = false;              // a cone whose two centres coincide

  // The surface over (x, y).  Off the footprint of a sphere, cylinder or lying cone the height is the
  // centre's or axis's; an upright cone is flat beyond its two radii, at the height of the nearer end.
  SurfaceSample At(double x, double y) const;
};

// Builds the surface into out and returns an empty text, or returns the dialog's message saying why it
// cannot be built (out untouched):
// "Plane Points Must Be Different Locations, and NON Co-Linear", "Sphere Radius Cannot Be Zero",
// "Cylinder Radius Cannot Be Zero", "Cylinder, Points Cannot be at the Same Location",
// "Cone Radius Cannot Be Zero", "Cone Radius #1 and Radius #2 Must be Different" (upright cone).
std::string BuildSurface(const SurfaceInput& in, PreparedSurface& out);

// Centres #1 and #2 of a cone coincide: it stands upright.
bool ConeStandsUpright(const SurfaceInput& in);

}  // namespace quill
