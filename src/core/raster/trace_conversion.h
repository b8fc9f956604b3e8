// Hand tracing into artwork: the lines drawn over a picture, read from the annotation file, become
// artwork lines in real units.  The marks fix the frame: the origin "O", a point on the X axis "X"
// and the scale point "S", whose real coordinates the operator enters on leaving the window.
#pragma once

#include <string>

namespace quill {

class Job;

// The marks of an annotation file in picture pixels; a later mark of a letter replaces an earlier
// one, other marks are passed over.  Without marks the origin is (0, 0), the X mark one pixel to its
// right and the scale point one pixel right of it and one down; a missing X or scale mark keeps that
// place relative to the origin.
struct ScaleMarks {
  double ox = 0, oy = 0;  // origin
  double xx = 1, xy = 0;  // a point on the X axis
  double sx = 1, sy = 1;  // the scale point
};

ScaleMarks ReadScaleMarks(const std::string& antFile);

// Picture pixels to real units: moved by minus the origin, turned so the X mark lies on the X axis,
// then scaled so the scale point lands on the entered coordinates.
struct TraceFrame {
  double ox = 0, oy = 0;
  double angle = 0;  // the X axis's direction in the picture, radians
  double kx = 1, ky = 1;

  void Apply(double& x, double& y) const;
};

// The frame for the scale point's entered real coordinates.  A scale point level with the origin in
// X (or Y), or an entered 0, leaves that direction unscaled.  An X mark on the origin leaves the
// picture unturned.
TraceFrame MakeTraceFrame(const ScaleMarks& marks, double realX, double realY);

struct TraceConversion {
  bool ok = false;  // false: nothing was changed (the reason was shown)
  long lines = 0;   // artwork lines added
};

// Converts the job's annotation file into artwork lines added to the artwork file (which is created
// when the job has no artwork).  A line whose two points are equal is passed over.  The artwork file
// is replaced whole, so a failure leaves the old one as it was and says so.
TraceConversion ConvertTracing(Job& job, double realX, double realY);

}  // namespace quill
