#include "raster/picture_edit.h"

#include <algorithm>
#include <cmath>

#include "mathlib/constants.h"

namespace quill {

namespace {

// A quarter-turn count when the angle is a whole number of quarter turns, else -1.
int QuarterTurns(double degrees) {
  double q = degrees / 90.0;
  double r = std::round(q);
  if (std::fabs(q - r) > 1e-9) return -1;
  return static_cast<int>(((static_cast<long long>(r) % 4) + 4) % 4);
}

int Channels(const Picture& p) {
  return p.Format() == PixelFormat::Rgb24 ? 3 : 1;
}

// Bilinear sample of the picture at (x, y) into out (1 or 3 bytes); white outside.
void Sample(const Picture& p, double x, double y, uint8_t* out) {
  int n = Channels(p);
  double fx = std::floor(x), fy = std::floor(y);
  int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
  double ax = x - fx, ay = y - fy;
  for (int c = 0; c < n; ++c) {
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
      int px = x0 + (k & 1), py = y0 + (k >> 1);
      double w = ((k & 1) ? ax : 1 - ax) * ((k >> 1) ? ay : 1 - ay);
      bool inside = px >= 0 && py >= 0 && px < p.Width() && py < p.Height();
      sum += w * (inside ? p.Row(py)[px * n + c] : 255);
    }
    out[c] = static_cast<uint8_t>(std::clamp(std::lround(sum), 0L, 255L));
  }
}

}  // namespace

PixelRect ClipToPicture(PixelRect r, int width, int height) {
  int x1 = std::max(r.x, 0), y1 = std::max(r.y, 0);
  int x2 = std::min(r.x + std::max(r.width, 0), width), y2 = std::min(r.y + std::max(r.height, 0), height);
  if (x2 <= x1 || y2 <= y1) return {};
  return {x1, y1, x2 - x1, y2 - y1};
}

void PixelMap::Apply(double& x, double& y) const {
  double nx = xx * x + xy * y + x0;
  double ny = yx * x + yy * y + y0;
  x = nx;
  y = ny;
}

EditedPicture RotatePicture(const Picture& picture, double degrees) {
  EditedPicture out;
  double a = degrees * DegToRad;
  int turns = QuarterTurns(degrees);
  double c = turns < 0 ? std::cos(a) : (turns == 0 ? 1 : turns == 2 ? -1 : 0);
  double s = turns < 0 ? std::sin(a) : (turns == 1 ? 1 : turns == 3 ? -1 : 0);
  double w = picture.Width(), h = picture.Height();
  long long nw = turns < 0 ? std::llround(std::ceil(std::fabs(w * c) + std::fabs(h * s) - 1e-6)) : (turns % 2 ? h : w);
  long long nh = turns < 0 ? std::llround(std::ceil(std::fabs(w * s) + std::fabs(h * c) - 1e-6)) : (turns % 2 ? w : h);
  if (picture.Empty() || !CheckPictureSize(nw, nh).empty()) return out;
  // Seen on the screen (y down), a counter-clockwise turn takes (dx, dy) to (c dx + s dy, -s dx + c dy)
  // about the centre.
  double cx = (w - 1) / 2, cy = (h - 1) / 2, ncx = (nw - 1) / 2.0, ncy = (nh - 1) / 2.0;
  out.map = {c, s, ncx - c * cx - s * cy, -s, c, ncy + s * cx - c * cy};
  Picture result(static_cast<int>(nw), static_cast<int>(nh), picture.Format());
  int n = Channels(picture);
  for (int y = 0; y < nh; ++y) {
    uint8_t* row = result.Row(y);
    for (int x = 0; x < nw; ++x) {
      double dx = x - ncx, dy = y - ncy;
      double ox = cx + c * dx - s * dy, oy = cy + s * dx + c * dy;
      if (turns >= 0) ox = std::round(ox), oy = std::round(oy);
      Sample(picture, ox, oy, row + x * n);
    }
  }
  out.picture = std::move(result);
  return out;
}

EditedPicture FlipPicture(const Picture& picture) {
  EditedPicture out;
  out.map = {-1, 0, picture.Width() - 1.0, 0, 1, 0};
  Picture result = picture;
  int n = Channels(picture);
  for (int y = 0; y < result.Height(); ++y) {
    uint8_t* row = result.Row(y);
    for (int x = 0, e = result.Width() - 1; x < e; ++x, --e) {
      for (int k = 0; k < n; ++k) std::swap(row[x * n + k], row[e * n + k]);
    }
  }
  out.picture = std::move(result);
  return out;
}

Picture CopyArea(const Picture& picture, PixelRect area) {
  PixelRect r = ClipToPicture(area, picture.Width(), picture.Height());
  if (r.Empty()) return {};
  Picture out(r.width, r.height, picture.Format());
  int n = Channels(picture);
  for (int y = 0; y < r.height; ++y) {
    const uint8_t* from = picture.Row(r.y + y) + r.x * n;
    std::copy(from, from + r.width * n, out.Row(y));
  }
  return out;
}

void FillArea(Picture& picture, PixelRect area, Rgb colour) {
  PixelRect r = ClipToPicture(area, picture.Width(), picture.Height());
  for (int y = r.y; y < r.y + r.height; ++y) {
    for (int x = r.x; x < r.x + r.width; ++x) picture.Set(x, y, colour);
  }
}

void PasteArea(Picture& into, const Picture& from, int x, int y) {
  PixelRect r = ClipToPicture({x, y, from.Width(), from.Height()}, into.Width(), into.Height());
  for (int py = r.y; py < r.y + r.height; ++py) {
    for (int px = r.x; px < r.x + r.width; ++px) into.Set(px, py, from.At(px - x, py - y));
  }
}

}  // namespace quill
