// Editing the traced picture: turning it by any angle, mirroring it, and the pieces that cut, copy and
// paste work with.  Every edit says where each picture position went, so the lines and marks drawn
// over the picture move with it.
#pragma once

#include "pixels/picture.h"

namespace quill {

inline constexpr Rgb White{255, 255, 255};

// A rectangle of pixels: columns x to x + width - 1, rows y to y + height - 1.
struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool Empty() const { return width <= 0 || height <= 0; }
};

// The part of the rectangle inside a picture of the given size.
PixelRect ClipToPicture(PixelRect r, int width, int height);

// Where a picture position (pixel centres at whole numbers) lands after an edit:
// x' = xx x + xy y + x0, y' = yx x + yy y + y0.
struct PixelMap {
  double xx = 1, xy = 0, x0 = 0;
  double yx = 0, yy = 1, y0 = 0;
  void Apply(double& x, double& y) const;
};

struct EditedPicture {
  Picture picture;  // empty when the result would be too large for the program
  PixelMap map;
};

// Turned counter-clockwise as seen on the screen by degrees; the picture grows to hold every corner
// and the corners it gains are white.  Quarter turns move pixels exactly; other angles are
// interpolated.
EditedPicture RotatePicture(const Picture& picture, double degrees);
// Mirrored left to right.
EditedPicture FlipPicture(const Picture& picture);

// The pixels of the rectangle (clipped to the picture); empty when nothing of it lies inside.
Picture CopyArea(const Picture& picture, PixelRect area);
void FillArea(Picture& picture, PixelRect area, Rgb colour);
// from's pixels placed with their top left corner at (x, y); what falls outside is dropped.
void PasteArea(Picture& into, const Picture& from, int x, int y);

}  // namespace quill
