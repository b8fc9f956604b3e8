#include "mathlib/vector3.h"

#include <cmath>

#include "mathlib/geom2d.h"

namespace quill {

void CrossProduct(const Vector3& a, const Vector3& b, Vector3& out) {
  Vector3 r{a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
  out = r;
}

double DotProduct(const Vector3& a, const Vector3& b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }

void NormalizeVector(Vector3& v) {
  double len = std::sqrt(DotProduct(v, v));
  if (len == 0) return;
  v.X /= len;
  v.Y /= len;
  v.Z /= len;
}

void DivideVector(const Vector3& src, Vector3& dst, double s) {
  if (IsZero(s)) {
    dst = src;
    return;
  }
  dst = Vector3{src.X / s, src.Y / s, src.Z / s};
}

}  // namespace quill
