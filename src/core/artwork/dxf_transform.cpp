#include "artwork/dxf_transform.h"

#include <cmath>

#include "mathlib/geom2d.h"

namespace quill {

bool InsertTransform::Uniform() const {
  return IsZero(sx - sy);
}

void InsertTransform::Apply(DxfPoint& p) const {
  p.x = base.x + (p.x - base.x) * sx;
  p.y = base.y + (p.y - base.y) * sy;
  p.z = base.z + (p.z - base.z) * sz;
  RotatePoint(p.x, p.y, base.x, base.y, rotation);
  p.x += at.x - base.x;
  p.y += at.y - base.y;
  p.z += at.z - base.z;
}

void InsertTransform::ApplyToArc(double& r, double& sa, double& fa) const {
  double turn = rotation + (sx < 0 ? Pi : 0.0);
  r *= std::fabs(sx);
  sa += turn;
  fa += turn;
}

}  // namespace quill
