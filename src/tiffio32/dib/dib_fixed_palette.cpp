#include "dib/dib_fixed_palette.h"

#include <cstdint>

namespace quill::tiff {

namespace {

constexpr uint8_t kStandard16[16][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

RGBQUAD Rgb(int red, int green, int blue) {
  return RGBQUAD{static_cast<uint8_t>(blue), static_cast<uint8_t>(green), static_cast<uint8_t>(red), 0};
}

}  // namespace

void FixedPalette(int entries, RGBQUAD* table) {
  RGBQUAD full[256];
  int n = 0;
  for (const auto& c : kStandard16) full[n++] = Rgb(c[0], c[1], c[2]);
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) full[n++] = Rgb(51 * r, 51 * g, 51 * b);
    }
  }
  for (int i = 0; n < 256; ++i) full[n++] = Rgb(8 + 10 * i, 8 + 10 * i, 8 + 10 * i);
  for (int i = 0; i < entries && i < 256; ++i) table[i] = full[i];
}

}  // namespace quill::tiff
