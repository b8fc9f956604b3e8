#include "view/eye_rotation.h"

#include <cmath>

#include "job/view_state.h"
#include "mathlib/constants.h"
#include "view/trwindow.h"

namespace quill {

namespace {

constexpr double kStep = 5 * DegToRad;
constexpr double kDefaultR = 86.603, kDefaultAzimuth = 3.927, kDefaultElevation = 0.956;

void PlaceEye(ViewState& v, double r, double azimuth, double elevation) {
  v.EyeX = r * std::sin(elevation) * std::cos(azimuth);
  v.EyeY = r * std::sin(elevation) * std::sin(azimuth);
  v.EyeZ = r * std::cos(elevation);
}

}  // namespace

void TurnEye(ViewState& v, EyeTurn turn) {
  double r = std::sqrt(v.EyeX * v.EyeX + v.EyeY * v.EyeY + v.EyeZ * v.EyeZ);
  if (r == 0 || !std::isfinite(r)) {
    v.EyeX = v.EyeY = -50;
    v.EyeZ = 50;
    r = std::sqrt(7500.0);
  }
  double azimuth = std::atan2(v.EyeY, v.EyeX);
  double elevation = std::acos(v.EyeZ / r);
  switch (turn) {
    case EyeTurn::Up: elevation += kStep; break;
    case EyeTurn::Down: elevation -= kStep; break;
    case EyeTurn::Left: azimuth -= kStep; break;
    case EyeTurn::Right: azimuth += kStep; break;
  }
  PlaceEye(v, r, azimuth, elevation);
}

void DefaultEye(ViewState& v) {
  PlaceEye(v, kDefaultR, kDefaultAzimuth, kDefaultElevation);
}

void DrawEyePreview(Canvas& canvas, const ViewState& v, bool blackBackground) {
  Trwindow w;
  w.SetBlackBackground(blackBackground);
  w.Attach(canvas);
  CanvasRect c = canvas.ClipBox();
  w.SetAspect(c.right - c.left, c.bottom - c.top);
  w.Set3D(true, v.EyeX, v.EyeY, v.EyeZ);
  w.SetWindow(-3, -3, 3, 3);
  w.MapToCanvas(canvas);
  w.Clear(canvas);
  w.Axes(canvas, false);
  w.SetColour(canvas, 13);
  const double xs[] = {-2, 2, 2, -2}, ys[] = {-1, -1, 1, 1};
  auto rectangle = [&](double z) {
    w.MoveTo3(canvas, xs[3], ys[3], z);
    for (int i = 0; i < 4; ++i) w.LineTo3(canvas, xs[i], ys[i], z);
  };
  rectangle(0);
  for (int i = 0; i < 4; ++i) {
    w.MoveTo3(canvas, xs[i], ys[i], 0);
    w.LineTo3(canvas, xs[i], ys[i], 1);
  }
  rectangle(1);
}

}  // namespace quill
