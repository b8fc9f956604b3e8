// The picture of the cutter at the tool position: its profile in 8 directions around the tool axis
// with rings at the shoulder and the top, for the flat, ball and cone shapes.
#pragma once

#include "view/trwindow.h"

namespace quill {

class CutterImage {
 public:
  // shape: 0 flat, 1 ball, 2 cone; the tip angle (degrees) matters for the cone only.
  CutterImage(int shape, double diameter, double tipAngleDegrees);
  // Draws the wireframe with the current pen; twice in XOR mode erases it.
  void Draw(Trwindow& view, Canvas& canvas, double x, double y, double z) const;

 private:
  struct ProfilePoint {
    double radius, height;
  };
  void Ring(Trwindow& view, Canvas& canvas, double x, double y, double z, const ProfilePoint& p, double scale) const;

  ProfilePoint profile_[8];
  int points_ = 0;
  int shoulder_ = 0;  // the profile point where the cutting edge meets the shank
  double radius_ = 0;
};

}  // namespace quill
