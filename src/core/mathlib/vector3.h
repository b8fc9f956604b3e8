// Space vectors for surface projection.
#pragma once

namespace quill {

struct Vector3 {
  double X = 0, Y = 0, Z = 0;
};

void CrossProduct(const Vector3& a, const Vector3& b, Vector3& out);
double DotProduct(const Vector3& a, const Vector3& b);
// Divides by the length unless the length is exactly 0.
void NormalizeVector(Vector3& v);
// dst = src / s, or src unchanged when s is zero.
void DivideVector(const Vector3& src, Vector3& dst, double s);

}  // namespace quill
