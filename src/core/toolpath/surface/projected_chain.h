// A line or arc carried onto the surface, written as the fewest feed moves that keep every point of
// it within the projection tolerance.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "mathlib/vector3.h"

namespace quill {

class ClOutput;
class SurfaceProjection;

class ProjectedChain {
 public:
  // The work-plane point at t along the path, t from 0 (where the tool stands) to 1 (the end).
  using Path = std::function<void(double t, double& x, double& y)>;

  ProjectedChain(SurfaceProjection& projection, double tolerance) : projection_(projection), tolerance_(tolerance) {}

  // How many pieces a path of this length is sampled in: one a tolerance, at least one, and no more
  // than a million however small the tolerance.
  long Pieces(double length) const;
  // Samples the path in that many pieces, projected; where the surface bends or climbs faster than
  // the samples show (a piece's middle off its chord by more than a quarter of the tolerance), the
  // piece is halved again, down to a thousandth of it.
  void Sample(const Path& path, long pieces);
  // Feed moves from the first point on: a point is left out while the move past it stays within three
  // quarters of the tolerance of it (and of every point left out before it); the last point is always
  // written.
  void Write(ClOutput& out, double feed) const;

 private:
  Vector3 At(const Path& path, double t) const;
  void Refine(const Path& path, double t0, const Vector3& p0, double t1, const Vector3& p1, int depth);
  bool Covers(size_t from, size_t to) const;
  SurfaceProjection& projection_;
  double tolerance_;
  std::vector<Vector3> points_;
};

}  // namespace quill
