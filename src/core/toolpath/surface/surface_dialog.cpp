#include "toolpath/surface/surface_dialog.h"

#include <cmath>

#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"
#include "ui/ui.h"

namespace quill {

std::array<const char*, 9> SurfaceFieldCaptions(SurfaceType type, bool uprightCone) {
  switch (type) {
    case SurfaceType::Plane:
      return {"Point #1 -X-", "Point #1 -Y-", "Point #1 -Z-", "Point #2 -X-", "Point #2 -Y-",
              "Point #2 -Z-", "Point #3 -X-", "Point #3 -Y-", "Point #3 -Z-"};
    case SurfaceType::Sphere: return {"Center in -X-", "Center in -Y-", "Center in -Z-", "Sphere Radius", "", "", "", "", ""};
    case SurfaceType::Cylinder:
      return {"Center #1 in -X-", "Center #1 in -Y-", "Center #2 in -X-", "Center #2 in -Y-", "-Z- Height",
              "Cylinder Radius", "", "", ""};
    case SurfaceType::Cone:
      return {"Center #1 in -X-", "Center #1 in -Y-", "Radius #1", "Center #2 in -X-", "Center #2 in -Y-",
              "Radius #2", uprightCone ? "-Z- at Radius #1" : "-Z- Height", uprightCone ? "-Z- at Raduis #2" : "", ""};
  }
  return {};
}

bool SurfaceChoicesApply(SurfaceType type) {
  return type != SurfaceType::Plane;
}

std::optional<std::string> CalcRadius2(Ui& ui, const SurfaceInput& in, double angleDegrees) {
  const auto& f = in.field;
  double length = ConeStandsUpright(in) ? std::fabs(f[7] - f[6]) : std::hypot(f[3] - f[0], f[4] - f[1]);
  if (IsZero(length)) {
    ui.Error("Points #1/#2, Must Be At Different Locations");
    return std::nullopt;
  }
  if (!(std::fabs(angleDegrees) < 90)) {
    ui.Error("Angle Must be Between -90 and 90 Degrees");
    return std::nullopt;
  }
  return FormatFixed(f[2] + std::tan(angleDegrees * DegToRad) * length, 15);
}

}  // namespace quill
