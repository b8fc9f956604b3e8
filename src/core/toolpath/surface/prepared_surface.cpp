#include "toolpath/surface/prepared_surface.h"

#include <algorithm>
#include <cmath>

#include "mathlib/geom2d.h"

namespace quill {

namespace {

bool BadRadius(double r) {
  return IsZero(r) || r < 0;
}

std::string BuildPlane(const SurfaceInput& in, PreparedSurface& s) {
  const auto& f = in.field;
  Vector3 u{f[0] - f[3], f[1] - f[4], f[2] - f[5]}, v{f[0] - f[6], f[1] - f[7], f[2] - f[8]}, n;
  CrossProduct(u, v, n);
  if (!(DotProduct(n, n) > 0) || IsZero(n.Z)) return "Plane Points Must Be Different Locations, and NON Co-Linear";
  NormalizeVector(n);
  s.offset = DotProduct(n, Vector3{f[0], f[1], f[2]});
  if (n.Z < 0) {
    n = {-n.X, -n.Y, -n.Z};
    s.offset = -s.offset;
  }
  s.normal = n;
  return {};
}

std::string BuildCylinder(const SurfaceInput& in, PreparedSurface& s) {
  const auto& f = in.field;
  s.x1 = f[0], s.y1 = f[1], s.x2 = f[2], s.y2 = f[3], s.height = f[4], s.r1 = s.r2 = f[5];
  if (IsZero(s.r1)) return "Cylinder Radius Cannot Be Zero";
  if (IsZero(s.x1 - s.x2) && IsZero(s.y1 - s.y2)) return "Cylinder, Points Cannot be at the Same Location";
  return {};
}

std::string BuildCone(const SurfaceInput& in, PreparedSurface& s) {
  const auto& f = in.field;
  s.x1 = s.cx = f[0], s.y1 = s.cy = f[1], s.r1 = f[2], s.x2 = f[3], s.y2 = f[4], s.r2 = f[5];
  s.height = s.z1 = f[6], s.z2 = f[7];
  s.upright = ConeStandsUpright(in);
  if (BadRadius(s.r1) || BadRadius(s.r2)) return "Cone Radius Cannot Be Zero";
  // Equal radii stand the side up as a wall: no height over the work plane belongs to it.
  if (s.upright && IsZero(s.r1 - s.r2)) return "Cone Radius #1 and Radius #2 Must be Different";
  return {};
}

// Height off the solid's centre line: above it on top, below it on the bottom; the normal points from
// the centre line out (top) or in (bottom).
SurfaceSample RoundSample(const PreparedSurface& s, double centreZ, double squaredGap, Vector3 out) {
  double o = squaredGap > 0 ? std::sqrt(squaredGap) : 0;
  SurfaceSample r;
  r.z = s.bottom ? centreZ - o : centreZ + o;
  if (IsZero(o)) return r;
  out.Z = s.bottom ? -o : o;
  NormalizeVector(out);
  r.normal = s.bottom ? Vector3{-out.X, -out.Y, -out.Z} : out;
  return r;
}

SurfaceSample SphereAt(const PreparedSurface& s, double x, double y) {
  double dx = x - s.cx, dy = y - s.cy;
  return RoundSample(s, s.cz, s.r1 * s.r1 - dx * dx - dy * dy, {dx, dy, 0});
}

// The lying cylinder and cone.  The position along the axis is signed and held to the axis's ends, so
// the radius never runs past either end's (beyond them the solid goes on as a cylinder).
SurfaceSample LyingAt(const PreparedSurface& s, double x, double y) {
  double ax = s.x2 - s.x1, ay = s.y2 - s.y1, length2 = ax * ax + ay * ay;
  double along = ((x - s.x1) * ax + (y - s.y1) * ay) / length2;
  double fx = s.x1 + along * ax, fy = s.y1 + along * ay;  // the foot on the axis line
  double t = std::clamp(along, 0.0, 1.0);
  double radius = s.r1 + (s.r2 - s.r1) * t;
  double ux = x - fx, uy = y - fy;
  SurfaceSample r = RoundSample(s, s.height, radius * radius - ux * ux - uy * uy, {ux, uy, 0});
  if (IsZero(r.z - s.height) || along <= 0 || along >= 1 || IsZero(s.r2 - s.r1)) return r;
  // A cone's side leans along the axis: its normal leans back by the radius's slope.
  double length = std::sqrt(length2), slope = (s.r2 - s.r1) / length;
  double sign = s.bottom ? -1 : 1;
  Vector3 n{r.normal.X - sign * slope * ax / length, r.normal.Y - sign * slope * ay / length, r.normal.Z};
  NormalizeVector(n);
  r.normal = n;
  return r;
}

// The upright cone: its side rises in a straight line from radius #1 to radius #2; inside the smaller
// and outside the larger radius it is flat at that end's height.
SurfaceSample UprightAt(const PreparedSurface& s, double x, double y) {
  double dx = x - s.cx, dy = y - s.cy, v = std::hypot(dx, dy);
  double t = (v - s.r1) / (s.r2 - s.r1);
  SurfaceSample r;
  r.z = s.z1 + (s.z2 - s.z1) * std::clamp(t, 0.0, 1.0);
  if (t <= 0 || t >= 1 || IsZero(v)) return r;
  double rise = (s.z2 - s.z1) / (s.r2 - s.r1);  // height gained per unit of radius
  Vector3 n{-rise * dx / v, -rise * dy / v, 1};
  NormalizeVector(n);
  r.normal = n;
  return r;
}

}  // namespace

bool ConeStandsUpright(const SurfaceInput& in) {
  return IsZero(in.field[0] - in.field[3]) && IsZero(in.field[1] - in.field[4]);
}

std::string BuildSurface(const SurfaceInput& in, PreparedSurface& out) {
  PreparedSurface s;
  s.type = in.type;
  s.bottom = in.bottom;
  std::string refusal;
  switch (in.type) {
    case SurfaceType::Plane: refusal = BuildPlane(in, s); break;
    case SurfaceType::Sphere:
      s.cx = in.field[0], s.cy = in.field[1], s.cz = in.field[2], s.r1 = in.field[3];
      if (IsZero(s.r1)) refusal = "Sphere Radius Cannot Be Zero";
      break;
    case SurfaceType::Cylinder: refusal = BuildCylinder(in, s); break;
    case SurfaceType::Cone: refusal = BuildCone(in, s); break;
  }
  if (refusal.empty()) out = s;
  return refusal;
}

SurfaceSample PreparedSurface::At(double x, double y) const {
  switch (type) {
    case SurfaceType::Plane: return {(offset - normal.X * x - normal.Y * y) / normal.Z, normal};
    case SurfaceType::Sphere: return SphereAt(*this, x, y);
    case SurfaceType::Cylinder: return LyingAt(*this, x, y);
    case SurfaceType::Cone: return upright ? UprightAt(*this, x, y) : LyingAt(*this, x, y);
  }
  return {};
}

}  // namespace quill
