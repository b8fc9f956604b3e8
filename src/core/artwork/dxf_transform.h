// The transform of one level of block insertion: the block's contents are scaled about its base point,
// turned about it and carried to the insertion point.
#pragma once

namespace quill {

struct DxfPoint {
  double x = 0, y = 0, z = 0;
};

struct InsertTransform {
  DxfPoint base;  // the block's base point
  DxfPoint at;    // the insertion point
  double sx = 1, sy = 1, sz = 1;
  double rotation = 0;  // radians, counter-clockwise

  bool Uniform() const;  // equal X and Y scales: circles stay circles
  void Apply(DxfPoint& p) const;
  // A circle's radius and angles through a uniform level (a negative scale turns the arc half a turn).
  void ApplyToArc(double& r, double& sa, double& fa) const;
};

}  // namespace quill
