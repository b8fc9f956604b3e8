// Pictures in memory: a grid of pixels, grey or colour, with the rows from the top.
//
// The relief scan reads its picture (3DSCAN.BMP) through this layer, and raster tracing builds on it,
// so it knows nothing about either: it holds pixels, answers their colour and brightness, and keeps
// every size it is given within bounds a workstation can hold.  Files in and out are in bmp.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quill {

enum class PixelFormat : uint8_t {
  Grey8,  // one byte a pixel, 0 black to 255 white
  Rgb24,  // three bytes a pixel: red, green, blue
};

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// The largest picture the program takes: a side of 30,000 pixels and 100,000,000 pixels in all (300 MB
// in colour).  Bigger sizes in a file are refused before anything is allocated.
inline constexpr long long MaxPictureSide = 30000;
inline constexpr long long MaxPicturePixels = 100000000;

// Empty when width x height is a size Picture can hold; otherwise why not ("... x ... pixels ...").
std::string CheckPictureSize(long long width, long long height);

// The brightness of a colour, 0 to 255, weighted as the eye sees it (0.299 R + 0.587 G + 0.114 B,
// rounded).  A grey colour keeps its level exactly.
uint8_t GreyLevel(Rgb c);

class Picture {
 public:
  Picture() = default;  // no pixels
  // Every pixel black.  The size must have passed CheckPictureSize; a size that has not gives an
  // empty picture.
  Picture(int width, int height, PixelFormat format);

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelFormat Format() const { return format_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  // Pixel (x, y), y = 0 the top row.  The coordinates must lie inside the picture.
  Rgb At(int x, int y) const;
  uint8_t GreyAt(int x, int y) const;
  // A grey picture keeps the colour's brightness.
  void Set(int x, int y, Rgb c);
  void SetGrey(int x, int y, uint8_t level);

  // The bytes of row y: Width() bytes for Grey8, 3 x Width() for Rgb24.
  const uint8_t* Row(int y) const { return pixels_.data() + Offset(0, y); }
  uint8_t* Row(int y) { return pixels_.data() + Offset(0, y); }

 private:
  size_t Offset(int x, int y) const;
  int width_ = 0, height_ = 0;
  PixelFormat format_ = PixelFormat::Grey8;
  std::vector<uint8_t> pixels_;
};

// The same picture in grey: each pixel's brightness.  A grey picture comes back as it is.
Picture ToGrey(const Picture& picture);

}  // namespace quill
