#include "pixels/picture.h"

namespace quill {

std::string CheckPictureSize(long long width, long long height) {
  std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
  if (width <= 0 || height <= 0) return "a picture of " + size + " has no pixels";
  if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels) {
    return "a picture of " + size + " is too large (at most " + std::to_string(MaxPictureSide) +
           " pixels a side and " + std::to_string(MaxPicturePixels) + " in all)";
  }
  return {};
}

uint8_t GreyLevel(Rgb c) {
  return static_cast<uint8_t>((299 * c.r + 587 * c.g + 114 * c.b + 500) / 1000);
}

Picture::Picture(int width, int height, PixelFormat format) : format_(format) {
  if (!CheckPictureSize(width, height).empty()) return;
  width_ = width;
  height_ = height;
  size_t bytes = format == PixelFormat::Rgb24 ? 3 : 1;
  pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * bytes, 0);
}

size_t Picture::Offset(int x, int y) const {
  size_t pixel = static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
  return format_ == PixelFormat::Rgb24 ? pixel * 3 : pixel;
}

Rgb Picture::At(int x, int y) const {
  const uint8_t* p = pixels_.data() + Offset(x, y);
  if (format_ == PixelFormat::Grey8) return {p[0], p[0], p[0]};
  return {p[0], p[1], p[2]};
}

uint8_t Picture::GreyAt(int x, int y) const {
  if (format_ == PixelFormat::Grey8) return pixels_[Offset(x, y)];
  return GreyLevel(At(x, y));
}

void Picture::Set(int x, int y, Rgb c) {
  uint8_t* p = pixels_.data() + Offset(x, y);
  if (format_ == PixelFormat::Grey8) {
    p[0] = GreyLevel(c);
  } else {
    p[0] = c.r, p[1] = c.g, p[2] = c.b;
  }
}

void Picture::SetGrey(int x, int y, uint8_t level) {
  Set(x, y, {level, level, level});
}

Picture ToGrey(const Picture& picture) {
  if (picture.Format() == PixelFormat::Grey8) return picture;
  Picture grey(picture.Width(), picture.Height(), PixelFormat::Grey8);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) grey.Row(y)[x] = picture.GreyAt(x, y);
  }
  return grey;
}

}  // namespace quill
