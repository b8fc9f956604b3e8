#include "view/cutter_image.h"

#include <cmath>

#include "mathlib/constants.h"

namespace quill {

namespace {

constexpr int kDirections = 8;
constexpr double kShankHeight = 4;        // in tool radii
constexpr double kSmallestInches = 0.05;  // a radius that stays visible at any zoom

}  // namespace

CutterImage::CutterImage(int shape, double diameter, double tipAngleDegrees) {
  radius_ = std::isfinite(diameter) && diameter > 0 ? diameter / 2 : 0;
  profile_[points_++] = {0, 0};
  if (shape == 1) {  // ball: a quarter circle up to the shank
    for (int i = 1; i <= 4; ++i) {
      double a = HalfPi * i / 4;
      profile_[points_++] = {std::sin(a), 1 - std::cos(a)};
    }
  } else if (shape == 2) {  // cone: the tip angle is the full angle at the point
    double half = tipAngleDegrees / 2 * DegToRad;
    if (!(half > 0 && half < HalfPi)) half = Pi / 4;
    profile_[points_++] = {1, std::fmin(1 / std::tan(half), kShankHeight - 1)};
  } else {
    profile_[points_++] = {1, 0};
  }
  shoulder_ = points_ - 1;
  profile_[points_++] = {1, kShankHeight};
}

void CutterImage::Ring(Trwindow& view, Canvas& canvas, double x, double y, double z, const ProfilePoint& p,
                       double scale) const {
  double r = p.radius * scale, h = z + p.height * scale;
  view.MoveTo3(canvas, x + r, y, h);
  for (int d = 1; d <= kDirections; ++d) {
    double a = TwoPi * d / kDirections;
    view.LineTo3(canvas, x + r * std::cos(a), y + r * std::sin(a), h);
  }
}

void CutterImage::Draw(Trwindow& view, Canvas& canvas, double x, double y, double z) const {
  if (radius_ == 0) return;
  double scale = std::fmax(radius_, kSmallestInches / view.UnitsToInches());
  for (int d = 0; d < kDirections; ++d) {
    double a = TwoPi * d / kDirections, c = std::cos(a) * scale, s = std::sin(a) * scale;
    view.MoveTo3(canvas, x, y, z);
    for (int i = 1; i < points_; ++i) {
      view.LineTo3(canvas, x + profile_[i].radius * c, y + profile_[i].radius * s, z + profile_[i].height * scale);
    }
  }
  Ring(view, canvas, x, y, z, profile_[shoulder_], scale);
  Ring(view, canvas, x, y, z, profile_[points_ - 1], scale);
}

}  // namespace quill
