// The tool's moves, shared by the text and the artwork walks: rapids at the clearance plane, plunges at
// the plunge feed, cuts at the cut feed and the pass depth (or along the surface with projection).
// It keeps the previous point, which starts far off at (-1000, -1000).
#pragma once

#include "toolpath/toolpath_pass.h"

namespace quill {

class Cutter {
 public:
  explicit Cutter(const ToolPathPass& pass) : pass_(pass) {}

  // True until the walk has written its first move.
  bool First() const { return first_; }
  // The previous point lies within 0.001 of (x, y) in X and in Y.
  bool At(double x, double y) const;
  void SetPrevious(double x, double y);

  // Up to the clearance plane over the previous point.
  void Retract();
  // Across at the clearance plane; (x, y) becomes the previous point.
  void RapidTo(double x, double y);
  // Down into the work over the previous point.  A tool no rapid has placed yet goes there first, so
  // it never feeds in from wherever it stood.
  void Plunge();
  void LineTo(double x, double y);
  // code: 2 clockwise, 3 counter-clockwise, about (cx, cy).
  void ArcTo(int code, double x, double y, double cx, double cy);
  // The walk's final retract; a walk that met no geometry writes nothing.
  void Finish();

 private:
  const ToolPathPass& pass_;
  double px_ = -1000, py_ = -1000;
  bool first_ = true;
  bool positioned_ = false;
};

}  // namespace quill
