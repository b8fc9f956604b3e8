#include "view/trwindow.h"

#include <cmath>

#include "mathlib/geom2d.h"

namespace quill {

namespace {

constexpr Color kPalette[16] = {clBlack, clNavy, clGreen, clTeal, clMaroon, clPurple,  clOlive,  clSilver,
                                clGray,  clBlue, clLime,  clAqua, clRed,    clFuchsia, clYellow, clWhite};

// Pixels stay well inside int even for points far outside the window.
constexpr double kPixelLimit = 1.0e9;

int RoundPixel(double v) {
  if (std::isnan(v)) return 0;
  if (v > kPixelLimit) v = kPixelLimit;
  if (v < -kPixelLimit) v = -kPixelLimit;
  return static_cast<int>(std::rint(v));  // the default rounding mode: halves to even
}

bool Finite(double a, double b) {
  return std::isfinite(a) && std::isfinite(b);
}

PenStyle StyleOf(int lineStyle) {
  switch (lineStyle) {
    case 1: return PenStyle::Dot;
    case 2: return PenStyle::DashDotDot;
    case 3: return PenStyle::Dash;
    default: return PenStyle::Solid;
  }
}

}  // namespace

Color PaletteColor(int index) {
  return index >= 0 && index < 16 ? kPalette[index] : clBlack;
}

void Trwindow::Attach(Canvas& canvas) {
  lineStyle_ = 0;
  colourIndex_ = 1;
  penColor_ = PaletteColor(1);
  penWidth_ = 1;
  lastX_ = lastY_ = lastZ_ = 0;
  sx_ = sy_ = 1.0;
  aspect_ = 1.0;
  on3D_ = false;
  ApplyPen(canvas);
  canvas.SetPenMode(PenMode::Copy);
}

void Trwindow::SetAspect(double width, double height) {
  aspect_ = height != 0 && std::isfinite(width / height) ? width / height : 1.0;
  if (aspect_ == 0) aspect_ = 1.0;
}

void Trwindow::Set3D(bool on, double ex, double ey, double ez) {
  if (!on) {
    on3D_ = false;
    return;
  }
  double r = std::sqrt(ex * ex + ey * ey + ez * ez);
  if (r == 0 || !std::isfinite(r)) {
    ex = -50;
    ey = -50;
    ez = 50;
    r = std::sqrt(ex * ex + ey * ey + ez * ez);
  }
  double az = std::atan2(ex, ey);
  double el = std::acos(ez / r);
  sinAz_ = std::sin(az);
  cosAz_ = std::cos(az);
  sinEl_ = std::sin(el);
  cosEl_ = std::cos(el);
  r_ = rp_ = r;
  eyeX_ = ex;
  eyeY_ = ey;
  eyeZ_ = ez;
  on3D_ = true;
}

void Trwindow::SetWindow(double x0, double y0, double x1, double y1) {
  double w = x1 - x0;
  double h = (y1 - y0) * aspect_;
  if (w > h) {
    double d = (w - h) / 2 / aspect_;
    xmin_ = x0;
    xmax_ = x0 + w;
    ymin_ = y0 - d;
    ymax_ = y1 + d;
  } else {
    double d = (h - w) / 2;
    xmin_ = x0 - d;
    xmax_ = x1 + d;
    ymin_ = y0;
    ymax_ = y0 + h / aspect_;
  }
  clipXmin_ = xmin_;
  clipXmax_ = xmax_;
  clipYmin_ = ymin_;
  clipYmax_ = ymax_;
}

void Trwindow::MapToCanvas(Canvas& canvas) {
  CanvasRect c = canvas.ClipBox();
  if (IsZero(xmax_ - xmin_)) xmax_ = xmin_ + 1;
  if (IsZero(ymax_ - ymin_)) ymax_ = ymin_ + 1;
  sx_ = (c.right - c.left) / (xmax_ - xmin_);
  ox_ = c.left - sx_ * xmin_;
  sy_ = (c.top - c.bottom) / (ymax_ - ymin_);
  oy_ = c.bottom - sy_ * ymin_;
  int dpi = canvas.PixelsPerInch() > 0 ? canvas.PixelsPerInch() : 96;
  dpiX_ = dpiY_ = dpi;
  heightInches_ = static_cast<double>(c.top - c.bottom) / dpiY_;
  widthInches_ = static_cast<double>(c.right - c.left) / dpiX_;
  if (sx_ == 0) sx_ = 1;
  if (sy_ == 0) sy_ = 1;
}

void Trwindow::Clear(Canvas& canvas) {
  canvas.SetBrush(blackBackground_ ? clBlack : clWhite, BrushStyle::Solid);
  canvas.FillRect(canvas.ClipBox());
}

PixelPoint Trwindow::WorldToPixel(double x, double y) const {
  return {RoundPixel(sx_ * x + ox_), RoundPixel(sy_ * y + oy_)};
}

void Trwindow::PixelToWorld(double px, double py, double& x, double& y) const {
  x = (px - ox_) / sx_;
  y = (py - oy_) / sy_;
}

double Trwindow::UnitsToInches() const {
  double w = xmax_ - xmin_;
  if (IsZero(w)) return 1.0;
  double k = widthInches_ / w;
  return k == 0 || !std::isfinite(k) ? 1.0 : k;
}

void Trwindow::Project(double& x, double& y, double z) const {
  if (!on3D_) return;
  double s = sinAz_, c = cosAz_, S = sinEl_, C = cosEl_;
  double u = -x * s + y * c;
  double v = -x * c * C - y * s * C + z * S;
  double w = r_ - (x * c * S + y * s * S + z * C);
  x = u / w * rp_;
  y = v / w * rp_;
}

bool Trwindow::Inside(double x, double y) const {
  return x >= clipXmin_ && x <= clipXmax_ && y >= clipYmin_ && y <= clipYmax_;
}

int Trwindow::OutCode(double x, double y) const {
  int code = 0;
  if (x < clipXmin_) code |= 1;
  if (x > clipXmax_) code |= 2;
  if (y < clipYmin_) code |= 4;
  if (y > clipYmax_) code |= 8;
  return code;
}

// Cohen-Sutherland: an outside end is moved onto the boundary above, below, right, left in that order.
bool Trwindow::ClipSegment(double& x0, double& y0, double& x1, double& y1) const {
  if (!Finite(x0, y0) || !Finite(x1, y1)) return false;
  int c0 = OutCode(x0, y0), c1 = OutCode(x1, y1);
  for (int guard = 0; guard < 8; ++guard) {
    if ((c0 | c1) == 0) return true;
    if (c0 & c1) return false;
    bool first = c0 != 0;
    int c = first ? c0 : c1;
    double x, y;
    if (c & 8) {
      x = x0 + (x1 - x0) * (clipYmax_ - y0) / (y1 - y0);
      y = clipYmax_;
    } else if (c & 4) {
      x = x0 + (x1 - x0) * (clipYmin_ - y0) / (y1 - y0);
      y = clipYmin_;
    } else if (c & 2) {
      y = y0 + (y1 - y0) * (clipXmax_ - x0) / (x1 - x0);
      x = clipXmax_;
    } else {
      y = y0 + (y1 - y0) * (clipXmin_ - x0) / (x1 - x0);
      x = clipXmin_;
    }
    if (!Finite(x, y)) return false;
    if (first) {
      x0 = x;
      y0 = y;
      c0 = OutCode(x0, y0);
    } else {
      x1 = x;
      y1 = y;
      c1 = OutCode(x1, y1);
    }
  }
  return false;
}

void Trwindow::MoveTo3(Canvas& canvas, double x, double y, double z) {
  lastX_ = x;
  lastY_ = y;
  lastZ_ = z;
  Project(x, y, z);
  if (!Finite(x, y) || !Inside(x, y)) return;
  PixelPoint p = WorldToPixel(x, y);
  canvas.MoveTo(p.x, p.y);
}

void Trwindow::LineTo3(Canvas& canvas, double x, double y, double z) {
  double x0 = lastX_, y0 = lastY_;
  Project(x0, y0, lastZ_);
  lastX_ = x;
  lastY_ = y;
  lastZ_ = z;
  Project(x, y, z);
  if (!ClipSegment(x0, y0, x, y)) return;
  PixelPoint a = WorldToPixel(x0, y0);
  PixelPoint b = WorldToPixel(x, y);
  canvas.MoveTo(a.x, a.y);
  canvas.LineTo(b.x, b.y);
}

void Trwindow::ApplyPen(Canvas& canvas) {
  canvas.SetPen(penColor_, penWidth_, StyleOf(lineStyle_));
}

void Trwindow::SetColour(Canvas& canvas, int index) {
  colourIndex_ = index;
  penColor_ = PaletteColor(index);
  ApplyPen(canvas);
}

void Trwindow::SetPenColor(Canvas& canvas, Color color) {
  penColor_ = color;
  ApplyPen(canvas);
}

void Trwindow::SetPenWidth(Canvas& canvas, int width) {
  penWidth_ = width < 1 ? 1 : width;
  ApplyPen(canvas);
}

void Trwindow::SetLineStyle(Canvas& canvas, int style) {
  lineStyle_ = style >= 0 && style <= 3 ? style : 0;
  ApplyPen(canvas);
}

void Trwindow::SetPen(Canvas& canvas, Color color, int width, int style) {
  penColor_ = color;
  penWidth_ = width < 1 ? 1 : width;
  lineStyle_ = style >= 0 && style <= 3 ? style : 0;
  ApplyPen(canvas);
}

}  // namespace quill
