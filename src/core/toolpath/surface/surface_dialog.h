// The "Surface Projections" dialog's rules that do not depend on its widgets: the captions of its nine
// fields for each surface, and "Calc Radius #2".
#pragma once

#include <array>
#include <optional>
#include <string>

#include "toolpath/surface/prepared_surface.h"

namespace quill {

class Ui;

// The captions of fields 1 to 9 for the surface type; an empty caption hides the field.  A cone whose
// centres coincide stands upright: field 7 reads "-Z- at Radius #1" and field 8 "-Z- at Raduis #2".
std::array<const char*, 9> SurfaceFieldCaptions(SurfaceType type, bool uprightCone);

// "Place Tool On Surface" and "Project Tool Normal To" matter for the sphere, cylinder and cone only.
bool SurfaceChoicesApply(SurfaceType type);

// "Calc Radius #2" of the cone, with "Angle" the cone's half angle in degrees (between its axis and its
// side): radius #2 = radius #1 + tan(angle) x L, L the height between the two ends (upright) or the
// distance between the centres (lying).  The new text of field 6, with 15 decimals, or nothing after
// a message: "Points #1/#2, Must Be At Different Locations" for L = 0, "Angle Must be Between -90 and 90
// Degrees" for an angle whose tangent has no value.
std::optional<std::string> CalcRadius2(Ui& ui, const SurfaceInput& in, double angleDegrees);

}  // namespace quill
